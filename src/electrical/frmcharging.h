// The charging-system window: alternator, warning light and battery as a block diagram
// with its connection points and the speed and voltage read-outs.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QProgressBar;

class frmCharging : public Form {
    Q_OBJECT
public:
    frmCharging();
    void onLoad() override;
    void onActivate() override;

    QLabel* Picture1;
    QLineEdit* txtAlternatorSpeed;
    QLineEdit* txtEngineSpeed;
    QLineEdit* txtOutputVoltage;
    QProgressBar* pbrSystemVolts;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* lblSystem[3];

protected:
    void paintEvent(QPaintEvent* e) override;
};
