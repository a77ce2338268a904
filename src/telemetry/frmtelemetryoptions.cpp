#include "frmtelemetryoptions.h"

#include "sim/simstate.h"
#include "platform/guard.h"
#include "platform/numbers.h"
#include "platform/picturebox.h"
#include "telemetry/gauge.h"
#include "telemetry/telemetrydevice.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

REGISTER_FORM(frmTelemetryOptions)

namespace {
constexpr int kWidth = 4500, kHeight = 2600;  // twips

int selectedGauge() {
    const int g = SelectedGauge;
    if (g < 1 || g > 3) raiseError(9, frmTelemetryOptions::tr("Subscript out of range"));
    return g;
}
}  // namespace

frmTelemetryOptions::frmTelemetryOptions() {
    setCaption(tr("Telemetry Gauge Options"));
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    lblOptions = makeLabel(this, "lblOptions", tr("Telemetry gauge number:"), T(120, 90, 4200, 240));
    lblGaugeTitle = makeLabel(this, "lblGaugeTitle", tr("Gauge title"), T(120, 360, 4200, 240));
    cmbSelectInput = new QComboBox(this);
    cmbSelectInput->setObjectName("cmbSelectInput");
    cmbSelectInput->setAccessibleName(tr("What the gauge shows"));
    for (const telemetry::ChannelEntry& e : telemetry::channelEntries()) cmbSelectInput->addItem(telemetry::shownEntry(e));
    cmbSelectInput->setGeometry(twRect(120, 660, 2900, 330));
    optBar = makeOption(this, "optBar", tr("Bar Gauge"), T(120, 1080, 1375, 270));
    optClock = makeOption(this, "optClock", tr("Clock gauge"), T(120, 1380, 1375, 270));
    const char* samples[] = {"", "fraSample2", "fraSample3", "fraSample4"};
    for (int i = 1; i <= 3; ++i) {
        picOptions[i] = new PictureBox(this);
        picOptions[i]->setObjectName(arrayName("picOptions", i));
        picOptions[i]->setGeometry(twRect(1500 + (i - 1) * 960, 1020, 900, 660));
        picOptions[i]->setBackColor(palette().color(QPalette::Window));
        makeFrame(picOptions[i], samples[i], tr("Sample %1").arg(i + 1), T(0, 0, 900, 660));
    }
    cmdOK = makeButton(this, "cmdOK", tr("OK"), T(2100, 1800, 1050, 360));
    cmdOK->setDefault(true);
    cmdCancel = makeButton(this, "cmdCancel", tr("Cancel"), T(3270, 1800, 1050, 360));
    connect(optBar, &QRadioButton::clicked, this, guarded([this] { optBar_Click(); }));
    connect(optClock, &QRadioButton::clicked, this, guarded([this] { optClock_Click(); }));
    connect(cmdOK, &QPushButton::clicked, this, guarded([this] { cmdOK_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, guarded([this] { cmdCancel_Click(); }));
}

void frmTelemetryOptions::onLoad() {
    // Just above the instrument.
    const TelemetryDevice* device = TelemetryDevice::instrumentDevice();
    if (device) {
        const QRect scope = device->window()->twipsGeometry();
        setTwips(scope.x(), scope.y() - kHeight - 100, kWidth, kHeight);
    }
    lblOptions->setText(tr("Telemetry chart and gauge number:  %1").arg(int(SelectedGauge)));
    const int g = selectedGauge();
    // An instrument that cannot be had shows no channel on any gauge.
    lblGaugeTitle->setText(tr("Current assignment: %1")
                               .arg(device ? device->gaugeTitle(g) : TelemetryDevice::tr(TelemetryDevice::kUnassignedTitle)));
}

void frmTelemetryOptions::optBar_Click() { GaugeStyle[selectedGauge()] = QStringLiteral("Bar"); }

void frmTelemetryOptions::optClock_Click() { GaugeStyle[selectedGauge()] = QStringLiteral("Clock"); }

void frmTelemetryOptions::cmdOK_Click() {
    const int g = selectedGauge();
    const QString t = cmbSelectInput->currentText();
    GaugeChannel[g] = vb::roundHalfEven(vb::val(t.left(2)));
    const int channel = GaugeChannel[g];
    if (channel >= 1 && channel <= 11) GaugeMax[g] = telemetry::fullScaleOf(channel);
    if (TelemetryDevice* device = TelemetryDevice::instrumentDevice()) device->assignGauge(g, t.mid(3), GaugeMax[g]);
    unloadForm();
}

void frmTelemetryOptions::cmdCancel_Click() { unloadForm(); }
