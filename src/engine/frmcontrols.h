// The driver's controls: throttle, gears, auto run and a status line.
#pragma once

#include "platform/form.h"
#include "sim/engine.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

class frmControls : public Form {
    Q_OBJECT
public:
    frmControls();
    void onLoad() override;

    void cmdThrottleDown_Click();
    void cmdThrottleUp_Click();
    void chkAuto_Click();
    void optGear_Click(int index);
    void optThrottleOff_Click();
    void optThrottleOn_Click();
    void optThrottleFull_Click();
    // The buttons pressed as the user would press them: their handlers run.
    void selectGear(int gear);
    void selectThrottle(sim::Throttle t);
    void setAutoRun(bool on);
    // The status line under the buttons ("Engine is stopped...").
    void setStatusText(const QString& text);

private:
    // The window's controls: other code uses the functions above, or finds a control by its
    // name as script mode does.
    QPushButton* cmdThrottleDown;
    QPushButton* cmdThrottleUp;
    QCheckBox* chkAuto;
    QGroupBox* fraThrottle;
    QRadioButton* optThrottleOff;
    QRadioButton* optThrottleOn;
    QRadioButton* optThrottleFull;
    QGroupBox* fraGears;
    QRadioButton* optGear[7];
    QLabel* lblStatus;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    // The buttons' state into the session, and the session's back onto the buttons.
    void takeControls();
    void showControls();
};

// Driver commands of the main window's right-button menu.
void menuMouse1GearDown_Click();
void menuMouse1GearUp_Click();
void menuMouse1IncreaseEngineSpeed_Click();
void menuMouse1ThrottleOn_Click();
