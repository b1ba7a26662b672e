#include "readings/lovesign/ZodiacLoveSign.h"
#include "zodiac/DateText.h"
#include "zodiac/SunSign.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

using namespace kesto;

namespace {

using enum ZodiacSign;

std::string_view viewOf(const QByteArray &text)
{
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

struct Answer
{
    std::optional<ZodiacSign> sign;
    int block = -1; // 0, 1, 2 for the block that answered
    int answers = 0;
};

// What the reading does with the input window's texts: all three blocks, always in this order.
Answer lookUp(const QByteArray &year, const QByteArray &month, const QByteArray &day)
{
    using Block =
        std::optional<ZodiacSign> (*)(std::string_view, std::string_view, std::string_view);
    constexpr Block Blocks[] = {FindLoveSign1930To1959, FindLoveSign1960To1989,
                                FindLoveSign1990To2012};
    Answer answer;
    for (int i = 0; i < 3; ++i) {
        if (const auto sign = Blocks[i](viewOf(year), viewOf(month), viewOf(day)))
            answer = {sign, i, answer.answers + 1};
    }
    return answer;
}

Answer lookUp(int year, int month, int day)
{
    const std::string_view name = monthName(month);
    return lookUp(QByteArray::number(year), QByteArray(name.data(), qsizetype(name.size())),
                  QByteArray::number(day));
}

QString nameOf(std::optional<ZodiacSign> sign)
{
    if (!sign)
        return QStringLiteral("(none)");
    const std::string_view name = displayName(*sign);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// Steps between two signs the short way round the zodiac: 0 to 6.
int signDistance(ZodiacSign a, ZodiacSign b)
{
    const int forward = (ordinal(b) - ordinal(a) + 12) % 12;
    return std::min(forward, 12 - forward);
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : Days[month - 1];
}

ZodiacSign signOnDecember31(const SignChangeRow &row)
{
    return row.changes.empty() ? row.january1 : row.changes.back().sign;
}

struct KnownRow
{
    int year;
    ZodiacSign january1;
    std::vector<SignChange> changes;
};

// The rows the reading has always shown, as its documentation lists them.
// clang-format off
const std::vector<KnownRow> KnownRows = {
    {1930, Capricorn, {{1, 25, Aquarius}, {2, 17, Pisces}, {3, 13, Aries}, {4, 7, Taurus},
                       {5, 1, Gemini}, {5, 26, Cancer}, {6, 20, Leo}, {7, 15, Virgo},
                       {8, 11, Libra}, {9, 8, Scorpio}, {10, 13, Sagittarius}, {11, 23, Scorpio}}},
    {1932, Aquarius, {{1, 20, Pisces}, {2, 13, Aries}, {3, 10, Taurus}, {4, 6, Gemini},
                      {5, 7, Cancer}, {7, 14, Gemini}, {7, 29, Cancer}, {9, 9, Leo}, {10, 8, Virgo},
                      {11, 3, Libra}, {11, 28, Scorpio}, {12, 22, Sagittarius}}},
    {1945, Aquarius, {{1, 6, Pisces}, {2, 3, Aries}, {3, 12, Taurus}, {4, 8, Aries},
                      {6, 5, Taurus}, {7, 8, Gemini}, {8, 5, Cancer}, {8, 31, Leo}, {9, 25, Virgo},
                      {10, 20, Libra}, {11, 13, Scorpio}, {12, 7, Sagittarius},
                      {12, 31, Capricorn}}},
    {1973, Sagittarius, {{1, 12, Capricorn}, {2, 5, Aquarius}, {2, 29, Pisces}, {3, 25, Aries},
                         {4, 19, Taurus}, {5, 13, Gemini}, {6, 6, Cancer}, {7, 1, Leo},
                         {7, 26, Virgo}, {8, 20, Libra}, {9, 14, Scorpio}, {10, 10, Sagittarius},
                         {11, 6, Capricorn}, {12, 8, Aquarius}}},
    {1977, Pisces, {{1, 5, Aries}, {2, 3, Taurus}, {6, 7, Gemini}, {7, 7, Cancer}, {8, 3, Leo},
                    {8, 29, Virgo}, {9, 23, Libra}, {10, 18, Scorpio}, {11, 11, Sagittarius},
                    {12, 5, Capricorn}, {12, 28, Aquarius}}},
    {2012, Aquarius, {{1, 15, Pisces}, {2, 9, Aries}, {3, 6, Taurus}, {4, 4, Gemini},
                      {8, 8, Cancer}, {9, 7, Leo}, {10, 4, Virgo}, {10, 29, Libra},
                      {11, 23, Scorpio}, {12, 17, Sagittarius}}},
};
// clang-format on

// The years whose first sign is not the sign the year before ends with.
struct BrokenJoin
{
    int year;
    ZodiacSign december31Before;
    ZodiacSign january1;
};
constexpr BrokenJoin BrokenJoins[] = {
    {1977, Aquarius, Pisces},
    {1992, Scorpio, Sagittarius},
    {2000, Scorpio, Sagittarius},
};

} // namespace

class TestLoveSign : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void february29();
    void blockSeams_data();
    void blockSeams();
    void blocksAnswerOnlyTheirYears();
    void refusals_data();
    void refusals();
    void randomTextsAreSafe();
    void knownRows_data();
    void knownRows();
    void tableShape();
    void changesAreSingleSteps();
    void rowsJoin();
    void venusStaysNearTheSun();
};

void TestLoveSign::lookup_data()
{
    QTest::addColumn<QByteArray>("year");
    QTest::addColumn<QByteArray>("month");
    QTest::addColumn<QByteArray>("day");
    QTest::addColumn<QString>("sign");

    const auto row = [](const char *tag, const char *year, const char *month, const char *day,
                        const char *sign) {
        QTest::newRow(tag) << QByteArray(year) << QByteArray(month) << QByteArray(day)
                           << QString::fromLatin1(sign);
    };
    row("first day of the table", "1930", "January", "1", "Capricorn");
    row("1930 day before the first change", "1930", "January", "24", "Capricorn");
    row("1930 first change", "1930", "January", "25", "Aquarius");
    row("last day of the table", "2012", "December", "31", "Sagittarius");
    row("1930 April last day", "1930", "April", "30", "Taurus");
    row("1930 May begins in a new sign", "1930", "May", "1", "Gemini");
    row("1930 December one run, first", "1930", "December", "1", "Scorpio");
    row("1930 December one run, last", "1930", "December", "31", "Scorpio");
    row("1932 July before going back", "1932", "July", "13", "Cancer");
    row("1932 July back one sign", "1932", "July", "14", "Gemini");
    row("1932 July second run ends", "1932", "July", "28", "Gemini");
    row("1932 July forward again", "1932", "July", "29", "Cancer");
    row("1945 April before going back", "1945", "April", "7", "Taurus");
    row("1945 April back one sign", "1945", "April", "8", "Aries");
    row("1945 June before", "1945", "June", "4", "Aries");
    row("1945 June forward again", "1945", "June", "5", "Taurus");
    row("1945 August first run", "1945", "August", "4", "Gemini");
    row("1945 August second run", "1945", "August", "30", "Cancer");
    row("1945 August third run", "1945", "August", "31", "Leo");
    row("1945 December 30", "1945", "December", "30", "Sagittarius");
    row("1945 December 31", "1945", "December", "31", "Capricorn");
    row("1973 January 11", "1973", "January", "11", "Sagittarius");
    row("1973 January 12", "1973", "January", "12", "Capricorn");
    row("1973 February 28", "1973", "February", "28", "Aquarius");
    row("1973 February 29 has the March sign", "1973", "February", "29", "Pisces");
    row("1975 February 29 as February 28", "1975", "February", "29", "Aries");
    row("1976 last day", "1976", "December", "31", "Aquarius");
    row("1977 first day", "1977", "January", "1", "Pisces");
    // The lists never offer these, but every day number has an answer.
    row("day past the month's end", "1930", "April", "31", "Taurus");
    row("February 30 in the last run", "1930", "February", "30", "Pisces");
    row("day 0 as day 1", "1930", "January", "0", "Capricorn");
    row("day with blanks", "1930", "January", " 25 ", "Aquarius");
    row("year with a plus sign", "+1930", "January", "25", "Aquarius");
}

void TestLoveSign::lookup()
{
    QFETCH(QByteArray, year);
    QFETCH(QByteArray, month);
    QFETCH(QByteArray, day);
    QFETCH(QString, sign);

    const Answer answer = lookUp(year, month, day);
    QCOMPARE(answer.answers, 1);
    QCOMPARE(nameOf(answer.sign), sign);
}

// In a year without one, 29 February has the sign of 28 February, except in the three years
// whose change to the March sign is dated 29 February.
void TestLoveSign::february29()
{
    constexpr int MarchSignYears[] = {1973, 1974, 1981};
    for (int year = 1930; year <= 2012; ++year) {
        const QByteArray tag = QByteArray::number(year);
        const auto february28 = lookUp(year, 2, 28).sign;
        const auto february29 = lookUp(year, 2, 29).sign;
        const auto march1 = lookUp(year, 3, 1).sign;
        QVERIFY2(february28 && february29 && march1, tag.constData());
        if (isLeapYear(year))
            continue;
        if (std::find(std::begin(MarchSignYears), std::end(MarchSignYears), year)
            != std::end(MarchSignYears)) {
            QVERIFY2(february29 == march1, tag.constData());
            QVERIFY2(february29 != february28, tag.constData());
        } else {
            QVERIFY2(february29 == february28, tag.constData());
        }
    }
}

void TestLoveSign::blockSeams_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("block");
    QTest::addColumn<QString>("sign");

