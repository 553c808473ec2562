#pragma once
// What every benchmark program shares: its measurements are lines of key=value pairs on
// standard output, one per measurement, with the process's peak memory so far:
//   mode=go seconds=1.234 rows=200000 peak_mb=123.4

#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>

namespace qv::bench {

inline double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// The processor time the process has used so far, user and system.
inline double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// cpu, when given, is the processor time of the measurement: on a busy machine it stays
// steady where the elapsed time does not.
inline void report(const char* mode, double seconds, qint64 rows, double cpu = -1) {
    std::printf("mode=%s seconds=%.3f", mode, seconds);
    if (cpu >= 0)
        std::printf(" cpu=%.3f", cpu);
    std::printf(" rows=%lld peak_mb=%.1f\n", static_cast<long long>(rows), peakMegabytes());
    std::fflush(stdout);
}

template <typename Work>
double secondsOf(Work&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// Elapsed and processor seconds of one piece of work.
struct Timing {
    double seconds = 0;
    double cpu = 0;
};

template <typename Work>
Timing timingOf(Work&& work) {
    const double cpu = cpuSeconds();
    const double seconds = secondsOf(work);
    return {seconds, cpuSeconds() - cpu};
}

inline void report(const char* mode, Timing timing, qint64 rows) {
    report(mode, timing.seconds, rows, timing.cpu);
}

}  // namespace qv::bench
