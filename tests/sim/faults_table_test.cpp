// The table of what each fault does at each point (docs/signals.md), read as written and held
// against the live signals, the catalogue's reach of each fault, and what the faults list the
// student reads (data/faults.txt) says of the same points.
#include "sim/engine.h"
#include "sim/signals.h"
#include "sim/startsequence.h"

#include "simtesting.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <vector>

using sim::PointId;

namespace {

using simtest::idling;

QString sourceFile(const QString& name) {
    QFile file(QStringLiteral(VANTOREL_SOURCE_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString() << " cannot be read";
    return QString::fromUtf8(file.readAll());
}

struct Row {
    std::set<PointId> changed, absent;
};

// "every <caption> point", "every <caption> point on the engine window", or a point's key in
// backticks; "—" for none.
std::set<PointId> pointsOf(const QString& cell, int fault) {
    std::set<PointId> out;
    if (cell.trimmed() == QStringLiteral("—")) return out;
    static const QRegularExpression every("^every (.+) point( on the engine window)?$");
    for (const QString& raw : cell.split(QStringLiteral(", "))) {
        const QString item = raw.trimmed();
        if (item.startsWith('`') && item.endsWith('`')) {
            const std::optional<PointId> p = sim::pointForKey(item.mid(1, item.size() - 2));
            if (p) out.insert(*p);
            else ADD_FAILURE() << "fault " << fault << ": no point " << item.toStdString();
            continue;
        }
        const QRegularExpressionMatch m = every.match(item);
        bool found = false;
        for (int q = 0; m.hasMatch() && q < sim::kQuantityCount; ++q) {
            const auto quantity = static_cast<sim::Quantity>(q);
            if (sim::captionOf(quantity) != m.captured(1)) continue;
            found = true;
            for (PointId p : sim::pointsMeasuring(quantity))
                if (m.captured(2).isEmpty() || sim::point(p).window == sim::Window::Simulation) out.insert(p);
        }
        if (!found) ADD_FAILURE() << "fault " << fault << ": cannot read \"" << item.toStdString() << "\"";
    }
    return out;
}

// The engine's three states the tables cover, each under its own heading in "## The faults".
enum class Stage { Running, Cranking, IgnitionOn };
constexpr std::array<Stage, 3> kStages{Stage::Running, Stage::Cranking, Stage::IgnitionOn};
const char* headingOf(Stage stage) {
    switch (stage) {
    case Stage::Running: return "### Running";
    case Stage::Cranking: return "### Cranking";
    case Stage::IgnitionOn: return "### Ignition on";
    }
    return "";
}

std::map<int, Row> faultsTable(Stage stage) {
    std::map<int, Row> rows;
    const QStringList lines = sourceFile("docs/signals.md").split('\n');
    int i = 0;
    while (i < lines.size() && !lines[i].startsWith("## The faults")) ++i;
    while (i < lines.size() && lines[i].trimmed() != headingOf(stage)) ++i;
    EXPECT_LT(i, lines.size()) << "docs/signals.md has no \"" << headingOf(stage) << "\" under its faults";
    while (i < lines.size() && !lines[i].startsWith("| Fault | What breaks | Changed | Absent |")) ++i;
    EXPECT_LT(i, lines.size()) << "no table of the faults' changed and absent points under " << headingOf(stage);
    for (i += 2; i < lines.size() && lines[i].startsWith('|'); ++i) {
        const QStringList cells = lines[i].split(QStringLiteral(" | "));
        const int number = cells.value(0).mid(1).trimmed().toInt();
        EXPECT_EQ(cells.size(), 5) << lines[i].toStdString();
        EXPECT_EQ(rows.count(number), 0u) << "fault " << number << " has two rows";
        if (cells.size() < 5) continue;
        rows[number] = {pointsOf(cells[2], number), pointsOf(cells[3], number)};
    }
    return rows;
}

// The faults list's entries by number.
std::map<int, QString> faultsList() {
    std::map<int, QString> entries;
    static const QRegularExpression entry("^(\\d+) - (.+)$");
    for (const QString& line : sourceFile("data/faults.txt").split('\n')) {
        const QRegularExpressionMatch m = entry.match(line.trimmed());
        if (m.hasMatch()) entries[m.captured(1).toInt()] = m.captured(2);
    }
    return entries;
}

// A warm engine standing with the key off.
SimState keyOff() {
    SimState s;
    s.EngineTemperature = 90;
    s.SystemVoltage = 12;
    return s;
}

// The key just turned to ignition on: the pump's priming run.
SimState ignitionOn() {
    SimState s = keyOff();
    EXPECT_TRUE(sim::switchIgnition(s, true));
    return s;
}

// The key turned to start with the fault present, as the start sequence leaves the car once the
// starter has brought the engine up to its cranking speed (or held the key where a starter that
// cannot turn leaves it).
SimState cranking(int fault) {
    SimState s = keyOff();
    sim::Controls c;
    sim::FaultSet faults;
    if (fault) faults.set(fault);
    sim::StartSequence start;
    for (int step = 0; step < 1000 && !start.done(); ++step) {
        start.advance(s, c, faults);
        if (s.EngineCranking == True && s.EngineSpeed > 0 && s.EngineSpeed >= s.CrankingSpeed) break;
    }
    // The pump's two seconds of priming are over by the ramp's end: the key rests a second at
    // ignition on, and the ramp takes a tenth of a second a step from 70 rev/min.
    s.PumpPriming = 0;
    EXPECT_EQ(s.EngineCranking, True) << "fault " << fault << ": the key in the cranking position";
    EXPECT_NE(s.EngineRunning, True) << "fault " << fault;
    return s;
}

SimState stateFor(Stage stage, int fault) {
    switch (stage) {
    case Stage::Running: return idling();
    case Stage::Cranking: return cranking(fault);
    case Stage::IgnitionOn: return ignitionOn();
    }
    return {};
}

sim::SignalInputs inputs(const SimState& s, int fault = 0) {
    sim::SignalInputs in;
    in.state = &s;
    if (fault) in.faults.set(fault);
    return in;
}

// The point's signal closely over one engine cycle (a second at the cranking speed) and
// loosely over three seconds, and its meter text.
struct Reading {
    std::vector<double> values;
    QString meter;
};
Reading readingOf(PointId id, const sim::SignalInputs& in) {
    Reading r;
    const sim::ProbePoint p = sim::probeOn(id);
    const double cycle = in.state->EngineCranking == True ? 1 : 0.15;
    for (double t = 0.0123; t < 0.0123 + cycle; t += 150e-6) r.values.push_back(sim::signalAt(p, in, t));
    for (double t = 0; t < 3; t += 0.03) r.values.push_back(sim::signalAt(p, in, t));
    r.meter = sim::meterText(p, in);
    return r;
}

std::string keys(const std::set<PointId>& points) {
    std::string s;
    for (PointId p : points) s += std::string(sim::point(p).key) + " ";
    return s;
}

// Every fault in every state: the points the table marks changed change, those it marks absent
// read nothing, and every other point keeps the healthy car's signal in that state.
TEST(FaultsTable, TheLiveSignalsDoWhatTheTableSaysAtEveryPoint) {
    for (Stage stage : kStages) {
        SCOPED_TRACE(headingOf(stage));
        const std::map<int, Row> table = faultsTable(stage);
        const SimState healthyState = stateFor(stage, 0);
        std::map<PointId, Reading> healthy;
        for (const sim::PointInfo& p : sim::points()) healthy[p.id] = readingOf(p.id, inputs(healthyState));
        for (const sim::FaultInfo& f : sim::faults()) {
            const auto row = table.find(f.number);
            ASSERT_NE(row, table.end()) << "the table has no row for fault " << f.number;
            const SimState s = stateFor(stage, f.number);
            std::set<PointId> changed, absent;
            for (const sim::PointInfo& p : sim::points()) {
                const Reading r = readingOf(p.id, inputs(s, f.number));
                const Reading& h = healthy[p.id];
                bool differs = r.meter != h.meter, nothing = true;
                for (size_t i = 0; i < r.values.size(); ++i) {
                    differs = differs || std::fabs(r.values[i] - h.values[i]) > 1e-6;
                    nothing = nothing && r.values[i] == 0;
                }
                if (differs) (nothing ? absent : changed).insert(p.id);
            }
            EXPECT_EQ(keys(changed), keys(row->second.changed)) << "changed by fault " << f.number;
            EXPECT_EQ(keys(absent), keys(row->second.absent)) << "absent with fault " << f.number;
        }
        EXPECT_EQ(table.size(), sim::faults().size());
    }
}

// The catalogue's reach holds every point the tables mark, and a fault that shows running
// shows at one of the points its stored reading or message stands on. While cranking the start
// sequence also acts on the state (the unit's timing and outputs, the starter's speed, the
// battery): a point outside the reach must then change with that state alone, the fault
// itself repaired.
TEST(FaultsTable, TheCatalogueReachesEveryPointTheTableMarks) {
    for (Stage stage : kStages) {
        SCOPED_TRACE(headingOf(stage));
        const SimState healthy = stateFor(stage, 0);
        for (const auto& [number, row] : faultsTable(stage)) {
            const sim::FaultInfo* f = sim::faultNumbered(number);
            ASSERT_NE(f, nullptr) << "the table has a row for fault " << number << ", which there is not";
            const SimState s = stateFor(stage, number);
            std::set<PointId> marked = row.changed;
            marked.insert(row.absent.begin(), row.absent.end());
            bool shown = marked.empty() || stage != Stage::Running;
            for (PointId p : marked) {
                for (const sim::Indication& k : f->shown)
                    shown = shown || std::find(k.at.begin(), k.at.end(), p) != k.at.end();
                if (sim::reaches(*f, p)) continue;
                const Reading byState = readingOf(p, inputs(s)), h = readingOf(p, inputs(healthy));
                EXPECT_TRUE(byState.values != h.values || byState.meter != h.meter)
                    << "fault " << number << " does not reach " << sim::point(p).key
                    << ", and the state it leaves does not change it";
            }
            EXPECT_TRUE(shown) << "fault " << number << " shows at none of its stored readings' points";
        }
    }
}

// What the faults list tells the student agrees with the tables and the signals: a sensor's
// fault says there is nothing at the ECU pin exactly when the pin has nothing on it (running,
// and while cranking for a fault the engine does not start with: the only time the student sees
// that sensor's signal); an output's fault that names where its signal stops has none there
// while cranking and keeps it at the unit's pin; and the charge warning light is said to glow
// dimly or stay on as the voltage across it gives.
TEST(FaultsTable, TheFaultsListSaysWhatTheProbeFinds) {
    const std::map<int, Row> running = faultsTable(Stage::Running), cranking = faultsTable(Stage::Cranking);
    const std::map<int, QString> list = faultsList();
    // "none at the ECU pin", "nothing on the wire or at the ECU pin", "no signal at any ... test
    // point".
    static const QRegularExpression nothingAtPin(
        "\\b(none|nothing)\\b[^.;]*\\bECU pin|\\bno (signal|output)\\b[^.;]*\\bat any\\b[^.;]*test point",
        QRegularExpression::CaseInsensitiveOption);
    // "Dwell at the ECU pin, none on the wire to the coil or at the coil".
    static const QRegularExpression stopsAtPin("at the ECU pin, none on the wire to the (\\w+) or at the \\1");
    // "No injector pulse at any test point", "No dwell anywhere in the coil circuit", "No supply at
    // any fuel pump test point".
    static const QRegularExpression nowhere("(^|\\. )no\\b[^.;]*\\b(at any\\b[^.;]*test point|anywhere)",
                                            QRegularExpression::CaseInsensitiveOption);
    const SimState s = idling();
    for (const sim::FaultInfo& f : sim::faults()) {
        const auto entry = list.find(f.number);
        ASSERT_NE(entry, list.end()) << "the faults list does not describe fault " << f.number;
        const QString& text = entry->second;
        SCOPED_TRACE("fault " + std::to_string(f.number) + ": " + text.toStdString());
        std::vector<PointId> circuit;
        PointId pin{};
        for (const sim::PointInfo& p : sim::points())
            if (p.circuit == f.circuit) {
                circuit.push_back(p.id);
                if (p.side == sim::Side::Unit) pin = p.id;
            }
        if (sim::isSensor(f.circuit)) {
            const bool saysNothing = nothingAtPin.match(text).hasMatch();
            EXPECT_EQ(saysNothing, running.at(f.number).absent.count(pin) == 1)
                << "running, the table says the pin " << (running.at(f.number).absent.count(pin) ? "has nothing" : "has a signal");
            if (f.preventsStart)
                EXPECT_EQ(saysNothing, cranking.at(f.number).absent.count(pin) == 1)
                    << "cranking, the table says the pin " << (cranking.at(f.number).absent.count(pin) ? "has nothing" : "has a signal");
        }
        if (!sim::isSensor(f.circuit) && f.preventsStart) {
            // What the student finds on the car that cranks and will not start.
            const Row& row = cranking.at(f.number);
            const auto marked = [&row](PointId p) { return row.changed.count(p) + row.absent.count(p) > 0; };
            if (stopsAtPin.match(text).hasMatch()) {
                for (PointId p : circuit)
                    if (p != pin) EXPECT_TRUE(marked(p)) << "cranking, at " << sim::point(p).key;
                EXPECT_EQ(row.absent.count(pin), 0u) << "cranking, the unit's pin has nothing";
            }
            if (nowhere.match(text).hasMatch()) {
                for (PointId p : circuit) EXPECT_TRUE(marked(p)) << "cranking, at " << sim::point(p).key;
            }
        }
        if (f.circuit == sim::Circuit::Charging || f.circuit == sim::Circuit::ChargeWarningLight) {
            double across = 0;
            constexpr int n = 400;
            for (int i = 0; i < n; ++i) {
                const double t = i * 1e-4;
                across += (sim::signalAt(sim::probeOn(PointId::ChargeWarningLightFeed), inputs(s, f.number), t) -
                           sim::signalAt(sim::probeOn(PointId::ChargeWarningLightDPlus), inputs(s, f.number), t)) /
                          n;
            }
            const bool dim = text.contains("glows dimly"), on = text.contains(QRegularExpression("stays on|at 0 V"));
            if (dim) EXPECT_TRUE(across >= 1 && across < 8) << across << " V across the lamp";
            else if (on) EXPECT_GE(across, 8) << "across the lamp";
            else EXPECT_LT(across, 1) << "across the lamp";
        }
    }
}

}  // namespace
