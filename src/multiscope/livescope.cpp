#include "multiscope/livescope.h"

#include "multiscope/capture.h"
#include "multiscope/multiscope.h"
#include "multiscope/waveformfile.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/picturebox.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/status.h"
#include "sim/simstate.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include <algorithm>
#include <cmath>

using scope::CursorId;
using scope::Measurement;

namespace {
constexpr int kBarRow = 24;  // pixels
constexpr int kTicksPerFrame = 4;
constexpr Measurement kMeasurements[10] = {Measurement::Minimum,   Measurement::Maximum,   Measurement::PeakToPeak,
                                           Measurement::Mean,      Measurement::Rms,       Measurement::Frequency,
                                           Measurement::Period,    Measurement::DutyCycle, Measurement::PulseWidth,
                                           Measurement::RiseTime};
const QStringList kDefaultMeasurements = {"Peak to peak", "Mean", "Frequency", "Duty cycle"};
const char* const kTriggerModes[] = {"Roll", "Auto", "Normal", "Single"};

QToolButton* menuButton(QWidget* parent, const QString& name, const QString& text, const QString& tip) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(tip);
    b->setPopupMode(QToolButton::InstantPopup);
    b->setMenu(new QMenu(b));
    return b;
}

// An entry of the button's menu, owned by the window so that it is found by name as the
// window's other controls are.
QAction* menuAction(QToolButton* button, QWidget* window, const QString& name, const QString& text) {
    auto* a = new QAction(text, window);
    a->setObjectName(name);
    button->menu()->addAction(a);
    return a;
}

QLabel* valueLabel(QWidget* parent, const QString& name, const QRect& px) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(px);
    QFont f = l->font();
    f.setPointSizeF(7);
    l->setFont(f);
    return l;
}

std::optional<sim::Quantity> quantityOfProbe(const MultiScope* ms) { return ms->probe().quantity(); }

// The catalogue's screen for the point the probe is on.
std::optional<sim::ScreenSettings> screenOfProbe(const MultiScope* ms) {
    const std::optional<sim::PointId> p = ms->probe().point();
    if (!p) return std::nullopt;
    return sim::screenSettings(*p);
}

// The signal's clock: the platform's monotonic seconds (virtual in script mode).
double signalNow() { return platform().clock(); }
}  // namespace

