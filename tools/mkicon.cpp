// Draws the program's icon: an instrument screen showing an ignition trace, with three knobs
// below it. The same shapes are painted into a PNG for each size of the icon theme and
// written out as an SVG, so the bitmaps and the scalable icon cannot drift apart.
//   mkicon OUTDIR SIZE...   writes OUTDIR/SIZExSIZE/vantorel.png and OUTDIR/vantorel.svg
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>

namespace {
constexpr double kUnits = 256;  // the drawing's own coordinates

struct Shape {
    enum Kind { Box, Trace, Knob } kind;
    QRectF rect;        // Box: the box; Knob: the circle's bounds
    double radius = 0;  // Box corners
    QColor fill, stroke;
    double strokeWidth = 0;
    QPolygonF points;   // Trace
};

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

QList<Shape> icon() {
    QList<Shape> s;
    s.append({Shape::Box, QRectF(8, 8, 240, 240), 46, QColor("#1f3d5c"), QColor("#0d1b2b"), 6, {}});
    s.append({Shape::Box, QRectF(34, 44, 188, 136), 14, QColor("#07130b"), QColor("#8fa7bd"), 7, {}});
    for (int i = 1; i < 4; ++i) {  // the screen's grid
        const double y = 44 + i * 136.0 / 4, x = 34 + i * 188.0 / 4;
        s.append({Shape::Trace, {}, 0, {}, QColor("#1f4d2a"), 3, QPolygonF({QPointF(40, y), QPointF(216, y)})});
        s.append({Shape::Trace, {}, 0, {}, QColor("#1f4d2a"), 3, QPolygonF({QPointF(x, 50), QPointF(x, 174)})});
    }
    s.append({Shape::Trace, {}, 0, {}, QColor("#52f06e"), 7, ignitionTrace()});
    for (double x : {76.0, 128.0, 180.0})
        s.append({Shape::Knob, QRectF(x - 14, 198, 28, 28), 0, QColor(x == 128 ? "#f2a531" : "#c9d4de"), QColor("#0d1b2b"), 4, {}});
    return s;
}

void paint(QPainter& p, const QList<Shape>& shapes) {
    p.setRenderHint(QPainter::Antialiasing);
    for (const Shape& s : shapes) {
        QPen pen(s.stroke, s.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        switch (s.kind) {
        case Shape::Box:
            p.setBrush(s.fill);
            p.drawRoundedRect(s.rect, s.radius, s.radius);
            break;
        case Shape::Knob:
            p.setBrush(s.fill);
            p.drawEllipse(s.rect);
            break;
        case Shape::Trace:
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(s.points);
            break;
        }
    }
}

QByteArray svg(const QList<Shape>& shapes) {
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
    auto n = [](double v) { return QByteArray::number(v, 'g', 6); };
    for (const Shape& s : shapes) {
        const QByteArray stroke = "stroke=\"" + s.stroke.name().toLatin1() + "\" stroke-width=\"" + n(s.strokeWidth) + "\"";
        if (s.kind == Shape::Box)
            out += "  <rect x=\"" + n(s.rect.x()) + "\" y=\"" + n(s.rect.y()) + "\" width=\"" + n(s.rect.width()) +
                   "\" height=\"" + n(s.rect.height()) + "\" rx=\"" + n(s.radius) + "\" fill=\"" +
                   s.fill.name().toLatin1() + "\" " + stroke + "/>\n";
        else if (s.kind == Shape::Knob)
            out += "  <circle cx=\"" + n(s.rect.center().x()) + "\" cy=\"" + n(s.rect.center().y()) + "\" r=\"" +
                   n(s.rect.width() / 2) + "\" fill=\"" + s.fill.name().toLatin1() + "\" " + stroke + "/>\n";
        else {
            out += "  <polyline fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\" " + stroke + " points=\"";
            for (const QPointF& pt : s.points) out += n(pt.x()) + "," + n(pt.y()) + " ";
            out.chop(1);
            out += "\"/>\n";
        }
    }
    return out + "</svg>\n";
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: mkicon OUTDIR SIZE...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QList<Shape> shapes = icon();
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.scale(size / kUnits, size / kUnits);
        paint(p, shapes);
        p.end();
        const QString dir = QString("%1x%1").arg(size);
        if (!out.mkpath(dir) || !image.save(out.filePath(dir + "/vantorel.png"))) {
            std::fprintf(stderr, "mkicon: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    QFile f(out.filePath("vantorel.svg"));
    if (!f.open(QIODevice::WriteOnly) || f.write(svg(shapes)) < 0) {
        std::fprintf(stderr, "mkicon: cannot write the scalable icon\n");
        return 1;
    }
    return 0;
}
