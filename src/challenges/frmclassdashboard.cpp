#include "challenges/frmclassdashboard.h"

#include "challenges/classfolder.h"
#include "challenges/gradebook.h"
#include "challenges/session.h"
#include "challenges/xapi.h"
#include "diagnostics/jobsheet.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/vbtypes.h"
#include "sim/simstate.h"
#include "users/users.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QJsonArray>
#include <QJsonObject>
#include <QImage>
#include <QPixmap>
#include <QLabel>
#include <QLocale>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

REGISTER_FORM(frmClassDashboard)

namespace {
constexpr int kWrongShown = 8;
// The export's choices, in the order of their list.
enum ExportChoice { kExportSpreadsheet, kExportMoodle, kExportCanvas, kExportStatements };
constexpr int kProblemsNamed = 12;
const QColor kMarked(192, 0, 0);

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QChartView* chartView(QWidget* parent, const char* name) {
    auto* v = new QChartView(new QChart, parent);
    v->setObjectName(name);
    v->setRenderHint(QPainter::Antialiasing);
    v->chart()->legend()->hide();
    v->chart()->setMargins(QMargins(2, 2, 2, 2));
    QFont title = v->font();
    title.setBold(true);
    v->chart()->setTitleFont(title);
    v->setMinimumHeight(180);
    return v;
}

constexpr int kTipShown = 500;  // characters of a text in a tooltip

// A chart of horizontal bars, the first item at the top. Each bar's label is short (and its
// own); its whole text is the bar's tooltip, the chart's accessible description and what
// script mode shows.
void drawBars(QChartView* view, const QString& title, const QList<QPair<QString, double>>& bars, double max) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }
    chart->setTitle(title);
    auto* set = new QBarSet(title);
    set->setColor(QColor(40, 100, 170));
    QStringList texts;  // from the top down
    for (const auto& bar : bars) texts << bar.first;
    const QStringList shortened = chartLabels(texts);
    QStringList labels, description;  // labels from the bottom up, as the axis takes them
    for (int i = bars.size() - 1; i >= 0; --i) {
        *set << std::round(bars[i].second);
        labels << shortened[i];
    }
    for (int i = 0; i < bars.size(); ++i)
        description << QStringLiteral("%1: %2").arg(shownField(texts[i], kTipShown)).arg(std::round(bars[i].second));
    view->setProperty("barTexts", texts);
    view->setAccessibleDescription(description.join('\n'));
    auto* series = new QHorizontalBarSeries;
    QObject::connect(series, &QAbstractBarSeries::hovered, view, [view, texts, set](bool on, int index, QBarSet*) {
        // The axis counts from the bottom; the texts from the top.
        const int row = texts.size() - 1 - index;
        view->setToolTip(on && row >= 0 && row < texts.size()
                             ? QStringLiteral("%1: %2").arg(shownField(texts[row], kTipShown)).arg(set->at(index))
                             : QString());
    });
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    series->setBarWidth(0.7);
    // A dozen challenges fit the chart's height in a smaller font.
    QFont small = view->font();
    small.setPointSizeF(small.pointSizeF() * (bars.size() > 8 ? 0.75 : 0.9));
    set->setLabelFont(small);
    set->setLabelColor(Qt::white);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    categories->setLabelsFont(small);
    categories->setTruncateLabels(false);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setRange(0, max);
    values->setLabelFormat("%d");
    values->setTickCount(max <= 10 ? int(max) + 1 : 6);
    values->setLabelsFont(small);
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);
}
}  // namespace

