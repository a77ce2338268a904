// The window framework: single instances loaded on first access, close boxes that hide or
// unload, control arrays by name, timers that skip a tick while the last one runs, and the
// faults window that stays above the others.
#include "electrical/frminstruments.h"
#include "engine/frmsimulation.h"
#include "faults/frmfaults.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "platform/services.h"

#include <QContextMenuEvent>
#include <QImage>
#include <vector>

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

// Where a window was left: kept when the user moved or sized it, taken back at the next load,
// a damaged value ignored and a place off the working area brought back onto it.
class WindowPlaces : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        SaveSetting("Windows", "frmProbe_geometry", QString());
    }
    static QString kept() { return GetSetting("Windows", "frmProbe_geometry", QString()); }
    // Loaded afresh and shown, as at the next start.
    static frmProbe* reopened() {
        Forms::unload("frmProbe");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmProbe* f = frm<frmProbe>();
        f->setTwips(300, 300, 4500, 3000);  // where the window puts itself
        f->showForm();
        return f;
    }
};

TEST_F(WindowPlaces, AWindowTheUserMovedOpensWhereItWasLeft) {
    frmProbe* f = reopened();
    f->frame()->setGeometry(120, 90, 410, 260);  // dragged by the user
    f->frame()->close();                           // and closed: unloaded
    EXPECT_EQ(kept(), QString("%1,%2,%3,%4").arg(120 * 15).arg(90 * 15).arg(410 * 15).arg(260 * 15));
    f = reopened();
    EXPECT_EQ(f->frame()->geometry(), QRect(120, 90, 410, 260));
    // Hidden rather than closed, it is kept as well.
    f->hideOnClose = true;
    f->frame()->move(200, 150);
    f->frame()->close();
    EXPECT_EQ(kept(), QString("%1,%2,%3,%4").arg(200 * 15).arg(150 * 15).arg(410 * 15).arg(260 * 15));
}

TEST_F(WindowPlaces, WhatTheProgramDoesItselfIsNotKept) {
    frmProbe* f = reopened();
    f->setTwips(1500, 1500, 6000, 4000);
    f->hideForm();
    f->showForm();
    Forms::unload("frmProbe");
    EXPECT_EQ(kept(), QString());
    EXPECT_TRUE(Forms::placesToKeep().isEmpty());
}

TEST_F(WindowPlaces, ADamagedPlaceIsIgnoredAndOneOffTheAreaIsBroughtBack) {
    for (const char* damaged : {"junk", "1,2,3", "10,10,abc,4000", "0,0,15,15", "0,0,99999999,4000"}) {
        SaveSetting("Windows", "frmProbe_geometry", damaged);
        frmProbe* f = reopened();
        EXPECT_EQ(f->frame()->geometry(), twRect(300, 300, 4500, 3000)) << damaged;
    }
    // Left on a larger screen, far to the right and below.
    SaveSetting("Windows", "frmProbe_geometry", "60000,45000,4500,3000");
    frmProbe* f = reopened();
    const QRect area(QPoint(0, 0), Forms::mdiArea()->viewport()->size());
    EXPECT_TRUE(area.contains(f->frame()->geometry())) << f->frame()->geometry().x() << "," << f->frame()->geometry().y();
}

