#include "UpdateReminder.h"

#include "gui/Platform.h"
#include "gui/Settings.h"
#include "gui/WebPages.h"

#include <QDebug>

namespace {

// Stores today as the last reminder; false, with a line on standard error, when it cannot be kept.
bool storeToday(QDate today)
{
    QString error;
    if (Settings::setLastUpdateReminder(today, &error))
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
    const QDate last = Settings::lastUpdateReminder();
    // A value that is not a date counts as none: remember today, ask nothing.
    if (!last.isValid()) {
        storeToday(today);
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;
    // Today is stored whatever the answer, so it is stored first: a question whose answer could
    // never be remembered would come back at every start.
    if (!storeToday(today))
        return;
    const bool yes = platform.prompter->askYesNo(
        parent,
        QStringLiteral("There maybe an update to this software available\r"
                       "Do you want to check for an update?"));
    if (yes)
        OpenWebPage(WebPage::DownloadWebPage);
}
