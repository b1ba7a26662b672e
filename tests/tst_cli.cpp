#include "assets/texts/ReadingTexts.h"
#include "cli/CliText.h"
#include "cli/ReadingCommand.h"
#include "readings/love/core/LoveProfile.h"
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

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(' ', Qt::SkipEmptyParts);
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

class tst_Cli : public QObject
{
    Q_OBJECT

private slots:
    void refusedInput_data();
    void refusedInput();
    void readings_data();
    void readings();
    void signChange_data();
    void signChange();
    void textReadings_data();
    void textReadings();
    void tables_data();
    void tables();
    void help();
    void wrapText_data();
    void wrapText();
    void jsonStringRoundTrip();
    void quotedArgument_data();
    void quotedArgument();
};

// Rows give the arguments as one text, words parted by blanks.
void tst_Cli::refusedInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("mentions"); // what the message must name

    const auto row = [](const char *tag, const char *args, const char *mentions) {
        QTest::newRow(tag) << words(args) << QString::fromLatin1(mentions).split('|');
    };
    row("month 13", "love 1990 13 1", "\"13\"|1 to 12|month name");
    row("month Smarch", "love 1990 Smarch 1", "\"Smarch\"|1 to 12");
    row("day 0", "love 1990 1 0", "\"0\"|1 to 31");
    row("day 32", "lovesign 1990 1 32", "\"32\"|1 to 31");
    row("day not number", "sexual 1960 1 1st", "\"1st\"|1 to 31");
    row("love 2051", "love 2051 1 1", "\"2051\"|1900 to 2050");
    row("romance 1899", "romance 1899 12 31", "\"1899\"|1900 to 2050");
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
    // The reason, and the input window's own words exactly.
    row("lovesign 30 Feb", "lovesign 1990 February 30",
        "no day 30 in February|(\"Please Enter Correct Date of Birth!\")");
    row("lovesign 31 Apr", "lovesign 2012 april 31",
        "no day 31 in April|(\"Please Enter Correct Date of Birth !\")");
    row("sexual 31 Feb", "sexual 1940 FEBRUARY 31 --json",
        "no day 31 in February|(\"Please Enter Your Correct Date of Birth!\")");
}

// One line on standard error, nothing on standard output, status 2.
void tst_Cli::refusedInput()
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

void tst_Cli::readings_data()
{
    QTest::addColumn<QStringList>("args"); // run as they are and with --json
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("source"); // empty for the sun signs, which have none

    const auto row = [](const char *tag, const QStringList &args, const char *sign,
                        const char *source = "") {
        QTest::newRow(tag) << args << QString::fromLatin1(sign) << QString::fromLatin1(source);
    };
    row("love 31 February", words("love 1990 February 31"), "Pisces");
    row("romance 31 April", words("romance 2000 4 31"), "Taurus");
    row("love first year", words("love 1900 1 1"), "Capricorn");
    row("romance last year", words("romance 2050 12 31"), "Capricorn");
    row("month any case", words("love 1990 mArCh 21"), "Aries");
    row("leading zeros", words("romance 1990 07 09"), "Cancer");
    // A number reads the same whatever ASCII white space surrounds it.
    row("trailing newlines", {"love", "1990\n", "3\n", "21\n"}, "Aries");
    row("tabs and blanks", {"love", "\t1990 ", " 3\t", " 21 "}, "Aries");
    row("carriage return, line feed", {"love", "1990\r\n", "\r\n3", "21"}, "Aries");
    row("month name in white space", {"love", "1990", "\nMarch\n", "21"}, "Aries");
    row("vertical tab, form feed", {"love", "\v1990", "3\f", "21"}, "Aries");
    // The table readings answer from 1900 to 2100, computed outside their tables' years.
    row("lovesign 29 Feb 1973", words("lovesign 1973 February 29"), "Pisces", "table");
    row("lovesign 1900", words("lovesign 1900 1 1"), "Aquarius", "ephemeris");
    row("sexual 29 Feb 1941", words("sexual 1941 2 29"), "Pisces", "table");
    row("sexual 2100", words("sexual 2100 12 31"), "Capricorn", "ephemeris");
}

