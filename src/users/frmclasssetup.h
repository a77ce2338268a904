// The instructor's Set Up Class window: the classroom file's values (class folder, class key,
// password, lock, where the student id comes from), checked, written where this account may
// write it, or else given as text for the administrator.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmClassSetup : public Form {
    Q_OBJECT
public:
    frmClassSetup();
    void onLoad() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void cmdBrowse_Click();
    void cmdNewKey_Click();
    void cmdCheck_Click();
    void cmdWrite_Click();
    void cmdMakeFolders_Click();
    void cmdCopy_Click();
    void cmdSaveText_Click();
    // The file's text from the controls; empty (after saying why in the report) when the
    // values cannot make a file.
    QByteArray textFromControls();
    void showReport(const QString& head, const QString& body);
    void showTextForAdministrator(const QByteArray& text);

    QString path_;
    QString keptHash_;  // the password hash of the file as it was opened
    QLabel* lblFile;
    QLineEdit* txtFolder;
    QPushButton* cmdBrowse;
    QLineEdit* txtKey;
    QPushButton* cmdNewKey;
    QLabel* lblPassword;
    QLineEdit* txtPassword1;
    QLineEdit* txtPassword2;
    QCheckBox* chkNoPassword;
    QCheckBox* chkLock;
    QComboBox* cmbStudentId;
    QPushButton* cmdCheck;
    QPushButton* cmdWrite;
    QPushButton* cmdMakeFolders;
    QPushButton* cmdClose;
    QPlainTextEdit* txtReport;
    QLabel* lblText;
    QPlainTextEdit* txtFileText;
    QPushButton* cmdCopy;
    QPushButton* cmdSaveText;
};
