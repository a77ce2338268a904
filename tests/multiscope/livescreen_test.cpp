// The live screen's models on signals whose answers are known: the automatic measurements
// (levels, edges found through noise, the texts shown, the traces that give no timing at all);
// where the trigger finds its crossing, frames that stand still, what each trigger mode does
// when the signal stops, the roll sweep; and captures that read back as the screen showed them.
#include "testing.h"

#include "multiscope/acquisition.h"
#include "multiscope/capture.h"
#include "multiscope/measurements.h"
#include "multiscope/scopescreen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <set>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

using namespace scope;

namespace {

const double kPi = 3.14159265358979323846;
const std::vector<Measurement> kTiming = {Measurement::Frequency, Measurement::Period, Measurement::DutyCycle,
                                          Measurement::PulseWidth, Measurement::RiseTime};

// `count` samples of f(t), one every `dt` seconds.
Trace sampled(double dt, int count, const std::function<double(double)>& f) {
    Trace t;
    t.sampleSeconds = dt;
    for (int i = 0; i < count; ++i)
        t.values.push_back(f(i * dt));
    return t;
}

double value(const Trace& t, Measurement m) {
    const MeasuredValue v = measure(t, m);
    EXPECT_TRUE(v.valid) << measurementName(m).toStdString();
    return v.value;
}

QString text(const Trace& t, Measurement m, const QString& unit = QStringLiteral("V")) {
    return measure(t, m, unit).text;
}

void expectNoSignal(const Trace& t, Measurement m) {
    const MeasuredValue v = measure(t, m);
    EXPECT_FALSE(v.valid) << measurementName(m).toStdString();
    EXPECT_EQ(v.text, "no signal") << measurementName(m).toStdString();
    EXPECT_TRUE(std::isfinite(v.value)) << measurementName(m).toStdString();
}

}  // namespace

// A 1 kHz square, 0..5 V, high 30 % of each period, sampled at 100 kHz for five periods.
TEST(Measurements, SquareWaveLevelsTimingAndTexts) {
    const Trace t = sampled(1e-5, 500, [](double s) { return std::fmod(s * 1000 + 1e-9, 1.0) < 0.3 ? 5.0 : 0.0; });
    const double sample = t.sampleSeconds;

    EXPECT_DOUBLE_EQ(value(t, Measurement::Minimum), 0);
    EXPECT_DOUBLE_EQ(value(t, Measurement::Maximum), 5);
    EXPECT_DOUBLE_EQ(value(t, Measurement::PeakToPeak), 5);
    EXPECT_NEAR(value(t, Measurement::Mean), 1.5, 0.015);
    EXPECT_NEAR(value(t, Measurement::Rms), 5 * std::sqrt(0.3), 0.01 * 5 * std::sqrt(0.3));
    EXPECT_NEAR(value(t, Measurement::Frequency), 1000, 10);
    EXPECT_NEAR(value(t, Measurement::Period), 1e-3, sample);
    EXPECT_NEAR(value(t, Measurement::DutyCycle), 30, 0.3);
    EXPECT_NEAR(value(t, Measurement::PulseWidth), 0.3e-3, sample);
    EXPECT_LE(value(t, Measurement::RiseTime), sample);  // the edges jump within one sample

    EXPECT_EQ(text(t, Measurement::Frequency), "1.000 kHz");
    EXPECT_EQ(text(t, Measurement::Period), "1.00 ms");
    EXPECT_EQ(text(t, Measurement::DutyCycle), "30.0 %");
    EXPECT_EQ(text(t, Measurement::PulseWidth), QString::fromUtf8("300 \u00b5s"));
    EXPECT_EQ(text(t, Measurement::Maximum), "5.00 V");
    EXPECT_EQ(text(t, Measurement::Mean), "1.50 V");
    EXPECT_EQ(text(t, Measurement::Rms, QStringLiteral("A")), "2.74 A");
}

