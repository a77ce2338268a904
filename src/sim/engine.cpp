#include "sim/engine.h"

#include "platform/numbers.h"
#include "sim/catalogue.h"
#include "sim/ecumath.h"
#include "sim/snapshot.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace sim {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(sim::Engine)
};
QString shownNumber(int n) { return vb::intOnScreen(n); }
}  // namespace

// ---- The controls' rules ----

void chooseGear(SimState& s, Controls& c, int gear) {
    if (c.gear == gear) return;
    c.gear = gear;
    s.Gear = gear;
}

void chooseThrottle(SimState& s, Controls& c, Throttle t, Outcome& out) {
    if (c.throttle == t) return;
    c.throttle = t;
    switch (t) {
    case Throttle::Off:
        out.status(Texts::tr("Ready..."));
        s.ThrottlePosition = 0;
        break;
    case Throttle::On: s.ThrottlePosition = 1; break;
    case Throttle::Full: s.ThrottlePosition = 2; break;
    case Throttle::None: break;
    }
}

void chooseAutoRun(SimState& s, Controls& c, bool on, Outcome& out) {
    if (c.autoRun == on) return;
    c.autoRun = on;
    // Auto run needs a running engine: the box clears itself otherwise.
    if (s.EngineRunning != True) {
        out.status(Texts::tr("Auto run is only available when the engine has been started..."));
        c.autoRun = false;
    }
}

QString lambdaText(int value) { return value < 0 ? "< 1" : value == 0 ? "1" : "> 1"; }

void moveSlider(SimState& s, Controls& c, Slider slider, int value, Outcome& out) {
    const SliderRange range = kSliderRanges[static_cast<int>(slider)];
    value = std::clamp(value, range.minimum, range.maximum);
    int& at = c.slider(slider);
    if (at == value) return;
    at = value;
    switch (slider) {
    case Slider::Speed: s.EngineSpeed = value; break;
    case Slider::Load: s.EngineLoad = value; break;
    case Slider::Temperature: s.EngineTemperature = value; break;
    case Slider::Voltage: s.SystemVoltage = value; break;
    case Slider::Lambda: out.add(Event::Kind::LambdaText, lambdaText(value)); break;
    }
}

// ---- Rest, refresh and stop ----

void restEngine(SimState& s) {
    s.EngineSpeed = 0;
    s.EngineLoad = 0;
    s.IgnitionTiming = 0;
    s.InjectionDuration = 0;
    s.DwellPercentage = 0;
}

void applyCrankingFaults(SimState& s, const FaultSet& present) {
    // In the order of the boxes: two slow-cranking faults compound, a flat battery then sets the
    // cranking speed it allows.
    for (const FaultInfo& f : faults()) {
        if (!present[static_cast<size_t>(f.number)]) continue;
        switch (f.atStart) {
        case StartEffect::None: break;
        case StartEffect::NoOutputs:  // the unit fires nothing
            s.IgnitionTiming = 0;
            s.InjectionDuration = 0;
            s.DwellPercentage = 0;
            break;
        case StartEffect::NoTiming: s.IgnitionTiming = 0; break;
        case StartEffect::NoSpark:
            s.IgnitionTiming = 0;
            s.DwellPercentage = 0;
            break;
        case StartEffect::NoInjection: s.InjectionDuration = 0; break;
        case StartEffect::NoCranking: s.CriticalFault = True; break;
        case StartEffect::SlowCranking: s.CrankingSpeed = s.CrankingSpeed * 0.8; break;
        case StartEffect::FlatBattery:
            s.SystemVoltage = 9;
            s.CrankingSpeed = 80;
            break;
        }
    }
}

Readings refresh(SimState& s, Controls& c) {
    Readings r;
    r.speed = s.EngineSpeed;
    r.load = s.EngineLoad;
    r.temperature = s.EngineTemperature;
    r.volts = s.SystemVoltage;
    s.AlternatorSpeed = 3 * s.EngineSpeed;
    r.alternatorSpeed = s.AlternatorSpeed;
    // The sliders follow; the lambda slider is not among them, so no text comes of this.
    Outcome none;
    moveSlider(s, c, Slider::Speed, s.EngineSpeed, none);
    moveSlider(s, c, Slider::Load, s.EngineLoad, none);
    moveSlider(s, c, Slider::Temperature, s.EngineTemperature, none);
    moveSlider(s, c, Slider::Voltage, s.SystemVoltage, none);
    r.timing = s.IgnitionTiming;
    r.dwell = s.DwellPercentage;
    r.injection = s.InjectionDuration;
    r.column = s.SpeedIndex + 1;
    r.running = s.EngineRunning == True;
    return r;
}

