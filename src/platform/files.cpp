#include "platform/files.h"

#include "platform/vbtypes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(files)
};

[[noreturn]] void raiseForErrno(int err, bool writing) {
    switch (err) {
    case ENOENT:
    case ENOTDIR: raiseError(76, Texts::tr("Path not found"));
    case ENOSPC:
    case EDQUOT:
    case EFBIG: raiseError(61, Texts::tr("Disk full"));
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case EBUSY:
    case ETXTBSY: raiseError(75, Texts::tr("Path/File access error"));
    default:
        if (writing) raiseError(57, Texts::tr("Device I/O error"));
        raiseError(75, Texts::tr("Path/File access error"));
    }
}

mode_t newFileMode() {
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

// Beyond a file-size limit the write fails with EFBIG instead of the signal ending the program.
void ignoreFileSizeSignal() {
    static const bool done = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)done;
}

bool sameContent(const QByteArray& local, const QByteArray& bytes) {
    const int fd = ::open(local.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size == bytes.size();
    if (same) {
        QByteArray current(bytes.size(), Qt::Uninitialized);
        qint64 got = 0;
        while (got < current.size()) {
            const ssize_t n = ::read(fd, current.data() + got, current.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += n;
        }
        same = got == bytes.size() && current == bytes;
    }
    ::close(fd);
    return same;
}

// A temporary file of writeFileAtomic: ".NAME.XXXXXX", the last six letters or digits.
bool isTemporaryName(const QString& name, const QString& prefix) {
    if (name.size() != prefix.size() + 6 || !name.startsWith(prefix)) return false;
    return std::all_of(name.end() - 6, name.end(), [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; });
}

// Any temporary name of writeFileAtomic, whatever the file it was for.
bool isAnyTemporaryName(const QString& name) {
    return name.size() > 8 && name.startsWith('.') && name.at(name.size() - 7) == '.' &&
           isTemporaryName(name, name.left(name.size() - 6));
}

// The longest name the folder's file system takes, in bytes.
long longestName(const QString& folder) {
    const long n = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return n > 8 ? n : NAME_MAX;
}

// ".NAME." for a temporary of this file: the name is cut short (at a whole character) where
// the six letters after it would make the name longer than the folder takes.
QString temporaryPrefix(const QString& folder, const QString& fileName) {
    const long room = longestName(folder) - 8;  // the two dots and the six letters
    QString name = fileName;
    while (!name.isEmpty() && QFile::encodeName(name).size() > room) {
        name.chop(1);
        if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
    }
    return "." + name + ".";
}

int removeTemporaries(const QString& folder, const QString& prefix) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QFileInfo& e : entries) {
        const QString name = e.fileName();
        const bool mine = prefix.isEmpty() ? isAnyTemporaryName(name) : isTemporaryName(name, prefix);
        if (mine && !e.isSymLink() && e.lastModified().toUTC() < before && QFile::remove(e.absoluteFilePath())) ++removed;
    }
    return removed;
}

// The temporary files of this target that a program killed while writing left beside it,
// removed at the first write of each target in a run.
void removeLeftTemporaries(const QFileInfo& info) {
    static QSet<QString> done;
    static QMutex mutex;
    {
        QMutexLocker locked(&mutex);
        if (done.contains(info.absoluteFilePath())) return;
        done.insert(info.absoluteFilePath());
    }
    removeTemporaries(info.absolutePath(), temporaryPrefix(info.absolutePath(), info.fileName()));
}

// ---- The journal of writes in progress ----
//
// Each run that writes keeps one journal file, "writes-XXXXXX.journal", in the journal's folder,
// locked (flock) for as long as the run lives. Every temporary file is listed ("+") before it
// is made and struck off ("-") once it has been renamed or removed, one line each:
// "+ SECONDS PATH", the path percent-encoded. A journal that nobody holds locked belongs to a
// run that has ended; the temporaries it still lists are what that run left behind.

constexpr qint64 kJournalKeepSeconds = 30 * 24 * 3600;  // an unreachable folder is given up after this
constexpr qint64 kJournalTrimBytes = 64 * 1024;

struct Journal {
    QMutex mutex;
    QString folder;      // empty: no journal is kept
    int fd = -1;         // this run's journal, made at its first entry
    bool failed = false; // it could not be made: writes go on without it
    QSet<QByteArray> open;  // temporaries being written
    // Listed temporaries that could not be removed yet (their folder went away with a share),
    // with the time they were listed: tried again at every write.
    QMap<QByteArray, qint64> pending;
};

