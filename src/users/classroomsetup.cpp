#include "users/classroomsetup.h"

#include "platform/files.h"
#include "platform/services.h"
#include "platform/vbtypes.h"
#include "users/password.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryFile>

#include <sys/stat.h>

namespace classsetup {

namespace {

// The findings and problems, as the Set Up Class window and the command line show them.
struct SetupTexts {
    Q_DECLARE_TR_FUNCTIONS(ClassSetup)
};
QString native(const QString& path) { return QDir::toNativeSeparators(path); }

Finding good(const QString& text) { return {Finding::Level::Good, text}; }
Finding warning(const QString& text) { return {Finding::Level::Warning, text}; }
Finding problem(const QString& text) { return {Finding::Level::Problem, text}; }

// Whether this account can make a file in the folder: tried, since the permission bits do not
// tell (an access list, a read-only share, the superuser); the trial file is hidden, as the
// temporary files of a write are, so that no reader of the folder takes it for a file of its own.
bool canWriteIn(const QString& folder, QString* why) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vantorel-check-XXXXXX")));
    if (probe.open()) return true;
    *why = probe.errorString();
    return false;
}

// A line's value may not hold a line end, and loses its blanks at either end when it is read.
bool fitsOnALine(const QString& value) { return !value.contains(u'\n') && !value.contains(u'\r') && value == value.trimmed(); }

}  // namespace

Choices fromConfig(const ClassroomConfig& config) {
    Choices c;
    if (config.state != ClassroomConfig::State::Loaded) return c;
    c.classFolder = config.classFolder;
    c.classKey = QString::fromUtf8(config.classKey);
    c.passwordHash = config.passwordHash;
    c.lock = config.lock;
    c.studentId = config.studentId;
    return c;
}

QString newClassKey() {
    static const char kLetters[] = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
    const int count = int(sizeof kLetters) - 1;
    QString key;
    for (int i = 0; i < 32; ++i) key += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(count)]);
    return key;
}

TypedPassword hashTyped(const QString& first, const QString& second, int iterations) {
    TypedPassword t;
    if (first.isEmpty() && second.isEmpty()) return t;
    if (first != second) {
        t.problem = first.isEmpty() || second.isEmpty() ? SetupTexts::tr("The password must be typed twice, the same both times.")
                                                        : SetupTexts::tr("The two passwords typed are not the same.");
        return t;
    }
    t.hash = password::makeHash(first, iterations > 0 ? iterations : password::kIterations);
    return t;
}

QStringList choiceProblems(const Choices& c) {
    QStringList out;
    if (c.classFolder.isEmpty())
        out << SetupTexts::tr("No class folder is given.");
    else if (!fitsOnALine(c.classFolder))
        out << SetupTexts::tr("The class folder's path starts or ends with a blank or holds a line end.");
    else if (!QDir::isAbsolutePath(c.classFolder))
        out << SetupTexts::tr("The class folder \"%1\" is not an absolute path: give the whole path, from the top folder.").arg(c.classFolder);
    if (!c.classKey.isEmpty() && !fitsOnALine(c.classKey))
        out << SetupTexts::tr("The class key starts or ends with a blank or holds a line end.");
    else if (!c.classKey.isEmpty() && c.classKey.size() < ClassroomConfig::kMinKeyLength)
        out << SetupTexts::tr("The class key is shorter than %1 characters.").arg(ClassroomConfig::kMinKeyLength);
    QString why;
    if (!c.passwordHash.isEmpty() && !password::isHash(c.passwordHash, &why))
        out << SetupTexts::tr("The password is not a hash the program can check: %1").arg(why);
    return out;
}

QByteArray fileText(const Choices& c) {
    QString text = QStringLiteral("# Vantorel classroom\n");
    if (!c.passwordHash.isEmpty()) text += "password = " + c.passwordHash + "\n";
    if (!c.classFolder.isEmpty()) text += "class folder = " + QDir::cleanPath(c.classFolder) + "\n";
    if (!c.classKey.isEmpty()) text += "class key = " + c.classKey + "\n";
    text += c.lock ? QStringLiteral("lock = yes\n") : QStringLiteral("lock = no\n");
    text += c.studentId == StudentIdSource::Asked ? QStringLiteral("student id = ask\n") : QStringLiteral("student id = account\n");
    return text.toUtf8();
}

