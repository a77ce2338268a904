#include "sim/trip.h"

#include "platform/numbers.h"

#include <QCoreApplication>

namespace sim {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(sim::Trip)
};
}  // namespace

void autoRun(SimState& s, Controls& c, double (*rnd)(), Outcome& out) {
    if (!c.autoRun) return;
    out.status(Texts::tr("Auto run selected..."));
    if (s.EngineSpeed < 6000) {
        s.EngineSpeed += 20;
        if (s.EngineSpeed >= 6000) s.EngineSpeed = 800;
    } else {
        s.EngineSpeed = 800;
    }
    if (s.EngineSpeed <= 800) return;
    s.SystemVoltage = 14;
    s.StepCounter += 1;
    s.EngineTemperature += 2;
    if (s.EngineTemperature > 90) s.EngineTemperature = 90;
    if (c.slider(Slider::Lambda) == 0) moveSlider(s, c, Slider::Lambda, -1, out);
    if (s.EngineTemperature > 60) moveSlider(s, c, Slider::Lambda, -c.slider(Slider::Lambda), out);
    if (s.StepCounter == 1 || s.StepCounter == 3) {
        s.Gear = static_cast<int>(vb::intFloor(rnd() * 5)) + 1;
        chooseGear(s, c, s.Gear);
    }
    if (s.StepCounter > 5) {
        s.EngineLoad = static_cast<int>(vb::intFloor(rnd() * 90));
        chooseThrottle(s, c, Throttle::On, out);
        if (s.EngineLoad > 80) chooseThrottle(s, c, Throttle::Full, out);
        if (s.EngineLoad < 10) chooseThrottle(s, c, Throttle::Off, out);
        s.StepCounter = 0;
    }
}

bool burnFuel(SimState& s) {
    s.FuelLevel = s.FuelLevel - s.InjectionDuration / 1000;
    if (s.FuelLevel > 0) return false;
    s.FuelLevel = 60;
    return true;
}

void advanceTrip(SimState& s) {
    s.ElapsedTime = s.ElapsedTime + 1;
    if (s.RoadSpeed > 1) {
        s.Mileage = s.Mileage + s.RoadSpeed / 3600.0;
        s.TripDistance = s.TripDistance + s.RoadSpeed / 3600.0;
        s.ArrivalDistance = s.ArrivalDistance - s.RoadSpeed / 3600.0;
        if (s.ArrivalDistance < -9999 || s.ArrivalDistance > 9999) s.ArrivalDistance = 0;
    }

    // Average speed and time to arrival (skipped while the elapsed time is still 0).
    if (s.ElapsedTime != 0) {
        s.AverageSpeed = s.TripDistance / s.ElapsedTime * 3600;
        if (s.AverageSpeed != 0) s.TimeToArrival = s.ArrivalDistance * 60 / s.AverageSpeed;
    }

    // Fuel used and economy.
    if (s.EngineSpeed > 0) s.FuelUsed = s.FuelUsed + s.InjectionDuration / 500;
    if (s.FuelUsed != 0) s.AverageEconomy = s.TripDistance * 10 / s.FuelUsed;
    s.FuelEconomy = (77 - s.InjectionDuration) / 4;
    if (s.RoadSpeed < 1) s.FuelEconomy = 0;
}

void tickStopwatch(SimState& s) {
    if (s.TripDisplayMode != 8 || s.StopwatchRunning != True) return;
    s.Stopwatch += 1;
    if (s.Stopwatch > 60000) s.Stopwatch = 0;
}

std::optional<QString> tripDisplayText(const SimState& s, const QString& timeOfDay) {
    const bool metric = s.MetricUnits == True;
    switch (s.TripDisplayMode) {
    case 0: return timeOfDay;
    case 1:
        return metric ? Texts::tr("%1 km").arg(vb::formatOnScreen(s.TripDistance, "###0.0"))
                      : Texts::tr("%1 miles").arg(vb::formatOnScreen(s.TripDistance * 5 / 8, "###0.0"));
    case 2:
        return metric ? Texts::tr("%1 km/ltr").arg(vb::formatOnScreen(s.FuelEconomy, "#0.0"))
                      : Texts::tr("%1 mpg").arg(vb::formatOnScreen(s.FuelEconomy / 0.354, "#0.0"));
    case 3:
        return metric ? Texts::tr("%1 km/ltr").arg(vb::formatOnScreen(s.AverageEconomy, "#0.0"))
                      : Texts::tr("%1 mpg").arg(vb::formatOnScreen(s.AverageEconomy / 0.354, "#0.0"));
    case 4: return Texts::tr("%1 mins").arg(vb::formatOnScreen(s.TimeToArrival, "#00"));
    case 5:
        return metric ? Texts::tr("%1 km/h").arg(vb::formatOnScreen(s.AverageSpeed, "#00"))
                      : Texts::tr("%1 mph").arg(vb::formatOnScreen(s.AverageSpeed * 5 / 8, "#00"));
    case 6: return Texts::tr("%1 s").arg(vb::formatOnScreen(s.ElapsedTime, "###0"));
    case 7:
        return metric ? Texts::tr("%1 ltr").arg(vb::formatOnScreen(s.FuelUsed, "#0.0")) : Texts::tr("%1 gal").arg(vb::formatOnScreen(s.FuelUsed / 4.55, "#0.0"));
    case 8: return Texts::tr("%1 s").arg(vb::formatOnScreen(s.Stopwatch, "###0"));
    case 9:
        return metric ? Texts::tr("%1 km").arg(vb::formatOnScreen(s.ArrivalDistance, "###0.0"))
                      : Texts::tr("%1 miles").arg(vb::formatOnScreen(s.ArrivalDistance * 5 / 8, "###0.0"));
    default: return std::nullopt;
    }
}

}  // namespace sim
