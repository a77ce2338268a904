// The exit routine when the settings store cannot be written; the program's icon on its
// windows; bringing a window onto a smaller screen.
#include "app/main_window/frmmainscreen.h"
#include "sim/simstate.h"
#include "platform/appicon.h"
#include "platform/form.h"
#include "platform/screenfit.h"
#include "testing.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

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

TEST_F(MainWindow, ChildWindowsAndDialogsCarryTheProgramsIcon) {
    // Without an icon of its own a child window's frame shows the toolkit's logo.
    const QImage ours = appIcon().pixmap(32).toImage();
    for (const char* name : {"FRMsimulation", "MultiScope", "frmLogin", "frmAbout"}) {
        Form* f = Forms::get(name);
        ASSERT_NE(f, nullptr) << name;
        f->showForm();
        EXPECT_EQ(f->frame()->windowIcon().pixmap(32).toImage(), ours) << name;
        f->hideForm();
    }
}

TEST(ScreenFit, AWindowIsMovedOntoTheAreaAndShrunkOnlyWhenLarger) {
    const QRect laptop(0, 0, 1366, 768);
    EXPECT_EQ(fitRect(QRect(100, 50, 800, 600), laptop), QRect(100, 50, 800, 600)) << "fits: kept";
    EXPECT_EQ(fitRect(QRect(600, 300, 800, 600), laptop), QRect(566, 168, 800, 600)) << "moved back, same size";
    EXPECT_EQ(fitRect(QRect(-40, -30, 800, 600), laptop), QRect(0, 0, 800, 600));
    EXPECT_EQ(fitRect(QRect(600, 300, 1600, 900), laptop), laptop) << "larger than the screen";
    // A panel at the top and a second screen to the right.
    const QRect beside(1366, 28, 1366, 740);
    EXPECT_EQ(fitRect(QRect(0, 0, 1067, 800), beside), QRect(1366, 28, 1067, 740));
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
