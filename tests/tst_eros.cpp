#include "readings/eros/core/SexualAstrology.h"

#include <QTest>

#include <climits>
#include <string>

using namespace kesto;

namespace {

QString nameOf(std::optional<ZodiacSign> sign)
{
    return sign ? QString::fromLatin1(displayName(*sign)) : QString();
}

} // namespace

class tst_Eros : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void dayIndexYears();
    void tableInvariants();
};

void tst_Eros::lookup_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("sign"); // empty: no answer

    // clang-format off
    QTest::newRow("1940 Mar 25")             << "1940" << "March"     << "25" << "Capricorn";
    QTest::newRow("1940 Mar 26, back")       << "1940" << "March"     << "26" << "Sagittarius";
    QTest::newRow("1940 Apr 1, forward")     << "1940" << "April"     << "1"  << "Capricorn";
    QTest::newRow("1951 Nov 12")             << "1951" << "November"  << "12" << "Aries";
    QTest::newRow("1951 Nov 13")             << "1951" << "November"  << "13" << "Pisces";
    QTest::newRow("1951 Nov 21")             << "1951" << "November"  << "21" << "Aries";
    QTest::newRow("1979 Dec 31")             << "1979" << "December"  << "31" << "Pisces";
    QTest::newRow("1980 Jan 1, no join")     << "1980" << "January"   << "1"  << "Aquarius";
    QTest::newRow("1980 Jan 23")             << "1980" << "January"   << "23" << "Aries";
    QTest::newRow("1943 Sep 31 (no such)")   << "1943" << "September" << "31" << "Scorpio";
    QTest::newRow("1943 Oct 1")              << "1943" << "October"   << "1"  << "Scorpio";
    QTest::newRow("1952 Feb 29, leap day")   << "1952" << "February"  << "29" << "Taurus";
    QTest::newRow("1952 Feb 30 (no such)")   << "1952" << "February"  << "30" << "Gemini";
    QTest::newRow("1941 Jul 31")             << "1941" << "July"      << "31" << "Cancer";
    QTest::newRow("1941 Aug 1")              << "1941" << "August"    << "1"  << "Leo";
    QTest::newRow("1969 Jul 31")             << "1969" << "July"      << "31" << "Gemini";
    QTest::newRow("1969 Aug 1")              << "1969" << "August"    << "1"  << "Cancer";
    // The list never offers these: below 1 counts as day 1, beyond 31 as the last run.
    QTest::newRow("day 0 as day 1")          << "1940" << "March"     << "0"  << "Capricorn";
    QTest::newRow("day 32")                  << "1980" << "January"   << "32" << "Aries";
    // Refused: the year is checked before any arithmetic is done with it.
    QTest::newRow("year 1939")               << "1939"        << "December" << "31" << "";
    QTest::newRow("year 1991")               << "1991"        << "January"  << "1" << "";
    QTest::newRow("year not a number")       << "abc"         << "January"  << "1" << "";
    QTest::newRow("year with trailing text") << "1940abc"     << "January"  << "1" << "";
    QTest::newRow("year too large for int")  << "99999999999" << "January"  << "1" << "";
    QTest::newRow("lowest int year")         << "-2147483648" << "January"  << "1" << "";
    QTest::newRow("below the lowest int")    << "-2147483649" << "January"  << "1" << "";
    QTest::newRow("highest int year")        << "2147483647"  << "December" << "31" << "";
    QTest::newRow("month in lower case")     << "1940"        << "january"  << "1" << "";
    QTest::newRow("month as a number")       << "1940"        << "1"        << "1" << "";
    QTest::newRow("day with a fraction")     << "1940"        << "January"  << "1.5" << "";
    QTest::newRow("day with two signs")      << "1940"        << "March"    << "+-1" << "";
    // clang-format on
}

void tst_Eros::lookup()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, sign);
    QCOMPARE(nameOf(FindErosSign(year.toStdString(), month.toStdString(), day.toStdString())),
             sign);
}

// The day-by-day index behind the lookup answers 1900 to 2100 whatever int it is given, from
// the table within its years and from the computed signs around them; the lookup itself asks it
// for the table's years only.
void tst_Eros::dayIndexYears()
{
    const SignYears &days = erosYears();
    for (int year : {INT_MIN, 1899, 2101, INT_MAX})
        QVERIFY2(!days.sign(year, 1, 1), qPrintable(QString::number(year)));
    for (int year : {1940, 1990})
        QCOMPARE(int(days.sign(year, 6, 1)->source), int(SignSource::Table));
    for (int year : {1900, 1939, 1991, 2100})
        QCOMPARE(int(days.sign(year, 6, 1)->source), int(SignSource::Ephemeris));
    QCOMPARE(nameOf(days.sign(1990, 1, 1)->sign), QStringLiteral("Capricorn"));
    QVERIFY(!FindErosSign("1939", "December", "31") && !FindErosSign("1991", "January", "1"));
}

// One row a year; changes in date order on day numbers 1 to 31, each one sign forward or back
// but for the chart's two jumps. Counts taken from the chart itself.
void tst_Eros::tableInvariants()
{
    const auto table = erosTable();
    QCOMPARE(table.size(), std::size_t(51));
    int changeCount = 0;
    QStringList jumps;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const SignChangeRow &row = table[i];
        QCOMPARE(row.year, 1940 + int(i));
        int last = 32 + 1; // month * 32 + day; a change on 1 January would repeat the first sign
        ZodiacSign before = row.january1;
        for (const SignChange &change : row.changes) {
            const QString at =
                QStringLiteral("%1-%2-%3").arg(row.year).arg(change.month).arg(change.day);
            const int date = change.month * 32 + change.day;
            QVERIFY2(date > last && change.month <= 12 && change.day >= 1 && change.day <= 31,
                     qPrintable(at));
            QVERIFY2(change.sign != before, qPrintable(at));
            if (change.sign != nextSign(before) && change.sign != previousSign(before))
                jumps << at + ' ' + nameOf(before) + '>' + nameOf(change.sign);
            last = date;
            before = change.sign;
            ++changeCount;
        }
    }
    QCOMPARE(changeCount, 371);
    QCOMPARE(jumps, QStringList({"1948-11-17 Virgo>Scorpio", "1980-1-23 Aquarius>Aries"}));
}

QTEST_APPLESS_MAIN(tst_Eros)
#include "tst_eros.moc"
