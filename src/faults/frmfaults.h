// The faults window: 44 numbered boxes, one per injectable fault. A fault is present while
// its box is unticked; the boxes show and edit the session's faults (sim::session()), and
// unloading the window repairs them all.
#pragma once

#include "platform/form.h"
#include "sim/catalogue.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmFaults : public Form {
    Q_OBJECT
public:
    static constexpr int kFaultCount = sim::kFaultCount;

    frmFaults();
    void onLoad() override;
    bool onQueryUnload() override;
    void onUnload() override;

    void chkFault_Click(int index);
    void cmdClear_Click();
    void cmdFaults_Click();
    void cmdClose_Click();
    // While a classroom challenge runs the boxes are locked and covered, so that they neither
    // change nor tell which faults are in.
    void setLocked(bool locked);

private:
    // The window's controls: other code uses the functions above, or finds a control by its
    // name as script mode does.
    QCheckBox* chkFault[kFaultCount + 1] = {};  // 1..44
    QPushButton* cmdClear;
    QPushButton* cmdFaults;
    QPushButton* cmdClose;
    QPlainTextEdit* txtFaults;
    QLabel* lblLocked;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void setWidthTwips(int width);
    void keepOnTop();
};
