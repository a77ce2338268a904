// Entry point: the interactive program, or script mode with --script FILE.
#include "app/script/scriptrunner.h"
#include "app/startup.h"
#include "platform/application.h"
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

void usage() {
    std::fprintf(stderr, "usage: vantorel [--data DIR] [--script FILE]\n");
}

}  // namespace

int main(int argc, char** argv) {
    startWarmup();
    QString script, data;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--script") && i + 1 < argc) script = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--data") && i + 1 < argc) data = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            usage();
            return 0;
        } else {
            usage();
            return 2;
        }
    }
    // Script mode needs no display: offscreen, unless QT_QPA_PLATFORM names a platform (the
    // maps window's 3D chart needs a real one, such as xcb on a virtual X server).
    if (!script.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    if (!script.isEmpty() && qEnvironmentVariableIsEmpty("VANTOREL_DEBUG")) qInstallMessageHandler(quietHandler);
    Application app(argc, argv);
    QApplication::setApplicationName("Vantorel");
    QApplication::setOrganizationName("Vantorel");
    if (!data.isEmpty()) setAppFolder(data);

    if (!script.isEmpty()) {
        ScriptRunner runner([](const QJsonObject& e) {
            const QByteArray line = QJsonDocument(e).toJson(QJsonDocument::Compact);
            std::fwrite(line.constData(), 1, line.size(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        });
        const int errors = runner.runFile(script);
        std::fflush(stdout);
        std::_Exit(errors == 0 ? 0 : 1);
    }

    setPlatform(new QtPlatform);
    Main();
    return app.exec();
}
