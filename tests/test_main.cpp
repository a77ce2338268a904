#include "testing.h"

#include "platform/services.h"

#include "platform/application.h"
#include "platform/guard.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

namespace {
QList<QJsonObject> g_events;
ScriptPlatform* g_platform = nullptr;
}  // namespace

ScriptPlatform& testPlatform() { return *g_platform; }
QList<QJsonObject>& testEvents() { return g_events; }

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each test program has a settings folder and a temporary folder of its own, so that the
    // reports, exports and settings it writes never land in the user's folders or in another
    // test's (the tests run in parallel).
    QTemporaryDir sandbox;
    if (sandbox.isValid()) {
        QDir().mkpath(sandbox.path() + "/tmp");
        qputenv("TMPDIR", (sandbox.path() + "/tmp").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (sandbox.path() + "/config").toLocal8Bit());
    }
    Application app(argc, argv);
    g_platform = new ScriptPlatform([](const QJsonObject& e) { g_events.append(e); });
    setPlatform(g_platform);
    VTimer::setAutoRun(false);
    if (!qEnvironmentVariableIsEmpty("VANTOREL_DATA")) setAppFolder(qEnvironmentVariable("VANTOREL_DATA"));
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Every handler traps its own errors: none may have reached Qt's event delivery.
    if (errorsAtEventLoop() != 0) {
        std::fprintf(stderr, "%d run-time error(s) reached the event loop\n", errorsAtEventLoop());
        return 1;
    }
    return result;
}
