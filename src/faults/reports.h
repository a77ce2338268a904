// The scanner's two report files: the fault-code list (Faults.scn) and the live-data
// snapshot (Scanner.scn), whose lines sim/snapshot.h works out. Plain ANSI text, every line ended by CR LF, rewritten whole.
#pragma once

#include <QString>
#include <QStringList>

namespace reports {

// A report file about to be written: checking that it can be made is the first step, so a
// report that cannot be created stops the scan before anything else happens. Opening
// raises VbError 76 "Path not found" when the folder does not exist and 75 "Path/File
// access error" when the file cannot be created there; writing raises 75, 61 or 57. The
// report is replaced whole: a failed write leaves the previous report as it was.
class ReportFile {
public:
    explicit ReportFile(const QString& path);

    // Writes the lines, each ended by CR LF.
    void write(const QStringList& lines);

private:
    QString path_;
};

// Writes a report whose file was checked already (a ReportFile made for it): the check is not
// made again, a write that fails still raises its error.
void writeChecked(const QString& path, const QStringList& lines);

// Checks and writes the report in one step.
void writeReport(const QString& path, const QStringList& lines);

}  // namespace reports
