#include "engine/ecu.h"

#include "app/main_window/frmmainscreen.h"
#include "app/state.h"
#include "electrical/frmcharging.h"
#include "electrical/frmstarting.h"
#include "electrical/startstop.h"
#include "engine/ecumath.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "engine/lookuptable.h"
#include "faults/faults.h"
#include "platform/numbers.h"
#include "platform/platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>

#include <cstring>

namespace {

// Set when the outputs could not be worked out (unusable map data): the engine has been
// stopped and the rest of the step is skipped.
bool g_outputsFailed = false;

SystemDataCollector g_collector = &CollectSystemData;

// Writes a read-out only when its text changes.
void showText(QLineEdit* box, const QString& text) {
    if (box->text() == text) return;
    box->setText(text);
    box->setCursorPosition(0);  // a long number shows from its first digit
}
void showNumber(QLineEdit* box, int value) { showText(box, QString::number(value)); }

// The injection time's text, worked out again only when the value changed since the last
// call (the refresh shows it twice, and the engine holds it for seconds at a time).
QString injectionText(double value) {
    static double last = 0;
    static QString text = vb::strSingle(0.0);
    if (std::memcmp(&last, &value, sizeof value) != 0) {
        last = value;
        text = vb::strSingle(value);
    }
    return text;
}

// What a map row stands for: "load 70 %" or "13 V".
QString rowMeaning(int row, bool voltageRows) {
    return voltageRows ? QString::number(ecu::voltageOfRow(row)) + " V"
                       : "load " + QString::number(ecu::loadOfRow(row)) + " %";
}

QString cellPlace(const LookupTableModel* map, int row, int column, bool voltageRows) {
    return map->caption() + ": the cell in row " + QString::number(row + 1) + ", column Speed " +
           QString::number(column + 1) + " (" + rowMeaning(row, voltageRows) + ", " +
           QString::number(ecu::speedOfColumn(column)) + " rev/min)";
}

// Reads a map cell for the engine step. A cell that cannot be used is reported (critical
// message naming the table and cell) and false is returned.
bool readCell(const LookupTableModel* map, int row, int column, bool voltageRows, double lowest, double highest,
              double* value) {
    const LookupTableModel::Cell c = map->cell(row, column);
    if (c.state == LookupTableModel::CellState::Number && c.value >= lowest && c.value <= highest) {
        *value = c.value;
        return true;
    }
    QString problem;
    switch (c.state) {
    case LookupTableModel::CellState::Missing:
        if (map->rowCount() == 0) {
            problem = map->caption() + " holds no data";
            break;
        }
        problem = map->caption() + " has no row " + QString::number(row + 1) + " (" + rowMeaning(row, voltageRows) + ")";
        break;
    case LookupTableModel::CellState::Empty: problem = cellPlace(map, row, column, voltageRows) + " is empty"; break;
    case LookupTableModel::CellState::NotNumber:
        problem = cellPlace(map, row, column, voltageRows) + " holds \"" + map->cellText(row, column) +
                  "\", which is not a number";
        break;
    case LookupTableModel::CellState::Number:
        problem = cellPlace(map, row, column, voltageRows) + " holds " + vb::str(c.value) +
                  (c.value < lowest ? ", which is below " + vb::str(lowest) : ", which is far out of range");
        break;
    }
    MsgBox(problem + ", please edit the lookup data... ", MsgButtons::OK, MsgIcon::Critical);
    return false;
}

bool engineKnocks() { return Knock == True || (EngineSpeed < 1500 && EngineLoad > 80); }

}  // namespace

void setSystemDataCollector(SystemDataCollector collector) {
    g_collector = collector ? collector : &CollectSystemData;
}

void FindLookupCells() {
    SpeedIndex = ecu::speedIndexFor(EngineSpeed);
    LoadIndex = ecu::loadIndexFor(EngineLoad);
    VoltageIndex = ecu::voltageIndexFor(SystemVoltage);
    frm<FRMsimulation>()->moveCurrentCells(SpeedIndex, LoadIndex, VoltageIndex);
}

