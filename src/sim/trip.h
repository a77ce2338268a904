// The trip computer's arithmetic and auto run, once a second: fuel, distances, averages,
// economy, the stopwatch and the display's text; the simulated driver of auto run.
#pragma once

#include "sim/engine.h"

#include <QString>
#include <optional>

namespace sim {

// Auto run drives: the speed climbs by 20 rev/min a second from idle to 6000 and starts
// again; the engine warms by 2 degrees a second to 90, the mixture swings, a gear is chosen
// now and then and a new load every sixth second. rnd gives numbers in [0, 1).
void autoRun(SimState& s, Controls& c, double (*rnd)(), Outcome& out);

// The fuel of one second's injection leaves the tank; true when the tank ran dry (it is filled
// up again with 60 litres).
bool burnFuel(SimState& s);

// One second of the trip: elapsed time, mileage and distances, average speed, time to
// arrival, fuel used and economy.
void advanceTrip(SimState& s);

// The stopwatch advances by a second while it runs and the display shows it (mode 8); it
// starts again at 0 after 60000 s.
void tickStopwatch(SimState& s);

// The trip display's text in its mode (metric or imperial units); timeOfDay for mode 0. No
// text for a mode it does not know (the display is left as it is).
std::optional<QString> tripDisplayText(const SimState& s, const QString& timeOfDay);

}  // namespace sim
