// The Live scope's probes and math channels: every probe's scaling there and back and what it
// gives the input, the probe that fits each point, and the math channels on signals whose
// answer is known beforehand (the engine speed on the car's own crank signal and on a made-up
// 60-2 wheel).
#include "testing.h"

#include "multiscope/acquisition.h"
#include "multiscope/mathchannels.h"
#include "multiscope/probes.h"
#include "sim/catalogue.h"
#include "sim/signals.h"
#include "sim/simstate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace scope;
using sim::PointId;
using sim::Quantity;

namespace {

constexpr double kPi = 3.14159265358979323846;

ProbeSetting probe(ProbeKind kind, double mvPerAmp = kClampFine) {
    ProbeSetting p;
    p.kind = kind;
    p.clampMillivoltsPerAmp = mvPerAmp;
    return p;
}

// A frame of the signal as the screen takes it: 501 samples over ten divisions from `start`.
Frame sampled(const std::function<double(double)>& f, double secondsPerDivision, double start = 0) {
    Frame fr;
    fr.start = start;
    fr.dt = secondsPerDivision * kDivisionsX / (kFramePoints - 1);
    for (int i = 0; i < kFramePoints; ++i) fr.values.push_back(f(start + i * fr.dt));
    fr.lows = fr.highs = fr.values;
    return fr;
}

// A Hall-effect sensor on a 60-2 wheel: 5 V over the first half of each tooth's pitch, 0 V over
// the rest and over the two missing teeth. The crank turns at `rpm` until `changeAt` seconds,
// then at `rpmAfter`.
std::function<double(double)> hallWheel(double rpm, double changeAt = 1e9, double rpmAfter = 0) {
    return [=](double t) {
        // Pitches turned since t = 0 (sixty a turn).
        const double pitches = t < changeAt ? rpm * t : rpm * changeAt + rpmAfter * (t - changeAt);
        const double inTurn = std::fmod(pitches, 60.0);
        if (inTurn >= 58) return 0.0;  // the gap
        return std::fmod(inTurn, 1.0) < 0.5 ? 5.0 : 0.0;
    };
}

SimState engineAt(int rpm) {
    SimState s;
    s.EngineRunning = True;
    s.EngineSpeed = rpm;
    s.EngineLoad = 20;
    s.EngineTemperature = 90;
    s.SystemVoltage = 14;
    s.IgnitionTiming = 10;
    s.DwellPercentage = 30;
    s.InjectionDuration = 2.6;
    s.AlternatorSpeed = 3 * rpm;
    return s;
}

double share(double measured, double expected) { return std::abs(measured - expected) / expected; }

// The share of the samples within 0.5 % of the speed.
double withinHalfPercent(const Frame& f, double rpm) {
    const auto n = std::count_if(f.values.begin(), f.values.end(), [&](double v) { return share(v, rpm) <= 0.005; });
    return double(n) / double(f.values.size());
}

}  // namespace

