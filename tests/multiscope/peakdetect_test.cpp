// The Live scope on the car's own signals: narrow events (the coil's switch-off spike, the
// firing line, the injector's spike) kept whole on every time base and found by the trigger at
// every engine speed; the switched outputs' low time against what the control unit commands;
// and each point opening on a screen that shows its signal whole at idle.
#include "testing.h"

#include "multiscope/acquisition.h"
#include "multiscope/measurements.h"
#include "sim/catalogue.h"
#include "sim/signals.h"
#include "sim/simstate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace scope;
using sim::PointId;

namespace {

// A warm engine at its controlled idle.
SimState idling() {
    SimState s;
    s.EngineRunning = True;
    s.EngineSpeed = 800;
    s.EngineLoad = 5;
    s.EngineTemperature = 90;
    s.SystemVoltage = 14;
    s.IgnitionTiming = 10;
    s.DwellPercentage = 30;
    s.InjectionDuration = 1.7;
    s.AlternatorSpeed = 2400;
    return s;
}

sim::SignalInputs inputs(const SimState& s) {
    sim::SignalInputs in;
    in.state = &s;
    return in;
}

// The signal's highest value, sampled every 0.2 µs: the answer a scope sampling at 5 MS/s
// throughout would give.
double densePeak(const std::function<double(double)>& f, double from, double length) {
    double peak = f(from);
    for (double t = from; t < from + length; t += 0.2e-6) peak = std::max(peak, f(t));
    return peak;
}

double highest(const Frame& f) { return *std::max_element(f.highs.begin(), f.highs.end()); }
double lowest(const Frame& f) { return *std::min_element(f.lows.begin(), f.lows.end()); }

// A few looks at the signal, a tenth of a second apart, as the screen takes its frames.
Acquisition acquire(const sim::ProbePoint& p, const sim::SignalInputs& in, double secondsPerDivision,
                    const Trigger& trigger, double now = 100.0) {
    const auto signal = sim::signalOf(p, in);
    const sim::SignalShape shape = sim::signalShape(p, in);
    Acquisition a;
    for (int i = 0; i < 3; ++i) a.update(signal, now + 0.1 * i, secondsPerDivision, trigger, {}, &shape);
    return a;
}

Trigger normal(double level, Edge edge = Edge::Rising) {
    Trigger t;
    t.mode = TriggerMode::Normal;
    t.level = level;
    t.edge = edge;
    return t;
}

}  // namespace

// The spikes' tips (and the crank wheel's gap, among teeth far closer together than the samples
// on a slow time base) on the screen whatever its time base: a frame's peaks against the densely
// sampled signal, within 2 %, the trigger on the spike and the screen untriggered (Auto, at
// speeds and instants that put the spike anywhere between two samples).
TEST(PeakDetect, SpikesAreDrawnWholeOnEveryTimeBase) {
    const SimState s = idling();
    const sim::SignalInputs in = inputs(s);
    struct Case {
        PointId point;
        double level;
    };
    for (const Case& c : {Case{PointId::IgnitionCoil, 100}, Case{PointId::CoilWire, 100},
                          Case{PointId::SparkPlugLead, 5}, Case{PointId::Injector, 40},
                          Case{PointId::SpeedSensor, 2.5}}) {
        const sim::ProbePoint p = sim::probeOn(c.point);
        const auto signal = sim::signalOf(p, in);
        // The tip, found by brute force over a whole engine cycle.
        const double tip = densePeak(signal, 0, 0.15);
        ASSERT_GT(tip, c.level) << sim::captionOf(c.point).toStdString();
        for (double perDivision : timeRanges()) {
            for (double now : {100.0, 100.0123, 100.0371}) {
                const Acquisition triggered = acquire(p, in, perDivision, normal(c.level), now);
                ASSERT_TRUE(triggered.frame().triggered) << perDivision << " s/div";
                EXPECT_NEAR(highest(triggered.frame()), tip, 0.02 * tip)
                    << sim::captionOf(c.point).toStdString() << " triggered at " << perDivision << " s/div";
                // Untriggered, the screen shows whatever part of the signal has just passed:
                // when that holds a spike, its tip.
                Trigger autoTrigger;
                autoTrigger.level = 1e6;  // never reached: free running
                const Acquisition free = acquire(p, in, perDivision, autoTrigger, now);
                const Frame& f = free.frame();
                ASSERT_EQ(free.status(), Status::FreeRunning);
                const double span = f.dt * (kFramePoints - 1);
                if (span >= 0.16)
                    EXPECT_NEAR(highest(f), tip, 0.02 * tip)
                        << sim::captionOf(c.point).toStdString() << " free running at " << perDivision << " s/div";
            }
        }
    }
}

// Normal at 100 V on the coil triggers on every spike's rising edge at every speed the engine
// runs at, on the point's own time base and on faster ones: the trigger point has the spike.
TEST(PeakDetect, TriggerFindsTheCoilSpikeAtEverySpeed) {
    SimState s = idling();
    const sim::ProbePoint p = sim::probeOn(PointId::IgnitionCoil);
    for (int rpm = 700; rpm <= 6000; rpm += 100) {
        s.EngineSpeed = rpm;
        const sim::SignalInputs in = inputs(s);
        for (double perDivision : {1e-3, 2e-3, 5e-3, 10e-3, 20e-3}) {
            const Acquisition a = acquire(p, in, perDivision, normal(100), 100.0 + rpm * 1e-5);
            ASSERT_TRUE(a.frame().triggered) << rpm << " rev/min, " << perDivision << " s/div";
            const Frame& f = a.frame();
            // Half the screen before the trigger point: the sample there, or the one after it,
            // covers the spike.
            const std::size_t mid = kFramePoints / 2;
            EXPECT_GT(std::max(f.highs[mid], f.highs[mid + 1]), 300) << rpm << " rev/min, " << perDivision << " s/div";
            EXPECT_LT(f.values[mid - 2], 100) << "the crossing is the spike's rising edge";
        }
    }
}

