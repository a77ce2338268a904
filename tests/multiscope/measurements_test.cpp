// The automatic measurements on generated traces whose answers are known: levels, edges found
// through noise, the texts shown, and the traces that give no timing at all.
#include "testing.h"

#include "multiscope/measurements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <set>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

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
