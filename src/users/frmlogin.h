// The login window: the password that unlocks the faults list and the editing of the
// database and lookup tables, and the place to change it.
#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class frmLogin : public Form {
    Q_OBJECT
public:
    frmLogin();
    void onLoad() override;
    void onUnload() override;
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    QLabel* lblLabels[4] = {};
    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QLineEdit* txtNewPassword1;
    QLineEdit* txtNewPassword2;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

private:
    void checkPassword();
    void setHeightTwips(int height);
};
