// The window framework: single instances loaded on first access, close boxes that hide or
// unload, control arrays by name, timers that skip a tick while the last one runs, and the
// faults window that stays above the others.
#include "electrical/frminstruments.h"
#include "engine/frmsimulation.h"
#include "faults/frmfaults.h"
#include "platform/form.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// One area for the whole program, set before the first window loads.
QMdiArea* area() {
    static QMdiArea* a = [] {
        auto* mdi = new QMdiArea;
        mdi->resize(1000, 800);
        Forms::setMdiArea(mdi);
        mdi->show();
        return mdi;
    }();
    return a;
}

int g_loads = 0;
int g_unloads = 0;

class frmProbe : public Form {
    Q_OBJECT
public:
    frmProbe() {
        setCaption("Probe");
        for (int i = 0; i < 3; ++i) makeButton(this, arrayName("cmdKey", i), QString::number(i), T(0, i * 400, 900, 360));
    }
    void onLoad() override { ++g_loads; }
    void onUnload() override { ++g_unloads; }
    bool onQueryUnload() override {
        if (!hideOnClose) return true;
        hideForm();
        return false;
    }
    bool hideOnClose = false;
};
REGISTER_FORM(frmProbe)

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        area();
        Forms::unload("frmProbe");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        g_loads = g_unloads = 0;
    }
};

TEST_F(FormTest, LoadedOnceOnFirstAccessAndTheCloseBoxHidesOrUnloadsAsTheWindowDecides) {
    frmProbe* f = frm<frmProbe>();
    EXPECT_EQ(frm<frmProbe>(), f);
    EXPECT_EQ(g_loads, 1);
    EXPECT_FALSE(f->formVisible());
    EXPECT_EQ(f->ctl<QPushButton>("cmdKey", 2)->text(), "2");
    f->hideOnClose = true;
    f->showForm();
    f->frame()->close();
    EXPECT_FALSE(f->formVisible());
    EXPECT_EQ(Forms::find("frmProbe"), f) << "a hidden window keeps its state";
    f->hideOnClose = false;
    f->showForm();
    f->frame()->close();
    EXPECT_EQ(g_unloads, 1);
    EXPECT_EQ(Forms::find("frmProbe"), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frm<frmProbe>();
    EXPECT_EQ(g_loads, 2) << "the next access loads it afresh";
}

TEST(ScrollBars, AnswerTheKeyboardLikeValueControls) {
    QWidget parent;
    QScrollBar* bar = makeHScroll(&parent, "HSB_probe", -20, 120, 50, T(0, 0, 1500, 255));
    bar->setPageStep(10);
    EXPECT_NE(bar->focusPolicy() & Qt::TabFocus, 0) << "reachable with Tab";
    int changes = 0;
    QObject::connect(bar, &QScrollBar::valueChanged, [&changes] { ++changes; });
    auto press = [bar](int key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &e);
        return bar->value();
    };
    EXPECT_EQ(press(Qt::Key_Up), 49);
    EXPECT_EQ(press(Qt::Key_Right), 50);
    EXPECT_EQ(press(Qt::Key_PageUp), 40);
    EXPECT_EQ(press(Qt::Key_Home), -20);
    EXPECT_EQ(press(Qt::Key_End), 120);
    EXPECT_EQ(press(Qt::Key_End), 120);
    EXPECT_EQ(changes, 5) << "each change of value runs the change handler once";
}

TEST(Timers, FireOnlyWhileEnabledAndNeverInsideThemselves) {
    int runs = 0;
    VTimer* self = nullptr;
    VTimer t("probeTimer", 1000, [&] {
        ++runs;
        EXPECT_FALSE(self->fire()) << "a tick while the last one runs is skipped";
    });
    self = &t;
    EXPECT_EQ(VTimer::byName("probeTimer"), &t);
    EXPECT_FALSE(t.fire());
    t.setEnabled(true);
    EXPECT_TRUE(t.fire());
    EXPECT_TRUE(t.fire());
    EXPECT_EQ(runs, 2);
    t.setEnabled(false);
    EXPECT_FALSE(t.fire());
}

QWidget* topWindow() {
    const auto stack = area()->subWindowList(QMdiArea::StackingOrder);
    return stack.isEmpty() ? nullptr : stack.last();
}

TEST(FaultsWindow, StaysAboveTheOtherWindowsWhileShown) {
    area();
    Form* faults = frm<frmFaults>();
    faults->showForm();
    ASSERT_NE(faults->frame(), faults) << "the window lives in the area";
    for (Form* other : std::vector<Form*>{frm<FRMsimulation>(), frm<frmInstruments>(), frm<FRMsimulation>()}) {
        other->showForm();
        other->bringToFront();
        EXPECT_EQ(topWindow(), faults->frame()) << other->formName().toStdString();
        EXPECT_EQ(area()->activeSubWindow(), other->frame()) << "the other window still takes the input";
    }
    faults->hideForm();
    Form* sim = frm<FRMsimulation>();
    sim->bringToFront();
    EXPECT_EQ(topWindow(), sim->frame()) << "hidden, it leaves the others alone";
}

}  // namespace

#include "form_test.moc"
