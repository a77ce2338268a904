// A results file as a table of attempts, sorted by student and challenge, for the instructor.
#pragma once

#include "platform/form.h"

class QLabel;
class QTableWidget;

class frmChallengeResults : public Form {
    Q_OBJECT
public:
    frmChallengeResults();
    void onLoad() override;
    // Shows the file's attempts; false (after a message naming the file) when it is not a
    // results file.
    bool openResults(const QString& path);

private:
    // The window's own controls: the other windows use its functions.
    QLabel* lblFile;
    QTableWidget* grdResults;
};
