#include "multiscope/storedwaveforms.h"

#include "multiscope/capture.h"
#include "sim/signals.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace stored {

std::optional<Screen> screenOfText(const QString& text) {
    static const QRegularExpression sentence(
        QStringLiteral("Scope at ([0-9]+(?:\\.[0-9]+)?) (V|A|bar|kV) per division, ([0-9]+(?:\\.[0-9]+)?) (ms|s) per "
                       "division; zero [a-z ]*is the (centre line|lowest grid line)"));
    const QRegularExpressionMatch m = sentence.match(text);
    if (!m.hasMatch()) return std::nullopt;
    Screen s;
    s.perDivision = m.captured(1).toDouble();
    s.unit = m.captured(2);
    s.secondsPerDivision = m.captured(3).toDouble() * (m.captured(4) == QLatin1String("ms") ? 1e-3 : 1);
    s.zeroAtCentre = m.captured(5) == QLatin1String("centre line");
    if (!(s.perDivision > 0) || !(s.secondsPerDivision > 0)) return std::nullopt;
    return s;
}

QString differenceNote(const QString& text) {
    static const QRegularExpression paragraph(QStringLiteral("(?:^|\\n)(Stored trace:[^\\n]*)"));
    const QRegularExpressionMatch m = paragraph.match(text);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

namespace {
// Divisions from the zero line up to the screen's centre line.
double zeroBelowCentre(const Screen& s) { return s.zeroAtCentre ? 0 : 2; }
}  // namespace

scope::Trace traceOfSamples(const std::vector<double>& samples, const Screen& screen) {
    scope::Trace t;
    t.sampleSeconds = screen.sampleSeconds();
    for (const double s : samples)
        t.values.push_back((s / scope::kSampleUnitsPerDivision + zeroBelowCentre(screen)) * screen.perDivision);
    return t;
}

QStringList recording(sim::PointId point, const SimState& state, const Screen& screen, const scope::Trigger& trigger) {
    sim::SignalInputs in;
    in.state = &state;
    const sim::ProbePoint probe = sim::probeOn(point);
    const scope::Sampler signal = sim::signalOf(probe, in);
    const sim::SignalShape shape = sim::signalShape(probe, in);

    // Ten fine points to each of the 50 samples, so that a narrow spike between them is seen.
    constexpr int kFine = 10;
    const double span = kDivisions * screen.secondsPerDivision;
    const double fine = span / (kSamples * kFine);
    double start = 1.0;
    if (trigger.mode == scope::TriggerMode::Normal || trigger.mode == scope::TriggerMode::Single) {
        // The first edge a whole screen after the start, so that the sweep before it is signal too.
        const double from = 1.0 + span, to = from + std::max(2 * span, 1.0);
        std::optional<double> edge;
        for (double a = from; a < to && !edge; a += span) {
            std::optional<double> found =
                scope::latestCrossing(signal, a, a + span, fine, trigger.level, trigger.edge, &shape);
            if (found) edge = found;
        }
        if (edge) start = *edge - trigger.position * span;
    }
    const scope::Frame f = scope::sampleFrame(signal, start, fine, kSamples * kFine, true, &shape);

    const double threshold = 0.25 * screen.perDivision;
    QStringList records{sim::meterText(probe, in)};
    for (int i = 0; i < kSamples; ++i) {
        const std::size_t k = std::size_t(i * kFine);
        double v = f.values[k];
        // The samples either side: a peak between the fine points that none of the three reaches
        // is a narrow spike, recorded on this sample.
        const double before = i > 0 ? f.values[k - kFine] : v, after = i + 1 < kSamples ? f.values[k + kFine] : v;
        double high = v, low = v;
        for (std::size_t j = k >= std::size_t(kFine / 2) ? k - kFine / 2 : 0; j < std::min(f.values.size(), k + kFine / 2);
             ++j) {
            high = std::max(high, f.highs[j]);
            low = std::min(low, f.lows[j]);
        }
        const double top = std::max({v, before, after}), bottom = std::min({v, before, after});
        if (high - top > threshold && high - top >= bottom - low) v = high;
        else if (bottom - low > threshold) v = low;
        const double units = (v / screen.perDivision - zeroBelowCentre(screen)) * scope::kSampleUnitsPerDivision;
        const long whole = std::lround(std::clamp(units, -99.0, 99.0));
        records << QString::number(whole);
    }
    return records;
}

}  // namespace stored
