// The live signals: every connection point's waveform worked out from the state, the lambda
// slider and the injected faults. docs/signals.md gives the figures and where they come from,
// and what each fault does to which point.
#include "sim/signals.h"

#include "platform/numbers.h"
#include "sim/ecumath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sim {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;
// The starter's mean current while cranking: what the engine's compressions and friction ask
// of it, whatever the battery can give (a weak supply turns the engine more slowly instead).
constexpr double kCrankingAmps = 150;

double frac(double x) { return x - std::floor(x); }
double clamp01(double x) { return std::clamp(x, 0.0, 1.0); }

// Everything a point's signal depends on, worked out once for a probe and a state.
struct Ctx {
    Quantity q = Quantity::EngineSpeed;
    PointId id = PointId::SpeedSensor;
    const SimState* s = nullptr;

    bool running = false, cranking = false, turning = false;
    bool ignition = false;  // the unit, the coil and the injectors fed: the key on, or the engine turning
    bool unfed = false;     // the key off and the point fed through it: 0
    double rpm = 0;       // the crankshaft's speed, 0 while it stands still
    double volts = 0;     // the supply: SystemVoltage
    double altRpm = 0;    // the alternator's speed while the engine runs

    // What the faults do at this point.
    bool dead = false;        // nothing at the point: 0
    bool held = false;        // held at a steady level
    double heldLevel = 0;
    double gain = 1;          // a high-resistance pin passes only a share of the signal
    bool noSwitching = false; // the output is never switched: it rests at supply
    bool noHump = false;      // injector needle stuck by deposits: no closing hump
    bool stalled = false;     // fuel pump seized
    bool corrodedPin = false; // temperature sensor's pin at the unit
    bool sensing10 = false;   // the unit's voltage sensing reads 10 V
    double temperature = 0;   // the engine's own temperature, deg C
    bool ragged = false;      // an open rectifier diode
    double advance = 0;       // spark advance, degrees before TDC
    double dwell = 0;         // the unit's coil dwell, percent
    double injection = 0;     // the unit's injection time, ms
    bool pumpRuns = false;    // the unit runs the fuel pump (turning engine, or priming)
    int mixture = 0;          // -1 rich, 0 in closed loop, 1 lean
    double pressureShift = 0; // bar
    bool lampEarthed = false; // the lamp's D+ side at earth with the engine at rest

    // The car's electrical system as one circuit (docs/signals.md gives the figures). The
    // starting circuit: the battery's EMF and internal resistance, the positive cable, the
    // solenoid's main contacts and the earth return, all carrying the starter's current.
    double emf = 12.6;
    double rBattery = 0, rCable = 0, rContacts = 0, rEarth = 0;  // ohms
    // The charging circuit with the engine running: the battery's voltage, the charging
    // current through the alternator's output cable and its earth, and D+.
    double chargeLevel = 0;
    double chargeCurrent = 0;                 // A
    double rOutput = 0, rAlternatorEarth = 0; // ohms
    double dPlusDrop = 0;     // D+ below the alternator's output (the exciter diodes' share)
    bool dPlusDead = false;   // D+ at 0 V: no output, or its lamp wire earthed
    double rippleScale = 1;
};

bool isFlag(const Integer& v) { return v == True; }

// The battery, the starting circuit and the charging circuit. The shared SystemVoltage is what
// the control unit reads: while its voltage sensing is sound it is also the car's, otherwise
// (the fault scan holds it at the broken sensing's 10 V) the car keeps the voltage its battery
// and alternator give.
void electricalSystem(Ctx& c, const SignalInputs& in) {
    using F = FaultId;
    auto present = [&in](FaultId f) { return isPresent(in.faults, f); };
    const bool sensingBroken = anyPresent(in.faults, ScanCode::VoltageSensing);
    const bool flat = present(F::FlatBattery);
    const double unitReads = std::max(0, int(c.s->SystemVoltage));

    // The battery at rest reads its EMF; the unit's whole volts lose the 0.6 V of a charged
    // battery (12 V for 12.6 V), and while cranking the start sequence has taken a volt off for
    // the load.
    if (flat) c.emf = 11.8;
    else if (sensingBroken) c.emf = 12.6;
    else c.emf = unitReads + 0.6 + (c.cranking ? 1 : 0);
    c.rBattery = flat ? 0.0237 : 0.0144;
    c.rCable = 0.0016 + (present(F::BatteryCableResistance) ? 0.008 : 0.0);
    c.rContacts = 0.0004 + (present(F::SolenoidContactsResistance) ? 0.008 : 0.0);
    c.rEarth = 0.0008;

    // Charging: the battery at the regulated voltage the unit reads (14 V healthy), or at the
    // level a charging fault leaves it.
    double level = sensingBroken ? (flat ? 11 : 14) : unitReads;
    c.chargeCurrent = 20;
    c.rOutput = 0.002;
    c.rAlternatorEarth = 0.004;
    const bool beltSlips = present(F::DriveBeltSlipping), diodeOpen = present(F::RectifierDiodeOpen);
    if (beltSlips) c.altRpm *= 0.85;
    if (present(F::RotorOpen)) {
        level = 12;  // the battery alone carries the loads
        c.chargeCurrent = 0;
        c.rippleScale = 0;
        c.dPlusDead = true;
    } else if (present(F::RegulatorShorted)) {
        level = 16;
    } else {
        if (beltSlips || diodeOpen || present(F::AlternatorEarthResistance)) level = 13;
        if (present(F::OutputCableResistance)) {
            level = 12;          // only 12 V reaches the battery...
            c.rOutput = 0.05;    // ...through a cable dropping a volt at 20 A
        }
        if (present(F::AlternatorEarthResistance)) c.rAlternatorEarth = 0.05;
    }
    if (diodeOpen) {
        c.ragged = true;
        c.rippleScale = c.q == Quantity::AlternatorSpeed ? 1 : 2.5;
        // The exciter diodes share the phase that has lost its diode: D+ stays about 3 V below
        // the output, and the lamp between them glows dimly.
        c.dPlusDrop = 3;
    }
    c.chargeLevel = level;
    if (present(F::ChargeLampWireEarthed) || present(F::ChargeLampTerminalEarthed)) c.dPlusDead = true;

    // Every supply in the car follows the battery: its charging level while the engine runs,
    // its voltage under the starter's mean load while cranking, its EMF at rest.
    if (c.running) c.volts = c.chargeLevel;
    else if (c.cranking && c.turning) c.volts = c.emf - kCrankingAmps * c.rBattery;
    else c.volts = c.emf;
}