LiveScope::LiveScope(MultiScope* ms) : QObject(ms), ms_(ms) {
    bar = new QWidget(ms);
    bar->setObjectName("scopeBar");
    bar->setAutoFillBackground(true);
    bar->setVisible(false);
    cmbTrigger = new QComboBox(bar);
    cmbTrigger->setObjectName("cmbTrigger");
    cmbTrigger->setToolTip("Trigger mode (pick Single again to re-arm it)");
    for (const char* m : kTriggerModes) cmbTrigger->addItem(m);
    // A stored mode that is none of these (damaged, from another version) gives the default.
    const int storedMode = cmbTrigger->findText(GetSetting("Instruments", "Scope_trigger", "Auto").trimmed(), Qt::MatchFixedString);
    cmbTrigger->setCurrentIndex(storedMode >= 0 ? storedMode : int(scope::Trigger().mode));
    scope::Trigger& trigger = settings_.trigger;
    trigger.mode = scope::TriggerMode(std::clamp(cmbTrigger->currentIndex(), 0, 3));
    cmbEdge = new QComboBox(bar);
    cmbEdge->setObjectName("cmbEdge");
    cmbEdge->setToolTip("Trigger edge");
    cmbEdge->addItems({"Rising", "Falling"});
    spnLevel = new QDoubleSpinBox(bar);
    spnLevel->setObjectName("spnLevel");
    spnLevel->setToolTip("Trigger level");
    spnLevel->setRange(-2000, 2000);
    spnLevel->setDecimals(2);
    spnLevel->setSuffix(" V");
    spnLevel->setKeyboardTracking(false);
    trigger.edge = scope::Edge::Rising;
    trigger.level = spnLevel->value();
    chkCursors = new QCheckBox("Cursors", bar);
    chkCursors->setObjectName("chkCursors");
    chkCursors->setToolTip("Two time and two level cursors: drag them, or Tab to pick one and move it with the arrow keys");
    cmdMeasure = menuButton(bar, "cmdMeasure", "Measure", "Measurements shown under the screen");
    const QStringList chosen = GetSetting("Instruments", "Scope_measurements", kDefaultMeasurements.join(','))
                                   .split(',', Qt::SkipEmptyParts);
    std::vector<Measurement>& measured = settings_.measurements;
    measured.clear();
    for (int i = 0; i < 10; ++i) {
        const Measurement m = kMeasurements[i];
        const QString name = scope::measurementName(m);
        mnuMeasure[i] = menuAction(cmdMeasure, ms, "mnuMeasure(" + QString::number(i) + ")", name);
        mnuMeasure[i]->setCheckable(true);
        mnuMeasure[i]->setChecked(chosen.contains(name));
        if (mnuMeasure[i]->isChecked()) measured.push_back(m);
        // The menu shows the settings; ticking an entry edits them.
        connect(mnuMeasure[i], &QAction::toggled, this, [this, m](bool on) {
            std::vector<Measurement>& shown = settings_.measurements;
            shown.erase(std::remove(shown.begin(), shown.end(), m), shown.end());
            if (on) shown.push_back(m);
        });
        connect(mnuMeasure[i], &QAction::triggered, this, guarded([this] {
                    saveMeasurements();
                    render();
                }));
    }
    cmdReference = menuButton(bar, "cmdReference", "Reference", "A known-good trace drawn behind the live one");
    mnuRefStored = menuAction(cmdReference, ms, "mnuRefStored", "The point's stored waveform");
    mnuRefFile = menuAction(cmdReference, ms, "mnuRefFile", "Waveform file...");
    mnuRefScreen = menuAction(cmdReference, ms, "mnuRefScreen", "Set as reference");
    mnuRefClear = menuAction(cmdReference, ms, "mnuRefClear", "Clear reference");
    cmdCapture = menuButton(bar, "cmdCapture", "Capture", "Keep the screen as a waveform file or a CSV table");
    mnuCaptureWave = menuAction(cmdCapture, ms, "mnuCaptureWave", "Save as waveform...");
    mnuCaptureCsv = menuAction(cmdCapture, ms, "mnuCaptureCsv", "Export as CSV...");

    // Value read-outs beside the scale controls (Frame1's layout leaves them this room).
    lblTimeValue = valueLabel(ms->scopePanel(), "lblTimeValue", QRect(144, 48, 52, 14));
    lblXValue = valueLabel(ms->scopePanel(), "lblXValue", QRect(144, 71, 52, 14));
    lblYValue = valueLabel(ms->scopePanel(), "lblYValue", QRect(2, 169, 34, 12));
    lblVoltsValue = valueLabel(ms->scopePanel(), "lblVoltsValue", QRect(34, 169, 36, 12));
    lblFocusValue = valueLabel(ms->scopePanel(), "lblFocusValue", QRect(70, 169, 30, 12));

    // The trigger's controls show the settings; a change edits them before anything reads them.
    connect(cmbTrigger, &QComboBox::currentIndexChanged, this, [this](int i) {
        settings_.trigger.mode = scope::TriggerMode(std::clamp(i, 0, 3));
    });
    connect(cmbEdge, &QComboBox::currentIndexChanged, this, [this](int i) {
        settings_.trigger.edge = i == 1 ? scope::Edge::Falling : scope::Edge::Rising;
    });
    connect(spnLevel, &QDoubleSpinBox::valueChanged, this, [this](double level) { settings_.trigger.level = level; });
    connect(cmbTrigger, &QComboBox::activated, this, guarded([this] {
                SaveSetting("Instruments", "Scope_trigger", cmbTrigger->currentText());
                restart();
            }));
    connect(cmbEdge, &QComboBox::activated, this, guarded([this] { restart(); }));
    connect(spnLevel, &QDoubleSpinBox::valueChanged, this, guarded([this] { restart(); }));
    connect(chkCursors, &QCheckBox::toggled, this, guarded([this](bool on) {
                cursors_.shown = on;
                render();
                if (on) ms_->screen()->setFocus();
            }));
    connect(mnuRefStored, &QAction::triggered, this, guarded([this] { referenceFromFile(CurrentWaveformFile); }));
    connect(mnuRefFile, &QAction::triggered, this, guarded([this] {
                FileDialogRequest r;
                r.mode = FileDialogRequest::Open;
                r.title = "Reference waveform";
                r.filter = "Multiscope Files (*.msf);;All Files (*.*)";
                r.directory = appFolder();
                const QString path = platform().fileDialog(r);
                if (!path.isEmpty()) referenceFromFile(path);
            }));
    connect(mnuRefScreen, &QAction::triggered, this, guarded([this] { setAsReference(); }));
    connect(mnuRefClear, &QAction::triggered, this, guarded([this] { setReference({}, {}, QString()); }));
    connect(mnuCaptureWave, &QAction::triggered, this, guarded([this] { captureWave(); }));
    connect(mnuCaptureCsv, &QAction::triggered, this, guarded([this] { captureCsv(); }));
    connect(ms, &MultiScope::scalesChanged, this, guarded([this] {
                showControlValues();
                if (active()) render();
            }));
    connect(ms, &MultiScope::timebaseChanged, this, guarded([this] { showControlValues(); }));
    ms->screen()->setFocusPolicy(Qt::ClickFocus);
    ms->screen()->setMouseTracking(false);
    ms->screen()->installEventFilter(this);
    showControlValues();
}

