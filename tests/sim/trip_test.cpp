// The trip computer, auto run and the shared state, without a window.
#include "simtesting.h"

#include "sim/trip.h"

#include <gtest/gtest.h>

using namespace simtest;
using sim::Event;

namespace {

TEST(Trip, AnHourAtNinetyKilometresAnHour) {
    SimState s;
    s.EngineSpeed = 2500;
    s.RoadSpeed = 90;
    s.InjectionDuration = 5;
    s.ArrivalDistance = 100;
    for (int i = 0; i < 3600; ++i) sim::advanceTrip(s);
    EXPECT_NEAR(s.TripDistance, 90, 1e-6);
    EXPECT_NEAR(s.Mileage, 90, 1e-6);
    EXPECT_NEAR(s.ArrivalDistance, 10, 1e-6);
    EXPECT_NEAR(s.AverageSpeed, 90, 1e-6);
    EXPECT_NEAR(s.TimeToArrival, 10 * 60 / 90.0, 1e-6);  // minutes
    EXPECT_NEAR(s.FuelUsed, 3600 * 5 / 500.0, 1e-6);      // litres
    EXPECT_NEAR(s.AverageEconomy, 90 * 10 / 36.0, 1e-6);
    EXPECT_EQ(s.FuelEconomy, 18);  // (77 - 5) / 4
    EXPECT_EQ(s.ElapsedTime, 3600);

    // Standing still: the clock runs, the distances and the momentary economy do not.
    s.RoadSpeed = 0;
    sim::advanceTrip(s);
    EXPECT_NEAR(s.TripDistance, 90, 1e-6);
    EXPECT_EQ(s.FuelEconomy, 0);
    // An arrival distance run far past the destination starts again at 0.
    s.RoadSpeed = 90;
    s.ArrivalDistance = -9999;
    sim::advanceTrip(s);
    EXPECT_EQ(s.ArrivalDistance, 0);
}

TEST(Trip, EdgesOfTheArrivalDistanceTheAverageAndTheEconomy) {
    // 3600 km/h is a kilometre a second: exactly -9999 and 9999 are in range, one beyond is not.
    SimState s;
    s.RoadSpeed = 3600;
    for (auto [from, to] : {std::pair{-9998.0, -9999.0}, {-9999.0, 0.0}, {10000.0, 9999.0}, {10001.0, 0.0}}) {
        s.ArrivalDistance = from;
        sim::advanceTrip(s);
        EXPECT_NEAR(s.ArrivalDistance, to, 1e-9) << from;
    }
    // An elapsed time of -1 is 0 after the second's +1: no average that second.
    SimState t;
    t.TripDistance = 5;
    t.AverageSpeed = 7;
    t.ElapsedTime = -1;
    sim::advanceTrip(t);
    EXPECT_EQ(t.AverageSpeed, 7);
    sim::advanceTrip(t);
    EXPECT_EQ(t.AverageSpeed, 18000);
    // The momentary economy is a 16-bit integer: 18.5 goes to the even 18.
    t.RoadSpeed = 50;
    t.InjectionDuration = 3;
    sim::advanceTrip(t);
    EXPECT_EQ(t.FuelEconomy, 18);
}

TEST(Trip, TheTankRunsDryAndIsFilledAgain) {
    SimState s;
    s.FuelLevel = 0.0025;
    s.InjectionDuration = 2;
    EXPECT_FALSE(sim::burnFuel(s));
    EXPECT_NEAR(s.FuelLevel, 0.0005, 1e-9);
    EXPECT_TRUE(sim::burnFuel(s));
    EXPECT_EQ(s.FuelLevel, 60);
}

TEST(Trip, TheDisplayInMetricAndImperialUnits) {
    SimState s;
    s.TripDistance = 80;
    s.FuelEconomy = 10;
    s.AverageSpeed = 64;
    s.FuelUsed = 9.1;
    s.Stopwatch = 42;
    auto shown = [&](int mode, bool metric) {
        s.TripDisplayMode = mode;
        s.MetricUnits = metric ? True : False;
        return sim::tripDisplayText(s, "12:30:00").value_or("(nothing)");
    };
    EXPECT_EQ(shown(0, true), "12:30:00");
    EXPECT_EQ(shown(1, true), "80.0 km");
    EXPECT_EQ(shown(1, false), "50.0 miles");
    EXPECT_EQ(shown(2, false), "28.2 mpg");
    EXPECT_EQ(shown(5, false), "40 mph");
    EXPECT_EQ(shown(7, false), "2.0 gal");
    EXPECT_EQ(shown(8, true), "42 s");
    EXPECT_EQ(shown(10, true), "(nothing)");  // a mode the display does not know is left alone
}

TEST(Trip, TheStopwatchCountsOnlyWhenShownAndRunning) {
    SimState s;
    s.StopwatchRunning = True;
    s.TripDisplayMode = 3;
    sim::tickStopwatch(s);
    EXPECT_EQ(s.Stopwatch, 0);
    s.TripDisplayMode = 8;
    sim::tickStopwatch(s);
    EXPECT_EQ(s.Stopwatch, 1);
    s.Stopwatch = 60000;
    sim::tickStopwatch(s);
    EXPECT_EQ(s.Stopwatch, 0);
    s.StopwatchRunning = False;
    sim::tickStopwatch(s);
    EXPECT_EQ(s.Stopwatch, 0);
}

double g_next = 0;
double fixedRandom() { return g_next; }

TEST(AutoRun, DrivesThroughTheRevRangeChoosingGearsAndLoads) {
    Engine e;
    e.in.controls.autoRun = true;
    e.s.EngineTemperature = 20;
    sim::Outcome out;
    g_next = 0.5;
    sim::autoRun(e.s, e.in.controls, fixedRandom, out);
    EXPECT_EQ(e.s.EngineSpeed, 820);
    EXPECT_EQ(e.s.EngineTemperature, 22);
    EXPECT_EQ(e.s.SystemVoltage, 14);
    EXPECT_EQ(e.in.controls.gear, 3);  // the first second chooses a gear
    EXPECT_EQ(e.in.controls.slider(sim::Slider::Lambda), -1);
    EXPECT_EQ(statuses(out).first(), "Auto run selected...");

    // The sixth second chooses a load; above 80 % the throttle is opened fully.
    g_next = 0.95;
    for (int i = 0; i < 5; ++i) sim::autoRun(e.s, e.in.controls, fixedRandom, out);
    EXPECT_EQ(e.s.EngineLoad, 85);
    EXPECT_EQ(e.in.controls.throttle, sim::Throttle::Full);
    EXPECT_EQ(e.s.StepCounter, 0);
    // Warm (above 60 degrees) the mixture swings from rich to lean every second.
    e.s.EngineTemperature = 70;
    sim::autoRun(e.s, e.in.controls, fixedRandom, out);
    const int lambda = e.in.controls.slider(sim::Slider::Lambda);
    sim::autoRun(e.s, e.in.controls, fixedRandom, out);
    EXPECT_EQ(e.in.controls.slider(sim::Slider::Lambda), -lambda);

    // At 6000 rev/min it starts again from idle, and that second does nothing else.
    e.s.EngineSpeed = 5990;
    e.s.SystemVoltage = 12;
    sim::autoRun(e.s, e.in.controls, fixedRandom, out);
    EXPECT_EQ(e.s.EngineSpeed, 800);
    EXPECT_EQ(e.s.SystemVoltage, 12);

    // Without the box ticked it does nothing at all.
    e.in.controls.autoRun = false;
    sim::Outcome none;
    sim::autoRun(e.s, e.in.controls, fixedRandom, none);
    EXPECT_TRUE(none.events.empty());
    EXPECT_EQ(e.s.EngineSpeed, 800);
}

TEST(SimState, ResetAssignAndTheProgramsNames) {
    SimState s;
    s.EngineSpeed = 3000;
    s.ConnectionName = "Coil";
    s.OptionFlags[3] = 1;
    s.TelemetryData[300][12] = 7;
    s.reset();
    EXPECT_EQ(s.EngineSpeed, 0);
    EXPECT_EQ(s.SystemVoltage, 12);
    EXPECT_EQ(s.ToolMode, 1);
    EXPECT_EQ(s.ConnectionName, "Blank");
    EXPECT_EQ(s.OptionFlags[3], 0);
    EXPECT_EQ(s.TelemetryData[300][12], 0);

    QString error;
    EXPECT_TRUE(s.set("OptionFlags(9)", "-1", &error)) << error.toStdString();
    EXPECT_EQ(s.OptionFlags[9], -1);
    EXPECT_FALSE(s.set("OptionFlags(10)", "1", &error));
    EXPECT_FALSE(s.set("EngineSped", "1", &error));
    EXPECT_EQ(error, "no shared variable EngineSped");
    EXPECT_FALSE(s.set("EngineSpeed", "40000", &error));  // beyond a 16-bit integer
    EXPECT_EQ(error, "\"40000\" does not fit EngineSpeed");
    EXPECT_FALSE(s.set("Gear(1)", "1", &error));
    const QJsonObject json = s.toJson();
    EXPECT_EQ(json.value("ConnectionName").toString(), "Blank");
    EXPECT_TRUE(json.contains("OptionFlags"));

    // The program's names are its state's members.
    EngineSpeed = 1234;
    EXPECT_EQ(programState().EngineSpeed, 1234);
    OptionFlags[2] = 1;
    EXPECT_EQ(programState().OptionFlags[2], 1);
    resetState();
    EXPECT_EQ(EngineSpeed, 0);
    EXPECT_EQ(OptionFlags[2], 0);
}

}  // namespace
