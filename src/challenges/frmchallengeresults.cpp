#include "challenges/frmchallengeresults.h"

#include "challenges/attempt.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/vbtypes.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

REGISTER_FORM(frmChallengeResults)

frmChallengeResults::frmChallengeResults() {
    setCaption("Challenge results");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    lblFile = new QLabel(this);
    lblFile->setObjectName("lblFile");
    lblFile->setTextFormat(Qt::PlainText);
    grdResults = new QTableWidget(0, results::heading().size(), this);
    grdResults->setObjectName("grdResults");
    grdResults->setAccessibleName(tr("Challenge results"));
    grdResults->setTabKeyNavigation(false);  // the arrows move between the cells, Tab leaves
    grdResults->setHorizontalHeaderLabels(results::heading());
    grdResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdResults->verticalHeader()->setVisible(false);
    grdResults->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    layout->addWidget(lblFile);
    layout->addWidget(grdResults, 1);
}

void frmChallengeResults::onLoad() { setTwips(600, 600, 13500, 6000); }

bool frmChallengeResults::openResults(const QString& path) {
    QList<QStringList> rows;
    QString problem;
    try {
        if (!results::parse(readRegularFile(path, 16 * 1024 * 1024), &rows, &problem)) raiseError(13, problem);
    } catch (const VbError& e) {
        const QString why = e.number == 53 ? QStringLiteral("The file cannot be found.")
                            : e.number == 13 ? e.description
                                             : "The file cannot be read (" + e.description + ").";
        MsgBox("The results \"" + QFileInfo(path).fileName() + "\" cannot be opened.\n\n" + why, MsgButtons::OK,
               MsgIcon::Exclamation);
        return false;
    }
    results::sortRows(&rows);
    grdResults->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) grdResults->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    grdResults->resizeColumnsToContents();
    grdResults->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    lblFile->setText(QString("%1 - %2 %3, sorted by student and challenge")
                         .arg(QDir::toNativeSeparators(path))
                         .arg(rows.size())
                         .arg(rows.size() == 1 ? "attempt" : "attempts"));
    showForm();
    bringToFront();
    return true;
}
