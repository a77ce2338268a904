#include "challenges/progress.h"

#include "platform/files.h"
#include "platform/vbtypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace progressfile {
namespace {
const QString kFormat = QStringLiteral("Vantorel progress");
const char* const kTimeFormat = "yyyy-MM-ddTHH:mm:ss";
constexpr int kMaxField = 500;  // characters of a name or title the file may hold
}  // namespace

QString suffix() { return QStringLiteral("vpr"); }

QString folderOf(const QString& classFolder) { return QDir(classFolder).filePath(QStringLiteral("progress")); }

QString fileNameOf(const QString& studentId, const QString& seat) {
    static const QRegularExpression notInNames(QStringLiteral("[^\\w .@-]"), QRegularExpression::UseUnicodePropertiesOption);
    auto part = [](QString text, const char* none) {
        text.replace(notInNames, QStringLiteral("_"));
        text = text.simplified().left(60);
        return text.isEmpty() ? QString::fromLatin1(none) : text;
    };
    QString name = part(studentId, "student") + u' ' + part(seat, "seat");
    if (name.startsWith(u'.')) name[0] = u'_';
    return name + u'.' + suffix();
}

QString stateKey(ProgressRecord::State state) {
    return state == ProgressRecord::State::Finished ? QStringLiteral("finished") : QStringLiteral("running");
}

QByteArray bytesOf(const ProgressRecord& r) {
    const QJsonObject o{{"format", kFormat},
                        {"version", kVersion},
                        {"student id", r.studentId},
                        {"student", r.student},
                        {"seat", r.seat},
                        {"challenge", r.challenge},
                        {"started", r.started.toString(kTimeFormat)},
                        {"seconds", std::round(r.seconds)},
                        {"measurements", r.measurements},
                        {"hints", r.hints},
                        {"guided tests", r.guided},
                        {"state", stateKey(r.state)},
                        {"updated", r.updated.toString(kTimeFormat)}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool parse(const QByteArray& bytes, ProgressRecord* out, QString* problem) {
    auto fail = [problem](const QString& why) {
        *problem = why;
        return false;
    };
    if (bytes.size() > kMaxBytes)
        return fail(QCoreApplication::translate("ProgressBoard", "The file is larger than %1 KB.").arg(kMaxBytes / 1024));
    if (bytes.trimmed().isEmpty()) return fail(QCoreApplication::translate("ProgressBoard", "The file is empty."));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return fail(QCoreApplication::translate(
            "ProgressBoard", "The file is not a progress file: it is not a JSON object (it may be cut short or damaged)."));
    const QJsonObject o = doc.object();
    if (o.value("format").toString() != kFormat)
        return fail(QCoreApplication::translate("ProgressBoard", "The file is not a progress file: its format is not \"%1\".")
                        .arg(kFormat));
    if (!o.value("version").isDouble()) return fail(QCoreApplication::translate("ProgressBoard", "The file gives no version."));
    if (o.value("version").toDouble() != kVersion)
        return fail(QCoreApplication::translate("ProgressBoard", "The file is of version %1; this program reads version %2.")
                        .arg(o.value("version").toDouble())
                        .arg(kVersion));
    ProgressRecord r;
    QStringList missing;
    auto text = [&](const char* name, bool needed) {
        const QJsonValue v = o.value(name);
        if (!v.isString() || v.toString().size() > kMaxField || (needed && v.toString().trimmed().isEmpty())) missing << name;
        return v.toString();
    };
    auto count = [&](const char* name, double hi) {
        const QJsonValue v = o.value(name);
        const double x = v.toDouble(-1);
        if (v.isDouble() && x >= 0 && x <= hi) return x;
        missing << name;
        return 0.0;  // never cast out of range
    };
    auto time = [&](const char* name) {
        const QDateTime t = QDateTime::fromString(o.value(name).toString(), kTimeFormat);
        if (!t.isValid()) missing << name;
        return t;
    };
    r.studentId = text("student id", false).trimmed();
    r.student = text("student", false);
    r.seat = text("seat", false);
    r.challenge = text("challenge", true);
    r.started = time("started");
    r.seconds = count("seconds", 1e7);
    r.measurements = int(count("measurements", 1e6));
    r.hints = int(count("hints", 1000));
    r.guided = int(count("guided tests", 1e6));
    r.updated = time("updated");
    const QString state = o.value("state").toString();
    if (state == stateKey(ProgressRecord::State::Running)) r.state = ProgressRecord::State::Running;
    else if (state == stateKey(ProgressRecord::State::Finished)) r.state = ProgressRecord::State::Finished;
    else missing << "state";
    if (r.studentId.isEmpty() && r.student.trimmed().isEmpty() && !missing.contains("student")) missing << "student";
    if (!missing.isEmpty()) {
        missing.removeDuplicates();
        return fail(QCoreApplication::translate("ProgressBoard", "The file lacks a usable %1.").arg(missing.join(", ")));
    }
    *out = r;
    return true;
}

QStringList filesIn(const QString& folder) {
    QStringList names = QDir(folder).entryList({QStringLiteral("*.") + suffix()}, QDir::Files | QDir::System, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(), [](const QString& n) { return n.startsWith(u'.'); }), names.end());
    return names;
}
}  // namespace progressfile

