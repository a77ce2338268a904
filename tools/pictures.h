// The connection-point pictures that the instrument's picture viewer shows: one labelled
// drawing per connection point, named after the point's caption, drawn at build time in the
// style of the starting and charging windows' component pictures.
#pragma once

#include <QString>
#include <QStringList>

// The captions that have a drawing, in the order they are drawn.
QStringList pictureCaptions();

// Draws every picture into FOLDER as caption + ".jpg"; false (with a message on standard
// error) when one cannot be written.
bool buildPictures(const QString& folder);
