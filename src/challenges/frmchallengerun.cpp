#include "challenges/frmchallengerun.h"

#include "sim/simstate.h"
#include "challenges/classfolder.h"
#include "challenges/seatprogress.h"
#include "challenges/session.h"
#include "challenges/student.h"
#include "diagnostics/jobsheet.h"
#include "electrical/startstop.h"
#include "engine/engine.h"
#include "faults/faults.h"
#include "multiscope/guidedtests.h"
#include "multiscope/instrument.h"
#include "platform/datafolder.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/services.h"
#include "platform/vbtypes.h"
#include "users/classroom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSysInfo>
#include <QVBoxLayout>
#include <memory>
#include <optional>

REGISTER_FORM(frmChallengeRun)

namespace {

// The name the results and attempt files keep (in the program's own words when none is given).
QString studentName() {
    const QString name = GetSetting("ZRsettings", "ZRuserName", "").trimmed();
    return name.isEmpty() ? QStringLiteral("(no name given)") : name;  // untranslated: written to the files
}

QString resultsPath() { return QDir(userDataFolder()).filePath(results::fileName()); }

// How many attempts the student has made at a challenge: those handed in to the class folder
// and waiting in the outbox when the seat has a class, else the rows of the results file.
int attemptsSoFar(const SeatStudent& who, const QString& title) {
    int count = 0;
    if (ClassFolder* cls = seatHandIn()) {
        for (const QString& folder : {cls->attemptsFolder(), cls->outbox()}) {
            if (folder.isEmpty()) continue;
            const QDir dir(folder);
            for (const QString& name : dir.entryList({"*." + attemptfile::suffix()}, QDir::Files)) {
                try {
                    AttemptRecord r;
                    QString problem;
                    if (attemptfile::parse(readRegularFile(dir.filePath(name), attemptfile::kMaxBytes), QByteArray(), &r, &problem) &&
                        r.challenge == title && (r.studentId.isEmpty() ? r.student == who.name : r.studentId == who.id))
                        ++count;
                } catch (const VbError&) {
                    // A file that cannot be read counts for no one.
                }
            }
        }
        return count;
    }
    try {
        QList<QStringList> rows;
        QString problem;
        if (QFileInfo::exists(resultsPath()) && results::parse(readRegularFile(resultsPath()), &rows, &problem))
            for (const QStringList& row : rows) count += row.value(0) == studentName() && row.value(1) == title;
    } catch (const VbError&) {
    }
    return count;
}
}  // namespace

