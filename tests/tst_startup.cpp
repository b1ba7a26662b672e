#include "FakePlatform.h"

#include "app/AppStartup.h"
#include "app/QtPlatform.h"
#include "app/UpdateReminder.h"
#include "app/WebPages.h"
#include "app/frmMDI.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Start-up: the update reminder, the single-instance guard, and what a second copy does.
class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void reminder_data();
    void reminder();
    void reminderAnswers_data();
    void reminderAnswers();
    void storedDateRoundTrips_data();
    void storedDateRoundTrips();
    void unstorableDateSilencesTheReminder_data();
    void unstorableDateSilencesTheReminder();
    void settingsStoreReportsWhatItCannotKeep_data();
    void settingsStoreReportsWhatItCannotKeep();

    void secondCopyIsTurnedAway();
    void lockOfAnotherProcess_data();
    void lockOfAnotherProcess();
    void leftoverLockIsTakenOver_data();
    void leftoverLockIsTakenOver();
    void lockThatCannotBeMadeStartsUnguarded_data();
    void lockThatCannotBeMadeStartsUnguarded();
    void startupFollowsTheClaim_data();
    void startupFollowsTheClaim();
    void racingCopiesGetOneLock_data();
    void racingCopiesGetOneLock();
    void fallbackLockIsTheUsersOwn();
};

static const QString Key = QStringLiteral("LastUpdateReminder");
static const QString Question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

void tst_Startup::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void tst_Startup::reminder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("storedAfter");
    const QDate today(2026, 12, 8);
    auto iso = [](QDate date) { return date.toString(Qt::ISODate); };
    QTest::newRow("first start") << "" << false << iso(today);
    QTest::newRow("14 days ago") << iso(today.addDays(-14)) << false << iso(today.addDays(-14));
    QTest::newRow("15 days ago") << iso(today.addDays(-15)) << true << iso(today);
    QTest::newRow("14 days ahead") << iso(today.addDays(14)) << false << iso(today.addDays(14));
    QTest::newRow("15 days ahead") << iso(today.addDays(15)) << true << iso(today);
    QTest::newRow("a year ago") << iso(today.addYears(-1)) << true << iso(today);
    QTest::newRow("today") << iso(today) << false << iso(today);
    QTest::newRow("unreadable") << "next Tuesday" << false << iso(today);
    QTest::newRow("two-digit short date") << "12/8/26" << false << iso(today);
}

void tst_Startup::reminder()
{
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);

    FakePlatform platform;
    if (!stored.isEmpty())
        platform.settings[Key] = stored;
    RemindOfUpdate();
    QCOMPARE(platform.questions, asks ? QStringList {Question} : QStringList {});
    QCOMPARE(platform.settings.value(Key), storedAfter);
    QVERIFY(platform.messages.isEmpty());
}

void tst_Startup::reminderAnswers_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void tst_Startup::reminderAnswers()
{
    QFETCH(bool, yes);
    FakePlatform platform;
    platform.settings[Key] = QDate(2026, 11, 1).toString(Qt::ISODate);
    platform.answerYes = yes;
    RemindOfUpdate();
    QCOMPARE(platform.questions.size(), 1);
    QCOMPARE(platform.opened,
             yes ? QList<QUrl> {webPageAddress(WebPage::DownloadWebPage)} : QList<QUrl> {});

    // Whatever the answer, the next start within fourteen days asks nothing.
    platform.todayDate = platform.todayDate.addDays(13);
    RemindOfUpdate();
    QCOMPARE(platform.questions.size(), 1);
}

void tst_Startup::storedDateRoundTrips_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("en_US") << "en_US";
    QTest::newRow("de_DE") << "de_DE";
}

void tst_Startup::storedDateRoundTrips()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    FakePlatform platform;
    RemindOfUpdate(); // first start stores today
    QCOMPARE(platform.questions.size(), 0);
    // A week later, in the same locale, the stored date still reads as the same day.
    platform.todayDate = platform.todayDate.addDays(7);
    RemindOfUpdate();
    QCOMPARE(platform.questions.size(), 0);
    // And 15 days after it, the question comes once.
    platform.todayDate = platform.todayDate.addDays(8);
    RemindOfUpdate();
    QCOMPARE(platform.questions.size(), 1);
}

