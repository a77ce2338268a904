#include "engine/frmsimulation.h"

#include "app/state.h"

#include <QLineEdit>
#include <QScrollBar>

REGISTER_FORM(FRMsimulation)

FRMsimulation::FRMsimulation() {
    setCaption("Engine Management system");
    HSB_engine_speed = makeHScroll(this, "HSB_engine_speed", 0, 7000, 0, T(120, 360, 2400, 255));
    HSB_engine_speed->setSingleStep(10);
    HSB_engine_speed->setPageStep(100);
    HSB_engine_load = makeHScroll(this, "HSB_engine_load", 0, 100, 0, T(120, 960, 2400, 255));
    HSB_engine_load->setPageStep(10);
    HSB_engine_temperature = makeHScroll(this, "HSB_engine_temperature", -20, 110, 0, T(120, 1560, 2400, 255));
    HSB_engine_temperature->setPageStep(10);
    HSB_system_voltage = makeHScroll(this, "HSB_system_voltage", 0, 16, 0, T(120, 2160, 2400, 255));
    HSB_Lambda = makeHScroll(this, "HSB_Lambda", -1, 1, 0, T(120, 2760, 2400, 255));
    lambda = makeTextBox(this, "lambda", "1", T(2640, 2760, 600, 285));
    pbxCover = new QWidget(this);
    pbxCover->setObjectName("pbxCover");
    connect(HSB_engine_speed, &QScrollBar::valueChanged, this, [this] { HSB_engine_speed_Change(); });
    connect(HSB_engine_load, &QScrollBar::valueChanged, this, [this] { HSB_engine_load_Change(); });
    connect(HSB_engine_temperature, &QScrollBar::valueChanged, this, [this] { HSB_engine_temperature_Change(); });
    connect(HSB_system_voltage, &QScrollBar::valueChanged, this, [this] { HSB_system_voltage_Change(); });
    connect(HSB_Lambda, &QScrollBar::valueChanged, this, [this] { HSB_Lambda_Change(); });
}

void FRMsimulation::onActivate() { setTwips(50, 50, 11750, 4700); }

bool FRMsimulation::onQueryUnload() {
    hideForm();
    return false;
}

void FRMsimulation::setTablesEditable(bool) {}
void FRMsimulation::setCoverVisible(bool visible) { pbxCover->setVisible(visible); }

void FRMsimulation::HSB_engine_speed_Change() { EngineSpeed = HSB_engine_speed->value(); }
void FRMsimulation::HSB_engine_load_Change() { EngineLoad = HSB_engine_load->value(); }
void FRMsimulation::HSB_engine_temperature_Change() { EngineTemperature = HSB_engine_temperature->value(); }
void FRMsimulation::HSB_system_voltage_Change() { SystemVoltage = HSB_system_voltage->value(); }

void FRMsimulation::HSB_Lambda_Change() {
    const int v = HSB_Lambda->value();
    lambda->setText(v < 0 ? "< 1" : v == 0 ? "1" : "> 1");
}
