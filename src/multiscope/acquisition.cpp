#include "multiscope/acquisition.h"

#include "multiscope/measurements.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace scope {

const std::vector<double>& timeRanges() {
    static const std::vector<double> ranges = {1e-4, 2e-4, 5e-4, 1e-3, 2e-3, 5e-3, 1e-2,
                                               2e-2, 5e-2, 0.1,  0.2,  0.5,  1.0};
    return ranges;
}

const std::vector<double>& levelRanges() {
    static const std::vector<double> ranges = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1,  2,
                                               5,    10,   20,   50,  100, 200};
    return ranges;
}

QString perDivisionText(double value, const QString& unit) {
    // Ranges are round numbers: "2.00 V" reads "2 V".
    const QString text = formatSi(value, unit, 3);
    const int space = text.indexOf(' ');
    QString number = text.left(space);
    const QString point = QLocale().decimalPoint();
    if (number.contains(point)) {
        while (number.endsWith('0')) number.chop(1);
        if (number.endsWith(point)) number.chop(point.size());
    }
    return number + text.mid(space) + QStringLiteral("/div");
}

// The English names: the settings, capture files and transcripts keep them.
QString triggerModeName(TriggerMode mode) {
    switch (mode) {
    case TriggerMode::Roll: return QStringLiteral("Roll");
    case TriggerMode::Auto: return QStringLiteral("Auto");
    case TriggerMode::Normal: return QStringLiteral("Normal");
    case TriggerMode::Single: return QStringLiteral("Single");
    }
    return QString();
}

QString triggerModeText(TriggerMode mode) {
    switch (mode) {
    case TriggerMode::Roll: return QCoreApplication::translate("scope::Trigger", "Roll");
    case TriggerMode::Auto: return QCoreApplication::translate("scope::Trigger", "Auto");
    case TriggerMode::Normal: return QCoreApplication::translate("scope::Trigger", "Normal");
    case TriggerMode::Single: return QCoreApplication::translate("scope::Trigger", "Single");
    }
    return QString();
}

QString edgeName(Edge edge) { return edge == Edge::Rising ? QStringLiteral("Rising") : QStringLiteral("Falling"); }

QString edgeText(Edge edge) {
    return edge == Edge::Rising ? QCoreApplication::translate("scope::Trigger", "Rising")
                                : QCoreApplication::translate("scope::Trigger", "Falling");
}

QString statusName(Status status) {
    switch (status) {
    case Status::Triggered: return QStringLiteral("Triggered");
    case Status::FreeRunning: return QStringLiteral("Auto (no trigger)");
    case Status::Waiting: return QStringLiteral("Waiting for trigger");
    case Status::Stopped: return QStringLiteral("Stopped");
    case Status::Rolling: return QStringLiteral("Rolling");
    }
    return QString();
}

QString statusText(Status status) {
    switch (status) {
    case Status::Triggered: return QCoreApplication::translate("scope::Trigger", "Triggered");
    case Status::FreeRunning: return QCoreApplication::translate("scope::Trigger", "Auto (no trigger)");
    case Status::Waiting: return QCoreApplication::translate("scope::Trigger", "Waiting for trigger");
    case Status::Stopped: return QCoreApplication::translate("scope::Trigger", "Stopped");
    case Status::Rolling: return QCoreApplication::translate("scope::Trigger", "Rolling");
    }
    return QString();
}

namespace {
bool crosses(double before, double after, double level, Edge edge) {
    return edge == Edge::Rising ? (before < level && after >= level) : (before > level && after <= level);
}
}  // namespace

namespace {
// The instants of the shape's features in (a, b], in order, with their extremes.
void featuresIn(const sim::SignalShape* shape, double a, double b, std::vector<std::pair<double, double>>& out) {
    out.clear();
    if (!shape || !(shape->period > 0) || shape->features.empty() || !(b > a)) return;
    const double period = shape->period;
    const auto& f = shape->features;
    for (double n = std::floor(a / period); n * period <= b; n += 1) {
        const double base = n * period;
        auto it = std::upper_bound(f.begin(), f.end(), a - base,
                                   [](double t, const sim::SignalFeature& x) { return t < x.time; });
        for (; it != f.end() && base + it->time <= b; ++it)
            if (base + it->time > a) out.emplace_back(base + it->time, it->extreme);
    }
}
}  // namespace

