// The waveform editor: the meter text and the 50 samples of the waveform the scope shows,
// one text cell each. While it is in use the scope is stopped and cleared ("Edit mode"); a
// save writes the cells back to the waveform file and shows the result on the scope.
//
// The cells hold text; nothing else of the waveform is kept here. The sample cells are
// brought into range (-99..99) whenever a cell receives the focus, never when a button does,
// so a save writes exactly what the cells show.
#pragma once

#include "platform/form.h"
#include "waveedit/waveedit.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

class frmWaveEdit : public Form {
    Q_OBJECT
public:
    frmWaveEdit();
    void onLoad() override;
    void onUnload() override;
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;

    // Shows the editor on CurrentWaveformFile and fills the cells from it, field by field;
    // cells past the end of a short file keep their text. The scope goes into edit mode.
    static void openOnCurrentWaveform();

    void cmdMoveUp_Click();
    void cmdCopy_Click();
    void cmdFreezeWave_Click();
    void cmdSave_Click();
    void cmdSaveAs_Click();
    void cmdCancel_Click();
    void txtYvalue_Change(int index);
    void txtYvalue_GotFocus(int index);
    void cmdSave_GotFocus();

    // The 51 cells' texts as they will be saved (a line break inside a cell becomes a blank,
    // so a saved file always has 51 lines).
    QStringList cellTexts() const;
    // True while cell i (1..50) has the enlarged look.
    bool enlarged(int i) const;

private:
    // The window's own controls: the other windows use its functions.
    QLineEdit* txtYvalue[waveedit::kSamples + 1] = {};
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblWaveform;
    QPushButton* cmdMoveUp;
    QPushButton* cmdCopy;
    QPushButton* cmdFreezeWave;
    QPushButton* cmdSave;
    QPushButton* cmdSaveAs;
    QPushButton* cmdCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void setLook(int i, bool enlarged);
    void normalLookAll();
    void showCurrentFile();
    void writeCells(const QString& name) const;

    bool enlarged_[waveedit::kSamples + 1] = {};
};
