// The exit routine when the settings store cannot be written; the program's icon on its
// windows; bringing a window onto a smaller screen; fixed-size windows beside a maximised one.
#include "app/main_window/frmmainscreen.h"
#include "sim/simstate.h"
#include "platform/appicon.h"
#include "platform/form.h"
#include "platform/screenfit.h"
#include "testing.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMdiSubWindow>
#include <QHash>
#include <QRegularExpression>
#include <QMenu>
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
    // Dialogs are destroyed when closed.
    Forms::unload("frmLogin");
    Forms::unload("frmAbout");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(MainWindow, EachMenusAccessKeysAreItsOwn) {
    // Two commands of one menu with the same underlined letter: the letter only moves between
    // them, and the keyboard user cannot run either with one key.
    QWidget* main = mainWindow();
    QStringList clashes;
    for (QMenu* menu : main->findChildren<QMenu*>()) {
        QHash<QChar, QString> seen;
        for (QAction* a : menu->actions()) {
            const QString text = a->text();
            const int at = text.indexOf(QRegularExpression("&[^&]"));
            if (at < 0 || a->isSeparator()) continue;
            const QChar key = text.at(at + 1).toLower();
            if (seen.contains(key)) clashes << menu->title() + ": " + seen.value(key) + " / " + text;
            seen.insert(key, text);
        }
    }
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join("\n").toStdString();
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

// A window of fixed size that is not the faults window: what holds for one holds for all.
class frmFixedProbe : public Form {
    Q_OBJECT
public:
    frmFixedProbe() {
        setCaption("Fixed probe");
        setFixedSizeWindow(true);
        makeButton(this, "cmdProbe", "Probe", T(120, 120, 1200, 375));
    }
    void onLoad() override { setTwips(6000, 300, 3000, 2000); }
};
REGISTER_FORM(frmFixedProbe)

// The window of the area that a click at `p` (viewport coordinates) reaches.
QWidget* windowAt(QMdiArea* area, const QPoint& p) {
    for (QWidget* w = area->viewport()->childAt(p); w; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(w)) return w;
    return nullptr;
}

TEST_F(MainWindow, FixedSizeWindowsKeepTheirSizeAndFrameWhileAnotherIsMaximised) {
    frmMainscreen* main = mainWindow();
    main->show();
    QApplication::processEvents();
    QMdiArea* area = main->mdi();
    Form* scope = Forms::get("MultiScope");
    scope->showForm();
    scope->frame()->showMaximized();
    ASSERT_TRUE(scope->frame()->isMaximized());

    for (const char* name : {"frmFaults", "frmTripComputer", "frmFixedProbe"}) {
        SCOPED_TRACE(name);
        Form* fixed = Forms::get(name);
        const QRect own = fixed->frame()->geometry();
        if (QString(name) == "frmFaults") {
            main->menuSystemsSetFaults_Click();
            EXPECT_EQ(own, twRect(1500, 2500, 4000, 6500));
        } else {
            fixed->showForm();
        }
        for (int round = 0; round < 3; ++round) QApplication::processEvents();
        EXPECT_EQ(area->activeSubWindow(), fixed->frame());
        EXPECT_FALSE(fixed->frame()->isMaximized()) << "it does not follow the maximised window";
        EXPECT_EQ(fixed->frame()->geometry(), own) << "its own place and size";
        EXPECT_GT(fixed->mapTo(fixed->frame(), QPoint(0, 0)).y(), 0) << "below a title bar of its own";
        EXPECT_FALSE(fixed->frame()->windowFlags() & Qt::WindowMaximizeButtonHint);
        // Its frame's menu offers neither to maximise it nor to size it.
        auto* sub = qobject_cast<QMdiSubWindow*>(fixed->frame());
        ASSERT_NE(sub, nullptr);
        for (QAction* a : sub->systemMenu()->actions())
            if (a->text().remove('&') == "Size" || a->text().remove('&') == "Maximize")
                EXPECT_FALSE(a->isVisible() && a->isEnabled()) << a->text().toStdString();
        EXPECT_TRUE(scope->frame()->isMaximized()) << "the maximised window stays so, behind it";
        // A click beside it reaches the window behind, not a control of this one.
        const QPoint beside = own.topRight() + QPoint(40, 40);
        EXPECT_EQ(windowAt(area, beside), scope->frame());
        EXPECT_EQ(windowAt(area, own.center()), fixed->frame());

        // A sizable window activated next takes the maximised place; coming back to the fixed
        // one leaves it at its size again.
        Form* controls = Forms::get("frmControls");
        controls->showForm();
        EXPECT_TRUE(controls->frame()->isMaximized()) << "a sizable window follows";
        EXPECT_FALSE(scope->frame()->isMaximized());
        if (QString(name) == "frmFaults")
            EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), fixed->frame())
                << "the faults window stays above the maximised one";
        fixed->bringToFront();
        QApplication::processEvents();
        EXPECT_FALSE(fixed->frame()->isMaximized());
        EXPECT_EQ(fixed->frame()->geometry(), own);
        EXPECT_TRUE(controls->frame()->isMaximized());
        controls->hideForm();
        fixed->hideForm();
        scope->showForm();
        scope->frame()->showMaximized();
    }
    scope->frame()->showNormal();
    scope->hideForm();
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

#include "main_window_test.moc"
