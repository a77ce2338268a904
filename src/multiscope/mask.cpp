#include "multiscope/mask.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace scope {

namespace {

// A negative or undefined tolerance is none.
double tolerance(double value) { return value > 0 ? value : 0.0; }

}  // namespace

Mask Mask::fromReference(const Frame& reference, MaskTolerance tol) {
    Mask m;
    const int n = int(reference.values.size());
    if (n == 0 || !std::isfinite(reference.dt) || reference.dt <= 0) return m;
    const double seconds = tolerance(tol.seconds), level = tolerance(tol.level);
    const bool peaks = int(reference.lows.size()) == n && int(reference.highs.size()) == n;

    // The reference's own extent at each point: its sample and the peaks around it.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> lo(std::size_t(n), nan), hi(std::size_t(n), nan);
    for (int i = 0; i < n; ++i) {
        double a = reference.values[std::size_t(i)], b = a;
        if (peaks) {
            for (double p : {reference.lows[std::size_t(i)], reference.highs[std::size_t(i)]}) {
                if (!std::isfinite(p)) continue;
                a = std::isfinite(a) ? std::min(a, p) : p;
                b = std::isfinite(b) ? std::max(b, p) : p;
            }
        }
        if (std::isfinite(a)) lo[std::size_t(i)] = a, hi[std::size_t(i)] = b;
    }

    // The points within the time tolerance either side (a hair's allowance for the division).
    const double reach = std::floor(seconds / reference.dt + 1e-6);
    const int w = reach >= n ? n : int(reach);
    m.dt_ = reference.dt;
    m.upper_.assign(std::size_t(n), nan);
    m.lower_.assign(std::size_t(n), nan);
    for (int i = 0; i < n; ++i) {
        double a = nan, b = nan;
        for (int j = std::max(0, i - w), last = std::min(n - 1, i + w); j <= last; ++j) {
            if (std::isnan(lo[std::size_t(j)])) continue;
            a = std::isnan(a) ? lo[std::size_t(j)] : std::min(a, lo[std::size_t(j)]);
            b = std::isnan(b) ? hi[std::size_t(j)] : std::max(b, hi[std::size_t(j)]);
        }
        if (std::isnan(a)) continue;  // nothing to judge by: every sample here fails
        m.lower_[std::size_t(i)] = a - level;
        m.upper_[std::size_t(i)] = b + level;
    }
    return m;
}

bool Mask::comparable(const Frame& frame) const {
    return !empty() && frame.values.size() == upper_.size() && std::isfinite(frame.dt) &&
           std::abs(frame.dt - dt_) <= kTimingTolerance * dt_;
}

bool Mask::failuresInto(const Frame& frame, std::vector<int>& out) const {
    out.clear();
    if (empty()) return false;
    const int n = int(frame.values.size());
    if (!comparable(frame)) {
        for (int i = 0; i < n; ++i) out.push_back(i);
        return false;
    }
    const bool peaks = int(frame.lows.size()) == n && int(frame.highs.size()) == n;
    const double* v = frame.values.data();
    const double* up = upper_.data();
    const double* down = lower_.data();
    for (int i = 0; i < n; ++i) {
        // Written so that a NaN, in the frame or in the band, fails.
        bool inside = v[i] >= down[i] && v[i] <= up[i];
        if (inside && peaks) inside = frame.lows[std::size_t(i)] >= down[i] && frame.highs[std::size_t(i)] <= up[i];
        if (!inside) out.push_back(i);
    }
    return true;
}

std::vector<int> Mask::failures(const Frame& frame) const {
    std::vector<int> out;
    failuresInto(frame, out);
    return out;
}

QString verdictText(Verdict v) {
    switch (v) {
    case Verdict::Pass: return QCoreApplication::translate("scope::Verdict", "Pass");
    case Verdict::Fail: return QCoreApplication::translate("scope::Verdict", "Fail");
    case Verdict::NotMeasured: break;
    }
    return QCoreApplication::translate("scope::Verdict", "Not yet measured");
}

MaskJudge::MaskJudge(std::vector<Mask> masks, int required)
    : masks_(std::move(masks)), required_(std::max(1, required)), lastFailures_(masks_.size()) {}

bool MaskJudge::judges() const {
    return std::any_of(masks_.begin(), masks_.end(), [](const Mask& m) { return !m.empty(); });
}

bool MaskJudge::add(const std::vector<Frame>& frames) {
    if (!judges()) return false;
    static const Frame none;
    bool passed = true;
    std::vector<int> counts(masks_.size(), 0);
    for (std::size_t c = 0; c < masks_.size(); ++c) {
        std::vector<int>& fails = lastFailures_[c];
        fails.clear();
        if (masks_[c].empty()) continue;
        const Frame& frame = c < frames.size() ? frames[c] : none;
        if (frame.values.empty()) {  // the channel shows nothing
            counts[c] = -1;
            passed = false;
            continue;
        }
        if (!masks_[c].failuresInto(frame, fails)) timingDiffered_ = true;
        counts[c] = int(fails.size());
        if (!fails.empty()) passed = false;
    }
    ++captures_;
    if (!passed) {
        ++failed_;
        lastFailingCounts_ = std::move(counts);
    }
    return passed;
}

void MaskJudge::reset() {
    captures_ = failed_ = 0;
    timingDiffered_ = false;
    for (auto& f : lastFailures_) f.clear();
    lastFailingCounts_.clear();
}

Verdict MaskJudge::verdict() const {
    if (captures_ < required_) return Verdict::NotMeasured;
    return failed_ > 0 ? Verdict::Fail : Verdict::Pass;
}

QString MaskJudge::reason() const {
    if (!judges())
        return QCoreApplication::translate("scope::MaskJudge",
                                           "The test has no reference trace: the captures cannot be judged");
    if (timingDiffered_)
        return QCoreApplication::translate("scope::MaskJudge",
                                           "The time base is not the test's: the captures cannot be compared");
    if (captures_ == 0)
        return QCoreApplication::translate("scope::MaskJudge", "No capture yet: the test needs %1 triggered captures")
            .arg(required_);
    if (captures_ < required_)
        return QCoreApplication::translate("scope::MaskJudge", "%1 of %2 captures judged: the test needs %3 more")
            .arg(captures_)
            .arg(required_)
            .arg(required_ - captures_);
    if (failed_ == 0)
        return QCoreApplication::translate("scope::MaskJudge", "%1 of %2 captures inside the mask")
            .arg(captures_)
            .arg(captures_);
    QStringList where;
    for (std::size_t c = 0; c < lastFailingCounts_.size(); ++c) {
        const int count = lastFailingCounts_[c];
        if (count == 0) continue;
        const QString channel = QString(QChar(char16_t(u'A' + c)));
        if (count < 0)
            where << QCoreApplication::translate("scope::MaskJudge", "channel %1, no trace").arg(channel);
        else if (count == 1)
            where << QCoreApplication::translate("scope::MaskJudge", "channel %1, 1 sample").arg(channel);
        else
            where << QCoreApplication::translate("scope::MaskJudge", "channel %1, %2 samples").arg(channel).arg(count);
    }
    return QCoreApplication::translate("scope::MaskJudge", "%1 of %2 captures left the mask (%3)")
        .arg(failed_)
        .arg(captures_)
        .arg(where.join(QStringLiteral("; ")));
}

}  // namespace scope
