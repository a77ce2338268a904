#include "frmcontrols.h"
#include "platform/guard.h"

#include "platform/status.h"
#include "sim/session.h"
#include "sim/simstate.h"
#include "engine/frmsimulation.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSignalBlocker>

#include <utility>

REGISTER_FORM(frmControls)

frmControls::frmControls() {
    setCaption(tr("Controls"));
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    cmdThrottleDown = makeButton(this, "cmdThrottleDown", tr("Throttle Down"), T(120, 120, 2100, 420));
    cmdThrottleUp = makeButton(this, "cmdThrottleUp", tr("Throttle Up"), T(120, 600, 2100, 420));
    chkAuto = makeCheckBox(this, "chkAuto", tr("Auto run"), T(180, 1090, 2000, 300));
    fraThrottle = makeFrame(this, "fraThrottle", tr("Throttle"), T(120, 1420, 900, 1500));
    optThrottleOff = makeOption(fraThrottle, "optThrottleOff", tr("Off"), T(90, 300, 780, 330));
    optThrottleOn = makeOption(fraThrottle, "optThrottleOn", tr("On"), T(90, 690, 780, 330));
    optThrottleFull = makeOption(fraThrottle, "optThrottleFull", tr("Full"), T(90, 1080, 780, 330));
    optThrottleOff->setChecked(true);
    fraGears = makeFrame(this, "fraGears", tr("Gears"), T(1140, 1420, 1080, 2280));
    static const char* gears[] = {"N", "1", "2", "3", "4", "5", "R"};
    for (int i = 0; i < 7; ++i)
        optGear[i] = makeOption(fraGears, arrayName("optGear", i), gears[i], T(150, 270 + i * 285, 800, 270));
    // Neutral is the design state: loading the window leaves Gear alone (a gear command that
    // loads the window has already changed it).
    optGear[0]->setChecked(true);
    // The session has a control's new value before the control's own handling runs.
    for (int i = 0; i < 7; ++i) {
        connect(optGear[i], &QRadioButton::toggled, this, [i](bool on) {
            if (on) sim::session().setGear(i);
        });
        connect(optGear[i], &QRadioButton::toggled, this, guarded([this, i](bool on) {
            if (on) optGear_Click(i);
        }));
    }
    lblStatus = makeLabel(this, "lblStatus", tr("Status"), T(0, 3800, 2400, 300));
    lblStatus->setFrameShape(QFrame::Panel);
    lblStatus->setFrameShadow(QFrame::Sunken);

    connect(cmdThrottleDown, &QPushButton::clicked, this, guarded([this] { cmdThrottleDown_Click(); }));
    connect(cmdThrottleUp, &QPushButton::clicked, this, guarded([this] { cmdThrottleUp_Click(); }));
    connect(chkAuto, &QCheckBox::toggled, this, [](bool on) { sim::session().setAutoRun(on); });
    const std::pair<QRadioButton*, sim::Throttle> throttles[] = {
        {optThrottleOff, sim::Throttle::Off}, {optThrottleOn, sim::Throttle::On}, {optThrottleFull, sim::Throttle::Full}};
    for (const auto& [button, throttle] : throttles) {
        connect(button, &QRadioButton::toggled, this, [throttle = throttle](bool on) {
            if (on) sim::session().setThrottle(throttle);
        });
    }
    // A check box runs its click handling whenever its value changes, by the user or by code.
    connect(chkAuto, &QCheckBox::toggled, this, guarded([this] { chkAuto_Click(); }));
    connect(optThrottleOff, &QRadioButton::toggled, this, guarded([this](bool on) { if (on) optThrottleOff_Click(); }));
    connect(optThrottleOn, &QRadioButton::toggled, this, guarded([this](bool on) { if (on) optThrottleOn_Click(); }));
    connect(optThrottleFull, &QRadioButton::toggled, this, guarded([this](bool on) { if (on) optThrottleFull_Click(); }));

    // A window loaded afresh has its controls at rest, and so has the session; from then on
    // it shows what the engine leaves in the session.
    takeControls();
    connect(&sim::session(), &sim::Session::controlsChanged, this, [this] { showControls(); });
}

