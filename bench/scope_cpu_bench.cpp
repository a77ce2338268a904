// Processor time of the running program with the scope sweeping a waveform, beside a minimal
// Qt program that draws one line segment every 25 ms into a 300 x 400 widget; both run at
// the same time for the same wall-clock span, and the ratio of their processor times is
// printed (target: at most 1.5). Then the same with the scope's Live source on the running
// engine's crank sensor.
//
//   scope_cpu_bench [SECONDS] [DATA_DIR]
//
// The program is the real one (start-up, main window, every window, both timers running on
// the real clock) in this process; the baseline is this executable started again with
// --baseline. Start-up is not counted: the span begins once the scope is sweeping.
#include "benchstats.h"
#include "app/main_window/frmmainscreen.h"
#include "sim/simstate.h"
#include "sim/catalogue.h"
#include "sim/signals.h"
#include "app/startup.h"
#include "electrical/startstop.h"
#include "engine/frmsimulation.h"
#include "multiscope/displays.h"
#include "multiscope/livescope.h"
#include "multiscope/multiscope.h"
#include "platform/qtplatform.h"
#include "platform/services.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QLabel>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

double cpuSeconds(int who) {
    rusage u{};
    getrusage(who, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

// The program's own platform without dialogs that wait for a person.
class BenchPlatform : public QtPlatform {
public:
    MsgAnswer messageBox(const QString&, const QString&, MsgIcon, MsgButtons) override { return MsgAnswer::OK; }
    void pause(double) override {}
};

// The baseline: one segment every 25 ms into a backing image, repainting what it touched.
class Trace : public QWidget {
public:
    Trace() {
        resize(300, 400);
        image_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        image_.fill(Qt::white);
        connect(&timer_, &QTimer::timeout, this, [this] { step(); });
        timer_.start(25);
    }
protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.drawImage(e->rect(), image_, e->rect());
    }
private:
    void step() {
        const QPoint to(x_, 200 + ((x_ * 37) % 160) - 80);
        if (x_ == 0) image_.fill(Qt::white);
        QPainter p(&image_);
        p.setPen(QPen(QColor(128, 0, 0), 3));
        p.drawLine(last_, to);
        p.end();
        update(QRect(last_, to).normalized().adjusted(-3, -3, 3, 3));
        last_ = to;
        x_ = (x_ + 6) % 300;
        if (x_ == 0) update();
    }
    QImage image_;
    QTimer timer_;
    QPoint last_{0, 200};
    int x_ = 0;
};

int baseline(int argc, char** argv, int seconds) {
    QApplication app(argc, argv);
    Trace t;
    t.show();
    app.processEvents();
    const double start = cpuSeconds(RUSAGE_SELF);
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();
    std::printf("%.6f\n", cpuSeconds(RUSAGE_SELF) - start);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    chooseBenchPlatform();  // the baseline inherits it
    const int seconds = argc > 2 && !std::strcmp(argv[1], "--baseline") ? atoi(argv[2])
                        : argc > 1 && std::strcmp(argv[1], "--baseline") ? std::max(1, atoi(argv[1]))
                                                                          : 30;
    if (argc > 1 && !std::strcmp(argv[1], "--baseline")) return baseline(argc, argv, seconds);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantorel");
    QApplication::setOrganizationName("Vantorel");
    QString data = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath() + "/../bin";
    // The settings and the scanner's reports go to folders of their own.
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath("config")));
    qputenv("TMPDIR", QFile::encodeName(scratch.path()));
    setAppFolder(QDir(data).absolutePath());
    QFile wave(scratch.filePath("Bench.msf"));
    wave.open(QIODevice::WriteOnly);
    wave.write("\"  800 rev/min\"\r\n");
    for (int i = 1; i <= 50; ++i) wave.write("\"" + QByteArray::number((i * 37) % 199 - 99) + "\"\r\n");
    wave.close();

    setPlatform(new BenchPlatform);
    Main();
    mainWindow()->menuToolsMultiScope_Click();
    ShowWaveform(scratch.filePath("Bench.msf"));
    // VANTOREL_BENCH_IDLE=1: the scope stands still, to see what the rest of the program costs.
    if (qEnvironmentVariableIntValue("VANTOREL_BENCH_IDLE")) frm<MultiScope>()->Timer1->setEnabled(false);
    app.processEvents();

    // Runs the program for the span beside a fresh baseline and prints the two processor times.
    auto measure = [&](const char* what, const char* row, double target) {
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(), {"--baseline", QString::number(seconds)});
        other.waitForStarted();
        const double start = cpuSeconds(RUSAGE_SELF);
        QElapsedTimer wall;
        wall.start();
        // A loop of its own: quitting the application would close the main window, whose close
        // runs the exit routine.
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        const double program = cpuSeconds(RUSAGE_SELF) - start;
        const double elapsed = wall.elapsed() / 1000.0;
        other.waitForFinished(seconds * 1000 + 30000);
        const double base = QString::fromLatin1(other.readAllStandardOutput()).trimmed().toDouble();

        std::printf("MultiScope sweeping %s for %.1f s (platform %s)\n", what, elapsed,
                    qPrintable(QGuiApplication::platformName()));
        std::printf("  Vantorel       %.3f s processor time (%.2f %% of one core)\n", program, 100 * program / elapsed);
        std::printf("  minimal trace  %.3f s processor time (%.2f %% of one core)\n", base, 100 * base / elapsed);
        const double ratio = base > 0 ? program / base : 0.0;
        std::printf("  ratio          %.2f (target at most %.1f)\n", ratio, target);
        benchResult(row, textf("%.3f s in %.0f s", program, elapsed), textf("ratio <= %.1f", target),
                    base > 0 && ratio <= target,
                    textf("%.2f to the minimal trace's %.3f s", ratio, base));
    };
    measure("a waveform", "processor time, scope sweeping", 1.5);

    // The same with the Live source on the crank sensor of the running engine (the main timer
    // runs the engine step every second meanwhile).
    StartStopEngine();
    MultiScope* scope = frm<MultiScope>();
    scope->showDevice(tool::Scope);
    scope->setSource(MultiScope::Source::Live);
    scope->cmdConnection_DragDrop(frm<FRMsimulation>()->ctl<QLabel>("lblECU", 1));
    scope->live->cmbTrigger->setCurrentText("Roll");
    app.processEvents();
    measure("live on the crank sensor", "processor time, scope sweeping live", 1.5);

    // Triggered: the Live screen on the crank sensor with Normal trigger on the gap's larger
    // tooth, the cursors and four measurements, drawing a frame ten times a second.
    EngineSpeed = 800;
    scope->live->cmbTrigger->setCurrentText("Normal");
    scope->live->spnLevel->setValue(2.5);
    scope->live->chkCursors->setChecked(true);
    app.processEvents();
    measure("live triggered on the crank sensor", "processor time, scope triggered live", 2.0);

    // Four channels and the engine speed worked out from A: the crank sensor, the injector,
    // the coil's primary and the spark plug's lead, triggered on A.
    scope->live->connectChannel(1, sim::probeOn(sim::PointId::InjectorWire), "injector");
    scope->live->connectChannel(2, sim::probeOn(sim::PointId::CoilWire), "coil");
    scope->live->connectChannel(3, sim::probeOn(sim::PointId::SparkPlugLead), "lead");
    scope->live->cmbMath[0]->setCurrentIndex(4);
    emit scope->live->cmbMath[0]->activated(4);
    app.processEvents();
    measure("live, four channels and a math channel", "processor time, scope four channels live", 2.5);
    std::fflush(stdout);
    std::_Exit(0);
}
