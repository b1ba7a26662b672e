#include "assets/texts/ReadingTexts.h"
#include "readings/love/LoveProfile.h"
#include "zodiac/SignAttributes.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacSign.h"

#include <QTest>

#include <set>
#include <string>
#include <vector>

using namespace kesto;
using enum ZodiacSign;

Q_DECLARE_METATYPE(kesto::ZodiacSign)

namespace {

constexpr const char *Names[] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                 "Leo",         "Virgo",     "Libra",    "Scorpio",
                                 "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

const char *nameOf(ZodiacSign sign)
{
    const int index = static_cast<int>(sign) - 1;
    return index >= 0 && index < 12 ? Names[index] : "(no sign)";
}

QString textOf(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The month table of the sun-sign rule: the last day of the sign that ends in the month.
struct MonthRule
{
    const char *month;
    int lastEarlierDay;
    ZodiacSign earlier;
    ZodiacSign later;
};

// clang-format off
constexpr MonthRule Months[] = {
    {"January",   19, Capricorn,   Aquarius},
    {"February",  18, Aquarius,    Pisces},
    {"March",     20, Pisces,      Aries},
    {"April",     20, Aries,       Taurus},
    {"May",       20, Taurus,      Gemini},
    {"June",      20, Gemini,      Cancer},
    {"July",      20, Cancer,      Leo},
    {"August",    20, Leo,         Virgo},
    {"September", 20, Virgo,       Libra},
    {"October",   20, Libra,       Scorpio},
    {"November",  20, Scorpio,     Sagittarius},
    {"December",  20, Sagittarius, Capricorn},
};

// Lengths in characters the texts are written to.
struct TextLengths
{
    ZodiacSign sign;
    int positive;
    int negative;
    int romance;
    std::array<int, 3> lovePieces; // 0 = no such piece
    int loveParagraphs;
    int loveTotal;
};

constexpr TextLengths Lengths[] = {
    {Aries,       727, 604, 733, {454, 653, 0},   2, 1111},
    {Taurus,      755, 405, 622, {439, 950, 0},   1, 1389},
    {Gemini,      745, 526, 717, {397, 706, 528}, 3, 1639},
    {Cancer,      866, 609, 577, {542, 0, 0},     1, 542},
    {Leo,         998, 646, 561, {559, 0, 0},     1, 559},
    {Virgo,       513, 331, 708, {506, 551, 0},   1, 1057},
    {Libra,       717, 366, 793, {800, 667, 0},   2, 1471},
    {Scorpio,     702, 536, 780, {371, 674, 0},   1, 1045},
    {Sagittarius, 874, 378, 795, {615, 628, 0},   2, 1247},
    {Capricorn,   732, 550, 635, {687, 0, 0},     1, 687},
    {Aquarius,    754, 655, 688, {596, 0, 0},     1, 596},
    {Pisces,      681, 415, 673, {711, 0, 0},     1, 711},
};
// clang-format on

bool within5Percent(std::size_t actual, int expected)
{
    return std::abs(static_cast<double>(actual) - expected) <= expected * 0.05;
}

std::vector<std::string_view> usedPieces(ZodiacSign sign)
{
    std::vector<std::string_view> pieces;
    for (std::string_view piece : loveProfilePieces(sign).pieces) {
        if (!piece.empty())
            pieces.push_back(piece);
    }
    return pieces;
}

} // namespace

namespace kesto {
// Lets QCOMPARE name the signs it compares.
char *toString(ZodiacSign sign)
{
    return qstrdup(nameOf(sign));
}
} // namespace kesto

class TestZodiac : public QObject
{
    Q_OBJECT

private slots:
    void sunSignFromDate_data();
    void sunSignFromDate();
    void signsFollowTheZodiacThroughTheYear();
    void outOfRange_data();
    void outOfRange();
    void attributes_data();
    void attributes();
    void sharedCompatibility();
    void namesAndPictureKeys_data();
    void namesAndPictureKeys();
    void loveProfileComposition_data();
    void loveProfileComposition();
    void textStructure_data();
    void textStructure();
    void textsAreAllDistinct();
};

void TestZodiac::sunSignFromDate_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<ZodiacSign>("sign");

