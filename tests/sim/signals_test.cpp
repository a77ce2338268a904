// The live signals on their own: the waveforms' timing against the state, the mixture on the
// lambda sensor, the starting circuit, the meter's texts, the trigger, the screens, and which
// points every fault reaches.
#include "sim/ecumath.h"
#include "sim/signals.h"

#include "sim/engine.h"

#include "simtesting.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <vector>

using sim::ProbePoint;
using sim::Quantity;
using sim::SignalInputs;

namespace {

using simtest::idling;
using simtest::cranking;

SignalInputs inputs(const SimState& s, sim::FaultSet faults = {}, int lambda = 0) {
    SignalInputs in;
    in.state = &s;
    in.faults = faults;
    in.lambda = lambda;
    return in;
}

sim::FaultSet fault(int n) {
    sim::FaultSet f;
    f.set(n);
    return f;
}

using P = sim::PointId;
ProbePoint at(sim::PointId id) { return sim::probeOn(id); }

// Every connection point of the three circuit windows.
std::vector<ProbePoint> everyPoint() {
    std::vector<ProbePoint> out;
    for (const sim::PointInfo& p : sim::points()) out.push_back(at(p.id));
    return out;
}

Quantity quantityAt(const ProbePoint& p) { return sim::point(*sim::pointOf(p)).quantity; }

std::string describe(const ProbePoint& p) {
    return (p.window + ":" + p.name + "(" + QString::number(p.index) + ") " + p.caption).toStdString();
}

// Samples of a point's signal over [t0, t0 + length) at a fixed step.
std::vector<double> samples(const ProbePoint& p, const SignalInputs& in, double t0, double length, double step) {
    std::vector<double> v;
    for (double t = t0; t < t0 + length; t += step) v.push_back(sim::signalAt(p, in, t));
    return v;
}
double mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v) sum += x;
    return sum / v.size();
}

// ---- Timing against the state ----

TEST(LiveSignals, CrankSensorFollowsEngineSpeed) {
    const ProbePoint sensor = at(P::SpeedSensor);
    for (int rpm : {800, 3000, 6000}) {
        SimState s = idling();
        s.EngineSpeed = rpm;
        const SignalInputs in = inputs(s);
        // Ten turns at forty samples a tooth, from an arbitrary instant.
        const double window = 10 * 60.0 / rpm;
        const double step = 1.0 / (rpm * 40.0);
        const std::vector<double> v = samples(sensor, in, 0.1234, window, step);
        int rising = 0, longest = 0, since = 0;
        for (size_t i = 1; i < v.size(); ++i) {
            ++since;
            if (v[i - 1] < 0 && v[i] >= 0) {
                ++rising;
                longest = std::max(longest, since);
                since = 0;
            }
        }
        // 58 teeth: 58 cycles a turn, the one across the gap three tooth pitches long (the
        // last tooth's and the two missing ones').
        EXPECT_EQ(rising, 580) << rpm;
        EXPECT_NEAR(longest, 120, 2) << rpm;
    }
    // The amplitude grows with speed: about 1 V cranking, 2 V at idle, tens of volts high up.
    auto peak = [&](int rpm) {
        SimState s = idling();
        s.EngineSpeed = rpm;
        double m = 0;
        for (double x : samples(sensor, inputs(s), 0, 60.0 / rpm * 0.9, 1.0 / (rpm * 40.0))) m = std::max(m, x);
        return m;
    };
    EXPECT_NEAR(peak(180), 0.9, 0.3);
    EXPECT_NEAR(peak(800), 2.0, 0.3);
    EXPECT_GT(peak(6000), 20);
    // Nothing while the engine stands still.
    SimState stopped;
    for (double x : samples(sensor, inputs(stopped), 0, 0.1, 1e-3)) EXPECT_EQ(x, 0);
}

