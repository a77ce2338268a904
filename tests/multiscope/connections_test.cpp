// Every connection point of the three circuit windows dropped on the instrument's terminal,
// healthy and with each fault 1..44 injected alone: the waveform that ends on the scope (and its
// DMM text) and the messages shown; the rules that tell a sensor from its wiring and its
// connection at the ECU; what the probe measures when a caption reads otherwise; and the Live
// screen's cursors under the mouse.
#include "testing.h"

#include "app/main_window/frmmainscreen.h"
#include "sim/session.h"
#include "sim/simstate.h"
#include "electrical/frmcharging.h"
#include "electrical/frmstarting.h"
#include "engine/frmsimulation.h"
#include "faults/frmfaults.h"
#include "multiscope/connections.h"
#include "multiscope/instrument.h"
#include "multiscope/livescope.h"
#include "platform/picturebox.h"
#include "multiscope/multiscope.h"
#include "multiscope/probe.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QDir>
#include <QAction>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QMouseEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join("|").toStdString() << ']'; }
QT_END_NAMESPACE

namespace {

// Each fixture waveform's DMM text names its file.
QString dmmOf(const QString& file) { return "  DMM " + file.chopped(4).toLower(); }

// The draggable points of the three circuit windows, as "window.control".
QStringList allPoints() {
    QStringList out;
    for (Form* w : QList<Form*>{frm<FRMsimulation>(), frm<frmStarting>(), frm<frmCharging>()})
        for (DragLabel* label : w->findChildren<DragLabel*>()) out << w->formName() + "." + label->objectName();
    return out;
}

class Connections : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        // The engine-management window reads its maps from the program's database.
        QFile::copy(QDir(qEnvironmentVariable("VANTOREL_DATA")).filePath("ZR.db"), dir->filePath("ZR.db"));
        setAppFolder(dir->path());
        chdirToAppFolder();
        createMainWindow();
        QStringList files{"Blank.msf", "Low lambda.msf", "High lambda.msf", "8V.msf", "12V.msf", "13V.msf", "16V.msf",
                          "0V.msf", "1.msf"};
        for (const QString& ref : allPoints()) files << captionOf(ref) + ".msf";
        for (const QString& name : files) {
            QFile f(dir->filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("\"" + dmmOf(name).toUtf8() + "\"\r\n");
            for (int i = 1; i <= 50; ++i) f.write("\"" + QByteArray::number(i - 25) + "\"\r\n");
        }
    }
    static void TearDownTestSuite() {
        Forms::unloadAll();
        delete dir;
    }
    void SetUp() override {
        EngineRunning = True;
        EngineCranking = False;
        CriticalFault = False;
        ToolMode = 3;
        setFaults({});
    }
    static void setFaults(const std::set<int>& injected) {
        frmFaults* faults = frm<frmFaults>();
        for (int n = 1; n <= 44; ++n) {
            const QSignalBlocker block(faults->ctl<QCheckBox>("chkFault", n));  // the faults only, not the fault scan
            faults->ctl<QCheckBox>("chkFault", n)->setChecked(!injected.count(n));
            sim::session().setFaultPresent(n, injected.count(n) > 0);
        }
    }
    static QWidget* point(const QString& ref) {
        const int dot = ref.indexOf('.');
        return Forms::get(ref.left(dot))->control(ref.mid(dot + 1));
    }
    static QString captionOf(const QString& ref) { return qobject_cast<QLabel*>(point(ref))->text(); }
    static QStringList drop(const QString& ref) {
        testEvents().clear();
        MultiScope* ms = frm<MultiScope>();
        ms->dropLabel(ms->cmdConnection, point(ref));
        return takeMessages();
    }
    static QString waveAt(const QString& ref) {
        drop(ref);
        return CurrentWaveformFile;
    }
    static inline QTemporaryDir* dir = nullptr;
};

