// The Options window: the ten start-up and display options, and the user's own class folder
// where no classroom file locks it.
#pragma once

#include "platform/form.h"
#include "platform/language.h"
#include "platform/theme.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmOptions : public Form {
    Q_OBJECT
public:
    frmOptions();
    void onLoad() override;
    void Check1_Click(int index);
    void cmdOK_Click();
    void cmdClassFolder_Click();

protected:
    // Escape closes the window as its close box does: nothing is stored.
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The window's own controls: the other windows use its functions.
    QCheckBox* Check1[10] = {};
    QPushButton* cmdOK;
    QLabel* lblTheme;
    QComboBox* cboTheme;
    theme::Kind themeShown_ = theme::Kind::Standard;
    QLabel* lblLanguage;
    QComboBox* cboLanguage;
    language::Choice languageShown_ = language::Choice::System;
    QLabel* lblClassFolder;
    QLineEdit* txtClassFolder;
    QPushButton* cmdClassFolder;
    QLabel* lblClassFolderNote;
    // The class folder the window opened with, and whether the classroom file locks it.
    QString classFolderShown_;
    bool classFolderLocked_ = false;
    // Whether the class folder typed may be kept: asked when it is not usable; false keeps the
    // window open.
    bool classFolderAccepted();
};