void stopEngine(SimState& s, Controls& c, Outcome& out) {
    if (s.EngineRunning != True && s.EngineCranking != True) return;
    s.EngineRunning = False;
    s.EngineCranking = False;
    s.IgnitionOn = False;  // the key back to off
    s.PumpPriming = 0;
    chooseGear(s, c, 0);
    chooseThrottle(s, c, Throttle::Off, out);
    chooseAutoRun(s, c, false, out);
    out.status(Texts::tr("Engine stopped..."));
    restEngine(s);
    s.RoadSpeed = 0;
    if (s.SystemVoltage > 12) s.SystemVoltage = 12;
    out.readings = refresh(s, c);
    out.add(Event::Kind::EngineStopped);
}

void findLookupCells(SimState& s) {
    s.SpeedIndex = ecu::speedIndexFor(s.EngineSpeed);
    s.LoadIndex = ecu::loadIndexFor(s.EngineLoad);
    s.VoltageIndex = ecu::voltageIndexFor(s.SystemVoltage);
}

// ---- The outputs ----

namespace {

// What a map row stands for: "load 70 %" or "13 V".
QString rowMeaning(int row, bool voltageRows) {
    return voltageRows ? Texts::tr("%1 V").arg(shownNumber(ecu::voltageOfRow(row)))
                       : Texts::tr("load %1 %").arg(shownNumber(ecu::loadOfRow(row)));
}

QString cellPlace(const MapSource& map, int row, int column, bool voltageRows) {
    return Texts::tr("%1: the cell in row %2, column Speed %3 (%4, %5 rev/min)")
        .arg(map.caption(), shownNumber(row + 1), shownNumber(column + 1), rowMeaning(row, voltageRows),
             shownNumber(ecu::speedOfColumn(column)));
}

// Reads a map cell for the engine step. A cell that cannot be used is reported (a critical
// message naming the table and cell) and false is returned.
bool readCell(const MapSource* map, int row, int column, bool voltageRows, double lowest, double highest,
              double* value, Outcome& out) {
    const MapCell c = map ? map->cell(row, column) : MapCell();
    if (c.state == CellState::Number && c.value >= lowest && c.value <= highest) {
        *value = c.value;
        return true;
    }
    QString problem;
    if (!map) {
        problem = Texts::tr("The lookup data is not loaded");
    } else {
        switch (c.state) {
        case CellState::Missing:
            if (map->rows() == 0) {
                problem = Texts::tr("%1 holds no data").arg(map->caption());
                break;
            }
            problem = Texts::tr("%1 has no row %2 (%3)").arg(map->caption(), shownNumber(row + 1), rowMeaning(row, voltageRows));
            break;
        case CellState::Empty: problem = Texts::tr("%1 is empty").arg(cellPlace(*map, row, column, voltageRows)); break;
        case CellState::NotNumber:
            problem = Texts::tr("%1 holds \"%2\", which is not a number")
                          .arg(cellPlace(*map, row, column, voltageRows), map->cellText(row, column));
            break;
        case CellState::Number:
            problem = c.value < lowest ? Texts::tr("%1 holds %2, which is below %3")
                                             .arg(cellPlace(*map, row, column, voltageRows), vb::strOnScreen(c.value),
                                                  vb::strOnScreen(lowest))
                                       : Texts::tr("%1 holds %2, which is far out of range")
                                             .arg(cellPlace(*map, row, column, voltageRows), vb::strOnScreen(c.value));
            break;
        }
    }
    out.message(Texts::tr("%1, please edit the lookup data... ").arg(problem), true);
    return false;
}

bool engineKnocks(const SimState& s) { return s.Knock == True || (s.EngineSpeed < 1500 && s.EngineLoad > 80); }

// Works out timing, dwell and injection with every correction, the throttle, limiter,
// over-run, idle and knock logic. False when a map cell could not be used (the engine has
// been stopped).
bool calculateOutputs(SimState& s, StepInputs& in, Outcome& out) {
    Controls& c = in.controls;

    // 1-2. Enrichment for the supply voltage, then the cold-engine band.
    s.EnrichmentFactor = ecu::voltageFactor(s.VoltageIndex);
    const ecu::ColdCorrection cold = ecu::coldCorrectionFor(s.EngineTemperature);
    s.EnrichmentFactor = static_cast<float>(s.EnrichmentFactor * cold.factor);
    s.TimingCorrection = cold.timingCorrection;

    // 3-5. The three map cells. Values that would not fit the unit's 16-bit outputs are
    // refused like text; values past the read-out limits are left to the output check.
    double timingCell = 0, dwellCell = 0, injectionCell = 0;
    if (!readCell(in.timing, s.LoadIndex, s.SpeedIndex, false, -30000, 30000, &timingCell, out) ||
        !readCell(in.dwell, s.VoltageIndex, s.SpeedIndex, true, 0, 30000, &dwellCell, out) ||
        !readCell(in.injection, s.LoadIndex, s.SpeedIndex, false, 0, 1e9, &injectionCell, out)) {
        stopEngine(s, c, out);
        return false;
    }
    s.IgnitionTiming = timingCell + s.TimingCorrection;
    s.DwellPercentage = dwellCell;
    s.InjectionDuration = injectionCell * s.EnrichmentFactor;

    // 6. No retarded timing from the map.
    if (s.IgnitionTiming < 0) s.IgnitionTiming = 0;

    // 7. Lambda: rich mixture takes fuel away, lean adds it.
    const int lambdaSignal = c.slider(Slider::Lambda);
    if (lambdaSignal < 0) s.InjectionDuration = s.InjectionDuration * 0.9;
    if (lambdaSignal > 0) s.InjectionDuration = s.InjectionDuration * 1.1;

    // 8. Full throttle.
    if (c.throttle == Throttle::Full) {
        s.InjectionDuration = s.InjectionDuration * 1.2;
        s.EngineLoad = 100;
        s.EngineSpeed += 200;
        if (s.EngineSpeed >= 7000) {
            s.InjectionDuration = 0;
            s.EngineSpeed = 6750;
        }
        out.status(Texts::tr("Full load enrichment applied..."));
    }

    // 9. Rev limiter.
    if (s.EngineSpeed > 6500) {
        out.status(Texts::tr("CAUTION ENGINE REVS RED LINED - Limiter cuts in at 7000rev/min..."));
        if (s.EngineSpeed >= 7000) {
            s.EngineSpeed = 6950;
            s.InjectionDuration = 0;
        }
    }

    // 10. Over-run fuel cut-off.
    const bool throttleClosed = c.throttle == Throttle::Off;
    if (s.EngineSpeed >= 2000 && throttleClosed) {
        s.InjectionDuration = 0;
        out.status(Texts::tr("Overrun fuel cut-off..."));
    }

    // 11. Throttle closed: the engine runs down to the controlled idle.
    if (throttleClosed) {
        s.EngineLoad = 5;
        s.IgnitionTiming = 10;
        s.EngineSpeed -= 200;
        if (s.EngineSpeed > 800) {
            out.status(Texts::tr("Ready..."));
        } else {
            s.EngineSpeed = 800;
            out.status(Texts::tr("Engine idle speed controlled..."));
        }
    }

    // 12. Stationary engine.
    if (s.EngineSpeed < 1) {
        s.SystemVoltage = 12;
        restEngine(s);
        stopEngine(s, c, out);
        out.status(Texts::tr("Engine is stationary - coil switched off..."));
    }

    // 13. Knock: simulated, or labouring at low speed under high load.
    if (engineKnocks(s)) {
        if (s.KnockSensorFault == False) s.KnockRetard += 2;
        if (s.KnockRetard > 8) {
            s.KnockRetard = 8;
            // The knock simulation switches itself off.
            s.Knock = s.Knock != True ? True : False;
            out.add(Event::Kind::KnockText, s.Knock == True ? Texts::tr("Yes", "knock") : Texts::tr("No", "knock"));
        }
        out.beep();
        out.status(Texts::tr("Engine knocked - Timing was retarded..."));
        s.EngineLoad -= 5;
        if (s.EngineLoad < 20) s.EngineLoad = 20;
    }

    // 14. Retard, which decays by a degree a second.
    s.IgnitionTiming -= s.KnockRetard;
    s.KnockRetard -= 1;
    if (s.KnockRetard < 0) s.KnockRetard = 0;
    if (s.IgnitionTiming < 8) s.IgnitionTiming = 8;

    // 15. A failed knock sensor cannot retard; the driver is warned instead.
    if (s.KnockSensorFault == True && engineKnocks(s)) {
        out.beep();
        out.status(Texts::tr("Warning, engine is knocking..."));
        out.pause(1);
        s.KnockRetard = 0;
    }

    // 16. Exhaust warning.
    if (s.ExhaustWarning == True && s.EngineSpeed >= 800) {
        out.status(Texts::tr("Warning, exhaust gases are out of range..."));
        if (anyPresent(in.faults, Circuit::Lambda)) {
            moveSlider(s, c, Slider::Lambda, 0, out);
            out.add(Event::Kind::LambdaText, "0");
        }
    }
    return true;
}

// ---- The fault scan ----

// What a group of the scan does to the simulation (a critical fault also stops the engine below).
void applyScan(ScanCode code, SimState& s, Controls& c, Outcome& o) {
    switch (code) {
    case ScanCode::SpeedSensor: moveSlider(s, c, Slider::Speed, 0, o); break;
    case ScanCode::LoadSensor: moveSlider(s, c, Slider::Load, 0, o); break;
    case ScanCode::TemperatureSensor:
        moveSlider(s, c, Slider::Temperature, -20, o);
        s.ExhaustWarning = True;
        break;
    case ScanCode::VoltageSensing: moveSlider(s, c, Slider::Voltage, 10, o); break;
    case ScanCode::LambdaSensor:
        moveSlider(s, c, Slider::Lambda, 0, o);
        s.ExhaustWarning = True;
        break;
    case ScanCode::KnockSensor:
        s.KnockRetard = 0;
        s.KnockSensorFault = True;
        break;
    case ScanCode::FuelPressureLow:
        moveSlider(s, c, Slider::Lambda, 1, o);
        s.ExhaustWarning = True;
        break;
    case ScanCode::FuelPressureHigh:
        moveSlider(s, c, Slider::Lambda, -1, o);
        s.ExhaustWarning = True;
        break;
    case ScanCode::BatteryLow: {
        // A flat battery holds the system at four fifths of its healthy level: 11 V while the
        // alternator charges at 14 V, 10 V at the resting 12 V. The scan runs every second while
        // the engine runs, so the fault lowers the voltage to that level but never compounds: a
        // held fault keeps the voltage low instead of draining it further on every scan.
        const int healthy = s.EngineRunning == True ? 14 : 12;
        const Integer flat = healthy * 0.8;
        if (s.SystemVoltage > flat) s.SystemVoltage = flat;
        break;
    }
    case ScanCode::Overcharging: s.SystemVoltage = 16; break;
    case ScanCode::RectifierDiode: s.SystemVoltage = 13; break;
    case ScanCode::OutputCable: s.SystemVoltage = 12; break;
    case ScanCode::AlternatorEarth: s.SystemVoltage = 13; break;
    case ScanCode::ChargeLampWire:
    case ScanCode::ChargeLampTerminal: o.add(Event::Kind::ChargeLampOn); break;
    case ScanCode::Ignition:
    case ScanCode::Injectors:
    case ScanCode::FuelPump:
    case ScanCode::ControlUnit:
    case ScanCode::StarterSwitchSupply:
    case ScanCode::StarterSwitchContacts:
    case ScanCode::StarterMotor:
    case ScanCode::None: break;
    }
}

// The scan's groups in the order it tests them, each with whether one of its present faults is
// critical: a group is present when any of its faults is.
struct ScanGroup {
    bool present = false;
    bool critical = false;
};

}  // namespace

