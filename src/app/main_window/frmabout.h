// The About window and the splash window shown while the program starts.
#pragma once

#include "platform/form.h"

class QLabel;
class QPushButton;

class frmAbout : public Form {
    Q_OBJECT
public:
    frmAbout();
    void onLoad() override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblWebSite_Click();

    QLabel* lblVersion;
    QLabel* lblTitle;
    QLabel* lblDescription;
    QLabel* lblWebSite;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

class frmSplash : public Form {
    Q_OBJECT
public:
    frmSplash();
    void onLoad() override;

    QLabel* lblVersion;
    QLabel* lblProductName;
    QLabel* lblPlatform;
    QLabel* imgLogo;
};

// The program's logo, drawn in code.
QPixmap logoPixmap(int size);
