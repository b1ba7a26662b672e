#include "AppStartup.h"

#include "AppInfo.h"
#include "Look.h"
#include "QtPlatform.h"
#include "UpdateReminder.h"
#include "frmMDI.h"

#include <QApplication>

int runKestoAstrology(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("kesto-astrology"));
    QApplication::setApplicationDisplayName(AppInfo::title());
    Look::installFontSubstitutes();
    QtPlatform platform;

    LockFileInstanceGuard guard;
    if (!guard.tryAcquire()) {
        Platform::current().prompter->information(nullptr,
                                                  QStringLiteral("Application is already running"));
        return 0;
    }

    RemindOfUpdate();

    frmMDI mainWindow;
    mainWindow.showMaximized();
    return app.exec();
}
