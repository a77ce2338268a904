// The faults window inside the main window's area: it stays above the other windows.
#include "testing.h"

#include "electrical/frminstruments.h"
#include "engine/frmsimulation.h"
#include "faults/frmfaults.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

QMdiArea* area() {
    // One area for the whole program, set before the first window loads; never destroyed,
    // like the main window it stands for.
    static QMdiArea* a = [] {
        auto* mdi = new QMdiArea;
        mdi->resize(1000, 800);
        Forms::setMdiArea(mdi);
        mdi->show();
        return mdi;
    }();
    return a;
}

QWidget* topWindow() {
    const auto stack = area()->subWindowList(QMdiArea::StackingOrder);
    return stack.isEmpty() ? nullptr : stack.last();
}

TEST(FaultsWindow, StaysAboveWindowsShownOrBroughtToFrontAfterIt) {
    area();
    Form* faults = frm<frmFaults>();
    faults->showForm();
    ASSERT_NE(faults->frame(), faults) << "the window lives in the area";

    for (Form* other : std::vector<Form*>{frm<FRMsimulation>(), frm<frmInstruments>(), frm<FRMsimulation>()}) {
        other->showForm();
        other->bringToFront();
        EXPECT_EQ(topWindow(), faults->frame()) << other->formName().toStdString();
        // The other window still takes the input.
        EXPECT_EQ(area()->activeSubWindow(), other->frame()) << other->formName().toStdString();
    }
}

TEST(FaultsWindow, HiddenItLeavesTheOthersAlone) {
    area();
    Form* faults = frm<frmFaults>();
    faults->hideForm();
    Form* sim = frm<FRMsimulation>();
    sim->showForm();
    sim->bringToFront();
    EXPECT_EQ(topWindow(), sim->frame());
    EXPECT_FALSE(faults->formVisible());
}

}  // namespace
