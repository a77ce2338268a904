// The class dashboard, for the logged-in instructor: every attempt handed in to the class
// folder as a table with filters by challenge and student, the average score per challenge
// and the most frequent wrong answers as charts, a student's diagnostic path on a double
// click, the export (the gradebook for a spreadsheet or a learning platform, the attempts as
// statements for a learning record store) and the printed table. Attempts whose check fails or is
// missing are marked. While it is open it watches the class folder: the attempts in progress
// at the seats (their progress files) and the attempts handed in come in by themselves. (Its
// charts are Qt Charts: this window is built on its own, linked
// with that module.)
#pragma once

#include "challenges/classresults.h"
#include "challenges/progress.h"
#include "platform/form.h"

#include <memory>

class QChartView;
class QComboBox;
class VTimer;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class frmClassDashboard : public Form {
    Q_OBJECT
public:
    frmClassDashboard();
    ~frmClassDashboard() override;
    void onLoad() override;
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;

    // Reads the attempts of the folder (with the key of their check) and shows them; the
    // damaged files are reported in one message that names them.
    // While the window is open it watches the folders: the attempts handed in as they arrive,
    // and the attempts in progress from the progress folder (none shown without one).
    void openFolder(const QString& attemptsFolder, const QByteArray& key, const QString& progressFolder = QString());

    // Every few seconds: what changed in the class folder is read and shown, without a message.
    void tmrWatch_Timer();
    static constexpr int kWatchMs = 3000;

    void cmdRefresh_Click();
    void cmdExport_Click();
    void cmdPrint_Click();
    void cmbFilter_Click();
    void grdAttempts_DblClick(int row);
    // Shows the screen of a guided test run of the attempt shown.
    void lstGuidedRuns_Click(int row);
    // Opens a run's screen at its full size in the desktop's picture viewer.
    void lstGuidedRuns_Activate(int row);

    const ClassResults& results() const { return results_; }
    const ProgressBoard& progress() const { return board_; }

private:
    // The window's own controls: the other windows use its functions.
    QLabel* lblFolder;
    QPushButton* cmdRefresh;
    QComboBox* cmbExportLayout;
    QPushButton* cmdExport;
    QPushButton* cmdPrint;
    QComboBox* cmbChallenge;
    QComboBox* cmbStudent;
    QLabel* lblShown;
    QTableWidget* grdAttempts;
    QLabel* lblPath;
    QPlainTextEdit* txtPath;
    QLabel* lblGuidedRuns;
    QListWidget* lstGuidedRuns;
    QLabel* imgGuidedScreen;
    QChartView* chtScores;
    QChartView* chtWrong;
    QLabel* lblProblems;
    QWidget* fraLive;
    QLabel* lblLive;
    QTableWidget* grdLive;

private:
    void fillFilters();
    void fillTable();
    void fillCharts();
    // The key of the student chosen in the filter, empty for every student.
    QString chosenStudent() const;
    void showFolderState();
    void showNewResults();
    void fillLive();

    ClassResults results_;
    QString folder_;
    QByteArray key_;
    QList<int> shown_;
    int pathShown_ = -1;  // the attempt whose path is shown (index into the results), -1 for none
    QString progressFolder_;
    ProgressBoard board_;
    std::unique_ptr<VTimer> tmrWatch_;
};

// Tools > Class Dashboard...: for a logged-in instructor of a seat with a class folder.
void OpenClassDashboard();
