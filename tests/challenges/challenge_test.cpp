// Challenge files, the score rule, the results file, and the shipped challenges: each one
// reads and each of its faults changes some connection point's reading.
#include "app/main_window/frmmainscreen.h"
#include "challenges/attempt.h"
#include "challenges/session.h"
#include "electrical/frmcharging.h"
#include "electrical/frmstarting.h"
#include "engine/frmsimulation.h"
#include "multiscope/connections.h"
#include "platform/services.h"
#include "testing.h"

#include <QDir>
#include <QSet>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The windows live in the main window's area, as in the program.
struct MainWindowFirst : ::testing::Environment {
    void SetUp() override { createMainWindow(); }
};
const auto* g_main = ::testing::AddGlobalTestEnvironment(new MainWindowFirst);

Challenge sample() {
    Challenge c;
    c.title = "Two at once";
    c.instructions = "Line one, with a comma.\n\nLine three: \"quoted\".";
    c.engineRunning = true;
    c.battery = 14;
    c.temperature = -5;
    c.gear = 6;
    c.throttle = 2;
    c.autoRun = true;
    c.faults = {9, 42};
    c.answers = {answerForFault(9), answerForFault(42)};
    c.timeLimitMinutes = 25;
    c.measurementLimit = 30;
    c.hints = {{5, "First | with a bar"}, {20, "Second"}};
    return c;
}

QString problemOf(const QByteArray& bytes) {
    Challenge c;
    c.title = "untouched";
    QString problem;
    EXPECT_FALSE(parseChallenge(bytes, offeredAnswers(), &c, &problem)) << bytes.left(80).constData();
    EXPECT_EQ(c.title, "untouched");
    return problem;
}

}  // namespace

TEST(ChallengeFile, WhatIsSavedReadsBackTheSame) {
    const Challenge c = sample();
    Challenge back;
    QString problem;
    ASSERT_TRUE(parseChallenge(c.toText().toUtf8(), offeredAnswers(), &back, &problem)) << problem.toStdString();
    EXPECT_EQ(back.toText(), c.toText());
    EXPECT_EQ(back.hints[0].text, "First | with a bar");
    EXPECT_EQ(back.instructions, c.instructions);
    // CR LF line ends, a byte-order mark, comments and blank lines read as well.
    QString crlf = c.toText();
    crlf.replace("Title:", "# for the instructor\n\nTitle:").replace("\n", "\r\n");
    ASSERT_TRUE(parseChallenge("\xEF\xBB\xBF" + crlf.toUtf8(), offeredAnswers(), &back, &problem));
    EXPECT_EQ(back.toText(), c.toText());
}

