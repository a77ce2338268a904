// The engine and trip figures at one moment, as the scanner's live-data report and the
// telemetry samples read them.
#pragma once

#include "sim/simstate.h"

#include <QStringList>

namespace sim {

struct Snapshot {
    int engineSpeed = 0;
    int engineLoad = 0;
    int engineTemperature = 0;
    int ignitionTiming = 0;
    double injectionDuration = 0;
    int dwellPercentage = 0;
    int roadSpeed = 0;
    int systemVoltage = 0;
    int gear = 0;
    int throttlePosition = 0;  // 0 closed, 1 on, 2 full
    bool throttleOn = false;   // the "on" throttle button is pressed
    int knock = 0;             // flag: -1 while knocking
    Figure mileage;
    Figure averageSpeed;
    Figure fuelLevel;
    int fuelEconomy = 0;
    Figure averageEconomy;
    Figure tripDistance;
    Figure elapsedTime;
    Figure arrivalDistance;
    Figure timeToArrival;
};

// The figures of a state (throttleOn, which the state does not hold, false).
Snapshot snapshotOf(const SimState& s);

// The scanner's report files: the lines of Faults.scn around the given fault lines, and the
// 27 lines of Scanner.scn.
extern const QString kReportSeparator;  // 30 hyphens
QStringList faultsReport(const QStringList& faultLines);
QStringList scannerReport(const Snapshot& r);

}  // namespace sim
