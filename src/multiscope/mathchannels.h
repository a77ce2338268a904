// The Live scope's math channels: a frame worked out from the frames of the channels.
//
// - A − B, A + B: sample by sample, over two frames of the same timing; both channels must read
//   the same unit, which the result keeps (the drop across a connection: the voltage before it
//   less the voltage after it).
// - A × B: sample by sample; its unit is the product of the channels' ("V·V", "V·A": the power
//   a battery gives a starter is its voltage times the clamp's current).
// - Engine speed: the crankshaft's speed in rev/min from a crank sensor's frame. The wheel has
//   sixty tooth pitches a turn with two teeth missing (60-2): the sensor's signal makes one
//   cycle per tooth and one cycle three pitches long across the gap. The cycles are told apart
//   by their rising crossings of the middle between the frame's lowest and highest (with a
//   hysteresis of 10 % of that range, so that noise makes no extra crossing); each interval
//   between two crossings counts as many pitches as it is times the typical interval around it
//   (the median of the four intervals either side), rounded: one for a tooth, three across
//   the gap. The speed is pitches over time (60 pitches a turn: pitches per second = rev/min),
//   over an interval and the whole intervals around it that together last a division at least,
//   so that where the samples fall on the edges hardly moves it. Every sample of the result
//   holds the speed of the interval it lies in (before the first crossing the first interval's,
//   after the last the last one's); the mean is the pitches between the first and last
//   crossing over the time between them.
//
// The results keep no peaks of their own: their lows and highs are their samples. A result
// that cannot be worked out is not valid and says why (its frame is then empty).
#pragma once

#include "multiscope/acquisition.h"

#include <QString>

namespace scope {

enum class MathOperation { Difference, Sum, Product, EngineSpeed };

// "A − B", "A + B", "A × B", "Engine speed (A)": the operation on the channels named.
QString mathName(MathOperation op, const QString& first = QStringLiteral("A"), const QString& second = QStringLiteral("B"));  // as the screen shows it
// The English name, as a file keeps it.
QString mathFileName(MathOperation op, const QString& first = QStringLiteral("A"), const QString& second = QStringLiteral("B"));

struct MathResult {
    bool valid = false;
    Frame frame;
    QString unit;    // "V", "A", "V·A", "rev/min"
    QString reason;  // why it is not valid (for the user); empty when valid
    double mean = 0; // the engine speed's mean over the frame, rev/min (the speed channel only)
};

// The engine speed from a crank sensor's frame (in volts).
MathResult engineSpeed(const Frame& crank, const QString& unit = QStringLiteral("V"));

// The math channel over two channels' frames in their units: A − B, A + B or A × B; the engine
// speed from `a` alone (`b` is not looked at).
MathResult mathChannel(MathOperation op, const Frame& a, const QString& unitA, const Frame& b = {},
                       const QString& unitB = {});

}  // namespace scope
