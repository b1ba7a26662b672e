// The Venus and Eros signs for 1900 to 2100: the reading's own tables inside their years, the
// computed ones outside, the seams between them, and what the computed rows must keep.

#include "readings/core/SkySigns.h"

#include <QDate>
#include <QTest>

using namespace kesto;

Q_DECLARE_METATYPE(kesto::ZodiacSign)
Q_DECLARE_METATYPE(kesto::SignSource)

namespace {

using AnyYearLookup = std::optional<SourcedSign> (*)(int, int, int);
using AnyYearRow = std::optional<SourcedRow> (*)(int);
using SkyTable = std::span<const PackedSignYears> (*)();

int stepBetween(ZodiacSign from, ZodiacSign to)
{
    const int difference = ((ordinal(to) - ordinal(from)) % 12 + 12) % 12;
    return difference == 1 ? 1 : difference == 11 ? -1 : 0;
}

} // namespace

class tst_SkySigns : public QObject
{
    Q_OBJECT

private slots:
    void seams_data();
    void seams();
    void outsideTheRange();
    void computedRows_data();
    void computedRows();
};

void tst_SkySigns::seams_data()
{
    QTest::addColumn<AnyYearLookup>("lookup");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<ZodiacSign>("sign");
    QTest::addColumn<SignSource>("source");

    const auto row = [](const char *body, int year, int month, int day, ZodiacSign sign,
                        SignSource source) {
        QTest::addRow("%s %d-%02d-%02d", body, year, month, day)
            << AnyYearLookup(body[0] == 'v' ? venusSignAnyYear : erosSignAnyYear) << year << month
            << day << sign << source;
    };
    using enum ZodiacSign;
    constexpr SignSource Table = SignSource::Table, Ephemeris = SignSource::Ephemeris;
    // Venus enters Capricorn on 1 January 1930, so that seam is also a change.
    row("venus", 1929, 12, 31, Sagittarius, Ephemeris);
    row("venus", 1930, 1, 1, Capricorn, Table);
    row("venus", 2012, 12, 31, Sagittarius, Table);
    row("venus", 2013, 1, 1, Sagittarius, Ephemeris);
    row("venus", 2013, 1, 10, Capricorn, Ephemeris);
    row("venus", 2100, 12, 31, Sagittarius, Ephemeris);
    row("eros", 1939, 12, 31, Scorpio, Ephemeris);
    row("eros", 1940, 1, 1, Scorpio, Table);
    row("eros", 1990, 12, 31, Libra, Table);
    row("eros", 1991, 1, 1, Libra, Ephemeris);
    row("eros", 1991, 1, 6, Scorpio, Ephemeris);
    // The reading's odd cells stay its own: 31 September 1943 and the 1980 block.
    row("eros", 1943, 9, 31, Scorpio, Table);
    row("eros", 1980, 1, 22, Aquarius, Table);
}

void tst_SkySigns::seams()
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

// Nothing outside 1900 to 2100, months 1 to 12 and day numbers 1 to 31.
void tst_SkySigns::outsideTheRange()
{
    const int dates[][3] = {{1899, 12, 31}, {2101, 1, 1}, {1950, 0, 1},
                            {1950, 13, 1},  {2050, 5, 0}, {2050, 5, 32}};
    for (const auto &[year, month, day] : dates) {
        const QString date = QStringLiteral("%1-%2-%3").arg(year).arg(month).arg(day);
        QVERIFY2(!venusSignAnyYear(year, month, day) && !erosSignAnyYear(year, month, day),
                 qPrintable(date));
    }
}

void tst_SkySigns::computedRows_data()
{
    QTest::addColumn<AnyYearRow>("row");
    QTest::addColumn<SkyTable>("sky");
    QTest::addColumn<int>("firstTableYear");
    QTest::addColumn<int>("lastTableYear");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("most");
    // Venus changes sign 9 to 15 times a year; Eros, slow near opposition and fast when close
    // to the Earth, 2 to 14 times.
    QTest::newRow("venus") << AnyYearRow(venusRowAnyYear) << SkyTable(venusSkyTable) << 1930 << 2012
                           << 9 << 15;
    QTest::newRow("eros") << AnyYearRow(erosRowAnyYear) << SkyTable(erosSkyTable) << 1940 << 1990
                          << 2 << 14;
}

// Every year from 1900 to 2100 has its row, from the table within the table's years and computed
// outside them; the computed rows and their joins to the tables are held to the sky.
void tst_SkySigns::computedRows()
{
    QFETCH(AnyYearRow, row);
    QFETCH(SkyTable, sky);
    QFETCH(int, firstTableYear);
    QFETCH(int, lastTableYear);
    QFETCH(int, fewest);
    QFETCH(int, most);
    QVERIFY(!row(SkyFirstYear - 1));
    QVERIFY(!row(SkyLastYear + 1));
    // The packed blocks hold only the years outside the table.
    QCOMPARE(sky().size(), std::size_t(2));
    QCOMPARE(sky()[0].firstYear, SkyFirstYear);
    QCOMPARE(sky()[0].lastYear, firstTableYear - 1);
    QCOMPARE(sky()[1].firstYear, lastTableYear + 1);
    QCOMPARE(sky()[1].lastYear, SkyLastYear);
    for (int year = SkyFirstYear; year <= SkyLastYear; ++year) {
        const std::optional<SourcedRow> current = row(year);
        const QByteArray where = QByteArray::number(year);
        QVERIFY2(current && current->row.year == year, where);
        const bool inTable = year >= firstTableYear && year <= lastTableYear;
        QCOMPARE(current->source, inTable ? SignSource::Table : SignSource::Ephemeris);
        if (inTable)
            continue;
        const SignChangeRow &r = current->row;
        QVERIFY2(int(r.changes.size()) >= fewest && int(r.changes.size()) <= most, where);
        // Each row, from either source, begins where the one before ends or one step on.
        if (const std::optional<SourcedRow> before = row(year - 1)) {
            const auto &changes = before->row.changes;
            const ZodiacSign end = changes.empty() ? before->row.january1 : changes.back().sign;
            QVERIFY2(r.january1 == end || stepBetween(end, r.january1) != 0, where);
        }
        ZodiacSign sign = r.january1;
        int last = 32 + 1; // month * 32 + day
        for (const SignChange &change : r.changes) {
            const int date = change.month * 32 + change.day;
            const int length = change.month == 2 ? 29 : QDate(year, change.month, 1).daysInMonth();
            QVERIFY2(stepBetween(sign, change.sign) != 0 && date > last && change.day >= 1
                         && change.day <= length,
                     where);
            // 29 February of a common year only ever carries a change that fell on 1 March.
            if (change.month == 2 && change.day == 29 && !QDate::isLeapYear(year))
                QVERIFY2(&change == &r.changes.back() || (&change + 1)->month >= 3, where);
            sign = change.sign;
            last = date;
        }
        if (const std::optional<SourcedRow> next = row(year + 1)) {
            const ZodiacSign start = next->row.january1;
            QVERIFY2(start == sign || stepBetween(sign, start) != 0, where);
        }
    }
}

QTEST_APPLESS_MAIN(tst_SkySigns)
#include "tst_skysigns.moc"