// A 50 Hz sine of 2 V amplitude around zero, ten periods at 10 kHz; and a small one in mV.
TEST(Measurements, SineAmplitudeRmsAndFrequency) {
    const Trace t = sampled(1e-4, 2000, [](double s) { return 2 * std::sin(2 * kPi * 50 * s); });
    EXPECT_NEAR(value(t, Measurement::Maximum), 2, 0.02);
    EXPECT_NEAR(value(t, Measurement::Minimum), -2, 0.02);
    EXPECT_NEAR(value(t, Measurement::PeakToPeak), 4, 0.04);
    EXPECT_NEAR(value(t, Measurement::Rms), 2 / std::sqrt(2.0), 0.01 * 2 / std::sqrt(2.0));
    EXPECT_NEAR(value(t, Measurement::Frequency), 50, 0.5);
    EXPECT_NEAR(value(t, Measurement::DutyCycle), 50, 0.5);
    // The mean of whole periods is zero, shown as such rather than as a rounding residue.
    EXPECT_NEAR(value(t, Measurement::Mean), 0, 1e-9);
    EXPECT_EQ(text(t, Measurement::Mean), "0.00 V");
    EXPECT_EQ(text(t, Measurement::Minimum), "-2.00 V");
    EXPECT_EQ(text(t, Measurement::Period), "20.0 ms");

    const Trace small = sampled(1e-4, 2000, [](double s) { return 0.05 * std::sin(2 * kPi * 50 * s); });
    EXPECT_EQ(text(small, Measurement::Maximum), "50.0 mV");
    EXPECT_NEAR(value(small, Measurement::Frequency), 50, 0.5);
}

// Rise time from 10 % to 90 % of the range: a sawtooth rising 0..10 V over each 2 ms period
// (the drops are falling edges and do not count), and one lone ramp over 1 ms.
TEST(Measurements, RiseTimeOfRamps) {
    const Trace saw = sampled(1e-5, 1000, [](double s) { return 10 * std::fmod(s * 500 + 1e-9, 1.0); });
    EXPECT_NEAR(value(saw, Measurement::RiseTime), 0.8 * 2e-3, saw.sampleSeconds);
    EXPECT_NEAR(value(saw, Measurement::Frequency), 500, 5);

    // Flat at 0 V for 1 ms, up to 12 V over 1 ms, flat after: one edge, no period.
    const Trace ramp = sampled(1e-5, 400, [](double s) { return 12 * std::clamp((s - 1e-3) / 1e-3, 0.0, 1.0); });
    EXPECT_NEAR(value(ramp, Measurement::RiseTime), 0.8e-3, ramp.sampleSeconds);
    EXPECT_EQ(text(ramp, Measurement::RiseTime), QString::fromUtf8("800 \u00b5s"));
    expectNoSignal(ramp, Measurement::Frequency);
    expectNoSignal(ramp, Measurement::Period);
}

// A 1 kHz square with slow edges (0.4 ms) and noise: around the middle the noisy edge crosses
// back and forth, which must still count as one edge.
TEST(Measurements, NoisySquareCountsEachEdgeOnce) {
    std::mt19937 generator(7);
    const auto noise = [&] { return 0.48 * (double(generator()) / 4294967296.0 - 0.5); };  // +-0.24 V
    const auto square = [](double s) {
        const double phase = std::fmod(s * 1000 + 1e-9, 1.0);  // ramp up 0..0.4, high to 0.5, down to 0.9
        const double level = phase < 0.4 ? phase / 0.4 : phase < 0.5 ? 1 : phase < 0.9 ? (0.9 - phase) / 0.4 : 0;
        return 5 * level;
    };
    const Trace t = sampled(1e-5, 1000, [&](double s) { return square(s) + noise(); });

    // The test is only worth its name if the noise really crosses the middle more than once per edge.
    int crossings = 0;
    for (size_t i = 1; i < t.values.size(); ++i)
        crossings += (t.values[i - 1] < 2.5) != (t.values[i] < 2.5);
    ASSERT_GT(crossings, 2 * 10);

    EXPECT_NEAR(value(t, Measurement::Frequency), 1000, 10);
    EXPECT_NEAR(value(t, Measurement::Period), 1e-3, t.sampleSeconds);
    // Middle of the rising edge at 0.2, of the falling edge at 0.7 of the period.
    EXPECT_NEAR(value(t, Measurement::PulseWidth), 0.5e-3, 2 * t.sampleSeconds);
    EXPECT_NEAR(value(t, Measurement::DutyCycle), 50, 2);
}