bool LiveScope::active() const {
    return ms_->source() == MultiScope::Source::Live && ms_->readingText() == QLatin1String("Signal");
}

// ---- Scales ----

double LiveScope::secondsPerDivision() const {
    const auto& r = scope::timeRanges();
    return r[std::size_t(std::clamp(ms_->controls().timebase, 0, int(r.size()) - 1))];
}

double LiveScope::lineWidth() const {
    // Thin traces: a pixel at the middle of the Focus control (drawn on the painter's fast path).
    static constexpr double kWidths[] = {0.6, 0.8, 1.0, 1.5, 2.0};
    return kWidths[std::clamp(ms_->controls().focus, 1, 5) - 1];
}

double LiveScope::zeroDivisions() const { return ms_->controls().yShift / 50.0; }

QString LiveScope::unit() const {
    const auto q = quantityOfProbe(ms_);
    return q ? QString::fromLatin1(sim::liveScale(*q).unit) : QStringLiteral("V");
}

double LiveScope::perDivision() const {
    const auto& r = scope::levelRanges();
    const int v = ms_->controls().volts;
    if (liveRanges_ && v >= 1 && v <= int(r.size())) return r[r.size() - std::size_t(v)];
    // Auto: from the point's own range up, the first that keeps the whole frame on the screen
    // (a dead point stays on its zero line at the point's range).
    const auto screen = screenOfProbe(ms_);
    const double own = screen ? screen->perDivision : 1.0;
    const scope::Frame& f = acquisition_.frame();
    double top = 0, bottom = 0;
    for (double x : f.highs) top = std::max(top, x);
    for (double x : f.lows) bottom = std::min(bottom, x);
    const double up = std::max(0.1, zeroDivisions() - 0.1), down = std::max(0.1, scope::kDivisionsY - zeroDivisions() - 0.1);
    for (double candidate : r)
        if (candidate >= own * 0.999 && top <= up * candidate && -bottom <= down * candidate) return candidate;
    return r.back();
}

scope::Trigger LiveScope::trigger() const {
    scope::Trigger t = settings_.trigger;
    t.position = (ms_->controls().xShift + 50) / 100.0;
    return t;
}