TEST(ChallengeFile, BadFilesAreRefusedWithTheirProblem) {
    const QByteArray good = sample().toText(false).toUtf8();
    auto with = [&](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
    EXPECT_EQ(problemOf(""), "The file is empty.");
    EXPECT_TRUE(problemOf(good.left(good.size() / 2)).contains("it may be cut short"));
    EXPECT_TRUE(problemOf(good.left(good.indexOf("End of")))
                    .contains("does not end with \"End of challenge\""));
    EXPECT_TRUE(problemOf(with("challenge 1", "challenge 2")).contains("newer version"));
    EXPECT_TRUE(problemOf(with("Faults: 9, 42", "Faults: 9, 45")).contains("\"45\" is not one of the faults 1 to 44"));
    EXPECT_TRUE(problemOf(with("Faults: 9, 42", "Faults: 9, 9")).contains("listed twice"));
    EXPECT_TRUE(problemOf(with("| Its earth", "| Its wheel")).contains("not in the list of answers"));
    EXPECT_TRUE(problemOf(with("Battery: 14", "Battery: 17")).contains("battery voltage"));
    EXPECT_TRUE(problemOf(with("Gear: R\n", "")).contains("\"Gear:\" is missing"));
    EXPECT_TRUE(problemOf(with("Gear: R", "Gear: R\nGear: N")).contains("repeats"));
    EXPECT_TRUE(problemOf(with("Gear: R", "Colour: red")).contains("does not know"));
    EXPECT_TRUE(problemOf(QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10)).contains("binary"));
    EXPECT_TRUE(problemOf("Vantorel challenge 1\nTitle: \xff\xfe\n").contains("not UTF-8"));
    EXPECT_TRUE(problemOf("PK\x03\x04 not a challenge").contains("first line"));
    EXPECT_TRUE(problemOf(good + QByteArray(10 * 1024 * 1024, 'x')).contains("too large (10.0 MB)"));
    EXPECT_EQ(problemOf(with("Two at once", "Two\x1b[2J at once")), "Line 2 holds a control character (U+001B): the file is not plain text.");
    EXPECT_TRUE(problemOf(with("Line three", "Line\x07three")).contains("control character (U+0007)"));
    EXPECT_TRUE(problemOf(with("Two at once", QByteArray(200 * 1024, 'T').constData())).contains("a title has at most 120"));
    EXPECT_TRUE(problemOf(with("Second\n", "Second\nHint: 5 | " + QByteArray(501, 'h') + "\n")).contains("a hint has at most 500"));
    EXPECT_TRUE(problemOf(with("Line one", "End of challenge\nLine one")).startsWith("Line 17 is a second \"End of challenge\""));
    // The editor holds to the same limits, so nothing saved is refused when it is read.
    Challenge long_ = sample();
    long_.instructions = QString(Challenge::kMaxInstructions + 1, 'i');
    EXPECT_TRUE(long_.problem(offeredAnswers()).contains("at most 8000"));
    long_.instructions = "Tabs\tand\nlines are text.";
    EXPECT_EQ(long_.problem(offeredAnswers()), QString());
}

Challenge oneFault(int fault) {
    Challenge c = sample();
    c.faults = {fault};
    c.answers = {answerForFault(fault)};
    c.hints = {{5, "First"}, {20, "Second"}};
    c.timeLimitMinutes = 25;
    c.measurementLimit = 0;
    return c;
}

TEST(Score, AKnownPathWithTheDefaultWeights) {
    // The coolant sensor's wiring (9): its circuit measured at both ends, eight points on the
    // knock sensor's sound circuit, two scanner reads and a hint of 5.
    const Challenge c = oneFault(9);
    Attempt a(c, QDateTime(), false);
    a.addMeasurement(10, "wire", "0.0 V", "ecu.temperature-sensor.wire");
    a.addMeasurement(20, "pin", "0.0 V", "ecu.temperature-sensor.pin");
    for (int i = 0; i < 8; ++i) a.addMeasurement(30 + i, "knock", "0.1 V", "ecu.knock-sensor.wire");
    a.addMeasurement(40, "Scanner", "P0115", "scanner");
    a.addMeasurement(41, "Scanner", "data", "scanner");
    a.revealHint();
    a.submit(c.answers, 300);
    EXPECT_TRUE(a.right());
    EXPECT_EQ(a.score(), 100 - 4 - 5);  // two needless beyond the six free, at 2 each; the hint
    EXPECT_EQ(a.assess().evidence, 2);
    EXPECT_EQ(a.assess().needless, 8);
    EXPECT_TRUE(a.reasons().contains("8 measurements on sound circuits, 2 more than the 6 a comparison needs: -4"));
    EXPECT_TRUE(a.summary().contains("  Hints: -5"));

    // One end only, late: half the evidence and the lateness.
    Attempt once(c, QDateTime(), false);
    once.addMeasurement(10, "pin", "0.0 V", "ecu.temperature-sensor.pin");
    once.addMeasurement(11, "pin", "0.0 V", "ecu.temperature-sensor.pin");  // the same point again is no new evidence
    once.submit(c.answers, 25 * 60 + 1);
    EXPECT_EQ(once.score(), 100 - 20 - 25);
    // A guided test of the circuit that came to a result is evidence as a measurement is.
    Attempt guidedToo(c, QDateTime(), false);
    guidedToo.addMeasurement(10, "pin", "0.0 V", "ecu.temperature-sensor.pin");
    guidedToo.guidedRun(1, "coolant-sensor", "Coolant", scope::Verdict::Fail, "", "png", 20);
    guidedToo.submit(c.answers, 60);
    EXPECT_EQ(guidedToo.score(), 100);
}