TEST(LiveSignals, InjectorIsHeldOpenForTheInjectionDuration) {
    const ProbePoint injector = at(P::Injector);
    struct Case {
        int rpm;
        double ms;
    };
    for (const Case k : {Case{800, 2.6}, Case{3000, 4.1}, Case{6000, 8.35}}) {
        SimState s = idling();
        s.EngineSpeed = k.rpm;
        s.InjectionDuration = k.ms;
        const double step = 10e-6;
        const std::vector<double> v = samples(injector, inputs(s), 0.0371, 120.0 / k.rpm, step);
        int low = 0;
        double top = 0;
        for (double x : v) {
            low += x < 7;
            top = std::max(top, x);
        }
        EXPECT_NEAR(low * step * 1000, k.ms, step * 1000) << k.rpm;
        EXPECT_NEAR(top, 60, 1) << "the clamped turn-off spike";
        // The rest of the cycle at supply voltage.
        EXPECT_NEAR(v.front(), 14, 0.01);
    }
}

TEST(LiveSignals, CoilIsSwitchedOnForTheDwellShareOfEachSpark) {
    const ProbePoint coil = at(P::CoilWire);
    struct Case {
        int rpm, dwell;
    };
    for (const Case k : {Case{800, 20}, Case{3000, 35}, Case{6000, 50}}) {
        SimState s = idling();
        s.EngineSpeed = k.rpm;
        s.DwellPercentage = k.dwell;
        const double period = 30.0 / k.rpm;
        const std::vector<double> v = samples(coil, inputs(s), 0.0059, period, period / 4000);
        int low = 0;
        double top = 0;
        for (double x : v) {
            low += x < 3.5;
            top = std::max(top, x);
        }
        EXPECT_NEAR(100.0 * low / v.size(), k.dwell, 0.5) << k.rpm;
        EXPECT_GT(top, 300) << "the switch-off spike";
        EXPECT_EQ(sim::meterText(coil, inputs(s)), QString("  %1 % dwell").arg(k.dwell));
    }
}

TEST(LiveSignals, SparkTimingIsReadAgainstTopDeadCentre) {
    const ProbePoint timing = at(P::SparkPlugLead);
    for (int advance : {0, 14, 32}) {
        SimState s = idling();
        s.EngineSpeed = 2400;
        s.IgnitionTiming = advance;
        EXPECT_EQ(sim::meterText(timing, inputs(s)), QString("  %1 deg BTDC").arg(advance));
    }
    // A later spark moves the firing line towards TDC (at whole spark periods from the origin).
    auto firing = [&](int advance) {
        SimState s = idling();
        s.IgnitionTiming = advance;
        const double period = 30.0 / 800;
        for (double t = 10 * period - period / 2; t < 10 * period; t += 1e-6)
            if (sim::signalAt(timing, inputs(s), t) > 5) return (10 * period - t) * 6 * 800;
        return -1.0;
    };
    EXPECT_NEAR(firing(14), 14, 0.1);
    EXPECT_NEAR(firing(30), 30, 0.1);
}

// ---- The mixture ----

TEST(LiveSignals, LambdaSwitchesInClosedLoopAndFollowsTheMixture) {
    const ProbePoint sensor = at(P::LambdaSensor);
    const SimState s = idling();
    auto average = [&](sim::FaultSet f, int slider) { return mean(samples(sensor, inputs(s, f, slider), 0.3, 10, 5e-3)); };

    // Closed loop: 0.1 to 0.9 V about once a second, averaging a little under 0.5 V.
    const std::vector<double> v = samples(sensor, inputs(s), 0.3, 10, 5e-3);
    int switches = 0;
    for (size_t i = 1; i < v.size(); ++i) switches += v[i - 1] < 0.5 && v[i] >= 0.5;
    EXPECT_NEAR(switches, 10, 1);
    EXPECT_NEAR(*std::min_element(v.begin(), v.end()), 0.1, 0.01);
    EXPECT_NEAR(*std::max_element(v.begin(), v.end()), 0.9, 0.01);
    const double healthy = average({}, 0);
    EXPECT_NEAR(healthy, 0.48, 0.01);

    // Low fuel pressure makes it lean, high pressure rich, and so does the slider.
    EXPECT_LT(average(fault(28), 0), healthy - 0.3);
    EXPECT_GT(average(fault(29), 0), healthy + 0.3);
    EXPECT_LT(average({}, 1), healthy - 0.3);
    EXPECT_GT(average({}, -1), healthy + 0.3);
    EXPECT_EQ(sim::meterText(sensor, inputs(s, fault(28))), "  0.10 V (dc)");
    EXPECT_EQ(sim::meterText(sensor, inputs(s, fault(29))), "  0.86 V (dc)");

    // A cold engine runs in open loop: the sensor sits at the unit's bias voltage.
    SimState cold = idling();
    cold.EngineTemperature = 20;
    for (double x : samples(sensor, inputs(cold), 0, 3, 0.05)) EXPECT_EQ(x, 0.45);
}

