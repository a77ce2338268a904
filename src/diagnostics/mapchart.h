// The data of the ECU map chart: one lookup table's 8 x 8 values as the chart was last filled,
// the chart type, the axis titles and labels of the map shown, and the cell the unit used at
// its last engine step. The maps window fills it; the 3D view draws what it holds.
#pragma once

#include <QCoreApplication>
#include <QString>

enum class MapKind { Timing, Dwell, Injection };

// Titles, units and places are in the program's language; the chart type's name is a key.
class MapChart {
    Q_DECLARE_TR_FUNCTIONS(MapChart)
public:
    static constexpr int kRows = 8;
    static constexpr int kColumns = 8;

    // Chart types by the chart control's numbering: 0 bars, 2 lines, 4 area, 6 steps.
    static bool isChartType(int type);
    static QString chartTypeName(int type);

    // Sets the chart type; any other number is refused (false) and the type stays.
    bool setChartType(int type);
    int chartType() const { return type_; }

    // The map whose labels and value unit the chart carries.
    void setMap(MapKind map) { map_ = map; }
    MapKind map() const { return map_; }

    // The current data point, row and column counted from 1 as the chart counts them; a
    // point outside 1..8 is refused (false) and the current point stays.
    bool setCurrentPoint(int row, int column);
    int currentRow() const { return row_; }
    int currentColumn() const { return column_; }
    // Copies a cell's text into the current data point. Text that is not a number leaves
    // the point as it was and gives false.
    bool setCurrentData(const QString& text);

    // Values counted from 0: row 0 is the table's first record.
    double value(int row, int column) const;
    // Lowest and highest value held.
    double minimum() const;
    double maximum() const;

    static QString columnTitle() { return tr("Engine Speed"); }
    static QString rowTitle() { return tr("Engine Load or System Voltage"); }
    // What the values of the map are ("Degrees BTDC", "Dwell %", "Injection ms").
    QString valueTitle() const;
    // The unit of the values ("degrees BTDC", "%", "ms").
    QString valueUnit() const;
    // Where a cell stands in words: "3200 rev/min, 56 % load" or "3200 rev/min, 14 V".
    QString cellPlace(int row, int column) const;
    // Label of a speed column ("800" .. "6400") and of a row ("98 %" .. "0 %", or for the
    // dwell map "15 V" .. "8 V").
    static QString columnLabel(int column);
    QString rowLabel(int row) const;

    // The cell the unit used at its last engine step (counted from 0), or none.
    void setHighlight(int row, int column);
    void clearHighlight() { highlightRow_ = highlightColumn_ = -1; }
    bool hasHighlight() const { return highlightRow_ >= 0; }
    int highlightRow() const { return highlightRow_; }
    int highlightColumn() const { return highlightColumn_; }

private:
    int type_ = 0;
    MapKind map_ = MapKind::Timing;
    int row_ = 1;
    int column_ = 1;
    double values_[kRows][kColumns] = {};
    int highlightRow_ = -1;
    int highlightColumn_ = -1;
};