TEST(Score, TheChallengesWeightsAndTheFloor) {
    Challenge c = oneFault(9);
    c.weights.evidence = 60;
    c.weights.needless = 5;
    c.weights.freeNeedless = 0;
    c.weights.hints = 50;
    Attempt a(c, QDateTime(), false);
    a.addMeasurement(1, "knock", "x", "ecu.knock-sensor.pin");
    a.addMeasurement(2, "reading box", "x", "");  // an example of the reading box bears on nothing
    a.revealHint();
    a.revealHint();
    a.submit(c.answers, 10);
    EXPECT_EQ(a.score(), 100 - 60 - 2 * 5 - 13);  // no evidence; two needless; half of 25 points, rounded
    // However much is lost, a right diagnosis keeps 10.
    c.weights.evidence = 100;
    Attempt low(c, QDateTime(), false);
    low.submit(c.answers, 10);
    EXPECT_EQ(low.score(), Attempt::kRightFloor);
    EXPECT_TRUE(low.reasons().last().contains("keeps at least 10"));
}

TEST(Score, AWrongDiagnosisThenAGuessIsNotFullMarks) {
    const Challenge c = oneFault(9);
    ASSERT_FALSE(c.showAnswer);  // the default
    Attempt wrong(c, QDateTime(), false);
    wrong.submit({answerForFault(1)}, 30);
    EXPECT_EQ(wrong.score(), 0);
    // The right answer is not given away: the student cannot learn it from a wrong guess.
    EXPECT_FALSE(wrong.summary().contains(answerForFault(9).part));
    EXPECT_TRUE(wrong.summary().contains("Wrong diagnosis: 0"));
    Attempt guess(c, QDateTime(), false);
    guess.submit(c.answers, 5);
    EXPECT_EQ(guess.score(), 60);
    EXPECT_TRUE(guess.reasons().contains("No measurement on the faulty circuit, so no evidence for the diagnosis: -40"));
    Challenge open = c;
    open.showAnswer = true;
    Attempt shown(open, QDateTime(), false);
    shown.submit({answerForFault(1)}, 30);
    EXPECT_TRUE(shown.summary().contains("The fault: " + answerForFault(9).part));
}

TEST(Score, TwoFaultsMustBothBeNamedInAnyOrderAndLimitsHold) {
    Challenge c = sample();
    c.measurementLimit = 2;
    Attempt a(c, QDateTime(), false);
    QString why;
    a.addMeasurement(1, "A", "x", "ecu.temperature-sensor.pin");
    a.addMeasurement(2, "B", "y", "ecu.temperature-sensor.wire");
    EXPECT_FALSE(a.mayMeasure(&why));
    EXPECT_TRUE(why.contains("allows 2 measurements"));
    a.revealHint();
    a.revealHint();
    a.revealHint();  // there are only two
    EXPECT_EQ(a.hintPoints(), 25);
    a.submit({c.answers[1], c.answers[0]}, 25 * 60 + 1);
    EXPECT_TRUE(a.right());
    // The second fault (the alternator's earth) was not measured: half the evidence is wanting.
    EXPECT_EQ(a.score(), 100 - 20 - 25 - 25);
    EXPECT_EQ(a.resultRow("Sam").mid(4), QStringList({"Right", "25:01", "2", "2", "30"}));

    Attempt half(c, QDateTime(), false);
    half.submit({c.answers[0], c.answers[0]}, 10);
    EXPECT_FALSE(half.right());
    EXPECT_EQ(half.score(), 0);
    Attempt quit(c, QDateTime(), false);
    quit.giveUp(3);
    EXPECT_EQ(quit.resultRow("Sam")[3], "(ended without a diagnosis)");
}

