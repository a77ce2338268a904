// The exit routine when the settings store cannot be written.
#include "app/main_window/frmmainscreen.h"
#include "app/state.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The settings store of this test program cannot be written: where its folder should be
// there is a plain file. Set before the first test touches the store.
struct UnwritableStore : ::testing::Environment {
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
        QDir().mkpath(dir.path() + "/config");
        QFile blocker(dir.path() + "/config/Vantorel");
        blocker.open(QIODevice::WriteOnly);
        blocker.write("not a folder");
    }
    QTemporaryDir dir;
};
const auto* g_store = ::testing::AddGlobalTestEnvironment(new UnwritableStore);

class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { createMainWindow(); }
};

TEST_F(MainWindow, ExitReportsAStoreThatCannotBeWrittenAndStillEnds) {
    TripDistance = 12.5;
    testEvents().clear();
    ExitProgram();
    EXPECT_TRUE(programEnded());
    const QStringList shown = takeMessages();
    ASSERT_EQ(shown.size(), 1) << "the failure is reported once";
    EXPECT_TRUE(shown[0].startsWith("Error number: 75 - ")) << shown[0].toStdString();
    ExitProgram();
    EXPECT_TRUE(takeMessages().isEmpty()) << "the routine runs once";
}

}  // namespace
