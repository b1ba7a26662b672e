#include "FakePlatform.h"
#include "FileSizeLimit.h"

#include "app/IniSettingsFile.h"
#include "app/QtPlatform.h"
#include "app/UpdateReminder.h"
#include "gui/WebPages.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The update reminder and the per-user settings store it keeps its date in, in a temporary
// folder: the file it writes, what it makes of that file at the next start in more than one
// locale, and what it does when the date cannot be kept.
class tst_ReminderStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void reminder_data();
    void reminder();
    void unstorableDateSilencesTheReminder();
    void storeReportsWhatItCannotKeep();
    void fullDiskKeepsEveryValue_data();
    void fullDiskKeepsEveryValue();
    void valuesReadBackAsQtReadsThem_data();
    void valuesReadBackAsQtReadsThem();
    void editThatDoesNotReadBackKeepsABackup();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

namespace {

const QString Key = QStringLiteral("LastUpdateReminder");
const QString Question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(no file)";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray storedLine(const QString &date)
{
    return "[Settings]\nLastUpdateReminder=" + date.toUtf8() + '\n';
}

} // namespace

void tst_ReminderStore::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder->path());
}

void tst_ReminderStore::cleanup()
{
    QLocale::setDefault(QLocale::c());
    m_folder.reset();
}

void tst_ReminderStore::reminder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored"); // the file's date before the start; empty: no file
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("storedAfter");
    const auto row = [](const char *locale, const char *what, const char *stored, bool asks,
                        const char *after) {
        QTest::addRow("%s, %s", locale, what) << locale << stored << asks << after;
    };
    // Today is 8 December 2026.
    for (const char *locale : {"en_US", "de_DE"}) {
        row(locale, "first start", "", false, "2026-12-08");
        row(locale, "14 days ago", "2026-11-24", false, "2026-11-24");
        row(locale, "15 days ago", "2026-11-23", true, "2026-12-08");
        row(locale, "14 days ahead", "2026-12-22", false, "2026-12-22");
        row(locale, "15 days ahead", "2026-12-23", true, "2026-12-08");
    }
    // What is not a date counts as none; a short year would read back a century early.
    row("en_US", "unreadable", "next Tuesday", false, "2026-12-08");
    row("en_US", "two-digit short date", "12/8/26", false, "2026-12-08");
}

// One start, then the next starts 14 and 15 days after the date the first one left.
void tst_ReminderStore::reminder()
{
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);

    QLocale::setDefault(QLocale(locale));
    const QString path = m_folder->filePath("Kesto Astrology Suite.conf");
    if (!stored.isEmpty())
        QVERIFY(writeFile(path, storedLine(stored)));

    // Everything but the store stands in for the desktop.
    FakePlatform desktop;
    QtSettingsStore store;
    const Platform previous =
        Platform::install({&desktop, &desktop, &store, &desktop, &desktop, &desktop});
    const auto restore = qScopeGuard([&previous] { Platform::install(previous); });

    desktop.answerYes = true;
    RemindOfUpdate();
    QCOMPARE(desktop.questions, asks ? QStringList {Question} : QStringList {});
    QCOMPARE(desktop.opened,
             asks ? QList<QUrl> {webPageAddress(WebPage::DownloadWebPage)} : QList<QUrl> {});
    QCOMPARE(fileBytes(path), storedLine(storedAfter));

    // The date just kept reads back as itself: nothing for fourteen days, then the question,
    // answered No this time, which opens nothing and is remembered as well.
    desktop.clear();
    desktop.answerYes = false;
    desktop.todayDate = QDate::fromString(storedAfter, Qt::ISODate).addDays(14);
    RemindOfUpdate();
    QCOMPARE(desktop.questions, QStringList {});
    desktop.todayDate = desktop.todayDate.addDays(1);
    RemindOfUpdate();
    QCOMPARE(desktop.questions, QStringList {Question});
    QVERIFY(desktop.opened.isEmpty());
    QCOMPARE(fileBytes(path), storedLine(desktop.todayDate.toString(Qt::ISODate)));
}

// Asked at every start and never remembered, the question would come start after start: better
// not at all.
void tst_ReminderStore::unstorableDateSilencesTheReminder()
{
    FakePlatform platform;
    platform.unwritableBecause = QStringLiteral("/home/u/.config/k.conf cannot be written");
    platform.answerYes = true;
    for (const char *stored : {"", "2026-11-23"}) { // first start, 15 days ago
        platform.settings[Key] = stored;
        QTest::ignoreMessage(QtWarningMsg,
                             "kesto-astrology: the update reminder stays silent, as the date of "
                             "its last question cannot be stored: /home/u/.config/k.conf cannot "
                             "be written");
        RemindOfUpdate();
    }
    QCOMPARE(platform.questions, QStringList {});
    QVERIFY(platform.opened.isEmpty());
}

// A folder in the file's place is reported; a damaged file is written over.
void tst_ReminderStore::storeReportsWhatItCannotKeep()
{
    const QString path = m_folder->filePath("Kesto Astrology Suite.conf");
    QVERIFY(QDir().mkpath(path));
    QtSettingsStore store;
    QString error;
    QVERIFY(!store.setValue(SettingKey::LastUpdateReminder, "2026-12-08", &error));
    QCOMPARE(error, path + " cannot be written: A folder of that name is there.");

    QVERIFY(QDir().rmdir(path));
    QVERIFY(writeFile(path, QByteArray("\x01\xff[[[Settings\n=\n\\\\\\\n\0garbage", 28)));
    QVERIFY(store.setValue(SettingKey::LastUpdateReminder, "2026-12-08", &error));
    QCOMPARE(QtSettingsStore().value(SettingKey::LastUpdateReminder), "2026-12-08");
}

