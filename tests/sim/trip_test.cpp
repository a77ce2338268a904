// The trip computer and the shared state, without a window.
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
