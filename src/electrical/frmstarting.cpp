#include "frmstarting.h"
#include "platform/guard.h"

#include "electrical/startstop.h"
#include "sim/simstate.h"
#include "electrical/circuitart.h"
#include "platform/accessible.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

REGISTER_FORM(frmStarting)

using diagram::px;

namespace {
// Points of the circuit (pixels of the inner area).
const QPointF kBatteryCentre(300, 70);
const QPointF kBatteryPlus(312.5, 56);
const QPointF kBatteryMinus(287.5, 56);
const QRectF kSolenoid(470, 60, 90, 56);
const QPointF kMotorCentre(660, 64);
constexpr qreal kMotorRadius = 20;
constexpr int kMainCable = 36;   // height of the heavy supply cable
constexpr int kTrigger = 196;    // height of the switch wire to the solenoid
constexpr int kEarthRail = 268;  // chassis earth
constexpr int kSwitchX = 412;    // where the switch wire comes down from the battery feed
}  // namespace

frmStarting::frmStarting() {
    setFixedSizeWindow(true);  // its controls stand at fixed places
    setCaption(tr("Starting system"));
    QFont small = font();
    small.setPointSizeF(7);
    setFont(small);

    Picture1 = makeLabel(this, "Picture1", QString(), px(6, 20, 250, 174));
    Picture1->setPixmap(starterMotorPicture());
    QLabel* pictureCaption = makeLabel(this, "lblPicture", tr("Starter motor (cutaway)"), px(6, 196, 250, 13));
    pictureCaption->setAlignment(Qt::AlignCenter);
    diagram::makeHeadings(this, lblSystem);

    // Input: battery and ignition key.
    txtVoltage = diagram::readout(this, "txtVoltage", tr("Volts"), px(336, 62, 56, 17));
    makeLabel(this, "lblVolts", "V", px(395, 64, 12, 13));
    makeLabel(this, "lblBattery", tr("Battery voltage"), px(274, 104, 134, 13));
    hsbVoltage = makeHScroll(this, "hsbVoltage", 0, 12, 12, px(274, 119, 134, 15));
    hsbVoltage->setPageStep(1);
    txtVoltage->setAccessibleName(tr("Battery voltage, volts"));
    hsbVoltage->setAccessibleName(tr("Set battery voltage"));
    cmdStarter = makeButton(this, "cmdStarter", tr("Ignition/Starter"), px(274, 226, 120, 28));
    // The key's position between off and start: pressed in while the ignition is on.
    cmdIgnition = makeButton(this, "cmdIgnition", tr("Ignition on"), px(274, 192, 120, 28));
    cmdIgnition->setCheckable(true);
    cmdIgnition->setFocusPolicy(Qt::StrongFocus);
    cmdIgnition->setAccessibleName(tr("Ignition on"));
    cmdIgnition->setToolTip(tr("Turns the key to ignition on with the engine still, or back to off"));
    setTabOrder(cmdIgnition, cmdStarter);
    lblKeyPosition = makeLabel(this, "lblKeyPosition", tr("Key: off"), px(274, 176, 84, 13));

    // Output: cranking speed with its scale.
    txtCrankingSpeed = diagram::readout(this, "txtCrankingSpeed", tr("Speed"), px(706, 108, 60, 17));
    makeLabel(this, "lblRevs", tr("rev/min"), px(706, 126, 60, 12))->setAlignment(Qt::AlignCenter);
    txtCrankingSpeed->setAccessibleName(tr("Cranking speed, rev/min"));
    pbrStarter = makeProgress(this, "pbrStarter", 200, px(622, 142, 145, 14));
    Label2 = makeLabel(this, "Label2", tr("Slow"), px(622, 158, 72, 12));
    Label1 = makeLabel(this, "Label1", tr("Normal Range"), px(695, 158, 72, 12));
    Label2->setAlignment(Qt::AlignCenter);
    Label1->setAlignment(Qt::AlignCenter);

    // Connection points: the captions, then the squares on the wires.
    makePointLabel(this, sim::PointId::StarterSwitch, px(446, kTrigger + 4, 90, 13));
    makePointSquare(this, sim::PointId::StarterSwitchStartTerminal, QPoint(490, kTrigger));
    makePointLabel(this, sim::PointId::StarterSupply, px(372, kMainCable - 15, 90, 13));
    makePointSquare(this, sim::PointId::StarterSupplyPoint1, QPoint(350, kMainCable));
    makePointSquare(this, sim::PointId::StarterSupplyPoint3, QPoint(600, kMainCable));
    makePointLabel(this, sim::PointId::StarterEarth, px(470, kEarthRail - 15, 90, 13));
    makePointSquare(this, sim::PointId::StarterEarthPoint1, QPoint(762, 200));
    makePointSquare(this, sim::PointId::StarterEarthPoint2, QPoint(270, 170));
    makePointLabel(this, sim::PointId::StarterCurrent, px(622, 110, 82, 13));

    connect(cmdStarter, &QPushButton::clicked, this, guarded([this] { cmdStarter_Click(); }));
    connect(cmdIgnition, &QPushButton::clicked, this, guarded([this] { cmdIgnition_Click(); }));
    connect(hsbVoltage, &QScrollBar::valueChanged, this, guarded([this] { hsbVoltage_Change(); }));
}

