// Run-time errors raised in handlers never reach Qt's event delivery: each entry point from Qt
// applies its handler's convention and the program goes on. Every case goes through Qt's own
// event path (a triggered action, a timer that really fires, a posted key or drop event).
#include "platform/form.h"
#include "platform/guard.h"
#include "platform/vbtypes.h"
#include "testing.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class KeyProbe : public QWidget {
public:
    int keys = 0;
protected:
    void keyPressEvent(QKeyEvent* e) override {
        runGuarded([&] {
            ++keys;
            if (e->key() == Qt::Key_Escape) raiseError(13, "Type mismatch");
        });
    }
};

class frmGuardProbe : public Form {
public:
    frmGuardProbe() {
        makeDragLabel(this, "lblSource", "Engine speed", T(0, 0, 1500, 300));
        target = makeButton(this, "cmdTarget", "Terminal", T(0, 400, 1500, 300));
        makeDropTarget(target);
        keyProbe = new KeyProbe;
        keyProbe->setParent(this);
    }
    void onDragDrop(QWidget*, QWidget* source) override {
        ++drops;
        if (source->objectName() == "lblSource") raiseError(53, "File not found");
    }
    QPushButton* target;
    KeyProbe* keyProbe;
    int drops = 0;
};
REGISTER_FORM(frmGuardProbe)

void postDrop(QWidget* target, const QString& source) {
    auto* mime = new QMimeData;
    mime->setData("application/x-vantorel-label", source.toUtf8());
    // As a real drag does: entering the target makes it the drop's receiver.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    delete mime;
}

TEST(Guard, EveryEntryPointAppliesItsConventionAndTheProgramGoesOn) {
    testEvents().clear();
    const int before = errorsAtEventLoop();

    // Menu commands under the three conventions.
    QAction untrapped("Untrapped"), reported("Reported"), skipped("Skipped");
    int runs = 0;
    QObject::connect(&untrapped, &QAction::triggered, guarded([&] {
        ++runs;
        raiseError(6, "Overflow");
    }));
    QObject::connect(&reported, &QAction::triggered, guarded([&] { raiseError(53, "File not found"); },
                                                             Trap::report("File opening error - ")));
    QObject::connect(&skipped, &QAction::triggered, guarded([&] { raiseError(9, "Subscript out of range"); },
                                                            Trap::skip()));
    untrapped.trigger();
    reported.trigger();
    skipped.trigger();
    untrapped.trigger();
    EXPECT_EQ(runs, 2) << "the action still works after its error";
    EXPECT_EQ(takeMessages(), QStringList({"Run-time error. Error number: 6 - Overflow",
                                       "File opening error - Error number: 53 - File not found",
                                       "Run-time error. Error number: 6 - Overflow"}));

    // A timer that really fires through Qt's event loop; its handler raises on the first tick.
    VTimer::setAutoRun(true);
    int ticks = 0;
    {
        VTimer timer("tmrGuardProbe", 1, [&] {
            if (++ticks == 1) raiseError(11, "Division by zero");
        });
        timer.setEnabled(true);
        QElapsedTimer clock;
        clock.start();
        while (ticks < 2 && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        timer.setEnabled(false);
    }
    VTimer::setAutoRun(false);
    EXPECT_GE(ticks, 2) << "the timer goes on ticking after an error";
    EXPECT_EQ(takeMessages().value(0), "Run-time error. Error number: 11 - Division by zero");

    // A key press posted to a widget, and a label dropped on a terminal.
    auto* probe = static_cast<frmGuardProbe*>(Forms::get("frmGuardProbe"));
    ASSERT_NE(probe, nullptr);
    QApplication::postEvent(probe->keyProbe, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    QApplication::postEvent(probe->keyProbe, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    QApplication::processEvents();
    EXPECT_EQ(probe->keyProbe->keys, 2);
    EXPECT_EQ(takeMessages(), QStringList{"Run-time error. Error number: 13 - Type mismatch"});

    postDrop(probe->target, "frmGuardProbe.lblSource");
    postDrop(probe->target, "frmGuardProbe.cmdTarget");
    EXPECT_EQ(probe->drops, 2);
    EXPECT_EQ(takeMessages(), QStringList{"Run-time error. Error number: 53 - File not found"});

    EXPECT_EQ(errorsAtEventLoop(), before) << "no error reached Qt's event delivery";
    Forms::unload("frmGuardProbe");
}

}  // namespace
