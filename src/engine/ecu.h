// The engine-management unit: lookup-cell selection, outputs with their corrections, and
// the readings refresh.
#pragma once

void UpdateEngine();
void FindLookupCells();
void CalculateEcuOutputs();
void RefreshReadings();
