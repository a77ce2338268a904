#include "users/classroom.h"

#include "platform/files.h"
#include "platform/services.h"
#include "platform/vbtypes.h"
#include "users/password.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
// The file's problems, as the login, the options and the Set Up Class window show them.
struct ClassroomTexts {
    Q_DECLARE_TR_FUNCTIONS(Classroom)
};
}  // namespace

ClassroomConfig ClassroomConfig::parse(const QByteArray& bytes, const QString& path) {
    ClassroomConfig c;
    c.path = path;
    c.state = State::Loaded;
    auto damaged = [&](int line, const QString& what) {
        ClassroomConfig d;
        d.path = path;
        d.state = State::Damaged;
        d.problem = line > 0 ? ClassroomTexts::tr("line %1: %2").arg(QString::number(line), what) : what;
        return d;
    };
    if (bytes.contains('\0')) return damaged(0, ClassroomTexts::tr("the file is not text"));
    const QStringList lines = decodeText(bytes).split(u'\n');
    QStringList seen;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const int eq = line.indexOf(u'=');
        if (eq <= 0) return damaged(i + 1, ClassroomTexts::tr("\"%1\" is not of the form NAME = VALUE").arg(line.left(60)));
        const QString name = line.left(eq).simplified().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (seen.contains(name)) return damaged(i + 1, ClassroomTexts::tr("\"%1\" is given twice").arg(name));
        seen << name;
        QString why;
        if (name == QLatin1String("password")) {
            // A plain password in a file every user can read would be no password at all.
            if (!password::isHash(value, &why)) return damaged(i + 1, ClassroomTexts::tr("the password is not a hash: %1").arg(why));
            c.passwordHash = value;
        } else if (name == QLatin1String("class folder")) {
            if (!QDir::isAbsolutePath(value)) return damaged(i + 1, ClassroomTexts::tr("the class folder is not an absolute path"));
            c.classFolder = QDir::cleanPath(value);
        } else if (name == QLatin1String("class key")) {
            if (value.size() < kMinKeyLength)
                return damaged(i + 1, ClassroomTexts::tr("the class key is shorter than %1 characters").arg(kMinKeyLength));
            c.classKey = value.toUtf8();
        } else if (name == QLatin1String("lock")) {
            const QString v = value.toLower();
            if (v != QLatin1String("yes") && v != QLatin1String("no")) return damaged(i + 1, ClassroomTexts::tr("the lock is neither yes nor no"));
            c.lock = v == QLatin1String("yes");
        } else if (name == QLatin1String("student id")) {
            const QString v = value.toLower();
            if (v != QLatin1String("account") && v != QLatin1String("ask"))
                return damaged(i + 1, ClassroomTexts::tr("the student id is neither account nor ask"));
            c.studentId = v == QLatin1String("ask") ? StudentIdSource::Asked : StudentIdSource::Account;
        } else {
            // A misspelt name must not quietly leave the room open.
            return damaged(i + 1, ClassroomTexts::tr("\"%1\" is not a name the file may give "
                                                   "(password, class folder, class key, lock, student id)")
                                      .arg(name.left(40)));
        }
    }
    return c;
}

ClassroomConfig ClassroomConfig::read(const QString& path) {
    ClassroomConfig c;
    c.path = path;
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) return c;
    try {
        return parse(readRegularFile(path, kMaxBytes), path);
    } catch (const VbError& e) {
        c.state = State::Damaged;
        c.problem = e.number == 7 ? ClassroomTexts::tr("the file is larger than %1 KB").arg(kMaxBytes / 1024)
                    : e.number == 53 ? ClassroomTexts::tr("it is not a regular file")
                                     : ClassroomTexts::tr("it cannot be read (%1)").arg(e.description);
        return c;
    }
}

const ClassroomConfig& classroomConfig() {
    static const ClassroomConfig config = [] {
        QString path = classroomFilePath();
        if (QDir::isRelativePath(path)) path = QDir(appFolder()).filePath(path);
        return ClassroomConfig::read(path);
    }();
    return config;
}

PasswordRule passwordRule(const ClassroomConfig& config, const QString& userSetting, bool hasUserSetting) {
    PasswordRule r;
    if (config.state == ClassroomConfig::State::Damaged) {
        r.fromClassroom = true;
        r.refusal = ClassroomTexts::tr("The classroom configuration \"%1\" cannot be used (%2), so no password is accepted. "
                                       "Ask the administrator to correct it.")
                        .arg(QDir::toNativeSeparators(config.path), config.problem);
        return r;
    }
    if (config.locksPassword() || (!config.passwordHash.isEmpty() && !hasUserSetting)) {
        r.stored = config.passwordHash;
        r.fromClassroom = true;
        return r;
    }
    r.stored = hasUserSetting ? userSetting : QStringLiteral("gearcase");
    return r;
}

QString classFolderFor(const ClassroomConfig& config, const QString& userSetting, QString* problem) {
    QString why;
    QString folder;
    const QString own = userSetting.trimmed();
    if (config.state == ClassroomConfig::State::Damaged)
        why = QCoreApplication::translate("Classroom", "the classroom configuration \"%1\" cannot be used (%2)")
                  .arg(QDir::toNativeSeparators(config.path), config.problem);
    else if (config.locksClassFolder() || own.isEmpty())
        folder = config.classFolder;
    else if (!QDir::isAbsolutePath(own))
        // Relative to what? The working folder is the program's, which is no class's.
        why = QCoreApplication::translate("Classroom", "the class folder \"%1\" of the setting ZRclassFolder (section "
                                                       "ZRsettings) is not an absolute path")
                  .arg(own.left(200));
    else
        folder = QDir::cleanPath(own);
    if (problem) *problem = why;
    return folder;
}
