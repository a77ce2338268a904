// The diagnostic-routines window: choose a vehicle system, step through its symptoms and
// read the routine; print it as a job sheet. Edits are written back to the database when
// editing is allowed.
#pragma once

#include "diagnostics/routines.h"
#include "platform/form.h"

#include <QFrame>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

// A record source's navigator: a caption between first / previous and next / last arrows.
// The arrows are named after the navigator: "DataSystem(first)", "DataSystem(prev)",
// "DataSystem(next)", "DataSystem(last)". The window decides what a step does.
class RecordNavigator : public QFrame {
    Q_OBJECT
public:
    enum Move { First, Previous, Next, Last };
    RecordNavigator(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
    QString caption() const;
    // The record an arrow leads to from `position` in a set of `count` records (-1: none).
    static int target(Move move, int position, int count);

signals:
    void arrow(RecordNavigator::Move move);

private:
    class QLabel* caption_;
};

class frmDiagnostics : public Form {
    Q_OBJECT
public:
    frmDiagnostics();
    // The most of a routine's text a box shows (and a job sheet prints).
    static constexpr int kShownCharacters = 4000;
    ~frmDiagnostics() override;
    void onLoad() override;
    void onActivate() override;
    bool onQueryUnload() override;
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;

    // Points the two record sources at the program's database and refreshes them; raises
    // the database's error when it cannot be opened.
    void connectDatabase();
    // The 26 routine boxes take edits only while this is on.
    void setRoutinesEnabled(bool enabled);
    // Writes an edited routine back now (leaving the window, ending the program).
    void saveRoutine();
    // Prints the routine on screen as a job sheet.
    void printJobSheet();

private:
    // The window's own controls: the other windows use its functions.
    RecordNavigator* DataSystem;
    RecordNavigator* datRoutine;
    QComboBox* cmbSystem;
    std::array<QLineEdit*, RoutineRecord::kFields> txbRoutine{};

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void DataSystem_Move(RecordNavigator::Move move);
    void datRoutine_Move(RecordNavigator::Move move);
    void cmbSystem_Change(const QString& text);
    void loadSystems();
    void selectTable(const QString& table);
    void showSystem();
    void showRecord();
    void updateEnabled();
    void fillClientArea();

    RoutinesStore store_;
    QStringList systems_;
    int systemPos_ = -1;
    QString table_;
    QVector<RoutineRecord> records_;
    std::array<bool, RoutineRecord::kFields> fields_{};
    int recordPos_ = -1;
    std::array<bool, RoutineRecord::kFields> edited_{};  // boxes the user typed into
    bool editable_ = false;
    bool saving_ = false;
    QString switchedFile_;  // the last chosen file the window switched to (or tried)
};

// Prints the routine on screen as a job sheet.
void PrintJobSheet();
