#include "platform/appicon.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace {
// The ignition trace: the spark line, its ringing dying away, then the coil charging.
QPolygonF ignitionTrace() {
    QPolygonF p;
    const double base = 142;
    p << QPointF(46, base) << QPointF(78, base) << QPointF(82, 70) << QPointF(88, 118);
    for (double x = 88; x <= 150; x += 2)
        p << QPointF(x, 124 + (base - 124) * (x - 88) / 62 + 10 * std::exp(-(x - 88) / 18) * std::sin((x - 88) / 2.6));
    p << QPointF(174, base) << QPointF(176, 156) << QPointF(180, base) << QPointF(210, base);
    return p;
}
}  // namespace

QList<AppIconShape> appIconShapes() {
    using S = AppIconShape;
    QList<S> s;
    s.append({S::Box, QRectF(8, 8, 240, 240), 46, QColor("#1f3d5c"), QColor("#0d1b2b"), 6, {}});
    s.append({S::Box, QRectF(34, 44, 188, 136), 14, QColor("#07130b"), QColor("#8fa7bd"), 7, {}});
    for (int i = 1; i < 4; ++i) {  // the screen's grid
        const double y = 44 + i * 136.0 / 4, x = 34 + i * 188.0 / 4;
        s.append({S::Trace, {}, 0, {}, QColor("#1f4d2a"), 3, QPolygonF({QPointF(40, y), QPointF(216, y)})});
        s.append({S::Trace, {}, 0, {}, QColor("#1f4d2a"), 3, QPolygonF({QPointF(x, 50), QPointF(x, 174)})});
    }
    s.append({S::Trace, {}, 0, {}, QColor("#52f06e"), 7, ignitionTrace()});
    for (double x : {76.0, 128.0, 180.0})
        s.append({S::Knob, QRectF(x - 14, 198, 28, 28), 0, QColor(x == 128 ? "#f2a531" : "#c9d4de"), QColor("#0d1b2b"), 4, {}});
    return s;
}

void paintAppIcon(QPainter& p, const QList<AppIconShape>& shapes) {
    p.setRenderHint(QPainter::Antialiasing);
    for (const AppIconShape& s : shapes) {
        QPen pen(s.stroke, s.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        switch (s.kind) {
        case AppIconShape::Box:
            p.setBrush(s.fill);
            p.drawRoundedRect(s.rect, s.radius, s.radius);
            break;
        case AppIconShape::Knob:
            p.setBrush(s.fill);
            p.drawEllipse(s.rect);
            break;
        case AppIconShape::Trace:
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(s.points);
            break;
        }
    }
}

QIcon appIcon() {
    const QList<AppIconShape> shapes = appIconShapes();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.scale(size / kAppIconUnits, size / kAppIconUnits);
        paintAppIcon(p, shapes);
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
