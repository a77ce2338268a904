// What the benchmarks share: the clock, the percentile of a set of timings, the platform they
// start on and the result line that bench/run reads.
#pragma once

#include <QtGlobal>

#include <algorithm>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

inline double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * v.size()))];
}

// Every benchmark starts without a display: on the offscreen platform unless QT_QPA_PLATFORM
// names another. Call before the application object is made.
inline void chooseBenchPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline std::string textf(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

// One row of bench/run's table, on a line of its own:
//   BENCH <tab> row <tab> figure <tab> target <tab> met|missed|- <tab> ratio to the reference or -
// A row without a target has "-" for both. Returns whether the target was met.
inline bool benchResult(const std::string& row, const std::string& figure, const std::string& target, bool met,
                        const std::string& ratio = "-") {
    std::printf("BENCH\t%s\t%s\t%s\t%s\t%s\n", row.c_str(), figure.c_str(), target.c_str(),
                target == "-" ? "-" : met ? "met" : "missed", ratio.c_str());
    std::fflush(stdout);
    return met;
}
