// The injected faults: the scanner's report files, the fault scan on the real faults window and
// the key turned with each kind of fault injected.
#include "testing.h"

#include "sim/simstate.h"
#include "electrical/frminstruments.h"
#include "electrical/frmstarting.h"
#include "electrical/startstop.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "faults/faults.h"
#include "faults/frmfaults.h"
#include "faults/reports.h"
#include "sim/snapshot.h"

#include <QCheckBox>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

sim::Snapshot idleReading() {  // as a scan sees the engine just after a start
    sim::Snapshot r;
    r.engineSpeed = 800, r.engineLoad = 10, r.engineTemperature = 90, r.ignitionTiming = 10;
    r.injectionDuration = 2.2, r.dwellPercentage = 35, r.systemVoltage = 14;
    return r;
}

TEST(Reports, BytesOfBothReportsEachLineEndedByCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Faults.scn");
    EXPECT_EQ(sim::faultsReport({}).size(), 5);
    reports::writeReport(path, sim::faultsReport({"Knock sensor out of range"}));
    EXPECT_EQ(contents(path),
              QByteArray("System faults found:\r\n------------------------------\r\nKnock sensor out of range\r\n\r\n"
                         "------------------------------\r\nEnd of faults list...\r\n"));
    reports::writeReport(path, sim::scannerReport(idleReading()));
    const QByteArray bytes = contents(path);
    EXPECT_TRUE(bytes.startsWith("System results:\r\n------------------------------\r\n"
                                 "Engine management data...\r\n"
                                 "Engine speed = 800 rev/min\r\n"
                                 "Engine load = 10% of full load\r\n"
                                 "Engine temperature = 90deg. C\r\n"
                                 "Ignition timing = 10deg. BTDC\r\n"
                                 "Injection duration= 02.20mS\r\n"
                                 "Dwell = 35%\r\n"
                                 "Road speed = 0km/hour\r\n"
                                 "System voltage = 14Volts\r\n"
                                 "Gear in position = 0\r\n"
                                 "Throttle on = False\r\n"
                                 "------------------------------\r\n"
                                 "Trip and instrumentation data...\r\n"))
        << bytes.toStdString();
    EXPECT_TRUE(bytes.endsWith("------------------------------\r\nEnd of list...\r\n")) << bytes.toStdString();
    EXPECT_EQ(bytes.count('\n'), 27);
    EXPECT_EQ(bytes.count("\r\n"), 27);
    reports::writeReport(path, {QString::fromUtf8("90\u00b0C")});
    EXPECT_EQ(contents(path), QByteArray("90\xb0" "C\r\n")) << "single-byte characters";
}

TEST(Reports, NumberFormatsAndTripFiguresAsTheyStand) {
    sim::Snapshot r = idleReading();
    r.ignitionTiming = -2, r.injectionDuration = 123.4, r.roadSpeed = -20, r.throttleOn = true;
    r.mileage = Figure::fromText("9876.5");  // still the stored text
    r.averageSpeed = 57.25, r.fuelLevel = 60, r.fuelEconomy = 18, r.tripDistance = Figure::fromText("12.50");
    r.elapsedTime = 3600, r.arrivalDistance = -3.5, r.timeToArrival = 1.0 / 3;
    QStringList lines = sim::scannerReport(r);
    EXPECT_EQ(lines.mid(6, 2), QStringList({"Ignition timing = -2deg. BTDC", "Injection duration= 123.40mS"}));
    EXPECT_EQ(lines[9], "Road speed = -20km/hour");
    EXPECT_EQ(lines[12], "Throttle on = True");
    EXPECT_EQ(lines.mid(15, 10),
              QStringList({"Mileage = 09876.5", "Road speed = -20", "Average speed = 57.25", "Fuel left in the tank = 60",
                           "Instantaneous fuel consumption = 18", "Average fuel counsumtion = ", "Trip distance = 12.50",
                           "Elapsed time = 3600", "Arrival distance = -3.5",
                           "Estimated time of arrival = 0.333333333333333"}));
    r.injectionDuration = 12.345, r.mileage = 123456.78;
    lines = sim::scannerReport(r);
    EXPECT_EQ(lines[7], "Injection duration= 12.35mS");
    EXPECT_EQ(lines[15], "Mileage = 123456.8");
    EXPECT_EQ(sim::scannerReport(idleReading())[15], "Mileage = 00000.0") << "a mileage never set";
}

