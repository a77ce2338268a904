#include "multiscope/measurements.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <iterator>
#include <cmath>
#include <utility>

namespace scope {

namespace {

const double kHysteresis = 0.10;  // width of the band around the middle, share of the range
const double kFlat = 1e-9;        // a range below this share of the signal's size is a flat line

MeasuredValue noSignal() { return {false, 0, QCoreApplication::translate("scope::Measurement", "no signal")}; }

MeasuredValue valueOf(double v, const QString& text) { return {true, v, text}; }

// The levels and edges of one trace.
struct Analysis {
    bool empty = true;
    bool flat = true;
    double minimum = 0, maximum = 0, mean = 0, rms = 0;
    std::vector<double> rising, falling;  // times of the middle crossings, seconds from the first sample
    std::vector<double> riseTimes;        // 10 % to 90 %, one per complete rising edge
};

// The time at which the trace passes `level` between samples i-1 and i.
double crossing(const std::vector<double>& v, size_t i, double level, double dt) {
    const double a = v[i - 1], b = v[i];
    const double share = b != a ? (level - a) / (b - a) : 0.0;
    return (double(i - 1) + share) * dt;
}

// The base and top. A signal that dwells on two levels (a switched output: its rest and its
// switched level, whatever spike it makes in between) has them as its two most common levels:
// the fullest of two hundred bands across the range, and the fullest of those standing apart
// from it by four bands or more, each the mean of its samples. When those two bands hold under
// a fifth of the samples (a sine, slow edges, noise) the levels are the extremes.
std::pair<double, double> stateLevels(const std::vector<double>& v, double lowest, double highest) {
    constexpr int kBands = 200, kApart = 4;
    const double width = (highest - lowest) / kBands;
    if (!(width > 0)) return {lowest, highest};
    int counts[kBands] = {};
    double sums[kBands] = {};
    for (double x : v) {
        const int band = std::clamp(int((x - lowest) / width), 0, kBands - 1);
        ++counts[band];
        sums[band] += x;
    }
    const int first = int(std::max_element(counts, counts + kBands) - counts);
    int second = -1;
    for (int b = 0; b < kBands; ++b)
        if (std::abs(b - first) >= kApart && (second < 0 || counts[b] > counts[second])) second = b;
    if (second < 0 || counts[second] == 0 || 5 * (counts[first] + counts[second]) < int(v.size()))
        return {lowest, highest};
    const double a = sums[first] / counts[first], c = sums[second] / counts[second];
    return {std::min(a, c), std::max(a, c)};
}

Analysis analyse(const Trace& t) {
    Analysis r;
    const std::vector<double>& v = t.values;
    if (v.empty() || !std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); }))
        return r;
    r.empty = false;
    r.minimum = *std::min_element(v.begin(), v.end());
    r.maximum = *std::max_element(v.begin(), v.end());
    const bool peaks = t.lows.size() == v.size() && t.highs.size() == v.size() &&
                       std::all_of(t.lows.begin(), t.lows.end(), [](double x) { return std::isfinite(x); }) &&
                       std::all_of(t.highs.begin(), t.highs.end(), [](double x) { return std::isfinite(x); });
    if (peaks) {
        r.minimum = std::min(r.minimum, *std::min_element(t.lows.begin(), t.lows.end()));
        r.maximum = std::max(r.maximum, *std::max_element(t.highs.begin(), t.highs.end()));
    }
    double sum = 0, squares = 0;
    for (double x : v) {
        sum += x;
        squares += x * x;
    }
    const double n = double(v.size());
    const double size = std::max(std::abs(r.minimum), std::abs(r.maximum));
    r.mean = sum / n;
    if (std::abs(r.mean) < kFlat * size)
        r.mean = 0;  // a symmetric signal's mean is zero, not a rounding residue
    r.rms = std::sqrt(squares / n);

    const double range = r.maximum - r.minimum;
    const double dt = t.sampleSeconds;
    r.flat = !(range > kFlat * size) || !(dt > 0) || !std::isfinite(dt);
    if (r.flat)
        return r;

    // Middle crossings with hysteresis: the last crossing of the middle counts once the trace
    // has gone on to the far edge of the band. A trace that starts inside the band counts no
    // edge until it has left the band once.
    const auto [vLow, vHigh] = std::minmax_element(v.begin(), v.end());
    const auto [base, top] = stateLevels(v, *vLow, *vHigh);
    const double states = top - base;
    const double middle = base + states / 2;
    const double upper = middle + kHysteresis * states / 2, lower = middle - kHysteresis * states / 2;
    enum { Unknown, Low, High } state = v[0] >= upper ? High : v[0] <= lower ? Low : Unknown;
    double pending = 0;
    for (size_t i = 1; i < v.size(); ++i) {
        if (v[i - 1] < middle && v[i] >= middle)
            pending = crossing(v, i, middle, dt);
        else if (v[i - 1] > middle && v[i] <= middle)
            pending = crossing(v, i, middle, dt);
        if (v[i] >= upper && state != High) {
            if (state == Low)
                r.rising.push_back(pending);
            state = High;
        } else if (v[i] <= lower && state != Low) {
            if (state == High)
                r.falling.push_back(pending);
            state = Low;
        }
    }

    // Rise times: from the last rise through 10 % to the first reach of 90 % (of the range
    // between the states), on edges that start below 10 %.
    const double p10 = base + 0.1 * states, p90 = base + 0.9 * states;
    bool armed = v[0] <= p10;
    double start = 0;
    for (size_t i = 1; i < v.size(); ++i) {
        if (v[i] <= p10) {
            armed = true;
        } else if (armed) {
            if (v[i - 1] <= p10)
                start = crossing(v, i, p10, dt);
            if (v[i] >= p90) {
                r.riseTimes.push_back(crossing(v, i, p90, dt) - start);
                armed = false;
            }
        }
    }
    return r;
}