// A flat line has levels but no timing, also with a wobble far below its size; an empty trace
// has nothing at all.
TEST(Measurements, FlatAndEmptyTracesGiveNoSignal) {
    const Trace flat = sampled(1e-5, 1000, [](double) { return 12.4; });
    EXPECT_DOUBLE_EQ(value(flat, Measurement::Minimum), 12.4);
    EXPECT_DOUBLE_EQ(value(flat, Measurement::Maximum), 12.4);
    EXPECT_NEAR(value(flat, Measurement::Mean), 12.4, 1e-9);
    EXPECT_EQ(text(flat, Measurement::Mean), "12.4 V");
    EXPECT_EQ(text(flat, Measurement::PeakToPeak), "0.00 V");
    for (Measurement m : kTiming)
        expectNoSignal(flat, m);

    const Trace wobble = sampled(1e-5, 1000, [](double s) { return 12.4 + 1e-12 * std::sin(1e4 * s); });
    for (Measurement m : kTiming)
        expectNoSignal(wobble, m);

    const Trace zero = sampled(1e-5, 1000, [](double) { return 0.0; });
    for (Measurement m : kTiming)
        expectNoSignal(zero, m);

    Trace empty;
    empty.sampleSeconds = 1e-5;
    for (int m = int(Measurement::Minimum); m <= int(Measurement::RiseTime); ++m)
        expectNoSignal(empty, Measurement(m));
}

// One 0.7 ms pulse of 5 V on 0 V: its width, but no period.
TEST(Measurements, SinglePulseHasWidthButNoPeriod) {
    const Trace t = sampled(1e-5, 500, [](double s) { return s >= 2e-3 && s < 2.7e-3 ? 5.0 : 0.0; });
    EXPECT_NEAR(value(t, Measurement::PulseWidth), 0.7e-3, t.sampleSeconds);
    EXPECT_EQ(text(t, Measurement::PulseWidth), QString::fromUtf8("700 \u00b5s"));
    expectNoSignal(t, Measurement::Frequency);
    expectNoSignal(t, Measurement::Period);
    expectNoSignal(t, Measurement::DutyCycle);

    // A trace that starts in the middle of a pulse has no complete one.
    const Trace cut = sampled(1e-5, 500, [](double s) { return s < 1e-3 ? 5.0 : 0.0; });
    expectNoSignal(cut, Measurement::PulseWidth);
}

// Prefixes across the range, and a value that rounds up into the next prefix.
TEST(Measurements, TextsUsePrefixesWithThreeSignificantDigits) {
    EXPECT_EQ(formatSi(0.0026, "s"), "2.60 ms");
    EXPECT_EQ(formatSi(12400, "V"), "12.4 kV");
    EXPECT_EQ(formatSi(999.7, "V"), "1.00 kV");
    EXPECT_EQ(formatSi(0.00099996, "s"), QString::fromUtf8("1.00 ms"));
    EXPECT_EQ(formatSi(-0.0123, "V"), "-12.3 mV");
    EXPECT_EQ(formatSi(4.5e-6, "s"), QString::fromUtf8("4.50 \u00b5s"));
    EXPECT_EQ(formatSi(999.96, "Hz", 4), "1.000 kHz");

    std::set<QString> names;
    for (int m = int(Measurement::Minimum); m <= int(Measurement::RiseTime); ++m)
        names.insert(measurementName(Measurement(m)));
    EXPECT_EQ(names.size(), 10u);
    EXPECT_EQ(names.count(QString()), 0u);
}

namespace {
double sine(double hz, double t) { return std::sin(2 * kPi * hz * t); }

Trigger normal(double level, Edge edge = Edge::Rising) {
    Trigger t;
    t.mode = TriggerMode::Normal;
    t.level = level;
    t.edge = edge;
    return t;
}
}  // namespace