void CalculateEcuOutputs() {
    g_outputsFailed = false;
    FRMsimulation* sim = frm<FRMsimulation>();
    frmControls* controls = frm<frmControls>();

    // 1-2. Enrichment for the supply voltage, then the cold-engine band.
    EnrichmentFactor = ecu::voltageFactor(VoltageIndex);
    const ecu::ColdCorrection cold = ecu::coldCorrectionFor(EngineTemperature);
    EnrichmentFactor = static_cast<float>(EnrichmentFactor * cold.factor);
    TimingCorrection = cold.timingCorrection;

    // 3-5. The three map cells. Values that would not fit the unit's 16-bit outputs are
    // refused like text; values past the read-out limits are left to the output check.
    double timingCell = 0, dwellCell = 0, injectionCell = 0;
    if (!readCell(sim->Data1, LoadIndex, SpeedIndex, false, -30000, 30000, &timingCell) ||
        !readCell(sim->Data2, VoltageIndex, SpeedIndex, true, 0, 30000, &dwellCell) ||
        !readCell(sim->Data3, LoadIndex, SpeedIndex, false, 0, 1e9, &injectionCell)) {
        g_outputsFailed = true;
        StopEngine();
        return;
    }
    IgnitionTiming = timingCell + TimingCorrection;
    DwellPercentage = dwellCell;
    InjectionDuration = injectionCell * EnrichmentFactor;

    // 6. No retarded timing from the map.
    if (IgnitionTiming < 0) IgnitionTiming = 0;

    // 7. Lambda: rich mixture takes fuel away, lean adds it.
    const int lambdaSignal = sim->HSB_Lambda->value();
    if (lambdaSignal < 0) InjectionDuration = InjectionDuration * 0.9;
    if (lambdaSignal > 0) InjectionDuration = InjectionDuration * 1.1;

    // 8. Full throttle.
    if (controls->optThrottleFull->isChecked()) {
        InjectionDuration = InjectionDuration * 1.2;
        EngineLoad = 100;
        EngineSpeed += 200;
        if (EngineSpeed >= 7000) {
            InjectionDuration = 0;
            EngineSpeed = 6750;
        }
        SetStatus("Full load enrichment applied...");
    }

    // 9. Rev limiter.
    if (EngineSpeed > 6500) {
        SetStatus("CAUTION ENGINE REVS RED LINED - Limiter cuts in at 7000rev/min...");
        if (EngineSpeed >= 7000) {
            EngineSpeed = 6950;
            InjectionDuration = 0;
        }
    }

    // 10. Over-run fuel cut-off.
    const bool throttleClosed = controls->optThrottleOff->isChecked();
    if (EngineSpeed >= 2000 && throttleClosed) {
        InjectionDuration = 0;
        SetStatus("Overrun fuel cut-off...");
    }

    // 11. Throttle closed: the engine runs down to the controlled idle.
    if (throttleClosed) {
        EngineLoad = 5;
        IgnitionTiming = 10;
        EngineSpeed -= 200;
        if (EngineSpeed > 800) {
            SetStatus("Ready...");
        } else {
            EngineSpeed = 800;
            SetStatus("Engine idle speed controlled...");
        }
    }

    // 12. Stationary engine.
    if (EngineSpeed < 1) {
        SystemVoltage = 12;
        DwellPercentage = 0;
        IgnitionTiming = 0;
        InjectionDuration = 0;
        EngineLoad = 0;
        StopEngine();
        SetStatus("Engine is stationary - coil switched off...");
    }

    // 13. Knock: simulated, or labouring at low speed under high load.
    if (engineKnocks()) {
        if (KnockSensorFault == False) KnockRetard += 2;
        if (KnockRetard > 8) {
            KnockRetard = 8;
            sim->cmbKnock_Click();
        }
        Beep();
        SetStatus("Engine knocked - Timing was retarded...");
        EngineLoad -= 5;
        if (EngineLoad < 20) EngineLoad = 20;
    }

    // 14. Retard, which decays by a degree a second.
    IgnitionTiming -= KnockRetard;
    KnockRetard -= 1;
    if (KnockRetard < 0) KnockRetard = 0;
    if (IgnitionTiming < 8) IgnitionTiming = 8;

    // 15. A failed knock sensor cannot retard; the driver is warned instead.
    if (KnockSensorFault == True && engineKnocks()) {
        Beep();
        SetStatus("Warning, engine is knocking...");
        Pause(1);
        KnockRetard = 0;
    }

    // 16. Exhaust warning.
    if (ExhaustWarning == True && EngineSpeed >= 800) {
        SetStatus("Warning, exhaust gases are out of range...");
        if (FaultPresent(5) || FaultPresent(11) || FaultPresent(17)) {
            sim->HSB_Lambda->setValue(0);
            sim->lambda->setText("0");
        }
    }
}

