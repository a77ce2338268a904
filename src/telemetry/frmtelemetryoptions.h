// The gauge options: which channel a telemetry gauge and its chart show (which also sets
// the gauge's full scale) and whether the gauge is a bar or a clock dial.
#pragma once

#include "platform/form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class PictureBox;

class frmTelemetryOptions : public Form {
    Q_OBJECT
public:
    frmTelemetryOptions();
    void onLoad() override;

    void optBar_Click();
    void optClock_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    // The window's own controls: the other windows use its functions.
    QLabel* lblOptions;
    QLabel* lblGaugeTitle;
    QComboBox* cmbSelectInput;
    QRadioButton* optBar;
    QRadioButton* optClock;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    PictureBox* picOptions[4] = {};  // 1..3
};
