// Turning the ignition key: start sequence with cranking, and stop sequence.
#pragma once

// The key: with the engine running or cranking it runs the stop sequence, otherwise the
// start sequence (which lets pending events run between its steps).
void StartStopEngine();
// The Run menu's Start / Stop Engine command (and the starting window's starter button): the
// driver's controls and the instruments shown, then the key turned.
void RunStartStopEngine();
// Stops the engine when it is running or cranking; a stopped engine is left alone (the key
// itself would start it).
void StopEngine();
// The windows after the engine has come to rest: the status panel, the starter's meter, the
// connection point cleared and the device in use shown afresh.
void showEngineStopped();