void LiveScope::showControlValues() {
    if (liveRanges_) {
        lblTimeValue->setText(scope::perDivisionText(secondsPerDivision(), "s"));
        lblXValue->setText(QString::number(ms_->controls().xShift + 50) + " %");
        lblYValue->setText(QString::number(scope::kDivisionsY - zeroDivisions(), 'f', 1) + " div");
        lblVoltsValue->setText(ms_->controls().volts == 0 ? QStringLiteral("Auto")
                                                            : scope::perDivisionText(perDivision(), unit()).chopped(4));
        lblFocusValue->setText(QString::number(lineWidth(), 'f', 1) + " px");
    } else {
        lblTimeValue->setText(QStringLiteral("T ") + QString::number(ms_->controls().timebase));
        lblXValue->setText(QString::number(ms_->controls().xShift));
        lblYValue->setText(QString::number(ms_->controls().yShift));
        lblVoltsValue->setText(QStringLiteral("\u00d7") + QString::number(ms_->controls().volts));
        lblFocusValue->setText(QString::number(ms_->controls().focus) + " px");
    }
    lblTimeValue->setToolTip(lblTimeValue->text());
    ms_->setScaleTips(lblTimeValue->text(), lblVoltsValue->text());
}

bool LiveScope::sourceChanged() {
    const bool live = ms_->source() == MultiScope::Source::Live;
    if (live == liveRanges_) return false;
    ms_->useLiveScales(live);
    liveRanges_ = live;
    bar->setVisible(live);
    showControlValues();
    restart();
    return true;
}

void LiveScope::probeConnected() {
    const auto q = quantityOfProbe(ms_);
    const auto screen = screenOfProbe(ms_);
    if (!q || !screen) return;
    const sim::LiveScale s = sim::liveScale(*q);
    // The point's own time base, or the range nearest it.
    const auto& times = scope::timeRanges();
    const double want = screen->secondsPerDivision;
    int best = 0;
    for (int i = 0; i < int(times.size()); ++i)
        if (std::abs(std::log(times[std::size_t(i)] / want)) < std::abs(std::log(times[std::size_t(best)] / want))) best = i;
    ms_->setLiveTimebase(best);
    {
        QSignalBlocker b(spnLevel);
        QSignalBlocker e(cmbEdge);
        spnLevel->setSuffix(QStringLiteral(" ") + QString::fromLatin1(s.unit));
        spnLevel->setSingleStep(screen->perDivision / 10);
        spnLevel->setValue(screen->triggerLevel);
        settings_.trigger.level = spnLevel->value();
        cmbEdge->setCurrentIndex(screen->fallingEdge ? 1 : 0);
        settings_.trigger.edge = screen->fallingEdge ? scope::Edge::Falling : scope::Edge::Rising;
    }
    showControlValues();
    restart();
}

// ---- Drawing ----

void LiveScope::restart() {
    acquisition_.reset();
    ticks_ = 0;
    if (active()) render();
}

void LiveScope::tick() {
    if (ScopePaused == True) {
        // The screen stays as it is until Pause is pressed again.
        ms_->setSweepRunning(false);
        return;
    }
    // A frame every fourth tick (ten a second, as a workshop scope's screen updates), and a roll
    // sweep draws on as often. The meter settles every 0.6 s.
    const int tick = ticks_++;
    const auto q = quantityOfProbe(ms_);
    if (q && tick % 24 == 0) {
        const QString meter = sim::meterText(*ms_->probe().at(), ms_->liveInputs());
        if (ms_->meterText() != meter) ms_->setMeterText(meter);
    }
    if (tick % kTicksPerFrame != 0) return;
    const bool rolling = trigger().mode == scope::TriggerMode::Roll;
    if (q) {
        const sim::SignalInputs in = ms_->liveInputs();
        const sim::ProbePoint point = *ms_->probe().at();
        const std::function<double(double)> signal = sim::signalOf(point, in);
        const sim::SignalShape shape = sim::signalShape(point, in);
        const auto mark = [&](double t) { return sim::sweepStart(point, in, t); };
        if (!acquisition_.update(signal, signalNow(), secondsPerDivision(), trigger(), mark, &shape) && tick != 0)
            return;
        if (rolling && tick != 0 && rollOn()) return;
        // A steady signal, triggered, gives the same frame again: the screen is left as it is.
        if (tick != 0 && sameAsDrawn()) return;
    }
    render();
}

