// The guided tests in the instrument's scope frame: a searchable list of the tests by part, the
// chosen test's notes (its state, purpose, what to connect, what to look for and the figures
// to read), "Set up" (the test's one command: channels, scales and trigger on the Live screen)
// and "Stop", the test's verdict as the Live screen judges it, and its picture of what to connect
// (scaled into the frame; "Show picture" opens it full size in a window of its own).
#pragma once

#include <QImage>
#include <QObject>

class LiveScope;
class QDialog;
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

protected:
    // A click on the picture, or Enter or Space while it has the focus, opens it full size.
    bool eventFilter(QObject* watched, QEvent* event) override;
public:

    QLabel* lblGuided;
    QLineEdit* txtGuidedSearch;
    QListWidget* lstGuided;
    QPushButton* cmdGuidedSetup;
    QPushButton* cmdGuidedStop;
    QLabel* lblGuidedVerdict;
    QPlainTextEdit* txbGuided;
    QLabel* lblGuidedPicture;
    QPushButton* cmdGuidedPicture;
    // The full-size picture's window, made when first shown (null until then).
    QDialog* dlgGuidedPicture = nullptr;

private:
    void filter();
    void showChosen();
    void showVerdict();
    void showPicture();
    void fitPicture();
    void openPicture();

    MultiScope* ms_;
    LiveScope* live_;
    QImage picture_;  // the chosen test's, at full size (null for none)
    QString pictureKey_;  // the test it is of
    int placedTop_ = -1;  // where place() last put the panel
    // The verdict's height for its text: four lines at least, more (up to eight) for a long reason.
    int verdictHeight(int width) const;
};
