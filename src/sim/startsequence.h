// Turning the ignition key from rest: the start sequence as a model that is advanced one
// stretch at a time. Each advance runs until the sequence has to wait (a pause, with or without
// letting pending events run first), has shown a message box whose answer it needs, or has
// ended; what the user is to see comes back as a list of events in the order they happened,
// for the windows to play. Between two advances anything may happen to the state (a tick, a
// fault box, the key turned again to stop the engine): the sequence keeps only its own place
// (the ramp's end and count, the compression strokes) and reads everything else afresh.
#pragma once

#include "sim/engine.h"

#include <QString>
#include <vector>

namespace sim {

// The key's position between off and start: the ignition on with the engine still. The control
// unit and the coil are fed, the sensors have their supplies, and the fuel pump makes its priming
// run (PumpPriming seconds, counted down by the main tick). The start sequence passes through
// it; the stop sequence (and giving up while cranking) turns the key back to off.
constexpr int kPumpPrimingSeconds = 2;
// Turns the ignition on or off with the engine still; false (and nothing changes) while the
// engine is running or cranking, or when the key is already there.
bool switchIgnition(SimState& s, bool on);
// One second of the main tick: the pump's priming run counts down.
void tickIgnition(SimState& s);
// Whether one of the present faults keeps the starter from turning (the key then rests in the
// cranking position); any other fault that keeps the engine from starting lets it crank.
bool starterCannotTurn(const FaultSet& faults);

struct StartEvent {
    enum class Kind {
        Status,         // text: the status bar's first panel
        KeyStatus,      // text: the driver controls' status line
        Readings,       // readings, controls: the read-outs refreshed and the controls as they then were
        CrankingSpeed,  // number: the starter's speed on the engine and starting windows
        ChargingShown,  // number (volts), speed: the charging window's output voltage and engine speed
        StarterVoltage, // number: the starting window's battery slider set (its handler runs)
        Message,        // text, okCancel: a critical message box; its answer goes to answer()
        Stop,           // stop, controls: the stop sequence, played as an engine step is
    };
    Kind kind = Kind::Status;
    QString text;
    int number = 0;
    int speed = 0;
    bool okCancel = false;
    Readings readings;
    Controls controls;
    Outcome stop;
};

// What the windows do once the events of an advance have been played.
struct StartWait {
    bool done = false;     // the sequence has ended
    bool yield = false;    // pending events run first (a click, a tick)
    double seconds = 0;    // then the sequence holds this long before the next advance
};

struct StartOutcome {
    std::vector<StartEvent> events;
    StartWait next;
};

class StartSequence {
public:
    // Whether the next advance reads the injected faults (the key reaching the cranking position).
    bool readsFaults() const { return stage_ == Stage::Cranking; }
    // Whether the next advance reads or sets the controls (the steps of the ramp and the
    // compression strokes touch none, and the windows need not be asked for them).
    bool readsControls() const {
        return stage_ == Stage::KeyOn || stage_ == Stage::Cranking || stage_ == Stage::Decide ||
               stage_ == Stage::TooSlow || stage_ == Stage::Answered ||
               (stage_ == Stage::StrokeUp && stroke_ >= 10);
    }
    bool done() const { return stage_ == Stage::Done; }
    // The answer to the message box of the last advance: OK, or anything else.
    void answer(bool ok) { answeredOk_ = ok; }

    // Runs the sequence on until it waits or ends. The controls are those the windows show now;
    // the model changes them as the windows' handlers would (neutral, the sliders following the
    // state). The faults are read only when readsFaults() said so.
    StartOutcome advance(SimState& s, Controls& c, const FaultSet& faults = FaultSet());

private:
    enum class Stage { KeyOn, Cranking, Ramp, StrokeUp, StrokeDown, Decide, TooSlow, Answered, CancelDone, Running, Done };
    Stage stage_ = Stage::KeyOn;
    int rampEnd_ = 0;     // the ramp's end, taken once before it starts
    int rampSpeed_ = 70;  // the next ramp step
    int stroke_ = 0;      // compression strokes done
    bool answeredOk_ = false;
};

}  // namespace sim
