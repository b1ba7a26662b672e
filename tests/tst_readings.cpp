#include "readings/Readings.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace kesto;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QJsonObject expectedReading(const QString &file)
{
    QFile json(QStringLiteral(KESTO_CLI_EXPECTED_DIR "/") + file);
    if (!json.open(QIODevice::ReadOnly))
        qWarning("cannot read %s", qPrintable(json.fileName()));
    return QJsonDocument::fromJson(json.readAll()).object();
}

} // namespace

// The core's one entry to the readings gives what kesto-reading has always printed: the expected
// outputs of the command line, read here through the core alone.
class tst_Readings : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheCommandLine_data();
    void matchesTheCommandLine();
    void listTextsAndNumbersAgree_data();
    void listTextsAndNumbersAgree();
    void anyYearKeepsTheTables();
};

void tst_Readings::matchesTheCommandLine_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("file");
    QTest::newRow("love 31 February")
        << int(Reading::LoveAstrology) << 1990 << 2 << 31 << "love-1990-02-31.json";
    QTest::newRow("romance 21 March")
        << int(Reading::RomanceAstrology) << 1985 << 3 << 21 << "romance-1985-03-21.json";
    QTest::newRow("sexual 1 January 1940")
        << int(Reading::SexualAstrology) << 1940 << 1 << 1 << "sexual-1940-01-01.json";
    QTest::newRow("sexual 2000, computed")
        << int(Reading::SexualAstrology) << 2000 << 1 << 1 << "sexual-2000-01-01.json";
}

void tst_Readings::matchesTheCommandLine()
{
    QFETCH(int, reading);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, file);
    const Reading kind = Reading(reading);
    const QJsonObject expected = expectedReading(file);
    QVERIFY(!expected.isEmpty());

    const std::optional<SourcedSign> found = findReadingSignAnyYear(kind, {year, month, day});
    QVERIFY(found);
    QCOMPARE(qs(displayName(found->sign)), expected["sign"].toString());
    if (!isSunSignReading(kind)) {
        QCOMPARE(found->source == SignSource::Ephemeris ? "ephemeris" : "table",
                 expected["source"].toString());
        QCOMPARE(qs(signDescription(kind, found->sign)), expected["description"].toString());
        return;
    }
    const SunSignCard card = sunSignCard(kind, found->sign);
    QCOMPARE(qs(card.attributes.element), expected["element"].toString());
    QCOMPARE(qs(card.attributes.birthstone), expected["birthstone"].toString());
    QCOMPARE(qs(card.attributes.luckyNumber), expected["luckyNumber"].toString());
    QCOMPARE(qs(card.attributes.luckyDay), expected["luckyDay"].toString());
    QCOMPARE(qs(card.attributes.compatibility), expected["compatibility"].toString());
    QCOMPARE(qs(card.traits.positive), expected["positiveTraits"].toString());
    QCOMPARE(qs(card.traits.negative), expected["negativeTraits"].toString());
    QCOMPARE(qs(card.profile), expected["profile"].toString());
    QCOMPARE(qs(card.picture), expected["picture"].toString());
}

void tst_Readings::listTextsAndNumbersAgree_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::newRow("love") << int(Reading::LoveAstrology) << 2000 << 2000;
    QTest::newRow("zodiac love sign") << int(Reading::ZodiacLoveSign) << 1930 << 2012;
    QTest::newRow("sexual astrology") << int(Reading::SexualAstrology) << 1940 << 1990;
}

// The windows ask with the lists' texts, the command line with numbers: every day number of
// every month of the tables' years gives one answer both ways.
void tst_Readings::listTextsAndNumbersAgree()
{
    QFETCH(int, reading);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    const Reading kind = Reading(reading);
    static constexpr std::array<std::string_view, 12> Months = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    int differences = 0;
    for (int year = firstYear; year <= lastYear; ++year) {
        const std::string yearText = std::to_string(year);
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const std::optional<ZodiacSign> byNumbers =
                    findReadingSign(kind, {year, month, day});
                const std::optional<ZodiacSign> byTexts = findReadingSign(
                    kind, yearText, Months[std::size_t(month - 1)], std::to_string(day));
                if (!byNumbers || byNumbers != byTexts)
                    ++differences;
            }
        }
    }
    QCOMPARE(differences, 0);
    // Outside the lists' years the tables give nothing.
    QVERIFY(!findReadingSign(kind, std::to_string(lastYear + 1), "June", "1")
            || isSunSignReading(kind));
    QVERIFY(!findReadingSign(kind, {firstYear - 1, 6, 1}) || isSunSignReading(kind));
}

// Within the tables' years the any-year entry answers from the tables, cell for cell.
void tst_Readings::anyYearKeepsTheTables()
{
    for (Reading kind : {Reading::ZodiacLoveSign, Reading::SexualAstrology}) {
        const int first = kind == Reading::ZodiacLoveSign ? 1930 : 1940;
        const int last = kind == Reading::ZodiacLoveSign ? 2012 : 1990;
        for (int year : {first, (first + last) / 2, last}) {
            for (int month = 1; month <= 12; ++month) {
                const std::optional<SourcedSign> any =
                    findReadingSignAnyYear(kind, {year, month, 15});
                QVERIFY(any && any->source == SignSource::Table);
                QCOMPARE(any->sign, *findReadingSign(kind, {year, month, 15}));
            }
        }
        const std::optional<SourcedSign> before = findReadingSignAnyYear(kind, {first - 1, 6, 1});
        QVERIFY(before && before->source == SignSource::Ephemeris);
    }
}

QTEST_APPLESS_MAIN(tst_Readings)
#include "tst_readings.moc"
