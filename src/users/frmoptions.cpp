#include "users/frmoptions.h"
#include "users/users.h"

#include "platform/status.h"
#include "app/options.h"
#include "sim/simstate.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QCheckBox>
#include <QPushButton>

REGISTER_FORM(frmOptions)

namespace {
const char* const kCaptions[option::kCount] = {
    "Allow database and look up tables data to be edited",
    "Show background picture",
    "Show look up tables (hide ECU picture)",
    "Show diagnostic screen at startup",
    "Show faults screen at startup",
    "Start engine when program starts",
    "Show status bar",
    "Show tip of the day at startup",
    "Display 'User Details' at startup",
    "Reset Trip computer at startup",
};
constexpr int kRow = 360;  // twips from one box to the next
}  // namespace

frmOptions::frmOptions() : Form(Kind::Dialog) {
    parentToMainWindow(this);
    setCaption("Options");
    // The last option stands at the top.
    for (int i = 0; i < option::kCount; ++i) {
        Check1[i] = makeCheckBox(this, arrayName("Check1", i), kCaptions[i], T(240, 180 + (9 - i) * kRow, 5400, 330));
        // The click handling runs whenever a box's value changes, by the user or by the load.
        connect(Check1[i], &QCheckBox::toggled, this, guarded([this, i] { Check1_Click(i); }));
    }
    cmdOK = makeButton(this, "cmdOK", "&OK", T(2400, 180 + 10 * kRow + 60, 1200, 375));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, guarded([this] { cmdOK_Click(); }));
}

void frmOptions::onLoad() {
    setTwips(500, 500, 5900, 180 + 10 * kRow + 60 + 375 + 240);
    LoadOptions();
    // A box is ticked for the value 1 only: the program takes any other stored number as off,
    // and the box shows what the program does.
    for (int i = 0; i < option::kCount; ++i) Check1[i]->setChecked(OptionFlags[i] == 1);
}


void frmOptions::Check1_Click(int index) {
    // The diagnostic screen at start-up and the engine started at start-up exclude each other.
    if (index == 3 && Check1[3]->isChecked()) Check1[5]->setChecked(false);
    else if (index == 5 && Check1[5]->isChecked()) Check1[3]->setChecked(false);
}

void frmOptions::cmdOK_Click() {
    // Each step that fails is reported and the next one runs: the options still take effect
    // and the window still closes.
    auto step = [](auto&& f) {
        try {
            f();
        } catch (const VbError& e) {
            reportError(e.number, e.description, QString(), MsgIcon::Information);
        }
    };
    // The ten values go in one write, in index order: the store keeps all or none of them.
    step([this] {
        QList<SettingValue> values;
        for (int i = 0; i < option::kCount; ++i)
            values.append({"ZRsettings", optionSettingKey(i), Check1[i]->isChecked() ? "1" : "0"});
        SaveSettings(values);
    });
    step([] { LoadOptions(); });
    step([] { ApplyOptions(); });
    unloadForm();
}

void ShowOptionsWindow() { frm<frmOptions>()->showForm(); }
