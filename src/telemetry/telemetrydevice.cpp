#include "telemetrydevice.h"
#include "telemetry/frmtelemetryoptions.h"

#include "sim/simstate.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/guard.h"
#include "platform/numbers.h"
#include "platform/picturebox.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "telemetry/circuit.h"
#include "telemetry/gauge.h"
#include "telemetry/telemetrystore.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QJsonArray>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <cmath>

using namespace telemetry;

namespace {
const QColor kChartLine(128, 0, 0);  // dark red, entry 4 of the 16-colour palette
const QColor kChartBack(250, 250, 244);
const QColor kViewBack(214, 218, 210);

// Virtual key codes of the keys the device answers.
int virtualKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: return 0;
    }
}

// A step of a handler whose failures are ignored: the handler goes on with the next one.
void step(const std::function<void()>& f) {
    try {
        f();
    } catch (const VbError&) {
    }
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QString trackFilePath() { return findDataFile(QStringLiteral("track.txt")); }

// Page Up: throttle on, 100 rev/min up to 7000. Page Down: brakes, 100 down to 800.
void speedUp() {
    EngineSpeed = EngineSpeed + 100;
    if (EngineSpeed > 7000) EngineSpeed = 7000;
}
void speedDown() {
    EngineSpeed = EngineSpeed - 100;
    if (EngineSpeed < 800) EngineSpeed = 800;
}
}  // namespace

namespace {
TelemetryDevice* theDevice = nullptr;
TelemetryDevice* (*loadInstrument)() = nullptr;
}  // namespace

TelemetryDevice* TelemetryDevice::instrumentDevice() { return loadInstrument ? loadInstrument() : theDevice; }

bool TelemetryDevice::setInstrumentLoader(TelemetryDevice* (*load)()) {
    loadInstrument = load;
    return true;
}

TelemetryDevice::TelemetryDevice(Form* window, PictureBox* display) : QObject(window), window_(window) {
    theDevice = this;
    picTelemetry_ = display;
    picTelemetry_->setBackColor(kViewBack);
    picTelemetry_->setFocusPolicy(Qt::ClickFocus);
    picTelemetry_->installEventFilter(this);

    picCircuit = new PictureBox(picTelemetry_);
    picCircuit->setObjectName("picCircuit");
    picCircuit->setFocusPolicy(Qt::ClickFocus);
    picCircuit->setBackColor(QColor(86, 140, 70));
    picCircuit->installEventFilter(this);
    shpCar = new QFrame(picCircuit);
    shpCar->setObjectName("shpCar");
    shpCar->setFrameShape(QFrame::Box);
    shpCar->setAttribute(Qt::WA_TransparentForMouseEvents);
    shpCar->setAutoFillBackground(true);
    setBackColor(shpCar, QColor(255, 215, 0));
    lblCircuit = label(picTelemetry_, "lblCircuit", tr("Lap: %1").arg(1), Qt::AlignLeft);
    {
        QFont f = lblCircuit->font();
        f.setBold(true);
        lblCircuit->setFont(f);
    }

    for (int i = 1; i <= 3; ++i) {
        Picture2[i] = new PictureBox(picTelemetry_);
        Picture2[i]->setObjectName(arrayName("Picture2", i));
        Picture2[i]->setBackColor(kChartBack);
        Picture1[i] = new PictureBox(picTelemetry_);
        Picture1[i]->setObjectName(arrayName("Picture1", i));
        Picture1[i]->setFocusPolicy(Qt::ClickFocus);
        Picture1[i]->installEventFilter(this);
        shpBarBack[i] = new QFrame(Picture1[i]);
        shpBarBack[i]->setObjectName(arrayName("shpBarBack", i));
        shpBarBack[i]->setFrameShape(QFrame::Box);
        shpBarBack[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        shpBarBack[i]->setVisible(false);
        lblReading[i] = label(picTelemetry_, arrayName("lblReading", i), tr("Reading"), Qt::AlignRight);
        QFont bold = lblReading[i]->font();
        bold.setBold(true);
        lblReading[i]->setFont(bold);
        lblMin[i] = label(picTelemetry_, arrayName("lblMin", i), tr("Min"), Qt::AlignRight);
        lblMax[i] = label(picTelemetry_, arrayName("lblMax", i), tr("Max"), Qt::AlignRight);
        lblGauge[i] = label(picTelemetry_, arrayName("lblGauge", i), tr(kUnassignedTitle), Qt::AlignLeft);
        cmdGauge[i] = makeButton(picTelemetry_, arrayName("cmdGauge", i), "...", QRect());
        cmdGauge[i]->setToolTip(tr("Gauge options"));
        connect(cmdGauge[i], &QPushButton::clicked, this, guarded([this, i] { cmdGauge_Click(i); }));
    }
    Command1 = makeButton(picTelemetry_, "Command1", tr("Save"), QRect());
    Command1->setToolTip(tr("Save the telemetry to a file"));
    cmdClear = makeButton(picTelemetry_, "cmdClear", tr("Clear data"), QRect());
    cmbKeys = new QComboBox(picTelemetry_);
    cmbKeys->setObjectName("cmbKeys");
    cmbKeys->addItem("?");
    cmbKeys->setToolTip(tr("Circuit keys"));
    cmbKeys->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, guarded([this] { Command1_Click(); }, Trap::skip()));
    connect(cmdClear, &QPushButton::clicked, this, guarded([this] { cmdClear_Click(); }));

    tmrTelemetry = new VTimer("tmrTelemetry", 1000, [this] { tmrTelemetry_Timer(); });
    tmrTelemetry->setEnabled(true);
    setRecording(true);
}

