// The Live screen in words, for a screen reader: the channels and their scales, the time base,
// the trigger and its state, the cursors' read-outs, the measurements and any notice across the
// screen. Kept as the screen's accessible description while it is drawn.
#pragma once

#include "multiscope/scopescreen.h"

#include <QString>

namespace scope {

QString describeScreen(const ScreenView& view);

}  // namespace scope
