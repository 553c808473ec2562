#pragma once
// What every benchmark program shares: its measurements are lines of key=value pairs on
// standard output, one per measurement, with the process's peak memory so far:
//   mode=go seconds=1.234 rows=200000 peak_mb=123.4

#include <QApplication>
#include <QElapsedTimer>
#include <QString>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <initializer_list>

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
        std::printf(" cpu_seconds=%.3f", cpu);
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

// One mode of a benchmark program: its name on the command line and what it runs on the
// argument after it. A mode without widgets runs under a QCoreApplication, like the code
// it measures would.
struct Mode {
    const char* name;
    int (*run)(const QString& argument);
    bool widgets = true;
};

// The program's main(): "PROGRAM MODE ARGUMENT", offscreen, one mode per process; a failure
// is reported on standard error and ends the program with 1, a wrong command line with 2.
inline int runMode(int argc, char** argv, const char* usage, std::initializer_list<Mode> modes) {
    for (const Mode& mode : modes) {
        if (argc != 3 || std::strcmp(argv[1], mode.name) != 0)
            continue;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        try {
            if (!mode.widgets) {
                QCoreApplication app(argc, argv);
                return mode.run(QString::fromLocal8Bit(argv[2]));
            }
            QApplication app(argc, argv);
            return mode.run(QString::fromLocal8Bit(argv[2]));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s %s: %s\n", argv[0], mode.name, e.what());
            return 1;
        }
    }
    std::fputs(usage, stderr);
    return 2;
}

}  // namespace qv::bench