frmChallengeRun::frmChallengeRun() {
    setCaption(tr("Challenge"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    auto label = [&](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        layout->addWidget(l);
        return l;
    };
    auto button = [&](QWidget* parent, const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(name);
        return b;
    };
    lblTitle = label("lblTitle");
    QFont bold = lblTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 1);
    lblTitle->setFont(bold);
    lblTime = label("lblTime");
    lblMeasurements = label("lblMeasurements");
    lblHints = label("lblHints");
    txtHints = new QPlainTextEdit(this);
    txtHints->setObjectName("txtHints");
    txtHints->setAccessibleName(tr("Hints"));
    txtHints->setReadOnly(true);
    txtHints->setMaximumHeight(90);
    layout->addWidget(txtHints);
    // A row of buttons under the panel's parts.
    auto row = [](QVBoxLayout* in, std::initializer_list<QPushButton*> buttons) {
        auto* r = new QHBoxLayout;
        for (QPushButton* b : buttons) r->addWidget(b);
        in->addLayout(r);
    };
    // The guided tests the challenge asks for, each with its result so far; Enter or a double
    // click sets one up on the instrument.
    lblGuided = label("lblGuided");
    lblGuided->setText(tr("Guided tests to run:"));
    lstGuided = new QListWidget(this);
    lstGuided->setObjectName("lstGuided");
    lstGuided->setMaximumHeight(96);
    lstGuided->setAccessibleName(tr("Guided tests to run"));
    lstGuided->setToolTip(tr("Press Enter or double-click to set the test up on the instrument"));
    lblGuided->setBuddy(lstGuided);
    layout->addWidget(lstGuided);
    connect(lstGuided, &QListWidget::itemActivated, this,
            guarded([this](QListWidgetItem* item) { lstGuided_Activate(lstGuided->row(item)); }));
    cmdInstructions = button(this, "cmdInstructions", tr("Instructions"));
    cmdHint = button(this, "cmdHint", tr("Show a hint"));
    row(layout, {cmdInstructions, cmdHint});

    fraDiagnosis = new QGroupBox(tr("Your diagnosis"), this);
    fraDiagnosis->setObjectName("fraDiagnosis");
    auto* diag = new QVBoxLayout(fraDiagnosis);
    for (int i = 0; i < Challenge::kMaxAnswers; ++i) {
        cmbAnswerPart[i] = new QComboBox(fraDiagnosis);
        cmbAnswerPart[i]->setObjectName(arrayName("cmbAnswerPart", i));
        cmbAnswerCircuit[i] = new QComboBox(fraDiagnosis);
        cmbAnswerCircuit[i]->setObjectName(arrayName("cmbAnswerCircuit", i));
        cmbAnswerPart[i]->setAccessibleName(tr("Faulty part %1").arg(i + 1));
        cmbAnswerCircuit[i]->setAccessibleName(tr("Fault %1 in the circuit").arg(i + 1));
        diag->addWidget(cmbAnswerPart[i]);
        diag->addWidget(cmbAnswerCircuit[i]);
        connect(cmbAnswerPart[i], qOverload<int>(&QComboBox::activated), this,
                guarded([this, i] { cmbAnswerPart_Click(i); }));
    }
    cmdSubmit = button(fraDiagnosis, "cmdSubmit", tr("Submit diagnosis"));
    cmdEnd = button(fraDiagnosis, "cmdEnd", tr("End challenge"));
    row(diag, {cmdSubmit, cmdEnd});
    layout->addWidget(fraDiagnosis);

    lblResult = label("lblResult");
    QFont big = lblResult->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() + 6);
    lblResult->setFont(big);
    lblResult->setAlignment(Qt::AlignCenter);
    txtResult = new QPlainTextEdit(this);
    txtResult->setObjectName("txtResult");
    txtResult->setAccessibleName(tr("Result"));
    txtResult->setReadOnly(true);
    layout->addWidget(txtResult, 1);
    cmdPrint = button(this, "cmdPrint", tr("Print result sheet"));
    cmdSaveResult = button(this, "cmdSaveResult", tr("Save result"));
    cmdClose = button(this, "cmdClose", tr("Close"));
    row(layout, {cmdPrint, cmdSaveResult, cmdClose});
    layout->addStretch();

    connect(cmdInstructions, &QPushButton::clicked, this, guarded([this] { cmdInstructions_Click(); }));
    connect(cmdHint, &QPushButton::clicked, this, guarded([this] { cmdHint_Click(); }));
    connect(cmdSubmit, &QPushButton::clicked, this, guarded([this] { cmdSubmit_Click(); }));
    connect(cmdEnd, &QPushButton::clicked, this, guarded([this] { cmdEnd_Click(); }));
    connect(cmdPrint, &QPushButton::clicked, this, guarded([this] { cmdPrint_Click(); }));
    connect(cmdSaveResult, &QPushButton::clicked, this, guarded([this] { cmdSaveResult_Click(); }, Trap::report()));
    connect(cmdClose, &QPushButton::clicked, this, guarded([this] { cmdClose_Click(); }));
}

void frmChallengeRun::onLoad() {
    // The student works in a system window (top left, 4700 twips high) and in the MultiScope
    // (from 7000 twips across, 5000 down): the panel takes the corner below the one and left
    // of the other, so it covers neither the drag sources nor the connection terminal.
    setTwips(50, 4800, 6850, 5650);
}

bool frmChallengeRun::onQueryUnload() {
    // While the challenge runs the close box only puts the panel away (Tools > Challenges...
    // brings it back); once the result is shown it closes the challenge.
    if (running()) hideForm();
    else cmdClose_Click();
    return false;
}

void frmChallengeRun::lockFaults(bool locked) { LockFaultsWindow(locked); }