void frmControls::takeControls() {
    sim::Controls c = sim::session().controls();
    c.gear = -1;
    for (int i = 0; i < 7 && c.gear < 0; ++i)
        if (optGear[i]->isChecked()) c.gear = i;
    c.throttle = optThrottleOff->isChecked()    ? sim::Throttle::Off
                 : optThrottleOn->isChecked()   ? sim::Throttle::On
                 : optThrottleFull->isChecked() ? sim::Throttle::Full
                                                : sim::Throttle::None;
    c.autoRun = chkAuto->isChecked();
    sim::session().setControls(c);
}

namespace {
// Sets a control without running its handlers: the engine has applied what they do.
void check(QAbstractButton* button, bool on) {
    if (button->isChecked() == on) return;
    const QSignalBlocker quiet(button);
    button->setChecked(on);
}
}  // namespace

void frmControls::showControls() {
    const sim::Controls& c = sim::session().controls();
    if (c.gear >= 0 && c.gear < 7) check(optGear[c.gear], true);
    switch (c.throttle) {
    case sim::Throttle::Off: check(optThrottleOff, true); break;
    case sim::Throttle::On: check(optThrottleOn, true); break;
    case sim::Throttle::Full: check(optThrottleFull, true); break;
    case sim::Throttle::None: break;
    }
    check(chkAuto, c.autoRun);
}

void frmControls::setStatusText(const QString& text) { lblStatus->setText(text); }

void frmControls::selectGear(int gear) {
    if (gear >= 0 && gear < 7) optGear[gear]->setChecked(true);
}

void frmControls::selectThrottle(sim::Throttle t) {
    switch (t) {
    case sim::Throttle::Off: optThrottleOff->setChecked(true); break;
    case sim::Throttle::On: optThrottleOn->setChecked(true); break;
    case sim::Throttle::Full: optThrottleFull->setChecked(true); break;
    case sim::Throttle::None: break;
    }
}

void frmControls::setAutoRun(bool on) { chkAuto->setChecked(on); }

void frmControls::onLoad() {
    const int simWidth = frm<FRMsimulation>()->twipsGeometry().width();
    setTwips(simWidth + 50, 50, 2500, 4700);
}

void frmControls::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    lblStatus->setGeometry(0, height() - lblStatus->height(), width(), lblStatus->height());
}

void frmControls::cmdThrottleDown_Click() {
    if (EngineSpeed < 1) {
        Beep();
        MsgBox(tr("Can't change engine speed it's not running yet!"));
        return;
    }
    if (EngineSpeed >= 800) EngineSpeed -= 100;
    if (EngineSpeed < 800) EngineSpeed = 800;
}

void frmControls::cmdThrottleUp_Click() {
    if (EngineSpeed < 1) {
        Beep();
        MsgBox(tr("Can't change engine speed it's not running yet!"));
        return;
    }
    EngineSpeed += 100;
    if (EngineSpeed > 7000) EngineSpeed = 7000;
}

void frmControls::chkAuto_Click() {
    if (EngineRunning != True) {
        SetStatus(tr("Auto run is only available when the engine has been started..."));
        chkAuto->setChecked(false);
    }
}

void frmControls::optGear_Click(int index) { Gear = index; }

void frmControls::optThrottleOff_Click() {
    SetStatus(tr("Ready..."));
    ThrottlePosition = 0;
}

void frmControls::optThrottleOn_Click() { ThrottlePosition = 1; }
void frmControls::optThrottleFull_Click() { ThrottlePosition = 2; }

void menuMouse1GearDown_Click() {
    Gear -= 1;
    if (Gear < 0) Gear = 0;
    frm<frmControls>()->selectGear(Gear);
}

void menuMouse1GearUp_Click() {
    Gear += 1;
    if (Gear > 5) Gear = 5;
    frm<frmControls>()->selectGear(Gear);
}

void menuMouse1IncreaseEngineSpeed_Click() {
    if (EngineSpeed < 1) {
        Beep();
        MsgBox(frmControls::tr("Can't increase engine speed it's not running yet!"));
        return;
    }
    EngineSpeed += 100;
    if (EngineSpeed > 7000) EngineSpeed = 7000;
}

void menuMouse1ThrottleOn_Click() { frm<frmControls>()->selectThrottle(sim::Throttle::On); }
