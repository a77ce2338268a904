// Statistics of the automatic measurements over many captures, as a workshop scope shows them
// beside each value: the current value, the minimum, maximum, mean and standard deviation, and
// how many captures gave a value, since the settings last changed.
//
// Each capture adds its measured value; a capture in which the measurement had no value ("no
// signal") leaves the statistics as they were but makes the current value none. The standard
// deviation is that of the values themselves (divided by their count, not by one less): one
// value has none of spread, 0. A reset (the settings changed) starts over from no values.
// Until a value has come, every figure reads "no value".
#pragma once

#include "multiscope/measurements.h"

#include <QString>

#include <map>
#include <optional>
#include <utility>

namespace scope {

struct Statistics {
    std::optional<double> current;  // the last capture's value; none when it had none
    double minimum = 0, maximum = 0, mean = 0, deviation = 0;  // meaningful while count > 0
    int count = 0;                  // captures that gave a value
    bool hasValues() const { return count > 0; }
};

// One measurement's statistics.
class MeasureStats {
public:
    void add(const MeasuredValue& value);
    void reset();
    Statistics statistics() const;

private:
    std::optional<double> current_;
    int count_ = 0;
    double minimum_ = 0, maximum_ = 0;
    // Running mean and sum of squared differences from it (Welford), steady over many values.
    double mean_ = 0, squares_ = 0;
};

// "no value" for a measurement that has none.
QString noValueText();
// The figures as shown, in the measurement's unit with three significant digits:
// "current 12.4 V, min 12.1 V, max 12.6 V, mean 12.4 V, σ 150 mV, n 100"; without values
// "no value". The duty cycle's figures are in percent.
QString statisticsText(const Statistics& s, Measurement m, const QString& unit);

// The statistics of every measurement of every channel, kept by channel index and measurement.
class StatisticsTable {
public:
    void add(int channel, Measurement m, const MeasuredValue& value) { stats_[{channel, m}].add(value); }
    // The settings changed: every measurement starts over.
    void reset() { stats_.clear(); }
    // A measurement never added reads as one without values.
    Statistics statistics(int channel, Measurement m) const;

private:
    std::map<std::pair<int, Measurement>, MeasureStats> stats_;
};

}  // namespace scope