TEST(Acquisition, LatestCrossingIsFoundBetweenSamplesOnTheRightEdge) {
    const Sampler s = [](double t) { return sine(1000, t); };
    // sin = 0.5 going up at 1/12 ms past each whole millisecond, going down at 5/12 ms.
    const auto up = latestCrossing(s, 0, 3e-3, 7e-6, 0.5, Edge::Rising);
    ASSERT_TRUE(up);
    EXPECT_NEAR(*up, 2e-3 + 1e-3 / 12, 1e-9);
    const auto down = latestCrossing(s, 0, 3e-3, 7e-6, 0.5, Edge::Falling);
    ASSERT_TRUE(down);
    EXPECT_NEAR(*down, 2e-3 + 5e-3 / 12, 1e-9);
    EXPECT_FALSE(latestCrossing(s, 0, 3e-3, 7e-6, 1.5, Edge::Rising));
    EXPECT_FALSE(latestCrossing(s, 3e-3, 1e-3, 7e-6, 0.5, Edge::Rising));  // an empty span
}

TEST(Acquisition, TriggeredFramesOfARepeatingSignalStandStill) {
    // 800 Hz, looked at every 0.1 s (a whole number of periods apart and not) at 0.5 ms/div.
    const Sampler s = [](double t) { return 3 * sine(800, t) + (sine(800, t) > 0.9 ? 1 : 0); };
    Acquisition a;
    const Trigger t = normal(1.0);
    ASSERT_TRUE(a.update(s, 1.0, 5e-4, t));
    const Frame first = a.frame();
    ASSERT_EQ(first.values.size(), std::size_t(kFramePoints));
    EXPECT_EQ(a.status(), Status::Triggered);
    // The trigger point in the middle of the screen, on the level.
    EXPECT_NEAR(first.values[kFramePoints / 2], 1.0, 0.05);
    for (double now : {1.1, 1.2375, 1.4, 2.0}) {
        ASSERT_TRUE(a.update(s, now, 5e-4, t));
        for (int k = 0; k < kFramePoints; k += 25) EXPECT_NEAR(a.frame().values[std::size_t(k)], first.values[std::size_t(k)], 1e-6);
        // Nothing after the frame's end is later than now: the screen shows what has passed.
        EXPECT_LE(a.frame().start + (kFramePoints - 1) * a.frame().dt, now + 1e-12);
    }
}

TEST(Acquisition, EachModeWhenTheSignalStopsCrossing) {
    // A sine that dies at t = 1 s.
    const Sampler s = [](double t) { return t < 1 ? sine(100, t) : 0.0; };
    Acquisition normalA, autoA, singleA;
    Trigger n = normal(0.2), au = n, single = n;
    au.mode = TriggerMode::Auto;
    single.mode = TriggerMode::Single;
    ASSERT_TRUE(normalA.update(s, 0.9, 1e-3, n));
    ASSERT_TRUE(autoA.update(s, 0.9, 1e-3, au));
    ASSERT_TRUE(singleA.update(s, 0.9, 1e-3, single));
    EXPECT_EQ(singleA.status(), Status::Stopped);
    const Frame kept = singleA.frame();
    // The look at 1.2 s still finds the last crossings before the signal died.
    ASSERT_TRUE(normalA.update(s, 1.2, 1e-3, n));
    ASSERT_TRUE(autoA.update(s, 1.2, 1e-3, au));
    EXPECT_LT(normalA.frame().start, 1.0);
    const Frame held = normalA.frame();

    // Normal keeps the last triggered frame and waits; Auto shows the flat line untriggered.
    EXPECT_FALSE(normalA.update(s, 1.5, 1e-3, n));
    EXPECT_EQ(normalA.status(), Status::Waiting);
    EXPECT_EQ(normalA.frame().values, held.values);
    EXPECT_TRUE(autoA.update(s, 1.5, 1e-3, au));
    EXPECT_EQ(autoA.status(), Status::FreeRunning);
    EXPECT_FALSE(autoA.frame().triggered);
    EXPECT_DOUBLE_EQ(autoA.frame().values.back(), 0.0);

    // Single took one frame and stays stopped, even while the signal still crosses.
    EXPECT_FALSE(singleA.update(s, 0.95, 1e-3, single));
    EXPECT_EQ(singleA.frame().values, kept.values);
    singleA.reset();  // armed again
    EXPECT_TRUE(singleA.update(s, 0.97, 1e-3, single));
    EXPECT_NE(singleA.frame().start, kept.start);
}

