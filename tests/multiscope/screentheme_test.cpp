// The Live screen drawn in each theme: in the projector's, the trace is at least three pixels
// wide however thin the Focus control asks for, on a black screen with white text.
#include "multiscope/scopescreen.h"
#include "platform/theme.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kLevel = 1.3;  // volts: between two lines of the graticule

scope::ScreenView flatTrace(double lineWidth) {
    scope::ScreenView v;
    v.secondsPerDivision = 1e-3;
    v.perDivision = 1;
    v.zero = 4;
    v.lineWidth = lineWidth;
    v.trace.dt = 1e-5;
    v.trace.values.assign(1000, kLevel);
    v.status = scope::Status::Triggered;
    return v;
}

struct Drawn {
    QImage image;
    scope::ScreenGeometry g;
};

Drawn draw(theme::Kind kind, const scope::ScreenView& v) {
    theme::setCurrent(kind);
    Drawn d;
    d.image = QImage(640, 420, QImage::Format_ARGB32_Premultiplied);
    d.image.fill(Qt::magenta);
    QPainter p(&d.image);
    d.g = scope::paintScreen(p, QSizeF(d.image.size()), v);
    p.end();
    theme::setCurrent(theme::Kind::Standard);
    return d;
}

// How many pixels of a column, across the trace, show the trace's colour at more than half its
// strength against the screen's back.
int traceRows(const Drawn& d, const theme::Theme& t) {
    const int x = int(d.g.grid.left() + d.g.divisionX() * 3.5);
    const double y = d.g.grid.top() + (4 - kLevel) * d.g.divisionY();
    const auto distance = [](QColor a, QColor b) {
        return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
    };
    int rows = 0;
    for (int row = int(y) - 8; row <= int(y) + 8; ++row) {
        const QColor c = d.image.pixelColor(x, row);
        if (distance(c, t.trace) < distance(t.trace, t.screenBack) / 2)
            ++rows;
    }
    return rows;
}

TEST(ScreenTheme, TheProjectorsTraceIsThreePixelsWideWhateverTheFocus) {
    for (double focus : {0.6, 1.0, 2.0}) {
        const Drawn projector = draw(theme::Kind::Projector, flatTrace(focus));
        EXPECT_GE(traceRows(projector, theme::projector()), 3) << "Focus " << focus;
    }
    // The standard look keeps its thin trace, which is what the projector's corrects.
    const Drawn standard = draw(theme::Kind::Standard, flatTrace(0.6));
    EXPECT_LE(traceRows(standard, theme::standard()), 1);
    EXPECT_GE(traceRows(draw(theme::Kind::Projector, flatTrace(5)), theme::projector()), 5);
}

TEST(ScreenTheme, TheProjectorsScreenIsBlackWithWhiteTextAndLargerType) {
    const scope::ScreenView v = flatTrace(1);
    const Drawn projector = draw(theme::Kind::Projector, v);
    const Drawn standard = draw(theme::Kind::Standard, v);
    // A corner of the back, away from text and graticule.
    EXPECT_EQ(projector.image.pixelColor(2, projector.image.height() - 2), theme::projector().screenBack);
    // The scales' line above the graticule is written in white.
    int white = 0;
    const QRectF top = projector.g.top;
    for (int y = int(top.top()); y < int(top.bottom()); ++y)
        for (int x = int(top.left()); x < int(top.right()); ++x)
            if (projector.image.pixelColor(x, y).lightness() > 230) ++white;
    EXPECT_GT(white, 20);
    EXPECT_GT(projector.g.fontPixels, standard.g.fontPixels);
    // The graticule's lines stand out against the black.
    const int lineX = int(std::lround(projector.g.grid.left() + projector.g.divisionX() * 2));
    const int midY = int(projector.g.grid.top() + projector.g.divisionY() * 0.5);
    double brightest = 0;
    for (int x = lineX - 1; x <= lineX + 1; ++x)
        brightest = std::max(brightest, double(projector.image.pixelColor(x, midY).lightness()));
    EXPECT_GT(brightest, 100);
}

}  // namespace
