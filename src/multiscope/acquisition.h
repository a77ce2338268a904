// The live screen's acquisition: the named ranges of its controls, the trigger, and the frame
// of samples the screen shows.
//
// The screen is ten divisions wide and eight high. A frame is 501 samples spread evenly over
// the ten divisions, both edges included. The signal comes from a sampler: its value at any
// instant, in the point's unit (volts, amperes, bar, kilovolts).
//
// Every point of the frame keeps, beside its sample, the lowest and highest the signal reaches
// over the time it covers (peak detect), so that a spike narrower than the samples' spacing is
// drawn whole. The signal's narrow features (sim::SignalShape: where in its period each spike,
// tooth or dip has its extreme, and that extreme) give those without sampling densely.
//
// The trigger looks back over the signal that has passed since the last look for the latest
// crossing of its level in the direction of its edge that leaves room for the part of the
// screen after the trigger point; a crossing made by a narrow feature between two samples is
// found as well: the screen then shows the newest complete triggered frame, so
// a repeating signal stands still. Auto shows the signal untriggered when no trigger has come
// for a while; Normal keeps the last frame until the next trigger; Single takes one frame and
// stops until it is armed again. Roll does not trigger: a pen runs across the screen from left to
// right, drawing the signal as it comes (in slow motion when ten divisions pass quicker than a
// sweep of the screen can be followed by eye).
#pragma once

#include "sim/signals.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace scope {

constexpr int kDivisionsX = 10;
constexpr int kDivisionsY = 8;
constexpr int kFramePoints = 501;
// The Live screen's channels, A to D.
constexpr int kChannels = 4;

// Seconds per division of the Timebase control in Live, fastest first.
const std::vector<double>& timeRanges();
// Units per division of the Volts control in Live, smallest first.
const std::vector<double>& levelRanges();
// "2 V/div", "0.5 ms/div", "200 mA/div".
QString perDivisionText(double value, const QString& unit);

enum class TriggerMode { Roll, Auto, Normal, Single };
enum class Edge { Rising, Falling };
QString triggerModeName(TriggerMode mode);  // English, for settings, files and transcripts
QString triggerModeText(TriggerMode mode);  // as the screen shows it
QString edgeName(Edge edge);  // English
QString edgeText(Edge edge);  // as the screen shows it

struct Trigger {
    TriggerMode mode = TriggerMode::Auto;
    Edge edge = Edge::Rising;
    double level = 0;       // in the point's unit
    double position = 0.5;  // share of the screen's width before the trigger point
};

using Sampler = std::function<double(double seconds)>;

// The latest time in [from, to] at which the signal crosses `level` in the direction of
// `edge`, looked for in steps of `step` back from `to`, between the samples and the narrow
// features of `shape` (when given) that lie between them, and refined between the two either
// side of it; none when it does not cross there.
std::optional<double> latestCrossing(const Sampler& signal, double from, double to, double step, double level,
                                     Edge edge, const sim::SignalShape* shape = nullptr);

struct Frame {
    std::vector<double> values;  // kFramePoints samples (fewer while a roll sweep is drawing)
    // The lowest and highest the signal reaches over each sample's share of the time (from half
    // a spacing before it to half a spacing after), as many as the samples.
    std::vector<double> lows, highs;
    double start = 0;            // signal time of the first sample, seconds
    double dt = 0;               // seconds between two samples
    bool triggered = false;
};

// A frame of `count` samples of a signal from `start`, `dt` apart, with its peaks (from `shape`'s
// narrow features when given): another channel's frame taken at the same instants as the
// trigger channel's.
Frame sampleFrame(const Sampler& signal, double start, double dt, int count, bool triggered,
                  const sim::SignalShape* shape = nullptr);

enum class Status { Triggered, FreeRunning, Waiting, Stopped, Rolling };
QString statusText(Status status);  // as the screen shows it
QString statusName(Status status);  // English, for transcripts

class Acquisition {
public:
    // Auto shows the untriggered signal once no trigger has come for this long.
    static constexpr double kAutoTimeout = 0.1;
    // A look back covers the signal since the last look, a second at most: the newest steps at
    // the screen's sample spacing, the rest in as many coarser ones.
    static constexpr double kMaxLookBack = 1.0;
    static constexpr int kSearchSteps = 500;
    // A roll sweep at a fast timebase crosses the screen in this long, as the stored sweep does.
    static constexpr double kRollSweepSeconds = 51 * 0.025;

    // Starts over: the screen empties and a Single trigger is armed again.
    void reset();
    // Looks at the signal up to `now` (signal time, seconds). `rollStart`, when given, is where a
    // roll sweep at a fast timebase begins, at or after a time (the signal's own mark, so that a
    // steady signal is drawn alike sweep after sweep). Returns true when the frame changed.
    // `shape`, when given, holds the signal's narrow features (for the trigger and the frame's
    // peaks); without it the frame's peaks are those of its samples.
    bool update(const Sampler& signal, double now, double secondsPerDivision, const Trigger& trigger,
                const std::function<double(double)>& rollStart = {}, const sim::SignalShape* shape = nullptr);

    const Frame& frame() const { return frame_; }
    Status status() const { return status_; }
    // The share of the screen a roll sweep has drawn, 0..1 (1 when not rolling).
    double rollShare() const;
    // The last complete roll sweep (empty before the first has finished).
    const Frame& lastSweep() const { return lastSweep_; }

private:
    void take(const Sampler& signal, double start, double dt, int count, bool triggered);
    bool roll(const Sampler& signal, double now, double span, const std::function<double(double)>& rollStart);
    // The peaks of the frame's points from `from` on (and of the one before, whose span reaches
    // the new sample).
    void peaks(std::size_t from);

    const sim::SignalShape* shape_ = nullptr;  // during an update

    Frame frame_;
    Frame lastSweep_;
    Status status_ = Status::Waiting;
    double searchedTo_ = 0;
    bool searched_ = false;
    std::optional<double> lastTrigger_;  // when the last trigger was seen (signal time)
    // Roll: where the sweep began on the clock, where its samples begin, and how long it lasts.
    bool rolling_ = false;
    double rollBegin_ = 0, rollFrom_ = 0, rollSeconds_ = 0;
};

}  // namespace scope
