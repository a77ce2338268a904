// Records the stored waveforms of the connection points from the healthy car, and compares the
// stored files with the guided tests' references.
//
//   mkwaveforms audit DATA_DIR             each stored file a guided test measures, beside its
//                                           reference: the test's figures and the meter text
//   mkwaveforms write DATA_DIR [FILE...]   records the files of the table below (or the ones
//                                           named, "Engine speed.msf") from the healthy model
//
// A file is recorded at the state of its point's guided test (or the one named below), on the
// screen its text names ("Scope at ..."), triggered as the test triggers. Its name, its 51
// records and their form stay as the editor writes them. Files not in the table (a recording
// of a moment the model does not give, such as the starter's inrush) are left to their authors.
#include "multiscope/guidedtests.h"
#include "multiscope/storedwaveforms.h"
#include "multiscope/waveformfile.h"
#include "sim/catalogue.h"
#include "sim/signals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using guided::EngineState;
using sim::PointId;

struct Recorded {
    PointId point;
    EngineState state;
    // The trigger of the point's guided test when it has one; else these.
    scope::Trigger trigger;
};

// Triggered at a share of the screen in (the level and edge are the guided test's when it
// triggers on the point).
scope::Trigger at(double position, double level = 0, bool falling = false) {
    scope::Trigger t;
    t.mode = scope::TriggerMode::Normal;
    t.level = level;
    t.edge = falling ? scope::Edge::Falling : scope::Edge::Rising;
    t.position = position;
    return t;
}

scope::Trigger none() {
    scope::Trigger t;
    t.mode = scope::TriggerMode::Roll;
    return t;
}

// The files recorded from the model, a point each (the file is its quantity's).
const std::vector<Recorded>& table() {
    static const std::vector<Recorded> t = {
        {PointId::SpeedSensorPin, EngineState::Idle, at(0.25)},  // the gap
        {PointId::KnockSensorPin, EngineState::Idle, at(0.1)},
        {PointId::Injector, EngineState::Idle, at(0.15)},        // the opening
        {PointId::IgnitionCoil, EngineState::Idle, at(0.2)},     // the spark
        {PointId::SparkPlugLead, EngineState::Idle, at(0.15)},   // the firing line
        // At idle, as the Live screen shows it; the guided test takes the priming run.
        {PointId::FuelPump, EngineState::Idle, none()},
    };
    return t;
}

QString fileOf(PointId p) { return QString::fromLatin1(sim::quantityInfo(sim::point(p).quantity).fileBase); }

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// The guided test that measures a point first, and its channel there.
const guided::GuidedTest* testOf(sim::Quantity q, std::size_t* channel) {
    for (const guided::GuidedTest& t : guided::library())
        for (std::size_t c = 0; c < t.channels.size(); ++c)
            if (sim::point(t.channels[c].point).quantity == q) {
                *channel = c;
                return &t;
            }
    return nullptr;
}

scope::Polarity polarityOf(PointId p) {
    return sim::screenSettings(p).lowPulses ? scope::Polarity::Negative : scope::Polarity::Positive;
}

