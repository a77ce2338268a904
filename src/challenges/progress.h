// The progress file: while a challenge runs, each seat keeps one small file of its own in the
// class folder, so that the instructor's dashboard sees during the lesson who is working on
// what, and who seems stuck:
//
//   CLASS/progress/<student id> <seat>.vpr
//
// A JSON object in UTF-8:
//
//   {"format": "Vantorel progress", "version": 1, "student id": "sstudent", "student": "Sam Student",
//    "seat": "lab-07", "challenge": "The battery keeps going flat", "started": "2026-12-08T10:15:02",
//    "seconds": 95, "measurements": 4, "hints": 1, "guided tests": 2, "state": "running",
//    "updated": "2026-12-08T10:16:37"}
//
// "state" is "running" or "finished". The seat rewrites its file whole (writeFileAtomic) when
// the challenge starts, at each measurement, hint and guided test, every few seconds of the
// challenge's clock and at the end; the next challenge at the seat takes the same file. The
// file carries no check: it only shows the lesson as it goes, the attempt file is what counts.
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct ProgressRecord {
    enum class State { Running, Finished };

    QString studentId;  // may be empty (a seat whose classroom asks for an id not typed yet)
    QString student;
    QString seat;
    QString challenge;
    QDateTime started;
    double seconds = 0;  // of the challenge's clock so far
    int measurements = 0;
    int hints = 0;
    int guided = 0;  // guided tests run
    State state = State::Running;
    QDateTime updated;  // by the seat's clock
};

namespace progressfile {
constexpr int kVersion = 1;
// A progress file is a few hundred bytes; anything much larger is not one.
constexpr qint64 kMaxBytes = 64 * 1024;
// A running challenge whose file has not changed for this long is shown as not seen.
constexpr int kStaleSeconds = 120;
// A file that has not changed for this long is of an earlier lesson: the dashboard leaves it out.
constexpr int kForgetSeconds = 8 * 3600;
// The seat rewrites its file at least this often while the challenge runs.
constexpr double kEverySeconds = 5;

QString suffix();  // "vpr"
// The progress folder of a class folder.
QString folderOf(const QString& classFolder);
// The seat's own file name: the student's id (or name when there is none) and the seat, with
// what a file name cannot hold replaced; never hidden.
QString fileNameOf(const QString& studentId, const QString& seat);
QByteArray bytesOf(const ProgressRecord& record);
// False with the problem in a sentence (without the file's name).
bool parse(const QByteArray& bytes, ProgressRecord* out, QString* problem);
// "running" or "finished".
QString stateKey(ProgressRecord::State state);
// The files of a folder that may be progress files (not hidden), sorted by name.
QStringList filesIn(const QString& folder);
}  // namespace progressfile

// What tells a file's versions apart without reading it: its size, modification time and file
// number (a file replaced by an atomic write is a new file). An invalid stamp for a name that
// is not there.
struct FileStamp {
    qint64 size = -1, modified = 0, inode = 0;
    bool valid() const { return size >= 0; }
    bool operator==(const FileStamp& o) const { return size == o.size && modified == o.modified && inode == o.inode; }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};
FileStamp fileStampOf(const QString& path);

// The seat's side: keeps the seat's progress file while a challenge runs. Every write is
// atomic; a class folder that cannot be reached, a link or a read-only file in the file's place
// make it skip the write without a word to the student (lastProblem() keeps why), and the next
// write tries again.
class ProgressWriter {
public:
    // An empty class folder: nothing is ever written.
    explicit ProgressWriter(const QString& classFolder = QString());

    QString folder() const { return folder_; }
    // The seat's file (empty until a challenge started).
    QString file() const { return file_; }

    // A challenge starts: the file is written at once.
    void start(const ProgressRecord& record, double clock);
    // Something the dashboard shows changed (a measurement, a hint, a guided test): written at once.
    void changed(const ProgressRecord& record, double clock);
    // The challenge's clock: written when kEverySeconds have passed since the last write.
    void tick(const ProgressRecord& record, double clock);
    // Whether a tick at this clock writes (so that the caller gathers the record only then).
    bool tickDue(double clock) const { return running_ && clock - lastWrite_ >= progressfile::kEverySeconds; }
    // The challenge ended: written as finished, and no more until the next start.
    void finish(const ProgressRecord& record, double clock);

    bool running() const { return running_; }
    int writes() const { return writes_; }
    const QString& lastProblem() const { return lastProblem_; }

private:
    void write(ProgressRecord record, double clock);

    QString folder_, file_, lastProblem_;
    bool running_ = false;
    double lastWrite_ = 0;
    int writes_ = 0;
};

// The dashboard's side: the progress files of a class folder, read again each time only when
// they changed (a share may hold a file per seat of a whole school).
class ProgressBoard {
    Q_DECLARE_TR_FUNCTIONS(ProgressBoard)
public:
    struct Entry {
        QString file;
        ProgressRecord record;
        // When the file last changed, by the dashboard's clock: when first read, the time the
        // file gives (never later than the dashboard's now), afterwards when a change was seen.
        QDateTime lastSeen;
    };
    struct Problem {
        QString file;
        QString problem;
    };

    // Reads what is new or changed in the progress folder; true when anything shown changed.
    // A folder that is not there yet is no problem (no seat has started a challenge); one that
    // cannot be listed is (folderProblem), and what was read before is kept.
    bool poll(const QString& progressFolder, const QDateTime& now);

    // By student, then seat.
    const QList<Entry>& entries() const { return entries_; }
    const QList<Problem>& problems() const { return problems_; }
    const QString& folderProblem() const { return folderProblem_; }
    // A running challenge whose file has not changed for kStaleSeconds.
    static bool stale(const Entry& e, const QDateTime& now);
    // Of an earlier lesson: not changed for kForgetSeconds (whatever its state).
    static bool forgotten(const Entry& e, const QDateTime& now);
    // How many files were read so far (the unchanged ones are not read again).
    int filesRead() const { return filesRead_; }

private:
    QString folder_;
    QHash<QString, FileStamp> stamps_;
    QHash<QString, Entry> byFile_;
    QHash<QString, QString> problemByFile_;
    QList<Entry> entries_;
    QList<Problem> problems_;
    QString folderProblem_;
    int filesRead_ = 0;
};