Journal& journal() {
    static Journal j;
    return j;
}

bool writeAll(int fd, const QByteArray& bytes) {
    errno = 0;
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

QByteArray journalLine(char op, const QByteArray& path, qint64 seconds) {
    return QByteArray(1, op) + ' ' + QByteArray::number(seconds) + ' ' + path.toPercentEncoding("/ ") + '\n';
}

// This run's journal, made (and locked) when first needed; -1 when there is none.
int ownJournal(Journal& j) {
    if (j.fd >= 0 || j.failed || j.folder.isEmpty()) return j.fd;
    j.failed = true;
    const QByteArray folder = QFile::encodeName(j.folder);
    if (!QDir().mkpath(j.folder)) return -1;
    // Made under a name the start-up does not read as a journal, and locked before it gets its
    // own (a start that cleared it in between, taking it for one a killed run left, costs a try).
    for (int attempt = 0; attempt < 3; ++attempt) {
        QByteArray temp = folder + "/.writes-XXXXXX";
        const int fd = ::mkostemp(temp.data(), O_CLOEXEC | O_APPEND);
        if (fd < 0) return -1;
        const QByteArray name = folder + "/writes-" + temp.right(6) + ".journal";
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::rename(temp.constData(), name.constData()) == 0) {
            j.fd = fd;
            j.failed = false;
            return fd;
        }
        ::close(fd);
        ::unlink(temp.constData());
    }
    return -1;
}

// Lists a temporary before it is made. When the journal cannot be written (a read-only or
// full home folder) the write goes on unlisted.
void listTemporary(const QByteArray& path) {
    Journal& j = journal();
    QMutexLocker locked(&j.mutex);
    const int fd = ownJournal(j);
    if (fd >= 0 && writeAll(fd, journalLine('+', path, QDateTime::currentSecsSinceEpoch()))) j.open.insert(path);
}

void strikeOff(Journal& j, const QByteArray& path) {
    if (!j.open.remove(path) && !j.pending.remove(path)) return;
    if (j.fd < 0) return;
    writeAll(j.fd, journalLine('-', path, QDateTime::currentSecsSinceEpoch()));
    // Nothing being written: the journal starts again from what is still pending rather than
    // grow all day.
    struct stat st;
    if (j.open.isEmpty() && ::fstat(j.fd, &st) == 0 && st.st_size > kJournalTrimBytes && ::ftruncate(j.fd, 0) == 0)
        for (auto it = j.pending.begin(); it != j.pending.end(); ++it) writeAll(j.fd, journalLine('+', it.key(), it.value()));
}

// Removes a temporary of this run. When that fails (the folder went away with a share) it
// stays listed and is tried again at the next write.
void removeTemporary(const QByteArray& path) {
    const bool gone = ::unlink(path.constData()) == 0;
    Journal& j = journal();
    QMutexLocker locked(&j.mutex);
    if (gone) {
        strikeOff(j, path);
    } else {
        j.open.remove(path);
        j.pending.insert(path, QDateTime::currentSecsSinceEpoch());
    }
}

void renamedTemporary(const QByteArray& path) {
    Journal& j = journal();
    QMutexLocker locked(&j.mutex);
    strikeOff(j, path);
}

enum class Left { Removed, Gone, Kept };

// What to do with a temporary a journal still lists: removed when it is there, a regular file
// and named as a temporary; kept while its folder cannot be reached.
Left clearLeftTemporary(const QByteArray& path) {
    const QString name = QFileInfo(QFile::decodeName(path)).fileName();
    if (!path.startsWith('/') || !isAnyTemporaryName(name)) return Left::Gone;  // not one of ours
    struct stat st;
    if (::lstat(path.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return Left::Gone;
        return ::unlink(path.constData()) == 0 ? Left::Removed : Left::Kept;
    }
    if (errno != ENOENT) return Left::Kept;
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    return ::stat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) ? Left::Gone : Left::Kept;
}

void retryPendingRemovals() {
    Journal& j = journal();
    QMutexLocker locked(&j.mutex);
    if (j.pending.isEmpty()) return;
    const QList<QByteArray> paths = j.pending.keys();
    for (const QByteArray& path : paths)
        if (clearLeftTemporary(path) != Left::Kept) strikeOff(j, path);
}

