// What to connect for a guided test: each channel ringed where a probe or clamp is drawn on a card
// of its point, the cards of a test side by side without overlap, the instrument's plate giving
// the test's own settings, the probe's setting beside the letter, a place a card cannot show
// reported, and the guide showing every test's picture as the program draws it.
#include "testing.h"

#include "multiscope/channelcolours.h"
#include "multiscope/guidedpicture.h"
#include "multiscope/guidedtests.h"
#include "multiscope/pointpictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLineF>

#include <cmath>
#include <set>

using guided::GuidedTest;

namespace {

bool near(QRgb pixel, const QColor& colour, int tolerance) {
    return std::abs(qRed(pixel) - colour.red()) < tolerance && std::abs(qGreen(pixel) - colour.green()) < tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) < tolerance;
}

// Pixels within `inner`..`outer` of a centre that are near a colour.
int countNear(const QImage& image, QPointF centre, qreal inner, qreal outer, const QColor& colour, int tolerance = 40) {
    int n = 0;
    for (int y = int(centre.y() - outer); y <= int(centre.y() + outer); ++y)
        for (int x = int(centre.x() - outer); x <= int(centre.x() + outer); ++x) {
            const qreal d = std::hypot(x - centre.x(), y - centre.y());
            if (d < inner || d > outer || !image.valid(x, y)) continue;
            if (near(image.pixel(x, y), colour, tolerance)) ++n;
        }
    return n;
}

}  // namespace

TEST(GuidedPicture, EveryChannelIsRingedInItsColourOnItsCardWhereAProbeOrClampIsDrawn) {
    const QColor probeRed(200, 40, 30), clampGold(230, 180, 40);
    for (const GuidedTest& t : guided::library()) {
        SCOPED_TRACE(t.key.toStdString());
        const guided::ConnectionPicture picture = guided::connectionLayout(t);
        EXPECT_TRUE(picture.problems.isEmpty()) << picture.problems.join("; ").toStdString();
        ASSERT_FALSE(picture.image.isNull());
        ASSERT_EQ(picture.rings.size(), t.channels.size());
        // Every channel on one card; no more cards than points.
        std::set<sim::PointId> points;
        std::vector<int> cardOf(t.channels.size(), -1);
        for (std::size_t k = 0; k < picture.cards.size(); ++k)
            for (int c : picture.cards[k].channels) {
                EXPECT_EQ(cardOf[std::size_t(c)], -1) << "channel " << c << " on two cards";
                cardOf[std::size_t(c)] = int(k);
            }
        for (const auto& ch : t.channels) points.insert(ch.point);
        EXPECT_LE(picture.cards.size(), points.size());
        EXPECT_FALSE(picture.cards.empty());
        for (std::size_t c = 0; c < t.channels.size(); ++c) {
            SCOPED_TRACE(c);
            ASSERT_GE(cardOf[c], 0) << "a channel on no card";
            const guided::PictureCard& card = picture.cards[std::size_t(cardOf[c])];
            const QPointF at = picture.rings[c];
            EXPECT_TRUE(QRectF(card.drawing).contains(at)) << "the ring is off its card";
            // The ring in the channel's colour.
            const qreal r = picture.radii[c];
            EXPECT_GT(countNear(picture.image, at, r - 2, r + 2, scope::channelColour(int(c)), 30), int(r * 2))
                << "no ring in the channel's colour";
            // Inside it, the probe's red marker or the clamp's jaw.
            const int lead = countNear(picture.image, at, 3, r - 4, probeRed) + countNear(picture.image, at, 3, r - 4, clampGold);
            EXPECT_GT(lead, 10) << "no probe or clamp inside the ring";
        }
    }
}

