// Telemetry tick benchmark: one tick of the MultiScope's telemetry timer on the real window
// (the sample stored, three charts and three gauges drawn, one bar and two clocks, the car
// moved) with the repaint it causes, median and 90th percentile. Target: under 1 ms.
//
//   telemetry_tick_bench [DATA_DIR] [TICKS]
#include "benchstats.h"
#include "sim/simstate.h"
#include "multiscope/multiscope.h"
#include "platform/platform.h"
#include "platform/scriptplatform.h"
#include "platform/services.h"
#include "telemetry/telemetrydevice.h"

#include <QApplication>
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    chooseBenchPlatform();
    QApplication app(argc, argv);
    const QString data = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath() + "/../bin";
    const int ticks = argc > 2 ? std::max(100, atoi(argv[2])) : 3000;
    setAppFolder(data);
    setPlatform(new ScriptPlatform([](const QJsonObject&) {}));
    VTimer::setAutoRun(false);

    MultiScope* scope = frm<MultiScope>();
    scope->show();
    QCoreApplication::processEvents();
    GaugeChannel[1] = 5, GaugeMax[1] = 7500, GaugeStyle[1] = "Bar";
    GaugeChannel[2] = 8, GaugeMax[2] = 300, GaugeStyle[2] = "Clock";
    GaugeChannel[3] = 6, GaugeMax[3] = 100, GaugeStyle[3] = "Clock";

    std::vector<double> perTick;
    perTick.reserve(ticks);
    for (int i = 0; i < ticks + 50; ++i) {
        EngineSpeed = 800 + (i * 37) % 5200;
        RoadSpeed = 40 + (i * 13) % 160;
        EngineLoad = (i * 7) % 100;
        const auto t0 = std::chrono::steady_clock::now();
        scope->telemetry->tmrTelemetry_Timer();
        QCoreApplication::processEvents();  // the repaint of what the tick drew
        const auto t1 = std::chrono::steady_clock::now();
        if (i >= 50) perTick.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    std::printf("telemetry tick benchmark (%d ticks, track of %d points)\n", ticks, int(TrackLength));
    std::printf("  median %8.1f us  p90 %8.1f us  (target: median under 1000 us)\n", percentile(perTick, 0.5),
                percentile(perTick, 0.9));
    benchResult("telemetry tick", textf("%.1f us median", percentile(perTick, 0.5)), "< 1000 us",
                percentile(perTick, 0.5) < 1000);
    return 0;
}
