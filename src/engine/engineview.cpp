#include "engineview.h"

#include "electrical/electrical.h"
#include "electrical/startstop.h"
#include "engine/frmcontrols.h"
#include "engine/frmsimulation.h"
#include "engine/lookuptable.h"
#include "faults/faults.h"
#include "faults/reports.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/status.h"
#include "platform/vbtypes.h"
#include "sim/session.h"
#include "users/users.h"

namespace engineview {

namespace {

// A report the scan could not write after all (the disk filled, say): reported as the scan
// reports a folder it cannot write.
void reportWriteFailure(const VbError& e) {
    sim::Controls c = gatherControls();
    sim::Outcome out;
    sim::reportUnwritable(programState(), c, {e.number, e.description}, out);
    play(out, c);
}

// The driver's windows are loaded before their controls are read or set: a window loaded
// afresh puts its controls, at rest, into the session.
void loadControlWindows() {
    frm<frmControls>();
    frm<FRMsimulation>();
}

}  // namespace

sim::Controls gatherControls() {
    loadControlWindows();
    return sim::session().controls();
}

sim::StepInputs gatherInputs(bool scan) {
    sim::StepInputs in;
    in.controls = gatherControls();
    FRMsimulation* w = frm<FRMsimulation>();
    in.timing = w->lookupTable(FRMsimulation::Map::Timing);
    in.dwell = w->lookupTable(FRMsimulation::Map::Dwell);
    in.injection = w->lookupTable(FRMsimulation::Map::Injection);
    in.scan = scan;
    if (scan || ExhaustWarning == True)
        in.faults = sim::session().faults();
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
    loadControlWindows();
    // The windows follow the session without running their controls' handlers.
    sim::session().setControls(c);
}

void showReadings(const sim::Readings& r) {
    FRMsimulation* sim = frm<FRMsimulation>();
    sim->showReadings(r);
    electrical::showReadings(r.volts, r.speed, r.alternatorSpeed);
    sim->showOutputBars(r.timing, r.dwell, static_cast<float>(r.injection));
    sim->showOperatingColumn(r);
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
        case sim::Event::Kind::KnockText: frm<FRMsimulation>()->showKnockText(e.text); break;
        case sim::Event::Kind::LambdaText: frm<FRMsimulation>()->showLambdaText(e.text); break;
        case sim::Event::Kind::ChargeLampOn: electrical::setChargeLight(true); break;
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
