#include "assets/texts/ReadingTexts.h"
#include "readings/love/LoveProfile.h"
#include "zodiac/ZodiacSign.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <set>
#include <vector>

using namespace kesto;
using enum ZodiacSign;

Q_DECLARE_METATYPE(kesto::ZodiacSign)

namespace {

// Lengths in characters the texts are written to.
struct Targets
{
    ZodiacSign sign;
    int positive;
    int negative;
    int romance;
    std::array<int, 3> lovePieces; // 0 = no such piece
    int loveParagraphs;
    int loveTotal;
    int venus;
    int eros;
};

// clang-format off
constexpr Targets Lengths[] = {
    {Aries,       727, 604, 733, {454, 653, 0},   2, 1111, 304, 708},
    {Taurus,      755, 405, 622, {439, 950, 0},   1, 1389, 280, 680},
    {Gemini,      745, 526, 717, {397, 706, 528}, 3, 1639, 281, 658},
    {Cancer,      866, 609, 577, {542, 0, 0},     1, 542,  319, 708},
    {Leo,         998, 646, 561, {559, 0, 0},     1, 559,  299, 663},
    {Virgo,       513, 331, 708, {506, 551, 0},   1, 1057, 279, 752},
    {Libra,       717, 366, 793, {800, 667, 0},   2, 1471, 271, 693},
    {Scorpio,     702, 536, 780, {371, 674, 0},   1, 1045, 227, 648},
    {Sagittarius, 874, 378, 795, {615, 628, 0},   2, 1247, 273, 855},
    {Capricorn,   732, 550, 635, {687, 0, 0},     1, 687,  243, 706},
    {Aquarius,    754, 655, 688, {596, 0, 0},     1, 596,  276, 669},
    {Pisces,      681, 415, 673, {711, 0, 0},     1, 711,  248, 661},
};
// clang-format on

// The trait, love and romance texts keep their rough lengths; the Venus and Eros texts are
// written to the exact count.
bool within2Percent(std::size_t actual, int target)
{
    return std::abs(double(actual) - target) <= target * 0.02;
}

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray nameOf(ZodiacSign sign)
{
    return bytes(displayName(sign));
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

// The kinds of text; a reading window shows the traits next to one of the two profiles.
enum class Kind { Positive, Negative, Love, Romance, Venus, Eros };
constexpr std::array<Kind, 6> AllKinds = {Kind::Positive, Kind::Negative, Kind::Love,
                                          Kind::Romance,  Kind::Venus,    Kind::Eros};
constexpr const char *KindNames[] = {"positive", "negative", "love", "romance", "venus", "eros"};

QString textOf(Kind kind, ZodiacSign sign)
{
    switch (kind) {
    case Kind::Positive:
        return QString::fromLatin1(bytes(SunSignTraits(sign).positive));
    case Kind::Negative:
        return QString::fromLatin1(bytes(SunSignTraits(sign).negative));
    case Kind::Love:
        return QString::fromStdString(LoveProfileText(sign));
    case Kind::Romance:
        return QString::fromLatin1(bytes(RomanceProfileText(sign)));
    case Kind::Venus:
        return QString::fromLatin1(bytes(LoveSignText(sign)));
    case Kind::Eros:
        return QString::fromLatin1(bytes(ErosSignText(sign)));
    }
    return {};
}

// What a text may call a sign: its name or its symbol, in Aries to Pisces order.
constexpr const char *SymbolPatterns[] = {
    "rams?",  "bulls?",     "twins",    "crabs?",          "lions?",         "virgins?",
    "scales", "scorpions?", "archers?", "(?:sea-)?goats?", "water bearers?", "fish(?:es)?"};

QRegularExpression callsSign(ZodiacSign sign)
{
    return QRegularExpression(QStringLiteral("\\b(?:%1|%2)\\b")
                                  .arg(QString::fromLatin1(nameOf(sign)),
                                       QLatin1String(SymbolPatterns[ordinal(sign) - 1])),
                              QRegularExpression::CaseInsensitiveOption);
}

qsizetype countMatches(const QString &text, const QRegularExpression &pattern)
{
    qsizetype count = 0;
    for (auto it = pattern.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

// Concrete images a sign's traits and its profile must not both use, since one window shows
// both; the sign symbols count among them.
constexpr const char *Images[] = {
    "soup",    "fence",        "flare",       "blanket",   "linen",       "daydream", "storm",
    "shell",   "tide",         "fire",        "flame",     "spark",       "garden",   "photograph",
    "recipe",  "sun",          "sunny",       "sunshine",  "sunlight",    "stage",    "spotlight",
    "arrow",   "horizon",      "traveler",    "traveller", "climb",       "summit",   "secret",
    "oak",     "root",         "bread",       "feast",     "menu",        "coat",     "music",
    "poetry",  "dream",        "philosophy",  "book",      "harmony",     "money",    "casserole",
    "kitchen", "hill",         "tea",         "oven",      "rain",        "wall",     "martyr",
    "taxi",    "train",        "marketplace", "sea",       "squall",      "crown",    "cage",
    "map",     "journey",      "mountain",    "wine",      "candlelight", "ram",      "bull",
    "twins",   "crab",         "lion",        "virgin",    "scales",      "scorpion", "archer",
    "goat",    "water bearer", "fish"};

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void textStructure_data();
    void textStructure();
    void loveProfileJoins_data();
    void loveProfileJoins();
    void allDistinct();
    void callsOnlyItsOwnSign_data();
    void callsOnlyItsOwnSign();
    void stockPhrasing_data();
    void stockPhrasing();
    void openingsDiffer_data();
    void openingsDiffer();
    void noImageOnBothTabs_data();
    void noImageOnBothTabs();
};

void TestTexts::textStructure_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("exact");       // written to the character, not roughly
    QTest::addColumn<bool>("standsAlone"); // not the first half of a run-together paragraph
    QTest::addColumn<bool>("venus");

    for (const Targets &target : Lengths) {
        const QByteArray nameText = nameOf(target.sign);
        const char *name = nameText.constData();
        const TraitTexts traits = SunSignTraits(target.sign);
        QTest::addRow("%s positive", name)
            << bytes(traits.positive) << target.positive << false << true << false;
        QTest::addRow("%s negative", name)
            << bytes(traits.negative) << target.negative << false << true << false;
        QTest::addRow("%s romance", name)
            << bytes(RomanceProfileText(target.sign)) << target.romance << false << true << false;
        QTest::addRow("%s venus", name)
            << bytes(LoveSignText(target.sign)) << target.venus << true << true << true;
        QTest::addRow("%s eros", name)
            << bytes(ErosSignText(target.sign)) << target.eros << true << true << false;
        const std::vector<std::string_view> pieces = usedPieces(target.sign);
        const bool direct = target.loveParagraphs == 1;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            QTest::addRow("%s love piece %d", name, int(i) + 1)
                << bytes(pieces[i]) << target.lovePieces[i] << false
                << (!direct || i + 1 == pieces.size()) << false;
        }
    }
}

// One plain ASCII line each, as long as written.
void TestTexts::textStructure()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(bool, exact);
    QFETCH(bool, standsAlone);
    QFETCH(bool, venus);

