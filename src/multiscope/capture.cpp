#include "multiscope/capture.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cmath>

namespace scope {

QStringList captureRecords(const std::vector<double>& values, double perDivision, const QString& meter) {
    QStringList records{meter};
    for (int i = 0; i < kFileSamples; ++i) {
        double units = 0;
        if (!values.empty() && perDivision > 0) {
            const std::size_t k = std::min(values.size() - 1, std::size_t(std::lround(double(i) * double(values.size() - 1) /
                                                                                         (kFileSamples - 1))));
            units = std::clamp(values[k] / perDivision * kSampleUnitsPerDivision, -99.0, 99.0);
        }
        const double tenths = std::round(units * 10) / 10;
        records << QString::number(tenths == 0 ? 0.0 : tenths, 'g', 4);
    }
    return records;
}

std::vector<double> levelsOfRecords(const QStringList& samples, double perDivision) {
    std::vector<double> levels;
    for (const QString& s : samples) {
        bool ok = false;
        const double units = vb::val(s, &ok);
        levels.push_back(ok ? units / kSampleUnitsPerDivision * perDivision : std::nan(""));
    }
    return levels;
}


namespace {
// A heading as a CSV field: quoted, its quotes doubled, when it holds a comma or a quote.
QString csvField(QString text) {
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r')) return text;
    return '"' + text.replace('"', QStringLiteral("\"\"")).replace('\r', ' ').replace('\n', ' ') + '"';
}
}  // namespace

QByteArray captureCsvColumns(const std::vector<CsvColumn>& columns) {
    if (columns.empty()) return QByteArray("Time (s)\r\n");
    QString heading = QStringLiteral("Time (s)");
    for (const CsvColumn& c : columns) heading += ',' + csvField(c.name + " (" + c.unit + ")");
    QByteArray out = heading.toUtf8() + "\r\n";
    const CsvColumn& first = columns.front();
    for (std::size_t k = 0; k < first.values.size(); ++k) {
        const double t = double(k) * first.dt;
        out += QByteArray::number(t, 'g', 8);
        for (const CsvColumn& c : columns) {
            out += ',';
            double v = NAN;
            if (&c == &first) {
                v = c.values[k];
            } else if (!c.values.empty() && c.dt > 0) {
                const double at = t / c.dt;
                const double nearest = std::round(at);
                if (std::abs(at - nearest) < 1e-9) {
                    // On a sample of its own.
                    if (nearest < double(c.values.size())) v = c.values[std::size_t(nearest)];
                } else {
                    const auto i = std::size_t(std::floor(at));
                    if (i + 1 < c.values.size()) v = c.values[i] + (c.values[i + 1] - c.values[i]) * (at - double(i));
                }
            }
            if (std::isfinite(v)) out += QByteArray::number(v, 'g', 6);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace scope
