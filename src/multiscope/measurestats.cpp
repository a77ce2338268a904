#include "multiscope/measurestats.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace scope {

void MeasureStats::add(const MeasuredValue& value) {
    if (!value.valid || !std::isfinite(value.value)) {
        current_.reset();
        return;
    }
    const double x = value.value;
    current_ = x;
    ++count_;
    if (count_ == 1) {
        minimum_ = maximum_ = mean_ = x;
        squares_ = 0;
        return;
    }
    minimum_ = std::min(minimum_, x);
    maximum_ = std::max(maximum_, x);
    const double delta = x - mean_;
    mean_ += delta / count_;
    squares_ += delta * (x - mean_);
}

void MeasureStats::reset() { *this = MeasureStats(); }

Statistics MeasureStats::statistics() const {
    Statistics s;
    s.current = current_;
    s.count = count_;
    if (count_ > 0) {
        s.minimum = minimum_;
        s.maximum = maximum_;
        s.mean = mean_;
        s.deviation = std::sqrt(std::max(0.0, squares_ / count_));
    }
    return s;
}

QString noValueText() { return QCoreApplication::translate("scope::Statistics", "no value"); }

namespace {

// A figure as the measurement itself shows its value.
QString figure(double v, Measurement m, const QString& unit) {
    switch (m) {
    case Measurement::Frequency: return formatSi(v, QStringLiteral("Hz"), 4);
    case Measurement::Period:
    case Measurement::PulseWidth:
    case Measurement::RiseTime: return formatSi(v, QStringLiteral("s"));
    case Measurement::DutyCycle: return QLocale().toString(v, 'f', 1) + QStringLiteral(" %");
    default: return formatSi(v, unit);
    }
}

}  // namespace

QString statisticsText(const Statistics& s, Measurement m, const QString& unit) {
    if (!s.hasValues()) return noValueText();
    // A spread below the figures' own resolution (a ten-thousandth of the values) is rounding in
    // the measuring, not the signal's: none.
    const double size = std::max({std::abs(s.mean), std::abs(s.minimum), std::abs(s.maximum)});
    const double deviation = s.deviation < size * 1e-4 ? 0.0 : s.deviation;
    return QCoreApplication::translate("scope::Statistics", "current %1, min %2, max %3, mean %4, \u03c3 %5, n %6")
        .arg(s.current ? figure(*s.current, m, unit) : noValueText(), figure(s.minimum, m, unit),
             figure(s.maximum, m, unit), figure(s.mean, m, unit), figure(deviation, m, unit))
        .arg(s.count);
}

Statistics StatisticsTable::statistics(int channel, Measurement m) const {
    const auto it = stats_.find({channel, m});
    return it == stats_.end() ? Statistics() : it->second.statistics();
}

}  // namespace scope
