#include "readings/core/ReadingDocument.h"
#include "readings/core/Readings.h"
#include "zodiac/DateText.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace kesto;

// The core's one entry to the readings: the windows ask with the lists' texts, the command line
// with numbers, and beyond the tables' years with the any-year entry.
class tst_Readings : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheCommandLine_data();
    void matchesTheCommandLine();
    void entriesAgree_data();
    void entriesAgree();
};

void tst_Readings::matchesTheCommandLine_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QList<int>>("date"); // year, month, day
    QTest::addColumn<QString>("file");
    QTest::newRow("love 31 February")
        << int(Reading::LoveAstrology) << QList {1990, 2, 31} << "love-1990-02-31.json";
    QTest::newRow("romance") << int(Reading::RomanceAstrology) << QList {1985, 3, 21}
                             << "romance-1985-03-21.json";
    QTest::newRow("sexual, table")
        << int(Reading::SexualAstrology) << QList {1940, 1, 1} << "sexual-1940-01-01.json";
    QTest::newRow("sexual, computed")
        << int(Reading::SexualAstrology) << QList {2000, 1, 1} << "sexual-2000-01-01.json";
}

// What kesto-reading has always printed (its expected outputs), read through the core alone.
void tst_Readings::matchesTheCommandLine()
{
    QFETCH(int, reading);
    QFETCH(QList<int>, date);
    QFETCH(QString, file);
    QFile json(QStringLiteral(KESTO_CLI_EXPECTED_DIR "/") + file);
    QVERIFY(json.open(QIODevice::ReadOnly));
    const QJsonObject expected = QJsonDocument::fromJson(json.readAll()).object();
    const auto qs = [](std::string_view text) { return QString::fromUtf8(text); };

    const Reading kind = Reading(reading);
    const BirthDate birth {date[0], date[1], date[2]};
    const std::optional<SourcedSign> found = findReadingSignAnyYear(kind, birth);
    QVERIFY(found);
    const ReadingDocument document = readingDocument(kind, found->sign, {}, birth);
    // Every key the command line printed, and nothing it did not, with the same value.
    QVariantMap made = {{"reading", expected["reading"].toString()}};
    for (const ReadingValue &value : document.values)
        made[qs(value.key)] = qs(value.value);
    for (const ReadingText &text : document.texts)
        made[qs(text.key)] = qs(text.joined());
    if (!document.picture.empty())
        made["picture"] = qs(document.picture);
    if (const std::string note = document.dayNote(); !note.empty())
        made["dayNote"] = qs(note);
    if (!isSunSignReading(kind))
        made["source"] = found->source == SignSource::Ephemeris ? "ephemeris" : "table";
    QCOMPARE(made, expected.toVariantMap());
}

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
    // Beyond the tables' years every entry reads the computed sign.
    for (const int year : {firstYear - 1, lastYear + 1}) {
        const auto computed = findReadingSignAnyYear(kind, {year, 6, 1});
        QVERIFY(computed && computed->source == SignSource::Ephemeris);
        QCOMPARE(findReadingSign(kind, std::to_string(year), "June", "1"), computed->sign);
        QCOMPARE(findReadingSign(kind, {year, 6, 1}), computed->sign);
    }
}

QTEST_APPLESS_MAIN(tst_Readings)
#include "tst_readings.moc"
