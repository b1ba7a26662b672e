#include "UpdateReminder.h"

#include "Platform.h"
#include "WebPages.h"

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

} // namespace

void RemindOfUpdate(QWidget *parent)
{
    Platform &platform = Platform::current();
    const QDate today = platform.clock->today();
    const QDate last = readStored(platform.settings->value(LastReminderKey));
    // A value that is not a date counts as none: remember today, ask nothing.
    if (!last.isValid()) {
        platform.settings->setValue(LastReminderKey, storedForm(today));
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;
    const bool yes = platform.prompter->askYesNo(
        parent,
        QStringLiteral("There maybe an update to this software available\r"
                       "Do you want to check for an update?"));
    platform.settings->setValue(LastReminderKey, storedForm(today));
    if (yes)
        OpenWebPage(WebPage::DownloadWebPage);
}
