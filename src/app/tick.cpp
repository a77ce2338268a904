#include "app/tick.h"

#include "sim/simstate.h"
#include "challenges/session.h"
#include "electrical/frminstruments.h"
#include "electrical/frmtripcomputer.h"
#include "engine/ecu.h"
#include "engine/engineview.h"
#include "engine/frmsimulation.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "sim/startsequence.h"
#include "sim/trip.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MainTimer)
};

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
    sim::tickStopwatch(programState());
    const QString time = TripDisplayMode == 0 ? timeOfDayText() : QString();
    if (const std::optional<QString> text = sim::tripDisplayText(programState(), time))
        frm<frmTripComputer>()->showTripDisplay(*text);
}

}  // namespace

void tmrMain_Timer() {
    // A running classroom challenge: its clock and time limit.
    ChallengeTick();

    // 1. Auto run.
    if (sim::Controls controls = engineview::gatherControls(); controls.autoRun) {
        sim::Outcome out;
        sim::autoRun(programState(), controls, &Rnd, out);
        engineview::play(out, controls);
    }

    // 2. Fuel.
    if (sim::burnFuel(programState())) {
        Beep();
        MsgBox(Texts::tr("The fuel tank ran dry and has been filled up again with 60 litres."), MsgButtons::OK,
               MsgIcon::Information);
    }

    // The fuel pump's priming run with the ignition on.
    sim::tickIgnition(programState());

    frmInstruments* ins = frm<frmInstruments>();
    const bool metric = MetricUnits == True;

    // 3. Rev counter colour.
    if (EngineSpeed > 6490) ins->setRevCounterColor(colorFromValue(255));
    if (EngineSpeed < 6490) ins->setRevCounterColor(colorFromValue(65280));

    // 4. Instrument readings.
    const QString revs = Texts::tr("%1 rev/m").arg(vb::intOnScreen(EngineSpeed));
    if (metric) {
        ins->showGauges(Texts::tr("%1 km/h").arg(vb::intOnScreen(RoadSpeed)), vb::formatOnScreen(Mileage, "00000.0"),
                        Texts::tr("%1 ltr").arg(vb::formatOnScreen(FuelLevel, "00.0")),
                        Texts::tr("%1 C").arg(vb::intOnScreen(EngineTemperature)), revs);
    } else {
        ins->showGauges(Texts::tr("%1 mph").arg(vb::strOnScreen(vb::intFloor(RoadSpeed * 5.0 / 8))),
                        vb::formatOnScreen(Mileage * 5 / 8, "00000.0"),
                        Texts::tr("%1 gal").arg(vb::formatOnScreen(FuelLevel / 4.55, "00.0")),
                        Texts::tr("%1 F").arg(vb::formatOnScreen(EngineTemperature * 9.0 / 5 + 32, "##0.0")), revs);
    }

    // 5. Charge warning light.
    if (EngineSpeed < 500) {
        ins->setChargeLight(true);
        frm<FRMsimulation>()->setSlider(sim::Slider::Voltage, 12);
    }
    if (SystemVoltage > 13) ins->setChargeLight(false);
    if (SystemVoltage < 13) ins->setChargeLight(true);

    // 6. Oil pressure warning light.
    if (EngineSpeed > 100) ins->setOilLight(false);
    if (EngineSpeed < 100) ins->setOilLight(true);

    // 7-12. Elapsed time, distances, averages, fuel used and economy.
    sim::advanceTrip(programState());

    // 13. While an arrival distance is being typed, nothing more this tick.
    if (SettingArrival == True) return;

    // 14. Trip computer display.
    showTripDisplay();

    // 15. Engine step.
    if (EngineRunning == True) UpdateEngine();

    // 16. Let pending events run.
    DoEvents();
}
