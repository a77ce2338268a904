#include "engine/engine.h"

#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"

namespace engine {

void showControlsWindow() { frm<frmControls>()->showForm(); }

void showKeyStatus(const QString& text) { frm<frmControls>()->setStatusText(text); }

void showCrankingSpeed(int speed) { frm<FRMsimulation>()->showCrankingSpeed(speed); }

void setSlider(sim::Slider s, int value) { frm<FRMsimulation>()->setSlider(s, value); }

void selectGear(int gear) { frm<frmControls>()->selectGear(gear); }

void selectThrottle(sim::Throttle t) { frm<frmControls>()->selectThrottle(t); }

void setAutoRun(bool on) { frm<frmControls>()->setAutoRun(on); }

QRect managementWindowTwips() { return frm<FRMsimulation>()->twipsGeometry(); }

}  // namespace engine
