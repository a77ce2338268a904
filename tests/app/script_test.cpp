// The script-mode contract: commands, error lines, dialog answers and deferred commands.
#include "app/script/scriptrunner.h"
#include "platform/form.h"
#include "sim/simstate.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Script : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        qputenv("XDG_CONFIG_HOME", (dir->path() + "/config").toUtf8());
        qputenv("TMPDIR", dir->path().toUtf8());
        runner = new ScriptRunner([](const QJsonObject& e) { events.append(e); });
        runner->runLines({}, false);  // start-up
    }
    // Runs lines and returns the events they produced (the closing "end" included).
    QList<QJsonObject> run(const QStringList& lines) {
        events.clear();
        runner->runLines(lines, false);
        return events;
    }
    static QList<QJsonObject> of(const QList<QJsonObject>& all, const QString& kind) {
        QList<QJsonObject> out;
        for (const auto& e : all)
            if (e.value("event").toString() == kind) out << e;
        return out;
    }
    static inline QTemporaryDir* dir = nullptr;
    static inline ScriptRunner* runner = nullptr;
    static inline QList<QJsonObject> events;
};

TEST_F(Script, BadLinesAreReportedWithTheirNumbersAndTheScriptGoesOn) {
    const auto ev = run({"# a comment", "", "frobnicate", "click frmNowhere.cmdX", "set FRMsimulation.HSB_engine_speed 9000",
                         "set frmInstruments.txbSpeed", "menu Files > Exit", "tick x", "let EngineSpeed 1500",
                         "expect EngineSpeed 1500", "expect EngineSpeed 1600"});
    const auto errors = of(ev, "error");
    ASSERT_EQ(errors.size(), 6);
    EXPECT_EQ(errors[0].value("line").toInt(), 3);
    EXPECT_TRUE(errors[0].value("text").toString().contains("unknown command"));
    EXPECT_EQ(errors[1].value("line").toInt(), 4);
    EXPECT_EQ(errors[2].value("line").toInt(), 5);  // outside the slider's range
    EXPECT_EQ(errors[3].value("line").toInt(), 7);
    EXPECT_EQ(errors[4].value("line").toInt(), 8);
    EXPECT_EQ(errors[5].value("line").toInt(), 11);
    EXPECT_TRUE(errors[5].value("text").toString().contains("\"1600\""));
    EXPECT_EQ(ev.last().value("event").toString(), "end");
    EXPECT_EQ(EngineSpeed, 1500);
    run({"let EngineSpeed 0"});
}

TEST_F(Script, MessageBoxesTakeQueuedAnswersOrTheirDefault) {
    auto ev = of(run({"answer OK", "menu Tools > Fill Tank", "menu Tools > Fill Tank"}), "message");
    ASSERT_EQ(ev.size(), 2);
    EXPECT_EQ(ev[0].value("answer").toString(), "OK");
    EXPECT_FALSE(ev[0].value("default").toBool());
    EXPECT_TRUE(ev[1].value("default").toBool());
    EXPECT_EQ(ev[1].value("title").toString(), "Vantorel");
    // An answer that is not among the box's buttons is used up, and the default is taken.
    ev = of(run({"answer No", "menu Tools > Fill Tank", "menu Tools > Fill Tank"}), "message");
    EXPECT_TRUE(ev[0].value("default").toBool());
    EXPECT_TRUE(ev[1].value("default").toBool());
}

TEST_F(Script, DeferredCommandsRunAtTheirYield) {
    // The tick yields once at its end: a command deferred by 2 yields runs in the second tick.
    run({"let ElapsedTime 0", "let Mileage 0", "defer 2 let Mileage 7", "tick"});
    EXPECT_DOUBLE_EQ(Mileage.value(), 0);
    run({"tick"});
    EXPECT_DOUBLE_EQ(Mileage.value(), 7);
}

TEST_F(Script, UntrappedErrorsFromEventsAreErrorLinesAndCountInTheEnd) {
    ASSERT_EQ(ScriptRunner::active(), runner);
    const int before = of(run({}), "end").first().value("errors").toInt();
    events.clear();
    runner->untrappedError(6, "Overflow");
    const auto errors = of(events, "error");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0].value("text").toString(), "Run-time error 6: Overflow");
    // The script goes on, and the error counts toward the exit status.
    const auto ev = run({"let EngineSpeed 10", "expect EngineSpeed 10"});
    EXPECT_TRUE(of(ev, "error").isEmpty());
    EXPECT_EQ(of(ev, "end").first().value("errors").toInt(), before + 1);
    run({"let EngineSpeed 0"});
}

