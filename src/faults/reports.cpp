#include "reports.h"

#include "platform/files.h"
#include "platform/numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace reports {

ReportFile::ReportFile(const QString& path) : path_(path) { checkWritableTarget(path); }

void ReportFile::write(const QStringList& lines) { writeChecked(path_, lines); }

void writeChecked(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
    // Rewritten every second while the engine runs: the scanner must never read half a
    // report, but the report need not survive a power cut, and an unchanged one is left alone.
    AtomicWrite how;
    how.durable = false;
    how.skipUnchanged = true;
    writeFileAtomic(path, bytes, how);
}

void writeReport(const QString& path, const QStringList& lines) { ReportFile(path).write(lines); }

}  // namespace reports
