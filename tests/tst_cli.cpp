#include "assets/texts/ReadingTexts.h"
#include "cli/CliText.h"
#include "cli/ReadingCommand.h"
#include "readings/eros/SexualAstrology.h"
#include "readings/love/LoveProfile.h"
#include "readings/lovesign/ZodiacLoveSign.h"
#include "zodiac/DateText.h"
#include "zodiac/SignAttributes.h"
#include "zodiac/SunSign.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <sstream>
#include <string>
#include <vector>

using namespace kesto;

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run run(const QStringList &args)
{
    std::vector<std::string> words;
    for (const QString &arg : args)
        words.push_back(arg.toStdString());
    const std::vector<std::string_view> views(words.begin(), words.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runReadingCommand(views, out, err);
    return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QJsonObject runJson(const QStringList &args)
{
    const Run result = run(args);
    if (result.status != ExitSuccess || !result.err.isEmpty())
        qWarning() << args << result.status << result.err;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(result.out.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << args << error.errorString();
    return doc.object();
}

// The sign of the reading's own lookup for the texts the input window's lists would give.
std::optional<ZodiacSign> tableSign(const QString &table, int year, int month, int day)
{
    const std::string y = std::to_string(year);
    const std::string d = std::to_string(day);
    const std::string_view m = monthName(month);
    if (table == "eros")
        return FindErosSign(y, m, d);
    std::optional<ZodiacSign> sign;
    int answers = 0;
    for (auto find : {FindLoveSign1930To1959, FindLoveSign1960To1989, FindLoveSign1990To2012}) {
        if (const auto answer = find(y, m, d)) {
            sign = answer;
            ++answers;
        }
    }
    return answers == 1 ? sign : std::nullopt;
}

// A wrapped section read back as the paragraphs it was made of.
QStringList unwrappedParagraphs(const QString &section)
{
    QStringList paragraphs;
    for (const QString &paragraph : section.trimmed().split(QStringLiteral("\n\n")))
        paragraphs << QString(paragraph).replace('\n', ' ');
    return paragraphs;
}

QStringList storedParagraphs(std::string_view text)
{
    QStringList paragraphs;
    for (const QString &paragraph : qs(text).split(QStringLiteral("\r\n\r\n")))
        paragraphs << paragraph.simplified();
    return paragraphs;
}

// The body under a heading of the text output, up to the next heading or the end.
QString section(const QString &text, const QString &heading)
{
    const QString marker = heading + '\n' + QString(heading.size(), '-') + '\n';
    const qsizetype start = text.indexOf(marker);
    if (start < 0)
        return QString();
    const qsizetype bodyStart = start + marker.size();
    const qsizetype next =
        text.indexOf(QRegularExpression(QStringLiteral("\n\n[A-Z][a-z ]+\n-+\n")), bodyStart);
    return text.mid(bodyStart, next < 0 ? -1 : next - bodyStart);
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void refusedInput_data();
    void refusedInput();
    void windowDateRefusals_data();
    void windowDateRefusals();
    void sunSignReadings_data();
    void sunSignReadings();
    void tableReadings_data();
    void tableReadings();
    void textReadings_data();
    void textReadings();
    void tables_data();
    void tables();
    void help_data();
    void help();
    void wrapText_data();
    void wrapText();
    void jsonString_data();
    void jsonString();
    void jsonStringRoundTrip();
};

void TestCli::refusedInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("mentions"); // what the message must name

    const QString love = "1900 to 2050";
    // clang-format off
    QTest::newRow("month 13")        << QStringList{"love", "1990", "13", "1"}       << QStringList{"\"13\"", "1 to 12", "month name"};
    QTest::newRow("month Smarch")    << QStringList{"love", "1990", "Smarch", "1"}   << QStringList{"\"Smarch\"", "1 to 12"};
    QTest::newRow("month 0")         << QStringList{"romance", "1990", "0", "1"}     << QStringList{"\"0\"", "1 to 12"};
    QTest::newRow("day 0")           << QStringList{"love", "1990", "1", "0"}        << QStringList{"\"0\"", "1 to 31"};
    QTest::newRow("day 32")          << QStringList{"lovesign", "1990", "1", "32"}   << QStringList{"\"32\"", "1 to 31"};
    QTest::newRow("day not number")  << QStringList{"sexual", "1960", "1", "1st"}    << QStringList{"\"1st\"", "1 to 31"};
    QTest::newRow("love 1899")       << QStringList{"love", "1899", "1", "1"}        << QStringList{"\"1899\"", love};
    QTest::newRow("love 2051")       << QStringList{"love", "2051", "1", "1"}        << QStringList{"\"2051\"", love};
    QTest::newRow("romance 1899")    << QStringList{"romance", "1899", "12", "31"}   << QStringList{"\"1899\"", love};
    QTest::newRow("lovesign 1929")   << QStringList{"lovesign", "1929", "12", "31"}  << QStringList{"\"1929\"", "1930 to 2012"};
    QTest::newRow("lovesign 2013")   << QStringList{"lovesign", "2013", "1", "1"}    << QStringList{"\"2013\"", "1930 to 2012"};
    QTest::newRow("sexual 1939")     << QStringList{"sexual", "1939", "12", "31"}    << QStringList{"\"1939\"", "1940 to 1990"};
    QTest::newRow("sexual 1991")     << QStringList{"sexual", "1991", "1", "1"}      << QStringList{"\"1991\"", "1940 to 1990"};
    QTest::newRow("year not number") << QStringList{"love", "nineteen", "1", "1"}    << QStringList{"\"nineteen\"", love};
    QTest::newRow("year fraction")   << QStringList{"love", "1990.5", "1", "1"}      << QStringList{"\"1990.5\"", love};
    QTest::newRow("negative year")   << QStringList{"love", "-1990", "1", "1"}       << QStringList{"\"-1990\"", love};
    QTest::newRow("missing day")     << QStringList{"love", "1990", "1"}             << QStringList{"love", "YEAR MONTH DAY"};
    QTest::newRow("missing date")    << QStringList{"sexual"}                        << QStringList{"sexual", "YEAR MONTH DAY"};
    QTest::newRow("extra argument")  << QStringList{"love", "1990", "1", "1", "x"}   << QStringList{"\"x\""};
    QTest::newRow("unknown command") << QStringList{"horoscope", "1990", "1", "1"}   << QStringList{"\"horoscope\"", "love", "romance", "lovesign", "sexual", "table"};
    QTest::newRow("command case")    << QStringList{"LOVE", "1990", "1", "1"}        << QStringList{"\"LOVE\""};
    QTest::newRow("unknown option")  << QStringList{"love", "1990", "1", "1", "--xml"} << QStringList{"\"--xml\""};
    QTest::newRow("short option")    << QStringList{"love", "-x", "1990", "1", "1"}  << QStringList{"\"-x\""};
    QTest::newRow("option first")    << QStringList{"--json", "love", "1990", "1", "1"} << QStringList{"--json"};
    QTest::newRow("table no name")   << QStringList{"table"}                         << QStringList{"sun", "venus", "eros"};
    QTest::newRow("unknown table")   << QStringList{"table", "moon"}                 << QStringList{"\"moon\""};
    QTest::newRow("table extra")     << QStringList{"table", "sun", "eros"}          << QStringList{"\"eros\""};
    QTest::newRow("table as json")   << QStringList{"table", "sun", "--json"}        << QStringList{"--json"};
    // clang-format on
}

void TestCli::refusedInput()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, mentions);
    const Run result = run(args);
    QCOMPARE(result.status, ExitUsage);
    QCOMPARE(result.out, QString());
    QVERIFY(result.err.startsWith("kesto-reading: "));
    QVERIFY(result.err.endsWith('\n'));
    QCOMPARE(result.err.count('\n'), 1);
    for (const QString &mention : mentions)
        QVERIFY2(result.err.contains(mention), qPrintable(result.err + " lacks " + mention));
}