void UpdateEngine() {
    FindLookupCells();
    CalculateEcuOutputs();
    if (g_outputsFailed) return;
    g_collector();

    // Road speed from the gear selected.
    frmControls* controls = frm<frmControls>();
    for (int gear = 0; gear <= 6; ++gear) {
        if (!controls->optGear[gear]->isChecked()) continue;
        if (gear == 0) {
            RoadSpeed = 0;
            if (EngineRunning == True) EngineLoad = 5;
        } else {
            RoadSpeed = ecu::roadSpeedFor(gear, EngineSpeed);
        }
        break;
    }
    if (EngineSpeed < 801) RoadSpeed = 0;

    // Output check: the first output past its read-out's limit stops the engine.
    FRMsimulation* sim = frm<FRMsimulation>();
    if (sim->bar_timing->maximum() < IgnitionTiming) {
        MsgBox("Timing of " + QString::number(IgnitionTiming) +
                   " degrees BTDC is too far advanced, please edit the lookup data... ",
               MsgButtons::OK, MsgIcon::Critical);
        StopEngine();
    } else if (sim->bar_dwell->maximum() < DwellPercentage) {
        MsgBox("Dwell percentage " + QString::number(DwellPercentage) + " % is too high, please edit the lookup data... ",
               MsgButtons::OK, MsgIcon::Critical);
        StopEngine();
    } else if (static_cast<float>(sim->bar_fuel->maximum()) < static_cast<float>(InjectionDuration)) {
        MsgBox("Injection quantity " + vb::str(vb::intFloor(InjectionDuration)) +
                   " ms is incorrect, please edit the lookup data... ",
               MsgButtons::OK, MsgIcon::Critical);
        StopEngine();
    } else {
        RefreshReadings();
    }
}

void RefreshReadings() {
    FRMsimulation* sim = frm<FRMsimulation>();
    frmCharging* charging = frm<frmCharging>();
    frmStarting* starting = frm<frmStarting>();

    // 1. Engine-management read-outs.
    showNumber(sim->speed, EngineSpeed);
    showNumber(sim->load, EngineLoad);
    showNumber(sim->temp, EngineTemperature);
    showNumber(sim->volts, SystemVoltage);
    showNumber(sim->timing, IgnitionTiming);
    showNumber(sim->dwell, DwellPercentage);
    showText(sim->fuel, injectionText(InjectionDuration));

    // 2-3. Charging and starting windows.
    showNumber(charging->txtOutputVoltage, SystemVoltage);
    showNumber(charging->txtEngineSpeed, EngineSpeed);
    showNumber(starting->txtVoltage, SystemVoltage);
    AlternatorSpeed = 3 * EngineSpeed;
    showNumber(charging->txtAlternatorSpeed, AlternatorSpeed);

    // 4. Bars.
    sim->showOutputBars(IgnitionTiming, DwellPercentage, static_cast<float>(InjectionDuration));
    charging->pbrSystemVolts->setValue(qBound(charging->pbrSystemVolts->minimum(), int(SystemVoltage),
                                              charging->pbrSystemVolts->maximum()));

    // 5. Sliders; their change handlers write the same values back.
    sim->HSB_engine_speed->setValue(EngineSpeed);
    sim->HSB_engine_load->setValue(EngineLoad);
    sim->HSB_engine_temperature->setValue(EngineTemperature);
    sim->HSB_system_voltage->setValue(SystemVoltage);

    // 6. The outputs once more, as the sliders' handlers may have run.
    showNumber(sim->timing, IgnitionTiming);
    showNumber(sim->dwell, DwellPercentage);
    showText(sim->fuel, injectionText(InjectionDuration));

    // 7. Lookup column in use.
    const QString column = QString::number(SpeedIndex + 1);
    if (sim->text3->text() != column) sim->text3->setText(column);

    // A stopped engine uses no map cell.
    if (EngineRunning != True) sim->clearOperatingPoint();
}
