// One tick of the MultiScope's sweep timer with the scope in front, drawing on its real
// screen: the controls read into the sweep, the segment drawn into the screen's backing
// image, and the repaint of what it touched (events processed until the window is painted).
//
//   scope_draw_bench [TICKS]
//
// Prints the median and the 90th percentile per tick (target: under 0.2 ms), for the
// waveform trace and for a generator; the restarts every 51 ticks are included.
#include "benchstats.h"
#include "sim/simstate.h"
#include "multiscope/displays.h"
#include "multiscope/multiscope.h"
#include "platform/picturebox.h"
#include "platform/qtplatform.h"
#include "platform/services.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    chooseBenchPlatform();
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(200, atoi(argv[1])) : 20000;
    setPlatform(new QtPlatform);
    VTimer::setAutoRun(false);  // the ticks are driven here, one at a time

    QTemporaryDir dir;
    QFile f(dir.filePath("Bench.msf"));
    f.open(QIODevice::WriteOnly);
    f.write("\"  800 rev/min\"\r\n");
    for (int i = 1; i <= 50; ++i) f.write("\"" + QByteArray::number((i * 37) % 199 - 99) + "\"\r\n");
    f.close();
    setAppFolder(dir.path());

    QMdiArea area;
    area.resize(1000, 700);
    area.show();
    Forms::setMdiArea(&area);
    MultiScope* ms = frm<MultiScope>();
    ms->showForm();
    ShowWaveform("Bench.msf");
    app.processEvents();

    std::printf("MultiScope Timer1 tick, drawn and repainted (%d ticks, platform %s)\n", ticks,
                qPrintable(QGuiApplication::platformName()));
    for (const char* reading : {"Signal", "Sine"}) {
        ms->setReadingText(reading);
        ms->flyback();
        std::vector<double> us;
        us.reserve(ticks);
        for (int i = 0; i < ticks + 200; ++i) {
            const auto t0 = Clock::now();
            ms->Timer1_Timer();
            app.processEvents();  // the partial repaint of the segment
            const auto t1 = Clock::now();
            if (i >= 200) us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        }
        const double median = percentile(us, 0.5);
        std::printf("  %-7s median %6.1f us  p90 %6.1f us  (target under 200 us)\n", reading, median, percentile(us, 0.9));
        benchResult(textf("scope Timer1 tick drawn, %s", reading), textf("%.1f us median", median), "< 200 us",
                    median < 200);
    }
    Forms::unloadAll();
    return 0;
}