double mean(const std::vector<double>& values) {
    double sum = 0;
    for (double x : values)
        sum += x;
    return sum / double(values.size());
}

// The high times of the complete high pulses, and of the full periods among them.
struct Pulses {
    std::vector<double> highTimes;  // every rising edge followed by a falling one
    double highInPeriods = 0;       // high time within the full periods
};

Pulses pulses(const Analysis& a) {
    Pulses p;
    for (size_t k = 0; k < a.rising.size(); ++k) {
        const double rise = a.rising[k];
        const auto fall = std::upper_bound(a.falling.begin(), a.falling.end(), rise);
        if (fall == a.falling.end())
            break;
        p.highTimes.push_back(*fall - rise);
        if (k + 1 < a.rising.size())
            p.highInPeriods += *fall - rise;
    }
    return p;
}

}  // namespace

QString formatSi(double value, const QString& unit, int digits) {
    static const char* const prefixes[] = {"p", "n", "\u00b5", "m", "", "k", "M", "G"};
    const int lowest = -12, highest = 9;
    if (unit.size() > 1 && unit.startsWith('k'))  // "kV": the value in volts, prefixed afresh
        return formatSi(value * 1000, unit.mid(1), digits);
    if (!std::isfinite(value))
        return QCoreApplication::translate("scope::Measurement", "no signal");
    int exponent = 0;
    if (value != 0)
        exponent = std::clamp(int(std::floor(std::log10(std::abs(value)) / 3)) * 3, lowest, highest);
    for (;;) {
        const double scaled = value / std::pow(10.0, exponent);
        const int integerDigits = scaled != 0 ? std::max(1, int(std::floor(std::log10(std::abs(scaled)))) + 1) : 1;
        const int decimals = std::max(0, digits - integerDigits);
        const double step = std::pow(10.0, decimals);
        const double rounded = std::round(scaled * step) / step;
        // 999.96 rounds to 1000: shown as 1.000 with the next prefix.
        if (std::abs(rounded) >= 1000 && exponent < highest) {
            exponent += 3;
            continue;
        }
        return QLocale().toString(rounded == 0 ? 0.0 : rounded, 'f', decimals) + QLatin1Char(' ') +
               QString::fromUtf8(prefixes[(exponent - lowest) / 3]) + unit;
    }
}

namespace {
MeasuredValue fromAnalysis(const Analysis& analysed, Measurement m, const QString& unit, Polarity polarity);
}  // namespace

MeasuredValue measure(const Trace& t, Measurement m, const QString& unit, Polarity polarity) {
    return fromAnalysis(analyse(t), m, unit, polarity);
}

