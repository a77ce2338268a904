// The guided tests' mask: the band around a reference with its time and level tolerances, the
// samples and peaks judged against it, frames of other timing, and the verdict over captures.
// The frames are made here from signals whose answers are known sample by sample.
#include "multiscope/mask.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace scope;

namespace {

constexpr double kDt = 1e-4;  // 5 ms a division
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// 501 samples of f(k), kDt apart, triggered; with peaks equal to the samples when `peaks`.
Frame frameOf(const std::function<double(int)>& f, bool peaks = true) {
    Frame fr;
    fr.dt = kDt;
    fr.triggered = true;
    for (int k = 0; k < kFramePoints; ++k) fr.values.push_back(f(k));
    if (peaks) fr.lows = fr.highs = fr.values;
    return fr;
}

// A sine of amplitude 2 and a period of 100 samples: 2 at k = 25, -2 at k = 75, 0 at k = 0 and 50.
double sine(int k) { return 2 * std::sin(2 * M_PI * k / 100.0); }

// A step from 0 to 5 V at sample `at`.
Frame step(int at) {
    return frameOf([at](int k) { return k < at ? 0.0 : 5.0; });
}

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i < to; ++i) v.push_back(i);
    return v;
}

}  // namespace

TEST(Mask, TraceInsideTheTolerancePassesAndOneSampleOutsideIsReported) {
    const Mask mask = Mask::fromReference(frameOf(sine), {0, 0.2});
    ASSERT_FALSE(mask.empty());
    EXPECT_EQ(mask.dt(), kDt);
    ASSERT_EQ(mask.upper().size(), 501u);
    EXPECT_NEAR(mask.upper()[25], 2.2, 1e-12);
    EXPECT_NEAR(mask.lower()[25], 1.8, 1e-12);
    EXPECT_NEAR(mask.upper()[75], -1.8, 1e-12);
    EXPECT_NEAR(mask.lower()[75], -2.2, 1e-12);

    // A wobble of 0.15 V at most on the healthy trace stays inside.
    Frame wobbly = frameOf([](int k) { return sine(k) + 0.15 * std::cos(2 * M_PI * k / 7.0); });
    EXPECT_TRUE(mask.comparable(wobbly));
    EXPECT_TRUE(mask.failures(wobbly).empty());

    // One sample 0.3 V above the reference, then one 0.3 V below as well: exactly those indices.
    wobbly.values[137] = wobbly.lows[137] = wobbly.highs[137] = sine(137) + 0.3;
    EXPECT_EQ(mask.failures(wobbly), std::vector<int>({137}));
    wobbly.values[400] = sine(400) - 0.3;
    EXPECT_EQ(mask.failures(wobbly), std::vector<int>({137, 400}));
}

TEST(Mask, TimeToleranceAlone) {
    // 1 ms either way is 10 samples; no level tolerance.
    const Mask mask = Mask::fromReference(step(250), {1e-3, 0});
    EXPECT_TRUE(mask.failures(step(250)).empty());
    // The step 8 samples (0.8 ms) late or early lies inside.
    EXPECT_TRUE(mask.failures(step(258)).empty());
    EXPECT_TRUE(mask.failures(step(242)).empty());
    EXPECT_TRUE(mask.failures(step(260)).empty());  // right on the edge: 1 ms
    // 12 samples late: its samples 260 and 261 are still low where the band has risen to 5 V.
    EXPECT_EQ(mask.failures(step(262)), std::vector<int>({260, 261}));
    // 12 samples early: 238 and 239 are already high where the band is still at 0 V.
    EXPECT_EQ(mask.failures(step(238)), std::vector<int>({238, 239}));

    // Without a time tolerance a step one sample late fails at that sample.
    EXPECT_EQ(Mask::fromReference(step(250), {0, 0}).failures(step(251)), std::vector<int>({250}));
}

TEST(Mask, LevelToleranceAlone) {
    const Mask mask = Mask::fromReference(frameOf(sine), {0, 0.3});
    EXPECT_TRUE(mask.failures(frameOf([](int k) { return sine(k) + 0.25; })).empty());
    EXPECT_TRUE(mask.failures(frameOf([](int k) { return sine(k) - 0.25; })).empty());
    EXPECT_EQ(mask.failures(frameOf([](int k) { return sine(k) + 0.35; })), range(0, 501));
    EXPECT_EQ(mask.failures(frameOf([](int k) { return sine(k) - 0.35; })), range(0, 501));
    // The level tolerance does not stand in for time: a step 1 sample late is 5 V out.
    EXPECT_EQ(Mask::fromReference(step(250), {0, 0.3}).failures(step(251)), std::vector<int>({250}));
}

