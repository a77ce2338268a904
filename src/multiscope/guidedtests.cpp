#include "multiscope/guidedtests.h"

#include "sim/signals.h"
#include "sim/startsequence.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>
#include <optional>

namespace guided {

namespace {

struct Texts { Q_DECLARE_TR_FUNCTIONS(guided::Library) };

using scope::Measurement;
using sim::Circuit;
using sim::PointId;

// A channel on a point at the scale the catalogue gives it, its zero where it is best seen.
TestChannel on(PointId p, double zero = 4) { return {p, sim::screenSettings(p).perDivision, zero}; }
TestChannel on(PointId p, double perDivision, double zero) { return {p, perDivision, zero}; }

scope::Trigger normal(double level, bool falling = false, double position = 0.5) {
    scope::Trigger t;
    t.mode = scope::TriggerMode::Normal;
    t.level = level;
    t.edge = falling ? scope::Edge::Falling : scope::Edge::Rising;
    t.position = position;
    return t;
}

scope::Trigger automatic(double level) {
    scope::Trigger t = normal(level);
    t.mode = scope::TriggerMode::Auto;
    return t;
}

std::vector<GuidedTest> build() {
    std::vector<GuidedTest> tests;
    const auto add = [&tests](GuidedTest t) { tests.push_back(std::move(t)); };
    const std::vector<Measurement> wave = {Measurement::PeakToPeak, Measurement::Frequency};
    const std::vector<Measurement> level = {Measurement::Mean, Measurement::Minimum, Measurement::Maximum};

    add({QStringLiteral("crank-sensor"), Texts::tr("Crank sensor"), Texts::tr("Crank sensor at idle"),
         Texts::tr("Shows whether the inductive crank sensor's wave reaches the control unit (at its pin) clean, for "
            "every tooth of the 60-2 wheel, with the gap that marks the crank's position."),
         EngineState::Idle, {on(PointId::SpeedSensorPin)}, 10e-3, 0, normal(2.5), wave,
         Texts::tr("An even alternating wave, one cycle a tooth, about 2 V either side of zero at idle, and once a turn "
            "the gap: a longer, taller swing. No wave at all: the sensor or its wiring is open, or the engine is "
            "not turning (measure at the sensor too: a wave there and none here is the wiring). A wave far "
            "smaller than the healthy one: a high resistance in the sensor's circuit, or a sensor too far from "
            "the wheel. Missing or uneven teeth: a damaged wheel."),
         Texts::tr("Peak to peak about 5.4 V; frequency about 780 Hz at 800 rev/min (the teeth pass at 800 a second, "
            "the gap lowers the count); the meter about 1.4 V AC. The reading box's \"Speed sensor - idle\", "
            "11 V AC, is typical of a larger sensor on another engine, not of this car's."),
         0.1, 0.25, {Circuit::EngineSpeed}});
    add({QStringLiteral("map-sensor"), Texts::tr("Manifold pressure sensor"), Texts::tr("Manifold pressure sensor at idle"),
         Texts::tr("Shows the pressure in the inlet manifold as the control unit reads it: the engine's load."),
         EngineState::Idle, {on(PointId::LoadSensorPin, 1, 7)}, 10e-3, 0, automatic(1.2), level,
         Texts::tr("A steady voltage low on the screen at idle (high vacuum), with a small ripple of the intake "
            "strokes. Near 4.5 V with the engine running: no vacuum reaches the sensor, or the sensor has failed. "
            "0 V or 5 V flat: its signal wire is open or shorted."),
         Texts::tr("Mean about 1.4 V at idle."), 0.1, 0.25, {Circuit::EngineLoad}});
    add({QStringLiteral("coolant-sensor"), Texts::tr("Coolant temperature sensor"), Texts::tr("Coolant temperature sensor, warm"),
         Texts::tr("Shows the voltage across the coolant temperature sensor, which falls as the engine warms up."),
         EngineState::Idle, {on(PointId::TemperatureSensorPin, 1, 7)}, 1, 0, automatic(2.5), level,
         Texts::tr("A steady voltage: about 0.5 V with the engine warm, nearer 4 V cold. 5 V: the sensor's circuit is "
            "open (the unit reads it as very cold). 0 V: shorted to earth (read as very hot). A reading that "
            "does not match the engine's temperature: a corroded connection or a failed sensor."),
         Texts::tr("Mean about 0.5 V at 90 deg C."), 0.1, 0.25, {Circuit::Temperature}});
    add({QStringLiteral("voltage-sensing"), Texts::tr("Voltage sensing"), Texts::tr("Supply voltage at the control unit"),
         Texts::tr("Shows the supply voltage as it reaches the control unit's sensing pin, which it uses to correct the "
            "injectors' and the coil's timing."),
         EngineState::Idle, {on(PointId::VoltageSensingPin, 4, 7)}, 1e-3, 0, automatic(14), level,
         Texts::tr("The charging voltage, about 14 V, with the alternator's small ripple. Much lower than at the battery: "
            "a resistance in the sensing wire or at the pin. 0 V: the wire is open."),
         Texts::tr("Mean about 14 V."), 0.1, 0.25, {Circuit::VoltageSensing, Circuit::Charging}});
    add({QStringLiteral("lambda-sensor"), Texts::tr("Lambda sensor"), Texts::tr("Lambda sensor switching at idle"),
         Texts::tr("Shows whether the oxygen sensor switches between rich and lean as the control unit trims the "
            "mixture (closed loop)."),
         EngineState::Idle, {on(PointId::LambdaSensorPin, 0.2, 7)}, 0.5, 0, normal(0.45), wave,
         Texts::tr("A slow square-ish wave between about 0.1 V (lean) and 0.9 V (rich), about once a second at idle. "
            "Stuck low: the mixture is lean or the sensor is dead. Stuck high: rich. Held at 0.45 V: the unit's "
            "own bias, no signal from the sensor (open circuit, or a cold sensor)."),
         Texts::tr("Peak to peak about 0.8 V; frequency about 1 Hz at idle."), 0.1, 0.25,
         {Circuit::Lambda, Circuit::FuelPressure}});
    add({QStringLiteral("knock-sensor"), Texts::tr("Knock sensor"), Texts::tr("Knock sensor at idle"),
         Texts::tr("Shows the knock sensor's small bursts as each cylinder fires."),
         EngineState::Idle, {on(PointId::KnockSensorPin)}, 10e-3, 0, normal(0.1), {Measurement::PeakToPeak},
         Texts::tr("Small bursts of ringing, one per firing, settling between them. No bursts: the sensor or its "
            "wiring is open, or the sensor is loose on the block. Bursts much larger than these: knock."),
         Texts::tr("Peak to peak a few tenths of a volt at idle."), 0.1, 0.3, {Circuit::Knock}});
    add({QStringLiteral("injector"), Texts::tr("Injector"), Texts::tr("Injector at idle"),
         Texts::tr("Shows the injector's switched side: the control unit opening it, the time it stays open and the "
            "spike and needle's closing after."),
         EngineState::Idle, {on(PointId::Injector, 20, 7)}, 5e-3, 0, normal(7, true, 0.2),
         {Measurement::PulseWidth, Measurement::Maximum},
         Texts::tr("Battery voltage at rest, pulled down to near 0 V while the injector is open, then a spike of about "
            "60 V as it closes and a small hump as the needle seats. No pulse: no drive from the unit (or no "
            "crank signal to time it). No fall to 0 V: the injector's circuit is open. No hump: the needle is "
            "sticking."),
         Texts::tr("Pulse width about 2.6 ms at a typical idle, as the stored trace shows; this car's map gives less, "
            "under 2 ms, and the test holds it to the car's own. Maximum about 60 V."),
         0.02, 0.1,
         {Circuit::Injectors, Circuit::ControlUnit}});
    add({QStringLiteral("ignition-primary"), Texts::tr("Ignition coil"), Texts::tr("Ignition primary at idle"),
         Texts::tr("Shows the coil's primary: the dwell while current builds, and the switch-off spike that makes the "
            "spark."),
         EngineState::Idle, {on(PointId::IgnitionCoil, 100, 7)}, 10e-3, 0, normal(100), {Measurement::Maximum, Measurement::DutyCycle},
         Texts::tr("Battery voltage between sparks, near 0 V for the dwell, then a spike of a few hundred volts, the "
            "burn line and the coil's ringing. No dwell: no drive from the unit. No spike: the coil or its "
            "drive is open."),
         Texts::tr("Maximum about 350 V; dwell (duty cycle) about 30 %."), 0.1, 0.25,
         {Circuit::Ignition, Circuit::ControlUnit}});
    add({QStringLiteral("ignition-secondary"), Texts::tr("Ignition coil"), Texts::tr("Ignition secondary at idle"),
         Texts::tr("Shows the high tension at a plug lead through the pick-up: the firing line and the spark's burn."),
         EngineState::Idle, {on(PointId::SparkPlugLead, 4, 7)}, 10e-3, 0, normal(5), {Measurement::Maximum, Measurement::Frequency},
         Texts::tr("A tall firing line (about 10 kV) at each spark, the burn line after it. No firing line: no spark. A "
            "much taller line: a high resistance in the secondary (a lead or a plug gap)."),
         Texts::tr("Maximum about 10 kV; frequency about 27 Hz at idle (two sparks a turn)."), 0.1, 0.25,
         {Circuit::Ignition, Circuit::ControlUnit}});
    add({QStringLiteral("fuel-pump"), Texts::tr("Fuel pump"), Texts::tr("Fuel pump current, priming at ignition on"),
         Texts::tr("Shows the pump's current through a clamp during the two-second priming run as the key is turned to "
            "ignition on: its level and the ripple of the motor's segments."),
         EngineState::IgnitionOn, {on(PointId::FuelPump, 2, 7)}, 1e-3, 0, automatic(4.6),
         {Measurement::Mean, Measurement::PeakToPeak},
         Texts::tr("About 4.6 A with a fine, even ripple for two seconds. No current: the pump has no supply (its relay "
            "or the unit's control of it). Much more current and no ripple: the pump is seized."),
         Texts::tr("Mean about 4.6 A at 12.6 V. The stored trace, at idle on the alternator's 14 V, reads more: 5.1 A "
            "from the same pump."),
         0.1, 0.3,
         {Circuit::FuelPump, Circuit::ControlUnit, Circuit::StarterSwitch, Circuit::StarterSupply}});
    add({QStringLiteral("cranking-battery"), Texts::tr("Battery and starter"), Texts::tr("Battery and starter current while cranking"),
         Texts::tr("Shows the battery's voltage at the starter and the starter's current while the engine cranks."),
         EngineState::Cranking, {on(PointId::StarterSupply, 5, 7), on(PointId::StarterCurrent, 50, 7)}, 0.1, 1,
         normal(150), {Measurement::Mean, Measurement::Minimum},
         Texts::tr("The battery at about 10 V, the current about 150 A, both rippling with each compression. A battery "
            "far below 10 V: flat, or a resistance between it and the starter. Little or no current with the "
            "battery high: the starter or its solenoid does not close its circuit."),
         Texts::tr("Battery mean about 10 V; current mean about 150 A. The stored traces start as the key turns, with "
            "the inrush this test leaves out."),
         0.1, 0.25,
         {Circuit::StarterSupply, Circuit::StarterMotor, Circuit::StarterSwitch, Circuit::StarterEarth}});
    add({QStringLiteral("relative-compression"), Texts::tr("Engine"), Texts::tr("Relative compression from the starter current"),
         Texts::tr("Compares the cylinders' compressions: each compression stroke raises the starter's current."),
         EngineState::Cranking, {on(PointId::StarterCurrent, 50, 7)}, 0.1, 0, normal(150), {Measurement::Maximum, Measurement::Frequency},
         Texts::tr("Even humps, one per compression (two a turn). One hump lower than the others: that cylinder holds "
            "less pressure. No humps: the starter is not turning the engine."),
         Texts::tr("Frequency about 4.4 Hz at 132 rev/min; the humps even. The stored trace starts as the key turns, "
            "with the inrush this test leaves out."),
         0.1, 0.25,
         {Circuit::StarterMotor, Circuit::StarterSupply, Circuit::StarterSwitch, Circuit::StarterEarth}});
    add({QStringLiteral("charging"), Texts::tr("Alternator"), Texts::tr("Charging at 3000 rev/min"),
         Texts::tr("Shows the alternator's output with the engine at 3000 rev/min: its level and the ripple of its "
            "rectifier."),
         EngineState::Rpm3000, {on(PointId::AlternatorOutput, 4, 5), on(PointId::ChargeWarningLightDPlus, 4, 7.5)},
         1e-3, 0, automatic(14), {Measurement::Mean, Measurement::PeakToPeak},
         Texts::tr("The output at about 14 V with a small, even ripple, and D+ (the warning light's side of the "
            "alternator) close to it, so the light stays out. Below 13 V: not charging (belt, rotor, regulator). "
            "Above 15 V: overcharging (the regulator). A large ripple with a regular dip: a rectifier diode open. "
            "D+ at 0 V with the output normal: the light's wire or terminal is at earth."),
         Texts::tr("Output mean about 14 V; ripple a few tenths of a volt; D+ about 14 V."), 0.1, 0.25,
         {Circuit::Charging, Circuit::ChargeWarningLight}});
    add({QStringLiteral("crank-injector"), Texts::tr("Injector"), Texts::tr("Crank sensor against injector"),
         Texts::tr("Shows when the injector opens against the crank's position: the unit's timing of injection."),
         EngineState::Idle, {on(PointId::SpeedSensorPin, 2, 2.5), on(PointId::Injector, 20, 7.5)}, 20e-3, 1,
         normal(7, true, 0.2), {Measurement::Frequency, Measurement::PulseWidth},
         Texts::tr("Triggered on the injector's opening: the crank's gap stands at the same place before it on every "
            "screen (the injector opens once in two turns, at the same crank angle). No pulse against a "
            "good crank wave: the injector's drive. No crank wave and no pulse: the unit has nothing to time it "
            "from."),
         Texts::tr("Crank frequency about 780 Hz; the injector's pulse about 2.6 ms."), 0.1, 0.25,
         {Circuit::EngineSpeed, Circuit::Injectors, Circuit::ControlUnit}, {EngineState::Cranking}, true});
    add({QStringLiteral("primary-secondary"), Texts::tr("Ignition coil"), Texts::tr("Ignition primary against secondary"),
         Texts::tr("Shows the coil's primary and the spark it makes together: each switch-off spike with its firing "
            "line."),
         EngineState::Idle, {on(PointId::IgnitionCoil, 100, 3.5), on(PointId::SparkPlugLead, 4, 7.5)}, 10e-3, 0,
         normal(100), {Measurement::Maximum},
         Texts::tr("Every primary spike with a firing line at the same moment. A primary spike without a firing line: "
            "the secondary (coil's secondary winding, lead, plug). Neither: the primary's drive."),
         Texts::tr("Primary maximum about 350 V; secondary maximum about 10 kV."), 0.1, 0.25,
         {Circuit::Ignition, Circuit::ControlUnit, Circuit::EngineSpeed}, {EngineState::Cranking}, true});
    return tests;
}

}  // namespace

QString stateName(EngineState state) {
    switch (state) {
    case EngineState::IgnitionOn: return Texts::tr("Ignition on");
    case EngineState::Cranking: return Texts::tr("Cranking");
    case EngineState::Idle: return Texts::tr("Idle, warm");
    case EngineState::Rpm3000: return Texts::tr("3000 rev/min, warm");
    }
    return {};
}

const std::vector<GuidedTest>& library() {
    static const std::vector<GuidedTest> tests = build();
    return tests;
}

const GuidedTest* testForKey(const QString& key) {
    for (const GuidedTest& t : library())
        if (t.key == key) return &t;
    return nullptr;
}

SimState stateFor(EngineState state, const sim::FaultSet& faults) {
    SimState s;
    s.EngineTemperature = 90;
    s.SystemVoltage = 12;
    switch (state) {
    case EngineState::IgnitionOn:
        sim::switchIgnition(s, true);
        break;
    case EngineState::Cranking: {
        // The key turned to start, until the starter has the engine at its cranking speed (or
        // where a starter that cannot turn leaves it); the pump's priming run is over by then.
        sim::Controls c;
        sim::StartSequence start;
        for (int step = 0; step < 1000 && !start.done(); ++step) {
            start.advance(s, c, faults);
            if (s.EngineCranking == True && s.EngineSpeed > 0 && s.EngineSpeed >= s.CrankingSpeed) break;
        }
        s.PumpPriming = 0;
        break;
    }
    case EngineState::Idle:
    case EngineState::Rpm3000: {
        // Figures typical of a warm engine there (the instrument makes its reference at the
        // car's own figures, which its maps give).
        const bool idle = state == EngineState::Idle;
        s.EngineRunning = True;
        s.EngineSpeed = idle ? 800 : 3000;
        s.EngineLoad = idle ? 10 : 25;
        s.SystemVoltage = 14;
        s.IgnitionTiming = idle ? 14 : 32;
        s.DwellPercentage = idle ? 30 : 45;
        s.InjectionDuration = idle ? 2.6 : 3.2;
        s.AlternatorSpeed = idle ? 2400 : 9000;
        break;
    }
    }
    return s;
}

std::vector<std::vector<scope::Frame>> capture(const GuidedTest& test, const SimState& state,
                                               const sim::FaultSet& faults, int count, double from) {
    std::vector<std::vector<scope::Frame>> out;
    if (test.channels.empty()) return out;
    sim::SignalInputs in;
    in.state = &state;
    in.faults = faults;
    std::vector<scope::Sampler> samplers;
    std::vector<sim::SignalShape> shapes;
    for (const TestChannel& c : test.channels) {
        const sim::ProbePoint p = sim::probeOn(c.point);
        samplers.push_back(sim::signalOf(p, in));
        shapes.push_back(sim::signalShape(p, in));
    }
    const std::size_t t = std::size_t(std::clamp(test.triggerChannel, 0, int(test.channels.size()) - 1));
    scope::Acquisition acquisition;
    const bool automatic = test.trigger.mode == scope::TriggerMode::Auto;
    double last = from, lastStart = -1;
    // The screen looks ten times a second, as the Live screen does.
    for (double now = from; int(out.size()) < count && now - last < 2.5 + 2 * test.secondsPerDivision * scope::kDivisionsX;
         now += 0.1) {
        if (!acquisition.update(samplers[t], now, test.secondsPerDivision, test.trigger, {}, &shapes[t])) continue;
        const scope::Frame& f = acquisition.frame();
        if (f.values.size() != std::size_t(scope::kFramePoints) || (!f.triggered && !automatic) || f.start == lastStart)
            continue;
        lastStart = f.start;
        last = now;
        std::vector<scope::Frame> frames;
        for (std::size_t c = 0; c < samplers.size(); ++c)
            frames.push_back(c == t ? f
                                    : scope::sampleFrame(samplers[c], f.start, f.dt, int(f.values.size()), f.triggered,
                                                         &shapes[c]));
        out.push_back(std::move(frames));
    }
    return out;
}

std::vector<scope::Frame> reference(const GuidedTest& test) { return reference(test, stateFor(test.state)); }

std::vector<scope::Frame> reference(const GuidedTest& test, EngineState state) {
    return reference(test, stateFor(state));
}

std::vector<scope::Frame> reference(const GuidedTest& test, const SimState& state) {
    const auto captures = capture(test, state, sim::FaultSet(), 1);
    return captures.empty() ? std::vector<scope::Frame>() : captures.front();
}

std::vector<scope::Frame> referenceFor(const GuidedTest& test, EngineState state, const SimState& car) {
    const bool running = state == EngineState::Idle || state == EngineState::Rpm3000;
    return test.followsCar || running ? reference(test, car) : reference(test, state);
}

bool reached(const GuidedTest& test, EngineState state, const SimState& car) {
    if (state != EngineState::Cranking || car.EngineSpeed > 0) return true;
    for (Circuit c : test.circuits)
        if (c == Circuit::StarterMotor || c == Circuit::StarterSwitch || c == Circuit::StarterSupply) return true;
    return false;
}

std::vector<scope::Mask> masks(const GuidedTest& test) { return masks(test, reference(test)); }

std::vector<scope::Mask> masks(const GuidedTest& test, const std::vector<scope::Frame>& ref) {
    std::vector<scope::Mask> out;
    for (std::size_t c = 0; c < ref.size() && c < test.channels.size(); ++c)
        out.push_back(scope::Mask::fromReference(
            ref[c], {test.timeTolerance * test.secondsPerDivision, test.levelTolerance * test.channels[c].perDivision}));
    return out;
}

}  // namespace guided
