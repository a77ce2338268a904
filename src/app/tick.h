// The one-second main tick of the simulation.
#pragma once

void tmrMain_Timer();