// The peaks of the frame's points from `from` on (and of the one before, whose span reaches the
// new sample): the samples' own, and the narrow features of `shape` that lie in each span.
void peaksOf(Frame& f, std::size_t from, const sim::SignalShape* shape);

std::optional<double> latestCrossing(const Sampler& signal, double from, double to, double step, double level,
                                     Edge edge, const sim::SignalShape* shape) {
    if (!(step > 0) || !(to > from)) return std::nullopt;
    std::vector<std::pair<double, double>> between;
    double later = to, laterValue = signal(to);
    while (later > from) {
        const double earlier = std::max(from, later - step);
        const double earlierValue = signal(earlier);
        // The samples and the narrow features between them, latest pair first.
        featuresIn(shape, earlier, later, between);
        double b = later, vb = laterValue;
        for (std::size_t i = between.size() + 1; i-- > 0;) {
            const double a = i > 0 ? between[i - 1].first : earlier;
            double va = i > 0 ? between[i - 1].second : earlierValue;
            if (crosses(va, vb, level, edge)) {
                // Narrow it down: the crossing stays between a and b.
                double lo = a, hi = b;
                for (int k = 0; k < 60 && hi - lo > step * 1e-7; ++k) {
                    const double m = (lo + hi) / 2, vm = signal(m);
                    if (crosses(va, vm, level, edge)) {
                        hi = m;
                    } else {
                        lo = m;
                        va = vm;
                    }
                }
                return hi;
            }
            b = a;
            vb = va;
        }
        later = earlier;
        laterValue = earlierValue;
    }
    return std::nullopt;
}

void Acquisition::reset() {
    frame_ = Frame();
    lastSweep_ = Frame();
    status_ = Status::Waiting;
    searched_ = false;
    lastTrigger_.reset();
    rolling_ = false;
}

double Acquisition::rollShare() const {
    if (!rolling_) return 1;
    return std::clamp(double(frame_.values.size()) / kFramePoints, 0.0, 1.0);
}

void Acquisition::take(const Sampler& signal, double start, double dt, int count, bool triggered) {
    frame_.values.resize(std::size_t(count));
    for (int k = 0; k < count; ++k) frame_.values[std::size_t(k)] = signal(start + k * dt);
    frame_.start = start;
    frame_.dt = dt;
    frame_.triggered = triggered;
    peaks(0);
}

void Acquisition::peaks(std::size_t from) { peaksOf(frame_, from, shape_); }

Frame sampleFrame(const Sampler& signal, double start, double dt, int count, bool triggered,
                  const sim::SignalShape* shape) {
    Frame f;
    f.values.resize(std::size_t(std::max(0, count)));
    for (std::size_t k = 0; k < f.values.size(); ++k) f.values[k] = signal(start + double(k) * dt);
    f.start = start;
    f.dt = dt;
    f.triggered = triggered;
    peaksOf(f, 0, shape);
    return f;
}

void peaksOf(Frame& f, std::size_t from, const sim::SignalShape* shape) {
    const std::size_t n = f.values.size();
    f.lows.resize(n);
    f.highs.resize(n);
    if (n == 0) return;
    from = from > 0 ? from - 1 : 0;
    // The samples: each point's span reaches halfway to its neighbours.
    for (std::size_t k = from; k < n; ++k) {
        const double v = f.values[k];
        double lo = v, hi = v;
        if (k > 0) {
            const double edge = (v + f.values[k - 1]) / 2;
            lo = std::min(lo, edge);
            hi = std::max(hi, edge);
        }
        if (k + 1 < n) {
            const double edge = (v + f.values[k + 1]) / 2;
            lo = std::min(lo, edge);
            hi = std::max(hi, edge);
        }
        f.lows[k] = lo;
        f.highs[k] = hi;
    }
    if (!shape || !(shape->period > 0) || !(f.dt > 0)) return;
    if (f.dt >= shape->period) {
        // Each point covers a whole period or more: all of its range.
        for (std::size_t k = from; k < n; ++k) {
            f.lows[k] = std::min(f.lows[k], shape->lowest);
            f.highs[k] = std::max(f.highs[k], shape->highest);
        }
        return;
    }
    // The narrow features, each on the point whose span holds it.
    const double a = f.start + (double(from) - 0.5) * f.dt;
    const double b = f.start + (double(n) - 0.5) * f.dt;
    std::vector<std::pair<double, double>> features;
    featuresIn(shape, a, b, features);
    for (const auto& [t, extreme] : features) {
        const auto k = std::size_t(std::clamp((t - a) / f.dt, 0.0, double(n - from) - 1)) + from;
        f.lows[k] = std::min(f.lows[k], extreme);
        f.highs[k] = std::max(f.highs[k], extreme);
    }
}

