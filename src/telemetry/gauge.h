// The telemetry gauges: the channel list of the gauge options with its full-scale values,
// the geometry of the bar and of the clock dial, and DrawGauge, which paints one gauge.
#pragma once

#include "platform/vbtypes.h"

#include <QString>
#include <QVector>

class PictureBox;

namespace telemetry {

constexpr double kGaugePi = 3.1415928;

struct ChannelEntry {
    QString text;   // "05 Engine Speed"
    int channel;    // 0..11
    int fullScale;  // 0: the gauge keeps its full scale
};
// The input source list, "00 Select Input Source..." first.
const QVector<ChannelEntry>& channelEntries();
// An entry as the list shows it, in the program's language ("05 Motordrehzahl"): the number
// and the space in front stay as they are.
QString shownEntry(const ChannelEntry& entry);
// The full-scale value OK assigns for a channel; 0 for channel 0 or one out of range.
int fullScaleOf(int channel);

// The bar runs from x 25 on a scale 150 wide and 30 high; its end for a fraction of full scale.
inline double barEnd(double fraction) { return 25 + 100 * fraction; }

}  // namespace telemetry

// Paints a gauge on its picture: a bar when the style is exactly "Bar", a clock dial about
// (centreX, centreY) pixels otherwise. The fraction is the reading over full scale, nothing
// clamped; a clock replaces it by 1 - fraction. GaugeIndex names the gauge whose bar
// background is shown or hidden.
void DrawGauge(PictureBox* picture, const QString& style, Integer centreX, Integer centreY, float& fraction);