    QTest::newRow("31 Dec 1959") << 1959 << 12 << 31 << 0 << "Scorpio";
    QTest::newRow("1 Jan 1960") << 1960 << 1 << 1 << 1 << "Scorpio";
    QTest::newRow("31 Dec 1989") << 1989 << 12 << 31 << 1 << "Aquarius";
    QTest::newRow("1 Jan 1990") << 1990 << 1 << 1 << 2 << "Aquarius";
}

void TestLoveSign::blockSeams()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, block);
    QFETCH(QString, sign);

    const Answer answer = lookUp(year, month, day);
    QCOMPARE(answer.answers, 1);
    QCOMPARE(answer.block, block);
    QCOMPARE(nameOf(answer.sign), sign);
}

void TestLoveSign::blocksAnswerOnlyTheirYears()
{
    for (int year = 1900; year <= 2050; ++year) {
        const std::string text = std::to_string(year);
        const bool first = FindLoveSign1930To1959(text, "June", "15").has_value();
        const bool second = FindLoveSign1960To1989(text, "June", "15").has_value();
        const bool third = FindLoveSign1990To2012(text, "June", "15").has_value();
        QVERIFY2(first == (year >= 1930 && year <= 1959), text.c_str());
        QVERIFY2(second == (year >= 1960 && year <= 1989), text.c_str());
        QVERIFY2(third == (year >= 1990 && year <= 2012), text.c_str());
    }
}

