// Statistics of the measurements over many captures: figures over a known spread, captures
// without a value, a reset.
#include "multiscope/measurestats.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace scope;

namespace {

// A square wave of 501 samples, five periods, low 0 and high `top`.
Trace square(double top) {
    Trace t;
    t.sampleSeconds = 1e-4;
    for (int k = 0; k < 501; ++k) t.values.push_back((k / 50) % 2 ? 0.0 : top);
    return t;
}

}  // namespace

TEST(MeasureStats, HundredCapturesOfAKnownSpread) {
    // The tops are 4.505, 4.515, ... 5.495 V: evenly spread 0.01 V apart around 5 V. Their mean is
    // 5 V and, for n values a step h apart, the spread is h * sqrt((n*n - 1) / 12):
    // 0.01 * sqrt(9999 / 12) = 0.288661 V.
    MeasureStats maxima, frequency;
    for (int i = 0; i < 100; ++i) {
        // Taken in a shuffled order (7 is coprime with 100), so no figure depends on the order.
        const double top = 4.505 + 0.01 * ((i * 7) % 100);
        const Trace t = square(top);
        maxima.add(measure(t, Measurement::Maximum));
        frequency.add(measure(t, Measurement::Frequency));
    }
    const Statistics s = maxima.statistics();
    EXPECT_EQ(s.count, 100);
    EXPECT_NEAR(s.minimum, 4.505, 1e-12);
    EXPECT_NEAR(s.maximum, 5.495, 1e-12);
    EXPECT_NEAR(s.mean, 5.0, 1e-12);
    EXPECT_NEAR(s.deviation, 0.288661, 1e-6);
    ASSERT_TRUE(s.current);
    EXPECT_NEAR(*s.current, 4.505 + 0.01 * 93, 1e-12);  // the last one, i = 99

    // Every capture has the same period, 100 samples of 0.1 ms: 100 Hz with no spread.
    const Statistics f = frequency.statistics();
    EXPECT_EQ(f.count, 100);
    EXPECT_NEAR(f.mean, 100.0, 1e-6);
    EXPECT_NEAR(f.deviation, 0.0, 1e-9);
    EXPECT_EQ(statisticsText(f, Measurement::Frequency, "V").left(25), QStringLiteral("current 100.0 Hz, min 100"));
}

TEST(MeasureStats, LargeLevelsKeepTheirSmallSpread) {
    // Values a million volts up with a spread of 1 mV: a sum of squares would lose it.
    MeasureStats m;
    for (int i = 0; i < 100; ++i) m.add({true, 1e6 + (i % 2 ? 0.001 : -0.001), {}});
    EXPECT_NEAR(m.statistics().deviation, 0.001, 1e-7);
    EXPECT_NEAR(m.statistics().mean, 1e6, 1e-6);
}

TEST(MeasureStats, CapturesWithoutAValueAndResets) {
    MeasureStats m;
    Statistics s = m.statistics();
    EXPECT_FALSE(s.hasValues());
    EXPECT_FALSE(s.current);
    EXPECT_EQ(statisticsText(s, Measurement::Mean, "V"), QStringLiteral("no value"));

    // A flat line has no frequency: nothing counts, the current value is none.
    Trace flat;
    flat.sampleSeconds = 1e-4;
    flat.values.assign(501, 2.0);
    m.add(measure(flat, Measurement::Frequency));
    s = m.statistics();
    EXPECT_EQ(s.count, 0);
    EXPECT_EQ(statisticsText(s, Measurement::Frequency, "V"), QStringLiteral("no value"));

    m.add({true, 2.0, {}});
    m.add({true, 4.0, {}});
    m.add(measure(flat, Measurement::Frequency));  // the signal went: the current value goes too
    s = m.statistics();
    EXPECT_EQ(s.count, 2);
    EXPECT_FALSE(s.current);
    EXPECT_DOUBLE_EQ(s.mean, 3.0);
    EXPECT_DOUBLE_EQ(s.deviation, 1.0);
    EXPECT_EQ(statisticsText(s, Measurement::Mean, "V"),
              QStringLiteral("current no value, min 2.00 V, max 4.00 V, mean 3.00 V, \u03c3 1.00 V, n 2"));

    // Values that differ by the measuring's rounding alone (a frequency steady to a part in ten
    // million) show no spread rather than nanohertz of it.
    m.reset();
    for (double f : {4.4, 4.4 + 4e-7, 4.4 - 3e-7, 4.4 + 1e-7}) m.add({true, f, {}});
    EXPECT_GT(m.statistics().deviation, 0.0);
    EXPECT_EQ(statisticsText(m.statistics(), Measurement::Frequency, "V"),
              QStringLiteral("current 4.400 Hz, min 4.400 Hz, max 4.400 Hz, mean 4.400 Hz, \u03c3 0.000 Hz, n 4"));

    // One value has no spread.
    m.reset();
    m.add({true, -7.0, {}});
    s = m.statistics();
    EXPECT_EQ(s.count, 1);
    EXPECT_DOUBLE_EQ(s.minimum, -7.0);
    EXPECT_DOUBLE_EQ(s.maximum, -7.0);
    EXPECT_DOUBLE_EQ(s.deviation, 0.0);

    // The table keeps each channel's measurements apart and starts all over on a reset.
    StatisticsTable table;
    table.add(0, Measurement::Maximum, {true, 1.0, {}});
    table.add(1, Measurement::Maximum, {true, 3.0, {}});
    table.add(1, Measurement::Maximum, {true, 5.0, {}});
    EXPECT_EQ(table.statistics(0, Measurement::Maximum).count, 1);
    EXPECT_DOUBLE_EQ(table.statistics(1, Measurement::Maximum).mean, 4.0);
    EXPECT_FALSE(table.statistics(0, Measurement::Minimum).hasValues());
    table.reset();
    EXPECT_FALSE(table.statistics(1, Measurement::Maximum).hasValues());
}
