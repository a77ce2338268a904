// Connection-point pictures. Each is drawn on a 250 x 180 card, the size and look of the
// component pictures beside the starting and charging diagrams (light card, brushed-metal
// gradients, copper windings, 9-pixel captions on thin leader lines), and saved at twice
// that size. Every card shows the component, the pin or terminal the instrument goes on, and
// the instrument itself in the bottom right corner with the settings for the trace: the red
// lead is the signal, the black lead the earth.
#include "multiscope/pointpictures.h"

#include "electrical/componentart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace pointpictures {
namespace {

using art::copperCoil;
using art::laminations;
using art::metalH;
using art::metalV;


const QColor kInk(20, 20, 20);
const QColor kOutline(40, 40, 45);
const QColor kLeader(60, 60, 60);
const QColor kProbeRed(200, 40, 30);
const QColor kLeadBlack(35, 35, 38);
const QColor kPlastic(52, 54, 62);
const QColor kBrass(200, 170, 60);

// ---- The shared look -----------------------------------------------------------------

// Every piece of text drawn on the current card, so that clipped or overlapping labels are
// found when the card is built rather than by a reader.
struct TextBox {
    QRectF box;
    QString text;
    bool cut = false;  // the text needs more room than the box it was drawn in
};
std::vector<TextBox>* g_texts = nullptr;

void placed(const QRectF& box, const QString& text, bool cut = false) {
    if (g_texts) g_texts->push_back({box, text, cut});
}

// The channels marked on the card being drawn (none for the picture viewer's card), where its
// signal leads went and what its plate says.
const Marking* g_marking = nullptr;
struct SignalAt {
    Spot spot;
    QPointF at;
    qreal radius;  // of what the ring goes round
};
std::vector<SignalAt>* g_signals = nullptr;
QStringList* g_plate = nullptr;

// The texts that only marked cards carry (the picture viewer's cards are drawn in English at build
// time).
struct Texts { Q_DECLARE_TR_FUNCTIONS(pointpictures) };

void signalAt(Spot spot, QPointF at, qreal radius) {
    if (g_signals) g_signals->push_back({spot, at, radius});
}

// The marked channel whose lead goes to a spot; -1 for none.
int markAt(Spot spot) {
    if (!g_marking) return -1;
    for (std::size_t i = 0; i < g_marking->channels.size(); ++i)
        if (g_marking->channels[i].spot == spot) return int(i);
    return -1;
}
bool wants(Spot spot) { return markAt(spot) >= 0; }

// A sensor card's pins probed at the control unit's connector rather than at the sensor's: the
// harness ends in the unit's connector, and a probe the card puts on a sensor's pin goes on the
// unit's pin of the same wire.
bool g_atUnit = false;
std::vector<QPointF> g_sensorPins, g_unitPins;

void setFont(QPainter& p, int pixels, bool bold = false) {
    QFont f = p.font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    p.setFont(f);
}

// A caption with a leader line to the part it names (text is the left end of the caption's
// base line, or its right end when alignRight).
void callout(QPainter& p, QPointF text, QPointF target, const QString& name, bool alignRight = false) {
    setFont(p, 9);
    const QFontMetricsF m(p.font());
    const qreal w = m.horizontalAdvance(name);
    const QRectF box(alignRight ? text.x() - w : text.x(), text.y() - 9, w, 11);
    p.setPen(QPen(kLeader, 0.8));
    const QPointF anchor(alignRight ? box.left() - 1 : box.right() + 1, box.center().y());
    p.drawLine(anchor, target);
    p.setBrush(kLeader);
    p.drawEllipse(target, 1.3, 1.3);
    p.setPen(kInk);
    p.drawText(box, Qt::AlignCenter, name);
    placed(box, name);
}

// A caption with its leader leaving from the text's top or bottom edge (for captions that
// sit above or below their part).
void calloutV(QPainter& p, QPointF text, QPointF target, const QString& name) {
    setFont(p, 9);
    const QFontMetricsF m(p.font());
    const qreal w = m.horizontalAdvance(name);
    const QRectF box(text.x(), text.y() - 9, w, 11);
    const bool below = target.y() > box.bottom();
    const QPointF anchor(std::clamp(target.x(), box.left() + 2, box.right() - 2), below ? box.bottom() : box.top());
    p.setPen(QPen(kLeader, 0.8));
    p.drawLine(anchor, target);
    p.setBrush(kLeader);
    p.drawEllipse(target, 1.3, 1.3);
    p.setPen(kInk);
    p.drawText(box, Qt::AlignCenter, name);
    placed(box, name);
}

void note(QPainter& p, const QRectF& box, const QString& text, int flags = Qt::AlignLeft | Qt::AlignVCenter,
          int pixels = 8, const QColor& colour = kInk, bool bold = false) {
    setFont(p, pixels, bold);
    p.setPen(colour);
    QRectF used;
    p.drawText(box, flags, text, &used);
    placed(used, text, used.width() > box.width() + 0.5 || used.height() > box.height() + 0.5);
}



// An insulated wire: a darker edge around the coloured core, like the engine-management
// picture's wires.
void cable(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width = 2.2) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(170), width + 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath route(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first) path.moveTo(pt);
        else path.lineTo(pt);
        first = false;
    }
    return path;
}

// A smooth lead from a to b that leaves a heading along `out` and arrives along `in`.
QPainterPath lead(QPointF a, QPointF out, QPointF in, QPointF b) {
    QPainterPath path(a);
    path.cubicTo(out, in, b);
    return path;
}

void earthSymbol(QPainter& p, QPointF top) {
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.drawLine(top, top + QPointF(0, 5));
    for (int i = 0; i < 3; ++i) {
        const qreal half = 8 - i * 3;
        p.drawLine(top + QPointF(-half, 5 + i * 3), top + QPointF(half, 5 + i * 3));
    }
}

// The instrument in the card's corner: a light-blue read-out plate with the trace settings
// and two sockets on its top edge. Returns the red and black sockets.
struct Sockets {
    QPointF red, black;
    QPointF second;  // the second marked channel's
};

// The instrument with the marked channels: a line per channel in its colour, then the time base;
// the second channel's socket between the other two.
Sockets markedInstrument(QPainter& p) {
    const int n = int(g_marking->channels.size());
    const qreal height = 27 + 9 * std::max(1, n);
    const QRectF plate(174, 174 - height, 70, height);
    p.setPen(QPen(QColor(90, 95, 120), 1));
    QLinearGradient g(0, plate.top(), 0, plate.bottom());
    g.setColorAt(0, QColor(214, 222, 255));
    g.setColorAt(1, QColor(186, 196, 240));
    p.setBrush(g);
    p.drawRoundedRect(plate, 4, 4);
    placed(plate.adjusted(-2, -4, 0, 0), "the MultiScope plate");
    note(p, QRectF(plate.left(), plate.top() + 5, plate.width(), 10), "MultiScope", Qt::AlignCenter, 8, QColor(40, 40, 60));
    *g_plate << "MultiScope";
    qreal y = plate.top() + 15;
    for (const ChannelMark& m : g_marking->channels) {
        const QString line = Texts::tr("%1: %2").arg(m.letter).arg(m.scale);
        note(p, QRectF(plate.left(), y, plate.width(), 10), line, Qt::AlignCenter, 8, m.colour, true);
        *g_plate << line;
        y += 9;
    }
    note(p, QRectF(plate.left(), y, plate.width(), 10), g_marking->timebase, Qt::AlignCenter, 8, QColor(64, 64, 64), true);
    *g_plate << g_marking->timebase;
    const Sockets s{QPointF(plate.left() + 14, plate.top()), QPointF(plate.right() - 14, plate.top()),
                    QPointF(plate.center().x(), plate.top())};
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(kProbeRed);
    p.drawEllipse(s.red, 3, 3);
    if (n > 1) p.drawEllipse(s.second, 3, 3);
    p.setBrush(kLeadBlack);
    p.drawEllipse(s.black, 3, 3);
    return s;
}

// The socket a signal lead at a spot goes to: the first channel's is the red one.
QPointF socketFor(const Sockets& s, Spot spot) { return markAt(spot) == 1 ? s.second : s.red; }

Sockets instrument(QPainter& p, const QString& vertical, const QString& timebase) {
    if (g_marking) return markedInstrument(p);
    if (g_plate) *g_plate << "MultiScope" << vertical << timebase;
    const QRectF plate(174, 138, 70, 36);
    p.setPen(QPen(QColor(90, 95, 120), 1));
    QLinearGradient g(0, plate.top(), 0, plate.bottom());
    g.setColorAt(0, QColor(214, 222, 255));
    g.setColorAt(1, QColor(186, 196, 240));
    p.setBrush(g);
    p.drawRoundedRect(plate, 4, 4);
    placed(plate.adjusted(-2, -4, 0, 0), "the MultiScope plate");
    note(p, QRectF(plate.left(), plate.top() + 5, plate.width(), 10), "MultiScope", Qt::AlignCenter, 8, QColor(40, 40, 60));
    note(p, QRectF(plate.left(), plate.top() + 15, plate.width(), 10), vertical, Qt::AlignCenter, 8, QColor(64, 64, 64), true);
    note(p, QRectF(plate.left(), plate.top() + 24, plate.width(), 10), timebase, Qt::AlignCenter, 8, QColor(64, 64, 64), true);
    const Sockets s{QPointF(plate.left() + 14, plate.top()), QPointF(plate.right() - 14, plate.top()), QPointF()};
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(kProbeRed);
    p.drawEllipse(s.red, 3, 3);
    p.setBrush(kLeadBlack);
    p.drawEllipse(s.black, 3, 3);
    return s;
}

// A ring round the point a lead goes on, in the lead's colour.
void marker(QPainter& p, QPointF at, const QColor& colour) {
    p.setPen(QPen(colour, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, 4, 4);
}

// A test probe whose needle tip touches `tip`, its handle lying along `angle` degrees
// (0 = handle to the right of the tip, 90 = handle above it). Returns the end of the handle,
// where the lead leaves.
constexpr qreal kProbeLength = 34;
QPointF probe(QPainter& p, QPointF tip, qreal angle, const QColor& colour = kProbeRed) {
    marker(p, tip, colour);
    p.save();
    p.translate(tip);
    p.rotate(-angle);
    p.setPen(QPen(QColor(90, 90, 95), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(12, 0));  // needle
    p.setPen(QPen(colour.darker(160), 0.8));
    QLinearGradient g(0, -3, 0, 3);
    g.setColorAt(0, colour.lighter(140));
    g.setColorAt(1, colour.darker(130));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(12, -2.5, 22, 5), 2, 2);
    p.drawRect(QRectF(15, -3.5, 2, 7));  // finger guard
    p.restore();
    const qreal a = angle * M_PI / 180;
    return tip + QPointF(kProbeLength * std::cos(a), -kProbeLength * std::sin(a));
}

// A crocodile clip biting on `jaw`, its body lying along `angle` degrees. Returns the lead's
// end.
QPointF clip(QPainter& p, QPointF jaw, qreal angle, const QColor& colour = kLeadBlack) {
    p.save();
    p.translate(jaw);
    p.rotate(-angle);
    p.setPen(QPen(QColor(70, 70, 75), 0.8));
    p.setBrush(metalV(-3, 3, QColor(170, 170, 178)));
    QPolygonF jaws;
    jaws << QPointF(0, -1) << QPointF(8, -3.5) << QPointF(8, 3.5) << QPointF(0, 1);
    p.drawPolygon(jaws);
    p.setPen(QPen(colour.lighter(200), 0.8));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(8, -3.5, 16, 7), 2.5, 2.5);
    p.restore();
    marker(p, jaw, colour);
    const qreal a = angle * M_PI / 180;
    return jaw + QPointF(24 * std::cos(a), -24 * std::sin(a));
}

