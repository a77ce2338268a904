// The drawing surface: user scales, lines on the pixels they should cover, circles, arcs and
// sectors, the backing image, and repainting only what an operation touched.
#include "platform/picturebox.h"

#include <QCoreApplication>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double kPi = 3.141592653589793;

bool near(QPointF a, QPointF b, double tol = 1e-9) {
    return std::abs(a.x() - b.x()) < tol && std::abs(a.y() - b.y()) < tol;
}

TEST(UserScaleTest, MapsUserPointsOntoPixelsBothWays) {
    // The scope screen: 300 x 400 units on a surface of 450 x 200 pixels.
    UserScale s{0, 0, 300, 400, 450, 200};
    EXPECT_TRUE(near(s.toPixels(150, 100), QPointF(225, 50)));
    EXPECT_TRUE(near(s.toUser(QPointF(225, 50)), QPointF(150, 100)));
    // An origin away from zero and y growing upwards (negative height), as a chart uses.
    UserScale c{-10, 50, 20, -100, 200, 100};
    EXPECT_TRUE(near(c.toPixels(10, -50), QPointF(200, 100)));
    EXPECT_TRUE(near(c.toPixels(0, 0), QPointF(100, 50)));
    EXPECT_DOUBLE_EQ(c.radiusToPixels(5), 50);
}

TEST(ArcGeometryTest, AnglesInRadiansCounterClockwiseWithNegativeOnesDrawingRadii) {
    const ArcGeometry full = arcGeometry(QPointF(50, 50), 10, 0, 0, false);
    EXPECT_TRUE(full.full);
    EXPECT_FALSE(full.sector());

    // A quarter arc from 3 o'clock to 12 o'clock: on screen y grows downwards.
    const ArcGeometry q = arcGeometry(QPointF(50, 50), 10, 0, kPi / 2, true);
    EXPECT_FALSE(q.full);
    EXPECT_NEAR(q.span, kPi / 2, 1e-12);
    EXPECT_TRUE(near(q.startPoint(), QPointF(60, 50), 1e-9));
    EXPECT_TRUE(near(q.endPoint(), QPointF(50, 40), 1e-9));
    EXPECT_FALSE(q.radiusAtStart || q.radiusAtEnd);

    // Negative angles: a sector (pie) from 90° to 180°; -0 counts as a negative zero.
    const ArcGeometry pie = arcGeometry(QPointF(0, 0), 2, -kPi / 2, -kPi, true);
    EXPECT_TRUE(pie.sector());
    EXPECT_NEAR(pie.start, kPi / 2, 1e-12);
    EXPECT_NEAR(pie.span, kPi / 2, 1e-12);
    EXPECT_TRUE(near(pie.endPoint(), QPointF(-2, 0), 1e-9));
    const ArcGeometry fromZero = arcGeometry(QPointF(0, 0), 2, -0.0, -kPi / 4, true);
    EXPECT_TRUE(fromZero.sector());

    // An end before the start sweeps on through 0.
    const ArcGeometry wrap = arcGeometry(QPointF(0, 0), 1, 3 * kPi / 2, kPi / 2, true);
    EXPECT_NEAR(wrap.span, kPi, 1e-12);
}

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        box.resize(300, 200);
        box.setBackColor(Qt::white);
        box.setScale(0, 0, 300, 400);
    }
    QColor at(int x, int y) const { return box.image().pixelColor(x, y); }
    PictureBox box;
};

TEST_F(PictureBoxTest, LineRunsFromThePenAndPaintsItsEndPointsInTheScale) {
    box.setCurrentX(0);
    box.setCurrentY(200);
    box.lineTo(300, 200, QColor(128, 0, 0));  // across the middle: pixel row 100
    EXPECT_EQ(box.currentX(), 300);
    EXPECT_EQ(at(0, 100), QColor(128, 0, 0));
    EXPECT_EQ(at(299, 100), QColor(128, 0, 0));
    EXPECT_EQ(at(150, 90), QColor(Qt::white));
    ASSERT_EQ(box.operations().size(), 1);
    EXPECT_EQ(box.operations().first().points, QList<QPointF>({QPointF(0, 200), QPointF(300, 200)}));
}

TEST_F(PictureBoxTest, OneSegmentRepaintsOnlyItsOwnNeighbourhood) {
    box.setCurrentX(0);
    box.setCurrentY(0);
    box.setDrawWidth(3);
    box.lineTo(6, 10);
    const QRect dirty = box.lastDirty();
    EXPECT_FALSE(dirty.isEmpty());
    EXPECT_LE(dirty.width(), 12);
    EXPECT_LE(dirty.height(), 12);
    // Far outside the surface: nothing to repaint, and the pen still moves.
    box.line(-5000, 0, -4000, 0, Qt::red);
    EXPECT_TRUE(box.lastDirty().isEmpty());
    EXPECT_EQ(box.currentX(), -4000);
}

