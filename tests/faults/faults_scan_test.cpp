// The fault scan on the real faults window: every fault's report line and its effect on the
// simulation, the flat-battery fault held over many scans, and a report that cannot be written.
#include "testing.h"

#include "app/state.h"
#include "electrical/frminstruments.h"
#include "engine/frmsimulation.h"
#include "faults/faults.h"
#include "faults/frmfaults.h"
#include "faults/reports.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>
#include <tuple>

namespace {

std::string s(const QString& q) { return q.toStdString(); }

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
    return os << "sliders speed " << o.speedSlider << " load " << o.loadSlider << " temp " << o.tempSlider
              << " volts " << o.voltSlider << " lambda " << o.lambdaSlider << "; EngineSpeed " << o.engineSpeed
              << " EngineLoad " << o.engineLoad << " EngineTemperature " << o.engineTemperature << " SystemVoltage "
              << o.systemVoltage << " KnockRetard " << o.knockRetard << "; CriticalFault " << o.critical
              << " KnockSensorFault " << o.knockSensor << " ExhaustWarning " << o.exhaust << "; check light "
              << o.checkLight << " charge light " << o.chargeLight;
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
    QFile f(QDir(QDir::tempPath()).filePath(name));
    if (!f.open(QIODevice::ReadOnly)) return {"<missing " + name + ">"};
    QStringList lines = QString::fromLatin1(f.readAll()).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// Fault lines of Faults.scn, between the two header lines and the three closing lines.
QStringList faultLines() {
    const QStringList lines = reportLines("Faults.scn");
    if (lines.size() < 5) return {"<short report>"};
    return lines.mid(2, lines.size() - 5);
}

int countEvents(const QString& kind) {
    int n = 0;
    for (const QJsonObject& e : testEvents()) n += e.value("event").toString() == kind;
    return n;
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
        FRMsimulation* sim = frm<FRMsimulation>();
        sim->HSB_engine_speed->setValue(3000);
        sim->HSB_engine_load->setValue(50);
        sim->HSB_engine_temperature->setValue(60);
        sim->HSB_system_voltage->setValue(14);
        sim->HSB_Lambda->setValue(lambda);
        KnockRetard = 3;
        frm<frmInstruments>()->lblCheckWL->setVisible(false);
        frm<frmInstruments>()->lblChargeWL->setVisible(false);
    }

    void untick(int n) { faults()->chkFault[n]->setChecked(false); }

    QTemporaryDir tmp_;
};

struct FaultCase {
    int fault;
    const char* line;  // nullptr: no line in Faults.scn
    std::function<void(Observed&)> effect;
    int lambdaStart = 0;
};

void speedSensor(Observed& o) {
    o.speedSlider = o.engineSpeed = 0;
    o.critical = True;
    o.checkLight = true;
}
void loadSensor(Observed& o) {
    o.loadSlider = o.engineLoad = 0;
    o.checkLight = true;
}
void temperatureSensor(Observed& o) {
    o.tempSlider = o.engineTemperature = -20;
    o.exhaust = True;
    o.checkLight = true;
}
void voltageSensing(Observed& o) {
    o.voltSlider = o.systemVoltage = 10;
    o.checkLight = true;
}
void lambdaSensor(Observed& o) {
    o.lambdaSlider = 0;
    o.exhaust = True;
    o.checkLight = true;
}
void knockSensor(Observed& o) {
    o.knockRetard = 0;
    o.knockSensor = True;
    o.checkLight = true;
}
void engineCritical(Observed& o) {
    o.critical = True;
    o.checkLight = true;
}
void starterCritical(Observed& o) { o.critical = True; }
void noEffect(Observed&) {}
std::function<void(Observed&)> voltage(int v) {
    return [v](Observed& o) { o.systemVoltage = v; };
}
void chargeLight(Observed& o) { o.chargeLight = true; }

