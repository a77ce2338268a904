#include "multiscope/mathchannels.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace scope {

namespace {

struct Texts { Q_DECLARE_TR_FUNCTIONS(scope::MathChannel) };

constexpr double kHysteresis = 0.10;  // share of the range
constexpr int kPitchesPerTurn = 60;
constexpr std::size_t kNeighbours = 4;  // intervals either side that set the typical one

MathResult invalid(const QString& reason) {
    MathResult r;
    r.reason = reason;
    return r;
}

// Frames that start together and have the same spacing: a channel whose sample falls within a
// hundredth of a spacing of the other's is taken as the same instant.
bool sameTiming(const Frame& a, const Frame& b) {
    if (a.values.size() != b.values.size()) return false;
    const double tolerance = 0.01 * std::max(std::abs(a.dt), std::abs(b.dt));
    return std::abs(a.dt - b.dt) <= tolerance / std::max<std::size_t>(1, a.values.size()) &&
           std::abs(a.start - b.start) <= tolerance;
}

void keepSamplesAsPeaks(Frame& f) {
    f.lows = f.values;
    f.highs = f.values;
}

}  // namespace

namespace {
// The names' English forms: a file keeps them, the screen shows them translated.
const char* mathNameSource(MathOperation op) {
    switch (op) {
    case MathOperation::Difference: return QT_TRANSLATE_NOOP("scope::MathChannel", "%1 − %2");
    case MathOperation::Sum: return QT_TRANSLATE_NOOP("scope::MathChannel", "%1 + %2");
    case MathOperation::Product: return QT_TRANSLATE_NOOP("scope::MathChannel", "%1 × %2");
    case MathOperation::EngineSpeed: return QT_TRANSLATE_NOOP("scope::MathChannel", "Engine speed (%1)");
    }
    return "";
}
QString named(const QString& pattern, MathOperation op, const QString& first, const QString& second) {
    return op == MathOperation::EngineSpeed ? pattern.arg(first) : pattern.arg(first, second);
}
}  // namespace

QString mathName(MathOperation op, const QString& first, const QString& second) {
    return named(Texts::tr(mathNameSource(op)), op, first, second);
}

QString mathFileName(MathOperation op, const QString& first, const QString& second) {
    return named(QString::fromUtf8(mathNameSource(op)), op, first, second);
}

MathResult mathChannel(MathOperation op, const Frame& a, const QString& unitA, const Frame& b, const QString& unitB) {
    if (op == MathOperation::EngineSpeed) return engineSpeed(a, unitA);
    if (a.values.empty() || b.values.empty()) return invalid(Texts::tr("Both channels need a signal."));
    if (!sameTiming(a, b)) return invalid(Texts::tr("The two channels' frames are not taken at the same instants."));
    MathResult r;
    if (op == MathOperation::Product) {
        r.unit = unitA + QStringLiteral("·") + unitB;
    } else {
        if (unitA != unitB)
            return invalid(Texts::tr("Both channels must read the same unit (here %1 and %2).").arg(unitA, unitB));
        r.unit = unitA;
    }
    r.frame.start = a.start;
    r.frame.dt = a.dt;
    r.frame.triggered = a.triggered;
    r.frame.values.resize(a.values.size());
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        const double x = a.values[i], y = b.values[i];
        r.frame.values[i] = op == MathOperation::Difference ? x - y : op == MathOperation::Sum ? x + y : x * y;
    }
    keepSamplesAsPeaks(r.frame);
    r.valid = true;
    return r;
}

MathResult engineSpeed(const Frame& crank, const QString& unit) {
    const std::vector<double>& v = crank.values;
    const QString noTeeth = Texts::tr("No crank teeth on the screen: the speed needs at least two of them.");
    if (v.size() < 2 || !(crank.dt > 0)) return invalid(noTeeth);
    if (unit != QLatin1String("V")) return invalid(Texts::tr("The engine speed needs a crank sensor's voltage."));
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    const double range = *hi - *lo;
    if (!(range > 1e-9 * std::max(std::abs(*hi), std::abs(*lo))) || !std::isfinite(range)) return invalid(noTeeth);
    const double middle = (*lo + *hi) / 2, band = kHysteresis * range / 2;

    // The rising crossings of the middle, in samples from the first, interpolated.
    std::vector<double> rising;
    bool armed = v[0] < middle - band;
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (v[i] < middle - band) armed = true;
        if (armed && v[i - 1] < middle && v[i] >= middle) {
            rising.push_back(double(i - 1) + (middle - v[i - 1]) / (v[i] - v[i - 1]));
            armed = false;
        }
    }
    if (rising.size() < 2) return invalid(noTeeth);

    // Each interval's tooth pitches, against the typical interval of the teeth around it (so
    // that the engine's speeding up over the screen does not change the count).
    const std::size_t m = rising.size() - 1;
    std::vector<double> intervals(m), pitches(m);
    for (std::size_t k = 0; k < m; ++k) intervals[k] = rising[k + 1] - rising[k];
    for (std::size_t k = 0; k < m; ++k) {
        std::vector<double> near;
        for (std::size_t j = k >= kNeighbours ? k - kNeighbours : 0; j < std::min(m, k + kNeighbours + 1); ++j)
            if (j != k) near.push_back(intervals[j]);
        double typical = intervals[k];
        if (!near.empty()) {
            std::nth_element(near.begin(), near.begin() + near.size() / 2, near.end());
            typical = near[near.size() / 2];
        }
        pitches[k] = std::max(1.0, std::round(intervals[k] / typical));
    }

    // The speed over each interval: over it and the whole intervals around it that make a
    // division's time at least (or the whole frame's, when shorter).
    const double span = double(kFramePoints - 1) / kDivisionsX;
    std::vector<double> speeds(m);
    for (std::size_t k = 0; k < m; ++k) {
        std::size_t l = k, r = k;
        double n = pitches[k];
        while (rising[r + 1] - rising[l] < span) {
            const bool left = l > 0, right = r + 1 < m;
            if (!left && !right) break;
            if (left && (!right || rising[k] - rising[l] <= rising[r + 1] - rising[k + 1])) n += pitches[--l];
            else n += pitches[++r];
        }
        speeds[k] = n / ((rising[r + 1] - rising[l]) * crank.dt) * 60 / kPitchesPerTurn;
    }
    double allPitches = 0;
    for (double n : pitches) allPitches += n;

    MathResult r;
    r.unit = QStringLiteral("rev/min");
    r.frame.start = crank.start;
    r.frame.dt = crank.dt;
    r.frame.triggered = crank.triggered;
    r.frame.values.resize(v.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        while (k + 1 < speeds.size() && double(i) >= rising[k + 1]) ++k;
        r.frame.values[i] = speeds[k];
    }
    keepSamplesAsPeaks(r.frame);
    r.mean = allPitches / ((rising.back() - rising.front()) * crank.dt) * 60 / kPitchesPerTurn;
    r.valid = true;
    return r;
}

}  // namespace scope