// Reads a journal of a run that has ended (fd locked): the temporaries it still lists.
QMap<QByteArray, qint64> stillListed(int fd) {
    QByteArray text;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buf, n);
        if (text.size() > 64 * 1024 * 1024) break;
    }
    QMap<QByteArray, qint64> listed;
    for (const QByteArray& line : text.split('\n')) {
        // "+ SECONDS PATH" (the path may hold blanks); a line the kill cut short has no path.
        const qsizetype second = line.indexOf(' ', 2);
        if (line.size() < 4 || (line[0] != '+' && line[0] != '-') || line[1] != ' ' || second < 0) continue;
        bool number = false;
        const qint64 seconds = line.mid(2, second - 2).toLongLong(&number);
        const QByteArray path = QByteArray::fromPercentEncoding(line.mid(second + 1));
        if (!number || !path.startsWith('/')) continue;
        if (line[0] == '+') listed.insert(path, seconds);
        else listed.remove(path);
    }
    return listed;
}

}  // namespace

void checkWritableTarget(const QString& path) {
    const QFileInfo info(path);
    const QByteArray dir = QFile::encodeName(info.absolutePath());
    struct stat st;
    if (::stat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) raiseError(76, Texts::tr("Path not found"));
    if (::access(dir.constData(), W_OK | X_OK) != 0) raiseError(75, Texts::tr("Path/File access error"));
    const QByteArray local = QFile::encodeName(info.absoluteFilePath());
    if (::stat(local.constData(), &st) != 0) return;
    if (!S_ISREG(st.st_mode)) raiseError(75, Texts::tr("Path/File access error"));
    // A file without write permission was made read-only on purpose (the superuser could
    // replace it, and must not).
    if ((st.st_mode & 0222) == 0 || ::access(local.constData(), W_OK) != 0)
        raiseError(75, Texts::tr("Path/File access error: %1 is read-only").arg(QDir::toNativeSeparators(info.absoluteFilePath())));
}

QString writeTargetOf(const QString& path) {
    const QFileInfo info(path);
    const QByteArray local = QFile::encodeName(info.absoluteFilePath());
    struct stat st;
    if (::lstat(local.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return info.absoluteFilePath();
    // A link: the file at its end, which must exist (a link is never replaced by a file).
    char* resolved = ::realpath(local.constData(), nullptr);
    const int err = errno;
    if (!resolved) {
        const QString name = QDir::toNativeSeparators(info.absoluteFilePath());
        if (err == ELOOP)
            raiseError(75, Texts::tr("Path/File access error: %1 is a link that leads round in a loop")
                               .arg(name));
        raiseError(75, Texts::tr("Path/File access error: %1 is a link to a file that does not exist").arg(name));
    }
    const QString target = QFile::decodeName(QByteArray(resolved));
    std::free(resolved);
    return target;
}

bool writeFileAtomic(const QString& path, const QByteArray& bytes, const AtomicWrite& how) {
    ignoreFileSizeSignal();
    retryPendingRemovals();
    // A link is written through: its target is replaced, in the target's folder, and the link stays.
    const QFileInfo info(writeTargetOf(path));
    const QByteArray local = QFile::encodeName(info.absoluteFilePath());
    if (how.skipUnchanged && sameContent(local, bytes)) return false;
    checkWritableTarget(info.absoluteFilePath());

    const QString folder = info.absolutePath();
    const QByteArray prefix = QFile::encodeName(folder + "/" + temporaryPrefix(folder, info.fileName()));
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temp = prefix;
        for (int i = 0; i < 6; ++i) temp += kLetters[QRandomGenerator::global()->bounded(62)];
        // Listed before it is made, so that a kill at any moment leaves nothing unlisted.
        listTemporary(temp);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            const int err = errno;
            renamedTemporary(temp);  // nothing of ours is there
            if (err != EEXIST || attempt >= 100) raiseForErrno(err, false);
        }
    }
    auto fail = [&](int err) {
        ::close(fd);
        removeTemporary(temp);
        raiseForErrno(err, true);
    };
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat st;
    const mode_t mode = ::stat(local.constData(), &st) == 0 ? (st.st_mode & 07777) : newFileMode();
    ::fchmod(fd, mode);
    if (!writeAll(fd, bytes)) fail(errno ? errno : ENOSPC);
    if (how.durable && ::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        removeTemporary(temp);
        raiseForErrno(err, true);
    }
    if (::rename(temp.constData(), local.constData()) != 0) {
        const int err = errno;
        removeTemporary(temp);
        raiseForErrno(err, false);
    }
    renamedTemporary(temp);
    removeLeftTemporaries(info);
    return true;
}