Ctx makeCtx(PointId id, const SignalInputs& in) {
    Ctx c;
    c.id = id;
    c.q = point(id).quantity;
    c.s = in.state;
    const SimState& s = *in.state;
    c.running = isFlag(s.EngineRunning);
    c.cranking = isFlag(s.EngineCranking) && !c.running;
    c.rpm = (c.running || c.cranking) ? std::max(0, int(s.EngineSpeed)) : 0.0;
    c.turning = c.rpm > 0;
    c.volts = std::max(0, int(s.SystemVoltage));
    c.altRpm = s.AlternatorSpeed > 0 ? double(s.AlternatorSpeed) : 3 * c.rpm;
    c.advance = s.IgnitionTiming;
    c.dwell = s.DwellPercentage;
    c.injection = s.InjectionDuration;
    c.ignition = c.running || isFlag(s.EngineCranking) || isFlag(s.IgnitionOn);
    c.pumpRuns = (c.running && c.turning) || (isFlag(s.IgnitionOn) && s.PumpPriming > 0);

    // A fault present in the car, and one whose circuit reaches this point (which side of its
    // circuit the point is on, the catalogue says).
    auto present = [&in](FaultId f) { return isPresent(in.faults, f); };
    auto here = [&in, id](FaultId f) { return isPresent(in.faults, f) && reaches(fault(f), id); };
    auto hold = [&c](double level) {
        c.held = true;
        c.heldLevel = level;
    };

    using F = FaultId;
    switch (c.q) {
    case Quantity::EngineSpeed:
        if (here(F::SpeedSensorFailed) || here(F::SpeedSensorWiring)) c.dead = true;
        else if (here(F::SpeedSensorPin)) c.gain = 0.05;
        break;
    case Quantity::EngineLoad:
        if (here(F::LoadSensorFailed) || here(F::LoadSensorWiring) || here(F::LoadSensorPin)) c.dead = true;
        break;
    case Quantity::Temperature:
        if (here(F::TemperatureSensorFailed) || here(F::TemperatureSensorWiring)) hold(5.0);
        else if (here(F::TemperatureSensorPin)) c.corrodedPin = true;
        break;
    case Quantity::SystemVoltage:
        // The unit's sensing of the supply; the charging window's points are the alternator's.
        if (here(F::VoltageSensingWiring)) c.dead = true;
        else if (here(F::VoltageSensingFailed)) c.sensing10 = true;
        if (here(F::VoltageSensingPin)) c.gain = 0.05;
        break;
    case Quantity::Lambda:
        if (here(F::LambdaSensorWiring)) c.dead = true;
        else if (here(F::LambdaSensorFailed) || here(F::LambdaSensorPin)) hold(0.45);
        break;
    case Quantity::Knock:
        if (here(F::KnockSensorFailed) || here(F::KnockSensorWiring)) c.dead = true;
        else if (here(F::KnockSensorPin)) c.gain = 0.05;
        break;
    case Quantity::CoilDwell:
        if (here(F::CoilFailed)) c.dead = true;
        else if (here(F::ControlUnitFailed) || here(F::CoilDriveOpen)) c.noSwitching = true;
        break;
    case Quantity::Injector:
        if (here(F::InjectorSupplyFailed)) c.dead = true;
        else if (here(F::ControlUnitFailed) || here(F::InjectorDriveOpen)) c.noSwitching = true;
        c.noHump = here(F::InjectorsBlocked);
        break;
    case Quantity::FuelPump:
        if (here(F::PumpRelayFailed) || here(F::ControlUnitFailed) || here(F::PumpControlOpen)) c.dead = true;
        c.stalled = here(F::FuelPumpSeized);
        break;
    case Quantity::PressureRegulator:
        c.pressureShift = (here(F::FuelPressureLow) ? -0.7 : 0.0) + (here(F::FuelPressureHigh) ? 1.0 : 0.0);
        break;
    case Quantity::SparkTiming:
        if (here(F::CoilDriveOpen) || here(F::CoilFailed) || here(F::ControlUnitFailed)) c.dead = true;
        if (here(F::TimingReferenceLost)) c.advance = 0;
        break;
    case Quantity::StarterSwitch:
        if (here(F::StarterSwitchNoSupply) || here(F::StarterSwitchContacts)) c.dead = true;
        break;
    case Quantity::StarterSupply: break;
    case Quantity::StarterSpeed:
        if (here(F::StarterMotorFailed)) c.dead = true;
        break;
    case Quantity::AlternatorSpeed:
        if (here(F::RotorOpen)) c.dead = true;
        c.ragged = here(F::RectifierDiodeOpen);
        break;
    case Quantity::AlternatorEarth:
        if (here(F::RotorOpen)) c.dead = true;
        break;
    case Quantity::StarterEarth:
    case Quantity::ChargeWarningLight:
        break;
    }

    // Cranking: the unit fires as it sees the engine. Without a crank signal it fires nothing
    // and leaves the pump off; with one it drives its pins at the cranking figures, whatever a
    // fault beyond its pins (an open coil or injector wire) then makes of them.
    if (c.cranking) {
        bool firesNothing = false;
        for (const FaultInfo& f : faults())
            firesNothing = firesNothing || (f.atStart == StartEffect::NoOutputs && isPresent(in.faults, f.id));
        c.dwell = firesNothing ? 0 : ecu::kCrankingDwell;
        c.injection = firesNothing ? 0 : ecu::crankingInjectionFor(s.EngineTemperature);
        c.pumpRuns = (c.turning && !firesNothing) || (isFlag(s.IgnitionOn) && s.PumpPriming > 0);
    }
    // No supply into the ignition switch: the key turns, but nothing the switch feeds comes on
    // (and the starter's solenoid gets nothing either, so the engine never turns). A running
    // engine is stopped by the fault scan as soon as the fault appears.
    if (present(F::StarterSwitchNoSupply) && !c.running) {
        c.ignition = false;
        c.pumpRuns = false;
    }
    // The key off: the control unit and everything it feeds, and the charge lamp, are dead; the
    // battery's own circuits (the starter's, the alternator's output) stay live.
    c.unfed = !c.ignition && (point(id).window == Window::Simulation || c.q == Quantity::ChargeWarningLight);
    // The engine still: the battery at rest, a little above the voltage it shows under load.
    if (!c.running && !c.cranking) c.volts = c.volts >= 12 ? 12.6 : c.volts + 0.6;

    // The lambda sensor sees the mixture: the slider, and the fuel pressure (low: lean, high:
    // rich).
    c.mixture = std::clamp(in.lambda + (present(F::FuelPressureLow) ? 1 : 0) - (present(F::FuelPressureHigh) ? 1 : 0),
                           -1, 1);

    // The lamp's terminal earthed: by the wire to it, or inside the regulator.
    c.lampEarthed = here(F::RotorOpen) || here(F::ChargeLampWireEarthed) || here(F::ChargeLampTerminalEarthed);
    electricalSystem(c, in);
    // The engine's own temperature: the unit's reading unless its sensing is broken.
    c.temperature = in.engineTemperature.value_or(int(s.EngineTemperature));
    return c;
}

