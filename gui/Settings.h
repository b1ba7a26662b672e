#pragma once

#include "SettingKey.h"

#include <QDate>
#include <QString>

// The program's settings, typed, in the store the platform provides. Every value is read from
// the store when asked for, so a value changed by hand is seen at the next question.
class Settings
{
public:
    // The date of the last update reminder; invalid when none is stored or the text is no date.
    static QDate lastUpdateReminder();
    // False, with the reason in `error`, when the store could not keep it.
    static bool setLastUpdateReminder(QDate date, QString *error);

    // The folder a reading was last saved in; empty when none is stored.
    static QString readingFolder();
    static bool setReadingFolder(const QString &folder, QString *error);

    // The web server named in the settings, as written there (trimmed); empty when none.
    static QString webHost();
};