void TestCli::windowDateRefusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    const QString loveSignFebruary = "Please Enter Correct Date of Birth!";
    const QString loveSignThirty = "Please Enter Correct Date of Birth !";
    const QString sexualFebruary = "Please Enter Your Correct Date of Birth!";
    const QString sexualThirty = "Please Enter Your Correct Date of Birth !";
    // clang-format off
    QTest::newRow("lovesign 30 Feb") << QStringList{"lovesign", "1990", "February", "30"} << loveSignFebruary;
    QTest::newRow("lovesign 31 Feb") << QStringList{"lovesign", "1930", "2", "31"}        << loveSignFebruary;
    QTest::newRow("lovesign 31 Apr") << QStringList{"lovesign", "2012", "april", "31"}    << loveSignThirty;
    QTest::newRow("lovesign 31 Nov") << QStringList{"lovesign", "1975", "11", "31"}       << loveSignThirty;
    QTest::newRow("sexual 30 Feb")   << QStringList{"sexual", "1960", "2", "30"}          << sexualFebruary;
    QTest::newRow("sexual 31 Feb")   << QStringList{"sexual", "1940", "FEBRUARY", "31"}   << sexualFebruary;
    QTest::newRow("sexual 31 Jun")   << QStringList{"sexual", "1960", "June", "31"}       << sexualThirty;
    QTest::newRow("sexual 31 Sep")   << QStringList{"sexual", "1990", "9", "31", "--json"} << sexualThirty;
    // clang-format on
}