TelemetryDevice::~TelemetryDevice() {
    if (theDevice == this) theDevice = nullptr;
    delete tmrTelemetry;
    setRecording(false);
}

QString TelemetryDevice::gaugeTitle(int g) const { return lblGauge[g]->text(); }

void TelemetryDevice::assignGauge(int g, const QString& title, int fullScale) {
    lblMin[g]->setText("0");
    lblMax[g]->setText(QString::number(fullScale));
    lblGauge[g]->setText(title);
}

// ---- Load and layout ----

void TelemetryDevice::load() {
    picCircuit->resetScale(ScaleMode::Twips);
    picCircuit->setScale(0, 0, kCircuitUnits, kCircuitUnits);
    step([this] {
        QImage picture;
        picture.loadFromData(readRegularFile(findDataFile(QStringLiteral("circuit.png")), 8 << 20));
        circuitPicture_ = picture;
    });
    placeCircuitPicture();

    outputChannel().close();
    TrackLength = 0;
    QVector<QPointF> points;
    // A track of 750 points takes a few kilobytes; a megabyte holds any that can be read.
    step([&] { points = parseTrack(readRegularFileHead(trackFilePath(), 1 << 20)); });
    for (const QPointF& p : points) {
        TrackLength = TrackLength + 1;
        TrackX[TrackLength] = p.x();
        TrackY[TrackLength] = p.y();
    }
    GaugeMax[1] = 100;
    GaugeMax[2] = 100;
    GaugeMax[3] = 100;
    Lap = 1;
    lblCircuit->setText(tr("Lap: %1").arg(1));
    // Until it first moves, the car waits on the start/finish line.
    if (TrackLength > 0) moveCar(TrackX[1], TrackY[1]);
    else moveCar(carX_, carY_);
}

void TelemetryDevice::place() {
    if (!picTelemetry_->isHidden()) picTelemetry_->setGeometry(QRect(QPoint(0, 0), window_->size()));
}

void TelemetryDevice::layout() {
    const int W = picTelemetry_->width(), H = picTelemetry_->height();
    constexpr int m = 4, rowGap = 3;
    constexpr int gaugeW = 140, sideW = 54, titleH = 15, buttonH = 22;
    // Left: the circuit, square, with the lap and the buttons under it.
    const int circuit = std::max(60, std::min(H - 2 * m - 2 * (buttonH + 3), W - 3 * m - gaugeW - sideW - 80));
    picCircuit->setGeometry(m, m, circuit, circuit);
    int y = m + circuit + 3;
    cmbKeys->setGeometry(m + circuit - 40, y, 40, buttonH);
    lblCircuit->setGeometry(m, y, circuit - 44, buttonH);
    y += buttonH + 3;
    const int saveW = std::min(48, (circuit - 4) / 3);
    Command1->setGeometry(m, y, saveW, buttonH);
    cmdClear->setGeometry(m + saveW + 4, y, circuit - saveW - 4, buttonH);
    placeCircuitPicture();

    // Right: one row per gauge: the gauge at the row's full height, its scale ends and
    // reading beside it, then the chart under the gauge's title and options button.
    const int x0 = m + circuit + 2 * m;
    const int rowH = (H - 2 * m) / 3;
    const int x1 = x0 + gaugeW + 3;
    const int chartX = x1 + sideW + 4;
    const int chartW = std::max(10, W - m - chartX);
    for (int i = 1; i <= 3; ++i) {
        const int top = m + (i - 1) * rowH;
        const int gaugeH = rowH - rowGap;
        Picture1[i]->setGeometry(x0, top, gaugeW, gaugeH);
        // The bar background outlines the bar's full-scale length (x 25..125 of 150, y 8..22 of 30).
        shpBarBack[i]->setGeometry(gaugeW * 25 / 150 - 3, gaugeH * 8 / 30, gaugeW * 100 / 150 + 6,
                                   std::max(4, gaugeH * 14 / 30));
        lblMax[i]->setGeometry(x1, top + titleH, sideW, 14);
        lblReading[i]->setGeometry(x1, top + titleH + (gaugeH - titleH - 14) / 2, sideW, 14);
        lblMin[i]->setGeometry(x1, top + gaugeH - 14, sideW, 14);
        lblGauge[i]->setGeometry(chartX, top, chartW - 26, titleH);
        cmdGauge[i]->setGeometry(chartX + chartW - 24, top, 24, titleH);
        Picture2[i]->setGeometry(chartX, top + titleH, chartW, gaugeH - titleH);
    }
}

