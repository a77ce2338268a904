#include "ecupicture.h"

#include "platform/form.h"
#include "sim/catalogue.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// Horizontal layout of the picture (pixels).
constexpr int kWireStart = 26;   // left end of the input wires, beside the sensor symbols
constexpr int kUnitLeft = 146;   // the control unit's case
constexpr int kUnitRight = 286;
constexpr int kWireEnd = 392;    // right end of the output wires, beside the actuator symbols

// The wires' colours, inputs from the top, then the outputs.
const QColor kInputWires[6] = {QColor(30, 90, 200), QColor(20, 140, 60), QColor(170, 100, 20),
                               QColor(200, 30, 30), QColor(130, 50, 170), QColor(70, 70, 70)};
const QColor kOutputWires[3] = {QColor(220, 150, 0), QColor(0, 140, 150), QColor(150, 30, 60)};

// The ECU picture's points: for each sensor the wire beside it, then its pin at the unit; for
// each output the unit's pin, then the wire beside the actuator.
constexpr sim::PointId kPins[18] = {
    sim::PointId::SpeedSensorWire,       sim::PointId::SpeedSensorPin,
    sim::PointId::LoadSensorWire,        sim::PointId::LoadSensorPin,
    sim::PointId::TemperatureSensorWire, sim::PointId::TemperatureSensorPin,
    sim::PointId::VoltageSensingWire,    sim::PointId::VoltageSensingPin,
    sim::PointId::LambdaSensorWire,      sim::PointId::LambdaSensorPin,
    sim::PointId::KnockSensorWire,       sim::PointId::KnockSensorPin,
    sim::PointId::CoilDrivePin,          sim::PointId::CoilWire,
    sim::PointId::InjectorDrivePin,      sim::PointId::InjectorWire,
    sim::PointId::PumpDrivePin,          sim::PointId::PumpWire,
};

int inputY(int i) { return 40 + i * 40; }
int outputY(int j) { return 60 + j * 80; }

QRect px(int x, int y, int w, int h) { return T(x * 15, y * 15, w * 15, h * 15); }

void drawWire(QPainter& p, int x1, int x2, int y, const QColor& colour) {
    p.setPen(QPen(colour.darker(160), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(x1, y, x2, y);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(x1, y, x2, y);
}

// Sensor symbols, centred on (cx, cy), about 20 pixels across.
void drawSensor(QPainter& p, int which, int cx, int cy) {
    p.save();
    p.translate(cx, cy);
    const QPen outline(QColor(40, 40, 40), 1);
    p.setPen(outline);
    switch (which) {
    case 0: {  // crankshaft reluctor wheel with its inductive pick-up
        p.setBrush(QColor(170, 170, 180));
        QPainterPath teeth;
        for (int t = 0; t < 12; ++t) {
            const double a0 = t * M_PI / 6, a1 = a0 + M_PI / 12;
            teeth.moveTo(0, 0);
            teeth.lineTo(9 * std::cos(a0), 9 * std::sin(a0));
            teeth.lineTo(9 * std::cos(a1), 9 * std::sin(a1));
            teeth.closeSubpath();
        }
        p.drawEllipse(QPointF(-2, 0), 7, 7);
        p.drawPath(teeth.translated(-2, 0));
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(QPointF(-2, 0), 2, 2);
        p.setBrush(QColor(30, 90, 200));
        p.drawRect(QRectF(7, -8, 4, 6));
        break;
    }
    case 1: {  // manifold pressure sensor: a dial on a body
        p.setBrush(QColor(240, 240, 235));
        p.drawEllipse(QPointF(0, 0), 8, 8);
        p.setPen(QPen(QColor(20, 140, 60), 2));
        p.drawLine(QPointF(0, 0), QPointF(5, -4));
        p.setPen(outline);
        for (int t = 0; t < 5; ++t) {
            const double a = M_PI * (0.9 + t * 0.3);
            p.drawLine(QPointF(6 * std::cos(a), 6 * std::sin(a)), QPointF(8 * std::cos(a), 8 * std::sin(a)));
        }
        break;
    }
    case 2: {  // coolant thermometer
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-2.5, -9, 5, 13), 2.5, 2.5);
        p.setBrush(QColor(200, 40, 30));
        p.drawEllipse(QPointF(0, 6), 4, 4);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(-1, -3, 2, 8));
        p.setPen(outline);
        for (int t = 0; t < 3; ++t) p.drawLine(QPointF(3, -6 + t * 3), QPointF(5, -6 + t * 3));
        break;
    }
    case 3: {  // battery
        p.setBrush(QColor(50, 50, 55));
        p.drawRect(QRectF(-9, -5, 18, 12));
        p.setBrush(QColor(200, 30, 30));
        p.drawRect(QRectF(-7, -8, 4, 3));
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(3, -8, 4, 3));
        p.setPen(QPen(Qt::white, 1));
        p.drawLine(QPointF(-7, 1), QPointF(-3, 1));
        p.drawLine(QPointF(-5, -1), QPointF(-5, 3));
        p.drawLine(QPointF(3, 1), QPointF(7, 1));
        break;
    }
    case 4: {  // oxygen sensor: hex body and a slotted probe tip
        p.setBrush(QColor(190, 190, 195));
        QPolygonF hex;
        for (int t = 0; t < 6; ++t) hex << QPointF(5 * std::cos(t * M_PI / 3), -3 + 5 * std::sin(t * M_PI / 3));
        p.drawPolygon(hex);
        p.setBrush(QColor(140, 140, 145));
        p.drawRect(QRectF(-2.5, 2, 5, 7));
        p.drawLine(QPointF(-2.5, 5), QPointF(2.5, 5));
        break;
    }
    case 5: {  // knock sensor: a ring on its bolt, with a shock mark
        p.setBrush(QColor(90, 90, 95));
        p.drawEllipse(QPointF(0, 0), 7, 7);
        p.setBrush(QColor(230, 230, 230));
        p.drawEllipse(QPointF(0, 0), 3, 3);
        p.setPen(QPen(QColor(220, 150, 0), 1.5));
        p.drawPolyline(QPolygonF({QPointF(-10, -9), QPointF(-6, -6), QPointF(-8, -4), QPointF(-4, -1)}));
        break;
    }
    }
    p.restore();
}

