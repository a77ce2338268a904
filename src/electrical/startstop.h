// Turning the ignition key: start sequence with cranking, and stop sequence.
#pragma once

// How a start sequence holds between its steps. ToTheEnd: in place, letting pending events run
// once before each hold, so that the engine is running (or not) when the call returns; a caller
// that goes on with the started engine needs this. OnTimer: the key turned by a click returns at
// once and the sequence carries on from a timer, the program's event loop running meanwhile.
// Script mode always holds in place, on virtual time.
enum class StartMode { ToTheEnd, OnTimer };

// The key: with the engine running or cranking it runs the stop sequence, otherwise the
// start sequence (clicks and ticks run between its steps).
void StartStopEngine(StartMode mode = StartMode::ToTheEnd);
// The Run menu's Start / Stop Engine command (and the starting window's starter button): the
// driver's controls and the instruments shown, then the key turned.
void RunStartStopEngine(StartMode mode = StartMode::ToTheEnd);
// The key between off and ignition on (the main window's Ignition On / Off command and the
// starting window's Ignition on button): with the engine still it switches the ignition on or
// off; with the engine running or cranking, turning the key back stops it.
void RunIgnitionOnOff();
// The starting window's ignition button shows the key's position, when the window is loaded.
void showIgnitionKey();
// Stops the engine when it is running or cranking; a stopped engine is left alone (the key
// itself would start it).
void StopEngine();
// The windows after the engine has come to rest: the status panel, the starter's meter, the
// connection point cleared and the device in use shown afresh.
void showEngineStopped();
