// The telemetry recording without any window: the eleven channels and their conversions,
// the pass rule of the 300-sample chart store, the longer history that the export carries
// and the export file's text.
#pragma once

#include "sim/snapshot.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

namespace telemetry {

constexpr int kChannels = 11;      // channels 1..11; channel 0 is "none" and reads 0
constexpr int kPassLength = 300;   // samples 1..300 of the chart store
constexpr int kExportRows = 750;   // data rows of an export file

// One sample: index 0 is channel 0 (always 0), 1..11 the channels in export order.
using Sample = std::array<Integer, kChannels + 1>;

// The column names of the export, channel 1 first.
const QStringList& channelNames();

// The stored values of a sample: knock negated (1 while knocking), a negative temperature
// stored as 0, the injection duration rounded to a whole number with halves to even. A value
// that does not fit 16 bits raises Overflow (error 6).
Sample sampleOf(const sim::Snapshot& r);

// The program's figures now.
sim::Snapshot currentReadings();

// The pass rule: a tick that finds the latest sample index above 299 or below 1 clears the
// charts and starts a new pass at sample 1.
inline bool startsNewPass(int latestSample) { return latestSample > kPassLength - 1 || latestSample < 1; }

// The most recent samples of the run, one a second, at most kExportRows of them.
class SampleHistory {
public:
    void append(const Sample& s);
    int count() const { return count_; }
    // The i-th oldest sample held (0 <= i < count()).
    const Sample& at(int i) const;
    void clear() { count_ = 0; next_ = 0; }

private:
    std::array<Sample, kExportRows> ring_{};
    int next_ = 0;   // where the next sample goes
    int count_ = 0;  // samples held
};

// The history of this run of the program (kept across the MultiScope window's loads).
SampleHistory& runHistory();

// Whether a telemetry timer is taking samples: the window that owns one says so when the
// timer starts and when it goes away.
void setRecording(bool on);
bool recording();
// The main window's telemetry panel: "Telemetry off... " before the first sample, then
// "Telemetry recording, 42 samples..." or "Telemetry off, 42 samples..." (the run's history).
QString statusText();
// Called whenever recording() or the run history's count may have changed.
void setStatusHook(std::function<void()> hook);
void statusChanged();

// The export file's header line, without its line end.
QString exportHeader();
// One data line: the eleven values separated by commas, without a line end.
QString exportLine(const Sample& s);
// The whole export file: the header and kExportRows data lines, the history's samples
// oldest first followed by lines of zeros, every line ended by CR LF.
QByteArray exportText(const SampleHistory& history);

}  // namespace telemetry