bool LiveScope::rollOn() {
    const scope::Frame& f = acquisition_.frame();
    // A new sweep (with the measurements of the one before) or a new range: the whole screen.
    if (f.values.size() <= drawnValues_.size() || drawnValues_.empty() || perDivision() != drawnPerDivision_)
        return false;
    // Otherwise only the part of the trace the sweep has added, from the last sample drawn.
    const std::size_t from = drawnValues_.size() - 1;
    drawnValues_ = f.values;
    scope::ScreenView v;
    v.secondsPerDivision = secondsPerDivision();
    v.perDivision = drawnPerDivision_;
    v.zero = zeroDivisions();
    v.lineWidth = lineWidth();
    v.trace = {f.values, f.dt, f.lows, f.highs};
    ms_->screen()->paintOver([&](QPainter& p) { return scope::paintTrace(p, drawnGeometry_, v, from); });
    return true;
}

bool LiveScope::sameAsDrawn() const {
    const std::vector<double>& now = acquisition_.frame().values;
    if (acquisition_.status() != drawnStatus_ || now.size() != drawnValues_.size()) return false;
    // Closer than a ten-thousandth of a division: the same picture.
    const double tolerance = perDivision() * 1e-4;
    for (std::size_t k = 0; k < now.size(); ++k)
        if (std::abs(now[k] - drawnValues_[k]) > tolerance) return false;
    return true;
}

QStringList LiveScope::measurementTexts() const {
    QStringList texts;
    // While a roll sweep draws, the measurements are those of the last complete sweep.
    const bool partial = acquisition_.status() == scope::Status::Rolling &&
                         acquisition_.frame().values.size() < std::size_t(scope::kFramePoints);
    const scope::Frame& f = partial ? acquisition_.lastSweep() : acquisition_.frame();
    const scope::Trace t{f.values, f.dt, f.lows, f.highs};
    const auto screen = screenOfProbe(ms_);
    const scope::Polarity polarity =
        screen && screen->lowPulses ? scope::Polarity::Negative : scope::Polarity::Positive;
    // The levels are the signal's own, to three digits; a level below a millionth of a division
    // is zero (no "18 nV" of rounding for a mean that is zero).
    const double residue = perDivision() * 1e-6;
    for (int i = 0; i < 10; ++i) {
        const Measurement m = kMeasurements[i];
        if (!settings_.measures(m)) continue;
        scope::MeasuredValue v = scope::measure(t, m, unit(), polarity);
        const bool level = m == Measurement::Minimum || m == Measurement::Maximum || m == Measurement::PeakToPeak ||
                           m == Measurement::Mean || m == Measurement::Rms;
        if (level && v.valid && std::abs(v.value) < residue) v.text = scope::formatSi(0.0, unit());
        texts << scope::measurementName(m) + " " + v.text;
    }
    return texts;
}

scope::ScreenView LiveScope::view() const {
    scope::ScreenView v;
    v.secondsPerDivision = secondsPerDivision();
    v.perDivision = perDivision();
    v.unit = unit();
    v.autoRange = ms_->controls().volts == 0;
    v.zero = zeroDivisions();
    v.trace.values = acquisition_.frame().values;
    v.trace.dt = acquisition_.frame().dt;
    v.trace.lows = acquisition_.frame().lows;
    v.trace.highs = acquisition_.frame().highs;
    v.trigger = trigger();
    v.status = acquisition_.status();
    v.cursors = cursors_;
    v.lineWidth = lineWidth();
    v.measurements = measurementTexts();
    if (!referenceName_.isEmpty()) {
        v.referenceName = referenceName_;
        if (!referenceSamples_.isEmpty()) {
            // A file's samples span the screen, at the screen's units a division.
            v.reference.values = scope::levelsOfRecords(referenceSamples_, v.perDivision);
            v.reference.dt = scope::kDivisionsX * v.secondsPerDivision / std::max<qsizetype>(1, referenceSamples_.size() - 1);
        } else {
            v.reference = referenceTrace_;
        }
    }
    if (!ms_->probe().attached()) v.message = QStringLiteral("Drag a connection point onto the terminal to measure its signal");
    else if (!quantityOfProbe(ms_)) v.message = QStringLiteral("No signal to measure on this point");
    return v;
}

