// The Live screen's channel colours, A to D, on its pale back: the traces, the channels' labels
// and the guided tests' pictures use the same.
#pragma once

#include <QColor>

namespace scope {

inline QColor channelColour(int channel) {
    static const QColor colours[] = {QColor(128, 0, 0), QColor(0, 80, 200), QColor(0, 125, 40), QColor(165, 0, 165)};
    return colours[channel >= 0 && channel < 4 ? channel : 0];
}

}  // namespace scope
