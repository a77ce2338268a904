// The maps window: one of the ECU's three lookup maps drawn as a three-dimensional chart in
// one of four styles, with the cell the unit is using marked while the engine runs.
#pragma once

#include "diagnostics/mapchart.h"
#include "platform/form.h"

class QComboBox;
class QRadioButton;
class QTableView;
class MapChartView;

class frmMaps : public Form {
    Q_OBJECT
public:
    frmMaps();
    void onLoad() override;
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;

    void cmbDataSelect_Click();
    void Option1_Click(int index);
    // Fills the chart from the grid of the map chosen and draws it.
    void redraw();

    const MapChart& chart() const { return chart_; }
    // Whether the chart is drawn in 3D (false where OpenGL is missing: a notice stands there).
    bool chartDrawn() const { return view_ != nullptr; }

private:
    // The window's own controls: the other windows use its functions.
    QLabel* Label1;
    QComboBox* cmbDataSelect;
    QLabel* Label2;
    QRadioButton* Option1[4];
    // The chart's place: the 3D view, or the notice where it cannot be drawn.
    QWidget* MSChart1;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    // The operating point of the engine-management window, for the map shown; the chart is
    // drawn again when the marked cell moves (or the chart was refilled).
    void followOperatingPoint();
    void drawChart();

    MapChart chart_;
    MapChartView* view_ = nullptr;
    QLabel* notice_ = nullptr;
    QLabel* lblInUse_;
    bool redrawing_ = false;
};
