#include "challenges/frmchallenges.h"

#include "challenges/attempt.h"
#include "multiscope/guidedtests.h"

#include "sim/simstate.h"
#include "challenges/classfolder.h"
#include "challenges/frmchallengeresults.h"
#include "challenges/frmchallengerun.h"
#include "challenges/session.h"
#include "challenges/student.h"
#include "platform/language.h"
#include "platform/datafolder.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

REGISTER_FORM(frmChallenges)

namespace {
QString challengeFilter() { return frmChallenges::tr("Challenge files (*.vch);;All files (*)"); }

// "Engine speed sensor failed" for fault 1: each entry of the faults list up to its colon.
QString faultDescription(int n) {
    static const QHash<int, QString> descriptions = [] {
        QHash<int, QString> out;
        try {
            const QString text = decodeText(readRegularFile(language::localisedDataFile("faults.txt"), 1024 * 1024));
            static const QRegularExpression entry(QStringLiteral("^(\\d+) - ([^:\\n]+)"), QRegularExpression::MultilineOption);
            for (auto it = entry.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                out.insert(m.captured(1).toInt(), m.captured(2).trimmed());
            }
        } catch (const VbError&) {
            // Without the list the boxes carry their numbers only.
        }
        return out;
    }();
    const QString d = descriptions.value(n);
    return d.isEmpty() ? frmChallenges::tr("Fault %1").arg(n) : QStringLiteral("%1 - %2").arg(QString::number(n), d);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

template <class W> W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}
}  // namespace

