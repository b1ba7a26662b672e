#include "assets/texts/ReadingTexts.h"
#include "readings/love/LoveProfile.h"
#include "zodiac/ZodiacSign.h"

#include <QRegularExpression>
#include <QTest>

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

bool within5Percent(std::size_t actual, int target)
{
    return std::abs(double(actual) - target) <= target * 0.05;
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

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void textStructure_data();
    void textStructure();
    void loveProfileJoins_data();
    void loveProfileJoins();
    void allDistinct();
};

void TestTexts::textStructure_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("standsAlone"); // not the first half of a run-together paragraph
    QTest::addColumn<bool>("venus");

    for (const Targets &target : Lengths) {
        const QByteArray nameText = nameOf(target.sign);
        const char *name = nameText.constData();
        const TraitTexts traits = SunSignTraits(target.sign);
        QTest::addRow("%s positive", name)
            << bytes(traits.positive) << target.positive << true << false;
        QTest::addRow("%s negative", name)
            << bytes(traits.negative) << target.negative << true << false;
        QTest::addRow("%s romance", name)
            << bytes(RomanceProfileText(target.sign)) << target.romance << true << false;
        QTest::addRow("%s venus", name)
            << bytes(LoveSignText(target.sign)) << target.venus << true << true;
        QTest::addRow("%s eros", name)
            << bytes(ErosSignText(target.sign)) << target.eros << true << false;
        const std::vector<std::string_view> pieces = usedPieces(target.sign);
        const bool direct = target.loveParagraphs == 1;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            QTest::addRow("%s love piece %d", name, int(i) + 1)
                << bytes(pieces[i]) << target.lovePieces[i] << (!direct || i + 1 == pieces.size())
                << false;
        }
    }
}

// One plain ASCII line each, about as long as written.
void TestTexts::textStructure()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(bool, standsAlone);
    QFETCH(bool, venus);

    QVERIFY2(
        within5Percent(std::size_t(text.size()), length),
        qPrintable(QStringLiteral("%1 characters, written to %2").arg(text.size()).arg(length)));
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
    QVERIFY2(within5Percent(text.size(), target.loveTotal),
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

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_texts.moc"
