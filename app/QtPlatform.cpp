#include "QtPlatform.h"

#include "AppInfo.h"

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

// A carriage return alone starts a new line in the program's messages; Qt's labels break lines
// only at line feeds.
static QString shownText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void QtMessagePrompter::information(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, AppInfo::title(), shownText(text), QMessageBox::Ok);
}

bool QtMessagePrompter::askYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, AppInfo::title(), shownText(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

void QtWebOpener::open(const QUrl &address)
{
    // The desktop starts the browser on its own; whether it could is not ours to report.
    QDesktopServices::openUrl(address);
}

QString QtSettingsStore::value(const QString &key)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::title());
    return settings.value(QStringLiteral("Settings/") + key).toString();
}

void QtSettingsStore::setValue(const QString &key, const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::title());
    settings.setValue(QStringLiteral("Settings/") + key, value);
}

QDate QtClock::today()
{
    return QDate::currentDate();
}

QSize QtScreenMetrics::screenSize()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->size();
    return {800, 600};
}

qreal QtScreenMetrics::logicalDpiX()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchX();
    return 96;
}

qreal QtScreenMetrics::logicalDpiY()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchY();
    return 96;
}

LockFileInstanceGuard::LockFileInstanceGuard(const QString &lockFilePath)
    : m_lock(lockFilePath)
{
    // Only a lock whose holder is gone is stale, however long the holder has been running.
    m_lock.setStaleLockTime(0);
}

bool LockFileInstanceGuard::tryAcquire()
{
    return m_lock.tryLock(0);
}

QString LockFileInstanceGuard::defaultLockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/kesto-astrology.lock");
}

QtPlatform::QtPlatform()
{
    m_previous = Platform::install({&m_prompter, &m_web, &m_settings, &m_clock, &m_screen});
}

QtPlatform::~QtPlatform()
{
    Platform::install(m_previous);
}
