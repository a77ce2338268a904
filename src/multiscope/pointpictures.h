// The connection-point pictures: one labelled drawing per connection-point caption, in the style
// of the starting and charging windows' component pictures. The data tool saves them for the
// instrument's picture viewer; the guided tests draw them again with their channels marked.
//
// Only Qt Gui: the data tool builds this file on its own.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <vector>

namespace pointpictures {

// A card is drawn at 250 x 180 and saved at twice that size.
constexpr int kCardWidth = 250;
constexpr int kCardHeight = 180;
constexpr int kScale = 2;

// Where on a card a channel's signal lead goes.
enum class Spot {
    Card,              // where the card puts its signal probe, current clamp or HT pick-up
    ControlUnitPin,    // a sensor's signal, back-probed at the control unit's connector
    AlternatorOutput,  // the alternator's output terminal (B+)
};

// One channel on a card: its letter and colour, its scale for the instrument's plate ("1 V/div")
// and where its lead goes.
struct ChannelMark {
    QChar letter;
    QColor colour;
    QString scale;
    Spot spot = Spot::Card;
    QString probe;  // the probe's setting, beside the letter ("×10", "10 mV/A"); empty for the plain lead
};

// The channels a card shows (one or two) and the time base they share.
struct Marking {
    std::vector<ChannelMark> channels;
    QString timebase;
};

struct Card {
    QImage image;                 // kScale times the card's size
    std::vector<QPointF> tips;    // per marked channel: its probe's tip or its clamp's centre, in the image's pixels
    std::vector<qreal> rings;     // per marked channel: the ring's radius there, in the image's pixels
    QStringList plate;            // the instrument plate's lines, top down
    QStringList probes;           // per marked channel: the probe's setting as drawn beside its letter
    QStringList problems;         // a label cut off or running into another, a place the card has no lead for
};

// The captions that have a drawing, in the order they are drawn.
QStringList pictureCaptions();
// Whether the card of a caption can show a lead at a spot.
bool hasSpot(const QString& caption, Spot spot);

// Draws the card of a caption: as the picture viewer shows it, or with its channels marked (each
// channel's lead at its spot with a ring in its colour, the plate showing the channels' scales
// and the time base). An unknown caption gives a null image and a problem.
Card drawCard(const QString& caption, const Marking* marking = nullptr);

// Draws every picture into FOLDER as caption + ".jpg"; false (with a message on standard
// error) when one cannot be written.
bool buildPictures(const QString& folder);

}  // namespace pointpictures
