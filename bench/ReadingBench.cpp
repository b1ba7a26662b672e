// The time from Next to the painted result, for each of the four readings. One main window on
// a stand-in desktop; each reading's input window is opened, a name typed, and then, many times
// over with different dates, Next is clicked and the clock stops once the result window has been
// painted (a paint event that the window really receives: the offscreen platform paints into
// the window's backing store like any other). Back then returns to the input window, outside
// the measured time. Back unloads the result window, so every Next builds it afresh, as it does
// for the user.

#include "BenchSupport.h"

#include "tests/FakePlatform.h"

#include "app/frmMDI.h"
#include "gui/ReadingWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

// Under valgrind --tool=callgrind --collect-atstart=no only the measured spans are profiled.
#if __has_include(<valgrind/callgrind.h>)
#    include <valgrind/callgrind.h>
#    define KESTO_BENCH_PROFILE_SPAN() CALLGRIND_TOGGLE_COLLECT
#else
#    define KESTO_BENCH_PROFILE_SPAN()
#endif

namespace {

constexpr int WarmUpRuns = 3;
constexpr int MeasuredRuns = 50;
constexpr std::int64_t PaintTimeoutNs = 5'000'000'000;

struct ReadingCase
{
    const char *key; // the figure's name: reading_ms_<key>
    int button;      // frmMDI::cmdSelectOption_Click index
    ReadingWindowId input;
    ReadingWindowId result;
    const char *resultName; // its object name
    bool threeNameFields;
};

// clang-format off
constexpr ReadingCase Readings[] = {
    {"love",     0, ReadingWindowId::LoveAstrologyMain,    ReadingWindowId::LoveAstrologyDisplay,
                    "frmLoveAstrologyDisplay",    true},
    {"romance",  1, ReadingWindowId::RomanceAstrologyMain, ReadingWindowId::RomanceAstrologyDisplay,
                    "frmRomanceAstrologyDisplay", true},
    {"lovesign", 3, ReadingWindowId::ZodiacLoveSignMain,   ReadingWindowId::ZodiacLoveSignDisplay,
                    "frmZodiacLoveSignDisplay",   false},
    {"sexual",   2, ReadingWindowId::SexualAstrologyMain,  ReadingWindowId::SexualAstrologyDisplay,
                    "frmSexualAstrologyDisplay",  false},
};
// clang-format on

// Notes the first paint event that a given window receives.
class PaintWatch : public QObject
{
public:
    PaintWatch() { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }

    // The window is named rather than pointed at: a result window does not exist before Next.
    void arm(const QString &windowName)
    {
        m_name = windowName;
        m_painted = false;
    }

    // Lets the event loop run until the window has painted; false after the time-out.
    bool waitForPaint()
    {
        const std::int64_t deadline = bench::monotonicNs() + PaintTimeoutNs;
        while (!m_painted) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (bench::monotonicNs() > deadline)
                return false;
        }
        return true;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted && watched->isWidgetType()
            && watched->objectName() == m_name)
            m_painted = true;
        return false;
    }

private:
    QString m_name;
    bool m_painted = false;
};

