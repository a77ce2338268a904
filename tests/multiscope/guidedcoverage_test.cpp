// The diagnostic coverage of the guided tests, driven by the catalogue and the library: on the
// healthy car every test passes its mask in the state it names; each fault fails at least one
// test (none is left to the scanner and read-outs alone now); no test fails on a fault outside
// the circuits it looks at; and the table in the guide for instructors says which tests each
// fault fails, as the model does.
#include "testing.h"

#include "multiscope/guidedtests.h"
#include "multiscope/mask.h"
#include "sim/catalogue.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <set>

using guided::GuidedTest;

namespace {

// Pass or fail of a test on the car with the faults: five captures judged by the test's masks.
// No trigger within the time is a fail: the test cannot show its healthy trace.
scope::Verdict run(const GuidedTest& t, guided::EngineState state, const sim::FaultSet& faults) {
    const SimState s = guided::stateFor(state, faults);
    // A starter that cannot turn the engine leaves a cranking test of what the unit drives out
    // of reach: it cannot be made there (the tests of the starting system say why).
    if (!guided::reached(t, state, s)) return scope::Verdict::NotMeasured;
    scope::MaskJudge judge(guided::masks(t, guided::referenceFor(t, state, s)), 5);
    for (const auto& frames : guided::capture(t, s, faults, 5)) judge.add(frames);
    return judge.captures() < 5 ? scope::Verdict::Fail : judge.verdict();
}

// A test fails on a car when it fails in any of the states it can be made in.
scope::Verdict run(const GuidedTest& t, const sim::FaultSet& faults) {
    for (guided::EngineState state : t.states())
        if (run(t, state, faults) == scope::Verdict::Fail) return scope::Verdict::Fail;
    return scope::Verdict::Pass;
}

// The guide's table for instructors: a fault's box number and the keys of the tests it fails
// (the guide names them by their titles).
std::map<int, std::set<QString>> documentedTable() {
    QFile file(QStringLiteral(VANTOREL_SOURCE_DIR "/data/help/instructors.html"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "data/help/instructors.html cannot be read";
    const QString page = QString::fromUtf8(file.readAll());
    const qsizetype from = page.indexOf(QStringLiteral("<h2 id=\"guided\">"));
    EXPECT_GE(from, 0) << "the guide has no table of the guided tests";
    const QString section = page.mid(from, page.indexOf(QStringLiteral("</table>"), from) - from);
    std::map<int, std::set<QString>> rows;
    static const QRegularExpression row("<tr><td>(\\d+)</td><td>[^<]*</td><td>[^<]*</td><td>([^<]*)</td></tr>");
    for (auto m = row.globalMatch(section); m.hasNext();) {
        const QRegularExpressionMatch r = m.next();
        std::set<QString>& tests = rows[r.captured(1).toInt()];
        for (const QString& title : r.captured(2).split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            QString key;
            for (const GuidedTest& t : guided::library())
                if (t.title == title) key = t.key;
            EXPECT_FALSE(key.isEmpty()) << "the guide names a test there is not: " << title.toStdString();
            tests.insert(key);
        }
    }
    return rows;
}

std::string keysOf(const std::set<QString>& keys) {
    std::string s;
    for (const QString& k : keys) s += "`" + k.toStdString() + "` ";
    return s;
}

}  // namespace

TEST(GuidedCoverage, HealthyPassesEveryFaultFailsATestOfItsCircuitsAsTheTableSays) {
    for (const GuidedTest& t : guided::library())
        for (guided::EngineState state : t.states())
            EXPECT_EQ(run(t, state, sim::FaultSet()), scope::Verdict::Pass)
                << t.key.toStdString() << " on the healthy car, " << guided::stateName(state).toStdString();
    const std::map<int, std::set<QString>> table = documentedTable();
    for (const sim::FaultInfo& f : sim::faults()) {
        sim::FaultSet faults;
        faults.set(f.number);
        std::set<QString> failing;
        for (const GuidedTest& t : guided::library()) {
            if (run(t, faults) != scope::Verdict::Fail) continue;
            failing.insert(t.key);
            EXPECT_NE(std::find(t.circuits.begin(), t.circuits.end(), f.circuit), t.circuits.end())
                << t.key.toStdString() << " fails on fault " << f.number << ", outside the circuits it looks at";
        }
        EXPECT_FALSE(failing.empty()) << "no guided test finds fault " << f.number;
        const auto row = table.find(f.number);
        ASSERT_NE(row, table.end()) << "the guide's table has no row for fault " << f.number;
        EXPECT_EQ(keysOf(row->second), keysOf(failing)) << "the tests fault " << f.number << " fails";
    }
    EXPECT_EQ(table.size(), sim::faults().size());
}