TEST(GuidedPicture, CardsStandSideBySideWithinThePictureEachHeadedByItsChannels) {
    for (const GuidedTest& t : guided::library()) {
        SCOPED_TRACE(t.key.toStdString());
        const guided::ConnectionPicture picture = guided::connectionLayout(t);
        const QRect whole = picture.image.rect();
        for (std::size_t k = 0; k < picture.cards.size(); ++k) {
            const guided::PictureCard& card = picture.cards[k];
            EXPECT_TRUE(whole.contains(card.rect));
            EXPECT_TRUE(card.rect.contains(card.drawing));
            EXPECT_GT(card.drawing.top(), card.rect.top()) << "no room for the heading";
            ASSERT_EQ(card.heading.size(), qsizetype(card.channels.size()));
            for (qsizetype i = 0; i < card.heading.size(); ++i) {
                const int c = card.channels[std::size_t(i)];
                EXPECT_TRUE(card.heading[i].startsWith(QString(QChar('A' + c)) + ": ")) << card.heading[i].toStdString();
                EXPECT_TRUE(card.heading[i].contains(sim::captionWithPlace(t.channels[std::size_t(c)].point)));
            }
            for (std::size_t j = k + 1; j < picture.cards.size(); ++j)
                EXPECT_FALSE(card.rect.intersects(picture.cards[j].rect)) << "cards overlap";
        }
    }
    // Two points, two cards beside each other; a test's two channels on one part, one card.
    const guided::ConnectionPicture two = guided::connectionLayout(*guided::testForKey("primary-secondary"));
    ASSERT_EQ(two.cards.size(), 2u);
    EXPECT_EQ(two.cards[0].rect.top(), two.cards[1].rect.top());
    EXPECT_GT(two.cards[1].rect.left(), two.cards[0].rect.right());
    const guided::ConnectionPicture shared = guided::connectionLayout(*guided::testForKey("charging"));
    ASSERT_EQ(shared.cards.size(), 1u);
    EXPECT_EQ(shared.cards[0].channels, (std::vector<int>{0, 1}));
    EXPECT_GT(QLineF(shared.rings[0], shared.rings[1]).length(), 20) << "both rings on one terminal";
}

TEST(GuidedPicture, ThePlateShowsTheTestsSettingsNotTheStoredCards) {
    const guided::ConnectionPicture crank = guided::connectionLayout(*guided::testForKey("crank-sensor"));
    ASSERT_EQ(crank.cards.size(), 1u);
    EXPECT_EQ(crank.cards[0].plate, (QStringList{"MultiScope", "A: 2 V/div", "10 ms/div"}));
    // The card as the picture viewer shows it keeps its own.
    EXPECT_EQ(pointpictures::drawCard("Engine speed").plate, (QStringList{"MultiScope", "2 V/div", "2 ms/div"}));

    const guided::ConnectionPicture charging = guided::connectionLayout(*guided::testForKey("charging"));
    ASSERT_EQ(charging.cards.size(), 1u);
    EXPECT_EQ(charging.cards[0].plate, (QStringList{"MultiScope", "A: 4 V/div", "B: 4 V/div", "1 ms/div"}));
    const guided::ConnectionPicture cranking = guided::connectionLayout(*guided::testForKey("cranking-battery"));
    ASSERT_EQ(cranking.cards.size(), 2u);
    EXPECT_EQ(cranking.cards[1].plate, (QStringList{"MultiScope", "B: 50 A/div", "100 ms/div"}));
}

TEST(GuidedPicture, AProbeOtherThanThePlainLeadIsNamedBesideItsLetter) {
    const auto probes = [](const char* key) {
        QStringList all;
        for (const guided::PictureCard& card : guided::connectionLayout(*guided::testForKey(key)).cards) all << card.probes;
        return all;
    };
    // The coil's primary spikes need the attenuator; a pump's few amperes the fine clamp, a
    // starter's hundreds the coarse one; the pick-up and the plain lead show as drawn.
    EXPECT_EQ(probes("ignition-primary"), QStringList{QString::fromUtf8("×10")});
    EXPECT_EQ(probes("fuel-pump"), QStringList{"100 mV/A"});
    EXPECT_EQ(probes("cranking-battery"), (QStringList{"", "10 mV/A"}));
    EXPECT_EQ(probes("primary-secondary"), (QStringList{QString::fromUtf8("×10"), ""}));
    EXPECT_EQ(probes("crank-sensor"), QStringList{""});
}

