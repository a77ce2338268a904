#include "app/startup.h"

#include "app/main_window/frmabout.h"
#include "app/main_window/frmmainscreen.h"
#include "sim/simstate.h"
#include "challenges/frmchallenges.h"
#include "diagnostics/frmdiagnostics.h"
#include "electrical/frmcharging.h"
#include "electrical/frminstruments.h"
#include "electrical/frmstarting.h"
#include "electrical/frmtripcomputer.h"
#include "engine/frmsimulation.h"
#include "faults/frmfaults.h"
#include "multiscope/instrument.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/programstyle.h"
#include "platform/services.h"
#include "platform/warmup.h"

#include <QCoreApplication>

namespace {

struct StartupTexts {
    Q_DECLARE_TR_FUNCTIONS(Startup)
};


// Runs one step of start-up: an error is reported and start-up goes on with the next step.
template <class F> void step(F&& f) {
    try {
        f();
    } catch (const VbError& e) {
        reportError(e.number, e.description, QString(), MsgIcon::Information);
    }
}

// Loads windows hidden, one step each.
template <class... T> void loadHidden() { (step([] { frm<T>(); }), ...); }

}  // namespace

void Main() {
    // 2. Splash window for two seconds. It is the first window to show text, so the fonts
    // prepared on the warm-up thread must be ready first; while they load, the main window's
    // frame is built (hidden: it is shown in its place below).
    warmupWithApplication();
    installProgramStyle();
    // A connection point's keys connect it as a drop on the instrument does.
    DragLabel::setConnectHandler(instrument::connectLabel);
    step([] {
        Form* splash = frm<frmSplash>();
        createMainWindow();
        finishWarmup();
        splash->showForm();
        DoEvents();
        Pause(2);
        splash->unloadForm();
    });

    // 3. Start values.
    EngineRunning = False;
    ExhaustWarning = False;
    CriticalFault = False;
    KnockSensorFault = False;
    ToolMode = tool::None;
    SystemVoltage = 12;
    ConnectionName = "Blank";
    PanelWidth = 3000;

    // 4-7. Working folder, options, trip figures, fuel.
    step([] { chdirToAppFolder(); });
    step([] { LoadOptions(); });
    step([] {
        TripDistance = Figure::fromText(GetSetting("Trip_Computer", "Trip_Distance", "0"));
        ArrivalDistance = Figure::fromText(GetSetting("Trip_Computer", "Arrival_Distance", "0"));
        ElapsedTime = Figure::fromText(GetSetting("Trip_Computer", "Elapsed_Time", "0"));
        Mileage = Figure::fromText(GetSetting("Instruments", "mileage", "0"));
    });
    step([] {
        if (settingsWereDamaged())
            MsgBox(StartupTexts::tr("The stored settings could not be read, so the default settings are used.\r\n"
                                    "A clean settings file is written when the program ends."),
                   MsgButtons::OK, MsgIcon::Exclamation);
    });
    FuelLevel = 60;

    // 8. Main window.
    createMainWindow();
    mainWindow()->show();
    SetStatus(StartupTexts::tr("Loading, please wait..."));
    // Let the main window appear with its "Loading" line while the other windows load.
    // (No timer is running yet and user input waits, so nothing else can run here.)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    warmupPictureFormats();
    // The background picture is decoded on another thread while the other windows load.
    prefetchBackground();

    // 9. The simulation windows, loaded hidden.
    loadHidden<FRMsimulation, frmInstruments, frmTripComputer, frmFaults, frmStarting, frmCharging, frmDiagnostics>();

    // 10. The diagnostics window's record sources.
    step([] {
        if (auto* diag = Forms::get<frmDiagnostics>()) diag->connectDatabase();
    });

    // 11-13. Options, the main timer, and the main window to the front.
    step([] { ApplyOptions(); });
    mainWindow()->tmrMain()->setEnabled(true);
    mainWindow()->show();
    mainWindow()->raise();
    mainWindow()->activateWindow();
}
