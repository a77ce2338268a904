// The engine step on its own: the unit's corrections and limits, the map cells it cannot use,
// and stopping the engine. (The output check through the grids: tests/engine/ecu_output_check.vs.)
#include "simtesting.h"

#include <gtest/gtest.h>

using namespace simtest;
using sim::Event;
using sim::Throttle;

namespace {

TEST(EngineStep, IdleAndRunDownWithTheThrottleClosed) {
    Engine e;
    e.in.controls.throttle = Throttle::Off;
    sim::Outcome out = e.step();
    EXPECT_EQ(e.s.EngineSpeed, 800);  // held at idle
    EXPECT_EQ(e.s.EngineLoad, 5);
    EXPECT_EQ(e.s.IgnitionTiming, 10);
    EXPECT_EQ(statuses(out), QStringList{"Engine idle speed controlled..."});
    ASSERT_TRUE(out.readings);
    EXPECT_EQ(out.readings->speed, 800);
    EXPECT_EQ(e.s.AlternatorSpeed, 2400);

    // From 3000 rev/min the engine loses 200 rev/min a second; the fuel is cut while it runs
    // at 2000 or more, and given again below.
    e.s.EngineSpeed = 3000;
    int seconds = 0;
    while (e.s.EngineSpeed > 800 && seconds < 20) {
        const int before = e.s.EngineSpeed;
        out = e.step();
        ++seconds;
        EXPECT_EQ(e.s.EngineSpeed, std::max(800, before - 200));
        if (before >= 2000) {
            EXPECT_EQ(e.s.InjectionDuration, 0) << before;
            EXPECT_TRUE(statuses(out).contains("Overrun fuel cut-off...")) << before;
        } else {
            EXPECT_GT(e.s.InjectionDuration, 2) << before;  // 2 ms enriched for 14 V
        }
    }
    EXPECT_EQ(seconds, 11);
    EXPECT_TRUE(e.s.EngineRunning == True);
}

TEST(EngineStep, FullThrottleEnrichesAndTheLimiterCutsTheFuel) {
    Engine e;
    e.in.controls.throttle = Throttle::Full;
    e.in.controls.gear = 3;
    e.s.EngineSpeed = 3000;
    sim::Outcome out = e.step();
    EXPECT_EQ(e.s.EngineSpeed, 3200);
    EXPECT_EQ(e.s.EngineLoad, 100);
    const double onThrottle = 2 * 1.1f;  // the map's 2 ms enriched for 14 V
    EXPECT_NEAR(e.s.InjectionDuration, onThrottle * 1.2, 1e-6);
    EXPECT_EQ(e.s.RoadSpeed, 65);  // third gear: 49 rev/min per km/h
    EXPECT_EQ(statuses(out), QStringList{"Full load enrichment applied..."});

    // Held wide open the engine climbs to the red line, where the fuel is cut.
    QStringList seen;
    for (int i = 0; i < 20; ++i) {
        out = e.step();
        seen << statuses(out);
        EXPECT_LT(e.s.EngineSpeed, 7000);
        if (e.s.EngineSpeed == 6750) {
            EXPECT_EQ(e.s.InjectionDuration, 0);
            break;
        }
    }
    EXPECT_EQ(e.s.EngineSpeed, 6750);
    EXPECT_TRUE(seen.contains("CAUTION ENGINE REVS RED LINED - Limiter cuts in at 7000rev/min..."));

    // A speed set past the limit by hand is cut back by the limiter.
    e.in.controls.throttle = Throttle::On;
    e.s.EngineSpeed = 7000;
    e.step();
    EXPECT_EQ(e.s.EngineSpeed, 6950);
    EXPECT_EQ(e.s.InjectionDuration, 0);
}

TEST(EngineStep, ColdEngineAndLowVoltageEnrichAndRetard) {
    Engine e;
    e.s.EngineTemperature = -15;
    e.s.SystemVoltage = 10;
    e.timing = Map("Ignition timing", 20);
    e.step();
    EXPECT_EQ(e.s.IgnitionTiming, 16);  // 4 degrees taken off below -10 degrees C
    EXPECT_NEAR(e.s.InjectionDuration, 2 * 1.5 * 1.6, 1e-5);  // 10 V and the coldest band
    EXPECT_EQ(e.s.VoltageIndex, 5);

    // Timing from the map never goes below top dead centre, nor (after retard) below 8.
    Engine r;
    r.timing = Map("Ignition timing", -12);
    r.step();
    EXPECT_EQ(r.s.IgnitionTiming, 8);
}

TEST(EngineStep, TheLambdaSignalTrimsTheMixtureAndTheExhaustWarnsAboveIdle) {
    const double base = 2 * 1.1f;  // the map's 2 ms enriched for 14 V
    for (auto [lambda, trimmed] : {std::pair{-1, base * 0.9}, {0, base}, {1, base * 1.1}}) {
        Engine e;
        e.in.controls.slider(sim::Slider::Lambda) = lambda;
        e.step();
        EXPECT_NEAR(e.s.InjectionDuration, trimmed, 1e-6) << lambda;
    }
    Engine e;
    e.s.ExhaustWarning = True;
    e.s.EngineSpeed = 700;
    EXPECT_FALSE(statuses(e.step()).contains("Warning, exhaust gases are out of range..."));
    e.s.EngineSpeed = 800;
    EXPECT_TRUE(statuses(e.step()).contains("Warning, exhaust gases are out of range..."));
}

TEST(EngineStep, KnockRetardsTheTimingAndSwitchesTheSimulationOff) {
    Engine e;
    e.timing = Map("Ignition timing", 30);
    e.s.EngineSpeed = 3000;
    e.s.EngineLoad = 50;
    e.in.controls.gear = 1;  // in neutral the load would drop to 5 %
    e.s.Knock = True;
    // Two degrees more a knock, one degree back a second: the retard grows by one a second.
    for (int second = 1; second <= 7; ++second) {
        const sim::Outcome out = e.step();
        EXPECT_EQ(e.s.IgnitionTiming, 30 - (second + 1)) << second;
        EXPECT_EQ(count(out, Event::Kind::Beep), 1);
        EXPECT_TRUE(statuses(out).contains("Engine knocked - Timing was retarded..."));
        EXPECT_TRUE(texts(out, Event::Kind::KnockText).isEmpty());
    }
    EXPECT_EQ(e.s.EngineLoad, 20);  // 5 % off a knock, not below 20
    // At 8 degrees the simulation switches itself off; the retard then decays.
    sim::Outcome out = e.step();
    EXPECT_EQ(e.s.IgnitionTiming, 22);
    EXPECT_EQ(texts(out, Event::Kind::KnockText), QStringList{"No"});
    EXPECT_TRUE(e.s.Knock == False);
    out = e.step();
    EXPECT_EQ(e.s.IgnitionTiming, 23);
    EXPECT_EQ(count(out, Event::Kind::Beep), 0);

    // Labouring: low speed under high load knocks until the load has come down to 80 %.
    Engine l;
    l.s.EngineSpeed = 1000;
    l.s.EngineLoad = 90;
    l.in.controls.gear = 1;
    int knocks = 0;
    for (int i = 0; i < 5; ++i) knocks += count(l.step(), Event::Kind::Beep);
    EXPECT_EQ(knocks, 2);
    EXPECT_EQ(l.s.EngineLoad, 80);
}

TEST(EngineStep, AFailedKnockSensorWarnsInsteadOfRetarding) {
    Engine e;
    e.timing = Map("Ignition timing", 30);
    e.s.EngineSpeed = 3000;
    e.s.Knock = True;
    e.s.KnockSensorFault = True;
    for (int i = 0; i < 10; ++i) {
        const sim::Outcome out = e.step();
        EXPECT_EQ(e.s.IgnitionTiming, 30);
        EXPECT_TRUE(statuses(out).contains("Warning, engine is knocking..."));
        ASSERT_EQ(count(out, Event::Kind::Pause), 1);
    }
    EXPECT_TRUE(e.s.Knock == True);  // it never reaches the retard that would switch it off
}

TEST(EngineStep, RoadSpeedFollowsTheGear) {
    Engine e;
    e.s.EngineSpeed = 2820;
    for (auto [gear, kmh] : {std::pair{1, 30}, {5, 104}, {6, -30}, {0, 0}}) {
        e.in.controls.gear = gear;
        e.step();
        EXPECT_EQ(e.s.RoadSpeed, kmh) << gear;
    }
    EXPECT_EQ(e.s.EngineLoad, 5);  // neutral: the engine only turns itself
    // No gear button pressed: the road speed is left as it was.
    e.in.controls.gear = 2;
    e.step();
    e.in.controls.gear = -1;
    e.step();
    EXPECT_EQ(e.s.RoadSpeed, 38);
}

// A step on a map that cannot be used: its message, and the engine stopped with nothing
// else done.
QString refusedCell(Engine& e) {
    const sim::Outcome out = e.step();
    EXPECT_TRUE(out.outputsFailed);
    EXPECT_TRUE(e.s.EngineRunning == False);
    EXPECT_EQ(count(out, Event::Kind::EngineStopped), 1);
    EXPECT_EQ(count(out, Event::Kind::WriteReport), 0);
    const QStringList m = messages(out);
    return m.size() == 1 ? m[0] : "messages: " + m.join(" | ");
}

TEST(EngineStep, MapCellsThatCannotBeUsedStopTheEngineNamingTheCell) {
    const QString edit = ", please edit the lookup data... ";
    {
        Engine e;
        e.timing.setCell(6, 0, {sim::CellState::Empty, 0});
        EXPECT_EQ(refusedCell(e), "Ignition timing: the cell in row 7, column Speed 1 (load 14 %, 800 rev/min) is empty" + edit);
    }
    {
        Engine e;
        e.s.EngineSpeed = 2400;
        e.dwell.setCell(1, 2, {sim::CellState::NotNumber, 0}, "3O");
        EXPECT_EQ(refusedCell(e), "Dwell: the cell in row 2, column Speed 3 (14 V, 2400 rev/min) holds \"3O\", which is not a number" + edit);
    }
    {
        Engine e;
        e.dwell.setCell(1, 0, {sim::CellState::Number, -5});
        EXPECT_EQ(refusedCell(e), "Dwell: the cell in row 2, column Speed 1 (14 V, 800 rev/min) holds -5, which is below 0" + edit);
    }
    {
        Engine e;
        e.timing.setCell(6, 0, {sim::CellState::Number, 40000});
        EXPECT_EQ(refusedCell(e), "Ignition timing: the cell in row 7, column Speed 1 (load 14 %, 800 rev/min) holds 40000, which is far out of range" + edit);
    }
    {
        Engine e;
        e.injection = Map("Injection", 2, 3);
        EXPECT_EQ(refusedCell(e), "Injection has no row 7 (load 14 %)" + edit);
        Engine empty;
        empty.injection = Map("Injection", 2, 0);
        EXPECT_EQ(refusedCell(empty), "Injection holds no data" + edit);
    }
    {
        Engine e;
        e.in.dwell = nullptr;
        EXPECT_EQ(refusedCell(e), "The lookup data is not loaded" + edit);
    }
}

TEST(EngineStep, TheScanWithinTheStepStopsTheEngineBeforeTheRoadSpeed) {
    Engine e;
    e.in.scan = true;
    e.in.controls.gear = 2;
    e.s.EngineSpeed = 3000;
    e.in.faults.set(19);  // ignition: a critical fault
    const sim::Outcome out = e.step();
    EXPECT_EQ(count(out, Event::Kind::EngineStopped), 1);
    EXPECT_EQ(count(out, Event::Kind::WriteReport), 2);
    EXPECT_TRUE(statuses(out).contains("Critical fault condition..."));
    EXPECT_TRUE(messages(out).isEmpty());
    EXPECT_EQ(e.s.RoadSpeed, 0);
    EXPECT_EQ(e.in.controls.gear, 0);
}

TEST(StopEngine, BringsTheEngineToRestAndResetsTheControls) {
    Engine e;
    e.in.controls.gear = 3;
    e.s.Gear = 3;
    e.in.controls.throttle = Throttle::Full;
    e.in.controls.autoRun = true;
    e.s.EngineSpeed = 3000;
    e.s.RoadSpeed = 61;
    e.s.IgnitionTiming = 30;
    sim::Outcome out;
    sim::stopEngine(e.s, e.in.controls, out);
    EXPECT_TRUE(e.s.EngineRunning == False);
    EXPECT_EQ(e.in.controls.gear, 0);
    EXPECT_EQ(e.s.Gear, 0);
    EXPECT_EQ(e.in.controls.throttle, Throttle::Off);
    EXPECT_EQ(e.s.ThrottlePosition, 0);
    EXPECT_FALSE(e.in.controls.autoRun);
    EXPECT_EQ(e.s.SystemVoltage, 12);  // the alternator's 14 V gone
    for (int v : {int(e.s.EngineSpeed), int(e.s.EngineLoad), int(e.s.RoadSpeed), int(e.s.IgnitionTiming),
                  int(e.s.DwellPercentage), int(e.s.AlternatorSpeed)})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(e.in.controls.slider(sim::Slider::Speed), 0);
    ASSERT_FALSE(out.events.empty());
    EXPECT_EQ(out.events.back().kind, Event::Kind::EngineStopped);
    EXPECT_EQ(statuses(out).last(), "Engine stopped...");

    // A stopped engine is left alone; a low voltage is not raised.
    sim::Outcome again;
    e.s.SystemVoltage = 9;
    sim::stopEngine(e.s, e.in.controls, again);
    EXPECT_TRUE(again.events.empty());
    e.s.EngineCranking = True;
    sim::stopEngine(e.s, e.in.controls, again);
    EXPECT_EQ(e.s.SystemVoltage, 9);
    EXPECT_TRUE(e.s.EngineCranking == False);
}

TEST(Controls, ButtonsAndSlidersActOnlyWhenTheyChange) {
    SimState s;
    sim::Controls c;
    sim::Outcome out;
    sim::chooseThrottle(s, c, Throttle::Off, out);  // already off
    EXPECT_TRUE(out.events.empty());
    sim::chooseThrottle(s, c, Throttle::Full, out);
    EXPECT_EQ(s.ThrottlePosition, 2);
    sim::chooseThrottle(s, c, Throttle::Off, out);
    EXPECT_EQ(statuses(out), QStringList{"Ready..."});

    sim::chooseAutoRun(s, c, true, out);  // the engine is not running
    EXPECT_FALSE(c.autoRun);
    EXPECT_EQ(statuses(out).last(), "Auto run is only available when the engine has been started...");

    sim::moveSlider(s, c, sim::Slider::Temperature, 500, out);
    EXPECT_EQ(s.EngineTemperature, 110);
    sim::moveSlider(s, c, sim::Slider::Lambda, -3, out);
    EXPECT_EQ(texts(out, Event::Kind::LambdaText), QStringList{"< 1"});
    // A value outside a slider's range is brought within it when the read-outs refresh.
    s.EngineSpeed = 9000;
    sim::refresh(s, c);
    EXPECT_EQ(s.EngineSpeed, 7000);
    // A slider already at the end of its range stays there, and so does the variable.
    sim::moveSlider(s, c, sim::Slider::Voltage, 12, out);
    s.SystemVoltage = -4;
    sim::refresh(s, c);
    EXPECT_EQ(s.SystemVoltage, 0);
    s.SystemVoltage = -4;
    sim::refresh(s, c);
    EXPECT_EQ(s.SystemVoltage, -4);
}

TEST(EngineStep, OverflowOfASixteenBitVariableIsARunTimeError) {
    Engine e;
    e.in.controls.throttle = Throttle::Full;
    e.s.EngineSpeed = 32700;
    EXPECT_THROW(e.step(), VbError);
}

}  // namespace
