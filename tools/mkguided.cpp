// Draws the guide's picture of what to connect for every guided test, as the instrument shows it:
//   mkguided OUTDIR       writes OUTDIR/guided-KEY.png for each test
// A picture with a label cut off or overlapping, or a lead its card cannot show, is reported on
// standard error and the tool fails.
#include "multiscope/guidedpicture.h"
#include "multiscope/guidedtests.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: mkguided OUTDIR\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!out.exists()) {
        std::fprintf(stderr, "mkguided: no folder %s\n", qPrintable(args[1]));
        return 2;
    }
    bool ok = true;
    for (const guided::GuidedTest& test : guided::library()) {
        const guided::ConnectionPicture picture = guided::connectionLayout(test);
        const QString file = out.filePath("guided-" + test.key + ".png");
        for (const QString& problem : picture.problems)
            std::fprintf(stderr, "mkguided: %s: %s\n", qPrintable(test.key), qPrintable(problem));
        if (!picture.problems.isEmpty()) ok = false;
        if (!picture.image.save(file, "PNG")) {
            std::fprintf(stderr, "mkguided: cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
