// Turning the ignition key: start sequence with cranking, and stop sequence.
#pragma once

void StartStopEngine();
