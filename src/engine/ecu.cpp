#include "engine/ecu.h"

void UpdateEngine() {}
void FindLookupCells() {}
void CalculateEcuOutputs() {}
void RefreshReadings() {}
