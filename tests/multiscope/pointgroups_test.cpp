// The Connect Probe window's list: every connection point once, under the window it stands on
// and its circuit, each window's circuits together and each group named.
#include "multiscope/pointgroups.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

TEST(PointGroups, ListEveryPointOnceUnderItsWindowAndCircuit) {
    const std::vector<scope::PointGroup> groups = scope::pointGroups();
    std::map<sim::PointId, int> seen;
    for (const scope::PointGroup& g : groups) {
        EXPECT_FALSE(g.points.empty());
        for (sim::PointId id : g.points) {
            ++seen[id];
            EXPECT_EQ(sim::point(id).window, g.window) << sim::point(id).key;
            EXPECT_EQ(sim::point(id).circuit, g.circuit) << sim::point(id).key;
        }
    }
    EXPECT_EQ(int(seen.size()), sim::kPointCount);
    for (const auto& [id, count] : seen) EXPECT_EQ(count, 1) << sim::point(id).key;
}

TEST(PointGroups, KeepEachWindowAndEachCircuitOfAWindowTogether) {
    const std::vector<scope::PointGroup> groups = scope::pointGroups();
    ASSERT_FALSE(groups.empty());
    // The windows in the order the instrument's lists give them, each in one run.
    std::vector<sim::Window> runs;
    std::set<std::pair<int, int>> circuits;
    for (const scope::PointGroup& g : groups) {
        if (runs.empty() || runs.back() != g.window) runs.push_back(g.window);
        EXPECT_TRUE(circuits.insert({int(g.window), int(g.circuit)}).second)
            << "a circuit of a window split in two groups: " << scope::circuitName(g.circuit).toStdString();
    }
    const std::vector<sim::Window> expected = {sim::Window::Simulation, sim::Window::Starting, sim::Window::Charging};
    EXPECT_EQ(runs, expected);
    // The first point of the list is the catalogue's first, so the window opens on it.
    EXPECT_EQ(groups.front().points.front(), sim::points().front().id);
}

TEST(PointGroups, NameEveryWindowAndCircuitApart) {
    std::set<QString> names;
    for (const scope::PointGroup& g : scope::pointGroups()) {
        EXPECT_FALSE(scope::windowName(g.window).isEmpty());
        EXPECT_FALSE(scope::circuitName(g.circuit).isEmpty());
    }
    for (int c = int(sim::Circuit::EngineSpeed); c <= int(sim::Circuit::ChargeWarningLight); ++c) {
        const QString name = scope::circuitName(sim::Circuit(c));
        EXPECT_FALSE(name.isEmpty()) << c;
        EXPECT_TRUE(names.insert(name).second) << "two circuits called " << name.toStdString();
    }
    EXPECT_NE(scope::windowName(sim::Window::Starting), scope::windowName(sim::Window::Charging));
}
