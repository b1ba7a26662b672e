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
    QTest::addColumn<QStringList>("words"); // after the program's name
    QTest::addColumn<QString>("firstLine"); // of the answer; empty for none
    const QString help = QStringLiteral("Usage: kesto-astrology [OPTION]...");
    const QString version = QStringLiteral("kesto-astrology 1.20");
    QTest::newRow("nothing") << QStringList {} << "";
    QTest::newRow("--help") << QStringList {"--help"} << help;
    QTest::newRow("-h") << QStringList {"-h"} << help;
    QTest::newRow("help after Qt's option")
        << QStringList {"-platform", "offscreen", "--help"} << help;
    QTest::newRow("--version") << QStringList {"--version"} << version;
    QTest::newRow("-v") << QStringList {"-v"} << version;
    QTest::newRow("help before version") << QStringList {"--version", "--help"} << help;
    // Qt's own single-dash options are whole words, not bundles of letters.
    QTest::newRow("-stylesheet") << QStringList {"-stylesheet", "a.qss"} << "";
    QTest::newRow("-reverse") << QStringList {"-reverse"} << "";
    QTest::newRow("unknown") << QStringList {"--helpme"} << "";
}

void tst_CommandLine::helpAndVersion()
{
    QFETCH(QStringList, words);
    QFETCH(QString, firstLine);
    const auto got = answerHelpOrVersion(QStringList {"kesto-astrology"} + words);
    QCOMPARE(got.has_value(), !firstLine.isEmpty());
    if (got) {
        QCOMPARE(got->status, 0);
        QCOMPARE(got->err, QString());
        QCOMPARE(got->out.section(QLatin1Char('\n'), 0, 0), firstLine);
    }
}

void tst_CommandLine::leftOverWords_data()
{
    QTest::addColumn<QStringList>("words"); // after the program's name
    QTest::addColumn<QString>("err");       // empty when nothing is refused
    QTest::newRow("nothing") << QStringList {} << "";
    QTest::newRow("unknown option") << QStringList {"--bogus", "x"}
                                    << "kesto-astrology: unknown option \"--bogus\" (try --help)\n";
    QTest::newRow("argument") << QStringList {"file.txt"}
                              << "kesto-astrology: unexpected argument \"file.txt\" (try --help)\n";
}

void tst_CommandLine::leftOverWords()
{
    QFETCH(QStringList, words);
    QFETCH(QString, err);
    const auto got = refuseLeftOverWords(QStringList {"kesto-astrology"} + words);
    QCOMPARE(got.has_value(), !err.isEmpty());
    if (got) {
        QCOMPARE(got->status, 2);
        QCOMPARE(got->out, QString());
        QCOMPARE(got->err, err);
    }
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
