// Runs the two start-up programs in turn, many times, and compares them. Each run is timed from
// just before the program is started to its first painted frame, which the program reports on
// the machine-wide monotonic clock; the time to its exit is kept as well. Alternating the two
// spreads any drift of the machine over both.
//
// bench-startup KESTO_PROGRAM BARE_PROGRAM [RUNS] [WARM_UP_RUNS] [RESULT_PREFIX]

#include "BenchSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// The moments the start-up programs report, in order; each step of the table runs from the one
// before (the first from the start of the process) to this one.
constexpr const char *PhaseNames[] = {"main", "app", "window", "shown"};
constexpr const char *StepNames[] = {"start to main()", "QApplication", "build main window", "show",
                                     "first frame"};
constexpr int StepCount = 5;

struct Run
{
    double firstFrameMs = 0;
    double exitMs = 0;
    long hwmKb = 0;
    double stepMs[StepCount] = {};
};

struct Samples
{
    std::vector<double> firstFrameMs;
    std::vector<double> exitMs;
    std::vector<double> hwmMb;
    std::vector<double> stepMs[StepCount];
};

bool startOnce(const char *program, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *argv[] = {const_cast<char *>(program), nullptr};

    pid_t child = 0;
    const std::int64_t startNs = bench::monotonicNs();
    const int failed = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(failed));
        return false;
    }

    std::string output;
    char buffer[512];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, std::size_t(got));
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const std::int64_t exitNs = bench::monotonicNs();

    long long frameNs = 0;
    const char *report = std::strstr(output.c_str(), "first_frame_monotonic_ns=");
    const char *hwm = std::strstr(output.c_str(), "vmhwm_kb=");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !report || !hwm
        || std::sscanf(report, "first_frame_monotonic_ns=%lld", &frameNs) != 1
        || std::sscanf(hwm, "vmhwm_kb=%ld", &run.hwmKb) != 1) {
        std::fprintf(stderr, "%s did not report its first frame (status %d): %s\n", program, status,
                     output.c_str());
        return false;
    }
    run.firstFrameMs = double(frameNs - startNs) / 1e6;
    run.exitMs = double(exitNs - startNs) / 1e6;

    long long previousNs = startNs;
    for (int step = 0; step < StepCount; ++step) {
        long long phaseNs = frameNs;
        if (step < StepCount - 1) {
            const std::string key = std::string("phase_") + PhaseNames[step] + "_ns=";
            const char *found = std::strstr(output.c_str(), key.c_str());
            if (!found || std::sscanf(found + key.size(), "%lld", &phaseNs) != 1) {
                std::fprintf(stderr, "%s did not report %s\n", program, key.c_str());
                return false;
            }
        }
        run.stepMs[step] = double(phaseNs - previousNs) / 1e6;
        previousNs = phaseNs;
    }
    return true;
}

void printRow(const char *name, const Samples &samples)
{
    std::printf("  %-22s %9.1f %9.1f %9.1f %11.1f %9.1f\n", name,
                bench::median(samples.firstFrameMs), bench::percentile(samples.firstFrameMs, 0),
                bench::percentile(samples.firstFrameMs, 0.9), bench::median(samples.exitMs),
                bench::median(samples.hwmMb));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: %s KESTO_PROGRAM BARE_PROGRAM [RUNS] [WARM_UP_RUNS] [RESULT_PREFIX]\n",
                     argv[0]);
        return 2;
    }
    const char *programs[2] = {argv[1], argv[2]};
    const int runs = argc > 3 ? std::atoi(argv[3]) : 30;
    const int warmUp = argc > 4 ? std::atoi(argv[4]) : 3;
    // Set apart the figures of a second comparison in the same run.
    const char *prefix = argc > 5 ? argv[5] : "";
    // Nothing of this must reach a real display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    Samples samples[2];
    for (int i = 0; i < warmUp + runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            Run run;
            if (!startOnce(programs[which], run))
                return 1;
            if (i < warmUp)
                continue;
            samples[which].firstFrameMs.push_back(run.firstFrameMs);
            samples[which].exitMs.push_back(run.exitMs);
            samples[which].hwmMb.push_back(double(run.hwmKb) / 1024);
            for (int step = 0; step < StepCount; ++step)
                samples[which].stepMs[step].push_back(run.stepMs[step]);
        }
    }

    std::printf("Start-up to first painted frame, %d runs each (after %d warm-up runs)\n", runs,
                warmUp);
    std::printf("  %-22s %9s %9s %9s %11s %9s\n", "program", "median", "min", "p90", "to exit",
                "VmHWM");
    std::printf("  %-22s %9s %9s %9s %11s %9s\n", "", "ms", "ms", "ms", "ms", "MiB");
    printRow("kesto-astrology", samples[0]);
    printRow(std::getenv("KESTO_BENCH_BARE_TEXT") ? "bare + one menu (text)"
                                                  : "bare QMainWindow+MDI",
             samples[1]);
    std::printf("\n  where the time goes (median of each step, ms)\n");
    std::printf("  %-22s %9s %9s %9s\n", "step", "kesto", "bare", "extra");
    for (int step = 0; step < StepCount; ++step) {
        const double kesto = bench::median(samples[0].stepMs[step]);
        const double bare = bench::median(samples[1].stepMs[step]);
        std::printf("  %-22s %9.1f %9.1f %+9.1f\n", StepNames[step], kesto, bare, kesto - bare);
    }

    const double kestoMs = bench::median(samples[0].firstFrameMs);
    const double bareMs = bench::median(samples[1].firstFrameMs);
    const double kestoMb = bench::median(samples[0].hwmMb);
    const double bareMb = bench::median(samples[1].hwmMb);
    std::printf("RESULT %sstartup_ms_kesto %.1f ms\n", prefix, kestoMs);
    std::printf("RESULT %sstartup_ms_bare %.1f ms\n", prefix, bareMs);
    std::printf("RESULT %sstartup_ratio %.2f x\n", prefix, kestoMs / bareMs);
    std::printf("RESULT %srss_mb_kesto %.1f MB\n", prefix, kestoMb);
    std::printf("RESULT %srss_mb_bare %.1f MB\n", prefix, bareMb);
    std::printf("RESULT %srss_extra_mb %.1f MB\n", prefix, kestoMb - bareMb);
    return 0;
}
