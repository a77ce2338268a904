// Script mode as a process: one JSON object a line on standard output, error lines that let
// the script go on, and an exit status of 0 exactly when no line failed.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Transcript {
    int status = -1;
    QList<QJsonObject> events;
};

// Runs the program on a copy of its folder with its own settings and temporary folder.
Transcript runScript(const QByteArray& script) {
    const QString bin = qEnvironmentVariable("VANTOREL_DATA");
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/data");
    for (const QString& name : QDir(bin).entryList(QDir::Files))
        if (name != "vantorel") QFile::copy(bin + "/" + name, dir.path() + "/data/" + name);
    QFile f(dir.path() + "/script.vs");
    f.open(QIODevice::WriteOnly);
    f.write(script);
    f.close();

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", dir.path() + "/config");
    env.insert("TMPDIR", dir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(bin + "/vantorel", {"--data", dir.path() + "/data", "--script", dir.path() + "/script.vs"});
    Transcript run;
    if (!p.waitForFinished(30000)) return run;
    run.status = p.exitCode();
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        if (line.isEmpty()) continue;
        const QJsonDocument doc = QJsonDocument::fromJson(line);
        EXPECT_TRUE(doc.isObject()) << "not a JSON object: " << line.toStdString();
        run.events << doc.object();
    }
    return run;
}

TEST(ScriptProcess, ExitStatusIsZeroExactlyWhenNoLineFailed) {
    const Transcript clean = runScript("tick\nexpect ElapsedTime 1\n");
    EXPECT_EQ(clean.status, 0);
    ASSERT_FALSE(clean.events.isEmpty());
    EXPECT_EQ(clean.events.last().value("event").toString(), "end");
    EXPECT_EQ(clean.events.last().value("errors").toInt(), 0);

    const Transcript failed = runScript("frobnicate\ntick\nexpect ElapsedTime 1\nexpect ElapsedTime 5\n");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.events.last().value("errors").toInt(), 2) << "the script goes on after a bad line";
}

TEST(ScriptProcess, ACheckDeferredPastTheEndFailsTheScript) {
    const Transcript run = runScript("tick\ndefer 1000 expect EngineSpeed 12345\n");
    EXPECT_EQ(run.status, 1);
    QStringList errors;
    for (const QJsonObject& e : run.events)
        if (e.value("event").toString() == "error") errors << e.value("text").toString();
    EXPECT_EQ(errors, QStringList{"deferred command never ran: expect EngineSpeed 12345"});
}

TEST(ScriptProcess, ExitStopsTheScriptAndEndsTheTranscript) {
    const Transcript run = runScript("menu File > Exit\nfrobnicate\n");
    EXPECT_EQ(run.status, 0) << "the lines after the exit are not run";
    ASSERT_GE(run.events.size(), 2);
    EXPECT_EQ(run.events[run.events.size() - 2].value("event").toString(), "exit");
    EXPECT_EQ(run.events.last().value("event").toString(), "end");
}

}  // namespace