    if (exact)
        QCOMPARE(text.size(), qsizetype(length));
    else
        QVERIFY2(
            within2Percent(std::size_t(text.size()), length),
            qPrintable(
                QStringLiteral("%1 characters, written to about %2").arg(text.size()).arg(length)));
    for (char c : text)
        QVERIFY2(c >= 0x20 && c <= 0x7e, qPrintable(QStringLiteral("character %1").arg(int(c))));
    QVERIFY(!text.contains("  "));
    QVERIFY(!text.startsWith(' '));
    // A placeholder left in would show as a brace or a percent sign.
    QVERIFY(!text.contains('{') && !text.contains('}') && !text.contains('%'));
    if (standsAlone)
        QVERIFY(text.endsWith('.') || text.endsWith('!'));
    if (venus) {
        // Sentences end in a full stop, question or exclamation mark before a blank or the end.
        static const QRegularExpression SentenceEnd(QStringLiteral("[.!?]( |$)"));
        const qsizetype sentences = QString::fromLatin1(text).count(SentenceEnd);
        QVERIFY2(sentences >= 3 && sentences <= 5, qPrintable(QString::number(sentences)));
    }
}

void TestTexts::loveProfileJoins_data()
{
    QTest::addColumn<ZodiacSign>("sign");
    for (ZodiacSign sign : AllSigns)
        QTest::newRow(nameOf(sign).constData()) << sign;
}