void TestLoveSign::refusals_data()
{
    QTest::addColumn<QByteArray>("year");
    QTest::addColumn<QByteArray>("month");
    QTest::addColumn<QByteArray>("day");

    const auto row = [](const char *tag, const QByteArray &year, const QByteArray &month,
                        const QByteArray &day) { QTest::newRow(tag) << year << month << day; };
    row("year before the table", "1929", "December", "31");
    row("year after the table", "2013", "January", "1");
    row("month in lower case", "1930", "january", "1");
    row("month in capitals", "1930", "JANUARY", "1");
    row("month abbreviated", "1930", "Jan", "1");
    row("month with a blank", "1930", " January", "1");
    row("month as a number", "1930", "1", "1");
    row("empty year", "", "January", "1");
    row("empty month", "1930", "", "1");
    row("empty day", "1930", "January", "");
    row("all empty", "", "", "");
    row("garbage year", "nineteen thirty", "January", "1");
    row("garbage day", "1930", "January", "first");
    row("year with a fraction", "1930.0", "January", "1");
    row("year with a NUL", QByteArray("1930\0", 5), "January", "1");
    row("negative year", "-1930", "January", "1");
    row("huge year", "99999999999999999999", "January", "1");
    row("year past int wrapping to 1930", "4294969226", "January", "1");
    row("huge day", "1930", "January", "99999999999999999999");
}

void TestLoveSign::refusals()
{
    QFETCH(QByteArray, year);
    QFETCH(QByteArray, month);
    QFETCH(QByteArray, day);

    const Answer answer = lookUp(year, month, day);
    QCOMPARE(answer.answers, 0);
}

// Whatever the texts, at most one block answers, and only for a year and month it knows.
void TestLoveSign::randomTextsAreSafe()
{
    // The closing NUL is one of the letters.
    static constexpr char Alphabet[] = "0123456789 +-Janury\x7f";
    std::mt19937 random(1930);
    const auto randomText = [&random] {
        QByteArray text;
        const int length = int(random() % 12);
        for (int i = 0; i < length; ++i)
            text += Alphabet[random() % sizeof(Alphabet)];
        return text;
    };
    const QByteArray years[] = {"1930", "1960", "2012"};
    for (int i = 0; i < 20000; ++i) {
        // Mix random texts with real ones so every step of the lookup is reached.
        const QByteArray year = i % 3 == 0 ? years[i % 9 / 3] : randomText();
        const QByteArray month = i % 2 == 0 ? QByteArray("March") : randomText();
        const QByteArray day = randomText();
        const Answer answer = lookUp(year, month, day);
        QVERIFY2(answer.answers <= 1, (year + '/' + month + '/' + day).constData());
        if (answer.answers == 1) {
            const std::optional<int> number = parseWholeNumber(viewOf(year));
            QVERIFY2(number && *number >= 1930 && *number <= 2012, year.constData());
            QVERIFY2(monthFromName(viewOf(month)) == 3, month.constData());
            QVERIFY2(parseWholeNumber(viewOf(day)).has_value(), day.constData());
        }
    }
}