frmChallenges::frmChallenges() {
    setCaption(tr("Challenges"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    auto* buttons = new QHBoxLayout;
    cmdNew = button(this, "cmdNew", tr("New"));
    cmdOpen = button(this, "cmdOpen", tr("Open..."));
    cmdSave = button(this, "cmdSave", tr("Save"));
    cmdSaveAs = button(this, "cmdSaveAs", tr("Save As..."));
    cmdTestRun = button(this, "cmdTestRun", tr("Test run"));
    cmdResults = button(this, "cmdResults", tr("Results..."));
    cmdStart = button(this, "cmdStart", tr("Start challenge"));
    QFont bold = cmdStart->font();
    bold.setBold(true);
    cmdStart->setFont(bold);
    for (QPushButton* b : {cmdNew, cmdOpen, cmdSave, cmdSaveAs, cmdTestRun, cmdResults}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdStart);
    outer->addLayout(buttons);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    lblFolder = named(new QLabel(tr("Challenges in the folder:"), this), "lblFolder");
    lstChallenges = named(new QListWidget(this), "lstChallenges");
    lstChallenges->setAccessibleName(tr("Challenges in the folder"));
    lstChallenges->setMinimumWidth(260);
    lstChallenges->setWordWrap(true);
    lstChallenges->setTextElideMode(Qt::ElideNone);
    lstChallenges->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblFile = named(new QLabel(this), "lblFile");
    lblFile->setWordWrap(true);
    lblFile->setTextFormat(Qt::PlainText);
    left->addWidget(lblFolder);
    left->addWidget(lstChallenges, 1);
    left->addWidget(lblFile);
    // Who is taking the challenge: the name (given once, kept for the next time) and, where the
    // classroom asks for one, the student id; the computer account otherwise.
    lblStudent = named(new QLabel(this), "lblStudent");
    lblStudent->setWordWrap(true);
    lblStudent->setTextFormat(Qt::PlainText);
    txtStudentName = named(new QLineEdit(this), "txtStudentName");
    txtStudentName->setPlaceholderText(tr("Your name"));
    txtStudentName->setAccessibleName(tr("Your name"));
    txtStudentName->setMaxLength(80);
    txtStudentId = named(new QLineEdit(this), "txtStudentId");
    txtStudentId->setPlaceholderText(tr("Your student id"));
    txtStudentId->setAccessibleName(tr("Your student id"));
    txtStudentId->setMaxLength(80);
    left->addWidget(lblStudent);
    left->addWidget(txtStudentName);
    left->addWidget(txtStudentId);
    body->addLayout(left, 3);

    tabChallenge = named(new QTabWidget(this), "tabChallenge");
    body->addWidget(tabChallenge, 5);
    outer->addLayout(body, 1);

    // The challenge as the student reads it.
    auto* page = new QWidget;
    auto* form = new QVBoxLayout(page);
    txtTitle = named(new QLineEdit(page), "txtTitle");
    txtTitle->setMaxLength(100);
    QFont titleFont = txtTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() + 2);
    txtTitle->setFont(titleFont);
    txtInstructions = named(new QPlainTextEdit(page), "txtInstructions");
    lblStartState = named(new QLabel(page), "lblStartState");
    lblLimits = named(new QLabel(page), "lblLimits");
    for (QLabel* l : {lblStartState, lblLimits}) {
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
    }
    form->addWidget(txtTitle);
    form->addWidget(txtInstructions, 1);
    form->addWidget(lblStartState);
    form->addWidget(lblLimits);
    tabChallenge->addTab(page, tr("Challenge"));

    // The start state and the limits.
    page = new QWidget;
    auto* grid = new QFormLayout(page);
    chkEngineRunning = named(new QCheckBox(tr("Engine running at the start"), page), "chkEngineRunning");
    spnBattery = named(new QSpinBox(page), "spnBattery");
    spnBattery->setRange(0, 16);
    spnBattery->setSuffix(" V");
    spnTemperature = named(new QSpinBox(page), "spnTemperature");
    spnTemperature->setRange(-20, 110);
    spnTemperature->setSuffix(QString::fromUtf8(" °C"));
    cmbGear = named(new QComboBox(page), "cmbGear");
    cmbGear->addItems(gearNames());
    cmbThrottle = named(new QComboBox(page), "cmbThrottle");
    cmbThrottle->addItems({tr("Off", "throttle"), tr("On", "throttle"), tr("Full", "throttle")});
    chkAutoRun = named(new QCheckBox(tr("Auto run (with the engine running)"), page), "chkAutoRun");
    spnTimeLimit = named(new QSpinBox(page), "spnTimeLimit");
    spnTimeLimit->setRange(0, 240);
    spnTimeLimit->setSuffix(tr(" minutes"));
    spnTimeLimit->setSpecialValueText(tr("none"));
    spnMeasurementLimit = named(new QSpinBox(page), "spnMeasurementLimit");
    spnMeasurementLimit->setRange(0, 999);
    spnMeasurementLimit->setSpecialValueText(tr("none"));
    grid->addRow(chkEngineRunning);
    grid->addRow(tr("Battery (system) voltage:"), spnBattery);
    grid->addRow(tr("Engine temperature:"), spnTemperature);
    grid->addRow(tr("Gear:"), cmbGear);
    grid->addRow(tr("Throttle:"), cmbThrottle);
    grid->addRow(chkAutoRun);
    grid->addRow(tr("Time limit:"), spnTimeLimit);
    grid->addRow(tr("Measurement limit:"), spnMeasurementLimit);
    spnAttempts = named(new QSpinBox(page), "spnAttempts");
    spnAttempts->setRange(0, Challenge::kMaxAttempts);
    spnAttempts->setSpecialValueText(tr("any number"));
    cmbScoreCounts = named(new QComboBox(page), "cmbScoreCounts");
    // In the order of the rules: best, last, first, mean.
    cmbScoreCounts->addItems({tr("The best attempt"), tr("The last attempt"), tr("The first attempt"), tr("The mean of the attempts")});
    chkShowAnswer = named(new QCheckBox(tr("Tell a wrong diagnosis the right answer"), page), "chkShowAnswer");
    grid->addRow(tr("Attempts a student has:"), spnAttempts);
    grid->addRow(tr("Score that counts:"), cmbScoreCounts);
    grid->addRow(chkShowAnswer);
    for (QWidget* w : std::initializer_list<QWidget*>{spnAttempts, cmbScoreCounts})
        if (auto* l = qobject_cast<QLabel*>(grid->labelForField(w))) w->setAccessibleName(l->text().remove(':'));
    tabChallenge->addTab(page, tr("Start state"));

    // The faults to inject and the answer.
    page = new QWidget;
    auto* faultsPage = new QVBoxLayout(page);
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName("scrFaults");
    auto* list = new QWidget;
    auto* listLayout = new QVBoxLayout(list);
    listLayout->setSpacing(1);
    for (int n = 1; n <= sim::kFaultCount; ++n) {
        chkPick[n] = named(new QCheckBox(faultDescription(n), list), arrayName("chkPick", n));
        listLayout->addWidget(chkPick[n]);
    }
    scroll->setWidget(list);
    faultsPage->addWidget(new QLabel(tr("Faults to inject (at most four):"), page));
    faultsPage->addWidget(scroll, 1);
    auto* answers = new QGridLayout;
    for (int i = 0; i < Challenge::kMaxAnswers; ++i) {
        cmbPart[i] = named(new QComboBox(page), arrayName("cmbPart", i));
        cmbCircuit[i] = named(new QComboBox(page), arrayName("cmbCircuit", i));
        answers->addWidget(new QLabel(tr("Answer %1:").arg(i + 1), page), i, 0);
        answers->addWidget(cmbPart[i], i, 1);
        answers->addWidget(cmbCircuit[i], i, 2);
    }
    answers->setColumnStretch(1, 1);
    answers->setColumnStretch(2, 1);
    cmdAnswerFromFaults = button(page, "cmdAnswerFromFaults", tr("Answer from the faults"));
    answers->addWidget(cmdAnswerFromFaults, Challenge::kMaxAnswers, 2);
    faultsPage->addLayout(answers);
    // Or a fault of their own: each attempt draws one of these sets.
    auto* drawLabel = new QLabel(tr("Or let each attempt draw one set of faults (then tick none above), sets separated by "
                                    "\";\", e.g. \"8; 2 @ stopped; 9, 40\":"),
                                 page);
    drawLabel->setWordWrap(true);
    txtDraw = named(new QLineEdit(page), "txtDraw");
    txtDraw->setAccessibleName(tr("Sets of faults to draw from"));
    drawLabel->setBuddy(txtDraw);
    faultsPage->addWidget(drawLabel);
    faultsPage->addWidget(txtDraw);
    tabChallenge->addTab(page, tr("Faults and answer"));

    // Hints, revealed in order at their cost.
    page = new QWidget;
    auto* hintsPage = new QVBoxLayout(page);
    grdHints = named(new QTableWidget(Challenge::kMaxHints, 2, page), "grdHints");
    grdHints->setHorizontalHeaderLabels({tr("Points"), tr("Hint (revealed in this order)")});
    grdHints->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grdHints->setColumnWidth(0, 60);
    grdHints->setWordWrap(true);
    grdHints->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    hintsPage->addWidget(grdHints);
    tabChallenge->addTab(page, tr("Hints"));

    // The guided tests the student must run.
    page = new QWidget;
    auto* guidedPage = new QVBoxLayout(page);
    auto* guidedNote = new QLabel(tr("Guided tests the student must run (at most %1). Each one not run to a result "
                                     "takes %2 points off a right diagnosis.")
                                      .arg(Challenge::kMaxGuidedTests)
                                      .arg(Attempt::kGuidedMissingPenalty),
                                  page);
    guidedNote->setWordWrap(true);
    guidedPage->addWidget(guidedNote);
    auto* guidedScroll = new QScrollArea(page);
    guidedScroll->setObjectName("scrGuided");
    auto* guidedList = new QWidget;
    auto* guidedLayout = new QVBoxLayout(guidedList);
    guidedLayout->setSpacing(1);
    for (const guided::GuidedTest& t : guided::library()) {
        auto* box = named(new QCheckBox(t.title + QStringLiteral("  (") + guided::stateName(t.state) + ')', guidedList),
                          arrayName("chkGuided", int(chkGuided.size())));
        box->setToolTip(t.purpose);
        box->setAccessibleDescription(t.purpose);
        guidedLayout->addWidget(box);
        chkGuided.push_back(box);
        connect(box, &QCheckBox::toggled, this, guarded([this] { modified(); }));
    }
    guidedLayout->addStretch();
    guidedScroll->setWidget(guidedList);
    guidedScroll->setWidgetResizable(true);
    guidedPage->addWidget(guidedScroll, 1);
    tabChallenge->addTab(page, tr("Guided tests"));

    // The score's weights.
    page = new QWidget;
    auto* weights = new QFormLayout(page);
    auto* weightsNote = new QLabel(tr("A right diagnosis starts at 100 and loses these points (it keeps at least 10). "
                                      "A wrong one scores 0."),
                                   page);
    weightsNote->setWordWrap(true);
    weights->addRow(weightsNote);
    const QString weightNames[6] = {tr("Without evidence on the faulty circuit (half with one measurement):"),
                                    tr("Per measurement on a sound circuit beyond the free ones:"),
                                    tr("Measurements on sound circuits that are free:"),
                                    tr("Share of a hint's points taken (%):"),
                                    tr("For a diagnosis after the time limit:"),
                                    tr("Per guided test asked for without a result:")};
    for (int i = 0; i < 6; ++i) {
        spnWeight[i] = named(new QSpinBox(page), arrayName("spnWeight", i));
        spnWeight[i]->setRange(0, 100);
        spnWeight[i]->setAccessibleName(weightNames[i]);
        weights->addRow(weightNames[i], spnWeight[i]);
        connect(spnWeight[i], qOverload<int>(&QSpinBox::valueChanged), this, guarded([this] { modified(); }));
    }
    tabChallenge->addTab(page, tr("Score"));

    for (int i = 0; i < Challenge::kMaxAnswers; ++i) {
        fillPartList(cmbPart[i], i == 0 ? tr("(choose the part)") : tr("(none)"));
        connect(cmbPart[i], qOverload<int>(&QComboBox::activated), this, guarded([this, i] { cmbPart_Click(i); }));
        connect(cmbCircuit[i], qOverload<int>(&QComboBox::activated), this, guarded([this] { modified(); }));
        cmbPart_Click(i);
    }

    connect(cmdNew, &QPushButton::clicked, this, guarded([this] { cmdNew_Click(); }));
    connect(cmdOpen, &QPushButton::clicked, this, guarded([this] { cmdOpen_Click(); }));
    connect(cmdSave, &QPushButton::clicked, this, guarded([this] { cmdSave_Click(); }));
    connect(cmdSaveAs, &QPushButton::clicked, this, guarded([this] { cmdSaveAs_Click(); }));
    connect(cmdTestRun, &QPushButton::clicked, this, guarded([this] { cmdTestRun_Click(); }));
    connect(cmdStart, &QPushButton::clicked, this, guarded([this] { cmdStart_Click(); }));
    connect(cmdResults, &QPushButton::clicked, this, guarded([this] { cmdResults_Click(); }));
    connect(cmdAnswerFromFaults, &QPushButton::clicked, this, guarded([this] { cmdAnswerFromFaults_Click(); }));
    connect(lstChallenges, &QListWidget::currentRowChanged, this, guarded([this] { lstChallenges_Click(); }));
    connect(txtTitle, &QLineEdit::textChanged, this, guarded([this] { modified(); }));
    connect(txtInstructions, &QPlainTextEdit::textChanged, this, guarded([this] { modified(); }));
    for (QCheckBox* c : {chkEngineRunning, chkAutoRun})
        connect(c, &QCheckBox::toggled, this, guarded([this] { modified(); }));
    for (int n = 1; n <= sim::kFaultCount; ++n) connect(chkPick[n], &QCheckBox::toggled, this, guarded([this] { modified(); }));
    connect(txtDraw, &QLineEdit::textChanged, this, guarded([this] { modified(); }));
    connect(chkShowAnswer, &QCheckBox::toggled, this, guarded([this] { modified(); }));
    connect(cmbScoreCounts, qOverload<int>(&QComboBox::currentIndexChanged), this, guarded([this] { modified(); }));
    for (QSpinBox* s : {spnBattery, spnTemperature, spnTimeLimit, spnMeasurementLimit, spnAttempts})
        connect(s, qOverload<int>(&QSpinBox::valueChanged), this, guarded([this] { modified(); }));
    for (QComboBox* c : {cmbGear, cmbThrottle})
        connect(c, qOverload<int>(&QComboBox::currentIndexChanged), this, guarded([this] { modified(); }));
    connect(grdHints, &QTableWidget::cellChanged, this, guarded([this] { modified(); }));
}

void frmChallenges::onLoad() {
    setTwips(300, 300, 13200, 8700);
    Challenge blank;
    toControls(blank);
    loaded_ = false;
    refreshList();
    applyMode();
}

void frmChallenges::onActivate() { applyMode(); }

bool frmChallenges::onQueryUnload() { return settleEdits(); }

bool frmChallenges::scriptSet(const QString& control, const QString&, const QString& value, QString* error) {
    if (control != QLatin1String("tabChallenge")) return false;
    bool ok = false;
    const int page = value.toInt(&ok);
    if (!ok || page < 0 || page >= tabChallenge->count() || !tabChallenge->isTabVisible(page))
        *error = "no page " + value + " is shown";  // untranslated: a script's error
    else tabChallenge->setCurrentIndex(page);
    return true;
}

QString frmChallenges::folder() { return findDataFile("challenges"); }

bool frmChallenges::instructor() const { return LoggedIn == True; }

void frmChallenges::applyMode() {
    const bool edit = instructor();
    showStudent();
    for (QPushButton* b : {cmdNew, cmdSave, cmdSaveAs, cmdTestRun, cmdResults}) b->setVisible(edit);
    for (int t = 1; t < tabChallenge->count(); ++t) tabChallenge->setTabVisible(t, edit);
    if (!edit) tabChallenge->setCurrentIndex(0);
    txtTitle->setReadOnly(!edit);
    txtInstructions->setReadOnly(!edit);
    txtTitle->setPlaceholderText(edit ? tr("Title of the challenge") : tr("Choose a challenge from the list"));
    refreshPreview();
}

void frmChallenges::refreshList() {
    const QString current = lstChallenges->currentItem() ? lstChallenges->currentItem()->text() : QString();
    QSignalBlocker block(lstChallenges);
    lstChallenges->clear();
    QDir dir(folder());
    // The program's challenges, then the class's (marked so, since both may have the same names).
    auto add = [&](const QString& from, bool ofClass) {
        const QFileInfoList files = QDir(from).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& f : files)
            if (f.suffix().compare("vch", Qt::CaseInsensitive) == 0) {
                auto* item = new QListWidgetItem(ofClass ? tr("%1 (class)").arg(f.completeBaseName()) : f.completeBaseName(), lstChallenges);
                item->setData(Qt::UserRole, f.absoluteFilePath());
                if (item->text() == current) lstChallenges->setCurrentItem(item);
            }
    };
    add(folder(), false);
    if (ClassFolder* cls = seatClassFolder()) add(cls->challengesFolder(), true);
    lblFolder->setText(lstChallenges->count() ? tr("Challenges in the folder:") : tr("No challenges in the folder."));
    lblFolder->setToolTip(QDir::toNativeSeparators(dir.absolutePath()));
}

