// The main window's frame: Close All, the commands that open windows by name, and the exit
// routine when the settings store fails.
#include "app/main_window/frmmainscreen.h"
#include "app/state.h"
#include "platform/form.h"
#include "platform/services.h"
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

// Stand-ins for windows built elsewhere; only their names matter here.
class StubWindow : public Form {
public:
    StubWindow() : Form(Kind::Dialog) {}
};

const char* const kDialogs[] = {"frmOptions", "frmMaps", "frmWaveEdit", "frmUserDetails", "frmTip", "frmLogin"};

class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const char* name : kDialogs) Forms::registerForm(name, [] { return new StubWindow; });
        createMainWindow();
    }
};

TEST_F(MainWindow, CloseAllUnloadsTheDialogsHidesTheSimulationWindowsAndKeepsTheLogin) {
    for (const char* name : {"frmAbout", "frmSplash", "frmOptions", "frmMaps", "frmWaveEdit", "frmUserDetails",
                             "frmTip", "frmLogin"})
        Forms::get(name)->showForm();
    for (const char* name : {"frmInstruments", "frmTripComputer"}) Forms::get(name)->showForm();
    ToolMode = 3;
    mainWindow()->menuFileCloseAll_Click();
    for (const char* name : {"frmAbout", "frmSplash", "frmOptions", "frmMaps", "frmWaveEdit", "frmUserDetails",
                             "frmTip"})
        EXPECT_EQ(Forms::find(name), nullptr) << name << " is unloaded";
    ASSERT_NE(Forms::find("frmLogin"), nullptr) << "the login window is not one of them";
    for (const char* name : {"frmInstruments", "frmTripComputer"}) {
        ASSERT_NE(Forms::find(name), nullptr) << name << " stays loaded";
        EXPECT_FALSE(Forms::find(name)->formVisible()) << name;
    }
    EXPECT_EQ(ToolMode, 1);
    EXPECT_EQ(StatusText(), "Ready...");
}

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