    for (int month = 1; month <= 12; ++month) {
        const MonthRule &rule = Months[month - 1];
        const int last = rule.lastEarlierDay;
        QTest::addRow("%s 1", rule.month) << 1 << month << rule.earlier;
        QTest::addRow("%s %d, last %s", rule.month, last, nameOf(rule.earlier))
            << last << month << rule.earlier;
        QTest::addRow("%s %d, first %s", rule.month, last + 1, nameOf(rule.later))
            << last + 1 << month << rule.later;
        QTest::addRow("%s 28", rule.month) << 28 << month << rule.later;
    }
    // The rule takes every day up to 31, whether the month has it or not.
    QTest::newRow("February 29") << 29 << 2 << Pisces;
    QTest::newRow("February 30") << 30 << 2 << Pisces;
    QTest::newRow("February 31") << 31 << 2 << Pisces;
    QTest::newRow("April 31") << 31 << 4 << Taurus;
    QTest::newRow("June 31") << 31 << 6 << Cancer;
    QTest::newRow("September 31") << 31 << 9 << Libra;
    QTest::newRow("November 31") << 31 << 11 << Sagittarius;
    QTest::newRow("January 31") << 31 << 1 << Aquarius;
    QTest::newRow("December 31") << 31 << 12 << Capricorn;
}

void TestZodiac::sunSignFromDate()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(ZodiacSign, sign);

    const std::optional<ZodiacSign> found = SunSignFromDate(day, month);
    QVERIFY(found.has_value());
    QCOMPARE(*found, sign);
}

void TestZodiac::signsFollowTheZodiacThroughTheYear()
{
    // Walking every day of a year, each sign takes over from the one before it exactly once;
    // the sign of New Year's Eve runs on into January.
    constexpr int DaysIn[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::optional<ZodiacSign> previous;
    int changes = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysIn[month - 1]; ++day) {
            const std::optional<ZodiacSign> sign = SunSignFromDate(day, month);
            QVERIFY(sign.has_value());
            if (previous && *sign != *previous) {
                QCOMPARE(*sign, nextSign(*previous));
                ++changes;
            }
            previous = sign;
        }
    }
    QCOMPARE(changes, 12);
    QCOMPARE(*previous, *SunSignFromDate(1, 1));
}

void TestZodiac::outOfRange_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");

    QTest::newRow("day 0") << 0 << 1;
    QTest::newRow("day 32") << 32 << 1;
    QTest::newRow("negative day") << -1 << 6;
    QTest::newRow("month 0") << 1 << 0;
    QTest::newRow("month 13") << 1 << 13;
    QTest::newRow("negative month") << 31 << -1;
    QTest::newRow("both far out") << 100 << 100;
}

void TestZodiac::outOfRange()
{
    QFETCH(int, day);
    QFETCH(int, month);

    QVERIFY(!SunSignFromDate(day, month).has_value());
}

void TestZodiac::attributes_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<ZodiacSign>("sign");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("luckyNumber");
    QTest::addColumn<QString>("luckyDay");
    QTest::addColumn<QString>("compatibility");
    QTest::addColumn<QString>("birthstone");

    // clang-format off
    QTest::newRow("20 January")  << 20 << 1 << Aquarius  << "Air"   << "1 and 7" << "Wednesday"
                                 << "Taurus and Virgo"    << "Amethyst";
    QTest::newRow("19 January")  << 19 << 1 << Capricorn << "Earth" << "8 and 2" << "Saturday"
                                 << "Taurus and Virgo"    << "Garnet";
    QTest::newRow("21 March")    << 21 << 3 << Aries     << "Fire"  << "9"       << "Tuesday"
                                 << "Leo and Sagittarius" << "Diamond";
    QTest::newRow("19 February") << 19 << 2 << Pisces    << "Water" << "2 and 6" << "Friday"
                                 << "Taurus and Virgo"    << "Aquamarine";
    QTest::newRow("21 June")     << 21 << 6 << Cancer    << "Water" << "2"       << "Monday"
                                 << "Pisces and Scorpio"  << "Pearl";
    // clang-format on
}

