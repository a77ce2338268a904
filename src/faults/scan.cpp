// The fault scan: applies the injected faults to the simulation and writes the scanner's
// report files.
#include "faults/faults.h"

#include "app/main_window/frmmainscreen.h"
#include "app/state.h"
#include "electrical/frminstruments.h"
#include "electrical/startstop.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "faults/reports.h"
#include "platform/platform.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>
#include <vector>

namespace {

FRMsimulation* sim() { return frm<FRMsimulation>(); }

// A flat battery holds the system at four fifths of its healthy level: 11 V while the
// alternator charges at 14 V, 10 V at the resting 12 V. The scan runs every second while the
// engine runs, so the fault lowers the voltage to that level but never compounds: a held
// fault keeps the voltage low instead of draining it further on every scan.
void flatBattery() {
    const int healthy = EngineRunning == True ? 14 : 12;
    const Integer flat = healthy * 0.8;
    if (SystemVoltage > flat) SystemVoltage = flat;
}

struct FaultGroup {
    std::vector<int> boxes;  // present when any of these boxes is unticked
    const char* line;        // the fault code written to Faults.scn, or none
    std::function<void()> effect;
};

// In scan order.
const std::vector<FaultGroup>& faultGroups() {
    static const std::vector<FaultGroup> groups = {
        {{1, 7, 13}, "Engine speed sensor out of range", [] {
             sim()->HSB_engine_speed->setValue(0);
             CriticalFault = True;
         }},
        {{2, 8, 14}, "Engine load sensor signal out of range", [] { sim()->HSB_engine_load->setValue(0); }},
        {{3, 9, 15}, "Engine temperature sensor out of range", [] {
             sim()->HSB_engine_temperature->setValue(-20);
             ExhaustWarning = True;
         }},
        {{4, 10, 16}, "System voltage out of range", [] { sim()->HSB_system_voltage->setValue(10); }},
        {{5, 11, 17}, "Lambda sensor out of range", [] {
             sim()->HSB_Lambda->setValue(0);
             ExhaustWarning = True;
         }},
        {{6, 12, 18}, "Knock sensor out of range", [] {
             KnockRetard = 0;
             KnockSensorFault = True;
         }},
        {{19, 22, 25}, "Ignition system fault", [] { CriticalFault = True; }},
        {{20, 23, 26}, "Injector circuit fault", [] { CriticalFault = True; }},
        {{21, 24, 27}, "Fuel system fault", [] { CriticalFault = True; }},
        {{28}, "Fuel system fault", [] {
             sim()->HSB_Lambda->setValue(1);
             ExhaustWarning = True;
         }},
        {{29}, "Fuel system fault", [] {
             sim()->HSB_Lambda->setValue(-1);
             ExhaustWarning = True;
         }},
        {{30}, "Unknown system fault", [] { CriticalFault = True; }},
        {{31}, nullptr, [] { CriticalFault = True; }},
        {{32}, nullptr, [] { CriticalFault = True; }},
        // 33 and 34 act on cranking only; 37 and 38 on the instrument's readings only.
        {{35}, nullptr, [] { CriticalFault = True; }},
        {{36}, "System voltage low", flatBattery},
        {{39}, nullptr, [] { SystemVoltage = 16; }},
        {{40}, nullptr, [] { SystemVoltage = 13; }},
        {{41}, nullptr, [] { SystemVoltage = 12; }},
        {{42}, nullptr, [] { SystemVoltage = 13; }},
        {{43}, nullptr, [] { frm<frmInstruments>()->lblChargeWL->setVisible(true); }},
        {{44}, nullptr, [] { frm<frmInstruments>()->lblChargeWL->setVisible(true); }},
    };
    return groups;
}

// Applies every present fault group and returns the fault lines in scan order.
QStringList applyFaults() {
    QStringList lines;
    for (const FaultGroup& group : faultGroups()) {
        bool present = false;
        for (int box : group.boxes) present = present || FaultPresent(box);
        if (!present) continue;
        group.effect();
        if (group.line) lines << group.line;
    }
    return lines;
}

reports::ScannerReading currentReading() {
    reports::ScannerReading r;
    r.engineSpeed = EngineSpeed;
    r.engineLoad = EngineLoad;
    r.engineTemperature = EngineTemperature;
    r.ignitionTiming = IgnitionTiming;
    r.injectionDuration = InjectionDuration;
    r.dwellPercentage = DwellPercentage;
    r.roadSpeed = RoadSpeed;
    r.systemVoltage = SystemVoltage;
    r.gear = Gear;
    r.throttleOn = frm<frmControls>()->optThrottleOn->isChecked();
    r.mileage = Mileage;
    r.averageSpeed = AverageSpeed;
    r.fuelLevel = FuelLevel;
    r.fuelEconomy = FuelEconomy;
    r.averageEconomy = AverageEconomy;
    r.tripDistance = TripDistance;
    r.elapsedTime = ElapsedTime;
    r.arrivalDistance = ArrivalDistance;
    r.timeToArrival = TimeToArrival;
    return r;
}

// A critical fault found while the engine runs: the engine is brought to rest and the
// key turned off.
void criticalStop() {
    frm<frmControls>()->chkAuto->setChecked(false);
    EngineSpeed = 0;
    EngineLoad = 0;
    SystemVoltage = 12;
    SetStatus("Critical fault condition...");
    Beep();
    Pause(1.0);
    StartStopEngine();
}

}  // namespace

void CollectSystemData() {
    try {
        chdirToAppFolder();
        FileNumber = 1;  // the one general file number; nothing else is open on it here

        // The fault report is created first: when it cannot be, the scan ends there and
        // no fault acts on the simulation.
        TempFolder = GetTempFolder();
        reports::ReportFile faultsFile(TempFolder + "Faults.scn");
        faultsFile.write(reports::faultsReport(applyFaults()));

        if (CriticalFault == True && EngineRunning == True) criticalStop();

        TempFolder = GetTempFolder();
        reports::writeReport(TempFolder + "Scanner.scn", reports::scannerReport(currentReading()));
    } catch (const VbError& e) {
        MsgBox("Collect system data - Error number: " + QString::number(e.number) + " - " + e.description +
                   "\r\n\r\n" + "Check that the path is set to your work area (Tools, Options and click 'Set path')...",
               MsgButtons::OK, MsgIcon::Information);
        // Turning the key would start a stopped engine; only a running or cranking one is
        // stopped here.
        if (EngineRunning == True || EngineCranking == True) StartStopEngine();
        if (Forms::exists("frmOptions")) Forms::get("frmOptions")->showForm();
    }
}

QString GetTempFolder() {
    // Always a real folder that can be written (or, when none can, the one named, so that the
    // reports fail there): never an empty or shortened path that would point elsewhere.
    return platform().tempFolder();
}