TEST(Mask, NarrowSpikeKeptOnlyInThePeaks) {
    const Mask flat = Mask::fromReference(frameOf([](int) { return 1.0; }), {0, 0.5});
    Frame spiky = frameOf([](int) { return 1.0; });
    spiky.highs[300] = 4;  // between two samples: only the peaks see it
    spiky.lows[120] = -3;
    EXPECT_EQ(flat.failures(spiky), std::vector<int>({120, 300}));
    // Without its peaks the same frame shows no spike.
    spiky.lows.clear();
    spiky.highs.clear();
    EXPECT_TRUE(flat.failures(spiky).empty());

    // A reference with the spike in its peaks allows it there, and within the time tolerance.
    Frame reference = frameOf([](int) { return 1.0; });
    reference.highs[300] = 4;
    const Mask exact = Mask::fromReference(reference, {0, 0.1});
    EXPECT_NEAR(exact.upper()[300], 4.1, 1e-12);
    EXPECT_TRUE(exact.failures(reference).empty());
    Frame moved = frameOf([](int) { return 1.0; });
    moved.highs[303] = 4;
    EXPECT_EQ(exact.failures(moved), std::vector<int>({303}));
    const Mask loose = Mask::fromReference(reference, {5e-4, 0.1});  // 5 samples either way
    EXPECT_TRUE(loose.failures(moved).empty());
    moved.highs[303] = 1;
    moved.highs[306] = 4;
    EXPECT_EQ(loose.failures(moved), std::vector<int>({306}));
    // The spike's absence is no fault: the band reaches down to the flat trace everywhere.
    EXPECT_TRUE(loose.failures(frameOf([](int) { return 1.0; })).empty());
}

TEST(Mask, OtherTimingIsNotComparable) {
    const Mask mask = Mask::fromReference(frameOf(sine), {0, 0.3});
    Frame f = frameOf(sine);
    f.dt = kDt * 1.0005;  // 0.05 %: the same time base
    EXPECT_TRUE(mask.comparable(f));
    EXPECT_TRUE(mask.failures(f).empty());
    f.dt = kDt * 1.002;  // 0.2 %
    EXPECT_FALSE(mask.comparable(f));
    EXPECT_EQ(mask.failures(f), range(0, 501));
    f.dt = kDt * 2;  // the next timebase
    EXPECT_FALSE(mask.comparable(f));
    f.dt = kNaN;
    EXPECT_FALSE(mask.comparable(f));
    EXPECT_EQ(mask.failures(f).size(), 501u);

    // A frame of 500 samples (a roll sweep not yet across) is not comparable either.
    Frame shorter = frameOf(sine);
    shorter.values.pop_back();
    EXPECT_FALSE(mask.comparable(shorter));
    EXPECT_EQ(mask.failures(shorter), range(0, 500));
}