// The scan's report that cannot be written: the message, the engine stopped, the options
// window to choose a work area.
void reportUnwritable(SimState& s, Controls& c, const FileProblem& p, Outcome& out) {
    out.message(Texts::tr("Collect system data - Error number: %1 - %2\r\n\r\n"
                          "Check that the path is set to your work area (Tools, Options and click 'Set path')...")
                    .arg(QString::number(p.number), p.description),
                false);
    stopEngine(s, c, out);
    out.add(Event::Kind::ShowOptions);
}

void scan(SimState& s, StepInputs& in, Outcome& out) {
    Controls& c = in.controls;
    s.FileNumber = 1;  // the one general file number; nothing else is open on it here

    // The fault report comes first: when it cannot be written, the scan ends there and no
    // fault acts on the simulation.
    s.TempFolder = in.tempFolder;
    if (in.faultsReport.number != 0) {
        reportUnwritable(s, c, in.faultsReport, out);
        return;
    }
    ScanGroup groups[static_cast<int>(ScanCode::None)];
    for (const FaultInfo& f : faults()) {
        if (f.scan == ScanCode::None || !in.faults[static_cast<size_t>(f.number)]) continue;
        ScanGroup& g = groups[static_cast<int>(f.scan)];
        g.present = true;
        g.critical = g.critical || f.critical;
    }
    QStringList lines;
    for (int i = 0; i < static_cast<int>(ScanCode::None); ++i) {
        if (!groups[i].present) continue;
        const auto code = static_cast<ScanCode>(i);
        applyScan(code, s, c, out);
        if (groups[i].critical) s.CriticalFault = True;
        if (const char* line = scanLine(code)) lines << line;
    }
    Event report{Event::Kind::WriteReport, "Faults.scn", faultsReport(lines), 0, false};
    out.events.push_back(std::move(report));

    // A critical fault found while the engine runs: the engine is brought to rest and the
    // key turned off.
    if (s.CriticalFault == True && s.EngineRunning == True) {
        chooseAutoRun(s, c, false, out);
        s.EngineSpeed = 0;
        s.EngineLoad = 0;
        s.SystemVoltage = 12;
        out.status(Texts::tr("Critical fault condition..."));
        out.beep();
        out.pause(1.0);
        stopEngine(s, c, out);
    }

    s.TempFolder = in.tempFolder;
    if (in.scannerReport.number != 0) {
        reportUnwritable(s, c, in.scannerReport, out);
        return;
    }
    Snapshot reading = snapshotOf(s);
    reading.throttleOn = c.throttle == Throttle::On;
    out.events.push_back({Event::Kind::WriteReport, "Scanner.scn", scannerReport(reading), 0, false});
}

