// The driver's controls between the windows and the session: what the user sets reaches the
// session before the control's own handling runs, and what the engine leaves in the session
// shows on the controls without running their handlers again.
#include "testing.h"

#include "engine/engine.h"
#include "engine/engineview.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "sim/session.h"
#include "sim/simstate.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

class DriverControls : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        controls()->ctl<QRadioButton>("optGear", 0)->setChecked(true);
        controls()->ctl<QRadioButton>("optThrottleOff")->setChecked(true);
        controls()->ctl<QCheckBox>("chkAuto")->setChecked(false);
        testEvents().clear();
    }
    static frmControls* controls() { return frm<frmControls>(); }
    static FRMsimulation* engine() { return frm<FRMsimulation>(); }
};

TEST_F(DriverControls, WhatTheUserSetsIsInTheSessionWhenItsHandlerRuns) {
    int gearSeenByHandler = -1;
    // A handler connected after the window's own sees the session already changed.
    QObject::connect(controls()->ctl<QRadioButton>("optGear", 4), &QRadioButton::toggled, controls(),
                     [&](bool on) { if (on) gearSeenByHandler = sim::session().controls().gear; });
    controls()->ctl<QRadioButton>("optGear", 4)->setChecked(true);
    EXPECT_EQ(gearSeenByHandler, 4);
    EXPECT_EQ(Gear, 4);  // the button's own handling ran

    controls()->ctl<QRadioButton>("optThrottleFull")->setChecked(true);
    engine()->ctl<QScrollBar>("HSB_engine_load")->setValue(40);
    engine()->ctl<QScrollBar>("HSB_Lambda")->setValue(-1);
    const sim::Controls c = engineview::gatherControls();
    EXPECT_EQ(c.gear, 4);
    EXPECT_EQ(c.throttle, sim::Throttle::Full);
    EXPECT_EQ(c.slider(sim::Slider::Load), 40);
    EXPECT_EQ(c.slider(sim::Slider::Lambda), -1);
    EXPECT_EQ(EngineLoad, 40);
    EXPECT_EQ(ThrottlePosition, 2);
}

TEST_F(DriverControls, WhatTheEngineLeavesShowsWithoutRunningTheHandlersAgain) {
    Gear = 1;
    EngineSpeed = 900;
    sim::Controls c = engineview::gatherControls();
    c.gear = 5;
    c.throttle = sim::Throttle::On;
    c.autoRun = true;
    c.slider(sim::Slider::Speed) = 2500;
    c.slider(sim::Slider::Temperature) = 200;  // beyond the slider: it stands at its end
    engineview::showControls(c);

    EXPECT_TRUE(controls()->ctl<QRadioButton>("optGear", 5)->isChecked());
    EXPECT_FALSE(controls()->ctl<QRadioButton>("optGear", 0)->isChecked());
    EXPECT_TRUE(controls()->ctl<QRadioButton>("optThrottleOn")->isChecked());
    EXPECT_TRUE(controls()->ctl<QCheckBox>("chkAuto")->isChecked());
    EXPECT_EQ(engine()->ctl<QScrollBar>("HSB_engine_speed")->value(), 2500);
    EXPECT_EQ(engine()->ctl<QScrollBar>("HSB_engine_temperature")->value(), 110);
    // No handler ran: the variables the buttons and sliders write are as they were.
    EXPECT_EQ(Gear, 1);
    EXPECT_EQ(EngineSpeed, 900);
    EXPECT_EQ(engineview::gatherControls().gear, 5);

    // A gear that is no button leaves the buttons as they are.
    c.gear = -1;
    engineview::showControls(c);
    EXPECT_TRUE(controls()->ctl<QRadioButton>("optGear", 5)->isChecked());
}

// What the other subsystems ask of the engine window through engine/engine.h: the controls they
// set run the same handling as the user's, and the operating point is read and followed without
// loading the window.
TEST_F(DriverControls, OtherSubsystemsSetTheControlsAndFollowTheOperatingPointThroughTheEngine) {
    engine::selectGear(3);
    engine::selectThrottle(sim::Throttle::Full);
    engine::setSlider(sim::Slider::Temperature, 70);
    EXPECT_EQ(Gear, 3);  // the buttons' and slider's own handling ran
    EXPECT_EQ(EngineTemperature, 70);
    EXPECT_EQ(sim::session().controls().gear, 3);
    EXPECT_EQ(sim::session().controls().throttle, sim::Throttle::Full);
    EXPECT_EQ(engine::sliderValue(sim::Slider::Temperature), 70);

    Forms::unload<FRMsimulation>();
    QObject context;
    EXPECT_FALSE(engine::operatingPoint().valid);
    EXPECT_FALSE(engine::followOperatingPoint(&context, [] {}));
    EXPECT_EQ(Forms::find<FRMsimulation>(), nullptr);  // neither loaded the window

    engine::loadManagementWindow();
    int told = 0;
    ASSERT_TRUE(engine::followOperatingPoint(&context, [&] { ++told; }));
    engine()->moveCurrentCells(4, 2, 6);
    const engine::OperatingPoint op = engine::operatingPoint();
    EXPECT_TRUE(op.valid);
    EXPECT_EQ(op.speedIndex, 4);
    EXPECT_EQ(op.loadIndex, 2);
    EXPECT_EQ(op.voltageIndex, 6);
    EXPECT_EQ(told, 1);
    engine()->clearOperatingPoint();
    EXPECT_FALSE(engine::operatingPoint().valid);
    EXPECT_EQ(told, 2);
}

}  // namespace