void frmChallenges::refreshPreview() {
    const Challenge c = fromControls();
    lblStartState->setText(tr("Before you start: %1").arg(c.startStateText()));
    QStringList limits;
    // Each count in its own words for one and for more.
    const int minutes = c.timeLimitMinutes, measurements = c.measurementLimit, hints = int(c.hints.size());
    limits << (minutes <= 0     ? tr("No time limit.")
               : minutes == 1   ? tr("Time limit: 1 minute.")
                                : tr("Time limit: %1 minutes.").arg(minutes));
    limits << (measurements <= 0     ? tr("No limit on measurements.")
               : measurements == 1   ? tr("At most 1 measurement.")
                                     : tr("At most %1 measurements.").arg(measurements));
    limits << (hints == 0 ? tr("No hints.") : hints == 1 ? tr("1 hint, at a cost.") : tr("%1 hints, at a cost.").arg(hints));
    // The rules the student plays by.
    static const char* const counts[] = {QT_TR_NOOP("the best counts"), QT_TR_NOOP("the last counts"),
                                         QT_TR_NOOP("the first counts"), QT_TR_NOOP("their mean counts")};
    const QString which = tr(counts[std::clamp(int(c.scoreCounts), 0, 3)]);
    limits << (c.attempts == 0   ? tr("Any number of attempts; %1.").arg(which)
               : c.attempts == 1 ? tr("One attempt.")
                                 : tr("%1 attempts; %2.").arg(c.attempts).arg(which));
    if (!c.guidedTests.isEmpty())
        limits << (c.guidedTests.size() == 1 ? tr("1 guided test to run.") : tr("%1 guided tests to run.").arg(c.guidedTests.size()));
    limits << (c.answers.size() > 1 ? tr("Find %1 faults.").arg(c.answers.size()) : tr("Find the fault."));
    lblLimits->setText(limits.join("  "));
    const bool shown = loaded_ || instructor();
    lblStartState->setVisible(shown);
    lblLimits->setVisible(shown);
    lblFile->setText(path_.isEmpty() ? (instructor() ? tr("New challenge, not saved yet.") : QString())
                     : dirty_        ? tr("%1 (changed)").arg(QFileInfo(path_).fileName())
                                     : QFileInfo(path_).fileName());
    cmdStart->setEnabled(loaded_ || instructor());
}

