#include "sim/startsequence.h"

#include "sim/catalogue.h"
#include "sim/ecumath.h"

#include <QCoreApplication>

namespace sim {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(sim::StartSequence)
};

StartEvent event(StartEvent::Kind kind, const QString& text = QString(), int number = 0) {
    StartEvent e;
    e.kind = kind;
    e.text = text;
    e.number = number;
    return e;
}

void refreshed(SimState& s, Controls& c, StartOutcome& out) {
    StartEvent e = event(StartEvent::Kind::Readings);
    e.readings = refresh(s, c);
    e.controls = c;
    out.events.push_back(std::move(e));
}

// The status texts and messages are given untranslated and shown in the user's language.
void status(StartOutcome& out, const char* text) { out.events.push_back(event(StartEvent::Kind::Status, Texts::tr(text))); }

// The starter's speed as the windows show it while it turns.
void crankingShown(SimState& s, StartOutcome& out) {
    out.events.push_back(event(StartEvent::Kind::CrankingSpeed, {}, s.EngineSpeed));
}

void keyStatus(StartOutcome& out, const char* text) { out.events.push_back(event(StartEvent::Kind::KeyStatus, Texts::tr(text))); }

void message(StartOutcome& out, const char* text, bool okCancel) {
    StartEvent e = event(StartEvent::Kind::Message, Texts::tr(text));
    e.okCancel = okCancel;
    out.events.push_back(std::move(e));
}

StartWait yieldThenHold(double seconds) { return {false, true, seconds}; }
StartWait hold(double seconds) { return {false, false, seconds}; }
constexpr StartWait kAtOnce{false, false, 0};  // after a message box: its answer first
constexpr StartWait kDone{true, false, 0};

}  // namespace

bool switchIgnition(SimState& s, bool on) {
    if (s.EngineRunning == True || s.EngineCranking == True) return false;
    if ((s.IgnitionOn == True) == on) return false;
    s.IgnitionOn = on ? True : False;
    s.PumpPriming = on ? kPumpPrimingSeconds : 0;
    return true;
}

void tickIgnition(SimState& s) {
    if (s.IgnitionOn != True) s.PumpPriming = 0;
    else if (s.PumpPriming > 0) s.PumpPriming = s.PumpPriming - 1;
}

bool starterCannotTurn(const FaultSet& faults) {
    for (const FaultInfo& f : sim::faults())
        if (f.atStart == StartEffect::NoCranking && faults[static_cast<size_t>(f.number)]) return true;
    return false;
}

