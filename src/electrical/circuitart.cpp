#include "circuitart.h"
#include "electrical/componentart.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {
// The texts of the pictures and of the diagrams' headings.
struct CircuitArtTexts {
    Q_DECLARE_TR_FUNCTIONS(CircuitArt)
};
}  // namespace

void ConnectionSquare::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (hasFocus()) {
        // With the focus: a black ring round a yellow centre, which no wire colour hides.
        p.fillRect(rect(), QColor(0, 0, 0));
        p.fillRect(rect().adjusted(2, 2, -2, -2), QColor(255, 220, 0));
        return;
    }
    p.fillRect(rect(), QColor(0, 200, 0));
    p.setPen(QColor(0, 90, 0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

ConnectionSquare* makeConnectionSquare(QWidget* parent, const QString& name, const QString& caption, QPoint c) {
    auto* s = new ConnectionSquare(parent);
    s->setObjectName(name);
    s->setText(caption);
    s->setToolTip(caption);
    s->setCursor(Qt::OpenHandCursor);
    s->setGeometry(c.x() - 4, c.y() - 4, 9, 9);
    return s;
}

namespace {
QString pointName(sim::PointId id) {
    const sim::PointInfo& p = sim::point(id);
    return p.index < 0 ? QString::fromLatin1(p.control) : arrayName(p.control, p.index);
}
}  // namespace

// A screen reader says the point with its place: several points measure the same quantity.
DragLabel* makePointLabel(QWidget* parent, sim::PointId id, const QRect& twips) {
    DragLabel* l = makeDragLabel(parent, pointName(id), sim::captionOf(id), twips);
    l->setAccessibleName(sim::captionWithPlace(id));
    return l;
}

ConnectionSquare* makePointSquare(QWidget* parent, sim::PointId id, QPoint centre) {
    ConnectionSquare* s = makeConnectionSquare(parent, pointName(id), sim::captionOf(id), centre);
    s->setAccessibleName(sim::captionWithPlace(id));
    return s;
}

namespace {

using art::copperCoil;
using art::laminations;
using art::metalV;

// A caption with a leader line to the part it names.
void callout(QPainter& p, QPointF text, QPointF target, const QString& name, bool alignRight = false) {
    QFont f = p.font();
    f.setPixelSize(9);
    p.setFont(f);
    const QFontMetricsF m(f);
    const qreal w = m.horizontalAdvance(name);
    const QRectF box(alignRight ? text.x() - w : text.x(), text.y() - 9, w, 11);
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    const QPointF anchor(alignRight ? box.left() - 1 : box.right() + 1, box.center().y());
    p.drawLine(anchor, target);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(target, 1.3, 1.3);
    p.setPen(QColor(20, 20, 20));
    p.drawText(box, Qt::AlignCenter, name);
}



void gear(QPainter& p, const QRectF& r, int teeth) {
    p.setPen(QPen(QColor(50, 50, 50), 0.8));
    p.setBrush(metalV(r.top(), r.bottom(), QColor(150, 150, 158)));
    p.drawRect(r);
    p.setPen(QPen(QColor(80, 80, 85), 0.8));
    const qreal step = r.height() / teeth;
    for (int t = 1; t < teeth; ++t) p.drawLine(QPointF(r.left(), r.top() + t * step), QPointF(r.right(), r.top() + t * step));
}

// A component picture's card: 250 pixels wide, rounded, with a light vertical gradient.
QPixmap pictureCard(int height) {
    QPixmap pm(250, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    art::cardBackdrop(p, 250, height);
    return pm;
}

}  // namespace

QPixmap starterMotorPicture() {
    QPixmap pm = pictureCard(174);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // Drive-end housing (the nose) with the pinion and its shaft.
    QPainterPath nose;
    nose.moveTo(62, 70);
    nose.lineTo(30, 84);
    nose.lineTo(22, 84);
    nose.lineTo(22, 136);
    nose.lineTo(30, 136);
    nose.lineTo(62, 148);
    nose.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 65), 1));
    p.setBrush(metalV(70, 148, QColor(165, 168, 175)));
    p.drawPath(nose);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(metalV(105, 115, QColor(175, 175, 180)));
    p.drawRect(QRectF(10, 106, 190, 8));  // armature shaft
    gear(p, QRectF(28, 96, 16, 28), 7);   // pinion
    p.setBrush(metalV(100, 120, QColor(110, 110, 118)));
    p.drawRect(QRectF(46, 100, 10, 20));  // roller clutch

    // Yoke, cut away to show the field coils, armature and commutator.
    p.setPen(QPen(QColor(40, 40, 45), 1.2));
    p.setBrush(metalV(64, 156, QColor(70, 75, 85)));
    p.drawRoundedRect(QRectF(62, 64, 134, 92), 6, 6);
    p.setBrush(QColor(235, 236, 240));
    p.drawRect(QRectF(70, 72, 118, 76));  // the cut-away window
    copperCoil(p, QRectF(78, 74, 60, 10), false);   // field coils
    copperCoil(p, QRectF(78, 136, 60, 10), false);
    laminations(p, QRectF(80, 88, 56, 44));          // armature core
    copperCoil(p, QRectF(84, 94, 48, 6), false);     // armature windings
    copperCoil(p, QRectF(84, 120, 48, 6), false);
    // Commutator and brushes.
    p.setPen(QPen(QColor(110, 55, 20), 0.8));
    p.setBrush(QColor(215, 130, 60));
    p.drawRect(QRectF(146, 94, 20, 32));
    p.setPen(QPen(QColor(120, 60, 20), 0.6));
    for (qreal y = 98; y < 126; y += 4) p.drawLine(QPointF(146, y), QPointF(166, y));
    p.setPen(QPen(QColor(20, 20, 20), 0.8));
    p.setBrush(QColor(45, 45, 48));
    p.drawRect(QRectF(150, 84, 12, 10));
    p.drawRect(QRectF(150, 126, 12, 10));
    // Commutator end bracket.
    p.setPen(QPen(QColor(40, 40, 45), 1));
    p.setBrush(metalV(76, 144, QColor(150, 152, 160)));
    p.drawRoundedRect(QRectF(196, 76, 14, 68), 4, 4);

    // Solenoid on top, with its plunger, engagement lever and two main terminals.
    p.setBrush(metalV(22, 60, QColor(160, 165, 172)));
    p.drawRoundedRect(QRectF(92, 22, 84, 38), 8, 8);
    copperCoil(p, QRectF(104, 28, 54, 26), false);
    p.setBrush(QColor(140, 140, 148));
    p.drawRect(QRectF(72, 36, 34, 10));  // plunger
    p.setPen(QPen(QColor(60, 60, 65), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(74, 41), QPointF(50, 100));  // engagement lever
    p.setPen(QPen(QColor(40, 40, 45), 1));
    p.setBrush(QColor(200, 170, 60));
    p.drawRect(QRectF(176, 28, 12, 8));
    p.drawRect(QRectF(176, 46, 12, 8));
    p.setBrush(QColor(200, 40, 30));
    p.drawEllipse(QPointF(192, 32), 4, 4);  // battery terminal

    callout(p, QPointF(6, 20), QPointF(110, 28), CircuitArtTexts::tr("Solenoid"));
    callout(p, QPointF(6, 164), QPointF(34, 124), CircuitArtTexts::tr("Pinion"));
    callout(p, QPointF(70, 168), QPointF(104, 110), CircuitArtTexts::tr("Armature"));
    callout(p, QPointF(244, 20), QPointF(130, 78), CircuitArtTexts::tr("Field coil"), true);
    callout(p, QPointF(244, 164), QPointF(160, 118), CircuitArtTexts::tr("Commutator"), true);
    callout(p, QPointF(244, 68), QPointF(158, 88), CircuitArtTexts::tr("Brush"), true);
    callout(p, QPointF(6, 62), QPointF(60, 78), CircuitArtTexts::tr("Lever"));
    return pm;
}

QPixmap alternatorPicture() {
    QPixmap pm = pictureCard(246);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // Shaft, pulley and fan.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(metalV(118, 128, QColor(175, 175, 180)));
    p.drawRect(QRectF(10, 118, 200, 10));
    p.setBrush(metalV(92, 154, QColor(60, 62, 70)));
    p.drawRect(QRectF(14, 92, 26, 62));  // pulley
    p.setPen(QPen(QColor(30, 30, 35), 1));
    for (qreal x = 18; x < 38; x += 5) p.drawLine(QPointF(x, 94), QPointF(x, 152));
    p.setBrush(metalV(70, 176, QColor(150, 150, 158)));
    for (int b = 0; b < 6; ++b) p.drawRect(QRectF(42, 72 + b * 17, 8, 13));  // fan blades

    // Housing (drive-end and slip-ring-end shields), cut away.
    p.setPen(QPen(QColor(40, 40, 45), 1.2));
    p.setBrush(metalV(48, 198, QColor(175, 178, 186)));
    p.drawRoundedRect(QRectF(52, 48, 150, 150), 14, 14);
    p.setBrush(QColor(236, 237, 241));
    p.drawRoundedRect(QRectF(60, 56, 134, 134), 8, 8);
    for (int s = 0; s < 5; ++s) {  // cooling slots
        p.setBrush(QColor(70, 72, 80));
        p.drawRoundedRect(QRectF(70 + s * 24, 50, 14, 4), 2, 2);
        p.drawRoundedRect(QRectF(70 + s * 24, 192, 14, 4), 2, 2);
    }

    // Stator: laminations with the three-phase windings, above and below the rotor.
    laminations(p, QRectF(78, 60, 70, 22));
    laminations(p, QRectF(78, 164, 70, 22));
    copperCoil(p, QRectF(72, 64, 10, 14), true);
    copperCoil(p, QRectF(144, 64, 10, 14), true);
    copperCoil(p, QRectF(72, 168, 10, 14), true);
    copperCoil(p, QRectF(144, 168, 10, 14), true);

    // Claw-pole rotor: interleaved north and south claws around the field winding.
    p.setPen(QPen(QColor(40, 40, 45), 1));
    for (int c = 0; c < 4; ++c) {
        QPolygonF north, south;
        const qreal x = 82 + c * 16;
        north << QPointF(x, 90) << QPointF(x + 12, 90) << QPointF(x + 6, 156);
        south << QPointF(x + 8, 156) << QPointF(x + 20, 156) << QPointF(x + 14, 90);
        p.setBrush(QColor(120, 125, 140));
        p.drawPolygon(north);
        p.setBrush(QColor(85, 90, 105));
        p.drawPolygon(south);
    }
    copperCoil(p, QRectF(92, 112, 44, 22), false);  // field winding

    // Slip rings, brushes, regulator and rectifier at the back.
    p.setPen(QPen(QColor(110, 55, 20), 0.8));
    p.setBrush(QColor(215, 130, 60));
    p.drawRect(QRectF(160, 112, 6, 22));
    p.drawRect(QRectF(170, 112, 6, 22));
    p.setPen(QPen(QColor(20, 20, 20), 0.8));
    p.setBrush(QColor(45, 45, 48));
    p.drawRect(QRectF(160, 98, 16, 12));
    p.setBrush(QColor(40, 60, 110));
    p.drawRoundedRect(QRectF(180, 86, 12, 40), 2, 2);  // regulator
    p.setPen(QPen(QColor(40, 40, 45), 1));
    p.setBrush(metalV(140, 180, QColor(150, 150, 158)));
    p.drawRect(QRectF(202, 134, 16, 50));  // rectifier plate
    p.setBrush(QColor(30, 30, 34));
    for (int d = 0; d < 3; ++d) p.drawEllipse(QPointF(210, 144 + d * 15), 4, 4);  // diodes
    p.setBrush(QColor(200, 40, 30));
    p.drawEllipse(QPointF(226, 100), 5, 5);  // B+ terminal
    p.setPen(QPen(QColor(200, 40, 30), 2));
    p.drawLine(QPointF(218, 140), QPointF(226, 105));

    callout(p, QPointF(6, 30), QPointF(26, 92), CircuitArtTexts::tr("Pulley"));
    callout(p, QPointF(6, 224), QPointF(46, 170), CircuitArtTexts::tr("Fan"));
    callout(p, QPointF(96, 18), QPointF(112, 62), CircuitArtTexts::tr("Stator"));
    callout(p, QPointF(84, 236), QPointF(104, 150), CircuitArtTexts::tr("Rotor"));
    callout(p, QPointF(150, 30), QPointF(186, 90), CircuitArtTexts::tr("Regulator"));
    callout(p, QPointF(244, 80), QPointF(226, 96), CircuitArtTexts::tr("B+ terminal"), true);
    callout(p, QPointF(244, 214), QPointF(212, 170), CircuitArtTexts::tr("Rectifier"), true);
    callout(p, QPointF(244, 236), QPointF(170, 132), CircuitArtTexts::tr("Slip rings"), true);
    return pm;
}

namespace circuit {

void wire(QPainter& p, const QPolygonF& path, qreal width) {
    p.setPen(QPen(QColor(30, 30, 30), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(path);
}

void battery(QPainter& p, QPointF c) {
    p.save();
    p.translate(c);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(metalV(-10, 14, QColor(60, 62, 70)));
    p.drawRoundedRect(QRectF(-22, -10, 44, 24), 2, 2);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(-16, -14, 7, 4));
    p.setBrush(QColor(200, 40, 30));
    p.drawRect(QRectF(9, -14, 7, 4));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(-16, 2), QPointF(-9, 2));
    p.drawLine(QPointF(9, 2), QPointF(16, 2));
    p.drawLine(QPointF(12.5, -1.5), QPointF(12.5, 5.5));
    p.restore();
}

void earth(QPainter& p, QPointF top) {
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.drawLine(top, top + QPointF(0, 5));
    for (int i = 0; i < 3; ++i) {
        const qreal half = 8 - i * 3;
        p.drawLine(top + QPointF(-half, 5 + i * 3), top + QPointF(half, 5 + i * 3));
    }
}

void motor(QPainter& p, QPointF c, qreal r, const QString& letter) {
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(250, 250, 250));
    g.setColorAt(1, QColor(190, 195, 205));
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    QFont f = p.font();
    f.setPixelSize(int(r));
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, letter);
}

