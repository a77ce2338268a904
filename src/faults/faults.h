// The injected faults and the fault scan.
#pragma once

#include "sim/engine.h"

#include <QString>

// True while fault n (1..44) is injected, i.e. its box on the faults window is unticked.
bool FaultPresent(int n);
// The faults present, read from the boxes in one go.
sim::FaultSet PresentFaults();
// The fault scan: applies the injected faults and writes the scanner's report files.
void CollectSystemData();
// The system temporary folder with its trailing separator.
QString GetTempFolder();
