// The scanner's two report files: the fault-code list (Faults.scn) and the live-data
// snapshot (Scanner.scn). Plain ANSI text, every line ended by CR LF, rewritten whole.
#pragma once

#include "platform/vbtypes.h"

#include <QString>
#include <QStringList>

namespace reports {

extern const QString kSeparator;  // 30 hyphens

// What the scanner reads from the simulation for its live-data report.
struct ScannerReading {
    int engineSpeed = 0;
    int engineLoad = 0;
    int engineTemperature = 0;
    int ignitionTiming = 0;
    double injectionDuration = 0;
    int dwellPercentage = 0;
    int roadSpeed = 0;
    int systemVoltage = 0;
    int gear = 0;
    bool throttleOn = false;
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

// The lines of Faults.scn around the given fault lines.
QStringList faultsReport(const QStringList& faultLines);
// The 27 lines of Scanner.scn.
QStringList scannerReport(const ScannerReading& r);

// Creates or truncates the file and writes the lines, each ended by CR LF. Raises
// VbError 76 "Path not found" when the folder does not exist, 75 "Path/File access error"
// when the file cannot be created, and 57 "Device I/O error" when writing fails.
void writeReport(const QString& path, const QStringList& lines);

}  // namespace reports