bool Report::hasProblems() const {
    for (const Finding& f : findings)
        if (f.level == Finding::Level::Problem) return true;
    return false;
}

QString Report::text() const {
    QStringList lines;
    for (const Finding& f : findings) {
        // (Named by context: lupdate does not look into the anonymous namespace from a member.)
        lines << (f.level == Finding::Level::Problem   ? QCoreApplication::translate("ClassSetup", "Problem: %1")
                  : f.level == Finding::Level::Warning ? QCoreApplication::translate("ClassSetup", "Warning: %1")
                                                       : QCoreApplication::translate("ClassSetup", "Good: %1"))
                     .arg(f.text);
    }
    return lines.join(u'\n');
}

Report checkFolder(const QString& folder) {
    Report r;
    if (folder.isEmpty()) {
        r.findings << problem(SetupTexts::tr("No class folder is given."));
        return r;
    }
    if (!QDir::isAbsolutePath(folder)) {
        r.findings << problem(SetupTexts::tr("The class folder \"%1\" is not an absolute path: give the whole path, from the top folder.").arg(folder));
        return r;
    }
    const QFileInfo top(folder);
    if (!top.exists()) {
        r.findings << problem(SetupTexts::tr("The class folder \"%1\" does not exist. Make it with its folders challenges and attempts, or "
                                 "mount the share that should be there.").arg(native(folder)));
        return r;
    }
    if (!top.isDir()) {
        r.findings << problem(SetupTexts::tr("\"%1\" is not a folder. Give the class folder's path.").arg(native(folder)));
        return r;
    }
    struct Sub {
        const char* name;
        bool shared;  // every student's account writes in it
    };
    for (const Sub& sub : {Sub{"challenges", false}, Sub{"attempts", true}}) {
        const QString path = QDir(folder).filePath(QLatin1String(sub.name));
        const QFileInfo info(path);
        if (!info.exists()) {
            r.findings << problem(sub.shared ? SetupTexts::tr("The folder \"%1\" is missing, so no attempt can be handed in. Make it so that "
                                                  "every account can write in it (mkdir -m 1777 \"%1\").").arg(native(path))
                                             : SetupTexts::tr("The folder \"%1\" is missing, so the class's own challenges have nowhere to go. "
                                                  "Make it (mkdir \"%1\").").arg(native(path)));
            continue;
        }
        if (!info.isDir()) {
            r.findings << problem(SetupTexts::tr("\"%1\" is not a folder. Remove it and make a folder of that name.").arg(native(path)));
            continue;
        }
        QString why;
        if (!canWriteIn(path, &why)) {
            r.findings << problem(SetupTexts::tr("This account cannot write in \"%1\" (%2). Give it the right to write there.").arg(native(path), why));
            continue;
        }
        if (sub.shared) {
            struct stat st {};
            if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
                if (!(st.st_mode & (S_IWGRP | S_IWOTH))) {
                    r.findings << warning(SetupTexts::tr("Only the owner of \"%1\" can write in it: a student logged in under another account "
                                             "cannot hand in. Let every account write there (chmod 1777 \"%1\").").arg(native(path)));
                    continue;
                }
                if ((st.st_mode & S_IWOTH) && !(st.st_mode & S_ISVTX)) {
                    r.findings << warning(SetupTexts::tr("Any account may remove another's attempt from \"%1\". Set the sticky bit so that "
                                             "each keeps its own (chmod +t \"%1\").").arg(native(path)));
                    continue;
                }
            }
        }
        r.findings << good(SetupTexts::tr("\"%1\" is there and can be written.").arg(native(path)));
    }
    return r;
}