void TestZodiac::attributes()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(ZodiacSign, sign);

    const std::optional<ZodiacSign> found = SunSignFromDate(day, month);
    QVERIFY(found.has_value());
    QCOMPARE(*found, sign);
    const SignAttributeRow &row = SignAttributes(*found);
    QTEST(textOf(row.element), "element");
    QTEST(textOf(row.luckyNumber), "luckyNumber");
    QTEST(textOf(row.luckyDay), "luckyDay");
    QTEST(textOf(row.compatibility), "compatibility");
    QTEST(textOf(row.birthstone), "birthstone");
}

void TestZodiac::sharedCompatibility()
{
    // Capricorn, Aquarius and Pisces, and only they, share one compatibility.
    QStringList sharing;
    for (ZodiacSign sign : AllSigns) {
        if (SignAttributes(sign).compatibility == "Taurus and Virgo")
            sharing << QLatin1String(nameOf(sign));
    }
    QCOMPARE(sharing, QStringList({"Capricorn", "Aquarius", "Pisces"}));
}

void TestZodiac::namesAndPictureKeys_data()
{
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pictureKey");

    // clang-format off
    QTest::newRow("1")  << 1  << "Aries"       << "aries.jpg";
    QTest::newRow("2")  << 2  << "Taurus"      << "taurus.jpg";
    QTest::newRow("3")  << 3  << "Gemini"      << "gemini.jpg";
    QTest::newRow("4")  << 4  << "Cancer"      << "cancer.jpg";
    QTest::newRow("5")  << 5  << "Leo"         << "leo.jpg";
    QTest::newRow("6")  << 6  << "Virgo"       << "virgo.jpg";
    QTest::newRow("7")  << 7  << "Libra"       << "libra.jpg";
    QTest::newRow("8")  << 8  << "Scorpio"     << "scorpio.jpg";
    QTest::newRow("9")  << 9  << "Sagittarius" << "sagittarius.jpg";
    QTest::newRow("10") << 10 << "Capricorn"   << "capricorn.jpg";
    QTest::newRow("11") << 11 << "Aquarius"    << "aquarius.jpg";
    QTest::newRow("12") << 12 << "Pisces"      << "pisces.jpg";
    // clang-format on
}

void TestZodiac::namesAndPictureKeys()
{
    QFETCH(int, ordinal);
    QFETCH(QString, name);
    QFETCH(QString, pictureKey);

    const std::optional<ZodiacSign> sign = signFromOrdinal(ordinal);
    QVERIFY(sign.has_value());
    QCOMPARE(kesto::ordinal(*sign), ordinal);
    QCOMPARE(textOf(displayName(*sign)), name);
    QCOMPARE(textOf(kesto::pictureKey(*sign)), pictureKey);

    // The readings compare by display name: exactly, and case matters.
    const std::string exact = name.toStdString();
    QVERIFY(signFromDisplayName(exact) == sign);
    QVERIFY(!signFromDisplayName(name.toLower().toStdString()));
    QVERIFY(!signFromDisplayName(exact + " "));
}

void TestZodiac::loveProfileComposition_data()
{
    QTest::addColumn<ZodiacSign>("sign");
    for (const TextLengths &lengths : Lengths)
        QTest::newRow(nameOf(lengths.sign)) << lengths.sign;
}