TEST(Draw, EachAttemptGetsOneSetTheSameForTheSameSeedAndEverySetComesUp) {
    const int sets = 3;
    // The same seed draws the same set.
    EXPECT_EQ(drawIndex(drawSeed("s1042", "Title", 1), sets), drawIndex(drawSeed("s1042", "Title", 1), sets));
    // Over many students every set comes up about as often as the others.
    int counts[sets] = {};
    for (int i = 0; i < 3000; ++i) ++counts[drawIndex(drawSeed(QString("student%1").arg(i), "Title", 1), sets)];
    for (int n : counts) EXPECT_NEAR(n, 1000, 120);
    // One student's successive attempts do not keep the same set.
    QSet<int> seen;
    for (int attempt = 1; attempt <= 12; ++attempt) seen.insert(drawIndex(drawSeed("s1042", "Title", attempt), sets));
    EXPECT_EQ(seen.size(), sets);
    EXPECT_EQ(drawIndex("anything", 1), 0);

    // The attempt takes the drawn set's faults, answers and engine state.
    Challenge c = sample();
    c.engineRunning = true;
    c.faults.clear();
    c.answers.clear();
    c.draw = {{{9}, FaultOption::Engine::AsChallenge}, {{1}, FaultOption::Engine::Stopped}, {{33, 40}, FaultOption::Engine::AsChallenge}};
    ASSERT_EQ(c.problem(offeredAnswers()), QString());
    Attempt second(c, QDateTime(), false, 1);
    EXPECT_EQ(second.faults(), QList<int>({1}));
    EXPECT_EQ(second.answers(), QList<Answer>({answerForFault(1)}));
    EXPECT_FALSE(second.engineRunning());
    Attempt third(c, QDateTime(), false, 2);
    EXPECT_TRUE(third.engineRunning());
    third.submit({answerForFault(40), answerForFault(33)}, 10);
    EXPECT_TRUE(third.right());
}