// Each drop loads the point's own waveform, then applies the overrides of the injected
// faults. How many points show each fault tells a sensor's fault (every point of its reading)
// from its wiring's (two ECU pins) and its connection's at the ECU (one).
TEST_F(Connections, EveryFaultAgainstEveryPoint) {
    MultiScope* ms = frm<MultiScope>();
    const QStringList points = allPoints();
    ASSERT_EQ(points.size(), 50);
    QList<int> shownAt;
    for (int fault = 0; fault <= 44; ++fault) {  // 0: no fault
        setFaults(fault ? std::set<int>{fault} : std::set<int>{});
        int changed = 0;
        for (const QString& ref : points) {
            SCOPED_TRACE(("fault " + QString::number(fault) + ", " + ref).toStdString());
            const QString caption = captionOf(ref);
            QString want = caption + ".msf";
            QStringList said;
            for (const OverrideAction& a : faultOverrides(connectionPointOf(point(ref)), ref.section('.', 0, 0),
                                                          [fault](int n) { return n == fault; }))
                a.kind == OverrideAction::Waveform ? void(want = a.text) : void(said << a.text);
            changed += want != caption + ".msf" || !said.isEmpty();
            EXPECT_EQ(drop(ref), said);
            EXPECT_EQ(ms->cmdConnection->text(), "Connected: " + caption);
            EXPECT_EQ(ConnectionName, caption);
            EXPECT_EQ(CurrentWaveformFile, want);
            EXPECT_EQ(ms->lblDMM->text(), dmmOf(want));
        }
        shownAt << changed;
    }
    EXPECT_EQ(shownAt, QList<int>({0, 4, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 3, 3, 3, 2, 2, 4, 3,
                                   3, 4, 4, 10, 2, 1, 3, 3, 1, 3, 6, 10, 10, 10, 6, 9, 4, 4}));
}

// A sensor's own fault shows wherever its reading is taken, its wiring fault at both of its
// ECU pins, its connection at the ECU only at the ECU-side pin.
TEST_F(Connections, SensorWiringAndEcuPinShowAtTheirOwnPoints) {
    const QString own = "Engine speed.msf";
    const std::vector<std::pair<int, QStringList>> cases = {
        {1, {"Blank.msf", "Blank.msf", "Blank.msf", "Blank.msf"}},
        {7, {own, "Blank.msf", "Blank.msf", own}},
        {13, {own, own, "Blank.msf", own}},
    };
    for (const auto& [fault, want] : cases) {
        setFaults({fault});
        EXPECT_EQ((QStringList{waveAt("FRMsimulation.Label6"), waveAt("FRMsimulation.lblECU(0)"),
                               waveAt("FRMsimulation.lblECU(1)"), waveAt("frmCharging.lblEngineSpeed(0)")}),
                  want)
            << "fault " << fault;
    }
    // The voltage sensing is the engine-management unit's; an overcharging alternator shows everywhere.
    setFaults({4});
    EXPECT_EQ(waveAt("FRMsimulation.Label9"), "Blank.msf");
    EXPECT_EQ(waveAt("frmCharging.lblOutputVoltage(0)"), "System voltage.msf");
    setFaults({39});
    for (const char* ref : {"FRMsimulation.Label9", "frmCharging.lblOutputVoltage(1)", "frmCharging.lblWL(2)"})
        EXPECT_EQ(waveAt(ref), "16V.msf") << ref;
    setFaults({32});
    EXPECT_EQ(waveAt("frmStarting.lblKey(0)"), "Starter switch.msf");
    EXPECT_EQ(waveAt("frmStarting.lblKey(1)"), "blank.msf");
}

// A point is known by its window, control and index: a caption that reads otherwise (translated)
// keeps its overrides, and a label that is no point has none whatever its caption says.
TEST_F(Connections, OverridesFollowThePointNotItsCaption) {
    auto only = [](int fault) { return [fault](int n) { return n == fault; }; };
    const ConnectionPoint translatedPin{"Motordrehzahl", "lblECU", 1};
    EXPECT_EQ(faultOverrides(translatedPin, "FRMsimulation", only(13)),
              (QList<OverrideAction>{{OverrideAction::Waveform, "Blank.msf", MsgIcon::None}}));
    const ConnectionPoint translatedPump{"Kraftstoffpumpe", "Label1", -1};
    EXPECT_EQ(faultOverrides(translatedPump, "FRMsimulation", only(21)),
              (QList<OverrideAction>{{OverrideAction::Message, "No fuel from pump..", MsgIcon::Information}}));
    const ConnectionPoint notAPoint{"Engine speed", "Label10", -1};
    EXPECT_TRUE(faultOverrides(notAPoint, "FRMsimulation", only(1)).isEmpty());
    // lblEarth(0) is the starter's earth on one window and the alternator's on the other.
    const ConnectionPoint earth{"Alternator earth", "lblEarth", 0};
    EXPECT_TRUE(faultOverrides(earth, "frmStarting", only(42)).isEmpty());
    EXPECT_EQ(faultOverrides(earth, "frmCharging", only(42)).size(), 1);
}