void TestCli::windowDateRefusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run result = run(args);
    QCOMPARE(result.status, ExitUsage);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.err, message + '\n');
}

void TestCli::sunSignReadings_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("sign");

    // clang-format off
    QTest::newRow("31 February")      << QStringList{"love", "1990", "February", "31"} << "Pisces";
    QTest::newRow("31 April")         << QStringList{"romance", "2000", "4", "31"}     << "Taurus";
    QTest::newRow("first list date")  << QStringList{"love", "1900", "1", "1"}         << "Capricorn";
    QTest::newRow("last list date")   << QStringList{"romance", "2050", "12", "31"}    << "Capricorn";
    QTest::newRow("month any case")   << QStringList{"love", "1990", "mArCh", "21"}    << "Aries";
    QTest::newRow("leading zeros")    << QStringList{"love", "1990", "07", "09"}       << "Cancer";
    QTest::newRow("cusp of Capricorn") << QStringList{"love", "1990", "1", "19"}       << "Capricorn";
    QTest::newRow("cusp of Aquarius") << QStringList{"romance", "1990", "1", "20"}     << "Aquarius";
    // clang-format on
}

void TestCli::sunSignReadings()
{
    QFETCH(QStringList, args);
    QFETCH(QString, sign);
    args.insert(2, "--json");
    const QJsonObject reading = runJson(args);
    QStringList keys = {"reading",        "sign",     "element",       "birthstone",
                        "luckyNumber",    "luckyDay", "compatibility", "positiveTraits",
                        "negativeTraits", "profile",  "picture"};
    keys.sort(); // a parsed object lists its keys sorted
    QCOMPARE(reading.keys(), keys);
    QCOMPARE(reading["reading"].toString(), args.first());
    QCOMPARE(reading["sign"].toString(), sign);

    const ZodiacSign zodiacSign = *signFromDisplayName(sign.toStdString());
    const SignAttributeRow &attributes = SignAttributes(zodiacSign);
    QCOMPARE(reading["element"].toString(), qs(attributes.element));
    QCOMPARE(reading["birthstone"].toString(), qs(attributes.birthstone));
    QCOMPARE(reading["luckyNumber"].toString(), qs(attributes.luckyNumber));
    QCOMPARE(reading["luckyDay"].toString(), qs(attributes.luckyDay));
    QCOMPARE(reading["compatibility"].toString(), qs(attributes.compatibility));
    QCOMPARE(reading["positiveTraits"].toString(), qs(SunSignTraits(zodiacSign).positive));
    QCOMPARE(reading["negativeTraits"].toString(), qs(SunSignTraits(zodiacSign).negative));
    const QString profile = args.first() == "love" ? qs(LoveProfileText(zodiacSign))
                                                   : qs(RomanceProfileText(zodiacSign));
    QCOMPARE(reading["profile"].toString(), profile);
    QCOMPARE(reading["picture"].toString(), sign.toLower() + ".jpg");
}

void TestCli::tableReadings_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");

    // clang-format off
    QTest::newRow("lovesign first day")    << "venus" << 1930 << "1"        << 1;
    QTest::newRow("lovesign block end")    << "venus" << 1959 << "December" << 31;
    QTest::newRow("lovesign block start")  << "venus" << 1960 << "january"  << 1;
    QTest::newRow("lovesign 1989 to 1990") << "venus" << 1990 << "1"        << 1;
    QTest::newRow("lovesign 29 Feb 1973")  << "venus" << 1973 << "February" << 29;
    QTest::newRow("lovesign last day")     << "venus" << 2012 << "12"       << 31;
    QTest::newRow("sexual first day")      << "eros"  << 1940 << "January"  << 1;
    QTest::newRow("sexual 29 Feb 1941")    << "eros"  << 1941 << "2"        << 29;
    QTest::newRow("sexual 30 Apr")         << "eros"  << 1977 << "APRIL"    << 30;
    QTest::newRow("sexual last day")       << "eros"  << 1990 << "12"       << 31;
    // clang-format on
}