// Each probe gives the input what a real one would for a known quantity at its tip, and the
// channel reads the quantity back from it, across the probe's whole range and below zero.
TEST(Probes, ScalingOutputsAndRoundTrip) {
    struct Case {
        ProbeSetting probe;
        double value;     // at the probe's tip, in its unit
        double volts;     // at the scope's input
        const char* unit;
    } cases[] = {
        {probe(ProbeKind::Direct), 14.2, 14.2, "V"},
        {probe(ProbeKind::Attenuator10), 380, 38, "V"},
        {probe(ProbeKind::CurrentClamp, 100), 5.1, 0.51, "A"},
        {probe(ProbeKind::CurrentClamp, 10), 150, 1.5, "A"},
        {probe(ProbeKind::HighTension), 12, 1.2, "kV"},
        {probe(ProbeKind::PressureTransducer), 2.5, 1.5, "bar"},
        {probe(ProbeKind::PressureTransducer), 0, 0.5, "bar"},
        {probe(ProbeKind::PressureTransducer), 10, 4.5, "bar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(probeName(c.probe).toStdString());
        EXPECT_EQ(probeUnit(c.probe.kind), QString(c.unit));
        EXPECT_NEAR(probeOutput(c.probe, c.value), c.volts, 1e-9);
        EXPECT_NEAR(probeReading(c.probe, c.volts), c.value, 1e-9);
        for (double v : {-50.0, -1.0, 0.0, 0.001, 3.3, 47.5, 420.0})
            EXPECT_NEAR(probeReading(c.probe, probeOutput(c.probe, v)), v, 1e-9 * std::max(1.0, std::abs(v)));
    }
    // A transducer whose signal wire is broken gives the input nothing: it reads below zero,
    // not a plausible pressure.
    EXPECT_LT(probeReading(probe(ProbeKind::PressureTransducer), 0), 0);
    // The clamp's two sensitivities differ tenfold for the same current.
    EXPECT_NEAR(probeOutput(probe(ProbeKind::CurrentClamp, 100), 20) / probeOutput(probe(ProbeKind::CurrentClamp, 10), 20),
                10, 1e-9);
    // A clamp with no sensitivity reads nothing instead of dividing by zero, and says why it
    // cannot measure.
    const ProbeSetting dead = probe(ProbeKind::CurrentClamp, 0);
    EXPECT_TRUE(std::isfinite(probeReading(dead, 1.0)));
    EXPECT_FALSE(probeFits(dead, "A"));
    EXPECT_FALSE(probeMismatch(dead, "A").isEmpty());
    EXPECT_FALSE(throughProbe([](double) { return 5.0; }, "A", dead).has_value());
}

TEST(Probes, NamesTellTheProbesApart) {
    QStringList names;
    for (ProbeKind k : {ProbeKind::Direct, ProbeKind::Attenuator10, ProbeKind::CurrentClamp, ProbeKind::HighTension,
                        ProbeKind::PressureTransducer})
        names << probeName(probe(k));
    names << probeName(probe(ProbeKind::CurrentClamp, 10));
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 6);
    EXPECT_TRUE(probeName(probe(ProbeKind::CurrentClamp, 10)).contains("10 mV/A"));
    EXPECT_EQ(probe(ProbeKind::CurrentClamp, 10), probe(ProbeKind::CurrentClamp, 10));
    EXPECT_NE(probe(ProbeKind::CurrentClamp, 10), probe(ProbeKind::CurrentClamp, 100));
    // The sensitivity is no part of any other probe.
    EXPECT_EQ(probe(ProbeKind::Direct, 10), probe(ProbeKind::Direct, 100));
}

// A current is measured with a clamp, a pressure with a transducer, the secondary with the
// pick-up: the natural probe for every point reads the point's own unit, at a sensitivity that
// keeps its screen within what the probe and input take.
TEST(Probes, KeysNameEveryProbeAndRefuseAnythingElse) {
    const auto& choices = probeChoices();
    // Every probe the list offers is a different probe, and its key names it again.
    for (std::size_t i = 0; i < choices.size(); ++i) {
        for (std::size_t j = i + 1; j < choices.size(); ++j) EXPECT_NE(choices[i], choices[j]);
        const auto back = probeFromKey(probeKey(choices[i]));
        ASSERT_TRUE(back.has_value()) << probeKey(choices[i]).toStdString();
        EXPECT_EQ(*back, choices[i]);
    }
    EXPECT_EQ(probeFromKey(" Clamp:25 ")->clampMillivoltsPerAmp, 25);
    for (const char* bad : {"", "x100", "clamp", "clamp:", "clamp:0", "clamp:-5", "clamp:nan", "clamp:inf",
                            "clamp:abc", "clamp:1e300", "direct2"})
        EXPECT_FALSE(probeFromKey(bad).has_value()) << bad;
}

