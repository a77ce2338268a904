// DrawGauge on a real picture box: the bar and the clock dial as painted, the fraction's
// replacement, the bar background.
#include "sim/simstate.h"
#include "platform/form.h"
#include "platform/picturebox.h"
#include "telemetry/gauge.h"

#include <QFrame>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double kPi = 3.1415928;

class Gauge : public ::testing::Test {
protected:
    void SetUp() override {
        picture = new PictureBox(&form);
        picture->setGeometry(0, 0, 140, 66);
        back = new QFrame(picture);
        back->setObjectName("shpBarBack(2)");
        GaugeIndex = 2;
    }
    // The colour painted at a radius and angle of the dial about (70, 90).
    QColor at(double radius, double angle) const {
        const QPoint p(int(std::lround(70 + radius * std::cos(angle))), int(std::lround(90 - radius * std::sin(angle))));
        return picture->image().pixelColor(p);
    }
    // The needle's red (its edges are blended with the black outline).
    bool needleAt(double radius, double angle) const {
        const QColor c = at(radius, angle);
        return c.red() > 150 && c.green() < 80 && c.blue() < 80;
    }
    Form form;
    PictureBox* picture = nullptr;
    QFrame* back = nullptr;
};

TEST_F(Gauge, BarFromX25ScaledToFullScaleAndNothingClamped) {
    back->setVisible(false);
    float f = 0.5f;
    DrawGauge(picture, "Bar", 70, 90, f);
    EXPECT_FLOAT_EQ(f, 0.5f);  // a bar leaves the fraction as it was
    EXPECT_FALSE(back->isHidden());
    EXPECT_EQ(picture->backColor(), QColor(192, 192, 255));
    EXPECT_DOUBLE_EQ(picture->scaleWidth(), 150);
    EXPECT_DOUBLE_EQ(picture->scaleHeight(), 30);
    ASSERT_EQ(picture->operations().size(), 1);
    const DrawOp& bar = picture->operations()[0];
    EXPECT_EQ(bar.points[0], QPointF(25, 15));
    EXPECT_EQ(bar.points[1], QPointF(75, 15));
    // Red at the middle of the bar, the background beyond its end.
    EXPECT_EQ(picture->image().pixelColor(picture->scale().toPixels(50, 15).toPoint()), QColor(255, 0, 0));
    EXPECT_EQ(picture->image().pixelColor(picture->scale().toPixels(100, 15).toPoint()), QColor(192, 192, 255));
    // Each bar clears the last one; a reading below zero or past full scale is not held.
    for (const auto& [fraction, end] : std::vector<std::pair<float, double>>{{-0.1f, 15}, {1.5f, 175}}) {
        f = fraction;
        DrawGauge(picture, "Bar", 70, 90, f);
        ASSERT_EQ(picture->operations().size(), 1);
        EXPECT_NEAR(picture->operations()[0].points[1].x(), end, 1e-5) << fraction;
    }
}

TEST_F(Gauge, ClockDialBandAndNeedle) {
    for (const QString style : {QString("Clock"), QString("bar")}) {
        picture->cls();
        back->setVisible(true);
        float f = 0.25f;
        DrawGauge(picture, style, 70, 90, f);
        EXPECT_FLOAT_EQ(f, 0.75f) << style.toStdString();  // replaced by 1 - fraction
        EXPECT_TRUE(back->isHidden());
        ASSERT_EQ(picture->operations().size(), 4);
        const auto& ops = picture->operations();
        EXPECT_EQ(ops[0].kind, "pie");
        EXPECT_EQ(ops[0].radius, 80);
        EXPECT_NEAR(ops[0].start, -(kPi / 4 - 0.1), 1e-9);
        EXPECT_NEAR(ops[0].end, -(3 * kPi / 4 + 0.1), 1e-9);
    }
    // A quarter of full scale: the needle a quarter of the way from upper left (3π/4) to upper right.
    const double needle = kPi / 4 + kPi / 2 * 0.75;
    EXPECT_TRUE(needleAt(68, needle));
    EXPECT_EQ(at(68, kPi / 2), QColor(192, 255, 255));   // the band elsewhere
    EXPECT_EQ(at(78, needle), QColor(192, 255, 255));    // the needle stops at radius 75
    EXPECT_EQ(at(40, needle), picture->backColor());     // the middle is erased
    // Redrawn over itself: the new needle shows and the old one is wiped.
    float f = 1.0f;
    DrawGauge(picture, "Clock", 70, 90, f);
    EXPECT_TRUE(needleAt(68, kPi / 4));
    EXPECT_EQ(at(68, needle), QColor(192, 255, 255));
}

}  // namespace
