// The themes' colours and widths: the projector's reads from the back of a room (its text and
// traces well clear of the screen's back, no trace thinner than three pixels), the chosen theme
// is kept as text and a damaged value falls back to the standard look.
#include "platform/services.h"
#include "platform/theme.h"

#include <QObject>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// The relative luminance of an sRGB colour, as the accessibility guidelines define it, worked
// out here on its own so that the program's own figure is checked rather than repeated.
double relativeLuminance(const QColor& c) {
    auto linear = [](double v) {
        v /= 255.0;
        if (v <= 0.03928) return v / 12.92;
        return std::exp(2.4 * std::log((v + 0.055) / 1.055));
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double ratio(const QColor& a, const QColor& b) {
    double hi = relativeLuminance(a), lo = relativeLuminance(b);
    if (hi < lo) std::swap(hi, lo);
    return (hi + 0.05) / (lo + 0.05);
}

TEST(Contrast, KnownPairsGiveThePublishedRatios) {
    EXPECT_NEAR(theme::contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(theme::contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(theme::contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
    EXPECT_NEAR(theme::contrastRatio(QColor(40, 90, 160), QColor(40, 90, 160)), 1.0, 1e-9);
    // Either way round.
    EXPECT_DOUBLE_EQ(theme::contrastRatio(Qt::red, Qt::white), theme::contrastRatio(Qt::white, Qt::red));
}

TEST(ProjectorTheme, TextTracesAndGraticuleStandClearOfTheScreensBack) {
    const theme::Theme& t = theme::projector();
    const QColor back = t.screenBack;
    EXPECT_GE(ratio(t.screenText, back), 7.0);
    EXPECT_GE(ratio(t.trace, back), 7.0);
    for (int c = 0; c < 4; ++c) EXPECT_GE(ratio(t.channels[c], back), 7.0) << "channel " << c;
    EXPECT_GE(ratio(t.grid, back), 4.5);
    EXPECT_GE(ratio(t.gridAxis, back), 3.0);
    EXPECT_GE(ratio(t.cursor, back), 4.5);
    EXPECT_GE(ratio(t.cursorActive, back), 4.5);
    // The traces are told apart from the graticule behind them.
    EXPECT_GE(ratio(t.trace, t.grid), 1.5);
}

TEST(ProjectorTheme, DrawsNoTraceThinnerThanThreePixelsAndNoTextSmaller) {
    const theme::Theme& p = theme::projector();
    const theme::Theme& s = theme::standard();
    for (double focus : {0.6, 1.0, 2.0}) {
        EXPECT_GE(theme::traceWidth(p, focus), 3.0) << focus;
        EXPECT_DOUBLE_EQ(theme::traceWidth(s, focus), focus) << "the standard look draws what Focus asks";
    }
    EXPECT_DOUBLE_EQ(theme::traceWidth(p, 5.0), 5.0) << "a wider Focus is still followed";
    EXPECT_GE(p.gridWidth, s.gridWidth);
    EXPECT_GT(p.screenTextScale, s.screenTextScale);
    EXPECT_GT(p.panelPoints, s.panelPoints);
    EXPECT_GT(p.readoutPoints, s.readoutPoints);
}

class ChosenTheme : public ::testing::Test {
protected:
    void TearDown() override {
        SaveSetting(theme::kSection, theme::kKey, QString());
        theme::setCurrent(theme::Kind::Standard);
    }
};

TEST_F(ChosenTheme, IsReadFromTheSettingsAndADamagedValueIsTheStandardLook) {
    SaveSetting(theme::kSection, theme::kKey, "Projector");
    theme::loadFromSettings();
    EXPECT_EQ(theme::current().kind, theme::Kind::Projector);
    for (const char* damaged : {"", "Beamer", "1", "Projector2"}) {
        theme::setCurrent(theme::Kind::Projector);
        SaveSetting(theme::kSection, theme::kKey, damaged);
        theme::loadFromSettings();
        EXPECT_EQ(theme::current().kind, theme::Kind::Standard) << damaged;
    }
    // Written by hand, in another case or with spaces, it is still understood.
    SaveSetting(theme::kSection, theme::kKey, " projector ");
    theme::loadFromSettings();
    EXPECT_EQ(theme::current().kind, theme::Kind::Projector);
}

TEST_F(ChosenTheme, ItsChangeIsToldToTheWindowsThatStillLive) {
    int told = 0, toldGone = 0;
    QObject staying;
    auto going = std::make_unique<QObject>();
    theme::whenChanged(&staying, [&] { ++told; });
    theme::whenChanged(going.get(), [&] { ++toldGone; });
    theme::setCurrent(theme::Kind::Projector);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(toldGone, 1);
    going.reset();
    theme::setCurrent(theme::Kind::Projector);  // no change: nobody is told
    EXPECT_EQ(told, 1);
    theme::setCurrent(theme::Kind::Standard);
    EXPECT_EQ(told, 2);
    EXPECT_EQ(toldGone, 1);
}

}  // namespace