TEST(Probes, NaturalProbeFitsEveryPoint) {
    for (const sim::PointInfo& p : sim::points()) {
        const QString unit = sim::quantityInfo(p.quantity).unit;
        const ProbeSetting natural = naturalProbe(p.id);
        SCOPED_TRACE(p.key);
        EXPECT_TRUE(probeFits(natural, unit));
        EXPECT_TRUE(probeMismatch(natural, unit).isEmpty());
        EXPECT_EQ(probeUnit(natural.kind), unit);
        const sim::LiveScale scale = sim::liveScale(p.quantity);
        const double fullScreen = scale.perDivision * kDivisionsY;
        if (natural.kind == ProbeKind::Direct) EXPECT_LE(fullScreen, kDirectInputLimit);
        if (natural.kind == ProbeKind::CurrentClamp && natural.clampMillivoltsPerAmp == kClampFine)
            EXPECT_LE(fullScreen, kClampFineAmps);
    }
    EXPECT_EQ(naturalProbe(Quantity::FuelPump), probe(ProbeKind::CurrentClamp, 100));
    EXPECT_EQ(naturalProbe(Quantity::StarterSpeed), probe(ProbeKind::CurrentClamp, 10));
    EXPECT_EQ(naturalProbe(Quantity::PressureRegulator).kind, ProbeKind::PressureTransducer);
    EXPECT_EQ(naturalProbe(Quantity::SparkTiming).kind, ProbeKind::HighTension);
    EXPECT_EQ(naturalProbe(PointId::CoilWire).kind, ProbeKind::Attenuator10);  // hundreds of volts
    EXPECT_EQ(naturalProbe(PointId::SpeedSensor).kind, ProbeKind::Direct);
    EXPECT_EQ(naturalProbe(PointId::StarterSupply).kind, ProbeKind::Direct);
}

// A point that is a current or a pressure reads through its probe in its unit; the wrong probe
// on it reads nothing and says which one to use.
TEST(Probes, PointsAreMeasuredThroughTheirProbe) {
    SimState s = engineAt(800);
    sim::SignalInputs in;
    in.state = &s;
    const sim::ProbePoint pump = sim::probeOn(PointId::FuelPump);
    const auto pumpSignal = sim::signalOf(pump, in);
    const auto clamp = throughProbe(pumpSignal, "A", naturalProbe(PointId::FuelPump));
    ASSERT_TRUE(clamp.has_value());
    for (double t : {0.0, 0.0013, 0.37}) EXPECT_NEAR((*clamp)(t), pumpSignal(t), 1e-9);
    // About five amperes: the pump's current, not the clamp's half volt.
    EXPECT_GT((*clamp)(0.01), 3.0);

    for (ProbeKind wrong : {ProbeKind::Direct, ProbeKind::Attenuator10, ProbeKind::HighTension,
                            ProbeKind::PressureTransducer}) {
        EXPECT_FALSE(throughProbe(pumpSignal, "A", probe(wrong)).has_value());
        EXPECT_TRUE(probeMismatch(probe(wrong), "A").contains("current clamp"));
    }
    EXPECT_TRUE(probeMismatch(probe(ProbeKind::Direct), "bar").contains("pressure transducer"));
    EXPECT_TRUE(probeMismatch(probe(ProbeKind::CurrentClamp), "V").contains("direct lead"));
    EXPECT_TRUE(probeMismatch(probe(ProbeKind::Direct), "kV").contains("HT pick-up"));
    EXPECT_FALSE(throughProbe({}, "V", probe(ProbeKind::Direct)).has_value());
}

// Two signals whose sum, difference and product are known: a supply of 14 V with a 0.5 V
// ripple before a connection and the same less a 0.8 V drop after it; a current rising
// steadily from 0 to 200 A.
TEST(MathChannels, DifferenceSumAndProduct) {
    const double ms = 1e-3;
    const auto before = [](double t) { return 14 + 0.5 * std::sin(2 * kPi * 700 * t); };
    const auto after = [](double t) { return 13.2 + 0.5 * std::sin(2 * kPi * 700 * t); };
    const Frame a = sampled(before, ms, 0.25), b = sampled(after, ms, 0.25);

    const MathResult drop = mathChannel(MathOperation::Difference, a, "V", b, "V");
    ASSERT_TRUE(drop.valid) << drop.reason.toStdString();
    EXPECT_EQ(drop.unit, "V");
    ASSERT_EQ(drop.frame.values.size(), std::size_t(kFramePoints));
    for (double v : drop.frame.values) EXPECT_NEAR(v, 0.8, 1e-9);
    EXPECT_EQ(drop.frame.start, 0.25);
    EXPECT_EQ(drop.frame.dt, a.dt);
    EXPECT_EQ(drop.frame.lows.size(), drop.frame.values.size());
    EXPECT_EQ(drop.frame.highs.size(), drop.frame.values.size());

    const auto inverted = [](double t) { return -0.5 * std::sin(2 * kPi * 700 * t); };
    const MathResult sum = mathChannel(MathOperation::Sum, a, "V", sampled(inverted, ms, 0.25), "V");
    ASSERT_TRUE(sum.valid);
    for (double v : sum.frame.values) EXPECT_NEAR(v, 14, 1e-9);
    EXPECT_EQ(sum.unit, "V");

    // The order counts: B − A is the drop the other way.
    const MathResult back = mathChannel(MathOperation::Difference, b, "V", a, "V");
    for (double v : back.frame.values) EXPECT_NEAR(v, -0.8, 1e-9);

    // Power: a steady 10 V times a current ramp from 0 to 200 A over the screen.
    const Frame volts = sampled([](double) { return 10.0; }, ms);
    const Frame amps = sampled([=](double t) { return 200 * t / (10 * ms); }, ms);
    const MathResult power = mathChannel(MathOperation::Product, volts, "V", amps, "A");
    ASSERT_TRUE(power.valid);
    EXPECT_EQ(power.unit, "V·A");
    EXPECT_NEAR(power.frame.values.front(), 0, 1e-9);
    EXPECT_NEAR(power.frame.values[250], 1000, 1e-6);
    EXPECT_NEAR(power.frame.values.back(), 2000, 1e-6);
    EXPECT_EQ(mathChannel(MathOperation::Product, volts, "V", volts, "V").unit, "V·V");
}

