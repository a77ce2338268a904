// What the other subsystems ask of the engine's windows (the driver's controls and the
// engine-management window), without reaching the windows. Each loads its window if need be.
#pragma once

#include "sim/engine.h"

#include <QRect>

#include <functional>

class QObject;
class QString;

namespace engine {

// The driver's controls window shown.
void showControlsWindow();
// The status line under the driver's controls ("Engine is stopped...").
void showKeyStatus(const QString& text);
// The engine speed read-out while the starter turns the engine.
void showCrankingSpeed(int speed);
// The driver's controls set as the user would set them: their handlers run, and the session
// follows.
void setSlider(sim::Slider s, int value);
void selectGear(int gear);  // 0 neutral, 1..5, 6 reverse
void selectThrottle(sim::Throttle t);
void setAutoRun(bool on);
// A slider's position on the engine-management window.
int sliderValue(sim::Slider s);
// The engine-management window's place and size, in twips.
QRect managementWindowTwips();

// The engine-management window loaded, if it was not yet (not shown).
void loadManagementWindow();
// The engine-management window's three lookup tables.
enum class Map { Timing, Dwell, Injection };
// Makes (row, column), counted from 0, the current cell of a table's grid and gives that
// cell's text. False, the current cell staying, when the table has no such cell.
bool selectMapCell(Map map, int row, int column, QString* text);

// The map cells the unit used at its last engine step, while the engine runs.
struct OperatingPoint {
    bool valid = false;
    int speedIndex = 0;    // column of all three maps
    int loadIndex = 0;     // row of the timing and injection maps
    int voltageIndex = 0;  // row of the dwell map
};
// The operating point; none while the engine-management window is not loaded (this does not
// load it).
OperatingPoint operatingPoint();
// Runs `changed` in `context` each time the operating point changes. Only a loaded
// engine-management window has one: false, and nothing connected, when it is not loaded.
bool followOperatingPoint(QObject* context, std::function<void()> changed);

}  // namespace engine
