#include "platform/files.h"

#include "platform/vbtypes.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void raiseForErrno(int err, bool writing) {
    switch (err) {
    case ENOENT:
    case ENOTDIR: raiseError(76, "Path not found");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: raiseError(61, "Disk full");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case EBUSY:
    case ETXTBSY: raiseError(75, "Path/File access error");
    default:
        if (writing) raiseError(57, "Device I/O error");
        raiseError(75, "Path/File access error");
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

int removeTemporaries(const QString& folder, const QString& prefix) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    for (const QFileInfo& e : entries) {
        const QString name = e.fileName();
        const bool mine = prefix.isEmpty() ? name.size() > 8 && name.startsWith('.') && name.at(name.size() - 7) == '.' &&
                                                 isTemporaryName(name, name.left(name.size() - 6))
                                           : isTemporaryName(name, prefix);
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
    removeTemporaries(info.absolutePath(), "." + info.fileName() + ".");
}

}  // namespace

void checkWritableTarget(const QString& path) {
    const QFileInfo info(path);
    const QByteArray dir = QFile::encodeName(info.absolutePath());
    struct stat st;
    if (::stat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) raiseError(76, "Path not found");
    if (::access(dir.constData(), W_OK | X_OK) != 0) raiseError(75, "Path/File access error");
    const QByteArray local = QFile::encodeName(info.absoluteFilePath());
    if (::stat(local.constData(), &st) != 0) return;
    if (!S_ISREG(st.st_mode)) raiseError(75, "Path/File access error");
    // A file without write permission was made read-only on purpose (the superuser could
    // replace it, and must not).
    if ((st.st_mode & 0222) == 0 || ::access(local.constData(), W_OK) != 0)
        raiseError(75, QStringLiteral("Path/File access error: %1 is read-only").arg(QDir::toNativeSeparators(info.absoluteFilePath())));
}

QString writeTargetOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return info.absoluteFilePath();
    const QString target = info.canonicalFilePath();  // empty when the link leads nowhere
    if (target.isEmpty())
        raiseError(75, QStringLiteral("Path/File access error: %1 is a link to a file that does not exist")
                           .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    return target;
}

bool writeFileAtomic(const QString& path, const QByteArray& bytes, const AtomicWrite& how) {
    ignoreFileSizeSignal();
    // A link is written through: its target is replaced, in the target's folder, and the link stays.
    const QFileInfo info(writeTargetOf(path));
    const QByteArray local = QFile::encodeName(info.absoluteFilePath());
    if (how.skipUnchanged && sameContent(local, bytes)) return false;
    checkWritableTarget(info.absoluteFilePath());

    QByteArray temp = QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) raiseForErrno(errno, false);
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.constData());
        raiseForErrno(err, true);
    };
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat st;
    const mode_t mode = ::stat(local.constData(), &st) == 0 ? (st.st_mode & 07777) : newFileMode();
    ::fchmod(fd, mode);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail(n < 0 ? errno : ENOSPC);
        done += n;
    }
    if (how.durable && ::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        raiseForErrno(err, true);
    }
    if (::rename(temp.constData(), local.constData()) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        raiseForErrno(err, false);
    }
    removeLeftTemporaries(info);
    return true;
}

int removeStaleTemporaries(const QString& folder, const QStringList& names) {
    if (names.isEmpty()) return removeTemporaries(folder, QString());
    int removed = 0;
    for (const QString& name : names) removed += removeTemporaries(folder, "." + name + ".");
    return removed;
}

bool isRegularFile(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QByteArray readRegularFile(const QString& path, qint64 maxBytes) {
    bool whole = false;
    QByteArray data = readRegularFileHead(path, maxBytes, &whole);
    if (!whole) raiseError(7, "Out of memory");
    return data;
}

QByteArray readRegularFileHead(const QString& path, qint64 maxBytes, bool* whole) {
    const QByteArray local = QFile::encodeName(path);
    const int fd = ::open(local.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) raiseError(53, "File not found");
        raiseError(75, "Path/File access error");
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        raiseError(53, "File not found");
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
            raiseError(75, "Path/File access error");
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