// The used pieces come first; as paragraphs they are parted by one empty line, run together
// they keep exactly one blank between their words.
void TestTexts::loveProfileJoins()
{
    QFETCH(ZodiacSign, sign);
    const Targets &target = Lengths[ordinal(sign) - 1];
    const LoveProfilePieces &stored = loveProfilePieces(sign);
    for (std::size_t i = 0; i < stored.pieces.size(); ++i)
        QCOMPARE(stored.pieces[i].empty(), target.lovePieces[i] == 0);

    const std::vector<std::string_view> pieces = usedPieces(sign);
    const bool paragraphs = target.loveParagraphs > 1;
    if (pieces.size() > 1)
        QCOMPARE(stored.join == PieceJoin::Paragraphs, paragraphs);
    std::string composed;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0 && paragraphs)
            composed += "\r\n\r\n";
        else if (i > 0)
            QVERIFY(pieces[i - 1].ends_with(' ') != pieces[i].starts_with(' '));
        composed += pieces[i];
    }
    const std::string text = LoveProfileText(sign);
    QCOMPARE(QByteArray::fromStdString(text), QByteArray::fromStdString(composed));
    QVERIFY2(within2Percent(text.size(), target.loveTotal),
             qPrintable(QString::number(text.size())));
}

void TestTexts::allDistinct()
{
    std::set<std::string_view> seen;
    std::size_t count = 0;
    const auto add = [&](std::string_view text) {
        seen.insert(text);
        ++count;
    };
    for (ZodiacSign sign : AllSigns) {
        add(SunSignTraits(sign).positive);
        add(SunSignTraits(sign).negative);
        add(RomanceProfileText(sign));
        add(LoveSignText(sign));
        add(ErosSignText(sign));
        for (std::string_view piece : usedPieces(sign))
            add(piece);
    }
    QCOMPARE(count, std::size_t(12 * 5 + 20)); // twenty love pieces in all
    QCOMPARE(seen.size(), count);
}

void TestTexts::callsOnlyItsOwnSign_data()
{
    QTest::addColumn<ZodiacSign>("sign");
    QTest::addColumn<Kind>("kind");
    for (Kind kind : AllKinds) {
        for (ZodiacSign sign : AllSigns) {
            QTest::addRow("%s %s", nameOf(sign).constData(), KindNames[int(kind)]) << sign << kind;
        }
    }
}

// Every text calls its sign by name or symbol at least once and never names another sign, so a
// text filed under the wrong sign cannot go unnoticed.
void TestTexts::callsOnlyItsOwnSign()
{
    QFETCH(ZodiacSign, sign);
    QFETCH(Kind, kind);
    const QString text = textOf(kind, sign);
    QVERIFY2(text.contains(callsSign(sign)), "the text never names its own sign");
    for (ZodiacSign other : AllSigns) {
        if (other != sign) {
            const QRegularExpressionMatch match = callsSign(other).match(text);
            QVERIFY2(!match.hasMatch(), qPrintable(match.captured()));
        }
    }
}

void TestTexts::stockPhrasing_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QList<Kind>>("kinds");
    QTest::addColumn<int>("most");

    const QList<Kind> all(AllKinds.begin(), AllKinds.end());
    const QList<Kind> profiles = {Kind::Love, Kind::Romance};
    QTest::newRow("beneath the surface lies")
        << "\\b(?:beneath|behind|under)\\b[^.;:]*\\b(?:lies|lie|runs|run|beats|sits|burns)\\b"
        << all << 0;
    QTest::newRow("symbolized by") << "\\bsymboli[sz]ed by\\b" << all << 1;
    QTest::newRow("surprising in eros") << "\\bsurpris" << QList<Kind> {Kind::Eros} << 1;
    QTest::newRow("playful in eros") << "\\bplayful" << QList<Kind> {Kind::Eros} << 1;
    // "Do this, and they will do that." as the last sentence of a profile.
    QTest::newRow("closing promise")
        << ", and (?:you|they|he|she|it|the \\w+|this \\w+|a \\w+) will [^.!?]*[.!]$" << profiles
        << 1;
    QTest::newRow("British spelling")
        << "\\b(?:centre|organis\\w*|quarrell\\w*|pretence|travell\\w*|humour|colour\\w*|"
           "favour\\w*|honour\\w*|ardour)\\b"
        << all << 0;
    // Sayings that repeat or contradict themselves.
    QTest::newRow("quiet but not loud") << "\\bquiet[^.]*\\bnot loud\\b" << all << 0;
    QTest::newRow("planned unplanned") << "\\bplan[^.]*\\bunplanned\\b" << all << 0;
    QTest::newRow("every sense owned") << "\\bevery sense an?\\b" << all << 0;
    QTest::newRow("even more irresistible") << "\\bmore irresistible\\b" << all << 0;
    QTest::newRow("renewing again") << "\\brenew\\w*[^.]*\\bagain\\b" << all << 0;
    QTest::newRow("thrown wide") << "\\bthrown wide\\b(?! open)" << all << 0;
}

