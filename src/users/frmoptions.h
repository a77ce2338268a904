// The Options window: the ten start-up and display options.
#pragma once

#include "platform/form.h"

class QCheckBox;
class QPushButton;

class frmOptions : public Form {
    Q_OBJECT
public:
    frmOptions();
    void onLoad() override;
    void Check1_Click(int index);
    void cmdOK_Click();

private:
    // The window's own controls: the other windows use its functions.
    QCheckBox* Check1[10] = {};
    QPushButton* cmdOK;
};