// An inductive current clamp round a cable at `centre` running along `angle` degrees, its
// handle hanging below; the arrow on the jaw points the way conventional current flows
// (along `angle`, or against it when `reverse`). Returns the end of the handle.
QPointF currentClamp(QPainter& p, QPointF centre, qreal angle, qreal radius = 9, bool reverse = false) {
    p.save();
    p.translate(centre);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(60, 62, 70));
    p.drawRoundedRect(QRectF(-4, radius - 1, 8, 16), 2, 2);  // handle
    QPainterPath jaw;
    jaw.addEllipse(QPointF(0, 0), radius, radius);
    jaw.addEllipse(QPointF(0, 0), radius - 3.5, radius - 3.5);
    jaw.setFillRule(Qt::OddEvenFill);
    p.setBrush(QColor(230, 180, 40));
    p.drawPath(jaw);
    // Arrow showing the direction of current, drawn beside the jaw.
    p.rotate(-angle);
    if (reverse) p.scale(-1, 1);
    const qreal y = -radius - 4;
    p.drawLine(QPointF(-6, y), QPointF(4, y));
    p.setBrush(QColor(30, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(7, y), QPointF(3, y - 2.5), QPointF(3, y + 2.5)}));
    p.restore();
    return centre + QPointF(0, radius + 15);
}

// A connector body with its pin numbers, lying horizontally; wires leave at the right.
// Returns the rear of each pin (where a back-probe goes in) from top to bottom.
std::vector<QPointF> connector(QPainter& p, const QRectF& body, int pins) {
    p.setPen(QPen(QColor(25, 25, 30), 1));
    p.setBrush(metalV(body.top(), body.bottom(), kPlastic));
    p.drawRoundedRect(body, 2.5, 2.5);
    // Locking tab.
    p.drawRect(QRectF(body.left() + 3, body.top() - 3, body.width() * 0.4, 3));
    std::vector<QPointF> rears;
    const qreal pitch = body.height() / pins;
    for (int i = 0; i < pins; ++i) {
        const qreal y = body.top() + pitch * (i + 0.5);
        p.setPen(QPen(QColor(90, 70, 10), 0.8));
        p.setBrush(QColor(230, 190, 60));
        p.drawRect(QRectF(body.left() + 2, y - 1.5, 5, 3));  // terminal
        p.setPen(QPen(QColor(200, 200, 205), 0.8));
        p.setBrush(QColor(35, 36, 40));
        p.drawEllipse(QPointF(body.right() - 3, y), 2, 2);  // wire seal
        note(p, QRectF(body.left() + 8, y - 4.5, 10, 9), QString::number(i + 1), Qt::AlignCenter, 7, QColor(230, 230, 230));
        rears.push_back(QPointF(body.right() - 3, y));
    }
    return rears;
}

// A battery seen from the front and a little above, with its two posts. Returns the
// positive and negative posts (tops).
struct Posts {
    QPointF plus, minus;
};
Posts battery(QPainter& p, const QRectF& box, bool minusRight = false) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(box.top(), box.bottom(), QColor(55, 58, 66)));
    p.drawRoundedRect(box, 3, 3);
    p.setBrush(QColor(80, 84, 94));
    p.drawRoundedRect(QRectF(box.left(), box.top(), box.width(), 8), 3, 3);  // lid
    QPointF minus(box.left() + box.width() * 0.22, box.top() - 4);
    QPointF plus(box.right() - box.width() * 0.22, box.top() - 4);
    if (minusRight) std::swap(minus, plus);
    p.setBrush(metalV(minus.y(), minus.y() + 5, QColor(150, 150, 150)));
    p.drawRect(QRectF(minus.x() - 4, minus.y(), 8, 5));
    p.setBrush(metalV(plus.y(), plus.y() + 5, QColor(200, 160, 80)));
    p.drawRect(QRectF(plus.x() - 4, plus.y(), 8, 5));
    p.setPen(QPen(Qt::white, 1.4));
    const QPointF mc(minus.x(), box.top() + 18), pc(plus.x(), box.top() + 18);
    p.drawLine(mc + QPointF(-4, 0), mc + QPointF(4, 0));
    p.drawLine(pc + QPointF(-4, 0), pc + QPointF(4, 0));
    p.drawLine(pc + QPointF(0, -4), pc + QPointF(0, 4));
    p.setBrush(QColor(200, 40, 30));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(plus.x() - 4, plus.y() - 1.2, 8, 1.5));  // red cap line
    return {plus, minus};
}

// A bolt head seen end on.
void boltHead(QPainter& p, QPointF c, qreal r) {
    QPolygonF hex;
    for (int t = 0; t < 6; ++t) hex << c + QPointF(r * std::cos(t * M_PI / 3), r * std::sin(t * M_PI / 3));
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(metalV(c.y() - r, c.y() + r, QColor(160, 160, 168)));
    p.drawPolygon(hex);
    p.setBrush(QColor(120, 120, 128));
    p.drawEllipse(c, r * 0.45, r * 0.45);
}

void title(QPainter& p, const QString& text) {
    note(p, QRectF(8, 4, 300, 13), text, Qt::AlignLeft | Qt::AlignVCenter, 10, QColor(30, 40, 70), true);
}

// ---- The pictures ----------------------------------------------------------------------

void engineSpeed(QPainter& p);
void engineLoad(QPainter& p);
void temperature(QPainter& p);
void systemVoltage(QPainter& p);
void lambda(QPainter& p);
void knock(QPainter& p);
void coilDwell(QPainter& p);
void injector(QPainter& p);
void fuelPump(QPainter& p);
void pressureRegulator(QPainter& p);
void sparkTiming(QPainter& p);
void starterSwitch(QPainter& p);
void starterSupply(QPainter& p);
void starterEarth(QPainter& p);
void starterSpeed(QPainter& p);
void chargeWarningLight(QPainter& p);
void alternatorSpeed(QPainter& p);
void alternatorEarth(QPainter& p);

struct Picture {
    const char* caption;
    void (*draw)(QPainter&);
};

const Picture kPictures[] = {
    {"Engine speed", engineSpeed},
    {"Engine load %", engineLoad},
    {"Temperature", temperature},
    {"System voltage", systemVoltage},
    {"Lambda", lambda},
    {"Knock", knock},
    {"Ignition coil dwell %", coilDwell},
    {"Fuel injector ms", injector},
    {"Fuel pump", fuelPump},
    {"Pressure regulator", pressureRegulator},
    {"Spark timing BTDC", sparkTiming},
    {"Starter switch", starterSwitch},
    {"Starter supply", starterSupply},
    {"Starter earth", starterEarth},
    {"Starter speed", starterSpeed},
    {"Charge warning light", chargeWarningLight},
    {"Alternator speed", alternatorSpeed},
    {"Alternator earth", alternatorEarth},
};

// The rings round the marked channels' leads, each with its letter in a disc beside it where
// no label is.
void ringChannels(QPainter& p, const Marking& marking, const std::vector<SignalAt>& leads,
                  std::vector<TextBox>& texts, QStringList* problems, Card* card) {
    const QRectF inside(3, 3, kCardWidth - 6, kCardHeight - 6);
    for (const ChannelMark& m : marking.channels) {
        const auto at = std::find_if(leads.begin(), leads.end(), [&](const SignalAt& a) { return a.spot == m.spot; });
        if (at == leads.end()) {
            *problems << QString("channel %1: the card has no lead at its place").arg(m.letter);
            card->tips.push_back(QPointF(-1, -1));
            card->rings.push_back(0);
            continue;
        }
        const qreal r = at->radius + 3;
        p.setPen(QPen(m.colour, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at->at, r, r);
        card->tips.push_back(at->at * kScale);
        card->rings.push_back(r * kScale);
        // The letter's disc: the first place round the ring that is on the card and clear of the
        // labels.
        const qreal d = r + 7;
        QRectF badge;
        // (A clamp's arrow lies above its jaw: its letter goes beside it first.)
        const std::vector<int> order = at->radius > 5 ? std::vector<int>{180, 225, 0, 315, 135, 45, 90, 270}
                                                      : std::vector<int>{135, 45, 225, 315, 90, 180, 0, 270};
        for (const int degrees : order) {
            const qreal a = degrees * M_PI / 180;
            const QPointF c = at->at + QPointF(d * std::cos(a), -d * std::sin(a));
            const QRectF box(c.x() - 6, c.y() - 6, 12, 12);
            if (!inside.contains(box)) continue;
            const bool clear = std::none_of(texts.begin(), texts.end(), [&](const TextBox& t) {
                const QRectF both = t.box.intersected(box);
                return both.width() > 0.5 && both.height() > 0.5;
            });
            if (clear) {
                badge = box;
                break;
            }
        }
        if (badge.isNull()) {
            *problems << QString("channel %1: no room for its letter").arg(m.letter);
            continue;
        }
        p.setPen(QPen(m.colour, 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(badge);
        card->probes << QString();
        if (!m.probe.isEmpty()) {
            // The probe's setting beside the letter, on the side away from the ring first.
            setFont(p, 7, true);
            const qreal w = QFontMetricsF(p.font()).horizontalAdvance(m.probe) + 1;
            const qreal mid = badge.center().y();
            std::vector<QRectF> boxes{QRectF(badge.right() + 1.5, mid - 4.5, w, 9), QRectF(badge.left() - 1.5 - w, mid - 4.5, w, 9),
                                      QRectF(badge.center().x() - w / 2, badge.bottom() + 1, w, 9),
                                      QRectF(badge.center().x() - w / 2, badge.top() - 10, w, 9)};
            std::stable_sort(boxes.begin(), boxes.end(), [&](const QRectF& a, const QRectF& b) {
                return QLineF(a.center(), at->at).length() > QLineF(b.center(), at->at).length();
            });
            bool done = false;
            for (const QRectF& box : boxes) {
                if (!inside.contains(box)) continue;
                const bool clear = std::none_of(texts.begin(), texts.end(), [&](const TextBox& t) {
                    const QRectF both = t.box.intersected(box);
                    return both.width() > 0.5 && both.height() > 0.5;
                });
                if (!clear) continue;
                p.save();
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, 220));
                p.drawRoundedRect(box.adjusted(-1, 0, 1, 0), 2, 2);
                p.setPen(m.colour);
                p.drawText(box, Qt::AlignCenter, m.probe);
                p.restore();
                texts.push_back({box, m.probe});
                card->probes.back() = m.probe;
                done = true;
                break;
            }
            if (!done) *problems << QString("channel %1: no room for its probe's setting").arg(m.letter);
            p.setPen(QPen(m.colour, 1.2));
            p.setBrush(Qt::white);
        }
        p.drawLine(badge.center() + (at->at - badge.center()) * (6 / d), at->at + (badge.center() - at->at) * (r / d));
        setFont(p, 9, true);
        p.setPen(m.colour);
        p.drawText(badge, Qt::AlignCenter, QString(m.letter));
        texts.push_back({badge, QString(m.letter)});
    }
}

// Draws one card; every label that leaves the card or runs into another one is reported in
// `problems`. With a marking, each channel's lead is ringed in its colour where the card put it,
// its letter beside the ring.
QImage render(void (*draw)(QPainter&), const Marking* marking, QStringList* problems, Card* card) {
    QImage img(kCardWidth * kScale, kCardHeight * kScale, QImage::Format_RGB32);
    // JPEG has no transparency: the corners outside the rounded card take the window colour.
    img.fill(QColor(240, 240, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(kScale, kScale);
    art::cardBackdrop(p, kCardWidth, kCardHeight);
    std::vector<TextBox> texts;
    std::vector<SignalAt> leads;
    g_texts = &texts;
    g_signals = &leads;
    g_plate = &card->plate;
    g_marking = marking;
    g_atUnit = marking && markAt(Spot::ControlUnitPin) >= 0;
    g_sensorPins.clear();
    g_unitPins.clear();
    draw(p);
    if (marking) ringChannels(p, *marking, leads, texts, problems, card);
    g_texts = nullptr;
    g_signals = nullptr;
    g_plate = nullptr;
    g_marking = nullptr;
    g_atUnit = false;
    p.end();
    const QRectF inside(3, 3, kCardWidth - 6, kCardHeight - 6);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].cut) *problems << QString("\"%1\" is cut off by its box").arg(texts[i].text);
        if (!inside.contains(texts[i].box)) *problems << QString("\"%1\" runs off the card").arg(texts[i].text);
        for (size_t j = i + 1; j < texts.size(); ++j) {
            if (texts[i].text == "the MultiScope plate" && texts[i].box.contains(texts[j].box.center())) continue;
            const QRectF both = texts[i].box.intersected(texts[j].box);
            if (both.width() > 0.5 && both.height() > 0.5)
                *problems << QString("\"%1\" runs into \"%2\"").arg(texts[i].text, texts[j].text);
        }
    }
    return img;
}

