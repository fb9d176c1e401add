#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

inline double timeMs(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> times)
{
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

// The median of seven runs after one warm-up run. Each run returns its own
// time, so that it can prepare untimed before the measured step.
inline double medianMs(const std::function<double()> &run)
{
    constexpr int kRuns = 7;
    run();
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i)
        times.push_back(run());
    return median(std::move(times));
}

inline void printFigure(const char *name, double value, const char *unit, int decimals = 0)
{
    std::printf("%s: %.*f %s\n", name, decimals, value, unit);
}
