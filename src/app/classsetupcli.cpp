#include "app/classsetupcli.h"

#include "platform/services.h"
#include "users/classroom.h"
#include "users/classroomsetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

// The exit statuses (also in the usage text and docs/using.md).
constexpr int kDone = 0;         // written, printed or checked, and the check found no problem
constexpr int kProblems = 1;     // the check found a problem (the file was written or printed all the same)
constexpr int kUsage = 2;        // the command line or a value on it is wrong: nothing was written
constexpr int kNotWritten = 3;   // the file could not be written: nothing was changed

const char* const kHelp = QT_TRANSLATE_NOOP("ClassSetupCommand",
    "usage: vantorel --class-setup [--folder DIR] [--key KEY | --new-key]\n"
    "                [--password-stdin | --no-password] [--lock yes|no]\n"
    "                [--student-id account|ask] [--make-folders] [--print]\n"
    "       vantorel --class-setup --check\n"
    "\n"
    "Writes the classroom file (%1) from the values given, keeping the\n"
    "existing file's values for those not given, then checks it and its class folder.\n"
    "\n"
    "  --folder DIR        the class folder (an absolute path)\n"
    "  --key KEY           the class key (at least 16 characters, the same on every seat)\n"
    "  --new-key           a new random class key (a new file gets one anyway)\n"
    "  --password-stdin    the instructor's password from standard input (asked twice on a\n"
    "                      terminal, else its first line); the file keeps only its hash\n"
    "  --no-password       the file gives no password\n"
    "  --lock yes|no       whether the file's values override a user's own settings\n"
    "  --student-id account|ask\n"
    "                      the computer account's name, or an id each student types once\n"
    "  --make-folders      makes the class folder's challenges/ and attempts/ when missing\n"
    "  --print             writes the file's text to standard output instead of the file\n"
    "  --check             only checks the existing file and its class folder\n"
    "\n"
    "Exit status: 0 done and no problem found, 1 the check found a problem, 2 a wrong\n"
    "option or value (nothing written), 3 the file could not be written (nothing changed).\n");

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ClassSetupCommand)
};

void say(const QString& text) {
    const QByteArray bytes = (text + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, bytes.size(), stderr);
}

// A line typed on the terminal without showing it.
QString askHidden(const QString& prompt) {
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    termios old {};
    const bool tty = ::tcgetattr(STDIN_FILENO, &old) == 0;
    if (tty) {
        termios quiet = old;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    int c;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n') line += char(c);
    if (tty) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &old);
        std::fputc('\n', stderr);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return QString::fromLocal8Bit(line.c_str());
}

}  // namespace

bool wantsClassSetup(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--class-setup")) return true;
    return false;
}

