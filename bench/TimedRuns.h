#pragma once
// Runs a step a number of times and prints its median, mean and worst time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

inline void ReportRuns(const char* what, int runs, const std::function<void()>& step, int labelWidth = 38) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        step();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-*s runs %4d  median %8.3f ms  mean %8.3f ms  max %8.3f ms\n", labelWidth, what, runs,
                ms[ms.size() / 2], sum / ms.size(), ms.back());
}