void lamp(QPainter& p, QPointF c, qreal r) {
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(255, 90, 70));
    p.drawEllipse(c, r, r);
    const qreal d = r * 0.7;
    p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
    p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
}

void keySwitch(QPainter& p, QPointF left, qreal length) {
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(left, 2.5, 2.5);
    p.drawEllipse(left + QPointF(length, 0), 2.5, 2.5);
    p.drawLine(left + QPointF(2, -1), left + QPointF(length - 4, -length * 0.45));
}

void solenoid(QPainter& p, const QRectF& box) {
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(245, 245, 248));
    p.drawRect(box);
    // Winding.
    const qreal cy = box.center().y() + box.height() * 0.18;
    p.setPen(QPen(QColor(170, 90, 30), 1.5));
    const qreal w = box.width() * 0.5;
    const qreal x0 = box.center().x() - w / 2;
    for (int t = 0; t < 5; ++t) p.drawArc(QRectF(x0 + t * w / 5, cy - 5, w / 5, 10), 0, 180 * 16);
    // Main contact bridge.
    p.setPen(QPen(QColor(30, 30, 30), 2));
    const qreal ty = box.top() + box.height() * 0.25;
    p.drawLine(QPointF(box.left() + 8, ty), QPointF(box.right() - 8, ty));
}

