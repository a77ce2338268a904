// The mask a guided test judges captures with: a band around a known-good reference frame,
// widened by a tolerance in time and in level, and the pass or fail counted over several captures.
//
// The band at each point of the reference runs from the lowest to the highest the reference
// reaches (its samples and, when it keeps them, its peaks) within the time tolerance either side
// of the point, widened by the level tolerance both ways. A captured frame is compared with it
// point by point from its first sample: both frames are triggered at the same place on the
// screen, so the same index is the same instant relative to the trigger. A sample is outside when
// it (or, when the frame keeps them, the lowest or highest around it) lies above the upper or
// below the lower edge; a sample that is not a number is outside as well.
#pragma once

#include "multiscope/acquisition.h"

#include <QString>

#include <vector>

namespace scope {

// How far a captured trace may stray from the reference: in time (seconds either way) and in
// level (in the channel's unit, either way). A negative or undefined tolerance counts as none.
struct MaskTolerance {
    double seconds = 0;
    double level = 0;
};

class Mask {
public:
    // Frames whose sample spacing differs from the reference's by more than this share are not
    // comparable.
    static constexpr double kTimingTolerance = 0.001;

    Mask() = default;  // empty: judges nothing
    // The band the reference allows at each of its points (see above). A reference without
    // samples, or without a positive sample spacing, gives an empty mask. Where the reference
    // has no number within reach of a point, the band there is undefined and every sample fails.
    static Mask fromReference(const Frame& reference, MaskTolerance tolerance);

    bool empty() const { return upper_.empty(); }
    const std::vector<double>& upper() const { return upper_; }
    const std::vector<double>& lower() const { return lower_; }
    double dt() const { return dt_; }  // the reference's sample spacing
    // The indices of the samples of `frame` outside the band, in order. A frame of other timing
    // (dt differing by more than 0.1 %, or another number of samples) is not comparable: every
    // one of its samples fails. An empty mask judges nothing: no failures.
    std::vector<int> failures(const Frame& frame) const;
    // Whether `frame` has the reference's timing (false for an empty mask).
    bool comparable(const Frame& frame) const;
    // As failures(), into `out` (cleared first); returns whether the frame was comparable.
    bool failuresInto(const Frame& frame, std::vector<int>& out) const;

private:
    std::vector<double> upper_, lower_;
    double dt_ = 0;
};

enum class Verdict { NotMeasured, Pass, Fail };
// "Pass", "Fail", "Not yet measured".
QString verdictText(Verdict v);

// Pass or fail over several captures of one or more channels (one mask per channel, A first).
// A capture passes when every channel's frame lies inside its mask; a channel whose mask is empty
// is not judged. The verdict is Not yet measured until `required` captures (at least 1) have been
// judged; then Fail when any judged capture failed, else Pass. A judge without a mask that judges
// anything counts no capture: it stays Not yet measured and says why.
class MaskJudge {
public:
    explicit MaskJudge(std::vector<Mask> masks = {}, int required = 5);

    // Judges one capture (a frame per channel, in the masks' order; an empty or missing frame for
    // a channel that shows nothing fails that channel). Returns whether it passed.
    bool add(const std::vector<Frame>& frames);
    void reset();  // starts the count again (the masks stay)
    Verdict verdict() const;
    // Why, in a sentence for the student: "5 of 5 captures inside the mask", "2 of 6 captures left
    // the mask (channel B, 14 samples)", "No capture yet: the test needs 5 triggered captures",
    // "The time base is not the test's: the captures cannot be compared" (from a capture of other
    // timing until the next reset).
    QString reason() const;
    int captures() const { return captures_; }
    int failed() const { return failed_; }
    int required() const { return required_; }
    const std::vector<Mask>& masks() const { return masks_; }
    // The failing samples of the last capture judged, per channel (for the screen's marks).
    const std::vector<std::vector<int>>& lastFailures() const { return lastFailures_; }

private:
    bool judges() const;

    std::vector<Mask> masks_;
    int required_ = 5;
    int captures_ = 0, failed_ = 0;
    bool timingDiffered_ = false;  // a judged capture had another time base
    std::vector<std::vector<int>> lastFailures_;
    // The last failing capture, per channel: the failing samples' count, or -1 for no trace.
    std::vector<int> lastFailingCounts_;
};

}  // namespace scope
