// Every connection point of the three circuit windows dropped on the instrument's terminal
// with each fault 1..44 injected alone: the waveform that ends on the scope (and its DMM text)
// and the messages shown. The expectations are listed by point, not by caption, so a caption
// that no point carries shows up as a fault that never reaches the instrument.
#include "testing.h"

#include "app/main_window/frmmainscreen.h"
#include "app/state.h"
#include "faults/frmfaults.h"
#include "multiscope/connections.h"
#include "multiscope/multiscope.h"
#include "platform/picturebox.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join("|").toStdString() << ']'; }
QT_END_NAMESPACE

namespace {

const QStringList kPoints = {
    "FRMsimulation.lblECU(0)", "FRMsimulation.lblECU(1)", "FRMsimulation.lblECU(2)", "FRMsimulation.lblECU(3)",
    "FRMsimulation.lblECU(4)", "FRMsimulation.lblECU(5)", "FRMsimulation.lblECU(6)", "FRMsimulation.lblECU(7)",
    "FRMsimulation.lblECU(8)", "FRMsimulation.lblECU(9)", "FRMsimulation.lblECU(10)", "FRMsimulation.lblECU(11)",
    "FRMsimulation.lblECU(12)", "FRMsimulation.lblECU(13)", "FRMsimulation.lblECU(14)", "FRMsimulation.lblECU(15)",
    "FRMsimulation.lblECU(16)", "FRMsimulation.lblECU(17)", "FRMsimulation.Label6", "FRMsimulation.Label7",
    "FRMsimulation.Label8", "FRMsimulation.Label9", "FRMsimulation.Label14", "FRMsimulation.Label13",
    "FRMsimulation.Label11", "FRMsimulation.Label1", "FRMsimulation.Label5", "FRMsimulation.Label4",
    "FRMsimulation.Label3", "frmStarting.lblKey(0)", "frmStarting.lblKey(1)", "frmStarting.lblVoltage(0)",
    "frmStarting.lblVoltage(1)", "frmStarting.lblVoltage(3)", "frmStarting.lblEarth(0)", "frmStarting.lblEarth(1)",
    "frmStarting.lblEarth(2)", "frmStarting.lblCrankingSpeed(0)", "frmCharging.lblWL(0)", "frmCharging.lblWL(1)",
    "frmCharging.lblWL(2)", "frmCharging.lblWL(3)", "frmCharging.lblOutputVoltage(0)",
    "frmCharging.lblOutputVoltage(1)", "frmCharging.lblOutputVoltage(2)", "frmCharging.lblEngineSpeed(0)",
    "frmCharging.lblAlternatorSpeed", "frmCharging.lblEarth(0)", "frmCharging.lblEarth(1)",
    "frmCharging.lblEarth(2)"};

// The caption each point must carry.
const std::map<QString, QString> kCaptions = [] {
    std::map<QString, QString> m;
    const char* ecu[] = {"Engine speed", "Engine load %", "Temperature", "System voltage", "Lambda", "Knock",
                         "Ignition coil dwell %", "Fuel injector ms", "Fuel pump"};
    for (int i = 0; i < 18; ++i) m["FRMsimulation.lblECU(" + QString::number(i) + ")"] = ecu[i / 2];
    const std::pair<const char*, const char*> labels[] = {
        {"Label6", "Engine speed"}, {"Label7", "Engine load %"}, {"Label8", "Temperature"},
        {"Label9", "System voltage"}, {"Label14", "Lambda"}, {"Label13", "Knock"},
        {"Label11", "Pressure regulator"}, {"Label1", "Fuel pump"}, {"Label5", "Fuel injector ms"},
        {"Label4", "Ignition coil dwell %"}, {"Label3", "Spark timing BTDC"}};
    for (auto [name, caption] : labels) m[QString("FRMsimulation.") + name] = caption;
    for (const QString& p : kPoints) {
        if (p.startsWith("frmStarting.lblKey")) m[p] = "Starter switch";
        if (p.startsWith("frmStarting.lblVoltage")) m[p] = "Starter supply";
        if (p.startsWith("frmStarting.lblEarth")) m[p] = "Starter earth";
        if (p.startsWith("frmStarting.lblCrankingSpeed")) m[p] = "Starter speed";
        if (p.startsWith("frmCharging.lblWL")) m[p] = "Charge warning light";
        if (p.startsWith("frmCharging.lblOutputVoltage")) m[p] = "System voltage";
        if (p.startsWith("frmCharging.lblEngineSpeed")) m[p] = "Engine speed";
        if (p.startsWith("frmCharging.lblAlternatorSpeed")) m[p] = "Alternator speed";
        if (p.startsWith("frmCharging.lblEarth")) m[p] = "Alternator earth";
    }
    return m;
}();

// Point groups as the fault table names them.
QStringList ecu(std::initializer_list<int> indexes) {
    QStringList out;
    for (int i : indexes) out << "FRMsimulation.lblECU(" + QString::number(i) + ")";
    return out;
}
QStringList byCaption(const QString& caption) {
    QStringList out;
    for (const auto& [point, c] : kCaptions)
        if (c == caption) out << point;
    return out;
}
QStringList ecuWindow(const QString& caption) {
    QStringList out;
    for (const QString& p : byCaption(caption))
        if (p.startsWith("FRMsimulation.")) out << p;
    return out;
}

struct Expect {
    std::map<QString, QString> wave;            // point -> waveform the scope ends on
    std::map<QString, QStringList> messages;    // point -> messages shown, in order
};

Expect expected(int fault) {
    Expect e;
    auto wave = [&](const QStringList& points, const QString& file) {
        for (const QString& p : points) e.wave[p] = file;
    };
    auto say = [&](const QStringList& points, const QString& text) {
        for (const QString& p : points) e.messages[p] << text;
    };
    const QStringList volts = byCaption("System voltage");  // both windows
    switch (fault) {
    case 1: wave(byCaption("Engine speed"), "Blank.msf"); break;
    case 2: wave(byCaption("Engine load %"), "Blank.msf"); break;
    case 3: wave(byCaption("Temperature"), "Blank.msf"); break;
    case 4: wave(ecuWindow("System voltage"), "Blank.msf"); break;
    case 5: wave(byCaption("Lambda"), "Blank.msf"); break;
    case 6: wave(byCaption("Knock"), "Blank.msf"); break;
    case 7: case 8: case 9: case 10: case 11: case 12:
        wave(ecu({2 * (fault - 7), 2 * (fault - 7) + 1}), "Blank.msf");
        break;
    case 13: case 14: case 15: case 16: case 17: case 18: wave(ecu({2 * (fault - 13) + 1}), "Blank.msf"); break;
    case 19: wave({"FRMsimulation.Label3"}, "Blank.msf"); break;
    case 20: say(byCaption("Fuel injector ms"), "No fuel spray pattern from injectors.."); break;
    case 21: say(byCaption("Fuel pump"), "No fuel from pump.."); break;
    case 22: wave({"FRMsimulation.Label3", "FRMsimulation.Label4", "FRMsimulation.lblECU(13)"}, "Blank.msf"); break;
    case 23: wave({"FRMsimulation.Label5", "FRMsimulation.lblECU(15)"}, "Blank.msf"); break;
    case 24: wave({"FRMsimulation.Label1", "FRMsimulation.lblECU(17)"}, "Blank.msf"); break;
    case 25: wave(byCaption("Ignition coil dwell %") + QStringList{"FRMsimulation.Label3"}, "Blank.msf"); break;
    case 26: wave(byCaption("Fuel injector ms"), "Blank.msf"); break;
    case 27: wave(byCaption("Fuel pump"), "Blank.msf"); break;
    case 28:
        wave(byCaption("Lambda"), "Low lambda.msf");
        say({"FRMsimulation.Label11"}, "Fuel pressure is low...");
        break;
    case 29:
        wave(byCaption("Lambda"), "High lambda.msf");
        say({"FRMsimulation.Label11"}, "Fuel pressure is high...");
        break;
    case 30:
        wave(byCaption("Fuel pump") + byCaption("Fuel injector ms") + byCaption("Ignition coil dwell %") +
                 QStringList{"FRMsimulation.Label3"},
             "Blank.msf");
        break;
    case 31: wave(byCaption("Starter switch"), "Blank.msf"); break;
    case 32: wave({"frmStarting.lblKey(1)"}, "blank.msf"); break;
    case 33: case 34: wave(byCaption("Starter supply"), "Blank.msf"); break;
    case 35: wave(byCaption("Starter speed"), "Blank.msf"); break;
    case 36: wave(byCaption("Starter supply"), "8V.msf"); break;
    case 37: case 41: wave(volts, "13V.msf"); break;
    case 38: wave(volts, "12V.msf"); wave(byCaption("Charge warning light"), "0V.msf"); break;
    case 39: wave(volts, "16V.msf"); wave(byCaption("Charge warning light"), "16V.msf"); break;
    case 40: wave(volts, "13V.msf"); wave(byCaption("Charge warning light"), "13V.msf"); break;
    case 42: wave(byCaption("Alternator earth"), "1.msf"); wave(volts, "13V.msf"); break;
    case 43: case 44: wave(byCaption("Charge warning light"), "0V.msf"); break;
    default: break;
    }
    return e;
}

void writeText(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray waveformBytes(const QString& dmm) {
    QByteArray out = "\"" + dmm.toUtf8() + "\"\r\n";
    for (int i = 1; i <= 50; ++i) out += "\"" + QByteArray::number(i - 25) + "\"\r\n";
    return out;
}

// The DMM text each fixture waveform carries.
QString dmmOf(const QString& file) {
    const QString base = file.left(file.size() - 4);
    return "  DMM " + base.toLower();
}

class Connections : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        for (const auto& [point, caption] : kCaptions)
            writeText(dir->filePath(caption + ".msf"), waveformBytes(dmmOf(caption + ".msf")));
        for (const char* f : {"Blank.msf", "Low lambda.msf", "High lambda.msf", "8V.msf", "12V.msf", "13V.msf",
                              "16V.msf", "0V.msf", "1.msf"})
            writeText(dir->filePath(f), waveformBytes(dmmOf(f)));
        // The engine-management window reads its maps from the program's database.
        const QString data = qEnvironmentVariable("VANTOREL_DATA");
        QFile::copy(QDir(data).filePath("ZR.db"), dir->filePath("ZR.db"));
        setAppFolder(dir->path());
        chdirToAppFolder();
        createMainWindow();
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
            // The boxes only: the fault scan is not what is tested here.
            const QSignalBlocker block(faults->chkFault[n]);
            faults->chkFault[n]->setChecked(!injected.count(n));
        }
    }
    static QWidget* point(const QString& ref) {
        const int dot = ref.indexOf('.');
        return Forms::get(ref.left(dot))->control(ref.mid(dot + 1));
    }
    static QStringList drop(const QString& ref) {
        testEvents().clear();
        MultiScope* ms = frm<MultiScope>();
        ms->dropLabel(ms->cmdConnection, point(ref));
        QStringList messages;
        for (const QJsonObject& e : testEvents())
            if (e.value("event") == "message") messages << e.value("text").toString();
        return messages;
    }
    static inline QTemporaryDir* dir = nullptr;
};

