// The guided tests in the instrument's scope frame: a searchable list of the tests by part, the
// chosen test's notes (its state, purpose, what to connect, what to look for and the figures
// to read), "Set up" (the test's one command: channels, scales and trigger on the Live screen)
// and "Stop", and the test's verdict as the Live screen judges it.
#pragma once

#include <QObject>

class LiveScope;
class MultiScope;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class GuidedPanel : public QObject {
    Q_OBJECT
public:
    GuidedPanel(MultiScope* ms, LiveScope* live);
    // Lays the panel out in the scope frame from `top` down.
    void place(int top);
    // The chosen test's key (empty for none).
    QString chosenKey() const;
    // Chooses the test of a key in the list (the search cleared when it hides it).
    void choose(const QString& key);

    QLabel* lblGuided;
    QLineEdit* txtGuidedSearch;
    QListWidget* lstGuided;
    QPushButton* cmdGuidedSetup;
    QPushButton* cmdGuidedStop;
    QLabel* lblGuidedVerdict;
    QPlainTextEdit* txbGuided;

private:
    void filter();
    void showChosen();
    void showVerdict();

    MultiScope* ms_;
    LiveScope* live_;
};
