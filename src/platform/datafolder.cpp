#include "platform/datafolder.h"

#include "platform/files.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

const char* const kDataManifest = ".vantorel-copied.json";

namespace {

// What was copied for one file: its size and hash, and the shipped file's time then.
struct Copied {
    qint64 size = -1;
    QByteArray sha256;  // hex
    qint64 shippedTime = 0;  // ms since the epoch
};

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DataFolder)
};

constexpr qint64 kLargestDataFile = 512LL * 1024 * 1024;

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QMap<QString, Copied> readManifest(const QString& path) {
    QMap<QString, Copied> out;
    QByteArray bytes;
    try {
        bytes = readRegularFile(path, 16 * 1024 * 1024);
    } catch (const VbError&) {
        return out;  // none yet, or unreadable: nothing is known to be unchanged
    }
    const QJsonObject files = QJsonDocument::fromJson(bytes).object().value("files").toObject();
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        Copied c;
        c.size = o.value("size").toInteger(-1);
        c.sha256 = o.value("sha256").toString().toLatin1();
        c.shippedTime = o.value("shipped_mtime").toInteger();
        if (c.size >= 0 && c.sha256.size() == 64) out.insert(it.key(), c);
    }
    return out;
}

QByteArray manifestBytes(const QMap<QString, Copied>& entries) {
    QJsonObject files;
    for (auto it = entries.begin(); it != entries.end(); ++it)
        files.insert(it.key(), QJsonObject{{"size", it->size},
                                           {"sha256", QString::fromLatin1(it->sha256)},
                                           {"shipped_mtime", it->shippedTime}});
    return QJsonDocument(QJsonObject{{"files", files}}).toJson();
}

QString reason(const VbError& e) { return Texts::tr("%1 (%2)").arg(e.description, QString::number(e.number)); }

}  // namespace

QString shippedDataFolder(const QString& exeDir) {
    const QDir dir(exeDir);
    if (isRegularFile(dir.filePath("ZR.db"))) return dir.absolutePath();
    const QString installed = QDir::cleanPath(dir.absoluteFilePath("../share/vantorel"));
    if (isRegularFile(installed + "/ZR.db")) return installed;
    return QString();
}

QString userDataFolder() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(base)) base = QDir::homePath() + "/.local/share";
    return QDir::cleanPath(base + "/vantorel");
}

DataFolder syncUserCopy(const QString& shipped, const QString& user) {
    DataFolder result{shipped, QString(), 0};
    const QString readOnly = "\r\n" + Texts::tr("Vantorel runs from the installed files in %1, where nothing can be saved.").arg(shipped);
    if (!QDir().mkpath(user) || !QFileInfo(user).isDir()) {
        result.problem = Texts::tr("Vantorel could not make the folder %1 for its own copy of the data files.").arg(user) + readOnly;
        return result;
    }
    const QString manifestPath = QDir(user).filePath(kDataManifest);
    const QMap<QString, Copied> before = readManifest(manifestPath);
    QMap<QString, Copied> after = before;
    QString firstFailure;
    bool complete = true;

    const QDir from(shipped), to(user);
    QDirIterator it(shipped, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = from.relativeFilePath(src);
        const QString dst = to.filePath(rel);
        const QFileInfo s(src), u(dst);
        const qint64 shippedTime = s.lastModified().toMSecsSinceEpoch();
        const auto known = before.constFind(rel);
        try {
            if (u.exists() && !u.isFile()) continue;  // the user put something else there
            if (u.exists() && known != before.constEnd() && known->size == s.size() && known->shippedTime == shippedTime)
                continue;  // the shipped file is as it was when copied
            const QByteArray bytes = readRegularFile(src, kLargestDataFile);
            const QByteArray hash = sha256(bytes);
            if (u.exists()) {
                const QByteArray mine = sha256(readRegularFile(dst, kLargestDataFile));
                const bool untouched = known != before.constEnd() && mine == known->sha256;
                if (mine != hash && !untouched) continue;  // changed by the user: theirs stays
                if (mine == hash) {
                    // Already the shipped bytes (a copy interrupted before its manifest was
                    // written, or an update that changed only the time): just recorded.
                    after.insert(rel, {bytes.size(), hash, shippedTime});
                    continue;
                }
            }
            if (!QDir().mkpath(QFileInfo(dst).absolutePath())) raiseError(76, QCoreApplication::translate("files", "Path not found"));
            writeFileAtomic(dst, bytes);
            after.insert(rel, {bytes.size(), hash, shippedTime});
            ++result.copied;
        } catch (const VbError& e) {
            if (firstFailure.isEmpty()) firstFailure = rel + ": " + reason(e);
            if (!QFileInfo::exists(dst)) complete = false;
        }
    }

    bool changed = after.size() != before.size();
    for (auto a = after.begin(); !changed && a != after.end(); ++a) {
        const auto b = before.constFind(a.key());
        changed = b->sha256 != a->sha256 || b->size != a->size || b->shippedTime != a->shippedTime;
    }
    if (changed) {
        try {
            writeFileAtomic(manifestPath, manifestBytes(after));
        } catch (const VbError& e) {
            if (firstFailure.isEmpty()) firstFailure = QString(kDataManifest) + ": " + reason(e);
        }
    }

    if (!complete) {
        result.problem = Texts::tr("Vantorel could not copy its data files to %1 (%2).").arg(user, firstFailure) + readOnly;
    } else {
        result.folder = to.absolutePath();
        if (!firstFailure.isEmpty())
            result.problem = Texts::tr("Vantorel could not bring its copy of the data files in %1 up to date (%2).\r\n"
                                       "It goes on with the copy as it is.")
                                 .arg(user, firstFailure);
    }
    return result;
}

DataFolder chooseDataFolder(const QString& exeDir) {
    const QString shipped = shippedDataFolder(exeDir);
    if (shipped.isEmpty()) return {QDir(exeDir).absolutePath(), QString(), 0};
    if (QDir(shipped) == QDir(exeDir)) return {shipped, QString(), 0};  // a build-folder run
    return syncUserCopy(shipped, userDataFolder());
}
