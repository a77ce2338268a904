// The connection points as a list to pick from: grouped by the window they stand on and, within
// it, by circuit, each group in the order its first point comes in the catalogue.
#pragma once

#include "sim/catalogue.h"

#include <QString>
#include <vector>

namespace scope {

struct PointGroup {
    sim::Window window;
    sim::Circuit circuit;
    std::vector<sim::PointId> points;
};

// Every point once: the windows in the catalogue's order, each window's circuits together.
std::vector<PointGroup> pointGroups();
// The names a person reads: "Engine management window", "Engine speed sensor circuit".
QString windowName(sim::Window window);
QString circuitName(sim::Circuit circuit);

}  // namespace scope