// Actuator symbols, centred on (cx, cy).
void drawActuator(QPainter& p, int which, int cx, int cy) {
    p.save();
    p.translate(cx, cy);
    const QPen outline(QColor(40, 40, 40), 1);
    p.setPen(outline);
    switch (which) {
    case 0: {  // ignition coil: a can with windings and the high-tension tower
        p.setBrush(QColor(60, 60, 70));
        p.drawRoundedRect(QRectF(-7, -7, 14, 16), 2, 2);
        p.setPen(QPen(QColor(220, 150, 0), 1));
        for (int t = 0; t < 4; ++t) p.drawArc(QRectF(-6, -4 + t * 3, 12, 4), 0, -180 * 16);
        p.setPen(outline);
        p.setBrush(QColor(200, 60, 40));
        p.drawRect(QRectF(-2, -11, 4, 4));
        break;
    }
    case 1: {  // injector with its spray cone
        p.setBrush(QColor(60, 60, 70));
        p.drawRect(QRectF(-3, -10, 6, 12));
        p.setBrush(QColor(170, 170, 180));
        p.drawRect(QRectF(-1.5, 2, 3, 3));
        p.setPen(QPen(QColor(0, 140, 150), 1, Qt::DotLine));
        p.drawLine(QPointF(0, 5), QPointF(-5, 11));
        p.drawLine(QPointF(0, 5), QPointF(0, 12));
        p.drawLine(QPointF(0, 5), QPointF(5, 11));
        break;
    }
    case 2: {  // pump motor
        p.setBrush(QColor(235, 235, 235));
        p.drawEllipse(QPointF(0, 0), 8, 8);
        QFont f = p.font();
        f.setPixelSize(9);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(-8, -8, 16, 16), Qt::AlignCenter, "M");
        break;
    }
    }
    p.restore();
}

}  // namespace

EcuCover::EcuCover(QWidget* parent) : QWidget(parent) {
    setObjectName("pbxCover");
    resize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);

    unit_ = new EcuUnit(this);
    unit_->setGeometry(kUnitLeft, 6, kUnitRight - kUnitLeft, kHeight - 12);

    QFont small = font();
    small.setPointSizeF(7);
    auto make = [&](int pin, int x, int y, int w, Qt::Alignment align, bool onUnit) {
        const sim::PointInfo& point = sim::point(kPins[pin]);
        QLabel* l = makeDragLabel(this, arrayName(point.control, point.index), sim::captionOf(point.id), px(x, y, w, 12));
        l->setAccessibleName(sim::captionWithPlace(point.id));
        l->setFont(small);
        l->setAlignment(align | Qt::AlignVCenter);
        setForeColor(l, onUnit ? QColor(250, 250, 250) : QColor(20, 20, 20));
        labels_[point.index] = l;
    };
    for (int i = 0; i < 6; ++i) {
        const int y = inputY(i) - 13;
        make(2 * i, kWireStart + 2, y, 84, Qt::AlignLeft, false);
        make(2 * i + 1, kUnitLeft + 8, y, 74, Qt::AlignLeft, true);
    }
    for (int j = 0; j < 3; ++j) {
        const int y = outputY(j) - 13;
        make(12 + 2 * j, kUnitRight - 104, y, 96, Qt::AlignRight, true);
        make(13 + 2 * j, kUnitRight + 8, y, 96, Qt::AlignLeft, false);
    }
}