// The crankshaft's angle in degrees at time t.
double crankAngle(const Ctx& c, double t) { return 6 * c.rpm * t; }
// The time since the last crossing of an angle (repeating every period degrees).
double sinceAngle(const Ctx& c, double t, double angle, double period) {
    const double a = crankAngle(c, t) - angle;
    return (a - period * std::floor(a / period)) / (6 * c.rpm);
}

// The crank sensor's peak voltage at a speed: about 1 V cranking, 2 V at idle, 30 V at 6000.
double crankAmplitude(double rpm) {
    static constexpr double kPoints[][2] = {{0, 0},        {150, 0.8},    {200, 1.0},  {800, 2.0},
                                            {3000, 10.0},  {6000, 30.0},  {7000, 37.0}};
    constexpr int n = sizeof kPoints / sizeof kPoints[0];
    for (int i = 1; i < n; ++i)
        if (rpm <= kPoints[i][0] || i == n - 1) {
            const double x0 = kPoints[i - 1][0], y0 = kPoints[i - 1][1];
            const double x1 = kPoints[i][0], y1 = kPoints[i][1];
            return y0 + (y1 - y0) * (rpm - x0) / (x1 - x0);
        }
    return 0;
}

// A reproducible noise in -1..1, a new value every 25 microseconds.
double noise(double t) {
    auto k = static_cast<std::uint64_t>(static_cast<std::int64_t>(std::floor(t * 40000.0)));
    k ^= k >> 33;
    k *= 0xff51afd7ed558ccdULL;
    k ^= k >> 33;
    k *= 0xc4ceb9fe1a85ec53ULL;
    k ^= k >> 33;
    return static_cast<double>(k >> 11) * (2.0 / 9007199254740992.0) - 1.0;
}

// The rectifier's ripple, about 1 from peak to peak around 0: 36 pulses a turn of the
// alternator (six pole pairs, six diodes). With an open diode two pulses in six are lost.
double rectifierRipple(double altRpm, bool ragged, double t) {
    constexpr double kArcMean = 3 / kPi;      // the mean of cos over -30..30 degrees
    constexpr double kArcSpan = 1 - 0.8660254037844386;
    const double pulses = altRpm / 60 * 36 * t;
    const double u = frac(pulses);
    if (ragged) {
        const long long k = static_cast<long long>(std::floor(pulses)) % 6;
        constexpr double kLostMean = 2.0 / 6 * (-2.0 * 2 / kPi);
        if (k == 1 || k == 4) return -2.0 * std::sin(kPi * u) - kLostMean;
        return (std::cos((u - 0.5) * kPi / 3) - kArcMean) / kArcSpan - kLostMean;
    }
    return (std::cos((u - 0.5) * kPi / 3) - kArcMean) / kArcSpan;
}

// The starter's current: about 150 A, a hump at each compression, and the inrush while the
// motor comes up to speed.
double starterCurrent(const Ctx& c, double t) {
    if (!c.cranking || !c.turning) return 0;
    const double mean = kCrankingAmps;
    const double inrush = c.rpm < c.s->CrankingSpeed ? 250 * clamp01(1 - (c.rpm - 70) / 20) : 0.0;
    return mean * (1 + 0.2 * std::cos(kTwoPi * c.rpm / 30 * t)) + inrush;
}

// The battery's terminal voltage: charged with the rectifier's ripple while the engine runs,
// its EMF less the drop in its own resistance while the starter draws, its EMF at rest.
double batteryVolts(const Ctx& c, double t) {
    if (c.running) return c.chargeLevel + 0.15 * c.rippleScale * rectifierRipple(c.altRpm, c.ragged, t);
    if (c.cranking) return c.emf - starterCurrent(c, t) * c.rBattery;
    return c.emf;
}

// The alternator's output terminal: the battery's voltage and the drop along the output cable.
double alternatorOutput(const Ctx& c) { return c.chargeLevel + c.chargeCurrent * c.rOutput; }

double systemVoltage(const Ctx& c, double t) {
    double v = batteryVolts(c, t);
    // The square on the output cable beside the alternator; the others are at the battery.
    if (c.running && c.id == PointId::AlternatorOutputPoint1) v += alternatorOutput(c) - c.chargeLevel;
    if (c.sensing10) v += 10 - c.volts;
    return v;
}

