// Drawing for the starting and charging windows: the cutaway pictures of the starter
// motor and the alternator, the circuit symbols of their diagrams, and the small green
// squares that mark connection points on the diagram's wires.
#pragma once

#include "platform/form.h"
#include "sim/catalogue.h"

#include <QPixmap>
#include <QPointF>

class QPainter;

// A connection point drawn as a small green square on a wire. It carries its caption as
// its text (the instrument identifies points by caption) and shows it as a tooltip.
class ConnectionSquare : public DragLabel {
    Q_OBJECT
public:
    explicit ConnectionSquare(QWidget* parent) : DragLabel(parent) {}
protected:
    void paintEvent(QPaintEvent* e) override;
};

// A square of 9 x 9 pixels centred on a point of the diagram (pixels).
ConnectionSquare* makeConnectionSquare(QWidget* parent, const QString& name, const QString& caption, QPoint centre);
// A connection point of the catalogue on its window, named and captioned as the catalogue has
// it: its caption as a label (twips), or its square on a wire (pixels).
DragLabel* makePointLabel(QWidget* parent, sim::PointId id, const QRect& twips);
ConnectionSquare* makePointSquare(QWidget* parent, sim::PointId id, QPoint centre);

// The component pictures, 250 x 174 (starter motor) and 250 x 246 (alternator) pixels.
QPixmap starterMotorPicture();
QPixmap alternatorPicture();

// Circuit symbols, drawn centred on a point.
namespace circuit {
void wire(QPainter& p, const QPolygonF& path, qreal width = 1.5);
void battery(QPainter& p, QPointF centre);        // 44 x 28, + terminal on the right
void earth(QPainter& p, QPointF top);             // chassis earth under a point
void motor(QPainter& p, QPointF centre, qreal radius, const QString& letter);
void lamp(QPainter& p, QPointF centre, qreal radius);
void keySwitch(QPainter& p, QPointF left, qreal length);
void solenoid(QPainter& p, const QRectF& box);
void pulley(QPainter& p, QPointF centre, qreal radius);
void caption(QPainter& p, const QRectF& box, const QString& text, int flags = Qt::AlignCenter);
}  // namespace circuit

// Layout shared by the starting and charging windows: the component picture on the left
// and the diagram's three blocks (Input, Control, Output) to its right, in pixels of the
// window's inner area.
class QLineEdit;
namespace diagram {
constexpr int kTop = 17;
constexpr int kLefts[3] = {266, 432, 618};
constexpr int kRights[3] = {416, 602, 771};
QRect px(int x, int y, int w, int h);
// The headings lblSystem(0..2).
void makeHeadings(QWidget* form, QLabel* out[3]);
void drawBlocks(QPainter& p, int height);
QLineEdit* readout(QWidget* parent, const QString& name, const QString& text, const QRect& twips);
// Writes a number into a read-out only when its text changes, showing it from its first digit.
void showNumber(QLineEdit* box, int value);
}  // namespace diagram
