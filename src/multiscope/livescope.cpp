#include "livescope.h"

#include "multiscope/capture.h"
#include "multiscope/channelcolours.h"
#include "platform/theme.h"
#include "challenges/session.h"
#include "multiscope/multiscope.h"
#include "multiscope/screendescription.h"
#include "multiscope/waveformfile.h"
#include "platform/accessible.h"
#include "platform/files.h"
#include "platform/guard.h"
#include "platform/picturebox.h"
#include "platform/platform.h"
#include "platform/services.h"
#include "platform/status.h"
#include "sim/simstate.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <iterator>

using scope::CursorId;
using scope::Measurement;

namespace {
constexpr int kBarRow = 24;  // pixels
constexpr int kPanelWidth = 256;  // the channel panel, pixels
constexpr int kTicksPerFrame = 4;
constexpr Measurement kMeasurements[10] = {Measurement::Minimum,   Measurement::Maximum,   Measurement::PeakToPeak,
                                           Measurement::Mean,      Measurement::Rms,       Measurement::Frequency,
                                           Measurement::Period,    Measurement::DutyCycle, Measurement::PulseWidth,
                                           Measurement::RiseTime};
// The settings name the measurements in English.
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

// The catalogue's screen for the point a probe is on.
std::optional<sim::ScreenSettings> screenOf(const instrument::Probe& probe) {
    const std::optional<sim::PointId> p = probe.point();
    if (!p) return std::nullopt;
    return sim::screenSettings(*p);
}

// The channels' colours on the screen's pale back, and the math channels'.
const QColor kMathColours[scope::kMathChannels] = {QColor(195, 105, 0), QColor(0, 130, 135)};
// Where channels B to D put their zero line at first (divisions from the top), so that their
// traces do not all lie on A's.
constexpr double kFirstZero[scope::kChannels] = {4, 7, 2.5, 5.5};

// The math list: off, A − B, A + B, A × B, then the engine speed from each channel.
constexpr int kMathChoices = 4 + scope::kChannels;
scope::MathSetup mathOfChoice(int choice) {
    scope::MathSetup m;
    m.on = choice > 0;
    if (choice == 2) m.operation = scope::MathOperation::Sum;
    else if (choice == 3) m.operation = scope::MathOperation::Product;
    else if (choice >= 4) {
        m.operation = scope::MathOperation::EngineSpeed;
        m.channel = std::clamp(choice - 4, 0, scope::kChannels - 1);
    }
    return m;
}
int choiceOfMath(const scope::MathSetup& m) {
    if (!m.on) return 0;
    switch (m.operation) {
    case scope::MathOperation::Difference: return 1;
    case scope::MathOperation::Sum: return 2;
    case scope::MathOperation::Product: return 3;
    case scope::MathOperation::EngineSpeed: return 4 + m.channel;
    }
    return 0;
}

// The index of the named range nearest a value (on a log scale: 2 is as near 1 as 4 is).
int nearestRange(const std::vector<double>& ranges, double want) {
    int best = 0;
    for (int i = 0; i < int(ranges.size()); ++i)
        if (std::abs(std::log(ranges[std::size_t(i)] / want)) < std::abs(std::log(ranges[std::size_t(best)] / want)))
            best = i;
    return best;
}

// A frame as the screen draws it.
scope::ScreenTrace traceOf(const scope::Frame& f) { return {f.values, f.dt, f.lows, f.highs}; }

// The smallest of the level ranges (stepping on 1-2-5 beyond the last) from `own` up that
// keeps the frame between the screen's edges with its zero line `zero` divisions from the top.
double fittingRange(const scope::Frame& f, double zero, double own) {
    double top = 0, bottom = 0;
    for (double x : f.highs) if (std::isfinite(x)) top = std::max(top, x);
    for (double x : f.lows) if (std::isfinite(x)) bottom = std::min(bottom, x);
    const double up = std::max(0.1, zero - 0.1), down = std::max(0.1, scope::kDivisionsY - zero - 0.1);
    const auto fits = [&](double c) { return c >= own * 0.999 && top <= up * c && -bottom <= down * c; };
    for (double candidate : scope::levelRanges())
        if (fits(candidate)) return candidate;
    double c = scope::levelRanges().back();
    for (int i = 0; i < 30; ++i) {
        const double next = c * (i % 3 == 0 ? 2.5 : 2);  // 200 → 500 → 1000 → 2000 ...
        c = next;
        if (fits(c)) return c;
    }
    return c;
}

// The signal's clock: the platform's monotonic seconds (virtual in script mode).
double signalNow() { return platform().clock(); }
}  // namespace

LiveScope::LiveScope(MultiScope* ms) : QObject(ms), ms_(ms) {
    bar = new QWidget(ms);
    bar->setObjectName("scopeBar");
    bar->setAutoFillBackground(true);
    bar->setVisible(false);
    // Every control of the bar has its label in front of it.
    const auto barLabel = [this](const QString& name, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, bar);
        l->setObjectName(name);
        l->setBuddy(buddy);
        return l;
    };
    cmbTriggerSource = new QComboBox(bar);
    cmbTriggerSource->setObjectName("cmbTriggerSource");
    cmbTriggerSource->setToolTip(tr("The channel the trigger watches"));
    cmbTriggerSource->setAccessibleName(tr("Trigger channel"));
    for (int c = 0; c < scope::kChannels; ++c) cmbTriggerSource->addItem(channelName(c));
    lblTrigger = barLabel("lblTrigger", tr("&Trigger"), cmbTriggerSource);
    cmbTrigger = new QComboBox(bar);
    cmbTrigger->setObjectName("cmbTrigger");
    cmbTrigger->setAccessibleName(tr("Trigger mode"));
    cmbTrigger->setToolTip(tr("Trigger mode (pick Single again to re-arm it)"));
    for (int m = 0; m < int(std::size(kTriggerModes)); ++m) cmbTrigger->addItem(scope::triggerModeText(scope::TriggerMode(m)));
    // The setting keeps the English name; one that is none of these (damaged, from another
    // version) gives the default.
    const QString storedName = GetSetting("Instruments", "Scope_trigger", "Auto").trimmed();
    int storedMode = -1;
    for (int m = 0; m < int(std::size(kTriggerModes)); ++m)
        if (storedName.compare(QLatin1String(kTriggerModes[m]), Qt::CaseInsensitive) == 0) storedMode = m;
    cmbTrigger->setCurrentIndex(storedMode >= 0 ? storedMode : int(scope::Trigger().mode));
    scope::Trigger& trigger = settings_.trigger;
    trigger.mode = scope::TriggerMode(std::clamp(cmbTrigger->currentIndex(), 0, 3));
    cmbEdge = new QComboBox(bar);
    cmbEdge->setObjectName("cmbEdge");
    cmbEdge->setToolTip(tr("Trigger edge"));
    cmbEdge->addItems({scope::edgeText(scope::Edge::Rising), scope::edgeText(scope::Edge::Falling)});
    cmbEdge->setAccessibleName(tr("Trigger edge"));
    lblEdge = barLabel("lblEdge", tr("&Edge"), cmbEdge);
    spnLevel = new QDoubleSpinBox(bar);
    spnLevel->setObjectName("spnLevel");
    spnLevel->setToolTip(tr("Trigger level"));
    spnLevel->setRange(-2000, 2000);
    spnLevel->setDecimals(2);
    spnLevel->setSuffix(" V");  // untranslated: a unit symbol
    spnLevel->setKeyboardTracking(false);
    spnLevel->setAccessibleName(tr("Trigger level"));
    lblLevel = barLabel("lblLevel", tr("&Level"), spnLevel);
    trigger.edge = scope::Edge::Rising;
    trigger.level = spnLevel->value();
    chkCursors = new QCheckBox(tr("Cursors"), bar);
    chkCursors->setObjectName("chkCursors");
    chkCursors->setToolTip(tr("Two time and two level cursors: drag them, or Tab to pick one and move it with the arrow keys"));
    cmbSpan = new QComboBox(bar);
    cmbSpan->setObjectName("cmbSpan");
    cmbSpan->addItems({tr("Whole screen"), tr("Between cursors")});
    cmbSpan->setToolTip(tr("Where the measurements are taken: over the whole screen or between the time cursors T1 and T2"));
    cmbSpan->setAccessibleName(tr("Measure over"));
    lblSpan = barLabel("lblSpan", tr("Measure o&ver"), cmbSpan);
    chkStatistics = new QCheckBox(tr("&Statistics"), bar);
    chkStatistics->setObjectName("chkStatistics");
    chkStatistics->setToolTip(tr("Each measurement's minimum, maximum, mean, standard deviation and count over the "
                                 "captures since the settings last changed"));
    cmdMeasure = menuButton(bar, "cmdMeasure", tr("Measure"), tr("Measurements shown under the screen"));
    const QStringList chosen = GetSetting("Instruments", "Scope_measurements", kDefaultMeasurements.join(','))
                                   .split(',', Qt::SkipEmptyParts);
    std::vector<Measurement>& measured = settings_.measurements;
    measured.clear();
    for (int i = 0; i < 10; ++i) {
        const Measurement m = kMeasurements[i];
        const QString name = scope::measurementName(m);
        mnuMeasure[i] = menuAction(cmdMeasure, ms, "mnuMeasure(" + QString::number(i) + ")", name);
        mnuMeasure[i]->setCheckable(true);
        mnuMeasure[i]->setChecked(chosen.contains(scope::measurementKey(m)));
        if (mnuMeasure[i]->isChecked()) measured.push_back(m);
        // The menu shows the settings; ticking an entry edits them.
        connect(mnuMeasure[i], &QAction::toggled, this, [this, m](bool on) {
            std::vector<Measurement>& shown = settings_.measurements;
            shown.erase(std::remove(shown.begin(), shown.end(), m), shown.end());
            if (on) shown.push_back(m);
        });
        connect(mnuMeasure[i], &QAction::triggered, this, guarded([this] {
                    saveMeasurements();
                    frameCame();
                    render();
                }));
    }
    cmdReference = menuButton(bar, "cmdReference", tr("Reference"), tr("A known-good trace drawn behind the live one"));
    mnuRefStored = menuAction(cmdReference, ms, "mnuRefStored", tr("The point's stored waveform"));
    mnuRefFile = menuAction(cmdReference, ms, "mnuRefFile", tr("Waveform file..."));
    mnuRefScreen = menuAction(cmdReference, ms, "mnuRefScreen", tr("Set as reference"));
    mnuRefClear = menuAction(cmdReference, ms, "mnuRefClear", tr("Clear reference"));
    cmdCapture = menuButton(bar, "cmdCapture", tr("Capture"), tr("Keep the screen as a waveform file or a CSV table"));
    mnuCaptureWave = menuAction(cmdCapture, ms, "mnuCaptureWave", tr("Save as waveform..."));
    mnuCaptureCsv = menuAction(cmdCapture, ms, "mnuCaptureCsv", tr("Export as CSV..."));
    mnuCaptureSave = menuAction(cmdCapture, ms, "mnuCaptureSave", tr("Save capture file..."));
    mnuCaptureOpen = menuAction(cmdCapture, ms, "mnuCaptureOpen", tr("Open capture file..."));
    for (QWidget* w : std::initializer_list<QWidget*>{chkCursors, cmdMeasure, cmdReference, cmdCapture})
        w->setAccessibleName(static_cast<QAbstractButton*>(w)->text());

    for (int c = 1; c < scope::kChannels; ++c) {
        probes_[c] = new instrument::Probe(this);
        connect(probes_[c], &instrument::Probe::changed, this, guarded([this, c] { probeConnected(c); }));
    }
    for (int c = 0; c < scope::kChannels; ++c) settings_.channels[std::size_t(c)].zero = kFirstZero[c];
    buildPanel();

    // Value read-outs beside the scale controls (Frame1's layout leaves them this room).
    lblTimeValue = valueLabel(ms->scopePanel(), "lblTimeValue", QRect(144, 48, 52, 14));
    lblXValue = valueLabel(ms->scopePanel(), "lblXValue", QRect(144, 71, 52, 14));
    lblYValue = valueLabel(ms->scopePanel(), "lblYValue", QRect(2, 169, 34, 12));
    lblVoltsValue = valueLabel(ms->scopePanel(), "lblVoltsValue", QRect(34, 169, 36, 12));
    lblFocusValue = valueLabel(ms->scopePanel(), "lblFocusValue", QRect(70, 169, 30, 12));
    // The read-outs under the scale bars (two lines deep) take the theme's size; those beside
    // the Timebase and X controls have no room to grow.
    for (QLabel* l : {lblYValue, lblVoltsValue, lblFocusValue}) {
        QFont f = l->font();
        f.setPointSizeF(theme::current().readoutPoints);
        l->setFont(f);
    }

    // The trigger's controls show the settings; a change edits them before anything reads them.
    connect(cmbTrigger, &QComboBox::currentIndexChanged, this, [this](int i) {
        settings_.trigger.mode = scope::TriggerMode(std::clamp(i, 0, 3));
    });
    connect(cmbEdge, &QComboBox::currentIndexChanged, this, [this](int i) {
        settings_.trigger.edge = i == 1 ? scope::Edge::Falling : scope::Edge::Rising;
    });
    connect(spnLevel, &QDoubleSpinBox::valueChanged, this, [this](double level) { settings_.trigger.level = level; });
    connect(cmbTrigger, &QComboBox::activated, this, guarded([this] {
                SaveSetting("Instruments", "Scope_trigger", scope::triggerModeName(settings_.trigger.mode));
                restart();
            }));
    connect(cmbEdge, &QComboBox::activated, this, guarded([this] { restart(); }));
    connect(spnLevel, &QDoubleSpinBox::valueChanged, this, guarded([this] { restart(); }));
    connect(cmbTriggerSource, &QComboBox::activated, this, guarded([this](int c) {
                settings_.triggerChannel = std::clamp(c, 0, scope::kChannels - 1);
                // The level and edge the new channel's point is best triggered at.
                if (const auto screen = screenOf(probeOf(settings_.triggerChannel))) {
                    QSignalBlocker b(spnLevel);
                    spnLevel->setValue(screen->triggerLevel);
                    settings_.trigger.level = spnLevel->value();
                    cmbEdge->setCurrentIndex(screen->fallingEdge ? 1 : 0);
                }
                spnLevel->setSuffix(QStringLiteral(" ") + unit());
                saveChannels();
                restart();
            }));
    connect(cmbSpan, &QComboBox::activated, this, guarded([this](int i) {
                settings_.span = i == 1 ? scope::MeasureSpan::Cursors : scope::MeasureSpan::Screen;
                // Between the cursors needs the cursors on the screen.
                if (i == 1 && !chkCursors->isChecked()) chkCursors->setChecked(true);
                saveChannels();
                restart();
            }));
    connect(chkStatistics, &QCheckBox::toggled, this, guarded([this](bool on) {
                settings_.statistics = on;
                saveChannels();
                render();
            }));
    connect(mnuCaptureSave, &QAction::triggered, this, guarded([this] { saveCaptureFile(); }));
    connect(mnuCaptureOpen, &QAction::triggered, this, guarded([this] { openCaptureFile(); }));
    connect(chkCursors, &QCheckBox::toggled, this, guarded([this](bool on) {
                cursors_.shown = on;
                cursorsMoved();
                render();
                if (on) ms_->screen()->setFocus();
            }));
    connect(mnuRefStored, &QAction::triggered, this, guarded([this] { referenceFromFile(CurrentWaveformFile); }));
    connect(mnuRefFile, &QAction::triggered, this, guarded([this] {
                FileDialogRequest r;
                r.mode = FileDialogRequest::Open;
                r.title = tr("Reference waveform");
                r.filter = tr("Multiscope Files (*.msf);;All Files (*.*)");
                r.directory = appFolder();
                const QString path = platform().fileDialog(r);
                if (!path.isEmpty()) referenceFromFile(path);
            }));
    connect(mnuRefScreen, &QAction::triggered, this, guarded([this] { setAsReference(); }));
    connect(mnuRefClear, &QAction::triggered, this, guarded([this] { setReference({}, {}, QString()); }));
    connect(mnuCaptureWave, &QAction::triggered, this, guarded([this] { captureWave(); }));
    connect(mnuCaptureCsv, &QAction::triggered, this, guarded([this] { captureCsv(); }));
    connect(ms, &MultiScope::scalesChanged, this, guarded([this] {
                statistics_.reset();
                showControlValues();
                showChannel(0);
                if (active()) render();
            }));
    connect(ms, &MultiScope::timebaseChanged, this, guarded([this] {
                statistics_.reset();
                showControlValues();
            }));
    // Tab reaches the screen (its cursors' keys), and passes on.
    ms->screen()->setFocusPolicy(Qt::StrongFocus);
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
    // The projector's theme draws no trace thinner than its least width.
    static constexpr double kWidths[] = {0.6, 0.8, 1.0, 1.5, 2.0};
    return theme::traceWidth(theme::current(), kWidths[std::clamp(ms_->controls().focus, 1, 5) - 1]);
}

