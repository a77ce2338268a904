#include "testing.h"

#include "platform/services.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
QList<QJsonObject> g_events;
ScriptPlatform* g_platform = nullptr;
}  // namespace

ScriptPlatform& testPlatform() { return *g_platform; }
QList<QJsonObject>& testEvents() { return g_events; }

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_platform = new ScriptPlatform([](const QJsonObject& e) { g_events.append(e); });
    setPlatform(g_platform);
    VTimer::setAutoRun(false);
    if (!qEnvironmentVariableIsEmpty("VANTOREL_DATA")) setAppFolder(qEnvironmentVariable("VANTOREL_DATA"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