// What cannot be worked out says why and gives no frame.
TEST(MathChannels, RefusesWhatItCannotWorkOut) {
    const Frame v = sampled([](double) { return 12.0; }, 1e-3);
    const Frame i = sampled([](double) { return 5.0; }, 1e-3);
    const MathResult mixed = mathChannel(MathOperation::Difference, v, "V", i, "A");
    EXPECT_FALSE(mixed.valid);
    EXPECT_TRUE(mixed.frame.values.empty());
    EXPECT_TRUE(mixed.reason.contains("V") && mixed.reason.contains("A"));
    EXPECT_FALSE(mathChannel(MathOperation::Sum, v, "V", i, "A").valid);

    // Frames taken at other instants, at another spacing, or of another length.
    EXPECT_FALSE(mathChannel(MathOperation::Sum, v, "V", sampled([](double) { return 1.0; }, 1e-3, 0.5), "V").valid);
    EXPECT_FALSE(mathChannel(MathOperation::Sum, v, "V", sampled([](double) { return 1.0; }, 2e-3), "V").valid);
    Frame shorter = v;
    shorter.values.pop_back();
    EXPECT_FALSE(mathChannel(MathOperation::Product, v, "V", shorter, "V").valid);
    const MathResult empty = mathChannel(MathOperation::Product, Frame{}, "V", v, "V");
    EXPECT_FALSE(empty.valid);
    EXPECT_FALSE(empty.reason.isEmpty());

    // No speed from a flat line, a single tooth, an empty frame, or a current.
    for (const Frame& f : {v, Frame{}, sampled([](double t) { return t > 5e-3 ? 1.0 : 0.0; }, 1e-3)}) {
        const MathResult r = mathChannel(MathOperation::EngineSpeed, f, "V");
        EXPECT_FALSE(r.valid);
        EXPECT_FALSE(r.reason.isEmpty());
    }
    EXPECT_FALSE(engineSpeed(sampled(hallWheel(3000), 2e-3), "A").valid);
}

// The engine speed on the car's own crank sensor, taken by the Live screen as a student would
// look at it: a time base that shows at least one whole turn, with the gap in it.
TEST(MathChannels, EngineSpeedFromTheLiveCrankSignal) {
    struct Case {
        int rpm;
        double secondsPerDivision;
    } cases[] = {{800, 10e-3}, {3000, 2e-3}, {6000, 1e-3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rpm);
        SimState s = engineAt(c.rpm);
        sim::SignalInputs in;
        in.state = &s;
        const sim::ProbePoint p = sim::probeOn(PointId::SpeedSensor);
        const auto signal = sim::signalOf(p, in);
        const sim::SignalShape shape = sim::signalShape(p, in);
        Trigger trigger;
        trigger.mode = TriggerMode::Normal;
        trigger.level = 0;
        Acquisition acq;
        for (int i = 0; i < 3; ++i) acq.update(signal, 50.0 + 0.1 * i, c.secondsPerDivision, trigger, {}, &shape);
        ASSERT_TRUE(acq.frame().triggered);

        const MathResult r = mathChannel(MathOperation::EngineSpeed, acq.frame(), "V");
        ASSERT_TRUE(r.valid) << r.reason.toStdString();
        EXPECT_EQ(r.unit, "rev/min");
        EXPECT_LE(share(r.mean, c.rpm), 0.005) << r.mean;
        ASSERT_EQ(r.frame.values.size(), acq.frame().values.size());
        // Every sample, the ones over the gap included, reads the speed.
        EXPECT_GE(withinHalfPercent(r.frame, c.rpm), 0.99);
        const auto [lo, hi] = std::minmax_element(r.frame.values.begin(), r.frame.values.end());
        EXPECT_LE(share(*lo, c.rpm), 0.02);
        EXPECT_LE(share(*hi, c.rpm), 0.02);
    }
}

