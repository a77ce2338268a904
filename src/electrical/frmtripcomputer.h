// The trip computer: ten trip figures on one display, a keypad entry of the distance to
// the destination, and a reset.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class frmTripComputer : public Form {
    Q_OBJECT
public:
    frmTripComputer();
    void onLoad() override;
    void onActivate() override;
    bool onQueryUnload() override;

    void Command1_Click(int index);
    void cmdSet_Click();
    void cmdReset_Click();
    // The trip computer's display line.
    void showTripDisplay(const QString& text);

private:
    // The window's controls: other code uses the functions above, or finds a control by its
    // name as script mode does.
    QLineEdit* txtTripDisplay;
    QPushButton* Command1[10];
    QLabel* Label2[10];
    QPushButton* cmdSet;
    QPushButton* cmdReset;
};
