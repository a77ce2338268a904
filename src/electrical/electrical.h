// What the other subsystems ask of the electrical windows (the instruments, the charging and
// the starting windows), without reaching the windows. Each loads its window if need be,
// unless it says otherwise.
#pragma once

namespace electrical {

// The instruments' warning lights.
void setCheckEngineLight(bool on);
void setChargeLight(bool on);
// The check-engine light put out on an instruments window that is loaded; none is loaded for it.
void checkEngineLightOffIfLoaded();
// The engine's read-outs on the charging and starting windows (each written only when it
// changes) and the charging window's system voltage bar.
void showReadings(int volts, int engineSpeed, int alternatorSpeed);

}  // namespace electrical