int audit(const QString& dir) {
    QTextStream out(stdout);
    out << "| File | Test (state) | Figure | Stored | Reference |\n|---|---|---|---|---|\n";
    for (const guided::GuidedTest& t : guided::library()) {
        for (std::size_t c = 0; c < t.channels.size(); ++c) {
            const PointId p = t.channels[c].point;
            const QString file = fileOf(p);
            QString records[msf::kRecords];
            if (msf::readWaveformFile(QDir(dir).filePath(file + ".msf"), records) != msf::kRecords) continue;
            const auto screen = stored::screenOfText(readText(QDir(dir).filePath(file + ".txt")));
            if (!screen) {
                out << "| " << file << " | " << t.key << " | (the text names no screen) | | |\n";
                continue;
            }
            std::vector<double> samples;
            for (int i = 1; i < msf::kRecords; ++i) samples.push_back(records[i].toDouble());
            const scope::Trace st = stored::traceOfSamples(samples, *screen);
            const std::vector<scope::Frame> ref = guided::reference(t);
            if (c >= ref.size()) continue;
            scope::Trace rt{ref[c].values, ref[c].dt, ref[c].lows, ref[c].highs};
            const QString unit = QString::fromLatin1(sim::quantityInfo(sim::point(p).quantity).unit);
            const SimState car = guided::stateFor(t.state);
            sim::SignalInputs in;
            in.state = &car;
            out << "| " << file << " | " << t.key << " (" << guided::stateName(t.state) << ") | meter | `"
                << records[0].trimmed() << "` | `" << sim::meterText(sim::probeOn(p), in).trimmed() << "` |\n";
            std::vector<scope::Measurement> ms = t.measurements;
            for (scope::Measurement m : {scope::Measurement::Minimum, scope::Measurement::Maximum})
                if (std::find(ms.begin(), ms.end(), m) == ms.end()) ms.push_back(m);
            for (scope::Measurement m : ms) {
                const auto a = scope::measure(st, m, unit, polarityOf(p));
                const auto b = scope::measure(rt, m, unit, polarityOf(p));
                out << "| | | " << scope::measurementName(m) << " | " << a.text << " | " << b.text << " |\n";
            }
        }
    }
    // The points no guided test measures: held against the car's own trace on the same screen.
    out << "\n| File | State | Figure | Stored | Live |\n|---|---|---|---|---|\n";
    const sim::QuantityInfo* q = nullptr;
    for (const sim::PointInfo& p : sim::points()) {
        std::size_t channel = 0;
        if (testOf(p.quantity, &channel)) continue;
        if (q == &sim::quantityInfo(p.quantity)) continue;
        q = &sim::quantityInfo(p.quantity);
        const QString file = QString::fromLatin1(q->fileBase);
        QString records[msf::kRecords];
        if (msf::readWaveformFile(QDir(dir).filePath(file + ".msf"), records) != msf::kRecords) continue;
        const auto screen = stored::screenOfText(readText(QDir(dir).filePath(file + ".txt")));
        if (!screen) continue;
        const bool starting = p.circuit == sim::Circuit::StarterSwitch || p.circuit == sim::Circuit::StarterSupply ||
                              p.circuit == sim::Circuit::StarterMotor || p.circuit == sim::Circuit::StarterEarth;
        const EngineState state = starting ? EngineState::Cranking : EngineState::Idle;
        const SimState car = guided::stateFor(state);
        const QStringList live = stored::recording(p.id, car, *screen, none());
        std::vector<double> a, b;
        for (int i = 1; i < msf::kRecords; ++i) {
            a.push_back(records[i].toDouble());
            b.push_back(live[i].toDouble());
        }
        const scope::Trace st = stored::traceOfSamples(a, *screen), lt = stored::traceOfSamples(b, *screen);
        out << "| " << file << " | " << guided::stateName(state) << " | meter | `" << records[0].trimmed() << "` | `"
            << live[0].trimmed() << "` |\n";
        for (scope::Measurement m : {scope::Measurement::Minimum, scope::Measurement::Maximum, scope::Measurement::Mean,
                                     scope::Measurement::Frequency})
            out << "| | | " << scope::measurementName(m) << " | " << scope::measure(st, m, q->unit).text << " | "
                << scope::measure(lt, m, q->unit).text << " |\n";
    }
    return 0;
}

// The starting system's points from the moment the key turns, at the start of sample `key`: the
// engine still before it, then the starter's ramp from 70 rev/min (where its inrush is largest)
// to its cranking speed over three samples, then steady cranking; from sample `release` on (the
// key let go once the engine runs), the running engine.
struct FromTheKey {
    PointId point;
    int key = 3;
    int release = stored::kSamples;
};
const std::vector<FromTheKey>& fromTheKey() {
    static const std::vector<FromTheKey> points = {
        {PointId::StarterCurrent},
        {PointId::StarterSupply},
        {PointId::StarterEarth},
        // Half a second a division: the key held for 2.3 s.
        {PointId::StarterSwitch, 5, 44},
    };
    return points;
}

