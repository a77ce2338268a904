// The key turned by a click on the desktop: the start sequence holds on its timer and returns to
// the event loop between its stretches. The platform here answers like the desktop's (not
// scripted) but on virtual time, and the test fires the hold timer by hand, so nothing waits.
// Script mode's key, held in place: tests/electrical/*.vs.
#include "testing.h"

#include "electrical/frmstarting.h"
#include "electrical/startstop.h"
#include "engine/frmcontrols.h"
#include "faults/frmfaults.h"
#include "platform/form.h"
#include "sim/simstate.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

class DesktopOnVirtualTime : public ScriptPlatform {
public:
    DesktopOnVirtualTime() : ScriptPlatform([](const QJsonObject& e) { testEvents().append(e); }) {}
    bool scripted() const override { return false; }
};

VTimer& hold() {
    VTimer* t = VTimer::byName("tmrStartSequence");
    EXPECT_NE(t, nullptr);
    return *t;
}

QString crankingText() { return frm<frmStarting>()->ctl<QLineEdit>("txtCrankingSpeed")->text(); }

int eventsOf(const QString& kind) {
    int n = 0;
    for (const QJsonObject& e : testEvents()) n += e.value("event").toString() == kind;
    return n;
}

class KeyOnTimer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setPlatform(new DesktopOnVirtualTime); }

    void SetUp() override {
        StopEngine();
        frm<frmFaults>()->cmdClear_Click();
        frm<frmStarting>()->ctl<QScrollBar>("hsbVoltage")->setValue(12);
        SystemVoltage = 12;
        EngineTemperature = 90;
        CriticalFault = False;
        testEvents().clear();
    }

    // Fires the hold timer until the sequence no longer holds; the cranking speeds shown after
    // each hold, in order.
    QStringList fireToTheEnd(const std::function<void(int)>& meanwhile = nullptr) {
        QStringList shown;
        for (int n = 1; hold().enabled() && n < 1000; ++n) {
            hold().fire();
            shown << crankingText();
            if (meanwhile) meanwhile(n);
        }
        return shown;
    }
};

TEST_F(KeyOnTimer, TheClickReturnsAtOnceAndTheTimerCarriesTheStartThrough) {
    RunStartStopEngine(StartMode::OnTimer);
    // Only the first stretch has run: key on, a second's hold on the timer, not a pause.
    EXPECT_EQ(CrankingSpeed, 132);
    EXPECT_EQ(EngineCranking, False);
    EXPECT_TRUE(hold().enabled());
    EXPECT_EQ(hold().interval(), 1000);
    EXPECT_EQ(eventsOf("pause"), 0);

    hold().fire();
    EXPECT_EQ(frm<frmControls>()->ctl<QLabel>("lblStatus")->text(), "Cranking position...");
    EXPECT_EQ(crankingText(), "70");
    EXPECT_EQ(hold().interval(), 100);

    const QStringList shown = fireToTheEnd();
    // 62 more ramp steps, 20 half strokes, the engine caught and its second at idle.
    ASSERT_EQ(shown.size(), 84);
    EXPECT_EQ(shown.at(61), "132");
    EXPECT_EQ(shown.at(62), "137");
    EXPECT_EQ(shown.at(81), "132");
    EXPECT_EQ(shown.at(82), "0");
    EXPECT_EQ(EngineRunning, True);
    EXPECT_EQ(EngineSpeed, 800);
    EXPECT_EQ(SystemVoltage, 14);
    EXPECT_EQ(frm<frmControls>()->ctl<QLabel>("lblStatus")->text(), "Engine is running...");
    EXPECT_EQ(eventsOf("pause"), 0) << "every hold of a normal start lets events run";
    EXPECT_FALSE(hold().enabled());
}

TEST_F(KeyOnTimer, TheKeyTurnedAgainDuringTheRampStopsAtOnceAndTheStartCarriesOn) {
    RunStartStopEngine(StartMode::OnTimer);
    QString stoppedAt;
    fireToTheEnd([&](int n) {
        if (n != 10) return;
        stoppedAt = crankingText();
        RunStartStopEngine(StartMode::OnTimer);
        EXPECT_EQ(EngineCranking, False);
        EXPECT_EQ(frm<frmControls>()->ctl<QLabel>("lblStatus")->text(), "Engine is stopped...");
        EXPECT_EQ(crankingText(), "0");
        EXPECT_TRUE(hold().enabled()) << "the interrupted start still holds";
    });
    EXPECT_EQ(stoppedAt, "79");
    EXPECT_EQ(EngineRunning, True);
    EXPECT_EQ(SystemVoltage, 14);
}

TEST_F(KeyOnTimer, AStartFromTheKeyWhileAnotherHoldsRunsThroughFirst) {
    RunStartStopEngine(StartMode::OnTimer);  // holds a second at "Engine is ready to start..."
    RunStartStopEngine(StartMode::OnTimer);  // still at rest: a start of its own
    const QStringList shown = fireToTheEnd();
    // The inner start runs whole (its ramp, strokes and idle), then the outer one goes on from
    // its cranking position; the two ramps are never mixed.
    // Each start: 63 ramp steps, 20 half strokes, the engine caught and its second at idle.
    ASSERT_EQ(shown.size(), 2 * 85);
    EXPECT_EQ(shown.at(0), "70");
    EXPECT_EQ(shown.at(62), "132");
    EXPECT_EQ(shown.at(84), "0");
    EXPECT_EQ(shown.mid(85), shown.mid(0, 85));
    EXPECT_EQ(EngineRunning, True);
}

TEST_F(KeyOnTimer, AStartThatMustEndInPlaceRunsThroughWhileAClickedOneHolds) {
    RunStartStopEngine(StartMode::OnTimer);
    hold().fire();
    hold().fire();  // cranking at 71
    // A challenge stopping the engine and starting it for its vehicle, in place.
    StopEngine();
    StartStopEngine();
    EXPECT_EQ(EngineRunning, True);
    // Held in place on the platform's pauses: key on, the ramp from 70 to 121 (the stop left
    // the starter's 11 V), 20 half strokes and the second at idle.
    EXPECT_EQ(eventsOf("pause"), 1 + 52 + 20 + 1);
    EXPECT_TRUE(hold().enabled()) << "the clicked start carries on afterwards";
    EXPECT_EQ(hold().interval(), 100);
    hold().fire();
    EXPECT_EQ(crankingText(), "72");
    fireToTheEnd();
    EXPECT_EQ(EngineRunning, True);
}

}  // namespace
