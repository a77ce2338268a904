// The fault scan as the program runs it on its own (the engine step runs it too): the fault
// boxes and controls gathered, the model's scan, and what it returned shown.
#include "faults/faults.h"

#include "engine/engineview.h"
#include "platform/platform.h"
#include "sim/engine.h"
#include "sim/session.h"

void CollectSystemData() { engineview::run(&sim::scan, true); }

QString GetTempFolder() {
    // Always a real folder that can be written (or, when none can, the one named, so that the
    // reports fail there): never an empty or shortened path that would point elsewhere.
    return platform().tempFolder();
}

sim::FaultSet PresentFaults() { return sim::session().faults(); }

bool FaultPresent(int n) { return sim::session().faultPresent(n); }

void InjectFault(int n) { sim::session().setFaultPresent(n, true); }
