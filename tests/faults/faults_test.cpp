// The injected faults: the scanner's report files, the fault scan on the real faults window
// (what each kind of fault does to the simulation, the flat battery held over many scans, a
// report that cannot be written) and the key turned with each fault injected in turn.
#include "testing.h"

#include "app/state.h"
#include "electrical/frminstruments.h"
#include "electrical/frmstarting.h"
#include "electrical/startstop.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "faults/faults.h"
#include "faults/frmfaults.h"
#include "faults/reports.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <tuple>

namespace {

using reports::ScannerReading;

std::string s(const QString& q) { return q.toStdString(); }

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll();
}

int countEvents(const QString& kind) {
    int n = 0;
    for (const QJsonObject& e : testEvents()) n += e.value("event").toString() == kind;
    return n;
}

QString lastEvent(const QString& kind, const QString& field) {
    QString text;
    for (const QJsonObject& e : testEvents())
        if (e.value("event").toString() == kind) text = e.value(field).toString();
    return text;
}

// ---------------------------------------------------------------- report files

ScannerReading idleReading() {
    // The engine at idle, as a scan sees it just after a start.
    ScannerReading r;
    r.engineSpeed = 800;
    r.engineLoad = 10;
    r.engineTemperature = 90;
    r.ignitionTiming = 10;
    r.injectionDuration = 2.2;
    r.dwellPercentage = 35;
    r.systemVoltage = 14;
    return r;
}

TEST(Reports, FaultLinesStandBetweenTheHeaderAndAnEmptyLineEachEndedByCrLf) {
    EXPECT_EQ(reports::faultsReport({}).size(), 5);
    QTemporaryDir dir;
    const QString path = dir.filePath("Faults.scn");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'x'));
    }
    reports::writeReport(path, reports::faultsReport({"Knock sensor out of range"}));
    EXPECT_EQ(readAll(path),
              QByteArray("System faults found:\r\n------------------------------\r\nKnock sensor out of range\r\n\r\n"
                         "------------------------------\r\nEnd of faults list...\r\n"));
}

TEST(Reports, TheIdleLiveDataByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Scanner.scn");
    reports::writeReport(path, reports::scannerReport(idleReading()));
    const QByteArray bytes = readAll(path);
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
    EXPECT_EQ(readAll(path), QByteArray("90\xb0" "C\r\n")) << "single-byte characters";
}

TEST(Reports, NumberFormatsAndTripFiguresAsTheyStand) {
    struct Case {
        std::function<void(ScannerReading&)> set;
        int line;
        const char* text;
    };
    const std::vector<Case> cases = {
        {[](ScannerReading& r) { r.injectionDuration = 12.345; }, 8, "Injection duration= 12.35mS"},
        {[](ScannerReading& r) { r.injectionDuration = 123.4; }, 8, "Injection duration= 123.40mS"},
        {[](ScannerReading& r) { r.ignitionTiming = -2; }, 7, "Ignition timing = -2deg. BTDC"},
        {[](ScannerReading& r) { r.roadSpeed = -20; }, 17, "Road speed = -20"},
        {[](ScannerReading& r) { r.throttleOn = true; }, 13, "Throttle on = True"},
        {[](ScannerReading&) {}, 16, "Mileage = 00000.0"},
        {[](ScannerReading& r) { r.mileage = Figure::fromText("9876.5"); }, 16, "Mileage = 09876.5"},
        {[](ScannerReading& r) { r.mileage = 123456.78; }, 16, "Mileage = 123456.8"},
        {[](ScannerReading& r) { r.fuelEconomy = 18; }, 20, "Instantaneous fuel consumption = 18"},
        {[](ScannerReading& r) { r.averageSpeed = 57.25; }, 18, "Average speed = 57.25"},
        {[](ScannerReading& r) { r.fuelLevel = 60; }, 19, "Fuel left in the tank = 60"},
        {[](ScannerReading&) {}, 21, "Average fuel counsumtion = "},
        {[](ScannerReading& r) { r.tripDistance = Figure::fromText("12.50"); }, 22, "Trip distance = 12.50"},
        {[](ScannerReading& r) { r.arrivalDistance = -3.5; }, 24, "Arrival distance = -3.5"},
        {[](ScannerReading& r) { r.timeToArrival = 1.0 / 3; }, 25, "Estimated time of arrival = 0.333333333333333"},
    };
    for (const auto& c : cases) {
        ScannerReading r = idleReading();
        c.set(r);
        EXPECT_EQ(s(reports::scannerReport(r)[c.line - 1]), c.text);
    }
}