StartOutcome StartSequence::advance(SimState& s, Controls& c, const FaultSet& faults) {
    StartOutcome out;
    switch (stage_) {
    case Stage::KeyOn:
        // Neutral, the starter's speed for this battery, everything at rest.
        chooseGear(s, c, 0);
        // The key passes through the ignition-on position (the pump primes if it was off).
        if (s.IgnitionOn != True) s.PumpPriming = kPumpPrimingSeconds;
        s.IgnitionOn = True;
        s.CrankingSpeed = s.SystemVoltage * 11;
        restEngine(s);
        refreshed(s, c, out);
        status(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Engine is ready to start..."));
        stage_ = Stage::Cranking;
        out.next = yieldThenHold(1.0);
        return out;

    case Stage::Cranking:
        // The key in the cranking position: the starter's load drops the voltage.
        s.EngineLoad = 5;
        s.SystemVoltage = s.SystemVoltage - 1;
        refreshed(s, c, out);
        s.IgnitionTiming = ecu::kCrankingTiming;
        s.DwellPercentage = ecu::kCrankingDwell;
        s.InjectionDuration = ecu::crankingInjectionFor(s.EngineTemperature);
        status(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Cranking position..."));
        keyStatus(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Cranking position..."));
        s.EngineCranking = True;

        applyCrankingFaults(s, faults);
        if (faults[36]) {  // the flat battery shows on both battery sliders
            Outcome none;
            moveSlider(s, c, Slider::Voltage, 9, none);
            out.events.push_back(event(StartEvent::Kind::StarterVoltage, {}, 9));
        }
        refreshed(s, c, out);
        // A fault that stops the starter: the key rests in the cranking position. Any other
        // critical fault lets the starter turn the engine, and the question after the ramp
        // offers to keep it cranking for tests.
        if (s.CriticalFault == True && starterCannotTurn(faults)) {
            stage_ = Stage::Done;
            out.next = kDone;
            return out;
        }
        rampEnd_ = s.CrankingSpeed;
        rampSpeed_ = 70;
        stage_ = Stage::Ramp;
        [[fallthrough]];

    case Stage::Ramp:
        // One step of the ramp a tenth of a second. The shared loop counter follows it, but the
        // ramp keeps its own count: what runs in between may move the shared one.
        if (rampSpeed_ <= rampEnd_) {
            s.LoopIndex = rampSpeed_;
            s.EngineSpeed = rampSpeed_;
            crankingShown(s, out);
            ++rampSpeed_;
            out.next = yieldThenHold(0.1);
            return out;
        }
        s.LoopIndex = rampEnd_ >= 70 ? rampEnd_ + 1 : 70;  // where a counted loop leaves its counter
        stroke_ = 0;
        stage_ = Stage::StrokeUp;
        [[fallthrough]];

    case Stage::StrokeUp:
        // Ten compression strokes make the speed wobble.
        if (stroke_ < 10) {
            s.CrankingSpeed += 5;
            s.EngineSpeed = s.CrankingSpeed;
            crankingShown(s, out);
            stage_ = Stage::StrokeDown;
            out.next = yieldThenHold(0.3);
            return out;
        }
        stage_ = Stage::Decide;
        [[fallthrough]];

    case Stage::Decide:
        refreshed(s, c, out);
        if (s.CrankingSpeed < 100) {
            message(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Engine not cranking fast enough to start..."), false);
            stage_ = Stage::TooSlow;
            out.next = kAtOnce;
            return out;
        }
        // A fault appeared while cranking: keep cranking for tests, or give up.
        if (s.CriticalFault == True) {
            message(out,
                    QT_TRANSLATE_NOOP("sim::StartSequence",
                                      "There is a fault present. Click OK to keep the engine cranking for faultfinding...\r\n\r\n"
                                      "Click ignition key again after tests are complete. "),
                    true);
            stage_ = Stage::Answered;
            out.next = kAtOnce;
            return out;
        }
        // The engine starts and settles at idle with the alternator charging.
        out.events.push_back(event(StartEvent::Kind::CrankingSpeed, {}, 0));
        s.EngineSpeed = 800;
        s.EngineLoad = 10;
        s.SystemVoltage = 14;
        refreshed(s, c, out);
        status(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Engine is running..."));
        stage_ = Stage::Running;
        out.next = yieldThenHold(1.0);
        return out;

    case Stage::StrokeDown: {
        s.CrankingSpeed -= 5;
        s.EngineSpeed = s.CrankingSpeed;
        crankingShown(s, out);
        StartEvent charging = event(StartEvent::Kind::ChargingShown, {}, s.SystemVoltage);
        charging.speed = s.EngineSpeed;
        out.events.push_back(std::move(charging));
        ++stroke_;
        stage_ = Stage::StrokeUp;
        out.next = yieldThenHold(0.3);
        return out;
    }

    case Stage::TooSlow:
        // The key goes back: the engine is stopped (unless something stopped it meanwhile).
        if (s.EngineRunning == True || s.EngineCranking == True) {
            StartEvent e = event(StartEvent::Kind::Stop);
            stopEngine(s, c, e.stop);
            e.controls = c;
            out.events.push_back(std::move(e));
        }
        stage_ = Stage::Done;
        out.next = kDone;
        return out;

    case Stage::Answered:
        if (answeredOk_) {
            status(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Engine cranking for testing..."));
            stage_ = Stage::Done;
            out.next = kDone;
            return out;
        }
        // Given up: the engine stops where it is, the controls as they were.
        status(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Engine stopped..."));
        s.EngineCranking = False;
        s.IgnitionOn = False;
        s.PumpPriming = 0;
        s.EngineSpeed = 0;
        s.EngineLoad = 0;
        s.SystemVoltage = 12;
        refreshed(s, c, out);
        stage_ = Stage::CancelDone;
        out.next = hold(1.0);
        return out;

    case Stage::CancelDone:
        status(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Ready..."));
        stage_ = Stage::Done;
        out.next = kDone;
        return out;

    case Stage::Running:
        s.EngineRunning = True;
        keyStatus(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Engine is running..."));
        s.EngineCranking = False;
        status(out, QT_TRANSLATE_NOOP("sim::StartSequence", "Ready..."));
        stage_ = Stage::Done;
        out.next = kDone;
        return out;

    case Stage::Done:
        out.next = kDone;
        return out;
    }
    return out;
}

}  // namespace sim