void tst_Cli::readings()
{
    QFETCH(QStringList, args);
    QFETCH(QString, sign);
    QFETCH(QString, source);
    const Run json = run(args + QStringList {"--json"});
    QCOMPARE(json.err, QString());
    QCOMPARE(json.status, ExitSuccess);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(object.value("reading").toString(), args.first());
    QCOMPARE(object.value("sign").toString(), sign);
    QCOMPARE(object.value("source").toString(), source);
    // The text says where a computed sign comes from, and only then.
    const Run text = run(args);
    QCOMPARE(text.status, ExitSuccess);
    QVERIFY(text.out.contains(QRegularExpression("\n(Sun|Venus|Eros) Sign: +" + sign + '\n')));
    QCOMPARE(text.out.contains("Source:         computed from the "), source == "ephemeris");
}

void tst_Cli::signChange_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("change"); // body, time, from, to; empty for none
    QTest::addColumn<QString>("line");   // what the text says of it
    const auto row = [](const char *tag, const char *args, const char *change, const char *line) {
        QTest::newRow(tag) << words(args) << QString::fromLatin1(change)
                           << QString::fromLatin1(line);
    };
    // Venus entered Aquarius in the first minutes of a day the table dates at 0h in Capricorn.
    row("venus, change day", "lovesign 1930 1 24", "Venus 1930-01-24T00:22Z Capricorn Aquarius",
        "born after then, your Zodiac Love Sign is Aquarius.");
    row("venus, the day after", "lovesign 1930 1 25", "", "");
    // The calendar's Leo from 21 July; the Sun entered Leo only on the 23rd.
    row("sun behind the calendar", "love 1990 7 21", "Sun 1990-07-23T02:22Z Cancer Leo",
        "The Sun stood in Cancer all this day: it entered Leo on 23 July at 02:22 UTC.");
    row("sun change day", "romance 1990 7 23", "Sun 1990-07-23T02:22Z Cancer Leo",
        "born before then, the Sun stood in Cancer.");
    // The calendar's Pisces until 20 March; the Sun entered Aries late on the 19th.
    row("sun ahead of the calendar", "love 2044 3 20", "Sun 2044-03-19T23:21Z Pisces Aries",
        "The Sun stood in Aries all this day: it had left Pisces on 19 March at 23:21 UTC.");
    row("sun, quiet day", "love 1990 1 1", "", "");
    row("eros table, change day", "sexual 1941 1 20", "Eros 1941-01-20T08:54Z Aquarius Pisces",
        "born after then, your Eros sign is Pisces.");
    // The table's Aquarius is neither sign of the sky's change that day: it is not contradicted.
    row("eros table, another sign", "sexual 1980 1 22", "", "");
    row("eros computed, change day", "sexual 1995 1 5",
        "Eros 1995-01-05T18:16Z Sagittarius Capricorn", "your Eros sign is Capricorn.");
    row("a day the month lacks", "love 1990 2 30", "", "");
}

// The moment of a change of sign on the birth date, in JSON and as a line of the text.
void tst_Cli::signChange()
{
    QFETCH(QStringList, args);
    QFETCH(QString, change);
    QFETCH(QString, line);
    const Run json = run(args + QStringList {"--json"});
    QCOMPARE(json.status, ExitSuccess);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(object.contains("signChange"), !change.isEmpty());
    const QJsonObject moment = object.value("signChange").toObject();
    if (!change.isEmpty()) {
        QCOMPARE(QStringList({moment["body"].toString(), moment["time"].toString(),
                              moment["from"].toString(), moment["to"].toString()})
                     .join(' '),
                 change);
    }
    const QString text = run(args).out.simplified();
    QCOMPARE(text.contains(" UTC"), !line.isEmpty());
    QVERIFY2(text.contains(line), qPrintable(text.left(300)));
}

void tst_Cli::textReadings_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<int>("month");

    for (const QString &reading : {QStringLiteral("love"), QStringLiteral("romance")}) {
        for (int month = 1; month <= 12; ++month)
            QTest::addRow("%s %d", qPrintable(reading), month) << reading << month;
    }
}

// Day 25 of each month gives each sign once; every text is there, wrapped to 78 columns.
void tst_Cli::textReadings()
{
    QFETCH(QString, reading);
    QFETCH(int, month);
    const ZodiacSign sign = *SunSignFromDate(25, month);
    const Run result = run({reading, "1990", QString::number(month), "25"});
    QCOMPARE(result.status, ExitSuccess);
    QVERIFY(!result.out.contains('\r'));
    for (const QString &line : result.out.split('\n'))
        QVERIFY2(line.size() <= 78, qPrintable(line));

    const bool love = reading == "love";
    QVERIFY(result.out.contains(love ? "\nLove Profile\n" : "\nRomance Profile\n"));
    const QString flat = result.out.simplified();
    const std::string profile =
        love ? LoveProfileText(sign) : std::string(RomanceProfileText(sign));
    for (std::string_view text :
         {SunSignTraits(sign).positive, SunSignTraits(sign).negative, std::string_view(profile)})
        QVERIFY2(flat.contains(qs(text).simplified()), qPrintable(qs(text).left(40)));
}