void LiveScope::render() {
    if (!active()) return;
    drawnValues_ = acquisition_.frame().values;
    drawnStatus_ = acquisition_.status();
    const scope::ScreenView v = view();
    drawnPerDivision_ = v.perDivision;
    ms_->screen()->paintFrame(
        [&](QPainter& p, QSizeF size) { drawnGeometry_ = scope::paintScreen(p, size, v, &graticule_); });
}

QRect LiveScope::place(const QRect& display) {
    const bool shown = ms_->source() == MultiScope::Source::Live;
    bar->setVisible(shown);
    if (!shown) return display;
    // The bar's controls in a row, wrapping onto a second row when the window is narrow.
    QList<QWidget*> items = {cmbTrigger, cmbEdge, spnLevel, chkCursors, cmdMeasure, cmdReference, cmdCapture};
    int x = 4, y = 2, rows = 1;
    for (QWidget* w : items) {
        const int wide = std::max(w->sizeHint().width(), w == spnLevel ? 84 : 0);
        if (x > 4 && x + wide > display.width() - 4) {
            x = 4;
            y += kBarRow;
            ++rows;
        }
        w->setGeometry(x, y, wide, kBarRow - 4);
        x += wide + 4;
    }
    const int height = rows * kBarRow;
    bar->setGeometry(display.left(), display.bottom() + 1 - height, display.width(), height);
    return QRect(display.left(), display.top(), display.width(), std::max(0, display.height() - height));
}

void LiveScope::raise() {
    if (bar->isVisible()) bar->raise();
}

// ---- Reference and capture ----

void LiveScope::setReference(const QStringList& samples, const scope::ScreenTrace& trace, const QString& name) {
    referenceSamples_ = samples;
    referenceTrace_ = trace;
    referenceName_ = name;
    render();
}

