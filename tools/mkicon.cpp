// Draws the program's icon (platform/appicon.h, which the program paints for its windows too).
// The same shapes are painted into a PNG for each size of the icon theme and
// written out as an SVG, so the bitmaps and the scalable icon cannot drift apart.
//   mkicon OUTDIR SIZE...   writes OUTDIR/SIZExSIZE/vantorel.png and OUTDIR/vantorel.svg
#include "platform/appicon.h"

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
using Shape = AppIconShape;

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
    const QList<Shape> shapes = appIconShapes();
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.scale(size / kAppIconUnits, size / kAppIconUnits);
        paintAppIcon(p, shapes);
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