void TestCli::tableReadings()
{
    QFETCH(QString, table);
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    const QString command = table == "venus" ? "lovesign" : "sexual";
    const QJsonObject reading =
        runJson({command, QString::number(year), month, QString::number(day), "--json"});
    QCOMPARE(reading.keys(), (QStringList {"description", "reading", "sign"}));
    QCOMPARE(reading["reading"].toString(), command);

    const auto expected = tableSign(table, year, *monthFromUserText(month.toStdString()), day);
    QVERIFY(expected);
    QCOMPARE(reading["sign"].toString(), qs(displayName(*expected)));
    const std::string_view text =
        table == "venus" ? LoveSignText(*expected) : ErosSignText(*expected);
    QCOMPARE(reading["description"].toString(), qs(text));
}

void TestCli::textReadings_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<int>("month");

    for (const QString &reading : {QStringLiteral("love"), QStringLiteral("romance")}) {
        for (int month = 1; month <= 12; ++month)
            QTest::addRow("%s %d", qPrintable(reading), month) << reading << month;
    }
}

// Day 25 of each month gives each sign once.
void TestCli::textReadings()
{
    QFETCH(QString, reading);
    QFETCH(int, month);
    const ZodiacSign sign = *SunSignFromDate(25, month);
    const Run result = run({reading, "1990", QString::number(month), "25"});
    QCOMPARE(result.status, ExitSuccess);
    QCOMPARE(result.err, QString());
    QVERIFY(!result.out.contains('\r'));
    QVERIFY(result.out.endsWith('\n'));
    for (const QString &line : result.out.split('\n'))
        QVERIFY2(line.size() <= 78, qPrintable(line));
    QVERIFY(result.out.contains("\nSign:           " + qs(displayName(sign)) + '\n'));
    QVERIFY(result.out.contains("\nBirthstone:     " + qs(SignAttributes(sign).birthstone) + '\n'));

    const TraitTexts traits = SunSignTraits(sign);
    QCOMPARE(unwrappedParagraphs(section(result.out, "Positive traits")),
             storedParagraphs(traits.positive));
    QCOMPARE(unwrappedParagraphs(section(result.out, "Negative traits")),
             storedParagraphs(traits.negative));
    const QString profile =
        section(result.out, reading == "love" ? "Love profile" : "Romance profile");
    if (reading == "love")
        QCOMPARE(unwrappedParagraphs(profile), storedParagraphs(LoveProfileText(sign)));
    else
        QCOMPARE(unwrappedParagraphs(profile), storedParagraphs(RomanceProfileText(sign)));
}

void TestCli::tables_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("firstYear"); // 0: the sun table, which has no year column
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<int>("lines");

    QTest::newRow("sun") << "sun" << 0 << 0 << 372;
    QTest::newRow("venus") << "venus" << 1930 << 2012 << 30876;
    QTest::newRow("eros") << "eros" << 1940 << 1990 << 18972;
}

// Every line in order, each cell as the reading's own lookup answers it.
void TestCli::tables()
{
    QFETCH(QString, table);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(int, lines);
    const Run result = run({"table", table});
    QCOMPARE(result.status, ExitSuccess);
    QCOMPARE(result.err, QString());
    QVERIFY(result.out.endsWith('\n'));
    const QStringList rows = result.out.chopped(1).split('\n');
    QCOMPARE(rows.size(), lines);

    qsizetype index = 0;
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const auto sign = firstYear == 0 ? SunSignFromDate(day, month)
                                                 : tableSign(table, year, month, day);
                QVERIFY(sign);
                QString expected = QString::number(month) + '\t' + QString::number(day) + '\t'
                    + qs(displayName(*sign));
                if (firstYear != 0)
                    expected.prepend(QString::number(year) + '\t');
                if (rows[index] != expected)
                    QCOMPARE(rows[index], expected);
                ++index;
            }
        }
    }
}

