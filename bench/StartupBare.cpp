// The baseline for the start-up figures: what any Qt Widgets program with an MDI main window
// costs, ended at the first painted frame like the program's own start-up.
//
// The bare window shows no text, so it never loads a font. With KESTO_BENCH_BARE_TEXT set it
// gets a one-entry menu bar, which shows how much of the program's extra time any window with
// text pays (see docs/performance.md).

#include "FirstPaintProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char *argv[])
{
    bench::markPhase("main");
    QApplication app(argc, argv);
    bench::markPhase("app");
    QMainWindow mainWindow;
    auto *area = new QMdiArea(&mainWindow);
    mainWindow.setCentralWidget(area);
    if (qEnvironmentVariableIsSet("KESTO_BENCH_BARE_TEXT"))
        mainWindow.menuBar()->addMenu(QStringLiteral("&File"));
    bench::markPhase("window");
    // The same size as the program's window, so both paint as many pixels.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        mainWindow.setGeometry(screen->availableGeometry());
    FirstPaintProbe probe(&mainWindow);
    mainWindow.showMaximized();
    bench::markPhase("shown");
    return app.exec();
}
