#include "QtPlatform.h"

#include "IniSettingsFile.h"
#include "gui/AppInfo.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
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

QtWebOpener::~QtWebOpener()
{
    // A browser that xdg-open started runs on without it; nothing is reported any more.
    for (QProcess *process : std::as_const(m_running)) {
        process->disconnect();
        process->kill();
        process->waitForFinished(1000);
        delete process;
    }
}

void QtWebOpener::open(const QUrl &address, std::function<void()> failed)
{
    // In a Flatpak or Snap sandbox only Qt's opener reaches the desktop, through its portal.
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty() || qEnvironmentVariableIsSet("FLATPAK_ID")
        || qEnvironmentVariableIsSet("SNAP")) {
        if (!QDesktopServices::openUrl(address))
            failed();
        return;
    }
    auto *process = new QProcess;
    process->setProgram(xdgOpen);
    process->setArguments({address.toString(QUrl::FullyEncoded)});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    m_running.append(process);
    const auto ended = [this, process, failed](bool ok) {
        m_running.removeOne(process);
        process->deleteLater();
        if (!ok)
            failed();
    };
    QObject::connect(process, &QProcess::finished, process,
                     [ended](int code, QProcess::ExitStatus status) {
                         ended(status == QProcess::NormalExit && code == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [ended](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             ended(false);
                     });
    process->start();
}

namespace {

const QString Section = QStringLiteral("Settings");

// Where QSettings keeps the program's settings, so that both read and write the same file.
QString settingsFilePath()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::title()).fileName();
}

} // namespace

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)

// The store is a file here. QSettings would rewrite it whole through a QSaveFile that renames
// even after a failed write, and report success over an empty file on a full disk; it would also
// drop the user's comments. The file is edited in place and written safely instead.
QString QtSettingsStore::value(SettingKey key)
{
    return IniSettingsFile(settingsFilePath()).value(Section, settingName(key));
}

bool QtSettingsStore::setValue(SettingKey key, const QString &value, QString *error)
{
    QString why;
    if (IniSettingsFile(settingsFilePath()).setValue(Section, settingName(key), value, &why))
        return true;
    if (error)
        *error = why;
    return false;
}

#else

// Elsewhere the system's own store (the registry, preferences) keeps each value on its own.
QString QtSettingsStore::value(SettingKey key)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::title());
    return settings.value(Section + QLatin1Char('/') + settingName(key)).toString();
}

bool QtSettingsStore::setValue(SettingKey key, const QString &value, QString *error)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::title());
    settings.setValue(Section + QLatin1Char('/') + settingName(key), value);
    settings.sync();
    if (settings.status() == QSettings::NoError
        && settings.value(Section + QLatin1Char('/') + settingName(key)).toString() == value)
        return true;
    if (error)
        *error = QStringLiteral("%1 cannot be written").arg(settings.fileName());
    return false;
}

#endif

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

QString QtDocumentDialogs::saveFileName(QWidget *parent, const QString &caption,
                                        const QString &proposed, const QStringList &filters,
                                        QString *filter)
{
    // The desktop's own dialog where it has one.
    return QFileDialog::getSaveFileName(parent, caption, proposed,
                                        filters.join(QStringLiteral(";;")), filter);
}

bool QtDocumentDialogs::choosePrinter(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QtPlatform::QtPlatform()
{
    m_previous =
        Platform::install({&m_prompter, &m_web, &m_settings, &m_clock, &m_screen, &m_dialogs});
}

QtPlatform::~QtPlatform()
{
    Platform::install(m_previous);
}