namespace {

// A file as a person keeps it: comments, a line no program reads, another section, the program's
// own values among them.
const QByteArray UsersFile = "; my settings, kept by hand\n"
                             "[Settings]\n"
                             "# the web server at work\n"
                             "WebHost=example.org ; until March\n"
                             "LastUpdateReminder=2020-01-01\n"
                             "a line without an equals sign\n"
                             "ReadingFolder=/home/me/Readings\n"
                             "\n"
                             "[Other]\n"
                             "Colour=\"red, green\"\n";

} // namespace

void tst_ReminderStore::fullDiskKeepsEveryValue_data()
{
    // Room for the file's bytes at most: a full disk, or no room at all.
    QTest::addColumn<qsizetype>("room");
    QTest::addColumn<bool>("asks"); // the date is stored and the question asked
    QTest::newRow("no room") << qsizetype(0) << false;
    QTest::newRow("room for half the file") << UsersFile.size() / 2 << false;
    QTest::newRow("room for the file") << UsersFile.size() << true;
}

// The reminder's date is written over the user's file: when it cannot be, the file stays as it
// was byte for byte, the reason goes to standard error and no question comes; when it can, only
// the date's line changes.
void tst_ReminderStore::fullDiskKeepsEveryValue()
{
    QFETCH(qsizetype, room);
    QFETCH(bool, asks);
    const QString path = m_folder->filePath("Kesto Astrology Suite.conf");
    QVERIFY(writeFile(path, UsersFile));
    FakePlatform desktop;
    QtSettingsStore store;
    const Platform previous =
        Platform::install({&desktop, &desktop, &store, &desktop, &desktop, &desktop});
    const auto restore = qScopeGuard([&previous] { Platform::install(previous); });

    if (!asks)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^kesto-astrology: the update reminder stays "
                                                "silent, as the date of its last question cannot "
                                                "be stored: .*Kesto Astrology Suite.conf cannot be "
                                                "written: File too large.$"));
    {
        const FileSizeLimit full {rlim_t(room)};
        QVERIFY(full.isActive());
        RemindOfUpdate();
    }
    QCOMPARE(desktop.questions, asks ? QStringList {Question} : QStringList {});
    QByteArray expected = UsersFile;
    if (asks)
        expected.replace("LastUpdateReminder=2020-01-01", "LastUpdateReminder=2026-12-08");
    QCOMPARE(fileBytes(path), expected);
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {"Kesto Astrology Suite.conf"});
    QSettings qt(path, QSettings::IniFormat);
    QCOMPARE(qt.value("Settings/WebHost").toString(), "example.org");
    QCOMPARE(qt.value("Settings/ReadingFolder").toString(), "/home/me/Readings");
    QCOMPARE(qt.value("Other/Colour").toString(), "red, green");
}

void tst_ReminderStore::valuesReadBackAsQtReadsThem_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("folder") << "/home/me/My Readings";
    QTest::newRow("blanks around") << "  two blanks  ";
    QTest::newRow("list and comment marks") << "a,b;c=d";
    QTest::newRow("quotes and backslashes") << R"("C:\Readings" \ A)";
    QTest::newRow("at sign first") << "@Invalid()";
    QTest::newRow("letters beyond ASCII")
        << QStringLiteral("/home/z\u00fc/\u65e5\u672c/\U0001F496");
    QTest::newRow("control characters")
        << QStringLiteral("tab\tline\nreturn\r bell\a\u0001a escape\u001b[0m\u007fF end");
    QTest::newRow("empty") << "";
}

// Each value written by this file's editor reads back through QSettings as itself, and each
// value QSettings wrote reads back through the editor as itself, in an existing section.
void tst_ReminderStore::valuesReadBackAsQtReadsThem()
{
    QFETCH(QString, value);
    const QString path = m_folder->filePath("edited.conf");
    QVERIFY(writeFile(path, "[Settings]\nWebHost=x\n"));
    QString error;
    QVERIFY2(IniSettingsFile(path).setValue("Settings", "ReadingFolder", value, &error),
             qPrintable(error));
    QCOMPARE(QSettings(path, QSettings::IniFormat).value("Settings/ReadingFolder").toString(),
             value);
    QCOMPARE(IniSettingsFile(path).value("Settings", "WebHost"), "x");

    const QString written = m_folder->filePath("qt.conf");
    {
        QSettings qt(written, QSettings::IniFormat);
        qt.setValue("Settings/WebHost", "x");
        qt.setValue("Settings/ReadingFolder", value);
    }
    QCOMPARE(IniSettingsFile(written).value("Settings", "ReadingFolder"), value);
}

// A quotation mark left open runs on over every line after it, so a value added there would not
// be read: the file is kept beside the new one, which holds what Qt read from it.
void tst_ReminderStore::editThatDoesNotReadBackKeepsABackup()
{
    const QString path = m_folder->filePath("edited.conf");
    const QByteArray old = "[Settings]\nWebHost=\"example.org\n; the rest\n";
    QVERIFY(writeFile(path, old));
    QString error;
    QVERIFY2(IniSettingsFile(path).setValue("Settings", "ReadingFolder", "/r", &error),
             qPrintable(error));
    QCOMPARE(fileBytes(path + ".bak"), old);
    QSettings qt(path, QSettings::IniFormat);
    QCOMPARE(qt.value("Settings/ReadingFolder").toString(), "/r");
    QCOMPARE(qt.value("Settings/WebHost"),
             QSettings(path + ".bak", QSettings::IniFormat).value("Settings/WebHost"));
}

QTEST_MAIN(tst_ReminderStore)
#include "tst_reminderstore.moc"
