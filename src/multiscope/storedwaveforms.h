// The stored waveforms beside the program, held against the car: what a point's text says about
// the screen its waveform was recorded on, the waveform's samples as levels on that screen, and
// the healthy car's own recording of a point at a state (the generator of the stored files).
//
// A point's text (C.txt) names its screen in one sentence of its "Connect" paragraph:
// "Scope at 1 V per division, 2 ms per division; zero volts is the centre line." (or "the
// lowest grid line"). The stored screen is six divisions each way; the 50 samples span its
// width, 100/3 sample units a division, so a sample s is the level
//   (s / (100/3) + z) * perDivision, with z 0 for a zero on the centre line, 2 for the lowest.
//
// Where the stored waveform and the car's own trace differ for a reason worth knowing (it is
// recorded in another state than the guided test's, or shows a moment the live signal does not),
// the text says so in a paragraph that begins "Stored trace:".
#pragma once

#include "multiscope/acquisition.h"
#include "multiscope/measurements.h"
#include "sim/catalogue.h"
#include "sim/simstate.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace stored {

constexpr int kSamples = 50;
constexpr int kDivisions = 6;

struct Screen {
    double perDivision = 1;  // units a division
    QString unit;            // "V", "A", "bar", "kV"
    double secondsPerDivision = 1e-3;
    bool zeroAtCentre = false;
    // Seconds between two of the 50 samples.
    double sampleSeconds() const { return kDivisions * secondsPerDivision / kSamples; }
};

// The screen a point's text names; none when it names none (or names it otherwise).
std::optional<Screen> screenOfText(const QString& text);

// The paragraph of the text that says why its stored trace differs from the car's; empty when
// there is none.
QString differenceNote(const QString& text);

// The 50 samples (sample units, as the file holds them) as a trace of levels on the screen.
scope::Trace traceOfSamples(const std::vector<double>& samples, const Screen& screen);

// The healthy car's recording of a point in `state`, on `screen`: the 50 samples as whole sample
// units (kept within -99..99) and the meter's text first, the 51 records of a waveform file. The
// sweep starts where `trigger` (in the point's unit) finds its edge, the trigger point a share
// `trigger.position` of the screen in; a Roll or Auto trigger starts it one second into the
// signal. A spike narrower than the samples' spacing is recorded at its peak on the sample
// nearest it, as a peak-detecting scope shows it.
QStringList recording(sim::PointId point, const SimState& state, const Screen& screen,
                      const scope::Trigger& trigger);

}  // namespace stored
