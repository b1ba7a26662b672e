#include "app/CommandLine.h"

#include <QProcess>
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
    void qtOptions_data();
    void qtOptions();
    void program_data();
    void program();
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
    // No byte of an argument reaches the terminal as a control, as kesto-reading quotes it.
    QTest::newRow("terminal controls")
        << QStringList {"x\033]0;pwned\007"}
        << "kesto-astrology: unexpected argument \"x\\x1b]0;pwned\\x07\" (try --help)\n";
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

void tst_CommandLine::qtOptions_data()
{
    QTest::addColumn<QStringList>("words"); // after the program's name
    QTest::addColumn<QStringList>("left");
    QTest::newRow("platform") << QStringList {"-platform", "offscreen"} << QStringList {};
    QTest::newRow("two dashes, equals")
        << QStringList {"--style=fusion", "-reverse", "file"} << QStringList {"file"};
    QTest::newRow("value that looks like an option")
        << QStringList {"-stylesheet", "-a.qss", "--bogus"} << QStringList {"--bogus"};
    QTest::newRow("not Qt's") << QStringList {"-platformx", "-h2"}
                              << QStringList {"-platformx", "-h2"};
}

// What is left for the program once Qt's own options are out.
void tst_CommandLine::qtOptions()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, left);
    QCOMPARE(withoutQtOptions(QStringList {"kesto-astrology"} + words),
             QStringList {"kesto-astrology"} + left);
}

void tst_CommandLine::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("fullDisk"); // standard output goes to /dev/full
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err"); // what standard error starts with
    QTest::newRow("unknown option") << QStringList {"--bogus"} << false << 2
                                    << "kesto-astrology: unknown option \"--bogus\" (try --help)\n";
    QTest::newRow("after Qt's options")
        << QStringList {"-platform", "offscreen", "-style=fusion", "file"} << false << 2
        << "kesto-astrology: unexpected argument \"file\" (try --help)\n";
    QTest::newRow("terminal controls")
        << QStringList {"\033[2J\033]0;pwned\007"} << false << 2
        << "kesto-astrology: unexpected argument \"\\x1b[2J\\x1b]0;pwned\\x07\" (try --help)\n";
    QTest::newRow("help to a full disk")
        << QStringList {"--help"} << true << 1 << "kesto-astrology: cannot write the answer: ";
    QTest::newRow("version to a full disk")
        << QStringList {"--version"} << true << 1 << "kesto-astrology: cannot write the answer: ";
}

// The program itself, started without a display: what it refuses it says so, with status 2,
// before it looks for one; an answer it cannot write ends with status 1.
void tst_CommandLine::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, fullDisk);
    QFETCH(int, status);
    QFETCH(QString, err);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(display));
    program.setProcessEnvironment(environment);
    if (fullDisk)
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
    program.start(QStringLiteral(KESTO_ASTROLOGY_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(20000));
    const QByteArray got = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    QVERIFY2(got.startsWith(err.toUtf8()), got.constData());
    QVERIFY(!got.contains('\033') && !got.contains('\007'));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
