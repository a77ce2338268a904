// Entry point: the interactive program, or script mode with --script FILE.
#include "app/classsetupcli.h"
#include "app/script/scriptrunner.h"
#include "app/startup.h"
#include "platform/application.h"
#include "platform/datafolder.h"
#include "platform/language.h"
#include "platform/platform.h"
#include "platform/qtplatform.h"
#include "platform/vbtypes.h"
#include "platform/services.h"
#include "platform/warmup.h"

#include <QJsonDocument>
#include <cstdio>
#include <cstring>

namespace {

// In script mode the transcript is the output: Qt's own chatter about the offscreen platform
// is dropped unless VANTOREL_DEBUG is set.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtFatalMsg || type == QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(msg));
}

const char* const kUsage =
    "usage: vantorel [--data DIR] [--language CODE] [--script FILE]\n"
    "       vantorel --class-setup ... (vantorel --class-setup --help)\n"
    "       vantorel --version | --help\n"
    "\n"
    "Vantorel, a training simulator for automotive electronics and fault diagnosis.\n"
    "\n"
    "  --data DIR     use DIR as the program's folder (data files and database)\n"
    "  --language CODE  speak the language CODE: en (English), de (German) or es\n"
    "                   (Spanish); by default the one chosen in the options, else\n"
    "                   the system's (in script mode English)\n"
    "  --script FILE  run the commands in FILE without a display and write a transcript\n"
    "                 of JSON lines on standard output\n"
    "  --version      print the version and exit\n"
    "  --help         print this text and exit\n"
    "\n"
    "An installed program works on its own copy of the data files in\n"
    "$XDG_DATA_HOME/vantorel (by default ~/.local/share/vantorel).\n";

void usage(std::FILE* to) { std::fputs(kUsage, to); }

}  // namespace

int main(int argc, char** argv) {
    // The administrator's command: no window, no display.
    if (wantsClassSetup(argc, argv)) return runClassSetup(argc, argv);
    QString script, data, languageCode;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--script") && i + 1 < argc) script = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--data") && i + 1 < argc) data = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--language") && i + 1 < argc) {
            languageCode = QString::fromLocal8Bit(argv[++i]);
            if (language::fromCode(languageCode) == QLocale::AnyLanguage) {
                std::fprintf(stderr, "vantorel: unknown language %s (en, de or es)\n", argv[i]);
                usage(stderr);
                return 2;
            }
        } else if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            usage(stdout);
            return 0;
        } else if (!std::strcmp(argv[i], "--version")) {
            std::printf("vantorel %s\n", VANTOREL_VERSION);
            return 0;
        } else {
            const bool missing = (!std::strcmp(argv[i], "--script") || !std::strcmp(argv[i], "--data") ||
                                  !std::strcmp(argv[i], "--language"));
            std::fprintf(stderr, missing ? "vantorel: %s needs a value\n" : "vantorel: unknown option %s\n", argv[i]);
            usage(stderr);
            return 2;
        }
    }
    // The options are known: the program will start, so the font configuration can load now.
    startWarmup();
    // Script mode needs no display: offscreen, unless QT_QPA_PLATFORM names a platform (the
    // maps window's 3D chart needs a real one, such as xcb on a virtual X server).
    if (!script.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    if (!script.isEmpty() && qEnvironmentVariableIsEmpty("VANTOREL_DEBUG")) qInstallMessageHandler(quietHandler);
    Application app(argc, argv);
    QApplication::setApplicationName("Vantorel");
    QApplication::setOrganizationName("Vantorel");
    // The folder given with --data, else the build folder or the user's copy of the installed
    // data; a copy that could not be made is reported once the platform can show a message.
    DataFolder folder{data, QString(), 0};
    if (data.isEmpty()) folder = chooseDataFolder(QCoreApplication::applicationDirPath());
    setAppFolder(folder.folder);
    removeLeftTemporaryFiles();
    // The language, before the first window is made: the one asked for, else the options'
    // choice; in script mode a choice of "System" is English, so that a transcript does not
    // depend on the machine it is made on.
    QString languageProblem;
    if (!languageCode.isEmpty()) language::apply(language::fromCode(languageCode), &languageProblem);
    else if (script.isEmpty()) language::apply(language::resolve(language::chosenInSettings()), &languageProblem);
    else language::apply(language::resolve(language::chosenInSettings(), QLocale::c()), &languageProblem);
    auto reportFolderProblem = [&folder] {
        if (folder.problem.isEmpty()) return;
        std::fprintf(stderr, "vantorel: %s\n", qPrintable(QString(folder.problem).replace("\r\n", " ")));
        MsgBox(folder.problem, MsgButtons::OK, MsgIcon::Exclamation);
    };
    auto reportLanguageProblem = [&languageProblem] {
        if (languageProblem.isEmpty()) return;
        std::fprintf(stderr, "vantorel: %s\n", qPrintable(languageProblem));
        MsgBox(languageProblem, MsgButtons::OK, MsgIcon::Exclamation);
    };

    if (!script.isEmpty()) {
        ScriptRunner runner([](const QJsonObject& e) {
            const QByteArray line = QJsonDocument(e).toJson(QJsonDocument::Compact);
            std::fwrite(line.constData(), 1, line.size(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        });
        reportFolderProblem();
        reportLanguageProblem();
        const int errors = runner.runFile(script);
        std::fflush(stdout);
        std::_Exit(errors == 0 ? 0 : 1);
    }

    setPlatform(new QtPlatform);
    reportFolderProblem();
    reportLanguageProblem();
    Main();
    return app.exec();
}
