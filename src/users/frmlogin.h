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

protected:
    // Escape is Cancel.
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The window's own controls: the other windows use its functions.
    QLabel* lblLabels[4] = {};
    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QLineEdit* txtNewPassword1;
    QLineEdit* txtNewPassword2;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;
    // "Checking the password..." while the typed password is checked.
    QLabel* lblChecking;

private:
    void checkPassword();
    // The check's outcome, back on the interface thread.
    void passwordChecked(bool matched, bool fromClassroom);
    void setChecking(bool checking);
    void setHeightTwips(int height);

    // The check under way: an outcome of an earlier one (the window was closed meanwhile) is
    // dropped.
    int check_ = 0;
};