void LiveScope::referenceFromFile(const QString& path) {
    QString records[msf::kRecords];
    int n = 0;
    try {
        n = msf::readWaveformFile(path, records);
    } catch (const VbError& e) {
        MsgBox("The waveform file " + path + " could not be read as a reference.\r\n\r\n(" + e.description + ")",
               MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    QStringList samples;
    for (int i = 1; i < n; ++i) samples << records[i];
    if (samples.isEmpty()) {
        MsgBox("The waveform file " + path + " holds no samples to draw as a reference.", MsgButtons::OK,
               MsgIcon::Exclamation);
        return;
    }
    // Samples that are no number are named, as File > Open names them: left out of the
    // reference, and a file with no number at all (text, binary, UTF-16) is no reference.
    const QStringList bad = msf::samplesNotNumbers(records, n);
    if (bad.size() == samples.size()) {
        MsgBox(tr("%1; it cannot be drawn as a reference.").arg(msf::samplesNotNumbersText(bad, path)), MsgButtons::OK,
               MsgIcon::Exclamation);
        return;
    }
    setReference(samples, {}, QFileInfo(path).fileName());
    if (!bad.isEmpty())
        MsgBox(bad.size() == 1 ? tr("%1; the reference leaves it out.").arg(msf::samplesNotNumbersText(bad, path))
                               : tr("%1; the reference leaves them out.").arg(msf::samplesNotNumbersText(bad, path)),
               MsgButtons::OK, MsgIcon::Exclamation);
}

void LiveScope::setAsReference() {
    const scope::Frame& f = acquisition_.frame();
    if (f.values.empty()) {
        MsgBox("There is no trace on the screen to keep as a reference yet.", MsgButtons::OK, MsgIcon::Information);
        return;
    }
    setReference({}, {f.values, f.dt, f.lows, f.highs},
                 (ms_->probe().attached() ? ms_->probe().at()->caption + " " : QString()) + platform().timeOfDay().toString("HH:mm:ss"));
}

QString LiveScope::captureTarget(const QString& title, const QString& filter, const QString& extension) const {
    if (acquisition_.frame().values.empty()) {
        MsgBox("There is no trace on the screen to keep yet.", MsgButtons::OK, MsgIcon::Information);
        return QString();
    }
    FileDialogRequest r;
    r.mode = FileDialogRequest::Save;
    r.title = title;
    r.filter = filter;
    r.directory = appFolder();
    r.defaultName = (ms_->probe().attached() ? ms_->probe().at()->caption : QStringLiteral("Signal")) + " capture" + extension;
    QString path = platform().fileDialog(r);
    if (!path.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive)) path += extension;
    return path;
}

void LiveScope::writeCapture(const QString& path, const std::function<void()>& write, const QString& done) const {
    try {
        write();
    } catch (const VbError& e) {
        MsgBox("The capture could not be saved to " + path + "\r\n\r\n(" + e.description + " " +
                   QString::number(e.number) + ")",
               MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    SetStatus(done + path);
}

void LiveScope::captureWave() {
    const QString path = captureTarget("Save as waveform", "Multiscope Files (*.msf)", ".msf");
    if (path.isEmpty()) return;
    const scope::Frame& f = acquisition_.frame();
    writeCapture(path, [&] {
        msf::writeWaveformFile(path, scope::captureRecords(f.values, perDivision(), ms_->meterText()));
    }, "Capture saved to ");
}

void LiveScope::captureCsv() {
    const QString path = captureTarget("Export as CSV", "Data Files (*.csv)", ".csv");
    if (path.isEmpty()) return;
    const scope::Frame& f = acquisition_.frame();
    const QString caption = ms_->probe().attached() ? ms_->probe().at()->caption : QStringLiteral("Signal");
    writeCapture(path, [&] { writeFileAtomic(path, scope::captureCsv(f.values, f.dt, caption, unit())); },
                 "Screen exported to ");
}

void LiveScope::saveMeasurements() const {
    QStringList names;
    for (Measurement m : kMeasurements)
        if (settings_.measures(m)) names << scope::measurementName(m);
    SaveSetting("Instruments", "Scope_measurements", names.join(','));
}

// ---- Cursors: mouse and keys ----

bool LiveScope::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (!cursors_.shown) return false;
    static const CursorId order[] = {CursorId::T1, CursorId::T2, CursorId::V1, CursorId::V2};
    const int at = int(cursors_.active);
    const bool coarse = modifiers & Qt::ShiftModifier;
    const double step = coarse ? 1.0 : 0.02;  // a division, or one sample
    const bool time = cursors_.active == CursorId::T1 || cursors_.active == CursorId::T2;
    switch (key) {
    case Qt::Key_Tab: cursors_.active = order[(at + 1) % 4]; break;
    case Qt::Key_Backtab: cursors_.active = order[(at + 3) % 4]; break;
    case Qt::Key_Left: if (!time) return false; cursors_.move(cursors_.active, -step); break;
    case Qt::Key_Right: if (!time) return false; cursors_.move(cursors_.active, step); break;
    case Qt::Key_Down: if (time) return false; cursors_.move(cursors_.active, -step); break;
    case Qt::Key_Up: if (time) return false; cursors_.move(cursors_.active, step); break;
    default: return false;
    }
    render();
    return true;
}

bool LiveScope::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ms_->screen() || !active()) return false;
    bool handled = false;
    runGuarded([&] {
        const scope::ScreenGeometry g = scope::screenGeometry(QSizeF(ms_->screen()->size()), view());
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(event);
            if (m->button() != Qt::LeftButton) break;
            dragging_ = scope::cursorNear(g, cursors_, m->position());
            if (dragging_) {
                cursors_.active = *dragging_;
                handled = true;
                render();
            }
            break;
        }
        case QEvent::MouseMove:
            if (dragging_) {
                cursors_.place(*dragging_, scope::divisionsAt(g, *dragging_, static_cast<QMouseEvent*>(event)->position()));
                handled = true;
                render();
            }
            break;
        case QEvent::MouseButtonRelease:
            handled = dragging_.has_value();
            dragging_.reset();
            break;
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(event);
            handled = keyPressed(k->key(), k->modifiers());
            break;
        }
        default: break;
        }
    });
    return handled;
}

