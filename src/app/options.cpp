#include "app/options.h"

#include <QCoreApplication>

#include "app/main_window/frmmainscreen.h"
#include "challenges/frmchallenges.h"
#include "diagnostics/frmdiagnostics.h"
#include "electrical/startstop.h"
#include "engine/frmsimulation.h"
#include "faults/frmfaults.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/theme.h"
#include "sim/simstate.h"
#include "users/frmtip.h"
#include "users/frmuserdetails.h"

#include <QImageReader>
#include <QStatusBar>
#include <future>
#include <optional>

namespace {

struct OptionTexts {
    Q_DECLARE_TR_FUNCTIONS(Options)
};


const int kOptionDefaults[option::kCount] = {0, 1, 0, 0, 0, 0, 1, 1, 0, 1};

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
        if (p.error == QImageReader::FileNotFoundError) raiseError(53, OptionTexts::tr("File not found: background.jpg"));
        raiseError(481, OptionTexts::tr("Invalid picture: background.jpg"));
    }
    area->setPicture(QPixmap::fromImage(std::move(p.image)));
}

}  // namespace

QString optionSettingKey(int index) { return "ZRsetting" + QString::number(index); }

void prefetchBackground() { g_prefetched = std::async(std::launch::async, readBackground); }

void LoadOptions() {
    for (int i = 0; i < option::kCount; ++i) {
        const QString text = GetSetting("ZRsettings", optionSettingKey(i),
                                        QString::number(kOptionDefaults[i]));
        bool ok = false;
        const int v = text.trimmed().toInt(&ok);
        // A stored value that is not a 16-bit integer counts as the option's default.
        OptionFlags[i] = ok && v >= -32768 && v <= 32767 ? v : kOptionDefaults[i];
    }
    // The theme the windows are drawn in.
    theme::loadFromSettings();
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
        const bool editable = OptionFlags[option::EditTables] == 1 && LoggedIn == True;
        frm<FRMsimulation>()->setTablesEditable(editable);
        if (auto* diag = Forms::get<frmDiagnostics>()) diag->setRoutinesEnabled(editable);
    });
    apply([] { loadBackground(OptionFlags[option::BackgroundPicture] == 1); });
    apply([] { frm<FRMsimulation>()->setCoverVisible(OptionFlags[option::ShowTables] != 1); });
    apply([] {
        Form* diag = frm<frmDiagnostics>();
        if (OptionFlags[option::ShowDiagnostics] == 1) diag->showForm();
        else if (!diag->formVisible()) diag->hideForm();
    });
    apply([] {
        Form* faults = frm<frmFaults>();
        if (OptionFlags[option::ShowFaults] == 1) faults->showForm();
        else faults->hideForm();
    });
    apply([] {
        if (OptionFlags[option::StartEngine] == 1) {
            EngineRunning = False;
            RunStartStopEngine();
        }
    });
    apply([] { mainWindow()->statusBar()->setVisible(OptionFlags[option::StatusBar] == 1); });
    // The challenges window turns into the editor for a logged-in instructor.
    apply([] {
        if (auto* c = Forms::find<frmChallenges>()) c->applyMode();
    });
    apply([] {
        if (OptionFlags[option::TipOfTheDay] == 1) frm<frmTip>()->showForm();
        else Forms::unload<frmTip>();
    });
    apply([] {
        // Hiding needs no window: one that is not loaded is not loaded for it.
        if (OptionFlags[option::UserDetails] == 1) frm<frmUserDetails>()->showForm();
        else if (Form* user = Forms::find<frmUserDetails>()) user->hideForm();
    });
    apply([] {
        if (OptionFlags[option::ResetTrip] == 1) {
            ElapsedTime = 0;
            TripDistance = 0;
            FuelUsed = 0;
        }
    });
    if (firstError) throw *firstError;
}


void ApplyOptionsAtLogin() {
    Form* faults = Forms::find<frmFaults>();
    const bool faultsShown = faults && faults->formVisible();
    try {
        ApplyOptions();
    } catch (const VbError& e) {
        reportError(e.number, e.description, QString(), MsgIcon::Critical);
    }
    if (faultsShown) frm<frmFaults>()->showForm();
}
