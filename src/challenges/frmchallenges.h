// The Challenges window. A student picks a challenge from the folder of challenges (or opens
// one), reads its instructions and starts it. A logged-in instructor edits challenges here:
// title and instructions, the start state, the faults and the answer, limits and hints; saves
// them, test-runs them and opens results files.
#pragma once

#include "challenges/challenge.h"
#include "platform/form.h"
#include "sim/catalogue.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

class frmChallenges : public Form {
    Q_OBJECT
public:
    frmChallenges();
    void onLoad() override;
    void onActivate() override;
    bool onQueryUnload() override;
    // `set frmChallenges.tabChallenge N` shows page N (from 0) of the editor.
    bool scriptSet(const QString& control, const QString& index, const QString& value, QString* error) override;

    // Student or instructor, as the login says.
    void applyMode();
    // The challenges folder in the program's folder.
    static QString folder();

    void cmdNew_Click();
    void cmdOpen_Click();
    void cmdSave_Click();
    void cmdSaveAs_Click();
    void cmdTestRun_Click();
    void cmdStart_Click();
    void cmdResults_Click();
    void cmdAnswerFromFaults_Click();
    void lstChallenges_Click();
    void cmbPart_Click(int row);

private:
    // The window's own controls: the other windows use its functions.
    QPushButton* cmdNew;
    QPushButton* cmdOpen;
    QPushButton* cmdSave;
    QPushButton* cmdSaveAs;
    QPushButton* cmdTestRun;
    QPushButton* cmdResults;
    QPushButton* cmdStart;
    QLabel* lblFolder;
    QListWidget* lstChallenges;
    QLabel* lblFile;
    QTabWidget* tabChallenge;
    QLineEdit* txtTitle;
    QPlainTextEdit* txtInstructions;
    QLabel* lblStartState;
    QLabel* lblLimits;
    QCheckBox* chkEngineRunning;
    QSpinBox* spnBattery;
    QSpinBox* spnTemperature;
    QComboBox* cmbGear;
    QComboBox* cmbThrottle;
    QCheckBox* chkAutoRun;
    QSpinBox* spnTimeLimit;
    QSpinBox* spnMeasurementLimit;
    QCheckBox* chkPick[sim::kFaultCount + 1] = {};  // 1..44
    QComboBox* cmbPart[Challenge::kMaxAnswers];
    QComboBox* cmbCircuit[Challenge::kMaxAnswers];
    QPushButton* cmdAnswerFromFaults;
    QTableWidget* grdHints;
    std::vector<QCheckBox*> chkGuided;
    // The instructor's rules and the score's weights.
    QSpinBox* spnAttempts;
    QComboBox* cmbScoreCounts;
    QCheckBox* chkShowAnswer;
    QLineEdit* txtDraw;
    QSpinBox* spnWeight[6];  // evidence, needless, free, hints, late, guided
    // Who the student is: the name given once, and the id where the classroom asks for one.
    QLineEdit* txtStudentName;
    QLineEdit* txtStudentId;
    QLabel* lblStudent;  // one per guided test of the instrument, in the library's order

private:
    Challenge fromControls() const;
    void toControls(const Challenge& c);
    void refreshList();
    void refreshPreview();
    void modified();
    // Asks to save unsaved edits; false when the user cancels.
    bool settleEdits();
    bool load(const QString& path);
    bool saveTo(const QString& path);
    bool instructor() const;
    // Whether the challenge in the editor can be saved or played; when not, says why
    // ("The challenge cannot be saved yet.").
    bool complete(const QString& cannot) const;
    void play(bool testRun);
    // The student's name and id as the seat knows them.
    void showStudent();

    QString path_;           // the file shown, empty for a new challenge
    bool loaded_ = false;    // a challenge that can be started is shown
    bool dirty_ = false;
    bool filling_ = false;   // controls being filled from a challenge
};

// Tools > Challenges...: the running challenge's panel while one is active, else this window.
void OpenChallenges();
