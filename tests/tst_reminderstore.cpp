#include "FakePlatform.h"

#include "app/QtPlatform.h"
#include "app/UpdateReminder.h"

#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The update reminder against the real per-user settings store, kept in a temporary folder: the
// file it writes, and what it makes of that file at the next start, in more than one locale.
class tst_ReminderStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void reminder_data();
    void reminder();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

namespace {

const QString Question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

// The file of the program's settings, as it lies in the store's folder.
QString settingsFile(const QTemporaryDir &folder)
{
    return folder.filePath(QStringLiteral("Kesto Astrology Suite.conf"));
}

QString fileText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(no file %1)").arg(path);
    return QString::fromUtf8(file.readAll());
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

QString storedLine(const QString &date)
{
    return QStringLiteral("[Settings]\nLastUpdateReminder=%1\n").arg(date);
}

} // namespace

void tst_ReminderStore::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder->path());
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

    // Today is 8 December 2026.
    for (const char *locale : {"en_US", "de_DE"}) {
        const auto row = [locale](const char *what, const char *stored, bool asks,
                                  const char *after) {
            QTest::addRow("%s, %s", locale, what)
                << QString::fromLatin1(locale) << stored << asks << QString::fromLatin1(after);
        };
        row("first start", "", false, "2026-12-08");
        row("14 days ago", "2026-11-24", false, "2026-11-24");
        row("15 days ago", "2026-11-23", true, "2026-12-08");
        row("14 days ahead", "2026-12-22", false, "2026-12-22");
        row("15 days ahead", "2026-12-23", true, "2026-12-08");
    }
}

// One start, then the next starts 14 and 15 days after the date the first one left.
void tst_ReminderStore::reminder()
{
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);

    QLocale::setDefault(QLocale(locale));
    const QString path = settingsFile(*m_folder);
    if (!stored.isEmpty())
        QVERIFY(writeFile(path, storedLine(stored)));

    // Everything but the store stands in for the desktop.
    FakePlatform desktop;
    QtSettingsStore store;
    const Platform previous = Platform::install({&desktop, &desktop, &store, &desktop, &desktop});
    const auto restore = qScopeGuard([&previous] { Platform::install(previous); });

    RemindOfUpdate();
    QCOMPARE(desktop.questions, asks ? QStringList {Question} : QStringList {});
    QCOMPARE(fileText(path), storedLine(storedAfter));
    QVERIFY(desktop.settings.isEmpty());

    // The date just kept reads back as itself: nothing for fourteen days, then the question.
    desktop.questions.clear();
    desktop.todayDate = QDate::fromString(storedAfter, Qt::ISODate).addDays(14);
    RemindOfUpdate();
    QCOMPARE(desktop.questions, QStringList {});
    QCOMPARE(fileText(path), storedLine(storedAfter));
    desktop.todayDate = desktop.todayDate.addDays(1);
    RemindOfUpdate();
    QCOMPARE(desktop.questions, QStringList {Question});
    QCOMPARE(fileText(path), storedLine(desktop.todayDate.toString(Qt::ISODate)));
}

QTEST_MAIN(tst_ReminderStore)
#include "tst_reminderstore.moc"