// What a scan may change: the sliders, the variables, the knock retard, the flags and the lights.
std::string observe() {
    FRMsimulation* sim = frm<FRMsimulation>();
    frmInstruments* ins = frm<frmInstruments>();
    return QString::asprintf("sliders %d %d %d %d %d, values %d %d %d %d retard %d, flags %d %d %d, lights %d %d",
                             sim->ctl<QScrollBar>("HSB_engine_speed")->value(), sim->ctl<QScrollBar>("HSB_engine_load")->value(),
                             sim->ctl<QScrollBar>("HSB_engine_temperature")->value(), sim->ctl<QScrollBar>("HSB_system_voltage")->value(),
                             sim->ctl<QScrollBar>("HSB_Lambda")->value(), int(EngineSpeed), int(EngineLoad), int(EngineTemperature),
                             int(SystemVoltage), int(KnockRetard), int(CriticalFault), int(KnockSensorFault),
                             int(ExhaustWarning), !ins->ctl<QLabel>("lblCheckWL")->isHidden(), !ins->ctl<QLabel>("lblChargeWL")->isHidden())
        .toStdString();
}
const char* const kBaseline = "sliders 3000 50 60 14 1, values 3000 50 60 14 retard 3, flags 0 0 0, lights 0 0";

QStringList reportLines(const QString& name) {
    QStringList lines = QString::fromLatin1(contents(QDir(QDir::tempPath()).filePath(name))).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// Fault lines of Faults.scn, between the two header lines and the three closing lines.
QStringList faultLines() {
    const QStringList lines = reportLines("Faults.scn");
    if (lines.size() < 5) return {"<short report>"};
    return lines.mid(2, lines.size() - 5);
}

class FaultScan : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        qputenv("TMPDIR", tmp_.path().toLocal8Bit());
        resetState();
        faults()->cmdClear_Click();
        testEvents().clear();
    }

    frmFaults* faults() { return frm<frmFaults>(); }

    // A warm engine at part load, charging, every warning light out.
    void setBaseline(int lambda = 0) {
        faults()->cmdClear_Click();
        resetState();
        FRMsimulation* sim = frm<FRMsimulation>();
        for (auto [bar, v] : {std::pair{sim->ctl<QScrollBar>("HSB_engine_speed"), 3000}, {sim->ctl<QScrollBar>("HSB_engine_load"), 50},
                              {sim->ctl<QScrollBar>("HSB_engine_temperature"), 60}, {sim->ctl<QScrollBar>("HSB_system_voltage"), 14}, {sim->ctl<QScrollBar>("HSB_Lambda"), lambda}})
            bar->setValue(v);
        // A slider that already stands there does not write its variable.
        EngineSpeed = 3000, EngineLoad = 50, EngineTemperature = 60, SystemVoltage = 14, KnockRetard = 3;
        frm<frmInstruments>()->ctl<QLabel>("lblCheckWL")->setVisible(false);
        frm<frmInstruments>()->ctl<QLabel>("lblChargeWL")->setVisible(false);
    }

    void untick(int n) { faults()->ctl<QCheckBox>("chkFault", n)->setChecked(false); }

    QTemporaryDir tmp_;
};

TEST_F(FaultScan, SensorFaultsForceTheirReadingsBeforeTheLiveDataAreWritten) {
    setBaseline(1);
    ASSERT_EQ(observe(), kBaseline);
    // Sensor, wiring and ECU-pin faults mixed.
    for (int box : {6, 17, 10, 3, 14, 7}) untick(box);
    EXPECT_EQ(observe(), "sliders 0 0 -20 10 0, values 0 0 -20 10 retard 0, flags -1 -1 -1, lights 1 0");
    EXPECT_EQ(faultLines().size(), 6);
}

