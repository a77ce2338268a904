#include "engine/engineview.h"

#include "electrical/frmcharging.h"
#include "electrical/frminstruments.h"
#include "electrical/frmstarting.h"
#include "electrical/startstop.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "engine/lookuptable.h"
#include "faults/faults.h"
#include "faults/frmfaults.h"
#include "faults/reports.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/status.h"
#include "platform/vbtypes.h"
#include "users/users.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cstring>

namespace engineview {

namespace {

QScrollBar* sliderOf(FRMsimulation* w, sim::Slider s) {
    switch (s) {
    case sim::Slider::Speed: return w->HSB_engine_speed;
    case sim::Slider::Load: return w->HSB_engine_load;
    case sim::Slider::Temperature: return w->HSB_engine_temperature;
    case sim::Slider::Voltage: return w->HSB_system_voltage;
    case sim::Slider::Lambda: return w->HSB_Lambda;
    }
    return nullptr;
}

constexpr sim::Slider kSliders[] = {sim::Slider::Speed, sim::Slider::Load, sim::Slider::Temperature,
                                    sim::Slider::Voltage, sim::Slider::Lambda};

// Writes a read-out only when its text changes.
void showText(QLineEdit* box, const QString& text) {
    if (box->text() == text) return;
    box->setText(text);
    box->setCursorPosition(0);  // a long number shows from its first digit
}
void showNumber(QLineEdit* box, int value) { showText(box, QString::number(value)); }

// The injection time's text, worked out again only when the value changed since the last
// call (the engine holds it for seconds at a time).
QString injectionText(double value) {
    static double last = 0;
    static QString text = vb::strSingle(0.0);
    if (std::memcmp(&last, &value, sizeof value) != 0) {
        last = value;
        text = vb::strSingle(value);
    }
    return text;
}

void check(QAbstractButton* button, bool on) {
    if (button->isChecked() == on) return;
    const QSignalBlocker quiet(button);
    button->setChecked(on);
}

// A report the scan could not write after all (the disk filled, say): reported as the scan
// reports a folder it cannot write.
void reportWriteFailure(const VbError& e) {
    sim::Controls c = gatherControls();
    sim::Outcome out;
    sim::reportUnwritable(programState(), c, {e.number, e.description}, out);
    play(out, c);
}

}  // namespace

sim::Controls gatherControls() {
    frmControls* controls = frm<frmControls>();
    FRMsimulation* w = frm<FRMsimulation>();
    sim::Controls c;
    c.gear = -1;
    for (int gear = 0; gear <= 6; ++gear) {
        if (controls->optGear[gear]->isChecked()) {
            c.gear = gear;
            break;
        }
    }
    c.throttle = controls->optThrottleOff->isChecked()    ? sim::Throttle::Off
                 : controls->optThrottleOn->isChecked()   ? sim::Throttle::On
                 : controls->optThrottleFull->isChecked() ? sim::Throttle::Full
                                                          : sim::Throttle::None;
    c.autoRun = controls->chkAuto->isChecked();
    for (sim::Slider s : kSliders) c.slider(s) = sliderOf(w, s)->value();
    return c;
}

sim::StepInputs gatherInputs(bool scan) {
    sim::StepInputs in;
    in.controls = gatherControls();
    FRMsimulation* w = frm<FRMsimulation>();
    in.timing = w->Data1;
    in.dwell = w->Data2;
    in.injection = w->Data3;
    in.scan = scan;
    if (scan || ExhaustWarning == True)
        in.faults = PresentFaults();
    if (scan) {
        chdirToAppFolder();
        in.tempFolder = GetTempFolder();
        // Whether the two reports can be written there, as the scan is about to find out.
        auto probe = [&](const QString& name, sim::FileProblem* problem) {
            try {
                reports::ReportFile(in.tempFolder + name);
            } catch (const VbError& e) {
                problem->number = e.number;
                problem->description = e.description;
            }
        };
        probe("Faults.scn", &in.faultsReport);
        probe("Scanner.scn", &in.scannerReport);
    }
    return in;
}

void showControls(const sim::Controls& c) {
    frmControls* controls = frm<frmControls>();
    if (c.gear >= 0) check(controls->optGear[c.gear], true);
    switch (c.throttle) {
    case sim::Throttle::Off: check(controls->optThrottleOff, true); break;
    case sim::Throttle::On: check(controls->optThrottleOn, true); break;
    case sim::Throttle::Full: check(controls->optThrottleFull, true); break;
    case sim::Throttle::None: break;
    }
    check(controls->chkAuto, c.autoRun);
    FRMsimulation* w = frm<FRMsimulation>();
    for (int i = 0; i < sim::kSliderCount; ++i) {
        QScrollBar* bar = sliderOf(w, kSliders[i]);
        if (bar->value() == c.sliders[i]) continue;
        const QSignalBlocker quiet(bar);
        bar->setValue(c.sliders[i]);
    }
}

void showReadings(const sim::Readings& r) {
    FRMsimulation* sim = frm<FRMsimulation>();
    frmCharging* charging = frm<frmCharging>();
    frmStarting* starting = frm<frmStarting>();

    showNumber(sim->speed, r.speed);
    showNumber(sim->load, r.load);
    showNumber(sim->temp, r.temperature);
    showNumber(sim->volts, r.volts);
    showNumber(sim->timing, r.timing);
    showNumber(sim->dwell, r.dwell);
    showText(sim->fuel, injectionText(r.injection));

    showNumber(charging->txtOutputVoltage, r.volts);
    showNumber(charging->txtEngineSpeed, r.speed);
    showNumber(starting->txtVoltage, r.volts);
    showNumber(charging->txtAlternatorSpeed, r.alternatorSpeed);

    sim->showOutputBars(r.timing, r.dwell, static_cast<float>(r.injection));
    charging->pbrSystemVolts->setValue(
        qBound(charging->pbrSystemVolts->minimum(), r.volts, charging->pbrSystemVolts->maximum()));

    const QString column = QString::number(r.column);
    if (sim->text3->text() != column) sim->text3->setText(column);
    // A stopped engine uses no map cell.
    if (!r.running) sim->clearOperatingPoint();
}

void play(const sim::Outcome& out, const sim::Controls& c) {
    // The cells in use are marked first, as the step chose them before anything else happened
    // (a stop later in the step clears the mark again).
    if (out.cellsMoved) frm<FRMsimulation>()->moveCurrentCells(SpeedIndex, LoadIndex, VoltageIndex);
    bool reportsFailed = false;
    for (const sim::Event& e : out.events) {
        switch (e.kind) {
        case sim::Event::Kind::Status: SetStatus(e.text); break;
        case sim::Event::Kind::Message:
            MsgBox(e.text, MsgButtons::OK, e.critical ? MsgIcon::Critical : MsgIcon::Information);
            break;
        case sim::Event::Kind::Beep: Beep(); break;
        case sim::Event::Kind::Pause: Pause(e.seconds); break;
        case sim::Event::Kind::EngineStopped:
            showControls(c);
            showEngineStopped();
            break;
        case sim::Event::Kind::KnockText: frm<FRMsimulation>()->txbknock->setText(e.text); break;
        case sim::Event::Kind::LambdaText: frm<FRMsimulation>()->lambda->setText(e.text); break;
        case sim::Event::Kind::ChargeLampOn: frm<frmInstruments>()->lblChargeWL->setVisible(true); break;
        case sim::Event::Kind::WriteReport:
            if (reportsFailed) break;
            try {
                // The step checked both files before it ran (gatherInputs).
                reports::writeChecked(TempFolder + e.text, e.lines);
            } catch (const VbError& error) {
                reportsFailed = true;
                reportWriteFailure(error);
            }
            break;
        case sim::Event::Kind::ShowOptions: ShowOptionsWindow(); break;
        }
    }
    showControls(c);
    if (out.readings) showReadings(*out.readings);
}

void run(ModelCall call, bool scan) {
    sim::StepInputs in = gatherInputs(scan);
    sim::Outcome out;
    try {
        call(programState(), in, out);
    } catch (...) {
        play(out, in.controls);
        throw;
    }
    play(out, in.controls);
}

void refreshReadings() {
    sim::Controls c = gatherControls();
    const sim::Readings r = sim::refresh(programState(), c);
    showReadings(r);
    showControls(c);
}

}  // namespace engineview