void tst_Startup::unstorableDateSilencesTheReminder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("warns");
    const QDate today(2026, 12, 8);
    QTest::newRow("first start") << "" << true;
    QTest::newRow("15 days ago") << today.addDays(-15).toString(Qt::ISODate) << true;
    QTest::newRow("a year ago") << today.addYears(-1).toString(Qt::ISODate) << true;
    QTest::newRow("5 days ago, nothing to store")
        << today.addDays(-5).toString(Qt::ISODate) << false;
}

void tst_Startup::unstorableDateSilencesTheReminder()
{
    QFETCH(QString, stored);
    QFETCH(bool, warns);
    FakePlatform platform;
    if (!stored.isEmpty())
        platform.settings[Key] = stored;
    platform.unwritableBecause = QStringLiteral("/home/u/.config/k.conf cannot be written");
    platform.answerYes = true;
    // Asked every time and never remembered: the same start after start, so better not at all.
    for (int start = 0; start < 2; ++start) {
        if (warns)
            QTest::ignoreMessage(QtWarningMsg,
                                 "kesto-astrology: the update reminder stays silent, as the date "
                                 "of its last question cannot be stored: /home/u/.config/k.conf "
                                 "cannot be written");
        RemindOfUpdate();
        QCOMPARE(platform.questions, QStringList {});
        QVERIFY(platform.opened.isEmpty());
    }
}

void tst_Startup::settingsStoreReportsWhatItCannotKeep_data()
{
    QTest::addColumn<QString>("inTheWay");
    QTest::addColumn<bool>("kept");
    QTest::newRow("writable") << "" << true;
    QTest::newRow("a damaged file is written over") << "damaged file" << true;
    QTest::newRow("a folder in the file's place") << "folder" << false;
    QTest::newRow("a file in the folder's place") << "file as folder" << false;
}

