// The guided tests' library and runner: every part the car has a test, every test's one set of
// settings shows its signal whole on a healthy car (the trigger comes, the trace stays on the
// screen and is no flat line where a wave is expected), and the reference is the healthy
// model's, the same each time it is made.
#include "testing.h"

#include "multiscope/guidedtests.h"
#include "sim/catalogue.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <cmath>
#include <set>

using guided::GuidedTest;
using sim::PointId;

namespace {

const GuidedTest& test(const char* key) {
    const GuidedTest* t = guided::testForKey(QString::fromLatin1(key));
    EXPECT_NE(t, nullptr) << key;
    static const GuidedTest none{};
    return t ? *t : none;
}

}  // namespace

TEST(GuidedTests, EveryPartHasATestAndSomeUseSeveralChannels) {
    // The quantities a part of the car is measured by: each has a test that probes it.
    std::set<sim::Quantity> probed;
    int multi = 0;
    std::set<QString> keys;
    for (const GuidedTest& t : guided::library()) {
        EXPECT_TRUE(keys.insert(t.key).second) << "two tests share the key " << t.key.toStdString();
        EXPECT_FALSE(t.purpose.isEmpty() || t.lookFor.isEmpty() || t.figures.isEmpty() || t.component.isEmpty())
            << t.key.toStdString();
        EXPECT_FALSE(t.circuits.empty()) << t.key.toStdString();
        ASSERT_FALSE(t.channels.empty()) << t.key.toStdString();
        ASSERT_LT(t.triggerChannel, int(t.channels.size())) << t.key.toStdString();
        for (const guided::TestChannel& c : t.channels) {
            probed.insert(sim::point(c.point).quantity);
            // The channel's point lies on a circuit the test says it looks at.
            EXPECT_NE(std::find(t.circuits.begin(), t.circuits.end(), sim::point(c.point).circuit), t.circuits.end())
                << t.key.toStdString() << ": " << sim::point(c.point).key;
        }
        if (t.channels.size() >= 2) ++multi;
    }
    for (sim::Quantity q : {sim::Quantity::EngineSpeed, sim::Quantity::EngineLoad, sim::Quantity::Temperature,
                            sim::Quantity::Lambda, sim::Quantity::Knock, sim::Quantity::Injector,
                            sim::Quantity::CoilDwell, sim::Quantity::SparkTiming, sim::Quantity::FuelPump,
                            sim::Quantity::StarterSupply, sim::Quantity::StarterSpeed, sim::Quantity::SystemVoltage})
        EXPECT_TRUE(probed.count(q)) << "no guided test probes " << sim::captionOf(q).toStdString();
    EXPECT_GE(multi, 2);
    EXPECT_EQ(guided::testForKey(QStringLiteral("no-such-test")), nullptr);
}

TEST(GuidedTests, EachTestsSettingsShowItsSignalWholeOnAHealthyCar) {
    for (const GuidedTest& t : guided::library()) {
        SCOPED_TRACE(t.key.toStdString());
        const SimState s = guided::stateFor(t.state);
        const auto captures = guided::capture(t, s, sim::FaultSet(), 5);
        ASSERT_EQ(captures.size(), 5u) << "the trigger does not come often enough";
        for (const auto& frames : captures) {
            ASSERT_EQ(frames.size(), t.channels.size());
            for (std::size_t c = 0; c < frames.size(); ++c) {
                const scope::Frame& f = frames[c];
                ASSERT_EQ(f.values.size(), std::size_t(scope::kFramePoints));
                const guided::TestChannel& ch = t.channels[c];
                // On the screen: between its bottom and top edges at the channel's scale.
                const double top = ch.zero * ch.perDivision, bottom = -(scope::kDivisionsY - ch.zero) * ch.perDivision;
                const double high = *std::max_element(f.highs.begin(), f.highs.end());
                const double low = *std::min_element(f.lows.begin(), f.lows.end());
                EXPECT_LE(high, top + 1e-9) << "channel " << c << " runs off the top";
                EXPECT_GE(low, bottom - 1e-9) << "channel " << c << " runs off the bottom";
                // Something to see: a wave taller than the line's width, or a steady level (a sensor's
                // voltage) well clear of the zero line.
                const double level = std::abs(f.values[f.values.size() / 2]) / ch.perDivision;
                EXPECT_TRUE((high - low) / ch.perDivision > 0.02 || level > 0.2)
                    << "channel " << c << " is a flat line on its zero";
            }
        }
    }
}

TEST(GuidedTests, TheReferenceIsTheHealthyModelsAndTheSameEachTime) {
    const GuidedTest& crank = test("crank-sensor");
    const auto a = guided::reference(crank), b = guided::reference(crank);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(a[0].values, b[0].values);
    EXPECT_TRUE(a[0].triggered);
    // Triggered on the gap at the middle of the screen: the gap's taller swing crosses 2.5 V there.
    const std::size_t middle = a[0].values.size() / 2;
    EXPECT_NEAR(a[0].values[middle], 2.5, 0.3);
    // Two channels: the injector's frame taken at the crank's instants.
    const auto both = guided::reference(test("crank-injector"));
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].start, both[1].start);
    EXPECT_EQ(both[0].dt, both[1].dt);
    // The injector pulls its side to near 0 V while it is open, somewhere on the screen.
    EXPECT_LT(*std::min_element(both[1].values.begin(), both[1].values.end()), 1.0);
}

TEST(GuidedTests, StatesAreTheCarsAsTheTestsNameThem) {
    EXPECT_EQ(guided::stateFor(guided::EngineState::Idle).EngineSpeed, 800);
    EXPECT_EQ(guided::stateFor(guided::EngineState::Rpm3000).EngineSpeed, 3000);
    const SimState crank = guided::stateFor(guided::EngineState::Cranking);
    EXPECT_EQ(crank.EngineCranking, True);
    EXPECT_NE(crank.EngineRunning, True);
    EXPECT_GT(crank.EngineSpeed, 0);
    const SimState key = guided::stateFor(guided::EngineState::IgnitionOn);
    EXPECT_EQ(key.IgnitionOn, True);
    EXPECT_EQ(key.EngineSpeed, 0);
    // A starter that cannot turn leaves the engine still with the key at start.
    sim::FaultSet seized;
    seized.set(35);
    EXPECT_EQ(guided::stateFor(guided::EngineState::Cranking, seized).EngineSpeed, 0);
}

TEST(GuidedTests, TheGuideHasAPageSectionForEveryTestThatSetsItUp) {
    QFile file(qEnvironmentVariable("VANTOREL_DATA") + QStringLiteral("/help/guided-tests.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the guide's page of the guided tests";
    const QString page = QString::fromUtf8(file.readAll());
    for (const GuidedTest& t : guided::library()) {
        SCOPED_TRACE(t.key.toStdString());
        const qsizetype at = page.indexOf(QStringLiteral("<h2 id=\"%1\">").arg(t.key));
        ASSERT_GE(at, 0) << "no section";
        const qsizetype next = page.indexOf(QStringLiteral("<h2"), at + 4);
        const QString section = page.mid(at, next < 0 ? -1 : next - at);
        EXPECT_TRUE(section.contains(t.title.toHtmlEscaped())) << "the section has another title";
        EXPECT_TRUE(section.contains(QStringLiteral("href=\"vantorel:guided/%1\"").arg(t.key))) << "no link that sets it up";
    }
}

