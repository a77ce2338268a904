// What the other windows ask of the waveform editor, and the rules of its cells, without the
// editor's window.
#pragma once

#include <QString>

namespace waveedit {

constexpr int kSamples = 50;  // cells 1..50; cell 0 is the meter text

// The number a cell's text starts with: leading blanks, a sign, digits with an optional
// fraction and exponent ("12abc" reads 12, "abc" and "" read 0, "1e400" reads infinity).
// Words such as "nan" and "inf" are not numbers here and read 0.
double leadingNumber(const QString& text);
// A sample cell's text after the range rules: empty or a leading number of 0 gives "0",
// 99 or more "99", -99 or less "-99"; anything strictly between is kept as typed.
QString validSample(const QString& text);

// Shows the editor on CurrentWaveformFile (see frmWaveEdit::openOnCurrentWaveform).
void openOnCurrentWaveform();
// True while the editor is loaded and shown.
bool editorShown();

}  // namespace waveedit
