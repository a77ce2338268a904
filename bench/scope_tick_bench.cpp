// Scope sweep benchmark: the time of one tick of the sweep model (ten statements and the
// segment to draw, without the drawing itself), for the waveform trace and a generator.
//
//   scope_tick_bench [BATCHES]
//
// Ticks are timed in batches of 64 (one tick alone is close to the clock's resolution); the
// figures are per tick: the median and the 90th percentile over the batches.
#include "benchstats.h"
#include "multiscope/scopesweep.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    const int batches = argc > 1 ? std::max(100, atoi(argv[1])) : 20000;
    constexpr int kBatch = 64;

    QString wave[msf::kRecords];
    wave[0] = "DMM 12.6 V";
    for (int i = 1; i <= 50; ++i) wave[i] = QString::number((i * 37) % 199 - 99);

    double sink = 0;
    auto measure = [&](const char* reading) {
        ScopeSweep sweep;
        sweep.flyback();
        ScopeControls controls;
        controls.reading = QString::fromLatin1(reading);
        std::vector<double> perTick;
        perTick.reserve(batches);
        for (int b = 0; b < batches + 100; ++b) {
            const auto t0 = Clock::now();
            for (int i = 0; i < kBatch; ++i) {
                const SweepTick t = sweep.tick(controls, wave);
                if (t.segment) sink += t.segment->to.y();
            }
            const auto t1 = Clock::now();
            if (b >= 100) perTick.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count() / kBatch);
        }
        std::printf("  %-9s median %7.1f ns  p90 %7.1f ns  (%d batches of %d ticks)\n", reading, percentile(perTick, 0.5),
                    percentile(perTick, 0.9), batches, kBatch);
        benchResult(textf("sweep model tick, %s", reading), textf("%.1f ns median", percentile(perTick, 0.5)), "-", true);
    };

    std::printf("scope sweep tick benchmark\n");
    measure("Signal");
    measure("Sine");
    measure("Square");
    return sink == 12345.678 ? 1 : 0;
}
