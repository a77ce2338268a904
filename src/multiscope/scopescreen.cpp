#include "multiscope/scopescreen.h"

#include "multiscope/measurements.h"
#include "platform/theme.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QStaticText>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace scope {

namespace {
struct Texts { Q_DECLARE_TR_FUNCTIONS(scope::Screen) };

const QColor kReference(40, 110, 200, 170);
const QColor kTrigger(210, 120, 0);
const QColor kMark(220, 0, 0);
const QString kDelta = QStringLiteral("\u0394");

// A channel's zero tag: its name in a box of its colour.
double tagWidth(const QFontMetricsF& fm) { return fm.horizontalAdvance(QStringLiteral("M2")) + 8; }

bool isTime(CursorId id) { return id == CursorId::T1 || id == CursorId::T2; }

QFont screenFont(double pixels) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(8, int(std::lround(pixels))));
    return f;
}

// The screen's texts come back frame after frame (a steady signal's measurements, the
// scales): their widths and laid-out glyphs are kept, so that a frame shapes only what is new.
struct TextCache {
    QHash<QString, double> advances;
    QHash<QString, QStaticText> laidOut;
    QHash<QString, QString> elided;
    void trim() {
        if (advances.size() > 4000) advances.clear();
        if (laidOut.size() > 1000) laidOut.clear();
        if (elided.size() > 1000) elided.clear();
    }
};
TextCache& textCache() {
    static TextCache cache;  // the screen is painted on the GUI thread only
    return cache;
}
QString cacheKey(const QFont& font, const QString& text) {
    return QString::number(font.pixelSize()) + QChar(0x1f) + text;
}
double advanceOf(const QFontMetricsF& fm, const QFont& font, const QString& text) {
    TextCache& c = textCache();
    const QString key = cacheKey(font, text);
    const auto it = c.advances.constFind(key);
    if (it != c.advances.constEnd()) return *it;
    c.trim();
    const double w = fm.horizontalAdvance(text);
    c.advances.insert(key, w);
    return w;
}
QString elidedRight(const QFontMetricsF& fm, const QFont& font, const QString& text, double width, Qt::TextElideMode mode) {
    TextCache& c = textCache();
    const QString key = cacheKey(font, text) + QChar(0x1f) + QString::number(width) + QChar(0x1f) + QString::number(int(mode));
    const auto it = c.elided.constFind(key);
    if (it != c.elided.constEnd()) return *it;
    c.trim();
    const QString e = fm.elidedText(text, mode, width);
    c.elided.insert(key, e);
    return e;
}
// Draws a line of text at the left (or right) of `box`, centred in its height.
void drawLine(QPainter& p, const QFont& font, const QRectF& box, const QString& text, bool right = false) {
    TextCache& c = textCache();
    const QString key = cacheKey(font, text);
    auto it = c.laidOut.find(key);
    if (it == c.laidOut.end()) {
        c.trim();
        QStaticText st(text);
        st.setTextFormat(Qt::PlainText);
        st.setPerformanceHint(QStaticText::AggressiveCaching);
        st.prepare(QTransform(), font);
        it = c.laidOut.insert(key, st);
    }
    const QSizeF size = it->size();
    const double x = right ? box.right() - size.width() : box.left();
    p.drawStaticText(QPointF(x, box.top() + (box.height() - size.height()) / 2), *it);
}

