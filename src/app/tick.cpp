#include "app/tick.h"

#include "app/main_window/frmmainscreen.h"
#include "app/state.h"
#include "challenges/session.h"
#include "electrical/frminstruments.h"
#include "electrical/frmtripcomputer.h"
#include "engine/ecu.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "platform/numbers.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>

namespace {

void autoRun() {
    frmControls* c = frm<frmControls>();
    if (!c->chkAuto->isChecked()) return;
    SetStatus("Auto run selected...");
    if (EngineSpeed < 6000) {
        EngineSpeed += 20;
        if (EngineSpeed >= 6000) EngineSpeed = 800;
    } else {
        EngineSpeed = 800;
    }
    if (EngineSpeed <= 800) return;
    FRMsimulation* sim = frm<FRMsimulation>();
    SystemVoltage = 14;
    StepCounter += 1;
    EngineTemperature += 2;
    if (EngineTemperature > 90) EngineTemperature = 90;
    if (sim->HSB_Lambda->value() == 0) sim->HSB_Lambda->setValue(-1);
    if (EngineTemperature > 60) sim->HSB_Lambda->setValue(-sim->HSB_Lambda->value());
    if (StepCounter == 1 || StepCounter == 3) {
        Gear = static_cast<int>(vb::intFloor(Rnd() * 5)) + 1;
        c->optGear[Gear]->setChecked(true);
    }
    if (StepCounter > 5) {
        EngineLoad = static_cast<int>(vb::intFloor(Rnd() * 90));
        c->optThrottleOn->setChecked(true);
        if (EngineLoad > 80) c->optThrottleFull->setChecked(true);
        if (EngineLoad < 10) c->optThrottleOff->setChecked(true);
        StepCounter = 0;
    }
}

// The time of day in the system's (long) time format, with seconds but without a time zone.
QString timeOfDayText() {
    static const QLocale locale = QLocale::system();
    static const QString format = [] {
        QString f = locale.timeFormat(QLocale::LongFormat);
        f.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
        return f.trimmed();
    }();
    return locale.toString(platform().timeOfDay(), format);
}

void showTripDisplay() {
    frmTripComputer* t = frm<frmTripComputer>();
    const bool metric = MetricUnits == True;
    QString text;
    switch (TripDisplayMode) {
    case 0: text = timeOfDayText(); break;
    case 1:
        text = metric ? vb::format(TripDistance, "###0.0") + " km"
                      : vb::format(TripDistance * 5 / 8, "###0.0") + " miles";
        break;
    case 2:
        text = metric ? vb::format(FuelEconomy, "#0.0") + " km/ltr"
                      : vb::format(FuelEconomy / 0.354, "#0.0") + " mpg";
        break;
    case 3:
        text = metric ? vb::format(AverageEconomy, "#0.0") + " km/ltr"
                      : vb::format(AverageEconomy / 0.354, "#0.0") + " mpg";
        break;
    case 4: text = vb::format(TimeToArrival, "#00") + " mins"; break;
    case 5:
        text = metric ? vb::format(AverageSpeed, "#00") + " km/h"
                      : vb::format(AverageSpeed * 5 / 8, "#00") + " mph";
        break;
    case 6: text = vb::format(ElapsedTime, "###0") + " s"; break;
    case 7:
        text = metric ? vb::format(FuelUsed, "#0.0") + " ltr" : vb::format(FuelUsed / 4.55, "#0.0") + " gal";
        break;
    case 8:
        if (StopwatchRunning == True) {
            Stopwatch += 1;
            if (Stopwatch > 60000) Stopwatch = 0;
        }
        text = vb::format(Stopwatch, "###0") + " s";
        break;
    case 9:
        text = metric ? vb::format(ArrivalDistance, "###0.0") + " km"
                      : vb::format(ArrivalDistance * 5 / 8, "###0.0") + " miles";
        break;
    default: return;  // any other mode leaves the display alone
    }
    t->txtTripDisplay->setText(text);
}

}  // namespace