void frmChallenges::modified() {
    if (filling_) return;
    dirty_ = true;
    refreshPreview();
}

Challenge frmChallenges::fromControls() const {
    Challenge c;
    c.title = txtTitle->text().trimmed();
    c.instructions = txtInstructions->toPlainText().trimmed();
    c.engineRunning = chkEngineRunning->isChecked();
    c.battery = spnBattery->value();
    c.temperature = spnTemperature->value();
    c.gear = cmbGear->currentIndex();
    c.throttle = cmbThrottle->currentIndex();
    c.autoRun = chkAutoRun->isChecked();
    for (int n = 1; n <= sim::kFaultCount; ++n)
        if (chkPick[n]->isChecked()) c.faults << n;
    for (int i = 0; i < Challenge::kMaxAnswers; ++i)
        if (cmbPart[i]->currentIndex() > 0 && cmbCircuit[i]->currentIndex() > 0)
            c.answers << Answer{cmbPart[i]->currentText(), cmbCircuit[i]->currentText()};
    c.timeLimitMinutes = spnTimeLimit->value();
    c.measurementLimit = spnMeasurementLimit->value();
    for (int r = 0; r < grdHints->rowCount(); ++r) {
        const QTableWidgetItem* points = grdHints->item(r, 0);
        const QTableWidgetItem* text = grdHints->item(r, 1);
        const QString t = text ? text->text().simplified() : QString();
        if (t.isEmpty()) continue;
        c.hints << Hint{points ? points->text().trimmed().toInt() : 0, t};
    }
    for (std::size_t i = 0; i < chkGuided.size(); ++i)
        if (chkGuided[i]->isChecked()) c.guidedTests << guided::library()[i].key;
    c.attempts = spnAttempts->value();
    const ScoreRule rules[] = {ScoreRule::Best, ScoreRule::Last, ScoreRule::First, ScoreRule::Mean};
    c.scoreCounts = rules[std::clamp(cmbScoreCounts->currentIndex(), 0, 3)];
    c.showAnswer = chkShowAnswer->isChecked();
    QString why;
    if (!txtDraw->text().trimmed().isEmpty() && !parseDraw(txtDraw->text(), &c.draw, &why)) c.draw.clear();
    int* w[6] = {&c.weights.evidence, &c.weights.needless, &c.weights.freeNeedless, &c.weights.hints, &c.weights.late, &c.weights.guided};
    for (int i = 0; i < 6; ++i) *w[i] = spnWeight[i]->value();
    return c;
}

