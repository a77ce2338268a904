// The look shared by every component picture, in the windows and in the pictures the data
// tool draws for the instrument: the card backdrop, metal, copper windings and laminations.
// Needs QtGui only, so the data tool builds it too.
#pragma once

#include <QLinearGradient>
#include <QRectF>

class QPainter;

namespace art {

// A vertical (top to bottom) and a horizontal (left to right) shine on a metal part.
QLinearGradient metalV(qreal top, qreal bottom, const QColor& base);
QLinearGradient metalH(qreal left, qreal right, const QColor& base);
// A wound coil, its turns across the long side.
void copperCoil(QPainter& p, const QRectF& r, bool vertical);
// A laminated iron core.
void laminations(QPainter& p, const QRectF& r);
// The card every picture is drawn on: rounded, with a light vertical gradient.
void cardBackdrop(QPainter& p, qreal width, qreal height);

}  // namespace art
