#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

// Milliseconds of one call of work.
template <typename Work>
double TimeMs(Work&& work) {
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed() / 1e6;
}

// The median of `runs` timings of work, in milliseconds.
template <typename Work>
double MedianMs(int runs, Work&& work) {
    std::vector<double> times;
    for (int i = 0; i < std::max(1, runs); ++i)
        times.push_back(TimeMs(work));
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

// The process's resident memory now and at its peak (VmRSS, VmHWM), in KiB.
struct TMemoryStatus {
    long long RssKiB = 0;
    long long PeakKiB = 0;
};
TMemoryStatus ReadMemoryStatus();