TEST_F(Connections, EveryPointCarriesItsCaptionAndIsADraggableLabel) {
    for (const QString& ref : kPoints) {
        QWidget* w = point(ref);
        ASSERT_NE(w, nullptr) << ref.toStdString();
        EXPECT_NE(qobject_cast<DragLabel*>(w), nullptr) << ref.toStdString();
        EXPECT_EQ(qobject_cast<QLabel*>(w)->text(), kCaptions.at(ref)) << ref.toStdString();
        EXPECT_FALSE(w->acceptDrops()) << ref.toStdString();
    }
    EXPECT_TRUE(frm<MultiScope>()->cmdConnection->acceptDrops());
}

TEST_F(Connections, EveryFaultAgainstEveryPoint) {
    MultiScope* ms = frm<MultiScope>();
    for (int fault = 0; fault <= 44; ++fault) {  // 0: no fault
        setFaults(fault ? std::set<int>{fault} : std::set<int>{});
        const Expect e = expected(fault);
        for (const QString& ref : kPoints) {
            SCOPED_TRACE(("fault " + QString::number(fault) + ", " + ref).toStdString());
            const QStringList messages = drop(ref);
            const QString caption = kCaptions.at(ref);
            const QString want = e.wave.count(ref) ? e.wave.at(ref) : caption + ".msf";
            EXPECT_EQ(ms->cmdConnection->text(), "Connected: " + caption);
            EXPECT_EQ(ConnectionName, caption);
            EXPECT_EQ(CurrentWaveformFile, want);
            EXPECT_EQ(ms->lblDMM->text(), dmmOf(want));
            EXPECT_EQ(ms->readingText(), "Signal");
            EXPECT_EQ(messages, e.messages.count(ref) ? e.messages.at(ref) : QStringList());
        }
    }
}

