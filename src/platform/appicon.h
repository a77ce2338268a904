// The program's icon: an instrument screen showing an ignition trace, with three knobs below
// it. The build's icon tool paints it into the icon theme's files and the program paints it
// for its windows, from the same shapes.
#pragma once

#include <QColor>
#include <QList>
#include <QPolygonF>
#include <QRectF>

class QIcon;
class QPainter;

// The drawing's own coordinates run from 0 to this, both ways.
constexpr double kAppIconUnits = 256;

struct AppIconShape {
    enum Kind { Box, Trace, Knob } kind;
    QRectF rect;        // Box: the box; Knob: the circle's bounds
    double radius = 0;  // Box corners
    QColor fill, stroke;
    double strokeWidth = 0;
    QPolygonF points;   // Trace
};

QList<AppIconShape> appIconShapes();
// Paints the shapes in the drawing's coordinates (scale the painter to the size wanted).
void paintAppIcon(QPainter& p, const QList<AppIconShape>& shapes);
// The icon at the sizes window frames and task bars use, each painted when first asked for.
QIcon appIcon();