double LiveScope::zeroDivisions(int channel) const {
    if (channel == 0) return ms_->controls().yShift / 50.0;
    return settings_.channels[std::size_t(std::clamp(channel, 0, scope::kChannels - 1))].zero;
}

QString LiveScope::unit(int channel) const {
    return scope::probeUnit(settings_.channels[std::size_t(std::clamp(channel, 0, scope::kChannels - 1))].probe.kind);
}

bool LiveScope::autoRanging(int channel) const {
    if (channel == 0) {
        const int v = ms_->controls().volts;
        return !(liveRanges_ && v >= 1 && v <= int(scope::levelRanges().size()));
    }
    return settings_.channels[std::size_t(channel)].range < 0;
}

double LiveScope::perDivision(int channel) const {
    const auto& r = scope::levelRanges();
    channel = std::clamp(channel, 0, scope::kChannels - 1);
    if (!autoRanging(channel)) {
        const int index = channel == 0 ? int(r.size()) - ms_->controls().volts : settings_.channels[std::size_t(channel)].range;
        return r[std::size_t(std::clamp(index, 0, int(r.size()) - 1))];
    }
    // Auto: from the point's own range up, the first that keeps the whole frame on the screen
    // (a dead point stays on its zero line at the point's range).
    const auto screen = screenOf(probeOf(channel));
    const double own = screen ? screen->perDivision : 1.0;
    const scope::Frame& f = shownFrames()[std::size_t(channel)];
    return std::min(fittingRange(f, zeroDivisions(channel), own), r.back());
}

const instrument::Probe& LiveScope::probeOf(int channel) const {
    if (channel <= 0 || channel >= scope::kChannels || !probes_[channel]) return ms_->probe();
    return *probes_[channel];
}

QString LiveScope::channelName(int channel) const { return QString(QChar('A' + channel)); }

QString LiveScope::channelLabel(int channel) const {
    const instrument::Probe& p = probeOf(channel);
    if (const auto id = p.point()) return sim::captionWithPlace(*id);
    return p.attached() ? p.at()->caption : QString();
}

QString LiveScope::channelProblem(int channel) const {
    const instrument::Probe& p = probeOf(channel);
    if (!p.attached()) return tr("no probe connected");
    const auto q = p.quantity();
    if (!q) return tr("No signal to measure on this point");
    return scope::probeMismatch(settings_.channels[std::size_t(channel)].probe,
                                QString::fromLatin1(sim::quantityInfo(*q).unit));
}

std::optional<scope::Sampler> LiveScope::channelSignal(int channel, const sim::SignalInputs& in) const {
    if (!settings_.channels[std::size_t(channel)].on || !channelProblem(channel).isEmpty()) return std::nullopt;
    const instrument::Probe& p = probeOf(channel);
    return scope::throughProbe(sim::signalOf(*p.at(), in), QString::fromLatin1(sim::quantityInfo(*p.quantity()).unit),
                               settings_.channels[std::size_t(channel)].probe);
}

scope::Trigger LiveScope::trigger() const {
    scope::Trigger t = settings_.trigger;
    t.position = (ms_->controls().xShift + 50) / 100.0;
    return t;
}