// ---- Engine management: sensors ---------------------------------------------------------

// Parts that several pictures share.

// A lead from a probe's or clip's end to an instrument socket: it leaves along the handle
// and comes down into the socket from above.
void leadTo(QPainter& p, QPointF from, qreal angle, QPointF socket, const QColor& colour, qreal reach = 16, qreal sag = 30) {
    const qreal a = angle * M_PI / 180;
    cable(p, lead(from, from + QPointF(reach * std::cos(a), -reach * std::sin(a)), socket + QPointF(0, -sag), socket), colour,
          1.6);
}

// On a card probed at the control unit: the unit's pin of the wire whose sensor pin is `tip`.
std::optional<QPointF> unitPinFor(QPointF tip) {
    if (!g_atUnit) return std::nullopt;
    for (std::size_t i = 0; i < g_sensorPins.size() && i < g_unitPins.size(); ++i)
        if (QLineF(g_sensorPins[i], tip).length() < 0.01) return g_unitPins[i];
    return std::nullopt;
}

// The probes on the unit's connector lie back along the harness, the signal's above the earth's.
constexpr qreal kUnitRedAngle = -115, kUnitBlackAngle = -100;

void redProbe(QPainter& p, const Sockets& s, QPointF tip, qreal angle, qreal reach = 16, qreal sag = 30,
              Spot spot = Spot::Card) {
    if (const auto unit = unitPinFor(tip)) {
        tip = *unit;
        angle = kUnitRedAngle;
        reach = 12;
        sag = 30;
        spot = Spot::ControlUnitPin;
    }
    signalAt(spot, tip, 4);
    leadTo(p, probe(p, tip, angle), angle, socketFor(s, spot), kProbeRed, reach, sag);
}

void blackProbe(QPainter& p, const Sockets& s, QPointF tip, qreal angle, qreal reach = 16, qreal sag = 30) {
    if (const auto unit = unitPinFor(tip)) {
        tip = *unit;
        angle = kUnitBlackAngle;
        reach = 10;
        sag = 20;
    }
    leadTo(p, probe(p, tip, angle, kLeadBlack), angle, s.black, kLeadBlack, reach, sag);
}

// A current clamp or HT pick-up round a cable, its lead to the signal socket.
void signalClamp(QPainter& p, const Sockets& s, QPointF centre, qreal radius) {
    const QPointF end = currentClamp(p, centre, 0, radius, true);
    signalAt(Spot::Card, centre, radius);
    const QPointF socket = socketFor(s, Spot::Card);
    cable(p, lead(end, end + QPointF(0, 30), socket + QPointF(0, -40), socket), QColor(50, 50, 55), 2);
}

void blackClip(QPainter& p, const Sockets& s, QPointF jaw, qreal angle, qreal reach = 16, qreal sag = 30) {
    leadTo(p, clip(p, jaw, angle), angle, s.black, kLeadBlack, reach, sag);
}

// A harness's tags: shorter where the harness ends in the unit's connector, whose probes take
// the room at its end.
QStringList tagsFor(const QStringList& full, const QStringList& atUnit) { return g_atUnit ? atUnit : full; }

// The harness from a connector's pins straight on to the right, each wire tagged with its
// job just above it.
constexpr qreal kUnitLeft = 218;

// The control unit's connector at the harness's far end, its pins where the wires come in.
void unitConnector(QPainter& p, const std::vector<QPointF>& rears) {
    const qreal top = rears.front().y() - 7, bottom = rears.back().y() + 7;
    p.setPen(QPen(QColor(25, 25, 30), 1));
    p.setBrush(metalV(top, bottom, kPlastic));
    p.drawRoundedRect(QRectF(kUnitLeft, top, 242 - kUnitLeft, bottom - top), 2.5, 2.5);
    g_sensorPins = rears;
    g_unitPins.clear();
    for (const QPointF& r : rears) {
        const QPointF pin(kUnitLeft + 3, r.y());
        p.setPen(QPen(QColor(200, 200, 205), 0.8));
        p.setBrush(QColor(35, 36, 40));
        p.drawEllipse(pin, 2, 2);  // wire seal
        g_unitPins.push_back(pin);
    }
    note(p, QRectF(kUnitLeft, top - 11, 242 - kUnitLeft, 10), Texts::tr("ECU"), Qt::AlignCenter, 8, kInk, true);
}

void harness(QPainter& p, const std::vector<QPointF>& rears, const std::vector<QColor>& colours,
             const QStringList& tags, qreal right = 242) {
    // Probed at the unit, the tags stop short of its connector to leave the probes room.
    const qreal tagsEnd = g_atUnit ? kUnitLeft - 14 : right;
    if (g_atUnit) right = kUnitLeft;
    for (size_t i = 0; i < rears.size(); ++i) {
        cable(p, route({rears[i], QPointF(right, rears[i].y())}), colours[i], 1.6);
        if (i < size_t(tags.size()) && !tags[i].isEmpty())
            note(p, QRectF(tagsEnd - 80, rears[i].y() - 10, 80, 8), tags[i], Qt::AlignRight | Qt::AlignVCenter, 7);
    }
    if (g_atUnit) unitConnector(p, rears);
}

// A chassis or engine earth point: a stud on a bracket with the earth symbol under it.
QPointF earthPoint(QPainter& p, QPointF at) {
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(metalV(at.y() - 4, at.y() + 4, QColor(150, 152, 160)));
    p.drawRoundedRect(QRectF(at.x() - 9, at.y() - 3, 18, 6), 1.5, 1.5);
    boltHead(p, at, 2.6);
    earthSymbol(p, at + QPointF(0, 3));
    return at;
}

void warning(QPainter& p, QPointF centre) {
    p.setPen(QPen(QColor(150, 40, 20), 1));
    p.setBrush(QColor(250, 200, 40));
    p.drawPolygon(QPolygonF({centre + QPointF(0, -8), centre + QPointF(8, 6), centre + QPointF(-8, 6)}));
    setFont(p, 9, true);
    p.setPen(kInk);
    p.drawText(QRectF(centre.x() - 5, centre.y() - 5, 10, 11), Qt::AlignCenter, "!");
}

// The back of an alternator seen end on, with its terminals.
struct AlternatorTerminals {
    QPointF bplus, dplus, w, body;
};
AlternatorTerminals alternatorRear(QPainter& p, QPointF c, qreal r) {
    // Mounting lugs.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(c.y() - 6, c.y() + 6, QColor(160, 162, 170)));
    p.drawRoundedRect(QRectF(c.x() - r - 10, c.y() - 6, 20, 12), 3, 3);
    p.drawRoundedRect(QRectF(c.x() + r - 10, c.y() - 6, 20, 12), 3, 3);
    p.setPen(QPen(kOutline, 1.2));
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.5);
    g.setColorAt(0, QColor(215, 217, 224));
    g.setColorAt(1, QColor(140, 143, 152));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    boltHead(p, QPointF(c.x() - r - 4, c.y()), 3);
    boltHead(p, QPointF(c.x() + r + 4, c.y()), 3);
    // Cooling slots round the rim.
    p.setPen(QPen(QColor(60, 62, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int s = 0; s < 12; ++s) {
        const qreal a = (s * 30 + 15) * M_PI / 180;
        p.drawLine(c + QPointF(r * 0.72 * std::cos(a), r * 0.72 * std::sin(a)),
                   c + QPointF(r * 0.88 * std::cos(a), r * 0.88 * std::sin(a)));
    }
    // Rear cover over the regulator and rectifier, carrying the terminals.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(c.y() - r * 0.55, c.y() + r * 0.55, QColor(45, 47, 54)));
    p.drawRoundedRect(QRectF(c.x() - r * 0.55, c.y() - r * 0.55, r * 1.1, r * 1.1), 4, 4);
    const QPointF bplus = c + QPointF(r * 0.25, -r * 0.28);
    p.setBrush(QColor(200, 40, 30));
    p.drawEllipse(bplus, 5, 5);
    boltHead(p, bplus, 2.8);
    const QPointF dplus = c + QPointF(-r * 0.28, -r * 0.1);
    const QPointF w = c + QPointF(-r * 0.28, r * 0.28);
    for (const QPointF& t : {dplus, w}) {
        p.setPen(QPen(QColor(90, 70, 10), 0.8));
        p.setBrush(kBrass);
        p.drawRect(QRectF(t.x() - 3, t.y() - 2, 6, 4));
    }
    setFont(p, 7, true);
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRectF(dplus.x() + 4, dplus.y() - 5, 14, 10), Qt::AlignLeft | Qt::AlignVCenter, "D+");
    p.drawText(QRectF(w.x() + 4, w.y() - 5, 14, 10), Qt::AlignLeft | Qt::AlignVCenter, "W");
    p.drawText(QRectF(bplus.x() + 6, bplus.y() - 5, 16, 10), Qt::AlignLeft | Qt::AlignVCenter, "B+");
    return {bplus, dplus, w, c + QPointF(r * 0.55, r * 0.7)};
}

