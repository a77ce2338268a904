#include "platform/appicon.h"

#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <iterator>

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

namespace {
// The icon painted at a size when that size is first asked for: a window system that shows no
// window icons (or a program without a display) never pays for the drawing.
class AppIconEngine : public QIconEngine {
public:
    QList<QSize> availableSizes(QIcon::Mode = QIcon::Normal, QIcon::State = QIcon::Off) override {
        QList<QSize> sizes;
        for (int s : kSizes) sizes << QSize(s, s);
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::max(0, std::min({size.width(), size.height(), bestSize(size.width())}));
        return QSize(side, side);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        // As an icon of pixmaps at the sizes above: the nearest size that is not smaller,
        // scaled down to the size wanted where it is not one of them (never up).
        const int side = actualSize(size, mode, QIcon::Off).width();
        if (side <= 0) return QPixmap();
        QPixmap pm = painted(bestSize(side));
        if (pm.width() != side) pm = pm.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Normal) return pm;
        // Disabled, active or selected: as the toolkit makes them from a pixmap.
        return QIcon(pm).pixmap(pm.size(), 1.0, mode);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QIconEngine* clone() const override { return new AppIconEngine(*this); }
    QString key() const override { return QStringLiteral("VantorelAppIcon"); }

private:
    static constexpr int kSizes[] = {16, 24, 32, 48, 64, 128};
    static int bestSize(int side) {
        for (int s : kSizes)
            if (s >= side) return s;
        return kSizes[std::size(kSizes) - 1];
    }
    QPixmap painted(int size) {
        auto it = cache_.constFind(size);
        if (it != cache_.constEnd()) return *it;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.scale(size / kAppIconUnits, size / kAppIconUnits);
        paintAppIcon(p, appIconShapes());
        p.end();
        return *cache_.insert(size, QPixmap::fromImage(image));
    }
    QHash<int, QPixmap> cache_;
};
}  // namespace

QIcon appIcon() { return QIcon(new AppIconEngine); }