// The same on a wheel of another make: square teeth from a Hall sensor, between 0 and 5 V,
// anywhere in the turn, on screens that hold the gap, two of them, or none.
TEST(MathChannels, EngineSpeedFromAGeneratedWheel) {
    struct Case {
        double rpm;
        double secondsPerDivision;
        double start;
    } cases[] = {{800, 10e-3, 0.0}, {800, 10e-3, 0.0371}, {3000, 2e-3, 0.013}, {6000, 1e-3, 0.0047},
                 {6000, 2e-3, 0.002}, {3000, 0.5e-3, 0.0001}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rpm << " rev/min at " << c.start);
        const MathResult r = engineSpeed(sampled(hallWheel(c.rpm), c.secondsPerDivision, c.start));
        ASSERT_TRUE(r.valid) << r.reason.toStdString();
        EXPECT_LE(share(r.mean, c.rpm), 0.005) << r.mean;
        const double median = [&] {
            std::vector<double> v = r.frame.values;
            std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
            return v[v.size() / 2];
        }();
        EXPECT_LE(share(median, c.rpm), 0.005) << median;
        // Square edges are placed to within a sample, which over the division the speed is
        // taken on is within 2 %; nothing near a third of the speed (the gap taken for one
        // tooth) or three times it.
        for (double v : r.frame.values) EXPECT_LE(share(v, c.rpm), 0.02) << v;
    }
}

// The speed follows the engine across the screen: a frame in which the crank goes from 1500
// to 3000 rev/min half way reads each speed on its half.
TEST(MathChannels, EngineSpeedFollowsAChangeOnTheScreen) {
    const double spd = 4e-3;  // 40 ms: across the change, with a gap on each side
    const MathResult r = engineSpeed(sampled(hallWheel(1500, 0.02, 3000), spd));
    ASSERT_TRUE(r.valid);
    const std::size_t n = r.frame.values.size();
    EXPECT_LE(share(r.frame.values[n / 10], 1500), 0.01) << r.frame.values[n / 10];
    EXPECT_LE(share(r.frame.values[n * 4 / 10], 1500), 0.01);
    EXPECT_LE(share(r.frame.values[n * 6 / 10], 3000), 0.01);
    EXPECT_LE(share(r.frame.values[n * 9 / 10], 3000), 0.01) << r.frame.values[n * 9 / 10];
    EXPECT_GT(r.mean, 1500);
    EXPECT_LT(r.mean, 3000);
}

// Noise on the sensor's slow edges at cranking speed crosses the middle back and forth; it
// makes no extra tooth.
TEST(MathChannels, EngineSpeedIgnoresNoiseOnSlowEdges) {
    const double rpm = 300;
    const auto noisy = [=](double t) {
        const double pitches = rpm * t;
        const double inTurn = std::fmod(pitches, 60.0);
        const double tooth = inTurn < 57 ? std::sin(2 * kPi * inTurn) : 1.35 * std::sin(2 * kPi * (inTurn - 57) / 3);
        // A reproducible noise of up to a tenth of the tooth's swing, new every 40 µs.
        const auto k = static_cast<unsigned>(std::floor(t / 40e-6));
        const double n = double((k * 2654435761u) >> 8) / double(1u << 24) * 2 - 1;
        return 2 * tooth + 0.2 * n;
    };
    const MathResult r = engineSpeed(sampled(noisy, 2e-3));
    ASSERT_TRUE(r.valid);
    EXPECT_LE(share(r.mean, rpm), 0.01) << r.mean;
    for (double v : r.frame.values) EXPECT_LE(share(v, rpm), 0.03) << v;
}