const std::vector<FaultCase>& faultTable() {
    static const std::vector<FaultCase> table = {
        {1, "Engine speed sensor out of range", speedSensor},
        {7, "Engine speed sensor out of range", speedSensor},
        {13, "Engine speed sensor out of range", speedSensor},
        {2, "Engine load sensor signal out of range", loadSensor},
        {8, "Engine load sensor signal out of range", loadSensor},
        {14, "Engine load sensor signal out of range", loadSensor},
        {3, "Engine temperature sensor out of range", temperatureSensor},
        {9, "Engine temperature sensor out of range", temperatureSensor},
        {15, "Engine temperature sensor out of range", temperatureSensor},
        {4, "System voltage out of range", voltageSensing},
        {10, "System voltage out of range", voltageSensing},
        {16, "System voltage out of range", voltageSensing},
        {5, "Lambda sensor out of range", lambdaSensor, 1},
        {11, "Lambda sensor out of range", lambdaSensor, -1},
        {17, "Lambda sensor out of range", lambdaSensor, 1},
        {6, "Knock sensor out of range", knockSensor},
        {12, "Knock sensor out of range", knockSensor},
        {18, "Knock sensor out of range", knockSensor},
        {19, "Ignition system fault", engineCritical},
        {22, "Ignition system fault", engineCritical},
        {25, "Ignition system fault", engineCritical},
        {20, "Injector circuit fault", engineCritical},
        {23, "Injector circuit fault", engineCritical},
        {26, "Injector circuit fault", engineCritical},
        {21, "Fuel system fault", engineCritical},
        {24, "Fuel system fault", engineCritical},
        {27, "Fuel system fault", engineCritical},
        {28, "Fuel system fault",
         [](Observed& o) {
             o.lambdaSlider = 1;
             o.exhaust = True;
             o.checkLight = true;
         }},
        {29, "Fuel system fault",
         [](Observed& o) {
             o.lambdaSlider = -1;
             o.exhaust = True;
             o.checkLight = true;
         }},
        {30, "Unknown system fault", engineCritical},
        {31, nullptr, starterCritical},
        {32, nullptr, starterCritical},
        {33, nullptr, noEffect},
        {34, nullptr, noEffect},
        {35, nullptr, starterCritical},
        {36, "System voltage low", voltage(10)},  // engine stopped: four fifths of 12 V
        {37, nullptr, noEffect},
        {38, nullptr, noEffect},
        {39, nullptr, voltage(16)},
        {40, nullptr, voltage(13)},
        {41, nullptr, voltage(12)},
        {42, nullptr, voltage(13)},
        {43, nullptr, chargeLight},
        {44, nullptr, chargeLight},
    };
    return table;
}

TEST_F(FaultScan, TheTableCoversEveryFaultOnce) {
    std::set<int> seen;
    for (const FaultCase& c : faultTable()) EXPECT_TRUE(seen.insert(c.fault).second) << c.fault;
    EXPECT_EQ(seen.size(), 44u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 44);
}

TEST_F(FaultScan, EachFaultWritesItsLineAndChangesOnlyWhatItShould) {
    for (const FaultCase& c : faultTable()) {
        SCOPED_TRACE("fault " + std::to_string(c.fault));
        faults()->cmdClear_Click();
        resetState();
        setBaseline(c.lambdaStart);
        Observed want = observe();
        c.effect(want);

        untick(c.fault);

        EXPECT_TRUE(FaultPresent(c.fault));
        EXPECT_EQ(faultLines(), c.line ? QStringList{c.line} : QStringList{});
        EXPECT_EQ(observe(), want);
        // The live data are taken after the faults have acted.
        const QStringList scanner = reportLines("Scanner.scn");
        ASSERT_EQ(scanner.size(), 27);
        EXPECT_EQ(s(scanner[3]), "Engine speed = " + std::to_string(want.engineSpeed) + " rev/min");
        EXPECT_EQ(s(scanner[4]), "Engine load = " + std::to_string(want.engineLoad) + "% of full load");
        EXPECT_EQ(s(scanner[5]), "Engine temperature = " + std::to_string(want.engineTemperature) + "deg. C");
        EXPECT_EQ(s(scanner[10]), "System voltage = " + std::to_string(want.systemVoltage) + "Volts");
    }
}

TEST_F(FaultScan, NoFaultGivesAnEmptyList) {
    faults()->chkFault[12]->setChecked(false);
    faults()->chkFault[12]->setChecked(true);
    EXPECT_EQ(reportLines("Faults.scn"),
              reports::faultsReport({}));
    EXPECT_EQ(reportLines("Faults.scn").size(), 5);
    EXPECT_EQ(CriticalFault, False);
    EXPECT_TRUE(frm<frmInstruments>()->lblCheckWL->isHidden());
}

TEST_F(FaultScan, EveryFaultAtOnceIsListedInScanOrder) {
    for (int n = 44; n >= 1; --n) untick(n);
    const QStringList want{"Engine speed sensor out of range",
                           "Engine load sensor signal out of range",
                           "Engine temperature sensor out of range",
                           "System voltage out of range",
                           "Lambda sensor out of range",
                           "Knock sensor out of range",
                           "Ignition system fault",
                           "Injector circuit fault",
                           "Fuel system fault",
                           "Fuel system fault",
                           "Fuel system fault",
                           "Unknown system fault",
                           "System voltage low"};
    EXPECT_EQ(faultLines(), want);
}

TEST_F(FaultScan, TwoBoxesOfOneGroupGiveOneLine) {
    untick(2);
    untick(14);
    EXPECT_EQ(faultLines(), QStringList{"Engine load sensor signal out of range"});
}