void tst_Startup::settingsStoreReportsWhatItCannotKeep()
{
    QFETCH(QString, inTheWay);
    QFETCH(bool, kept);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QString folder = home.filePath("config");
    QVERIFY(QDir().mkpath(folder));
    const QString fileName = QStringLiteral("/Kesto Astrology Suite.conf");
    if (inTheWay == "damaged file") {
        QFile file(folder + fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x01\xff[[[Settings\n=\n\\\\\\\n\0garbage", 28);
    } else if (inTheWay == "folder") {
        QVERIFY(QDir().mkpath(folder + fileName));
    } else if (inTheWay == "file as folder") {
        folder = home.filePath("plain-file");
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);

    QtSettingsStore store;
    store.setValue(Key, "2026-12-08");
    if (kept) {
        QCOMPARE(store.storeError(), QString());
        QCOMPARE(QtSettingsStore().value(Key), "2026-12-08");
    } else {
        QCOMPARE(store.storeError(), folder + fileName + " cannot be written");
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString());
}

void tst_Startup::secondCopyIsTurnedAway()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString lockPath = folder.filePath("kesto.lock");
    LockFileInstanceGuard first(lockPath);
    QCOMPARE(first.tryAcquire().outcome, InstanceClaim::Outcome::Acquired);

    FakePlatform platform;
    LockFileInstanceGuard second(lockPath);
    std::unique_ptr<frmMDI> window = startKestoAstrology(second);
    QVERIFY(!window);
    QCOMPARE(platform.messages, QStringList {"Application is already running"});
    // The second copy reminds of nothing: it does not get that far.
    QVERIFY(platform.settings.isEmpty());
}

namespace {

// Another copy in a process of its own: it takes the lock, says so, and keeps it until released
// or killed.
class HoldingProcess
{
public:
    explicit HoldingProcess(const QString &lockPath)
    {
        int taken[2];
        if (pipe(taken) != 0 || pipe(m_release) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            // Dies of the signal as a copy of the program would, without the test's handlers.
            std::signal(SIGABRT, SIG_DFL);
            std::signal(SIGTERM, SIG_DFL);
            ::close(taken[0]);
            ::close(m_release[1]);
            LockFileInstanceGuard guard(lockPath);
            const char outcome = char('0' + int(guard.tryAcquire().outcome));
            if (::write(taken[1], &outcome, 1) != 1)
                _exit(1);
            char byte;
            [[maybe_unused]] const ssize_t got = ::read(m_release[0], &byte, 1);
            _exit(0);
        }
        ::close(taken[1]);
        ::close(m_release[0]);
        char outcome = 0;
        m_acquired = ::read(taken[0], &outcome, 1) == 1
            && outcome == char('0' + int(InstanceClaim::Outcome::Acquired));
        ::close(taken[0]);
    }
    ~HoldingProcess() { end(0); }

    bool acquired() const { return m_acquired; }

    // Lets the copy end on its own, or kills it on the spot; waits until it is gone.
    void end(int signal)
    {
        if (m_pid <= 0)
            return;
        if (signal)
            ::kill(m_pid, signal);
        ::close(m_release[1]);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    int m_release[2] = {-1, -1};
    bool m_acquired = false;
};

} // namespace

void tst_Startup::lockOfAnotherProcess_data()
{
    QTest::addColumn<int>("endSignal");
    QTest::newRow("copy ends normally") << 0;
    QTest::newRow("copy is killed") << int(SIGKILL);
    QTest::newRow("copy aborts") << int(SIGABRT);
    QTest::newRow("copy is terminated") << int(SIGTERM);
}

// A running copy turns the next one away; once it has gone, however it went, the next starts.
void tst_Startup::lockOfAnotherProcess()
{
    QFETCH(int, endSignal);
    QTemporaryDir folder;
    const QString lockPath = folder.filePath("kesto.lock");
    HoldingProcess running(lockPath);
    QVERIFY(running.acquired());
    {
        FakePlatform platform;
        LockFileInstanceGuard second(lockPath);
        QVERIFY(!startKestoAstrology(second));
        QCOMPARE(platform.messages, QStringList {"Application is already running"});
    }
    running.end(endSignal);
    QVERIFY(QFile::exists(lockPath));

    FakePlatform platform;
    LockFileInstanceGuard next(lockPath);
    QVERIFY(startKestoAstrology(next));
    QVERIFY(platform.messages.isEmpty());
}

void tst_Startup::leftoverLockIsTakenOver_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("note"); // what the claim says stood in the way
    QTest::newRow("empty file") << "empty"
                                << "";
    QTest::newRow("garbage") << "garbage"
                             << "";
    QTest::newRow("dead process on another host") << "other host"
                                                  << "";
    QTest::newRow("dead process on this host") << "this host"
                                               << "";
    QTest::newRow("unreadable own file")
        << "mode 000" << (geteuid() == 0 ? "" : "kesto.lock cannot be opened");
    QTest::newRow("folder") << "folder"
                            << "kesto.lock is a folder, so the lock is ";
    QTest::newRow("dangling link") << "dangling link"
                                   << "kesto.lock is a link, so the lock is ";
    QTest::newRow("link to a file") << "link to a file"
                                    << "kesto.lock is a link, so the lock is ";
    QTest::newRow("pipe") << "pipe"
                          << "kesto.lock is not a plain file, so the lock is ";
    QTest::newRow("folder, then a link") << "folder, then a link"
                                         << "kesto.lock is a folder, ";
    if (geteuid() == 0)
        QTest::newRow("another user's file")
            << "another user"
            << "kesto.lock belongs to another user, so the lock is ";
}

// Writes the states a lock file can be found in after a crash, a power cut, a renamed host or
// someone else's doing.
static bool damageLock(const QString &path, const QString &state, const QString &spareFile)
{
    const QByteArray name = QFile::encodeName(path);
    auto write = [&](const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    if (state == "empty")
        return write({});
    if (state == "garbage")
        return write(QByteArray("\xff\xfe\0\x01not a lock\n\n\n-7\n", 18));
    if (state == "other host")
        return write("999999\nkesto-astrology\nhost-before-the-rename\n");
    if (state == "this host") {
        const pid_t child = fork();
        if (child == 0)
            _exit(0);
        waitpid(child, nullptr, 0); // a process id that has just gone
        return write(QByteArray::number(child) + "\nkesto-astrology\n"
                     + QSysInfo::machineHostName().toUtf8() + '\n');
    }
    if (state == "mode 000")
        return write("1\n") && ::chmod(name.constData(), 0) == 0;
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
    if (state == "another user")
        return write("1\n") && ::chown(name.constData(), 4242, 4242) == 0;
    return false;
}

void tst_Startup::leftoverLockIsTakenOver()
{
    QFETCH(QString, state);
    QFETCH(QString, note);
    QTemporaryDir folder;
    const QString lockPath = folder.filePath("kesto.lock");
    const QString spareFile = folder.filePath("letter.txt");
    {
        QFile spare(spareFile);
        QVERIFY(spare.open(QIODevice::WriteOnly));
        spare.write("Dear ...\n");
    }
    QVERIFY(damageLock(lockPath, state, spareFile));

    LockFileInstanceGuard first(lockPath);
    const InstanceClaim claim = first.tryAcquire();
    QCOMPARE(claim.outcome, InstanceClaim::Outcome::Acquired);
    if (note.isEmpty())
        QCOMPARE(claim.note, QString());
    else
        QVERIFY2(claim.note.startsWith(folder.path() + '/' + note), qPrintable(claim.note));

    // The lock taken over really holds: the next copy is turned away.
    FakePlatform platform;
    LockFileInstanceGuard second(lockPath);
    QVERIFY(!startKestoAstrology(second));
    QCOMPARE(platform.messages, QStringList {"Application is already running"});
    // A link is never followed: the file it points at stays as it was.
    QFile spare(spareFile);
    QVERIFY(spare.open(QIODevice::ReadOnly));
    QCOMPARE(spare.readAll(), "Dear ...\n");
}

void tst_Startup::lockThatCannotBeMadeStartsUnguarded_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing folder") << "missing folder"
                                    << "No such file or directory";
    QTest::newRow("file in the folder's place") << "file as folder"
                                                << "Not a directory";
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "Permission denied";
    QTest::newRow("every name taken") << "every name taken"
                                      << "is a folder";
}

void tst_Startup::lockThatCannotBeMadeStartsUnguarded()
{
    QFETCH(QString, state);
    QFETCH(QString, why);
    QTemporaryDir top;
    QString folder = top.filePath("run");
    QVERIFY(QDir().mkpath(folder));
    if (state == "missing folder") {
        folder = top.filePath("gone");
    } else if (state == "file as folder") {
        folder = top.filePath("plain");
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (state == "read-only folder") {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    } else if (state == "every name taken") {
        QVERIFY(QDir().mkpath(folder + "/kesto.lock"));
        for (int index = 1; index <= LockFileInstanceGuard::AlternativeCount; ++index)
            QVERIFY(QDir().mkpath(
                LockFileInstanceGuard::alternativePath(folder + "/kesto.lock", index)));
    }
    const QString lockPath = folder + "/kesto.lock";

    LockFileInstanceGuard guard(lockPath);
    const InstanceClaim claim = guard.tryAcquire();
    QCOMPARE(claim.outcome, InstanceClaim::Outcome::Unavailable);
    QVERIFY2(claim.note.contains(lockPath) && claim.note.contains(why), qPrintable(claim.note));

    FakePlatform platform;
    LockFileInstanceGuard again(lockPath);
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable("kesto-astrology: starting without the check for another "
                                    "running copy: "
                                    + claim.note));
    QVERIFY(startKestoAstrology(again));
    QVERIFY(platform.messages.isEmpty());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

namespace {

// Gives what it is told to, as a guard would in a state the file system cannot be put in here.
class TellingGuard : public InstanceGuard
{
public:
    explicit TellingGuard(InstanceClaim claim)
        : m_claim(std::move(claim))
    { }
    InstanceClaim tryAcquire() override { return m_claim; }

private:
    InstanceClaim m_claim;
};

} // namespace

void tst_Startup::startupFollowsTheClaim_data()
{
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("warning");
    using O = InstanceClaim::Outcome;
    QTest::newRow("acquired") << int(O::Acquired) << "" << true << "";
    QTest::newRow("acquired past a folder")
        << int(O::Acquired) << "/run/k.lock is a folder, so the lock is /run/k.lock.1" << true
        << "kesto-astrology: /run/k.lock is a folder, so the lock is /run/k.lock.1";
    QTest::newRow("held by a live copy") << int(O::HeldByLiveCopy) << "" << false << "";
    QTest::newRow("no space")
        << int(O::Unavailable) << "cannot make the lock file /run/k.lock: No space left on device"
        << true
        << "kesto-astrology: starting without the check for another running copy: cannot make "
           "the lock file /run/k.lock: No space left on device";
    QTest::newRow("read-only file system")
        << int(O::Unavailable) << "cannot make the lock file /run/k.lock: Read-only file system"
        << true
        << "kesto-astrology: starting without the check for another running copy: cannot make "
           "the lock file /run/k.lock: Read-only file system";
}

// Only a live copy holding the lock turns a start away; every other trouble is said once on
// standard error and the program starts.
void tst_Startup::startupFollowsTheClaim()
{
    QFETCH(int, outcome);
    QFETCH(QString, note);
    QFETCH(bool, starts);
    QFETCH(QString, warning);
    FakePlatform platform;
    TellingGuard guard({InstanceClaim::Outcome(outcome), note});
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    std::unique_ptr<frmMDI> window = startKestoAstrology(guard);
    QCOMPARE(bool(window), starts);
    QCOMPARE(platform.messages,
             starts ? QStringList {} : QStringList {"Application is already running"});
    // The reminder runs only for a copy that starts: the first start stores today.
    QCOMPARE(platform.settings.contains(Key), starts);
}

void tst_Startup::racingCopiesGetOneLock_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("no file") << "";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("dead process on another host") << "other host";
    QTest::newRow("dangling link") << "dangling link";
    QTest::newRow("folder") << "folder";
}

// Copies started at the same instant: exactly one gets the lock, the others are turned away.
void tst_Startup::racingCopiesGetOneLock()
{
    QFETCH(QString, state);
    constexpr int Copies = 6;
    for (int round = 0; round < 8; ++round) {
        QTemporaryDir folder;
        const QString lockPath = folder.filePath("kesto.lock");
        if (!state.isEmpty())
            QVERIFY(damageLock(lockPath, state, folder.filePath("spare")));
        int go[2], results[2], release[2];
        QVERIFY(pipe(go) == 0 && pipe(results) == 0 && pipe(release) == 0);
        QList<pid_t> children;
        for (int copy = 0; copy < Copies; ++copy) {
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                ::close(go[1]);
                ::close(release[1]);
                char byte;
                [[maybe_unused]] ssize_t got = ::read(go[0], &byte, 1); // all go at once
                LockFileInstanceGuard guard(lockPath);
                const char outcome = char('0' + int(guard.tryAcquire().outcome));
                if (::write(results[1], &outcome, 1) != 1)
                    _exit(1);
                got = ::read(release[0], &byte, 1); // hold the lock until every copy has tried
                _exit(0);
            }
            children.append(child);
        }
        ::close(go[0]);
        ::close(results[1]);
        ::close(release[0]);
        ::close(go[1]);
        QMap<int, int> outcomes;
        char outcome;
        for (int copy = 0; copy < Copies && ::read(results[0], &outcome, 1) == 1; ++copy)
            ++outcomes[outcome - '0'];
        ::close(results[0]);
        ::close(release[1]);
        for (pid_t child : children)
            waitpid(child, nullptr, 0);
        using O = InstanceClaim::Outcome;
        const QMap<int, int> expected {{int(O::Acquired), 1}, {int(O::HeldByLiveCopy), Copies - 1}};
        QCOMPARE(outcomes, expected);
    }
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

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
