// The probe each Live channel measures its point through, and the unit the channel then reads.
//
// A probe turns what it measures into a voltage at the scope's input, and the channel turns that
// voltage back into the probe's unit:
// - Direct: the point's voltage as it is (1 V at the input per volt).
// - ×10 attenuator: a tenth of the point's voltage, so that the coil's primary spikes and the
//   injector's switch-off spikes stay within the input's range; read back times ten (V).
// - Current clamp: its sensitivity in millivolts per ampere of the current through its jaws
//   (100 mV/A for the small currents of a pump, 10 mV/A for a starter's hundreds of amperes) (A).
// - High-tension pick-up: clipped over a plug lead, 0.1 V per kilovolt of the secondary (kV).
// - Pressure transducer: 0.5 V at no pressure (above the atmosphere's) and 0.4 V more per bar,
//   4.5 V at 10 bar; so a transducer with its signal wire broken reads below zero bar (bar).
//
// A point that is a current (the pump's, the starter's) can be measured with a current clamp
// only, a pressure with a pressure transducer only, the secondary with a high-tension pick-up
// only; a voltage with the direct lead or the attenuator. The natural probe for a point is the
// one that fits its quantity, at a sensitivity that keeps the quantity's screen within the input.
#pragma once

#include "multiscope/acquisition.h"
#include "sim/catalogue.h"

#include <QString>

#include <optional>
#include <vector>

namespace scope {

enum class ProbeKind { Direct, Attenuator10, CurrentClamp, HighTension, PressureTransducer };
constexpr int kProbeKindCount = 5;

// The two sensitivities a workshop clamp offers, millivolts per ampere.
constexpr double kClampFine = 100;
constexpr double kClampCoarse = 10;
// The largest current the fine sensitivity measures.
constexpr double kClampFineAmps = 60;
// The highest voltage the scope's input takes on the direct lead.
constexpr double kDirectInputLimit = 100;

struct ProbeSetting {
    ProbeKind kind = ProbeKind::Direct;
    double clampMillivoltsPerAmp = kClampFine;  // for a current clamp only

    bool operator==(const ProbeSetting& o) const {
        return kind == o.kind && (kind != ProbeKind::CurrentClamp || clampMillivoltsPerAmp == o.clampMillivoltsPerAmp);
    }
    bool operator!=(const ProbeSetting& o) const { return !(*this == o); }
};

// "Direct", "×10 attenuator", "Current clamp 100 mV/A", "HT pick-up", "Pressure transducer".
QString probeName(const ProbeSetting& probe);
// As a narrow list shows it: "Direct", "×10", "Clamp 100 mV/A", "HT pick-up", "Pressure".
QString probeShortName(const ProbeSetting& probe);
// The probes a channel offers, in the order its list shows them: the direct lead, the
// attenuator, the clamp at its fine and its coarse sensitivity, the pick-up, the transducer.
const std::vector<ProbeSetting>& probeChoices();
// A stable key for files and settings: "direct", "x10", "clamp:100", "ht", "pressure"; and the
// probe a key names (none for a key that names none, or a clamp of no sensitivity).
QString probeKey(const ProbeSetting& probe);
std::optional<ProbeSetting> probeFromKey(const QString& key);

// The unit the channel reads through the probe: "V", "A", "kV" or "bar".
QString probeUnit(ProbeKind kind);

// The voltage at the scope's input for `value` (in the probe's unit) at the probe.
double probeOutput(const ProbeSetting& probe, double value);
// The value in the probe's unit the channel reads for `inputVolts` at the scope's input.
double probeReading(const ProbeSetting& probe, double inputVolts);

// Whether the probe can measure a quantity read in `pointUnit` ("V", "A", "bar", "kV"): it is
// of the kind for it and, a clamp, has a sensitivity above zero.
bool probeFits(const ProbeSetting& probe, const QString& pointUnit);
// Why it cannot (a sentence for the user); empty when it can.
QString probeMismatch(const ProbeSetting& probe, const QString& pointUnit);

// The probe that fits a point's quantity: a clamp for a current (coarse when the quantity's
// screen reaches beyond the fine sensitivity's largest current), the pressure
// transducer for a pressure, the pick-up for the secondary, the attenuator for a voltage whose
// screen reaches beyond the direct input's range, and the direct lead for every other voltage.
ProbeSetting naturalProbe(sim::Quantity q);
ProbeSetting naturalProbe(sim::PointId id);

// The channel's signal, in the probe's unit, of a point whose own signal (in `pointUnit`) is
// `point`: what the probe gives the input, read back by the channel. None when the probe
// cannot measure that quantity (probeMismatch says why).
std::optional<Sampler> throughProbe(const Sampler& point, const QString& pointUnit, const ProbeSetting& probe);

}  // namespace scope
