// The instrument's file displays, called directly by the other windows: the scope with a
// waveform file, the waveform editor on the current waveform, a picture with its text, a
// scanner report, and the File > Open command.
#pragma once

#include <QString>

// Brings the scope to the front and loads a waveform file (its DMM text and 50 samples).
// A name that is not a waveform file's brings the scope forward and loads nothing. Raises
// the file's error (53 for a missing file) to the caller, after the name, the "Signal"
// reading and the restarted sweep are in place.
void ShowWaveform(const QString& file);
// Opens the waveform editor on the current waveform file, or says that one must be open.
void OpenWaveformEditor();
// Brings the picture device to the front and shows a picture with the text file of the same
// name; whatever cannot be loaded is left as it was.
void ShowPicture(const QString& file);
// Brings the scanner to the front and shows a report (.scn) file. Raises the file's error.
void ShowScanner(const QString& file);
// File > Open: a waveform onto the scope or a picture onto the picture device.
void OpenInstrumentFile();

// A data file's path: an absolute name as it is, a bare or relative one found in the
// program's folder without regard to letter case.
QString instrumentFilePath(const QString& name);
// The whole text of a report or picture text file. Raises 53 when it is missing or not a
// regular file, 7 when it is larger than `maxBytes`, and 13 "Type mismatch" when it holds
// bytes that are not text (a NUL byte).
QString readTextFile(const QString& path, qint64 maxBytes = 1024 * 1024);