bool frmChallengeRun::startChallenge(const Challenge& challenge, bool testRun) {
    if (running()) {
        MsgBox(tr("A challenge is already running: submit your diagnosis or end it first."), MsgButtons::OK,
               MsgIcon::Information);
        showForm();
        return false;
    }
    // The instructor's limit on attempts; the set of a draw this attempt gets.
    const SeatStudent who = seatStudent();
    const int before = testRun ? 0 : attemptsSoFar(who, challenge.title);
    if (!testRun && challenge.attempts > 0 && before >= challenge.attempts) {
        MsgBox(challenge.attempts == 1 ? tr("You have made your attempt at this challenge: it allows one.")
                                       : tr("You have made all %1 attempts this challenge allows.").arg(challenge.attempts),
               MsgButtons::OK, MsgIcon::Information);
        return false;
    }
    const int drawn = challenge.draw.isEmpty() ? -1
                      : testRun ? int(QRandomGenerator::global()->bounded(int(challenge.draw.size())))
                                : drawIndex(drawSeed(who.id, challenge.title, before + 1), int(challenge.draw.size()));
    if (active_) {
        RepairAllFaults();  // the last challenge's faults, still in for its review
        active_ = false;
    }
    // The vehicle as the challenge describes it, from a repaired, stopped engine.
    StopEngine();
    RepairAllFaults();
    HideFaultsWindow();
    engine::setSlider(sim::Slider::Temperature, challenge.temperature);
    engine::setSlider(sim::Slider::Voltage, challenge.battery);
    EngineTemperature = challenge.temperature;
    SystemVoltage = challenge.battery;
    attempt_ = Attempt(challenge, platform().now(), testRun, drawn);
    if (attempt_.engineRunning() && EngineRunning != True) StartStopEngine();
    engine::selectGear(challenge.gear);
    const sim::Throttle throttle[] = {sim::Throttle::Off, sim::Throttle::On, sim::Throttle::Full};
    engine::selectThrottle(throttle[challenge.throttle]);
    engine::setAutoRun(challenge.autoRun && EngineRunning == True);
    for (int f : attempt_.faults()) InjectFault(f);
    lockFaults(true);

    active_ = true;
    timeUpTold_ = false;
    resultSaved_ = false;
    classNote_.clear();
    startClock_ = platform().clock();
    setCaption(testRun ? tr("Challenge (test run)") : tr("Challenge"));
    lblTitle->setText(challenge.title);
    txtHints->clear();
    for (int i = 0; i < Challenge::kMaxAnswers; ++i) {
        fillPartList(cmbAnswerPart[i], tr("(choose the part)"));
        cmbAnswerPart_Click(i);
        const bool used = i < attempt_.answers().size();
        cmbAnswerPart[i]->setVisible(used);
        cmbAnswerCircuit[i]->setVisible(used);
    }
    fraDiagnosis->setTitle(attempt_.answers().size() > 1
                               ? tr("Your diagnosis: the %1 faults").arg(attempt_.answers().size())
                               : tr("Your diagnosis"));
    refresh();
    showForm();
    bringToFront();
    seatProgress(attempt_, 0, ProgressEvent::Start);
    return true;
}

double frmChallengeRun::elapsed() const {
    if (!active_) return 0;
    return attempt_.finished() ? attempt_.seconds() : platform().clock() - startClock_;
}

