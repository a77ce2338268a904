// The waveform editor: a save that dies part-way, and cells that no file line could hold.
#include "testing.h"

#include "sim/simstate.h"
#include "multiscope/multiscope.h"
#include "multiscope/waveformfile.h"
#include "platform/services.h"
#include "waveedit/frmwaveedit.h"

#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Editor : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        area = new QMdiArea;
        area->resize(1200, 900);
        area->show();
        Forms::setMdiArea(area);
        dir = new QTemporaryDir;
        setAppFolder(dir->path());
        chdirToAppFolder();
    }
    static void TearDownTestSuite() {
        Forms::unloadAll();
        delete dir;
    }
    void SetUp() override {
        PanelWidth = 3000;
        ScopePaused = False;
        ms = frm<MultiScope>();
        ms->setTwips(7000, 5000, 7650, 3650);
        ms->showForm();
        QStringList records{"  4.2 V"};
        for (int i = 1; i <= 50; ++i) records << QString::number(i);
        original = msf::formatWaveform(records);
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(original);
        f.close();
        CurrentWaveformFile = "w.msf";
        ms->scopescreen_DblClick();
        editor = Forms::find<frmWaveEdit>();
        ASSERT_NE(editor, nullptr);
        testEvents().clear();
    }
    void TearDown() override { Forms::unload("frmWaveEdit"); }
    static QString path() { return dir->filePath("w.msf"); }
    // Cell i of the editor, found as script mode finds it.
    QLineEdit* cell(int i) const { return editor->findChild<QLineEdit*>(arrayName("txtYvalue", i)); }

    MultiScope* ms = nullptr;
    frmWaveEdit* editor = nullptr;
    QByteArray original;
    static inline QMdiArea* area = nullptr;
    static inline QTemporaryDir* dir = nullptr;
};

TEST_F(Editor, EveryCellOfTheRowIsReadableAndHoldsItsWidestValue) {
    for (int i = 1; i <= 50; ++i) {
        QLineEdit* c = cell(i);
        c->setText("-99");
        const QFontMetrics fm(c->font());
        // Letters at least eleven pixels from top to bottom: what reads at arm's length.
        EXPECT_GE(fm.ascent() + fm.descent(), 11) << "cell " << i;
        EXPECT_LE(fm.horizontalAdvance("-99"), c->contentsRect().width()) << "cell " << i;
    }
}

TEST_F(Editor, SaveDiedPartWayLeavesTheOldFileWhole) {
    cell(1)->setText("-45");
    {
        FileSizeLimit limit(64);  // the new file stops short of its 51 lines
        editor->findChild<QPushButton*>("cmdSave")->click();
    }
    EXPECT_EQ(contents(path()), original) << "the old file, byte for byte";
    EXPECT_EQ(takeMessages(), QStringList{"Error number 61 Disk full"});
    EXPECT_EQ(int(PanelWidth), 3000) << "the command ended at the failure";
}

TEST_F(Editor, CellsNoLineCouldHoldStillSaveAs51Records) {
    cell(0)->setText(QString(10000, 'V'));
    cell(1)->setText("line\r\nbreak");  // not typed, but the program could
    cell(2)->setText("a\nb\rc");
    editor->findChild<QPushButton*>("cmdSave")->click();
    // Saved as typed; the scope, showing the file again, names the samples that are no number.
    EXPECT_EQ(takeMessages(), QStringList{"Samples 1, 2 of w.msf are not numbers; the trace leaves them out."});
    const QByteArray bytes = contents(path());
    EXPECT_EQ(bytes.count('\n'), 51);
    EXPECT_EQ(bytes.count('\r'), 51);
    QString records[msf::kRecords];
    EXPECT_EQ(msf::readWaveformFile(path(), records), 51);
    EXPECT_EQ(records[0], QString(10000, 'V'));
    EXPECT_EQ(records[2], "a b c");
}

}  // namespace
