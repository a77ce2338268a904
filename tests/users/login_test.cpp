// The login checks a stored hash away from the interface thread: the click returns at once, the
// window says that it checks, and the outcome arrives later as an event. A window closed in the
// meantime logs nobody in.
#include "app/script/scriptrunner.h"
#include "platform/services.h"
#include "sim/simstate.h"
#include "users/password.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThreadPool>
#include <gtest/gtest.h>

namespace {

// "Right 1", hashed with 1000 iterations (made with Python's hashlib.pbkdf2_hmac).
const QString kStored = QStringLiteral("pbkdf2-sha256$1000$Y2xhc3Nyb29tLXNhbHQtMQ==$Wh5xpirvww60uEIlKIc/yotRomTbxzi3iSJc61luGIc=");
const QString kAccepted = QStringLiteral("Password accepted, you now have access to the database and faults list...");

class LoginCheck : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        qputenv("XDG_CONFIG_HOME", (dir->path() + "/config").toUtf8());
        qputenv("TMPDIR", dir->path().toUtf8());
        runner = new ScriptRunner([](const QJsonObject& e) { events.append(e); });
        runner->runLines({}, false);  // start-up
        password::setChecksAsideInScriptMode(true);
    }
    void SetUp() override {
        SaveSetting("ZRsettings", "ZRsettingPW", kStored);
        run({"let LoggedIn 0"});
        held = true;
        // The checks' one worker is held busy: the check waits behind it until the test lets it
        // go, so that what the window shows in the meantime is seen on every run.
        password::checkPool().start([] { gate.acquire(); });
    }
    void TearDown() override {
        finishChecks();
        QCoreApplication::processEvents();
    }
    // Lets the worker go and waits until the check behind it has been worked out.
    void finishChecks() {
        if (held) gate.release();
        held = false;
        password::checkPool().waitForDone();
    }
    QList<QJsonObject> run(const QStringList& lines) {
        events.clear();
        runner->runLines(lines, false);
        return events;
    }
    static QStringList texts(const QList<QJsonObject>& all, const QString& kind) {
        QStringList out;
        for (const auto& e : all)
            if (e.value("event").toString() == kind) out << e.value("text").toString();
        return out;
    }
    // Lets the check run and waits for its outcome (a message box), at most a minute.
    QStringList outcome() {
        finishChecks();
        QStringList messages;
        const QDeadlineTimer deadline(60000);
        while (messages.isEmpty() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            messages = texts(events, "message");
        }
        return messages;
    }
    static inline QTemporaryDir* dir = nullptr;
    static inline ScriptRunner* runner = nullptr;
    static inline QList<QJsonObject> events;
    static inline QSemaphore gate{0};
    bool held = false;
};

TEST_F(LoginCheck, TheWindowSaysThatItChecksAndTheOutcomeComesLater) {
    auto ev = run({"menu File > Login...", "set frmLogin.txtPassword \"Right 1\"", "click frmLogin.cmdOK",
                   "expect frmLogin.lblChecking visible true", "expect frmLogin.lblChecking text \"Checking the password...\"",
                   "expect frmLogin.cmdOK enabled false", "expect frmLogin.txtPassword enabled false",
                   "expect LoggedIn 0"});
    EXPECT_TRUE(texts(ev, "error").isEmpty()) << texts(ev, "error").join('\n').toStdString();
    EXPECT_TRUE(texts(ev, "message").isEmpty());
    EXPECT_EQ(outcome().value(0).toStdString(), kAccepted.toStdString());
    ev = run({"expect LoggedIn -1", "expect frmLogin loaded false"});
    EXPECT_TRUE(texts(ev, "error").isEmpty()) << texts(ev, "error").join('\n').toStdString();
}

TEST_F(LoginCheck, AWrongPasswordIsRefusedWhenItsCheckEnds) {
    run({"menu File > Login...", "set frmLogin.txtPassword \"right 1\"", "click frmLogin.cmdOK"});
    EXPECT_TRUE(texts(events, "message").isEmpty());
    EXPECT_EQ(outcome().value(0).toStdString(), "Invalid Password, please try again!");
    const auto ev = run({"expect LoggedIn 0", "expect frmLogin visible true", "expect frmLogin.cmdOK enabled true",
                         "expect frmLogin.lblChecking visible false", "expect frmLogin.txtPassword selected \"right 1\"",
                         "click frmLogin.cmdCancel"});
    EXPECT_TRUE(texts(ev, "error").isEmpty()) << texts(ev, "error").join('\n').toStdString();
}

TEST_F(LoginCheck, AWindowClosedWhileItChecksLogsNobodyIn) {
    run({"menu File > Login...", "set frmLogin.txtPassword \"Right 1\"", "click frmLogin.cmdOK", "click frmLogin.cmdCancel"});
    finishChecks();
    QCoreApplication::processEvents();
    EXPECT_FALSE(texts(events, "message").contains(kAccepted));
    const auto ev = run({"expect LoggedIn 0"});
    EXPECT_TRUE(texts(ev, "error").isEmpty()) << texts(ev, "error").join('\n').toStdString();
    // The window opens again ready for a new try.
    const auto again = run({"menu File > Login...", "expect frmLogin.cmdOK enabled true", "expect frmLogin.lblChecking visible false",
                            "click frmLogin.cmdCancel"});
    EXPECT_TRUE(texts(again, "error").isEmpty()) << texts(again, "error").join('\n').toStdString();
}

}  // namespace
