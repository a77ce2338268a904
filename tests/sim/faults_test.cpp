// The fault scan on its own: what each kind of fault does to the engine, the fault codes it
// reports, the report files it cannot write, and the faults that act when the key is turned.
#include "simtesting.h"

#include "sim/snapshot.h"

#include <gtest/gtest.h>

using namespace simtest;
using sim::Event;

namespace {

const Event* report(const sim::Outcome& out, const QString& name) {
    for (const Event& e : out.events)
        if (e.kind == Event::Kind::WriteReport && e.text == name) return &e;
    return nullptr;
}

TEST(FaultScan, SensorFaultsActOnTheirSignalAndAreReportedOncePerSensor) {
    Engine e;
    e.s.EngineLoad = 40;
    e.in.faults.set(2).set(8).set(6);  // load sensor twice, knock sensor
    const sim::Outcome out = e.scan();
    EXPECT_EQ(e.s.EngineLoad, 0);
    EXPECT_TRUE(e.s.KnockSensorFault == True);
    EXPECT_TRUE(e.s.EngineRunning == True);  // neither is critical
    const Event* faults = report(out, "Faults.scn");
    ASSERT_TRUE(faults);
    EXPECT_EQ(faults->lines, sim::faultsReport({"Engine load sensor signal out of range", "Knock sensor out of range"}));
    ASSERT_TRUE(report(out, "Scanner.scn"));
    // The live data is written after the faults acted.
    EXPECT_TRUE(report(out, "Scanner.scn")->lines.contains("Engine load = 0% of full load"));

    // The temperature sensor reads -20 degrees, and the exhaust is then out of range.
    Engine t;
    t.in.faults.set(15);
    t.scan();
    EXPECT_EQ(t.s.EngineTemperature, -20);
    EXPECT_TRUE(t.s.ExhaustWarning == True);
}

TEST(FaultScan, ACriticalFaultStopsTheRunningEngine) {
    Engine e;
    e.in.controls.autoRun = true;
    e.in.faults.set(7);  // engine-speed sensor
    const sim::Outcome out = e.scan();
    EXPECT_TRUE(e.s.CriticalFault == True);
    EXPECT_TRUE(e.s.EngineRunning == False);
    EXPECT_FALSE(e.in.controls.autoRun);
    EXPECT_EQ(e.s.SystemVoltage, 12);
    // In order: the fault report, the warning with its beep and pause, the stop, the live data.
    std::vector<Event::Kind> kinds;
    for (const Event& ev : out.events)
        if (ev.kind != Event::Kind::Status) kinds.push_back(ev.kind);
    const std::vector<Event::Kind> expected = {Event::Kind::WriteReport, Event::Kind::Beep, Event::Kind::Pause,
                                               Event::Kind::EngineStopped, Event::Kind::WriteReport};
    EXPECT_EQ(kinds, expected);
    EXPECT_TRUE(statuses(out).contains("Critical fault condition..."));
    EXPECT_TRUE(report(out, "Scanner.scn")->lines.contains("Engine speed = 0 rev/min"));

    // A critical fault on a stopped engine is only noted (the key will not start it).
    Engine stopped;
    stopped.s.EngineRunning = False;
    stopped.in.faults.set(30);
    const sim::Outcome quiet = stopped.scan();
    EXPECT_TRUE(stopped.s.CriticalFault == True);
    EXPECT_EQ(count(quiet, Event::Kind::EngineStopped), 0);
    EXPECT_EQ(report(quiet, "Faults.scn")->lines, sim::faultsReport({"Unknown system fault"}));
}

TEST(FaultScan, AFlatBatteryHoldsTheVoltageLowWithoutDrainingIt) {
    Engine e;
    e.in.faults.set(36);
    for (int i = 0; i < 5; ++i) e.scan();
    EXPECT_EQ(e.s.SystemVoltage, 11);  // four fifths of the charging 14 V
    Engine rest;
    rest.s.EngineRunning = False;
    rest.s.SystemVoltage = 12;
    rest.in.faults.set(36);
    rest.scan();
    EXPECT_EQ(rest.s.SystemVoltage, 10);
    rest.s.SystemVoltage = 8;  // already lower: left as it is
    rest.scan();
    EXPECT_EQ(rest.s.SystemVoltage, 8);
}

TEST(FaultScan, ChargingAndMixtureFaults) {
    Engine e;
    e.in.faults.set(39).set(43);  // regulator, warning-lamp circuit
    sim::Outcome out = e.scan();
    EXPECT_EQ(e.s.SystemVoltage, 16);
    EXPECT_EQ(count(out, Event::Kind::ChargeLampOn), 1);
    EXPECT_EQ(report(out, "Faults.scn")->lines, sim::faultsReport({}));  // no code for either

    Engine lean;
    lean.in.faults.set(28);
    out = lean.scan();
    EXPECT_EQ(lean.in.controls.slider(sim::Slider::Lambda), 1);
    EXPECT_EQ(texts(out, Event::Kind::LambdaText), QStringList{"> 1"});
    EXPECT_TRUE(lean.s.ExhaustWarning == True);
    // The warning shows in the next step, and a lambda-sensor fault centres the reading.
    lean.in.faults.set(11);
    lean.scan();
    out = lean.step();
    EXPECT_TRUE(statuses(out).contains("Warning, exhaust gases are out of range..."));
    EXPECT_EQ(lean.in.controls.slider(sim::Slider::Lambda), 0);
}

TEST(FaultScan, AReportThatCannotBeWrittenEndsTheScanWithAMessage) {
    Engine e;
    e.in.faults.set(6);
    e.in.faultsReport = {76, "Path not found"};
    sim::Outcome out = e.scan();
    EXPECT_EQ(messages(out), QStringList{"Collect system data - Error number: 76 - Path not found\r\n\r\n"
                                         "Check that the path is set to your work area (Tools, Options and click 'Set path')..."});
    EXPECT_TRUE(e.s.KnockSensorFault == False);  // no fault acted
    EXPECT_TRUE(e.s.EngineRunning == False);
    EXPECT_EQ(count(out, Event::Kind::WriteReport), 0);
    EXPECT_EQ(out.events.back().kind, Event::Kind::ShowOptions);

    // The live-data report: the faults have acted and their report is written first.
    Engine l;
    l.in.faults.set(6);
    l.in.scannerReport = {75, "Path/File access error"};
    out = l.scan();
    EXPECT_TRUE(l.s.KnockSensorFault == True);
    EXPECT_TRUE(report(out, "Faults.scn"));
    EXPECT_FALSE(report(out, "Scanner.scn"));
    EXPECT_EQ(count(out, Event::Kind::ShowOptions), 1);
    EXPECT_EQ(l.s.TempFolder, "/tmp/");
}

TEST(CrankingFaults, WhatTheKeyMeetsWhenItIsTurned) {
    auto cranked = [](std::initializer_list<int> faults) {
        SimState s;
        s.IgnitionTiming = 10, s.DwellPercentage = 35, s.InjectionDuration = 4, s.CrankingSpeed = 150;
        sim::FaultSet f;
        for (int n : faults) f.set(n);
        sim::applyCrankingFaults(s, f);
        return s;
    };
    SimState s = cranked({13});  // no speed signal: nothing fires
    EXPECT_EQ(s.IgnitionTiming + s.DwellPercentage, 0);
    EXPECT_EQ(s.InjectionDuration, 0);
    EXPECT_TRUE(s.CriticalFault == False);
    s = cranked({23});  // injector circuit: sparks but no fuel
    EXPECT_EQ(s.DwellPercentage, 35);
    EXPECT_EQ(s.InjectionDuration, 0);
    s = cranked({33, 34});  // both slow-starter faults
    EXPECT_EQ(s.CrankingSpeed, 96);
    s = cranked({36});
    EXPECT_EQ(s.SystemVoltage, 9);
    EXPECT_EQ(s.CrankingSpeed, 80);
    for (int n : {31, 32, 35}) EXPECT_TRUE(cranked({n}).CriticalFault == True) << n;
}

}  // namespace
