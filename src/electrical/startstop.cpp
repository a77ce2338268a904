#include "startstop.h"
#include "multiscope/displays.h"
#include "multiscope/instrument.h"
#include "platform/picturebox.h"

#include <QPushButton>

#include "electrical/frminstruments.h"
#include "platform/status.h"
#include "sim/simstate.h"
#include "electrical/frmcharging.h"
#include "electrical/frmstarting.h"
#include "engine/engineview.h"
#include "engine/engine.h"
#include "sim/engine.h"
#include "sim/session.h"
#include "sim/startsequence.h"
#include "platform/platform.h"
#include "platform/services.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <algorithm>
#include <memory>
#include <vector>

// Windows are looked up again for every stretch of the sequence: a window closed while the
// key is held is loaded afresh instead of being used after it has gone.

namespace {

// The texts this file shows (the status line, the key status).
struct StartStopTexts {
    Q_DECLARE_TR_FUNCTIONS(startstop)
};

// The cranking speed on the engine-management and starting windows.
void showCrankingSpeed(int speed) {
    engine::showCrankingSpeed(speed);
    frm<frmStarting>()->showCrankingSpeed(speed);
}

// One start sequence under way. A key turned from a click on the desktop holds between its
// stretches by the timer, with the program's event loop running; the others (script mode,
// a challenge setting up its vehicle, the engine started at start-up) hold in place and let
// pending events run once before each hold.
struct StartRun {
    sim::StartSequence sequence;
    bool onTimer = false;
    double hold = 0;       // the hold it is waiting out on the timer
    bool waiting = false;  // between two stretches, on the timer
};

// The sequences under way, the innermost last. A key turned while a sequence holds starts one
// that runs through before the outer one carries on, as it would inside the outer one's yield.
std::vector<std::shared_ptr<StartRun>>& startRuns() {
    static std::vector<std::shared_ptr<StartRun>> runs;
    return runs;
}

void carryOn(const std::shared_ptr<StartRun>& run);

// The hold between two stretches of a sequence held on the timer (in tests, fired by hand).
// Never destroyed: a static object would go after the application object, timer and all.
VTimer& holdTimer() {
    static VTimer* timer = new VTimer("tmrStartSequence", 100, [] {
        holdTimer().setEnabled(false);
        if (!startRuns().empty() && startRuns().back()->waiting) carryOn(startRuns().back());
    });
    return *timer;
}

void holdOnTimer(const StartRun& run) {
    holdTimer().setInterval(qRound(run.hold * 1000));
    holdTimer().setEnabled(true);
}

// The run is through (or failed): the one it interrupted carries on after its own hold.
void finish(const std::shared_ptr<StartRun>& run) {
    auto& runs = startRuns();
    runs.erase(std::remove(runs.begin(), runs.end(), run), runs.end());
    if (!runs.empty() && runs.back()->waiting) holdOnTimer(*runs.back());
}

void play(const sim::StartOutcome& out, StartRun& run) {
    for (const sim::StartEvent& e : out.events) {
        switch (e.kind) {
        case sim::StartEvent::Kind::Status: SetStatus(e.text); break;
        case sim::StartEvent::Kind::KeyStatus:
            engine::showKeyStatus(e.text);
            showIgnitionKey();
            break;
        case sim::StartEvent::Kind::Readings:
            engineview::showReadings(e.readings);
            engineview::showControls(e.controls);
            showIgnitionKey();
            break;
        case sim::StartEvent::Kind::CrankingSpeed: showCrankingSpeed(e.number); break;
        case sim::StartEvent::Kind::ChargingShown: frm<frmCharging>()->showOutput(e.number, e.speed); break;
        case sim::StartEvent::Kind::StarterVoltage: frm<frmStarting>()->setStarterVoltage(e.number); break;
        case sim::StartEvent::Kind::Message:
            run.sequence.answer(MsgBox(e.text, e.okCancel ? MsgButtons::OKCancel : MsgButtons::OK,
                                       MsgIcon::Critical) == MsgAnswer::OK);
            break;
        case sim::StartEvent::Kind::Stop: engineview::play(e.stop, e.controls); break;
        }
    }
}

// Advances the run until it holds on the timer or is through.
void carryOn(const std::shared_ptr<StartRun>& run) {
    run->waiting = false;
    try {
        for (;;) {
            sim::Controls controls;
            if (run->sequence.readsControls()) controls = engineview::gatherControls();
            const sim::FaultSet faults = run->sequence.readsFaults() ? sim::session().faults() : sim::FaultSet();
            const sim::StartOutcome out = run->sequence.advance(programState(), controls, faults);
            play(out, *run);
            if (out.next.done) break;
            if (out.next.yield) {
                if (run->onTimer) {
                    run->hold = out.next.seconds;
                    run->waiting = true;
                    // A sequence started meanwhile (from the message box's own loop) goes first.
                    if (startRuns().back() == run) holdOnTimer(*run);
                    return;
                }
                DoEvents();
            }
            if (out.next.seconds > 0) Pause(out.next.seconds);
        }
    } catch (...) {
        finish(run);
        throw;
    }
    finish(run);
}

void startSequence(StartMode mode) {
    auto& runs = startRuns();
    // A sequence held in place has a yield on the stack: one started from it runs through in
    // place as well.
    const bool inPlaceUnderWay =
        std::any_of(runs.begin(), runs.end(), [](const std::shared_ptr<StartRun>& r) { return !r->onTimer; });
    auto run = std::make_shared<StartRun>();
    run->onTimer = mode == StartMode::OnTimer && !platform().scripted() && !inPlaceUnderWay;
    if (!runs.empty()) holdTimer().setEnabled(false);  // the outer one waits for this one
    runs.push_back(run);
    carryOn(run);
}

void stopSequence() {
    sim::Controls controls = engineview::gatherControls();
    sim::Outcome out;
    sim::stopEngine(programState(), controls, out);
    engineview::play(out, controls);
}

}  // namespace

void showIgnitionKey() {
    if (frmStarting* starting = Forms::find<frmStarting>()) starting->showIgnition(IgnitionOn == True);
}

void RunIgnitionOnOff() {
    if (EngineRunning == True || EngineCranking == True) {
        SetStatus(StartStopTexts::tr("Ready..."));
        stopSequence();
    } else if (sim::switchIgnition(programState(), IgnitionOn != True)) {
        // The fuel pump's priming run is counted down by the main tick.
        SetStatus(IgnitionOn == True ? StartStopTexts::tr("Ignition on...") : StartStopTexts::tr("Ignition off..."));
    }
    showIgnitionKey();
}

void showEngineStopped() {
    engine::showKeyStatus(StartStopTexts::tr("Engine is stopped..."));
    frm<frmStarting>()->showCrankingSpeed(0);
    showIgnitionKey();

    // The instrument's probes come off: blank waveform, terminal free, current tool again.
    chdirToAppFolder();
    instrument::probesOff();
}

void RunStartStopEngine(StartMode mode) {
    SetStatus(StartStopTexts::tr("Ready..."));
    engine::showControlsWindow();
    frm<frmInstruments>()->showForm();
    StartStopEngine(mode);
}

void StartStopEngine(StartMode mode) {
    if (EngineRunning == True || EngineCranking == True) stopSequence();
    else startSequence(mode);
}

void StopEngine() {
    if (EngineRunning == True || EngineCranking == True) stopSequence();
}