std::vector<MeasuredValue> measureAll(const Trace& t, const std::vector<Measurement>& ms, const QString& unit,
                                      Polarity polarity) {
    const Analysis a = analyse(t);
    std::vector<MeasuredValue> out;
    out.reserve(ms.size());
    for (Measurement m : ms) out.push_back(fromAnalysis(a, m, unit, polarity));
    return out;
}

namespace {
MeasuredValue fromAnalysis(const Analysis& analysed, Measurement m, const QString& unit, Polarity polarity) {
    const bool low = polarity == Polarity::Negative && (m == Measurement::DutyCycle || m == Measurement::PulseWidth);
    Analysis swapped;
    if (low) {
        // The low pulses: from each falling edge to the next rising one.
        swapped = analysed;
        std::swap(swapped.rising, swapped.falling);
    }
    const Analysis& a = low ? swapped : analysed;
    if (a.empty)
        return noSignal();
    switch (m) {
    case Measurement::Minimum:
        return valueOf(a.minimum, formatSi(a.minimum, unit));
    case Measurement::Maximum:
        return valueOf(a.maximum, formatSi(a.maximum, unit));
    case Measurement::PeakToPeak:
        return valueOf(a.maximum - a.minimum, formatSi(a.maximum - a.minimum, unit));
    case Measurement::Mean:
        return valueOf(a.mean, formatSi(a.mean, unit));
    case Measurement::Rms:
        return valueOf(a.rms, formatSi(a.rms, unit));
    default:
        break;
    }
    if (a.flat)
        return noSignal();
    const double period = a.rising.size() >= 2 ? (a.rising.back() - a.rising.front()) / double(a.rising.size() - 1) : 0;
    switch (m) {
    case Measurement::Frequency:
        if (!(period > 0))
            return noSignal();
        return valueOf(1 / period, formatSi(1 / period, QStringLiteral("Hz"), 4));
    case Measurement::Period:
        if (!(period > 0))
            return noSignal();
        return valueOf(period, formatSi(period, QStringLiteral("s")));
    case Measurement::DutyCycle: {
        if (!(period > 0))
            return noSignal();
        const double percent = 100 * pulses(a).highInPeriods / (a.rising.back() - a.rising.front());
        return valueOf(percent, QLocale().toString(percent, 'f', 1) + QStringLiteral(" %"));
    }
    case Measurement::PulseWidth: {
        const Pulses p = pulses(a);
        if (p.highTimes.empty())
            return noSignal();
        const double width = mean(p.highTimes);
        return valueOf(width, formatSi(width, QStringLiteral("s")));
    }
    case Measurement::RiseTime: {
        if (a.riseTimes.empty())
            return noSignal();
        const double rise = mean(a.riseTimes);
        return valueOf(rise, formatSi(rise, QStringLiteral("s")));
    }
    default:
        return noSignal();
    }
}

}  // namespace

namespace {
// The measurements' English names: the settings keep them, the screen shows them translated.
const char* const kMeasurementNames[] = {
    QT_TRANSLATE_NOOP("scope::Measurement", "Minimum"),     QT_TRANSLATE_NOOP("scope::Measurement", "Maximum"),
    QT_TRANSLATE_NOOP("scope::Measurement", "Peak to peak"), QT_TRANSLATE_NOOP("scope::Measurement", "Mean"),
    QT_TRANSLATE_NOOP("scope::Measurement", "RMS"),         QT_TRANSLATE_NOOP("scope::Measurement", "Frequency"),
    QT_TRANSLATE_NOOP("scope::Measurement", "Period"),      QT_TRANSLATE_NOOP("scope::Measurement", "Duty cycle"),
    QT_TRANSLATE_NOOP("scope::Measurement", "Pulse width"), QT_TRANSLATE_NOOP("scope::Measurement", "Rise time")};
}  // namespace

QString measurementKey(Measurement m) {
    const int i = int(m);
    return i >= 0 && i < int(std::size(kMeasurementNames)) ? QString::fromLatin1(kMeasurementNames[i]) : QString();
}

QString measurementName(Measurement m) {
    const int i = int(m);
    return i >= 0 && i < int(std::size(kMeasurementNames))
               ? QCoreApplication::translate("scope::Measurement", kMeasurementNames[i])
               : QString();
}

}  // namespace scope
