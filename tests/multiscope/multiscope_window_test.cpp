// A trace segment on the instrument's screen repaints only its own neighbourhood.
#include "testing.h"

#include "app/state.h"
#include "multiscope/multiscope.h"
#include "platform/picturebox.h"
#include "platform/services.h"

#include <QImage>
#include <QMdiArea>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ScopeWindow, OneTraceSegmentRepaintsASmallPartOfTheScreen) {
    QMdiArea area;
    area.resize(1200, 900);
    area.show();
    Forms::setMdiArea(&area);
    QTemporaryDir dir;
    setAppFolder(dir.path());
    chdirToAppFolder();
    PanelWidth = 3000;
    MultiScope* ms = frm<MultiScope>();
    ms->showForm();
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
    Forms::unloadAll();
    Forms::setMdiArea(nullptr);
}

}  // namespace
