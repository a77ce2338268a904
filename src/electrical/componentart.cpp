#include "componentart.h"

#include <QPainter>

namespace art {

QLinearGradient metalV(qreal top, qreal bottom, const QColor& base) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(0.45, base.lighter(115));
    g.setColorAt(1, base.darker(150));
    return g;
}

QLinearGradient metalH(qreal left, qreal right, const QColor& base) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, base.darker(130));
    g.setColorAt(0.4, base.lighter(140));
    g.setColorAt(1, base.darker(150));
    return g;
}

void copperCoil(QPainter& p, const QRectF& r, bool vertical) {
    QLinearGradient g(r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
    g.setColorAt(0, QColor(220, 140, 70));
    g.setColorAt(0.5, QColor(245, 180, 110));
    g.setColorAt(1, QColor(160, 85, 35));
    p.setPen(QPen(QColor(110, 55, 20), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(QPen(QColor(130, 65, 25), 0.6));
    if (vertical) {
        for (qreal y = r.top() + 2; y < r.bottom() - 1; y += 2.5) p.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
    } else {
        for (qreal x = r.left() + 2; x < r.right() - 1; x += 2.5) p.drawLine(QPointF(x, r.top() + 1), QPointF(x, r.bottom() - 1));
    }
}

void laminations(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(70, 70, 80), 0.8));
    p.setBrush(metalV(r.top(), r.bottom(), QColor(120, 124, 135)));
    p.drawRect(r);
    p.setPen(QPen(QColor(85, 88, 98), 0.5));
    for (qreal x = r.left() + 2; x < r.right(); x += 2) p.drawLine(QPointF(x, r.top() + 0.5), QPointF(x, r.bottom() - 0.5));
}

void cardBackdrop(QPainter& p, qreal width, qreal height) {
    QLinearGradient bg(0, 0, 0, height);
    bg.setColorAt(0, QColor(250, 250, 252));
    bg.setColorAt(1, QColor(222, 226, 234));
    p.setPen(QPen(QColor(150, 155, 170), 1));
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 6, 6);
}

}  // namespace art