TEST(LiveSignals, KnockBurstsGrowWhenTheEngineKnocks) {
    const ProbePoint sensor = at(P::KnockSensor);
    SimState s = idling();
    auto rms = [&] {
        double sum = 0;
        const std::vector<double> v = samples(sensor, inputs(s), 0.01, 30.0 / 800 * 4, 5e-6);
        for (double x : v) sum += x * x;
        return std::sqrt(sum / v.size());
    };
    const double quiet = rms();
    s.Knock = True;
    EXPECT_GT(rms(), 2.5 * quiet);
}

// ---- The starting circuit ----

TEST(LiveSignals, StartingCircuitAtRestAndCranking) {
    const ProbePoint supply = at(P::StarterSupply);
    const ProbePoint current = at(P::StarterCurrent);
    SimState rest;
    rest.SystemVoltage = 12;
    EXPECT_EQ(sim::meterText(supply, inputs(rest)), "  12.6 V (dc)");
    EXPECT_EQ(sim::meterText(current, inputs(rest)), "  0 rev/min");

    const SimState s = cranking();
    const std::vector<double> volts = samples(supply, inputs(s), 0, 2, 1e-3);
    EXPECT_GE(*std::min_element(volts.begin(), volts.end()), 9.6);
    EXPECT_EQ(sim::meterText(supply, inputs(s)), "  10.2 V (dc)");
    EXPECT_EQ(sim::meterText(current, inputs(s)), "  132 rev/min");

    // One hump of current per compression: two a turn.
    const std::vector<double> amps = samples(current, inputs(s), 0.05, 5, 1e-3);
    int humps = 0;
    for (size_t i = 1; i < amps.size(); ++i) humps += amps[i - 1] < 150 && amps[i] >= 150;
    EXPECT_NEAR(humps, 5 * 132 / 30.0, 1);
    EXPECT_NEAR(mean(amps), 150, 2);

    // The inrush while the motor comes up to speed.
    SimState starting = s;
    starting.EngineSpeed = 70;
    EXPECT_GT(mean(samples(current, inputs(starting), 0, 1, 1e-3)), 350);

    // A flat battery under the starter's load.
    EXPECT_EQ(sim::meterText(supply, inputs(s, fault(36))), "  8.0 V (dc)");
}

// ---- The key ----

// The engine still, on a 12 V battery, the coolant at 20 degrees C: the key off or on.
SimState stillEngine(bool ignitionOn) {
    SimState s;
    s.SystemVoltage = 12;
    s.EngineTemperature = 20;
    s.IgnitionOn = ignitionOn ? True : False;
    return s;
}

