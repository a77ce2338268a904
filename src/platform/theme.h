// The look the instrument and the editors are drawn in: the standard one, or the projector's,
// with high-contrast colours, wide traces and larger text for a room that reads the screen from
// afar. The drawing code takes its colours, widths and sizes from here alone.
#pragma once

#include <QColor>
#include <QString>

#include <functional>

class QObject;

namespace theme {

enum class Kind { Standard, Projector };

struct Theme {
    Kind kind = Kind::Standard;
    // The scope screen.
    QColor screenBack;
    QColor grid;        // the divisions
    QColor gridAxis;    // the fifths of a division along the centre lines
    QColor screenText;  // the scales, the measurements, the messages
    QColor trace;       // the single trace (and the stored sweep's)
    QColor channels[4]; // the Live screen's channels A to D
    QColor cursor, cursorActive;
    double gridWidth = 1;       // pixels
    double minTraceWidth = 0;   // pixels: no trace is drawn thinner, whatever the Focus control says
    double screenTextScale = 1; // the screen's text, against the standard size
    // The instrument's panel text and the read-outs under its scale bars, in points.
    double panelPoints = 8;
    double readoutPoints = 7;
};

const Theme& standard();
const Theme& projector();
const Theme& of(Kind kind);

// The theme the program draws in now; Standard until one is chosen.
const Theme& current();
void setCurrent(Kind kind);
// Runs `changed` each time another theme is made current, while `context` lives.
void whenChanged(QObject* context, std::function<void()> changed);

// The width a trace is drawn at: the Focus control's width, never below the theme's least.
double traceWidth(const Theme& t, double focusWidth);

// The settings' text of a theme ("Standard", "Projector") and back; an unknown text is nothing.
QString settingText(Kind kind);
bool fromSettingText(const QString& text, Kind* kind);

// The settings' section and key of the chosen theme.
inline constexpr const char* kSection = "ZRsettings";
inline constexpr const char* kKey = "ZRtheme";

// Reads the chosen theme from the settings and makes it current; a missing or unknown value is
// the standard theme.
void loadFromSettings();

// The WCAG contrast ratio of two opaque colours (1 to 21).
double contrastRatio(const QColor& a, const QColor& b);

}  // namespace theme