void step(SimState& s, StepInputs& in, Outcome& out) {
    findLookupCells(s);
    out.cellsMoved = true;
    if (!calculateOutputs(s, in, out)) {
        out.outputsFailed = true;
        return;
    }
    if (in.scan) scan(s, in, out);

    // Road speed from the gear selected.
    const int gear = in.controls.gear;
    if (gear == 0) {
        s.RoadSpeed = 0;
        if (s.EngineRunning == True) s.EngineLoad = 5;
    } else if (gear > 0) {
        s.RoadSpeed = ecu::roadSpeedFor(gear, s.EngineSpeed);
    }
    if (s.EngineSpeed < 801) s.RoadSpeed = 0;

    // Output check: the first output past its read-out's limit stops the engine.
    if (kTimingLimit < s.IgnitionTiming) {
        out.message(Texts::tr("Timing of %1 degrees BTDC is too far advanced, please edit the lookup data... ")
                        .arg(shownNumber(s.IgnitionTiming)),
                    true);
        stopEngine(s, in.controls, out);
    } else if (kDwellLimit < s.DwellPercentage) {
        out.message(Texts::tr("Dwell percentage %1 % is too high, please edit the lookup data... ")
                        .arg(shownNumber(s.DwellPercentage)),
                    true);
        stopEngine(s, in.controls, out);
    } else if (static_cast<float>(kInjectionLimit) < static_cast<float>(s.InjectionDuration)) {
        out.message(Texts::tr("Injection quantity %1 ms is incorrect, please edit the lookup data... ")
                        .arg(vb::strOnScreen(vb::intFloor(s.InjectionDuration))),
                    true);
        stopEngine(s, in.controls, out);
    } else {
        out.readings = refresh(s, in.controls);
    }
}

}  // namespace sim