TEST(Reports, FailuresRaiseTheFileErrors) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("Faults.scn");  // a folder where the file should go
    for (const auto& [path, number] : std::vector<std::pair<QString, int>>{{dir.filePath("missing/Faults.scn"), 76},
                                                                           {dir.filePath("Faults.scn"), 75}}) {
        try {
            reports::writeReport(path, {"x"});
            ADD_FAILURE() << s(path) << " was written";
        } catch (const VbError& e) {
            EXPECT_EQ(e.number, number) << s(path) << ": " << s(e.description);
        }
    }
}

// The faults list shipped beside the program describes every fault number exactly once.
TEST(FaultsList, DescribesEachFaultOnce) {
    QFile f(findDataFile("faults.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << s(f.fileName());
    std::map<int, int> entries;
    const QRegularExpression entry("^(\\d+) - \\S", QRegularExpression::MultilineOption);
    for (auto it = entry.globalMatch(QString::fromLatin1(f.readAll())); it.hasNext();)
        ++entries[it.next().captured(1).toInt()];
    for (int n = 1; n <= 44; ++n) EXPECT_EQ(entries[n], 1) << "fault " << n;
    EXPECT_EQ(entries.size(), 44u);
}

// ---------------------------------------------------------------- the fault scan

// What a scan may change, as the windows and the shared variables show it.
struct Observed {
    int speedSlider, loadSlider, tempSlider, voltSlider, lambdaSlider;
    int engineSpeed, engineLoad, engineTemperature, systemVoltage, knockRetard;
    int critical, knockSensor, exhaust;
    bool checkLight, chargeLight;

    auto tied() const {
        return std::tie(speedSlider, loadSlider, tempSlider, voltSlider, lambdaSlider, engineSpeed, engineLoad,
                        engineTemperature, systemVoltage, knockRetard, critical, knockSensor, exhaust, checkLight,
                        chargeLight);
    }
    bool operator==(const Observed& o) const { return tied() == o.tied(); }
};

std::ostream& operator<<(std::ostream& os, const Observed& o) {
    return os << "sliders " << o.speedSlider << "/" << o.loadSlider << "/" << o.tempSlider << "/" << o.voltSlider
              << "/" << o.lambdaSlider << "; speed " << o.engineSpeed << " load " << o.engineLoad << " temp "
              << o.engineTemperature << " volts " << o.systemVoltage << " retard " << o.knockRetard << "; critical "
              << o.critical << " knock sensor " << o.knockSensor << " exhaust " << o.exhaust << "; lights "
              << o.checkLight << "/" << o.chargeLight;
}

Observed observe() {
    FRMsimulation* sim = frm<FRMsimulation>();
    frmInstruments* ins = frm<frmInstruments>();
    return {sim->HSB_engine_speed->value(), sim->HSB_engine_load->value(), sim->HSB_engine_temperature->value(),
            sim->HSB_system_voltage->value(), sim->HSB_Lambda->value(), EngineSpeed, EngineLoad,
            EngineTemperature, SystemVoltage, KnockRetard, CriticalFault, KnockSensorFault, ExhaustWarning,
            !ins->lblCheckWL->isHidden(), !ins->lblChargeWL->isHidden()};
}

QStringList reportLines(const QString& name) {
    QStringList lines = QString::fromLatin1(readAll(QDir(QDir::tempPath()).filePath(name))).split("\r\n");
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

    // A warm engine at part load on a charging system, every warning light out.
    void setBaseline(int lambda = 0) {
        faults()->cmdClear_Click();
        resetState();
        FRMsimulation* sim = frm<FRMsimulation>();
        sim->HSB_engine_speed->setValue(3000);
        sim->HSB_engine_load->setValue(50);
        sim->HSB_engine_temperature->setValue(60);
        sim->HSB_system_voltage->setValue(14);
        sim->HSB_Lambda->setValue(lambda);
        // A slider that already stands there does not write its variable.
        EngineSpeed = 3000, EngineLoad = 50, EngineTemperature = 60, SystemVoltage = 14, KnockRetard = 3;
        frm<frmInstruments>()->lblCheckWL->setVisible(false);
        frm<frmInstruments>()->lblChargeWL->setVisible(false);
    }

    void untick(int n) { faults()->chkFault[n]->setChecked(false); }

    QTemporaryDir tmp_;
};

TEST_F(FaultScan, SensorFaultsForceTheirReadingsBeforeTheLiveDataAreWritten) {
    setBaseline(1);
    Observed want = observe();
    want.speedSlider = want.engineSpeed = 0;
    want.loadSlider = want.engineLoad = 0;
    want.tempSlider = want.engineTemperature = -20;
    want.voltSlider = want.systemVoltage = 10;
    want.lambdaSlider = 0;
    want.knockRetard = 0;
    want.critical = want.knockSensor = want.exhaust = True;
    want.checkLight = true;
    // Sensor, wiring and ECU-pin faults mixed.
    for (int box : {6, 17, 10, 3, 14, 7}) untick(box);
    EXPECT_EQ(observe(), want);
    EXPECT_EQ(faultLines(), QStringList({"Engine speed sensor out of range", "Engine load sensor signal out of range",
                                         "Engine temperature sensor out of range", "System voltage out of range",
                                         "Lambda sensor out of range", "Knock sensor out of range"}));
    const QStringList scanner = reportLines("Scanner.scn");
    ASSERT_EQ(scanner.size(), 27);
    EXPECT_EQ(s(scanner[3]), "Engine speed = 0 rev/min");
    EXPECT_EQ(s(scanner[5]), "Engine temperature = -20deg. C");
    EXPECT_EQ(s(scanner[10]), "System voltage = 10Volts");
}

// A sensor's own fault, its wiring and its connection at the ECU act alike; so do the three
// faults of each actuator circuit.
TEST_F(FaultScan, TheFaultsOfOneGroupActAlike) {
    for (const auto& [first, step] : std::vector<std::pair<int, int>>{
             {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {19, 3}, {20, 3}, {21, 3}}) {
        setBaseline(1);
        untick(first);
        const Observed want = observe();
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
    EXPECT_EQ(frm<FRMsimulation>()->HSB_Lambda->value(), 1);
    EXPECT_EQ(ExhaustWarning, True);
    EXPECT_EQ(CriticalFault, False);
    untick(21);
    untick(29);
    EXPECT_EQ(faultLines(), QStringList({"Fuel system fault", "Fuel system fault", "Fuel system fault"}));
    EXPECT_EQ(frm<FRMsimulation>()->HSB_Lambda->value(), -1);
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
        EXPECT_FALSE(observe().chargeLight) << "box " << box;
    }
    EngineRunning = False;
    for (int box : {43, 44}) {
        setBaseline();
        untick(box);
        EXPECT_TRUE(observe().chargeLight) << "box " << box;
        EXPECT_EQ(faultLines(), QStringList{}) << "box " << box;
    }
}

TEST_F(FaultScan, SpeedSensorFaultWithTheEngineStoppedLeavesTheEngineAlone) {
    untick(1);
    EXPECT_EQ(CriticalFault, True);
    EXPECT_EQ(EngineRunning, False);
    EXPECT_EQ(EngineCranking, False);
    EXPECT_EQ(countEvents("beep"), 0);
    EXPECT_EQ(countEvents("pause"), 0);
}

TEST_F(FaultScan, FlatBatteryHoldsTheVoltageLowInsteadOfDrainingIt) {
    struct Case {
        int running, before, after;
    };
    for (const Case& c : std::vector<Case>{{True, 14, 11}, {False, 12, 10}, {False, 8, 8}, {True, 9, 9}}) {
        faults()->cmdClear_Click();
        EngineRunning = c.running;
        SystemVoltage = c.before;
        untick(36);
        EXPECT_EQ(SystemVoltage, c.after) << c.before << " V";
        for (int scan = 0; scan < 10; ++scan) CollectSystemData();
        EXPECT_EQ(SystemVoltage, c.after) << c.before << " V, after ten more scans";
    }
    EngineRunning = False;
}

TEST_F(FaultScan, ResetAllScansOncePerChangedBoxAndClearsTheFlags) {
    untick(3);
    untick(6);
    untick(19);
    ASSERT_EQ(CriticalFault, True);
    // Unwritable reports make each scan announce itself with its message.
    QDir(tmp_.path()).remove("Faults.scn");
    QDir(tmp_.path()).mkdir("Faults.scn");
    testEvents().clear();
    faults()->cmdClear_Click();
    EXPECT_EQ(countEvents("message"), 3);
    for (int n = 1; n <= 44; ++n) EXPECT_FALSE(FaultPresent(n)) << n;
    EXPECT_EQ(CriticalFault, False);
    EXPECT_EQ(KnockSensorFault, False);
    EXPECT_EQ(ExhaustWarning, False);
    EXPECT_TRUE(frm<frmInstruments>()->lblCheckWL->isHidden());
}

TEST_F(FaultScan, AFaultsReportThatCannotBeCreatedEndsTheScanBeforeAnyFaultActs) {
    QDir(tmp_.path()).remove("Faults.scn");
    ASSERT_TRUE(QDir(tmp_.path()).mkdir("Faults.scn"));
    setBaseline(1);
    Observed want = observe();
    want.checkLight = true;  // the box click itself lights it before the scan
    for (int box : {1, 5, 6, 36, 39}) untick(box);
    EXPECT_EQ(countEvents("message"), 5) << "one failed scan per click";
    testEvents().clear();
    CollectSystemData();
    ASSERT_EQ(countEvents("message"), 1);
    EXPECT_EQ(s(lastEvent("message", "text")),
              "Collect system data - Error number: 75 - Path/File access error\r\n\r\n"
              "Check that the path is set to your work area (Tools, Options and click 'Set path')...");
    EXPECT_TRUE(FaultPresent(1));
    EXPECT_EQ(observe(), want);
    EXPECT_EQ(EngineRunning, False) << "a stopped engine is not started by the failure";
    EXPECT_EQ(EngineCranking, False);
    EXPECT_FALSE(QFile::exists(QDir(tmp_.path()).filePath("Scanner.scn"))) << "the scan ends at the failure";
}

TEST_F(FaultScan, ALiveDataReportThatCannotBeCreatedComesAfterTheFaultsHaveActed) {
    QDir(tmp_.path()).remove("Scanner.scn");
    ASSERT_TRUE(QDir(tmp_.path()).mkdir("Scanner.scn"));
    setBaseline();
    untick(1);
    EXPECT_EQ(countEvents("message"), 1);
    EXPECT_EQ(faultLines(), QStringList{"Engine speed sensor out of range"});
    EXPECT_EQ(EngineSpeed, 0);
    EXPECT_EQ(EngineCranking, False);
}

TEST_F(FaultScan, TempFolderKeepsItsSeparatorAndIsWhereTheReportsGo) {
    untick(33);
    const QString folder = GetTempFolder();
    EXPECT_TRUE(folder.endsWith('/')) << s(folder);
    EXPECT_EQ(TempFolder, folder);
    EXPECT_TRUE(QFile::exists(folder + "Faults.scn"));
    EXPECT_TRUE(QFile::exists(folder + "Scanner.scn"));
}

// ---------------------------------------------------------------- the key turned with a fault

enum class Outcome { Runs, TooSlow, CrankingPosition };

struct AfterKey {
    Outcome outcome;
    int crankingSpeed, timing;
    double injection;
    int dwell, voltage;

    auto tied() const { return std::tie(outcome, crankingSpeed, timing, injection, dwell, voltage); }
    bool operator==(const AfterKey& o) const { return tied() == o.tied(); }
};

std::ostream& operator<<(std::ostream& os, const AfterKey& a) {
    const char* names[] = {"runs", "too slow", "cranking position"};
    return os << names[int(a.outcome)] << ", cranking " << a.crankingSpeed << " rev/min, timing " << a.timing
              << ", injection " << a.injection << " ms, dwell " << a.dwell << " %, " << a.voltage << " V";
}

std::string controlsStatus() { return frm<frmControls>()->lblStatus->text().toStdString(); }

class StartWithFault : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        qputenv("TMPDIR", tmp_.path().toLocal8Bit());
    }

    // A cold engine (0 degrees C: the cranking injection is the full 10 ms) on a 12 V
    // battery, every box ticked and the key off.
    void baseline() {
        StopEngine();
        frm<frmFaults>()->cmdClear_Click();
        FRMsimulation* sim = frm<FRMsimulation>();
        sim->HSB_engine_speed->setValue(0);
        sim->HSB_engine_load->setValue(0);
        sim->HSB_engine_temperature->setValue(0);
        sim->HSB_system_voltage->setValue(12);
        sim->HSB_Lambda->setValue(0);
        frm<frmStarting>()->hsbVoltage->setValue(12);
        resetState();
        testEvents().clear();
    }

    AfterKey turnKeyWith(int fault) {
        baseline();
        frm<frmFaults>()->chkFault[fault]->setChecked(false);
        StartStopEngine();
        AfterKey a{Outcome::Runs, CrankingSpeed, IgnitionTiming, InjectionDuration, DwellPercentage, SystemVoltage};
        if (EngineRunning == True) {
            EXPECT_EQ(EngineSpeed, 800);
            EXPECT_EQ(controlsStatus(), "Engine is running...");
        } else if (EngineCranking == True) {
            a.outcome = Outcome::CrankingPosition;
            EXPECT_EQ(EngineSpeed, 0);
            EXPECT_EQ(controlsStatus(), "Cranking position...");
            for (const QJsonObject& e : testEvents())
                EXPECT_NE(e.value("seconds").toDouble(), 0.1) << "the starter turned: a ramp step was taken";
        } else {
            a.outcome = Outcome::TooSlow;
            EXPECT_EQ(s(lastEvent("message", "text")), "Engine not cranking fast enough to start...");
        }
        return a;
    }

    QTemporaryDir tmp_;
};

TEST_F(StartWithFault, EachFaultAtTheKey) {
    // Fired while cranking without a fault: 9 degrees, 10 ms (cold engine), 35 %.
    const Outcome runs = Outcome::Runs, slow = Outcome::TooSlow, held = Outcome::CrankingPosition;
    const std::vector<std::pair<std::set<int>, AfterKey>> cases = {
        // Engine-speed sensor: nothing is fired, and the scan's critical fault holds the key.
        {{1, 7, 13}, {held, 132, 0, 0, 0, 11}},
        // The coolant sensor reads -20 degrees: still the full 10 ms.
        {{2, 8, 14, 3, 9, 15, 5, 11, 17, 6, 12, 18, 28, 29}, {runs, 132, 9, 10, 35, 14}},
        // The voltage sensing reads 10 V before the key: 110 rev/min still starts.
        {{4, 10, 16}, {runs, 110, 9, 10, 35, 14}},
        {{19}, {held, 132, 0, 10, 35, 11}},
        {{22, 25}, {held, 132, 0, 10, 0, 11}},
        {{20, 23, 26}, {held, 132, 9, 0, 35, 11}},
        {{21, 24, 27}, {held, 132, 9, 10, 35, 11}},
        {{30}, {held, 132, 0, 0, 0, 11}},
        {{31, 32, 35}, {held, 132, 9, 10, 35, 11}},
        // Starter faults: 132 x 0.8 = 105.6 -> 106.
        {{33, 34}, {runs, 106, 9, 10, 35, 14}},
        // Flat battery: 9 V and 80 rev/min at the key; the failed start switches the outputs off.
        {{36}, {slow, 80, 0, 0, 0, 9}},
        {{37, 38, 41, 43, 44}, {runs, 132, 9, 10, 35, 14}},
        {{39}, {runs, 176, 9, 10, 35, 14}},
        {{40, 42}, {runs, 143, 9, 10, 35, 14}},
    };
    std::set<int> covered;
    for (const auto& [faults, want] : cases)
        for (int fault : faults) {
            SCOPED_TRACE("fault " + std::to_string(fault));
            EXPECT_TRUE(covered.insert(fault).second);
            EXPECT_EQ(turnKeyWith(fault), want);
        }
    EXPECT_EQ(covered.size(), 44u);
    baseline();
}

TEST_F(StartWithFault, TwoStarterFaultsCrankTooSlowlyAndTheKeyLeavesTheCrankingPosition) {
    baseline();
    frm<frmFaults>()->chkFault[33]->setChecked(false);
    frm<frmFaults>()->chkFault[34]->setChecked(false);
    StartStopEngine();
    EXPECT_EQ(CrankingSpeed, 85) << "106 x 0.8 = 84.8 -> 85";
    EXPECT_EQ(EngineRunning, False);
    ASSERT_EQ(turnKeyWith(32).outcome, Outcome::CrankingPosition);
    StartStopEngine();
    EXPECT_EQ(EngineCranking, False);
    EXPECT_EQ(controlsStatus(), "Engine is stopped...");
    EXPECT_EQ(SystemVoltage, 11) << "the starter's 1 V drop stays: stopping only lowers voltages above 12";
    baseline();
}

}  // namespace
