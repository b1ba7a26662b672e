// The Venus and Eros signs for 1900 to 2100: the reading's own tables inside their years, the
// computed ones outside, the seams between them, and what the computed rows must keep.

#include "readings/SkySigns.h"
#include "readings/eros/SexualAstrology.h"
#include "readings/lovesign/ZodiacLoveSign.h"

#include <QDate>
#include <QTest>

#include <functional>
#include <string>

using namespace kesto;

Q_DECLARE_METATYPE(kesto::ZodiacSign)
Q_DECLARE_METATYPE(kesto::SignSource)

namespace {

using AnyYearLookup = std::optional<SourcedSign> (*)(int, int, int);
using AnyYearRow = std::optional<SourcedRow> (*)(int);

constexpr const char *MonthNames[] = {"January",   "February", "March",    "April",
                                      "May",       "June",     "July",     "August",
                                      "September", "October",  "November", "December"};

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int stepBetween(ZodiacSign from, ZodiacSign to)
{
    const int difference = ((ordinal(to) - ordinal(from)) % 12 + 12) % 12;
    return difference == 1 ? 1 : difference == 11 ? -1 : 0;
}

ZodiacSign lastSign(const SignChangeRow &row)
{
    return row.changes.empty() ? row.january1 : row.changes.back().sign;
}

} // namespace

class TestSkySigns : public QObject
{
    Q_OBJECT

private slots:
    void seams_data();
    void seams();
    void outsideTheRange_data();
    void outsideTheRange();
    void tableYearsUnchanged_data();
    void tableYearsUnchanged();
    void computedYearsOnlyOutsideTheTables_data();
    void computedYearsOnlyOutsideTheTables();
    void computedRowsKeepTheSky_data();
    void computedRowsKeepTheSky();
};

void TestSkySigns::seams_data()
{
    QTest::addColumn<AnyYearLookup>("lookup");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<ZodiacSign>("sign");
    QTest::addColumn<SignSource>("source");

    const AnyYearLookup venus = venusSignAnyYear;
    const AnyYearLookup eros = erosSignAnyYear;
    using enum ZodiacSign;
    // Venus enters Capricorn on 1 January 1930, so that seam is also a change.
    QTest::newRow("venus 1929-12-31")
        << venus << 1929 << 12 << 31 << Sagittarius << SignSource::Ephemeris;
    QTest::newRow("venus 1930-01-01") << venus << 1930 << 1 << 1 << Capricorn << SignSource::Table;
    QTest::newRow("venus 2012-12-31")
        << venus << 2012 << 12 << 31 << Sagittarius << SignSource::Table;
    QTest::newRow("venus 2013-01-01")
        << venus << 2013 << 1 << 1 << Sagittarius << SignSource::Ephemeris;
    QTest::newRow("venus 2013-01-10")
        << venus << 2013 << 1 << 10 << Capricorn << SignSource::Ephemeris;
    QTest::newRow("venus 1900-01-01")
        << venus << 1900 << 1 << 1 << Aquarius << SignSource::Ephemeris;
    QTest::newRow("eros 1939-12-31")
        << eros << 1939 << 12 << 31 << Scorpio << SignSource::Ephemeris;
    QTest::newRow("eros 1940-01-01") << eros << 1940 << 1 << 1 << Scorpio << SignSource::Table;
    QTest::newRow("eros 1990-12-31") << eros << 1990 << 12 << 31 << Libra << SignSource::Table;
    QTest::newRow("eros 1991-01-01") << eros << 1991 << 1 << 1 << Libra << SignSource::Ephemeris;
    QTest::newRow("eros 1991-01-06") << eros << 1991 << 1 << 6 << Scorpio << SignSource::Ephemeris;
    // The reading's odd cells stay its own: 31 September 1943 and the 1980 block.
    QTest::newRow("eros 1943-09-31") << eros << 1943 << 9 << 31 << Scorpio << SignSource::Table;
    QTest::newRow("eros 1980-01-22") << eros << 1980 << 1 << 22 << Aquarius << SignSource::Table;
    QTest::newRow("venus 2100-12-31")
        << venus << 2100 << 12 << 31 << Sagittarius << SignSource::Ephemeris;
}