double lowest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double highest(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

TEST(LiveSignals, WithTheKeyOffOnlyTheBatteryCircuitsAreLive) {
    const SimState off = stillEngine(false);
    EXPECT_EQ(sim::meterText(at(P::StarterSupply), inputs(off)), "  12.6 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::AlternatorOutput), inputs(off)), "  12.6 V (dc)")
        << "the alternator's output is wired to the battery";
    // The unit is not fed: no sensor supply, no feed to the coil and the injectors, no lamp.
    for (P id : {P::LoadSensor, P::TemperatureSensor, P::VoltageSensing, P::LambdaSensor, P::IgnitionCoil,
                 P::CoilDrivePin, P::Injector, P::InjectorDrivePin, P::ChargeWarningLightFeed})
        EXPECT_EQ(sim::meterText(at(id), inputs(off)), "  0.0 V (dc)") << describe(at(id));
    EXPECT_EQ(sim::meterText(at(P::FuelPump), inputs(off)), "  0.0 A (dc)");
}

TEST(LiveSignals, TheIgnitionOnFeedsTheUnitWithTheEngineStill) {
    const SimState on = stillEngine(true);
    // The battery at rest, and the unit's sensing of it.
    EXPECT_EQ(sim::meterText(at(P::StarterSupply), inputs(on)), "  12.6 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::VoltageSensing), inputs(on)), "  12.6 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::StarterSupply), inputs(on, fault(36))), "  11.8 V (dc)");
    // A battery left lower by a failed start rests 0.6 V above what it showed under the load.
    SimState drained = on;
    drained.SystemVoltage = 10;
    EXPECT_EQ(sim::meterText(at(P::VoltageSensing), inputs(drained)), "  10.6 V (dc)");
    // The manifold at atmospheric pressure, the lambda sensor cold on the unit's bias.
    EXPECT_EQ(sim::meterText(at(P::LoadSensor), inputs(on)), "  4.5 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::LambdaSensor), inputs(on)), "  0.45 V (dc)");
    // The coolant sensor at the engine's temperature: a warmer engine, a lower voltage.
    SimState warm = on;
    warm.EngineTemperature = 90;
    const double cold = mean(samples(at(P::TemperatureSensor), inputs(on), 0, 1, 0.1));
    const double hot = mean(samples(at(P::TemperatureSensor), inputs(warm), 0, 1, 0.1));
    EXPECT_GT(cold, 2.0);
    EXPECT_LT(hot, cold - 1.0);
    // No crank signal, no spark.
    EXPECT_EQ(sim::meterText(at(P::SpeedSensor), inputs(on)), "  0.0 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::SparkPlugLead), inputs(on)), "  0.0 V (dc)");
    // The coil and the injectors fed from the battery, never switched.
    for (P id : {P::IgnitionCoil, P::CoilDrivePin, P::Injector, P::InjectorDrivePin}) {
        const std::vector<double> v = samples(at(id), inputs(on), 0.013, 0.5, 0.2e-3);
        EXPECT_NEAR(lowest(v), 12.6, 1e-9) << describe(at(id));
        EXPECT_NEAR(highest(v), 12.6, 1e-9) << describe(at(id));
    }
    EXPECT_EQ(sim::meterText(at(P::ChargeWarningLightFeed), inputs(on)), "  12.6 V (dc)");
    // The fuel pump runs while it primes the rail, then stops; a dead relay never runs it.
    SimState priming = on;
    priming.PumpPriming = 2;
    EXPECT_GT(mean(samples(at(P::FuelPump), inputs(priming), 0, 0.1, 1e-4)), 4.0);
    EXPECT_EQ(sim::meterText(at(P::FuelPump), inputs(on)), "  0.0 A (dc)");
    EXPECT_EQ(sim::meterText(at(P::FuelPump), inputs(priming, fault(27))), "  0.0 A (dc)");
}

// The starter turning the engine with a fault present, the state as the key leaves it.
SimState crankingWith(int n) {
    SimState s = cranking();
    s.EngineTemperature = 40;  // the cranking injection: 200 / 40.1 = 5.0 ms
    s.IgnitionOn = True;
    s.InjectionDuration = 200 / 40.1;
    sim::applyCrankingFaults(s, fault(n));
    return s;
}

TEST(LiveSignals, CrankingWithoutACrankSignalTheUnitFiresNothing) {
    // The sensor's wire open: its signal at the sensor, none on the wire or at the pin.
    const SimState s7 = crankingWith(7);
    EXPECT_EQ(sim::meterText(at(P::SpeedSensor), inputs(s7, fault(7))), sim::meterText(at(P::SpeedSensor), inputs(cranking())));
    EXPECT_GT(highest(samples(at(P::SpeedSensor), inputs(s7, fault(7)), 0, 0.5, 1e-4)), 0.5);
    EXPECT_EQ(sim::meterText(at(P::SpeedSensorWire), inputs(s7, fault(7))), "  0.0 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::SpeedSensorPin), inputs(s7, fault(7))), "  0.0 V (dc)");
    // So no injection, no dwell, no spark and no pump, at the unit's pins and at the parts.
    for (P id : {P::Injector, P::InjectorDrivePin, P::IgnitionCoil, P::CoilDrivePin}) {
        const std::vector<double> v = samples(at(id), inputs(s7, fault(7)), 0.01, 1.0, 0.1e-3);
        EXPECT_GT(lowest(v), 9.0) << describe(at(id)) << ": no pulse, the cranking battery only";
    }
    EXPECT_EQ(sim::meterText(at(P::SparkPlugLead), inputs(s7, fault(7))), "  0.0 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::FuelPump), inputs(s7, fault(7))), "  0.0 A (dc)");

    // The pin corroded: a twentieth of the sensor's signal at the unit, too weak to fire on.
    const SimState s13 = crankingWith(13);
    const double sensorPeak = highest(samples(at(P::SpeedSensor), inputs(s13, fault(13)), 0, 0.5, 1e-4));
    const double pinPeak = highest(samples(at(P::SpeedSensorPin), inputs(s13, fault(13)), 0, 0.5, 1e-4));
    EXPECT_GT(pinPeak, 0);
    EXPECT_NEAR(pinPeak / sensorPeak, 0.05, 0.005);
    EXPECT_GT(lowest(samples(at(P::Injector), inputs(s13, fault(13)), 0.01, 1.0, 0.1e-3)), 9.0);

    // Healthy, the unit fires at the cranking figures and the pump runs.
    const SimState healthy = crankingWith(0);
    EXPECT_EQ(sim::meterText(at(P::CoilDrivePin), inputs(healthy)), "  35 % dwell");
    EXPECT_GT(sim::meterText(at(P::FuelPump), inputs(healthy)).trimmed().split(' ')[0].toDouble(), 3.0);
    // The manifold near atmospheric while the starter turns the engine.
    const double manifold = mean(samples(at(P::LoadSensor), inputs(healthy), 0, 1, 1e-3));
    EXPECT_GT(manifold, 3.8);
    EXPECT_LT(manifold, 4.5);
}

TEST(LiveSignals, TheMeterFindsTheUnitsShortPulsesAtCrankingSpeed) {
    // Two turns take most of a second while cranking; a warm engine's injection and the firing
    // line last a couple of milliseconds in it.
    auto reading = [](const QString& text) { return text.trimmed().split(' ').value(0).toDouble(); };
    for (int speed : {132, 80}) {
        SimState s = crankingWith(0);
        s.EngineTemperature = 90;
        s.EngineSpeed = speed;
        s.CrankingSpeed = speed;
        const double commanded = ecu::crankingInjectionFor(90);
        EXPECT_NEAR(reading(sim::meterText(at(P::Injector), inputs(s))), commanded, 0.051) << speed << " rev/min";
        EXPECT_NEAR(reading(sim::meterText(at(P::InjectorDrivePin), inputs(s))), commanded, 0.051) << speed << " rev/min";
        EXPECT_EQ(sim::meterText(at(P::SparkPlugLead), inputs(s)),
                  QStringLiteral("  %1 deg BTDC").arg(s.IgnitionTiming))
            << speed << " rev/min";
    }
}

TEST(LiveSignals, CrankingWithAnOpenOutputTheUnitStillDrivesItsPin) {
    // The coil's drive open at the unit: the dwell at the unit's pin, none at the coil.
    const SimState s22 = crankingWith(22);
    EXPECT_EQ(sim::meterText(at(P::CoilDrivePin), inputs(s22, fault(22))), "  35 % dwell");
    EXPECT_EQ(sim::meterText(at(P::CoilWire), inputs(s22, fault(22))), "  0 % dwell");
    EXPECT_EQ(sim::meterText(at(P::IgnitionCoil), inputs(s22, fault(22))), "  0 % dwell");
    // The injectors' drive open: the pulse at the pin, none at the injector.
    const SimState s23 = crankingWith(23);
    EXPECT_EQ(sim::meterText(at(P::InjectorDrivePin), inputs(s23, fault(23))), "  5.0 ms");
    EXPECT_GT(lowest(samples(at(P::Injector), inputs(s23, fault(23)), 0.01, 1.0, 0.1e-3)), 9.0);
    // The injectors' supply failed: nothing at any injector point.
    const SimState s26 = crankingWith(26);
    EXPECT_EQ(highest(samples(at(P::InjectorDrivePin), inputs(s26, fault(26)), 0.01, 1.0, 0.1e-3)), 0);
}

// ---- The meter ----

TEST(LiveSignals, MeterTextsOfAnIdlingEngine) {
    const SimState s = idling();
    EXPECT_EQ(sim::meterText(at(P::SpeedSensor), inputs(s)), "  1.4 V (ac)");
    EXPECT_EQ(sim::meterText(at(P::LambdaSensor), inputs(s)), "  0.48 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::Injector), inputs(s)), "  2.6 ms");
    EXPECT_EQ(sim::meterText(at(P::AlternatorSpeed), inputs(s)),
              "  2400 rev/min");
    const QRegularExpression form("^  \\d+\\.\\d\\d V \\(ac\\)$");
    EXPECT_TRUE(form.match(sim::meterText(at(P::KnockSensor), inputs(s))).hasMatch());

    // An open circuit, a short to earth and a blown fuse read nothing.
    EXPECT_EQ(sim::meterText(at(P::SpeedSensorPin), inputs(s, fault(7))), "  0.0 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::LambdaSensorPin), inputs(s, fault(11))), "  0.0 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::InjectorWire), inputs(s, fault(26))), "  0.0 V (dc)");
    // An injector that is never switched sits at supply: no pulse to time.
    EXPECT_EQ(sim::meterText(at(P::InjectorWire), inputs(s, fault(23))), "  0.0 ms");
    // A probe on something that is no connection point.
    EXPECT_EQ(sim::meterText(ProbePoint{"Speed look up value", "Label10", -1, "FRMsimulation"}, inputs(s)), "  0.0 V (dc)");
    EXPECT_EQ(sim::signalAt(ProbePoint{"Speed look up value", "Label10", -1, "FRMsimulation"}, inputs(s), 0.1), 0);
}

// A probe is on the point its window, control and index name; the caption is only what the label
// shows, and may read otherwise (translated) without changing what is measured.
TEST(LiveSignals, APointIsKnownByWhereItIsNotByItsCaption) {
    const SimState s = idling();
    const ProbePoint sensor = at(P::SpeedSensor);
    ProbePoint translated = sensor;
    translated.caption = QStringLiteral("Motordrehzahl");
    EXPECT_EQ(sim::meterText(translated, inputs(s)), sim::meterText(sensor, inputs(s)));
    EXPECT_EQ(sim::meterText(translated, inputs(s)), "  1.4 V (ac)");
    EXPECT_EQ(sim::sweepStart(translated, inputs(s), 0.3), sim::sweepStart(sensor, inputs(s), 0.3));
    // Its faults follow it: the open sensor wire is dead at the translated pin too.
    ProbePoint pin = at(P::SpeedSensorPin);
    pin.caption = QStringLiteral("Motordrehzahl");
    EXPECT_EQ(sim::meterText(pin, inputs(s, fault(7))), "  0.0 V (dc)");
    EXPECT_EQ(sim::meterText(pin, inputs(s, fault(13))), "  0.1 V (ac)");
    // A label that is no connection point measures nothing, whatever its caption reads.
    const ProbePoint elsewhere{sensor.caption, "Label10", -1, sensor.window};
    EXPECT_EQ(sim::meterText(elsewhere, inputs(s)), "  0.0 V (dc)");
    EXPECT_EQ(sim::signalAt(elsewhere, inputs(s), 0.0123), 0);
    // The same control name on another window is another point.
    const ProbePoint starterEarth = at(P::StarterEarth), alternatorEarth = at(P::AlternatorEarth);
    EXPECT_EQ(starterEarth.name, alternatorEarth.name);
    EXPECT_EQ(sim::meterText(alternatorEarth, inputs(s)), "  0.08 V (dc)");
    EXPECT_EQ(sim::meterText(starterEarth, inputs(s)), "  0.0 V (dc)");  // no starter current
}

// ---- The screen ----

TEST(LiveSignals, TriggeredSweepsStandStillAndCatchTheSpikes) {
    const SimState s = idling();
    const SignalInputs in = inputs(s);
    auto sweep = [&](const ProbePoint& p, double from) {
        const double start = sim::sweepStart(p, in, from);
        EXPECT_GE(start, from);
        const double dt = 6 * sim::liveScale(quantityAt(p)).secondsPerDivision / 50;
        std::vector<double> v;
        for (int i = 0; i < 50; ++i) v.push_back(sim::signalAt(p, in, start + i * dt));
        return v;
    };
    for (const ProbePoint& p : everyPoint()) {
        const std::vector<double> a = sweep(p, 0.3), b = sweep(p, 7.9);
        if (sim::liveScale(quantityAt(p)).secondsPerDivision >= 0.1 || quantityAt(p) == Quantity::Knock) continue;
        for (int i = 0; i < 50; ++i) ASSERT_NEAR(a[i], b[i], 1e-6) << describe(p) << " sample " << i;
    }
    const std::vector<double> coil = sweep(at(P::IgnitionCoil), 1.0);
    EXPECT_GT(coil[8], 330);
    const std::vector<double> ht = sweep(at(P::SparkPlugLead), 1.0);
    EXPECT_GT(*std::max_element(ht.begin(), ht.end()), 9.5);
    // The firing line is caught whatever the speed and advance.
    for (auto [rpm, advance] : {std::pair{800, 9}, {800, 10}, {3000, 33}, {4500, 27}, {6000, 40}}) {
        SimState other = s;
        other.EngineSpeed = rpm;
        other.IgnitionTiming = advance;
        const SignalInputs atSpeed = inputs(other);
        const ProbePoint lead = at(P::SparkPlugLead);
        for (double from : {0.3, 1.7, 5.05}) {
            const double start = sim::sweepStart(lead, atSpeed, from);
            const double dt = 6 * sim::liveScale(sim::Quantity::SparkTiming).secondsPerDivision / 50;
            double top = 0;
            for (int i = 0; i < 50; ++i) top = std::max(top, sim::signalAt(lead, atSpeed, start + i * dt));
            EXPECT_GT(top, 9) << rpm << " rev/min, " << advance << " degrees, from " << from;
        }
    }
    const std::vector<double> injector = sweep(at(P::Injector), 1.0);
    EXPECT_LT(injector[9], 1);  // open from the ninth sample on
    // A slow trace rolls.
    EXPECT_EQ(sim::sweepStart(at(P::LambdaSensor), in, 2.5), 2.5);
}

TEST(LiveSignals, TracesFitTheirScreens) {
    const SimState running = idling();
    const SimState turning = cranking();
    for (const ProbePoint& p : everyPoint()) {
        const Quantity q = quantityAt(p);
        const sim::LiveScale scale = sim::liveScale(q);
        const bool starter = sim::point(*sim::pointOf(p)).window == sim::Window::Starting;
        const SignalInputs in = inputs(starter ? turning : running);
        const double start = sim::sweepStart(p, in, 0.5);
        const double dt = 6 * scale.secondsPerDivision / 50;
        double top = -1e9, bottom = 1e9;
        for (int i = 0; i < 50; ++i) {
            const double divisions = sim::signalAt(p, in, start + i * dt) / scale.perDivision;
            top = std::max(top, divisions);
            bottom = std::min(bottom, divisions);
        }
        // The screen reaches three divisions either side of the centre line; a trace from earth
        // starts two below it.
        const double zero = scale.zeroAtCentre ? 0 : -2;
        EXPECT_LE(zero + top, 3) << describe(p);
        EXPECT_GE(zero + bottom, -3) << describe(p);
    }
}

// ---- The faults ----

// What a probe shows: the signal at many instants (closely over one engine cycle at idle,
// loosely over three seconds) and the meter's text.
struct Reading {
    std::vector<double> values;
    QString meter;
    bool operator!=(const Reading& o) const {
        if (meter != o.meter) return true;
        for (size_t i = 0; i < values.size(); ++i)
            if (std::fabs(values[i] - o.values[i]) > 1e-6) return true;
        return false;
    }
};
Reading readingOf(const ProbePoint& p, const SignalInputs& in) {
    Reading r;
    r.values = samples(p, in, 0.0123, 0.15, 150e-6);
    const std::vector<double> slow = samples(p, in, 0.0, 3.0, 0.03);
    r.values.insert(r.values.end(), slow.begin(), slow.end());
    r.meter = sim::meterText(p, in);
    return r;
}

// Every fault changes the live signal (running, cranking, or with the ignition on and the engine
// still) at the points the catalogue says it reaches and at no other, and at least at one of the
// points where the instrument's stored reading shows it.
TEST(LiveSignals, EveryFaultShowsOnItsOwnCircuitAndNowhereElse) {
    const std::vector<ProbePoint> points = everyPoint();
    const SimState running = idling(), turning = cranking(), still = stillEngine(true);
    std::vector<Reading> healthyRunning, healthyCranking, healthyStill;
    for (const ProbePoint& p : points) {
        healthyRunning.push_back(readingOf(p, inputs(running)));
        healthyCranking.push_back(readingOf(p, inputs(turning)));
        healthyStill.push_back(readingOf(p, inputs(still)));
    }
    ASSERT_EQ(sim::faults().size(), 44u);
    for (const sim::FaultInfo& f : sim::faults()) {
        const SignalInputs atIdle = inputs(running, fault(f.number));
        const SignalInputs whileCranking = inputs(turning, fault(f.number));
        bool shown = false;
        for (size_t i = 0; i < points.size(); ++i) {
            const ProbePoint& p = points[i];
            const bool changed = readingOf(p, atIdle) != healthyRunning[i] ||
                                 readingOf(p, whileCranking) != healthyCranking[i] ||
                                 readingOf(p, inputs(still, fault(f.number))) != healthyStill[i];
            if (!changed) continue;
            const sim::PointId id = *sim::pointOf(p);
            for (const sim::Indication& k : f.shown)
                shown = shown || std::find(k.at.begin(), k.at.end(), id) != k.at.end();
            EXPECT_TRUE(sim::reaches(f, id)) << "fault " << f.number << " changes " << describe(p);
        }
        EXPECT_TRUE(shown) << "fault " << f.number << " shows at none of its points";
    }
}

TEST(LiveSignals, FaultsActAsTheirCircuitsWouldGiveIt) {
    const SimState s = idling();
    // The open thermistor and its open wire: the unit's 5 V reference through its pull-up.
    EXPECT_EQ(sim::meterText(at(P::TemperatureSensor), inputs(s, fault(3))), "  5.0 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::TemperatureSensorWire), inputs(s, fault(9))), "  5.0 V (dc)");
    EXPECT_EQ(sim::meterText(at(P::TemperatureSensor), inputs(s, fault(9))), "  0.5 V (dc)");
    // A corroded pin: the sensor's signal on its wire, only a trace of it at the unit.
    const QString sensorWire = sim::meterText(at(P::SpeedSensorWire), inputs(s, fault(13)));
    EXPECT_EQ(sensorWire, sim::meterText(at(P::SpeedSensorWire), inputs(s)));
    EXPECT_EQ(sim::meterText(at(P::SpeedSensorPin), inputs(s, fault(13))), "  0.1 V (ac)");
    // The unit's voltage sensing reads 10 V; the charging system does not.
    EXPECT_EQ(sim::meterText(at(P::VoltageSensing), inputs(s, fault(4))), "  10.0 V (dc)");
    // A contaminated lambda sensor gives no switching, only the unit's bias.
    EXPECT_EQ(sim::meterText(at(P::LambdaSensor), inputs(s, fault(5))), "  0.45 V (dc)");
    // The timing reference lost: the spark comes at TDC.
    EXPECT_EQ(sim::meterText(at(P::SparkPlugLead), inputs(s, fault(19))), "  0 deg BTDC");
    // The coil's drive open at the unit: the coil rests at supply.
    EXPECT_EQ(sim::meterText(at(P::CoilWire), inputs(s, fault(22))), "  0 % dwell");
    EXPECT_EQ(sim::meterText(at(P::CoilDrivePin), inputs(s, fault(22))), "  30 % dwell");
    // A seized pump draws its stall current; a dead relay gives none.
    EXPECT_EQ(sim::meterText(at(P::FuelPump), inputs(s, fault(21))), "  12.0 A (dc)");
    EXPECT_EQ(sim::meterText(at(P::FuelPump), inputs(s, fault(27))), "  0.0 A (dc)");
    // The charging system's D+ with the regulator stuck high, and the lamp's circuit earthed.
    const ProbePoint dPlus = at(P::ChargeWarningLightDPlus);
    EXPECT_EQ(sim::meterText(dPlus, inputs(s, fault(39))), "  16.0 V (dc)");
    EXPECT_EQ(sim::meterText(dPlus, inputs(s, fault(43))), "  0.0 V (dc)");
}

}  // namespace