TEST(Mask, BadInputsNeverCrash) {
    // No reference: an empty mask that judges nothing.
    for (const Frame& bad : {Frame{}, [] { Frame f = frameOf(sine); f.dt = 0; return f; }(),
                             [] { Frame f = frameOf(sine); f.dt = kNaN; return f; }(),
                             [] { Frame f = frameOf(sine); f.dt = -kDt; return f; }()}) {
        const Mask m = Mask::fromReference(bad, {1e-3, 0.5});
        EXPECT_TRUE(m.empty());
        EXPECT_FALSE(m.comparable(frameOf(sine)));
        EXPECT_TRUE(m.failures(frameOf(sine)).empty());
        EXPECT_TRUE(m.failures(Frame{}).empty());
    }
    EXPECT_TRUE(Mask().empty());

    // A NaN sample, or a NaN peak, fails.
    const Mask mask = Mask::fromReference(frameOf(sine), {0, 0.3});
    Frame f = frameOf(sine);
    f.values[10] = kNaN;
    f.highs[20] = kNaN;
    f.values[30] = std::numeric_limits<double>::infinity();
    EXPECT_EQ(mask.failures(f), std::vector<int>({10, 20, 30}));

    // A reference with a hole: where nothing within reach is a number, every sample fails; a
    // time tolerance bridges the hole.
    Frame holed = frameOf(sine, false);
    holed.values[50] = kNaN;
    EXPECT_EQ(Mask::fromReference(holed, {0, 0.3}).failures(frameOf(sine)), std::vector<int>({50}));
    EXPECT_TRUE(Mask::fromReference(holed, {1e-4, 0.3}).failures(frameOf(sine)).empty());

    // Peaks of the wrong length are left out, in the reference and in the frame.
    Frame odd = frameOf(sine);
    odd.highs.resize(10, 100.0);
    const Mask fromOdd = Mask::fromReference(odd, {0, 0.3});
    EXPECT_NEAR(fromOdd.upper()[5], sine(5) + 0.3, 1e-12);
    EXPECT_TRUE(fromOdd.failures(odd).empty());

    // Negative and undefined tolerances are none.
    const Mask none = Mask::fromReference(step(250), {-1, kNaN});
    EXPECT_EQ(none.failures(step(251)), std::vector<int>({250}));
    EXPECT_EQ(none.failures(frameOf([](int k) { return k < 250 ? 0.01 : 5.0; })), range(0, 250));
}

TEST(MaskJudge, VerdictsAndReasonsOverCaptures) {
    EXPECT_EQ(verdictText(Verdict::Pass), QStringLiteral("Pass"));
    EXPECT_EQ(verdictText(Verdict::Fail), QStringLiteral("Fail"));
    EXPECT_EQ(verdictText(Verdict::NotMeasured), QStringLiteral("Not yet measured"));

    const Mask a = Mask::fromReference(frameOf(sine), {0, 0.3});
    const Mask b = Mask::fromReference(step(250), {1e-3, 0.2});
    MaskJudge judge({a, b});
    const std::vector<Frame> good = {frameOf(sine), step(255)};
    // Channel B late by 24 samples: its samples 260 to 273 are low where the band is at 5 V.
    const std::vector<Frame> late = {frameOf(sine), step(274)};

    EXPECT_EQ(judge.verdict(), Verdict::NotMeasured);
    EXPECT_EQ(judge.reason(), QStringLiteral("No capture yet: the test needs 5 triggered captures"));
    EXPECT_TRUE(judge.add(good));
    EXPECT_TRUE(judge.add(good));
    EXPECT_EQ(judge.verdict(), Verdict::NotMeasured);
    EXPECT_EQ(judge.reason(), QStringLiteral("2 of 5 captures judged: the test needs 3 more"));
    EXPECT_TRUE(judge.add(good));
    EXPECT_TRUE(judge.add(good));
    EXPECT_TRUE(judge.add(good));
    EXPECT_EQ(judge.verdict(), Verdict::Pass);
    EXPECT_EQ(judge.reason(), QStringLiteral("5 of 5 captures inside the mask"));
    EXPECT_EQ(judge.captures(), 5);
    EXPECT_EQ(judge.failed(), 0);

    EXPECT_FALSE(judge.add(late));
    EXPECT_EQ(judge.verdict(), Verdict::Fail);
    EXPECT_EQ(judge.reason(), QStringLiteral("1 of 6 captures left the mask (channel B, 14 samples)"));
    ASSERT_EQ(judge.lastFailures().size(), 2u);
    EXPECT_TRUE(judge.lastFailures()[0].empty());
    EXPECT_EQ(judge.lastFailures()[1], range(260, 274));
    // A good capture after it: nothing to mark, the verdict stays.
    EXPECT_TRUE(judge.add(good));
    EXPECT_TRUE(judge.lastFailures()[1].empty());
    EXPECT_EQ(judge.verdict(), Verdict::Fail);
    EXPECT_EQ(judge.reason(), QStringLiteral("1 of 7 captures left the mask (channel B, 14 samples)"));
    EXPECT_EQ(judge.failed(), 1);

    // Starting again: the masks stay. A failure early still gives Fail once five are judged.
    judge.reset();
    EXPECT_EQ(judge.captures(), 0);
    EXPECT_EQ(judge.failed(), 0);
    EXPECT_EQ(judge.verdict(), Verdict::NotMeasured);
    EXPECT_EQ(judge.reason(), QStringLiteral("No capture yet: the test needs 5 triggered captures"));
    EXPECT_TRUE(judge.lastFailures()[1].empty());
    Frame spikeA = frameOf(sine);
    spikeA.values[7] = 9;
    EXPECT_FALSE(judge.add({spikeA, step(250)}));
    EXPECT_EQ(judge.verdict(), Verdict::NotMeasured);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(judge.add(good));
    EXPECT_EQ(judge.verdict(), Verdict::NotMeasured);
    EXPECT_EQ(judge.reason(), QStringLiteral("4 of 5 captures judged: the test needs 1 more"));
    EXPECT_TRUE(judge.add(good));
    EXPECT_EQ(judge.verdict(), Verdict::Fail);
    EXPECT_EQ(judge.reason(), QStringLiteral("1 of 5 captures left the mask (channel A, 1 sample)"));

    judge.reset();
    for (int i = 0; i < 5; ++i) judge.add(good);
    EXPECT_EQ(judge.verdict(), Verdict::Pass);
}

