// The scope sweep, tick by tick: the waveform trace, the timebase and X shift, the four
// generators, Pause, and statements that fail on their own.
#include "multiscope/scopesweep.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

#include <vector>

namespace {

class ScopeSweepTest : public ::testing::Test {
protected:
    ScopeSweep sweep;
    ScopeControls controls;
    QString wave[msf::kRecords];
    std::vector<SweepTick> ticks;

    void SetUp() override {
        wave[0] = "DMM text";
        for (int i = 1; i <= 50; ++i) wave[i] = QString::number((i * 37) % 199 - 99);  // -99..99
        sweep.flyback();
    }
    // Runs n ticks; returns the levels drawn (from y = YS - V x level), NaN where nothing was.
    std::vector<double> run(int n) {
        std::vector<double> levels;
        for (int i = 0; i < n; ++i) {
            ticks.push_back(sweep.tick(controls, wave));
            const auto& s = ticks.back().segment;
            levels.push_back(s ? (controls.yShift - s->to.y()) / controls.volts : qQNaN());
        }
        return levels;
    }
    int firstEnd() const {
        for (size_t i = 0; i < ticks.size(); ++i)
            if (ticks[i].ended()) return int(i) + 1;
        return 0;
    }
};

}  // namespace

TEST_F(ScopeSweepTest, DefaultControlsDrawTheFiftySamplesAcrossTheScreen) {
    controls.reading = "Signal";
    run(51);
    for (int k = 1; k <= 50; ++k) {
        const auto& seg = ticks[k - 1].segment;
        ASSERT_TRUE(seg) << k;
        EXPECT_EQ(seg->to, QPointF(6 * (k - 1), 200 - 2 * wave[k].toDouble())) << k;
        EXPECT_EQ(seg->from, k == 1 ? QPointF(-5000, 0) : ticks[k - 2].segment->to);
        EXPECT_EQ(seg->width, 3);
        EXPECT_EQ(seg->color, QColor(128, 0, 0));
        EXPECT_FALSE(ticks[k - 1].ended());
    }
    EXPECT_FALSE(ticks[50].segment);
    EXPECT_TRUE(ticks[50].restarted);
    EXPECT_EQ(sweep.state().SweepX, -6);
    EXPECT_EQ(sweep.state().SampleIndex, 0);
    EXPECT_EQ(sweep.pen(), QPointF(-5000, 0));
}

TEST_F(ScopeSweepTest, TimebaseAndXShift) {
    controls.reading = "Signal";
    for (int T : {2, 3, 4}) {
        sweep.flyback();
        ticks.clear();
        controls.timebase = T;
        run(3);
        EXPECT_EQ(ticks[1].segment->to.x() - ticks[0].segment->to.x(), (T + 5) * T) << T;
    }
    // The shift moves the whole trace and the end with it.
    controls.timebase = 1;
    controls.xShift = 10;
    sweep.flyback();
    ticks.clear();
    run(60);
    EXPECT_EQ(ticks[0].segment->to.x(), 10);
    EXPECT_EQ(firstEnd(), 50);  // one tick early

    // Timebase 0: always at x = 0, no end; past sample 50 nothing is drawn.
    controls = ScopeControls();
    controls.reading = "Signal";
    controls.timebase = 0;
    sweep.flyback();
    ticks.clear();
    run(120);
    EXPECT_EQ(firstEnd(), 0);
    EXPECT_EQ(ticks[49].segment->to.x(), 0);
    EXPECT_FALSE(ticks[50].segment);
    EXPECT_FALSE(ticks[119].segment);
    EXPECT_EQ(sweep.state().SampleIndex, 120);
}

