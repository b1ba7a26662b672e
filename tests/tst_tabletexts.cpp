#include "assets/texts/ReadingTexts.h"
#include "zodiac/ZodiacSign.h"

#include <QTest>

#include <set>
#include <string>

using namespace kesto;

Q_DECLARE_METATYPE(kesto::ZodiacSign)

namespace {

enum class Table { LoveSign, ErosSign };

std::string_view textOf(Table table, ZodiacSign sign)
{
    return table == Table::LoveSign ? LoveSignText(sign) : ErosSignText(sign);
}

QByteArray nameOf(ZodiacSign sign)
{
    const std::string_view name = displayName(sign);
    return QByteArray(name.data(), qsizetype(name.size()));
}

// Full stops, question and exclamation marks that end a sentence: followed by a blank or the
// end of the text.
int sentenceCount(std::string_view text)
{
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '.' || c == '!' || c == '?') && (i + 1 == text.size() || text[i + 1] == ' '))
            ++count;
    }
    return count;
}

} // namespace

Q_DECLARE_METATYPE(Table)

class TestTableTexts : public QObject
{
    Q_OBJECT

private slots:
    void lengths_data();
    void lengths();
    void plainOneLineParagraph_data() { lengths_data(); }
    void plainOneLineParagraph();
    void loveSignSentences_data();
    void loveSignSentences();
    void allDistinct();
};

void TestTableTexts::lengths_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<ZodiacSign>("sign");
    QTest::addColumn<int>("length");

    using enum ZodiacSign;
    // clang-format off
    const std::pair<ZodiacSign, int> venus[] = {
        {Aries, 304}, {Taurus, 280}, {Gemini, 281}, {Cancer, 319}, {Leo, 299}, {Virgo, 279},
        {Libra, 271}, {Scorpio, 227}, {Sagittarius, 273}, {Capricorn, 243}, {Aquarius, 276},
        {Pisces, 248}};
    const std::pair<ZodiacSign, int> eros[] = {
        {Aries, 708}, {Taurus, 680}, {Gemini, 658}, {Cancer, 708}, {Leo, 663}, {Virgo, 752},
        {Libra, 693}, {Scorpio, 648}, {Sagittarius, 855}, {Capricorn, 706}, {Aquarius, 669},
        {Pisces, 661}};
    // clang-format on
    for (const auto &[sign, length] : venus)
        QTest::addRow("venus %s", nameOf(sign).constData()) << Table::LoveSign << sign << length;
    for (const auto &[sign, length] : eros)
        QTest::addRow("eros %s", nameOf(sign).constData()) << Table::ErosSign << sign << length;
}

void TestTableTexts::lengths()
{
    QFETCH(Table, table);
    QFETCH(ZodiacSign, sign);
    QFETCH(int, length);

    const int actual = int(textOf(table, sign).size());
    const int slack = length / 20;
    QVERIFY2(actual >= length - slack && actual <= length + slack,
             qPrintable(QStringLiteral("%1 characters, wanted about %2").arg(actual).arg(length)));
}

void TestTableTexts::plainOneLineParagraph()
{
    QFETCH(Table, table);
    QFETCH(ZodiacSign, sign);

    const std::string_view text = textOf(table, sign);
    QVERIFY(!text.empty());
    for (const char c : text)
        QVERIFY2(c >= 0x20 && c <= 0x7e, qPrintable(QStringLiteral("character %1").arg(int(c))));
    QCOMPARE(text.find("  "), std::string_view::npos);
    QVERIFY(text.front() != ' ' && text.back() != ' ');
    // A placeholder would show as a brace or a percent sign.
    QCOMPARE(text.find_first_of("{}%"), std::string_view::npos);
    QVERIFY(text.back() == '.' || text.back() == '!');
}

void TestTableTexts::loveSignSentences_data()
{
    QTest::addColumn<ZodiacSign>("sign");
    for (const ZodiacSign sign : AllSigns)
        QTest::addRow("%s", nameOf(sign).constData()) << sign;
}

void TestTableTexts::loveSignSentences()
{
    QFETCH(ZodiacSign, sign);

    const int sentences = sentenceCount(LoveSignText(sign));
    QVERIFY2(sentences >= 3 && sentences <= 5, qPrintable(QString::number(sentences)));
}

void TestTableTexts::allDistinct()
{
    std::set<std::string_view> seen;
    for (const Table table : {Table::LoveSign, Table::ErosSign}) {
        for (const ZodiacSign sign : AllSigns)
            seen.insert(textOf(table, sign));
    }
    QCOMPARE(seen.size(), std::size_t(24));
}

QTEST_APPLESS_MAIN(TestTableTexts)
#include "tst_tabletexts.moc"
