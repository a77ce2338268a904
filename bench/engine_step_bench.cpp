// Engine-step benchmark: the time of one UpdateEngine call (map lookup, outputs, fault
// scan, road speed, check and readings refresh) on a running engine under auto run.
//
//   engine_step_bench [DATA_DIR] [STEPS]
//
// DATA_DIR is the program's folder (default: $VANTOREL_DATA, else ../bin beside this
// program). The fault scan CollectSystemData writes the two scanner files every second and
// is timed apart: first the step runs with the scan switched off (setStepScan(false),
// the figure the target is for: a median under 15 microseconds), then with it, and the scan alone.
// Settings and scanner files go to a temporary folder.
#include "benchstats.h"
#include "scriptedprogram.h"
#include "app/main_window/frmmainscreen.h"
#include "app/startup.h"
#include "sim/simstate.h"
#include "app/tick.h"
#include "electrical/startstop.h"
#include "engine/ecu.h"
#include "engine/frmcontrols.h"
#include "faults/faults.h"
#include "faults/reports.h"
#include "sim/snapshot.h"
#include "platform/platform.h"
#include "platform/scriptplatform.h"
#include "platform/services.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
    ScriptedApplication app(argc, argv);

    const int steps = argc > 2 ? std::max(100, atoi(argv[2])) : 20000;
    ScriptPlatform* scripted = startScriptedProgram("engine_step_bench", argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (!scripted) return 2;
    frm<frmControls>()->ctl<QCheckBox>("chkAuto")->setChecked(true);

    int restarts = 0;
    // Runs `count` engine steps after a warm-up and returns the time of each call.
    auto run = [&](int count, std::vector<double>* scanTimes) {
        std::vector<double> times;
        times.reserve(count);
        const int warmUp = 300;
        for (int i = 0; i < warmUp + count; ++i) {
            // The tick without its engine step: auto run, fuel, instruments and trip figures.
            SettingArrival = True;
            tmrMain_Timer();
            SettingArrival = False;
            scripted->advance(1);

            const auto t0 = Clock::now();
            UpdateEngine();
            const auto t1 = Clock::now();
            if (scanTimes) CollectSystemData();
            const auto t2 = Clock::now();

            QCoreApplication::processEvents();  // painting, outside the measurement
            if (EngineRunning != True) {
                ++restarts;
                StartStopEngine();
                frm<frmControls>()->ctl<QCheckBox>("chkAuto")->setChecked(true);
            }
            if (i < warmUp) continue;
            times.push_back(micros(t1 - t0));
            if (scanTimes) scanTimes->push_back(micros(t2 - t1));
        }
        return times;
    };

    // The step on its own: the fault scan replaced by a no-op.
    setStepScan(false);
    const std::vector<double> own = run(steps, nullptr);
    // The whole step, and the scan timed alone after each step.
    setStepScan(true);
    std::vector<double> scan;
    const std::vector<double> whole = run(std::max(100, steps / 4), &scan);

    // Writing the two report files alone, each time with new figures so that neither write is
    // skipped: the cost the whole step is compared with.
    std::vector<double> writes;
    {
        const QString folder = GetTempFolder();
        sim::Snapshot reading;
        for (int i = 0; i < std::max(100, steps / 4); ++i) {
            reading.engineSpeed = 800 + i % 5000;
            const auto t0 = Clock::now();
            reports::writeReport(folder + "Faults.scn", sim::faultsReport({QString::number(i)}));
            reports::writeReport(folder + "Scanner.scn", sim::scannerReport(reading));
            writes.push_back(micros(Clock::now() - t0));
        }
    }

    std::printf("engine step benchmark under auto run (%d restarts)\n", restarts);
    const double median = percentile(own, 0.5);
    std::printf("  UpdateEngine without the scan  median %8.2f us  p90 %8.2f us  (%zu steps; target < 15 us: %s)\n",
                median, percentile(own, 0.9), own.size(), median < 15 ? "met" : "NOT met");
    std::printf("  UpdateEngine with the scan     median %8.2f us  p90 %8.2f us  (%zu steps)\n",
                percentile(whole, 0.5), percentile(whole, 0.9), whole.size());
    std::printf("  CollectSystemData alone        median %8.2f us  p90 %8.2f us\n", percentile(scan, 0.5),
                percentile(scan, 0.9));
    const double ratio = percentile(whole, 0.5) / percentile(writes, 0.5);
    std::printf("  the two report files alone     median %8.2f us  p90 %8.2f us\n", percentile(writes, 0.5),
                percentile(writes, 0.9));
    std::printf("  step with the scan / report writes: %.2f (target <= 2: %s)\n", ratio, ratio <= 2 ? "met" : "NOT met");
    benchResult("UpdateEngine without the scan", textf("%.2f us median", median), "< 15 us", median < 15);
    benchResult("UpdateEngine with the scan", textf("%.1f us median", percentile(whole, 0.5)), "ratio <= 2", ratio <= 2,
                textf("%.2f to the report writes' %.1f us", ratio, percentile(writes, 0.5)));
    return 0;
}