void TestLoveSign::knownRows_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < KnownRows.size(); ++i)
        QTest::newRow(QByteArray::number(KnownRows[i].year).constData()) << int(i);
}

void TestLoveSign::knownRows()
{
    QFETCH(int, index);
    const KnownRow &known = KnownRows[std::size_t(index)];

    const SignChangeRow *row = findRow(venusTable(), known.year);
    QVERIFY(row);
    QCOMPARE(nameOf(row->january1), nameOf(known.january1));
    QCOMPARE(row->changes.size(), known.changes.size());
    for (std::size_t i = 0; i < known.changes.size(); ++i) {
        const QByteArray at = "change " + QByteArray::number(qsizetype(i));
        QVERIFY2(row->changes[i].month == known.changes[i].month, at.constData());
        QVERIFY2(row->changes[i].day == known.changes[i].day, at.constData());
        QVERIFY2(row->changes[i].sign == known.changes[i].sign, at.constData());
    }
}

// One row a year, changes on real dates (29 February in any year) in date order, none on
// 1 January, 9 to 15 a year.
void TestLoveSign::tableShape()
{
    const std::span<const SignChangeRow> table = venusTable();
    QCOMPARE(table.size(), std::size_t(83));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const SignChangeRow &row = table[i];
        const QByteArray tag = QByteArray::number(row.year);
        QCOMPARE(row.year, 1930 + int(i));
        QVERIFY2(row.changes.size() >= 9 && row.changes.size() <= 15, tag.constData());
        int month = 1;
        int day = 1;
        for (const SignChange &change : row.changes) {
            QVERIFY2(change.month >= 1 && change.month <= 12, tag.constData());
            const int length = change.month == 2 ? 29 : daysInMonth(row.year, change.month);
            QVERIFY2(change.day >= 1 && change.day <= length, tag.constData());
            QVERIFY2(change.month > month || (change.month == month && change.day > day),
                     tag.constData());
            month = change.month;
            day = change.day;
        }
    }
}

void TestLoveSign::changesAreSingleSteps()
{
    int changes = 0;
    int backward = 0;
    for (const SignChangeRow &row : venusTable()) {
        ZodiacSign before = row.january1;
        for (const SignChange &change : row.changes) {
            const QByteArray at = QByteArray::number(row.year) + '-'
                + QByteArray::number(change.month) + '-' + QByteArray::number(change.day);
            QVERIFY2(change.sign == nextSign(before) || change.sign == previousSign(before),
                     at.constData());
            if (change.sign == previousSign(before))
                ++backward;
            ++changes;
            before = change.sign;
        }
    }
    QCOMPARE(changes, 1052);
    QCOMPARE(backward, 30);
}

void TestLoveSign::rowsJoin()
{
    const std::span<const SignChangeRow> table = venusTable();
    QVERIFY(!table.empty());
    for (std::size_t i = 1; i < table.size(); ++i) {
        const SignChangeRow &row = table[i];
        const ZodiacSign before = signOnDecember31(table[i - 1]);
        const QByteArray tag = QByteArray::number(row.year);
        const auto broken =
            std::find_if(std::begin(BrokenJoins), std::end(BrokenJoins),
                         [&row](const BrokenJoin &join) { return join.year == row.year; });
        if (broken == std::end(BrokenJoins)) {
            QVERIFY2(row.january1 == before, tag.constData());
        } else {
            QVERIFY2(before == broken->december31Before, tag.constData());
            QVERIFY2(row.january1 == broken->january1, tag.constData());
        }
    }
}

// Venus is never more than 48 degrees from the Sun, so on any real date it stands at most two
// signs from the Sun's sign. The 1977 row, kept as the reading has always shown it, has every
// sign one step ahead of the sky; there the bound holds one step back.
void TestLoveSign::venusStaysNearTheSun()
{
    QStringList farFromTheSun;
    int days = 0;
    for (int year = 1930; year <= 2012; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(year, month); ++day) {
                const std::optional<ZodiacSign> venus = lookUp(year, month, day).sign;
                const std::optional<ZodiacSign> sun = SunSignFromDate(day, month);
                QVERIFY(venus && sun);
                ++days;
                const ZodiacSign sky = year == 1977 ? previousSign(*venus) : *venus;
                if (signDistance(sky, *sun) > 2)
                    farFromTheSun << QStringLiteral("%1-%2-%3 Venus %4, Sun %5")
                                         .arg(year)
                                         .arg(month)
                                         .arg(day)
                                         .arg(nameOf(venus), nameOf(sun));
            }
        }
    }
    QCOMPARE(days, 30316);
    QVERIFY2(farFromTheSun.isEmpty(), qPrintable(farFromTheSun.join(QLatin1String("; "))));
}

QTEST_APPLESS_MAIN(TestLoveSign)
#include "tst_lovesign.moc"