frmClassDashboard::frmClassDashboard() {
    setCaption(tr("Class dashboard"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    auto* top = new QHBoxLayout;
    lblFolder = new QLabel(this);
    lblFolder->setObjectName("lblFolder");
    lblFolder->setTextFormat(Qt::PlainText);
    lblFolder->setWordWrap(true);
    cmdRefresh = button(this, "cmdRefresh", tr("Refresh"));
    // What the export writes: the gradebook for a spreadsheet or a platform's import, or the
    // attempts as statements for a learning record store (the items in ExportChoice's order).
    cmbExportLayout = new QComboBox(this);
    cmbExportLayout->setObjectName("cmbExportLayout");
    cmbExportLayout->addItems({tr("Gradebook: spreadsheet (CSV)"), tr("Gradebook: Moodle import (CSV)"),
                               tr("Gradebook: Canvas import (CSV)"), tr("Attempts: xAPI statements (JSON)")});
    cmbExportLayout->setAccessibleName(tr("What to export"));
    cmbExportLayout->setToolTip(tr("What Export writes: the gradebook in the layout a spreadsheet or a learning platform "
                                   "imports, or every attempt shown as an xAPI statement"));
    cmbExportLayout->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmdExport = button(this, "cmdExport", tr("Export..."));
    cmdExport->setAccessibleName(tr("Export"));
    cmdPrint = button(this, "cmdPrint", tr("Print..."));
    top->addWidget(lblFolder, 1);
    top->addWidget(cmdRefresh);
    top->addWidget(cmbExportLayout);
    for (QPushButton* b : {cmdExport, cmdPrint}) top->addWidget(b);
    outer->addLayout(top);

    auto* filters = new QHBoxLayout;
    cmbChallenge = new QComboBox(this);
    cmbChallenge->setObjectName("cmbChallenge");
    cmbChallenge->setMinimumContentsLength(28);
    cmbChallenge->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbStudent = new QComboBox(this);
    cmbStudent->setObjectName("cmbStudent");
    cmbChallenge->setAccessibleName(tr("Show the challenge"));
    cmbStudent->setAccessibleName(tr("Show the student"));
    cmbStudent->setMinimumContentsLength(20);
    cmbStudent->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lblShown = new QLabel(this);
    lblShown->setObjectName("lblShown");
    lblShown->setTextFormat(Qt::PlainText);
    filters->addWidget(new QLabel(tr("Challenge:"), this));
    filters->addWidget(cmbChallenge);
    filters->addSpacing(12);
    filters->addWidget(new QLabel(tr("Student:"), this));
    filters->addWidget(cmbStudent);
    filters->addSpacing(12);
    filters->addWidget(lblShown, 1);
    outer->addLayout(filters);

    // The attempts in progress at the seats, from their progress files.
    fraLive = new QWidget(this);
    fraLive->setObjectName("fraLive");
    auto* live = new QVBoxLayout(fraLive);
    live->setContentsMargins(0, 0, 0, 0);
    live->setSpacing(2);
    lblLive = new QLabel(fraLive);
    lblLive->setObjectName("lblLive");
    lblLive->setTextFormat(Qt::PlainText);
    lblLive->setWordWrap(true);
    live->addWidget(lblLive);
    const QStringList liveHeading = {tr("Student"),      tr("Seat"),  tr("Challenge"), tr("Started"), tr("Time so far"),
                                     tr("Measurements"), tr("Hints"), tr("Last seen"), tr("State")};
    grdLive = new QTableWidget(0, liveHeading.size(), fraLive);
    grdLive->setObjectName("grdLive");
    grdLive->setHorizontalHeaderLabels(liveHeading);
    grdLive->setAccessibleName(tr("Attempts in progress"));
    grdLive->setFocusPolicy(Qt::StrongFocus);
    grdLive->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLive->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLive->setSelectionMode(QAbstractItemView::SingleSelection);
    grdLive->verticalHeader()->setVisible(false);
    grdLive->verticalHeader()->setDefaultSectionSize(grdLive->fontMetrics().height() + 6);
    grdLive->setWordWrap(false);
    grdLive->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdLive->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    // Four rows show; a larger class scrolls.
    grdLive->setFixedHeight(grdLive->horizontalHeader()->sizeHint().height() + 4 * grdLive->verticalHeader()->defaultSectionSize() + 4);
    lblLive->setBuddy(grdLive);
    live->addWidget(grdLive);
    outer->addWidget(fraLive);
    tmrWatch_ = std::make_unique<VTimer>(QStringLiteral("tmrClassWatch"), kWatchMs, [this] { tmrWatch_Timer(); });

    auto* middle = new QHBoxLayout;
    grdAttempts = new QTableWidget(0, classTableHeading().size(), this);
    grdAttempts->setObjectName("grdAttempts");
    grdAttempts->setHorizontalHeaderLabels(classTableHeading());
    grdAttempts->setAccessibleName(tr("Attempts"));
    grdAttempts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAttempts->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdAttempts->setSelectionMode(QAbstractItemView::SingleSelection);
    grdAttempts->verticalHeader()->setVisible(false);
    grdAttempts->verticalHeader()->setDefaultSectionSize(grdAttempts->fontMetrics().height() + 6);
    grdAttempts->setWordWrap(false);
    middle->addWidget(grdAttempts, 3);
    auto* side = new QVBoxLayout;
    lblPath = new QLabel(tr("Diagnostic path (double-click an attempt):"), this);
    lblPath->setObjectName("lblPath");
    lblPath->setWordWrap(true);
    txtPath = new QPlainTextEdit(this);
    txtPath->setObjectName("txtPath");
    txtPath->setReadOnly(true);
    lblPath->setBuddy(txtPath);
    side->addWidget(lblPath);
    side->addWidget(txtPath, 1);
    // The guided tests the attempt ran, and the instrument's screen at a run's result.
    lblGuidedRuns = new QLabel(tr("Guided tests run (the screen at the result):"), this);
    lblGuidedRuns->setObjectName("lblGuidedRuns");
    lblGuidedRuns->setWordWrap(true);
    lstGuidedRuns = new QListWidget(this);
    lstGuidedRuns->setObjectName("lstGuidedRuns");
    lstGuidedRuns->setAccessibleName(tr("Guided tests run"));
    lstGuidedRuns->setMaximumHeight(72);
    lblGuidedRuns->setBuddy(lstGuidedRuns);
    imgGuidedScreen = new QLabel(this);
    imgGuidedScreen->setObjectName("imgGuidedScreen");
    imgGuidedScreen->setAccessibleName(tr("Screen of the guided test run"));
    imgGuidedScreen->setAlignment(Qt::AlignCenter);
    // The picture follows the room the column gives it, rather than sizing the column.
    imgGuidedScreen->setMinimumHeight(110);
    imgGuidedScreen->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    for (QWidget* w : std::initializer_list<QWidget*>{lblGuidedRuns, lstGuidedRuns, imgGuidedScreen}) {
        w->setVisible(false);
        side->addWidget(w, w == imgGuidedScreen ? 1 : 0);
    }
    connect(lstGuidedRuns, &QListWidget::currentRowChanged, this, guarded([this](int row) { lstGuidedRuns_Click(row); }));
    connect(lstGuidedRuns, &QListWidget::itemActivated, this,
            guarded([this](QListWidgetItem* item) { lstGuidedRuns_Activate(lstGuidedRuns->row(item)); }));
    lstGuidedRuns->setToolTip(tr("Press Enter or double-click to see the screen at its full size"));
    middle->addLayout(side, 1);
    outer->addLayout(middle, 1);

    auto* charts = new QHBoxLayout;
    chtScores = chartView(this, "chtScores");
    chtWrong = chartView(this, "chtWrong");
    charts->addWidget(chtScores, 1);
    charts->addWidget(chtWrong, 1);
    outer->addLayout(charts);
    lblProblems = new QLabel(this);
    lblProblems->setObjectName("lblProblems");
    lblProblems->setTextFormat(Qt::PlainText);
    lblProblems->setWordWrap(true);
    setForeColor(lblProblems, kMarked);
    outer->addWidget(lblProblems);

    connect(cmdRefresh, &QPushButton::clicked, this, guarded([this] { cmdRefresh_Click(); }));
    connect(cmdExport, &QPushButton::clicked, this, guarded([this] { cmdExport_Click(); }));
    connect(cmdPrint, &QPushButton::clicked, this, guarded([this] { cmdPrint_Click(); }));
    for (QComboBox* c : {cmbChallenge, cmbStudent})
        connect(c, qOverload<int>(&QComboBox::activated), this, guarded([this] { cmbFilter_Click(); }));
    connect(grdAttempts, &QTableWidget::cellDoubleClicked, this, guarded([this](int row, int) { grdAttempts_DblClick(row); }));
}

frmClassDashboard::~frmClassDashboard() = default;

void frmClassDashboard::onLoad() { setTwips(150, 150, 17700, 10800); }

void frmClassDashboard::openFolder(const QString& attemptsFolder, const QByteArray& key, const QString& progressFolder) {
    progressFolder_ = progressFolder;
    board_ = ProgressBoard();
    if (!progressFolder_.isEmpty()) board_.poll(progressFolder_, platform().now());
    fillLive();
    folder_ = attemptsFolder;
    key_ = key;
    results_.load(attemptsFolder, key);
    fillFilters();
    cmbFilter_Click();
    showFolderState();
    tmrWatch_->setEnabled(true);
    showForm();
    bringToFront();
    const QString where = QDir::toNativeSeparators(attemptsFolder);
    const QString folderProblem = results_.folderProblem();
    const auto& problems = results_.problems();
    if (!folderProblem.isEmpty()) {
        MsgBox(tr("The attempts of the class folder cannot be read from \"%1\": %2\n\nCheck that the class folder can be "
                  "reached from this computer and that you may read it, then choose Refresh.")
                   .arg(where, folderProblem),
               MsgButtons::OK, MsgIcon::Exclamation);
    } else if (!problems.isEmpty()) {
        QStringList lines;
        for (int i = 0; i < problems.size() && i < kProblemsNamed; ++i)
            lines << "\"" + shownField(problems[i].file, kTipShown) + "\": " + problems[i].problem;
        if (problems.size() > kProblemsNamed) lines << tr("... and %1 more.").arg(problems.size() - kProblemsNamed);
        MsgBox(lblProblems->text() + "\n\n" + lines.join("\n"), MsgButtons::OK, MsgIcon::Exclamation);
    }
}

// The folder's line and the problems' line, from what was read.
void frmClassDashboard::showFolderState() {
    const QString attemptsFolder = folder_;
    const QByteArray& key = key_;
    const int n = results_.attempts().size();
    const QString where = QDir::toNativeSeparators(attemptsFolder);
    const bool unchecked = key.isEmpty();
    const QString folderProblem = results_.folderProblem();
    if (!folderProblem.isEmpty())
        lblFolder->setText((unchecked ? tr("%1 - the attempts cannot be read (no class key is set: the attempts are not checked)")
                                      : tr("%1 - the attempts cannot be read"))
                               .arg(where));
    else if (n == 1)
        lblFolder->setText((unchecked ? tr("%1 - 1 attempt (no class key is set: the attempts are not checked)") : tr("%1 - 1 attempt"))
                               .arg(where));
    else
        lblFolder->setText((unchecked ? tr("%1 - %2 attempts (no class key is set: the attempts are not checked)")
                                      : tr("%1 - %2 attempts"))
                               .arg(where, QLocale().toString(n)));
    const auto& problems = results_.problems();
    lblProblems->setVisible(!problems.isEmpty());
    if (!folderProblem.isEmpty() && n > 0)  // the watch keeps what it read while the folder is away
        lblProblems->setText(n == 1 ? tr("The attempts folder cannot be read now: %1 The attempt shown was read before.")
                                          .arg(folderProblem)
                                    : tr("The attempts folder cannot be read now: %1 The %2 attempts shown were read before.")
                                          .arg(folderProblem)
                                          .arg(n));
    else if (!folderProblem.isEmpty())
        lblProblems->setText(tr("The attempts folder could not be read: %1 No attempt is shown.").arg(folderProblem));
    else
        lblProblems->setText(problems.isEmpty()       ? QString()
                             : problems.size() == 1 ? tr("1 file of the folder could not be read and is left out.")
                                                    : tr("%1 files of the folder could not be read and are left out.")
                                                          .arg(problems.size()));
}

void frmClassDashboard::fillFilters() {
    // Each item's data is what the filter selects by (a student by key: two of the same name
    // stay apart); the choice is kept across a refresh by it.
    auto refill = [](QComboBox* box, const QString& all, const QStringList& keys, const QStringList& labels) {
        const QVariant before = box->currentIndex() > 0 ? box->currentData() : QVariant();
        box->clear();
        box->addItem(all);
        for (int i = 0; i < keys.size(); ++i) box->addItem(labels[i], keys[i]);
        box->setCurrentIndex(before.isValid() ? std::max(0, box->findData(before)) : 0);
    };
    const QStringList challenges = results_.challenges();
    refill(cmbChallenge, tr("(every challenge)"), challenges, challenges);
    const QStringList students = results_.students();
    QStringList labels;
    for (const QString& key : students) labels << results_.studentLabel(key);
    refill(cmbStudent, tr("(every student)"), students, labels);
}

QString frmClassDashboard::chosenStudent() const {
    return cmbStudent->currentIndex() > 0 ? cmbStudent->currentData().toString() : QString();
}

void frmClassDashboard::cmbFilter_Click() {
    shown_ = results_.select(cmbChallenge->currentIndex() > 0 ? cmbChallenge->currentData().toString() : QString(),
                             chosenStudent());
    fillTable();
    fillCharts();
    const int marked = results_.marked(shown_);
    lblShown->setText(marked ? tr("%1 shown, %2 marked: changed or without a check").arg(shown_.size()).arg(marked)
                             : tr("%1 shown").arg(shown_.size()));
    setForeColor(lblShown, marked ? kMarked : QColor(Qt::black));
    txtPath->clear();
    pathShown_ = -1;
    lstGuidedRuns->clear();
    imgGuidedScreen->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{lblGuidedRuns, lstGuidedRuns, imgGuidedScreen}) w->setVisible(false);
}

void frmClassDashboard::fillTable() {
    grdAttempts->setUpdatesEnabled(false);
    grdAttempts->clearContents();
    grdAttempts->setRowCount(shown_.size());
    for (int r = 0; r < shown_.size(); ++r) {
        const AttemptRecord& a = results_.attempts()[shown_[r]];
        const QStringList cells = classTableRow(a);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 3) item->setToolTip(shownField(a.answer, kTipShown));
            if (a.marked()) item->setForeground(kMarked);
            grdAttempts->setItem(r, c, item);
        }
    }
    // The widths from the heading and the first rows: a class of thousands opens at once.
    grdAttempts->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdAttempts->horizontalHeader()->setResizeContentsPrecision(50);
    grdAttempts->resizeColumnsToContents();
    grdAttempts->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    grdAttempts->setUpdatesEnabled(true);
}