void LiveScope::showControlValues() {
    if (liveRanges_) {
        lblTimeValue->setText(scope::perDivisionText(secondsPerDivision(), "s"));
        lblXValue->setText(QLocale().toString(ms_->controls().xShift + 50) + " %");
        lblYValue->setText(tr("%1 div").arg(QLocale().toString(scope::kDivisionsY - zeroDivisions(), 'f', 1)));
        lblVoltsValue->setText(ms_->controls().volts == 0 ? tr("Auto")
                                                            : scope::perDivisionText(perDivision(0), unit(0)).chopped(4));
        lblFocusValue->setText(QLocale().toString(lineWidth(), 'f', 1) + " px");
    } else {
        lblTimeValue->setText(QStringLiteral("T ") + QString::number(ms_->controls().timebase));
        lblXValue->setText(QLocale().toString(ms_->controls().xShift));
        lblYValue->setText(QLocale().toString(ms_->controls().yShift));
        lblVoltsValue->setText(QStringLiteral("\u00d7") + QLocale().toString(ms_->controls().volts));
        lblFocusValue->setText(QLocale().toString(ms_->controls().focus) + " px");
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
    if (!live) setAccessibleDescriptionOf(ms_->screen(), QString());  // the stored sweep is not described
    showControlValues();
    restart();
    return true;
}

void LiveScope::probeConnected(int channel) {
    channel = std::clamp(channel, 0, scope::kChannels - 1);
    const instrument::Probe& probe = probeOf(channel);
    // The probe that fits the point's quantity.
    if (const auto id = probe.point()) settings_.channels[std::size_t(channel)].probe = scope::naturalProbe(*id);
    showChannel(channel);
    const auto screen = screenOf(probe);
    if (!probe.quantity() || !screen) {
        restart();
        return;
    }
    // The point's own time base, or the range nearest it: for channel A, or the first channel
    // connected while A has no point.
    if (channel == 0 || !ms_->probe().point()) {
        ms_->setLiveTimebase(nearestRange(scope::timeRanges(), screen->secondsPerDivision));
    }
    if (channel == settings_.triggerChannel) {
        QSignalBlocker b(spnLevel);
        QSignalBlocker e(cmbEdge);
        spnLevel->setSuffix(QStringLiteral(" ") + unit());
        spnLevel->setSingleStep(screen->perDivision / 10);
        spnLevel->setValue(screen->triggerLevel);
        settings_.trigger.level = spnLevel->value();
        cmbEdge->setCurrentIndex(screen->fallingEdge ? 1 : 0);
        settings_.trigger.edge = screen->fallingEdge ? scope::Edge::Falling : scope::Edge::Rising;
    }
    showControlValues();
    restart();
}

int LiveScope::channelOfTerminal(const QWidget* w) const {
    for (int c = 0; c < scope::kChannels; ++c)
        if (w && w == cmdChannel[c]) return c;
    return -1;
}

void LiveScope::connectChannel(int channel, const sim::ProbePoint& at, const QString& described) {
    if (channel <= 0 || channel >= scope::kChannels) return;
    if (!ChallengeAllowsMeasurement()) return;
    probes_[channel]->attach(at);
    const QString meter = probes_[channel]->quantity() ? sim::meterText(at, ms_->liveInputs()) : QString();
    const std::optional<sim::PointId> id = sim::pointOf(at);
    const QString key = id ? QString::fromLatin1(sim::point(*id).key) : QString();
    // The challenge's record keeps its English wording, whatever the screen's language.
    ChallengeMeasured(QStringLiteral("%1 (channel %2)").arg(described, channelName(channel)),
                      meter.isEmpty() ? QStringLiteral("no signal") : QStringLiteral("Live %1").arg(meter.trimmed()), key);
}

void LiveScope::disconnectChannel(int channel) {
    if (channel == 0) ms_->detachProbe();
    else if (channel > 0 && channel < scope::kChannels) probes_[channel]->detach();
}

// ---- Drawing ----

void LiveScope::restart() {
    acquisition_.reset();
    statistics_.reset();
    judge_.reset();
    frameCame();
    ticks_ = 0;
    if (active()) render();
}

void LiveScope::tick() {
    if (ScopePaused == True) {
        // The screen stays as it is until Pause is pressed again; the history shows all it holds.
        ms_->setSweepRunning(false);
        if (!historyShown_) showHistory();
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
    if (!historyShown_ && tick % 20 == 0) showHistory();
    if (tick % kTicksPerFrame != 0) return;
    if (guided_ && !guidedStalled_ && signalNow() - guidedLastCapture_ > 2.0 + 2 * scope::kDivisionsX * secondsPerDivision()) {
        // The car is in the test's state and the trigger has not come for a while.
        if (guidedStateProblem().isEmpty()) {
            guidedStalled_ = true;
            render();
        } else {
            guidedLastCapture_ = signalNow();
        }
    }
    const bool rolling = trigger().mode == scope::TriggerMode::Roll;
    const sim::SignalInputs in = ms_->liveInputs();
    std::optional<scope::Sampler> signal[scope::kChannels];
    sim::SignalShape shape[scope::kChannels];
    bool any = false;
    for (int c = 0; c < scope::kChannels; ++c) {
        signal[c] = channelSignal(c, in);
        if (!signal[c]) continue;
        shape[c] = sim::signalShape(*probeOf(c).at(), in);
        any = true;
    }
    if (any) {
        // The trigger watches its channel; one with no signal never crosses the level (Auto
        // then runs free and the other channels are drawn all the same).
        const int t = settings_.triggerChannel;
        const scope::Sampler flat = [](double) { return 0.0; };
        const scope::Sampler& watched = signal[t] ? *signal[t] : flat;
        std::function<double(double)> mark;
        if (signal[t]) mark = [&, t](double at) { return sim::sweepStart(*probeOf(t).at(), in, at); };
        if (!acquisition_.update(watched, signalNow(), secondsPerDivision(), trigger(), mark,
                                 signal[t] ? &shape[t] : nullptr) &&
            tick != 0)
            return;
        const scope::Frame& f = acquisition_.frame();
        for (int c = 0; c < scope::kChannels; ++c) {
            scope::Frame& into = frames_[std::size_t(c)];
            if (!signal[c]) into = scope::Frame();
            else if (c == t) into = f;
            else into = scope::sampleFrame(*signal[c], f.start, f.dt, int(f.values.size()), f.triggered, &shape[c]);
        }
        frameCame();
        const bool complete = f.values.size() == std::size_t(scope::kFramePoints) && !rolling;
        if (complete && guided_ && (f.triggered || trigger().mode == scope::TriggerMode::Auto) &&
            f.start != guidedJudgedStart_) {
            guidedJudgedStart_ = f.start;
            guidedLastCapture_ = signalNow();
            if (guidedStalled_) {
                guidedStalled_ = false;
                emit guidedChanged();
            }
            judgeGuided();
        }
        if (complete) {
            addStatistics();
            // Each triggered frame is a capture of the history.
            if (f.triggered && f.start != lastCaptureStart_) {
                lastCaptureStart_ = f.start;
                const double at = f.start + trigger().position * scope::kDivisionsX * secondsPerDivision();
                // The history's read-out follows twice a second (a label redrawn ten times a
                // second costs as much as a channel).
                if (history_.add(scope::Capture{at, frames_})) historyShown_ = false;
            }
        }
        bool others = false;
        for (int c = 0; c < scope::kChannels; ++c) others = others || (c != t && !frames_[std::size_t(c)].values.empty());
        for (const scope::MathSetup& m : settings_.math) others = others || m.on;
        if (rolling && tick != 0 && !others && !browsing() && rollOn()) return;
        // A steady signal, triggered, gives the same frames again: the screen is left as it is.
        if (tick != 0 && sameAsDrawn()) return;
    } else {
        for (scope::Frame& f : frames_) f = scope::Frame();
        frameCame();
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
    v.trace = traceOf(f);
    ms_->screen()->paintOver([&](QPainter& p) { return scope::paintTrace(p, drawnGeometry_, v, from); });
    return true;
}

bool LiveScope::sameAsDrawn() const {
    const std::vector<double>& now = acquisition_.frame().values;
    if (acquisition_.status() != drawnStatus_ || now.size() != drawnValues_.size() || browsing()) return false;
    if (guided_ && (judge_.captures() != drawnJudged_ || guidedStalled_ || !guidedStateProblem().isEmpty())) return false;
    // Closer than a ten-thousandth of a division: the same picture.
    const auto same = [](const std::vector<double>& a, const std::vector<double>& b, double tolerance) {
        if (a.size() != b.size()) return false;
        for (std::size_t k = 0; k < a.size(); ++k)
            if (!(std::abs(a[k] - b[k]) <= tolerance) && !(std::isnan(a[k]) && std::isnan(b[k]))) return false;
        return true;
    };
    if (!same(now, drawnValues_, perDivision() * 1e-4)) return false;
    if (drawnOthers_.size() != frames_.size()) return false;
    for (int c = 0; c < scope::kChannels; ++c)
        if (!same(frames_[std::size_t(c)].values, drawnOthers_[std::size_t(c)], perDivision(c) * 1e-4)) return false;
    return true;
}

const std::vector<scope::Frame>& LiveScope::shownFrames() const {
    if (browsing()) return history_.selected()->frames;
    return frames_;
}

bool LiveScope::browsing() const {
    const scope::Capture* c = history_.selected();
    return c && history_.position() < history_.size() - 1 && c->frames.size() == std::size_t(scope::kChannels);
}

scope::Polarity LiveScope::polarityOf(int channel) const {
    const auto screen = channel < scope::kChannels ? screenOf(probeOf(channel)) : std::nullopt;
    return screen && screen->lowPulses ? scope::Polarity::Negative : scope::Polarity::Positive;
}

scope::MathResult LiveScope::mathResult(int math, const std::vector<scope::Frame>& frames) const {
    // The newest frames' results are worked out once, as the frames come.
    if (&frames == &frames_ && mathValid_) return math_[std::size_t(math)];
    return workOutMath(math, frames);
}

scope::MathResult LiveScope::workOutMath(int math, const std::vector<scope::Frame>& frames) const {
    const scope::MathSetup& m = settings_.math[std::size_t(math)];
    if (!m.on) return {};
    if (m.operation == scope::MathOperation::EngineSpeed) {
        const scope::Frame& crank = frames[std::size_t(m.channel)];
        if (crank.values.empty()) {
            scope::MathResult r;
            r.reason = tr("Channel %1 shows no trace.").arg(channelName(m.channel));
            return r;
        }
        return scope::engineSpeed(crank, unit(m.channel));
    }
    for (int c : {0, 1})
        if (frames[std::size_t(c)].values.empty()) {
            scope::MathResult r;
            r.reason = tr("Channel %1 shows no trace.").arg(channelName(c));
            return r;
        }
    return scope::mathChannel(m.operation, frames[0], unit(0), frames[1], unit(1));
}

scope::MeasuredValue LiveScope::measureFrame(const scope::Frame& f, Measurement m, const QString& unit,
                                             scope::Polarity polarity, double perDivision) const {
    return measureFrameAll(f, {m}, unit, polarity, perDivision).front();
}

std::vector<scope::MeasuredValue> LiveScope::measureFrameAll(const scope::Frame& f, const std::vector<Measurement>& ms,
                                                             const QString& unit, scope::Polarity polarity,
                                                             double perDivision) const {
    scope::Trace t;
    if (settings_.span == scope::MeasureSpan::Cursors && cursors_.shown && !f.values.empty()) {
        // The samples between the two time cursors, both included.
        const double perSample = double(scope::kFramePoints - 1) / scope::kDivisionsX;
        const auto at = [&](double divisions) {
            return std::size_t(std::clamp(std::lround(divisions * perSample), 0L, long(f.values.size()) - 1));
        };
        const std::size_t a = at(std::min(cursors_.time[0], cursors_.time[1]));
        const std::size_t b = at(std::max(cursors_.time[0], cursors_.time[1]));
        const auto slice = [&](const std::vector<double>& v) {
            return v.size() == f.values.size() ? std::vector<double>(v.begin() + long(a), v.begin() + long(b) + 1)
                                               : std::vector<double>();
        };
        t = scope::Trace{slice(f.values), f.dt, slice(f.lows), slice(f.highs)};
    } else {
        t = scope::Trace{f.values, f.dt, f.lows, f.highs};
    }
    std::vector<scope::MeasuredValue> values = scope::measureAll(t, ms, unit, polarity);
    // The levels are the signal's own, to three digits; a level below a millionth of a division
    // is zero (no "18 nV" of rounding for a mean that is zero).
    for (std::size_t i = 0; i < ms.size(); ++i) {
        const Measurement m = ms[i];
        scope::MeasuredValue& v = values[i];
        const bool level = m == Measurement::Minimum || m == Measurement::Maximum || m == Measurement::PeakToPeak ||
                           m == Measurement::Mean || m == Measurement::Rms;
        if (level && v.valid && std::abs(v.value) < perDivision * 1e-6) {
            v.value = 0;
            v.text = scope::formatSi(0.0, unit);
        }
    }
    return values;
}

QStringList LiveScope::measurementTexts(int channel) const {
    QStringList texts;
    // While a roll sweep draws, the measurements are those of the last complete sweep.
    const bool partial = acquisition_.status() == scope::Status::Rolling &&
                         acquisition_.frame().values.size() < std::size_t(scope::kFramePoints);
    // The newest frames' values were measured as they came.
    const bool measured = measuredValid_ && !partial && !browsing();
    const scope::Frame* f = nullptr;
    scope::MathResult math;
    QString u;
    double perDiv = 1;
    if (channel < scope::kChannels) {
        f = partial && channel == settings_.triggerChannel ? &acquisition_.lastSweep() : &shownFrames()[std::size_t(channel)];
        u = unit(channel);
    } else {
        math = mathResult(channel - scope::kChannels, shownFrames());
        if (!math.valid) return {math.reason};
        f = &math.frame;
        u = math.unit;
    }
    bool scaled = false;
    const auto residueScale = [&] {
        if (!scaled) perDiv = channel < scope::kChannels ? perDivision(channel) : fittingRange(*f, 4, 1e-3);
        scaled = true;
        return perDiv;
    };
    const scope::Polarity polarity = polarityOf(channel);
    for (int i = 0; i < 10; ++i) {
        const Measurement m = kMeasurements[i];
        if (!settings_.measures(m)) continue;
        if (settings_.statistics) {
            // Each measurement on a line of its own, its figures wrapping within it.
            const QStringList figures =
                scope::statisticsText(statistics_.statistics(channel, m), m, u).split(QStringLiteral(", "));
            for (int k = 0; k < figures.size(); ++k)
                texts << (k == 0 ? (texts.isEmpty() ? QString() : QStringLiteral("\n")) + scope::measurementName(m) +
                                       QStringLiteral(": ") + figures[k]
                                 : figures[k]);
            continue;
        }
        const auto known = measured ? measured_.find({channel, m}) : measured_.end();
        const QString text =
            known != measured_.end() ? known->second.text : measureFrame(*f, m, u, polarity, residueScale()).text;
        texts << scope::measurementName(m) + " " + text;
    }
    return texts;
}

void LiveScope::cursorsMoved() {
    // Measured between the cursors, the measurements are new ones: counted afresh.
    if (settings_.span != scope::MeasureSpan::Cursors) return;
    statistics_.reset();
    frameCame();
}

void LiveScope::frameCame() {
    // The math channels and every measurement of the new frames, once; the statistics count them.
    mathValid_ = false;
    for (int m = 0; m < scope::kMathChannels; ++m) math_[std::size_t(m)] = workOutMath(m, frames_);
    mathValid_ = true;
    measured_.clear();
    measuredValid_ = false;
    for (int c = 0; c < scope::kChannels + scope::kMathChannels; ++c) {
        const scope::Frame* f = nullptr;
        QString u;
        double perDiv = 1;
        if (c < scope::kChannels) {
            f = &frames_[std::size_t(c)];
            u = unit(c);
            if (f->values.empty()) continue;
            perDiv = perDivision(c);
        } else {
            const scope::MathResult& r = math_[std::size_t(c - scope::kChannels)];
            if (!r.valid) continue;
            f = &r.frame;
            u = r.unit;
            perDiv = fittingRange(*f, 4, 1e-3);
        }
        const std::vector<scope::MeasuredValue> values = measureFrameAll(*f, settings_.measurements, u, polarityOf(c), perDiv);
        for (std::size_t i = 0; i < values.size(); ++i) measured_[{c, settings_.measurements[i]}] = values[i];
    }
    measuredValid_ = true;
}

void LiveScope::addStatistics() {
    for (const auto& [key, value] : measured_) statistics_.add(key.first, key.second, value);
}

scope::ScreenView LiveScope::view() const {
    scope::ScreenView v;
    const int t = settings_.triggerChannel;
    const std::vector<scope::Frame>& frames = shownFrames();
    v.secondsPerDivision = secondsPerDivision();
    v.perDivision = perDivision(t);
    v.unit = unit(t);
    v.autoRange = autoRanging(t);
    v.zero = zeroDivisions(t);
    const scope::Frame& shown = frames[std::size_t(t)];
    v.trace = traceOf(shown);
    v.trigger = trigger();
    v.status = acquisition_.status();
    v.cursors = cursors_;
    v.lineWidth = lineWidth();
    if (browsing()) {
        v.historyText = tr("Capture %1 of %2, %3 s")
                            .arg(history_.position() + 1)
                            .arg(history_.size())
                            .arg(QLocale().toString(history_.selected()->time, 'f', 2));
    }
    if (guided_) {
        const scope::Verdict verdict = guidedVerdict();
        v.verdict = tr("%1: %2. %3").arg(guided_->title, scope::verdictText(verdict), guidedReason());
        v.verdictColour = verdict == scope::Verdict::Pass   ? QColor(0, 120, 40)
                          : verdict == scope::Verdict::Fail ? QColor(200, 0, 0)
                                                            : QColor(90, 90, 90);
    }
    const auto marksOf = [this](int c) {
        const auto& failures = judge_.lastFailures();
        return guided_ && !browsing() && c < int(failures.size()) ? failures[std::size_t(c)] : std::vector<int>();
    };
    // One channel (A, triggering) is drawn as the screen always drew it; more, each in its colour.
    bool several = t != 0;
    for (int c = 1; c < scope::kChannels; ++c) several = several || probeOf(c).attached();
    for (const scope::MathSetup& m : settings_.math) several = several || m.on;
    if (!several) {
        v.measurements = settings_.channels[0].on ? measurementTexts(0) : QStringList();
        if (!settings_.channels[0].on) v.trace = {};
        v.marks = marksOf(0);
    } else {
        v.triggerName = channelName(t);
        for (int c = 0; c < scope::kChannels; ++c) {
            if (!settings_.channels[std::size_t(c)].on || !probeOf(c).attached()) continue;
            scope::ChannelView cv;
            cv.name = channelName(c);
            cv.colour = theme::current().channels[c];
            cv.unit = unit(c);
            cv.perDivision = perDivision(c);
            cv.autoRange = autoRanging(c);
            cv.zero = zeroDivisions(c);
            const scope::Frame& f = frames[std::size_t(c)];
            cv.trace = traceOf(f);
            cv.label = channelLabel(c);
            cv.marks = marksOf(c);
            if (guided_ && std::size_t(c) < guidedReference_.size()) {
                const scope::Frame& r = guidedReference_[std::size_t(c)];
                cv.reference = traceOf(r);
            }
            const QString problem = channelProblem(c);
            cv.measurements = problem.isEmpty() ? measurementTexts(c) : QStringList{problem};
            v.channels.push_back(cv);
        }
        for (int m = 0; m < scope::kMathChannels; ++m) {
            if (!settings_.math[std::size_t(m)].on) continue;
            const scope::MathResult r = mathResult(m, frames);
            scope::ChannelView cv;
            cv.name = QStringLiteral("M%1").arg(m + 1);
            cv.colour = kMathColours[m];
            cv.label = cmbMath[m]->currentText();
            if (r.valid) {
                cv.unit = r.unit;
                // The speed stands on the bottom line; the others about the middle.
                cv.zero = settings_.math[std::size_t(m)].operation == scope::MathOperation::EngineSpeed ? 8 : 4;
                cv.perDivision = fittingRange(r.frame, cv.zero, 1e-3);
                cv.autoRange = true;
                cv.trace = traceOf(r.frame);
            }
            cv.measurements = measurementTexts(scope::kChannels + m);
            if (!cv.measurements.isEmpty()) cv.measurements.front() = cv.label + QStringLiteral(" ") + cv.measurements.front();
            v.channels.push_back(cv);
        }
    }
    if (guided_ && !several && referenceName_.isEmpty() && !guidedReference_.empty()) {
        // A guided test on one channel: its known-good reference behind the trace.
        const scope::Frame& r = guidedReference_.front();
        v.reference = traceOf(r);
        v.referenceName = tr("known good");
    }
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
    bool attached = false;
    for (int c = 0; c < scope::kChannels; ++c) attached = attached || probeOf(c).attached();
    if (!attached) v.message = tr("Drag a connection point onto a channel's terminal (or press the terminal) to measure its signal");
    else if (!several && !quantityOfProbe(ms_)) v.message = tr("No signal to measure on this point");
    else if (!several && settings_.channels[0].on && !channelProblem(0).isEmpty() && ms_->probe().attached())
        v.message = channelProblem(0);
    return v;
}

void LiveScope::render() {
    if (!active()) return;
    drawnValues_ = acquisition_.frame().values;
    drawnOthers_.clear();
    for (const scope::Frame& f : frames_) drawnOthers_.push_back(f.values);
    drawnStatus_ = acquisition_.status();
    drawnJudged_ = judge_.captures();
    const scope::ScreenView v = view();
    // The panel's verdict follows the screen's when it changes.
    if (v.verdict != drawnVerdict_) {
        drawnVerdict_ = v.verdict;
        emit guidedChanged();
    }
    drawnPerDivision_ = v.perDivision;
    setAccessibleDescriptionOf(ms_->screen(), scope::describeScreen(v));
    ms_->screen()->paintFrame(
        [&](QPainter& p, QSizeF size) { drawnGeometry_ = scope::paintScreen(p, size, v, &graticule_); });
    reportGuided();
}

void LiveScope::reportGuided() {
    if (!guided_ || !ChallengeRunning()) return;
    const scope::Verdict verdict = guidedVerdict();
    if (verdict == guidedReported_) return;
    guidedReported_ = verdict;
    // The screen that shows the result: the traces, the reference, the marks and the verdict.
    QByteArray png;
    if (verdict != scope::Verdict::NotMeasured) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ms_->screen()->image().save(&buffer, "PNG");
    }
    ChallengeGuidedRun(guidedRun_, guided_->key, guided_->title, verdict, guidedReason(), png);
}

QRect LiveScope::place(const QRect& display) {
    const bool shown = ms_->source() == MultiScope::Source::Live;
    bar->setVisible(shown);
    panel->setVisible(shown);
    if (!shown) return display;
    // The bar's controls in a row, each label before its control, wrapping onto another row
    // when the window is narrow (a label stays with its control).
    const QList<QList<QWidget*>> groups = {{lblTrigger, cmbTriggerSource, cmbTrigger}, {lblEdge, cmbEdge},
                                           {lblLevel, spnLevel}, {chkCursors}, {lblSpan, cmbSpan},
                                           {chkStatistics}, {cmdMeasure}, {cmdReference}, {cmdCapture}};
    int x = 4, y = 2, rows = 1;
    for (const QList<QWidget*>& group : groups) {
        int wide = 0;
        for (QWidget* w : group) wide += std::max(w->sizeHint().width(), w == spnLevel ? 84 : 0) + 4;
        if (x > 4 && x + wide > display.width() - 4) {
            x = 4;
            y += kBarRow;
            ++rows;
        }
        for (QWidget* w : group) {
            const int width = std::max(w->sizeHint().width(), w == spnLevel ? 84 : 0);
            w->setGeometry(x, y, width, kBarRow - 4);
            x += width + 4;
        }
        x += 4;
    }
    const int height = rows * kBarRow;
    bar->setGeometry(display.left(), display.bottom() + 1 - height, display.width(), height);
    // The channel panel at the right of the screen, as wide as its contents need.
    const int panelWidth = std::min(kPanelWidth, std::max(0, display.width() * 2 / 5));
    panel->setGeometry(display.right() + 1 - panelWidth, display.top(), panelWidth, std::max(0, display.height() - height));
    layoutPanel();
    return QRect(display.left(), display.top(), std::max(0, display.width() - panelWidth),
                 std::max(0, display.height() - height));
}

void LiveScope::raise() {
    if (bar->isVisible()) bar->raise();
    if (panel->isVisible()) panel->raise();
}

// ---- Guided tests ----

void LiveScope::startGuidedTest(const guided::GuidedTest& test) {
    guided_ = nullptr;
    if (!ChallengeAllowsMeasurement()) return;
    ms_->setSource(MultiScope::Source::Live);
    // The channels on the test's points (A through the window's terminal), each with the probe
    // that fits it; the others taken off.
    for (int c = 0; c < scope::kChannels; ++c) {
        if (c < int(test.channels.size())) {
            const sim::PointId id = test.channels[std::size_t(c)].point;
            if (c == 0) ms_->connectTerminal(sim::probeOn(id), sim::captionWithPlace(id, sim::Wording::Files));
            else connectChannel(c, sim::probeOn(id), sim::captionWithPlace(id, sim::Wording::Files));
        } else {
            disconnectChannel(c);
        }
        settings_.channels[std::size_t(c)].on = c < int(test.channels.size());
        const QSignalBlocker b(chkChannel[c]);
        chkChannel[c]->setChecked(settings_.channels[std::size_t(c)].on);
    }
    // Their scales and zero lines.
    const auto& ranges = scope::levelRanges();
    for (std::size_t c = 0; c < test.channels.size() && c < std::size_t(scope::kChannels); ++c) {
        const guided::TestChannel& ch = test.channels[c];
        const int range = nearestRange(ranges, ch.perDivision);
        if (c == 0) {
            ms_->setLiveVolts(int(ranges.size()) - range);
            ms_->setLiveY(int(std::lround(ch.zero * 50)));
        } else {
            settings_.channels[c].range = range;
            settings_.channels[c].zero = ch.zero;
        }
        showChannel(int(c));
    }
    for (scope::MathSetup& m : settings_.math) m = scope::MathSetup();
    for (int m = 0; m < scope::kMathChannels; ++m) {
        const QSignalBlocker b(cmbMath[m]);
        cmbMath[m]->setCurrentIndex(0);
    }
    // The time base, the trigger and the measurements to read.
    ms_->setLiveTimebase(nearestRange(scope::timeRanges(), test.secondsPerDivision));
    ms_->setLiveX(int(std::lround(test.trigger.position * 100 - 50)));
    settings_.triggerChannel = std::clamp(test.triggerChannel, 0, scope::kChannels - 1);
    settings_.trigger.mode = test.trigger.mode;
    settings_.trigger.edge = test.trigger.edge;
    {
        const QSignalBlocker a(cmbTriggerSource), b(cmbTrigger), c(cmbEdge), d(spnLevel);
        cmbTriggerSource->setCurrentIndex(settings_.triggerChannel);
        cmbTrigger->setCurrentIndex(int(test.trigger.mode));
        cmbEdge->setCurrentIndex(test.trigger.edge == scope::Edge::Falling ? 1 : 0);
        spnLevel->setSuffix(QStringLiteral(" ") + unit());
        spnLevel->setValue(test.trigger.level);
    }
    settings_.trigger.level = spnLevel->value();
    settings_.measurements = test.measurements;
    for (int i = 0; i < 10; ++i) {
        const QSignalBlocker b(mnuMeasure[i]);
        mnuMeasure[i]->setChecked(settings_.measures(kMeasurements[i]));
    }
    settings_.span = scope::MeasureSpan::Screen;
    cmbSpan->setCurrentIndex(0);
    // Back to the newest capture; the reference and masks from the healthy model.
    history_.last();
    showHistory();
    guided_ = &test;
    ++guidedRun_;
    guidedReported_ = scope::Verdict::NotMeasured;
    if (ChallengeRunning()) ChallengeGuidedRun(guidedRun_, test.key, test.title, guidedReported_, QString(), QByteArray());
    guidedFigures_.clear();
    guidedStalled_ = false;
    guidedLastCapture_ = signalNow();
    referToCar();
    guidedJudgedStart_ = -1;
    showControlValues();
    restart();
    emit guidedChanged();
}

void LiveScope::stopGuidedTest() {
    if (!guided_) return;
    guided_ = nullptr;
    guidedFigures_.clear();
    guidedReference_.clear();
    judge_ = scope::MaskJudge();
    render();
    emit guidedChanged();
}

bool LiveScope::referToCar() {
    // The reference is the healthy car with the unit's figures as they are now (its speed,
    // timing, dwell, injection, the battery's and the alternator's state): made again when they
    // change, and the count starts over.
    const SimState& s = *ms_->liveInputs().state;
    const std::optional<guided::EngineState> state = guidedCarState();
    const std::vector<double> figures = {state ? double(int(*state)) : -1.0, double(EngineRunning == True), double(EngineCranking == True),
                                         double(IgnitionOn == True), double(s.EngineSpeed), double(s.CrankingSpeed),
                                         double(s.InjectionDuration), double(s.DwellPercentage),
                                         double(s.IgnitionTiming), double(s.EngineLoad), double(s.SystemVoltage),
                                         double(s.AlternatorSpeed), double(s.EngineTemperature),
                                         double(s.PumpPriming > 0)};
    if (figures == guidedFigures_) return false;
    guidedFigures_ = figures;
    guidedReference_ = guided::referenceFor(*guided_, state.value_or(guided_->state), s);
    judge_ = scope::MaskJudge(guided::masks(*guided_, guidedReference_));
    return true;
}

std::optional<guided::EngineState> LiveScope::guidedCarState() const {
    if (!guided_) return std::nullopt;
    const bool running = EngineRunning == True, cranking = EngineCranking == True;
    const SimState& car = *ms_->liveInputs().state;
    for (guided::EngineState state : guided_->states()) {
        bool in = false;
        switch (state) {
        case guided::EngineState::IgnitionOn: in = IgnitionOn == True && !running && !cranking; break;
        case guided::EngineState::Cranking: in = cranking && guided::reached(*guided_, state, car); break;
        case guided::EngineState::Idle:
            in = running && std::abs(int(EngineSpeed) - 800) <= 150 && EngineTemperature >= 80;
            break;
        case guided::EngineState::Rpm3000:
            in = running && std::abs(int(EngineSpeed) - 3000) <= 250 && EngineTemperature >= 80;
            break;
        }
        if (in) return state;
    }
    return std::nullopt;
}

QString LiveScope::guidedStateProblem() const {
    if (!guided_ || guidedCarState()) return {};
    QString what;
    switch (guided_->state) {
    case guided::EngineState::IgnitionOn:
        what = tr("Turn the key to ignition on with the engine still (File > Ignition On / Off).");
        break;
    case guided::EngineState::Cranking: what = tr("Crank the engine: the test is made while the starter turns it."); break;
    case guided::EngineState::Idle: what = tr("Run the engine at idle, about 800 rev/min, warm (80 deg C or more)."); break;
    case guided::EngineState::Rpm3000: what = tr("Hold the warm engine at about 3000 rev/min."); break;
    }
    const auto also = guided_->alsoIn;
    if (std::find(also.begin(), also.end(), guided::EngineState::Cranking) != also.end())
        what += QStringLiteral(" ") + tr("An engine that will not run: crank it, and keep it cranking for testing.");
    return what;
}

QString LiveScope::guidedReason() const {
    if (!guided_) return {};
    const QString state = guidedStateProblem();
    if (!state.isEmpty()) return state;
    if (guidedStalled_)
        return tr("No trigger for two seconds: the trigger channel does not show what a healthy car shows there.");
    return judge_.reason();
}

scope::Verdict LiveScope::guidedVerdict() const {
    if (guided_ && guidedStalled_ && guidedStateProblem().isEmpty()) return scope::Verdict::Fail;
    return judge_.verdict();
}

void LiveScope::judgeGuided() {
    // Captures count only with the car in the test's state.
    if (!guided_ || !guidedStateProblem().isEmpty()) {
        emit guidedChanged();
        return;
    }
    if (referToCar()) {
        // The car's figures changed: this frame was taken before the new reference; the next counts.
        emit guidedChanged();
        return;
    }
    std::vector<scope::Frame> frames;
    for (std::size_t c = 0; c < guided_->channels.size() && c < frames_.size(); ++c) frames.push_back(frames_[c]);
    judge_.add(frames);
    emit guidedChanged();
}

// ---- The channel panel ----

void LiveScope::buildPanel() {
    panel = new QWidget(ms_);
    panel->setObjectName("channelPanel");
    panel->setAutoFillBackground(true);
    panel->setVisible(false);
    const auto label = [this](const QString& name, const QString& text) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(name);
        return l;
    };
    lblChannels = label("lblChannels", tr("Channels"));
    QFont bold = lblChannels->font();
    bold.setBold(true);
    lblChannels->setFont(bold);
    lblProbeHeading = label("lblProbeHeading", tr("Probe"));
    lblScaleHeading = label("lblScaleHeading", tr("Scale /div"));
    lblZeroHeading = label("lblZeroHeading", tr("Zero"));
    // What was chosen before: the channels' on/off, probes, ranges and zeros, the math channels,
    // the trigger channel, where measurements are taken and the statistics (a damaged value
    // keeps its default).
    const QStringList stored = GetSetting("Instruments", "Scope_channels", QString()).split(';');
    for (int c = 0; c < scope::kChannels; ++c) {
        scope::ChannelSetup& setup = settings_.channels[std::size_t(c)];
        const QStringList f = stored.value(c).split(',');
        if (f.size() == 4) {
            bool okRange = false, okZero = false;
            const int range = f[1].toInt(&okRange);
            const double zero = f[2].toDouble(&okZero);
            if (const auto probe = scope::probeFromKey(f[3])) setup.probe = *probe;
            setup.on = f[0] != QLatin1String("0");
            if (okRange && range >= -1 && range < int(scope::levelRanges().size())) setup.range = range;
            if (okZero && zero >= 0 && zero <= scope::kDivisionsY) setup.zero = zero;
        }
        const QString name = channelName(c);
        chkChannel[c] = new QCheckBox(name, panel);
        chkChannel[c]->setObjectName(QStringLiteral("chkChannel(%1)").arg(c));
        chkChannel[c]->setChecked(setup.on);
        chkChannel[c]->setToolTip(tr("Channel %1 on or off").arg(name));
        chkChannel[c]->setAccessibleName(tr("Channel %1 on").arg(name));
        {
            QPalette pal = chkChannel[c]->palette();
            pal.setColor(QPalette::WindowText, scope::channelColour(c));
            chkChannel[c]->setPalette(pal);
            chkChannel[c]->setFont(bold);
        }
        cmdChannel[c] = new QPushButton(panel);
        cmdChannel[c]->setObjectName(QStringLiteral("cmdChannel(%1)").arg(c));
        cmdChannel[c]->setToolTip(tr("Channel %1's probe: drop a connection point here, or press to pick one from the "
                                     "list").arg(name));
        makeDropTarget(cmdChannel[c]);
        auto* menu = new QMenu(cmdChannel[c]);
        connect(menu, &QMenu::aboutToShow, this, guarded([this, c, menu] { channelMenu(c, menu); }));
        cmdChannel[c]->setMenu(menu);
        lblPlace[c] = label(QStringLiteral("lblPlace(%1)").arg(c), QString());
        QFont small = lblPlace[c]->font();
        small.setPointSizeF(7.5);
        lblPlace[c]->setFont(small);
        cmbProbe[c] = new QComboBox(panel);
        cmbProbe[c]->setObjectName(QStringLiteral("cmbProbe(%1)").arg(c));
        // The list's short names; each entry's tip the probe's whole name.
        for (const scope::ProbeSetting& p : scope::probeChoices()) {
            cmbProbe[c]->addItem(scope::probeShortName(p));
            cmbProbe[c]->setItemData(cmbProbe[c]->count() - 1, scope::probeName(p), Qt::ToolTipRole);
        }
        cmbProbe[c]->setToolTip(tr("Channel %1's probe, and the unit it reads").arg(name));
        cmbProbe[c]->setAccessibleName(tr("Channel %1 probe").arg(name));
        cmbRange[c] = new QComboBox(panel);
        cmbRange[c]->setObjectName(QStringLiteral("cmbRange(%1)").arg(c));
        cmbRange[c]->setToolTip(tr("Channel %1's units a division").arg(name));
        cmbRange[c]->setAccessibleName(tr("Channel %1 scale").arg(name));
        spnZero[c] = new QDoubleSpinBox(panel);
        spnZero[c]->setObjectName(QStringLiteral("spnZero(%1)").arg(c));
        spnZero[c]->setRange(0, scope::kDivisionsY);
        spnZero[c]->setSingleStep(0.2);
        spnZero[c]->setDecimals(1);
        spnZero[c]->setKeyboardTracking(false);
        spnZero[c]->setToolTip(tr("Channel %1's zero line, in divisions from the bottom of the screen").arg(name));
        spnZero[c]->setAccessibleName(tr("Channel %1 zero line").arg(name));

        connect(chkChannel[c], &QCheckBox::toggled, this, guarded([this, c](bool on) {
                    settings_.channels[std::size_t(c)].on = on;
                    saveChannels();
                    restart();
                }));
        connect(cmbProbe[c], &QComboBox::activated, this, guarded([this, c](int i) {
                    const auto& choices = scope::probeChoices();
                    settings_.channels[std::size_t(c)].probe = choices[std::size_t(std::clamp(i, 0, int(choices.size()) - 1))];
                    fillRanges(c);
                    if (c == settings_.triggerChannel) spnLevel->setSuffix(QStringLiteral(" ") + unit());
                    saveChannels();
                    restart();
                }));
        connect(cmbRange[c], &QComboBox::activated, this, guarded([this, c](int i) {
                    const int range = i - 1;  // the first entry ranges automatically
                    if (c == 0) {
                        // A's range is the window's Volts control.
                        ms_->setLiveVolts(range < 0 ? 0 : int(scope::levelRanges().size()) - range);
                    } else {
                        settings_.channels[std::size_t(c)].range = range;
                        saveChannels();
                        statistics_.reset();
                        render();
                    }
                }));
        connect(spnZero[c], &QDoubleSpinBox::valueChanged, this, guarded([this, c](double fromBottom) {
                    const double zero = scope::kDivisionsY - fromBottom;
                    if (c == 0) {
                        // A's zero line is the window's Y control.
                        ms_->setLiveY(int(std::lround(zero * 50)));
                    } else {
                        settings_.channels[std::size_t(c)].zero = zero;
                        saveChannels();
                        render();
                    }
                }));
        showChannel(c);
    }
    const QStringList storedMath = GetSetting("Instruments", "Scope_math", QString()).split(',');
    for (int m = 0; m < scope::kMathChannels; ++m) {
        lblMath[m] = label(QStringLiteral("lblMath(%1)").arg(m), tr("Math &%1").arg(m + 1));
        cmbMath[m] = new QComboBox(panel);
        cmbMath[m]->setObjectName(QStringLiteral("cmbMath(%1)").arg(m));
        cmbMath[m]->addItem(tr("Off"));
        for (scope::MathOperation op :
             {scope::MathOperation::Difference, scope::MathOperation::Sum, scope::MathOperation::Product})
            cmbMath[m]->addItem(scope::mathName(op));
        for (int c = 0; c < scope::kChannels; ++c)
            cmbMath[m]->addItem(scope::mathName(scope::MathOperation::EngineSpeed, channelName(c)));
        cmbMath[m]->setToolTip(tr("A channel worked out from the others"));
        cmbMath[m]->setAccessibleName(tr("Math channel %1").arg(m + 1));
        lblMath[m]->setBuddy(cmbMath[m]);
        bool ok = false;
        const int choice = storedMath.value(m).toInt(&ok);
        if (ok && choice >= 0 && choice < kMathChoices) {
            cmbMath[m]->setCurrentIndex(choice);
            settings_.math[std::size_t(m)] = mathOfChoice(choice);
        }
        connect(cmbMath[m], &QComboBox::activated, this, guarded([this, m](int choice) {
                    settings_.math[std::size_t(m)] = mathOfChoice(choice);
                    saveChannels();
                    restart();
                }));
    }
    lblHistory = label("lblHistory", tr("&History"));
    sldHistory = new QSlider(Qt::Horizontal, panel);
    sldHistory->setObjectName("sldHistory");
    sldHistory->setRange(0, 0);
    sldHistory->setPageStep(10);
    sldHistory->setToolTip(tr("The last %1 triggered captures: step back with the arrow keys, Page Up and Home")
                               .arg(history_.limit()));
    sldHistory->setAccessibleName(tr("Capture history"));
    sldHistory->setFocusPolicy(Qt::StrongFocus);
    lblHistory->setBuddy(sldHistory);
    lblHistoryValue = label("lblHistoryValue", QString());
    connect(sldHistory, &QSlider::valueChanged, this, guarded([this](int i) {
                if (i == history_.position()) return;
                history_.select(i);
                showHistory();
                render();
            }));
    // The trigger channel, the measurements' span and the statistics as they were left.
    {
        const QString stored = GetSetting("Instruments", "Scope_trigger_channel", "A").trimmed().toUpper();
        const int t = stored.size() == 1 ? stored[0].unicode() - 'A' : 0;
        if (t >= 0 && t < scope::kChannels) settings_.triggerChannel = t;
        cmbTriggerSource->setCurrentIndex(settings_.triggerChannel);
        settings_.span = GetSetting("Instruments", "Scope_measure_span", "Screen") == QLatin1String("Cursors")
                             ? scope::MeasureSpan::Cursors
                             : scope::MeasureSpan::Screen;
        cmbSpan->setCurrentIndex(settings_.span == scope::MeasureSpan::Cursors ? 1 : 0);
        settings_.statistics = GetSetting("Instruments", "Scope_statistics", "0") == QLatin1String("1");
        QSignalBlocker b(chkStatistics);
        chkStatistics->setChecked(settings_.statistics);
    }
    showHistory();
}

void LiveScope::layoutPanel() {
    const int w = panel->width();
    const int inner = std::max(0, w - 8);
    int y = 4;
    lblChannels->setGeometry(4, y, inner, 18);
    y += 20;
    // The probe's name is the longest; the scale and zero take what their values need.
    const int zeroW = 52, rangeW = 70;
    const int probeW = std::max(40, inner - rangeW - zeroW - 8);
    lblProbeHeading->setGeometry(4, y, probeW, 16);
    lblScaleHeading->setGeometry(8 + probeW, y, rangeW, 16);
    lblZeroHeading->setGeometry(12 + probeW + rangeW, y, zeroW, 16);
    y += 18;
    for (int c = 0; c < scope::kChannels; ++c) {
        chkChannel[c]->setGeometry(4, y, 36, 22);
        cmdChannel[c]->setGeometry(42, y, std::max(0, w - 46), 22);
        lblPlace[c]->setGeometry(42, y + 22, std::max(0, w - 46), 16);
        cmbProbe[c]->setGeometry(4, y + 39, probeW, 22);
        cmbRange[c]->setGeometry(8 + probeW, y + 39, rangeW, 22);
        spnZero[c]->setGeometry(12 + probeW + rangeW, y + 39, zeroW, 22);
        y += 66;
    }
    y += 4;
    for (int m = 0; m < scope::kMathChannels; ++m) {
        lblMath[m]->setGeometry(4, y, 52, 22);
        cmbMath[m]->setGeometry(58, y, std::max(0, w - 62), 22);
        y += 26;
    }
    y += 4;
    lblHistory->setGeometry(4, y, 52, 18);
    lblHistoryValue->setGeometry(58, y, std::max(0, w - 62), 18);
    y += 20;
    sldHistory->setGeometry(4, y, inner, 22);
}

void LiveScope::fillRanges(int channel) {
    QComboBox* box = cmbRange[channel];
    const QSignalBlocker block(box);
    const QString u = unit(channel);
    box->clear();
    box->addItem(tr("Auto"));
    // "2 V", "200 mA": the heading says they are a division's.
    for (double r : scope::levelRanges()) box->addItem(scope::perDivisionText(r, u).chopped(4));
    int range = settings_.channels[std::size_t(channel)].range;
    if (channel == 0) {
        const int v = ms_->controls().volts;
        range = liveRanges_ && v >= 1 && v <= int(scope::levelRanges().size()) ? int(scope::levelRanges().size()) - v : -1;
    }
    box->setCurrentIndex(range + 1);
}

void LiveScope::showChannel(int channel) {
    if (channel < 0 || channel >= scope::kChannels || !cmdChannel[channel]) return;
    const instrument::Probe& p = probeOf(channel);
    const QString name = channelName(channel);
    QString caption = tr("%1: connect a probe...").arg(name);
    QString place;
    if (p.attached()) {
        caption = QStringLiteral("%1: %2").arg(name, p.at()->caption);
        if (const auto id = p.point()) place = sim::placeOf(*id);
    }
    cmdChannel[channel]->setText(caption);
    cmdChannel[channel]->setAccessibleName(tr("Channel %1 terminal").arg(name));
    cmdChannel[channel]->setAccessibleDescription(p.attached() ? channelLabel(channel) : tr("no probe connected"));
    lblPlace[channel]->setText(place);
    lblPlace[channel]->setToolTip(place);
    const scope::ChannelSetup& setup = settings_.channels[std::size_t(channel)];
    {
        const QSignalBlocker b(cmbProbe[channel]);
        const auto& choices = scope::probeChoices();
        const auto at = std::find(choices.begin(), choices.end(), setup.probe);
        if (at != choices.end()) cmbProbe[channel]->setCurrentIndex(int(at - choices.begin()));
    }
    fillRanges(channel);
    {
        const QSignalBlocker b(spnZero[channel]);
        spnZero[channel]->setValue(scope::kDivisionsY - zeroDivisions(channel));
    }
}

void LiveScope::showHistory() {
    if (!sldHistory) return;
    historyShown_ = true;
    {
        const QSignalBlocker b(sldHistory);
        sldHistory->setRange(0, std::max(0, history_.size() - 1));
        sldHistory->setValue(std::max(0, history_.position()));
    }
    sldHistory->setEnabled(!history_.empty());
    if (history_.empty()) lblHistoryValue->setText(tr("no captures yet"));
    else
        lblHistoryValue->setText(tr("%1 of %2, %3 s")
                                     .arg(history_.position() + 1)
                                     .arg(history_.size())
                                     .arg(QLocale().toString(history_.selected()->time, 'f', 2)));
    sldHistory->setAccessibleDescription(lblHistoryValue->text());
}

void LiveScope::channelMenu(int channel, QMenu* menu) {
    // Every connection point, by window and circuit, and the probe taken off.
    menu->clear();
    QMenu* windows[3] = {menu->addMenu(tr("Engine window")), menu->addMenu(tr("Starting window")),
                         menu->addMenu(tr("Charging window"))};
    for (const sim::PointInfo& p : sim::points()) {
        QAction* a = windows[int(p.window)]->addAction(sim::captionWithPlace(p.id));
        const sim::PointId id = p.id;
        connect(a, &QAction::triggered, this, guarded([this, channel, id] {
                    const sim::ProbePoint at = sim::probeOn(id);
                    if (channel == 0) ms_->connectTerminal(at, sim::captionWithPlace(id, sim::Wording::Files));
                    else connectChannel(channel, at, sim::captionWithPlace(id, sim::Wording::Files));
                }));
    }
    menu->addSeparator();
    QAction* off = menu->addAction(tr("Disconnect"));
    off->setEnabled(probeOf(channel).attached());
    connect(off, &QAction::triggered, this, guarded([this, channel] { disconnectChannel(channel); }));
}

void LiveScope::saveChannels() const {
    QStringList channels;
    for (const scope::ChannelSetup& c : settings_.channels)
        channels << QStringLiteral("%1,%2,%3,%4")
                        .arg(c.on ? 1 : 0)
                        .arg(c.range)
                        .arg(QString::number(c.zero, 'g', 6), scope::probeKey(c.probe));
    QStringList math;
    for (const scope::MathSetup& m : settings_.math) math << QString::number(choiceOfMath(m));
    SaveSettings({{"Instruments", "Scope_channels", channels.join(';')},
                  {"Instruments", "Scope_math", math.join(',')},
                  {"Instruments", "Scope_trigger_channel", channelName(settings_.triggerChannel)},
                  {"Instruments", "Scope_measure_span",
                   settings_.span == scope::MeasureSpan::Cursors ? QStringLiteral("Cursors") : QStringLiteral("Screen")},
                  {"Instruments", "Scope_statistics", settings_.statistics ? QStringLiteral("1") : QStringLiteral("0")}});
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
        MsgBox(tr("The waveform file %1 could not be read as a reference.\r\n\r\n(%2)").arg(path, e.description),
               MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    QStringList samples;
    for (int i = 1; i < n; ++i) samples << records[i];
    if (samples.isEmpty()) {
        MsgBox(tr("The waveform file %1 holds no samples to draw as a reference.").arg(path), MsgButtons::OK,
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
    const scope::Frame& f = shownFrames()[std::size_t(settings_.triggerChannel)];
    if (f.values.empty()) {
        MsgBox(tr("There is no trace on the screen to keep as a reference yet."), MsgButtons::OK, MsgIcon::Information);
        return;
    }
    const instrument::Probe& p = probeOf(settings_.triggerChannel);
    setReference({}, traceOf(f),
                 (p.attached() ? p.at()->caption + " " : QString()) + platform().timeOfDay().toString("HH:mm:ss"));
}

QString LiveScope::captureTarget(const QString& title, const QString& filter, const QString& extension) const {
    bool any = false;
    for (const scope::Frame& f : shownFrames()) any = any || !f.values.empty();
    if (!any) {
        MsgBox(tr("There is no trace on the screen to keep yet."), MsgButtons::OK, MsgIcon::Information);
        return QString();
    }
    FileDialogRequest r;
    r.mode = FileDialogRequest::Save;
    r.title = title;
    r.filter = filter;
    r.directory = appFolder();
    const instrument::Probe& p = probeOf(settings_.triggerChannel);
    r.defaultName = tr("%1 capture").arg(p.attached() ? p.at()->caption : tr("Signal")) + extension;
    QString path = platform().fileDialog(r);
    if (!path.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive)) path += extension;
    return path;
}

void LiveScope::writeCapture(const QString& path, const std::function<void()>& write, const QString& done) const {
    try {
        write();
    } catch (const VbError& e) {
        MsgBox(tr("The capture could not be saved to %1\r\n\r\n(%2 %3)").arg(path, e.description, QString::number(e.number)),
               MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    SetStatus(done.arg(path));
}

void LiveScope::captureWave() {
    const QString path = captureTarget(tr("Save as waveform"), tr("Multiscope Files (*.msf)"), ".msf");
    if (path.isEmpty()) return;
    // A waveform file holds one trace: the trigger channel's.
    const scope::Frame& f = shownFrames()[std::size_t(settings_.triggerChannel)];
    writeCapture(path, [&] {
        msf::writeWaveformFile(path, scope::captureRecords(f.values, perDivision(), ms_->meterText()));
    }, tr("Capture saved to %1"));
}

void LiveScope::captureCsv() {
    const QString path = captureTarget(tr("Export as CSV"), tr("Data Files (*.csv)"), ".csv");
    if (path.isEmpty()) return;
    // Every channel on the screen, the math channels and the reference, each under its name.
    const std::vector<scope::Frame>& frames = shownFrames();
    std::vector<scope::CsvColumn> columns;
    for (int c = 0; c < scope::kChannels; ++c) {
        const scope::Frame& f = frames[std::size_t(c)];
        if (f.values.empty()) continue;
        const instrument::Probe& p = probeOf(c);
        // One channel alone keeps the table's heading as it always was: the point's caption
        // (in English, as the table's other words, whatever the screen's language).
        const QString caption = p.point()      ? sim::captionOf(*p.point(), sim::Wording::Files)
                                : p.attached() ? p.at()->caption
                                               : QStringLiteral("Signal");
        columns.push_back({caption, unit(c), f.values, f.dt});
    }
    if (columns.size() > 1 || settings_.math[0].on || settings_.math[1].on)
        for (std::size_t i = 0, c = 0; c < std::size_t(scope::kChannels); ++c)
            if (!frames[c].values.empty()) {
                const instrument::Probe& p = probeOf(int(c));
                const QString label = p.point() ? sim::captionWithPlace(*p.point(), sim::Wording::Files) : channelLabel(int(c));
                columns[i++].name = channelName(int(c)) + ": " + label;
            }
    for (int m = 0; m < scope::kMathChannels; ++m) {
        const scope::MathResult r = mathResult(m, frames);
        if (r.valid) {
            // The table's headings stay in English, whatever the screen's language.
            const scope::MathSetup& setup = settings_.math[std::size_t(m)];
            const QString name = setup.operation == scope::MathOperation::EngineSpeed
                                     ? scope::mathFileName(setup.operation, channelName(setup.channel))
                                     : scope::mathFileName(setup.operation);
            columns.push_back({QStringLiteral("M%1: ").arg(m + 1) + name, r.unit, r.frame.values, r.frame.dt});
        }
    }
    if (!referenceName_.isEmpty()) {
        const scope::ScreenView v = view();
        columns.push_back({QStringLiteral("Reference %1").arg(referenceName_), unit(), v.reference.values, v.reference.dt});
    }
    if (columns.empty()) return;
    writeCapture(path, [&] { writeFileAtomic(path, scope::captureCsvColumns(columns)); }, tr("Screen exported to %1"));
}

scope::CaptureDocument LiveScope::captureDocument() const {
    scope::CaptureDocument doc;
    doc.secondsPerDivision = secondsPerDivision();
    doc.triggerChannel = channelName(settings_.triggerChannel);
    doc.trigger = trigger();
    const scope::Capture* shown = browsing() ? history_.selected() : nullptr;
    doc.capture.time = shown ? shown->time : acquisition_.frame().start + doc.trigger.position * scope::kDivisionsX * doc.secondsPerDivision;
    doc.capture.frames = shownFrames();
    for (int c = 0; c < scope::kChannels; ++c) {
        scope::ChannelSettings ch;
        ch.name = channelName(c);
        const auto id = probeOf(c).point();
        ch.point = id ? QString::fromLatin1(sim::point(*id).key) : QString();
        ch.probe = scope::probeKey(settings_.channels[std::size_t(c)].probe);
        ch.unit = unit(c);
        ch.perDivision = perDivision(c);
        // The value at the screen's middle line.
        ch.offset = (zeroDivisions(c) - scope::kDivisionsY / 2.0) * ch.perDivision;
        ch.on = settings_.channels[std::size_t(c)].on;
        doc.channels.push_back(ch);
    }
    return doc;
}

void LiveScope::saveCaptureFile() {
    const QString path = captureTarget(tr("Save capture file"), tr("Capture Files (*.vcap)"), ".vcap");
    if (path.isEmpty()) return;
    const QByteArray bytes = scope::formatCaptureFile(captureDocument());
    writeCapture(path, [&] { writeFileAtomic(path, bytes); }, tr("Capture file saved to %1"));
}

void LiveScope::openCaptureFile() {
    FileDialogRequest r;
    r.mode = FileDialogRequest::Open;
    r.title = tr("Open capture file");
    r.filter = tr("Capture Files (*.vcap);;All Files (*.*)");
    r.directory = appFolder();
    const QString path = platform().fileDialog(r);
    if (path.isEmpty()) return;
    QFile file(path);
    QString error;
    QByteArray bytes;
    if (!QFileInfo(path).isFile()) error = tr("It is not a file.");
    else if (file.size() > scope::kCaptureFileLimit) error = tr("It is larger than a capture file can be.");
    else if (!file.open(QIODevice::ReadOnly)) error = file.errorString();
    else bytes = file.readAll();
    std::optional<scope::CaptureDocument> doc;
    if (error.isEmpty()) {
        scope::CaptureFileResult read = scope::readCaptureFile(bytes);
        doc = read.document;
        error = read.error;
    }
    if (!doc) {
        MsgBox(tr("The capture file %1 could not be opened.\r\n\r\n(%2)").arg(path, error), MsgButtons::OK,
               MsgIcon::Exclamation);
        return;
    }
    // The screen holds still on the file's capture: Pause, as the user would press it.
    if (ScopePaused != True) ms_->cmdPause_Click();
    // The channels as they were: probe, point, scale, zero line, on or off.
    std::vector<scope::Frame> frames(scope::kChannels);
    for (std::size_t i = 0; i < doc->channels.size(); ++i) {
        const scope::ChannelSettings& ch = doc->channels[i];
        const int c = ch.name.size() == 1 ? ch.name[0].toUpper().unicode() - 'A' : -1;
        if (c < 0 || c >= scope::kChannels) continue;
        scope::ChannelSetup& setup = settings_.channels[std::size_t(c)];
        if (const auto probe = scope::probeFromKey(ch.probe)) setup.probe = *probe;
        const auto id = sim::pointForKey(ch.point);
        if (id && (!probeOf(c).point() || *probeOf(c).point() != *id)) {
            if (c == 0) ms_->connectTerminal(sim::probeOn(*id), sim::captionWithPlace(*id, sim::Wording::Files));
            else probes_[c]->attach(sim::probeOn(*id));
            if (const auto probe = scope::probeFromKey(ch.probe)) setup.probe = *probe;
        }
        const auto& ranges = scope::levelRanges();
        const int nearest = nearestRange(ranges, ch.perDivision);
        const double zero = std::clamp(scope::kDivisionsY / 2.0 + ch.offset / ch.perDivision, 0.0, double(scope::kDivisionsY));
        if (c == 0) {
            ms_->setLiveVolts(int(ranges.size()) - nearest);
            ms_->setLiveY(int(std::lround(zero * 50)));
        } else {
            setup.range = nearest;
            setup.zero = zero;
        }
        setup.on = ch.on;
        {
            const QSignalBlocker b(chkChannel[c]);
            chkChannel[c]->setChecked(ch.on);
        }
        frames[std::size_t(c)] = i < doc->capture.frames.size() ? doc->capture.frames[i] : scope::Frame();
        showChannel(c);
    }
    // The time base nearest the file's, and its trigger.
    ms_->setLiveTimebase(nearestRange(scope::timeRanges(), doc->secondsPerDivision));
    const int t = doc->triggerChannel.size() == 1 ? doc->triggerChannel[0].toUpper().unicode() - 'A' : 0;
    settings_.triggerChannel = std::clamp(t, 0, scope::kChannels - 1);
    cmbTriggerSource->setCurrentIndex(settings_.triggerChannel);
    {
        const QSignalBlocker b(spnLevel), e(cmbEdge), m(cmbTrigger);
        spnLevel->setSuffix(QStringLiteral(" ") + unit());
        spnLevel->setValue(doc->trigger.level);
        cmbEdge->setCurrentIndex(doc->trigger.edge == scope::Edge::Falling ? 1 : 0);
        cmbTrigger->setCurrentIndex(int(doc->trigger.mode));
    }
    settings_.trigger.level = spnLevel->value();
    settings_.trigger.edge = doc->trigger.edge;
    settings_.trigger.mode = doc->trigger.mode;
    // The file's capture on the screen: the live frames, and the history's newest capture.
    frames_ = frames;
    acquisition_.reset();
    frameCame();
    statistics_.reset();
    history_.clear();
    history_.add(scope::Capture{doc->capture.time, frames});
    lastCaptureStart_ = -1;
    showHistory();
    showControlValues();
    SetStatus(tr("Capture file opened: %1").arg(path));
    render();
}

void LiveScope::saveMeasurements() const {
    QStringList names;
    for (Measurement m : kMeasurements)
        if (settings_.measures(m)) names << scope::measurementKey(m);
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
    // Tab steps T1, T2, V1, V2 and then on out of the screen, Shift+Tab the other way: the
    // keyboard is never held on the screen.
    case Qt::Key_Tab:
        if (modifiers & Qt::ShiftModifier) {
            if (at == 0) return false;
            cursors_.active = order[at - 1];
            break;
        }
        if (at == 3) return false;
        cursors_.active = order[at + 1];
        break;
    case Qt::Key_Backtab:
        if (at == 0) return false;
        cursors_.active = order[at - 1];
        break;
    case Qt::Key_Left: if (!time) return false; cursors_.move(cursors_.active, -step); break;
    case Qt::Key_Right: if (!time) return false; cursors_.move(cursors_.active, step); break;
    case Qt::Key_Down: if (time) return false; cursors_.move(cursors_.active, -step); break;
    case Qt::Key_Up: if (time) return false; cursors_.move(cursors_.active, step); break;
    default: return false;
    }
    cursorsMoved();
    render();
    return true;
}

bool LiveScope::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ms_->screen() || !active()) return false;
    bool handled = false;
    runGuarded([&] {
        // Where the screen's parts lie, for the mouse (worked out for its events only).
        const auto geometry = [this] { return scope::screenGeometry(QSizeF(ms_->screen()->size()), view()); };
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(event);
            if (m->button() != Qt::LeftButton) break;
            dragging_ = scope::cursorNear(geometry(), cursors_, m->position());
            if (dragging_) {
                cursors_.active = *dragging_;
                handled = true;
                render();
            }
            break;
        }
        case QEvent::MouseMove:
            if (dragging_) {
                cursors_.place(*dragging_,
                               scope::divisionsAt(geometry(), *dragging_, static_cast<QMouseEvent*>(event)->position()));
                cursorsMoved();
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
        case QEvent::FocusIn: {
            // Tab into the screen picks the first cursor, Shift+Tab the last, so that the
            // cursors are stepped through once on the way across.
            const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
            if (cursors_.shown && (why == Qt::TabFocusReason || why == Qt::BacktabFocusReason)) {
                cursors_.active = why == Qt::TabFocusReason ? CursorId::T1 : CursorId::V2;
                render();
            }
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
                                      {"channel", channelName(settings_.triggerChannel)},
                                      {"status", scope::statusName(v.status)}});
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
    QStringList shownTexts = settings_.channels[0].on ? measurementTexts(0) : QStringList();
    for (QString& t : shownTexts)
        if (t.startsWith('\n')) t.remove(0, 1);
    out.insert("measurements", QJsonArray::fromStringList(shownTexts));
    out.insert("reference", v.referenceName);
    if (!v.message.isEmpty()) out.insert("message", v.message);
    // Every channel: its probe and point, scales, and its measurements with their statistics.
    const std::vector<scope::Frame>& frames = shownFrames();
    const auto measurementsOf = [&](int c, const QString& u) {
        QJsonArray list;
        const scope::Frame* f = c < scope::kChannels ? &frames[std::size_t(c)] : nullptr;
        scope::MathResult math;
        if (!f) {
            math = mathResult(c - scope::kChannels, frames);
            f = &math.frame;
        }
        for (Measurement m : kMeasurements) {
            if (!settings_.measures(m)) continue;
            const scope::MeasuredValue value = measureFrame(*f, m, u, polarityOf(c), 1e-3);
            const scope::Statistics st = statistics_.statistics(c, m);
            QJsonObject o{{"name", scope::measurementName(m)}, {"text", value.text}, {"count", st.count}};
            if (value.valid) o.insert("value", value.value);
            if (st.hasValues()) {
                o.insert("min", st.minimum);
                o.insert("max", st.maximum);
                o.insert("mean", st.mean);
                o.insert("deviation", st.deviation);
            }
            o.insert("statistics", scope::statisticsText(st, m, u));
            list.append(o);
        }
        return list;
    };
    QJsonArray channels;
    for (int c = 0; c < scope::kChannels; ++c) {
        const scope::Frame& f = frames[std::size_t(c)];
        QJsonObject o{{"name", channelName(c)},
                      {"on", settings_.channels[std::size_t(c)].on},
                      {"probe", scope::probeName(settings_.channels[std::size_t(c)].probe)},
                      {"point", probeOf(c).attached() ? probeOf(c).at()->caption : QString()},
                      {"place", probeOf(c).point() ? sim::placeOf(*probeOf(c).point()) : QString()},
                      {"unit", unit(c)},
                      {"perdivision", perDivision(c)},
                      {"auto", autoRanging(c)},
                      {"zero", zeroDivisions(c)},
                      {"points", int(f.values.size())}};
        QJsonArray trace;
        for (std::size_t k = 0; k < f.values.size(); k += 10) trace.append(std::round(f.values[k] * 1000) / 1000);
        o.insert("trace", trace);
        const QString problem = settings_.channels[std::size_t(c)].on ? channelProblem(c) : QString();
        if (!problem.isEmpty()) o.insert("problem", problem);
        o.insert("measurements", measurementsOf(c, unit(c)));
        channels.append(o);
    }
    out.insert("channels", channels);
    QJsonArray math;
    for (int m = 0; m < scope::kMathChannels; ++m) {
        const scope::MathResult r = mathResult(m, frames);
        QJsonObject o{{"name", QStringLiteral("M%1").arg(m + 1)},
                      {"operation", cmbMath[m]->currentText()},
                      {"on", settings_.math[std::size_t(m)].on},
                      {"valid", r.valid},
                      {"unit", r.unit}};
        if (r.valid) {
            QJsonArray trace;
            for (std::size_t k = 0; k < r.frame.values.size(); k += 10)
                trace.append(std::round(r.frame.values[k] * 1000) / 1000);
            o.insert("trace", trace);
            o.insert("measurements", measurementsOf(scope::kChannels + m, r.unit));
            if (settings_.math[std::size_t(m)].operation == scope::MathOperation::EngineSpeed) o.insert("mean", r.mean);
        } else if (settings_.math[std::size_t(m)].on) {
            o.insert("reason", r.reason);
        }
        math.append(o);
    }
    out.insert("math", math);
    out.insert("history", QJsonObject{{"position", history_.position()},
                                      {"size", history_.size()},
                                      {"browsing", browsing()},
                                      {"time", history_.selected() ? history_.selected()->time : 0.0}});
    if (guided_)
        out.insert("guided", QJsonObject{{"key", guided_->key},
                                         {"title", guided_->title},
                                         {"verdict", scope::verdictText(guidedVerdict())},
                                         {"reason", guidedReason()},
                                         {"captures", judge_.captures()},
                                         {"failed", judge_.failed()}});
    out.insert("span", settings_.span == scope::MeasureSpan::Cursors ? "Between cursors" : "Whole screen");
    out.insert("statistics", settings_.statistics);
    const QRectF g = scope::screenGeometry(QSizeF(ms_->screen()->size()), v).grid;
    out.insert("graticule", QJsonArray{int(std::lround(g.x())), int(std::lround(g.y())), int(std::floor(g.width())),
                                       int(std::floor(g.height()))});
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
    if (control == QLatin1String("cmdChannel")) {
        // A point's key connects the channel's probe to it (as a drop or the list does); an
        // empty value or "none" takes it off.
        bool ok = false;
        const int c = index.toInt(&ok);
        if (!ok || c < 0 || c >= scope::kChannels) {
            *error = "set MultiScope.cmdChannel(0..3) takes a point's key, or none";
            return true;
        }
        if (value.isEmpty() || value == QLatin1String("none")) {
            disconnectChannel(c);
            return true;
        }
        const auto id = sim::pointForKey(value);
        if (!id) {
            *error = "no connection point has the key " + value;
            return true;
        }
        if (c == 0) ms_->connectTerminal(sim::probeOn(*id), sim::captionWithPlace(*id, sim::Wording::Files));
        else connectChannel(c, sim::probeOn(*id), sim::captionWithPlace(*id, sim::Wording::Files));
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
        *error = QStringLiteral("set MultiScope.cursor(%1) takes a finite number of divisions, not %2").arg(names[i], value);
        return true;
    }
    cursors_.place(CursorId(i), at);
    cursorsMoved();
    render();
    return true;
}