void frmChallengeRun::refresh() {
    const Challenge& c = attempt_.challenge();
    const bool over = running() && attempt_.overTime(elapsed());
    const QString now = durationText(elapsed());
    if (c.timeLimitMinutes <= 0) lblTime->setText(tr("Time: %1").arg(now));
    else if (over) lblTime->setText(tr("Time: %1 of %2 - time is up").arg(now, durationText(c.timeLimitMinutes * 60.0)));
    else lblTime->setText(tr("Time: %1 of %2").arg(now, durationText(c.timeLimitMinutes * 60.0)));
    const int taken = attempt_.measurements().size();
    lblMeasurements->setText(c.measurementLimit > 0 ? tr("Measurements: %1 of %2").arg(taken).arg(c.measurementLimit)
                                                    : tr("Measurements: %1").arg(taken));
    const int used = attempt_.hintsUsed(), points = attempt_.hintPoints();
    lblHints->setText(points == 1 ? tr("Hints used: %1 of %2 (1 point)").arg(used).arg(c.hints.size())
                                  : tr("Hints used: %1 of %2 (%3 points)").arg(used).arg(c.hints.size()).arg(points));
    txtHints->setVisible(attempt_.hintsUsed() > 0);
    const QStringList guidedLines = attempt_.guidedLines();
    // Once the result is in, the result lists them (and the room goes to it).
    lblGuided->setVisible(!guidedLines.isEmpty() && !attempt_.finished());
    lstGuided->setVisible(!guidedLines.isEmpty() && !attempt_.finished());
    if (lstGuided->count() != guidedLines.size()) {
        lstGuided->clear();
        for (int i = 0; i < guidedLines.size(); ++i) lstGuided->addItem(QString());
    }
    for (int i = 0; i < guidedLines.size(); ++i) lstGuided->item(i)->setText(guidedLines[i].trimmed());
    const Hint* next = attempt_.nextHint();
    cmdHint->setEnabled(running() && next);
    cmdHint->setText(!next               ? tr("No more hints")
                     : next->points == 1 ? tr("Show a hint (-1 point)")
                                         : tr("Show a hint (-%1 points)").arg(next->points));
    const bool done = attempt_.finished();
    cmdHint->setVisible(!done);
    fraDiagnosis->setVisible(!done);
    lblResult->setVisible(done);
    txtResult->setVisible(done);
    cmdPrint->setVisible(done);
    cmdSaveResult->setVisible(done && !attempt_.testRun() && !resultSaved_);
    cmdClose->setVisible(done);
    if (done) {
        lblResult->setText(attempt_.right() ? tr("Right") : tr("Wrong"));
        setForeColor(lblResult, attempt_.right() ? QColor(0, 128, 0) : QColor(192, 0, 0));
        txtResult->setPlainText(classNote_.isEmpty() ? attempt_.summary() : attempt_.summary() + "\n\n" + classNote_);
    }
}

bool frmChallengeRun::allowsMeasurement() {
    if (!running()) return true;
    QString why;
    if (attempt_.mayMeasure(&why)) return true;
    MsgBox(why, MsgButtons::OK, MsgIcon::Information);
    return false;
}

void frmChallengeRun::measured(const QString& point, const QString& reading, const QString& key) {
    if (!running()) return;
    attempt_.addMeasurement(elapsed(), point, reading, key);
    refresh();
    seatProgress(attempt_, elapsed(), ProgressEvent::Changed);
}

void frmChallengeRun::guidedRun(int run, const QString& test, const QString& title, scope::Verdict result,
                                const QString& reason, const QByteArray& screen) {
    if (!running()) return;
    attempt_.guidedRun(run, test, title, result, reason, screen, elapsed());
    refresh();
    seatProgress(attempt_, elapsed(), ProgressEvent::Changed);
}

void frmChallengeRun::lstGuided_Activate(int row) {
    const QStringList& asked = attempt_.challenge().guidedTests;
    if (!running() || row < 0 || row >= asked.size()) return;
    if (!instrument::startGuidedTest(asked[row]))
        MsgBox(tr("The guided test \"%1\" cannot be set up on the instrument.").arg(asked[row]), MsgButtons::OK,
               MsgIcon::Exclamation);
}

void frmChallengeRun::tick() {
    if (!running()) return;
    refresh();
    seatProgress(attempt_, elapsed(), ProgressEvent::Tick);
    if (!timeUpTold_ && attempt_.overTime(elapsed())) {
        timeUpTold_ = true;
        const int minutes = attempt_.challenge().timeLimitMinutes;
        MsgBox(minutes == 1 ? tr("Time is up: the time limit of 1 minute has passed.\n\nSubmit your diagnosis now; a "
                                 "diagnosis submitted after the limit loses %1 points.")
                                  .arg(Attempt::kLatePenalty)
                            : tr("Time is up: the time limit of %1 minutes has passed.\n\nSubmit your diagnosis now; a "
                                 "diagnosis submitted after the limit loses %2 points.")
                                  .arg(minutes)
                                  .arg(Attempt::kLatePenalty),
               MsgButtons::OK, MsgIcon::Information);
    }
}

void frmChallengeRun::cmbAnswerPart_Click(int row) { fillCircuitList(cmbAnswerCircuit[row], cmbAnswerPart[row]); }

void frmChallengeRun::cmdInstructions_Click() {
    MsgBox(attempt_.challenge().instructions, MsgButtons::OK, MsgIcon::None, attempt_.challenge().title);
}

