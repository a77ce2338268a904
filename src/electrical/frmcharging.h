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
    // The engine's read-outs (each written only when it changes) and the system voltage's bar
    // (a value outside its range shows at its end).
    void showReadings(int volts, int engineSpeed, int alternatorSpeed);
    void showSystemVolts(int volts);
    // The output voltage and engine speed as the start sequence shows them.
    void showOutput(int volts, int engineSpeed);

private:
    // The window's controls: other code uses the functions above, or finds a control by its
    // name as script mode does.
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