TEST_F(PictureBoxTest, ClearingResetsThePenAndTheRecordButKeepsTheBackgroundPicture) {
    QImage pic(20, 20, QImage::Format_RGB32);
    pic.fill(QColor(0, 200, 0));
    box.setPicture(pic, "card.jpg");
    box.line(0, 300, 300, 300, Qt::black);
    box.cls();
    EXPECT_TRUE(box.operations().isEmpty());
    EXPECT_EQ(box.currentY(), 0);
    EXPECT_EQ(at(5, 5), QColor(0, 200, 0));
    EXPECT_EQ(at(100, 150), QColor(Qt::white));
    EXPECT_EQ(box.pictureSource(), "card.jpg");
    box.setPicture(QImage());
    EXPECT_EQ(at(5, 5), QColor(Qt::white));
    EXPECT_TRUE(box.pictureSource().isEmpty());
}

TEST_F(PictureBoxTest, DrawingSurvivesRepaintsAndResizes) {
    box.line(0, 200, 300, 200, Qt::black);
    QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixelColor(150, 100), QColor(Qt::black));
    box.resize(400, 300);  // larger: the old drawing stays where it was
    EXPECT_EQ(at(150, 100), QColor(Qt::black));
    EXPECT_EQ(at(350, 250), QColor(Qt::white));
    EXPECT_EQ(box.scale().pixelWidth, 400);
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 300);  // the user scale is kept
}

TEST_F(PictureBoxTest, FilledSectorAndCircleUseTheFillColour) {
    box.resetScale(ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 300);
    box.setFillStyle(PictureBox::FillStyle::Solid);
    box.setFillColor(QColor(0, 0, 255));
    // A quarter sector up and right of (100, 100).
    box.circle(100, 100, 50, Qt::black, -1e-9, -kPi / 2);
    EXPECT_EQ(at(120, 80), QColor(0, 0, 255));   // inside the quarter
    EXPECT_EQ(at(80, 120), QColor(Qt::white));   // the opposite quarter
    ASSERT_EQ(box.operations().size(), 1);
    EXPECT_EQ(box.operations().first().kind, "pie");
    EXPECT_TRUE(box.operations().first().filled);
    box.circle(250, 100, 20, Qt::black);
    EXPECT_EQ(at(250, 100), QColor(0, 0, 255));
    // An arc is not closed and is never filled.
    box.setFillColor(Qt::red);
    box.circle(100, 100, 30, Qt::black, kPi, 3 * kPi / 2);
    EXPECT_EQ(box.operations().last().kind, "arc");
    EXPECT_FALSE(box.operations().last().filled);
    EXPECT_EQ(at(85, 115), QColor(Qt::white));

    box.resetScale(ScaleMode::Twips);
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 300 * 15);
}

TEST_F(PictureBoxTest, RecordIsBoundedOnASweepThatNeverRestarts) {
    for (int i = 0; i < PictureBox::kMaxOps + 10; ++i) box.lineTo(0, i % 400);
    EXPECT_EQ(box.operations().size(), PictureBox::kMaxOps);
    EXPECT_EQ(box.droppedOperations(), 10);
}

TEST_F(PictureBoxTest, ABoxReachedByTabShowsItsFocusOnTheScreenNotInItsPicture) {
    box.setFocusPolicy(Qt::StrongFocus);
    box.show();
    box.activateWindow();
    box.setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(box.hasFocus());
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixelColor(1, 1), box.palette().color(QPalette::Highlight)) << "a ring at the edge";
    EXPECT_EQ(shown.pixelColor(150, 100), QColor(Qt::white)) << "the picture inside as it is";
    EXPECT_EQ(at(1, 1), QColor(Qt::white)) << "the ring is not drawn into the picture";
    // Without the focus, none.
    box.clearFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(box.grab().toImage().pixelColor(1, 1), QColor(Qt::white));
}

TEST(PictureFitTest, LargePictureIsScaledDownWholeAndFollowsTheSurface) {
    PictureBox box;
    box.resize(300, 200);
    box.setPictureFit(true);
    QImage big(1200, 400, QImage::Format_RGB32);  // 3:1
    big.fill(QColor(10, 20, 30));
    box.setPicture(big, "big.jpg");
    EXPECT_EQ(box.pictureRect(), QRect(0, 50, 300, 100));
    EXPECT_EQ(box.image().pixelColor(150, 100), QColor(10, 20, 30));
    EXPECT_EQ(box.image().pixelColor(150, 20), box.backColor());
    box.resize(600, 600);  // maximised: the picture grows with the area, never past its size
    EXPECT_EQ(box.pictureRect(), QRect(0, 200, 600, 200));
    EXPECT_EQ(box.image().pixelColor(599, 300), QColor(10, 20, 30));
    QImage small(40, 30, QImage::Format_RGB32);
    small.fill(Qt::red);
    box.setPicture(small, "small.jpg");
    EXPECT_EQ(box.pictureRect(), QRect(280, 285, 40, 30));
}

}  // namespace
