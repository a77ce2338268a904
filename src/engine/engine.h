// What the other subsystems ask of the engine's windows (the driver's controls and the
// engine-management window), without reaching the windows. Each loads its window if need be.
#pragma once

#include "sim/engine.h"

#include <QRect>

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
// The engine-management window's place and size, in twips.
QRect managementWindowTwips();

}  // namespace engine