void frmStarting::onLoad() {
    setTwips(50, 50, 11750, 4700);
    showIgnition(IgnitionOn == True);
}

void frmStarting::onActivate() {
    setTwips(50, 50, 11750, 4700);
    try {
        chdirToAppFolder();
    } catch (const VbError&) {
        // The working folder stays as it is.
    }
}

void frmStarting::cmdStarter_Click() { RunStartStopEngine(StartMode::OnTimer); }

void frmStarting::cmdIgnition_Click() { RunIgnitionOnOff(); }

void frmStarting::showIgnition(bool on) {
    const QSignalBlocker quiet(cmdIgnition);
    cmdIgnition->setChecked(on);
    lblKeyPosition->setText(EngineCranking == True ? tr("Key: start") : on ? tr("Key: ignition on") : tr("Key: off"));
}

void frmStarting::hsbVoltage_Change() { SystemVoltage = hsbVoltage->value(); }

void frmStarting::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    diagram::drawBlocks(p, height());
    using circuit::wire;

    // Heavy supply cable: battery to the solenoid's main contact, and on to the motor.
    wire(p, {kBatteryPlus, QPointF(kBatteryPlus.x(), kMainCable), QPointF(kSolenoid.left() + 14, kMainCable),
             QPointF(kSolenoid.left() + 14, kSolenoid.top())},
         3);
    wire(p, {QPointF(kSolenoid.right() - 14, kSolenoid.top()), QPointF(kSolenoid.right() - 14, kMainCable),
             QPointF(kMotorCentre.x(), kMainCable), QPointF(kMotorCentre.x(), kMotorCentre.y() - kMotorRadius)},
         3);
    // Switch wire: from the battery feed through the ignition switch to the solenoid winding.
    wire(p, {QPointF(kSwitchX, kMainCable), QPointF(kSwitchX, kTrigger - 22)});
    p.save();
    p.translate(kSwitchX, kTrigger - 20);
    p.rotate(90);
    circuit::keySwitch(p, QPointF(0, 0), 20);
    p.restore();
    wire(p, {QPointF(kSwitchX, kTrigger), QPointF(kSolenoid.center().x(), kTrigger),
             QPointF(kSolenoid.center().x(), kSolenoid.bottom())});
    // The key works the switch.
    p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    p.drawLine(QPointF(394, 240), QPointF(kSwitchX - 6, 240));
    p.drawLine(QPointF(kSwitchX - 6, 240), QPointF(kSwitchX - 6, kTrigger - 12));
    // Earths: battery negative and the motor body to the chassis.
    wire(p, {kBatteryMinus, QPointF(kBatteryMinus.x(), 48), QPointF(270, 48), QPointF(270, kEarthRail),
             QPointF(762, kEarthRail), QPointF(762, kMotorCentre.y()),
             QPointF(kMotorCentre.x() + kMotorRadius, kMotorCentre.y())},
         2);
    circuit::earth(p, QPointF(520, kEarthRail));

    circuit::battery(p, kBatteryCentre);
    circuit::solenoid(p, kSolenoid);
    circuit::motor(p, kMotorCentre, kMotorRadius, "M");

    circuit::caption(p, QRectF(276, 86, 50, 12), tr("Battery"));
    circuit::caption(p, QRectF(kSolenoid.left(), kSolenoid.bottom() + 2, kSolenoid.width(), 12), tr("Solenoid"));
    circuit::caption(p, QRectF(688, 50, 74, 12), tr("Starter motor"), Qt::AlignLeft | Qt::AlignVCenter);
    circuit::caption(p, QRectF(360, kTrigger - 34, 50, 12), tr("Ignition"), Qt::AlignRight | Qt::AlignVCenter);

    // The 100 rev/min mark between the slow and normal parts of the scale.
    const QRect bar = pbrStarter->geometry();
    p.setPen(QPen(QColor(200, 30, 30), 1.5));
    p.drawLine(QPointF(bar.center().x() + 0.5, bar.top() - 3), QPointF(bar.center().x() + 0.5, bar.bottom() + 3));
}

using diagram::showNumber;

void frmStarting::showVoltage(int volts) { showNumber(txtVoltage, volts); }

void frmStarting::showCrankingSpeed(int speed) {
    setReadout(txtCrankingSpeed, QString::number(speed));
    pbrStarter->setValue(qBound(0, speed, pbrStarter->maximum()));
}

void frmStarting::setStarterVoltage(int volts) { hsbVoltage->setValue(volts); }
