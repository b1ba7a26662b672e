#include "readings/eros/SexualAstrology.h"

#include <QTest>

#include <climits>
#include <string>

using namespace kesto;

namespace {

QString qs(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString nameOf(std::optional<ZodiacSign> sign)
{
    return sign ? qs(displayName(*sign)) : QString();
}

QString lookUp(const QString &year, const QString &month, const QString &day)
{
    return nameOf(FindErosSign(year.toStdString(), month.toStdString(), day.toStdString()));
}

} // namespace

class TestEros : public QObject
{
    Q_OBJECT

private slots:
    void knownDates_data();
    void knownDates();
    void refusedInput_data();
    void refusedInput();
    void dayIndexYears_data();
    void dayIndexYears();
    void tableInvariants();
};

void TestEros::knownDates_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("sign");

    // clang-format off
    QTest::newRow("first day")               << "1940" << "January"   << "1"  << "Scorpio";
    QTest::newRow("last day")                << "1990" << "December"  << "31" << "Libra";
    QTest::newRow("1940 Mar 25")             << "1940" << "March"     << "25" << "Capricorn";
    QTest::newRow("1940 Mar 26, back")       << "1940" << "March"     << "26" << "Sagittarius";
    QTest::newRow("1940 Apr 1, forward")     << "1940" << "April"     << "1"  << "Capricorn";
    QTest::newRow("1951 Nov 12")             << "1951" << "November"  << "12" << "Aries";
    QTest::newRow("1951 Nov 13")             << "1951" << "November"  << "13" << "Pisces";
    QTest::newRow("1951 Nov 20")             << "1951" << "November"  << "20" << "Pisces";
    QTest::newRow("1951 Nov 21")             << "1951" << "November"  << "21" << "Aries";
    QTest::newRow("1979 Dec 31")             << "1979" << "December"  << "31" << "Pisces";
    QTest::newRow("1980 Jan 1, no join")     << "1980" << "January"   << "1"  << "Aquarius";
    QTest::newRow("1980 Jan 22")             << "1980" << "January"   << "22" << "Aquarius";
    QTest::newRow("1980 Jan 23")             << "1980" << "January"   << "23" << "Aries";
    QTest::newRow("1943 Sep 30")             << "1943" << "September" << "30" << "Libra";
    QTest::newRow("1943 Sep 31 (no such)")   << "1943" << "September" << "31" << "Scorpio";
    QTest::newRow("1943 Oct 1")              << "1943" << "October"   << "1"  << "Scorpio";
    QTest::newRow("1952 Feb 29, leap day")   << "1952" << "February"  << "29" << "Taurus";
    QTest::newRow("1952 Feb 30 (no such)")   << "1952" << "February"  << "30" << "Gemini";
    QTest::newRow("1941 Feb 29, not leap")   << "1941" << "February"  << "29" << "Pisces";
    QTest::newRow("1941 Jul 31")             << "1941" << "July"      << "31" << "Cancer";
    QTest::newRow("1941 Aug 1")              << "1941" << "August"    << "1"  << "Leo";
    QTest::newRow("1969 Jul 31")             << "1969" << "July"      << "31" << "Gemini";
    QTest::newRow("1969 Aug 1")              << "1969" << "August"    << "1"  << "Cancer";
    // The list never offers these: below 1 counts as day 1, beyond 31 as the last run.
    QTest::newRow("day 0 as day 1")          << "1940" << "March"     << "0"  << "Capricorn";
    QTest::newRow("day 32")                  << "1980" << "January"   << "32" << "Aries";
    // clang-format on
}

void TestEros::knownDates()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, sign);
    QCOMPARE(lookUp(year, month, day), sign);
}

void TestEros::refusedInput_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");

    // clang-format off
    QTest::newRow("year 1939")               << "1939"        << "December" << "31";
    QTest::newRow("year 1991")               << "1991"        << "January"  << "1";
    QTest::newRow("year not a number")       << "abc"         << "January"  << "1";
    QTest::newRow("year with trailing text") << "1940abc"     << "January"  << "1";
    QTest::newRow("year too large for int")  << "99999999999" << "January"  << "1";
    // The ends of int: the year is checked before any arithmetic is done with it.
    QTest::newRow("lowest int year")         << "-2147483648" << "January"  << "1";
    QTest::newRow("below the lowest int")    << "-2147483649" << "January"  << "1";
    QTest::newRow("highest int year")        << "2147483647"  << "December" << "31";
    QTest::newRow("month in lower case")     << "1940"        << "january"  << "1";
    QTest::newRow("month as a number")       << "1940"        << "1"        << "1";
    QTest::newRow("day with a fraction")     << "1940"        << "January"  << "1.5";
    QTest::newRow("day with two signs")      << "1940"        << "March"    << "+-1";
    // clang-format on
}

void TestEros::refusedInput()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QCOMPARE(lookUp(year, month, day), QString());
}

// The day-by-day index behind the lookup answers its own years only, whatever int it is given.
void TestEros::dayIndexYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("sign"); // empty: no answer

    QTest::newRow("lowest int") << INT_MIN << "";
    QTest::newRow("year before") << 1939 << "";
    QTest::newRow("first year") << 1940 << "Scorpio";
    QTest::newRow("last year") << 1990 << "Capricorn";
    QTest::newRow("year after") << 1991 << "";
    QTest::newRow("highest int") << INT_MAX << "";
}

void TestEros::dayIndexYears()
{
    QFETCH(int, year);
    QFETCH(QString, sign);
    const SignDayIndex days(erosTable());
    QCOMPARE(nameOf(days.sign(year, 1, 1)), sign);
}

// One row a year; changes in date order on day numbers 1 to 31, each a real change, one sign
// forward or back but for the chart's two jumps. Counts taken from the chart itself.
void TestEros::tableInvariants()
{
    const auto table = erosTable();
    QCOMPARE(table.size(), std::size_t(51));
    int changeCount = 0;
    QStringList jumps;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const SignChangeRow &row = table[i];
        QCOMPARE(row.year, 1940 + int(i));
        int lastMonth = 1;
        int lastDay = 1; // a change on 1 January would duplicate the row's first sign
        ZodiacSign before = row.january1;
        for (const SignChange &change : row.changes) {
            const QString at =
                QStringLiteral("%1-%2-%3").arg(row.year).arg(change.month).arg(change.day);
            QVERIFY2(change.month >= 1 && change.month <= 12, qPrintable(at));
            QVERIFY2(change.day >= 1 && change.day <= 31, qPrintable(at));
            QVERIFY2(change.month > lastMonth
                         || (change.month == lastMonth && change.day > lastDay),
                     qPrintable(at));
            QVERIFY2(change.sign != before, qPrintable(at));
            if (change.sign != nextSign(before) && change.sign != previousSign(before))
                jumps << at + ' ' + nameOf(before) + '>' + nameOf(change.sign);
            lastMonth = change.month;
            lastDay = change.day;
            before = change.sign;
            ++changeCount;
        }
    }
    QCOMPARE(changeCount, 371);
    QCOMPARE(jumps, QStringList({"1948-11-17 Virgo>Scorpio", "1980-1-23 Aquarius>Aries"}));
}

QTEST_APPLESS_MAIN(TestEros)
#include "tst_eros.moc"
