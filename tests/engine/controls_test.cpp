// The driver's controls between the windows and the session: what the user sets reaches the
// session before the control's own handling runs, and what the engine leaves in the session
// shows on the controls without running their handlers again.
#include "testing.h"

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
        controls()->optGear[0]->setChecked(true);
        controls()->optThrottleOff->setChecked(true);
        controls()->chkAuto->setChecked(false);
        testEvents().clear();
    }
    static frmControls* controls() { return frm<frmControls>(); }
    static FRMsimulation* engine() { return frm<FRMsimulation>(); }
};

TEST_F(DriverControls, WhatTheUserSetsIsInTheSessionWhenItsHandlerRuns) {
    int gearSeenByHandler = -1;
    // A handler connected after the window's own sees the session already changed.
    QObject::connect(controls()->optGear[4], &QRadioButton::toggled, controls(),
                     [&](bool on) { if (on) gearSeenByHandler = sim::session().controls().gear; });
    controls()->optGear[4]->setChecked(true);
    EXPECT_EQ(gearSeenByHandler, 4);
    EXPECT_EQ(Gear, 4);  // the button's own handling ran

    controls()->optThrottleFull->setChecked(true);
    engine()->HSB_engine_load->setValue(40);
    engine()->HSB_Lambda->setValue(-1);
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

    EXPECT_TRUE(controls()->optGear[5]->isChecked());
    EXPECT_FALSE(controls()->optGear[0]->isChecked());
    EXPECT_TRUE(controls()->optThrottleOn->isChecked());
    EXPECT_TRUE(controls()->chkAuto->isChecked());
    EXPECT_EQ(engine()->HSB_engine_speed->value(), 2500);
    EXPECT_EQ(engine()->HSB_engine_temperature->value(), 110);
    // No handler ran: the variables the buttons and sliders write are as they were.
    EXPECT_EQ(Gear, 1);
    EXPECT_EQ(EngineSpeed, 900);
    EXPECT_EQ(engineview::gatherControls().gear, 5);

    // A gear that is no button leaves the buttons as they are.
    c.gear = -1;
    engineview::showControls(c);
    EXPECT_TRUE(controls()->optGear[5]->isChecked());
}

}  // namespace
