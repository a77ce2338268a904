// The one adapter between the engine model and the windows: it gathers what the model reads
// (the session's controls and faults, the lookup grids) and shows in the windows what a model
// call returned.
#pragma once

#include "sim/engine.h"

namespace engineview {

// The gear and throttle buttons, auto run and the engine window's sliders, as the session has them.
sim::Controls gatherControls();
// Everything a step or a scan reads; the faults are read when the scan runs or an exhaust
// warning may look at them.
sim::StepInputs gatherInputs(bool scan);
// The controls as the model left them, into the session; the windows show them without running
// their handlers again (the model has applied what they do).
void showControls(const sim::Controls& c);
// The read-outs of the engine-management, charging and starting windows.
void showReadings(const sim::Readings& r);
// Plays what happened, in order, then shows the controls and, when the model refreshed
// them, the read-outs.
void play(const sim::Outcome& out, const sim::Controls& c);

// Runs a model call (sim::step, sim::scan) on the program's state with the inputs gathered
// now, and plays what it returned; what happened before an error is still shown.
using ModelCall = void (*)(SimState&, sim::StepInputs&, sim::Outcome&);
void run(ModelCall call, bool scan);

// The state's readings refreshed and shown (the sliders follow the state).
void refreshReadings();

}  // namespace engineview
