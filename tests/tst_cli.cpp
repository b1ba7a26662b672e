#include "assets/texts/ReadingTexts.h"
#include "cli/CliText.h"
#include "cli/ReadingCommand.h"
#include "readings/Readings.h"
#include "readings/eros/SexualAstrology.h"
#include "readings/love/LoveProfile.h"
#include "readings/lovesign/ZodiacLoveSign.h"
#include "zodiac/DateText.h"
#include "zodiac/SignAttributes.h"
#include "zodiac/SunSign.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(' ', Qt::SkipEmptyParts);
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
    return QJsonDocument::fromJson(result.out.toUtf8()).object();
}

// The sign the reading's own lookup gives for the texts the input window's lists would hand it.
std::optional<ZodiacSign> tableSign(const QString &table, int year, int month, int day)
{
    const std::string y = std::to_string(year);
    const std::string d = std::to_string(day);
    return findReadingSign(table == "eros" ? Reading::SexualAstrology : Reading::ZodiacLoveSign, y,
                           monthName(month), d);
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void refusedInput_data();
    void refusedInput();
    void jsonReadings_data();
    void jsonReadings();
    void textReadings_data();
    void textReadings();
    void tables_data();
    void tables();
    void readingsBeyondTheTables_data();
    void readingsBeyondTheTables();
    void tableYearsOfTheReadingsUnchanged_data();
    void tableYearsOfTheReadingsUnchanged();
    void help();
    void wrapText_data();
    void wrapText();
    void jsonStringRoundTrip();
    void quotedArgument_data();
    void quotedArgument();
    void whiteSpaceAroundNumbers_data();
    void whiteSpaceAroundNumbers();
};

// Rows give the arguments as one text, words parted by blanks.
void TestCli::refusedInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("mentions"); // what the message must name
    QTest::addColumn<bool>("windowMessage");   // the input window's own words, exactly

    const auto row = [](const char *tag, const char *args, const char *mentions) {
        QTest::newRow(tag) << words(args) << QString::fromLatin1(mentions).split('|') << false;
    };
    const auto windowRow = [](const char *tag, const char *args, const char *message) {
        QTest::newRow(tag) << words(args) << QStringList {QString::fromLatin1(message)} << true;
    };
    row("month 13", "love 1990 13 1", "\"13\"|1 to 12|month name");
    row("month Smarch", "love 1990 Smarch 1", "\"Smarch\"|1 to 12");
    row("day 0", "love 1990 1 0", "\"0\"|1 to 31");
    row("day 32", "lovesign 1990 1 32", "\"32\"|1 to 31");
    row("day not number", "sexual 1960 1 1st", "\"1st\"|1 to 31");
    row("love 2051", "love 2051 1 1", "\"2051\"|1900 to 2050");
    row("romance 1899", "romance 1899 12 31", "\"1899\"|1900 to 2050");
    row("lovesign 1899", "lovesign 1899 12 31", "\"1899\"|1900 to 2100");
    row("sexual 2101", "sexual 2101 1 1", "\"2101\"|1900 to 2100");
    row("table years before 1900", "table eros --from 1899", "--from|1900 to 2100");
    row("table year missing", "table venus --to", "--to|1900 to 2100");
    row("table sun years", "table sun --from 1990", "venus and eros");
    row("negative year", "love -1990 1 1", "\"-1990\"|1900 to 2050");
    row("year fraction", "love 1990.5 1 1", "\"1990.5\"|1900 to 2050");
    row("missing day", "love 1990 1", "love|YEAR MONTH DAY");
    row("extra argument", "love 1990 1 1 x", "\"x\"");
    row("unknown command", "LOVE 1990 1 1", "\"LOVE\"|love|romance|lovesign|sexual|table");
    row("unknown option", "love -x 1990 1 1", "\"-x\"");
    row("option first", "--json love 1990 1 1", "--json");
    row("table no name", "table", "sun|venus|eros");
    row("unknown table", "table moon", "\"moon\"");
    row("table extra", "table sun eros", "\"eros\"");
    row("table as json", "table sun --json", "--json");
    windowRow("lovesign 30 Feb", "lovesign 1990 February 30",
              "Please Enter Correct Date of Birth!");
    windowRow("lovesign 31 Apr", "lovesign 2012 april 31", "Please Enter Correct Date of Birth !");
    windowRow("sexual 31 Feb", "sexual 1940 FEBRUARY 31",
              "Please Enter Your Correct Date of Birth!");
    windowRow("sexual 31 Sep", "sexual 1990 9 31 --json",
              "Please Enter Your Correct Date of Birth !");
}