// A starter motor from the side, pinion to the left, solenoid on top. Returns its terminals
// and a point on its body.
struct StarterTerminals {
    QPointF t30, t50, body;
};
StarterTerminals starterSide(QPainter& p, const QRectF& r) {
    // Drive-end housing with the mounting flange and the pinion.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(r.top() + 10, r.bottom(), QColor(165, 168, 175)));
    QPainterPath nose;
    nose.moveTo(r.left() + 34, r.top() + 18);
    nose.lineTo(r.left() + 12, r.top() + 26);
    nose.lineTo(r.left() + 12, r.bottom() - 6);
    nose.lineTo(r.left() + 34, r.bottom());
    nose.closeSubpath();
    p.drawPath(nose);
    p.setBrush(metalV(r.top() + 28, r.top() + 44, QColor(150, 150, 158)));
    p.drawRect(QRectF(r.left(), r.top() + 29, 14, 14));
    p.setPen(QPen(QColor(80, 80, 85), 0.8));
    for (qreal y = r.top() + 31; y < r.top() + 43; y += 3) p.drawLine(QPointF(r.left(), y), QPointF(r.left() + 14, y));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalH(r.left() + 28, r.left() + 36, QColor(170, 172, 180)));
    p.drawRect(QRectF(r.left() + 28, r.top() + 12, 8, r.height() - 8));  // flange
    // Yoke and commutator end bracket.
    p.setBrush(metalV(r.top() + 18, r.bottom(), QColor(70, 75, 85)));
    p.drawRoundedRect(QRectF(r.left() + 36, r.top() + 18, r.width() - 50, r.height() - 18), 5, 5);
    p.setBrush(metalV(r.top() + 22, r.bottom() - 4, QColor(150, 152, 160)));
    p.drawRoundedRect(QRectF(r.right() - 16, r.top() + 22, 16, r.height() - 26), 4, 4);
    // Solenoid with its end cap and terminals.
    const QRectF sol(r.left() + 44, r.top(), r.width() - 80, 20);
    p.setBrush(metalV(sol.top(), sol.bottom(), QColor(160, 165, 172)));
    p.drawRoundedRect(sol, 6, 6);
    p.setBrush(QColor(40, 42, 48));
    p.drawRoundedRect(QRectF(sol.right() - 4, sol.top() + 1, 10, sol.height() - 2), 2, 2);
    const QPointF t30(sol.right() + 12, sol.top() + 5);
    const QPointF t50(sol.right() + 10, sol.bottom() - 4);
    p.setBrush(metalH(sol.right() + 6, sol.right() + 14, QColor(200, 170, 60)));
    p.drawRect(QRectF(sol.right() + 6, t30.y() - 2.5, 8, 5));
    boltHead(p, t30, 3.2);
    p.setPen(QPen(QColor(90, 70, 10), 0.8));
    p.setBrush(kBrass);
    p.drawRect(QRectF(sol.right() + 6, t50.y() - 1.5, 7, 3));
    // Motor strap from the solenoid down into the yoke.
    p.setPen(QPen(QColor(180, 120, 50), 2.5));
    p.drawLine(QPointF(sol.right() + 2, sol.bottom()), QPointF(sol.right() + 2, r.top() + 24));
    return {t30, t50 + QPointF(3, 0), QPointF(r.left() + 32, r.bottom() - 8)};
}

// A smooth curve through the given points (a test lead lying loose across the picture).
QPainterPath smooth(const std::vector<QPointF>& pts) {
    QPainterPath path(pts.front());
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const QPointF p0 = pts[i == 0 ? 0 : i - 1], p1 = pts[i], p2 = pts[i + 1];
        const QPointF p3 = pts[i + 2 < pts.size() ? i + 2 : i + 1];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    return path;
}

// ---- Engine management: sensors ---------------------------------------------------------

void engineSpeed(QPainter& p) {
    title(p, "Crankshaft speed sensor (inductive)");

    // Reluctor wheel on the crankshaft: sixty teeth with two missing; only its top shows.
    const QPointF hub(91, 252);
    const qreal rim = 122, toothTop = 130;
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(hub.y() - rim, hub.y() - 30, QColor(165, 168, 176)));
    p.drawEllipse(hub, rim, rim);
    p.setBrush(metalV(hub.y() - toothTop, hub.y() - rim, QColor(175, 177, 185)));
    for (int k = -16; k <= 15; ++k) {
        const qreal centre = 93 + 6.0 * k;
        const qreal a0 = (centre - 1.8) * M_PI / 180, a1 = (centre + 1.8) * M_PI / 180;
        QPolygonF tooth;
        tooth << hub + QPointF(rim * std::cos(a0), -rim * std::sin(a0))
              << hub + QPointF(toothTop * std::cos(a0), -toothTop * std::sin(a0))
              << hub + QPointF(toothTop * std::cos(a1), -toothTop * std::sin(a1))
              << hub + QPointF(rim * std::cos(a1), -rim * std::sin(a1));
        if (k == 1 || k == 2) {
            // The two missing teeth, left of the sensor, shown as dashed outlines.
            p.save();
            p.setPen(QPen(QColor(200, 40, 30), 0.8, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(tooth);
            p.restore();
            continue;
        }
        p.drawPolygon(tooth);
    }
    // Sensor body, cut away to show the magnet and the pick-up coil round the pole piece.
    p.setPen(QPen(QColor(25, 25, 30), 1));
    p.setBrush(metalH(80, 102, kPlastic));
    p.drawRoundedRect(QRectF(80, 44, 22, 56), 3, 3);
    p.setBrush(metalV(78, 85, QColor(150, 150, 158)));
    p.drawRoundedRect(QRectF(66, 78, 50, 7), 2, 2);  // mounting flange
    boltHead(p, QPointF(71, 81.5), 3);
    p.setBrush(QColor(236, 237, 241));
    p.drawRect(QRectF(84, 49, 14, 27));  // the cut-away window
    p.setBrush(QColor(60, 70, 150));
    p.drawRect(QRectF(86, 51, 10, 5));
    p.setBrush(QColor(190, 50, 40));
    p.drawRect(QRectF(86, 56, 10, 5));
    copperCoil(p, QRectF(85, 63, 12, 12), false);
    p.setPen(QPen(QColor(70, 70, 75), 1));
    p.setBrush(metalH(88.5, 93.5, QColor(150, 150, 158)));
    p.drawRect(QRectF(88.5, 61, 5, 56));  // pole piece down to the tip

    cable(p, lead(QPointF(91, 44), QPointF(91, 32), QPointF(110, 40), QPointF(126, 40)), QColor(40, 40, 44), 3);
    const auto pins = connector(p, QRectF(126, 28, 30, 24), 2);
    harness(p, pins, {QColor(30, 90, 200), QColor(235, 235, 235)}, tagsFor({"1: signal to ECU", "2: return to ECU"}, {Texts::tr("1: signal"), Texts::tr("2: return")}));

    const Sockets s = instrument(p, "2 V/div", "2 ms/div");
    redProbe(p, s, pins[0], -28, 20, 40);
    blackProbe(p, s, pins[1], -62, 16, 24);

    callout(p, QPointF(8, 57), QPointF(88, 54), "Magnet");
    callout(p, QPointF(8, 73), QPointF(86, 70), "Pick-up coil");
    callout(p, QPointF(8, 112), QPointF(89, 119), "Air gap 1 mm");
    calloutV(p, QPointF(48, 152), QPointF(66, 127), "Missing-tooth gap");
    callout(p, QPointF(40, 168), QPointF(150, 160), "Reluctor wheel, 60-2");
}

void engineLoad(QPainter& p) {
    title(p, "Manifold pressure (MAP) sensor");

    // Intake manifold runner, cut away, the air flowing on to the cylinders.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(metalV(114, 154, QColor(175, 178, 186)));
    p.drawRoundedRect(QRectF(8, 114, 122, 40), 8, 8);
    p.setBrush(QColor(236, 237, 241));
    p.drawRoundedRect(QRectF(14, 121, 110, 26), 5, 5);
    p.setPen(QPen(QColor(90, 130, 190), 1.2));
    for (int a = 0; a < 2; ++a) {
        const qreal y = 129 + a * 10;
        p.drawLine(QPointF(24, y), QPointF(112, y));
        p.drawLine(QPointF(112, y), QPointF(107, y - 3));
        p.drawLine(QPointF(112, y), QPointF(107, y + 3));
    }
    // Sensor on its boss, the port open to the manifold.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalH(68, 82, QColor(160, 162, 170)));
    p.drawRect(QRectF(68, 98, 14, 16));
    p.setBrush(QColor(236, 237, 241));
    p.drawRect(QRectF(73, 98, 4, 23));
    p.setPen(QPen(QColor(25, 25, 30), 1));
    p.setBrush(metalV(62, 98, kPlastic));
    p.drawRoundedRect(QRectF(40, 62, 64, 36), 4, 4);
    p.setBrush(QColor(236, 237, 241));
    p.drawRect(QRectF(50, 70, 30, 20));  // cut-away: the chip on its diaphragm
    p.setBrush(QColor(40, 60, 110));
    p.drawRect(QRectF(54, 82, 22, 5));
    p.setPen(QPen(QColor(120, 120, 130), 1));
    p.drawLine(QPointF(54, 80), QPointF(76, 80));
    const auto pins = connector(p, QRectF(104, 62, 30, 36), 3);
    harness(p, pins, {QColor(230, 120, 20), QColor(20, 140, 60), QColor(120, 80, 40)},
            {"1: 5 V supply", "2: signal", "3: sensor earth"});
    if (!g_atUnit) note(p, QRectF(190, 40, 52, 9), "to ECU", Qt::AlignRight | Qt::AlignVCenter, 8);

    const Sockets s = instrument(p, "1 V/div", "50 ms/div");
    redProbe(p, s, pins[1], -35, 14, 26);
    blackProbe(p, s, pins[2], -70, 12, 20);

    callout(p, QPointF(8, 46), QPointF(46, 64), "Pressure sensor");
    callout(p, QPointF(8, 60), QPointF(60, 80), "Diaphragm");
    callout(p, QPointF(8, 108), QPointF(75, 108), "Vacuum port");
    calloutV(p, QPointF(8, 170), QPointF(30, 153), "Intake manifold");
}

void temperature(QPainter& p) {
    title(p, "Coolant temperature sensor (NTC)");

    // Resistance against temperature, top left.
    const QRectF plot(22, 32, 66, 44);
    p.setPen(QPen(QColor(150, 155, 170), 0.8));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(8, 21, 92, 70), 3, 3);
    p.setPen(QPen(QColor(70, 70, 80), 0.8));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    auto point = [&](double t) {
        const double kohm = 2.5 * std::exp(3500.0 * (1.0 / (t + 273.0) - 1.0 / 293.0));
        return QPointF(plot.left() + t / 110.0 * plot.width(), plot.bottom() - std::min(kohm, 6.0) / 6.0 * plot.height());
    };
    QPainterPath curve(point(0));
    for (int t = 2; t <= 110; t += 2) curve.lineTo(point(t));
    p.setPen(QPen(QColor(170, 100, 20), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(QColor(170, 100, 20));
    p.drawEllipse(point(20), 1.8, 1.8);
    p.drawEllipse(point(90), 1.8, 1.8);
    note(p, QRectF(24, 22, 30, 9), "kohm", Qt::AlignLeft | Qt::AlignVCenter, 7);
    note(p, QRectF(12, 28, 9, 9), "6", Qt::AlignRight | Qt::AlignVCenter, 7);
    note(p, QRectF(12, 72, 9, 9), "0", Qt::AlignRight | Qt::AlignVCenter, 7);
    note(p, QRectF(plot.left() + 30, 78, 12, 9), "50", Qt::AlignCenter, 7);
    note(p, QRectF(plot.right() - 14, 78, 26, 9), "100 C", Qt::AlignLeft | Qt::AlignVCenter, 7);
    note(p, QRectF(36, 44, 56, 9), "20 C: 2.5 kohm", Qt::AlignRight | Qt::AlignVCenter, 7);
    note(p, QRectF(36, 56, 56, 9), "90 C: 250 ohm", Qt::AlignRight | Qt::AlignVCenter, 7);

    // Thermostat housing, cut away, coolant flowing through.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(metalV(108, 162, QColor(185, 188, 196)));
    p.drawRoundedRect(QRectF(8, 108, 156, 54), 8, 8);
    p.setBrush(QColor(120, 175, 225));
    p.drawRoundedRect(QRectF(14, 122, 144, 28), 5, 5);
    p.setPen(QPen(QColor(40, 90, 160), 1.2));
    for (const qreal x : {20.0, 132.0}) {
        for (int a = 0; a < 2; ++a) {
            const qreal y = 130 + a * 12;
            p.drawLine(QPointF(x, y), QPointF(x + 22, y));
            p.drawLine(QPointF(x + 22, y), QPointF(x + 17, y - 3));
            p.drawLine(QPointF(x + 22, y), QPointF(x + 17, y + 3));
        }
    }
    // The sensor: brass body threaded into the housing, its tip in the coolant.
    const qreal cx = 120;
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalH(cx - 8, cx + 8, kBrass));
    p.drawRect(QRectF(cx - 8, 100, 16, 10));  // thread
    p.setPen(QPen(QColor(120, 95, 30), 0.6));
    for (qreal y = 101; y < 110; y += 2) p.drawLine(QPointF(cx - 8, y), QPointF(cx + 8, y + 1));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalH(cx - 6, cx + 6, kBrass));
    p.drawRoundedRect(QRectF(cx - 6, 110, 12, 28), 3, 3);  // tip
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(QPointF(cx, 132), 3, 3);  // the thermistor bead
    p.setBrush(metalH(cx - 14, cx + 14, kBrass));
    p.drawRect(QRectF(cx - 14, 90, 28, 10));  // hexagon
    p.setPen(QPen(QColor(120, 95, 30), 0.8));
    p.drawLine(QPointF(cx - 5, 90), QPointF(cx - 5, 100));
    p.drawLine(QPointF(cx + 5, 90), QPointF(cx + 5, 100));
    p.setPen(QPen(QColor(25, 25, 30), 1));
    p.setBrush(metalV(66, 90, kPlastic));
    p.drawRoundedRect(QRectF(cx - 12, 66, 24, 24), 3, 3);  // plastic head
    const auto pins = connector(p, QRectF(cx + 12, 66, 28, 24), 2);
    harness(p, pins, {QColor(170, 100, 20), QColor(120, 80, 40)}, tagsFor({"1: signal", "2: sensor earth"}, {Texts::tr("1: signal"), Texts::tr("2: earth")}));
    if (!g_atUnit) note(p, QRectF(190, 46, 52, 9), "to ECU", Qt::AlignRight | Qt::AlignVCenter, 8);

    const Sockets s = instrument(p, "1 V/div", "1 s/div");
    redProbe(p, s, pins[0], -30, 14, 30);
    blackProbe(p, s, pins[1], -60, 12, 20);

    callout(p, QPointF(8, 100), QPointF(cx - 12, 95), "Hexagon");
    calloutV(p, QPointF(20, 173), QPointF(40, 148), "Coolant");
    calloutV(p, QPointF(76, 173), QPointF(cx - 3, 132), "NTC thermistor");
}

