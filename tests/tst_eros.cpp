#include "readings/eros/SexualAstrology.h"
#include "zodiac/ZodiacSign.h"

#include <QtTest>

#include <string>
#include <vector>

using namespace kesto;

namespace {

QString nameOf(std::optional<ZodiacSign> sign)
{
    if (!sign)
        return QString();
    const std::string_view name = displayName(*sign);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QString lookUp(const QString &year, const QString &month, const QString &day)
{
    const std::string y = year.toStdString();
    const std::string m = month.toStdString();
    const std::string d = day.toStdString();
    return nameOf(FindErosSign(y, m, d));
}

QString monthText(int month)
{
    static const char *const names[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
    return QString::fromLatin1(names[month - 1]);
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
    void dayNumbersOutsideTheList_data();
    void dayNumbersOutsideTheList();
    void rowsCoverEveryYearInOrder();
    void changesAreOrderedRealChanges();
    void changesStepOneSignExceptTwo();
    void runsPerMonthCell();
};

void TestEros::knownDates_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("sign");

    // clang-format off
    QTest::newRow("first day of the table")  << "1940" << "January"   << "1"  << "Scorpio";
    QTest::newRow("last day of the table")   << "1990" << "December"  << "31" << "Libra";
    QTest::newRow("1940 Mar 25")             << "1940" << "March"     << "25" << "Capricorn";
    QTest::newRow("1940 Mar 26, back")       << "1940" << "March"     << "26" << "Sagittarius";
    QTest::newRow("1940 Apr 1, forward")     << "1940" << "April"     << "1"  << "Capricorn";
    QTest::newRow("1945 Jan 1")              << "1945" << "January"   << "1"  << "Aries";
    QTest::newRow("1945 Jan 2")              << "1945" << "January"   << "2"  << "Taurus";
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
    QTest::newRow("1990 Sep 30")             << "1990" << "September" << "30" << "Cancer";
    QTest::newRow("1990 Sep 31 (no such)")   << "1990" << "September" << "31" << "Leo";
    QTest::newRow("1990 Oct 1")              << "1990" << "October"   << "1"  << "Leo";
    QTest::newRow("1952 Feb 29, leap day")   << "1952" << "February"  << "29" << "Taurus";
    QTest::newRow("1952 Feb 30 (no such)")   << "1952" << "February"  << "30" << "Gemini";
    QTest::newRow("1952 Mar 1")              << "1952" << "March"     << "1"  << "Gemini";
    QTest::newRow("1941 Feb 29, not leap")   << "1941" << "February"  << "29" << "Pisces";
    QTest::newRow("1941 Jul 31")             << "1941" << "July"      << "31" << "Cancer";
    QTest::newRow("1941 Aug 1")              << "1941" << "August"    << "1"  << "Leo";
    QTest::newRow("1969 Jul 31")             << "1969" << "July"      << "31" << "Gemini";
    QTest::newRow("1969 Aug 1")              << "1969" << "August"    << "1"  << "Cancer";
    QTest::newRow("1944 Nov 6")              << "1944" << "November"  << "6"  << "Taurus";
    QTest::newRow("1944 Nov 7, back")        << "1944" << "November"  << "7"  << "Aries";
    QTest::newRow("1948 Nov 16")             << "1948" << "November"  << "16" << "Virgo";
    QTest::newRow("1948 Nov 17, skips one")  << "1948" << "November"  << "17" << "Scorpio";
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
    QTest::newRow("year before the table")   << "1939"        << "December" << "31";
    QTest::newRow("year after the table")    << "1991"        << "January"  << "1";
    QTest::newRow("year zero")               << "0"           << "January"  << "1";
    QTest::newRow("negative year")           << "-1940"       << "January"  << "1";
    QTest::newRow("year too large for int")  << "99999999999" << "January"  << "1";
    QTest::newRow("empty year")              << ""            << "January"  << "1";
    QTest::newRow("year not a number")       << "abc"         << "January"  << "1";
    QTest::newRow("year with trailing text") << "1940abc"     << "January"  << "1";
    QTest::newRow("month in lower case")     << "1940"        << "january"  << "1";
    QTest::newRow("month abbreviated")       << "1940"        << "Jan"      << "1";
    QTest::newRow("month as a number")       << "1940"        << "1"        << "1";
    QTest::newRow("empty month")             << "1940"        << ""         << "1";
    QTest::newRow("month with a blank")      << "1940"        << "January " << "1";
    QTest::newRow("day not a number")        << "1940"        << "January"  << "x";
    QTest::newRow("empty day")               << "1940"        << "January"  << "";
    QTest::newRow("day too large for int")   << "1940"        << "January"  << "99999999999";
    QTest::newRow("day with a fraction")     << "1940"        << "January"  << "1.5";
    // clang-format on
}

void TestEros::refusedInput()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QCOMPARE(lookUp(year, month, day), QString());
}

// The window's list never offers these, but the lookup still answers without failing: below 1
// counts as day 1, beyond 31 as the month's last run.
void TestEros::dayNumbersOutsideTheList_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("sign");