TEST_F(ScopeSweepTest, GeneratorLevels) {
    sweep.state().PhaseStep = 5;
    controls.reading = "Sine";
    const auto sine = run(4);
    EXPECT_EQ(sine, (std::vector<double>{14, 25, 30, 27}));  // 30 sin(0.5 k), rounded

    // The first tick after a switch still steps by the old PhaseStep (the sine's 5).
    sweep.flyback();
    controls.reading = "Triangle";
    EXPECT_EQ(run(3), (std::vector<double>{-35, 15, -35}));
    sweep.flyback();
    sweep.state().PhaseStep = 50;
    EXPECT_EQ(run(4), (std::vector<double>{10, -40, 10, -40}));

    sweep.flyback();
    sweep.state().PhaseStep = 10;
    controls.reading = "Sawtooth";
    EXPECT_EQ(run(9), (std::vector<double>{30, 20, 10, 0, -10, -20, -30, -40, 30}));

    sweep.flyback();
    sweep.state().PhaseStep = 50;
    controls.reading = "Square";
    ticks.clear();
    const auto sq = run(10);
    EXPECT_EQ(sq, (std::vector<double>{0, -25, -25, 25, 25, -25, -25, 25, 25, -25}));
    EXPECT_EQ(ticks[1].segment->to.x(), ticks[0].segment->to.x());  // vertical edge at a flip
    EXPECT_EQ(ticks[2].segment->to.x(), ticks[1].segment->to.x() + 6);

    // Any other reading: a level line at YS.
    sweep.flyback();
    controls.reading = "None";
    controls.yShift = 120;
    ticks.clear();
    run(3);
    EXPECT_EQ(ticks[2].segment->to.y(), 120);
}

TEST_F(ScopeSweepTest, SquareOffItsStepsDoesNotFlip) {
    sweep.state().Phase = 30;
    sweep.state().PhaseStep = 10;
    controls.reading = "Square";
    const auto levels = run(12);
    for (double l : levels) EXPECT_EQ(l, 0);
}

TEST_F(ScopeSweepTest, PauseStopsAtTheEdgeAndResumeRestarts) {
    controls.reading = "Signal";
    controls.paused = true;
    run(51);
    EXPECT_EQ(firstEnd(), 51);
    EXPECT_TRUE(ticks[50].stopped);
    EXPECT_FALSE(ticks[50].restarted);
    EXPECT_EQ(sweep.state().SweepX, 300);  // the finished trace stays

    controls.paused = false;
    run(1);
    EXPECT_TRUE(ticks[51].restarted);

    // Paused and resumed before the edge: the sweep simply goes on.
    ticks.clear();
    controls.paused = true;
    run(20);
    controls.paused = false;
    run(31);
    EXPECT_TRUE(ticks[50].restarted);
}

TEST_F(ScopeSweepTest, FailingStatementsAreSkippedAlone) {
    controls.reading = "Signal";
    wave[2] = "";
    wave[3] = "nan";
    wave[4] = "1e300";
    wave[5] = "-1e300";
    wave[6] = "12abc";
    run(7);
    for (int k = 2; k <= 6; ++k) EXPECT_FALSE(ticks[k - 1].segment) << k;
    EXPECT_EQ(ticks[6].segment->from, ticks[0].segment->to);  // from the last point drawn
    EXPECT_EQ(ticks[6].segment->to.x(), 36);

    // Focus 0 is refused: the width stays.
    controls.focus = 0;
    run(1);
    EXPECT_EQ(ticks[7].segment->width, 3);

    // An overflowing Phase skips only its own statement.
    sweep.state().Phase = 32000;
    sweep.state().PhaseStep = 1000;
    run(1);
    EXPECT_EQ(sweep.state().Phase, 32000);
    EXPECT_EQ(sweep.state().SampleIndex, 9);
    EXPECT_TRUE(ticks[8].segment);

    // A level line beyond 16 bits is not drawn, but the sweep still ends.
    controls.reading = "None";
    controls.volts = 5;
    sweep.state().TraceLevel = 10000;
    sweep.state().SweepX = 294;
    run(1);
    EXPECT_FALSE(ticks[9].segment);
    EXPECT_TRUE(ticks[9].restarted);

    // SweepX at its limit under timebase 0: it stops advancing, the trace still draws at 0.
    controls.timebase = 0;
    sweep.state().SweepX = 32765;
    sweep.state().TraceLevel = 0;
    run(1);
    EXPECT_EQ(sweep.state().SweepX, 32765);
    EXPECT_EQ(ticks[10].segment->to, QPointF(0, 200));
}

TEST_F(ScopeSweepTest, GeneratorsCloseTheWaveformChannel) {
    QTemporaryFile f;
    ASSERT_TRUE(f.open());
    f.write("1\r\n2\r\n");
    f.flush();
    msf::WaveformReader reader(f.fileName());
    controls.reading = "Signal";
    run(1);
    EXPECT_TRUE(reader.isOpen());
    controls.reading = "Triangle";
    run(1);
    EXPECT_FALSE(reader.isOpen());
}
