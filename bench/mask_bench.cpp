// Guided tests' mask benchmark: four masks made from four reference frames of 501 points with
// their peaks (a crank sensor's teeth, an injector's pulse with its switch-off spike, a coil's
// primary, a slow sensor's sine), then a four-channel capture judged against them, as a guided
// test does with every triggered frame.
//
//   mask_bench [CAPTURES]
//
// Target: a judged capture's median under 300 us (it adds under 0.3 ms to the frame). The
// captures are the references with a little noise, every seventh with a glitch on one channel
// that leaves the mask, so that the failures are listed as well.
#include "benchstats.h"
#include "multiscope/mask.h"

#include <QCoreApplication>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace scope;

namespace {

constexpr double kDt = 2e-5;  // 1 ms a division

// A frame of the signal `f` (of the sample's index), its peaks the samples' own spread with
// `spikes` added to the highs where f gives a narrow feature.
Frame frameOf(double (*f)(int), double (*spike)(int), double noise, std::mt19937& random) {
    std::normal_distribution<double> jitter(0.0, noise);
    Frame fr;
    fr.dt = kDt;
    fr.triggered = true;
    fr.values.resize(kFramePoints);
    fr.lows.resize(kFramePoints);
    fr.highs.resize(kFramePoints);
    for (int k = 0; k < kFramePoints; ++k) {
        const double v = f(k) + (noise > 0 ? jitter(random) : 0.0);
        fr.values[std::size_t(k)] = v;
        fr.lows[std::size_t(k)] = v - 0.02;
        fr.highs[std::size_t(k)] = std::max(v + 0.02, spike(k));
    }
    return fr;
}

double teeth(int k) { return (k / 8) % 2 ? 0.3 : 4.7; }
double injector(int k) { return k >= 100 && k < 180 ? 0.4 : 13.8; }
double coil(int k) { return k >= 60 && k < 240 ? 1.2 : 14.0; }
double sensor(int k) { return 2.5 + 1.5 * std::sin(2 * M_PI * k / 250.0); }
double noSpike(int) { return -1e9; }
double injectorSpike(int k) { return k == 180 ? 62.0 : -1e9; }
double coilSpike(int k) { return k == 240 ? 350.0 : -1e9; }

}  // namespace

int main(int argc, char** argv) {
    chooseBenchPlatform();
    QCoreApplication app(argc, argv);
    const int captures = argc > 1 ? std::max(200, std::atoi(argv[1])) : 5000;
    std::mt19937 random(7);

    double (*traces[kChannels])(int) = {teeth, injector, coil, sensor};
    double (*spikes[kChannels])(int) = {noSpike, injectorSpike, coilSpike, noSpike};
    const MaskTolerance tolerances[kChannels] = {{4e-5, 0.3}, {4e-5, 0.5}, {4e-5, 1.0}, {1e-4, 0.2}};

    std::vector<Mask> masks;
    const auto m0 = Clock::now();
    for (int c = 0; c < kChannels; ++c)
        masks.push_back(Mask::fromReference(frameOf(traces[c], spikes[c], 0, random), tolerances[c]));
    const double making = std::chrono::duration<double, std::micro>(Clock::now() - m0).count();

    // 64 captures of four channels, judged in turn.
    std::vector<std::vector<Frame>> sets(64);
    for (std::size_t s = 0; s < sets.size(); ++s) {
        for (int c = 0; c < kChannels; ++c) sets[s].push_back(frameOf(traces[c], spikes[c], 0.03, random));
        if (s % 7 == 3) {
            Frame& glitched = sets[s][s % kChannels];
            for (int k = 200; k < 212; ++k) glitched.values[std::size_t(k)] += 3.0;
        }
    }

    MaskJudge judge(masks);
    std::vector<double> times;
    times.reserve(std::size_t(captures));
    int failedCaptures = 0;
    for (int i = 0; i < captures + 100; ++i) {
        const std::vector<Frame>& capture = sets[std::size_t(i) % sets.size()];
        const auto t0 = Clock::now();
        const bool passed = judge.add(capture);
        const auto t1 = Clock::now();
        if (i >= 100) times.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        if (!passed) ++failedCaptures;
    }
    const double median = percentile(times, 0.5);
    std::printf("guided tests' mask benchmark (four channels of 501 points with peaks)\n");
    std::printf("  four masks made in %.1f us\n", making);
    std::printf("  judged capture  median %8.2f us  p90 %8.2f us  (%d captures, %d left the mask; target < 300 us: %s)\n",
                median, percentile(times, 0.9), int(times.size()), failedCaptures, median < 300 ? "met" : "NOT met");
    std::printf("  verdict: %s (%s)\n", qPrintable(verdictText(judge.verdict())), qPrintable(judge.reason()));
    benchResult("mask judge, four-channel capture", textf("%.1f us median", median), "< 300 us", median < 300);
    return 0;
}