QStringList recordedFromTheKey(const FromTheKey& k, const stored::Screen& screen) {
    constexpr int kRamp = 3;
    const SimState still = guided::stateFor(EngineState::IgnitionOn);
    const SimState cranking = guided::stateFor(EngineState::Cranking);
    const SimState running = guided::stateFor(EngineState::Idle);
    const sim::ProbePoint probe = sim::probeOn(k.point);
    sim::SignalInputs in;
    in.state = &cranking;
    QStringList records{sim::meterText(probe, in)};
    for (int i = 0; i < stored::kSamples; ++i) {
        SimState s = i < k.key ? still : i >= k.release ? running : cranking;
        if (i >= k.key && i < k.key + kRamp)
            s.EngineSpeed = Integer(70 + (cranking.EngineSpeed - 70) * (i - k.key) / kRamp);
        in.state = &s;
        const double v = sim::signalAt(probe, in, 1.0 + i * screen.sampleSeconds());
        const double units = (v / screen.perDivision - (screen.zeroAtCentre ? 0 : 2)) * 100.0 / 3;
        records << QString::number(std::lround(std::clamp(units, -99.0, 99.0)));
    }
    return records;
}

int write(const QString& dir, const QStringList& only) {
    int written = 0;
    for (const Recorded& r : table()) {
        const QString file = fileOf(r.point);
        if (!only.isEmpty() && !only.contains(file + ".msf")) continue;
        const QString text = readText(QDir(dir).filePath(file + ".txt"));
        const auto screen = stored::screenOfText(text);
        if (!screen) {
            std::fprintf(stderr, "%s.txt names no screen (\"Scope at ... per division; zero ... is the ...\")\n",
                         qPrintable(file));
            return 1;
        }
        std::size_t channel = 0;
        const guided::GuidedTest* test = testOf(sim::point(r.point).quantity, &channel);
        scope::Trigger trigger = r.trigger;
        if (test && r.trigger.mode == scope::TriggerMode::Normal && test->triggerChannel == int(channel) &&
            test->trigger.mode == scope::TriggerMode::Normal) {
            trigger.level = test->trigger.level;
            trigger.edge = test->trigger.edge;
        }
        const SimState state = guided::stateFor(r.state);
        const QStringList records = stored::recording(r.point, state, *screen, trigger);
        msf::writeWaveformFile(QDir(dir).filePath(file + ".msf"), records);
        std::printf("%s.msf: %s\n", qPrintable(file), qPrintable(records.join(' ')));
        ++written;
    }
    for (const FromTheKey& k : fromTheKey()) {
        const QString file = fileOf(k.point);
        if (!only.isEmpty() && !only.contains(file + ".msf")) continue;
        const auto screen = stored::screenOfText(readText(QDir(dir).filePath(file + ".txt")));
        if (!screen) {
            std::fprintf(stderr, "%s.txt names no screen\n", qPrintable(file));
            return 1;
        }
        const QStringList records = recordedFromTheKey(k, *screen);
        msf::writeWaveformFile(QDir(dir).filePath(file + ".msf"), records);
        std::printf("%s.msf: %s\n", qPrintable(file), qPrintable(records.join(' ')));
        ++written;
    }
    return written > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args[0] == QLatin1String("audit")) return audit(args[1]);
    if (args.size() >= 2 && args[0] == QLatin1String("write")) return write(args[1], args.mid(2));
    std::fprintf(stderr, "usage: mkwaveforms audit DATA_DIR | write DATA_DIR [FILE.msf ...]\n");
    return 2;
}
