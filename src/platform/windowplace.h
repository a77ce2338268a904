// Where a window was left: its frame's place and size, kept in the settings as
// "left,top,width,height" in twips and read back when the window is next shown.
#pragma once

#include <QRect>
#include <QString>

#include <optional>

namespace windowplace {

// The text kept for a frame's rectangle in twips.
QString text(const QRect& twips);
// The rectangle a kept text gives; nothing when the text is not four whole numbers of a window
// that could stand on a screen (at least 100 x 100 pixels, within a million twips).
std::optional<QRect> parse(const QString& text);

// The settings section of the windows' places, and a window's key in it.
inline constexpr const char* kSection = "Windows";
QString key(const QString& formName);

}  // namespace windowplace