void frmChallenges::toControls(const Challenge& c) {
    filling_ = true;
    txtTitle->setText(c.title);
    txtInstructions->setPlainText(c.instructions);
    chkEngineRunning->setChecked(c.engineRunning);
    spnBattery->setValue(c.battery);
    spnTemperature->setValue(c.temperature);
    cmbGear->setCurrentIndex(c.gear);
    cmbThrottle->setCurrentIndex(c.throttle);
    chkAutoRun->setChecked(c.autoRun);
    for (int n = 1; n <= sim::kFaultCount; ++n) chkPick[n]->setChecked(c.faults.contains(n));
    for (int i = 0; i < Challenge::kMaxAnswers; ++i) {
        const Answer a = c.answers.value(i);
        const int p = cmbPart[i]->findText(a.part);
        cmbPart[i]->setCurrentIndex(p > 0 ? p : 0);
        cmbPart_Click(i);
        const int k = cmbCircuit[i]->findText(a.circuit);
        cmbCircuit[i]->setCurrentIndex(k > 0 ? k : 0);
    }
    spnTimeLimit->setValue(c.timeLimitMinutes);
    spnMeasurementLimit->setValue(c.measurementLimit);
    grdHints->clearContents();
    for (int r = 0; r < c.hints.size() && r < grdHints->rowCount(); ++r) {
        grdHints->setItem(r, 0, new QTableWidgetItem(QString::number(c.hints[r].points)));
        grdHints->setItem(r, 1, new QTableWidgetItem(c.hints[r].text));
    }
    for (std::size_t i = 0; i < chkGuided.size(); ++i) chkGuided[i]->setChecked(c.guidedTests.contains(guided::library()[i].key));
    spnAttempts->setValue(c.attempts);
    cmbScoreCounts->setCurrentIndex(int(c.scoreCounts));
    chkShowAnswer->setChecked(c.showAnswer);
    txtDraw->setText(drawText(c.draw));
    const int w[6] = {c.weights.evidence, c.weights.needless, c.weights.freeNeedless, c.weights.hints, c.weights.late, c.weights.guided};
    for (int i = 0; i < 6; ++i) spnWeight[i]->setValue(w[i]);
    filling_ = false;
    dirty_ = false;
    refreshPreview();
}

