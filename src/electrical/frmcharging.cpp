#include "frmcharging.h"

#include "electrical/circuitart.h"
#include "platform/accessible.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>

REGISTER_FORM(frmCharging)

using diagram::px;

namespace {
// Points of the circuit (pixels of the inner area).
const QPointF kCrankPulley(300, 78);
constexpr qreal kCrankRadius = 18;
const QPointF kAlternator(505, 90);
constexpr qreal kAlternatorRadius = 22;
const QPointF kAlternatorPulley(474, 90);
constexpr qreal kAlternatorPulleyRadius = 8;
const QPointF kBatteryCentre(660, 70);
const QPointF kBatteryPlus(672.5, 56);
const QPointF kBatteryMinus(647.5, 56);
constexpr int kSupply = 36;       // battery positive feed along the top
constexpr int kLampCircuit = 200; // ignition switch, warning lamp and the alternator's D+
constexpr int kEarthRail = 268;
constexpr int kFeedX = 270;       // the feed comes down to the ignition switch here
constexpr int kDPlusX = 490;
constexpr int kAltEarthX = 518;
constexpr int kBatteryEarthX = 610;
const QPointF kLamp(350, kLampCircuit);
}  // namespace

frmCharging::frmCharging() {
    setFixedSizeWindow(true);  // its controls stand at fixed places
    setCaption(tr("Charging system"));
    QFont small = font();
    small.setPointSizeF(7);
    setFont(small);

    Picture1 = makeLabel(this, "Picture1", QString(), px(6, 20, 250, 246));
    Picture1->setPixmap(alternatorPicture());
    QLabel* pictureCaption = makeLabel(this, "lblPicture", tr("Alternator (cutaway)"), px(6, 268, 250, 13));
    pictureCaption->setAlignment(Qt::AlignCenter);
    diagram::makeHeadings(this, lblSystem);

    // Input: the engine drives the alternator.
    makePointLabel(this, sim::PointId::ChargingEngineSpeed, px(280, 106, 90, 13));
    txtEngineSpeed = diagram::readout(this, "txtEngineSpeed", tr("Rev/min"), px(280, 121, 66, 17));
    makeLabel(this, "lblEngineRevs", tr("rev/min"), px(349, 123, 50, 13));

    // Control: the alternator and its speed.
    makePointLabel(this, sim::PointId::AlternatorSpeed, px(526, 128, 76, 13));
    txtAlternatorSpeed = diagram::readout(this, "txtAlternatorSpeed", tr("Rev/min"), px(526, 143, 66, 17));

    // Output: the system voltage.
    makePointLabel(this, sim::PointId::AlternatorOutput, px(622, 104, 90, 13));
    txtOutputVoltage = diagram::readout(this, "txtOutputVoltage", tr("Volts"), px(622, 119, 60, 17));
    txtEngineSpeed->setAccessibleName(tr("Engine speed, rev/min"));
    txtAlternatorSpeed->setAccessibleName(tr("Alternator speed, rev/min"));
    txtOutputVoltage->setAccessibleName(tr("Alternator output, volts"));
    makeLabel(this, "lblVolts", "V", px(685, 121, 12, 13));
    pbrSystemVolts = makeProgress(this, "pbrSystemVolts", 20, px(622, 144, 145, 14));
    Label2 = makeLabel(this, "Label2", tr("Low"), px(622, 160, 72, 12));
    Label3 = makeLabel(this, "Label3", tr("High"), px(695, 160, 72, 12));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Connection points on the wires.
    makePointSquare(this, sim::PointId::AlternatorOutputPoint1, QPoint(560, kSupply));
    makePointSquare(this, sim::PointId::AlternatorOutputPoint2, QPoint(640, kSupply));
    makePointLabel(this, sim::PointId::ChargeWarningLight, px(296, kLampCircuit + 12, 110, 13));
    makePointSquare(this, sim::PointId::ChargeWarningLightFeed, QPoint(318, kLampCircuit));
    makePointSquare(this, sim::PointId::ChargeWarningLightPoint2, QPoint(384, kLampCircuit));
    makePointSquare(this, sim::PointId::ChargeWarningLightDPlus, QPoint(450, kLampCircuit));
    makePointLabel(this, sim::PointId::AlternatorEarth, px(526, kEarthRail - 15, 82, 13));
    makePointSquare(this, sim::PointId::AlternatorEarthCase, QPoint(kAltEarthX, 200));
    makePointSquare(this, sim::PointId::AlternatorEarthBattery, QPoint(kBatteryEarthX, 200));
}

