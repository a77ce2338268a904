#include "engine/engine.h"

#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"

#include <QCheckBox>
#include <QRadioButton>

namespace engine {

void showControlsWindow() { frm<frmControls>()->showForm(); }

void showKeyStatus(const QString& text) { frm<frmControls>()->setStatusText(text); }

void showCrankingSpeed(int speed) { frm<FRMsimulation>()->showCrankingSpeed(speed); }

void setSlider(sim::Slider s, int value) { frm<FRMsimulation>()->setSlider(s, value); }

void selectGear(int gear) {
    if (gear >= 0 && gear < 7) frm<frmControls>()->optGear[gear]->setChecked(true);
}

void selectThrottle(sim::Throttle t) {
    frmControls* w = frm<frmControls>();
    switch (t) {
    case sim::Throttle::Off: w->optThrottleOff->setChecked(true); break;
    case sim::Throttle::On: w->optThrottleOn->setChecked(true); break;
    case sim::Throttle::Full: w->optThrottleFull->setChecked(true); break;
    case sim::Throttle::None: break;
    }
}

void setAutoRun(bool on) { frm<frmControls>()->chkAuto->setChecked(on); }

QRect managementWindowTwips() { return frm<FRMsimulation>()->twipsGeometry(); }

}  // namespace engine