void systemVoltage(QPainter& p) {
    title(p, "Battery: the system voltage");

    const Posts posts = battery(p, QRectF(36, 96, 110, 62));
    note(p, QRectF(36, 128, 110, 14), "12 V", Qt::AlignCenter, 10, QColor(235, 235, 235), true);
    // Positive cable to the alternator's B+ and the fuse box; earth strap to the body.
    cable(p, lead(posts.plus, posts.plus + QPointF(0, -30), QPointF(150, 62), QPointF(172, 62)), QColor(200, 40, 30), 3.2);
    p.setPen(QPen(QColor(30, 30, 30), 1.4));
    p.setBrush(QColor(245, 245, 248));
    p.drawEllipse(QPointF(186, 62), 13, 13);
    note(p, QRectF(174, 50, 24, 24), "G", Qt::AlignCenter, 12, kInk, true);
    cable(p, lead(posts.minus, posts.minus + QPointF(0, -30), QPointF(18, 70), QPointF(18, 108)), kLeadBlack, 3.2);
    earthPoint(p, QPointF(18, 112));

    const Sockets s = instrument(p, "4 V/div", "1 ms/div");
    if (g_atUnit) {
        // The unit's supply pin, fed from the positive post.
        cable(p, route({posts.plus + QPointF(3, 1), QPointF(kUnitLeft, posts.plus.y() + 1)}), QColor(200, 40, 30), 1.4);
        unitConnector(p, {posts.plus + QPointF(3, 1)});
        note(p, QRectF(150, 96, 60, 8), Texts::tr("ECU supply"), Qt::AlignLeft | Qt::AlignVCenter, 7);
    }
    redProbe(p, s, posts.plus + QPointF(3, 1), -20, 20, 40);
    const QPointF clipEnd = clip(p, posts.minus + QPointF(0, -1), 80);
    cable(p, smooth({clipEnd, clipEnd + QPointF(4, -24), QPointF(120, 30), QPointF(226, 32), QPointF(238, 90), s.black}),
          kLeadBlack, 1.6);

    if (!g_atUnit) callout(p, QPointF(244, 110), posts.plus + QPointF(4, -3), "Positive post", true);
    note(p, QRectF(150, 78, 74, 10), "to alternator B+", Qt::AlignLeft | Qt::AlignVCenter, 8);
    note(p, QRectF(4, 128, 30, 20), "body\nearth", Qt::AlignHCenter | Qt::AlignTop, 8);
    calloutV(p, QPointF(60, 173), QPointF(70, 156), "Battery");
}

void lambda(QPainter& p) {
    title(p, "Lambda (oxygen) sensor, heated");

    // Exhaust down-pipe, cut away, hot gas flowing past the sensor's tip.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(metalV(112, 156, QColor(130, 118, 110)));
    p.drawRoundedRect(QRectF(8, 112, 146, 44), 6, 6);
    p.setBrush(QColor(240, 230, 222));
    p.drawRoundedRect(QRectF(14, 120, 134, 28), 4, 4);
    p.setPen(QPen(QColor(180, 90, 40), 1.2));
    for (const qreal x : {20.0, 112.0}) {
        for (int a = 0; a < 2; ++a) {
            const qreal y = 128 + a * 12;
            p.drawLine(QPointF(x, y), QPointF(x + 26, y));
            p.drawLine(QPointF(x + 26, y), QPointF(x + 21, y - 3));
            p.drawLine(QPointF(x + 26, y), QPointF(x + 21, y + 3));
        }
    }
    // The sensor: cable end, hexagon, thread in the boss, slotted guard round the tip.
    const qreal cx = 96;
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalH(cx - 10, cx + 10, QColor(185, 185, 192)));
    p.drawRect(QRectF(cx - 10, 104, 20, 10));
    p.setBrush(metalH(cx - 14, cx + 14, QColor(200, 200, 206)));
    p.drawRect(QRectF(cx - 14, 92, 28, 12));
    p.setPen(QPen(QColor(110, 110, 116), 0.8));
    p.drawLine(QPointF(cx - 5, 92), QPointF(cx - 5, 104));
    p.drawLine(QPointF(cx + 5, 92), QPointF(cx + 5, 104));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalH(cx - 7, cx + 7, QColor(170, 170, 176)));
    p.drawRoundedRect(QRectF(cx - 7, 114, 14, 24), 3, 3);
    p.setBrush(QColor(240, 230, 222));
    for (int s = 0; s < 3; ++s) p.drawRect(QRectF(cx - 5, 118 + s * 6, 10, 2.5));
    p.setBrush(metalH(cx - 6, cx + 6, QColor(150, 150, 158)));
    p.drawRect(QRectF(cx - 6, 78, 12, 14));
    cable(p, lead(QPointF(cx, 78), QPointF(cx, 58), QPointF(108, 54), QPointF(120, 54)), QColor(40, 40, 44), 3);
    const auto pins = connector(p, QRectF(120, 32, 30, 44), 4);
    harness(p, pins, {QColor(30, 30, 30), QColor(150, 150, 150), QColor(240, 240, 240), QColor(240, 240, 240)},
            tagsFor({"1: signal", "2: signal earth", "3: heater", "4: heater"}, {Texts::tr("1: signal"), Texts::tr("2: earth"), Texts::tr("3: heater"), Texts::tr("4: heater")}));

    const Sockets s = instrument(p, "0.2 V/div", "0.5 s/div");
    redProbe(p, s, pins[0], -24, 16, 40);
    blackProbe(p, s, pins[1], -48, 14, 24);

    warning(p, QPointF(150, 166));
    note(p, QRectF(110, 164, 30, 10), "Hot!", Qt::AlignRight | Qt::AlignVCenter, 8, QColor(150, 40, 20), true);

    callout(p, QPointF(8, 66), QPointF(cx - 6, 84), "Sensor cable");
    callout(p, QPointF(6, 88), QPointF(cx - 14, 96), "Hexagon 22 mm");
    calloutV(p, QPointF(14, 172), QPointF(cx - 6, 132), "Zirconia tip");
}

