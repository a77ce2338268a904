// The automatic measurements of a scope trace, as a workshop scope shows them under the screen.
//
// The minimum and maximum are the trace's own, or those of its peaks when it keeps them (the
// lowest and highest the signal reached around each sample). The timing measurements find their
// edges between the signal's two states: the base (the most common level below the mean) and
// the top (the most common level above it), so that a narrow spike does not move them. Edges
// are found at the middle between base and top, with a hysteresis band of 10 % of that around it: once the trace has crossed
// the middle going up, it must fall below the lower edge of the band before a falling edge is
// counted (and the other way round), so noise on a slow edge does not count extra edges. The
// time of an edge is interpolated linearly between the two samples either side of the middle.
//
// - Period: mean time between successive rising edges; Frequency: one over it.
// - Duty cycle: share of the full periods (from one rising edge to the next) spent above the
//   middle; Pulse width: mean time above the middle of the complete high pulses. With negative
//   polarity both measure the low pulses instead (the time below the middle): an injector's
//   open time, a coil's dwell.
// - Rise time: mean time from 10 % to 90 % of the range over the rising edges (interpolated).
//
// A measurement that the trace cannot give is not valid and reads "no signal": every one of an
// empty trace; the timing ones of a flat line (a range too small for the signal's size); period,
// frequency and duty cycle with fewer than two rising edges; pulse width without a complete high
// pulse, and rise time without a complete rising edge. A measured value is always finite.
//
// Texts have three significant digits and an SI prefix ("12.4 V", "2.60 ms", "50.0 mV"), the
// frequency four, as a counter reads ("1.000 kHz"); the duty cycle is in percent with one
// decimal ("30.0 %").
#pragma once

#include <QString>

#include <vector>

namespace scope {

// A trace: equally spaced samples of a signal.
struct Trace {
    std::vector<double> values;
    double sampleSeconds = 0;  // time between two samples
    // When kept: the lowest and highest of the signal around each sample (as many as values).
    std::vector<double> lows, highs;
};

enum class Polarity { Positive, Negative };

enum class Measurement { Minimum, Maximum, PeakToPeak, Mean, Rms, Frequency, Period, DutyCycle, PulseWidth, RiseTime };

struct MeasuredValue {
    bool valid = false;
    double value = 0;  // in the unit of the text without its prefix (V, s, Hz; percent for the duty cycle)
    QString text;      // as shown, or "no signal"
};

// Measures the trace; `unit` is the unit of the samples, used in the texts of the levels.
MeasuredValue measure(const Trace& t, Measurement m, const QString& unit = QStringLiteral("V"),
                      Polarity polarity = Polarity::Positive);

// Several measurements of one trace, which is looked at once for them all; in their order.
std::vector<MeasuredValue> measureAll(const Trace& t, const std::vector<Measurement>& ms,
                                      const QString& unit = QStringLiteral("V"), Polarity polarity = Polarity::Positive);

// The name shown beside the value: "Peak to peak", "Duty cycle", ...
QString measurementName(Measurement m);  // as the screen shows it (translated)
QString measurementKey(Measurement m);   // the English name the settings keep

// `value` with an SI prefix and `digits` significant digits, e.g. formatSi(0.0026, "s") = "2.60 ms".
QString formatSi(double value, const QString& unit, int digits = 3);

}  // namespace scope
