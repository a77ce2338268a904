// The value read-outs under the scope's Y, Volts and Focus bars: whatever they read (the stored
// sweep's values, the Live screen's at every range, with the probe on a point of each unit),
// none runs into another or into a control of the scope's panel, and each shows its whole text
// within its own rectangle, inside the panel of the window as it opens.
#include "app/main_window/frmmainscreen.h"
#include "platform/form.h"
#include "sim/simstate.h"
#include "testing.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

const char* const kReadouts[] = {"lblYValue", "lblVoltsValue", "lblFocusValue"};

QString describe(const QWidget* w) {
    const QRect g = w->geometry();
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w)) text = " \"" + l->text() + "\"";
    return w->objectName() + text + QString(" at %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
}

// What is wrong with the read-outs as they stand, one line each.
QStringList problems(Form* scope) {
    QStringList out;
    auto* panel = scope->findChild<QGroupBox*>("Frame1");
    QList<QLabel*> readouts;
    for (const char* name : kReadouts) readouts << panel->findChild<QLabel*>(name);
    for (QLabel* l : readouts) {
        if (!l) return {"a read-out is missing"};
        // The text as the label lays it out in its own width.
        const QRect room = l->contentsRect();
        const int flags = int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect need = l->fontMetrics().boundingRect(QRect(0, 0, room.width(), 100000), flags, l->text());
        if (need.width() > room.width() || need.height() > room.height())
            out << describe(l) + QString(" needs %1x%2").arg(need.width()).arg(need.height());
        if (!panel->contentsRect().contains(l->geometry())) out << describe(l) + " stands outside the panel";
        for (QWidget* other : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == l || !other->isVisibleTo(panel)) continue;
            // Each pair of read-outs once.
            if (auto* o = qobject_cast<QLabel*>(other); readouts.contains(o) && readouts.indexOf(o) < readouts.indexOf(l))
                continue;
            if (other->geometry().intersects(l->geometry())) out << describe(l) + " runs into " + describe(other);
        }
    }
    return out;
}

class Readouts : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        createMainWindow();
        mainWindow()->show();  // its windows lay themselves out only when they can be seen
    }
    static void TearDownTestSuite() {
        Forms::unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(Readouts, StandApartAndShowTheirWholeTexts) {
    Form* scope = Forms::get("MultiScope");
    scope->showForm();
    QApplication::processEvents();
    QStringList found;
    auto everyValue = [&](const char* name) {
        auto* control = scope->findChild<QAbstractSlider*>(name);
        ASSERT_NE(control, nullptr) << name;
        const int was = control->value();
        for (int v = control->minimum(); v <= control->maximum(); v += std::max(1, control->singleStep())) {
            control->setValue(v);
            found << problems(scope);
        }
        control->setValue(was);
    };
    // The stored sweep's values.
    for (const char* name : {"vscY1shift", "vscVolts1", "updFocus"}) everyValue(name);
    // Live: with no probe, then on every point (each with its unit) at every range of Volts.
    scope->findChild<QRadioButton*>("optLive")->click();
    for (const char* name : {"vscY1shift", "vscVolts1", "updFocus"}) everyValue(name);
    auto* terminal = scope->findChild<QPushButton*>("cmdConnection");
    EngineRunning = True;
    for (const char* window : {"FRMsimulation", "frmStarting", "frmCharging"})
        for (DragLabel* point : Forms::get(window)->findChildren<DragLabel*>()) {
            scope->dropLabel(terminal, point);
            everyValue("vscVolts1");
        }
    EngineRunning = False;
    scope->findChild<QRadioButton*>("optStored")->click();
    found.removeDuplicates();
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

}  // namespace