// The line's text pieces, set out across `width`, wrapped as they need; a piece that begins
// with a line feed begins a new line.
QStringList wrapped(const QStringList& pieces, const QFontMetricsF& fm, const QFont& font, double width) {
    QStringList lines;
    QString line;
    const QString gap = QStringLiteral("   ");
    const double gapWidth = advanceOf(fm, font, gap);
    double used = 0;
    for (QString piece : pieces) {
        // A piece that starts a line of its own.
        const bool fresh = piece.startsWith('\n');
        if (fresh) piece.remove(0, 1);
        const double w = advanceOf(fm, font, piece);
        if (!line.isEmpty() && (fresh || used + gapWidth + w > width)) {
            lines << line;
            line.clear();
        }
        if (line.isEmpty()) {
            line = piece;
            used = w;
        } else {
            line += gap + piece;
            used += gapWidth + w;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

// The graticule kept drawn is that of a place and a theme.
QString gridKey(const QRectF& r) {
    return QStringLiteral("%1,%2,%3,%4,%5").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
        .arg(int(theme::current().kind));
}

// A trace's width: the Focus control's, never thinner than the theme allows.
double drawnWidth(const ScreenView& v) { return theme::traceWidth(theme::current(), v.lineWidth); }

// The back and the graticule: the divisions, and fifths of a division along the centre lines.
void paintGraticule(QImage& image, QSizeF size, const QRectF& r) {
    QPainter p(&image);
    const theme::Theme& t = theme::current();
    p.fillRect(QRectF(QPointF(0, 0), size), t.screenBack);
    const double dx = r.width() / kDivisionsX, dy = r.height() / kDivisionsY;
    QVector<QLineF> lines, ticks;
    for (int i = 0; i <= kDivisionsX; ++i) lines << QLineF(r.left() + i * dx, r.top(), r.left() + i * dx, r.bottom());
    for (int i = 0; i <= kDivisionsY; ++i) lines << QLineF(r.left(), r.top() + i * dy, r.right(), r.top() + i * dy);
    const QPointF centre = r.center();
    for (int i = 0; i <= kDivisionsX * 5; ++i) {
        const double x = r.left() + i * dx / 5;
        ticks << QLineF(x, centre.y() - 2, x, centre.y() + 2);
    }
    for (int i = 0; i <= kDivisionsY * 5; ++i) {
        const double y = r.top() + i * dy / 5;
        ticks << QLineF(centre.x() - 2, y, centre.x() + 2, y);
    }
    p.setPen(QPen(t.grid, t.gridWidth));
    p.drawLines(lines);
    p.setPen(QPen(t.gridAxis, t.gridWidth));
    p.drawLines(ticks);
}

// A level as a screen position: divisions from the zero line.
double yOfValue(const ScreenGeometry& g, double zero, double perDivision, double value) {
    return g.grid.top() + (zero - value / perDivision) * g.divisionY();
}
double yOfValue(const ScreenGeometry& g, const ScreenView& v, double value) {
    return yOfValue(g, v.zero, v.perDivision, value);
}

// Samples as screen points from `from` on: x from the left edge by time, y by level (far-off
// values held a few screens away rather than overflowing; one that is no number left out).
QPolygonF tracePoints(const ScreenGeometry& g, double secondsPerDivision, double zero, double perDivision,
                      const ScreenTrace& t, std::size_t from) {
    QPolygonF line;
    if (t.values.empty() || !(t.dt > 0)) return line;
    const QRectF& r = g.grid;
    const double step = t.dt / secondsPerDivision * g.divisionX();
    const double limit = r.height() * 4;
    line.reserve(qsizetype(t.values.size() - std::min(from, t.values.size())));
    const bool peaks = t.lows.size() == t.values.size() && t.highs.size() == t.values.size();
    const auto y = [&](double value) {
        return std::clamp(yOfValue(g, zero, perDivision, value), r.top() - limit, r.bottom() + limit);
    };
    // A level run (a twentieth of a pixel either way) is one segment: its last point moves on
    // instead of a point being added, so a flat stretch costs the painter nothing more.
    const auto add = [&line](QPointF q) {
        const qsizetype n = line.size();
        if (n >= 2 && std::abs(line[n - 1].y() - q.y()) < 0.05 && std::abs(line[n - 2].y() - q.y()) < 0.05) {
            line[n - 1].setX(q.x());
            return;
        }
        line << q;
    };
    for (std::size_t k = from; k < t.values.size(); ++k) {
        const double x = r.left() + double(k) * step;
        if (x > r.right() + step) break;
        if (!std::isfinite(t.values[k])) continue;  // a reference's sample that is no number
        if (peaks && std::isfinite(t.lows[k]) && std::isfinite(t.highs[k])) {
            // From the extreme nearer the line so far to the other: a spike narrower than the
            // samples' spacing is drawn to its tip.
            const double low = y(t.lows[k]), high = y(t.highs[k]);
            if (std::abs(low - high) > 0.5) {
                const bool lowFirst = line.isEmpty() || std::abs(line.back().y() - low) < std::abs(line.back().y() - high);
                add(QPointF(x, lowFirst ? low : high));
                add(QPointF(x, lowFirst ? high : low));
                continue;
            }
        }
        add(QPointF(x, y(t.values[k])));
    }
    return line;
}

QPolygonF tracePoints(const ScreenGeometry& g, const ScreenView& v, const ScreenTrace& t, std::size_t from) {
    return tracePoints(g, v.secondsPerDivision, v.zero, v.perDivision, t, from);
}

// A channel's scale: "A 2 V/div", "B 5 A/div (auto)".
QString scaleText(const ChannelView& c) {
    return c.name + QStringLiteral(" ") + perDivisionText(c.perDivision, c.unit) +
           (c.autoRange ? Texts::tr(" (auto)") : QString());
}

// The time base and the trigger (with the channel it watches when there are several).
QString topText(const ScreenView& v) {
    QStringList parts;
    if (v.channels.empty())
        parts << perDivisionText(v.perDivision, v.unit) + (v.autoRange ? Texts::tr(" (auto)") : QString());
    parts << perDivisionText(v.secondsPerDivision, QStringLiteral("s"));
    if (v.trigger.mode == TriggerMode::Roll) {
        parts << triggerModeText(TriggerMode::Roll);
    } else {
        parts << triggerModeText(v.trigger.mode) + QStringLiteral(" ") +
                     (v.triggerName.isEmpty() ? QString() : v.triggerName + QStringLiteral(" ")) +
                     (v.trigger.edge == Edge::Rising ? QStringLiteral("\u2191 ") : QStringLiteral("\u2193 ")) +
                     formatSi(v.trigger.level, v.unit);
        parts << statusText(v.status);
    }
    if (!v.historyText.isEmpty()) parts << v.historyText;
    return parts.join(QStringLiteral("   "));
}
}  // namespace

double& Cursors::position(CursorId id) {
    switch (id) {
    case CursorId::T1: return time[0];
    case CursorId::T2: return time[1];
    case CursorId::V1: return level[0];
    case CursorId::V2: return level[1];
    }
    return time[0];
}

double Cursors::position(CursorId id) const { return const_cast<Cursors*>(this)->position(id); }

void Cursors::place(CursorId id, double divisions) {
    if (!std::isfinite(divisions)) return;  // no place on the screen: the cursor stays where it is
    const double top = isTime(id) ? kDivisionsX : kDivisionsY;
    position(id) = std::clamp(divisions, 0.0, top);
}

void Cursors::move(CursorId id, double divisions) { place(id, position(id) + divisions); }

QString cursorName(CursorId id) {
    switch (id) {
    case CursorId::T1: return QStringLiteral("T1");
    case CursorId::T2: return QStringLiteral("T2");
    case CursorId::V1: return QStringLiteral("V1");
    case CursorId::V2: return QStringLiteral("V2");
    }
    return QString();
}

CursorReadout readCursors(const Cursors& c, double secondsPerDivision, double perDivision, const QString& unit) {
    CursorReadout r;
    r.seconds = std::abs(c.time[1] - c.time[0]) * secondsPerDivision;
    r.units = std::abs(c.level[1] - c.level[0]) * perDivision;
    r.deltaT = kDelta + QStringLiteral("T ") + formatSi(r.seconds, QStringLiteral("s"));
    r.inverse = QStringLiteral("1/") + kDelta + QStringLiteral("T ") +
                (r.seconds > 0 ? formatSi(1 / r.seconds, QStringLiteral("Hz"), 4) : QCoreApplication::translate("scope::Measurement", "no signal"));
    r.deltaV = kDelta + QStringLiteral("V ") + formatSi(r.units, unit);
    return r;
}

// The cursors' read-outs, as the line below the graticule.
static QStringList cursorLines(const ScreenView& v) {
    QStringList lines;
    if (v.cursors.shown) {
        const CursorReadout r = readCursors(v.cursors, v.secondsPerDivision, v.perDivision, v.unit);
        lines << r.deltaT + QStringLiteral("   ") + r.inverse + QStringLiteral("   ") + r.deltaV;
    }
    return lines;
}

ScreenGeometry screenGeometry(QSizeF size, const ScreenView& v) {
    ScreenGeometry g;
    // The text grows with the screen, within what stays readable and leaves the graticule room.
    // The projector's theme reads from the back of a room: its text is larger at every size.
    const double textScale = theme::current().screenTextScale;
    g.fontPixels = std::clamp(std::min(size.width() / 32, size.height() / 20), 9.0, 14.0) * textScale;
    const QFontMetricsF fm(screenFont(g.fontPixels));
    const double line = fm.height();
    const double margin = std::max(4.0, g.fontPixels * 0.6);
    const double width = std::max(1.0, size.width() - 2 * margin);
    // The read-outs below in the screen's type, or a smaller one (down to 9 pixels) when many
    // lines would leave the graticule less than three fifths of the height; what still does not
    // fit ends in a line saying how much more there is.
    const double topLines = v.channels.empty() ? 1 : 2;
    const double budget = std::max(line, (size.height() - topLines * line - 10) * 0.4);
    for (double px = g.fontPixels;; px -= 1) {
        const QFont tf = screenFont(px);
        const QFontMetricsF tm(tf);
        g.textPixels = px;
        g.lines = cursorLines(v);
        g.lineColours = QList<QColor>(g.lines.size(), QColor());
        if (!v.verdict.isEmpty()) {
            // The verdict's words, wrapped with single spaces.
            QStringList verdict;
            for (const QString& word : v.verdict.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                if (!verdict.isEmpty() && advanceOf(tm, tf, verdict.back() + ' ' + word) <= width)
                    verdict.back() += ' ' + word;
                else
                    verdict << word;
            }
            g.lines = verdict + g.lines;
            g.lineColours = QList<QColor>(verdict.size(), v.verdictColour) + g.lineColours;
        }
        if (v.channels.empty()) {
            g.lines += wrapped(v.measurements, tm, tf, width);
        } else {
            // Each channel's measurements on lines of their own, after its name, in its colour.
            for (const ChannelView& c : v.channels) {
                if (c.measurements.isEmpty()) continue;
                QStringList pieces = c.measurements;
                pieces.front() = c.name + QStringLiteral(": ") + pieces.front();
                const QStringList lines = wrapped(pieces, tm, tf, width);
                g.lines += lines;
                g.lineColours += QList<QColor>(lines.size(), c.colour);
            }
        }
        g.lineColours.resize(g.lines.size());
        if (g.lines.size() * tm.height() <= budget || px <= 9) break;
    }
    const double textLine = QFontMetricsF(screenFont(g.textPixels)).height();
    const int fit = std::max(1, int(budget / textLine));
    if (g.lines.size() > fit) {
        const qsizetype more = g.lines.size() - (fit - 1);
        g.lines = g.lines.mid(0, fit - 1);
        g.lineColours = g.lineColours.mid(0, fit - 1);
        g.lines << Texts::tr("... (%n more line(s): fewer measurements show them)", "", int(more));
        g.lineColours << QColor();
    }
    // The channels' scales take a line of their own above the time base and trigger.
    g.top = QRectF(margin, 2, width, v.channels.empty() ? line : 2 * line);
    const double bottomHeight = g.lines.size() * textLine;
    const double roomH = std::max(1.0, size.height() - g.top.bottom() - 4 - bottomHeight - 4);
    // The markers stand beside the graticule; with several channels their tags on the left.
    const double tags = v.channels.empty() ? 0 : 2 * tagWidth(fm);
    const double roomW = width - 2 * margin - tags;
    double w = roomW, h = w * kDivisionsY / kDivisionsX;
    if (h > roomH) {
        h = roomH;
        w = h * kDivisionsX / kDivisionsY;
    }
    g.grid = QRectF((size.width() - w + tags) / 2, g.top.bottom() + 3, std::max(1.0, w), std::max(1.0, h));
    g.bottom = QRectF(margin, g.grid.bottom() + 3, width, bottomHeight);
    return g;
}

ScreenGeometry paintScreen(QPainter& p, QSizeF size, const ScreenView& v, QImage* cache) {
    const ScreenGeometry g = screenGeometry(size, v);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = g.grid;
    const double dx = g.divisionX(), dy = g.divisionY();
    // The back and the graticule change only with the size: drawn once into the cache.
    const QSize pixels = size.toSize();
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    if (!cache || cache->size() != pixels * dpr || cache->text(QStringLiteral("grid")) != gridKey(r)) {
        QImage image(pixels * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.setText(QStringLiteral("grid"), gridKey(r));  // untranslated: the cached image's key
        paintGraticule(image, size, r);
        if (cache) *cache = image;
        else p.drawImage(QPointF(0, 0), image);
    }
    if (cache) {
        // Opaque: copied, not blended.
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPointF(0, 0), *cache);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    const QFont font = screenFont(g.fontPixels);
    p.setFont(font);
    const QFontMetricsF fm(font);

    const auto yOf = [&](double value) { return yOfValue(g, v, value); };
    const auto path = [&](const ScreenTrace& t) { return tracePoints(g, v, t, 0); };
    p.save();
    p.setClipRect(r.adjusted(-1, -1, 1, 1));
    if (!v.referenceName.isEmpty()) {
        p.setPen(QPen(kReference, std::max(1.0, drawnWidth(v)), Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        p.drawPolyline(path(v.reference));
    }
    if (v.channels.empty()) {
        p.setPen(QPen(theme::current().trace, drawnWidth(v), Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        p.drawPolyline(path(v.trace));
    } else {
        // The probes' channels from D up, so that A lies over B, C and D; the math channels
        // (lines worked out from them, often flat) over all.
        std::vector<const ChannelView*> order;
        for (auto c = v.channels.rbegin(); c != v.channels.rend(); ++c)
            if (!c->name.startsWith('M')) order.push_back(&*c);
        for (const ChannelView& c : v.channels)
            if (c.name.startsWith('M')) order.push_back(&c);
        // The known-good references behind every trace, in pale shades of their channels' colours.
        for (const ChannelView& c : v.channels) {
            if (c.reference.values.empty()) continue;
            QColor pale = c.colour;
            pale.setAlpha(70);
            p.setPen(QPen(pale, std::max(2.0, drawnWidth(v) + 1.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(tracePoints(g, v.secondsPerDivision, c.zero, c.perDivision, c.reference, 0));
        }
        for (const ChannelView* c : order) {
            p.setPen(QPen(c->colour, drawnWidth(v), Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
            const QPolygonF line = tracePoints(g, v.secondsPerDivision, c->zero, c->perDivision, c->trace, 0);
            // A trace that runs up and down within most of its samples' columns (a signal much
            // quicker than the time base, drawn from its peaks) is a band: drawn without smoothing,
            // which it does not need, at a fraction of the cost.
            const bool band = line.size() > 3 * qsizetype(c->trace.values.size()) / 2;
            p.setRenderHint(QPainter::Antialiasing, !band);
            p.drawPolyline(line);
        }
        p.setRenderHint(QPainter::Antialiasing, true);
    }
    // A guided test's failing samples: a red ring on each (two hundred at most, spread over them).
    const auto markFailures = [&](const ScreenTrace& t, const std::vector<int>& marks, double zero, double perDivision) {
        if (marks.empty() || !(t.dt > 0)) return;
        p.setPen(QPen(kMark, 1.5));
        p.setBrush(Qt::NoBrush);
        const double step = t.dt / v.secondsPerDivision * dx;
        const double radius = std::max(3.0, g.fontPixels * 0.3);
        // Many failing samples: every so many of them, across the whole stretch they cover.
        const std::size_t every = std::max<std::size_t>(1, (marks.size() + 199) / 200);
        for (std::size_t i = 0; i < marks.size(); i += every) {
            const auto k = std::size_t(marks[i]);
            if (k >= t.values.size() || !std::isfinite(t.values[k])) continue;
            const double y = std::clamp(yOfValue(g, zero, perDivision, t.values[k]), r.top(), r.bottom());
            p.drawEllipse(QPointF(r.left() + double(k) * step, y), radius, radius);
        }
    };
    if (v.channels.empty()) markFailures(v.trace, v.marks, v.zero, v.perDivision);
    for (const ChannelView& c : v.channels) markFailures(c.trace, c.marks, c.zero, c.perDivision);
    p.restore();

    // Markers: the zero line on the left edge, the trigger level on the right and its time on top.
    const double mark = std::max(5.0, g.fontPixels * 0.55);
    p.setPen(Qt::NoPen);
    if (v.channels.empty()) {
        const double zeroY = std::clamp(r.top() + v.zero * dy, r.top(), r.bottom());
        p.setBrush(theme::current().trace);
        p.drawPolygon(QPolygonF({QPointF(r.left() - 1, zeroY), QPointF(r.left() - 1 - mark, zeroY - mark * 0.6),
                                 QPointF(r.left() - 1 - mark, zeroY + mark * 0.6)}));
    } else {
        // Each channel's zero: a tag with its name, pointing at its zero line; a tag that would
        // cover one already drawn moves out to the left beside it.
        const double tw = tagWidth(fm), th = fm.height();
        std::vector<QRectF> placed;
        for (const ChannelView& c : v.channels) {
            const double zeroY = std::clamp(r.top() + c.zero * dy, r.top(), r.bottom());
            QRectF tag(r.left() - 1 - tw, zeroY - th / 2, tw - mark * 0.5, th);
            for (int tries = 0; tries < 2 && std::any_of(placed.begin(), placed.end(), [&](const QRectF& o) {
                                                 return o.intersects(tag);
                                             });
                 ++tries)
                tag.translate(-tw, 0);
            placed.push_back(tag);
            p.setPen(Qt::NoPen);
            p.setBrush(c.colour);
            p.drawRect(tag);
            p.drawPolygon(QPolygonF({QPointF(r.left() - 1, zeroY), QPointF(tag.right(), zeroY - mark * 0.5),
                                     QPointF(tag.right(), zeroY + mark * 0.5)}));
            p.setPen(Qt::white);
            p.drawText(tag, Qt::AlignCenter, c.name);
        }
        p.setPen(Qt::NoPen);
    }
    if (v.trigger.mode != TriggerMode::Roll) {
        const double ty = std::clamp(yOf(v.trigger.level), r.top(), r.bottom());
        const double tx = r.left() + std::clamp(v.trigger.position, 0.0, 1.0) * r.width();
        p.setBrush(kTrigger);
        p.drawPolygon(QPolygonF({QPointF(r.right() + 1, ty), QPointF(r.right() + 1 + mark, ty - mark * 0.6),
                                 QPointF(r.right() + 1 + mark, ty + mark * 0.6)}));
        p.drawPolygon(QPolygonF({QPointF(tx, r.top() + 1), QPointF(tx - mark * 0.6, r.top() + 1 - mark * 0.8),
                                 QPointF(tx + mark * 0.6, r.top() + 1 - mark * 0.8)}));
        // Level and upright lines need no smoothing, which costs much on a dotted line.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(kTrigger, 1, Qt::DotLine));
        p.drawLine(QPointF(r.left(), std::round(ty)), QPointF(r.right(), std::round(ty)));
        p.setRenderHint(QPainter::Antialiasing, true);
    }
    p.setBrush(Qt::NoBrush);

    // Cursors over the trace.
    if (v.cursors.shown) {
        for (CursorId id : {CursorId::T1, CursorId::T2, CursorId::V1, CursorId::V2}) {
            const bool active = v.cursors.active == id;
            p.setPen(QPen(active ? theme::current().cursorActive : theme::current().cursor, active ? 2 : 1, Qt::DashLine));
            const double at = v.cursors.position(id);
            QPointF label;
            p.setRenderHint(QPainter::Antialiasing, false);
            if (isTime(id)) {
                const double x = std::round(r.left() + at * dx);
                p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
                label = QPointF(x + 2, r.bottom() - 3);
            } else {
                const double y = std::round(r.bottom() - at * dy);
                p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
                label = QPointF(r.left() + 3, y - 2);
            }
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(active ? theme::current().cursorActive : theme::current().cursor);
            p.drawText(label, cursorName(id));
        }
    }

    // Texts: the scales above, the read-outs and measurements below, a message across the middle.
    p.setPen(theme::current().screenText);
    if (v.channels.empty()) {
        drawLine(p, font, g.top, elidedRight(fm, font, topText(v), g.top.width(), Qt::ElideRight));
    } else {
        // The channels' scales in their colours, then the time base and trigger below them.
        double x = g.top.left();
        const double gap = fm.horizontalAdvance(QStringLiteral("   "));
        for (const ChannelView& c : v.channels) {
            const QString text = scaleText(c);
            const double w = advanceOf(fm, font, text);
            if (x + w > g.top.right()) break;
            p.setPen(c.colour);
            drawLine(p, font, QRectF(x, g.top.top(), w + 1, fm.height()), text);
            x += w + gap;
        }
        p.setPen(theme::current().screenText);
        drawLine(p, font, QRectF(g.top.left(), g.top.top() + fm.height(), g.top.width(), fm.height()),
                 elidedRight(fm, font, topText(v), g.top.width(), Qt::ElideRight));
    }
    if (!v.referenceName.isEmpty()) {
        const QString ref = Texts::tr("Reference: %1").arg(v.referenceName);
        p.setPen(kReference.darker(130));
        drawLine(p, font, QRectF(r.left() + 4, r.top() + 2, r.width() - 8, fm.height()),
                 elidedRight(fm, font, ref, r.width() - 8, Qt::ElideMiddle), true);
        p.setPen(theme::current().screenText);
    }
    const QStringList& lines = g.lines;
    const QFont textFont = screenFont(g.textPixels);
    p.setFont(textFont);
    const QFontMetricsF tm(textFont);
    for (int i = 0; i < lines.size(); ++i) {
        p.setPen(g.lineColours.value(i).isValid() ? g.lineColours.value(i) : theme::current().screenText);
        drawLine(p, textFont, QRectF(g.bottom.left(), g.bottom.top() + i * tm.height(), g.bottom.width(), tm.height()),
                 lines[i]);
    }
    p.setPen(theme::current().screenText);
    p.setFont(font);
    if (!v.message.isEmpty()) {
        QRectF box = fm.boundingRect(r, Qt::AlignCenter | Qt::TextWordWrap, v.message).adjusted(-6, -3, 6, 3);
        p.fillRect(box, QColor(255, 255, 255, 210));
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, v.message);
    }
    p.restore();
    return g;
}

QRect paintTrace(QPainter& p, const ScreenGeometry& g, const ScreenView& v, std::size_t from) {
    const QPolygonF points = tracePoints(g, v, v.trace, from);
    if (points.size() < 2) return QRect();
    // Clipped to the graticule only when the trace leaves it (clipping slows the drawing down).
    const bool inside = g.grid.adjusted(-1, -1, 1, 1).contains(points.boundingRect());
    if (!inside) p.setClipRect(g.grid.adjusted(-1, -1, 1, 1));
    p.setPen(QPen(theme::current().trace, drawnWidth(v), Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    p.drawPolyline(points);
    const int margin = int(std::ceil(drawnWidth(v))) + 2;
    return points.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

std::optional<CursorId> cursorNear(const ScreenGeometry& g, const Cursors& c, QPointF px) {
    if (!c.shown || !g.grid.adjusted(-6, -6, 6, 6).contains(px)) return std::nullopt;
    std::optional<CursorId> best;
    double nearest = 6;  // pixels
    for (CursorId id : {CursorId::T1, CursorId::T2, CursorId::V1, CursorId::V2}) {
        const double d = isTime(id) ? std::abs(px.x() - (g.grid.left() + c.position(id) * g.divisionX()))
                                    : std::abs(px.y() - (g.grid.bottom() - c.position(id) * g.divisionY()));
        if (d <= nearest) {
            nearest = d;
            best = id;
        }
    }
    return best;
}

double divisionsAt(const ScreenGeometry& g, CursorId id, QPointF px) {
    return isTime(id) ? (px.x() - g.grid.left()) / g.divisionX() : (g.grid.bottom() - px.y()) / g.divisionY();
}

}  // namespace scope