void TestZodiac::loveProfileComposition()
{
    QFETCH(ZodiacSign, sign);
    const TextLengths &expected = Lengths[ordinal(sign) - 1];

    // The used pieces come first, each about as long as written.
    const LoveProfilePieces &stored = loveProfilePieces(sign);
    const std::vector<std::string_view> pieces = usedPieces(sign);
    for (std::size_t i = 0; i < stored.pieces.size(); ++i) {
        QCOMPARE(stored.pieces[i].empty(), expected.lovePieces[i] == 0);
        if (expected.lovePieces[i] != 0)
            QVERIFY2(within5Percent(stored.pieces[i].size(), expected.lovePieces[i]),
                     qPrintable(QStringLiteral("piece %1 has %2 characters")
                                    .arg(i + 1)
                                    .arg(stored.pieces[i].size())));
    }

    const bool paragraphs = expected.loveParagraphs > 1;
    if (pieces.size() > 1)
        QCOMPARE(stored.join == PieceJoin::Paragraphs, paragraphs);
    std::string composed;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0 && paragraphs)
            composed += "\r\n\r\n";
        composed += pieces[i];
    }
    const std::string text = LoveProfileText(sign);
    QCOMPARE(QString::fromStdString(text), QString::fromStdString(composed));
    QVERIFY2(within5Percent(text.size(), expected.loveTotal),
             qPrintable(QStringLiteral("%1 characters").arg(text.size())));

    // Paragraphs are parted by one empty line and have no line breaks of their own.
    const QStringList parts = QString::fromStdString(text).split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(parts.size(), expected.loveParagraphs);
    for (const QString &part : parts) {
        QVERIFY(!part.contains(QLatin1Char('\r')) && !part.contains(QLatin1Char('\n')));
        QCOMPARE(part, part.trimmed());
        QVERIFY(!part.contains(QStringLiteral("  ")));
    }
    // Pieces run together directly keep exactly one blank between their words.
    if (!paragraphs) {
        for (std::size_t i = 1; i < pieces.size(); ++i)
            QVERIFY(pieces[i - 1].ends_with(' ') != pieces[i].starts_with(' '));
    }
}

void TestZodiac::textStructure_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("standsAlone"); // not the first half of a run-together paragraph

    for (const TextLengths &lengths : Lengths) {
        const char *name = nameOf(lengths.sign);
        const TraitTexts traits = SunSignTraits(lengths.sign);
        const std::string_view romance = RomanceProfileText(lengths.sign);
        QTest::addRow("%s positive traits", name)
            << QByteArray(traits.positive.data(), qsizetype(traits.positive.size()))
            << lengths.positive << true;
        QTest::addRow("%s negative traits", name)
            << QByteArray(traits.negative.data(), qsizetype(traits.negative.size()))
            << lengths.negative << true;
        QTest::addRow("%s romance profile", name)
            << QByteArray(romance.data(), qsizetype(romance.size())) << lengths.romance << true;
        const std::vector<std::string_view> pieces = usedPieces(lengths.sign);
        const bool direct = lengths.loveParagraphs == 1;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            QTest::addRow("%s love piece %d", name, int(i) + 1)
                << QByteArray(pieces[i].data(), qsizetype(pieces[i].size()))
                << lengths.lovePieces[i] << (!direct || i + 1 == pieces.size());
        }
    }
}

void TestZodiac::textStructure()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(bool, standsAlone);

    QVERIFY2(
        within5Percent(std::size_t(text.size()), length),
        qPrintable(QStringLiteral("%1 characters, written to %2").arg(text.size()).arg(length)));
    for (char c : text)
        QVERIFY2(c >= 0x20 && c <= 0x7e, qPrintable(QStringLiteral("character %1").arg(int(c))));
    QVERIFY(!text.contains("  "));
    QVERIFY(!text.startsWith(' '));
    if (standsAlone)
        QVERIFY(!text.endsWith(' '));
}

void TestZodiac::textsAreAllDistinct()
{
    std::set<std::string_view> seen;
    std::size_t count = 0;
    auto add = [&](std::string_view text) {
        seen.insert(text);
        ++count;
    };
    for (ZodiacSign sign : AllSigns) {
        add(SunSignTraits(sign).positive);
        add(SunSignTraits(sign).negative);
        add(RomanceProfileText(sign));
        for (std::string_view piece : usedPieces(sign))
            add(piece);
    }
    QCOMPARE(count, std::size_t(12 * 3 + 20)); // twenty love pieces in all
    QCOMPARE(seen.size(), count);
}

QTEST_APPLESS_MAIN(TestZodiac)
#include "tst_zodiac.moc"