TEST_F(WindowPlaces, TheProgramsEndKeepsTheWindowsStillOpen) {
    frmProbe* f = reopened();
    f->frame()->move(80, 70);
    const QList<SettingValue> places = Forms::placesToKeep();
    ASSERT_EQ(places.size(), 1);
    EXPECT_EQ(places[0].key, "frmProbe_geometry");
    EXPECT_TRUE(places[0].value.startsWith(QString("%1,%2,").arg(80 * 15).arg(70 * 15))) << places[0].value.toStdString();
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

// A window with two connection points and a text box, for the keyboard.
class frmKeys : public Form {
    Q_OBJECT
public:
    frmKeys() {
        setCaption("Keys");
        first = makeDragLabel(this, "lblFirst", "First", T(0, 0, 1500, 255));
        second = makeDragLabel(this, "lblSecond", "Second", T(0, 400, 1500, 255));
        button = makeButton(this, "cmdThird", "Third", T(0, 800, 1500, 360));
    }
    DragLabel* first;
    DragLabel* second;
    QPushButton* button;
};
REGISTER_FORM(frmKeys)

// Unloads the window at the end of a test, however the test ends, so that the next finds the
// area as it was.
struct UnloadKeys {
    ~UnloadKeys() {
        DragLabel::setConnectHandler({});
        Forms::setPopupHandler({});
        Forms::unload("frmKeys");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

bool press(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(w, &e);
    return e.isAccepted();
}

TEST(ConnectionPoints, TakeTheFocusInTurnAndConnectByTheirKeys) {
    UnloadKeys unload;
    area();
    frmKeys* f = frm<frmKeys>();
    f->showForm();
    QCoreApplication::processEvents();
    EXPECT_NE(f->first->focusPolicy() & Qt::TabFocus, 0) << "Tab reaches a point";
    f->first->setFocus(Qt::TabFocusReason);
    press(f->first, Qt::Key_Tab);
    EXPECT_EQ(f->focusWidget(), f->second) << "Tab goes on to the next point";
    press(f->second, Qt::Key_Tab);
    EXPECT_EQ(f->focusWidget(), f->button) << "and off the points to the next control";

    // Without an instrument the keys are not taken: they go on to the window.
    DragLabel::setConnectHandler({});
    EXPECT_FALSE(press(f->first, Qt::Key_Return));

    std::vector<std::pair<QWidget*, int>> calls;
    DragLabel::setConnectHandler([&calls](QWidget* w, int channel) { calls.emplace_back(w, channel); });
    EXPECT_TRUE(press(f->first, Qt::Key_Return));
    EXPECT_TRUE(press(f->first, Qt::Key_Enter, Qt::KeypadModifier));
    EXPECT_TRUE(press(f->second, Qt::Key_Space));
    EXPECT_TRUE(press(f->second, Qt::Key_2));
    EXPECT_TRUE(press(f->first, Qt::Key_4, Qt::KeypadModifier));
    EXPECT_TRUE(press(f->first, Qt::Key_1));
    // Keys that connect nothing: another digit, a digit with Ctrl or Alt, a letter.
    EXPECT_FALSE(press(f->first, Qt::Key_5));
    EXPECT_FALSE(press(f->first, Qt::Key_0));
    EXPECT_FALSE(press(f->first, Qt::Key_3, Qt::ControlModifier));
    EXPECT_FALSE(press(f->first, Qt::Key_Return, Qt::AltModifier));
    EXPECT_FALSE(press(f->first, Qt::Key_A));
    const std::vector<std::pair<QWidget*, int>> expected = {
        {f->first, 0}, {f->first, 0}, {f->second, 0}, {f->second, 1}, {f->first, 3}, {f->first, 0}};
    EXPECT_EQ(calls, expected);

}

TEST(ConnectionPoints, ShowTheFocusWithARing) {
    UnloadKeys unload;
    area();
    frmKeys* f = frm<frmKeys>();
    f->showForm();
    f->first->setStyleSheet("background: white; color: white");
    f->first->setAutoFillBackground(true);
    f->second->setFocus();
    QCoreApplication::processEvents();
    const QImage plain = f->first->grab().toImage();
    f->first->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f->first->hasFocus());
    const QImage ringed = f->first->grab().toImage();
    // Off the text: white without the focus; with it a dark ring at the edge round a back that
    // is no longer the label's own.
    EXPECT_EQ(plain.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(plain.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_LT(ringed.pixelColor(0, 0).lightness(), 60);
    EXPECT_LT(ringed.pixelColor(ringed.width() - 1, ringed.height() - 1).lightness(), 60);
    EXPECT_NE(ringed.pixelColor(2, 2), QColor(Qt::white));
    // The caption is still drawn: the focused label holds dark pixels inside its ring.
    int dark = 0;
    for (int y = 2; y < ringed.height() - 2; ++y)
        for (int x = 2; x < ringed.width() - 2; ++x) dark += ringed.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(dark, 10);
}

TEST(RightButtonMenu, OpensFromTheMenuKeyAndShiftF10) {
    UnloadKeys unload;
    area();
    int popups = 0;
    bool closeOffered = false;
    Forms::setPopupHandler([&](bool enableClose) {
        ++popups;
        closeOffered = enableClose;
    });
    frmKeys* f = frm<frmKeys>();
    f->showForm();
    f->button->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(press(f->button, Qt::Key_Menu));
    EXPECT_EQ(popups, 1);
    EXPECT_TRUE(closeOffered) << "opened over a window, Close Current Window is offered";
    EXPECT_TRUE(press(f->first, Qt::Key_F10, Qt::ShiftModifier));
    EXPECT_EQ(popups, 2);
    // F10 alone and Ctrl+Shift+F10 are other keys.
    EXPECT_FALSE(press(f->first, Qt::Key_F10));
    EXPECT_FALSE(press(f->first, Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier));
    EXPECT_EQ(popups, 2);
    // The right button's own menu event does not open it a second time (the press opened it).
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(2, 2));
    QCoreApplication::sendEvent(f->button, &mouse);
    EXPECT_EQ(popups, 2);
}

}  // namespace

#include "form_test.moc"
