// Every connection point of the three circuit windows dropped on the instrument's terminal
// with each fault 1..44 injected alone: the waveform that ends on the scope (and its DMM text)
// and the messages shown. The expectations are listed by point, not by caption, so a caption
// that no point carries shows up as a fault that never reaches the instrument.
#include "testing.h"

#include "app/main_window/frmmainscreen.h"
#include "app/state.h"
#include "faults/frmfaults.h"
#include "multiscope/multiscope.h"
#include "platform/picturebox.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
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

// Every point and the caption it must carry: window, caption, then the points' names.
const std::map<QString, QString> kCaptions = [] {
    std::map<QString, QString> m;
    const char* ecu[] = {"Engine speed", "Engine load %", "Temperature", "System voltage", "Lambda", "Knock",
                         "Ignition coil dwell %", "Fuel injector ms", "Fuel pump"};
    for (int i = 0; i < 18; ++i) m["FRMsimulation.lblECU(" + QString::number(i) + ")"] = ecu[i / 2];
    const char* const named[][3] = {
        {"FRMsimulation", "Engine speed", "Label6"}, {"FRMsimulation", "Engine load %", "Label7"},
        {"FRMsimulation", "Temperature", "Label8"}, {"FRMsimulation", "System voltage", "Label9"},
        {"FRMsimulation", "Lambda", "Label14"}, {"FRMsimulation", "Knock", "Label13"},
        {"FRMsimulation", "Pressure regulator", "Label11"}, {"FRMsimulation", "Fuel pump", "Label1"},
        {"FRMsimulation", "Fuel injector ms", "Label5"}, {"FRMsimulation", "Ignition coil dwell %", "Label4"},
        {"FRMsimulation", "Spark timing BTDC", "Label3"}, {"frmStarting", "Starter switch", "lblKey(0) lblKey(1)"},
        {"frmStarting", "Starter supply", "lblVoltage(0) lblVoltage(1) lblVoltage(3)"},
        {"frmStarting", "Starter earth", "lblEarth(0) lblEarth(1) lblEarth(2)"},
        {"frmStarting", "Starter speed", "lblCrankingSpeed(0)"},
        {"frmCharging", "Charge warning light", "lblWL(0) lblWL(1) lblWL(2) lblWL(3)"},
        {"frmCharging", "System voltage", "lblOutputVoltage(0) lblOutputVoltage(1) lblOutputVoltage(2)"},
        {"frmCharging", "Engine speed", "lblEngineSpeed(0)"}, {"frmCharging", "Alternator speed", "lblAlternatorSpeed"},
        {"frmCharging", "Alternator earth", "lblEarth(0) lblEarth(1) lblEarth(2)"}};
    for (auto [window, caption, points] : named)
        for (const QString& p : QString(points).split(' ')) m[window + QString(".") + p] = caption;
    return m;
}();

QStringList ecu(std::initializer_list<int> indexes) {
    QStringList out;
    for (int i : indexes) out << "FRMsimulation.lblECU(" + QString::number(i) + ")";
    return out;
}
// The points with this caption; only the engine-management window's when ecuOnly.
QStringList byCaption(const QString& caption, bool ecuOnly = false) {
    QStringList out;
    for (const auto& [point, c] : kCaptions)
        if (c == caption && (!ecuOnly || point.startsWith("FRMsimulation."))) out << point;
    return out;
}