void knock(QPainter& p) {
    title(p, "Knock sensor (piezo-electric)");

    // Cylinder block, cut to show a bore with its piston.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(metalV(30, 176, QColor(125, 128, 136)));
    p.drawRect(QRectF(8, 30, 62, 146));
    p.setBrush(QColor(205, 208, 215));
    p.drawRoundedRect(QRectF(18, 42, 40, 122), 4, 4);
    p.setBrush(metalV(76, 104, QColor(170, 172, 180)));
    p.drawRoundedRect(QRectF(22, 76, 32, 28), 3, 3);
    p.setPen(QPen(QColor(90, 92, 100), 1));
    for (int r = 0; r < 3; ++r) p.drawLine(QPointF(22, 81 + r * 4), QPointF(54, 81 + r * 4));
    // The sensor bolted to the block: seismic mass and piezo ring round the bolt.
    const qreal x = 70;
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(86, 134, QColor(70, 72, 80)));
    p.drawRoundedRect(QRectF(x, 86, 18, 48), 3, 3);
    p.setBrush(QColor(236, 237, 241));
    p.drawRect(QRectF(x + 3, 92, 12, 36));
    p.setBrush(metalV(92, 104, QColor(160, 162, 170)));
    p.drawRect(QRectF(x + 4, 93, 10, 11));
    p.setBrush(QColor(230, 215, 170));
    p.drawRect(QRectF(x + 4, 105, 10, 4));
    p.setBrush(metalV(109, 127, QColor(160, 162, 170)));
    p.drawRect(QRectF(x + 4, 110, 10, 16));
    p.setPen(QPen(kOutline, 0.8, Qt::DashLine));
    p.drawLine(QPointF(x - 22, 110), QPointF(x + 24, 110));
    boltHead(p, QPointF(x + 24, 110), 5);
    cable(p, lead(QPointF(x + 9, 86), QPointF(x + 9, 60), QPointF(100, 48), QPointF(112, 48)), QColor(40, 40, 44), 3);
    const auto pins = connector(p, QRectF(112, 36, 30, 24), 2);
    harness(p, pins, {QColor(70, 70, 70), QColor(235, 235, 235)}, tagsFor({"1: signal to ECU", "2: return to ECU"}, {Texts::tr("1: signal"), Texts::tr("2: return")}));

    const Sockets s = instrument(p, "0.2 V/div", "20 ms/div");
    redProbe(p, s, pins[0], -30, 16, 40);
    blackProbe(p, s, pins[1], -30, 16, 30);

    calloutV(p, QPointF(80, 30), QPointF(62, 36), "Cylinder block");
    callout(p, QPointF(164, 94), QPointF(x + 13, 98), "Seismic mass", true);
    callout(p, QPointF(164, 108), QPointF(x + 14, 107), "Piezo ring", true);
    callout(p, QPointF(164, 124), QPointF(x + 27, 113), "Bolt", true);
    note(p, QRectF(100, 136, 70, 20), "tighten to 20 Nm,\nclean, no washer", Qt::AlignLeft | Qt::AlignVCenter, 7);
}

// ---- Engine management: actuators -------------------------------------------------------

void coilDwell(QPainter& p) {
    title(p, "Ignition coil: primary, terminal 1");

    // Coil can, cut away: iron core, fine secondary inside, heavy primary outside.
    const qreal l = 84;
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(metalH(l, l + 56, QColor(60, 60, 70)));
    p.drawRoundedRect(QRectF(l, 62, 56, 88), 5, 5);
    p.setBrush(QColor(236, 237, 241));
    p.drawRect(QRectF(l + 6, 72, 44, 70));
    laminations(p, QRectF(l + 24, 74, 8, 66));
    copperCoil(p, QRectF(l + 16, 76, 7, 62), true);
    copperCoil(p, QRectF(l + 33, 76, 7, 62), true);
    copperCoil(p, QRectF(l + 8, 76, 6, 62), true);
    copperCoil(p, QRectF(l + 42, 76, 6, 62), true);
    // Cap with the high-tension tower and the two low-tension terminals.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(52, 64, QColor(70, 70, 80)));
    p.drawRoundedRect(QRectF(l - 4, 54, 64, 10), 3, 3);
    p.setBrush(metalV(34, 54, QColor(200, 60, 40)));
    p.drawRoundedRect(QRectF(l + 20, 34, 16, 20), 3, 3);
    cable(p, lead(QPointF(l + 28, 34), QPointF(l + 28, 24), QPointF(80, 28), QPointF(58, 28)), QColor(40, 40, 44), 4);
    const QPointF t15(l + 6, 50), t1(l + 50, 50);
    for (const QPointF& t : {t15, t1}) {
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(metalH(t.x() - 2.5, t.x() + 2.5, kBrass));
        p.drawRect(QRectF(t.x() - 2.5, t.y() - 2, 5, 6));
    }
    setFont(p, 7, true);
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRectF(t15.x() - 2, t15.y() + 4, 14, 9), Qt::AlignCenter, "15");
    p.drawText(QRectF(t1.x() - 10, t1.y() + 4, 12, 9), Qt::AlignCenter, "1");
    cable(p, lead(t15, t15 + QPointF(0, -12), QPointF(72, 44), QPointF(62, 44)), QColor(230, 120, 20), 1.6);
    cable(p, lead(t1, t1 + QPointF(0, -16), QPointF(170, 30), QPointF(242, 30)), QColor(220, 150, 0), 1.6);
    note(p, QRectF(170, 20, 72, 9), "to ECU driver", Qt::AlignRight | Qt::AlignVCenter, 8);
    const QPointF earth = earthPoint(p, QPointF(160, 160));

    const Sockets s = instrument(p, "100 V/div", "10 ms/div");
    redProbe(p, s, t1 + QPointF(1, -1), -15, 24, 50);
    blackClip(p, s, earth + QPointF(3, 0), 90, 12, 20);

    warning(p, QPointF(20, 160));
    note(p, QRectF(30, 154, 34, 20), "up to\n400 V", Qt::AlignLeft | Qt::AlignVCenter, 7, QColor(150, 40, 20), true);

    callout(p, QPointF(8, 31), QPointF(58, 28), "HT lead");
    callout(p, QPointF(8, 47), QPointF(62, 44), "From key");
    callout(p, QPointF(8, 84), QPointF(l + 10, 90), "Primary");
    callout(p, QPointF(8, 100), QPointF(l + 19, 106), "Secondary");
    callout(p, QPointF(8, 116), QPointF(l + 28, 122), "Iron core");
    callout(p, QPointF(244, 64), t1 + QPointF(3, 2), "Terminal 1 (-)", true);
    calloutV(p, QPointF(84, 173), earth + QPointF(-8, 1), "Engine earth");
}

void injector(QPainter& p) {
    title(p, "Fuel injector: the ECU's earth pulse");

    // Fuel rail across the top, the injector under it, its nozzle in the intake port.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(28, 44, QColor(170, 172, 180)));
    p.drawRoundedRect(QRectF(40, 28, 96, 16), 4, 4);
    p.setBrush(QColor(225, 205, 120));
    p.drawRect(QRectF(44, 33, 88, 6));
    p.setBrush(metalV(148, 176, QColor(175, 178, 186)));
    p.drawRect(QRectF(40, 148, 96, 28));
    p.setBrush(QColor(236, 237, 241));
    p.drawRect(QRectF(46, 154, 84, 22));
    const QRectF body(70, 44, 30, 92);
    p.setBrush(metalH(body.left(), body.right(), QColor(60, 60, 70)));
    p.drawRoundedRect(body, 4, 4);
    p.setBrush(QColor(236, 237, 241));
    p.drawRect(QRectF(75, 56, 20, 72));
    copperCoil(p, QRectF(76, 64, 5, 34), true);
    copperCoil(p, QRectF(89, 64, 5, 34), true);
    p.setBrush(metalH(82, 88, QColor(160, 162, 170)));
    p.drawRect(QRectF(82, 58, 6, 74));
    p.setPen(QPen(QColor(80, 80, 90), 0.8));
    for (qreal y = 58; y < 64; y += 1.5) p.drawLine(QPointF(81, y), QPointF(89, y + 0.8));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalH(78, 92, QColor(150, 152, 160)));
    p.drawRect(QRectF(78, 136, 14, 12));
    p.setPen(QPen(QColor(0, 140, 150), 1, Qt::DotLine));
    for (int d = -2; d <= 2; ++d) p.drawLine(QPointF(85, 148), QPointF(85 + d * 7, 172));
    const auto pins = connector(p, QRectF(100, 68, 28, 24), 2);
    harness(p, pins, {QColor(200, 40, 30), QColor(0, 140, 150)}, {"1: +12 V from relay", "2: to ECU"});

    const QPointF earth = earthPoint(p, QPointF(212, 108));
    const Sockets s = instrument(p, "20 V/div", "1 ms/div");
    redProbe(p, s, pins[1], -30, 14, 26);
    blackClip(p, s, earth + QPointF(-4, 0), -120, 8, 12);

    callout(p, QPointF(8, 26), QPointF(46, 31), "Fuel rail");
    callout(p, QPointF(8, 76), QPointF(77, 80), "Solenoid");
    callout(p, QPointF(8, 100), QPointF(84, 112), "Needle");
    callout(p, QPointF(8, 140), QPointF(78, 142), "Nozzle");
    callout(p, QPointF(244, 96), earth + QPointF(2, -3), "Engine earth", true);
    note(p, QRectF(8, 156, 32, 20), "Intake\nport", Qt::AlignLeft | Qt::AlignVCenter, 7);
}

void fuelPump(QPainter& p) {
    title(p, "Fuel pump: current in its feed wire");

    // Tank, cut away, with the pump standing in the fuel.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(metalV(70, 160, QColor(90, 95, 105)));
    p.drawRoundedRect(QRectF(8, 70, 104, 90), 10, 10);
    p.setBrush(QColor(236, 237, 241));
    p.drawRoundedRect(QRectF(14, 76, 92, 78), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 205, 120));
    p.drawRoundedRect(QRectF(14, 106, 92, 48), 7, 7);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(62, 72, QColor(150, 152, 160)));
    p.drawRoundedRect(QRectF(30, 62, 56, 10), 2, 2);  // flange
    p.setBrush(metalH(46, 70, QColor(150, 152, 160)));
    p.drawRoundedRect(QRectF(46, 84, 24, 58), 4, 4);
    p.setBrush(QColor(236, 237, 241));
    p.drawRect(QRectF(50, 92, 16, 26));
    copperCoil(p, QRectF(51, 94, 4, 22), true);
    copperCoil(p, QRectF(61, 94, 4, 22), true);
    laminations(p, QRectF(55, 96, 6, 18));
    p.setBrush(QColor(215, 130, 60));
    p.drawRect(QRectF(54, 86, 8, 5));  // commutator
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(QRectF(42, 142, 32, 8), 2, 2);  // strainer
    p.setPen(QPen(QColor(90, 90, 95), 0.6));
    for (qreal x = 44; x < 74; x += 3) p.drawLine(QPointF(x, 143), QPointF(x, 149));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalH(55, 61, QColor(170, 172, 180)));
    p.drawRect(QRectF(55, 72, 6, 12));
    cable(p, route({QPointF(58, 62), QPointF(58, 34), QPointF(10, 34)}), QColor(170, 172, 180), 3.2);
    note(p, QRectF(10, 22, 70, 9), "fuel to engine", Qt::AlignLeft | Qt::AlignVCenter, 8);
    // Feed wire from the pump relay, and the earth wire.
    cable(p, route({QPointF(76, 62), QPointF(76, 40), QPointF(242, 40)}), QColor(150, 30, 60), 1.8);
    note(p, QRectF(196, 28, 46, 9), "from relay", Qt::AlignRight | Qt::AlignVCenter, 8);
    cable(p, route({QPointF(36, 62), QPointF(36, 50), QPointF(20, 50), QPointF(20, 52)}), QColor(120, 80, 40), 1.6);
    earthSymbol(p, QPointF(20, 52));

    const Sockets s = instrument(p, "2 A/div", "2 ms/div");
    signalClamp(p, s, QPointF(176, 40), 9);

    callout(p, QPointF(92, 58), QPointF(168, 48), "Current clamp");
    note(p, QRectF(92, 60, 74, 9), "arrow to the pump", Qt::AlignLeft | Qt::AlignVCenter, 7);
    callout(p, QPointF(170, 100), QPointF(66, 104), "Pump motor", true);
    callout(p, QPointF(170, 116), QPointF(62, 88), "Commutator", true);
    callout(p, QPointF(170, 132), QPointF(74, 146), "Strainer", true);
    warning(p, QPointF(20, 170));
    note(p, QRectF(30, 164, 140, 12), "fuel vapour: no sparks, no flames", Qt::AlignLeft | Qt::AlignVCenter, 7,
         QColor(150, 40, 20), true);
}

