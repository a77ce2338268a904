// Keeping windows on the screen. A window opens at the size and place the program gives it
// wherever that fits; on a smaller screen (a 1366 x 768 laptop) it is moved, and shrunk only
// when it is larger than the screen, so that all of it, title bar and status bar included,
// lies on the screen's available area. A child window is kept inside the main window's
// working area the same way.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QJsonObject;
class QWidget;

// `r` shrunk to at most the size of `area`, then moved the least distance that puts it inside.
QRect fitRect(const QRect& r, const QRect& area);

// The available area (without panels and task bars) of the screen that shows most of `w`,
// or of the primary screen.
QRect availableScreenArea(const QWidget* w);

// The window system's frame round a top-level window; an estimate of a title bar and borders
// while the window system has not told (before the window is first shown).
QMargins windowFrameMargins(const QWidget* w);

// Places a top-level window with its frame's top-left corner at `framePos` and an inside of
// `size`, both brought onto the available screen area.
void placeOnScreen(QWidget* w, const QPoint& framePos, const QSize& size);
// Brings a top-level window, or a child window inside its parent's area, fully into view when
// it is not.
void keepOnScreen(QWidget* w);

// Where a window stands for a script's `show`: "frame" (its outer rectangle in screen
// pixels), "area" (where it has to fit: the screen's available area, or for a child window the
// working area it lives in) and "onscreen" (whether all of it is there).
void describePlacement(const QWidget* w, QJsonObject& out);
