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

// A report file about to be written: checking that it can be made is the first step, so a
// report that cannot be created stops the scan before anything else happens. Opening
// raises VbError 76 "Path not found" when the folder does not exist and 75 "Path/File
// access error" when the file cannot be created there; writing raises 75, 61 or 57. The
// report is replaced whole: a failed write leaves the previous report as it was.
class ReportFile {
public:
    explicit ReportFile(const QString& path);

    // Writes the lines, each ended by CR LF.
    void write(const QStringList& lines);

private:
    QString path_;
};

// Checks and writes the report in one step.
void writeReport(const QString& path, const QStringList& lines);

}  // namespace reports
