// The session: what the user set, and the change signals the windows follow.
#include "sim/session.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct FaultLog {
    std::vector<std::pair<int, bool>> changes;
    explicit FaultLog(sim::Session& s) {
        QObject::connect(&s, &sim::Session::faultChanged,
                         [this](int n, bool present) { changes.emplace_back(n, present); });
    }
};

TEST(Session, FaultsChangeOnlyWhenTheyDifferAndSayWhichOne) {
    sim::Session s;
    FaultLog log(s);
    s.setFaultPresent(sim::FaultId::KnockSensorFailed, true);  // box 6
    s.setFaultPresent(6, true);                                  // already in: no signal
    EXPECT_TRUE(s.faultPresent(6));
    EXPECT_TRUE(s.faults()[6]);
    EXPECT_EQ(s.faults().count(), 1u);
    s.setFaultPresent(6, false);
    EXPECT_FALSE(s.faultPresent(sim::FaultId::KnockSensorFailed));
    const std::vector<std::pair<int, bool>> expected = {{6, true}, {6, false}};
    EXPECT_EQ(log.changes, expected);
}

TEST(Session, ANumberThatIsNoFaultIsRefusedAndChangesNothing) {
    sim::Session s;
    FaultLog log(s);
    for (int n : {0, -1, 45, 1000}) {
        EXPECT_FALSE(s.setFaultPresent(n, true)) << n;
        EXPECT_FALSE(s.faultPresent(n)) << n;
    }
    EXPECT_TRUE(s.faults().none());
    EXPECT_TRUE(log.changes.empty());
    // The first and the last box are faults.
    EXPECT_TRUE(s.setFaultPresent(1, true));
    EXPECT_TRUE(s.setFaultPresent(44, true));
    EXPECT_EQ(s.faults().count(), 2u);
}

TEST(Session, ClearingRepairsEachPresentFaultWithItsOwnSignal) {
    sim::Session s;
    s.setFaultPresent(3, true);
    s.setFaultPresent(40, true);
    FaultLog log(s);
    s.clearFaults();
    EXPECT_TRUE(s.faults().none());
    const std::vector<std::pair<int, bool>> expected = {{3, false}, {40, false}};
    EXPECT_EQ(log.changes, expected);
    s.clearFaults();  // nothing left to repair
    EXPECT_EQ(log.changes.size(), 2u);
}

TEST(Session, ControlsSignalOnlyARealChangeAndKeepTheOthers) {
    sim::Session s;
    int changes = 0;
    QObject::connect(&s, &sim::Session::controlsChanged, [&] { ++changes; });
    // At rest: neutral, throttle off, no auto run.
    EXPECT_EQ(s.controls().gear, 0);
    EXPECT_EQ(s.controls().throttle, sim::Throttle::Off);
    EXPECT_FALSE(s.controls().autoRun);

    s.setSlider(sim::Slider::Temperature, 85);
    s.setGear(3);
    s.setThrottle(sim::Throttle::Full);
    s.setAutoRun(true);
    EXPECT_EQ(changes, 4);
    const sim::Controls c = s.controls();
    EXPECT_EQ(c.slider(sim::Slider::Temperature), 85);
    EXPECT_EQ(c.slider(sim::Slider::Speed), 0);
    EXPECT_EQ(c.gear, 3);
    EXPECT_EQ(c.throttle, sim::Throttle::Full);
    EXPECT_TRUE(c.autoRun);

    s.setControls(c);  // the same again
    s.setGear(3);
    EXPECT_EQ(changes, 4);
    sim::Controls other = c;
    other.slider(sim::Slider::Lambda) = -1;
    s.setControls(other);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(s.controls().slider(sim::Slider::Lambda), -1);
}

}  // namespace
