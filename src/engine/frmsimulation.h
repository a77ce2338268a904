// The engine-management window: input sliders, output read-outs and bars, and the three
// ECU lookup tables with the picture of the unit that can be laid over them.
#pragma once

#include "engine/engine.h"
#include "platform/form.h"
#include "sim/engine.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTableView;
class LookupTableModel;
class EcuCover;

class FRMsimulation : public Form {
    Q_OBJECT
public:
    FRMsimulation();
    void onLoad() override;
    void onActivate() override;
    bool onQueryUnload() override;
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;

    // Whether the three lookup grids accept edits.
    void setTablesEditable(bool editable);
    // The ECU picture that covers the grids.
    void setCoverVisible(bool visible);
    // The three lookup tables' grids, for the maps window: makes (row, column), counted from
    // 0, the current cell of a table's grid and gives that cell's text. False, the current
    // cell staying, when the table has no such cell.
    using Map = engine::Map;
    bool selectMapCell(Map map, int row, int column, QString* text);
    // A lookup table, as the engine step reads it.
    LookupTableModel* lookupTable(Map map) const;

    // Moves the current cell of the three grids to the cells the engine step uses; those
    // cells become the operating point, marked in the grids until the engine stops.
    void moveCurrentCells(int speedIndex, int loadIndex, int voltageIndex);

    // The map cells the unit used at its last engine step, while the engine runs.
    using OperatingPoint = engine::OperatingPoint;
    OperatingPoint operatingPoint() const { return operatingPoint_; }
    // The engine has stopped: no cell is in use.
    void clearOperatingPoint();
    // Puts the outputs on the bars (values outside a bar's range show at its end).
    void showOutputBars(int timingValue, int dwellValue, float fuelValue);

    // The read-outs of the inputs and outputs (each written only when its text changes).
    void showReadings(const sim::Readings& r);
    // The map column in use, and no operating point once the engine has stopped.
    void showOperatingColumn(const sim::Readings& r);
    // The engine speed read-out while the starter turns the engine.
    void showCrankingSpeed(int speed);
    void showKnockText(const QString& text);
    void showLambdaText(const QString& text);
    // Moves a slider as the user would: its handler runs.
    void setSlider(sim::Slider s, int value);
    // A slider's position.
    int sliderValue(sim::Slider s) const;

    void HSB_engine_speed_Change();
    void HSB_engine_load_Change();
    void HSB_engine_temperature_Change();
    void HSB_system_voltage_Change();
    void HSB_Lambda_Change();
    // The knock toggle, also run by the engine step when the knock retard reaches its cap.
    void cmbKnock_Click();
    void cmdECU_Click();
    // The user works in a grid: the row-axis caption follows it.
    void grid_Activated(QTableView* grid);

private:
    // The window's controls: other code uses the functions above, or finds a control by its
    // name as script mode does.
    QScrollBar* HSB_Lambda;
    QScrollBar* HSB_engine_speed;
    QScrollBar* HSB_engine_load;
    QScrollBar* HSB_engine_temperature;
    QScrollBar* HSB_system_voltage;
    QLineEdit* speed;
    QLineEdit* load;
    QLineEdit* temp;
    QLineEdit* volts;
    QLineEdit* timing;
    QLineEdit* dwell;
    QLineEdit* fuel;
    QLineEdit* lambda;
    QPushButton* cmbKnock;
    QLineEdit* txbknock;
    QProgressBar* bar_timing;
    QProgressBar* bar_dwell;
    QProgressBar* bar_fuel;
    // Data1 "timing", Data2 "Dwell", Data3 "injection", bound to the three grids.
    LookupTableModel* Data1;
    LookupTableModel* Data2;
    LookupTableModel* Data3;
    QTableView* DBtiminggrid;
    QTableView* DBdwellgrid;
    QTableView* DBinjectiongrid;
    QPushButton* cmdECU;
    QWidget* pbxCover;
    QWidget* pbxECU;
    QLabel* lblECU[18];
    QLabel* text3;
    QLabel* Label10;
    QLabel* Label12;
    QLabel* Label2;
    QLabel* lblSystem[3];

signals:
    void operatingPointChanged();

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QScrollBar* slider(sim::Slider s) const;
    // The session's slider values onto the sliders, without running their handlers.
    void showSliders();
    QTableView* makeGrid(const QString& name, LookupTableModel* model, const QString& caption, int left, int top,
                         int captionIndex);
    void markOperatingPoint();
    bool showGrid(QTableView* grid, const QString& index, QJsonObject& out) const;
    float fuelBarValue_ = 0;
    OperatingPoint operatingPoint_;
};
