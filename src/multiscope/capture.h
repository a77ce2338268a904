// Keeping what the live screen shows: as a waveform file (the meter text and 50 samples, read
// by the editor, File > Open and the reference) or as a CSV table of every sample for a
// spreadsheet.
//
// A waveform file's samples are in hundredths of three divisions (100/3 sample units a
// division, as the stored screen draws them at its default gain) above the zero line, spread
// evenly across the screen; they are kept within -99..99 as the editor keeps them. So a
// capture opened again draws the screen's trace, at the screen's volts per division.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace scope {

constexpr double kSampleUnitsPerDivision = 100.0 / 3;
constexpr int kFileSamples = 50;

// The 51 records of a waveform file of these screen samples (the first at the left edge, the
// last at the right) at `perDivision` units a division.
QStringList captureRecords(const std::vector<double>& values, double perDivision, const QString& meter);

// A waveform file's samples as levels on a screen of `perDivision` units a division; a sample
// that is no number is NaN, which the screen leaves out.
std::vector<double> levelsOfRecords(const QStringList& samples, double perDivision);

// A column of the table of several traces: its heading's name and unit, its samples from the
// screen's left edge and the time between them.
struct CsvColumn {
    QString name;
    QString unit;
    std::vector<double> values;
    double dt = 0;
};
// The table of several traces: "Time (s)" and a heading "<name> (<unit>)" per column (quoted
// as CSV quotes a field when it holds a comma or a quote), one row
// per sample of the first column; the other columns are read at each row's time (between two
// of their samples, on the line joining them), and left empty beyond their last sample or
// where they hold no number. Lines end in CR LF.
QByteArray captureCsvColumns(const std::vector<CsvColumn>& columns);

}  // namespace scope
