#include "engine.h"

#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"

namespace engine {

void showControlsWindow() { frm<frmControls>()->showForm(); }

void showKeyStatus(const QString& text) { frm<frmControls>()->setStatusText(text); }

void showCrankingSpeed(int speed) { frm<FRMsimulation>()->showCrankingSpeed(speed); }

void setSlider(sim::Slider s, int value) { frm<FRMsimulation>()->setSlider(s, value); }

int sliderValue(sim::Slider s) { return frm<FRMsimulation>()->sliderValue(s); }

void selectGear(int gear) { frm<frmControls>()->selectGear(gear); }

void selectThrottle(sim::Throttle t) { frm<frmControls>()->selectThrottle(t); }

void setAutoRun(bool on) { frm<frmControls>()->setAutoRun(on); }

QRect managementWindowTwips() { return frm<FRMsimulation>()->twipsGeometry(); }

void loadManagementWindow() { frm<FRMsimulation>(); }

bool selectMapCell(Map map, int row, int column, QString* text) {
    return frm<FRMsimulation>()->selectMapCell(map, row, column, text);
}

OperatingPoint operatingPoint() {
    const FRMsimulation* sim = Forms::find<FRMsimulation>();
    return sim ? sim->operatingPoint() : OperatingPoint{};
}

bool followOperatingPoint(QObject* context, std::function<void()> changed) {
    FRMsimulation* sim = Forms::find<FRMsimulation>();
    if (!sim) return false;
    QObject::connect(sim, &FRMsimulation::operatingPointChanged, context, std::move(changed));
    return true;
}

}  // namespace engine
