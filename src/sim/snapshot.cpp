#include "sim/snapshot.h"

#include "platform/numbers.h"

namespace sim {

Snapshot snapshotOf(const SimState& s) {
    Snapshot r;
    r.engineSpeed = s.EngineSpeed;
    r.engineLoad = s.EngineLoad;
    r.engineTemperature = s.EngineTemperature;
    r.ignitionTiming = s.IgnitionTiming;
    r.injectionDuration = s.InjectionDuration;
    r.dwellPercentage = s.DwellPercentage;
    r.roadSpeed = s.RoadSpeed;
    r.systemVoltage = s.SystemVoltage;
    r.gear = s.Gear;
    r.throttlePosition = s.ThrottlePosition;
    r.knock = s.Knock;
    r.mileage = s.Mileage;
    r.averageSpeed = s.AverageSpeed;
    r.fuelLevel = s.FuelLevel;
    r.fuelEconomy = s.FuelEconomy;
    r.averageEconomy = s.AverageEconomy;
    r.tripDistance = s.TripDistance;
    r.elapsedTime = s.ElapsedTime;
    r.arrivalDistance = s.ArrivalDistance;
    r.timeToArrival = s.TimeToArrival;
    return r;
}

const QString kReportSeparator(30, QChar('-'));

QStringList faultsReport(const QStringList& faultLines) {
    QStringList lines{"System faults found:", kReportSeparator};
    lines += faultLines;
    lines << QString() << kReportSeparator << "End of faults list...";
    return lines;
}

QStringList scannerReport(const Snapshot& r) {
    const auto n = [](int v) { return QString::number(v); };
    return {
        "System results:",
        kReportSeparator,
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
        kReportSeparator,
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
        kReportSeparator,
        "End of list...",
    };
}

}  // namespace sim
