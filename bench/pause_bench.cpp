// Pause benchmark: the processor time that a Pause costs. The program holds for the given
// time without running any event, but it must not keep a processor core busy meanwhile.
//
//   pause_bench [SECONDS]     (default 2)
#include "benchstats.h"
#include "platform/platform.h"
#include "platform/qtplatform.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    chooseBenchPlatform();
    QApplication app(argc, argv);
    setPlatform(new QtPlatform);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;

    const auto wall0 = std::chrono::steady_clock::now();
    const std::clock_t cpu0 = std::clock();
    Pause(seconds);
    const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();

    const double limit = seconds / 10;
    std::printf("Pause(%.1f): %.3f s held, %.4f s of processor time (target < %.2f s: %s)\n", seconds, wall, cpu,
                limit, cpu < limit && wall >= seconds ? "met" : "NOT met");
    benchResult(textf("Pause(%g) processor time", seconds), textf("%.4f s for %.3f s held", cpu, wall),
                textf("< %.2f s, held %g s", limit, seconds), cpu < limit && wall >= seconds);
    return 0;
}