TEST_F(Script, EveryFailedLineSaysWhy) {
    // A menu command takes no focus: the error line names the target.
    const auto errors = of(run({"focus frmMainscreen.menuFileLogin"}), "error");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].value("text").toString().contains("frmMainscreen.menuFileLogin")) << errors[0].value("text").toString().toStdString();
}

TEST_F(Script, ASearchOfTheEventsSinceTheLastCheckFailsWhenSomeWereNotKept) {
    QFile marker(dir->path() + "/marker.txt");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("ninety-nine red balloons");
    marker.close();
    // The file's event, then more events than the log keeps.
    QStringList lines{"file " + marker.fileName()};
    for (int i = 0; i < 5000; ++i) lines << "memory";
    // (An error line holds the text it looked for: the two checks look for different words.)
    lines << "expect noevent balloons" << "expect event ninety-nine";
    auto errors = of(run(lines), "error");
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[0].value("line").toInt(), 5002);
    EXPECT_TRUE(errors[0].value("text").toString().contains("were not kept")) << errors[0].value("text").toString().toStdString();
    EXPECT_EQ(errors[1].value("line").toInt(), 5003);
    EXPECT_TRUE(errors[1].value("text").toString().contains("were not kept")) << errors[1].value("text").toString().toStdString();
    // A mark starts a new search window, within which the answer is sure again.
    errors = of(run({"mark", "expect noevent ninety-nine", "file " + marker.fileName(), "expect event ninety-nine",
                     "expect noevent ninety-nine"}),
                "error");
    EXPECT_TRUE(errors.isEmpty()) << errors.value(0).value("text").toString().toStdString();
}

TEST_F(Script, ALookAtAWindowLoadsNoWindowAndSaysWhenItIsNotLoaded) {
    ASSERT_EQ(Forms::find("frmOptions"), nullptr);
    auto ev = run({"show frmOptions", "show frmOptions.Check1(6)", "expect frmOptions loaded false",
                   "expect frmOptions visible false", "expect frmOptions.Check1(6) value 1"});
    EXPECT_EQ(Forms::find("frmOptions"), nullptr);
    const auto shows = of(ev, "show");
    ASSERT_EQ(shows.size(), 2);
    EXPECT_EQ(shows[0], (QJsonObject{{"event", "show"}, {"target", "frmOptions"}, {"loaded", false}}));
    EXPECT_EQ(shows[1].value("target").toString(), "frmOptions.Check1(6)");
    EXPECT_FALSE(shows[1].value("loaded").toBool(true));
    auto errors = of(ev, "error");
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[0].value("line").toInt(), 4);
    EXPECT_EQ(errors[0].value("text").toString(), "frmOptions has no visible: frmOptions is not loaded");
    EXPECT_EQ(errors[1].value("line").toInt(), 5);
    // A window the program does not have is still an error, loaded or not.
    errors = of(run({"show frmNowhere", "expect frmNowhere loaded false"}), "error");
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[0].value("text").toString(), "unknown window frmNowhere");

    // Opened as a user opens it, it is shown as it is.
    ev = run({"menu Tools > Options", "expect frmOptions loaded true", "show frmOptions.Check1(6)", "close frmOptions"});
    EXPECT_TRUE(of(ev, "error").isEmpty()) << of(ev, "error").value(0).value("text").toString().toStdString();
    ASSERT_EQ(of(ev, "show").size(), 1);
    EXPECT_TRUE(of(ev, "show")[0].contains("value"));
    EXPECT_FALSE(of(ev, "show")[0].contains("loaded"));
}

TEST_F(Script, AGridCellIsNamedByNumbers) {
    ASSERT_NE(Forms::get("FRMsimulation"), nullptr);
    const auto ev = run({"show FRMsimulation.DBtiminggrid(0,0)", "show FRMsimulation.DBtiminggrid(x,y)",
                         "set FRMsimulation.DBtiminggrid(x,0) 5", "click FRMsimulation.DBtiminggrid(0,y)"});
    EXPECT_EQ(of(ev, "show").size(), 1);
    const auto errors = of(ev, "error");
    ASSERT_EQ(errors.size(), 3);
    EXPECT_EQ(errors[0].value("text").toString(), "no cell x,y");
    EXPECT_EQ(errors[1].value("text").toString(), "no cell x,0");
    EXPECT_EQ(errors[2].value("text").toString(), "no cell 0,y");
}

}  // namespace