// A sensor's own fault, its wiring and its connection at the ECU act alike; so do the three
// faults of each actuator circuit.
TEST_F(FaultScan, TheFaultsOfOneGroupActAlike) {
    for (const auto& [first, step] : std::vector<std::pair<int, int>>{
             {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {19, 3}, {20, 3}, {21, 3}}) {
        setBaseline(1);
        untick(first);
        const std::string want = observe();
        const QStringList lines = faultLines();
        ASSERT_EQ(lines.size(), 1) << first;
        for (int box : {first + step, first + 2 * step}) {
            setBaseline(1);
            untick(box);
            EXPECT_EQ(observe(), want) << "box " << box << " beside " << first;
            EXPECT_EQ(faultLines(), lines) << "box " << box << " beside " << first;
        }
        untick(first);
        EXPECT_EQ(faultLines(), lines) << "two boxes of one group give one line";
    }
}

TEST_F(FaultScan, EveryFaultAtOnceIsListedInScanOrder) {
    for (int n = 44; n >= 1; --n) untick(n);
    EXPECT_EQ(faultLines(), QStringList({"Engine speed sensor out of range", "Engine load sensor signal out of range",
                                         "Engine temperature sensor out of range", "System voltage out of range",
                                         "Lambda sensor out of range", "Knock sensor out of range",
                                         "Ignition system fault", "Injector circuit fault", "Fuel system fault",
                                         "Fuel system fault", "Fuel system fault", "Unknown system fault",
                                         "System voltage low"}));
}

TEST_F(FaultScan, FuelFaultsSetTheMixtureAndTheLastOneWins) {
    setBaseline(0);
    untick(28);
    EXPECT_EQ(frm<FRMsimulation>()->ctl<QScrollBar>("HSB_Lambda")->value(), 1);
    EXPECT_EQ(ExhaustWarning, True);
    EXPECT_EQ(CriticalFault, False);
    untick(21);
    untick(29);
    EXPECT_EQ(faultLines(), QStringList({"Fuel system fault", "Fuel system fault", "Fuel system fault"}));
    EXPECT_EQ(frm<FRMsimulation>()->ctl<QScrollBar>("HSB_Lambda")->value(), -1);
    EXPECT_EQ(CriticalFault, True);
}

TEST_F(FaultScan, ChargingFaultsSetTheVoltageOverTheFlatBatteryAndLightTheChargeLamp) {
    for (const auto& [box, volts] : std::vector<std::pair<int, int>>{{39, 16}, {40, 13}, {41, 12}, {42, 13}}) {
        setBaseline();
        EngineRunning = True;
        untick(36);
        untick(box);
        EXPECT_EQ(SystemVoltage, volts) << "box " << box;
        EXPECT_EQ(faultLines(), QStringList{"System voltage low"}) << "box " << box;
        EXPECT_EQ(observe().back(), '0') << "box " << box;
    }
    EngineRunning = False;
    for (int box : {43, 44}) {
        setBaseline();
        untick(box);
        EXPECT_EQ(observe().back(), '1') << "the charge light, box " << box;
        EXPECT_EQ(faultLines(), QStringList{}) << "box " << box;
    }
}

TEST_F(FaultScan, FlatBatteryHoldsTheVoltageLowInsteadOfDrainingIt) {
    for (auto [running, before, after] : {std::tuple{True, 14, 11}, {False, 12, 10}, {False, 8, 8}, {True, 9, 9}}) {
        faults()->cmdClear_Click();
        EngineRunning = running;
        SystemVoltage = before;
        untick(36);
        EXPECT_EQ(SystemVoltage, after) << before << " V";
        for (int scan = 0; scan < 10; ++scan) CollectSystemData();
        EXPECT_EQ(SystemVoltage, after) << before << " V, after ten more scans";
    }
    EngineRunning = False;
}

std::string controlsStatus() { return frm<frmControls>()->ctl<QLabel>("lblStatus")->text().toStdString(); }

// The boxes show and edit the session's faults: a fault injected without a click (a challenge)
// unticks its box and runs what a click runs; a reset or an unloaded window repairs them all.
TEST_F(FaultScan, TheBoxesAndTheInjectedFaultsStayInStep) {
    setBaseline(1);
    InjectFault(8);  // the load sensor's wiring
    EXPECT_FALSE(faults()->ctl<QCheckBox>("chkFault", 8)->isChecked());
    EXPECT_TRUE(FaultPresent(8));
    EXPECT_FALSE(frm<frmInstruments>()->ctl<QLabel>("lblCheckWL")->isHidden()) << "the check-engine light comes on";
    EXPECT_EQ(faultLines(), QStringList({"Engine load sensor signal out of range"})) << "the scan ran";

    untick(36);
    EXPECT_TRUE(FaultPresent(36));
    EXPECT_EQ(PresentFaults().count(), 2u);
    faults()->ctl<QCheckBox>("chkFault", 36)->setChecked(true);
    EXPECT_FALSE(FaultPresent(36));

    faults()->cmdClear_Click();
    EXPECT_TRUE(PresentFaults().none());
    EXPECT_TRUE(faults()->ctl<QCheckBox>("chkFault", 8)->isChecked());
    EXPECT_TRUE(frm<frmInstruments>()->ctl<QLabel>("lblCheckWL")->isHidden());

    // Unloading the window repairs its faults; loaded again, every box is ticked.
    untick(12);
    untick(40);
    faults()->unloadForm();
    ASSERT_EQ(Forms::find<frmFaults>(), nullptr);
    EXPECT_TRUE(PresentFaults().none());
    EXPECT_TRUE(frm<frmInstruments>()->ctl<QLabel>("lblCheckWL")->isHidden());
    for (int n : {12, 40}) EXPECT_TRUE(faults()->ctl<QCheckBox>("chkFault", n)->isChecked()) << n;
}

class StartWithFault : public ::testing::Test {
protected:
    void SetUp() override { qputenv("TMPDIR", tmp_.path().toLocal8Bit()); }

    // A cold engine (0 degrees C: the cranking injection is the full 10 ms) on a 12 V
    // battery, every box ticked and the key off.
    void baseline() {
        StopEngine();
        frm<frmFaults>()->cmdClear_Click();
        FRMsimulation* sim = frm<FRMsimulation>();
        for (auto [bar, v] : {std::pair{sim->ctl<QScrollBar>("HSB_engine_speed"), 0}, {sim->ctl<QScrollBar>("HSB_engine_load"), 0},
                              {sim->ctl<QScrollBar>("HSB_engine_temperature"), 0}, {sim->ctl<QScrollBar>("HSB_system_voltage"), 12},
                              {sim->ctl<QScrollBar>("HSB_Lambda"), 0}, {frm<frmStarting>()->ctl<QScrollBar>("hsbVoltage"), 12}})
            bar->setValue(v);
        resetState();
        testEvents().clear();
    }

    // The outcome, the cranking speed, what was fired (timing, injection, dwell) and the
    // voltage after the key.
    std::string turnKeyWith(int fault) {
        baseline();
        frm<frmFaults>()->ctl<QCheckBox>("chkFault", fault)->setChecked(false);
        StartStopEngine();
        const char* outcome = "runs";
        if (EngineRunning == True) {
            EXPECT_EQ(EngineSpeed, 800);
        } else if (EngineCranking == True && EngineSpeed != 0) {
            // Kept cranking for tests at the cranking speed (the question answered OK).
            outcome = "cranks";
            EXPECT_EQ(EngineSpeed, CrankingSpeed);
            EXPECT_TRUE(takeMessages().join('\n').contains("keep the engine cranking for faultfinding"));
        } else if (EngineCranking == True) {
            outcome = "held";
            EXPECT_EQ(controlsStatus(), "Cranking position...");
            for (const QJsonObject& e : testEvents())
                EXPECT_NE(e.value("seconds").toDouble(), 0.1) << "the starter turned: a ramp step was taken";
        } else {
            outcome = "slow";
            EXPECT_TRUE(takeMessages().contains("Engine not cranking fast enough to start..."));
        }
        return QString::asprintf("%s %d, %d %g %d, %d", outcome, int(CrankingSpeed), int(IgnitionTiming),
                                 double(InjectionDuration), int(DwellPercentage), int(SystemVoltage))
            .toStdString();
    }

    QTemporaryDir tmp_;
};

TEST_F(StartWithFault, OneFaultOfEachGroupAtTheKey) {
    // Fired while cranking without a fault: 9 degrees, 10 ms (cold engine), 35 %.
    const std::vector<std::pair<int, const char*>> cases = {
        // Engine-speed sensor: nothing is fired; the starter cranks the engine for tests.
        {1, "cranks 132, 0 0 0, 11"},
        // The coolant sensor reads -20 degrees: still the full 10 ms.
        {2, "runs 132, 9 10 35, 14"},
        // The voltage sensing reads 10 V before the key: 110 rev/min still starts.
        {4, "runs 110, 9 10 35, 14"},
        {19, "cranks 132, 0 10 35, 11"},
        {22, "cranks 132, 0 10 0, 11"},
        {20, "cranks 132, 9 0 35, 11"},
        {21, "cranks 132, 9 10 35, 11"},
        {30, "cranks 132, 0 0 0, 11"},
        // The starter's own faults: the key rests in the cranking position, the engine still.
        {31, "held 132, 9 10 35, 11"},
        {35, "held 132, 9 10 35, 11"},
        // A starter fault: 132 x 0.8 = 105.6 -> 106.
        {33, "runs 106, 9 10 35, 14"},
        // Flat battery: 9 V and 80 rev/min at the key; the failed start switches the outputs off.
        {36, "slow 80, 0 0 0, 9"},
        {37, "runs 132, 9 10 35, 14"},
        {39, "runs 176, 9 10 35, 14"},
        {40, "runs 143, 9 10 35, 14"},
    };
    for (const auto& [fault, want] : cases) EXPECT_EQ(turnKeyWith(fault), want) << "fault " << fault;
    baseline();
}

TEST_F(StartWithFault, TwoStarterFaultsCrankTooSlowlyAndTheKeyLeavesTheCrankingPosition) {
    baseline();
    frm<frmFaults>()->ctl<QCheckBox>("chkFault", 33)->setChecked(false);
    frm<frmFaults>()->ctl<QCheckBox>("chkFault", 34)->setChecked(false);
    StartStopEngine();
    EXPECT_EQ(CrankingSpeed, 85) << "106 x 0.8 = 84.8 -> 85";
    ASSERT_EQ(turnKeyWith(32).substr(0, 4), "held");
    StartStopEngine();
    EXPECT_EQ(EngineCranking, False);
    EXPECT_EQ(controlsStatus(), "Engine is stopped...");
    EXPECT_EQ(SystemVoltage, 11) << "the starter's 1 V drop stays: stopping only lowers voltages above 12";
    baseline();
}

}  // namespace