FileStamp fileStampOf(const QString& path) {
    FileStamp s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return s;
    s.size = st.st_size;
    s.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = qint64(st.st_ino);
    return s;
}

// ---- The seat ----

ProgressWriter::ProgressWriter(const QString& classFolder) : folder_(classFolder.isEmpty() ? QString() : progressfile::folderOf(classFolder)) {}

void ProgressWriter::start(const ProgressRecord& record, double clock) {
    if (folder_.isEmpty()) return;
    file_ = QDir(folder_).filePath(progressfile::fileNameOf(record.studentId.isEmpty() ? record.student : record.studentId,
                                                            record.seat));
    running_ = true;
    write(record, clock);
}

void ProgressWriter::changed(const ProgressRecord& record, double clock) {
    if (running_) write(record, clock);
}

void ProgressWriter::tick(const ProgressRecord& record, double clock) {
    if (tickDue(clock)) write(record, clock);
}

void ProgressWriter::finish(const ProgressRecord& record, double clock) {
    if (!running_) return;
    ProgressRecord last = record;
    last.state = ProgressRecord::State::Finished;
    write(last, clock);
    running_ = false;
}

void ProgressWriter::write(ProgressRecord record, double clock) {
    lastWrite_ = clock;  // a write that fails waits as long as one that went through
    if (file_.isEmpty()) return;
    try {
        // The class folder holds the attempts folder the administrator made: a share that is not
        // mounted leaves an empty mount point, and nothing of the seat's is written there.
        const QFileInfo cls(QFileInfo(folder_).path());
        const QFileInfo attempts(QDir(cls.filePath()).filePath(QStringLiteral("attempts")));
        if (!attempts.isDir()) {
            lastProblem_ = QCoreApplication::translate("ProgressBoard", "The class folder cannot be reached.");
            return;
        }
        const QFileInfo folder(folder_);
        if (folder.isSymLink() || QFileInfo(file_).isSymLink()) {
            lastProblem_ = QCoreApplication::translate("ProgressBoard", "The progress file or its folder is a link.");
            return;
        }
        if (!folder.isDir()) {
            // Every seat of the class adds its own file; the sticky bit keeps each from replacing
            // or removing another's. Another seat may make it at the same moment.
            const QByteArray path = QFile::encodeName(folder_);
            if (::mkdir(path.constData(), 0777) == 0) ::chmod(path.constData(), 01777);
            else if (!QFileInfo(folder_).isDir()) {
                lastProblem_ = QCoreApplication::translate("ProgressBoard", "The progress folder cannot be made.");
                return;
            }
        }
        AtomicWrite how;
        how.durable = false;  // rewritten every few seconds: its readers need it whole, not on disk
        writeFileAtomic(file_, progressfile::bytesOf(record), how);
        lastProblem_.clear();
        ++writes_;
    } catch (const VbError& e) {
        lastProblem_ = e.description;
    }
}

