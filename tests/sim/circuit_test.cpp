// The car's electrical system as the probe finds it: the battery, the starting circuit and the
// charging circuit read as one circuit from every window; the crank wheel; the manifold while
// cranking; and the physical car against what the fault scan makes the control unit believe.
#include "simtesting.h"

#include "sim/session.h"
#include "sim/signals.h"
#include "sim/simstate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using sim::ProbePoint;
using sim::SignalInputs;
using P = sim::PointId;

namespace {

using simtest::idling;
using simtest::cranking;

SignalInputs inputs(const SimState& s, std::initializer_list<int> faults = {}) {
    SignalInputs in;
    in.state = &s;
    for (int f : faults) in.faults.set(f);
    return in;
}

double at(P id, const SignalInputs& in, double t) { return sim::signalAt(sim::probeOn(id), in, t); }

// The mean over [t0, t0 + length).
double meanOf(P id, const SignalInputs& in, double t0 = 0.05, double length = 0.9) {
    constexpr int n = 3000;
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += at(id, in, t0 + (i + 0.5) * length / n);
    return sum / n;
}

// ---- The crank wheel and the manifold ----

TEST(Circuit, TheSixtyMinusTwoWheelGivesFiftyEightCyclesATurnWithTheGapWhereTwoTeethAreMissing) {
    const SimState s = idling();
    const double turn = 60.0 / 800;
    const double step = turn / 6000;  // a hundred samples a tooth pitch
    int rising = 0;
    std::vector<double> gaps;  // the time between rising crossings
    double last = -1, previous = at(P::SpeedSensor, inputs(s), 0);
    for (int i = 1; i <= 6000; ++i) {
        const double t = i * step, v = at(P::SpeedSensor, inputs(s), t);
        if (previous < 0 && v >= 0) {
            ++rising;
            if (last >= 0) gaps.push_back(t - last);
            last = t;
        }
        previous = v;
    }
    EXPECT_EQ(rising, 58);
    // One pitch between teeth, and once a turn three: the last tooth's and the two missing.
    int pitches = 0, gap = 0;
    for (double g : gaps) {
        const double teeth = g / (turn / 60);
        if (std::fabs(teeth - 1) < 0.05) ++pitches;
        else if (std::fabs(teeth - 3) < 0.05) ++gap;
        else ADD_FAILURE() << "a cycle " << teeth << " tooth pitches long";
    }
    EXPECT_EQ(gap, 1);
    EXPECT_EQ(pitches + gap, 57);
}

TEST(Circuit, TheManifoldIsNearAtmosphericWhileCranking) {
    const SimState s = cranking(), running = idling();
    const double crankingVolts = meanOf(P::LoadSensor, inputs(s));
    EXPECT_GT(crankingVolts, 4.0);  // about 95 kPa on a 1-bar sensor
    EXPECT_LT(crankingVolts, 4.5);
    EXPECT_LT(meanOf(P::LoadSensor, inputs(running), 0, 0.3), 2.0);  // idle: deep vacuum
}

// ---- The starting circuit ----

// The battery's post, terminal 30 and the motor's terminal under the starter's current: every
// drop is a resistance times the one current the clamp reads, and the battery reads the same
// on every window.
TEST(Circuit, TheStartingCircuitsDropsFollowTheOneCurrent) {
    const SimState s = cranking();
    struct Case {
        std::initializer_list<int> faults;
        double cableDrop, contactsDrop;  // volts at the mean current, within 0.05 V
    };
    // Healthy: a cable drop of about a quarter of a volt, the contacts well under a tenth.
    // A corroded cable adds its volt and more on the cable, burnt contacts on the solenoid.
    for (const Case& k : {Case{{}, 0.25, 0.05}, Case{{33}, 1.45, 0.05}, Case{{34}, 0.25, 1.25}}) {
        const SignalInputs in = inputs(s, k.faults);
        const std::string name = k.faults.size() ? std::to_string(*k.faults.begin()) : "healthy";
        double cableOhms = -1;
        for (double t = 0.01; t < 0.5; t += 0.0137) {
            const double amps = at(P::StarterCurrent, in, t);
            const double post = at(P::StarterSupplyPoint1, in, t);
            const double t30 = at(P::StarterSupply, in, t);
            const double motor = at(P::StarterSupplyPoint3, in, t);
            ASSERT_GT(amps, 100) << name;
            // The battery is one: its post, the charging window's battery and the lamp's feed.
            EXPECT_NEAR(at(P::AlternatorOutputPoint2, in, t), post, 1e-9) << name;
            EXPECT_NEAR(at(P::AlternatorOutput, in, t), post, 1e-9) << name;
            EXPECT_NEAR(at(P::ChargeWarningLightFeed, in, t), post, 1e-9) << name;
            // The cable is a resistance: its drop follows the current through the humps.
            const double ohms = (post - t30) / amps;
            if (cableOhms < 0) cableOhms = ohms;
            EXPECT_NEAR(ohms, cableOhms, 1e-9) << name;
            EXPECT_GT(t30, motor) << name;
        }
        const double post = meanOf(P::StarterSupplyPoint1, in), t30 = meanOf(P::StarterSupply, in);
        const double motor = meanOf(P::StarterSupplyPoint3, in);
        EXPECT_NEAR(post - t30, k.cableDrop, 0.05) << name;
        EXPECT_NEAR(t30 - motor, k.contactsDrop, 0.05) << name;
        // The earth return: between 0.1 and 0.2 V, whatever the supply side does.
        const double earth = meanOf(P::StarterEarth, in);
        EXPECT_GT(earth, 0.1) << name;
        EXPECT_LT(earth, 0.2) << name;
        // A healthy battery stays above 9.6 V at terminal 30 right through the humps.
        if (k.faults.size() == 0)
            for (double t = 0; t < 1; t += 1e-3) EXPECT_GE(at(P::StarterSupply, in, t), 9.6);
    }
    // The battery's own drop is its internal resistance times the same current: a discharged
    // battery rests lower and drops far more, to about 8 V at terminal 30.
    const SignalInputs flat = inputs(s, {36});
    EXPECT_EQ(sim::meterText(sim::probeOn(P::StarterSupply), flat), "  8.0 V (dc)");
    EXPECT_NEAR(meanOf(P::StarterSupplyPoint1, flat) - meanOf(P::StarterSupply, flat), 0.25, 0.05);

    // At rest, the ignition on, the battery reads its EMF everywhere: 12.6 V charged, 11.8 V
    // discharged.
    SimState rest;
    rest.SystemVoltage = 12;
    rest.IgnitionOn = True;
    for (P p : {P::StarterSupplyPoint1, P::StarterSupply, P::StarterSupplyPoint3, P::AlternatorOutput,
                P::AlternatorOutputPoint1, P::VoltageSensingWire, P::ChargeWarningLightFeed}) {
        EXPECT_NEAR(at(p, inputs(rest), 0.3), 12.6, 1e-9) << sim::point(p).key;
        EXPECT_NEAR(at(p, inputs(rest, {36}), 0.3), 11.8, 1e-9) << sim::point(p).key;
    }
    EXPECT_EQ(at(P::StarterEarth, inputs(rest), 0.3), 0);
}

// ---- The charging circuit ----

TEST(Circuit, TheChargingCircuitReadsAsOneCircuit) {
    const SimState s = idling();
    struct Case {
        int fault;  // 0: healthy
        double battery, alternator;
        bool lampLit;  // a volt or more across the lamp
    };
    const Case cases[] = {
        {0, 14, 14, false},  {37, 13, 13, false}, {38, 12, 12, true},   {39, 16, 16, false},
        {40, 13, 13, true},  {41, 12, 13, false}, {42, 13, 13, false},
    };
    for (const Case& k : cases) {
        const SignalInputs in = k.fault ? inputs(s, {k.fault}) : inputs(s);
        const double battery = meanOf(P::AlternatorOutputPoint2, in, 0, 0.05);
        const double alternator = meanOf(P::AlternatorOutputPoint1, in, 0, 0.05);
        const double feed = meanOf(P::ChargeWarningLightFeed, in, 0, 0.05);
        const double dPlus = meanOf(P::ChargeWarningLightDPlus, in, 0, 0.05);
        EXPECT_NEAR(battery, k.battery, 0.05) << k.fault;
        EXPECT_NEAR(alternator, k.alternator, 0.05) << k.fault;
        // The lamp is fed from the battery through the ignition switch.
        EXPECT_NEAR(feed, battery, 0.01) << k.fault;
        EXPECT_EQ(feed - dPlus >= 1, k.lampLit) << k.fault << ": " << feed - dPlus << " V across the lamp";
        // The starter's terminal and the supplies the unit switches sit at the battery too.
        EXPECT_NEAR(meanOf(P::StarterSupply, in, 0, 0.05), battery, 0.01) << k.fault;
        EXPECT_NEAR(at(P::Injector, in, 0.05), battery, 0.2) << k.fault;
    }
    // Not charging: the battery alone, with no ripple on it or on the lamp's feed.
    for (double t = 0; t < 0.01; t += 1e-4) EXPECT_EQ(at(P::ChargeWarningLightFeed, inputs(s, {38}), t), 12);
    // The output cable's drop at the charging current: small on a healthy car, a volt with 41.
    EXPECT_LT(meanOf(P::AlternatorOutputPoint1, inputs(s), 0, 0.05) - meanOf(P::AlternatorOutputPoint2, inputs(s), 0, 0.05),
              0.2);
    // The alternator's earth: 0.08 V healthy, about a volt when its earth is poor.
    EXPECT_NEAR(meanOf(P::AlternatorEarth, inputs(s), 0, 0.05), 0.08, 0.01);
    EXPECT_NEAR(meanOf(P::AlternatorEarth, inputs(s, {42}), 0, 0.05), 1.0, 0.05);
}

// ---- The control unit's view and the car's ----

// The fault scan sets what the unit believes (the temperature at -20 deg C, the supply at
// 10 V); a probe on the sensor, the battery or the charging system reads the car.
TEST(Circuit, TheFaultScansViewLeavesThePhysicalPointsAlone) {
    const std::vector<P> physical = {P::AlternatorOutput,     P::AlternatorOutputPoint1, P::AlternatorOutputPoint2,
                                     P::ChargeWarningLightFeed, P::ChargeWarningLightDPlus, P::StarterSupply,
                                     P::AlternatorSpeed,      P::Injector,               P::IgnitionCoil};
    for (int f : {4, 10, 16}) {
        simtest::Engine e;
        const SimState before = e.s;
        e.in.faults.set(f);
        e.scan();
        ASSERT_EQ(e.s.SystemVoltage, 10) << "the unit reads 10 V with " << f;
        for (P p : physical)
            for (double t : {0.001, 0.0123, 0.2})
                EXPECT_NEAR(at(p, inputs(e.s, {f}), t), at(p, inputs(before), t), 1e-9)
                    << f << " at " << sim::point(p).key;
    }
    // The unit's own sensing input with its fault reads the 10 V it believes.
    EXPECT_EQ(sim::meterText(sim::probeOn(P::VoltageSensing), inputs(idling(), {4})), "  10.0 V (dc)");

    // The temperature: the engine keeps the temperature it had when its sensing broke.
    for (int f : {9, 15}) {
        programState().EngineTemperature = 90;
        sim::Session session;
        session.setFaultPresent(f, true);
        simtest::Engine e;
        e.in.faults.set(f);
        e.scan();
        ASSERT_EQ(e.s.EngineTemperature, -20);
        SignalInputs in = inputs(e.s, {f});
        in.engineTemperature = session.engineTemperature();
        const QString hot = sim::meterText(sim::probeOn(P::TemperatureSensor), inputs(idling()));
        EXPECT_EQ(hot, "  0.5 V (dc)");
        EXPECT_EQ(sim::meterText(sim::probeOn(P::TemperatureSensor), in), hot) << f;
        // Repaired: the unit reads the engine again.
        session.setFaultPresent(f, false);
        EXPECT_FALSE(session.engineTemperature().has_value());
    }
    // With the wire open the unit's side reads its 5 V reference; with the corroded pin the
    // pin reads nearly all of it while the wire beside the sensor keeps the sensor's voltage.
    SimState scanned = idling();
    scanned.EngineTemperature = -20;
    SignalInputs open = inputs(scanned, {9}), corroded = inputs(scanned, {15});
    open.engineTemperature = corroded.engineTemperature = 90;
    EXPECT_EQ(sim::meterText(sim::probeOn(P::TemperatureSensorPin), open), "  5.0 V (dc)");
    EXPECT_EQ(sim::meterText(sim::probeOn(P::TemperatureSensorWire), corroded), "  0.5 V (dc)");
    EXPECT_GT(meanOf(P::TemperatureSensorPin, corroded), 4.5);
}

}  // namespace