void frmChallengeRun::cmdHint_Click() {
    const Hint* next = attempt_.nextHint();
    if (!running() || !next) return;
    const int number = attempt_.hintsUsed() + 1;
    const QString ask = next->points == 1 ? tr("Show hint %1? It costs 1 point.").arg(number)
                                          : tr("Show hint %1? It costs %2 points.").arg(number).arg(next->points);
    if (MsgBox(ask, MsgButtons::YesNo,
               MsgIcon::Question) != MsgAnswer::Yes)
        return;
    attempt_.revealHint();
    txtHints->appendPlainText(tr("Hint %1: %2").arg(QString::number(number), next->text));
    refresh();
    seatProgress(attempt_, elapsed(), ProgressEvent::Changed);
}

void frmChallengeRun::cmdSubmit_Click() {
    if (!running()) return;
    QList<Answer> given;
    QStringList lines;
    for (int i = 0; i < attempt_.answers().size(); ++i) {
        if (cmbAnswerPart[i]->currentIndex() <= 0 || cmbAnswerCircuit[i]->currentIndex() <= 0) {
            MsgBox(tr("Choose the faulty part and its circuit before you submit your diagnosis."), MsgButtons::OK,
                   MsgIcon::Information);
            return;
        }
        given << Answer{cmbAnswerPart[i]->currentText(), cmbAnswerCircuit[i]->currentText()};
        lines << given.last().part + " - " + given.last().circuit;
    }
    if (MsgBox(tr("Submit this diagnosis?\n\n%1\n\nThe challenge ends when you submit it.").arg(lines.join("\n")),
               MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
        return;
    attempt_.submit(given, elapsed());
    finish();
}

void frmChallengeRun::cmdEnd_Click() {
    if (!running()) return;
    if (MsgBox(tr("End the challenge without a diagnosis? It scores 0."), MsgButtons::YesNo, MsgIcon::Question) !=
        MsgAnswer::Yes)
        return;
    attempt_.giveUp(elapsed());
    finish();
}

void frmChallengeRun::finish() {
    lockFaults(false);
    refresh();
    if (!attempt_.testRun()) handIn();
    refresh();
    seatProgress(attempt_, attempt_.seconds(), ProgressEvent::Finish);
}

void frmChallengeRun::addResultRow() {
    try {
        saveResult();
    } catch (const VbError& e) {
        MsgBox(tr("The result could not be added to \"%1\".\n\nError number: %2 - %3\n\nThe result stays on screen: "
                  "\"Save result\" tries again, and \"Print result sheet\" prints it.")
                   .arg(resultsPath(), QString::number(e.number), e.description),
               MsgButtons::OK, MsgIcon::Exclamation);
    }
}

void frmChallengeRun::handIn() {
    ClassFolder* cls = seatHandIn();
    if (!cls) {
        addResultRow();
        return;
    }
    // The attempt is kept before its row is written, so that a row never stands for an attempt
    // the class will not get.
    const ClassFolder::Result r = cls->submit(attemptfile::recordOf(attempt_, studentName(), QSysInfo::machineHostName(), seatStudent().id),
                                              [this] { addResultRow(); });
    classNote_ = r.where == ClassFolder::Result::Where::ClassFolder ? tr("Handed in to the class folder.")
                 : r.where == ClassFolder::Result::Where::Outbox
                     ? (cls->known() ? tr("Kept on this computer until the class folder can be reached.")
                                     : tr("Kept on this computer until the class folder is known."))
                     : tr("Not handed in to the class folder.");
    if (!r.message.isEmpty())
        MsgBox(r.message, MsgButtons::OK,
               r.where == ClassFolder::Result::Where::ClassFolder ? MsgIcon::Information : MsgIcon::Exclamation);
}

void frmChallengeRun::saveResult() {
    QDir().mkpath(userDataFolder());
    results::append(resultsPath(), attempt_.resultRow(studentName()));
    resultSaved_ = true;
}

void frmChallengeRun::cmdSaveResult_Click() {
    if (!attempt_.finished() || resultSaved_ || attempt_.testRun()) return;
    saveResult();
    refresh();
}

void frmChallengeRun::cmdPrint_Click() {
    if (!attempt_.finished()) return;
    const int copies = platform().printerDialog();
    if (copies <= 0) return;
    const QString company = GetSetting("ZRsettings", "ZRuserCompany", "");
    for (int copy = 0; copy < copies; ++copy) {
        if (!platform().printDocument(attempt_.resultSheet(studentName(), company, generalDate(attempt_.startedAt()),
                                                      generalDate(platform().now())))) {
            MsgBox(tr("There was a problem printing to your printer."), MsgButtons::OK, MsgIcon::None);
            return;
        }
    }
}

void frmChallengeRun::cmdClose_Click() {
    if (running()) return;
    if (active_) {
        // The vehicle is repaired when the finished challenge is put away.
        active_ = false;
        RepairAllFaults();
    }
    hideForm();
}

bool frmChallengeRun::scriptShow(const QString& control, const QString&, QJsonObject& out) {
    if (control != QLatin1String("attempt")) return false;
    out.insert("active", active_);
    out.insert("running", running());
    out.insert("finished", attempt_.finished());
    out.insert("right", attempt_.right());
    out.insert("score", attempt_.score());
    out.insert("seconds", elapsed());
    out.insert("hints", attempt_.hintsUsed());
    out.insert("testrun", attempt_.testRun());
    QJsonArray faults;
    for (int f : attempt_.faults()) faults.append(f);
    out.insert("faults", faults);
    out.insert("drawn", attempt_.drawn());
    out.insert("reasons", QJsonArray::fromStringList(attempt_.reasons()));
    out.insert("saved", resultSaved_);
    QJsonArray path;
    for (const Measurement& m : attempt_.measurements())
        path.append(QJsonObject{{"seconds", m.seconds}, {"point", m.point}, {"reading", m.reading}, {"key", m.key}});
    out.insert("measurements", path);
    out.insert("count", path.size());
    QJsonArray runs;
    for (const GuidedRun& r : attempt_.guidedRuns())
        runs.append(QJsonObject{{"test", r.test},
                                {"result", scope::verdictText(r.result)},
                                {"reason", r.reason},
                                {"screen", r.screen.isEmpty() ? QJsonValue() : QJsonValue(int(r.screen.size()))}});
    out.insert("guided", runs);
    out.insert("guidedmissing", attempt_.guidedMissing());
    return true;
}

// ---- What the other windows call ----

namespace {
frmChallengeRun* panel() { return Forms::find<frmChallengeRun>(); }
}  // namespace

bool ChallengeRunning() { return panel() && panel()->running(); }
bool ChallengeAllowsMeasurement() { return !panel() || panel()->allowsMeasurement(); }
void ChallengeMeasured(const QString& point, const QString& reading, const QString& key) {
    if (panel()) panel()->measured(point, reading, key);
}
void ChallengeGuidedRun(int run, const QString& test, const QString& title, scope::Verdict result, const QString& reason,
                        const QByteArray& screen) {
    if (panel()) panel()->guidedRun(run, test, title, result, reason, screen);
}
void ChallengeTick() {
    if (panel()) panel()->tick();
    // At the first tick, then every half minute: what waits in the outbox is handed in.
    static int ticks = 0;
    ClassFolder* cls = ++ticks % 30 == 1 ? seatHandIn() : nullptr;
    if (!cls) return;
    const QString message = cls->sendWaiting();
    if (!message.isEmpty()) MsgBox(message, MsgButtons::OK, MsgIcon::Information);
}

namespace {
// The seat's class folder once found (null inside: the seat belongs to no class).
std::optional<std::unique_ptr<ClassFolder>>& seatFolder() {
    static std::optional<std::unique_ptr<ClassFolder>> folder;
    return folder;
}
}  // namespace

ClassFolder* seatHandIn() {
    auto& folder = seatFolder();
    if (!folder) folder = [] () -> std::unique_ptr<ClassFolder> {
        QString problem;
        const QString path = classFolderFor(classroomConfig(), GetSetting("ZRsettings", "ZRclassFolder", ""), &problem);
        if (path.isEmpty() && problem.isEmpty()) return nullptr;
        return std::make_unique<ClassFolder>(path, QDir(userDataFolder()).filePath("Class outbox"), classroomConfig().classKey, problem);
    }();
    return folder->get();
}

void forgetSeatClassFolder() { seatFolder().reset(); }

ClassFolder* seatClassFolder() {
    ClassFolder* folder = seatHandIn();
    return folder && folder->known() ? folder : nullptr;
}
