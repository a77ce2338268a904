// Files the program reads and writes for the user.
//
// Every file written for the user goes through writeFileAtomic: the bytes go to a temporary
// file in the target's folder, which is then renamed over the target, so a reader never sees a
// half-written file and a failed write leaves the previous file whole. A symbolic link is
// written through to its target and never replaced itself; a link that leads nowhere or round
// in a loop, and a read-only file, are refused. A failed write removes its temporary; one that
// cannot be removed then (its folder went away with a share) is tried again at every later
// write, and, through the journal of writes in progress, at the next start.
//
// Data files are read only when they are regular files (a FIFO or a device named like a data
// file is reported as missing, never waited on), and text is read as UTF-8, falling back to
// Latin-1 when the bytes are not valid UTF-8.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct AtomicWrite {
    // Forces the data to disk before the rename: for documents the user saves. A report that
    // is rewritten every second needs atomicity for its readers, not durability.
    bool durable = true;
    // Leaves the file alone when it already holds exactly these bytes.
    bool skipUnchanged = false;
};

// Raises VbError 76 "Path not found" when the folder does not exist, 75 "Path/File access
// error" when the file cannot be created or replaced (no permission, the name is a folder),
// 61 "Disk full" when the disk or a size limit is reached and 57 "Device I/O error" for any
// other write failure. Returns false when the write was skipped because nothing changed.
bool writeFileAtomic(const QString& path, const QByteArray& bytes, const AtomicWrite& how = AtomicWrite());

// Keeps the journal of writes in progress in `folder` (made when first needed), and clears what
// earlier runs left there: each temporary file is listed in the journal before it is made and
// struck off once it is renamed or removed, so a run that was killed leaves a journal listing
// its temporaries. Every journal that no running program holds is read; each temporary it
// still lists is removed when it is there, a regular file and named as a temporary; those in
// a folder that cannot be reached now (a share not mounted) stay listed, for a later start, up
// to 30 days. Returns how many temporaries were removed. Without a usable folder (read-only,
// full) the writes go on without a journal.
int startWriteJournal(const QString& folder);

// Raises the error that creating the file would raise, without writing anything: the folder
// is missing (76), or the name is not a file that can be replaced there (75): a folder or
// device, or a file without write permission (one the user made read-only, which is refused
// even where the process could replace it).
void checkWritableTarget(const QString& path);

// The file a write of path replaces: path itself, or for a symbolic link the file it leads to
// (the link is kept). Raises 75 for a link that leads nowhere or round in a loop.
QString writeTargetOf(const QString& path);

// Removes the temporary files (".NAME.XXXXXX"; a name too long to take the eight letters more
// is cut short there) that a program killed while writing left in folder, when they are older
// than a minute (a write in progress takes milliseconds): those of
// the files named, or of any file when no name is given (for the program's own folders, not a
// shared one); returns how many went.
int removeStaleTemporaries(const QString& folder, const QStringList& names = QStringList());

// The whole file when it is a regular file of at most maxBytes; raises 53 "File not found"
// when it is missing or not a regular file, 7 "Out of memory" when it is larger and 75 when
// it cannot be read.
QByteArray readRegularFile(const QString& path, qint64 maxBytes = 16 * 1024 * 1024);

// At most the first maxBytes of a regular file, for readers that need only the start of a
// file that may be huge; *whole (when given) tells whether that was all of it. Raises 53 and
// 75 as readRegularFile does.
QByteArray readRegularFileHead(const QString& path, qint64 maxBytes, bool* whole = nullptr);

// UTF-8 when the bytes are valid UTF-8, Latin-1 otherwise; a UTF-8 byte-order mark is dropped.
QString decodeText(const QByteArray& bytes);

// True for an existing regular file (not a folder, FIFO, socket or device).
bool isRegularFile(const QString& path);
