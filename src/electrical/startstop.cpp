#include "electrical/startstop.h"
#include "multiscope/displays.h"
#include "multiscope/multiscope.h"
#include "platform/picturebox.h"

#include <QPushButton>

#include "electrical/frminstruments.h"
#include "platform/status.h"
#include "sim/simstate.h"
#include "electrical/frmcharging.h"
#include "electrical/frmstarting.h"
#include "engine/ecu.h"
#include "engine/engineview.h"
#include "sim/ecumath.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "faults/faults.h"
#include "faults/frmfaults.h"
#include "sim/engine.h"
#include "platform/platform.h"
#include "platform/services.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>

// Windows are looked up again after every yield: a window closed while the key is held
// is loaded afresh instead of being used after it has gone.

namespace {

// The cranking speed on the engine-management and starting windows.
void showCrankingSpeed() {
    const QString text = QString::number(EngineSpeed);
    frm<FRMsimulation>()->speed->setText(text);
    frmStarting* starting = frm<frmStarting>();
    starting->txtCrankingSpeed->setText(text);
    starting->pbrStarter->setValue(qBound(0, int(EngineSpeed), starting->pbrStarter->maximum()));
}

void startSequence() {
    // 1-3. Neutral, the starter's speed for this battery, everything at rest.
    frm<frmControls>()->optGear[0]->setChecked(true);
    CrankingSpeed = SystemVoltage * 11;
    sim::restEngine(programState());
    RefreshReadings();

    // 4-7. Key to the cranking position: the starter's load drops the voltage.
    SetStatus("Engine is ready to start...");
    DoEvents();
    Pause(1.0);
    EngineLoad = 5;
    SystemVoltage = SystemVoltage - 1;
    RefreshReadings();
    IgnitionTiming = 9;
    DwellPercentage = 35;
    InjectionDuration = ecu::crankingInjectionFor(EngineTemperature);
    SetStatus("Cranking position...");
    frm<frmControls>()->lblStatus->setText("Cranking position...");
    EngineCranking = True;

    // 8. Injected faults.
    sim::FaultSet faults;
    for (int n = 1; n <= frmFaults::kFaultCount; ++n) faults[n] = FaultPresent(n);
    sim::applyCrankingFaults(programState(), faults);
    if (faults[36]) {  // the flat battery shows on the voltage sliders
        frm<FRMsimulation>()->HSB_system_voltage->setValue(9);
        frm<frmStarting>()->hsbVoltage->setValue(9);
    }

    // 9. A fault that stops the starter: the key rests in the cranking position.
    RefreshReadings();
    if (CriticalFault == True) return;

    // 10. Cranking ramp. The shared loop counter follows the ramp, but the ramp keeps its
    // own count so that other users of the counter (events run in between) cannot move it.
    const int rampEnd = CrankingSpeed;
    for (int speed = 70; speed <= rampEnd; ++speed) {
        LoopIndex = speed;
        EngineSpeed = speed;
        showCrankingSpeed();
        DoEvents();
        Pause(0.1);
    }
    LoopIndex = rampEnd >= 70 ? rampEnd + 1 : 70;  // where a counted loop leaves its counter

    // 11. Compression strokes make the speed wobble.
    for (int stroke = 0; stroke < 10; ++stroke) {
        CrankingSpeed += 5;
        EngineSpeed = CrankingSpeed;
        showCrankingSpeed();
        DoEvents();
        Pause(0.3);
        CrankingSpeed -= 5;
        EngineSpeed = CrankingSpeed;
        showCrankingSpeed();
        frmCharging* charging = frm<frmCharging>();
        charging->txtOutputVoltage->setText(QString::number(SystemVoltage));
        charging->txtEngineSpeed->setText(QString::number(EngineSpeed));
        DoEvents();
        Pause(0.3);
    }
    RefreshReadings();

    // 13. Too slow to start.
    if (CrankingSpeed < 100) {
        MsgBox("Engine not cranking fast enough to start...", MsgButtons::OK, MsgIcon::Critical);
        StopEngine();
        return;
    }

    // 14. A fault appeared while cranking: keep cranking for tests, or give up.
    if (CriticalFault == True) {
        const MsgAnswer answer = MsgBox(
            "There is a fault present. Click OK to keep the engine cranking for faultfinding...\r\n\r\n"
            "Click ignition key again after tests are complete. ",
            MsgButtons::OKCancel, MsgIcon::Critical);
        if (answer == MsgAnswer::OK) {
            SetStatus("Engine cranking for testing...");
            return;
        }
        SetStatus("Engine stopped...");
        EngineCranking = False;
        EngineSpeed = 0;
        EngineLoad = 0;
        SystemVoltage = 12;
        RefreshReadings();
        Pause(1.0);
        SetStatus("Ready...");
        return;
    }

    // 15. The engine starts and settles at idle with the alternator charging.
    frm<FRMsimulation>()->speed->setText("0");
    frmStarting* starting = frm<frmStarting>();
    starting->txtCrankingSpeed->setText("0");
    starting->pbrStarter->setValue(0);
    EngineSpeed = 800;
    EngineLoad = 10;
    SystemVoltage = 14;
    RefreshReadings();
    SetStatus("Engine is running...");
    DoEvents();
    Pause(1.0);
    EngineRunning = True;
    frm<frmControls>()->lblStatus->setText("Engine is running...");
    EngineCranking = False;
    SetStatus("Ready...");
}

void stopSequence() {
    sim::Controls controls = engineview::gatherControls();
    sim::Outcome out;
    sim::stopEngine(programState(), controls, out);
    engineview::play(out, controls);
}

}  // namespace

void showEngineStopped() {
    frm<frmControls>()->lblStatus->setText("Engine is stopped...");
    frmStarting* starting = frm<frmStarting>();
    starting->pbrStarter->setValue(0);
    starting->txtCrankingSpeed->setText("0");

    // The instrument's probes come off: blank waveform, terminal free, current tool again.
    chdirToAppFolder();
    MultiScope* scope = frm<MultiScope>();
    try {
        ShowWaveform("Blank.msf");
    } catch (const VbError&) {
        // Without the blank waveform the last trace stays; the probes still come off.
    }
    scope->setTerminalText("Drag/Drop Connections Here...");
    if (ToolMode == tool::Telemetry) {  // the telemetry picture comes to the front of the window as it is
        scope->picTelemetry->setVisible(true);
        scope->picTelemetry->raise();
    } else {
        scope->reshowDevice();
    }
}

void RunStartStopEngine() {
    SetStatus("Ready...");
    frm<frmControls>()->showForm();
    frm<frmInstruments>()->showForm();
    StartStopEngine();
}

void StartStopEngine() {
    if (EngineRunning == True || EngineCranking == True) stopSequence();
    else startSequence();
}

void StopEngine() {
    if (EngineRunning == True || EngineCranking == True) stopSequence();
}