TEST(GuidedPicture, SensorsMeasuredAtTheUnitAreProbedAtItsConnector) {
    // The stored card probes the sensor's own connector; the test's point is the unit's pin, so the
    // ring stands further along the harness, at the unit.
    pointpictures::Marking atUnit{{{'A', Qt::red, "1 V/div", pointpictures::Spot::ControlUnitPin}}, "1 ms/div"};
    pointpictures::Marking atSensor{{{'A', Qt::red, "1 V/div", pointpictures::Spot::Card}}, "1 ms/div"};
    for (const QString& caption : {"Engine speed", "Engine load %", "Temperature", "Lambda", "Knock"}) {
        SCOPED_TRACE(caption.toStdString());
        const pointpictures::Card unit = pointpictures::drawCard(caption, &atUnit);
        const pointpictures::Card sensor = pointpictures::drawCard(caption, &atSensor);
        EXPECT_TRUE(unit.problems.isEmpty()) << unit.problems.join("; ").toStdString();
        ASSERT_EQ(unit.tips.size(), 1u);
        ASSERT_EQ(sensor.tips.size(), 1u);
        EXPECT_GT(unit.tips[0].x(), sensor.tips[0].x() + 40);
        EXPECT_NEAR(unit.tips[0].y(), sensor.tips[0].y(), 1) << "another wire than the signal's";
    }
    EXPECT_EQ(guided::cardFor(sim::PointId::SpeedSensorPin).spot, pointpictures::Spot::ControlUnitPin);
    EXPECT_EQ(guided::cardFor(sim::PointId::SpeedSensorWire).spot, pointpictures::Spot::Card);
    EXPECT_EQ(guided::cardFor(sim::PointId::Injector).spot, pointpictures::Spot::Card);
}

TEST(GuidedPicture, APlaceACardCannotShowIsReportedNotDrawnElsewhere) {
    pointpictures::Marking atUnit{{{'A', Qt::red, "2 A/div", pointpictures::Spot::ControlUnitPin}}, "1 ms/div"};
    const pointpictures::Card pump = pointpictures::drawCard("Fuel pump", &atUnit);
    EXPECT_FALSE(pump.problems.isEmpty());
    ASSERT_EQ(pump.tips.size(), 1u);
    EXPECT_LT(pump.tips[0].x(), 0);
    EXPECT_FALSE(pointpictures::hasSpot("Fuel pump", pointpictures::Spot::ControlUnitPin));

    const pointpictures::Card none = pointpictures::drawCard("No such part");
    EXPECT_TRUE(none.image.isNull());
    EXPECT_FALSE(none.problems.isEmpty());
}

TEST(GuidedPicture, EveryCardTheTestsUseCanShowItsLeads) {
    for (const GuidedTest& t : guided::library())
        for (const auto& ch : t.channels) {
            const guided::PointCard card = guided::cardFor(ch.point);
            EXPECT_TRUE(pointpictures::hasSpot(card.caption, card.spot))
                << t.key.toStdString() << ": " << sim::captionWithPlace(ch.point).toStdString();
        }
}

TEST(GuidedPicture, TheGuideShowsEveryTestsPictureAsTheProgramDrawsIt) {
    const QString help = qEnvironmentVariable("VANTOREL_DATA") + QStringLiteral("/help/");
    QFile file(help + QStringLiteral("guided-tests.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the guide's page of the guided tests";
    const QString page = QString::fromUtf8(file.readAll());
    for (const GuidedTest& t : guided::library()) {
        SCOPED_TRACE(t.key.toStdString());
        const qsizetype at = page.indexOf(QStringLiteral("<h2 id=\"%1\">").arg(t.key));
        ASSERT_GE(at, 0) << "no section";
        const qsizetype next = page.indexOf(QStringLiteral("<h2"), at + 4);
        const QString section = page.mid(at, next < 0 ? -1 : next - at);
        const QString name = QStringLiteral("images/guided-%1.png").arg(t.key);
        EXPECT_TRUE(section.contains(QStringLiteral("<img src=\"%1\"").arg(name))) << "no picture in its section";
        const QImage shipped(help + name);
        ASSERT_FALSE(shipped.isNull()) << "no picture file " << name.toStdString();
        // Made again after a change to the drawing (cmake --build build --target guided_pictures).
        EXPECT_EQ(shipped.size(), guided::connectionPicture(t).size()) << "the guide's picture is out of date";
    }
}