double lambdaVoltage(const Ctx& c, double t) {
    if (!c.running || c.s->EngineTemperature < 40) return 0.45;  // open loop: the unit's bias
    if (c.mixture > 0) return 0.10 + 0.02 * std::sin(kTwoPi * 0.7 * t);
    if (c.mixture < 0) return 0.86 + 0.02 * std::sin(kTwoPi * 0.7 * t);
    const double f = 0.6 + c.rpm / 2000;
    const double u = frac(f * t);
    const double e = std::min(0.08 * f, 0.1);  // edges of 80 ms
    constexpr double kHigh = 0.475;
    double h;
    if (u < e) h = u / e;
    else if (u < kHigh) h = 1;
    else if (u < kHigh + e) h = 1 - (u - kHigh) / e;
    else h = 0;
    return 0.1 + 0.8 * h;
}

double coilPrimary(const Ctx& c, double t) {
    const double vs = c.volts;
    const double dwellPercent = c.dwell;
    if (!c.turning || c.noSwitching || dwellPercent <= 0) return vs;
    const double period = 30 / c.rpm;
    const double dwell = std::min(dwellPercent, 95.0) / 100.0 * period;
    const double tau = sinceAngle(c, t, -c.advance, 180);  // since the spark
    if (tau >= period - dwell) return 0.5 + 1.0 * (tau - (period - dwell)) / dwell;
    constexpr double kBurn = 1.5e-3;
    if (tau < kBurn) return 42 - 6 * tau / kBurn + 300 * std::exp(-tau / 50e-6);
    const double x = tau - kBurn;
    const double ring = std::min(20.0, 0.6 * vs);
    return vs + ring * std::exp(-x / 0.25e-3) * std::cos(kTwoPi * 2500 * x);
}

double injectorVoltage(const Ctx& c, double t) {
    const double vs = c.volts;
    const double ms = c.injection;
    if (!c.turning || c.noSwitching || ms <= 0) return vs;
    const double period = 120 / c.rpm;
    const double open = std::min(ms / 1000, period - 1e-3);
    const double x = sinceAngle(c, t, 0, 720);
    if (x < open) return 0.3;
    const double y = x - open;
    double v = y < 0.15e-3 ? 60.0 : vs + (60 - vs) * std::exp(-(y - 0.15e-3) / 0.1e-3);
    if (!c.noHump) {
        const double z = (y - 0.9e-3) / 0.15e-3;
        v += 4 * std::exp(-0.5 * z * z);
    }
    return v;
}

double pumpCurrent(const Ctx& c, double t) {
    if (!c.pumpRuns) return 0;
    const double share = c.volts / 14;
    if (c.stalled) return 12 * share;
    const double segments = 587 * share;  // 8 segments at about 4400 rev/min
    return 5.1 * share + 0.35 * (std::fabs(std::sin(kPi * segments * t)) - 2 / kPi);
}

double railPressure(const Ctx& c, double t) {
    const double load = std::clamp(int(c.s->EngineLoad), 0, 100);
    const double p = 2.5 + 0.5 * load / 100 + c.pressureShift;
    if (!c.turning) return p;  // the ignition on: the rail keeps the pressure the pump primed
    const double open = c.injection / 1000;
    if (open <= 0) return p;
    const double x = sinceAngle(c, t, 0, 180);  // since an injector opened
    if (x < open) return p - 0.08 * x / open;
    return p - 0.08 * std::exp(-(x - open) / 3e-3);
}

double htPickup(const Ctx& c, double t) {
    if (!c.turning || c.dwell <= 0) return 0;
    const double period = 30 / c.rpm;
    const double tau = sinceAngle(c, t, -c.advance, 180);
    constexpr double kBurn = 1.5e-3;
    double kv;
    if (tau < kBurn) {
        kv = 2.0 - 0.4 * tau / kBurn + 8 * std::exp(-tau / 40e-6);
    } else {
        const double x = tau - kBurn;
        kv = 1.2 * std::exp(-x / 0.3e-3) * std::sin(kTwoPi * 3000 * x);
    }
    // The small wiggle where the dwell begins.
    const double dwell = std::min(c.dwell, 95.0) / 100.0 * period;
    const double y = tau - (period - dwell);
    if (y >= 0) kv += 0.4 * std::exp(-y / 0.1e-3) * std::sin(kTwoPi * 8000 * y);
    return kv;
}

// The starter's feed, from the battery's post (the square beside the battery) along the
// positive cable to terminal 30 (the caption) and through the solenoid's main contacts to the
// motor (the square beside the motor), each measured to the battery's negative post.
double starterSupply(const Ctx& c, double t) {
    if (c.running) return c.volts;
    const double i = starterCurrent(c, t);
    double v = batteryVolts(c, t);
    if (c.id == PointId::StarterSupplyPoint1) return v;
    v -= i * c.rCable;
    if (c.id == PointId::StarterSupply) return v;
    return v - i * c.rContacts;
}

// The switch wire to the solenoid while the key is held at start: the battery's voltage less
// the drop the solenoid's 15 A makes in the feed and fuse (0.1 V) and then in the switch's
// contacts and the wire to terminal 50 (another 0.15 V).
double starterSwitch(const Ctx& c, double t) {
    if (!c.cranking) return 0;
    const double feed = batteryVolts(c, t) - 0.1;
    return c.id == PointId::StarterSwitch ? feed : feed - 0.15;
}

double chargeLamp(const Ctx& c, double t) {
    // The lamp's feed from the ignition switch: the battery's voltage.
    if (c.id == PointId::ChargeWarningLightFeed) return batteryVolts(c, t);
    if (!c.running) return c.lampEarthed ? 0.0 : 1.0;
    if (c.dPlusDead) return 0;
    // D+ follows the alternator's output through the exciter diodes.
    return alternatorOutput(c) - c.dPlusDrop + 0.15 * c.rippleScale * rectifierRipple(c.altRpm, c.ragged, t);
}

double phaseTerminal(const Ctx& c, double t) {
    if (!c.running) return 0;
    const double cycles = c.altRpm / 60 * 6 * t;
    const double u = frac(cycles);
    if (u >= 0.5) return 0;
    const double top = alternatorOutput(c) + 0.7;
    if (c.ragged && static_cast<long long>(std::floor(cycles)) % 3 == 0)
        return top - 2.5 * std::sin(kPi * u / 0.5);
    return top;
}