TEST_F(Connections, OverridesApplyInOrderAndCriticalLambdaEndsBlank) {
    // 28 then 29: high lambda wins; with a critical fault the blank waveform.
    setFaults({28, 29});
    drop("FRMsimulation.Label14");
    EXPECT_EQ(CurrentWaveformFile, "High lambda.msf");
    CriticalFault = True;
    drop("FRMsimulation.lblECU(8)");
    EXPECT_EQ(CurrentWaveformFile, "Blank.msf");
    // Both messages of the pressure regulator, one after the other.
    setFaults({28, 29});
    CriticalFault = False;
    EXPECT_EQ(drop("FRMsimulation.Label11"), (QStringList{"Fuel pressure is low...", "Fuel pressure is high..."}));
    // The message first, then the blank waveform.
    setFaults({20, 26});
    EXPECT_EQ(drop("FRMsimulation.lblECU(14)"), QStringList{"No fuel spray pattern from injectors.."});
    EXPECT_EQ(CurrentWaveformFile, "Blank.msf");
    const auto icons = [] {
        QStringList out;
        for (const QJsonObject& e : testEvents())
            if (e.value("event") == "message") out << e.value("icon").toString();
        return out;
    };
    EXPECT_EQ(icons(), QStringList{msgIconName(MsgIcon::None)});
    setFaults({21});
    drop("FRMsimulation.Label1");
    EXPECT_EQ(icons(), QStringList{msgIconName(MsgIcon::Information)});
}

