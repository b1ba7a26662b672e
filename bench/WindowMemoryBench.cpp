// Memory over a long session: the four readings are run from the main window's reading buttons,
// round after round, and their windows closed again. A cycle opens an input window, lets it
// paint, fills it in and presses Next, lets the result window paint and closes both, as the
// program starts (its fonts, icon and style). The widget count must come back to the same number
// after every cycle; the figures are how much the heap in use and the resident memory grow per
// cycle after a warm-up, when every cache that fills once should have filled (target: under
// 0.5 kB a cycle).
//
//   bench-window-memory [CYCLES]     CYCLES defaults to 4000 (after 400 for the warm-up)
//
// KESTO_BENCH_CLEAR_PIXMAP_CACHE=1 empties Qt's pixmap cache after every cycle, to tell growth
// in the style's cache of painted pieces from growth anywhere else.

#include "BenchSupport.h"

#include "tests/FakePlatform.h"

#include "app/frmMDI.h"
#include "gui/Look.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#if defined(__GLIBC__)
#    include <malloc.h>
#endif

namespace {

constexpr int WarmUpCycles = 400;
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

// Runs reading `index` from its button, each window painted while it is open, then closes every
// reading window and lets the deferred deletions run; false when Next showed no result.
bool runReading(frmMDI &mdi, const FakePlatform &platform, int index)
{
    mdi.cmdSelectOption_Click(index);
    QCoreApplication::processEvents(); // the update request: the window and its lists paint
    for (QLineEdit *field : mdi.findChildren<QLineEdit *>()) {
        if (field->objectName() == QLatin1String("txtName")
            || field->objectName() == QLatin1String("txtFirstName")
            || field->objectName() == QLatin1String("txtLastName"))
            field->setText(QStringLiteral("ANN"));
    }
    auto *next = mdi.findChild<QPushButton *>(QStringLiteral("cmdNext"));
    if (!next)
        return false;
    next->click();
    QCoreApplication::processEvents(); // the result window paints
    const bool shown = platform.messages.isEmpty()
        && mdi.findChildren<QPushButton *>(QStringLiteral("cmdBack")).size() == 1;
    mdi.CloseReadingWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    if (g_clearPixmapCache)
        QPixmapCache::clear();
    return shown;
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
    // As the program starts: its fonts, icon and style.
    Look::installAppearance();
    g_clearPixmapCache = qEnvironmentVariableIntValue("KESTO_BENCH_CLEAR_PIXMAP_CACHE") == 1;
    const int cycles = argc > 1 ? std::max(Readings, std::atoi(argv[1])) : 4000;
    FakePlatform platform;
    frmMDI mdi;
    mdi.resize(1280, 1000);
    mdi.show();
    QCoreApplication::processEvents();

    for (int i = 0; i < WarmUpCycles; ++i) {
        if (!runReading(mdi, platform, i % Readings)) {
            std::fprintf(stderr, "reading %d showed no result: %s\n", i % Readings,
                         qPrintable(platform.messages.join(QLatin1Char('|'))));
            return 1;
        }
    }
    const qsizetype widgets = QApplication::allWidgets().size();
    const long startKb = bench::procStatusKb("VmRSS");

    const long startHeapKb = heapInUseKb();
    std::printf("%10s %10s %10s %10s\n", "cycles", "VmRSS kB", "heap kB", "widgets");
    for (int i = 0; i < cycles; ++i) {
        if (!runReading(mdi, platform, i % Readings)) {
            std::fprintf(stderr, "reading %d showed no result\n", i % Readings);
            return 1;
        }
        if ((i + 1) % (cycles / 4 < Readings ? Readings : cycles / 4) == 0)
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
    std::printf("heap_kb_per_cycle %.3f kB\n", double(heapInUseKb() - startHeapKb) / cycles);
    std::printf("rss_kb_per_cycle %.3f kB\n", double(endKb - startKb) / cycles);
    return 0;
}