void frmCharging::onLoad() { setTwips(50, 50, 11750, 4700); }

void frmCharging::onActivate() {
    setTwips(50, 50, 11750, 4700);
    try {
        chdirToAppFolder();
    } catch (const VbError&) {
        // The working folder stays as it is.
    }
}

void frmCharging::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    diagram::drawBlocks(p, height());
    using circuit::wire;

    // Drive belt from the crankshaft pulley to the alternator pulley.
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(kCrankPulley + QPointF(0, -kCrankRadius), kAlternatorPulley + QPointF(0, -kAlternatorPulleyRadius));
    p.drawLine(kCrankPulley + QPointF(0, kCrankRadius), kAlternatorPulley + QPointF(0, kAlternatorPulleyRadius));

    // Battery positive feed: alternator output (B+) to the battery, and on to the switch.
    wire(p, {QPointF(kAlternator.x(), kAlternator.y() - kAlternatorRadius), QPointF(kAlternator.x(), kSupply)}, 3);
    wire(p, {QPointF(kFeedX, kSupply), QPointF(kBatteryPlus.x(), kSupply), kBatteryPlus}, 3);
    // Warning-lamp circuit: switch, lamp, alternator D+.
    wire(p, {QPointF(kFeedX, kSupply), QPointF(kFeedX, kLampCircuit - 24)});
    p.save();
    p.translate(kFeedX, kLampCircuit - 22);
    p.rotate(90);
    circuit::keySwitch(p, QPointF(0, 0), 18);
    p.restore();
    wire(p, {QPointF(kFeedX, kLampCircuit - 2), QPointF(kFeedX, kLampCircuit), kLamp});
    wire(p, {kLamp, QPointF(kDPlusX, kLampCircuit), QPointF(kDPlusX, kAlternator.y() + 16)});
    // Earths.
    wire(p, {QPointF(kAltEarthX, kAlternator.y() + 17), QPointF(kAltEarthX, kEarthRail),
             QPointF(kBatteryEarthX, kEarthRail), QPointF(kBatteryEarthX, 48), QPointF(kBatteryMinus.x(), 48),
             kBatteryMinus},
         2);
    circuit::earth(p, QPointF(564, kEarthRail));

    circuit::pulley(p, kCrankPulley, kCrankRadius);
    circuit::pulley(p, kAlternatorPulley, kAlternatorPulleyRadius);
    circuit::motor(p, kAlternator, kAlternatorRadius, "G");
    circuit::lamp(p, kLamp, 8);
    circuit::battery(p, kBatteryCentre);

    circuit::caption(p, QRectF(282, 50, 90, 12), tr("Crankshaft"), Qt::AlignLeft | Qt::AlignVCenter);
    circuit::caption(p, QRectF(530, 60, 70, 12), tr("Alternator"), Qt::AlignLeft | Qt::AlignVCenter);
    circuit::caption(p, QRectF(636, 86, 50, 12), tr("Battery"));
    circuit::caption(p, QRectF(kFeedX + 6, kLampCircuit - 22, 50, 12), tr("Ignition"), Qt::AlignLeft | Qt::AlignVCenter);
    circuit::caption(p, QRectF(kDPlusX + 4, 176, 30, 12), "D+", Qt::AlignLeft | Qt::AlignVCenter);
    circuit::caption(p, QRectF(kAlternator.x() + 4, kSupply + 2, 30, 12), "B+", Qt::AlignLeft | Qt::AlignVCenter);
}

using diagram::showNumber;

void frmCharging::showReadings(int volts, int engineSpeed, int alternatorSpeed) {
    showNumber(txtOutputVoltage, volts);
    showNumber(txtEngineSpeed, engineSpeed);
    showNumber(txtAlternatorSpeed, alternatorSpeed);
}

void frmCharging::showSystemVolts(int volts) {
    pbrSystemVolts->setValue(qBound(pbrSystemVolts->minimum(), volts, pbrSystemVolts->maximum()));
}

void frmCharging::showOutput(int volts, int engineSpeed) {
    setReadout(txtOutputVoltage, QString::number(volts));
    setReadout(txtEngineSpeed, QString::number(engineSpeed));
}
