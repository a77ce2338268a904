#include "faults/faults.h"

#include "platform/platform.h"

bool FaultPresent(int) { return false; }
void CollectSystemData() {}
QString GetTempFolder() { return platform().tempFolder(); }
