// The engine step as the program runs it: the controls gathered, the model's step, and what
// it returned shown in the windows.
#pragma once

// The engine step, run by the main tick once a second while the engine runs.
void UpdateEngine();
// Shows the shared variables in the engine-management, starting and charging windows (the
// engine window's sliders follow them).
void RefreshReadings();

// Whether the engine step runs the fault scan (it does unless switched off). The engine-step
// benchmark switches it off to time the step on its own: the scan writes two report files
// every second.
void setStepScan(bool on);
