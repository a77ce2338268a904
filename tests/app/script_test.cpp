// The script-mode contract: commands, error lines, dialog answers and deferred commands.
#include "app/script/scriptrunner.h"
#include "app/state.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "platform/scriptplatform.h"

#include <QJsonArray>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A window with one of each kind of control the script commands reach.
class DoubleClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    int doubleClicks = 0;
protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { ++doubleClicks; }
};

class frmScriptProbe : public Form {
public:
    frmScriptProbe() {
        setCaption("Script probe");
        cmbFixed = new QComboBox(this);
        cmbFixed->setObjectName("cmbFixed");
        cmbFixed->addItems({"Alpha", "Beta"});
        QObject::connect(cmbFixed, &QComboBox::activated, this, [this](int i) { picked = cmbFixed->itemText(i); });
        cmbEdit = new QComboBox(this);
        cmbEdit->setObjectName("cmbEdit");
        cmbEdit->setEditable(true);
        lstItems = new QListWidget(this);
        lstItems->setObjectName("lstItems");
        lstItems->addItems({"One", "Two"});
        QObject::connect(lstItems, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) { listed = i->text(); });
        makeDragLabel(this, "lblSource", "Engine speed", T(0, 0, 1500, 300));
        QPushButton* target = makeButton(this, "cmdTarget", "Terminal", T(0, 400, 1500, 300));
        makeDropTarget(target);
        txtKeys = makeTextBox(this, "txtKeys", "", T(0, 800, 1500, 300));
        txtKeys->installEventFilter(this);
        lblDouble = new DoubleClickLabel("twice", this);
        lblDouble->setObjectName("lblDouble");
        QPushButton* dialogs = makeButton(this, "cmdDialogs", "Dialogs", T(0, 1200, 1500, 300));
        QObject::connect(dialogs, &QPushButton::clicked, this, [this] {
            FileDialogRequest r;
            opened = platform().fileDialog(r);
            copies = platform().printerDialog();
        });
    }
    void onDragDrop(QWidget* target, QWidget* source) override {
        dropped = source->objectName() + ">" + target->objectName();
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == txtKeys && e->type() == QEvent::FocusIn) ++focusIns;
        return false;
    }
    QComboBox* cmbFixed;
    QComboBox* cmbEdit;
    QListWidget* lstItems;
    QLineEdit* txtKeys;
    DoubleClickLabel* lblDouble;
    QString picked, listed, dropped, opened;
    int copies = -1, focusIns = 0;
};
REGISTER_FORM(frmScriptProbe)

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

TEST_F(Script, ShowReportsControlState) {
    const auto ev = of(run({"show frmInstruments.txbRev", "show frmControls.optGear(0)",
                            "show FRMsimulation.HSB_engine_temperature", "show frmTripComputer"}),
                       "show");
    ASSERT_EQ(ev.size(), 4);
    EXPECT_EQ(ev[0].value("fore").toArray(), QJsonArray({0, 255, 0}));
    EXPECT_TRUE(ev[1].value("checked").toBool());
    EXPECT_EQ(ev[1].value("text").toString(), "N");
    EXPECT_EQ(ev[2].value("min").toInt(), -20);
    EXPECT_EQ(ev[3].value("caption").toString(), "Trip Computer");
}

TEST_F(Script, TimersFireOnlyWhenTheScriptSaysAndOnlyWhileEnabled) {
    run({"let ElapsedTime 0"});
    run({"tick 3"});
    EXPECT_DOUBLE_EQ(ElapsedTime.value(), 3);
    // The scope and telemetry timers do not exist yet or are disabled: nothing happens.
    const auto ev = run({"sweep 5", "telemetry 2"});
    EXPECT_TRUE(of(ev, "error").isEmpty());
    EXPECT_DOUBLE_EQ(ElapsedTime.value(), 3);
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

TEST_F(Script, StartUpWritesNothingToTheSettingsStore) {
    EXPECT_FALSE(QFile::exists(dir->path() + "/config/Vantorel/Vantorel.conf"));
}

TEST_F(Script, EveryCommandReachesTheControlsItNames) {
    const QString shot = dir->path() + "/probe.png";
    const QString text = dir->path() + "/lines.txt";
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("first\r\nsecond line\r\n");
    }
    const auto ev = run({"pick frmScriptProbe.cmbFixed Beta", "set frmScriptProbe.cmbEdit \"typed text\"",
                         "pick frmScriptProbe.lstItems Two", "drop frmScriptProbe.lblSource frmScriptProbe.cmdTarget",
                         "focus frmScriptProbe.txtKeys", "key frmScriptProbe.txtKeys A", "key frmScriptProbe.txtKeys b",
                         "key frmScriptProbe.txtKeys Backspace", "dblclick frmScriptProbe.lblDouble",
                         "answer file /tmp/chosen.msf", "answer copies 2", "click frmScriptProbe.cmdDialogs",
                         "screenshot frmScriptProbe " + shot, "file " + text,
                         "expect filelines " + text + " 2", "expect fileline " + text + " 2 \"second line\"",
                         "expect filetext " + text + " \"first\\r\\nsecond line\\r\\n\"",
                         "seed 5", "state", "applyoptions", "expect frmScriptProbe caption \"Script probe\"",
                         "pick frmScriptProbe.cmbFixed Gamma"});
    const auto errors = of(ev, "error");
    ASSERT_EQ(errors.size(), 1) << QJsonDocument(errors.first()).toJson().toStdString();
    EXPECT_EQ(errors[0].value("line").toInt(), 22) << "an item that is not in the list";
    auto* probe = static_cast<frmScriptProbe*>(Forms::find("frmScriptProbe"));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->picked, "Beta");
    EXPECT_EQ(probe->cmbEdit->currentText(), "typed text");
    EXPECT_EQ(probe->listed, "Two");
    EXPECT_EQ(probe->dropped, "lblSource>cmdTarget");
    EXPECT_GE(probe->focusIns, 1);
    EXPECT_EQ(probe->txtKeys->text(), "A");
    EXPECT_EQ(probe->lblDouble->doubleClicks, 1);
    EXPECT_EQ(probe->opened, "/tmp/chosen.msf");
    EXPECT_EQ(probe->copies, 2);
    EXPECT_TRUE(QFile::exists(shot));
    const auto files = of(ev, "file");
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].value("text").toString(), "first\r\nsecond line\r\n");
    ASSERT_EQ(of(ev, "state").size(), 1);

    // Unanswered dialogs: the file dialog is cancelled, the printer prints one copy;
    // "answer cancel" cancels the printer too.
    run({"click frmScriptProbe.cmdDialogs"});
    EXPECT_EQ(probe->opened, "");
    EXPECT_EQ(probe->copies, 1);
    run({"answer cancel", "answer cancel", "click frmScriptProbe.cmdDialogs"});
    EXPECT_EQ(probe->copies, 0);

    // The close box of a window, then a window that does not exist.
    const auto closed = run({"close frmScriptProbe", "close frmNoSuchWindow"});
    EXPECT_EQ(Forms::find("frmScriptProbe"), nullptr);
    ASSERT_EQ(of(closed, "error").size(), 1);
    EXPECT_EQ(of(closed, "error")[0].value("line").toInt(), 2);
}

}  // namespace