TEST_F(Connections, OverridesApplyInOrder) {
    setFaults({28, 29});  // high lambda wins; with a critical fault the blank waveform
    drop("FRMsimulation.Label14");
    EXPECT_EQ(CurrentWaveformFile, "High lambda.msf");
    EXPECT_EQ(drop("FRMsimulation.Label11"), (QStringList{"Fuel pressure is low...", "Fuel pressure is high..."}));
    CriticalFault = True;
    drop("FRMsimulation.lblECU(8)");
    EXPECT_EQ(CurrentWaveformFile, "Blank.msf");
}

// A caption that reads otherwise (translated) measures the same point: the point's own data
// files, the blank trace on the lambda circuit after a critical fault, and the Live screen's
// quantity and unit. The terminal shows the caption the label carries.
TEST_F(Connections, ATranslatedCaptionMeasuresTheSamePoint) {
    MultiScope* ms = frm<MultiScope>();
    struct Caption {
        QLabel* label;
        QString was;
        Caption(QLabel* l, const QString& now) : label(l), was(l->text()) { l->setText(now); }
        ~Caption() { label->setText(was); }
    };
    const Caption pump(qobject_cast<QLabel*>(point("FRMsimulation.Label1")), "Kraftstoffpumpe");
    const Caption lambda(qobject_cast<QLabel*>(point("FRMsimulation.Label14")), "Lambdasonde");
    EXPECT_EQ(drop("FRMsimulation.Label1"), QStringList());
    EXPECT_EQ(CurrentWaveformFile, "Fuel pump.msf");
    EXPECT_EQ(QString(ConnectionName), "Fuel pump");
    EXPECT_EQ(ms->lblDMM->text(), dmmOf("Fuel pump.msf"));
    EXPECT_EQ(ms->cmdConnection->text(), "Connected: Kraftstoffpumpe");
    CriticalFault = True;
    drop("FRMsimulation.Label14");
    EXPECT_EQ(CurrentWaveformFile, "Blank.msf");
    CriticalFault = False;
    ms->showForm();
    ms->setSource(MultiScope::Source::Live);
    drop("FRMsimulation.Label1");
    QJsonObject screen;
    EXPECT_TRUE(ms->live->scriptShow("", "", screen));
    EXPECT_EQ(screen.value("unit").toString(), "A");
    EXPECT_FALSE(screen.contains("message")) << screen.value("message").toString().toStdString();
    ms->setSource(MultiScope::Source::Stored);
}

// When the engine stops the probe comes off: the terminal is free and the Live screen, which
// drew the point's signal, asks for a point again.
TEST_F(Connections, StoppingTheEngineTakesTheProbeOff) {
    MultiScope* ms = frm<MultiScope>();
    ms->showForm();
    ms->setSource(MultiScope::Source::Live);
    drop("FRMsimulation.Label1");
    QJsonObject before;
    ASSERT_TRUE(ms->live->scriptShow("", "", before));
    EXPECT_FALSE(before.value("probe").toString().isEmpty());
    EXPECT_FALSE(before.contains("message"));
    instrument::probesOff();
    EXPECT_FALSE(ms->probe().attached());
    EXPECT_EQ(ms->cmdConnection->text(), "Drag/Drop Connections Here...");
    QJsonObject after;
    ASSERT_TRUE(ms->live->scriptShow("", "", after));
    EXPECT_EQ(after.value("probe").toString(), QString());
    EXPECT_TRUE(after.contains("message"));
    ms->setSource(MultiScope::Source::Stored);
}

