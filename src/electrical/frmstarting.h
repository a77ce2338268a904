// The starting-system window: the starter circuit as a block diagram with its connection
// points, the ignition key, the battery voltage and the cranking-speed read-outs.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;

class frmStarting : public Form {
    Q_OBJECT
public:
    frmStarting();
    void onLoad() override;
    void onActivate() override;

    void cmdStarter_Click();
    void cmdIgnition_Click();
    // The ignition key's position as the state holds it: the button pressed in while the
    // ignition is on (its handler does not run), and the position's caption.
    void showIgnition(bool on);
    void hsbVoltage_Change();
    // The system voltage's read-out (written only when it changes).
    void showVoltage(int volts);
    // The starter's speed: its read-out and its bar.
    void showCrankingSpeed(int speed);
    // Moves the starter voltage's slider; its handler runs.
    void setStarterVoltage(int volts);

private:
    // The window's controls: other code uses the functions above, or finds a control by its
    // name as script mode does.
    QLabel* Picture1;
    QPushButton* cmdStarter;
    QPushButton* cmdIgnition;
    QLabel* lblKeyPosition;
    QLineEdit* txtCrankingSpeed;
    QProgressBar* pbrStarter;
    QLineEdit* txtVoltage;
    QScrollBar* hsbVoltage;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblSystem[3];

protected:
    void paintEvent(QPaintEvent* e) override;
};
