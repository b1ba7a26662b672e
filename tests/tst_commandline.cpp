#include "KestoVersion.h"
#include "app/CommandLine.h"

#include <QTest>

// What kesto-astrology answers on its command line before showing a window.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion_data();
    void helpAndVersion();
    void leftOverWords_data();
    void leftOverWords();
};

void tst_CommandLine::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("answer"); // "help", "version" or "" for none
    QTest::newRow("nothing") << QStringList {"kesto-astrology"} << "";
    QTest::newRow("--help") << QStringList {"kesto-astrology", "--help"} << "help";
    QTest::newRow("-h") << QStringList {"kesto-astrology", "-h"} << "help";
    QTest::newRow("help after Qt's option")
        << QStringList {"kesto-astrology", "-platform", "offscreen", "--help"} << "help";
    QTest::newRow("--version") << QStringList {"kesto-astrology", "--version"} << "version";
    QTest::newRow("-v") << QStringList {"kesto-astrology", "-v"} << "version";
    QTest::newRow("help before version")
        << QStringList {"kesto-astrology", "--version", "--help"} << "help";
    // Qt's own single-dash options are whole words, not bundles of letters.
    QTest::newRow("-stylesheet") << QStringList {"kesto-astrology", "-stylesheet", "a.qss"} << "";
    QTest::newRow("-reverse") << QStringList {"kesto-astrology", "-reverse"} << "";
    QTest::newRow("unknown") << QStringList {"kesto-astrology", "--helpme"} << "";
}

void tst_CommandLine::helpAndVersion()
{
    QFETCH(QStringList, words);
    QFETCH(QString, answer);
    const std::optional<CommandLineAnswer> got = answerHelpOrVersion(words);
    QCOMPARE(got.has_value(), !answer.isEmpty());
    if (!got)
        return;
    QCOMPARE(got->status, 0);
    QCOMPARE(got->err, QString());
    if (answer == QLatin1String("version")) {
        QCOMPARE(got->out,
                 QStringLiteral("kesto-astrology %1\n")
                     .arg(QString::fromUtf8(kesto::Version.data(), kesto::Version.size())));
        QCOMPARE(got->out, QStringLiteral("kesto-astrology 1.20\n"));
    } else {
        QVERIFY(got->out.startsWith(QStringLiteral("Usage: kesto-astrology [OPTION]...\n")));
        QVERIFY(got->out.contains(QStringLiteral("  -v, --version")));
        QVERIFY(got->out.endsWith(QLatin1Char('\n')));
    }
}

void tst_CommandLine::leftOverWords_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("err"); // "" when nothing is refused
    QTest::newRow("nothing") << QStringList {"kesto-astrology"} << "";
    QTest::newRow("unknown option") << QStringList {"kesto-astrology", "--bogus", "x"}
                                    << "kesto-astrology: unknown option \"--bogus\" (try --help)\n";
    QTest::newRow("argument") << QStringList {"kesto-astrology", "file.txt"}
                              << "kesto-astrology: unexpected argument \"file.txt\" (try --help)\n";
}

void tst_CommandLine::leftOverWords()
{
    QFETCH(QStringList, words);
    QFETCH(QString, err);
    const std::optional<CommandLineAnswer> got = refuseLeftOverWords(words);
    QCOMPARE(got.has_value(), !err.isEmpty());
    if (got) {
        QCOMPARE(got->status, 2);
        QCOMPARE(got->out, QString());
        QCOMPARE(got->err, err);
    }
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
