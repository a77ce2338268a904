// The live scope screen as it is drawn: a graticule of 10 x 8 divisions that keeps its
// proportions in whatever room the window gives it, the scales above it, the zero and trigger
// markers at its edges, the reference behind the trace, the cursors over it, and the cursors'
// read-outs and the measurements below it. Painted on the instrument's picture box.
#pragma once

#include "multiscope/acquisition.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QImage;
class QPainter;

namespace scope {

enum class CursorId { T1, T2, V1, V2 };

// Two time cursors (divisions from the left edge, 0..10) and two level cursors (divisions from
// the bottom edge, 0..8), and the one the keys move.
struct Cursors {
    bool shown = false;
    double time[2] = {3, 7};
    double level[2] = {6, 2};
    CursorId active = CursorId::T1;

    double& position(CursorId id);
    double position(CursorId id) const;
    // Moves a cursor by `divisions`, kept on the screen; a value that is no finite number
    // (NaN, infinity) leaves the cursor where it is.
    void move(CursorId id, double divisions);
    void place(CursorId id, double divisions);
};
QString cursorName(CursorId id);

struct CursorReadout {
    double seconds = 0;  // ΔT
    double units = 0;    // ΔV, in the point's unit
    QString deltaT, inverse, deltaV;  // "ΔT 1.00 ms", "1/ΔT 1.000 kHz", "ΔV 2.00 V"
};
CursorReadout readCursors(const Cursors& c, double secondsPerDivision, double perDivision, const QString& unit);

// A trace on the screen: samples in the point's unit, the first at the left edge.
struct ScreenTrace {
    std::vector<double> values;
    double dt = 0;  // seconds between samples
    // When kept (peak detect): the lowest and highest around each sample, drawn as a line from
    // one to the other at the sample's place.
    std::vector<double> lows, highs;
};

// One channel's trace as the screen draws it, at its own scale and zero line, in its colour:
// a probe's channel ("A".."D") or a math channel ("M1", "M2").
struct ChannelView {
    QString name;
    QColor colour;
    QString unit = QStringLiteral("V");
    double perDivision = 1;
    bool autoRange = false;
    double zero = 4;           // divisions from the top to the zero line
    ScreenTrace trace;
    QString label;             // what it is: "Engine speed (ECU picture, at the ECU pin)", "A − B"
    ScreenTrace reference;     // a known-good trace drawn behind, in a pale shade of its colour
    std::vector<int> marks;    // samples of the trace outside a guided test's mask
    // As shown beside its name under the screen, set out in lines as they fit (a piece that begins
    // with a line feed begins a line); or why it shows nothing.
    QStringList measurements;
};

struct ScreenView {
    double secondsPerDivision = 1e-3;
    double perDivision = 1;
    QString unit = QStringLiteral("V");
    bool autoRange = false;
    double zero = 4;  // divisions from the top to the zero line
    ScreenTrace trace;
    ScreenTrace reference;
    QString referenceName;  // empty: no reference
    Trigger trigger;
    Status status = Status::Waiting;
    Cursors cursors;
    QStringList measurements;  // "Frequency 13.33 Hz", ...
    QString message;           // shown across the screen when there is nothing to measure
    double lineWidth = 1.5;    // pixels
    // Several channels: each drawn at its own scale, its scale above the screen, its zero marker
    // at the left edge and its measurements below, in its colour. The single trace above (and
    // its scale) is then the trigger channel's, which the trigger and the level cursors use; an
    // empty list draws the single trace alone.
    std::vector<ChannelView> channels;
    QString triggerName;       // the trigger channel's name, shown with the trigger
    std::vector<int> marks;    // the single trace's samples outside a guided test's mask
    QString verdict;           // a guided test's verdict, the first line under the screen
    QColor verdictColour;
    QString historyText;       // which capture of the history is shown, when not the newest
};

// Where the parts of the screen lie on a surface of `size` pixels.
struct ScreenGeometry {
    QRectF grid;        // the graticule
    QRectF top;         // the scales' line
    QRectF bottom;      // read-outs and measurements
    double fontPixels;  // the text's size
    double textPixels;  // the read-outs' below (smaller when they are many)
    QStringList lines;  // the text below (the cursors' read-outs, the measurements), wrapped to its width
    QList<QColor> lineColours;  // each line's colour (a channel's), invalid for the screen's text
    double divisionX() const { return grid.width() / kDivisionsX; }
    double divisionY() const { return grid.height() / kDivisionsY; }
};
ScreenGeometry screenGeometry(QSizeF size, const ScreenView& view);

// `cache`, when given, keeps the back and graticule between frames of the same size. Returns
// where the parts were drawn.
ScreenGeometry paintScreen(QPainter& p, QSizeF size, const ScreenView& view, QImage* cache = nullptr);

// Draws the trace's samples from `from` on (the segment a roll sweep has added) over a screen
// painted with this geometry; returns the pixels it touched.
QRect paintTrace(QPainter& p, const ScreenGeometry& g, const ScreenView& view, std::size_t from);

// The cursor within a few pixels of a point, when the cursors are shown.
std::optional<CursorId> cursorNear(const ScreenGeometry& g, const Cursors& c, QPointF pixels);
// A pixel position as divisions: from the left edge for time cursors, from the bottom for level ones.
double divisionsAt(const ScreenGeometry& g, CursorId id, QPointF pixels);

}  // namespace scope