    // clang-format off
    QTest::newRow("zero")              << "0"           << "Aquarius";
    QTest::newRow("negative")          << "-5"          << "Aquarius";
    QTest::newRow("most negative int") << "-2147483648" << "Aquarius";
    QTest::newRow("thirty-two")        << "32"          << "Aries";
    QTest::newRow("largest int")       << "2147483647"  << "Aries";
    // clang-format on
}

void TestEros::dayNumbersOutsideTheList()
{
    QFETCH(QString, day);
    QFETCH(QString, sign);
    QCOMPARE(lookUp("1980", "January", day), sign);
}

void TestEros::rowsCoverEveryYearInOrder()
{
    const auto table = erosTable();
    QCOMPARE(table.size(), std::size_t(51));
    for (std::size_t i = 0; i < table.size(); ++i)
        QCOMPARE(table[i].year, 1940 + int(i));
}

void TestEros::changesAreOrderedRealChanges()
{
    int changeCount = 0;
    int changesOnTheFirst = 0;
    for (const SignChangeRow &row : erosTable()) {
        int lastMonth = 1;
        int lastDay = 1; // a change on 1 January would duplicate the row's first sign
        ZodiacSign before = row.january1;
        for (const SignChange &change : row.changes) {
            const QByteArray where = QByteArray::number(row.year) + ' '
                + QByteArray::number(change.month) + ' ' + QByteArray::number(change.day);
            QVERIFY2(change.month >= 1 && change.month <= 12, where.constData());
            QVERIFY2(change.day >= 1 && change.day <= 31, where.constData());
            QVERIFY2(change.month > lastMonth
                         || (change.month == lastMonth && change.day > lastDay),
                     where.constData());
            QVERIFY2(change.sign != before, where.constData());
            lastMonth = change.month;
            lastDay = change.day;
            before = change.sign;
            ++changeCount;
            if (change.day == 1)
                ++changesOnTheFirst;
        }
    }
    // Counted separately over the charted rows.
    QCOMPARE(changeCount, 371);
    QCOMPARE(changesOnTheFirst, 13);
}

// Eros mostly moves one sign at a time, forward or back; the chart has exactly two jumps.
void TestEros::changesStepOneSignExceptTwo()
{
    QStringList jumps;
    for (const SignChangeRow &row : erosTable()) {
        ZodiacSign before = row.january1;
        for (const SignChange &change : row.changes) {
            if (change.sign != nextSign(before) && change.sign != previousSign(before)) {
                jumps << QStringLiteral("%1-%2-%3 %4>%5")
                             .arg(row.year)
                             .arg(change.month)
                             .arg(change.day)
                             .arg(nameOf(before), nameOf(change.sign));
            }
            before = change.sign;
        }
    }
    QCOMPARE(jumps, QStringList({"1948-11-17 Virgo>Scorpio", "1980-1-23 Aquarius>Aries"}));
}

// Walks every cell through the public lookup, day numbers 1 to 31, and counts its runs.
void TestEros::runsPerMonthCell()
{
    int cellsByRuns[4] = {};
    QStringList threeRunCells;
    for (int year = 1940; year <= 1990; ++year) {
        for (int month = 1; month <= 12; ++month) {
            int runs = 0;
            QString previous;
            for (int day = 1; day <= 31; ++day) {
                const QString sign =
                    lookUp(QString::number(year), monthText(month), QString::number(day));
                QVERIFY(!sign.isEmpty());
                if (sign != previous)
                    ++runs;
                previous = sign;
            }
            QVERIFY(runs >= 1 && runs <= 3);
            ++cellsByRuns[runs];
            if (runs == 3)
                threeRunCells << QStringLiteral("%1-%2").arg(year).arg(month);
        }
    }
    // Counted independently from the charted rows: 357 cells hold a change after their first day.
    QCOMPARE(cellsByRuns[1], 255);
    QCOMPARE(cellsByRuns[2], 356);
    QCOMPARE(cellsByRuns[3], 1);
    QCOMPARE(threeRunCells, QStringList({"1951-11"}));
}

QTEST_APPLESS_MAIN(TestEros)
#include "tst_eros.moc"
