#include "QtPlatform.h"

#include "gui/AppInfo.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
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

QString QtSettingsStore::value(SettingKey key)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::title());
    return settings.value(QStringLiteral("Settings/") + settingName(key)).toString();
}

bool QtSettingsStore::setValue(SettingKey key, const QString &value, QString *error)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::title());
    settings.setValue(QStringLiteral("Settings/") + settingName(key), value);
    // QSettings writes when asked to sync; only then does a read-only file or a full disk show.
    settings.sync();
    if (settings.status() != QSettings::AccessError)
        return true;
    if (error)
        *error = QStringLiteral("%1 cannot be written").arg(settings.fileName());
    return false;
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
