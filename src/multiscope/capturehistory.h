// The history of the live screen's triggered captures, and the capture file that keeps one of
// them with the channels' settings.
//
// The history holds the newest captures, each with its time and every channel's frame, up to
// its limit (100 by default): a capture beyond it drops the oldest. One capture is selected and
// can be stepped to (back, forward, first, last, an index). While the selection is on the newest
// capture it follows each new one; stepped back, it stays on the capture it shows (its index
// moves down as older ones are dropped; once the one it showed is dropped, the oldest kept is
// selected). Paused, the history takes no new captures, so what it holds can be looked through.
//
// The capture file is UTF-8 JSON, one object:
//   "format":   "vantorel-capture" (anything else is not a capture file)
//   "version":  1 (a larger number is a file from a newer version of the program, refused)
//   "timebase": seconds per division (> 0)
//   "trigger":  {"channel": name, "mode": "Roll"|"Auto"|"Normal"|"Single",
//                "edge": "Rising"|"Falling", "level": number, "position": 0..1}
//   "time":     the capture's time in seconds (the signal's time when it was triggered)
//   "channels": 1 to 4 objects, each
//                {"name": "A".., "point": the point's key ("" for a free probe),
//                 "probe": the probe's key, "unit": the trace's unit, "perDivision": > 0,
//                 "offset": number, "on": true|false,
//                 "start": seconds, "dt": seconds (>= 0), "triggered": true|false,
//                 "values": [numbers], "lows": [numbers], "highs": [numbers]}
//               with at most 501 values, and lows and highs either empty or as many as them.
// Every number is finite; names are unique and not empty. Reading refuses anything else with a
// message saying what is wrong; nothing in a damaged file can crash the reader.
#pragma once

#include "multiscope/acquisition.h"

#include <QByteArray>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace scope {

// Frames hold the same samples, peaks and timing.
bool equalFrames(const Frame& a, const Frame& b);

// One triggered capture: when it was taken and the frame of each channel (in the channels'
// order, an empty frame for a channel that was off).
struct Capture {
    double time = 0;
    std::vector<Frame> frames;
};
bool operator==(const Capture& a, const Capture& b);
inline bool operator!=(const Capture& a, const Capture& b) { return !(a == b); }

class CaptureHistory {
public:
    static constexpr int kDefaultLimit = 100;

    explicit CaptureHistory(int limit = kDefaultLimit);

    // Adds a capture as the newest; false (and nothing kept) while paused.
    bool add(Capture capture);
    // Forgets every capture.
    void clear();

    void setPaused(bool paused) { paused_ = paused; }
    bool paused() const { return paused_; }

    int limit() const { return limit_; }
    // At least one; drops the oldest captures beyond it.
    void setLimit(int limit);

    int size() const { return int(captures_.size()); }
    bool empty() const { return captures_.empty(); }
    // The capture at an index, 0 the oldest; none out of range.
    const Capture* at(int index) const;

    // The selected capture's index, -1 while empty.
    int position() const { return position_; }
    // The selected capture; none while empty.
    const Capture* selected() const { return at(position_); }

    // Each returns false when the selection cannot move (empty, or already at that end, or an
    // index out of range); the selection is then unchanged.
    bool back();
    bool forward();
    bool first();
    bool last();
    bool select(int index);

private:
    void dropOldest();

    std::deque<Capture> captures_;
    int limit_ = kDefaultLimit;
    int position_ = -1;
    bool paused_ = false;
};

// The settings of a channel as the capture file keeps them.
struct ChannelSettings {
    QString name;          // "A".."D"
    QString point;         // the probed point's key, empty when the probe hangs free
    QString probe;         // the probe's key ("direct", ...)
    QString unit;          // the unit of the channel's samples
    double perDivision = 1;
    double offset = 0;     // in the channel's unit
    bool on = true;
};
bool operator==(const ChannelSettings& a, const ChannelSettings& b);

// What the capture file holds: the channels' settings, the screen's timebase and trigger, and
// one capture (as many frames as channels).
struct CaptureDocument {
    std::vector<ChannelSettings> channels;
    double secondsPerDivision = 0.001;
    QString triggerChannel;  // a channel's name
    Trigger trigger;
    Capture capture;
};
bool operator==(const CaptureDocument& a, const CaptureDocument& b);

constexpr int kCaptureFileVersion = 1;
// A larger file is refused before it is parsed.
constexpr qint64 kCaptureFileLimit = 64 * 1024 * 1024;

// The file's bytes; the caller writes them (through writeFileAtomic). The document should be
// valid as readCaptureFile checks it; an invalid one is written as it is and refused on reading.
QByteArray formatCaptureFile(const CaptureDocument& doc);

struct CaptureFileResult {
    std::optional<CaptureDocument> document;  // none when refused
    QString error;                            // why it was refused (translated), empty when read
};
// Reads a capture file's bytes; anything not a well-formed capture file of a version this
// program knows is refused with a message.
CaptureFileResult readCaptureFile(const QByteArray& bytes);

}  // namespace scope
