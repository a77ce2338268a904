// Draws the circuit plan, the background of the telemetry device's circuit, from the track
// file itself, so that the picture and the car's path always agree.
//   mkcircuit TRACK.txt OUT.png
// The plan is 200 x 200 units. The car marker stands with its top-left corner on a track
// point, so the road is drawn half a marker to the right of and below the points.
#include "telemetry/circuit.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QVector>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kPixels = 600;                       // 3 pixels to a unit
constexpr double kScale = kPixels / telemetry::kCircuitUnits;
constexpr double kRoadWidth = 11;                  // units
constexpr double kKerbWidth = 2;

QVector<QPointF> readTrack(const QString& path) {
    QVector<QPointF> points;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return points;
    const double offset = telemetry::kCarSize / 2;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QList<QByteArray> xy = line.trimmed().split(',');
        if (xy.size() != 2) continue;
        bool okX = false, okY = false;
        const double x = xy[0].toDouble(&okX), y = xy[1].toDouble(&okY);
        if (okX && okY) points.append(QPointF((x + offset) * kScale, (y + offset) * kScale));
    }
    return points;
}

// The points are whole units; the road follows their running mean so that its edges are
// smooth (it stays within half a unit of the path).
QVector<QPointF> smoothed(const QVector<QPointF>& p) {
    const int n = p.size(), reach = 3;
    QVector<QPointF> out(n);
    for (int i = 0; i < n; ++i) {
        QPointF sum;
        for (int k = -reach; k <= reach; ++k) sum += p[((i + k) % n + n) % n];
        out[i] = sum / (2 * reach + 1);
    }
    return out;
}

// Direction of travel at point i, from its neighbours (the circuit is closed).
QPointF direction(const QVector<QPointF>& p, int i, int reach = 2) {
    const int n = p.size();
    const QPointF d = p[(i + reach) % n] - p[(i - reach + n) % n];
    const double l = std::hypot(d.x(), d.y());
    return l > 0 ? d / l : QPointF(1, 0);
}

// Signed change of direction around point i, radians per unit of path: the corners.
double bend(const QVector<QPointF>& p, int i) {
    const int n = p.size(), reach = 4;
    const QPointF a = direction(p, (i - reach + n) % n), b = direction(p, (i + reach) % n);
    const double turn = std::atan2(a.x() * b.y() - a.y() * b.x(), a.x() * b.x() + a.y() * b.y());
    double length = 0;
    for (int k = -reach; k < reach; ++k) {
        const QPointF d = p[(i + k + 1 + n) % n] - p[(i + k + n) % n];
        length += std::hypot(d.x(), d.y());
    }
    return length > 0 ? turn / length * kScale : 0;
}
}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkcircuit TRACK.txt OUT.png\n");
        return 2;
    }
    const QVector<QPointF> p = smoothed(readTrack(QString::fromLocal8Bit(argv[1])));
    QImage image(kPixels, kPixels, QImage::Format_RGB32);
    QPainter g(&image);
    g.setRenderHint(QPainter::Antialiasing);
    // Grass in mown bands.
    for (int band = 0; band < 10; ++band)
        g.fillRect(QRectF(0, band * kPixels / 10.0, kPixels, kPixels / 10.0),
                   band % 2 ? QColor(78, 138, 64) : QColor(86, 148, 70));
    if (p.size() >= 8) {
        QPainterPath road(p[0]);
        for (int i = 1; i < p.size(); ++i) road.lineTo(p[i]);
        road.closeSubpath();
        // Run-off, then the road with its white edge lines.
        g.setPen(QPen(QColor(214, 200, 160), (kRoadWidth + 8) * kScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.drawPath(road);
        g.setPen(QPen(QColor(240, 240, 240), (kRoadWidth + 1) * kScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.drawPath(road);
        g.setPen(QPen(QColor(72, 74, 78), kRoadWidth * kScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.drawPath(road);
        // Kerbs on both edges wherever the road bends: red and white blocks.
        const int n = p.size();
        for (int i = 0; i < n; ++i) {
            if (std::abs(bend(p, i)) < 0.03) continue;
            const QPointF d = direction(p, i, 1);
            const QPointF normal(-d.y(), d.x());
            const double out = (kRoadWidth / 2 - kKerbWidth / 2) * kScale;
            const QColor c = (i / 2) % 2 ? QColor(220, 30, 30) : QColor(250, 250, 250);
            g.setPen(QPen(c, kKerbWidth * kScale, Qt::SolidLine, Qt::FlatCap));
            const QPointF next = p[(i + 1) % n];
            for (double side : {-1.0, 1.0})
                g.drawLine(p[i] + normal * out * side, next + normal * out * side);
        }
        // The start/finish line across the road at the first point: two rows of squares.
        const QPointF d = direction(p, 0, 1);
        const QPointF normal(-d.y(), d.x());
        const double cell = kRoadWidth * kScale / 6;
        g.setPen(Qt::NoPen);
        for (int row = 0; row < 2; ++row)
            for (int k = 0; k < 6; ++k) {
                const QPointF corner = p[0] + normal * (k - 3) * cell + d * (row - 1) * cell;
                QPolygonF square({corner, corner + normal * cell, corner + normal * cell + d * cell, corner + d * cell});
                g.setBrush((row + k) % 2 ? Qt::black : Qt::white);
                g.drawPolygon(square);
            }
    }
    g.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "mkcircuit: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