// One line on standard error, nothing on standard output, status 2.
void TestCli::refusedInput()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, mentions);
    QFETCH(bool, windowMessage);
    const Run result = run(args);
    QCOMPARE(result.status, ExitUsage);
    QCOMPARE(result.out, QString());
    if (windowMessage) {
        QCOMPARE(result.err, mentions.first() + '\n');
        return;
    }
    QVERIFY(result.err.startsWith("kesto-reading: "));
    QVERIFY(result.err.endsWith('\n'));
    QCOMPARE(result.err.count('\n'), 1);
    for (const QString &mention : mentions)
        QVERIFY2(result.err.contains(mention), qPrintable(result.err + " lacks " + mention));
}

void TestCli::jsonReadings_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("sign");

    const auto row = [](const char *tag, const char *args, const char *sign) {
        QTest::newRow(tag) << words(args) << QString::fromLatin1(sign);
    };
    row("love 31 February", "love 1990 February 31 --json", "Pisces");
    row("romance 31 April", "romance --json 2000 4 31", "Taurus");
    row("love first year", "love 1900 1 1 --json", "Capricorn");
    row("romance last year", "romance 2050 12 31 --json", "Capricorn");
    row("month any case", "love 1990 mArCh 21 --json", "Aries");
    row("leading zeros", "romance 1990 07 09 --json", "Cancer");
    row("lovesign first day", "lovesign 1930 1 1 --json", "Capricorn");
    row("lovesign block start", "lovesign 1960 january 1 --json", "Scorpio");
    row("lovesign 29 Feb 1973", "lovesign 1973 February 29 --json", "Pisces");
    row("lovesign last day", "lovesign 2012 12 31 --json", "Sagittarius");
    row("sexual first day", "sexual 1940 January 1 --json", "Scorpio");
    row("sexual 29 Feb 1941", "sexual 1941 2 29 --json", "Pisces");
    row("sexual last day", "sexual 1990 12 31 --json", "Libra");
}

// Every key, each value as the core gives it for the sign.
void TestCli::jsonReadings()
{
    QFETCH(QStringList, args);
    QFETCH(QString, sign);
    const QString command = args.first();
    const ZodiacSign zodiacSign = *signFromDisplayName(sign.toStdString());
    QJsonObject expected {{"reading", command}, {"sign", sign}};
    if (command == "lovesign" || command == "sexual") {
        expected["description"] =
            qs(command == "lovesign" ? LoveSignText(zodiacSign) : ErosSignText(zodiacSign));
        // These rows all lie within the readings' own years.
        expected["source"] = "table";
    } else {
        const SignAttributeRow &attributes = SignAttributes(zodiacSign);
        expected["element"] = qs(attributes.element);
        expected["birthstone"] = qs(attributes.birthstone);
        expected["luckyNumber"] = qs(attributes.luckyNumber);
        expected["luckyDay"] = qs(attributes.luckyDay);
        expected["compatibility"] = qs(attributes.compatibility);
        expected["positiveTraits"] = qs(SunSignTraits(zodiacSign).positive);
        expected["negativeTraits"] = qs(SunSignTraits(zodiacSign).negative);
        expected["profile"] = command == "love" ? qs(LoveProfileText(zodiacSign))
                                                : qs(RomanceProfileText(zodiacSign));
        expected["picture"] = sign.toLower() + ".jpg";
    }
    const QJsonObject reading = runJson(args);
    QCOMPARE(reading.keys(), expected.keys());
    for (const QString &key : expected.keys())
        QCOMPARE(reading[key].toString(), expected[key].toString());
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

// Day 25 of each month gives each sign once; every text is there, wrapped to 78 columns.
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

    const bool love = reading == "love";
    QVERIFY(result.out.contains(love ? "\nLove profile\n" : "\nRomance profile\n"));
    const QString flat = result.out.simplified();
    const std::string profile =
        love ? LoveProfileText(sign) : std::string(RomanceProfileText(sign));
    for (std::string_view text :
         {SunSignTraits(sign).positive, SunSignTraits(sign).negative, std::string_view(profile)})
        QVERIFY2(flat.contains(qs(text).simplified()), qPrintable(qs(text).left(40)));
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

// The usage goes to standard output when asked for, to standard error when no command is given.
void TestCli::help()
{
    const Run asked = run({"love", "1990", "-h"});
    QCOMPARE(asked.status, ExitSuccess);
    QCOMPARE(asked.err, QString());
    const Run none = run({});
    QCOMPARE(none.status, ExitUsage);
    QCOMPARE(none.out, QString());
    QCOMPARE(none.err, asked.out);
    QVERIFY(asked.out.startsWith("Usage: kesto-reading"));
    for (const char *word : {"lovesign YEAR MONTH DAY", "table venus", "--json", "1930 to 2012",
                             "1940 to 1990", "2  usage error"})
        QVERIFY2(asked.out.contains(QLatin1String(word)), word);
    for (const QString &line : asked.out.split('\n'))
        QVERIFY2(line.size() <= 78, qPrintable(line));
}

void TestCli::readingsBeyondTheTables_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("source");
    const auto row = [](const char *tag, const char *args, const char *sign, const char *source) {
        QTest::newRow(tag) << words(args) << QString::fromLatin1(sign)
                           << QString::fromLatin1(source);
    };
    row("lovesign 1900", "lovesign 1900 1 1 --json", "Aquarius", "ephemeris");
    row("lovesign 1929", "lovesign 1929 12 31 --json", "Sagittarius", "ephemeris");
    row("lovesign 1930", "lovesign 1930 1 1 --json", "Capricorn", "table");
    row("lovesign 2012", "lovesign 2012 12 31 --json", "Sagittarius", "table");
    row("lovesign 2013", "lovesign 2013 1 10 --json", "Capricorn", "ephemeris");
    row("sexual 1939", "sexual 1939 12 31 --json", "Scorpio", "ephemeris");
    row("sexual 1940", "sexual 1940 1 1 --json", "Scorpio", "table");
    row("sexual 1980 block", "sexual 1980 1 22 --json", "Aquarius", "table");
    row("sexual 1990", "sexual 1990 12 31 --json", "Libra", "table");
    row("sexual 1991", "sexual 1991 1 6 --json", "Scorpio", "ephemeris");
    row("sexual 2100", "sexual 2100 12 31 --json", "Capricorn", "ephemeris");
}

