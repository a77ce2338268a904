// The injected faults and the fault scan.
#pragma once

#include "sim/engine.h"

#include <QString>

// True while fault n (1..44) is injected (the session's; its box on the faults window is
// unticked).
bool FaultPresent(int n);
// The faults present.
sim::FaultSet PresentFaults();
// Injects fault n (1..44); its box on the faults window, when loaded, runs its click handling.
void InjectFault(int n);
// The faults window's "Reset all": every fault repaired, each box running its click handling.
void RepairAllFaults();
// The faults window shown (loaded if need be), put away (it keeps its boxes), and whether it
// is loaded and shown now.
void ShowFaultsWindow();
void HideFaultsWindow();
bool FaultsWindowShown();
// While a classroom challenge runs the faults window's boxes are locked and covered.
void LockFaultsWindow(bool locked);
// The fault scan: applies the injected faults and writes the scanner's report files.
void CollectSystemData();
// The system temporary folder with its trailing separator.
QString GetTempFolder();