void tmrMain_Timer() {
    // A running classroom challenge: its clock and time limit.
    ChallengeTick();

    // 1. Auto run.
    autoRun();

    // 2. Fuel.
    FuelLevel = FuelLevel - InjectionDuration / 1000;
    if (FuelLevel <= 0) {
        Beep();
        FuelLevel = 60;
        MsgBox("The fuel tank ran dry and has been filled up again with 60 litres.", MsgButtons::OK,
               MsgIcon::Information);
    }

    frmInstruments* ins = frm<frmInstruments>();
    const bool metric = MetricUnits == True;

    // 3. Rev counter colour.
    if (EngineSpeed > 6490) setForeColor(ins->txbRev, colorFromValue(255));
    if (EngineSpeed < 6490) setForeColor(ins->txbRev, colorFromValue(65280));

    // 4. Instrument readings.
    if (metric) {
        ins->txbSpeed->setText(QString::number(RoadSpeed) + " km/h");
        ins->txtMileage->setText(vb::format(Mileage, "00000.0"));
        ins->txbFuel->setText(vb::format(FuelLevel, "00.0") + " ltr");
        ins->txbTemp->setText(QString::number(EngineTemperature) + " C");
    } else {
        ins->txbSpeed->setText(vb::str(vb::intFloor(RoadSpeed * 5.0 / 8)) + " mph");
        ins->txtMileage->setText(vb::format(Mileage * 5 / 8, "00000.0"));
        ins->txbFuel->setText(vb::format(FuelLevel / 4.55, "00.0") + " gal");
        ins->txbTemp->setText(vb::format(EngineTemperature * 9.0 / 5 + 32, "##0.0") + " F");
    }
    ins->txbRev->setText(QString::number(EngineSpeed) + " rev/m");

    // 5. Charge warning light.
    if (EngineSpeed < 500) {
        ins->lblChargeWL->setVisible(true);
        frm<FRMsimulation>()->HSB_system_voltage->setValue(12);
    }
    if (SystemVoltage > 13) ins->lblChargeWL->setVisible(false);
    if (SystemVoltage < 13) ins->lblChargeWL->setVisible(true);

    // 6. Oil pressure warning light.
    if (EngineSpeed > 100) ins->lblOilWL->setVisible(false);
    if (EngineSpeed < 100) ins->lblOilWL->setVisible(true);

    // 7-8. Elapsed time and distances.
    ElapsedTime = ElapsedTime + 1;
    if (RoadSpeed > 1) {
        Mileage = Mileage + RoadSpeed / 3600.0;
        TripDistance = TripDistance + RoadSpeed / 3600.0;
        ArrivalDistance = ArrivalDistance - RoadSpeed / 3600.0;
        if (ArrivalDistance < -9999 || ArrivalDistance > 9999) ArrivalDistance = 0;
    }

    // 9. Average speed and time to arrival (skipped while the elapsed time is still 0).
    if (ElapsedTime != 0) {
        AverageSpeed = TripDistance / ElapsedTime * 3600;
        if (AverageSpeed != 0) TimeToArrival = ArrivalDistance * 60 / AverageSpeed;
    }

    // 10-12. Fuel used and economy.
    if (EngineSpeed > 0) FuelUsed = FuelUsed + InjectionDuration / 500;
    if (FuelUsed != 0) AverageEconomy = TripDistance * 10 / FuelUsed;
    FuelEconomy = (77 - InjectionDuration) / 4;
    if (RoadSpeed < 1) FuelEconomy = 0;

    // 13. While an arrival distance is being typed, nothing more this tick.
    if (SettingArrival == True) return;

    // 14. Trip computer display.
    showTripDisplay();

    // 15. Engine step.
    if (EngineRunning == True) UpdateEngine();

    // 16. Let pending events run.
    DoEvents();
}