double knockSensor(const Ctx& c, double t) {
    if (!c.turning) return 0;
    const double burst = isFlag(c.s->Knock) ? 1.0 : 0.25 + 0.05 * c.rpm / 1000;
    const double x = sinceAngle(c, t, 10, 180);  // combustion, just after each TDC
    return 0.04 * noise(t) + burst * std::exp(-x / 2e-3) * std::sin(kTwoPi * 7000 * x);
}

// The point's signal at t, faults and all.
double valueAt(const Ctx& c, double t) {
    if (c.dead) return 0;
    if (c.unfed) return 0;
    if (c.held) return c.heldLevel;
    double v = 0;
    switch (c.q) {
    case Quantity::EngineSpeed: {
        if (!c.turning) return 0;
        // Tooth pitches, 60 a turn, 58 teeth: a cycle for each of the first 57 teeth, then one
        // longer, taller cycle from the 58th tooth across the gap of the two missing ones.
        const double p = frac(c.rpm * t / 60) * 60;
        const double a = crankAmplitude(c.rpm);
        v = p < 57 ? a * std::sin(kTwoPi * frac(p)) : 1.35 * a * std::sin(kTwoPi * (p - 57) / 3);
        break;
    }
    case Quantity::EngineLoad:
        if (!c.turning) v = 4.5;  // no vacuum: the manifold at atmospheric pressure
        else if (c.cranking)      // the slow pistons pull almost no vacuum: about 95 kPa
            v = 4.3 + 0.15 * std::cos(kTwoPi * crankAngle(c, t) / 180);
        else v = 1.0 + 3.5 * std::clamp(int(c.s->EngineLoad), 0, 100) / 100.0 +
                 0.06 * std::cos(kTwoPi * crankAngle(c, t) / 180);
        break;
    case Quantity::Temperature: {
        const double kelvin = c.temperature + 273.15;
        const double r = 2500 * std::exp(3502 * (1 / kelvin - 1 / 293.15));
        v = c.corrodedPin ? 5 * (r + 40000) / (r + 42200) : 5 * r / (r + 2200);
        break;
    }
    case Quantity::SystemVoltage: v = systemVoltage(c, t); break;
    case Quantity::Lambda: v = lambdaVoltage(c, t); break;
    case Quantity::Knock: v = knockSensor(c, t); break;
    case Quantity::CoilDwell: v = coilPrimary(c, t); break;
    case Quantity::Injector: v = injectorVoltage(c, t); break;
    case Quantity::FuelPump: v = pumpCurrent(c, t); break;
    case Quantity::PressureRegulator: v = railPressure(c, t); break;
    case Quantity::SparkTiming: v = htPickup(c, t); break;
    case Quantity::StarterSwitch: v = starterSwitch(c, t); break;
    case Quantity::StarterSupply: v = starterSupply(c, t); break;
    case Quantity::StarterEarth: v = c.rEarth * starterCurrent(c, t); break;
    case Quantity::StarterSpeed: v = starterCurrent(c, t); break;
    case Quantity::ChargeWarningLight: v = chargeLamp(c, t); break;
    case Quantity::AlternatorSpeed: v = phaseTerminal(c, t); break;
    case Quantity::AlternatorEarth:
        // The charging current's drop between the alternator's case and the battery's negative.
        v = c.running ? c.chargeCurrent * c.rAlternatorEarth * (1 + 0.25 * rectifierRipple(c.altRpm, false, t)) : 0.0;
        break;
    }
    return c.gain * v;
}

// The length of time the signal repeats over (or a second for a steady one).
double periodOf(const Ctx& c) {
    const bool engine = c.turning;
    switch (c.q) {
    case Quantity::EngineSpeed: return engine ? 60 / c.rpm : 1;
    case Quantity::Injector: return engine ? 120 / c.rpm : 1;
    case Quantity::EngineLoad:
    case Quantity::Knock:
    case Quantity::CoilDwell:
    case Quantity::PressureRegulator:
    case Quantity::SparkTiming:
    case Quantity::StarterSwitch:
    case Quantity::StarterSupply:
    case Quantity::StarterEarth:
    case Quantity::StarterSpeed:
        return engine ? 30 / c.rpm : 1;
    case Quantity::SystemVoltage:
    case Quantity::ChargeWarningLight:
    case Quantity::AlternatorEarth:
        if (c.running && c.altRpm > 0) return 60 / (c.altRpm * 6);
        return engine ? 30 / c.rpm : 1;
    case Quantity::AlternatorSpeed: return c.running && c.altRpm > 0 ? 3 * 60 / (c.altRpm * 6) : 1;
    case Quantity::FuelPump: return c.pumpRuns && !c.stalled ? 1 / (587 * c.volts / 14) : 1;
    case Quantity::Lambda: {
        if (c.mixture != 0) return 1 / 0.7;
        return 1 / (0.6 + c.rpm / 2000);
    }
    case Quantity::Temperature: return 1;
    }
    return 1;
}

struct Stats {
    double mean = 0, rms = 0;
    bool zero = true;
};
Stats statsOver(const Ctx& c, double t0, double length, int n) {
    Stats st;
    double sum = 0, squares = 0;
    for (int i = 0; i < n; ++i) {
        const double v = valueAt(c, t0 + (i + 0.5) * length / n);
        sum += v;
        squares += v * v;
        if (v != 0) st.zero = false;
    }
    st.mean = sum / n;
    st.rms = std::sqrt(std::max(0.0, squares / n - st.mean * st.mean));
    return st;
}

// The instant between a and b where the signal crosses the threshold (below at a when
// belowAtA).
double edgeBetween(const Ctx& c, double a, double b, double threshold, bool belowAtA) {
    for (int i = 0; i < 30; ++i) {
        const double m = 0.5 * (a + b);
        if ((valueAt(c, m) < threshold) == belowAtA) a = m;
        else b = m;
    }
    return 0.5 * (a + b);
}

// How long the signal stays below a threshold within [t0, t0 + length).
double timeBelow(const Ctx& c, double t0, double length, double threshold) {
    constexpr int n = 200;
    const double dt = length / n;
    bool below = valueAt(c, t0) < threshold;
    double start = t0, total = 0;
    for (int i = 1; i <= n; ++i) {
        const double t = t0 + i * dt;
        const bool now = i == n ? below : valueAt(c, t) < threshold;
        if (now != below) {
            const double edge = edgeBetween(c, t - dt, t, threshold, below);
            if (now) start = edge;
            else total += edge - start;
            below = now;
        }
    }
    if (below) total += t0 + length - start;
    return total;
}

