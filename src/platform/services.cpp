#include "platform/services.h"
#include "platform/datafolder.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString g_appFolder;
const char* kConnection = "ZR";
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(files)
};
}  // namespace

QString appFolder() {
    if (g_appFolder.isEmpty()) g_appFolder = QCoreApplication::applicationDirPath();
    return g_appFolder;
}

void setAppFolder(const QString& folder) { g_appFolder = QDir(folder).absolutePath(); }

void chdirToAppFolder() {
    if (!QDir::setCurrent(appFolder())) raiseError(76, Texts::tr("Path not found"));
}

QString findDataFile(const QString& name) {
    QDir dir(appFolder());
    if (dir.exists(name)) return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(e);
    return dir.filePath(name);
}

namespace {

// The settings store: read once from the INI file that Qt's settings class keeps for
// "Vantorel", held in memory, and written back whole (atomically, under the store's lock file)
// whenever the program saves. Qt's own writer waits for ever on a lock it cannot take; this
// one gives up after a short wait and reports the failure.
struct SettingsStore {
    bool loaded = false;
    bool damaged = false;
    QString file;
    QMap<QString, QString> values;  // "Section/Key" -> text
    int lockTimeoutMs = 2000;
};

SettingsStore& store() {
    static SettingsStore s;
    return s;
}

QString settingsPath() {
    // Where Qt's settings class keeps the per-user INI file of "Vantorel".
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Vantorel/Vantorel.conf";
}

// True when every line is a section header, a comment, blank or "key=value", in UTF-8 text
// without a byte-order mark: the form this store writes. Qt's reader takes much else
// silently (random bytes become a key), which would keep a damaged file for ever.
bool wellFormedIni(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.contains('\0')) return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) return false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) continue;
        if (line.indexOf(u'=') <= 0) return false;
    }
    return true;
}

// Reads an INI file; false when it exists but cannot be read as settings.
bool readIni(const QString& path, QMap<QString, QString>* out) {
    out->clear();
    if (!QFileInfo::exists(path)) return true;
    try {
        if (!wellFormedIni(readRegularFile(path, 1 << 20))) return false;
    } catch (const VbError&) {
        return false;  // not a regular file, or far too large to be settings
    }
    QSettings ini(path, QSettings::IniFormat);
    const QStringList keys = ini.allKeys();
    if (ini.status() != QSettings::NoError) return false;
    for (const QString& k : keys) out->insert(k, ini.value(k).toString());
    return true;
}

void ensureLoaded() {
    SettingsStore& st = store();
    if (st.loaded && st.file == settingsPath()) return;
    st.loaded = true;
    st.file = settingsPath();
    st.damaged = !readIni(st.file, &st.values);
    // Whatever could be read from a damaged file is not trusted: the defaults stand.
    if (st.damaged) st.values.clear();
}

// The store's lock: the system's advisory lock on "Vantorel.conf.lock", which the system
// releases when its holder ends, however it ends. (A lock file that names its holder, as Qt's
// lock class writes, is left empty by a program killed at the moment it creates it, and every
// save then fails until the file is old enough to be called stale.) The holder removes the
// file as it lets go; a waiter that locked a file removed meanwhile tries again on the new one.
class StoreLock {
public:
    explicit StoreLock(const QString& path) : path_(QFile::encodeName(path)) {}
    ~StoreLock() {
        if (fd_ < 0) return;
        ::unlink(path_.constData());
        ::close(fd_);  // and the lock with it
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    bool tryLock(int timeoutMs) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            const int fd = ::open(path_.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd < 0) return false;
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                struct stat held, named;
                if (::fstat(fd, &held) == 0 && ::stat(path_.constData(), &named) == 0 && held.st_ino == named.st_ino &&
                    held.st_dev == named.st_dev) {
                    fd_ = fd;
                    return true;
                }
                ::close(fd);
                continue;
            }
            const int err = errno;
            ::close(fd);
            if ((err != EWOULDBLOCK && err != EINTR) || waited.elapsed() >= timeoutMs) return false;
            QThread::msleep(5);
        }
    }

private:
    QByteArray path_;
    int fd_ = -1;
};

[[noreturn]] void settingsNotWritten() {
    raiseError(75, Texts::tr("Path/File access error: the settings could not be written"));
}

// Scratch folders that a program killed while saving left beside the settings, removed at the
// first save of a run when they are older than a minute (a save takes milliseconds).
void removeLeftScratch(const QString& folder) {
    static bool done = false;
    if (done) return;
    done = true;
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QString prefix = QStringLiteral(".Vantorel-settings-");
    for (const QFileInfo& e : QDir(folder).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        if (e.fileName().size() == prefix.size() + 6 && e.fileName().startsWith(prefix) && !e.isSymLink() &&
            e.lastModified().toUTC() < before)
            QDir(e.absoluteFilePath()).removeRecursively();
}

// The INI text of the values, in the form Qt's settings class reads back.
QByteArray iniBytes(const QMap<QString, QString>& values, const QString& folder) {
    QTemporaryDir scratch(folder + "/.Vantorel-settings-XXXXXX");
    if (!scratch.isValid()) settingsNotWritten();
    const QString path = scratch.filePath("Vantorel.conf");
    {
        QSettings ini(path, QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it) ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError) settingsNotWritten();
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) settingsNotWritten();
    return f.readAll();
}

}  // namespace

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    ensureLoaded();
    return store().values.value(section + "/" + key, defaultValue);
}