void frmClassDashboard::fillCharts() {
    QList<QPair<QString, double>> scores;
    for (const ClassResults::ChallengeScore& s : results_.scoresPerChallenge(shown_)) scores.append({s.challenge, s.average});
    drawBars(chtScores, tr("Average score per challenge"), scores, 100);
    QList<QPair<QString, double>> wrong;
    double most = 1;
    for (const auto& w : results_.wrongAnswers(shown_, kWrongShown)) {
        wrong.append({shownAnswer(w.first), double(w.second)});
        most = std::max(most, double(w.second));
    }
    drawBars(chtWrong, wrong.isEmpty() ? tr("Most frequent wrong answers: none") : tr("Most frequent wrong answers"), wrong, most);
}

void frmClassDashboard::grdAttempts_DblClick(int row) {
    if (row < 0 || row >= shown_.size()) return;
    pathShown_ = shown_[row];
    const AttemptRecord& r = results_.attempts()[pathShown_];
    txtPath->setPlainText(diagnosticPath(r));
    lstGuidedRuns->clear();
    for (const GuidedRun& g : r.guided)
        lstGuidedRuns->addItem(g.title + QStringLiteral(": ") + scope::verdictText(g.result) +
                               (g.screen.isEmpty() ? tr(" (no screen)") : QString()));
    for (QWidget* w : std::initializer_list<QWidget*>{lblGuidedRuns, lstGuidedRuns, imgGuidedScreen})
        w->setVisible(!r.guided.isEmpty());
    imgGuidedScreen->clear();
    if (layout()) layout()->activate();  // the picture's room, now that it shows
    if (!r.guided.isEmpty()) lstGuidedRuns->setCurrentRow(0);
}