void frmChallenges::cmbPart_Click(int row) {
    const QString before = cmbCircuit[row]->currentText();
    fillCircuitList(cmbCircuit[row], cmbPart[row]);
    const int keep = cmbCircuit[row]->findText(before);
    if (keep > 0) cmbCircuit[row]->setCurrentIndex(keep);
    modified();
}

void frmChallenges::cmdAnswerFromFaults_Click() {
    const Challenge c = fromControls();
    QList<Answer> answers;
    for (int f : c.faults)
        if (!answers.contains(answerForFault(f))) answers << answerForFault(f);
    if (answers.size() > Challenge::kMaxAnswers) {
        MsgBox(tr("These faults make more than %1 answers: choose the answers yourself.").arg(Challenge::kMaxAnswers),
               MsgButtons::OK, MsgIcon::Information);
        return;
    }
    for (int i = 0; i < Challenge::kMaxAnswers; ++i) {
        const Answer a = answers.value(i);
        cmbPart[i]->setCurrentIndex(std::max(0, cmbPart[i]->findText(a.part)));
        cmbPart_Click(i);
        cmbCircuit[i]->setCurrentIndex(std::max(0, cmbCircuit[i]->findText(a.circuit)));
    }
    modified();
}

bool frmChallenges::settleEdits() {
    if (!dirty_ || !instructor()) return true;
    const QString title = txtTitle->text().trimmed();
    const QString ask = title.isEmpty() ? tr("Save the changes to the new challenge?") : tr("Save the changes to \"%1\"?").arg(title);
    switch (MsgBox(ask, MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgAnswer::Yes:
        cmdSave_Click();
        return !dirty_;
    case MsgAnswer::No: dirty_ = false; return true;
    default: return false;
    }
}

bool frmChallenges::load(const QString& path) {
    Challenge c;
    QString message;
    if (!loadChallengeFile(path, offeredAnswers(), &c, &message)) {
        MsgBox(message, MsgButtons::OK, MsgIcon::Exclamation);
        return false;
    }
    path_ = path;
    loaded_ = true;
    toControls(c);
    tabChallenge->setCurrentIndex(0);
    return true;
}

void frmChallenges::lstChallenges_Click() {
    QListWidgetItem* item = lstChallenges->currentItem();
    if (!item) return;
    const QString path = item->data(Qt::UserRole).toString();
    if (path == path_ && !dirty_) return;
    if (!settleEdits()) return;
    if (!load(path)) {
        // Nothing of the broken file is shown or applied.
        loaded_ = false;
        path_.clear();
        toControls(Challenge());
    }
}

void frmChallenges::cmdNew_Click() {
    if (!settleEdits()) return;
    path_.clear();
    loaded_ = false;
    {
        QSignalBlocker block(lstChallenges);
        lstChallenges->setCurrentRow(-1);
    }
    toControls(Challenge());
    tabChallenge->setCurrentIndex(0);
    txtTitle->setFocus();
}

void frmChallenges::cmdOpen_Click() {
    if (!settleEdits()) return;
    FileDialogRequest r;
    r.mode = FileDialogRequest::Open;
    r.title = tr("Open Challenge");
    r.filter = challengeFilter();
    r.directory = folder();
    const QString path = platform().fileDialog(r);
    if (path.isEmpty()) return;
    QSignalBlocker block(lstChallenges);
    lstChallenges->setCurrentRow(-1);
    load(path);
}

bool frmChallenges::saveTo(const QString& path) {
    if (!complete(tr("The challenge cannot be saved yet."))) return false;
    const Challenge c = fromControls();
    try {
        writeFileAtomic(path, c.toText().toUtf8());
    } catch (const VbError& e) {
        MsgBox(tr("The challenge could not be saved to \"%1\".\n\nError number: %2 - %3")
                   .arg(QDir::toNativeSeparators(path), QString::number(e.number), e.description),
               MsgButtons::OK, MsgIcon::Exclamation);
        return false;
    }
    path_ = path;
    loaded_ = true;
    dirty_ = false;
    refreshList();
    refreshPreview();
    return true;
}

void frmChallenges::cmdSave_Click() {
    if (path_.isEmpty()) cmdSaveAs_Click();
    else saveTo(path_);
}

void frmChallenges::cmdSaveAs_Click() {
    if (!complete(tr("The challenge cannot be saved yet."))) return;
    QDir().mkpath(folder());
    FileDialogRequest r;
    r.mode = FileDialogRequest::Save;
    r.title = tr("Save Challenge As");
    r.filter = challengeFilter();
    r.directory = folder();
    // An instructor of a class saves for the class: its challenges folder is offered first.
    if (ClassFolder* cls = seatClassFolder(); cls && QFileInfo(cls->challengesFolder()).isDir()) r.directory = cls->challengesFolder();
    // A file name cannot hold some of the characters a title may: they become blanks.
    const QString title = txtTitle->text().trimmed();
    const QRegularExpression notInFileNames(QStringLiteral("[/\\\\:*?\"<>|]"));
    QString name = title;
    name.replace(notInFileNames, QStringLiteral(" "));
    name = name.simplified();
    if (name.isEmpty()) name = QStringLiteral("Challenge");
    r.defaultName = (path_.isEmpty() ? name : QFileInfo(path_).completeBaseName()) + ".vch";
    QString path = platform().fileDialog(r);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".vch";
    if (!saveTo(path)) return;
    // A title the file name could not carry as it is: say which file the challenge went to.
    if (title.contains(notInFileNames))
        MsgBox(tr("A file name cannot hold the characters / \\ : * ? \" < > |, so the challenge \"%1\" is saved in the file \"%2\".")
                   .arg(title, QFileInfo(path).fileName()),
               MsgButtons::OK, MsgIcon::Information);
}

bool frmChallenges::complete(const QString& cannot) const {
    QList<FaultOption> draw;
    QString problem;
    if (!txtDraw->text().trimmed().isEmpty() && !parseDraw(txtDraw->text(), &draw, &problem))
        problem = tr("The sets of faults to draw from: %1").arg(problem);
    if (problem.isEmpty()) problem = fromControls().problem(offeredAnswers());
    if (problem.isEmpty()) return true;
    MsgBox(QStringLiteral("%1\n\n%2").arg(cannot, problem), MsgButtons::OK, MsgIcon::Information);
    return false;
}

void frmChallenges::play(bool testRun) {
    if (!complete(testRun ? tr("The challenge cannot be run yet.") : tr("The challenge cannot be started."))) return;
    if (frm<frmChallengeRun>()->startChallenge(fromControls(), testRun)) hideForm();
}

void frmChallenges::cmdTestRun_Click() { play(true); }

void frmChallenges::cmdStart_Click() {
    if (!loaded_ && !instructor()) {
        MsgBox(tr("Choose a challenge from the list, or open one, first."), MsgButtons::OK, MsgIcon::Information);
        return;
    }
    // The attempt is the student's: their name, and their id where the classroom asks for it.
    const QString name = txtStudentName->text().simplified();
    const QString id = txtStudentId->text().simplified();
    const bool asked = classroomConfig().studentId == StudentIdSource::Asked;
    if (name.isEmpty() || (asked && id.isEmpty())) {
        MsgBox(asked ? tr("Enter your name and your student id before you start the challenge.")
                     : tr("Enter your name before you start the challenge."),
               MsgButtons::OK, MsgIcon::Information);
        (name.isEmpty() ? txtStudentName : txtStudentId)->setFocus();
        return;
    }
    // Kept for the next time (written only when it changed).
    QList<SettingValue> values;
    if (name != GetSetting("ZRsettings", "ZRuserName", "")) values.append({"ZRsettings", "ZRuserName", name});
    if (asked && id != GetSetting("ZRsettings", "ZRstudentId", "")) values.append({"ZRsettings", "ZRstudentId", id});
    try {
        if (!values.isEmpty()) SaveSettings(values);
    } catch (const VbError& e) {
        MsgBox(tr("Your name could not be kept for the challenge: %1").arg(e.description), MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    play(false);
}

void frmChallenges::showStudent() {
    const SeatStudent who = seatStudent();
    const bool asked = classroomConfig().studentId == StudentIdSource::Asked;
    if (txtStudentName->text().isEmpty()) txtStudentName->setText(who.name);
    if (asked && txtStudentId->text().isEmpty()) txtStudentId->setText(who.id);
    txtStudentId->setVisible(asked);
    lblStudent->setText(asked ? tr("You (your name and student id):") : tr("You (student id %1):").arg(who.id));
}

void frmChallenges::cmdResults_Click() {
    FileDialogRequest r;
    r.mode = FileDialogRequest::Open;
    r.title = tr("Open Results");
    r.filter = tr("Results files (*.csv);;All files (*)");
    r.directory = userDataFolder();
    r.defaultName = results::fileName();
    const QString path = platform().fileDialog(r);
    if (path.isEmpty()) return;
    frm<frmChallengeResults>()->openResults(path);
}

void OpenChallenges() {
    if (auto* run = Forms::find<frmChallengeRun>(); run && run->active()) {
        run->showForm();
        run->bringToFront();
        return;
    }
    frmChallenges* c = frm<frmChallenges>();
    c->applyMode();
    c->showForm();
    c->bringToFront();
}
