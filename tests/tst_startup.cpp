#include "FakePlatform.h"

#include "app/AppStartup.h"
#include "app/LockFileInstanceGuard.h"
#include "app/frmMDI.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The single-instance guard at start-up: what the next copy does while one runs, and the lock
// file in every state a crash, a renamed host or someone else's doing can leave it in.
class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void lockFileFoundAtStart_data();
    void lockFileFoundAtStart();
    void fallbackLockIsTheUsersOwn();
    void runningCopyComesForward();
};

namespace {

const QString Refusal = QStringLiteral("Application is already running");
const int Acquired = int(InstanceClaim::Outcome::Acquired);
const int Held = int(InstanceClaim::Outcome::HeldByLiveCopy);
const int None = int(InstanceClaim::Outcome::Unavailable);

// Copies of the program in processes of their own, let go at the same instant: each tries the
// lock once and holds what it got until killed, as a crash or a power cut would end it.
class Copies
{
public:
    Copies(const QString &lockPath, const QString &fallbackPath, int count)
    {
        int go[2], results[2];
        if (pipe(go) != 0 || pipe(results) != 0)
            return;
        for (int copy = 0; copy < count; ++copy) {
            const pid_t child = fork();
            if (child == 0) {
                ::close(go[1]);
                char outcome;
                [[maybe_unused]] ssize_t got = ::read(go[0], &outcome, 1);
                LockFileInstanceGuard guard(lockPath, fallbackPath);
                outcome = char('0' + int(guard.tryAcquire().outcome));
                got = ::write(results[1], &outcome, 1);
                for (;;)
                    pause();
            }
            if (child > 0)
                m_children.append(child);
        }
        ::close(go[0]);
        ::close(go[1]);
        char outcome;
        for (auto copy = m_children.size(); copy > 0 && ::read(results[0], &outcome, 1) == 1;
             --copy)
            ++outcomes[outcome - '0'];
        ::close(results[0]);
        ::close(results[1]);
    }
    ~Copies()
    {
        for (pid_t child : std::as_const(m_children)) {
            ::kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
    }

    QMap<int, int> outcomes;

private:
    QList<pid_t> m_children;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Leaves the lock file and its folder in the state named, as a crash, a power cut, a renamed host
// or someone else can.
bool damageLock(const QString &path, const QString &state, const QString &spareFile)
{
    const QString folder = QFileInfo(path).path();
    const QByteArray name = QFile::encodeName(path);
    if (state == "missing folder" || state == "no lock anywhere")
        return true;
    if (state == "file in the folder's place")
        return writeFile(folder, {});
    if (!QDir().mkpath(folder))
        return false;
    if (state == "read-only folder")
        return QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (state == "hard link to a file")
        return ::link(QFile::encodeName(spareFile).constData(), name.constData()) == 0;
    if (state == "every name taken")
        return QDir().mkpath(path) && QDir().mkpath(path + ".1") && QDir().mkpath(path + ".2")
            && QDir().mkpath(path + ".3");
    if (state == "empty")
        return writeFile(path, {});
    if (state == "garbage")
        return writeFile(path, QByteArray("\xff\xfe\0\x01not a lock\n\n\n-7\n", 18));
    if (state == "dead process on another host")
        return writeFile(path, "999999\nkesto-astrology\nhost-before-the-rename\n");
    if (state == "dead process on this host") {
        const pid_t child = fork();
        if (child == 0)
            _exit(0);
        waitpid(child, nullptr, 0); // a process id that has just gone
        return writeFile(path,
                         QByteArray::number(child) + "\nkesto-astrology\n"
                             + QSysInfo::machineHostName().toUtf8() + '\n');
    }
    if (state == "mode 000")
        return writeFile(path, "1\n") && ::chmod(name.constData(), 0) == 0;
    if (state == "folder")
        return QDir().mkpath(path + "/inside");
    if (state == "dangling link")
        return QFile::link(path + ".nowhere/x", path);
    if (state == "link to a file")
        return QFile::link(spareFile, path);
    if (state == "pipe")
        return ::mkfifo(name.constData(), 0600) == 0;
    if (state == "folder, then a link")
        return QDir().mkpath(path) && QFile::link(spareFile, path + ".1");
    if (state == "another user's file")
        return writeFile(path, "1\n") && ::chown(name.constData(), 4242, 4242) == 0;
    return state == "no file";
}

} // namespace

void tst_Startup::lockFileFoundAtStart_data()
{
    // What the start says on standard error, "kesto.lock" standing for the path and "spare.lock"
    // for the name in the temporary folder; guarded: the lock is had and holds against the next
    // copy.
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("guarded");
    const auto row = [](const char *state, const char *note, bool guarded = true) {
        QTest::newRow(state) << note << guarded;
    };
    row("no file", "");
    row("empty", "");
    row("garbage", "");
    row("dead process on another host", "");
    row("dead process on this host", "");
    // Passed by for the next name, which every copy tries in the same order.
    row("folder", "kesto.lock is a folder, so the lock is kesto.lock.1");
    row("dangling link", "kesto.lock is a link, so the lock is kesto.lock.1");
    row("link to a file", "kesto.lock is a link, so the lock is kesto.lock.1");
    row("hard link to a file", "kesto.lock has more than one name, so the lock is kesto.lock.1");
    row("pipe", "kesto.lock is not a plain file, so the lock is kesto.lock.1");
    row("folder, then a link",
        "kesto.lock is a folder, kesto.lock.1 is a link, so the lock is kesto.lock.2");
    // No lock in the folder: the temporary folder's name serves.
    row("missing folder",
        "cannot make the lock file kesto.lock: No such file or directory, so the lock is "
        "spare.lock");
    row("file in the folder's place",
        "cannot make the lock file kesto.lock: Not a directory, so the lock is spare.lock");
    row("every name taken",
        "kesto.lock is a folder, kesto.lock.1 is a folder, kesto.lock.2 is a folder, kesto.lock.3 "
        "is a folder, so the lock is spare.lock");
    // No lock at all: refusing would keep the program from starting until someone mends it.
    row("no lock anywhere",
        "cannot make the lock file kesto.lock: No such file or directory, cannot make the lock "
        "file spare.lock: No such file or directory",
        false);
    if (geteuid() == 0) {
        row("mode 000", "");
        row("another user's file",
            "kesto.lock belongs to another user, so the lock is kesto.lock.1");
    } else {
        row("mode 000",
            "kesto.lock cannot be opened (Permission denied), so the lock is kesto.lock.1");
        row("read-only folder",
            "cannot make the lock file kesto.lock: Permission denied, so the lock is spare.lock");
    }
}

void tst_Startup::lockFileFoundAtStart()
{
    QFETCH(QString, note);
    QFETCH(bool, guarded);
    QTemporaryDir folder;
    const QString spareFile = folder.filePath("letter.txt");
    QVERIFY(writeFile(spareFile, "Dear ...\n"));
    FakePlatform platform;
    QString lockPath, fallbackPath;
    // Copies started at the same instant meet at one file: one gets the lock, and the others and
    // the next copy are turned away, the next before it reminds of anything.
    for (int round = 0; round < 8; ++round) {
        lockPath = folder.filePath(QStringLiteral("%1/kesto.lock").arg(round));
        fallbackPath = folder.filePath(QTest::currentDataTag() == QLatin1String("no lock anywhere")
                                           ? QStringLiteral("nowhere/%1.lock").arg(round)
                                           : QStringLiteral("spare-%1").arg(round));
        QVERIFY(damageLock(lockPath, QTest::currentDataTag(), spareFile));
        const Copies copies(lockPath, fallbackPath, 6);
        const QMap<int, int> expected =
            guarded ? QMap<int, int> {{Acquired, 1}, {Held, 5}} : QMap<int, int> {{None, 6}};
        QCOMPARE(copies.outcomes, expected);
        if (guarded) {
            LockFileInstanceGuard next(lockPath, fallbackPath);
            QVERIFY(!startKestoAstrology(next));
        }
    }
    QCOMPARE(platform.messages, QStringList(guarded ? 8 : 0, Refusal));
    QVERIFY(platform.settings.isEmpty());

    // Once they have gone, killed as in a crash, the next copy starts, saying on standard error
    // what it passed by, and holds the lock in turn.
    QTest::failOnWarning(QRegularExpression("kesto-astrology"));
    if (!guarded)
        note.prepend("starting without the check for another running copy: ");
    note.replace("spare.lock", fallbackPath).replace("kesto.lock", lockPath);
    if (!note.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable("kesto-astrology: " + note));
    platform.clear();
    LockFileInstanceGuard first(lockPath, fallbackPath);
    QVERIFY(startKestoAstrology(first));
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.settings.contains("LastUpdateReminder"));
    if (guarded) {
        LockFileInstanceGuard second(lockPath, fallbackPath);
        QVERIFY(!startKestoAstrology(second));
        QCOMPARE(platform.messages, QStringList {Refusal});
    }
    // No other file is written through a link or a second name: it stays as it was.
    QFile spare(spareFile);
    QVERIFY(spare.open(QIODevice::ReadOnly));
    QCOMPARE(spare.readAll(), "Dear ...\n");
}

void tst_Startup::fallbackLockIsTheUsersOwn()
{
    QCOMPARE(LockFileInstanceGuard::lockFilePathIn("/run/user/1000"),
             "/run/user/1000/kesto-astrology.lock");
    // Without a runtime folder the lock goes to the shared temporary folder, under a name
    // no other user's copy uses.
    const QString fallback = LockFileInstanceGuard::lockFilePathIn(QString());
    QCOMPARE(QFileInfo(fallback).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    QCOMPARE(QFileInfo(fallback).fileName(),
             QStringLiteral("kesto-astrology-%1.lock").arg(geteuid()));
}

// A second copy brings the running copy's window forward before it says it ends; once the running
// copy has gone, its lock is free for the next one, in the same process too.
void tst_Startup::runningCopyComesForward()
{
    QTemporaryDir folder;
    const QString lockPath = folder.filePath("kesto.lock"), fallbackPath = folder.filePath("spare");
    FakePlatform platform;
    auto running = std::make_unique<LockFileInstanceGuard>(lockPath, fallbackPath);
    std::unique_ptr<frmMDI> window = startKestoAstrology(*running);
    QVERIFY(window);
    window->showMinimized();
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());

    LockFileInstanceGuard second(lockPath, fallbackPath);
    QVERIFY(!startKestoAstrology(second));
    QCOMPARE(platform.messages, QStringList {Refusal});
    QTRY_VERIFY(window->isActiveWindow());
    QVERIFY(!window->isMinimized());

    window.reset();
    running.reset();
    platform.clear();
    LockFileInstanceGuard next(lockPath, fallbackPath);
    QVERIFY(startKestoAstrology(next));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
