// The fault scan on its own: the order of what a critical fault sets off, and the report files
// it cannot write. (What each fault does, through the fault window: tests/faults.)
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

}  // namespace
