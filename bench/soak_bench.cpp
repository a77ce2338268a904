// Soak benchmark: the real program in script mode on virtual time for many simulated hours —
// the engine on auto run and restarted whenever it stops, a random fault changed every few
// minutes, the instrument connected to the ECU and sweeping, telemetry recording every second.
// The script is generated here and fed to the script runner a simulated minute at a time, so
// that it can follow what the program does. Fails on any error line, and when the resident
// memory after the last hour is more than 5 MB above or below that after the first.
//
//   soak_bench [HOURS=24] [DATA_DIR] [SWEEPS_PER_SECOND=40]
#include "benchstats.h"
#include "app/script/scriptrunner.h"
#include "sim/simstate.h"
#include "engine/frmcontrols.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// As in script mode: Qt's warnings about the offscreen platform are not the program's errors.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtFatalMsg || type == QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(msg));
}

bool timerOn(const char* name) {
    const VTimer* t = VTimer::byName(name);
    return t && t->enabled();
}

}  // namespace

int main(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    qInstallMessageHandler(quietHandler);
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
    qputenv("TMPDIR", dir.path().toUtf8());
    chooseBenchPlatform();
    Application app(argc, argv);
    QCoreApplication::setApplicationName("Vantorel");
    QCoreApplication::setOrganizationName("Vantorel");
    const int hours = argc > 1 ? std::max(2, atoi(argv[1])) : 24;
    const QString data = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath() + "/../bin";
    const int sweepsPerSecond = argc > 3 ? std::max(1, atoi(argv[3])) : 40;
    // A copy of the program's folder: nothing the run writes lands in the build.
    QProcess::execute("cp", {"-r", data, dir.path() + "/data"});
    setAppFolder(dir.path() + "/data");

    int errors = 0;
    std::vector<long long> rss;  // after each hour
    ScriptRunner runner([&](const QJsonObject& e) {
        const QString kind = e.value("event").toString();
        if (kind == "error") {
            if (++errors <= 20) std::printf("error: %s\n", qPrintable(e.value("text").toString()));
        } else if (kind == "memory") {
            rss.push_back(e.value("rss_kb").toInteger());
        }
    });
    runner.runLines({"seed 11", "menu Tools > MultiScope", "drop FRMsimulation.lblECU(0) MultiScope.cmdConnection",
                     "menu File > Start / Stop Engine", "click frmControls.chkAuto"},
                    false);

    QRandomGenerator random(20261206);
    long long ticks = 0, sweeps = 0, telemetry = 0;
    int faultChanges = 0, restarts = 0, runningMinutes = 0, activeFault = 0, nextChange = 3;
    const QStringList second{"tick", "telemetry", "sweep " + QString::number(sweepsPerSecond)};
    for (int minute = 1; minute <= hours * 60; ++minute) {
        QStringList lines;
        for (int s = 0; s < 60; ++s) lines += second;
        const bool ticking = timerOn("tmrMain"), sweeping = timerOn("Timer1"), recording = timerOn("tmrTelemetry");
        runner.runLines(lines, false);
        ticks += ticking ? 60 : 0;
        runningMinutes += EngineRunning != False && frm<frmControls>()->ctl<QCheckBox>("chkAuto")->isChecked();
        sweeps += sweeping ? 60 * sweepsPerSecond : 0;
        telemetry += recording ? 60 : 0;
        lines.clear();
        if (minute == nextChange) {  // the fault in place is cleared and another one set
            if (activeFault) lines << QString("click frmFaults.chkFault(%1)").arg(activeFault);
            activeFault = random.bounded(1, 45);
            lines << QString("click frmFaults.chkFault(%1)").arg(activeFault);
            ++faultChanges;
            nextChange = minute + random.bounded(2, 7);
        }
        runner.runLines(lines, false);
        // A fault that stops the starter leaves the key in the cranking position: the key goes
        // back, and a stopped engine is started again.
        if (EngineCranking != False) runner.runLines({"menu File > Start / Stop Engine"}, false);
        if (EngineRunning == False && EngineCranking == False) {
            runner.runLines({"menu File > Start / Stop Engine"}, false);
            ++restarts;
        }
        // A stopped engine takes auto run off; it goes back on once the engine runs again.
        if (EngineRunning != False && !frm<frmControls>()->ctl<QCheckBox>("chkAuto")->isChecked()) runner.runLines({"click frmControls.chkAuto"}, false);
        if (minute % 60 == 0) runner.runLines({"memory"}, false);
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long long first = rss.empty() ? 0 : rss.front(), last = rss.empty() ? 0 : rss.back();
    const bool steady = rss.size() == size_t(hours) && std::llabs(last - first) <= 5 * 1024;
    std::printf("soak: %d simulated hours, %lld ticks, %lld sweeps, %lld telemetry samples\n", hours, ticks, sweeps, telemetry);
    std::printf("      %d fault changes, %d engine starts, %d of %d minutes ending on auto run, %d errors\n", faultChanges,
                restarts, runningMinutes, hours * 60, errors);
    std::printf("      resident memory %lld kB after hour 1, %lld kB after hour %d (%+lld kB; limit 5120)\n", first, last,
                hours, last - first);
    std::printf("      by hour (kB):");
    for (long long kb : rss) std::printf(" %lld", kb);
    std::printf("\n      wall time %.1f s\n", wall);
    benchResult(textf("soak, %d simulated hours", hours),
                textf("%+lld kB resident, %d errors", last - first, errors), "drift within 5120 kB, no error",
                errors == 0 && steady);
    std::fflush(stdout);
    std::_Exit(errors == 0 && steady ? 0 : 1);
}