TEST_F(Connections, RefreshFollowsTheDeviceInFront) {
    MultiScope* ms = frm<MultiScope>();
    ToolMode = 9;  // telemetry: the picture device of the drop stays in front
    drop("FRMsimulation.Label6");
    EXPECT_EQ(ToolMode, 9);
    EXPECT_EQ(CurrentPictureFile, "Engine speed.jpg");
    QWidget* top = ms->childAt(ms->pbxPictures->geometry().center());
    EXPECT_TRUE(top == ms->pbxPictures || ms->pbxPictures->isAncestorOf(top));
    ToolMode = 3;
    drop("FRMsimulation.Label6");
    top = ms->childAt(ms->scopescreen->geometry().center());
    EXPECT_TRUE(top == ms->scopescreen || ms->scopescreen->isAncestorOf(top));
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
    EXPECT_EQ(ms->cmdConnection->text(), "Connected: Knock");
    EXPECT_EQ(ConnectionName, "Knock");
    EXPECT_EQ(CurrentWaveformFile, "Knock.msf");  // no override ran
    EXPECT_EQ(ms->lblDMM->text(), dmmBefore);
}

TEST_F(Connections, NothingConnectsWithTheEngineStopped) {
    MultiScope* ms = frm<MultiScope>();
    drop("FRMsimulation.Label6");
    EngineRunning = False;
    const QStringList messages = drop("frmCharging.lblWL(2)");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Remember, the engine needs to be running or cranking"));
    EXPECT_EQ(ms->cmdConnection->text(), "Connected: Engine speed");
    EXPECT_EQ(ConnectionName, "Engine speed");
    EngineCranking = True;  // trying to crank is enough
    EXPECT_TRUE(drop("frmCharging.lblWL(2)").isEmpty());
    EXPECT_EQ(ConnectionName, "Charge warning light");
}

TEST_F(Connections, ALabelDraggedWithTheMouseArrivesAtTheTerminal) {
    // What a mouse drag delivers: the label's window and name in the drag data, dropped on
    // the terminal.
    MultiScope* ms = frm<MultiScope>();
    auto* mime = new QMimeData;
    mime->setData("application/x-vantorel-label", "frmStarting.lblCrankingSpeed(0)");
    const QPointF at(ms->cmdConnection->width() / 2.0, ms->cmdConnection->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ms->cmdConnection, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ms->cmdConnection, &drop);
    EXPECT_EQ(ms->cmdConnection->text(), "Connected: Starter speed");
    EXPECT_EQ(CurrentWaveformFile, "Starter speed.msf");
    delete mime;
}

TEST(ConnectionPointTest, NameAndIndexOfAControlArrayItem) {
    QLabel a("Knock");
    a.setObjectName("lblECU(11)");
    const ConnectionPoint p = connectionPointOf(&a);
    EXPECT_EQ(p.caption, "Knock");
    EXPECT_EQ(p.name, "lblECU");
    EXPECT_EQ(p.index, 11);
    QLabel b("Knock");
    b.setObjectName("Label13");
    EXPECT_EQ(connectionPointOf(&b).name, "Label13");
    EXPECT_EQ(connectionPointOf(&b).index, -1);
}

}  // namespace
