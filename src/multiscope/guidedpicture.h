// What to connect for a guided test: the connection-point cards of the test's points, side by
// side, each headed by its channels (letter in the channel's colour, the point's caption with its
// place) and drawn with the test's probes ringed and the test's scales on the instrument.
#pragma once

#include "multiscope/guidedtests.h"
#include "multiscope/pointpictures.h"
#include "multiscope/probes.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace guided {

// The card that shows a point, and where on it the point's lead goes: the card of the point's
// quantity; a sensor measured at the control unit's pin has its pins probed at the unit's
// connector, the alternator's output its B+ terminal (on the warning light's card, with D+).
struct PointCard {
    QString caption;
    pointpictures::Spot spot = pointpictures::Spot::Card;
};
PointCard cardFor(sim::PointId point);
// What a picture writes beside a channel's letter for the probe the test gives it: "×10" for the
// attenuator, a clamp's sensitivity ("10 mV/A"); nothing for the plain lead, the HT pick-up or the
// pressure transducer, which the drawing shows.
QString probeTag(const scope::ProbeSetting& probe);

struct PictureCard {
    QRect rect;                 // the card with its heading, in the picture
    QRect drawing;              // the drawing under the heading
    QString caption;            // the drawing's caption
    std::vector<int> channels;  // the test's channels on it, A = 0
    QStringList heading;        // a line per channel: "A: Engine speed (ECU picture, at the ECU pin)"
    QStringList plate;          // the instrument plate's lines
    QStringList probes;         // per channel on it: the probe's setting written beside its letter
};

struct ConnectionPicture {
    QImage image;
    std::vector<PictureCard> cards;
    std::vector<QPointF> rings;   // per channel: the centre of its ring (its probe's tip), in the picture
    std::vector<qreal> radii;     // per channel: the ring's radius
    QStringList problems;         // labels cut off or overlapping, a lead a card cannot show
};

// The picture of a test with where everything in it stands.
ConnectionPicture connectionLayout(const GuidedTest& test);
// The picture alone.
QImage connectionPicture(const GuidedTest& test);

}  // namespace guided
