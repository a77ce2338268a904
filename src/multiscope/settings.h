// What the user has set on the Live screen besides the window's scale controls: the channels
// (probe, scale, zero line, on or off), the trigger and the channel it watches, the math
// channels, and the measurements shown under the screen with where they are taken. The Live
// screen's controls show it and edit it; it holds no widget.
#pragma once

#include "multiscope/acquisition.h"
#include "multiscope/mathchannels.h"
#include "multiscope/measurements.h"
#include "multiscope/probes.h"

#include <algorithm>
#include <array>
#include <vector>

namespace scope {

struct ChannelSetup {
    ProbeSetting probe;
    int range = -1;     // index into levelRanges(); -1 ranges automatically
    double zero = 4;    // divisions from the top to the zero line
    bool on = true;
};

// A math channel: off, or an operation on channels A and B (the engine speed on one channel).
struct MathSetup {
    bool on = false;
    MathOperation operation = MathOperation::Difference;
    int channel = 0;  // the engine speed's crank channel
    bool operator==(const MathSetup& o) const {
        return on == o.on && (!on || (operation == o.operation && (operation != MathOperation::EngineSpeed || channel == o.channel)));
    }
};
constexpr int kMathChannels = 2;

// Where the measurements are taken: over the whole screen, or between the two time cursors.
enum class MeasureSpan { Screen, Cursors };

struct Settings {
    // The trigger's mode, edge and level (in the trigger channel's unit); its place across the
    // screen follows the X control.
    Trigger trigger;
    int triggerChannel = 0;
    // Channel A's range and zero follow the window's Volts and Y controls.
    std::array<ChannelSetup, kChannels> channels;
    std::array<MathSetup, kMathChannels> math;
    // The measurements shown under the screen, for every channel that is on.
    std::vector<Measurement> measurements;
    MeasureSpan span = MeasureSpan::Screen;
    bool statistics = false;

    bool measures(Measurement m) const {
        return std::find(measurements.begin(), measurements.end(), m) != measurements.end();
    }
};

}  // namespace scope