int startWriteJournal(const QString& folder) {
    Journal& j = journal();
    QMutexLocker locked(&j.mutex);
    if (j.fd >= 0 && folder != j.folder) {
        // Another folder: the journal kept so far is left for a start there to read.
        ::close(j.fd);
        j.fd = -1;
        j.open.clear();
    }
    j.folder = folder;
    j.failed = false;
    int removed = 0;
    const QDir dir(folder);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QFileInfo& e : dir.entryInfoList({"writes-*.journal", ".writes-??????"}, QDir::Files | QDir::Hidden)) {
        if (e.isSymLink()) continue;
        const QByteArray name = QFile::encodeName(e.absoluteFilePath());
        const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st;
        // Locked: a run that is still writing (this one too). Unlinked meanwhile: read by another start.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0 ||
            !S_ISREG(st.st_mode)) {
            ::close(fd);
            continue;
        }
        QMap<QByteArray, qint64> kept;
        const QMap<QByteArray, qint64> listed = stillListed(fd);
        for (auto it = listed.begin(); it != listed.end(); ++it) {
            switch (clearLeftTemporary(it.key())) {
            case Left::Removed: ++removed; break;
            case Left::Gone: break;
            case Left::Kept:
                if (now - it.value() < kJournalKeepSeconds) kept.insert(it.key(), it.value());
                break;
            }
        }
        // What could not be reached yet (a share that is not mounted) goes on in this run's
        // journal, and is tried again at every write.
        bool carried = true;
        if (!kept.isEmpty()) {
            const int own = ownJournal(j);
            for (auto it = kept.begin(); carried && it != kept.end(); ++it) {
                carried = own >= 0 && writeAll(own, journalLine('+', it.key(), it.value()));
                if (carried) j.pending.insert(it.key(), it.value());
            }
        }
        if (carried) ::unlink(name.constData());
        ::close(fd);
    }
    return removed;
}

int removeStaleTemporaries(const QString& folder, const QStringList& names) {
    if (names.isEmpty()) return removeTemporaries(folder, QString());
    int removed = 0;
    for (const QString& name : names) removed += removeTemporaries(folder, temporaryPrefix(folder, name));
    return removed;
}

bool isRegularFile(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QByteArray readRegularFile(const QString& path, qint64 maxBytes) {
    bool whole = false;
    QByteArray data = readRegularFileHead(path, maxBytes, &whole);
    if (!whole) raiseError(7, Texts::tr("Out of memory"));
    return data;
}

QByteArray readRegularFileHead(const QString& path, qint64 maxBytes, bool* whole) {
    const QByteArray local = QFile::encodeName(path);
    const int fd = ::open(local.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) raiseError(53, Texts::tr("File not found"));
        raiseError(75, Texts::tr("Path/File access error"));
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        raiseError(53, Texts::tr("File not found"));
    }
    // Read until the limit or the end, whatever size fstat gave (the file may be growing);
    // one byte past the limit tells whether the file goes on.
    QByteArray data;
    data.reserve(static_cast<qsizetype>(std::min<qint64>(std::max<qint64>(st.st_size, 0), maxBytes)));
    char buf[65536];
    bool more = false;
    for (;;) {
        const qint64 room = maxBytes - data.size();
        const ssize_t n = ::read(fd, buf, static_cast<size_t>(std::min<qint64>(sizeof buf, std::max<qint64>(room, 1))));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            raiseError(75, Texts::tr("Path/File access error"));
        }
        if (n == 0) break;
        if (room <= 0) {
            more = true;
            break;
        }
        data.append(buf, n);
    }
    ::close(fd);
    if (whole) *whole = !more;
    return data;
}

QString decodeText(const QByteArray& bytes) {
    QByteArray b = bytes;
    if (b.startsWith("\xEF\xBB\xBF")) b.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(b);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes);
}
