// Where the instrument's window is kept: a drag of its title bar is written to the settings once,
// when the mouse button comes up (not at every step of the drag), and the window opens there
// the next time it is loaded.
#include "app/main_window/frmmainscreen.h"
#include "platform/form.h"
#include "platform/services.h"
#include "testing.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QString kept() { return GetSetting("Instruments", "Scope_geometry", QString()); }

class Placement : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        createMainWindow();
        mainWindow()->show();
    }
    static void TearDownTestSuite() {
        Forms::unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(Placement, ADragOfTheTitleBarIsKeptWhenItEnds) {
    Form* scope = Forms::get("MultiScope");
    scope->showForm();
    QApplication::processEvents();
    QWidget* frame = scope->frame();
    ASSERT_NE(frame, scope) << "the instrument is a child window of the main window";
    // Small enough to be dragged about within the working area.
    scope->setTwips(300, 600, 500 * 15, 400 * 15);
    const QString before = kept();
    const QPoint start = frame->pos();

    // The title bar, well clear of its buttons, dragged 40 pixels right and 20 down.
    const QPoint grip(frame->width() / 3, frame->contentsMargins().top() / 2);
    const QSize size = frame->size();
    mouse(frame, QEvent::MouseMove, grip, Qt::NoButton);  // the pointer comes over the title bar
    mouse(frame, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step) {
        // The pointer 10 right and 5 down of the grip, which the window then follows.
        mouse(frame, QEvent::MouseMove, grip + QPoint(10, 5), Qt::LeftButton);
        EXPECT_EQ(kept(), before) << "written during the drag, at step " << step;
    }
    ASSERT_EQ(frame->pos(), start + QPoint(40, 20)) << "the drag did not move the window";
    mouse(frame, QEvent::MouseButtonRelease, grip, Qt::NoButton);
    const QRect moved = scope->twipsGeometry();
    EXPECT_EQ(kept(), QString("%1,%2,%3,%4").arg(moved.x()).arg(moved.y()).arg(moved.width()).arg(moved.height()));

    // Loaded again, it opens where it was left.
    Forms::unload("MultiScope");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    scope = Forms::get("MultiScope");
    scope->showForm();
    EXPECT_EQ(scope->frame()->geometry(), QRect(start + QPoint(40, 20), size));
}

}  // namespace