void pulley(QPainter& p, QPointF c, qreal r) {
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(metalV(c.y() - r, c.y() + r, QColor(120, 122, 130)));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(60, 60, 66));
    p.drawEllipse(c, r * 0.3, r * 0.3);
}

void caption(QPainter& p, const QRectF& box, const QString& text, int flags) {
    QFont f = p.font();
    f.setBold(false);
    f.setPixelSize(9);
    p.setFont(f);
    p.setPen(QColor(30, 30, 30));
    p.drawText(box, flags, text);
}

}  // namespace circuit

#include <QLineEdit>

#include "platform/accessible.h"

namespace diagram {

namespace {
QColor blockColour(int block) {
    static const QColor colours[3] = {QColor(40, 90, 150), QColor(90, 60, 130), QColor(150, 70, 40)};
    return colours[block];
}
}  // namespace

QRect px(int x, int y, int w, int h) { return T(x * 15, y * 15, w * 15, h * 15); }

void makeHeadings(QWidget* form, QLabel* out[3]) {
    static const char* headings[3] = {QT_TRANSLATE_NOOP("CircuitArt", "Input"), QT_TRANSLATE_NOOP("CircuitArt", "Control"),
                                      QT_TRANSLATE_NOOP("CircuitArt", "Output")};
    QFont f = form->font();
    f.setPointSizeF(8);
    f.setBold(true);
    for (int i = 0; i < 3; ++i) {
        out[i] = makeLabel(form, arrayName("lblSystem", i), CircuitArtTexts::tr(headings[i]), px(kLefts[i], 1, kRights[i] - kLefts[i], 14));
        out[i]->setAlignment(Qt::AlignCenter);
        out[i]->setFont(f);
        setBackColor(out[i], blockColour(i));
        setForeColor(out[i], Qt::white);
    }
}

void drawBlocks(QPainter& p, int height) {
    for (int b = 0; b < 3; ++b) {
        QColor fill = blockColour(b);
        fill.setAlpha(18);
        p.setPen(QPen(blockColour(b), 1));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(kLefts[b] - 1.5, 15.5, kRights[b] - kLefts[b] + 3, height - 17), 3, 3);
    }
}

QLineEdit* readout(QWidget* parent, const QString& name, const QString& text, const QRect& twips) {
    QLineEdit* e = makeTextBox(parent, name, text, twips);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignCenter);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

void showNumber(QLineEdit* box, int value) {
    const QString text = QString::number(value);
    if (box->text() == text) return;
    setReadout(box, text);  // announced to a screen reader
    box->setCursorPosition(0);  // a long number shows from its first digit
}

}  // namespace diagram