TEST(Acquisition, RollDrawsTheSignalAsItComes) {
    const Sampler s = [](double t) { return t; };
    Acquisition a;
    Trigger roll;
    roll.mode = TriggerMode::Roll;
    // 0.5 s a division: a sweep of 5 s in real time.
    ASSERT_TRUE(a.update(s, 10.0, 0.5, roll));
    EXPECT_EQ(a.frame().values.size(), 1u);
    ASSERT_TRUE(a.update(s, 11.25, 0.5, roll));
    EXPECT_NEAR(a.rollShare(), 0.25, 0.01);
    EXPECT_LE(a.frame().values.back(), 11.25 + 1e-9);
    EXPECT_GE(a.frame().values.back(), 11.25 - 0.011);
    // The sweep's end starts a new one at the left edge; the one before is kept whole.
    EXPECT_TRUE(a.lastSweep().values.empty());
    ASSERT_TRUE(a.update(s, 15.01, 0.5, roll));
    EXPECT_EQ(a.frame().values.size(), 1u);
    EXPECT_DOUBLE_EQ(a.frame().start, 15.01);
    ASSERT_EQ(a.lastSweep().values.size(), std::size_t(kFramePoints));
    EXPECT_NEAR(a.lastSweep().values.back(), 15.0, 1e-9);
}

TEST(Capture, WaveformRecordsReadBackAsTheScreenShowedThem) {
    // A 1 kHz sine of 2 V at 1 V a division, 501 samples across the screen.
    std::vector<double> v;
    for (int k = 0; k < kFramePoints; ++k) v.push_back(2 * sine(1000, k * 2e-5));
    const QStringList records = captureRecords(v, 1.0, "  1.4 V (ac)");
    ASSERT_EQ(records.size(), 51);
    EXPECT_EQ(records[0], "  1.4 V (ac)");
    const std::vector<double> back = levelsOfRecords(records.mid(1), 1.0);
    ASSERT_EQ(back.size(), 50u);
    EXPECT_NEAR(back.front(), v.front(), 0.01);
    EXPECT_NEAR(back.back(), v.back(), 0.01);
    for (int i = 0; i < 50; ++i) EXPECT_NEAR(back[std::size_t(i)], v[std::size_t(std::lround(i * 500.0 / 49))], 0.01);
    // Off the editor's range: kept at its limit.
    EXPECT_EQ(captureRecords({10.0}, 1.0, "")[1], "99");
    EXPECT_EQ(captureRecords({-10.0}, 1.0, "")[1], "-99");
}

TEST(Capture, AReferenceSampleThatIsNoNumberIsLeftOutNotDrawnAtZero) {
    const std::vector<double> levels = levelsOfRecords({"66.7", "nan", "volts", "1e400", "", "-33.3"}, 3.0);
    ASSERT_EQ(levels.size(), 6u);
    EXPECT_NEAR(levels[0], 6.0, 0.01);
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(std::isnan(levels[std::size_t(i)])) << i << ": " << levels[std::size_t(i)];
    EXPECT_NEAR(levels[5], -3.0, 0.01);
}

TEST(Cursors, AValueThatIsNoNumberLeavesTheCursorWhereItWas) {
    Cursors c;
    c.place(CursorId::T1, 4.5);
    c.place(CursorId::V1, 7);
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        c.place(CursorId::T1, bad);
        c.move(CursorId::V1, bad);
    }
    EXPECT_DOUBLE_EQ(c.position(CursorId::T1), 4.5);
    EXPECT_DOUBLE_EQ(c.position(CursorId::V1), 7.0);
    c.place(CursorId::T1, 1e9);  // a finite number off the screen stops at its edge
    EXPECT_DOUBLE_EQ(c.position(CursorId::T1), 10.0);
}

