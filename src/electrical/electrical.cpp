#include "electrical.h"

#include "electrical/frmcharging.h"
#include "electrical/frminstruments.h"
#include "electrical/frmstarting.h"

namespace electrical {

void setCheckEngineLight(bool on) { frm<frmInstruments>()->setCheckEngineLight(on); }

void setChargeLight(bool on) { frm<frmInstruments>()->setChargeLight(on); }

void checkEngineLightOffIfLoaded() {
    if (auto* instruments = Forms::find<frmInstruments>()) instruments->setCheckEngineLight(false);
}

void showReadings(int volts, int engineSpeed, int alternatorSpeed) {
    frmCharging* charging = frm<frmCharging>();
    frmStarting* starting = frm<frmStarting>();
    charging->showReadings(volts, engineSpeed, alternatorSpeed);
    starting->showVoltage(volts);
    charging->showSystemVolts(volts);
}

}  // namespace electrical
