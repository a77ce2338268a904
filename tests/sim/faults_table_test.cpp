// The table of what each fault does at each point (docs/signals.md), read as written and held
// against the live signals, the catalogue's reach of each fault, and what the faults list the
// student reads (data/faults.txt) says of the same points.
#include "sim/signals.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <map>
#include <set>
#include <vector>

using sim::PointId;

namespace {

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

std::map<int, Row> faultsTable() {
    std::map<int, Row> rows;
    const QStringList lines = sourceFile("docs/signals.md").split('\n');
    int i = 0;
    while (i < lines.size() && !lines[i].startsWith("| Fault | What breaks | Changed | Absent |")) ++i;
    EXPECT_LT(i, lines.size()) << "docs/signals.md has no table of the faults' changed and absent points";
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

SimState idling() {
    SimState s;
    s.EngineRunning = True;
    s.EngineSpeed = 800;
    s.EngineLoad = 10;
    s.EngineTemperature = 90;
    s.SystemVoltage = 14;
    s.IgnitionTiming = 14;
    s.DwellPercentage = 30;
    s.InjectionDuration = 2.6;
    s.AlternatorSpeed = 2400;
    return s;
}

sim::SignalInputs inputs(const SimState& s, int fault = 0) {
    sim::SignalInputs in;
    in.state = &s;
    if (fault) in.faults.set(fault);
    return in;
}

// The point's signal closely over one engine cycle and loosely over three seconds, and its
// meter text.
struct Reading {
    std::vector<double> values;
    QString meter;
};
Reading readingOf(PointId id, const sim::SignalInputs& in) {
    Reading r;
    const sim::ProbePoint p = sim::probeOn(id);
    for (double t = 0.0123; t < 0.1623; t += 150e-6) r.values.push_back(sim::signalAt(p, in, t));
    for (double t = 0; t < 3; t += 0.03) r.values.push_back(sim::signalAt(p, in, t));
    r.meter = sim::meterText(p, in);
    return r;
}

std::string keys(const std::set<PointId>& points) {
    std::string s;
    for (PointId p : points) s += std::string(sim::point(p).key) + " ";
    return s;
}

// Every fault with the engine running: the points the table marks changed change, those it
// marks absent read nothing, and every other point keeps its healthy signal.
TEST(FaultsTable, TheLiveSignalsDoWhatTheTableSaysAtEveryPoint) {
    const std::map<int, Row> table = faultsTable();
    const SimState s = idling();
    std::map<PointId, Reading> healthy;
    for (const sim::PointInfo& p : sim::points()) healthy[p.id] = readingOf(p.id, inputs(s));
    for (const sim::FaultInfo& f : sim::faults()) {
        const auto row = table.find(f.number);
        ASSERT_NE(row, table.end()) << "the table has no row for fault " << f.number;
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

// The catalogue's reach holds every point the table marks, and a fault that shows running
// shows at one of the points its stored reading or message stands on.
TEST(FaultsTable, TheCatalogueReachesEveryPointTheTableMarks) {
    for (const auto& [number, row] : faultsTable()) {
        const sim::FaultInfo* f = sim::faultNumbered(number);
        ASSERT_NE(f, nullptr) << "the table has a row for fault " << number << ", which there is not";
        std::set<PointId> marked = row.changed;
        marked.insert(row.absent.begin(), row.absent.end());
        bool shown = marked.empty();
        for (PointId p : marked) {
            EXPECT_TRUE(sim::reaches(*f, p)) << "fault " << number << " does not reach " << sim::point(p).key;
            for (const sim::Indication& k : f->shown)
                shown = shown || std::find(k.at.begin(), k.at.end(), p) != k.at.end();
        }
        EXPECT_TRUE(shown) << "fault " << number << " shows at none of its stored readings' points";
    }
}

// What the faults list tells the student agrees with the table and the signals: a sensor's
// fault says there is nothing at the ECU pin exactly when the pin has nothing on it, and the
// charge warning light is said to glow dimly or stay on as the voltage across it gives.
TEST(FaultsTable, TheFaultsListSaysWhatTheProbeFinds) {
    const std::map<int, Row> table = faultsTable();
    const std::map<int, QString> list = faultsList();
    // "none at the ECU pin", "nothing on the wire or at the ECU pin", "no signal at any ... test
    // point".
    static const QRegularExpression nothingAtPin(
        "\\b(none|nothing)\\b[^.;]*\\bECU pin|\\bno (signal|output)\\b[^.;]*\\bat any\\b[^.;]*test point",
        QRegularExpression::CaseInsensitiveOption);
    const SimState s = idling();
    for (const sim::FaultInfo& f : sim::faults()) {
        const auto entry = list.find(f.number);
        ASSERT_NE(entry, list.end()) << "the faults list does not describe fault " << f.number;
        const QString& text = entry->second;
        SCOPED_TRACE("fault " + std::to_string(f.number) + ": " + text.toStdString());
        if (sim::isSensor(f.circuit)) {
            PointId pin{};
            for (const sim::PointInfo& p : sim::points())
                if (p.circuit == f.circuit && p.side == sim::Side::Unit) pin = p.id;
            const Row& row = table.at(f.number);
            EXPECT_EQ(nothingAtPin.match(text).hasMatch(), row.absent.count(pin) == 1)
                << "the table says the pin " << (row.absent.count(pin) ? "has nothing" : "has a signal");
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