TEST(ChallengeFile, TheAnswersAreSealedAndTheRulesKept) {
    Challenge c = sample();
    c.attempts = 0;
    c.scoreCounts = ScoreRule::Last;
    c.showAnswer = true;
    c.weights.evidence = 55;
    const QString text = c.toText();
    // Nothing in the file names the faults or the answers.
    EXPECT_FALSE(text.contains("Faults:"));
    EXPECT_FALSE(text.contains("Answer:"));
    EXPECT_FALSE(text.contains(c.answers[0].part));
    EXPECT_FALSE(text.contains(c.answers[1].part));
    Challenge back;
    QString problem;
    ASSERT_TRUE(parseChallenge(text.toUtf8(), offeredAnswers(), &back, &problem)) << problem.toStdString();
    EXPECT_EQ(back.faults, c.faults);
    EXPECT_EQ(back.answers, c.answers);
    EXPECT_EQ(back.attempts, 0);
    EXPECT_EQ(back.scoreCounts, ScoreRule::Last);
    EXPECT_TRUE(back.showAnswer);
    EXPECT_EQ(back.weights.evidence, 55);
    // Written in the open (by hand), it reads the same.
    ASSERT_TRUE(parseChallenge(c.toText(false).toUtf8(), offeredAnswers(), &back, &problem));
    EXPECT_EQ(back.toText(), text);
    // A draw with its engine states, sealed and in the open.
    Challenge d = c;
    d.faults.clear();
    d.answers.clear();
    d.draw = {{{8}, FaultOption::Engine::AsChallenge}, {{2}, FaultOption::Engine::Stopped}, {{9, 40}, FaultOption::Engine::Running}};
    EXPECT_TRUE(d.toText(false).contains("Draw: 8; 2 @ stopped; 9, 40 @ running\n"));
    for (bool sealed : {true, false}) {
        ASSERT_TRUE(parseChallenge(d.toText(sealed).toUtf8(), offeredAnswers(), &back, &problem)) << problem.toStdString();
        EXPECT_EQ(back.draw, d.draw);
    }
    // A title changed by hand after saving, or a seal damaged, leaves the file unreadable and says so.
    EXPECT_TRUE(problemOf(text.toUtf8().replace("Title: Two at once", "Title: Two at one")).contains("sealed answers cannot be opened"));
    const int at = text.indexOf("Sealed: v1 ") + 20;
    QString damaged = text;
    damaged[at] = damaged[at] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    EXPECT_TRUE(problemOf(damaged.toUtf8()).contains("sealed answers cannot be opened"));
    // The rules' and the draw's mistakes.
    const QByteArray open = c.toText(false).toUtf8();
    EXPECT_TRUE(problemOf(QByteArray(open).replace("Attempts: any", "Attempts: 0")).contains("from 1 to 99"));
    EXPECT_TRUE(problemOf(QByteArray(open).replace("Score counts: last", "Score counts: worst")).contains("\"best\", \"last\""));
    EXPECT_TRUE(problemOf(QByteArray(open).replace("evidence 55", "evidence 555")).contains("weights"));
    const QByteArray drawn = d.toText(false).toUtf8();
    EXPECT_TRUE(problemOf(QByteArray(drawn).replace("Draw: 8; 2 @ stopped", "Draw: 8; 8")).contains("Set 2 of the draw is set 1 again"));
    EXPECT_TRUE(problemOf(QByteArray(drawn).replace("2 @ stopped", "2 @ idling")).contains("\"@ running\""));
    EXPECT_TRUE(problemOf(QByteArray(drawn).replace("Draw: 8; 2 @ stopped; 9, 40 @ running", "Draw: 8")).contains("from 2 to 12 sets"));
}