void tst_Cli::tables_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("venus") << "venus" << 1930 << 2012 << "1930\t1\t1\tCapricorn";
    QTest::newRow("eros") << "eros" << 1940 << 1990 << "1940\t1\t1\tScorpio";
}

// A table prints every day number of the reading's own years, as the same years chosen print
// them; the whole span from 1900 holds them.
void tst_Cli::tables()
{
    QFETCH(QString, table);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(QString, firstLine);
    const Run result = run({"table", table});
    QCOMPARE(result.status, ExitSuccess);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out.count('\n'), (lastYear - firstYear + 1) * 12 * 31);
    QVERIFY(result.out.startsWith(firstLine + '\n'));
    const QString years = QStringLiteral("--to %1 --from %2").arg(lastYear).arg(firstYear);
    QCOMPARE(run(QStringList {"table", table} + years.split(' ')).out, result.out);
    const Run span = run({"table", table, "--from", "1900"});
    QCOMPARE(span.status, ExitSuccess);
    QCOMPARE(span.out.count('\n'), 201 * 12 * 31);
    QVERIFY(span.out.contains(result.out));
}

// The usage goes to standard output when asked for, to standard error when no command is given.
void tst_Cli::help()
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

void tst_Cli::wrapText_data()
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

void tst_Cli::wrapText()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, wrapped);
    QCOMPARE(qs(kesto::wrapText(text.toStdString(), std::size_t(width))), wrapped);
}

// Every ASCII character and UTF-8 survive a JSON parser.
void tst_Cli::jsonStringRoundTrip()
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

void tst_Cli::quotedArgument_data()
{
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("quoted");

    const QByteArray forty(40, 'a');
    const QByteArray ellipsis = "\xe2\x80\xa6";
    // clang-format off
    QTest::newRow("plain")             << QByteArray("moon")          << QByteArray("\"moon\"");
    QTest::newRow("empty")             << QByteArray()                << QByteArray("\"\"");
    QTest::newRow("line ends and tab") << QByteArray("a\nb\r\tc")     << QByteArray(R"("a\nb\r\tc")");
    QTest::newRow("delete")            << QByteArray("\x7f")          << QByteArray(R"("\x7f")");
    QTest::newRow("C1 control")        << QByteArray("\xc2\x9b" "31m") << QByteArray(R"("\xc2\x9b31m")");
    QTest::newRow("not UTF-8")         << QByteArray("\xff\xc3(")     << QByteArray(R"("\xff\xc3(")");
    QTest::newRow("cut-short UTF-8")   << QByteArray("\xe2\x80")      << QByteArray(R"("\xe2\x80")");
    QTest::newRow("quote, backslash")  << QByteArray("a\"b\\")        << QByteArray(R"("a\"b\\")");
    QTest::newRow("UTF-8 kept")        << QByteArray("Z\xc3\xbcrich \xe2\x99\x8f") << QByteArray("\"Z\xc3\xbcrich \xe2\x99\x8f\"");
    QTest::newRow("NUL")               << QByteArray("a\0b", 3)       << QByteArray(R"("a\x00b")");
    QTest::newRow("40 characters")     << forty                       << "\"" + forty + "\"";
    QTest::newRow("41 with UTF-8")     << QByteArray(39, 'a') + "\xc3\xa9\xc3\xa9" << "\"" + QByteArray(39, 'a') + "\xc3\xa9" + ellipsis + "\"";
    QTest::newRow("escapes count one") << QByteArray(40, '\x1b') + "z" << "\"" + QByteArray(R"(\x1b)").repeated(40) + ellipsis + "\"";
    // clang-format on
}

// No byte that could drive a terminal comes back as it was, and an argument stays short.
void tst_Cli::quotedArgument()
{
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, quoted);
    const std::string result =
        kesto::quotedArgument({argument.constData(), std::size_t(argument.size())});
    QCOMPARE(QByteArray::fromStdString(result), quoted);
}

QTEST_APPLESS_MAIN(tst_Cli)
#include "tst_cli.moc"