void TelemetryDevice::placeCircuitPicture() {
    // The picture is drawn at the plan's size, so that the 200-unit scale and the picture
    // always agree.
    const QSize size(std::max(1, picCircuit->width()), std::max(1, picCircuit->height()));
    if (circuitPicture_.isNull()) {
        if (!picCircuit->picture().isNull()) picCircuit->setPicture(QImage());
    } else if (picCircuit->picture().size() != size) {
        picCircuit->setPicture(circuitPicture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                               QStringLiteral("circuit.png"));
    }
    moveCar(carX_, carY_);
}

void TelemetryDevice::moveCar(double x, double y) {
    carX_ = x;
    carY_ = y;
    const UserScale& s = picCircuit->scale();
    const QPointF p = s.toPixels(x, y);
    const double limit = 1e6;  // far outside the plan, still a place a widget can stand
    const QPointF size = s.toPixels(x + kCarSize, y + kCarSize) - p;
    shpCar->setGeometry(int(std::lround(std::clamp(p.x(), -limit, limit))),
                        int(std::lround(std::clamp(p.y(), -limit, limit))),
                        std::max(4, int(std::lround(size.x()))), std::max(4, int(std::lround(size.y()))));
}

bool TelemetryDevice::scriptShow(const QString& control, const QString& index, QJsonObject& out) const {
    if (control != QLatin1String("shpCar") || !index.isEmpty()) return false;
    out.insert("left", carX_);
    out.insert("top", carY_);
    out.insert("visible", !shpCar->isHidden());
    return true;
}

// ---- The tick ----

void TelemetryDevice::clearCharts() {
    for (int i = 1; i <= 3; ++i) {
        GaugeIndex = i;
        Picture2[i]->cls();
        Picture2[i]->setCurrentX(-5000);
    }
}

void TelemetryDevice::tmrTelemetry_Timer() {
    if (startsNewPass(TelemetrySample)) {
        TelemetrySample = 0;
        clearCharts();
    }
    TelemetrySample = TelemetrySample + 1;
    const Sample sample = sampleOf(currentReadings());
    for (int c = 1; c <= kChannels; ++c) TelemetryData[TelemetrySample][c] = sample[c];
    runHistory().append(sample);
    statusChanged();

    for (int i = 1; i <= 3; ++i) {
        GaugeIndex = i;
        const int channel = GaugeChannel[i];
        if (channel < 0 || channel > kChannels + 1) raiseError(9, tr("Subscript out of range"));
        const int v = TelemetryData[TelemetrySample][channel];
        const int full = GaugeMax[i];
        Picture2[i]->resetScale(ScaleMode::Twips);
        Picture2[i]->setScale(0, 0, 300, full * 1.02);
        if (full == 0) raiseError(11, tr("Division by zero"));
        float fraction = float(v) / float(full);
        DrawGauge(Picture1[i], GaugeStyle[i], 70, 90, fraction);
        // A whole number with one decimal, in the screen's language without a group separator.
        QLocale locale;
        locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
        lblReading[i]->setText(locale.toString(double(v), 'f', 1));
        Picture2[i]->lineTo(int(TelemetrySample), full - v, kChartLine);
    }

    const CarState car = advanceCar(TrackPosition, Lap, TrackLength, RoadSpeed);
    if (!car.moved) return;
    if (car.lapped) {
        Lap = car.lap;
        lblCircuit->setText(tr("Lap: %1").arg(int(Lap)));
    }
    TrackPosition = car.position;
    const int point = placementPoint(TrackPosition, TrackLength);
    moveCar(TrackX[point], TrackY[point]);
}

void TelemetryDevice::cmdClear_Click() {
    TelemetrySample = 0;
    clearCharts();
}

// ---- Help, gauges and export ----