void SaveSetting(const QString& section, const QString& key, const QString& value) {
    SaveSettings({{section, key, value}});
}

void SaveSettings(const QList<SettingValue>& entries) {
    ensureLoaded();
    SettingsStore& st = store();
    for (const SettingValue& e : entries) st.values.insert(e.section + "/" + e.key, e.value);

    const QString folder = QFileInfo(st.file).absolutePath();
    if (!QDir().mkpath(folder)) settingsNotWritten();
    StoreLock lock(st.file + ".lock");
    if (!lock.tryLock(st.lockTimeoutMs)) settingsNotWritten();
    // Another instance may have saved meanwhile: its values are kept, ours are laid over them.
    // A file that cannot be read (now or at start-up) is replaced by what this run holds.
    QMap<QString, QString> merged = st.values;
    if (QMap<QString, QString> onDisk; !st.damaged && readIni(st.file, &onDisk)) {
        merged = onDisk;
        for (const SettingValue& e : entries) merged.insert(e.section + "/" + e.key, e.value);
    }
    try {
        writeFileAtomic(st.file, iniBytes(merged, folder));
        removeLeftScratch(folder);
    } catch (const VbError&) {
        settingsNotWritten();
    }
    st.values = merged;
    st.damaged = false;
}

bool settingsWereDamaged() {
    ensureLoaded();
    return store().damaged;
}

void setSettingsLockTimeout(int ms) { store().lockTimeoutMs = ms; }

void reloadSettings() { store().loaded = false; }

QString databaseFileName() { return findDataFile("ZR.db"); }

QSqlDatabase& database() {
    static QSqlDatabase db;
    if (db.isValid() && db.isOpen()) return db;
    const QString file = databaseFileName();
    if (!QFileInfo(file).isFile())
        raiseError(3024, Texts::tr("Could not find file '%1'.").arg(QFileInfo(file).fileName()));
    if (!QSqlDatabase::contains(kConnection)) db = QSqlDatabase::addDatabase("QSQLITE", kConnection);
    else db = QSqlDatabase::database(kConnection, false);
    db.setDatabaseName(file);
    if (!db.open()) raiseError(3051, Texts::tr("The database engine could not open the file '%1'.").arg(file));
    QSqlQuery probe(db);
    if (!probe.exec("SELECT count(*) FROM sqlite_master")) {
        db.close();
        raiseError(3343, Texts::tr("Unrecognized database format '%1'.").arg(QFileInfo(file).fileName()));
    }
    return db;
}

QString sqlName(const QString& name) { return '"' + QString(name).replace('"', "\"\"") + '"'; }

QString missingLookupField(const QSqlDatabase& db, const QString& table) {
    const QSqlRecord record = db.record(table);
    if (record.isEmpty()) return QString();  // no such table: the query's own error says so
    for (const QString& f : QStringList{"ID", "Speed 1", "Speed 2", "Speed 3", "Speed 4", "Speed 5", "Speed 6", "Speed 7",
                                        "Speed 8"})
        if (record.indexOf(f) < 0) return Texts::tr("The table '%1' has no field '%2'.").arg(table, f);
    return QString();
}

namespace {
bool usableFolder(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) return false;
    const QFileInfo info(path);
    return info.isDir() && ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}
}  // namespace

void removeLeftTemporaryFiles() {
    // Wherever a killed run was writing (a capture in any folder, a class folder's share).
    startWriteJournal(QDir(userDataFolder()).filePath(QStringLiteral(".journal")));
    removeStaleTemporaries(appFolder());
    removeStaleTemporaries(userDataFolder());
    removeStaleTemporaries(QFileInfo(settingsPath()).absolutePath());
    const QString temp = QString::fromLocal8Bit(qgetenv("TMPDIR"));
    removeStaleTemporaries(temp.isEmpty() ? QStringLiteral("/tmp") : temp, {"Faults.scn", "Scanner.scn"});
}

QString usableTempFolder() {
    static QByteArray lastEnv;
    static QString folder;
    static bool told = false;
    const QByteArray env = qgetenv("TMPDIR");
    if (!folder.isEmpty() && env == lastEnv) return folder;
    lastEnv = env;
    const QString wanted = QDir::cleanPath(QString::fromLocal8Bit(env));
    const QString fallback = QStringLiteral("/tmp");
    QString chosen;
    if (usableFolder(wanted)) chosen = wanted;
    else if (usableFolder(fallback)) chosen = fallback;
    if (chosen.isEmpty()) {
        // Nothing can be written: the reports will fail in the named folder, never elsewhere.
        chosen = !wanted.isEmpty() && QDir::isAbsolutePath(wanted) ? wanted : fallback;
        if (!told) {
            told = true;
            MsgBox(Texts::tr("No temporary folder can be written (%1).\r\nThe scanner's reports cannot be made until one can.")
                       .arg(env.isEmpty() ? fallback : wanted),
                   MsgButtons::OK, MsgIcon::Exclamation);
        }
    } else {
        chosen = QFileInfo(chosen).canonicalFilePath();
    }
    folder = chosen.endsWith('/') ? chosen : chosen + '/';
    return folder;
}

void closeDatabase() {
    if (QSqlDatabase::contains(kConnection)) {
        QSqlDatabase::database(kConnection, false).close();
    }
}
