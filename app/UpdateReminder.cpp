#include "UpdateReminder.h"

#include "gui/Platform.h"
#include "gui/WebPages.h"

#include <QDebug>

namespace {

const QString LastReminderKey = QStringLiteral("LastUpdateReminder");

// The date is kept as ISO 8601 text (2026-12-08), not in the locale's short form: a two-digit
// short year would read back a century early and the reminder would come at every start.
QString storedForm(QDate date)
{
    return date.toString(Qt::ISODate);
}

QDate readStored(const QString &text)
{
    return QDate::fromString(text.trimmed(), Qt::ISODate);
}

// Stores today as the last reminder; false, with a line on standard error, when it cannot be kept.
bool storeToday(Platform &platform, QDate today)
{
    platform.settings->setValue(LastReminderKey, storedForm(today));
    const QString error = platform.settings->storeError();
    if (error.isEmpty())
        return true;
    qWarning().noquote() << QStringLiteral(
                                "kesto-astrology: the update reminder stays silent, as the date "
                                "of its last question cannot be stored: %1")
                                .arg(error);
    return false;
}

} // namespace

void RemindOfUpdate(QWidget *parent)
{
    Platform &platform = Platform::current();
    const QDate today = platform.clock->today();
    const QDate last = readStored(platform.settings->value(LastReminderKey));
    // A value that is not a date counts as none: remember today, ask nothing.
    if (!last.isValid()) {
        storeToday(platform, today);
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;
    // Today is stored whatever the answer, so it is stored first: a question whose answer could
    // never be remembered would come back at every start.
    if (!storeToday(platform, today))
        return;
    const bool yes = platform.prompter->askYesNo(
        parent,
        QStringLiteral("There maybe an update to this software available\r"
                       "Do you want to check for an update?"));
    if (yes)
        OpenWebPage(WebPage::DownloadWebPage);
}
