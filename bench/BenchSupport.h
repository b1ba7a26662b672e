#pragma once

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

// Small helpers shared by the benchmark programs. Plain C++: the lookup benchmark must not pull
// in Qt.
namespace bench {

// CLOCK_MONOTONIC is one clock for the whole machine, so a time taken in one process can be
// subtracted from a time taken in another.
inline std::int64_t monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// A field of /proc/self/status in kB ("VmHWM", "VmRSS"), or -1.
inline long procStatusKb(const std::string &field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = field + ':';
    while (std::getline(status, line)) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            return std::stol(line.substr(prefix.size()));
    }
    return -1;
}

// Milliseconds since the kernel started this process, from /proc/self/stat. Only as fine as
// the kernel's clock ticks (10 ms here), so the runner measures from its own clock instead; this
// is for running a start-up program by hand.
inline double msSinceProcessStart()
{
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // The command name may hold blanks; the fields after it are counted from its closing ')'.
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::size_t pos = close + 2;
    // Field 3 (state) starts here; start time is field 22.
    for (int field = 3; field < 22 && pos != std::string::npos; ++field)
        pos = stat.find(' ', pos) + 1;
    const double startTicks = std::stod(stat.substr(pos));
    timespec boot {};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double nowMs = boot.tv_sec * 1e3 + boot.tv_nsec / 1e6;
    return nowMs - startTicks * 1e3 / double(sysconf(_SC_CLK_TCK));
}

template<class T>
double median(std::vector<T> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    if (values.size() % 2 == 1)
        return double(values[mid]);
    return (double(values[mid - 1]) + double(values[mid])) / 2;
}

// The value below which the given share (0..1) of the values lie, nearest rank.
template<class T>
double percentile(std::vector<T> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t rank =
        std::min(values.size() - 1, std::size_t(share * double(values.size())));
    return double(values[rank]);
}

} // namespace bench