void TestSkySigns::seams()
{
    QFETCH(AnyYearLookup, lookup);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(ZodiacSign, sign);
    QFETCH(SignSource, source);
    const std::optional<SourcedSign> found = lookup(year, month, day);
    QVERIFY(found);
    QCOMPARE(found->sign, sign);
    QCOMPARE(found->source, source);
}

void TestSkySigns::outsideTheRange_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("1899") << 1899 << 12 << 31;
    QTest::newRow("2101") << 2101 << 1 << 1;
    QTest::newRow("month 0") << 1950 << 0 << 1;
    QTest::newRow("month 13") << 1950 << 13 << 1;
    QTest::newRow("day 0") << 2050 << 5 << 0;
    QTest::newRow("day 32") << 2050 << 5 << 32;
}

void TestSkySigns::outsideTheRange()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QVERIFY(!venusSignAnyYear(year, month, day));
    QVERIFY(!erosSignAnyYear(year, month, day));
}

void TestSkySigns::tableYearsUnchanged_data()
{
    using TextLookup = std::function<std::optional<ZodiacSign>(
        const std::string &, const std::string &, const std::string &)>;
    QTest::addColumn<AnyYearLookup>("anyYear");
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<TextLookup>("table");
    const TextLookup venus = [](const std::string &y, const std::string &m, const std::string &d) {
        for (auto find : {FindLoveSign1930To1959, FindLoveSign1960To1989, FindLoveSign1990To2012}) {
            if (const auto sign = find(y, m, d))
                return sign;
        }
        return std::optional<ZodiacSign>();
    };
    const TextLookup eros = [](const std::string &y, const std::string &m, const std::string &d) {
        return FindErosSign(y, m, d);
    };
    QTest::newRow("venus") << AnyYearLookup(venusSignAnyYear) << 1930 << 2012 << venus;
    QTest::newRow("eros") << AnyYearLookup(erosSignAnyYear) << 1940 << 1990 << eros;
}

Q_DECLARE_METATYPE(std::function<std::optional<kesto::ZodiacSign>(
                       const std::string &, const std::string &, const std::string &)>)

void TestSkySigns::tableYearsUnchanged()
{
    using TextLookup = std::function<std::optional<ZodiacSign>(
        const std::string &, const std::string &, const std::string &)>;
    QFETCH(AnyYearLookup, anyYear);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(TextLookup, table);
    // Every day number the input windows' lists can give, in every year of the table.
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const auto expected =
                    table(std::to_string(year), MonthNames[month - 1], std::to_string(day));
                const auto found = anyYear(year, month, day);
                QVERIFY(expected && found);
                if (found->sign != *expected || found->source != SignSource::Table)
                    QFAIL(qPrintable(QStringLiteral("%1-%2-%3").arg(year).arg(month).arg(day)));
            }
        }
    }
}

void TestSkySigns::computedYearsOnlyOutsideTheTables_data()
{
    QTest::addColumn<AnyYearRow>("row");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("firstTableYear");
    QTest::addColumn<int>("lastTableYear");
    QTest::newRow("venus") << AnyYearRow(venusRowAnyYear)
                           << static_cast<int>(venusSkyTable().size()) << 1930 << 2012;
    QTest::newRow("eros") << AnyYearRow(erosRowAnyYear) << static_cast<int>(erosSkyTable().size())
                          << 1940 << 1990;
}

