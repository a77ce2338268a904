// The instrument window's layout (panel, frames, display area, graticule), a picture that
// follows the window, the scanner read-out against its report, and a trace segment that
// repaints only its own neighbourhood.
#include "testing.h"

#include "app/state.h"
#include "faults/faults.h"
#include "multiscope/displays.h"
#include "multiscope/multiscope.h"
#include "platform/picturebox.h"
#include "platform/services.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ScopeWindow : public ::testing::Test {
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
        ms = frm<MultiScope>();
        ms->showForm();
        ms->Form_Resize();
    }
    MultiScope* ms = nullptr;
    static inline QMdiArea* area = nullptr;
    static inline QTemporaryDir* dir = nullptr;
};

TEST_F(ScopeWindow, PanelFramesAndDisplayAreaShareTheWindow) {
    const int panelPx = tw(3000);
    EXPECT_EQ(ms->cmdConnection->geometry().left(), 0);
    EXPECT_EQ(ms->cmdChangeTool->geometry().left(), ms->cmdConnection->geometry().right() + 1);
    EXPECT_EQ(ms->cmdChangeTool->geometry().right() + 1, panelPx);
    for (QGroupBox* f : {ms->Frame1, ms->Frame2, ms->Frame4}) {
        EXPECT_EQ(f->geometry(), ms->Frame1->geometry());
        EXPECT_EQ(f->width(), panelPx);
        EXPECT_GT(f->y(), ms->cmdConnection->geometry().bottom());
        EXPECT_LE(f->geometry().bottom(), ms->height());
    }
    for (QWidget* w : {static_cast<QWidget*>(ms->scopescreen), static_cast<QWidget*>(ms->pbxPictures),
                       static_cast<QWidget*>(ms->txbScanner), static_cast<QWidget*>(ms->picTelemetry)})
        EXPECT_EQ(w->geometry(), QRect(panelPx, 0, ms->width() - panelPx, ms->height()));
    // Every control of the scope frame lies inside it.
    for (QWidget* c : ms->Frame1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(QRect(QPoint(0, 0), ms->Frame1->size()).contains(c->geometry())) << c->objectName().toStdString();

    // No panel: the display area is the whole window.
    PanelWidth = 0;
    ms->Form_Resize();
    EXPECT_EQ(ms->scopescreen->geometry(), QRect(0, 0, ms->width(), ms->height()));
    EXPECT_EQ(ms->Frame1->width(), 0);
    EXPECT_EQ(ms->cmdConnection->width(), 0);
}

TEST_F(ScopeWindow, GraticuleDividesTheScreenIntoSixBySix) {
    ms->frame()->resize(900, 600);
    const int w = ms->scopescreen->width(), h = ms->scopescreen->height();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(ms->Line[i], QLine(0, h * i / 6, w - 1, h * i / 6));
        EXPECT_EQ(ms->Line[i + 5], QLine(w * i / 6, 0, w * i / 6, h - 1));
    }
    EXPECT_EQ(ms->scopescreen->guideLines().size(), 10);
    // The lines are on the screen as it is painted, and a clear leaves them.
    ms->flyback();
    const QImage shown = ms->scopescreen->grab().toImage();
    EXPECT_NE(shown.pixelColor(w / 2, h / 6), shown.pixelColor(w / 2 + 3, h / 6 + 3));
    EXPECT_NE(shown.pixelColor(w / 6, h / 2), shown.pixelColor(w / 6 + 3, h / 2 + 3));
    EXPECT_DOUBLE_EQ(ms->scopescreen->scaleWidth(), 300);
    EXPECT_DOUBLE_EQ(ms->scopescreen->scaleHeight(), 400);
    // Every relayout restarts the sweep.
    EXPECT_TRUE(ms->scopescreen->operations().isEmpty());
    EXPECT_EQ(ms->sweep().state().SweepX, -6);
}

TEST_F(ScopeWindow, OneTraceSegmentRepaintsASmallPartOfTheScreen) {
    ms->frame()->resize(900, 600);
    ms->setReadingText("Sine");
    ms->Timer1_Timer();
    ms->Timer1_Timer();
    const QRect dirty = ms->scopescreen->lastDirty();
    EXPECT_FALSE(dirty.isEmpty());
    EXPECT_LT(dirty.width() * dirty.height(), ms->scopescreen->width() * ms->scopescreen->height() / 20);
    // What was drawn is on the surface in the trace colour.
    const QImage img = ms->scopescreen->image();
    bool traced = false;
    for (int y = dirty.top(); y <= dirty.bottom() && !traced; ++y)
        for (int x = dirty.left(); x <= dirty.right() && !traced; ++x)
            traced = img.pixelColor(x, y) == QColor(128, 0, 0);
    EXPECT_TRUE(traced);
}

TEST_F(ScopeWindow, PictureIsScaledWholeAndFollowsTheWindow) {
    QImage big(1600, 800, QImage::Format_RGB32);
    big.fill(QColor(90, 60, 30));
    ASSERT_TRUE(big.save(dir->filePath("Large.bmp")));
    ShowPicture("Large.bmp");
    const QRect small = ms->pbxPictures->pictureRect();
    EXPECT_TRUE(QRect(QPoint(0, 0), ms->pbxPictures->size()).contains(small));
    EXPECT_NEAR(double(small.width()) / small.height(), 2.0, 0.02);
    ms->frame()->resize(1100, 800);  // maximised, say
    const QRect large = ms->pbxPictures->pictureRect();
    EXPECT_GT(large.width(), small.width());
    EXPECT_TRUE(QRect(QPoint(0, 0), ms->pbxPictures->size()).contains(large));
    EXPECT_EQ(ms->pbxPictures->image().pixelColor(large.center()), QColor(90, 60, 30));
}

TEST_F(ScopeWindow, ScannerShowsTheReportWhole) {
    ms->cmdRead_Click();
    QFile f(GetTempFolder() + "Scanner.scn");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString report = QString::fromUtf8(f.readAll());
    report.replace("\r\n", "\n");
    EXPECT_FALSE(report.isEmpty());
    EXPECT_EQ(ms->txbScanner->toPlainText(), report);
    ms->cmdScan_Click();
    QFile g(GetTempFolder() + "Faults.scn");
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    EXPECT_EQ(ms->txbScanner->toPlainText(), QString::fromUtf8(g.readAll()).replace("\r\n", "\n"));
    ShowScanner(CurrentScannerFile);
    EXPECT_EQ(ms->txbScanner->font().pointSize(), 8);
    EXPECT_TRUE(ms->txbScanner->toPlainText().isEmpty());
}

TEST(ReadTextFileTest, RefusesWhatIsNotText) {
    QTemporaryDir d;
    QFile f(d.filePath("bin.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("abc\0def", 7));
    f.close();
    try {
        readTextFile(d.filePath("bin.txt"));
        ADD_FAILURE() << "no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number, 13);
    }
    try {
        readTextFile(d.path());  // a folder
        ADD_FAILURE() << "no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number, 53);
    }
}

}  // namespace
