#include "frmfaults.h"
#include "users/users.h"
#include "platform/language.h"
#include "platform/files.h"
#include "platform/guard.h"

#include "sim/catalogue.h"
#include "sim/session.h"
#include "sim/simstate.h"
#include "electrical/electrical.h"
#include "faults/faults.h"
#include "challenges/session.h"
#include "platform/platform.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QChildEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

REGISTER_FORM(frmFaults)

namespace {
constexpr int kNarrowWidth = 4000;  // boxes only
constexpr int kWideWidth = 9000;    // boxes and the faults list
constexpr int kColumnX[] = {240, 915, 1680, 2400, 3120};

void clearFaultFlags() {
    CriticalFault = False;
    KnockSensorFault = False;
    ExhaustWarning = False;
}
}  // namespace

frmFaults::frmFaults() {
    setCaption(tr("Faults..."));
    // The boxes stand at fixed places; the window is only ever 4000 or 9000 twips wide.
    setFixedSizeWindow(true);
    for (int n = 1; n <= kFaultCount; ++n) {
        // Ten boxes to a column, rows from 360 to 4440 twips.
        const int column = (n - 1) / 10, row = (n - 1) % 10;
        const int y = 360 + row * (4440 - 360) / 9;
        chkFault[n] = makeCheckBox(this, arrayName("chkFault", n), QString::number(n), T(kColumnX[column], y, 600, 375));
        chkFault[n]->setChecked(!sim::session().faultPresent(n));
        // A box runs its click handling whenever its value changes, by the user or by the
        // session; the session has the fault first.
        connect(chkFault[n], &QCheckBox::toggled, this, guarded([this, n](bool ticked) {
            sim::session().setFaultPresent(n, !ticked);
            chkFault_Click(n);
        }));
    }
    // A fault injected or repaired elsewhere (a challenge) shows on its box, which runs the
    // box's click handling as a click would.
    connect(&sim::session(), &sim::Session::faultChanged, this, guarded([this](int n, bool present) {
        if (chkFault[n]->isChecked() == present) chkFault[n]->setChecked(!present);
    }));
    cmdClear = makeButton(this, "cmdClear", tr("Reset all"), T(120, 5520, 1020, 375));
    cmdFaults = makeButton(this, "cmdFaults", tr("Faults list"), T(1200, 5520, 1440, 375));
    cmdClose = makeButton(this, "cmdClose", tr("Close"), T(2700, 5520, 1140, 375));
    // A size smaller so that "Hide faults list" fits its button.
    for (QPushButton* b : {cmdClear, cmdFaults, cmdClose}) {
        QFont f = b->font();
        if (f.pointSizeF() > 6) f.setPointSizeF(f.pointSizeF() - 1);
        b->setFont(f);
    }
    txtFaults = new QPlainTextEdit(this);
    txtFaults->setObjectName("txtFaults");
    txtFaults->setGeometry(twRect(3960, 120, 4815, 5835));
    txtFaults->setReadOnly(true);
    txtFaults->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtFaults->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtFaults->setVisible(false);
    lblLocked = makeLabel(this, "lblLocked",
                          tr("Locked while a challenge is running.\n\nThe boxes are shown again when the challenge ends."),
                          T(120, 240, 3600, 5160));
    lblLocked->setAlignment(Qt::AlignCenter);
    lblLocked->setWordWrap(true);
    lblLocked->setFrameShape(QFrame::StyledPanel);
    lblLocked->setAutoFillBackground(true);
    lblLocked->setVisible(false);
    connect(cmdClear, &QPushButton::clicked, this, guarded([this] { cmdClear_Click(); }));
    connect(cmdFaults, &QPushButton::clicked, this, guarded([this] { cmdFaults_Click(); }));
    connect(cmdClose, &QPushButton::clicked, this, guarded([this] { cmdClose_Click(); }));
}

