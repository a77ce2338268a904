#include "challenges/frmchallengeresults.h"

#include "challenges/attempt.h"
#include "challenges/classresults.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

REGISTER_FORM(frmChallengeResults)

namespace {
// A cell of the file as the table shows it: the file's own words (the result, an attempt ended
// without a diagnosis) in the language of the screen, what a student or instructor wrote as it is.
QString shownCell(int column, const QString& cell) {
    if (column == 3) return shownAnswer(cell);
    if (column == 4 && cell == QLatin1String("Right")) return QCoreApplication::translate("ClassResults", "Right");
    if (column == 4 && cell == QLatin1String("Wrong")) return QCoreApplication::translate("ClassResults", "Wrong");
    return cell;
}
}  // namespace

frmChallengeResults::frmChallengeResults() {
    setCaption(tr("Challenge results"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    lblFile = new QLabel(this);
    lblFile->setObjectName("lblFile");
    lblFile->setTextFormat(Qt::PlainText);
    grdResults = new QTableWidget(0, results::heading().size(), this);
    grdResults->setObjectName("grdResults");
    grdResults->setAccessibleName(tr("Challenge results"));
    grdResults->setTabKeyNavigation(false);  // the arrows move between the cells, Tab leaves
    grdResults->setHorizontalHeaderLabels(results::shownHeading());
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
        const QString why = e.number == 53 ? tr("The file cannot be found.")
                            : e.number == 13 ? e.description
                                             : tr("The file cannot be read (%1).").arg(e.description);
        MsgBox(tr("The results \"%1\" cannot be opened.\n\n%2").arg(QFileInfo(path).fileName(), why), MsgButtons::OK,
               MsgIcon::Exclamation);
        return false;
    }
    results::sortRows(&rows);
    grdResults->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) grdResults->setItem(r, c, new QTableWidgetItem(shownCell(c, rows[r][c])));
    grdResults->resizeColumnsToContents();
    grdResults->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    const QString where = QDir::toNativeSeparators(path);
    lblFile->setText(rows.size() == 1 ? tr("%1 - 1 attempt, sorted by student and challenge").arg(where)
                                      : tr("%1 - %2 attempts, sorted by student and challenge").arg(where, QLocale().toString(rows.size())));
    showForm();
    bringToFront();
    return true;
}
