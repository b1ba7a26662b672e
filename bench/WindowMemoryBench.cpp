// Resident memory over a long session: the four input windows are opened from the main window's
// reading buttons and closed again, round after round, each one painted while it is open (the
// date lists are drawn by the style like any other). The widget count must come back to the same
// number after every round; the figure is how much resident memory grows per 1,000 windows after
// a warm-up, when every cache that fills once should have filled.
//
//   bench-window-memory [WINDOWS]     WINDOWS defaults to 4000 (after 400 for the warm-up)
//
// KESTO_BENCH_CLEAR_PIXMAP_CACHE=1 empties Qt's pixmap cache after every window, to tell growth
// in the style's cache of painted pieces from growth anywhere else.

#include "BenchSupport.h"

#include "tests/FakePlatform.h"

#include "app/frmMDI.h"

#include <QApplication>
#include <QPixmapCache>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#if defined(__GLIBC__)
#    include <malloc.h>
#endif

namespace {

constexpr int WarmUpWindows = 400;
constexpr int Readings = 4;

bool g_clearPixmapCache = false;

// The bytes malloc has handed out and not had back, in kB: what the program holds, against what
// the process holds (VmRSS), which also counts the allocator's free but unreturned memory.
long heapInUseKb()
{
#if defined(__GLIBC__)
    return long(mallinfo2().uordblks / 1024);
#else
    return -1;
#endif
}

// Opens reading `index`, lets it paint, then closes every reading window and lets the deferred
// deletions run.
void openAndClose(frmMDI &mdi, int index)
{
    mdi.cmdSelectOption_Click(index);
    QCoreApplication::processEvents(); // the update request: the window and its lists paint
    mdi.CloseReadingWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    if (g_clearPixmapCache)
        QPixmapCache::clear();
}

// The offscreen platform says once per window that it cannot pass size hints on; thousands of
// such lines would bury the figures.
QtMessageHandler g_qtHandler = nullptr;

void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.contains(QLatin1String("propagateSizeHints")))
        g_qtHandler(type, context, text);
}

} // namespace

int main(int argc, char *argv[])
{
    g_qtHandler = qInstallMessageHandler(quietOffscreenNotes);
    QApplication app(argc, argv);
    g_clearPixmapCache = qEnvironmentVariableIntValue("KESTO_BENCH_CLEAR_PIXMAP_CACHE") == 1;
    const int windows = argc > 1 ? std::max(Readings, std::atoi(argv[1])) : 4000;
    FakePlatform platform;
    frmMDI mdi;
    mdi.resize(1280, 1000);
    mdi.show();
    QCoreApplication::processEvents();

    for (int i = 0; i < WarmUpWindows; ++i)
        openAndClose(mdi, i % Readings);
    const qsizetype widgets = QApplication::allWidgets().size();
    const long startKb = bench::procStatusKb("VmRSS");

    const long startHeapKb = heapInUseKb();
    std::printf("%10s %10s %10s %10s\n", "windows", "VmRSS kB", "heap kB", "widgets");
    for (int i = 0; i < windows; ++i) {
        openAndClose(mdi, i % Readings);
        if ((i + 1) % (windows / 4 < Readings ? Readings : windows / 4) == 0)
            std::printf("%10d %10ld %10ld %10lld\n", i + 1, bench::procStatusKb("VmRSS"),
                        heapInUseKb(), static_cast<long long>(QApplication::allWidgets().size()));
    }
    const long endKb = bench::procStatusKb("VmRSS");
    const qsizetype widgetsAfter = QApplication::allWidgets().size();
    if (widgetsAfter != widgets) {
        std::fprintf(stderr, "widgets left behind: %lld before, %lld after\n",
                     static_cast<long long>(widgets), static_cast<long long>(widgetsAfter));
        return 1;
    }
    std::printf("heap_kb_per_1000_windows %.1f kB\n",
                double(heapInUseKb() - startHeapKb) * 1000.0 / windows);
    std::printf("rss_kb_per_1000_windows %.1f kB\n", double(endKb - startKb) * 1000.0 / windows);
    return 0;
}