void EcuCover::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, height());
    bg.setColorAt(0, QColor(236, 240, 246));
    bg.setColorAt(1, QColor(210, 218, 230));
    p.fillRect(rect(), bg);
    p.setPen(QPen(QColor(120, 130, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));

    // Input circuits: sensor, wire (wireSpeed, wireLoad, wireTemp, wireVolts, wireLambda,
    // wireKnock) to the unit's pin.
    for (int i = 0; i < 6; ++i) {
        const int y = inputY(i);
        drawWire(p, kWireStart, kUnitLeft, y, kInputWires[i]);
        drawSensor(p, i, 13, y);
    }
    // Output circuits (wireIgnition and the injector and pump feeds): pin to actuator.
    for (int j = 0; j < 3; ++j) {
        const int y = outputY(j);
        drawWire(p, kUnitRight, kWireEnd, y, kOutputWires[j]);
        drawActuator(p, j, kWireEnd + 13, y);
    }
    // The pump's supply comes back past the injector rail: a plain feed line from the
    // pump to the injector, and the coil's earth return.
    p.setPen(QPen(QColor(150, 30, 60, 120), 1, Qt::DashLine));
    p.drawLine(kWireEnd + 13, outputY(2) - 9, kWireEnd + 13, outputY(1) + 13);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(kWireEnd + 13, outputY(0) + 10, kWireEnd + 13, outputY(0) + 18);
    p.drawLine(kWireEnd + 8, outputY(0) + 18, kWireEnd + 18, outputY(0) + 18);
    p.drawLine(kWireEnd + 10, outputY(0) + 20, kWireEnd + 16, outputY(0) + 20);
}

EcuUnit::EcuUnit(QWidget* parent) : QWidget(parent) { setObjectName("pbxECU"); }

void EcuUnit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(3, 3, width() - 6, height() - 6);

    // Cast aluminium case with a darker rim.
    QLinearGradient metal(0, 0, width(), 0);
    metal.setColorAt(0, QColor(70, 78, 90));
    metal.setColorAt(0.5, QColor(96, 104, 118));
    metal.setColorAt(1, QColor(70, 78, 90));
    p.setPen(QPen(QColor(30, 34, 40), 2));
    p.setBrush(metal);
    p.drawRoundedRect(body, 7, 7);
    // Mounting lugs.
    p.setBrush(QColor(120, 126, 136));
    for (const QPointF c : {QPointF(12, 12), QPointF(width() - 12, 12), QPointF(12, height() - 12),
                            QPointF(width() - 12, height() - 12)}) {
        p.drawEllipse(c, 4, 4);
        p.setBrush(QColor(40, 44, 50));
        p.drawEllipse(c, 1.5, 1.5);
        p.setBrush(QColor(120, 126, 136));
    }

    // Name plate.
    QFont f = font();
    f.setPointSizeF(7);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 215, 120));
    p.drawText(QRectF(0, 6, width(), 14), Qt::AlignCenter, "ECU");
    f.setBold(false);
    f.setPointSizeF(6);
    p.setFont(f);
    p.setPen(QColor(215, 220, 228));
    p.drawText(QRectF(0, height() - 20, width(), 12), Qt::AlignCenter, tr("Engine Control Unit"));

    // Microcontroller and output drivers on the board, clear of the pin captions.
    const QRectF chip(96, 66, 28, 22);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (int t = 0; t < 5; ++t) {
        const double x = chip.left() + 4 + t * 5;
        p.drawLine(QPointF(x, chip.top() - 3), QPointF(x, chip.top()));
        p.drawLine(QPointF(x, chip.bottom()), QPointF(x, chip.bottom() + 3));
    }
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(35, 35, 40));
    p.drawRect(chip);
    p.setPen(QColor(170, 170, 170));
    f.setPointSizeF(5.5);
    p.setFont(f);
    p.drawText(chip, Qt::AlignCenter, "CPU");
    for (int t = 0; t < 3; ++t) {
        const QRectF driver(98 + t * 9, 150, 7, 9);
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(45, 45, 50));
        p.drawRect(driver);
        p.setPen(QPen(QColor(200, 200, 200), 1));
        for (int leg = 0; leg < 3; ++leg)
            p.drawLine(QPointF(driver.left() + 1.5 + leg * 2, driver.bottom()),
                       QPointF(driver.left() + 1.5 + leg * 2, driver.bottom() + 3));
    }

    // Connector pins where the wires meet the case.
    p.setPen(QPen(QColor(90, 70, 10), 1));
    p.setBrush(QColor(230, 190, 60));
    const QPoint origin = pos();
    for (int i = 0; i < 6; ++i) p.drawRect(QRectF(0, inputY(i) - origin.y() - 3, 7, 6));
    for (int j = 0; j < 3; ++j) p.drawRect(QRectF(width() - 7, outputY(j) - origin.y() - 3, 7, 6));
}