TEST(Capture, CsvHasAHeaderAndARowPerSampleOfEveryColumn) {
    // One trace alone: its samples as they are.
    const QStringList one = QString::fromUtf8(captureCsvColumns({{"Engine speed", "V", {0, 1.5, -2.25}, 1e-4}}))
                                .split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(one.size(), 4);
    EXPECT_EQ(one[0], "Time (s),Engine speed (V)");
    EXPECT_EQ(one[2], "0.0001,1.5");
    EXPECT_EQ(one[3], "0.0002,-2.25");
    // A second column at half the rate is read between its samples; beyond its last sample and
    // where it holds no number the cell is empty. A heading with a comma or a quote stays one
    // field.
    const std::vector<CsvColumn> columns = {{"A", "V", {0, 1, 2, 3, 4}, 0.5},
                                            {"B: Starter supply (starting window, at the part)", "A", {10, 20, 30}, 1.0},
                                            {"Ref \"good\"", "V", {5, NAN, 7}, 0.5}};
    const QStringList lines = QString::fromUtf8(captureCsvColumns(columns)).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "Time (s),A (V),\"B: Starter supply (starting window, at the part) (A)\",\"Ref \"\"good\"\" (V)\"");
    EXPECT_EQ(lines[1], "0,0,10,5");
    EXPECT_EQ(lines[2], "0.5,1,15,");
    EXPECT_EQ(lines[3], "1,2,20,7");
    EXPECT_EQ(lines[4], "1.5,3,25,");
    EXPECT_EQ(lines[5], "2,4,30,");
    EXPECT_EQ(captureCsvColumns({}), QByteArray("Time (s)\r\n"));
}

TEST(Acquisition, OtherChannelsAreSampledAtTheTriggerChannelsInstants) {
    // A on a 100 Hz sine triggered rising through zero at the screen's middle; B the same sine a
    // quarter period later. B's frame, taken at A's instants, stands a quarter period behind A's:
    // at the trigger point A is at zero going up, B at its lowest.
    constexpr double kF = 100, kPiHere = 3.14159265358979323846;
    const Sampler a = [](double t) { return std::sin(2 * kPiHere * kF * t); };
    const Sampler b = [](double t) { return std::sin(2 * kPiHere * kF * (t - 0.25 / kF)); };
    Acquisition acq;
    Trigger trig;
    trig.mode = TriggerMode::Normal;
    ASSERT_TRUE(acq.update(a, 1.0, 1e-3, trig));
    const Frame& fa = acq.frame();
    const Frame fb = sampleFrame(b, fa.start, fa.dt, int(fa.values.size()), fa.triggered);
    ASSERT_EQ(fb.values.size(), fa.values.size());
    EXPECT_EQ(fb.start, fa.start);
    EXPECT_TRUE(fb.triggered);
    const std::size_t middle = fa.values.size() / 2;
    EXPECT_NEAR(fa.values[middle], 0, 0.02);
    EXPECT_NEAR(fb.values[middle], -1, 0.02);
    // Peaks: a spike narrower than the samples' spacing is kept by the point that holds it.
    sim::SignalShape shape;
    shape.period = 0.5;
    shape.features = {{0.2503, 1e-6, 9.0}};
    shape.lowest = 0;
    shape.highest = 9;
    const Frame spiked = sampleFrame([](double) { return 0.0; }, 0.0, 1e-3, 501, false, &shape);
    const auto top = std::max_element(spiked.highs.begin(), spiked.highs.end());
    EXPECT_DOUBLE_EQ(*top, 9.0);
    EXPECT_EQ(top - spiked.highs.begin(), 250);
    EXPECT_DOUBLE_EQ(*std::max_element(spiked.values.begin(), spiked.values.end()), 0.0);
    EXPECT_TRUE(sampleFrame(a, 0, 1e-3, 0, false).values.empty());
}

TEST(Acquisition, RangesReadAsRoundNumbers) {
    EXPECT_EQ(perDivisionText(2, "V"), "2 V/div");
    EXPECT_EQ(perDivisionText(0.2, "V"), "200 mV/div");
    EXPECT_EQ(perDivisionText(5e-4, "s"), QString::fromUtf8("500 \u00b5s/div"));
    EXPECT_EQ(perDivisionText(0.5, "kV"), "500 V/div");
}