int runClassSetup(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString data, folder, key, lock, studentId;
    bool newKey = false, passwordStdin = false, noPassword = false, makeFolders = false, print = false, check = false;
    bool changes = false;
    auto usageError = [](const QString& text) {
        say(QStringLiteral("vantorel: ") + text);
        say(Texts::tr("Try vantorel --class-setup --help."));
        return kUsage;
    };
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        auto value = [&](QString* to) {
            if (i + 1 >= argc) return false;
            *to = QString::fromLocal8Bit(argv[++i]);
            return true;
        };
        bool ok = true;
        if (!std::strcmp(a, "--class-setup")) continue;
        else if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            std::fputs(Texts::tr(kHelp).arg(QDir::toNativeSeparators(classroomFilePath())).toLocal8Bit().constData(), stdout);
            return kDone;
        } else if (!std::strcmp(a, "--data")) ok = value(&data);
        else if (!std::strcmp(a, "--folder")) ok = value(&folder), changes = true;
        else if (!std::strcmp(a, "--key")) ok = value(&key), changes = true;
        else if (!std::strcmp(a, "--lock")) ok = value(&lock), changes = true;
        else if (!std::strcmp(a, "--student-id")) ok = value(&studentId), changes = true;
        else if (!std::strcmp(a, "--new-key")) newKey = changes = true;
        else if (!std::strcmp(a, "--password-stdin")) passwordStdin = changes = true;
        else if (!std::strcmp(a, "--no-password")) noPassword = changes = true;
        else if (!std::strcmp(a, "--make-folders")) makeFolders = changes = true;
        else if (!std::strcmp(a, "--print")) print = changes = true;
        else if (!std::strcmp(a, "--check")) check = true;
        else if (!std::strcmp(a, "--password"))
            return usageError(Texts::tr("the password is never given on the command line (others can see it there): use --password-stdin"));
        else return usageError(Texts::tr("unknown option %1").arg(QString::fromLocal8Bit(a)));
        if (!ok) return usageError(Texts::tr("%1 needs a value").arg(QString::fromLocal8Bit(a)));
    }
    if (check && changes) return usageError(Texts::tr("--check stands alone: it checks the file as it is"));
    if (!key.isNull() && newKey) return usageError(Texts::tr("give --key or --new-key, not both"));
    if (passwordStdin && noPassword) return usageError(Texts::tr("give --password-stdin or --no-password, not both"));
    if (!lock.isNull() && lock != QLatin1String("yes") && lock != QLatin1String("no"))
        return usageError(Texts::tr("--lock takes yes or no, not \"%1\"").arg(lock));
    if (!studentId.isNull() && studentId != QLatin1String("account") && studentId != QLatin1String("ask"))
        return usageError(Texts::tr("--student-id takes account or ask, not \"%1\"").arg(studentId));

    // A build for the tests reads its classroom file in the program's folder.
    setAppFolder(data.isEmpty() ? QCoreApplication::applicationDirPath() : data);
    const QString path = classsetup::classroomFileInUse();
    const ClassroomConfig existing = ClassroomConfig::read(path);

    if (check) {
        const classsetup::Report report = classsetup::checkConfig(existing);
        say(report.text());
        return report.hasProblems() ? kProblems : kDone;
    }

    if (existing.state == ClassroomConfig::State::Damaged)
        say(Texts::tr("The classroom file \"%1\" cannot be used (%2); it is written anew from the values given.")
                .arg(QDir::toNativeSeparators(path), existing.problem));
    classsetup::Choices choices = classsetup::fromConfig(existing);
    if (!folder.isNull()) choices.classFolder = folder;
    if (!key.isNull()) choices.classKey = key;
    if (newKey || choices.classKey.isEmpty()) choices.classKey = classsetup::newClassKey();
    if (!lock.isNull()) choices.lock = lock == QLatin1String("yes");
    if (!studentId.isNull()) choices.studentId = studentId == QLatin1String("ask") ? StudentIdSource::Asked : StudentIdSource::Account;
    if (noPassword) choices.passwordHash.clear();
    if (passwordStdin) {
        const bool terminal = ::isatty(STDIN_FILENO);
        const QString first = askHidden(terminal ? Texts::tr("Instructor's password: ") : QString());
        const QString second = terminal ? askHidden(Texts::tr("The same again: ")) : first;
        if (first.isEmpty()) return usageError(Texts::tr("no password was given on standard input"));
        const classsetup::TypedPassword typed = classsetup::hashTyped(first, second);
        if (!typed.problem.isEmpty()) return usageError(typed.problem);
        choices.passwordHash = typed.hash;
    }
    const QStringList wrong = classsetup::choiceProblems(choices);
    if (!wrong.isEmpty()) return usageError(wrong.join(u' '));

    if (makeFolders) {
        const QString failed = classsetup::makeClassFolders(choices.classFolder);
        if (!failed.isEmpty()) say(failed);
    }
    const QByteArray text = classsetup::fileText(choices);
    classsetup::Report report;
    if (print) {
        std::fwrite(text.constData(), 1, text.size(), stdout);
        std::fflush(stdout);
        report = classsetup::checkConfig(ClassroomConfig::parse(text, QString()));
    } else {
        const QString failed = classsetup::writeClassroomFile(path, text);
        if (!failed.isEmpty()) {
            say(failed);
            say(Texts::tr("Write it with vantorel --class-setup ... --print > FILE and copy FILE there as the administrator."));
            return kNotWritten;
        }
        say(Texts::tr("The classroom file \"%1\" is written.").arg(QDir::toNativeSeparators(path)));
        report = classsetup::checkFile(path);
    }
    say(report.text());
    return report.hasProblems() ? kProblems : kDone;
}