QString text(double value, const char* picture, const char* unit) {
    return QStringLiteral("  ") + vb::format(value, QLatin1String(picture)) + QLatin1String(unit);
}
QString noVoltage() { return QStringLiteral("  0.0 V (dc)"); }

}  // namespace

std::optional<PointId> pointOf(const ProbePoint& p) { return pointAt(p.window, p.name, p.index); }

ProbePoint probeOn(PointId id) {
    const PointInfo& p = point(id);
    return {captionOf(id), QLatin1String(p.control), p.index, windowClass(p.window)};
}

LiveScale liveScale(Quantity q) {
    // The unit is the quantity's own.
    auto scale = [q](double perDivision, bool zeroAtCentre, double secondsPerDivision) {
        return LiveScale{perDivision, zeroAtCentre, secondsPerDivision, quantityInfo(q).unit};
    };
    switch (q) {
    case Quantity::EngineSpeed: return scale(2, true, 0.4e-3);
    case Quantity::EngineLoad: return scale(1, false, 20e-3);
    case Quantity::Temperature: return scale(1, false, 1);
    case Quantity::SystemVoltage: return scale(4, false, 1e-3);
    case Quantity::Lambda: return scale(0.2, false, 0.5);
    case Quantity::Knock: return scale(0.2, true, 20e-3);
    case Quantity::CoilDwell: return scale(100, false, 10e-3);
    case Quantity::Injector: return scale(20, false, 1e-3);
    case Quantity::FuelPump: return scale(2, false, 2e-3);
    case Quantity::PressureRegulator: return scale(1, false, 20e-3);
    case Quantity::SparkTiming: return scale(4, false, 2e-3);
    case Quantity::StarterSwitch: return scale(4, false, 0.5);
    case Quantity::StarterSupply: return scale(4, false, 0.2);
    case Quantity::StarterEarth: return scale(0.05, false, 0.2);
    case Quantity::StarterSpeed: return scale(50, false, 0.2);
    case Quantity::ChargeWarningLight: return scale(4, false, 1e-3);
    case Quantity::AlternatorSpeed: return scale(4, false, 1e-3);
    case Quantity::AlternatorEarth: return scale(0.2, false, 1e-3);
    }
    return scale(1, false, 1e-3);
}

double signalAt(const ProbePoint& probe, const SignalInputs& in, double t) {
    const std::optional<PointId> id = pointOf(probe);
    if (!in.state || !id) return 0;
    return valueAt(makeCtx(*id, in), t);
}

std::function<double(double)> signalOf(const ProbePoint& probe, const SignalInputs& in) {
    const std::optional<PointId> id = in.state ? pointOf(probe) : std::nullopt;
    if (!id) return [](double) { return 0.0; };
    return [c = makeCtx(*id, in)](double t) { return valueAt(c, t); };
}

QString meterText(const ProbePoint& probe, const SignalInputs& in) {
    const std::optional<PointId> id = pointOf(probe);
    if (!in.state || !id) return noVoltage();
    const Ctx c = makeCtx(*id, in);
    const double period = periodOf(c);
    switch (c.q) {
    case Quantity::EngineSpeed: {
        // 360 samples a turn: six to a tooth, twelve across the gap.
        const Stats st = statsOver(c, 0, period, 360);
        return st.zero ? noVoltage() : text(st.rms, "0.0", " V (ac)");
    }
    case Quantity::Knock: {
        // The bursts sampled closely, the quiet rest of the cycle more loosely.
        const double burst = std::min(period, 12e-3);
        const double start = c.turning ? 10 / (6 * c.rpm) : 0;
        const Stats a = statsOver(c, start, burst, 160);
        const Stats b = period > burst ? statsOver(c, start + burst, period - burst, 100) : Stats{};
        if (a.zero && b.zero) return noVoltage();
        const double w = burst / period;
        const double mean = w * a.mean + (1 - w) * b.mean;
        const double squares = w * (a.rms * a.rms + a.mean * a.mean) + (1 - w) * (b.rms * b.rms + b.mean * b.mean);
        return text(std::sqrt(std::max(0.0, squares - mean * mean)), "0.00", " V (ac)");
    }
    case Quantity::CoilDwell: {
        const Stats st = statsOver(c, 0, period, 100);
        if (st.zero) return noVoltage();
        if (!c.turning) return QStringLiteral("  0 % dwell");
        const double spark = (180 - c.advance) / (6 * c.rpm);
        const double share = timeBelow(c, spark, period, 0.25 * c.volts) / period;
        return text(100 * share, "0", " % dwell");
    }
    case Quantity::Injector: {
        const Stats st = statsOver(c, 0, period, 100);
        if (st.zero) return noVoltage();
        if (!c.turning) return QStringLiteral("  0.0 ms");
        // The pulse opens at the cycle's start and lasts at most a few tens of milliseconds: the
        // window after it is looked at closely, whatever the speed (two turns take 0.9 s while
        // cranking, which 200 even steps would cross without landing in a 2 ms pulse).
        const double window = std::min(period, 40e-3);
        const double low = timeBelow(c, period - 0.2e-3, window, 0.5 * c.volts);
        return text(low * 1000, "0.0", " ms");
    }
    case Quantity::SparkTiming: {
        if (c.dead || !c.turning) return noVoltage();
        // The firing against the TDC at the middle of the window.
        const double tdc = 180 / (6 * c.rpm);
        const double t0 = tdc - period / 2;
        // Steps of at most 0.1 ms, so that the firing line (a millisecond and a half) is met at
        // any speed, cranking included.
        const int n = std::clamp(int(std::ceil(period / 0.1e-3)), 200, 20000);
        const double dt = period / n;
        bool below = valueAt(c, t0) < 1.0;
        for (int i = 1; i < n; ++i) {
            const double t = t0 + i * dt;
            const bool now = valueAt(c, t) < 1.0;
            if (below && !now) {
                const double fire = edgeBetween(c, t - dt, t, 1.0, true);
                return text((tdc - fire) * 6 * c.rpm, "0", " deg BTDC");
            }
            below = now;
        }
        return noVoltage();
    }
    case Quantity::FuelPump: {
        const Stats st = statsOver(c, 0, period, 100);
        return text(st.mean, "0.0", " A (dc)");
    }
    case Quantity::PressureRegulator: {
        const Stats st = statsOver(c, 0, period, 200);
        return text(st.mean, "0.0", " bar");
    }
    case Quantity::StarterSpeed: {
        const Stats st = statsOver(c, 0, period, 50);
        return text(st.zero ? 0.0 : c.rpm, "0", " rev/min");
    }
    case Quantity::AlternatorSpeed: {
        const Stats st = statsOver(c, 0, period, 60);
        if (st.zero) return noVoltage();
        return text(c.altRpm, "0", " rev/min");
    }
    case Quantity::Lambda:
    case Quantity::StarterEarth:
    case Quantity::AlternatorEarth: {
        const Stats st = statsOver(c, 0, period, 200);
        return st.zero ? noVoltage() : text(st.mean, "0.00", " V (dc)");
    }
    case Quantity::EngineLoad:
    case Quantity::Temperature:
    case Quantity::SystemVoltage:
    case Quantity::StarterSwitch:
    case Quantity::StarterSupply:
    case Quantity::ChargeWarningLight: {
        const Stats st = statsOver(c, 0, period, 200);
        return st.zero ? noVoltage() : text(st.mean, "0.0", " V (dc)");
    }
    }
    return noVoltage();
}