struct Expect {
    std::map<QString, QString> wave;          // point -> waveform the scope ends on
    std::map<QString, QStringList> messages;  // point -> messages shown, in order
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
    const QStringList spark{"FRMsimulation.Label3"};
    switch (fault) {
    case 1: wave(byCaption("Engine speed"), "Blank.msf"); break;
    case 2: wave(byCaption("Engine load %"), "Blank.msf"); break;
    case 3: wave(byCaption("Temperature"), "Blank.msf"); break;
    case 4: wave(byCaption("System voltage", true), "Blank.msf"); break;
    case 5: wave(byCaption("Lambda"), "Blank.msf"); break;
    case 6: wave(byCaption("Knock"), "Blank.msf"); break;
    case 7: case 8: case 9: case 10: case 11: case 12: wave(ecu({2 * (fault - 7), 2 * (fault - 7) + 1}), "Blank.msf"); break;
    case 13: case 14: case 15: case 16: case 17: case 18: wave(ecu({2 * (fault - 13) + 1}), "Blank.msf"); break;
    case 19: wave(spark, "Blank.msf"); break;
    case 20: say(byCaption("Fuel injector ms"), "No fuel spray pattern from injectors.."); break;
    case 21: say(byCaption("Fuel pump"), "No fuel from pump.."); break;
    case 22: wave(spark + QStringList{"FRMsimulation.Label4", "FRMsimulation.lblECU(13)"}, "Blank.msf"); break;
    case 23: wave({"FRMsimulation.Label5", "FRMsimulation.lblECU(15)"}, "Blank.msf"); break;
    case 24: wave({"FRMsimulation.Label1", "FRMsimulation.lblECU(17)"}, "Blank.msf"); break;
    case 25: wave(byCaption("Ignition coil dwell %") + spark, "Blank.msf"); break;
    case 26: wave(byCaption("Fuel injector ms"), "Blank.msf"); break;
    case 27: wave(byCaption("Fuel pump"), "Blank.msf"); break;
    case 28: wave(byCaption("Lambda"), "Low lambda.msf"); say({"FRMsimulation.Label11"}, "Fuel pressure is low..."); break;
    case 29: wave(byCaption("Lambda"), "High lambda.msf"); say({"FRMsimulation.Label11"}, "Fuel pressure is high..."); break;
    case 30:
        wave(byCaption("Fuel pump") + byCaption("Fuel injector ms") + byCaption("Ignition coil dwell %") + spark, "Blank.msf");
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

// Each fixture waveform's DMM text names its file.
QString dmmOf(const QString& file) { return "  DMM " + file.chopped(4).toLower(); }

class Connections : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        QStringList files{"Blank.msf", "Low lambda.msf", "High lambda.msf", "8V.msf", "12V.msf", "13V.msf",
                          "16V.msf", "0V.msf", "1.msf"};
        for (const auto& [point, caption] : kCaptions) files << caption + ".msf";
        for (const QString& name : files) {
            QFile f(dir->filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("\"" + dmmOf(name).toUtf8() + "\"\r\n");
            for (int i = 1; i <= 50; ++i) f.write("\"" + QByteArray::number(i - 25) + "\"\r\n");
        }
        // The engine-management window reads its maps from the program's database.
        QFile::copy(QDir(qEnvironmentVariable("VANTOREL_DATA")).filePath("ZR.db"), dir->filePath("ZR.db"));
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
            const QSignalBlocker block(faults->chkFault[n]);  // the boxes only, not the fault scan
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
        return takeMessages();
    }
    static inline QTemporaryDir* dir = nullptr;
};

TEST_F(Connections, EveryFaultAgainstEveryPoint) {
    MultiScope* ms = frm<MultiScope>();
    for (const auto& [ref, caption] : kCaptions) {
        QWidget* w = point(ref);
        ASSERT_NE(qobject_cast<DragLabel*>(w), nullptr) << ref.toStdString();
        EXPECT_EQ(qobject_cast<QLabel*>(w)->text(), caption) << ref.toStdString();
    }
    for (int fault = 0; fault <= 44; ++fault) {  // 0: no fault
        setFaults(fault ? std::set<int>{fault} : std::set<int>{});
        const Expect e = expected(fault);
        for (const auto& [ref, caption] : kCaptions) {
            SCOPED_TRACE(("fault " + QString::number(fault) + ", " + ref).toStdString());
            const QStringList messages = drop(ref);
            const QString want = e.wave.count(ref) ? e.wave.at(ref) : caption + ".msf";
            EXPECT_EQ(ms->cmdConnection->text(), "Connected: " + caption);
            EXPECT_EQ(ConnectionName, caption);
            EXPECT_EQ(CurrentWaveformFile, want);
            EXPECT_EQ(ms->lblDMM->text(), dmmOf(want));
            EXPECT_EQ(messages, e.messages.count(ref) ? e.messages.at(ref) : QStringList());
        }
    }
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
