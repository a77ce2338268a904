#include "app/startup.h"

#include "app/main_window/frmabout.h"
#include "app/main_window/frmmainscreen.h"
#include "sim/simstate.h"
#include "challenges/frmchallenges.h"
#include "diagnostics/frmdiagnostics.h"
#include "engine/frmsimulation.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/warmup.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QStatusBar>
#include <future>
#include <optional>

namespace {

const int kOptionDefaults[10] = {0, 1, 0, 0, 0, 0, 1, 1, 0, 1};

// Runs one step of start-up: an error is reported and start-up goes on with the next step.
template <class F> void step(F&& f) {
    try {
        f();
    } catch (const VbError& e) {
        reportError(e.number, e.description, QString(), MsgIcon::Information);
    }
}

struct Picture {
    QImage image;
    QImageReader::ImageReaderError error = QImageReader::UnknownError;
};

// Reads the background picture, already scaled to cover the main window's working area.
Picture readBackground() {
    const QString file = findDataFile("background.jpg");
    Picture p;
    // Only a regular file is decoded: a FIFO of that name would hold start-up for ever.
    if (!isRegularFile(file)) {
        p.error = QImageReader::FileNotFoundError;
        return p;
    }
    QImageReader reader(file);
    p.image = reader.read();
    const QSize window = twRect(0, 0, 16000, 12000).size();
    if (p.image.isNull()) p.error = reader.error();
    else if (p.image.width() < window.width() && p.image.height() < window.height())
        p.image = p.image.scaled(window, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return p;
}

// Start-up decodes the picture on another thread while the windows are built.
std::future<Picture> g_prefetched;

void loadBackground(bool show) {
    BackgroundArea* area = mainWindow()->mdi();
    Picture p = g_prefetched.valid() ? g_prefetched.get() : Picture();
    if (!show) {
        area->setPicture(QPixmap());
        return;
    }
    if (p.image.isNull() && p.error == QImageReader::UnknownError) p = readBackground();
    if (p.image.isNull()) {
        area->setPicture(QPixmap());
        if (p.error == QImageReader::FileNotFoundError) raiseError(53, "File not found: background.jpg");
        raiseError(481, "Invalid picture: background.jpg");
    }
    area->setPicture(QPixmap::fromImage(std::move(p.image)));
}

}  // namespace

void LoadOptions() {
    for (int i = 0; i <= 9; ++i) {
        const QString text = GetSetting("ZRsettings", "ZRsetting" + QString::number(i),
                                        QString::number(kOptionDefaults[i]));
        bool ok = false;
        const int v = text.trimmed().toInt(&ok);
        // A stored value that is not a 16-bit integer counts as the option's default.
        OptionFlags[i] = ok && v >= -32768 && v <= 32767 ? v : kOptionDefaults[i];
    }
}

void ApplyOptions() {
    // Each option is applied even when an earlier one fails (a missing background picture
    // must not leave the status bar or the trip reset unapplied); the first error is then
    // passed on to the caller, whose handler reports it.
    std::optional<VbError> firstError;
    auto apply = [&firstError](auto&& f) {
        try {
            f();
        } catch (const VbError& e) {
            if (!firstError) firstError = e;
        }
    };

    apply([] { chdirToAppFolder(); });
    apply([] {
        const bool editable = OptionFlags[0] == 1 && LoggedIn == True;
        frm<FRMsimulation>()->setTablesEditable(editable);
        if (auto* diag = Forms::get<frmDiagnostics>()) diag->setRoutinesEnabled(editable);
    });
    apply([] { loadBackground(OptionFlags[1] == 1); });
    apply([] { frm<FRMsimulation>()->setCoverVisible(OptionFlags[2] != 1); });
    apply([] {
        if (Form* diag = Forms::get("frmDiagnostics")) {
            if (OptionFlags[3] == 1) diag->showForm();
            else if (!diag->formVisible()) diag->hideForm();
        }
    });
    apply([] {
        if (Form* faults = Forms::get("frmFaults")) {
            if (OptionFlags[4] == 1) faults->showForm();
            else faults->hideForm();
        }
    });
    apply([] {
        if (OptionFlags[5] == 1) {
            EngineRunning = False;
            mainWindow()->menuRunStartStopEngine_Click();
        }
    });
    apply([] { mainWindow()->statusBar()->setVisible(OptionFlags[6] == 1); });
    // The challenges window turns into the editor for a logged-in instructor.
    apply([] {
        if (auto* c = Forms::find<frmChallenges>()) c->applyMode();
    });
    apply([] {
        if (OptionFlags[7] == 1) {
            if (Form* tip = Forms::get("frmTip")) tip->showForm();
        } else {
            Forms::unload("frmTip");
        }
    });
    apply([] {
        // Hiding needs no window: one that is not loaded is not loaded for it.
        if (OptionFlags[8] == 1) {
            if (Form* user = Forms::get("frmUserDetails")) user->showForm();
        } else if (Form* user = Forms::find("frmUserDetails")) {
            user->hideForm();
        }
    });
    apply([] {
        if (OptionFlags[9] == 1) {
            ElapsedTime = 0;
            TripDistance = 0;
            FuelUsed = 0;
        }
    });
    if (firstError) throw *firstError;
}

void Main() {
    // 2. Splash window for two seconds. It is the first window to show text, so the fonts
    // prepared on the warm-up thread must be ready first; while they load, the main window's
    // frame is built (hidden: it is shown in its place below).
    warmupWithApplication();
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
    ToolMode = 1;
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
            MsgBox("The stored settings could not be read, so the default settings are used.\r\n"
                   "A clean settings file is written when the program ends.",
                   MsgButtons::OK, MsgIcon::Exclamation);
    });
    FuelLevel = 60;

    // 8. Main window.
    createMainWindow();
    mainWindow()->show();
    SetStatus("Loading, please wait...");
    // Let the main window appear with its "Loading" line while the other windows load.
    // (No timer is running yet and user input waits, so nothing else can run here.)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    warmupPictureFormats();
    // The background picture is decoded on another thread while the other windows load.
    g_prefetched = std::async(std::launch::async, readBackground);

    // 9. The simulation windows, loaded hidden.
    for (const char* name : {"FRMsimulation", "frmInstruments", "frmTripComputer", "frmFaults", "frmStarting",
                             "frmCharging", "frmDiagnostics"})
        step([name] { Forms::get(name); });

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