void TestCli::readingsBeyondTheTables()
{
    QFETCH(QStringList, args);
    QFETCH(QString, sign);
    QFETCH(QString, source);
    const QJsonObject object = runJson(args);
    QCOMPARE(object.value("sign").toString(), sign);
    QCOMPARE(object.value("source").toString(), source);
    // The text says where a computed sign comes from, and only then.
    args.removeAll("--json");
    const Run text = run(args);
    QCOMPARE(text.out.contains("computed from the planets' positions"), source == "ephemeris");
}

void TestCli::tableYearsOfTheReadingsUnchanged_data()
{
    QTest::addColumn<QStringList>("whole");
    QTest::addColumn<QStringList>("chosen");
    QTest::newRow("venus") << words("table venus") << words("table venus --from 1930 --to 2012");
    QTest::newRow("eros") << words("table eros") << words("table eros --to 1990 --from 1940");
}

// Chosen years print the reading's own cells within its years, and the whole span joins them.
void TestCli::tableYearsOfTheReadingsUnchanged()
{
    QFETCH(QStringList, whole);
    QFETCH(QStringList, chosen);
    const Run table = run(whole);
    QCOMPARE(table.status, ExitSuccess);
    QCOMPARE(run(chosen).out, table.out);
    QStringList all = chosen.mid(0, 2);
    const Run span = run(all << "--from"
                             << "1900");
    QCOMPARE(span.status, ExitSuccess);
    QCOMPARE(span.out.count('\n'), 201 * 12 * 31);
    QVERIFY(span.out.contains(table.out));
}

void TestCli::wrapText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("wrapped");

    // clang-format off
    QTest::newRow("exact width")     << "aaaa bbbb"         << 9  << "aaaa bbbb\n";
    QTest::newRow("one over")        << "aaaa bbbbb"        << 9  << "aaaa\nbbbbb\n";
    QTest::newRow("several lines")   << "aa bb cc dd ee"    << 5  << "aa bb\ncc dd\nee\n";
    QTest::newRow("long word alone") << "a verylongword b"  << 5  << "a\nverylongword\nb\n";
    QTest::newRow("paragraphs")      << "one\r\n\r\ntwo"    << 10 << "one\n\ntwo\n";
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

