// The live signals at the instrument's connection points: what a probe on a point measures at
// any instant, worked out from the simulation's state and the injected faults as the circuit
// of a real car would give it. A fault acts on its circuit (an open circuit, a short to earth,
// a high resistance, a failed part), so it changes the signal at every point on that circuit
// and at no other.
#pragma once

#include "sim/catalogue.h"

#include <QString>
#include <functional>
#include <optional>

namespace sim {

// A connection point as the probe meets it: the label's caption, its control name and index
// in a control array (-1 when it is in none) and the window's class name. The point is known by
// its window, control and index (the catalogue's point there); the caption is what it shows.
struct ProbePoint {
    QString caption;
    QString name;
    int index = -1;
    QString window;
};

// The catalogue's point the probe is on; none for a label that is no connection point.
std::optional<PointId> pointOf(const ProbePoint& point);
// The probe on a point, as its window shows it.
ProbePoint probeOn(PointId id);

// How a quantity's live trace is shown: units per division, the zero on the centre line
// (alternating signals) or on the lowest grid line (two divisions below the centre), seconds
// per division, and the unit ("V", "A", "bar", "kV").
struct LiveScale {
    double perDivision;
    bool zeroAtCentre;
    double secondsPerDivision;
    const char* unit;
};
LiveScale liveScale(Quantity q);

// What the signals read besides the shared state.
struct SignalInputs {
    const SimState* state = nullptr;
    FaultSet faults;
    int lambda = 0;  // the engine window's lambda slider: -1 rich, 0 on the mark, 1 lean
    // The engine's own temperature where the control unit reads another (its temperature sensing
    // broken: the fault scan holds EngineTemperature at the reading); none: EngineTemperature.
    std::optional<int> engineTemperature;
};

// The value at the probe t seconds from any origin (the signals repeat with the engine's
// cycle, the sensors' slow swings with time), in the quantity's unit.
double signalAt(const ProbePoint& point, const SignalInputs& in, double t);

// The same values as signalAt for many instants (a scope frame): the point's circuit and faults
// worked out once, for the state as it is now (the state must outlive the function).
std::function<double(double)> signalOf(const ProbePoint& point, const SignalInputs& in);

// What the multimeter shows on the point, in the form of the stored files' meter texts
// ("  4.7 V (ac)", "  14.0 V (dc)", "  29 % dwell", "  2.6 ms", "  5.1 A (dc)", "  2.5 bar",
// "  14 deg BTDC", "  150 rev/min"); an open circuit reads "  0.0 V (dc)".
QString meterText(const ProbePoint& point, const SignalInputs& in);

// Where a sweep of the point's trace begins, at or after t: the scope's trigger. The sweep's
// samples are taken at start + i * 6 * secondsPerDivision / 50 (i = 0..49). A triggered trace
// has its marking event (the wheel's gap, the injector opening, the coil switching off, a
// rectifier or commutator pulse, TDC for the spark) on the same sample every sweep, and the
// narrow spikes on a sample of their own; a slow trace (0.1 s a division or more) rolls and a
// steady one has nothing to trigger on: both start at t.
double sweepStart(const ProbePoint& point, const SignalInputs& in, double t);

}  // namespace sim

#include <vector>

namespace sim {

// A part of a point's signal too narrow to be seen between a screen's samples (the coil's
// switch-off spike, the firing line, the injector's spike, a tooth of the crank wheel): the
// instant of its extreme in the signal's period (seconds from t = 0, again every period), how
// long it lasts and the value it reaches there (its highest, or its lowest for a dip).
struct SignalFeature {
    double time = 0;
    double width = 0;
    double extreme = 0;
};

// The narrow features of a point's signal over one period, in order of time, and the lowest and
// highest it reaches over the period; period 0 for a steady signal (no feature). With these a
// scope finds every extreme and crossing without sampling the signal densely.
struct SignalShape {
    double period = 0;
    std::vector<SignalFeature> features;
    double lowest = 0, highest = 0;
};
SignalShape signalShape(const ProbePoint& point, const SignalInputs& in);

}  // namespace sim
