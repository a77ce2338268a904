// The arithmetic of the engine-management unit that does not touch any window: which map
// cell an operating point selects, the enrichment and timing corrections, the road speed
// of a gear and the injection time while cranking.
#pragma once

namespace ecu {

// Lookup maps: eight columns of engine speed (800 .. 6400 rev/min), eight rows of load
// (timing and injection: 98 % down to 0 %) or of supply voltage (dwell: 15 V down to 8 V).
constexpr int kMapSize = 8;

// Column for an engine speed: speed / 800 - 1 to the nearest integer (halves to even),
// kept within 0..7.
int speedIndexFor(int engineSpeed);
// Row of the timing and injection maps: 7 - load / 14 to the nearest integer, at least 0.
int loadIndexFor(int engineLoad);
// Row of the dwell map: 15 - volts, kept within 0..7.
int voltageIndexFor(int systemVoltage);

// What a row or column stands for, for messages and captions.
int speedOfColumn(int column);     // rev/min
int loadOfRow(int row);            // percent
int voltageOfRow(int row);         // volts

// Enrichment for a low supply voltage: 1.0 at row 0 (15 V) rising by 0.1 a row to 1.7.
float voltageFactor(int voltageIndex);

// Cold-engine correction of a temperature band.
struct ColdCorrection {
    double factor;        // multiplies the enrichment
    int timingCorrection; // degrees added to the timing map value
};
ColdCorrection coldCorrectionFor(int engineTemperature);

// Enrichment factor as the unit keeps it (a 32-bit float): the voltage factor times the
// cold-engine factor.
float enrichmentFactorFor(int voltageIndex, int engineTemperature);

// Road speed in km/h for a gear (0 neutral, 1..5, 6 reverse) at an engine speed; 0 at or
// below 800 rev/min whatever the gear.
int roadSpeedFor(int gear, int engineSpeed);

// What the unit fires while the starter turns the engine: the spark's advance in degrees and the
// coil's dwell in percent.
constexpr int kCrankingTiming = 9;
constexpr int kCrankingDwell = 35;
// Injection time while cranking: 200 / (temperature + 0.1) ms, 10 ms when that is above
// 10 or negative.
double crankingInjectionFor(int engineTemperature);

}  // namespace ecu
