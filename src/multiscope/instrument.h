// What the other windows ask of the instrument, without its window's header.
#pragma once

#include "sim/simstate.h"

namespace instrument {

// Brings a device to the front as its Tools command does (the window shown, the device's
// current file shown again); None does nothing.
void showDevice(tool::Mode device);
// The engine has stopped and the probes come off: a blank trace (the last one stays when the
// blank waveform cannot be read), the terminal free, and the device in front shown again; the
// telemetry's picture comes to the front as it is.
void probesOff();

}  // namespace instrument