// Every ASCII character and UTF-8 survive a JSON parser.
void TestCli::jsonStringRoundTrip()
{
    std::string text = "caf\xc3\xa9";
    for (int c = 1; c < 128; ++c)
        text += char(c);
    const QByteArray document = QByteArray("[") + kesto::jsonString(text).c_str() + "]";
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(document, &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(array.at(0).toString(), QString::fromUtf8(text));
}

void TestCli::quotedArgument_data()
{
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("quoted");

    const QByteArray forty(40, 'a');
    const QByteArray ellipsis = "\xe2\x80\xa6";
    // clang-format off
    QTest::newRow("plain")             << QByteArray("moon")          << QByteArray("\"moon\"");
    QTest::newRow("empty")             << QByteArray()                << QByteArray("\"\"");
    QTest::newRow("escape sequence")   << QByteArray("\x1b[2Jx")      << QByteArray(R"("\x1b[2Jx")");
    QTest::newRow("title change")      << QByteArray("\x1b]0;t\x07")  << QByteArray(R"("\x1b]0;t\x07")");
    QTest::newRow("line ends and tab") << QByteArray("a\nb\r\tc")     << QByteArray(R"("a\nb\r\tc")");
    QTest::newRow("delete")            << QByteArray("\x7f")          << QByteArray(R"("\x7f")");
    QTest::newRow("C1 control")        << QByteArray("\xc2\x9b" "31m") << QByteArray(R"("\xc2\x9b31m")");
    QTest::newRow("not UTF-8")         << QByteArray("\xff\xc3(")     << QByteArray(R"("\xff\xc3(")");
    QTest::newRow("cut-short UTF-8")   << QByteArray("\xe2\x80")      << QByteArray(R"("\xe2\x80")");
    QTest::newRow("quote, backslash")  << QByteArray("a\"b\\")        << QByteArray(R"("a\"b\\")");
    QTest::newRow("UTF-8 kept")        << QByteArray("Z\xc3\xbcrich \xe2\x99\x8f") << QByteArray("\"Z\xc3\xbcrich \xe2\x99\x8f\"");
    QTest::newRow("NUL")               << QByteArray("a\0b", 3)       << QByteArray(R"("a\x00b")");
    QTest::newRow("40 characters")     << forty                       << "\"" + forty + "\"";
    QTest::newRow("41 characters")     << forty + "b"                 << "\"" + forty + ellipsis + "\"";
    QTest::newRow("41 with UTF-8")     << QByteArray(39, 'a') + "\xc3\xa9\xc3\xa9" << "\"" + QByteArray(39, 'a') + "\xc3\xa9" + ellipsis + "\"";
    QTest::newRow("escapes count one") << QByteArray(40, '\x1b') + "z" << "\"" + QByteArray(R"(\x1b)").repeated(40) + ellipsis + "\"";
    // clang-format on
}

// No byte that could drive a terminal comes back as it was, and an argument stays short.
void TestCli::quotedArgument()
{
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, quoted);
    const std::string result =
        kesto::quotedArgument({argument.constData(), std::size_t(argument.size())});
    QCOMPARE(QByteArray::fromStdString(result), quoted);
    // And the messages use it.
    const Run refused = run({"table", QString::fromUtf8(argument)});
    if (QString::fromUtf8(argument).toUtf8() == argument && !argument.contains('\0'))
        QCOMPARE(refused.err.toUtf8(),
                 "kesto-reading: unknown table " + quoted + ": takes sun, venus or eros\n");
}

void TestCli::whiteSpaceAroundNumbers_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("trailing newlines") << QStringList {"love", "1990\n", "3\n", "21\n"};
    QTest::newRow("tabs and blanks") << QStringList {"love", "\t1990 ", " 3\t", " 21 "};
    QTest::newRow("carriage return, line feed") << QStringList {"love", "1990\r\n", "\r\n3", "21"};
    QTest::newRow("month name in white space") << QStringList {"love", "1990", "\nMarch\n", "21"};
    QTest::newRow("vertical tab, form feed") << QStringList {"love", "\v1990", "3\f", "21"};
}

// A number reads the same whatever ASCII white space surrounds it.
void TestCli::whiteSpaceAroundNumbers()
{
    QFETCH(QStringList, args);
    const Run plain = run({"love", "1990", "3", "21"});
    const Run spaced = run(args);
    QCOMPARE(spaced.err, QString());
    QCOMPARE(spaced.status, ExitSuccess);
    QCOMPARE(spaced.out, plain.out);
}

QTEST_APPLESS_MAIN(TestCli)
#include "tst_cli.moc"