// The injector's low time measured on the screen (negative pulses) is the injection time the
// control unit commands, within one sample; the coil's negative duty cycle is its dwell.
TEST(PeakDetect, SwitchedOutputsLowTimeIsWhatTheUnitCommands) {
    SimState s = idling();
    const sim::ProbePoint injector = sim::probeOn(PointId::Injector);
    const sim::ScreenSettings inj = sim::screenSettings(PointId::Injector);
    ASSERT_TRUE(inj.lowPulses);
    for (int rpm : {800, 2500, 4500}) {
        for (double ms : {1.2, 1.7, 2.6, 4.0}) {
            s.EngineSpeed = rpm;
            s.InjectionDuration = ms;
            const Acquisition a = acquire(injector, inputs(s), inj.secondsPerDivision,
                                          normal(inj.triggerLevel, inj.fallingEdge ? Edge::Falling : Edge::Rising));
            ASSERT_TRUE(a.frame().triggered);
            const Frame& f = a.frame();
            const Trace t{f.values, f.dt, f.lows, f.highs};
            const MeasuredValue low = measure(t, Measurement::PulseWidth, "V", Polarity::Negative);
            ASSERT_TRUE(low.valid) << rpm << " rev/min, " << ms << " ms";
            EXPECT_NEAR(low.value, ms / 1000, f.dt) << rpm << " rev/min, " << ms << " ms";
            // Positive pulses are the time between injections, not the closing spike.
            const MeasuredValue high = measure(t, Measurement::PulseWidth, "V", Polarity::Positive);
            if (high.valid) EXPECT_GT(high.value, 1e-3);
            // The levels are the signal's: the open injector's 0.3 V, the spike's 60 V.
            EXPECT_NEAR(measure(t, Measurement::Minimum).value, 0.3, 0.005);
            EXPECT_NEAR(measure(t, Measurement::Maximum).value, 60, 0.5);
        }
    }

    s = idling();
    const sim::ProbePoint coil = sim::probeOn(PointId::IgnitionCoil);
    const sim::ScreenSettings cs = sim::screenSettings(PointId::IgnitionCoil);
    ASSERT_TRUE(cs.lowPulses);
    for (int rpm : {800, 2000, 4000}) {
        for (int dwell : {20, 30, 45}) {
            s.EngineSpeed = rpm;
            s.DwellPercentage = dwell;
            const Acquisition a = acquire(coil, inputs(s), cs.secondsPerDivision, normal(cs.triggerLevel));
            const Frame& f = a.frame();
            const Trace t{f.values, f.dt, f.lows, f.highs};
            const MeasuredValue duty = measure(t, Measurement::DutyCycle, "V", Polarity::Negative);
            ASSERT_TRUE(duty.valid) << rpm << " rev/min, " << dwell << " % dwell";
            // Within two samples' share of a cycle (an edge each end).
            const double cycle = 30.0 / rpm;
            EXPECT_NEAR(duty.value, dwell, 2 * 100 * f.dt / cycle) << rpm << " rev/min";
            EXPECT_NEAR(measure(t, Measurement::Minimum).value, 0.5, 0.01);
        }
    }
}

// Every point of the car, the engine idling warm and just started from cold (a long injection,
// the lambda sensor still cold): the point's own screen shows the signal on the screen's
// height and, where the signal changes, triggers on it in Normal and shows two cycles or more (a
// frequency is measured) or one whole event (a complete pulse).
TEST(PeakDetect, EveryPointOpensOnAScreenShowingItsSignalWhole) {
    SimState cold = idling();
    cold.EngineTemperature = 0;
    cold.InjectionDuration = 10;
    for (const SimState& s : {idling(), cold}) {
        for (const sim::PointInfo& info : sim::points()) {
            const sim::SignalInputs in = inputs(s);
            const std::string name = std::string(info.key) + (s.EngineTemperature < 40 ? " (cold)" : "");
            const sim::ProbePoint p = sim::probeOn(info.id);
            const sim::ScreenSettings screen = sim::screenSettings(info.id);
            const auto signal = sim::signalOf(p, in);
            // Whether the signal moves at all: samples over two seconds.
            double lo = signal(0), hi = lo;
            for (int i = 1; i < 20000; ++i) {
                lo = std::min(lo, signal(i * 1e-4));
                hi = std::max(hi, signal(i * 1e-4));
            }
            const Edge edge = screen.fallingEdge ? Edge::Falling : Edge::Rising;
            const Acquisition a = acquire(p, in, screen.secondsPerDivision, normal(screen.triggerLevel, edge));
            if (hi - lo < screen.perDivision / 10) continue;  // steady: nothing to trigger on or count
            ASSERT_TRUE(a.frame().triggered) << name;
            const Frame& f = a.frame();
            EXPECT_LE(highest(f) - lowest(f), kDivisionsY * screen.perDivision) << name << ": taller than the screen";
            const Trace t{f.values, f.dt, f.lows, f.highs};
            const Polarity polarity = screen.lowPulses ? Polarity::Negative : Polarity::Positive;
            const bool cycles = measure(t, Measurement::Frequency).valid;
            const bool event = measure(t, Measurement::PulseWidth, "V", polarity).valid;
            EXPECT_TRUE(cycles || event) << name << ": neither two cycles nor one whole event at "
                                         << screen.secondsPerDivision << " s/div";
        }
    }
}
