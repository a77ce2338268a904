#include "multiscope/guidedpicture.h"

#include "multiscope/acquisition.h"
#include "multiscope/channelcolours.h"
#include "multiscope/probes.h"
#include "sim/catalogue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace guided {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 14;
constexpr int kCardsPerRow = 2;
constexpr int kHeadingPixels = 14;
constexpr int kDisc = 18;

struct Texts { Q_DECLARE_TR_FUNCTIONS(guided::Picture) };

QFont headingFont(bool bold) {
    QFont f;
    f.setPixelSize(kHeadingPixels);
    f.setBold(bold);
    return f;
}

// The heading's lines' heights when wrapped in `width`.
int lineHeight(const QString& text, int width) {
    const QFontMetrics m(headingFont(false));
    return std::max(kDisc, m.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, text).height()) + 4;
}

}  // namespace

QString probeTag(const scope::ProbeSetting& probe) {
    switch (probe.kind) {
    case scope::ProbeKind::Attenuator10: return scope::probeShortName(probe);
    case scope::ProbeKind::CurrentClamp: return Texts::tr("%1 mV/A").arg(QLocale().toString(probe.clampMillivoltsPerAmp, 'g', 6));
    default: return QString();  // the lead, the pick-up and the transducer show what they are
    }
}

PointCard cardFor(sim::PointId id) {
    using pointpictures::Spot;
    const sim::PointInfo& p = sim::point(id);
    if (id == sim::PointId::AlternatorOutput) return {QStringLiteral("Charge warning light"), Spot::AlternatorOutput};
    const QString caption = QString::fromUtf8(sim::quantityInfo(p.quantity).fileBase);
    if (p.side == sim::Side::Unit && sim::isSensor(p.circuit)) return {caption, Spot::ControlUnitPin};
    return {caption, Spot::Card};
}

ConnectionPicture connectionLayout(const GuidedTest& test) {
    ConnectionPicture out;
    const int cardW = pointpictures::kCardWidth * pointpictures::kScale;
    const int cardH = pointpictures::kCardHeight * pointpictures::kScale;
    const QString timebase = scope::perDivisionText(test.secondsPerDivision, QStringLiteral("s"));

    // The channels by card, in the order of their first channel.
    std::vector<pointpictures::Marking> markings;
    for (std::size_t c = 0; c < test.channels.size(); ++c) {
        const sim::PointId id = test.channels[c].point;
        const PointCard where = cardFor(id);
        auto it = std::find_if(out.cards.begin(), out.cards.end(),
                               [&](const PictureCard& card) { return card.caption == where.caption; });
        if (it == out.cards.end()) {
            PictureCard card;
            card.caption = where.caption;
            out.cards.push_back(card);
            markings.push_back(pointpictures::Marking{{}, timebase});
            it = out.cards.end() - 1;
        }
        pointpictures::Marking& marking = markings[std::size_t(it - out.cards.begin())];
        const scope::ProbeSetting probe = scope::naturalProbe(id);
        const QString unit = scope::probeUnit(probe.kind);
        marking.channels.push_back({QChar('A' + int(c)), scope::channelColour(int(c)),
                                    scope::perDivisionText(test.channels[c].perDivision, unit), where.spot, probeTag(probe)});
        it->channels.push_back(int(c));
        it->heading << Texts::tr("%1: %2").arg(QChar('A' + int(c))).arg(sim::captionWithPlace(id));
    }
    out.rings.assign(test.channels.size(), QPointF(-1, -1));
    out.radii.assign(test.channels.size(), 0);

    // Each card's heading and drawing; the row's headings as tall as its tallest.
    std::vector<pointpictures::Card> drawn;
    std::vector<int> headings;
    for (std::size_t k = 0; k < out.cards.size(); ++k) {
        drawn.push_back(pointpictures::drawCard(out.cards[k].caption, &markings[k]));
        for (const QString& problem : drawn.back().problems) out.problems << out.cards[k].caption + ": " + problem;
        out.cards[k].plate = drawn.back().plate;
        out.cards[k].probes = drawn.back().probes;
        int h = 0;
        for (const QString& line : out.cards[k].heading) h += lineHeight(line, cardW - kDisc - 6);
        headings.push_back(h);
    }
    const int n = int(out.cards.size());
    const int columns = std::max(1, std::min(n, kCardsPerRow));
    int y = kMargin;
    for (int row = 0; row * columns < n; ++row) {
        int heading = 0;
        for (int k = row * columns; k < std::min(n, (row + 1) * columns); ++k) heading = std::max(heading, headings[std::size_t(k)]);
        for (int k = row * columns; k < std::min(n, (row + 1) * columns); ++k) {
            PictureCard& card = out.cards[std::size_t(k)];
            const int x = kMargin + (k - row * columns) * (cardW + kGap);
            card.rect = QRect(x, y, cardW, heading + 4 + cardH);
            card.drawing = QRect(x, y + heading + 4, cardW, cardH);
        }
        y += heading + 4 + cardH + kGap;
    }
    const int width = kMargin * 2 + columns * cardW + (columns - 1) * kGap;
    const int height = n == 0 ? kMargin * 2 : y - kGap + kMargin;

    out.image = QImage(width, height, QImage::Format_RGB32);
    out.image.fill(Qt::white);
    QPainter p(&out.image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t k = 0; k < out.cards.size(); ++k) {
        const PictureCard& card = out.cards[k];
        int ly = card.rect.top();
        for (std::size_t i = 0; i < card.channels.size(); ++i) {
            const int c = card.channels[i];
            const QColor colour = scope::channelColour(c);
            const QString& line = card.heading[int(i)];
            const int h = lineHeight(line, cardW - kDisc - 6);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            const QRect disc(card.rect.left(), ly + 1, kDisc, kDisc);
            p.drawEllipse(disc);
            p.setFont(headingFont(true));
            p.setPen(Qt::white);
            p.drawText(disc, Qt::AlignCenter, QString(QChar('A' + c)));
            p.setFont(headingFont(false));
            p.setPen(colour.darker(110));
            p.drawText(QRect(card.rect.left() + kDisc + 6, ly + 1, cardW - kDisc - 6, h), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                       line);
            ly += h;
        }
        p.drawImage(card.drawing.topLeft(), drawn[k].image);
        for (std::size_t i = 0; i < card.channels.size() && i < drawn[k].tips.size(); ++i) {
            const QPointF tip = drawn[k].tips[i];
            if (tip.x() < 0) continue;
            out.rings[std::size_t(card.channels[i])] = tip + QPointF(card.drawing.topLeft());
            out.radii[std::size_t(card.channels[i])] = drawn[k].rings[i];
        }
    }
    p.end();
    return out;
}

QImage connectionPicture(const GuidedTest& test) { return connectionLayout(test).image; }

}  // namespace guided
