// The scope sweep tick by tick: the waveform trace, timebase and X shift, the generators,
// Pause, and samples that cannot be drawn.
#include "multiscope/scopesweep.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ScopeSweepTest : ::testing::Test {
    ScopeSweep sweep;
    ScopeControls controls;
    QString wave[msf::kRecords];
    std::vector<SweepTick> ticks;

    void SetUp() override {
        for (int i = 1; i <= 50; ++i) wave[i] = QString::number((i * 37) % 199 - 99);  // -99..99
        sweep.flyback();
        controls.reading = "Signal";
    }
    // Runs n ticks; the levels drawn (y = YS - V x level), 999 where nothing was drawn.
    std::vector<double> run(int n, const QString& reading = QString()) {
        if (!reading.isEmpty()) controls.reading = reading;
        std::vector<double> levels;
        for (int i = 0; i < n; ++i) {
            ticks.push_back(sweep.tick(controls, wave));
            const auto& s = ticks.back().segment;
            levels.push_back(s ? (controls.yShift - s->to.y()) / controls.volts : 999);
        }
        return levels;
    }
    QPointF at(int tick) const { return ticks.at(tick - 1).segment.value().to; }  // 1-based
    int firstEnd() const {
        for (size_t i = 0; i < ticks.size(); ++i)
            if (ticks[i].ended()) return int(i) + 1;
        return 0;
    }
};

}  // namespace

TEST_F(ScopeSweepTest, DefaultControlsDrawTheFiftySamplesAcrossTheScreen) {
    run(51);
    EXPECT_EQ(ticks[0].segment->from, QPointF(-5000, 0));
    for (int k = 1; k <= 50; ++k) {
        EXPECT_EQ(at(k), QPointF(6 * (k - 1), 200 - 2 * wave[k].toDouble())) << k;
        if (k > 1) EXPECT_EQ(ticks[k - 1].segment->from, at(k - 1));
    }
    EXPECT_FALSE(ticks[50].segment);
    EXPECT_EQ(firstEnd(), 51);
    EXPECT_TRUE(ticks[50].restarted);
}

TEST_F(ScopeSweepTest, TimebaseAndXShift) {
    for (int T : {2, 3, 4}) {
        controls.timebase = T;
        run(2);
        EXPECT_EQ(at(ticks.size()).x() - at(ticks.size() - 1).x(), (T + 5) * T) << T;
    }
    ticks.clear();
    sweep.flyback();
    controls.timebase = 1;
    controls.xShift = 10;  // shifts the trace and its end
    run(51);
    EXPECT_EQ(at(1).x(), 10);
    EXPECT_EQ(firstEnd(), 50);

    ticks.clear();
    sweep.flyback();
    controls.timebase = 0;  // always at x = 0, no end; nothing past sample 50
    const auto levels = run(120);
    EXPECT_EQ(firstEnd(), 0);
    EXPECT_EQ(at(50).x(), 0);
    EXPECT_EQ(std::count(levels.begin(), levels.end(), 999), 70);
}

TEST_F(ScopeSweepTest, GeneratorLevels) {
    sweep.state().PhaseStep = 5;
    EXPECT_EQ(run(4, "Sine"), (std::vector<double>{14, 25, 30, 27}));
    sweep.flyback();  // the first tick after a switch still steps by the old PhaseStep
    EXPECT_EQ(run(3, "Triangle"), (std::vector<double>{-35, 15, -35}));
    sweep.flyback();
    sweep.state().PhaseStep = 50;
    EXPECT_EQ(run(4), (std::vector<double>{10, -40, 10, -40}));
    sweep.flyback();
    sweep.state().PhaseStep = 10;
    EXPECT_EQ(run(9, "Sawtooth"), (std::vector<double>{30, 20, 10, 0, -10, -20, -30, -40, 30}));
    sweep.state().Phase = 30;  // Square off its steps: no flip, the level stays
    EXPECT_EQ(run(6, "Square"), std::vector<double>(6, 30));
    ticks.clear();
    sweep.flyback();
    sweep.state().PhaseStep = 50;
    EXPECT_EQ(run(10), (std::vector<double>{0, -25, -25, 25, 25, -25, -25, 25, 25, -25}));
    EXPECT_EQ(at(2).x(), at(1).x());  // a flip is a vertical edge
    EXPECT_EQ(at(3).x(), at(2).x() + 6);
    sweep.flyback();
    controls.yShift = 120;
    EXPECT_EQ(run(2, "None"), std::vector<double>(2, 0));  // a level line at YS
}

TEST_F(ScopeSweepTest, PauseStopsAtTheEdgeAndResumeRestarts) {
    controls.paused = true;
    run(51);
    EXPECT_TRUE(ticks[50].stopped);
    EXPECT_FALSE(ticks[50].restarted);
    EXPECT_EQ(sweep.state().SweepX, 300);
    controls.paused = false;
    run(1);
    EXPECT_TRUE(ticks[51].restarted);

    ticks.clear();  // paused and resumed before the edge: the sweep goes on
    controls.paused = true;
    run(20);
    controls.paused = false;
    run(31);
    EXPECT_TRUE(ticks[50].restarted);
}

TEST_F(ScopeSweepTest, SamplesThatAreNoNumberToDrawAreSkipped) {
    wave[2] = "";
    wave[3] = "nan";
    wave[4] = "1e300";
    wave[5] = "12abc";
    const auto levels = run(6);
    EXPECT_EQ(std::vector<double>(levels.begin() + 1, levels.end() - 1), std::vector<double>(4, 999));
    EXPECT_EQ(ticks[5].segment->from, at(1));  // from the last point drawn
    EXPECT_EQ(at(6).x(), 30);
}
