// The tip-of-the-day window: one line of the tips file at a time.
#pragma once

#include "platform/form.h"
#include "users/tips.h"

class QCheckBox;
class QLabel;
class QPushButton;

class frmTip : public Form {
    Q_OBJECT
public:
    frmTip();
    void onLoad() override;

    bool LoadTips(const QString& file);
    void DisplayCurrentTip();
    void cmdNextTip_Click();
    void cmdOK_Click();

private:
    // The window's own controls: the other windows use its functions.
    QLabel* lblDidYouKnow;
    QLabel* lblTipText;
    QCheckBox* chkLoadTipsAtStartup;
    QPushButton* cmdNextTip;
    QPushButton* cmdOK;

private:
    void nextTip();
    TipList tips_;
    TipList::Load lastLoad_ = TipList::Load::Missing;
};