double sweepStart(const ProbePoint& probe, const SignalInputs& in, double t) {
    const std::optional<PointId> id = pointOf(probe);
    if (!in.state || !id) return t;
    const Quantity q = point(*id).quantity;
    const LiveScale scale = liveScale(q);
    if (scale.secondsPerDivision >= 0.1) return t;  // a slow trace rolls
    const Ctx c = makeCtx(*id, in);
    if (c.dead || c.held) return t;
    const double dt = 6 * scale.secondsPerDivision / 50;  // one sample
    const double crank = 6 * c.rpm;                       // degrees a second
    double rate = 0, angle = 0, cycle = 360;
    int sample = 8;  // where the event falls: about one division in
    switch (q) {
    case Quantity::EngineSpeed:  // the gap, two divisions in
        rate = crank, angle = 348, cycle = 360, sample = 17;
        break;
    case Quantity::EngineLoad:
    case Quantity::PressureRegulator:
        rate = crank, angle = 0, cycle = 180;
        break;
    case Quantity::Knock:  // the first peak of a burst's ringing
        rate = crank, angle = 10 + crank / (4 * 7000.0), cycle = 180;
        break;
    case Quantity::CoilDwell: rate = crank, angle = -c.advance, cycle = 180; break;
    case Quantity::Injector: rate = crank, angle = 0, cycle = 720; break;
    case Quantity::SparkTiming:  // TDC five divisions in
        rate = crank, angle = 0, cycle = 180, sample = 42;
        break;
    case Quantity::FuelPump:
        if (c.pumpRuns && !c.stalled) rate = 360 * 587 * c.volts / 14;
        break;
    case Quantity::SystemVoltage:
    case Quantity::ChargeWarningLight:
    case Quantity::AlternatorEarth:
        if (c.running) rate = 360 * c.altRpm / 60 * 36, cycle = 360 * 6;
        break;
    case Quantity::AlternatorSpeed:
        if (c.running) rate = 360 * c.altRpm / 60 * 6, cycle = 360 * 3;
        break;
    default: break;
    }
    if (rate <= 0) return t;
    // The first event at least one sample past the sample it is to fall on.
    const double after = t + (sample + 1) * dt;
    const double k = std::ceil((rate * after - angle) / cycle);
    const double event = (k * cycle + angle) / rate;
    double start = event - sample * dt;
    if (q == Quantity::SparkTiming) {
        // The firing line on a sample of its own, TDC within half a sample of its place.
        const double fire = event - c.advance / crank;
        const double offset = (fire - start) / dt;
        // A sample rounded to just before the spark would see the last ringing of the one
        // before: the sample is put a couple of microseconds into the firing line.
        start += (offset - std::round(offset)) * dt + 2e-6;
    }
    return start;
}

}  // namespace sim

namespace sim {

namespace {

// Collects a signal's narrow features over one period: each at the instant of its extreme,
// valued by the signal itself there.
struct ShapeBuilder {
    const Ctx& c;
    SignalShape shape;