Report checkConfig(const ClassroomConfig& config) {
    Report r;
    const QString path = native(config.path);
    if (config.state == ClassroomConfig::State::Absent) {
        r.findings << problem(SetupTexts::tr("There is no classroom file \"%1\": this computer belongs to no class. Write one (Tools > Set Up "
                                 "Class..., or vantorel --class-setup as the administrator).").arg(path));
        return r;
    }
    if (config.state == ClassroomConfig::State::Damaged) {
        r.findings << problem(SetupTexts::tr("The classroom file \"%1\" cannot be used (%2): no password is accepted at the login and the "
                                 "attempts wait on the seats. Correct that line, or write the file again.").arg(path, config.problem));
        return r;
    }
    // A text not written yet has no path.
    if (!config.path.isEmpty()) r.findings << good(SetupTexts::tr("The classroom file \"%1\" can be read.").arg(path));
    if (config.passwordHash.isEmpty())
        r.findings << warning(SetupTexts::tr("The file gives no instructor's password: each user's own password lets them edit the challenges "
                                 "(\"gearcase\" until one is set). Give one."));
    else
        r.findings << good(SetupTexts::tr("The file gives the instructor's password, as a hash."));
    if (config.classKey.isEmpty())
        r.findings << warning(SetupTexts::tr("The file gives no class key: the attempt files carry no check, so a changed score cannot be told "
                                 "from a true one. Give a key of at least %1 characters, the same on every seat.")
                                  .arg(ClassroomConfig::kMinKeyLength));
    else
        r.findings << good(SetupTexts::tr("The class key is %1 characters long.").arg(config.classKey.size()));
    if (!config.lock)
        r.findings << warning(SetupTexts::tr("The file does not lock the room: a user's own password and class folder come first."));
    if (config.classFolder.isEmpty()) {
        r.findings << warning(SetupTexts::tr("The file gives no class folder: the seats hand no attempt in and the dashboard has nothing to show."));
        return r;
    }
    r.findings += checkFolder(config.classFolder).findings;
    return r;
}

Report checkFile(const QString& path) { return checkConfig(ClassroomConfig::read(path)); }

QString makeClassFolders(const QString& folder) {
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return SetupTexts::tr("The class folder \"%1\" is not an absolute path: give the whole path, from the top folder.").arg(folder);
    QStringList failed;
    for (const char* name : {"challenges", "attempts"}) {
        const QString path = QDir(folder).filePath(QLatin1String(name));
        if (QFileInfo(path).isDir()) continue;
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink() || !QDir().mkpath(path)) {
            failed << native(path);
            continue;
        }
        // The attempts folder takes every account's files, and keeps each for its owner.
        if (QLatin1String(name) == QLatin1String("attempts"))
            ::chmod(QFile::encodeName(path).constData(), 01777);
        else
            ::chmod(QFile::encodeName(path).constData(), 0755);
    }
    if (failed.isEmpty()) return QString();
    return SetupTexts::tr("These folders could not be made: %1. Make them as an account that may write in \"%2\".")
        .arg(failed.join(QStringLiteral(", ")), native(folder));
}

QString writeClassroomFile(const QString& path, const QByteArray& text) {
    const QFileInfo info(path);
    if (info.isDir())
        return SetupTexts::tr("\"%1\" is a folder, not a file, and is left as it is. Give the text to the computer's administrator.")
            .arg(native(path));
    const QString dir = info.absolutePath();
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        return SetupTexts::tr("The folder \"%1\" cannot be made by this account, so the classroom file cannot be written. Give the text "
                  "to the computer's administrator.").arg(native(dir));
    try {
        writeFileAtomic(path, text);
    } catch (const VbError& e) {
        if (info.isFile() && !(info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)))
            return SetupTexts::tr("The classroom file \"%1\" is read-only and is left as it is. Give the text to the computer's "
                      "administrator, or make the file writable first.").arg(native(path));
        return SetupTexts::tr("The classroom file \"%1\" cannot be written by this account (%2). Give the text to the computer's "
                  "administrator, who can write it as the superuser (vantorel --class-setup).").arg(native(path), e.description);
    }
    // Every account reads the file.
    const QString target = QFileInfo(path).isSymLink() ? QFileInfo(path).canonicalFilePath() : path;
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                      QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return QString();
}

QString classroomFileInUse() {
    const QString path = classroomFilePath();
    return QDir::isRelativePath(path) ? QDir(appFolder()).filePath(path) : path;
}

}  // namespace classsetup