struct Timings
{
    std::vector<double> totalMs; // Next to the painted result
    std::vector<double> clickMs; // Next's own handler: the reading and building the window
    double firstMs = 0;          // the very first Next, before any warm-up
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool runReading(frmMDI &mdi, FakePlatform &platform, PaintWatch &watch, const ReadingCase &reading,
                Timings &timings)
{
    mdi.cmdSelectOption_Click(reading.button);
    ReadingWindow *input = mdi.loadedWindow(reading.input);
    if (!input)
        return false;
    watch.arm(input->objectName());
    if (!watch.waitForPaint())
        return false;

    auto type = [&](const char *name, const QString &text) {
        auto *field = input->findChild<QLineEdit *>(QLatin1String(name));
        if (field)
            QTest::keyClicks(field, text);
        return field != nullptr;
    };
    const bool typed = reading.threeNameFields
        ? type("txtFirstName", QStringLiteral("Ann")) && type("txtLastName", QStringLiteral("Lee"))
        : type("txtName", QStringLiteral("Ann"));
    if (!typed)
        return false;
    auto *cboDate = input->findChild<QComboBox *>(QStringLiteral("cboDate"));
    auto *cboMonth = input->findChild<QComboBox *>(QStringLiteral("cboMonth"));
    auto *cboYear = input->findChild<QComboBox *>(QStringLiteral("cboYear"));
    auto *cmdNext = input->findChild<QPushButton *>(QStringLiteral("cmdNext"));
    if (!cboDate || !cboMonth || !cboYear || !cmdNext)
        return false;

    for (int run = 0; run < WarmUpRuns + MeasuredRuns; ++run) {
        // Days up to 28 pass in every month; the month and year step through their lists.
        cboDate->setCurrentIndex(run % 28);
        cboMonth->setCurrentIndex(run * 5 % 12);
        cboYear->setCurrentIndex(run * 7 % cboYear->count());
        flushDeletes();

        watch.arm(QLatin1String(reading.resultName));
        KESTO_BENCH_PROFILE_SPAN();
        const std::int64_t start = bench::monotonicNs();
        QTest::mouseClick(cmdNext, Qt::LeftButton);
        const std::int64_t clicked = bench::monotonicNs();
        const bool painted = watch.waitForPaint();
        const std::int64_t paintedAt = bench::monotonicNs();
        KESTO_BENCH_PROFILE_SPAN();
        if (!painted) {
            std::fprintf(stderr, "%s: the result window was never painted\n", reading.key);
            return false;
        }

        ReadingWindow *result = mdi.loadedWindow(reading.result);
        if (!platform.messages.isEmpty() || !result || !result->isShownInMdi()) {
            std::fprintf(stderr, "%s: Next did not show the result (%s)\n", reading.key,
                         qPrintable(platform.messages.join(QLatin1Char('|'))));
            return false;
        }
        const double totalMs = double(paintedAt - start) / 1e6;
        if (run == 0)
            timings.firstMs = totalMs;
        if (run >= WarmUpRuns) {
            timings.totalMs.push_back(totalMs);
            timings.clickMs.push_back(double(clicked - start) / 1e6);
        }

        auto *cmdBack = result->findChild<QPushButton *>(QStringLiteral("cmdBack"));
        if (!cmdBack)
            return false;
        watch.arm(input->objectName());
        QTest::mouseClick(cmdBack, Qt::LeftButton);
        if (!watch.waitForPaint())
            return false;
    }
    mdi.CloseReadingWindows();
    flushDeletes();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FakePlatform platform;
    frmMDI mdi;
    // As maximized on the stand-in 1280 x 1024 screen.
    mdi.resize(1280, 1000);
    mdi.show();
    if (!QTest::qWaitForWindowExposed(&mdi))
        return 1;
    PaintWatch watch;

    std::printf("Next to painted result, %d runs each (after %d warm-up runs)\n", MeasuredRuns,
                WarmUpRuns);
    std::printf("  %-10s %9s %9s %9s %9s %12s\n", "reading", "median", "min", "p90", "first",
                "Next handler");
    std::printf("  %-10s %9s %9s %9s %9s %12s\n", "", "ms", "ms", "ms", "ms", "median ms");
    struct Figure
    {
        const char *key;
        double medianMs;
        double p90Ms;
    };
    std::vector<Figure> figures;
    // Readings named on the command line only, for profiling one of them.
    const QStringList only = app.arguments().mid(1);
    for (const ReadingCase &reading : Readings) {
        if (!only.isEmpty() && !only.contains(QLatin1String(reading.key)))
            continue;
        Timings timings;
        if (!runReading(mdi, platform, watch, reading, timings)) {
            std::fprintf(stderr, "%s: the reading could not be driven\n", reading.key);
            return 1;
        }
        std::printf("  %-10s %9.2f %9.2f %9.2f %9.2f %12.2f\n", reading.key,
                    bench::median(timings.totalMs), bench::percentile(timings.totalMs, 0),
                    bench::percentile(timings.totalMs, 0.9), timings.firstMs,
                    bench::median(timings.clickMs));
        figures.push_back(
            {reading.key, bench::median(timings.totalMs), bench::percentile(timings.totalMs, 0.9)});
    }
    for (const Figure &figure : figures) {
        std::printf("RESULT reading_ms_%s %.2f ms\n", figure.key, figure.medianMs);
        std::printf("RESULT reading_p90_ms_%s %.2f ms\n", figure.key, figure.p90Ms);
    }
    return 0;
}
