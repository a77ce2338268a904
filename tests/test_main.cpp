#include "testing.h"

#include "platform/services.h"

#include "platform/application.h"
#include "platform/guard.h"

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
