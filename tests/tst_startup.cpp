#include "FakePlatform.h"

#include "app/AppStartup.h"
#include "app/QtPlatform.h"
#include "app/UpdateReminder.h"
#include "app/WebPages.h"
#include "app/frmMDI.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

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
    void secondCopyIsTurnedAway();
    void guardReleasesWithItsHolder();
    void lockOfACrashedCopyIsTakenOver();
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

void tst_Startup::secondCopyIsTurnedAway()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString lockPath = folder.filePath("kesto.lock");
    LockFileInstanceGuard first(lockPath);
    QVERIFY(first.tryAcquire());

    FakePlatform platform;
    LockFileInstanceGuard second(lockPath);
    std::unique_ptr<frmMDI> window = startKestoAstrology(second);
    QVERIFY(!window);
    QCOMPARE(platform.messages, QStringList {"Application is already running"});
    // The second copy reminds of nothing: it does not get that far.
    QVERIFY(platform.settings.isEmpty());
}

void tst_Startup::guardReleasesWithItsHolder()
{
    QTemporaryDir folder;
    const QString lockPath = folder.filePath("kesto.lock");
    {
        LockFileInstanceGuard first(lockPath);
        QVERIFY(first.tryAcquire());
        LockFileInstanceGuard second(lockPath);
        QVERIFY(!second.tryAcquire());
    }
    FakePlatform platform;
    LockFileInstanceGuard next(lockPath);
    std::unique_ptr<frmMDI> window = startKestoAstrology(next);
    QVERIFY(window);
    QVERIFY(platform.messages.isEmpty());
}

void tst_Startup::lockOfACrashedCopyIsTakenOver()
{
    QTemporaryDir folder;
    const QString lockPath = folder.filePath("kesto.lock");
    // A copy that takes the lock and dies without a chance to release it.
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        LockFileInstanceGuard crashing(lockPath);
        _exit(crashing.tryAcquire() ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QVERIFY(QFile::exists(lockPath));

    LockFileInstanceGuard next(lockPath);
    QVERIFY(next.tryAcquire());
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