TEST(MaskJudge, ChannelsThatShowNothingOrAnotherTimeBase) {
    const Mask a = Mask::fromReference(frameOf(sine), {0, 0.3});
    const Mask b = Mask::fromReference(step(250), {1e-3, 0.2});
    MaskJudge judge({a, b}, 2);

    // Channel B shows nothing: an empty frame, then no frame at all.
    EXPECT_FALSE(judge.add({frameOf(sine), Frame{}}));
    EXPECT_FALSE(judge.add({frameOf(sine)}));
    EXPECT_EQ(judge.verdict(), Verdict::Fail);
    EXPECT_EQ(judge.reason(), QStringLiteral("2 of 2 captures left the mask (channel B, no trace)"));
    EXPECT_FALSE(judge.add({}));
    EXPECT_EQ(judge.reason(), QStringLiteral("3 of 3 captures left the mask (channel A, no trace; channel B, no trace)"));

    // Both channels on another timebase: they cannot be compared, whatever the count.
    judge.reset();
    Frame slowA = frameOf(sine), slowB = step(250);
    slowA.dt = slowB.dt = 2 * kDt;
    EXPECT_FALSE(judge.add({slowA, slowB}));
    EXPECT_EQ(judge.verdict(), Verdict::NotMeasured);
    EXPECT_EQ(judge.reason(), QStringLiteral("The time base is not the test's: the captures cannot be compared"));
    EXPECT_EQ(judge.lastFailures()[0], range(0, 501));
    EXPECT_FALSE(judge.add({slowA, slowB}));
    EXPECT_EQ(judge.verdict(), Verdict::Fail);
    EXPECT_EQ(judge.reason(), QStringLiteral("The time base is not the test's: the captures cannot be compared"));
    judge.reset();
    EXPECT_TRUE(judge.add({frameOf(sine), step(250)}));
    EXPECT_TRUE(judge.add({frameOf(sine), step(250)}));
    EXPECT_EQ(judge.verdict(), Verdict::Pass);
    EXPECT_EQ(judge.reason(), QStringLiteral("2 of 2 captures inside the mask"));
}

TEST(MaskJudge, WithoutAReferenceNothingIsJudged) {
    // No masks, or only empty ones: no capture is counted and the judge says why.
    for (MaskJudge judge : {MaskJudge(), MaskJudge({Mask(), Mask::fromReference(Frame{}, {})}, 0)}) {
        EXPECT_FALSE(judge.add({frameOf(sine), frameOf(sine)}));
        EXPECT_FALSE(judge.add({}));
        EXPECT_EQ(judge.captures(), 0);
        EXPECT_EQ(judge.verdict(), Verdict::NotMeasured);
        EXPECT_EQ(judge.reason(), QStringLiteral("The test has no reference trace: the captures cannot be judged"));
    }
    // An empty mask beside a real one leaves its channel unjudged; a required count below one is one.
    MaskJudge judge({Mask(), Mask::fromReference(frameOf(sine), {0, 0.3})}, 0);
    EXPECT_EQ(judge.required(), 1);
    EXPECT_TRUE(judge.add({Frame{}, frameOf(sine)}));
    EXPECT_EQ(judge.verdict(), Verdict::Pass);
    EXPECT_EQ(judge.reason(), QStringLiteral("1 of 1 captures inside the mask"));
}