TEST(GuidedTests, AChallengeAsksForThemByKeyAndOnlyForTestsThereAre) {
    Challenge c = sample();
    // A file that asks for none is written as before, without the line.
    EXPECT_FALSE(c.toText().contains("Guided"));
    c.guidedTests = {"map-sensor", "crank-injector"};
    Challenge back;
    QString problem;
    ASSERT_TRUE(parseChallenge(c.toText().toUtf8(), offeredAnswers(), &back, &problem)) << problem.toStdString();
    EXPECT_EQ(back.guidedTests, QStringList({"map-sensor", "crank-injector"}));  // the instructor's order
    // Keys read whatever their case, as a hand-edited file may have them.
    const QByteArray good = c.toText().toUtf8();
    ASSERT_TRUE(parseChallenge(QByteArray(good).replace("map-sensor", "MAP-Sensor"), offeredAnswers(), &back, &problem));
    EXPECT_EQ(back.guidedTests.value(0), "map-sensor");
    auto with = [&](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
    EXPECT_EQ(problemOf(with("map-sensor", "cam-sensor")), "\"cam-sensor\" is not one of the instrument's guided tests.");
    EXPECT_EQ(problemOf(with("map-sensor", "crank-injector")), "The guided test \"crank-injector\" is asked for twice.");
    EXPECT_TRUE(problemOf(with("map-sensor, ", "map-sensor, , ")).contains("separated by commas"));
    EXPECT_TRUE(problemOf(with("map-sensor", "injector, knock-sensor, fuel-pump, charging, coolant-sensor, map-sensor"))
                    .contains("at most 6 guided tests"));
}

TEST(GuidedTests, TheAttemptKeepsEachRunAndItsLastResult) {
    Challenge c = sample();
    c.guidedTests = {"map-sensor", "crank-injector"};
    Attempt a(c, QDateTime(), false);
    const QByteArray passScreen("PNG of a pass"), failScreen("PNG of a fail");
    a.guidedRun(1, "map-sensor", "Manifold pressure sensor at idle", scope::Verdict::NotMeasured, "No capture yet", {}, 5);
    EXPECT_EQ(a.guidedMissing(), 2);
    a.guidedRun(1, "map-sensor", "Manifold pressure sensor at idle", scope::Verdict::Pass, "5 of 5", passScreen, 9);
    // The car leaving the test's state starts the count again: the result stays.
    a.guidedRun(1, "map-sensor", "Manifold pressure sensor at idle", scope::Verdict::NotMeasured, "Run the engine", {}, 12);
    ASSERT_EQ(a.guidedRuns().size(), 1);
    EXPECT_EQ(a.guidedRuns()[0].result, scope::Verdict::Pass);
    EXPECT_EQ(a.guidedRuns()[0].screen, passScreen);
    EXPECT_EQ(a.guidedRuns()[0].seconds, 5);
    EXPECT_EQ(a.guidedRuns()[0].resultSeconds, 9);
    // The same test run again (after a fault showed itself) fails: a run of its own, and the
    // test's result is the last run's.
    a.guidedRun(2, "map-sensor", "Manifold pressure sensor at idle", scope::Verdict::Fail, "1 of 5 left", failScreen, 20);
    ASSERT_EQ(a.guidedRuns().size(), 2);
    EXPECT_EQ(a.guidedResult("map-sensor"), scope::Verdict::Fail);
    EXPECT_EQ(a.guidedRuns()[0].result, scope::Verdict::Pass);
    EXPECT_EQ(a.guidedMissing(), 1);
    // A run set up and left without a result does not count as run.
    a.guidedRun(3, "crank-injector", "Crank sensor against injector", scope::Verdict::NotMeasured, "", {}, 30);
    EXPECT_EQ(a.guidedMissing(), 1);
    EXPECT_TRUE(a.guidedLines().join('\n').contains("Crank sensor against injector: not run to a result"));
    a.submit(c.answers, 60);
    EXPECT_EQ(a.score(), 100 - 40 - Attempt::kGuidedMissingPenalty);  // nothing measured on either faulty circuit
    EXPECT_TRUE(a.summary().contains("Guided tests without a result: 1 (10 points)"));
    // Nothing changes once the attempt has ended.
    a.guidedRun(4, "crank-injector", "Crank sensor against injector", scope::Verdict::Pass, "", passScreen, 70);
    EXPECT_EQ(a.guidedRuns().size(), 3);
    EXPECT_EQ(a.guidedMissing(), 1);
    // The printed sheet lists every run.
    const PrintDocument sheet = a.resultSheet("Sam", "", "today", "today");
    int runs = 0;
    for (const auto& line : sheet.lines) runs += line.text.contains("Manifold pressure sensor at idle:  ");
    EXPECT_EQ(runs, 2);
}

TEST(GuidedTests, MissingOnesCostAWrongAnswerNothingAndARightOneStopsAtItsFloor) {
    Challenge c = sample();
    c.guidedTests = {"map-sensor", "crank-injector", "injector"};
    Attempt wrong(c, QDateTime(), false);
    wrong.submit({c.answers[0], c.answers[0]}, 10);
    EXPECT_EQ(wrong.score(), 0);
    EXPECT_FALSE(wrong.summary().contains("without a result"));
    Attempt many(c, QDateTime(), false);
    for (int run = 1; run <= Attempt::kMaxGuidedRuns + 5; ++run)
        many.guidedRun(run, "injector", "Injector at idle", scope::Verdict::Pass, "", "x", run);
    EXPECT_EQ(many.guidedRuns().size(), Attempt::kMaxGuidedRuns);
}

TEST(ResultsFile, AppendsQuotedRowsAndAFailedWriteLeavesTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(results::fileName());
    results::append(path, {"Lee, J.", "Say \"ah\"", "2026-01-02 10:00:00", "A - B", "Right", "1:00", "3", "0", "100"});
    results::append(path, {"Ann", "C", "2026-01-01 09:00:00", "", "Wrong", "2:00", "4", "1", "0"});
    QList<QStringList> rows;
    QString problem;
    ASSERT_TRUE(results::parse(contents(path), &rows, &problem));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][0], "Lee, J.");
    EXPECT_EQ(rows[0][1], "Say \"ah\"");

    const QByteArray before = contents(path);
    {
        FileSizeLimit full(before.size() + 10);
        EXPECT_EQ(errorOf([&] { results::append(path, QStringList(9, QString(100, 'x'))); }), 61);
    }
    EXPECT_EQ(contents(path), before);
}

