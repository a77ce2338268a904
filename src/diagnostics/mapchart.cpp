#include "mapchart.h"

#include "sim/ecumath.h"
#include "platform/numbers.h"

#include <algorithm>

static_assert(MapChart::kRows == ecu::kMapSize && MapChart::kColumns == ecu::kMapSize,
              "the chart holds one whole lookup map");

bool MapChart::isChartType(int type) { return type == 0 || type == 2 || type == 4 || type == 6; }

QString MapChart::chartTypeName(int type) {
    switch (type) {
    case 0: return QStringLiteral("3D Bar");
    case 2: return QStringLiteral("3D Line");
    case 4: return QStringLiteral("3D Area");
    case 6: return QStringLiteral("3D Step");
    default: return QString();
    }
}

bool MapChart::setChartType(int type) {
    if (!isChartType(type)) return false;
    type_ = type;
    return true;
}

bool MapChart::setCurrentPoint(int row, int column) {
    if (row < 1 || row > kRows || column < 1 || column > kColumns) return false;
    row_ = row;
    column_ = column;
    return true;
}

bool MapChart::setCurrentData(const QString& text) {
    bool ok = false;
    const double v = vb::val(text, &ok);
    if (!ok) return false;
    values_[row_ - 1][column_ - 1] = v;
    return true;
}

double MapChart::value(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return 0;
    return values_[row][column];
}

double MapChart::minimum() const { return *std::min_element(&values_[0][0], &values_[0][0] + kRows * kColumns); }

double MapChart::maximum() const { return *std::max_element(&values_[0][0], &values_[0][0] + kRows * kColumns); }

QString MapChart::valueTitle() const {
    switch (map_) {
    case MapKind::Timing: return tr("Degrees BTDC");
    case MapKind::Dwell: return tr("Dwell %");
    case MapKind::Injection: return tr("Injection ms");
    }
    return QString();
}

QString MapChart::valueUnit() const {
    switch (map_) {
    case MapKind::Timing: return tr("degrees BTDC");
    case MapKind::Dwell: return QStringLiteral("%");
    case MapKind::Injection: return QStringLiteral("ms");
    }
    return QString();
}

QString MapChart::cellPlace(int row, int column) const {
    if (map_ == MapKind::Dwell) return tr("%1 rev/min, %2").arg(columnLabel(column), rowLabel(row));
    return tr("%1 rev/min, %2 load").arg(columnLabel(column), rowLabel(row));
}

QString MapChart::columnLabel(int column) { return QString::number(ecu::speedOfColumn(column)); }

QString MapChart::rowLabel(int row) const {
    if (map_ == MapKind::Dwell) return QString::number(ecu::voltageOfRow(row)) + " V";
    return QString::number(ecu::loadOfRow(row)) + " %";
}

void MapChart::setHighlight(int row, int column) {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns) {
        clearHighlight();
        return;
    }
    highlightRow_ = row;
    highlightColumn_ = column;
}