void TelemetryDevice::cmbKeys_Click() {
    MsgBox(tr("If the 'Telemetry' screen is showing, click on the track and then...\r\n\r\n"
              "Home - Starts/Resets the lap from the start/finish line\r\n\r\n"
              "PgUp and PgDn - Throttle/Brakes on/off to drive the car"),
           MsgButtons::OK, MsgIcon::Information, tr("Circuit Keys"));
}

void TelemetryDevice::cmdGauge_Click(int index) {
    SelectedGauge = index;
    frm<frmTelemetryOptions>()->showForm();
}

void TelemetryDevice::Command1_Click() {
    if (MsgBox(tr("Do you want to save the telemetry file to disk for later analysis with a spreadsheet program?"),
               MsgButtons::YesNo, MsgIcon::None) != MsgAnswer::Yes)
        return;
    chdirToAppFolder();
    FileDialogRequest request;
    request.mode = FileDialogRequest::Save;
    request.filter = tr("Data Files (*.csv)");
    request.directory = appFolder();
    const QString name = platform().fileDialog(request);
    if (name.isEmpty()) return;  // cancelled
    SelectedFileName = name;
    outputChannel().close();
    try {
        writeFileAtomic(name, exportText(runHistory()));
    } catch (const VbError& e) {
        MsgBox(tr("The telemetry file could not be saved to %1\r\n\r\nError number: %2 - %3")
                   .arg(name, QString::number(e.number), e.description),
               MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    MsgBox(tr("Telemetry file saved to disk..."), MsgButtons::OK, MsgIcon::Information);
}

// ---- Keys ----

bool TelemetryDevice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = virtualKey(static_cast<QKeyEvent*>(event)->key());
        if (!key) return false;
        if (watched == picCircuit) {
            runGuarded([&] { picCircuit_KeyDown(key); });
            return true;
        }
        if (watched == picTelemetry_ || watched == Picture1[1] || watched == Picture1[2] || watched == Picture1[3]) {
            runGuarded([&] { picTelemetry_KeyDown(key); });
            return true;
        }
    } else if (watched == cmbKeys && (event->type() == QEvent::MouseButtonPress ||
                                      event->type() == QEvent::MouseButtonDblClick)) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            runGuarded([this] { cmbKeys_Click(); });
            return true;
        }
    } else if (watched == picTelemetry_ && event->type() == QEvent::Resize) {
        runGuarded([this] { layout(); });
    } else if (watched == picTelemetry_ && event->type() == QEvent::Show) {
        runGuarded([this] { place(); });
    }
    return QObject::eventFilter(watched, event);
}

void TelemetryDevice::stopTrackFile() {
    if (MsgBox(tr("Click OK to stop running or recording of track file..."), MsgButtons::OKCancel, MsgIcon::Critical) ==
        MsgAnswer::OK)
        outputChannel().close();
}

void TelemetryDevice::startTrackRecording() {
    if (MsgBox(tr("Warning - This will clear the existing track recording and create another. Do you want to continue?"),
               MsgButtons::YesNo, MsgIcon::Exclamation, tr("Circuit")) != MsgAnswer::Yes)
        return;
    chdirToAppFolder();
    outputChannel().close();
    outputChannel().openRecording(trackFilePath());
}

void TelemetryDevice::recordPoint() {
    moveCar(CarX, CarY);
    outputChannel().writePoint(CarX, CarY);
}

void TelemetryDevice::picCircuit_KeyDown(int keyCode) {
    try {
        switch (keyCode) {
        case 27: stopTrackFile(); break;
        case 33:
            if (EngineRunning == True) speedUp();
            break;
        case 34:
            if (EngineRunning == True) speedDown();
            break;
        case 35: startTrackRecording(); break;
        case 36:
            Lap = 1;
            lblCircuit->setText(tr("Lap: %1").arg(1));
            TrackPosition = 1;
            break;
        case 37: --CarX; recordPoint(); break;
        case 38: --CarY; recordPoint(); break;
        case 39: ++CarX; recordPoint(); break;
        case 40: ++CarY; recordPoint(); break;
        default: break;
        }
    } catch (const VbError& e) {
        reportError(e.number, e.description, QString(), MsgIcon::Critical);
    }
}

void TelemetryDevice::picTelemetry_KeyDown(int keyCode) {
    auto arrow = [this](long dx, long dy) {
        step([&] {
            CarX += dx;
            CarY += dy;
        });
        step([this] { moveCar(CarX, CarY); });
        step([this] { outputChannel().writePoint(CarX, CarY); });
    };
    switch (keyCode) {
    case 27: step([this] { stopTrackFile(); }); break;
    case 33: step(speedUp); break;
    case 34: step(speedDown); break;
    case 37: arrow(-1, 0); break;
    case 38: arrow(0, -1); break;
    case 39: arrow(1, 0); break;
    case 40: arrow(0, 1); break;
    default: break;
    }
}
