#pragma once

#include "readings/core/Readings.h"

#include <QString>
#include <QStringList>

#include <memory>

// What a reading takes from its input window once the entries have passed the check.
struct BirthData
{
    kesto::Reading reading = kesto::Reading::LoveAstrology;
    QString firstName;
    QString middleName;
    QString lastName;
    QString name;  // the table readings' one name field
    int day = 0;   // 1..31
    int month = 0; // 1..12
    int year = 0;
    QString dayText;
    QString monthText;
    QString yearText;

    // A reading for two people: the partner's entries.
    std::shared_ptr<const BirthData> partner;

    kesto::BirthDate date() const { return {year, month, day}; }

    // The name as the user typed it: the sun-sign windows' three fields or the one of the
    // others, parted by blanks.
    QString personName() const
    {
        QStringList parts;
        for (const QString &part : {firstName, middleName, lastName, name}) {
            if (!part.trimmed().isEmpty())
                parts << part.trimmed();
        }
        return parts.join(QLatin1Char(' '));
    }
};
