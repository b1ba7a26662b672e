#include "AppStartup.h"
#include "CommandLine.h"
#include "KestoVersion.h"
#include "QtPlatform.h"
#include "frmMDI.h"
#include "gui/Look.h"

#include <QApplication>
#include <QScreen>
#include <QStringList>

int main(int argc, char *argv[])
{
    const QStringList words = commandLineWords(argc, argv);
    if (const auto answer = answerHelpOrVersion(words))
        return printAnswer(*answer);
    // Refused before the display is reached, so that a mistyped word is told as such without one.
    if (const auto answer = refuseLeftOverWords(withoutQtOptions(words)))
        return printAnswer(*answer);
    QApplication app(argc, argv);
    if (const auto answer = refuseLeftOverWords(commandLineWords(argc, argv)))
        return printAnswer(*answer);
    QApplication::setApplicationName(QStringLiteral("kesto-astrology"));
    QApplication::setApplicationVersion(QString::fromUtf8(kesto::Version));
    // Lets the desktop match the windows with the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kesto::AppId));
    Look::installAppearance();
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
