#pragma once

#include "BenchSupport.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <utility>
#include <vector>

// The moments a start-up program passes, on the monotonic clock, reported with the first frame
// so that the runner can tell where the time goes.
namespace bench {

inline std::vector<std::pair<const char *, std::int64_t>> &phases()
{
    static std::vector<std::pair<const char *, std::int64_t>> marks;
    return marks;
}

// `name` must be a literal: it is kept, not copied.
inline void markPhase(const char *name)
{
    phases().emplace_back(name, monotonicNs());
}

} // namespace bench

// Ends a start-up program at its first painted frame. The first paint event that any widget of
// the main window receives comes at the start of the frame (which widget gets it first depends on
// the window: a scroll area paints in its viewport, a plain main window may get none). The rest
// of the frame, the other widgets and then the flush into the window's backing store, runs in
// the same event, so a zero timer set there fires once the whole frame is painted. That moment
// is reported: the machine-wide monotonic clock, the time since the process started and the peak
// resident memory so far.
//
// With KESTO_BENCH_SAVE_FRAME=<file.png> the frame is read back from the window's backing store
// (what was painted, not a fresh rendering) and saved, to check that the frame holds the window.
class FirstPaintProbe : public QObject
{
public:
    explicit FirstPaintProbe(QWidget *window)
        : m_window(window)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window) {
            m_painted = true;
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report()
    {
        const std::int64_t paintedNs = bench::monotonicNs();
        const long hwmKb = bench::procStatusKb("VmHWM");
        const long rssKb = bench::procStatusKb("VmRSS");
        for (const auto &[name, ns] : bench::phases())
            std::printf("phase_%s_ns=%lld ", name, static_cast<long long>(ns));
        std::printf("first_frame_monotonic_ns=%lld since_start_ms=%.0f vmhwm_kb=%ld vmrss_kb=%ld\n",
                    static_cast<long long>(paintedNs), bench::msSinceProcessStart(), hwmKb, rssKb);
        const QByteArray savePath = qgetenv("KESTO_BENCH_SAVE_FRAME");
        if (!savePath.isEmpty()) {
            const QImage frame =
                QGuiApplication::primaryScreen()->grabWindow(m_window->winId()).toImage();
            frame.save(QString::fromLocal8Bit(savePath));
            std::printf("saved frame %dx%d to %s\n", frame.width(), frame.height(),
                        savePath.constData());
        }
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget *m_window;
    bool m_painted = false;
};
