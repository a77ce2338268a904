// The driver's dashboard: speed, revs, fuel, temperature, odometer and warning lights.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class frmInstruments : public Form {
    Q_OBJECT
public:
    frmInstruments();
    void onLoad() override;
    void onActivate() override;
    bool onQueryUnload() override;
    void cmdConvert_Click();
    // The warning lights.
    void setChargeLight(bool on);
    void setOilLight(bool on);
    void setCheckEngineLight(bool on);
    // The gauges' texts, and the rev counter's colour.
    void showGauges(const QString& roadSpeed, const QString& mileage, const QString& fuel, const QString& temperature,
                    const QString& revs);
    void setRevCounterColor(const QColor& color);

private:
    // The window's controls: other code uses the functions above, or finds a control by its
    // name as script mode does.
    QLineEdit* txbSpeed;
    QLineEdit* txbRev;
    QLineEdit* txbFuel;
    QLineEdit* txbTemp;
    QLineEdit* txtMileage;
    QPushButton* cmdConvert;
    QLabel* lblCheckWL;
    QLabel* lblOilWL;
    QLabel* lblChargeWL;
    QLabel* lblMainBeamWL;
    QLabel* lblIndLeft;
    QLabel* lblIndRight;

private:
    void place();
};