// A stock phrase may turn up once at most across the texts it is counted in, some never.
void TestTexts::stockPhrasing()
{
    QFETCH(QString, pattern);
    QFETCH(QList<Kind>, kinds);
    QFETCH(int, most);
    const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    QVERIFY(expression.isValid());
    qsizetype count = 0;
    QStringList where;
    for (Kind kind : kinds) {
        for (ZodiacSign sign : AllSigns) {
            const qsizetype found = countMatches(textOf(kind, sign), expression);
            if (found > 0)
                where << QStringLiteral("%1 %2").arg(nameOf(sign), KindNames[int(kind)]);
            count += found;
        }
    }
    QVERIFY2(count <= most, qPrintable(where.join(QStringLiteral(", "))));
}

void TestTexts::openingsDiffer_data()
{
    QTest::addColumn<Kind>("kind");
    for (Kind kind : AllKinds)
        QTest::newRow(KindNames[int(kind)]) << kind;
}

// No two texts of a kind open with the same three words once the sign names are set aside, and
// neither do two love profile pieces.
void TestTexts::openingsDiffer()
{
    QFETCH(Kind, kind);
    QStringList texts;
    for (ZodiacSign sign : AllSigns) {
        if (kind == Kind::Love) {
            for (std::string_view piece : usedPieces(sign))
                texts << QString::fromLatin1(bytes(piece));
        } else {
            texts << textOf(kind, sign);
        }
    }
    static const QRegularExpression Word(QStringLiteral("[A-Za-z'-]+"));
    QHash<QString, QString> seen;
    for (QString text : std::as_const(texts)) {
        const QString original = text;
        for (ZodiacSign sign : AllSigns)
            text.replace(callsSign(sign), QStringLiteral("X"));
        QStringList words;
        for (auto it = Word.globalMatch(text); it.hasNext() && words.size() < 3;)
            words << it.next().captured().toLower();
        const QString opening = words.join(u' ');
        QVERIFY2(!seen.contains(opening),
                 qPrintable(QStringLiteral("\"%1\" opens both \"%2\" and \"%3\"")
                                .arg(opening, seen.value(opening).left(40), original.left(40))));
        seen.insert(opening, original);
    }
}

void TestTexts::noImageOnBothTabs_data()
{
    QTest::addColumn<ZodiacSign>("sign");
    QTest::addColumn<Kind>("profile");
    for (ZodiacSign sign : AllSigns) {
        QTest::addRow("%s love", nameOf(sign).constData()) << sign << Kind::Love;
        QTest::addRow("%s romance", nameOf(sign).constData()) << sign << Kind::Romance;
    }
}

// The traits and the profile of a sign are read in one window, so they must not share an image.
void TestTexts::noImageOnBothTabs()
{
    QFETCH(ZodiacSign, sign);
    QFETCH(Kind, profile);
    const QString traits =
        textOf(Kind::Positive, sign) + QLatin1Char(' ') + textOf(Kind::Negative, sign);
    const QString profileText = textOf(profile, sign);
    for (const char *image : Images) {
        const QRegularExpression word(QStringLiteral("\\b%1(?:s|es)?\\b").arg(QLatin1String(image)),
                                      QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(!(traits.contains(word) && profileText.contains(word)), image);
    }
}

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_texts.moc"