// ---- Script ----

bool LiveScope::scriptShow(const QString& control, const QString& index, QJsonObject& out) const {
    if (control == QLatin1String("cursor")) {
        static const QStringList names = {"T1", "T2", "V1", "V2"};
        const int i = names.indexOf(index.toUpper());
        if (i < 0) return false;
        out.insert("cursor", names[i]);
        out.insert("divisions", cursors_.position(CursorId(i)));
        out.insert("shown", cursors_.shown);
        return true;
    }
    if (!control.isEmpty() || ms_->source() != MultiScope::Source::Live) return false;
    out.insert("source", "Live");
    out.insert("probe", ms_->probe().attached() ? ms_->probe().at()->caption : QString());
    const scope::ScreenView v = view();
    out.insert("unit", v.unit);
    out.insert("perdivision", v.perDivision);
    out.insert("volts", scope::perDivisionText(v.perDivision, v.unit) + (v.autoRange ? " (auto)" : ""));
    out.insert("secondsperdivision", v.secondsPerDivision);
    out.insert("timebase", scope::perDivisionText(v.secondsPerDivision, "s"));
    out.insert("zero", v.zero);
    const scope::Trigger t = v.trigger;
    out.insert("trigger", QJsonObject{{"mode", scope::triggerModeName(t.mode)},
                                      {"edge", scope::edgeName(t.edge)},
                                      {"level", t.level},
                                      {"position", t.position},
                                      {"status", scope::statusText(v.status)}});
    // The trace as drawn: every tenth sample in the point's unit, rounded to a millivolt.
    QJsonArray trace;
    for (std::size_t k = 0; k < v.trace.values.size(); k += 10) trace.append(std::round(v.trace.values[k] * 1000) / 1000);
    out.insert("points", int(v.trace.values.size()));
    out.insert("trace", trace);
    if (v.cursors.shown) {
        const scope::CursorReadout r = scope::readCursors(v.cursors, v.secondsPerDivision, v.perDivision, v.unit);
        out.insert("cursors", QJsonObject{{"T1", v.cursors.time[0]}, {"T2", v.cursors.time[1]},
                                          {"V1", v.cursors.level[0]}, {"V2", v.cursors.level[1]},
                                          {"active", scope::cursorName(v.cursors.active)},
                                          {"dt", r.deltaT}, {"inverse", r.inverse}, {"dv", r.deltaV}});
    }
    out.insert("measurements", QJsonArray::fromStringList(v.measurements));
    out.insert("reference", v.referenceName);
    if (!v.message.isEmpty()) out.insert("message", v.message);
    return true;
}

bool LiveScope::scriptSet(const QString& control, const QString& index, const QString& value, QString* error) {
    if (control == QLatin1String("spnLevel")) {
        bool ok = false;
        const double level = value.toDouble(&ok);
        if (!ok || !std::isfinite(level)) *error = "not a number: " + value;
        else spnLevel->setValue(level);
        return true;
    }
    if (control != QLatin1String("cursor")) return false;
    static const QStringList names = {"T1", "T2", "V1", "V2"};
    const int i = names.indexOf(index.toUpper());
    bool ok = false;
    const double at = value.toDouble(&ok);
    if (i < 0 || !ok) {
        *error = "set MultiScope.cursor(T1|T2|V1|V2) takes divisions from the left or bottom edge";
        return true;
    }
    if (!std::isfinite(at)) {
        *error = tr("set MultiScope.cursor(%1) takes a finite number of divisions, not %2").arg(names[i], value);
        return true;
    }
    cursors_.place(CursorId(i), at);
    render();
    return true;
}
