#include "readings/Readings.h"
#include "zodiac/DateText.h"

#include <QtTest>

using namespace kesto;

// The core's one entry to the readings: the windows ask with the lists' texts, the command line
// with numbers, and beyond the tables' years with the any-year entry.
class tst_Readings : public QObject
{
    Q_OBJECT

private slots:
    void entriesAgree_data();
    void entriesAgree();
};

void tst_Readings::entriesAgree_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::newRow("love") << int(Reading::LoveAstrology) << 2000 << 2000;
    QTest::newRow("zodiac love sign") << int(Reading::ZodiacLoveSign) << 1930 << 2012;
    QTest::newRow("sexual astrology") << int(Reading::SexualAstrology) << 1940 << 1990;
}

// Every day number of every month of the tables' years gives one answer all three ways, the
// any-year one from the table.
void tst_Readings::entriesAgree()
{
    QFETCH(int, reading);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    const Reading kind = Reading(reading);
    int differences = 0;
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const auto byNumbers = findReadingSign(kind, {year, month, day});
                const auto byTexts = findReadingSign(kind, std::to_string(year), monthName(month),
                                                     std::to_string(day));
                const auto anyYear = findReadingSignAnyYear(kind, {year, month, day});
                if (!byNumbers || byNumbers != byTexts || !anyYear || anyYear->sign != *byNumbers
                    || anyYear->source != SignSource::Table)
                    ++differences;
            }
        }
    }
    QCOMPARE(differences, 0);
    if (isSunSignReading(kind))
        return;
    // Outside the lists' years the tables give nothing; the any-year entry computes the sign.
    QVERIFY(!findReadingSign(kind, std::to_string(lastYear + 1), "June", "1"));
    QVERIFY(!findReadingSign(kind, {firstYear - 1, 6, 1}));
    const auto before = findReadingSignAnyYear(kind, {firstYear - 1, 6, 1});
    QVERIFY(before && before->source == SignSource::Ephemeris);
}

QTEST_APPLESS_MAIN(tst_Readings)
#include "tst_readings.moc"