    // The feature whose extreme is at t (any time: brought into the period).
    void at(double t, double width) {
        const double p = shape.period;
        const double inPeriod = t - p * std::floor(t / p);
        shape.features.push_back({inPeriod, width, valueAt(c, t)});
    }
    // The feature at a crank angle (degrees) and `after` seconds past it.
    void atAngle(double degrees, double after, double width) { at(degrees / (6 * c.rpm) + after, width); }
    // Every peak and trough of a smooth wave over the period, found among `n` samples and set
    // at the vertex of the parabola through the three samples around each.
    void smoothExtremes(int n) {
        const double p = shape.period, dt = p / n;
        std::vector<double> v(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) v[std::size_t(i)] = valueAt(c, i * dt);
        for (int i = 0; i < n; ++i) {
            const double before = v[std::size_t((i + n - 1) % n)], here = v[std::size_t(i)],
                         after = v[std::size_t((i + 1) % n)];
            const bool peak = here > before && here >= after, trough = here < before && here <= after;
            if (!peak && !trough) continue;
            const double curve = before - 2 * here + after;
            const double shift = curve != 0 ? std::clamp(0.5 * (before - after) / curve, -0.5, 0.5) : 0.0;
            const double t = (i + shift) * dt, vertex = valueAt(c, t);
            const double extreme = peak ? std::max(here, vertex) : std::min(here, vertex);
            shape.features.push_back({t - p * std::floor(t / p), 2 * dt, extreme});
        }
    }
};

// Just past a step, so that the value read is the one after it.
constexpr double kPastStep = 1e-9;

}  // namespace

SignalShape signalShape(const ProbePoint& probe, const SignalInputs& in) {
    const std::optional<PointId> id = in.state ? pointOf(probe) : std::nullopt;
    if (!id) return {};
    const Ctx c = makeCtx(*id, in);
    if (c.dead || c.held) {
        const double level = c.dead ? 0.0 : c.gain * c.heldLevel;
        return {0, {}, level, level};
    }
    ShapeBuilder b{c, {}};
    b.shape.period = periodOf(c);
    const double period = b.shape.period;
    switch (c.q) {
    case Quantity::EngineSpeed: {
        if (!c.turning) break;
        // Each tooth's two peaks and the gap's larger swing: sixteen samples a tooth pitch. The
        // wave depends on the speed and the share a high-resistance pin passes alone: the last
        // one worked out serves again while those stay (a scope asks for it every frame).
        struct Kept {
            double rpm = -1, gain = 0;
            SignalShape shape;
        };
        thread_local Kept kept;
        if (kept.rpm != c.rpm || kept.gain != c.gain) {
            b.smoothExtremes(60 * 16);
            kept = {c.rpm, c.gain, b.shape};
        }
        b.shape = kept.shape;
        break;
    }
    case Quantity::EngineLoad:
        if (!c.turning) break;
        b.atAngle(0, 0, period / 2);
        b.atAngle(90, 0, period / 2);
        break;
    case Quantity::Knock: {
        if (!c.turning) break;
        // The burst's ringing, peak by peak, until it sinks into the noise.
        const double burst = isFlag(c.s->Knock) ? 1.0 : 0.25 + 0.05 * c.rpm / 1000;
        const double last = std::min(period, 2e-3 * std::log(std::max(1.0, burst / 0.04)));
        for (double x = 0.25 / 7000; x < last; x += 0.5 / 7000) b.atAngle(10, x, 0.5 / 7000);
        break;
    }
    case Quantity::CoilDwell: {
        if (!c.turning || c.noSwitching || c.s->DwellPercentage <= 0) break;
        const double dwell = std::min(int(c.s->DwellPercentage), 95) / 100.0 * period;
        b.atAngle(-c.advance, kPastStep, 50e-6);                   // the switch-off spike
        for (int k = 0; k < 4; ++k)                                  // the coil's ringing after the burn
            b.atAngle(-c.advance, 1.5e-3 + kPastStep + k * 0.2e-3, 0.2e-3);
        b.atAngle(-c.advance, period - dwell + kPastStep, dwell);  // the dwell's start
        break;
    }
    case Quantity::Injector: {
        const double ms = c.s->InjectionDuration;
        if (!c.turning || c.noSwitching || ms <= 0) break;
        const double open = std::min(ms / 1000, period - 1e-3);
        b.atAngle(0, kPastStep, open);                 // open: the low level
        b.atAngle(0, open + kPastStep, 0.15e-3);       // the closing spike
        if (!c.noHump) b.atAngle(0, open + 0.9e-3, 0.3e-3);  // the needle seating
        break;
    }
    case Quantity::SparkTiming:
        if (!c.turning || c.s->DwellPercentage <= 0) break;
        b.atAngle(-c.advance, kPastStep, 40e-6);  // the firing line
        for (int k = 0; k < 3; ++k) {            // the ringing after the burn
            b.atAngle(-c.advance, 1.5e-3 + (k + 0.25) / 3000, 0.5 / 3000);
            b.atAngle(-c.advance, 1.5e-3 + (k + 0.75) / 3000, 0.5 / 3000);
        }
        break;
    case Quantity::FuelPump:
        if (!c.turning || c.stalled) break;
        b.at(0, period / 2);
        b.at(period / 2, period / 2);
        break;
    case Quantity::PressureRegulator: {
        const double open = c.s->InjectionDuration / 1000;
        if (!c.turning || open <= 0) break;
        b.atAngle(0, open, 3e-3);  // the dip as an injector closes
        break;
    }
    case Quantity::StarterSwitch:
    case Quantity::StarterSupply:
    case Quantity::StarterEarth:
    case Quantity::StarterSpeed:
        if (!c.cranking || !c.turning) break;
        b.at(0, period / 2);  // the compressions
        b.at(period / 2, period / 2);
        break;
    case Quantity::SystemVoltage:
    case Quantity::ChargeWarningLight:
    case Quantity::AlternatorEarth:
        if (c.running && c.altRpm > 0) {
            // The rectifier's six pulses: their tops and the cusps between them.
            for (int k = 0; k < 6; ++k) {
                b.at(k * period / 6 + kPastStep, period / 12);
                b.at((k + 0.5) * period / 6, period / 12);
            }
        } else if (c.q == Quantity::SystemVoltage && c.cranking && c.turning) {
            b.at(0, period / 2);
            b.at(period / 2, period / 2);
        }
        break;
    case Quantity::AlternatorSpeed:
        if (!c.running || c.altRpm <= 0) break;
        for (int k = 0; k < 3; ++k) {
            b.at((k + 0.25) * period / 3, period / 6);
            b.at((k + 0.75) * period / 3, period / 6);
        }
        break;
    case Quantity::Lambda:
    case Quantity::Temperature:
        break;
    }
    SignalShape& s = b.shape;
    std::sort(s.features.begin(), s.features.end(),
              [](const SignalFeature& x, const SignalFeature& y) { return x.time < y.time; });
    // The period's range: the features and the smooth rest between them.
    constexpr int kSamples = 64;
    s.lowest = s.highest = valueAt(c, 0);
    for (int i = 1; i < kSamples; ++i) {
        const double v = valueAt(c, period * i / kSamples);
        s.lowest = std::min(s.lowest, v);
        s.highest = std::max(s.highest, v);
    }
    for (const SignalFeature& f : s.features) {
        s.lowest = std::min(s.lowest, f.extreme);
        s.highest = std::max(s.highest, f.extreme);
    }
    if (s.features.empty()) s.period = 0;
    return s;
}

}  // namespace sim
