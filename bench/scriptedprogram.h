// The real program started for a benchmark on the scripted platform (message boxes answer
// themselves, pauses take no real time, timers fire only when the benchmark fires them), on the
// program's folder `data` (or $VANTOREL_DATA, or ../bin beside the benchmark), with the engine
// started. Null, after a message naming the benchmark, when there is no database there or the
// engine does not start.
#pragma once

#include "app/startup.h"
#include "electrical/startstop.h"
#include "platform/scriptplatform.h"
#include "platform/services.h"
#include "sim/simstate.h"

#include "benchstats.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QDir>
#include <cstdio>

// The application of a scripted benchmark, with its settings and scanner files in a
// temporary folder of its own.
class ScriptedApplication {
public:
    ScriptedApplication(int& argc, char** argv) : env_(scratch_), app_(argc, argv) {
        QApplication::setApplicationName("Vantorel");
        QApplication::setOrganizationName("Vantorel");
    }

private:
    struct Environment {
        explicit Environment(const QTemporaryDir& scratch) {
            chooseBenchPlatform();
            qputenv("TMPDIR", scratch.path().toLocal8Bit());
            qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
        }
    };
    QTemporaryDir scratch_;
    Environment env_;
    QApplication app_;
};

inline ScriptPlatform* startScriptedProgram(const char* bench, QString data) {
    if (data.isEmpty()) data = qEnvironmentVariable("VANTOREL_DATA");
    if (data.isEmpty()) data = QDir(QCoreApplication::applicationDirPath()).filePath("../bin");
    if (!QDir(data).exists("ZR.db")) {
        std::fprintf(stderr, "%s: no ZR.db in %s\n", bench, qPrintable(data));
        return nullptr;
    }
    setAppFolder(data);
    auto* scripted = new ScriptPlatform([](const QJsonObject&) {});
    setPlatform(scripted);
    VTimer::setAutoRun(false);
    Main();
    StartStopEngine();
    if (EngineRunning != True) {
        std::fprintf(stderr, "%s: the engine did not start\n", bench);
        return nullptr;
    }
    return scripted;
}
