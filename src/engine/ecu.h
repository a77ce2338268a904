// The engine-management unit: lookup-cell selection, outputs with their corrections, and
// the readings refresh.
#pragma once

// The engine step, run by the main tick once a second while the engine runs.
void UpdateEngine();
// Chooses the map cells for the operating point and moves the grids' current cells there.
void FindLookupCells();
// Reads the current map cells and works out timing, dwell and injection with every
// correction, the throttle, limiter, over-run, idle and knock logic. A map cell that is
// missing, empty or not a usable number stops the engine with a message naming the cell,
// and the rest of the engine step is skipped.
void CalculateEcuOutputs();
// Copies the shared variables into the engine-management, starting and charging windows.
void RefreshReadings();

// The fault scan that the engine step runs after working out the outputs: CollectSystemData
// unless replaced. The engine-step benchmark replaces it with a no-op to time the step on
// its own (the scan writes two report files every second); nullptr restores it.
using SystemDataCollector = void (*)();
void setSystemDataCollector(SystemDataCollector collector);
