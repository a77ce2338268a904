// Start-up time: from process start to the main window shown (its first paint), for Vantorel
// and for an empty Qt main window, each in fresh processes started by this one, alternating;
// prints the medians and their ratio (target: at most 1.3). The splash window's two-second hold
// is not counted. The program is timed twice: in English, and in German with its translations
// loaded as the program's start-up loads them (the same target).
// Also reported: the time until start-up has finished (every window loaded, options applied,
// timer running) and the main window has been painted again.
//   startup_bench [RUNS] [DATA_DIR]
// For a profiler, one child on its own, ending at the moment that is timed (the first paint):
//   startup_bench --child empty|vantorel|vantorel-de DATA_DIR --stop-at-paint
// e.g. valgrind --tool=callgrind build/bench/startup_bench --child vantorel build/bin --stop-at-paint
#include "benchstats.h"
#include "app/main_window/frmmainscreen.h"
#include "app/startup.h"
#include "platform/language.h"
#include "platform/qtplatform.h"
#include "platform/services.h"
#include "platform/warmup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QProcess>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long monotonicNs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// The program's own platform, but the splash pause is skipped and message boxes answer at once.
class BenchPlatform : public QtPlatform {
public:
    MsgAnswer messageBox(const QString&, const QString&, MsgIcon, MsgButtons) override { return MsgAnswer::OK; }
    void pause(double) override {}
};

bool g_stopAtPaint = false;

void stopNow() {
    std::printf("%lld %lld\n", monotonicNs(), monotonicNs());
    std::fflush(stdout);
    std::_Exit(0);
}

// Notes the moment a widget is first painted.
class FirstPaint : public QObject {
public:
    QWidget* target = nullptr;
    long long at = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!at && e->type() == QEvent::Paint && target && (o == target || target->isAncestorOf(qobject_cast<QWidget*>(o)))) {
            at = monotonicNs();
            if (g_stopAtPaint) stopNow();
        }
        return false;
    }
};

void waitExposed(QWidget* w) {
    w->show();
    while (!w->windowHandle() || !w->windowHandle()->isExposed()) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

int child(int argc, char** argv, const QString& mode, const QString& data) {
    // As the program's main() does.
    if (mode != "empty") startWarmup();
    QApplication app(argc, argv);
    if (mode == "empty") {
        QMainWindow w;
        w.resize(1067, 800);
        waitExposed(&w);
        if (g_stopAtPaint) stopNow();
        const long long now = monotonicNs();
        std::printf("%lld %lld\n", now, now);
    } else {
        setAppFolder(data);
        language::apply(mode == "vantorel-de" ? QLocale::German : QLocale::English);
        setPlatform(new BenchPlatform);
        // The main window is created inside Main: note it when it is shown, then its first paint.
        FirstPaint first;
        app.installEventFilter(&first);
        struct Hook : QObject {
            FirstPaint* f;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (!f->target && e->type() == QEvent::Show && o->objectName() == "frmMainscreen")
                    f->target = static_cast<QWidget*>(o);
                return false;
            }
        } hook;
        hook.f = &first;
        app.installEventFilter(&hook);
        Main();
        waitExposed(mainWindow());
        std::printf("%lld %lld\n", first.at ? first.at : monotonicNs(), monotonicNs());
    }
    std::fflush(stdout);
    std::_Exit(0);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && QString(argv[1]) == "--child") {
        g_stopAtPaint = argc >= 5 && QString(argv[4]) == "--stop-at-paint";
        return child(argc, argv, argv[2], argv[3]);
    }
    int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    QString data = argc > 2 ? QString(argv[2]) : QString();
    if (data.isEmpty()) {
        QCoreApplication probe(argc, argv);
        data = QCoreApplication::applicationDirPath() + "/../bin";
    }
    chooseBenchPlatform();  // the children inherit it
    qputenv("XDG_CONFIG_HOME", "/tmp/vantorel-bench-config");
    std::vector<double> empty, vantorel, complete, german;
    for (int i = 0; i < runs; ++i) {
        for (const char* mode : {"empty", "vantorel", "vantorel-de"}) {
            QProcess p;
            const long long start = monotonicNs();
            p.start(QString(argv[0]), {"--child", mode, data});
            p.waitForFinished(60000);
            const QStringList times = QString(p.readAllStandardOutput()).trimmed().split(' ');
            const double shown = (times.value(0).toLongLong() - start) / 1e6;
            const double done = (times.value(1).toLongLong() - start) / 1e6;
            if (QString(mode) == "empty") {
                empty.push_back(shown);
            } else if (QString(mode) == "vantorel-de") {
                german.push_back(shown);
            } else {
                vantorel.push_back(shown);
                complete.push_back(done);
            }
        }
    }
    const double e = median(empty), v = median(vantorel), g = median(german);
    std::printf("empty Qt main window: %.1f ms (median of %d)\n", e, runs);
    std::printf("Vantorel main window: %.1f ms (median of %d, splash hold excluded)\n", v, runs);
    std::printf("Vantorel start-up complete: %.1f ms (median; every window loaded, options applied)\n",
                median(complete));
    std::printf("ratio: %.2f (target: at most 1.3 on a quiet machine)\n", v / e);
    std::printf("Vantorel main window in German: %.1f ms (median of %d; ratio %.2f)\n", g, runs, g / e);
    benchResult("start-up to the first paint", textf("%.1f ms", v), "ratio <= 1.3", v / e <= 1.3,
                textf("%.2f to the empty window's %.1f ms", v / e, e));
    benchResult("start-up in German (translations loaded)", textf("%.1f ms", g), "ratio <= 1.3", g / e <= 1.3,
                textf("%.2f to the empty window's %.1f ms", g / e, e));
    return 0;
}