void frmFaults::onLoad() {
    // Top-most: the window stays above the other windows of the program. Inside the main
    // window's area every sibling that is raised (shown, activated, brought to front) puts
    // this window back on top.
    if (auto* host = qobject_cast<QMdiSubWindow*>(frame())) {
        host->setWindowFlag(Qt::WindowStaysOnTopHint);
        if (QMdiArea* mdi = host->mdiArea()) {
            mdi->viewport()->installEventFilter(this);
            for (QMdiSubWindow* sibling : mdi->subWindowList())
                if (sibling != host) sibling->installEventFilter(this);
        }
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    setTwips(1500, 2500, kNarrowWidth, 6500);
}

bool frmFaults::eventFilter(QObject* watched, QEvent* e) {
    if (watched != frame()) {
        if (e->type() == QEvent::ChildAdded) {
            // A window added to the area later: watch it too.
            QObject* child = static_cast<QChildEvent*>(e)->child();
            if (child->isWidgetType() && child != frame()) child->installEventFilter(this);
        } else if (e->type() == QEvent::ZOrderChange || e->type() == QEvent::Show) {
            runGuarded([this] { keepOnTop(); });
        }
    }
    return Form::eventFilter(watched, e);
}

void frmFaults::keepOnTop() {
    if (formVisible()) frame()->raise();
}

bool frmFaults::onQueryUnload() {
    // The close box closes like "Close", then the window unloads: the next load starts
    // with every box ticked. While a challenge runs it only hides, keeping its faults.
    cmdClose_Click();
    return !ChallengeRunning();
}

void frmFaults::onUnload() {
    // Unloading repairs every fault, quietly (the boxes are going), so the check-engine light
    // goes out with them; the next load starts with every box ticked.
    disconnect(&sim::session(), nullptr, this, nullptr);
    sim::session().clearFaults();
    electrical::checkEngineLightOffIfLoaded();
}

void frmFaults::setWidthTwips(int width) {
    const QRect g = twipsGeometry();
    setTwips(g.x(), g.y(), width, g.height());
}

void frmFaults::chkFault_Click(int) {
    electrical::setCheckEngineLight(false);
    clearFaultFlags();
    // The engine-management faults light the check-engine light; the starting and charging
    // faults do not.
    if (sim::anyLightsCheckEngine(sim::session().faults())) electrical::setCheckEngineLight(true);
    CollectSystemData();
}

void frmFaults::cmdClear_Click() {
    // Each fault repaired ticks its box, which runs the box's click handling.
    sim::session().clearFaults();
    electrical::setCheckEngineLight(false);
    clearFaultFlags();
}

void frmFaults::setLocked(bool locked) {
    for (int n = 1; n <= kFaultCount; ++n) chkFault[n]->setEnabled(!locked);
    cmdClear->setEnabled(!locked);
    if (locked && !txtFaults->isHidden()) cmdClose_Click();
    lblLocked->setVisible(locked);
    lblLocked->raise();
}

void frmFaults::cmdFaults_Click() {
    if (ChallengeRunning()) {
        MsgBox(tr("The faults list is locked while a challenge is running. End the challenge first."), MsgButtons::OK,
               MsgIcon::Information);
        return;
    }
    if (LoggedIn != True) {
        MsgBox(tr("You must login before you can see the list of faults"), MsgButtons::OK, MsgIcon::Information);
        ShowLoginWindow();
        return;
    }
    try {
        chdirToAppFolder();
        QString text = decodeText(readRegularFile(language::localisedDataFile("faults.txt")));
        text.replace("\r\n", "\n");
        txtFaults->setPlainText(text);
        if (!txtFaults->isHidden()) {
            txtFaults->setVisible(false);
            cmdFaults->setText(tr("Show faults list"));
            setWidthTwips(kNarrowWidth);
        } else {
            txtFaults->setVisible(true);
            cmdFaults->setText(tr("Hide faults list"));
            setWidthTwips(kWideWidth);
        }
    } catch (const VbError& e) {
        reportError(e.number, e.description, QString(), MsgIcon::None);
    }
}

void frmFaults::cmdClose_Click() {
    CollectSystemData();
    txtFaults->setVisible(false);
    cmdFaults->setText(tr("Show faults list"));
    setWidthTwips(kNarrowWidth);
    // The boxes keep their state; the next scan sets the flags again.
    clearFaultFlags();
    hideForm();
}

void RepairAllFaults() { frm<frmFaults>()->cmdClear_Click(); }

void ShowFaultsWindow() { frm<frmFaults>()->showForm(); }

void HideFaultsWindow() { frm<frmFaults>()->hideForm(); }

bool FaultsWindowShown() {
    const frmFaults* w = Forms::find<frmFaults>();
    return w && w->formVisible();
}

void LockFaultsWindow(bool locked) { frm<frmFaults>()->setLocked(locked); }