void pressureRegulator(QPainter& p) {
    title(p, "Fuel pressure at the rail and regulator");

    // Rail with three injectors under it; the regulator at its end, the return to the tank.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(84, 100, QColor(170, 172, 180)));
    p.drawRoundedRect(QRectF(8, 84, 126, 16), 4, 4);
    p.setBrush(QColor(225, 205, 120));
    p.drawRect(QRectF(12, 89, 118, 6));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 22 + i * 36;
        p.setBrush(metalH(x, x + 14, QColor(60, 60, 70)));
        p.drawRoundedRect(QRectF(x, 100, 14, 30), 3, 3);
        p.setBrush(metalH(x + 4, x + 10, QColor(150, 152, 160)));
        p.drawRect(QRectF(x + 4, 130, 6, 6));
    }
    const QPointF reg(150, 92);
    p.setBrush(metalV(reg.y() - 20, reg.y() + 20, QColor(175, 178, 186)));
    p.drawEllipse(reg, 18, 20);
    p.setPen(QPen(QColor(60, 60, 70), 1.4));
    p.drawLine(QPointF(reg.x() - 17, reg.y()), QPointF(reg.x() + 17, reg.y()));  // diaphragm
    p.setPen(QPen(QColor(90, 90, 100), 0.8));
    for (int t = 0; t < 4; ++t)
        p.drawLine(QPointF(reg.x() - 6, reg.y() - 4 - t * 3.5), QPointF(reg.x() + 6, reg.y() - 6 - t * 3.5));  // spring
    cable(p, lead(QPointF(reg.x(), reg.y() - 20), QPointF(reg.x(), 50), QPointF(reg.x() + 10, 34), QPointF(242, 34)),
          QColor(40, 40, 44), 3);
    note(p, QRectF(170, 22, 72, 9), "to manifold vacuum", Qt::AlignRight | Qt::AlignVCenter, 7);
    cable(p, route({QPointF(reg.x(), reg.y() + 20), QPointF(reg.x(), 176)}), QColor(170, 172, 180), 3.2);
    note(p, QRectF(reg.x() - 44, 142, 40, 18), "return\nto tank", Qt::AlignRight | Qt::AlignVCenter, 7);
    // Test valve on the rail, the pressure transducer screwed on to it.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalH(80, 90, kBrass));
    p.drawRect(QRectF(80, 72, 10, 12));
    p.setBrush(metalV(46, 72, QColor(60, 62, 70)));
    p.drawRoundedRect(QRectF(72, 48, 26, 24), 4, 4);
    note(p, QRectF(72, 54, 26, 12), "bar", Qt::AlignCenter, 7, QColor(230, 230, 230), true);

    const Sockets s = instrument(p, "1 bar/div", "20 ms/div");
    signalAt(Spot::Card, QPointF(85, 60), 13);
    cable(p, lead(QPointF(98, 58), QPointF(118, 58), s.red + QPointF(-6, -70), s.red), QColor(50, 50, 55), 2);

    callout(p, QPointF(8, 56), QPointF(74, 56), "Transducer");
    callout(p, QPointF(8, 76), QPointF(82, 78), "Test valve");
    calloutV(p, QPointF(8, 150), QPointF(16, 99), "Fuel rail");
    calloutV(p, QPointF(60, 150), QPointF(70, 136), "Injectors");
    callout(p, QPointF(244, 96), QPointF(reg.x() + 16, reg.y() + 8), "Regulator", true);
    callout(p, QPointF(244, 80), QPointF(reg.x() + 14, reg.y()), "Diaphragm", true);
    warning(p, QPointF(20, 166));
    note(p, QRectF(30, 160, 100, 12), "fuel under pressure", Qt::AlignLeft | Qt::AlignVCenter, 7, QColor(150, 40, 20), true);
}

void sparkTiming(QPainter& p) {
    title(p, "Spark timing: cylinder 1, pulley marks");

    // Crankshaft pulley with its notch, and the timing scale on the front cover.
    const QPointF c(56, 122);
    const qreal r = 38;
    p.setPen(QPen(kOutline, 1.2));
    QRadialGradient g(c - QPointF(12, 12), r * 1.5);
    g.setColorAt(0, QColor(190, 192, 200));
    g.setColorAt(1, QColor(90, 92, 100));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(60, 60, 66));
    p.drawEllipse(c, r * 0.62, r * 0.62);
    boltHead(p, c, 7);
    const qreal notchA = (90 + 14) * M_PI / 180;  // the notch at 14 degrees before the top
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(c + QPointF((r - 7) * std::cos(notchA), -(r - 7) * std::sin(notchA)),
               c + QPointF(r * std::cos(notchA), -r * std::sin(notchA)));
    // Scale: 0 at the top, degrees before top dead centre to the left (the pulley turns
    // clockwise seen from the front).
    p.setPen(QPen(kInk, 1));
    for (int d = -10; d <= 30; d += 5) {
        const qreal a = (90 + d) * M_PI / 180;
        const qreal len = d % 10 == 0 ? 7 : 4;
        p.drawLine(c + QPointF((r + 3) * std::cos(a), -(r + 3) * std::sin(a)),
                   c + QPointF((r + 3 + len) * std::cos(a), -(r + 3 + len) * std::sin(a)));
        if (d % 10 == 0 && d >= 0) {
            const QPointF t = c + QPointF((r + 17) * std::cos(a), -(r + 17) * std::sin(a));
            note(p, QRectF(t.x() - 6, t.y() - 4.5, 12, 9), QString::number(d), Qt::AlignCenter, 7);
        }
    }
    // Spark plug of cylinder 1 with its lead, and the inductive pick-up on the lead.
    const QPointF plug(132, 120);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(plug.y() + 2, plug.y() + 16, QColor(125, 128, 136)));
    p.drawRect(QRectF(plug.x() - 26, plug.y() + 2, 52, 14));  // cylinder head
    p.setBrush(QColor(240, 240, 236));
    p.drawRoundedRect(QRectF(plug.x() - 5, plug.y() - 34, 10, 22), 3, 3);  // insulator
    p.setBrush(metalH(plug.x() - 7, plug.x() + 7, QColor(170, 172, 180)));
    p.drawRect(QRectF(plug.x() - 7, plug.y() - 12, 14, 10));  // hexagon
    p.setBrush(metalH(plug.x() - 4, plug.x() + 4, QColor(150, 152, 160)));
    p.drawRect(QRectF(plug.x() - 4, plug.y() - 2, 8, 10));
    cable(p, lead(QPointF(plug.x(), plug.y() - 34), QPointF(plug.x(), 54), QPointF(plug.x() + 10, 50), QPointF(242, 50)),
          QColor(40, 40, 44), 4);
    note(p, QRectF(196, 38, 46, 9), "from coil", Qt::AlignRight | Qt::AlignVCenter, 8);
    const QPointF earth = earthPoint(p, QPointF(112, 150));

    const Sockets s = instrument(p, "4 kV/div", "1 ms/div");
    signalClamp(p, s, QPointF(172, 50), 8);
    blackClip(p, s, earth + QPointF(3, 0), 45, 14, 30);

    calloutV(p, QPointF(84, 40), c + QPointF(0, -r - 4), "TDC (0)");
    note(p, QRectF(8, 40, 40, 18), "degrees\nBTDC", Qt::AlignLeft | Qt::AlignVCenter, 7);
    calloutV(p, QPointF(8, 173), c + QPointF((r - 4) * std::cos(notchA), -(r - 4) * std::sin(notchA)), "Pulley notch");
    callout(p, QPointF(244, 72), QPointF(178, 60), "HT pick-up", true);
    note(p, QRectF(188, 76, 56, 18), "arrow towards\nthe plug", Qt::AlignRight | Qt::AlignVCenter, 7);
    callout(p, QPointF(244, 112), QPointF(plug.x() + 5, plug.y() - 24), "Spark plug", true);
    warning(p, QPointF(124, 168));
    note(p, QRectF(134, 159, 38, 18), "HT: keep\nclear", Qt::AlignLeft | Qt::AlignVCenter, 7, QColor(150, 40, 20), true);
}

// ---- Starting system --------------------------------------------------------------------

void starterSwitch(QPainter& p) {
    title(p, "Starter solenoid: terminal 50");

    const StarterTerminals t = starterSide(p, QRectF(14, 66, 150, 62));
    cable(p, lead(t.t30, t.t30 + QPointF(30, 0), QPointF(200, 36), QPointF(242, 36)), QColor(200, 40, 30), 3.6);
    note(p, QRectF(170, 24, 72, 9), "from battery +", Qt::AlignRight | Qt::AlignVCenter, 8);
    cable(p, lead(t.t50, t.t50 + QPointF(24, 0), QPointF(210, 64), QPointF(242, 64)), QColor(150, 60, 120), 1.6);
    note(p, QRectF(170, 52, 72, 9), "from the key", Qt::AlignRight | Qt::AlignVCenter, 8);

    const Sockets s = instrument(p, "4 V/div", "0.5 s/div");
    redProbe(p, s, t.t50 + QPointF(1, 0), -45, 14, 30);
    blackClip(p, s, t.body, -30, 20, 20);

    callout(p, QPointF(8, 50), QPointF(80, 66), "Solenoid");
    calloutV(p, QPointF(8, 150), QPointF(20, 106), "Pinion");
    calloutV(p, QPointF(80, 150), QPointF(100, 124), "Motor");
    calloutV(p, QPointF(110, 50), t.t30 + QPointF(0, -4), "Terminal 30");
    callout(p, QPointF(244, 100), t.t50 + QPointF(5, 3), "Terminal 50", true);
    calloutV(p, QPointF(8, 172), t.body + QPointF(-3, 3), "Starter body (earth)");
}

void starterSupply(QPainter& p) {
    title(p, "Starter supply: terminal 30, cranking");

    const Posts posts = battery(p, QRectF(12, 116, 70, 42));
    const StarterTerminals t = starterSide(p, QRectF(86, 56, 130, 56));
    cable(p, lead(posts.plus, posts.plus + QPointF(0, -80), t.t30 + QPointF(40, -46), t.t30), QColor(200, 40, 30), 3.6);
    cable(p, lead(posts.minus, posts.minus + QPointF(0, -24), QPointF(14, 90), QPointF(14, 100)), kLeadBlack, 3.2);
    earthPoint(p, QPointF(14, 104));
    cable(p, lead(t.t50, t.t50 + QPointF(12, 0), QPointF(242, t.t50.y()), QPointF(242, t.t50.y())), QColor(150, 60, 120), 1.6);

    const Sockets s = instrument(p, "4 V/div", "0.2 s/div");
    redProbe(p, s, t.t30 + QPointF(2, 2), -30, 14, 40);
    blackClip(p, s, t.body, -80, 16, 20);

    calloutV(p, QPointF(8, 173), QPointF(30, 160), "Battery");
    callout(p, QPointF(8, 40), QPointF(82, 79), "Main cable");
    calloutV(p, QPointF(180, 34), t.t30 + QPointF(2, -4), "Terminal 30");
    calloutV(p, QPointF(88, 173), t.body + QPointF(-2, 3), "Starter body");
    calloutV(p, QPointF(4, 88), QPointF(14, 100), "Earth");
}