// The Live screen's bar edits what the screen uses: the edge picked is the one it triggers on,
// a measurement ticked or unticked in the menu comes and goes under the screen and is kept
// for the next run.
TEST_F(Connections, TheLiveBarEditsWhatTheScreenUses) {
    MultiScope* ms = frm<MultiScope>();
    LiveScope* live = ms->live;
    ms->showForm();
    ms->setSource(MultiScope::Source::Live);
    drop("FRMsimulation.lblECU(1)");
    const auto screen = [live] {
        QJsonObject o;
        EXPECT_TRUE(live->scriptShow("", "", o));
        return o;
    };
    const auto showsRms = [&] {
        for (const QJsonValue& v : screen().value("measurements").toArray())
            if (v.toString().startsWith("RMS ")) return true;
        return false;
    };
    live->cmbEdge->setCurrentIndex(1);
    EXPECT_EQ(screen().value("trigger").toObject().value("edge").toString(), "Falling");
    live->cmbEdge->setCurrentIndex(0);
    EXPECT_EQ(screen().value("trigger").toObject().value("edge").toString(), "Rising");
    const bool wasShown = showsRms();
    live->mnuMeasure[4]->trigger();
    EXPECT_EQ(showsRms(), !wasShown);
    EXPECT_EQ(GetSetting("Instruments", "Scope_measurements", "").split(',').contains("RMS"), !wasShown);
    live->mnuMeasure[4]->trigger();
    EXPECT_EQ(showsRms(), wasShown);
    ms->setSource(MultiScope::Source::Stored);
}

// The probe is on a point or hangs free. On a label that is no point it measures nothing and
// its files are named by the caption; taking off a free probe changes nothing.
TEST(Probe, IsOnAPointOrFree) {
    instrument::Probe probe;
    int changes = 0;
    QObject::connect(&probe, &instrument::Probe::changed, [&] { ++changes; });
    EXPECT_FALSE(probe.detach());
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(probe.fileBase(), QString());
    probe.attach({"Kraftstoffpumpe", "Label1", -1, "FRMsimulation"});
    EXPECT_EQ(probe.point(), sim::PointId::FuelPump);
    EXPECT_EQ(probe.quantity(), sim::Quantity::FuelPump);
    EXPECT_EQ(probe.fileBase(), "Fuel pump");
    probe.attach({"Engine speed", "Label10", -1, "FRMsimulation"});
    EXPECT_TRUE(probe.attached());
    EXPECT_EQ(probe.point(), std::nullopt);
    EXPECT_EQ(probe.quantity(), std::nullopt);
    EXPECT_EQ(probe.fileBase(), "Engine speed");
    EXPECT_TRUE(probe.detach());
    EXPECT_FALSE(probe.attached());
    EXPECT_EQ(changes, 3);
}

TEST_F(Connections, MissingWaveformIsReportedAndStopsTheDrop) {
    MultiScope* ms = frm<MultiScope>();
    drop("FRMsimulation.Label6");
    const QString dmmBefore = ms->lblDMM->text();
    QFile::rename(dir->filePath("Knock.msf"), dir->filePath("Knock.gone"));
    setFaults({6});
    const QStringList messages = drop("FRMsimulation.Label13");
    QFile::rename(dir->filePath("Knock.gone"), dir->filePath("Knock.msf"));
    EXPECT_EQ(messages, QStringList{"Connection not made, double check meter leads...\r\n\r\n(File not found 53)"});
    EXPECT_EQ(CurrentWaveformFile, "Knock.msf");  // no override ran
    EXPECT_EQ(ms->lblDMM->text(), dmmBefore);
}

}  // namespace