void frmClassDashboard::lstGuidedRuns_Activate(int row) {
    if (pathShown_ < 0 || pathShown_ >= results_.attempts().size()) return;
    const QList<GuidedRun>& runs = results_.attempts()[pathShown_].guided;
    if (row < 0 || row >= runs.size() || runs[row].screen.isEmpty()) return;
    const QString path = platform().tempFolder() + QStringLiteral("Vantorel guided test screen.png");
    try {
        checkWritableTarget(path);
        writeFileAtomic(path, runs[row].screen);
    } catch (const VbError& e) {
        MsgBox(tr("The screen could not be written to \"%1\".\n\n%2").arg(QDir::toNativeSeparators(path), e.description),
               MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    if (!platform().shellOpen(path))
        MsgBox(tr("The screen could not be opened: no program on this computer shows \"%1\".").arg(QDir::toNativeSeparators(path)),
               MsgButtons::OK, MsgIcon::Exclamation);
}

void frmClassDashboard::lstGuidedRuns_Click(int row) {
    imgGuidedScreen->clear();
    if (pathShown_ < 0 || pathShown_ >= results_.attempts().size()) return;
    const QList<GuidedRun>& runs = results_.attempts()[pathShown_].guided;
    if (row < 0 || row >= runs.size()) return;
    QImage screen;
    if (runs[row].screen.isEmpty() || !screen.loadFromData(runs[row].screen, "PNG")) {
        imgGuidedScreen->setText(runs[row].screen.isEmpty() ? tr("No screen: the run came to no result.")
                                                            : tr("The screen cannot be shown: its picture is damaged."));
        return;
    }
    // Whole, as large as the room allows (never larger than it was taken).
    const QSize room = imgGuidedScreen->contentsRect().size().boundedTo(screen.size()).expandedTo(QSize(120, 90));
    imgGuidedScreen->setPixmap(QPixmap::fromImage(screen.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void frmClassDashboard::cmdRefresh_Click() { openFolder(folder_, key_, progressFolder_); }

void frmClassDashboard::tmrWatch_Timer() {
    if (folder_.isEmpty()) return;
    if (results_.update(folder_, key_) > 0) showNewResults();
    if (!progressFolder_.isEmpty()) {
        board_.poll(progressFolder_, platform().now());
        fillLive();  // every time: how long ago each seat was seen moves on
    }
}

// What came in while the window was open: the filters, table and charts again, with the
// attempt the instructor was looking at kept in view.
void frmClassDashboard::showNewResults() {
    auto fileOf = [this](int shownRow) {
        return shownRow >= 0 && shownRow < shown_.size() ? results_.attempts()[shown_[shownRow]].file : QString();
    };
    const QString pathFile =
        pathShown_ >= 0 && pathShown_ < results_.attempts().size() ? results_.attempts()[pathShown_].file : QString();
    const QString selectedFile = fileOf(grdAttempts->currentRow());
    const int guidedRow = lstGuidedRuns->currentRow();
    const int scroll = grdAttempts->verticalScrollBar()->value();
    fillFilters();
    cmbFilter_Click();
    showFolderState();
    for (int row = 0; row < shown_.size(); ++row) {
        const QString file = fileOf(row);
        if (!pathFile.isEmpty() && file == pathFile) {
            grdAttempts_DblClick(row);
            if (guidedRow >= 0 && guidedRow < lstGuidedRuns->count()) lstGuidedRuns->setCurrentRow(guidedRow);
        }
        if (!selectedFile.isEmpty() && file == selectedFile) grdAttempts->setCurrentCell(row, 0);
    }
    grdAttempts->verticalScrollBar()->setValue(scroll);
}

namespace {
QString agoText(qint64 seconds) {
    if (seconds < 60) return frmClassDashboard::tr("%1 s ago").arg(std::max<qint64>(0, seconds));
    if (seconds < 3600) return frmClassDashboard::tr("%1 min ago").arg(seconds / 60);
    return frmClassDashboard::tr("%1 h ago").arg(seconds / 3600);
}
}  // namespace

void frmClassDashboard::fillLive() {
    fraLive->setVisible(!progressFolder_.isEmpty());
    const QDateTime now = platform().now();
    // The seats of this lesson: a file of an earlier one (a seat left days ago) is left out.
    QList<ProgressBoard::Entry> entries;
    for (const ProgressBoard::Entry& e : board_.entries())
        if (!ProgressBoard::forgotten(e, now)) entries.append(e);
    int working = 0, unseen = 0;
    // The columns fit their contents when a seat comes or goes, not at every watch (that would
    // measure every cell every few seconds).
    bool reshape = grdLive->rowCount() != entries.size();
    if (reshape) grdLive->setRowCount(entries.size());
    for (int row = 0; row < entries.size(); ++row) {
        const ProgressBoard::Entry& e = entries[row];
        const ProgressRecord& r = e.record;
        const bool stale = ProgressBoard::stale(e, now);
        const bool finished = r.state == ProgressRecord::State::Finished;
        working += !finished && !stale;
        unseen += stale;
        const qint64 ago = e.lastSeen.secsTo(now);
        const QString state = finished ? tr("Finished")
                              : stale  ? (ago < 3600 ? tr("Not seen for %1 min").arg(ago / 60)
                                                     : tr("Not seen for %1 h").arg(ago / 3600))
                                       : tr("Working");
        const QString student = r.studentId.isEmpty() || r.studentId == r.student
                                    ? r.student
                                    : QStringLiteral("%1 (%2)").arg(r.student, r.studentId);
        const QStringList cells = {shownField(student, 80),
                                   shownField(r.seat, 40),
                                   shownField(r.challenge, 120),
                                   r.started.toString("HH:mm:ss"),
                                   durationText(r.seconds),
                                   QString::number(r.measurements),
                                   QString::number(r.hints),
                                   agoText(ago),
                                   state};
        for (int c = 0; c < cells.size(); ++c) {
            QTableWidgetItem* item = grdLive->item(row, c);
            if (!item) grdLive->setItem(row, c, item = new QTableWidgetItem);
            // Only what changed: the table repaints the cells touched.
            const QBrush colour(stale ? kMarked : finished ? QColor(Qt::darkGray) : QColor(Qt::black));
            if (item->foreground() != colour) item->setForeground(colour);
            if (item->text() == cells[c]) continue;
            // A new state ("Not seen for 3 min") or another student may need more room.
            reshape |= c == 0 || c == 1 || c == 8;
            item->setText(cells[c]);
        }
    }
    if (reshape) grdLive->resizeColumnsToContents();
    QString text;
    const int staleMinutes = progressfile::kStaleSeconds / 60;
    if (!board_.folderProblem().isEmpty())
        text = tr("the attempts in progress cannot be read now: %1").arg(board_.folderProblem());
    else if (entries.isEmpty())
        text = tr("no student has started a challenge yet.");
    else if (!unseen)
        text = working == 1 ? tr("1 student working") : tr("%1 students working").arg(working);
    else
        text = working == 1 ? tr("1 student working, %1 not seen for %2 minutes or more").arg(unseen).arg(staleMinutes)
                            : tr("%1 students working, %2 not seen for %3 minutes or more").arg(working).arg(unseen).arg(staleMinutes);
    if (const int bad = board_.problems().size()) {
        const QString first = shownField(board_.problems().first().file + ": " + board_.problems().first().problem, 200);
        text = bad == 1 ? tr("%1 (a progress file cannot be read: %2)").arg(text, first)
                        : tr("%1 (%2 progress files cannot be read, the first: %3)").arg(text, QString::number(bad), first);
    }
    text = tr("Working now: %1 - updated %2").arg(text, now.toString("HH:mm:ss"));
    lblLive->setText(text);
    setForeColor(lblLive, unseen || !board_.folderProblem().isEmpty() ? kMarked : QColor(Qt::black));
}

void frmClassDashboard::cmdExport_Click() {
    const int choice = cmbExportLayout->currentIndex();
    const bool statements = choice == kExportStatements;
    const GradebookLayout layout = choice == kExportMoodle   ? GradebookLayout::Moodle
                                   : choice == kExportCanvas ? GradebookLayout::Canvas
                                                             : GradebookLayout::Spreadsheet;
    FileDialogRequest r;
    r.mode = FileDialogRequest::Save;
    r.title = statements ? tr("Export Statements") : tr("Export Gradebook");
    r.filter = statements ? tr("JSON files (*.json);;All files (*)") : tr("CSV files (*.csv);;All files (*)");
    r.defaultName = statements ? QStringLiteral("Statements.json") : gradebookFileName(layout);
    QString path = platform().fileDialog(r);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += statements ? ".json" : ".csv";
    QStringList notes;
    QByteArray bytes;
    if (statements) {
        bytes = xapi::statements(results_.attempts(), shown_, xapi::defaultHomePage());
        const int marked = results_.marked(shown_);
        if (marked > 0)
            notes << (marked == 1 ? tr("1 attempt written is marked: changed after it was handed in, or without a check.")
                                  : tr("%1 attempts written are marked: changed after they were handed in, or without a check.")
                                        .arg(marked));
    } else {
        const Gradebook book(results_.attempts(), shown_);
        bytes = book.csv(layout);
        notes = book.warnings(layout);
    }
    try {
        checkWritableTarget(path);
        writeFileAtomic(path, bytes);
    } catch (const VbError& e) {
        MsgBox(tr("The file could not be saved to \"%1\".\n\nError number: %2 - %3")
                   .arg(QDir::toNativeSeparators(path), QString::number(e.number), e.description),
               MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    if (!notes.isEmpty())
        MsgBox(tr("Saved to \"%1\". Before importing it:\n\n%2").arg(QDir::toNativeSeparators(path), notes.join("\n\n")),
               MsgButtons::OK, MsgIcon::Information);
}

void frmClassDashboard::cmdPrint_Click() {
    const int copies = platform().printerDialog();
    if (copies <= 0) return;
    const QString heading = tr("%1  -  %2, %3  -  printed %4")
                                .arg(lblFolder->text(), cmbChallenge->currentText(), cmbStudent->currentText(),
                                     generalDate(platform().now()));
    for (int copy = 0; copy < copies; ++copy)
        if (!platform().printDocument(results_.printout(shown_, heading))) {
            MsgBox(tr("There was a problem printing to your printer."), MsgButtons::OK, MsgIcon::None);
            return;
        }
}

bool frmClassDashboard::scriptShow(const QString& control, const QString&, QJsonObject& out) {
    auto bars = [&out](QChartView* view) {
        QJsonArray list;
        const QStringList texts = view->property("barTexts").toStringList();  // from the top down
        for (QAbstractSeries* s : view->chart()->series())
            if (auto* series = qobject_cast<QAbstractBarSeries*>(s)) {
                const auto* axis = qobject_cast<QBarCategoryAxis*>(series->attachedAxes().value(0));
                for (QBarSet* set : series->barSets())
                    for (int i = set->count() - 1; i >= 0; --i) {  // from the top of the chart down
                        const int row = set->count() - 1 - i;
                        list.append(QJsonObject{{"label", axis && i < axis->count() ? axis->at(i) : QString()},
                                                {"text", texts.value(row)},
                                                {"value", set->at(i)}});
                    }
            }
        out.insert("title", view->chart()->title());
        out.insert("bars", list);
        out.insert("count", list.size());
    };
    if (control == QLatin1String("chtScores")) bars(chtScores);
    else if (control == QLatin1String("chtWrong")) bars(chtWrong);
    else if (control.isEmpty()) {
        // The window itself: what it read and what it shows.
        out.insert("folder", folder_);
        out.insert("attempts", results_.attempts().size());
        out.insert("shown", shown_.size());
        out.insert("marked", results_.marked(shown_));
        QJsonArray problems;
        for (const ClassResults::Problem& p : results_.problems()) problems.append(p.file + ": " + p.problem);
        out.insert("problems", problems);
        out.insert("working", grdLive->rowCount());
        out.insert("watching", tmrWatch_->enabled());
        return false;  // the window's own fields are printed as well
    } else if (control == QLatin1String("imgGuidedScreen")) {
        // The screen shown of a guided test run: its picture's size, or the text in its place.
        const QPixmap shown = imgGuidedScreen->pixmap();
        out.insert("picturesize", shown.isNull() ? QJsonValue() : QJsonValue(QJsonArray{shown.width(), shown.height()}));
        out.insert("text", imgGuidedScreen->text());
        out.insert("visible", !imgGuidedScreen->isHidden());
        return true;
    } else return false;
    out.insert("type", "QChartView");
    out.insert("visible", !(control == QLatin1String("chtScores") ? chtScores : chtWrong)->isHidden());
    return true;
}

void OpenClassDashboard() {
    if (LoggedIn != True) {
        MsgBox(frmClassDashboard::tr("You must login before you can see the class dashboard"), MsgButtons::OK,
               MsgIcon::Information);
        ShowLoginWindow();
        return;
    }
    ClassFolder* cls = seatClassFolder();
    if (!cls) {
        MsgBox(frmClassDashboard::tr("This computer has no class folder. Set one up with Tools > Set Up Class..., "
                                     "or for this user alone in Tools > Options."),
               MsgButtons::OK, MsgIcon::Information);
        return;
    }
    frm<frmClassDashboard>()->openFolder(cls->attemptsFolder(), cls->key(), progressfile::folderOf(cls->folder()));
}
