#include "QtPlatform.h"

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

QString QtSettingsStore::value(const QString &key)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::title());
    return settings.value(QStringLiteral("Settings/") + key).toString();
}

void QtSettingsStore::setValue(const QString &key, const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::title());
    settings.setValue(QStringLiteral("Settings/") + key, value);
    // QSettings writes when asked to sync; only then does a read-only file or a full disk show.
    settings.sync();
    m_storeError.clear();
    if (settings.status() == QSettings::AccessError)
        m_storeError = QStringLiteral("%1 cannot be written").arg(settings.fileName());
}

QString QtSettingsStore::storeError()
{
    return m_storeError;
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