void TestCli::help_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");

    QTest::newRow("--help") << QStringList {"--help"} << ExitSuccess;
    QTest::newRow("-h") << QStringList {"-h"} << ExitSuccess;
    QTest::newRow("after a command") << QStringList {"love", "1990", "--help"} << ExitSuccess;
    QTest::newRow("no arguments") << QStringList {} << ExitUsage;
}

void TestCli::help()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    const Run result = run(args);
    QCOMPARE(result.status, status);
    const QString usage = status == ExitSuccess ? result.out : result.err;
    QCOMPARE(status == ExitSuccess ? result.err : result.out, QString());
    QVERIFY(usage.startsWith("Usage: kesto-reading"));
    for (const char *word :
         {"love YEAR MONTH DAY", "romance YEAR MONTH DAY", "lovesign YEAR MONTH DAY",
          "sexual YEAR MONTH DAY", "table sun", "table venus", "table eros", "--json", "--help",
          "1900 to 2050", "1930 to 2012", "1940 to 1990", "Exit status", "0  success",
          "2  usage error"})
        QVERIFY2(usage.contains(QLatin1String(word)), word);
    for (const QString &line : usage.split('\n'))
        QVERIFY2(line.size() <= 78, qPrintable(line));
}

void TestCli::wrapText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("wrapped");

    // clang-format off
    QTest::newRow("fits")            << "one two"           << 10 << "one two\n";
    QTest::newRow("exact width")     << "aaaa bbbb"         << 9  << "aaaa bbbb\n";
    QTest::newRow("one over")        << "aaaa bbbbb"        << 9  << "aaaa\nbbbbb\n";
    QTest::newRow("several lines")   << "aa bb cc dd ee"    << 5  << "aa bb\ncc dd\nee\n";
    QTest::newRow("long word alone") << "a verylongword b"  << 5  << "a\nverylongword\nb\n";
    QTest::newRow("paragraphs")      << "one\r\n\r\ntwo"    << 10 << "one\n\ntwo\n";
    QTest::newRow("line feed kept")  << "one\ntwo"          << 10 << "one\ntwo\n";
    QTest::newRow("blank runs")      << "  one   two  "     << 10 << "one two\n";
    QTest::newRow("empty")           << ""                  << 10 << "";
    // clang-format on
}

void TestCli::wrapText()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, wrapped);
    QCOMPARE(qs(kesto::wrapText(text.toStdString(), std::size_t(width))), wrapped);
}

void TestCli::jsonString_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("literal");

    // clang-format off
    QTest::newRow("plain")         << QByteArray("Aries")        << QByteArray(R"("Aries")");
    QTest::newRow("empty")         << QByteArray("")             << QByteArray(R"("")");
    QTest::newRow("quote")         << QByteArray("a\"b")         << QByteArray(R"("a\"b")");
    QTest::newRow("backslash")     << QByteArray("a\\b")         << QByteArray(R"("a\\b")");
    QTest::newRow("paragraph")     << QByteArray("a\r\n\r\nb")   << QByteArray(R"("a\r\n\r\nb")");
    QTest::newRow("tab")           << QByteArray("a\tb")         << QByteArray(R"("a\tb")");
    QTest::newRow("control 0x01")  << QByteArray("\x01")         << QByteArray(R"("\u0001")");
    QTest::newRow("control 0x1f")  << QByteArray("\x1f")         << QByteArray(R"("\u001f")");
    QTest::newRow("slash kept")    << QByteArray("a/b")          << QByteArray(R"("a/b")");
    QTest::newRow("utf-8 kept")    << QByteArray("caf\xc3\xa9")  << QByteArray("\"caf\xc3\xa9\"");
    // clang-format on
}

void TestCli::jsonString()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, literal);
    const std::string result = kesto::jsonString({text.constData(), std::size_t(text.size())});
    QCOMPARE(QByteArray::fromStdString(result), literal);
}

// Every ASCII character survives a JSON parser.
void TestCli::jsonStringRoundTrip()
{
    std::string text;
    for (int c = 1; c < 128; ++c)
        text += char(c);
    const QByteArray document = QByteArray("[") + kesto::jsonString(text).c_str() + "]";
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(document, &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(array.at(0).toString(), QString::fromStdString(text));
}

QTEST_APPLESS_MAIN(TestCli)
#include "tst_cli.moc"
