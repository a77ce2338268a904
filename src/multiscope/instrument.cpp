#include "multiscope/instrument.h"

#include "multiscope/displays.h"
#include "multiscope/multiscope.h"
#include "platform/picturebox.h"
#include "platform/vbtypes.h"

#include <QPushButton>
#include <QSlider>

namespace instrument {

void showDevice(tool::Mode device) { frm<MultiScope>()->showDevice(device); }

void probesOff() {
    MultiScope* scope = frm<MultiScope>();
    try {
        ShowWaveform("Blank.msf");
    } catch (const VbError&) {
        // Without the blank waveform the last trace stays; the probes still come off.
    }
    scope->detachProbe();
    if (ToolMode == tool::Telemetry) scope->raiseTelemetry();
    else scope->reshowDevice();
}

void setReadingText(const QString& text) { frm<MultiScope>()->setReadingText(text); }

void setSweepRunning(bool running) { frm<MultiScope>()->setSweepRunning(running); }

void flyback() { frm<MultiScope>()->flyback(); }

void showTerminal(bool shown) { frm<MultiScope>()->cmdConnection->setVisible(shown); }

void showTerminalIfLoaded() {
    if (MultiScope* ms = Forms::find<MultiScope>()) ms->cmdConnection->setVisible(true);
}

void viewUnderEditor(const QRect& me) {
    MultiScope* ms = frm<MultiScope>();
    ms->sldTime->setValue(1);
    ms->scopescreen->setGeometry(0, ms->scopescreen->y(), ms->width(), ms->scopescreen->height());
    ms->scopescreen->raise();
    ms->setTwips(me.x() + 150, me.height() + 100, me.width() - 300, ms->twipsGeometry().height());
    ms->cmdConnection->setVisible(false);
    ms->setSweepRunning(true);
}

void placeAt(int left, int top, int width, int height) { frm<MultiScope>()->setTwips(left, top, width, height); }

}  // namespace instrument