TEST_F(FaultScan, FuelFaultsGiveThreeLinesAndARichMixture) {
    setBaseline(0);
    untick(21);
    untick(28);
    untick(29);
    EXPECT_EQ(faultLines(), QStringList({"Fuel system fault", "Fuel system fault", "Fuel system fault"}));
    EXPECT_EQ(frm<FRMsimulation>()->HSB_Lambda->value(), -1);
    EXPECT_EQ(CriticalFault, True);
    EXPECT_EQ(ExhaustWarning, True);
}

TEST_F(FaultScan, SpeedSensorFaultWithTheEngineStoppedLeavesTheEngineAlone) {
    untick(1);
    EXPECT_EQ(faultLines(), QStringList{"Engine speed sensor out of range"});
    EXPECT_EQ(CriticalFault, True);
    EXPECT_EQ(EngineRunning, False);
    EXPECT_EQ(EngineCranking, False);
    EXPECT_EQ(countEvents("beep"), 0);
    EXPECT_EQ(countEvents("pause"), 0);
}

TEST_F(FaultScan, FlatBatteryHoldsTheVoltageLowInsteadOfDrainingIt) {
    struct Case {
        const char* what;
        int running;
        int before;
        int after;
    };
    const std::vector<Case> cases = {
        {"running, charging at 14 V", True, 14, 11},
        {"stopped at 12 V", False, 12, 10},
        {"already lower than a flat battery gives", False, 8, 8},
        {"running on a low 9 V", True, 9, 9},
    };
    for (const Case& c : cases) {
        faults()->cmdClear_Click();
        EngineRunning = c.running;
        SystemVoltage = c.before;
        untick(36);
        EXPECT_EQ(SystemVoltage, c.after) << c.what;
        for (int scan = 0; scan < 10; ++scan) CollectSystemData();
        EXPECT_EQ(SystemVoltage, c.after) << c.what << ", after ten more scans";
        EXPECT_EQ(faultLines(), QStringList{"System voltage low"}) << c.what;
    }
    EngineRunning = False;
}

TEST_F(FaultScan, ChargingFaultsOverrideTheFlatBattery) {
    EngineRunning = True;
    SystemVoltage = 14;
    untick(36);
    untick(39);
    EXPECT_EQ(SystemVoltage, 16);
    EngineRunning = False;
}

TEST_F(FaultScan, ResetAllScansOncePerChangedBoxAndClearsTheFlags) {
    untick(3);
    untick(6);
    untick(19);
    ASSERT_EQ(CriticalFault, True);
    // Make the reports unwritable so that each scan announces itself with its message.
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

// The message of a scan that failed, and no other message.
void expectOneScanFailure() {
    ASSERT_EQ(countEvents("message"), 1);
    QJsonObject m;
    for (const QJsonObject& e : testEvents())
        if (e.value("event").toString() == "message") m = e;
    EXPECT_EQ(s(m.value("text").toString()),
              "Collect system data - Error number: 75 - Path/File access error\r\n\r\n"
              "Check that the path is set to your work area (Tools, Options and click 'Set path')...");
    EXPECT_EQ(s(m.value("icon").toString()), "information");
}

TEST_F(FaultScan, AFaultsReportThatCannotBeCreatedEndsTheScanBeforeAnyFaultActs) {
    QDir(tmp_.path()).remove("Faults.scn");
    ASSERT_TRUE(QDir(tmp_.path()).mkdir("Faults.scn"));
    setBaseline(1);
    Observed want = observe();
    want.checkLight = true;  // the box click itself lights it before the scan

    untick(1);
    untick(5);
    untick(6);
    untick(36);
    untick(39);

    EXPECT_EQ(countEvents("message"), 5);  // one failed scan per click
    testEvents().clear();
    CollectSystemData();
    expectOneScanFailure();
    // The boxes keep the faults, but none of them has acted.
    EXPECT_TRUE(FaultPresent(1));
    EXPECT_EQ(observe(), want);
    // A stopped engine is not started by the failure.
    EXPECT_EQ(EngineRunning, False);
    EXPECT_EQ(EngineCranking, False);
    EXPECT_EQ(countEvents("pause"), 0);
    // The scan ends at the failure: no live-data report.
    EXPECT_FALSE(QFile::exists(QDir(tmp_.path()).filePath("Scanner.scn")));
}

TEST_F(FaultScan, ALiveDataReportThatCannotBeCreatedComesAfterTheFaultsHaveActed) {
    QDir(tmp_.path()).remove("Scanner.scn");
    ASSERT_TRUE(QDir(tmp_.path()).mkdir("Scanner.scn"));
    setBaseline();
    Observed want = observe();
    speedSensor(want);

    untick(1);

    expectOneScanFailure();
    EXPECT_EQ(observe(), want);
    EXPECT_EQ(faultLines(), QStringList{"Engine speed sensor out of range"});
    EXPECT_EQ(EngineRunning, False);
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

}  // namespace
