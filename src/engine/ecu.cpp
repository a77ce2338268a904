#include "ecu.h"

#include "engine/engineview.h"
#include "sim/engine.h"

namespace {
bool g_scan = true;
}  // namespace

void setStepScan(bool on) { g_scan = on; }

void UpdateEngine() { engineview::run(&sim::step, g_scan); }

void RefreshReadings() { engineview::refreshReadings(); }