bool Acquisition::roll(const Sampler& signal, double now, double span,
                       const std::function<double(double)>& rollStart) {
    const double dt = span / (kFramePoints - 1);
    const bool realTime = span >= kRollSweepSeconds;
    if (!rolling_ || now - rollBegin_ >= rollSeconds_ || now < rollBegin_) {
        // The sweep before, finished to the right edge, is kept for its measurements.
        if (rolling_ && !frame_.values.empty()) {
            const std::size_t had = frame_.values.size();
            for (std::size_t k = had; k < std::size_t(kFramePoints); ++k)
                frame_.values.push_back(signal(rollFrom_ + double(k) * frame_.dt));
            peaks(had);
            lastSweep_ = frame_;
        }
        // A new sweep: the screen clears and the pen starts at the left edge.
        rolling_ = true;
        rollBegin_ = now;
        rollSeconds_ = realTime ? span : kRollSweepSeconds;
        rollFrom_ = realTime || !rollStart ? now : rollStart(now);
        frame_.values.clear();
        frame_.lows.clear();
        frame_.highs.clear();
    }
    const double share = std::clamp((now - rollBegin_) / rollSeconds_, 0.0, 1.0);
    const int count = std::clamp(int(std::floor(share * (kFramePoints - 1))) + 1, 1, kFramePoints);
    if (count == int(frame_.values.size())) return false;
    const std::size_t had = frame_.values.size();
    frame_.values.resize(std::size_t(count));
    for (std::size_t k = had; k < std::size_t(count); ++k) frame_.values[k] = signal(rollFrom_ + double(k) * dt);
    frame_.start = rollFrom_;
    frame_.dt = dt;
    frame_.triggered = false;
    peaks(had);
    return true;
}

bool Acquisition::update(const Sampler& signal, double now, double secondsPerDivision, const Trigger& trigger,
                         const std::function<double(double)>& rollStart, const sim::SignalShape* shape) {
    struct Using {  // the shape serves this update only
        const sim::SignalShape*& held;
        ~Using() { held = nullptr; }
    } using_{shape_};
    shape_ = shape;
    const double span = kDivisionsX * secondsPerDivision;
    const double dt = span / (kFramePoints - 1);
    if (trigger.mode == TriggerMode::Roll) {
        status_ = Status::Rolling;
        return roll(signal, now, span, rollStart);
    }
    if (rolling_) {
        rolling_ = false;
        frame_ = Frame();
    }
    if (trigger.mode == TriggerMode::Single && status_ == Status::Stopped) return false;

    // The trigger point must leave room for the rest of the screen after it.
    const double position = std::clamp(trigger.position, 0.0, 1.0);
    const double after = (1 - position) * span;
    const double latest = now - after;
    // The signal since the last look (a second at most): the newest part at the screen's own
    // resolution, the older part in coarser steps, so that a look costs the same however long
    // the trigger has been waiting.
    const double from = std::max(searched_ ? searchedTo_ : latest - span, latest - kMaxLookBack);
    searched_ = true;
    searchedTo_ = std::max(searchedTo_, latest);
    const double fineFrom = std::max(from, latest - kSearchSteps * dt);
    std::optional<double> t = latestCrossing(signal, fineFrom, latest, dt, trigger.level, trigger.edge, shape);
    if (!t && fineFrom > from)
        t = latestCrossing(signal, from, fineFrom, std::max(dt, (fineFrom - from) / kSearchSteps), trigger.level,
                           trigger.edge, shape);
    if (t) {
        take(signal, *t - position * span, dt, kFramePoints, true);
        lastTrigger_ = now;
        status_ = trigger.mode == TriggerMode::Single ? Status::Stopped : Status::Triggered;
        return true;
    }
    if (trigger.mode == TriggerMode::Auto && (!lastTrigger_ || now - *lastTrigger_ >= kAutoTimeout)) {
        take(signal, now - span, dt, kFramePoints, false);
        status_ = Status::FreeRunning;
        return true;
    }
    if (trigger.mode != TriggerMode::Auto) status_ = Status::Waiting;
    return false;
}

}  // namespace scope