// ---- The dashboard ----

bool ProgressBoard::poll(const QString& progressFolder, const QDateTime& now) {
    bool changed = false;
    if (progressFolder != folder_) {
        folder_ = progressFolder;
        changed = !byFile_.isEmpty() || !problemByFile_.isEmpty();
        stamps_.clear();
        byFile_.clear();
        problemByFile_.clear();
    }
    QString folderProblem;
    const QFileInfo info(progressFolder);
    if (info.exists() && !info.isDir()) {
        folderProblem = tr("The progress folder is not a folder.");
    } else if (!info.exists() && !stamps_.isEmpty()) {
        // It was there: the share went away (or the folder was removed), and the seats read
        // before stay on the board until they are seen again or go stale.
        folderProblem = tr("The progress folder cannot be found.");
    } else if (info.isDir()) {
        std::error_code error;
        std::filesystem::directory_iterator probe(std::filesystem::path(QFile::encodeName(progressFolder).toStdString()), error);
        if (error) folderProblem = tr("The progress folder cannot be listed (%1).").arg(QString::fromStdString(error.message()));
    }
    if (folderProblem != folderProblem_) {
        folderProblem_ = folderProblem;
        changed = true;
    }
    // What could not be listed now is kept as it was read: a share that goes away for a moment
    // does not empty the board.
    if (!folderProblem_.isEmpty()) return changed;

    const QStringList names = info.isDir() ? progressfile::filesIn(progressFolder) : QStringList();
    const QDir dir(progressFolder);
    QHash<QString, FileStamp> seen;
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        const FileStamp stamp = fileStampOf(path);
        if (!stamp.valid()) continue;  // gone since the listing
        seen.insert(name, stamp);
        if (stamps_.value(name) == stamp) continue;
        changed = true;
        ++filesRead_;
        ProgressRecord r;
        QString problem;
        try {
            if (!progressfile::parse(readRegularFileHead(path, progressfile::kMaxBytes + 1), &r, &problem)) {
                byFile_.remove(name);
                problemByFile_.insert(name, problem);
                continue;
            }
        } catch (const VbError& e) {
            byFile_.remove(name);
            problemByFile_.insert(name, tr("The file cannot be read (%1).").arg(e.description));
            continue;
        }
        problemByFile_.remove(name);
        Entry& e = byFile_[name];
        const bool first = !e.lastSeen.isValid();
        e.file = name;
        e.record = r;
        // Seen change now; a file first read counts from its own time (a seat whose clock is
        // ahead is not believed beyond now).
        e.lastSeen = first && r.updated.isValid() && r.updated < now ? r.updated : now;
    }
    for (auto it = stamps_.begin(); it != stamps_.end();)
        if (!seen.contains(it.key())) {
            byFile_.remove(it.key());
            problemByFile_.remove(it.key());
            it = stamps_.erase(it);
            changed = true;
        } else {
            ++it;
        }
    for (auto it = seen.begin(); it != seen.end(); ++it) stamps_.insert(it.key(), it.value());

    entries_ = byFile_.values();
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        if (int c = QString::localeAwareCompare(a.record.student, b.record.student)) return c < 0;
        if (int c = QString::localeAwareCompare(a.record.seat, b.record.seat)) return c < 0;
        return a.file < b.file;
    });
    problems_.clear();
    QStringList bad = problemByFile_.keys();
    bad.sort();
    for (const QString& name : bad) problems_.append({name, problemByFile_.value(name)});
    return changed;
}

bool ProgressBoard::stale(const Entry& e, const QDateTime& now) {
    return e.record.state == ProgressRecord::State::Running && e.lastSeen.secsTo(now) >= progressfile::kStaleSeconds;
}

bool ProgressBoard::forgotten(const Entry& e, const QDateTime& now) {
    return e.lastSeen.secsTo(now) >= progressfile::kForgetSeconds;
}
