#include "Settings.h"

#include "Platform.h"

QDate Settings::lastUpdateReminder()
{
    // ISO 8601 (2026-12-08), not the locale's short form: a two-digit short year would read back
    // a century early and the reminder would come at every start.
    return QDate::fromString(
        Platform::current().settings->value(SettingKey::LastUpdateReminder).trimmed(), Qt::ISODate);
}

bool Settings::setLastUpdateReminder(QDate date, QString *error)
{
    return Platform::current().settings->setValue(SettingKey::LastUpdateReminder,
                                                  date.toString(Qt::ISODate), error);
}

QString Settings::readingFolder()
{
    return Platform::current().settings->value(SettingKey::ReadingFolder);
}

bool Settings::setReadingFolder(const QString &folder, QString *error)
{
    return Platform::current().settings->setValue(SettingKey::ReadingFolder, folder, error);
}

QString Settings::webHost()
{
    return Platform::current().settings->value(SettingKey::WebHost).trimmed();
}