// The Live screen's cursors follow the mouse: a press on a cursor's line takes it, the move
// carries it; a press away from every cursor moves none.
TEST_F(Connections, LiveCursorsAreDraggedWithTheMouse) {
    MultiScope* ms = frm<MultiScope>();
    ms->showForm();
    ms->setSource(MultiScope::Source::Live);
    drop("FRMsimulation.lblECU(1)");
    ms->live->chkCursors->setChecked(true);
    QCoreApplication::processEvents();
    const scope::ScreenGeometry& g = ms->live->geometry();
    ASSERT_GT(g.grid.width(), 50);
    const auto mouse = [&](QEvent::Type type, double x, double y) {
        QMouseEvent e(type, QPointF(x, y), ms->scopescreen->mapToGlobal(QPointF(x, y)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ms->scopescreen, &e);
    };
    const auto at = [&](const char* name) {
        QJsonObject o;
        EXPECT_TRUE(ms->scriptShow("cursor", name, o));
        return o.value("divisions").toDouble();
    };
    // T1 (3 divisions in) to 5 divisions in; V2 (2 up) to 7 up.
    const double middle = g.grid.center().y();
    mouse(QEvent::MouseButtonPress, g.grid.left() + 3 * g.divisionX() + 2, middle + 7);
    mouse(QEvent::MouseMove, g.grid.left() + 5 * g.divisionX(), middle + 7);
    mouse(QEvent::MouseButtonRelease, g.grid.left() + 5 * g.divisionX(), middle + 7);
    EXPECT_NEAR(at("T1"), 5.0, 0.05);
    const double v2 = g.grid.bottom() - 2 * g.divisionY();
    mouse(QEvent::MouseButtonPress, g.grid.left() + 9.5 * g.divisionX(), v2 - 1);
    mouse(QEvent::MouseMove, g.grid.left() + 9.5 * g.divisionX(), g.grid.bottom() - 7 * g.divisionY());
    mouse(QEvent::MouseButtonRelease, g.grid.left() + 9.5 * g.divisionX(), g.grid.bottom() - 7 * g.divisionY());
    EXPECT_NEAR(at("V2"), 7.0, 0.05);
    // Off the screen's edge it stops at the edge; away from the lines nothing moves.
    mouse(QEvent::MouseButtonPress, g.grid.left() + 5 * g.divisionX(), middle + 7);
    mouse(QEvent::MouseMove, g.grid.right() + 40, middle + 7);
    mouse(QEvent::MouseButtonRelease, g.grid.right() + 40, middle + 7);
    EXPECT_DOUBLE_EQ(at("T1"), 10.0);
    mouse(QEvent::MouseButtonPress, g.grid.left() + 1.5 * g.divisionX(), g.grid.bottom() - 4.5 * g.divisionY());
    mouse(QEvent::MouseMove, g.grid.left() + 8 * g.divisionX(), g.grid.bottom() - 4.5 * g.divisionY());
    EXPECT_DOUBLE_EQ(at("T1"), 10.0);
    EXPECT_DOUBLE_EQ(at("T2"), 7.0);
    EXPECT_NEAR(at("V1"), 6.0, 1e-9);
    ms->live->chkCursors->setChecked(false);
    ms->setSource(MultiScope::Source::Stored);
}

// A cursor set from a script to a value that is no number is refused, and the cursors and
// their read-outs stay as they were.
TEST_F(Connections, LiveCursorsRefuseValuesThatAreNoNumber) {
    MultiScope* ms = frm<MultiScope>();
    ms->showForm();
    ms->setSource(MultiScope::Source::Live);
    drop("FRMsimulation.lblECU(1)");
    ms->live->chkCursors->setChecked(true);
    QString error;
    ASSERT_TRUE(ms->scriptSet("cursor", "T1", "2", &error) && error.isEmpty());
    ASSERT_TRUE(ms->scriptSet("cursor", "V2", "1.5", &error) && error.isEmpty());
    QJsonObject before;
    ASSERT_TRUE(ms->live->scriptShow(QString(), QString(), before));
    for (const char* id : {"T1", "V2"}) {
        for (const char* bad : {"nan", "NaN", "inf", "-inf"}) {
            error.clear();
            EXPECT_TRUE(ms->scriptSet("cursor", id, bad, &error));
            EXPECT_TRUE(error.contains("finite")) << id << " " << bad << ": " << error.toStdString();
        }
    }
    QJsonObject after;
    ASSERT_TRUE(ms->live->scriptShow(QString(), QString(), after));
    EXPECT_EQ(after.value("cursors"), before.value("cursors"));
    EXPECT_DOUBLE_EQ(after.value("cursors").toObject().value("T1").toDouble(), 2.0);
    ms->live->chkCursors->setChecked(false);
    ms->setSource(MultiScope::Source::Stored);
}
