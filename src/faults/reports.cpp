#include "faults/reports.h"

#include "platform/files.h"
#include "platform/numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace reports {

const QString kSeparator(30, QChar('-'));

QStringList faultsReport(const QStringList& faultLines) {
    QStringList lines{"System faults found:", kSeparator};
    lines += faultLines;
    lines << QString() << kSeparator << "End of faults list...";
    return lines;
}

QStringList scannerReport(const ScannerReading& r) {
    const auto n = [](int v) { return QString::number(v); };
    return {
        "System results:",
        kSeparator,
        "Engine management data...",
        "Engine speed = " + n(r.engineSpeed) + " rev/min",
        "Engine load = " + n(r.engineLoad) + "% of full load",
        "Engine temperature = " + n(r.engineTemperature) + "deg. C",
        "Ignition timing = " + n(r.ignitionTiming) + "deg. BTDC",
        "Injection duration= " + vb::format(r.injectionDuration, "00.00") + "mS",
        "Dwell = " + n(r.dwellPercentage) + "%",
        "Road speed = " + n(r.roadSpeed) + "km/hour",
        "System voltage = " + n(r.systemVoltage) + "Volts",
        "Gear in position = " + n(r.gear),
        QString("Throttle on = ") + (r.throttleOn ? "True" : "False"),
        kSeparator,
        "Trip and instrumentation data...",
        "Mileage = " + vb::format(r.mileage.value(), "00000.0"),
        "Road speed = " + n(r.roadSpeed),
        "Average speed = " + r.averageSpeed.toText(),
        "Fuel left in the tank = " + r.fuelLevel.toText(),
        "Instantaneous fuel consumption = " + n(r.fuelEconomy),
        "Average fuel counsumtion = " + r.averageEconomy.toText(),
        "Trip distance = " + r.tripDistance.toText(),
        "Elapsed time = " + r.elapsedTime.toText(),
        "Arrival distance = " + r.arrivalDistance.toText(),
        "Estimated time of arrival = " + r.timeToArrival.toText(),
        kSeparator,
        "End of list...",
    };
}

ReportFile::ReportFile(const QString& path) : path_(path) { checkWritableTarget(path); }

void ReportFile::write(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
    // Rewritten every second while the engine runs: the scanner must never read half a
    // report, but the report need not survive a power cut, and an unchanged one is left alone.
    AtomicWrite how;
    how.durable = false;
    how.skipUnchanged = true;
    writeFileAtomic(path_, bytes, how);
}

void writeReport(const QString& path, const QStringList& lines) { ReportFile(path).write(lines); }

}  // namespace reports