void starterEarth(QPainter& p) {
    title(p, "Starter earth: volt drop, cranking");

    // Engine block with the starter bolted under it; the earth strap from the battery.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(metalV(26, 96, QColor(125, 128, 136)));
    p.drawRoundedRect(QRectF(8, 26, 116, 66), 6, 6);
    note(p, QRectF(12, 30, 80, 12), "engine block", Qt::AlignLeft | Qt::AlignVCenter, 8, QColor(240, 240, 240));
    const StarterTerminals t = starterSide(p, QRectF(8, 84, 126, 52));
    const Posts posts = battery(p, QRectF(150, 66, 70, 44), true);
    cable(p, lead(posts.minus, posts.minus + QPointF(0, -34), QPointF(130, 40), QPointF(110, 46)), kLeadBlack, 3.6);
    boltHead(p, QPointF(110, 46), 4);
    cable(p, lead(posts.plus, posts.plus + QPointF(0, 30), t.t30 + QPointF(30, 0), t.t30), QColor(200, 40, 30), 3.6);

    const Sockets s = instrument(p, "0.1 V/div", "0.2 s/div");
    redProbe(p, s, t.body, -60, 14, 20);
    blackClip(p, s, posts.minus + QPointF(3, 1), 45, 16, 60);

    calloutV(p, QPointF(150, 128), QPointF(170, 106), "Battery");
    calloutV(p, QPointF(112, 30), QPointF(132, 40), "Earth strap");
    calloutV(p, QPointF(60, 173), t.body + QPointF(3, 5), "Starter body");
}

void starterSpeed(QPainter& p) {
    title(p, "Cranking current: compression humps");

    const StarterTerminals t = starterSide(p, QRectF(8, 70, 126, 52));
    const Posts posts = battery(p, QRectF(160, 78, 70, 44), true);
    cable(p, lead(posts.plus, posts.plus + QPointF(0, -36), t.t30 + QPointF(40, -36), t.t30), QColor(200, 40, 30), 3.6);
    cable(p, lead(posts.minus, posts.minus + QPointF(0, -20), QPointF(226, 30), QPointF(236, 30)), kLeadBlack, 3.2);
    earthPoint(p, QPointF(236, 30));

    const Sockets s = instrument(p, "100 A/div", "0.2 s/div");
    signalClamp(p, s, QPointF(157, 48), 9);

    callout(p, QPointF(62, 40), QPointF(148, 44), "Current clamp");
    note(p, QRectF(8, 44, 120, 18), "round the main cable,\narrow towards the starter", Qt::AlignLeft | Qt::AlignVCenter, 7);
    calloutV(p, QPointF(40, 146), QPointF(70, 120), "Starter motor");
    calloutV(p, QPointF(130, 140), QPointF(170, 118), "Battery");
    warning(p, QPointF(20, 166));
    note(p, QRectF(30, 158, 140, 18), "keep the engine from starting:\ntake out the fuel pump fuse", Qt::AlignLeft | Qt::AlignVCenter, 7,
         QColor(150, 40, 20), true);
}

// ---- Charging system --------------------------------------------------------------------

void chargeWarningLight(QPainter& p) {
    title(p, "Charge warning light: alternator D+");

    const AlternatorTerminals a = alternatorRear(p, QPointF(84, 110), 46);
    // The warning lamp on the instrument panel, fed from the ignition switch.
    const QPointF lampAt(172, 50);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(metalV(34, 66, QColor(60, 62, 70)));
    p.drawRoundedRect(QRectF(150, 34, 44, 32), 4, 4);
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    p.setBrush(QColor(255, 90, 70));
    p.drawEllipse(lampAt, 8, 8);
    p.drawLine(lampAt + QPointF(-5.6, -5.6), lampAt + QPointF(5.6, 5.6));
    p.drawLine(lampAt + QPointF(-5.6, 5.6), lampAt + QPointF(5.6, -5.6));
    cable(p, route({QPointF(194, 50), QPointF(242, 50)}), QColor(200, 40, 30), 1.6);
    note(p, QRectF(200, 54, 42, 9), "from key", Qt::AlignRight | Qt::AlignVCenter, 8);
    cable(p, lead(QPointF(150, 50), QPointF(110, 50), a.dplus + QPointF(-30, -30), a.dplus), QColor(30, 130, 60), 1.6);
    cable(p, lead(a.bplus, a.bplus + QPointF(0, -40), QPointF(40, 30), QPointF(8, 30)), QColor(200, 40, 30), 3.4);
    note(p, QRectF(8, 20, 60, 9), "to battery +", Qt::AlignLeft | Qt::AlignVCenter, 8);

    const Sockets s = instrument(p, "4 V/div", "1 ms/div");
    redProbe(p, s, a.dplus + QPointF(-2, 0), -20, 20, 40);
    if (wants(Spot::AlternatorOutput)) redProbe(p, s, a.bplus + QPointF(2, -2), 50, 30, 60, Spot::AlternatorOutput);
    blackClip(p, s, a.body, -40, 16, 14);

    callout(p, QPointF(244, 80), lampAt + QPointF(5, 7), "Warning lamp", true);
    callout(p, QPointF(8, 96), a.dplus + QPointF(-4, -2), "D+");
    calloutV(p, QPointF(60, 173), a.body + QPointF(0, 3), "Alternator body");
}

void alternatorSpeed(QPainter& p) {
    title(p, "Alternator speed: the W (phase) terminal");

    // Belt drive from the crankshaft pulley, seen from the front.
    const QPointF crank(40, 140), alt(40, 58);
    const qreal rc = 26, ra = 9;
    p.setPen(QPen(QColor(40, 40, 40), 2.4));
    p.drawLine(crank + QPointF(-rc, 0), alt + QPointF(-ra, 0));
    p.drawLine(crank + QPointF(rc, 0), alt + QPointF(ra, 0));
    for (const auto& [centre, radius] : {std::pair<QPointF, qreal>{crank, rc}, {alt, ra}}) {
        p.setPen(QPen(QColor(30, 30, 30), 1.2));
        p.setBrush(metalV(centre.y() - radius, centre.y() + radius, QColor(120, 122, 130)));
        p.drawEllipse(centre, radius, radius);
        p.setBrush(QColor(60, 60, 66));
        p.drawEllipse(centre, radius * 0.3, radius * 0.3);
    }
    const AlternatorTerminals a = alternatorRear(p, QPointF(140, 92), 42);
    cable(p, lead(a.bplus, a.bplus + QPointF(0, -40), QPointF(200, 32), QPointF(242, 32)), QColor(200, 40, 30), 3.4);
    note(p, QRectF(176, 20, 66, 9), "to battery +", Qt::AlignRight | Qt::AlignVCenter, 8);

    const Sockets s = instrument(p, "4 V/div", "2 ms/div");
    redProbe(p, s, a.w + QPointF(-2, 0), -120, 14, 20);
    blackClip(p, s, a.body, -40, 16, 14);

    calloutV(p, QPointF(72, 173), crank + QPointF(18, 14), "Crankshaft pulley");
    calloutV(p, QPointF(8, 34), alt + QPointF(-5, -6), "Alternator pulley, 3 : 1");
    callout(p, QPointF(96, 110), QPointF(59, 106), "Belt", true);
    callout(p, QPointF(244, 112), a.w + QPointF(4, 1), "W terminal", true);
    note(p, QRectF(56, 40, 90, 9), "rear of the alternator", Qt::AlignRight | Qt::AlignVCenter, 7);
}

void alternatorEarth(QPainter& p) {
    title(p, "Alternator earth: volt drop");

    // Engine block with the alternator on its bracket; the battery's earth strap to the block.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(metalV(132, 176, QColor(125, 128, 136)));
    p.drawRoundedRect(QRectF(8, 132, 130, 44), 6, 6);
    note(p, QRectF(14, 158, 80, 12), "engine block", Qt::AlignLeft | Qt::AlignVCenter, 8, QColor(240, 240, 240));
    p.setBrush(metalV(100, 134, QColor(150, 152, 160)));
    p.drawRect(QRectF(92, 100, 14, 34));
    const AlternatorTerminals a = alternatorRear(p, QPointF(76, 70), 36);
    const Posts posts = battery(p, QRectF(150, 44, 68, 40), true);
    cable(p, lead(a.bplus, a.bplus + QPointF(0, -30), posts.plus + QPointF(0, -30), posts.plus), QColor(200, 40, 30), 3.4);
    cable(p, route({posts.minus, posts.minus + QPointF(0, -8), QPointF(240, posts.minus.y() - 8), QPointF(240, 118),
                    QPointF(128, 118), QPointF(128, 138)}),
          kLeadBlack, 3.6);
    boltHead(p, QPointF(128, 140), 4);

    const Sockets s = instrument(p, "0.5 V/div", "1 ms/div");
    redProbe(p, s, a.body + QPointF(-2, 0), -40, 12, 10);
    blackClip(p, s, posts.minus + QPointF(2, 1), -60, 14, 30);

    calloutV(p, QPointF(150, 102), QPointF(170, 84), "Battery");
    callout(p, QPointF(6, 124), a.body + QPointF(-8, 6), "Alternator case");
    calloutV(p, QPointF(146, 132), QPointF(160, 119), "Earth strap");
}

const Picture* pictureFor(const QString& caption) {
    for (const Picture& pic : kPictures)
        if (caption == QString::fromUtf8(pic.caption)) return &pic;
    return nullptr;
}

}  // namespace

QStringList pictureCaptions() {
    QStringList captions;
    for (const Picture& pic : kPictures) captions << QString::fromUtf8(pic.caption);
    return captions;
}

bool hasSpot(const QString& caption, Spot spot) {
    if (!pictureFor(caption)) return false;
    switch (spot) {
    case Spot::Card: return true;
    case Spot::ControlUnitPin:
        return QStringList{"Engine speed", "Engine load %", "Temperature", "System voltage", "Lambda", "Knock"}.contains(caption);
    case Spot::AlternatorOutput: return caption == QLatin1String("Charge warning light");
    }
    return false;
}

Card drawCard(const QString& caption, const Marking* marking) {
    Card card;
    const Picture* pic = pictureFor(caption);
    if (!pic) {
        card.problems << QString("no picture of \"%1\"").arg(caption);
        return card;
    }
    card.image = render(pic->draw, marking, &card.problems, &card);
    return card;
}

bool buildPictures(const QString& folder) {
    const QDir out(folder);
    bool ok = true;
    for (const Picture& pic : kPictures) {
        const QString file = out.filePath(QString::fromUtf8(pic.caption) + ".jpg");
        const Card card = drawCard(QString::fromUtf8(pic.caption));
        for (const QString& problem : card.problems)
            std::fprintf(stderr, "mkdata: %s.jpg: label %s\n", pic.caption, qPrintable(problem));
        if (!card.problems.isEmpty()) ok = false;
        if (!card.image.save(file, "JPG", 92)) {
            std::fprintf(stderr, "mkdata: cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    return ok;
}

}  // namespace pointpictures
