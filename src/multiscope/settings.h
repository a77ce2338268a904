// What the user has set on the Live screen besides the window's scale controls: the trigger
// and the measurements shown under the screen. The Live screen's bar shows it and edits it;
// it holds no widget.
#pragma once

#include "multiscope/acquisition.h"
#include "multiscope/measurements.h"

#include <algorithm>
#include <vector>

namespace scope {

struct Settings {
    // The trigger's mode, edge and level; its place across the screen follows the X control.
    Trigger trigger;
    // The measurements shown under the screen.
    std::vector<Measurement> measurements;

    bool measures(Measurement m) const {
        return std::find(measurements.begin(), measurements.end(), m) != measurements.end();
    }
};

}  // namespace scope
