// The faults window: 44 numbered boxes, one per injectable fault. A fault is present while
// its box is unticked; the boxes are the only store of the injected faults.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

class frmFaults : public Form {
    Q_OBJECT
public:
    static constexpr int kFaultCount = 44;

    frmFaults();
    void onLoad() override;
    bool onQueryUnload() override;
    void onUnload() override;

    void chkFault_Click(int index);
    void cmdClear_Click();
    void cmdFaults_Click();
    void cmdClose_Click();

    QCheckBox* chkFault[kFaultCount + 1] = {};  // 1..44
    QPushButton* cmdClear;
    QPushButton* cmdFaults;
    QPushButton* cmdClose;
    QPlainTextEdit* txtFaults;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void setWidthTwips(int width);
    void keepOnTop();
};
