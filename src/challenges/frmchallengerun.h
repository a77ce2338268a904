// The running-challenge panel: the challenge's clock, the measurements taken and the hints
// used, the student's diagnosis, and then the result. It also holds the attempt itself.
#pragma once

#include "challenges/attempt.h"
#include "platform/form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class frmChallengeRun : public Form {
    Q_OBJECT
public:
    frmChallengeRun();
    void onLoad() override;
    bool onQueryUnload() override;
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;

    // Sets up the vehicle for the challenge and starts its clock; a test run records no
    // result. False (after a message) when a challenge is already running.
    bool startChallenge(const Challenge& challenge, bool testRun);
    bool running() const { return active_ && !attempt_.finished(); }
    // True from the start until the panel is closed after the result.
    bool active() const { return active_; }

    bool allowsMeasurement();
    void measured(const QString& point, const QString& reading, const QString& key);
    // A guided test run on the instrument reports in (see Attempt::guidedRun).
    void guidedRun(int run, const QString& test, const QString& title, scope::Verdict result, const QString& reason,
                   const QByteArray& screen);
    void tick();
    double elapsed() const;

    void cmdInstructions_Click();
    void cmdHint_Click();
    void cmdSubmit_Click();
    void cmdEnd_Click();
    void cmdPrint_Click();
    void cmdSaveResult_Click();
    void cmdClose_Click();
    void cmbAnswerPart_Click(int row);
    // Sets the chosen guided test up on the instrument.
    void lstGuided_Activate(int row);

    const Attempt& attempt() const { return attempt_; }

private:
    // The window's own controls: the other windows use its functions.
    QLabel* lblTitle;
    QLabel* lblTime;
    QLabel* lblMeasurements;
    QLabel* lblHints;
    QPlainTextEdit* txtHints;
    QLabel* lblGuided;
    QListWidget* lstGuided;
    QPushButton* cmdInstructions;
    QPushButton* cmdHint;
    QGroupBox* fraDiagnosis;
    QComboBox* cmbAnswerPart[Challenge::kMaxAnswers];
    QComboBox* cmbAnswerCircuit[Challenge::kMaxAnswers];
    QPushButton* cmdSubmit;
    QPushButton* cmdEnd;
    QLabel* lblResult;
    QPlainTextEdit* txtResult;
    QPushButton* cmdPrint;
    QPushButton* cmdSaveResult;
    QPushButton* cmdClose;

private:
    void finish();
    void saveResult();
    void addResultRow();  // saveResult, telling the user when it fails
    void handIn();
    void refresh();
    void lockFaults(bool locked);

    Attempt attempt_;
    bool active_ = false;
    bool timeUpTold_ = false;
    bool resultSaved_ = false;
    QString classNote_;  // where the attempt went in the class, for the result text
    double startClock_ = 0;
};
