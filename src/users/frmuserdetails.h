// The user-details window: who is using the program, kept in the settings store and printed
// on the job sheet.
#pragma once

#include "platform/form.h"

class QLineEdit;
class QPushButton;

class frmUserDetails : public Form {
    Q_OBJECT
public:
    frmUserDetails();
    void onLoad() override;
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    // The window's own controls: the other windows use its functions.
    QLineEdit* txbName;
    QLineEdit* txbCompany;
    QLineEdit* txbAddress;
    QLineEdit* txbTelephone;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};
