#include "multiscope/instrument.h"

#include "multiscope/displays.h"
#include "multiscope/frmconnectprobe.h"
#include "multiscope/guidedpanel.h"
#include "multiscope/guidedtests.h"
#include "multiscope/livescope.h"
#include "multiscope/multiscope.h"
#include "platform/vbtypes.h"
#include "challenges/session.h"

#include <QPointer>
#include <functional>


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

void showTerminal(bool shown) { frm<MultiScope>()->showTerminal(shown); }

void showTerminalIfLoaded() {
    if (MultiScope* ms = Forms::find<MultiScope>()) ms->showTerminal(true);
}

void viewUnderEditor(const QRect& me) { frm<MultiScope>()->viewUnderEditor(me); }

void placeAsOpened() { frm<MultiScope>()->placeAsOpened(); }

namespace {
// The instrument on the screen before a keyboard connection, with the focus left (or put back)
// where the key was pressed.
void connectKeepingFocus(QWidget* from, const std::function<void(MultiScope*)>& connect) {
    MultiScope* scope = frm<MultiScope>();
    QPointer<QWidget> focus(from);
    // A hidden instrument comes up with its scope in front, to show what is connected.
    if (!scope->formVisible()) scope->showDevice(tool::Scope);
    connect(scope);
    if (!focus) return;
    for (QWidget* p = focus->parentWidget(); p; p = p->parentWidget())
        if (auto* f = qobject_cast<Form*>(p)) {
            if (f != scope) f->bringToFront();
            break;
        }
    focus->setFocus(Qt::OtherFocusReason);
}
}  // namespace

void connectLabel(QWidget* label, int channel) {
    if (!label) return;
    connectKeepingFocus(label, [&](MultiScope* scope) {
        scope->connectFromKeyboard(channel, MultiScope::probePointOf(label), describePoint(label));
    });
}

void connectPoint(sim::PointId id, int channel) {
    connectKeepingFocus(nullptr, [&](MultiScope* scope) {
        scope->connectFromKeyboard(channel, sim::probeOn(id), sim::captionWithPlace(id));
    });
}

void showConnectProbe() { frm<frmConnectProbe>()->showForm(); }

bool startGuidedTest(const QString& key) {
    const guided::GuidedTest* test = guided::testForKey(key);
    if (!test) return false;
    MultiScope* scope = frm<MultiScope>();
    scope->showDevice(tool::Scope);
    scope->guidedPanel->choose(key);
    scope->live->startGuidedTest(*test);
    return true;
}

}  // namespace instrument