void TestSkySigns::computedYearsOnlyOutsideTheTables()
{
    QFETCH(AnyYearRow, row);
    QFETCH(int, blocks);
    QFETCH(int, firstTableYear);
    QFETCH(int, lastTableYear);
    QCOMPARE(blocks, 2);
    QVERIFY(!row(SkyFirstYear - 1));
    QVERIFY(!row(SkyLastYear + 1));
    for (int year = SkyFirstYear; year <= SkyLastYear; ++year) {
        const std::optional<SourcedRow> found = row(year);
        QVERIFY2(found, qPrintable(QString::number(year)));
        QCOMPARE(found->row.year, year);
        const bool inTable = year >= firstTableYear && year <= lastTableYear;
        QCOMPARE(found->source, inTable ? SignSource::Table : SignSource::Ephemeris);
    }
    // The packed blocks hold only the years outside the table, each year opened once.
    const auto sky =
        QTest::currentDataTag() == QByteArray("venus") ? venusSkyTable() : erosSkyTable();
    QCOMPARE(sky[0].firstYear, SkyFirstYear);
    QCOMPARE(sky[0].lastYear, firstTableYear - 1);
    QCOMPARE(sky[1].firstYear, lastTableYear + 1);
    QCOMPARE(sky[1].lastYear, SkyLastYear);
    for (const PackedSignYears &block : sky) {
        int opened = 0;
        for (const std::uint16_t entry : block.entries) {
            const int month = entry >> 9, day = (entry >> 4) & 31, sign = entry & 15;
            QVERIFY(sign >= 1 && sign <= 12);
            QVERIFY(month <= 12);
            QVERIFY(month == 0 ? day == 0 : day >= 1 && day <= 31);
            opened += month == 0;
        }
        QCOMPARE(opened, block.lastYear - block.firstYear + 1);
    }
}

void TestSkySigns::computedRowsKeepTheSky_data()
{
    QTest::addColumn<AnyYearRow>("row");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("most");
    // Venus changes sign 9 to 15 times a year; Eros, slow near opposition and fast when close
    // to the Earth, 2 to 14 times.
    QTest::newRow("venus") << AnyYearRow(venusRowAnyYear) << 9 << 15;
    QTest::newRow("eros") << AnyYearRow(erosRowAnyYear) << 2 << 14;
}

void TestSkySigns::computedRowsKeepTheSky()
{
    QFETCH(AnyYearRow, row);
    QFETCH(int, fewest);
    QFETCH(int, most);
    std::optional<SourcedRow> before;
    for (int year = SkyFirstYear; year <= SkyLastYear; before = row(year), ++year) {
        const SourcedRow current = *row(year);
        // The reading's own rows keep whatever they hold; only the computed ones and their
        // joins to the tables are held to the sky.
        if (current.source == SignSource::Table)
            continue;
        const QByteArray where = QByteArray::number(year);
        const SignChangeRow &r = current.row;
        const int count = static_cast<int>(r.changes.size());
        QVERIFY2(count >= fewest && count <= most, where);
        if (before) {
            const ZodiacSign end = lastSign(before->row);
            QVERIFY2(r.january1 == end || stepBetween(end, r.january1) != 0, where);
        }
        ZodiacSign sign = r.january1;
        int lastMonth = 1, lastDay = 1;
        for (const SignChange &change : r.changes) {
            QVERIFY2(stepBetween(sign, change.sign) != 0, where);
            QVERIFY2(change.month > lastMonth
                         || (change.month == lastMonth && change.day > lastDay),
                     where);
            const int length = change.month == 2 ? 29 : QDate(year, change.month, 1).daysInMonth();
            QVERIFY2(change.day >= 1 && change.day <= length, where);
            // 29 February of a common year only ever carries a change that fell on 1 March.
            if (change.month == 2 && change.day == 29 && !isLeapYear(year))
                QVERIFY2(&change == &r.changes.back() || (&change + 1)->month >= 3, where);
            sign = change.sign;
            lastMonth = change.month;
            lastDay = change.day;
        }
        // The next row, from either source, begins where this one ends or one step on.
        if (const std::optional<SourcedRow> next = row(year + 1)) {
            const ZodiacSign start = next->row.january1;
            QVERIFY2(start == sign || stepBetween(sign, start) != 0, where);
        }
    }
}

QTEST_APPLESS_MAIN(TestSkySigns)
#include "tst_skysigns.moc"