TEST(ShippedChallenges, EachReadsAndEachFaultChangesAReading) {
    const QList<Form*> windows = {frm<FRMsimulation>(), frm<frmStarting>(), frm<frmCharging>()};
    const QFileInfoList files = QDir(QDir(appFolder()).filePath("challenges")).entryInfoList({"*.vch"}, QDir::Files);
    ASSERT_GE(files.size(), 12);
    for (const QFileInfo& file : files) {
        Challenge c;
        QString message;
        ASSERT_TRUE(loadChallengeFile(file.filePath(), offeredAnswers(), &c, &message)) << message.toStdString();
        QString texts = c.title + "\n" + c.instructions;
        for (const Hint& h : c.hints) texts += "\n" + h.text;
        EXPECT_FALSE(faultNumber().match(texts).hasMatch()) << file.fileName().toStdString() << " names a fault number";
        for (int fault : c.faults) {
            // Some point reads differently with this fault than without it.
            bool found = false;
            for (Form* w : windows)
                for (DragLabel* label : w->findChildren<DragLabel*>()) {
                    const ConnectionPoint p = connectionPointOf(label);
                    auto in = [&](bool withIt) {
                        return [&, withIt](int n) { return c.faults.contains(n) && (withIt || n != fault); };
                    };
                    found = found || faultOverrides(p, w->formName(), in(true)) != faultOverrides(p, w->formName(), in(false));
                }
            EXPECT_TRUE(found) << file.fileName().toStdString() << ": fault " << fault;
        }
    }
}

TEST(Answers, EveryFaultShowsSomewhereSoEachOfItsAnswersIsOffered) {
    QList<Answer> all;
    for (int f = 1; f <= 44; ++f)
        if (!all.contains(answerForFault(f))) all << answerForFault(f);
    EXPECT_EQ(offeredAnswers(), all);
    EXPECT_EQ(describePoint(frm<FRMsimulation>()->findChild<QWidget*>("lblECU(1)")),
              "Engine speed (Engine Management system, at the ECU pin)");
}

TEST(Menus, TheMenuBarIsAsBeforeWithTheClassroomLastInTools) {
    frmMainscreen* main = mainWindow();
    ASSERT_TRUE(main);
    QStringList menus;
    for (QAction* top : main->menuBar()->actions()) {
        QStringList entries;
        for (QAction* a : top->menu()->actions()) entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
        menus << top->text() + ": " + entries.join(", ");
    }
    EXPECT_EQ(menus.join("\n").toStdString(),
              "&File: &Open..., &Close, Close &All, -, &Print..., -, Properties, -, Login..., &Start / Stop Engine, "
        "&Ignition On / Off, -, E&xit\n"
              "&Systems: &Controls, -, &Engine Management, Chargin&g, &Starting, -, Instr&uments, &Trip Computer, -, "
              "Set Faults...\n"
              "&Tools: &MultiScope, S&canner, &Pictures, &Telemetry, Connect P&robe..., -, &Diagnostics, -, Memory M&aps, -, "
                              "&Fill Tank, "
              "&User Details, &Options, -, C&hallenges..., C&lass Dashboard..., &Set Up Class...\n"
              "&Window: No windows open\n"
              "&Help: &Help, &Tip Of The Day, ZR Web Site, -, &About");
}
