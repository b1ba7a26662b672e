#include "AppStartup.h"
#include "Look.h"
#include "QtPlatform.h"
#include "frmMDI.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kesto-astrology"));
    Look::installFontSubstitutes();
    QApplication::setWindowIcon(QIcon(Look::heart(64)));
    QtPlatform platform;
    LockFileInstanceGuard guard;

    std::unique_ptr<frmMDI> mainWindow = startKestoAstrology(guard);
    if (!mainWindow)
        return 0;
    // Without a window manager to maximize it, the window still fills the screen.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        mainWindow->setGeometry(screen->availableGeometry());
    mainWindow->showMaximized();
    return app.exec();
}
