// The guided tests: for each part of the car, what to connect and where, the engine's state, the
// scope's settings in one step, what a healthy part gives and what to look for.
//
// A test names its channels' points (the catalogue's), the engine's state, the time base, each
// channel's units a division and zero line, the trigger and the measurements to read. Its
// known-good reference is not a recording: it is captured from the healthy model in the state
// the test names (`reference`), so it is what the Live screen shows on a sound car. The runner
// takes triggered captures of the test's channels from the car's signals as the Live screen
// takes them (the trigger channel's acquisition, the other channels at the same instants).
#pragma once

#include "multiscope/acquisition.h"
#include "multiscope/mask.h"
#include "multiscope/measurements.h"
#include "sim/catalogue.h"
#include "sim/simstate.h"

#include <QString>

#include <vector>

namespace guided {

// The states a test is run in: the key at ignition on with the engine still, the starter
// cranking (the engine kept from starting), a warm engine idling, and held at 3000 rev/min.
enum class EngineState { IgnitionOn, Cranking, Idle, Rpm3000 };
// "Ignition on", "Cranking", "Idle, warm", "3000 rev/min, warm".
QString stateName(EngineState state);

struct TestChannel {
    sim::PointId point;
    double perDivision = 1;  // in the point's unit
    double zero = 4;         // divisions from the top to the zero line
};

struct GuidedTest {
    QString key;        // "crank-sensor": stable, for files and links
    QString component;  // the part, as the list groups the tests: "Crank sensor"
    QString title;      // "Crank sensor at idle"
    QString purpose;    // what the test shows
    EngineState state;
    std::vector<TestChannel> channels;  // A, B, ...
    double secondsPerDivision = 1e-3;
    int triggerChannel = 0;
    scope::Trigger trigger;  // Normal or Auto, its level in the trigger channel's unit
    std::vector<scope::Measurement> measurements;
    QString lookFor;    // what a healthy trace shows, and what each deviation means
    QString figures;    // the figures to read, with a healthy part's values
    // How far a capture may stray from the reference: in divisions across and up the screen.
    double timeTolerance = 0.1, levelTolerance = 0.25;
    std::vector<sim::Circuit> circuits;  // the circuits the test looks at
    // Further states the test can be made in (an engine that will not run can still be cranked).
    std::vector<EngineState> alsoIn;
    // What the unit drives follows the engine's own speed: the reference is made at the car's
    // speed and figures as they are, rather than at the state's healthy ones (which a test of
    // the starting system keeps, so that a flat battery's slow cranking fails it).
    bool followsCar = false;
    // Every state the test can be made in, its own first.
    std::vector<EngineState> states() const {
        std::vector<EngineState> all{state};
        all.insert(all.end(), alsoIn.begin(), alsoIn.end());
        return all;
    }
};

// Every guided test, grouped by component in the order the list shows them.
const std::vector<GuidedTest>& library();
// The test with a key; null for none.
const GuidedTest* testForKey(const QString& key);

// The car in a state, as the start sequence and the unit leave it with the faults present (the
// faults act on the signals through the inputs; while cranking, the start sequence reads them).
SimState stateFor(EngineState state, const sim::FaultSet& faults = sim::FaultSet());

// `count` captures of the test's channels on the car in `state` with `faults`, from `from`
// seconds on: each a frame per channel, in the test's order, taken where the trigger channel
// triggers (an Auto test takes one every tenth of a second, triggered or not). Fewer when the
// trigger does not come within two and a half seconds of the last capture.
std::vector<std::vector<scope::Frame>> capture(const GuidedTest& test, const SimState& state,
                                               const sim::FaultSet& faults, int count, double from = 1.0);

// The known-good reference: the first capture on the healthy car in the test's state; or with the
// car as `state` has it (the unit's figures as they are), no fault present.
std::vector<scope::Frame> reference(const GuidedTest& test);
std::vector<scope::Frame> reference(const GuidedTest& test, EngineState state);
std::vector<scope::Frame> reference(const GuidedTest& test, const SimState& state);

// The reference for the car as `car` has it in `state`: at the car's own figures when the test
// follows the car or the engine runs, else at the state's healthy ones.
std::vector<scope::Frame> referenceFor(const GuidedTest& test, EngineState state, const SimState& car);
// Whether the car is where the test can be made in `state`: cranking needs the engine turning,
// unless the test looks at the starting system itself.
bool reached(const GuidedTest& test, EngineState state, const SimState& car);

// The test's masks, a channel each: a reference with the test's tolerances (in divisions of the
// time base and of each channel's scale).
std::vector<scope::Mask> masks(const GuidedTest& test);
std::vector<scope::Mask> masks(const GuidedTest& test, const std::vector<scope::Frame>& reference);

}  // namespace guided
