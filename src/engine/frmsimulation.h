// The engine-management window: input sliders, output read-outs and bars, and the three
// ECU lookup tables.
#pragma once

#include "platform/form.h"

class QScrollBar;
class QLineEdit;

class FRMsimulation : public Form {
    Q_OBJECT
public:
    FRMsimulation();
    void onActivate() override;
    bool onQueryUnload() override;

    // Whether the three lookup grids accept edits.
    void setTablesEditable(bool editable);
    // The ECU picture that covers the grids.
    void setCoverVisible(bool visible);

    void HSB_engine_speed_Change();
    void HSB_engine_load_Change();
    void HSB_engine_temperature_Change();
    void HSB_system_voltage_Change();
    void HSB_Lambda_Change();

    QScrollBar* HSB_engine_speed;
    QScrollBar* HSB_engine_load;
    QScrollBar* HSB_engine_temperature;
    QScrollBar* HSB_system_voltage;
    QScrollBar* HSB_Lambda;
    QLineEdit* lambda;
    QWidget* pbxCover;
};
