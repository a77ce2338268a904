#include "multiscope.h"
#include "platform/theme.h"
#include "platform/windowplace.h"
#include "sim/session.h"

#include <QCoreApplication>
#include <QStyle>
#include <QStyleOptionButton>

#include "challenges/session.h"

#include "sim/simstate.h"
#include "faults/faults.h"
#include "multiscope/acquisition.h"
#include "multiscope/connections.h"
#include "multiscope/displays.h"
#include "multiscope/guidedpanel.h"
#include "multiscope/livescope.h"
#include "multiscope/waveformfile.h"
#include "platform/guard.h"
#include "platform/picturebox.h"
#include "platform/platform.h"
#include "platform/screenfit.h"
#include "platform/services.h"
#include "telemetry/telemetrydevice.h"

#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <algorithm>
#include <cmath>
#include <QJsonArray>
#include <QJsonObject>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

REGISTER_FORM(MultiScope)
// The telemetry gauges' options reach the device through the instrument, loaded if need be.
static const bool telemetryLoader = TelemetryDevice::setInstrumentLoader([] { return frm<MultiScope>()->telemetry; });

namespace {
constexpr int kTerminalHeight = 375;   // twips
constexpr int kChangeToolWidth = 495;  // twips
// The inside the window opens with when the user has not sized it: the panel and beside it a
// display area with room for the Live screen and its control bar (a 1366 x 768 laptop has the
// room), at the place the window has always opened at, moved into the working area as need be.
constexpr int kOpeningWidth = 1056, kOpeningHeight = 628;  // pixels
constexpr int kOpeningLeft = 7000, kOpeningTop = 5000;     // twips
const char* const kPlaceKey = "Scope_geometry";
// The read-outs under the Y, Volts and Focus bars: a column of this width centred under each
// bar, two lines deep, so that a value and its unit stand one over the other where they need to.
constexpr int kReadoutTop = 170, kReadoutWidth = 31;

QString terminalCaption() { return MultiScope::tr("Drag/Drop Connections Here..."); }

// The reading box's texts that are no entry of its list: shown translated, kept in English.
const char* const kReadingTexts[] = {QT_TRANSLATE_NOOP("scope::Reading", "Select connection..."),
                                     QT_TRANSLATE_NOOP("scope::Reading", "Signal"),
                                     QT_TRANSLATE_NOOP("scope::Reading", "Edit mode")};
QString readingShown(const QString& key) { return QCoreApplication::translate("scope::Reading", key.toUtf8().constData()); }
// A meter reading of the list, as the meter shows it ("  12.6 V (dc)" with the screen's decimal sign).
QString readingDmmShown(const QString& text) {
    QString shown = text;
    static const QRegularExpression number(QStringLiteral("(\\d+)\\.(\\d+)"));
    shown.replace(number, QStringLiteral("\\1") + QLocale().decimalPoint() + QStringLiteral("\\2"));
    return shown;
}

// While it lives, the window is placing itself (whatever comes of it).
struct Placing {
    explicit Placing(bool& flag) : flag_(flag) { flag_ = true; }
    ~Placing() { flag_ = false; }
    bool& flag_;
};

// A place kept in the settings, as every window keeps its own.
std::optional<QRect> keptPlace(const QString& text) { return windowplace::parse(text); }


// A vertical scroll bar whose top end is `top` and bottom end `bottom` (either may be the
// larger), as the instrument's Y, Volts and Focus controls are.
QScrollBar* makeVScroll(QWidget* parent, const QString& name, int top, int bottom, int value, const QRect& px) {
    auto* s = makeHScroll(parent, name, std::min(top, bottom), std::max(top, bottom), value, QRect());
    s->setOrientation(Qt::Vertical);
    if (top > bottom) {
        s->setInvertedAppearance(true);
        s->setInvertedControls(true);
        installScrollKeys(s, true);  // answers before the plain keys of makeHScroll
    }
    s->setGeometry(px);
    return s;
}

QLabel* smallLabel(QWidget* parent, const QString& name, const QString& text, const QRect& px) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(px);
    return l;
}

// The graphical Pause button's face: two bars.
QIcon pauseIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(QRect(3, 2, 4, 12), QColor(60, 60, 60));
    p.fillRect(QRect(9, 2, 4, 12), QColor(60, 60, 60));
    return QIcon(pm);
}
}  // namespace

MultiScope::MultiScope() {
    setCaption("Vantorel - MultiScope");  // untranslated: the program's and the instrument's names
    // Its place is kept under its own key ("Instruments", "Scope_geometry"), as it always was.
    setKeepsPlace(false);
    setMinimumSize(1, 1);
    // The instrument's panel is narrow: its captions use a small face (larger in the
    // projector's theme).
    QFont small = font();
    small.setPointSizeF(theme::current().panelPoints);
    setFont(small);
    theme::whenChanged(this, [this] { runGuarded([this] { applyTheme(); }); });

    // The display area's devices first, so that the panel stands above them.
    scopescreen = new PictureBox(this);
    scopescreen->setObjectName("scopescreen");
    scopescreen->setAccessibleName(tr("Scope screen"));
    scopescreen->setToolTip(tr("Double click here to open a waveform editor"));
    scopescreen->setBackColor(theme::current().screenBack);
    pbxPictures = new PictureBox(this);
    pbxPictures->setObjectName("pbxPictures");
    pbxPictures->setBackColor(QColor(255, 255, 255));
    pbxPictures->setPictureFit(true);
    txbScanner = new QPlainTextEdit(this);
    txbScanner->setObjectName("txbScanner");
    txbScanner->setAccessibleName(tr("Scanner display"));
    txbScanner->setPlainText(tr("Scanner") + "\n");
    setBackColor(txbScanner, colorFromValue(0xC0C0C0));
    setForeColor(txbScanner, colorFromValue(0x404040));
    picTelemetry = new PictureBox(this);
    picTelemetry->setObjectName("picTelemetry");
    picTelemetry->setVisible(false);

    // Panel: terminal and device button.
    cmdConnection = makeButton(this, "cmdConnection", terminalCaption(), QRect());
    makeDropTarget(cmdConnection);
    cmdChangeTool = makeButton(this, "cmdChangeTool", ">>", QRect());
    cmdChangeTool->setToolTip(tr("Change device"));

    // Scope frame.
    Frame1 = makeFrame(this, "Frame1", tr("Scope"), QRect());
    cmbReading = new QComboBox(Frame1);
    cmbReading->setObjectName("cmbReading");
    cmbReading->setEditable(true);
    cmbReading->setInsertPolicy(QComboBox::NoInsert);
    // The list shows the entries translated; each keeps its English name as its data.
    for (const QString& item : readingItems()) cmbReading->addItem(readingShown(item), item);
    setReadingText(QString::fromLatin1(kReadingTexts[0]));
    cmbReading->setGeometry(6, 18, 186, 22);
    smallLabel(Frame1, "lblTimebase", tr("Timebase"), QRect(6, 46, 54, 16));
    sldTime = new QSlider(Qt::Horizontal, Frame1);
    sldTime->setObjectName("sldTime");
    sldTime->setRange(0, 4);
    sldTime->setSingleStep(1);
    sldTime->setPageStep(1);
    sldTime->setTickPosition(QSlider::TicksBelow);
    sldTime->setTickInterval(1);
    sldTime->setValue(1);
    sldTime->setGeometry(62, 44, 80, 22);
    smallLabel(Frame1, "lblX", tr("X"), QRect(6, 70, 54, 16));
    hsbXshift = makeHScroll(Frame1, "hsbXshift", -50, 50, 0, QRect());
    hsbXshift->setSingleStep(1);
    hsbXshift->setPageStep(10);
    hsbXshift->setGeometry(62, 70, 80, 17);
    smallLabel(Frame1, "lblY", tr("Y"), QRect(6, 92, 30, 14));
    smallLabel(Frame1, "lblVolts", tr("Volts"), QRect(36, 92, 32, 14));
    smallLabel(Frame1, "lblFocus", tr("Focus"), QRect(68, 92, 32, 14));
    vscY1shift = makeVScroll(Frame1, "vscY1shift", 0, 400, 200, QRect(8, 106, 17, 62));
    vscY1shift->setSingleStep(20);
    vscY1shift->setPageStep(50);
    vscVolts1 = makeVScroll(Frame1, "vscVolts1", 5, 1, 2, QRect(40, 106, 17, 62));
    updFocus = makeVScroll(Frame1, "updFocus", 1, 5, 3, QRect(72, 106, 17, 62));
    for (QScrollBar* s : {vscVolts1, updFocus}) {
        s->setSingleStep(1);
        s->setPageStep(1);
    }
    lblDMM = new QLabel(tr("DMM"), Frame1);
    lblDMM->setObjectName("lblDMM");
    lblDMM->setGeometry(100, 92, 92, 44);
    lblDMM->setWordWrap(true);
    lblDMM->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackColor(lblDMM, colorFromValue(0xFFC0C0));
    setForeColor(lblDMM, colorFromValue(0x404040));
    {
        QFont f = lblDMM->font();
        f.setBold(true);
        lblDMM->setFont(f);
    }
    cmdPause = new QPushButton(Frame1);
    cmdPause->setObjectName("cmdPause");
    cmdPause->setToolTip(tr("Pause"));
    cmdPause->setIcon(pauseIcon());
    cmdPause->setGeometry(100, 144, 32, 28);
    // The trace's source: the point's stored waveform or the running engine.
    optStored = new QRadioButton(tr("Stored"), Frame1);
    optStored->setObjectName("optStored");
    optStored->setToolTip(tr("The point's recorded waveform"));
    optStored->setGeometry(134, 140, 64, 17);
    optLive = new QRadioButton(tr("Live"), Frame1);
    optLive->setObjectName("optLive");
    optLive->setToolTip(tr("The signal of the running engine, as a probe on the car measures it"));
    optLive->setGeometry(134, 158, 64, 17);
    // Names a screen reader gives the scale controls (their labels stand apart from them).
    cmbReading->setAccessibleName(tr("Reading"));
    sldTime->setAccessibleName(tr("Timebase"));
    hsbXshift->setAccessibleName(tr("Horizontal position"));
    vscY1shift->setAccessibleName(tr("Vertical position"));
    vscVolts1->setAccessibleName(tr("Volts per division"));
    updFocus->setAccessibleName(tr("Focus"));
    cmdPause->setAccessibleName(tr("Pause"));
    if (GetSetting("Instruments", "Scope_source", "Stored") == QLatin1String("Live")) source_ = Source::Live;
    (source_ == Source::Live ? optLive : optStored)->setChecked(true);

    // Info frame.
    Frame2 = makeFrame(this, "Frame2", tr("Info"), QRect());
    txbEdit = new QPlainTextEdit(Frame2);
    txbEdit->setObjectName("txbEdit");
    txbEdit->setPlainText(tr("Picture info...") + "\n");

    // Scanner frame.
    Frame4 = makeFrame(this, "Frame4", tr("Scanner"), QRect());
    cmdScan = makeButton(Frame4, "cmdScan", tr("Scan/Update Faults"), QRect());
    cmdRead = makeButton(Frame4, "cmdRead", tr("Read/Update Data"), QRect());
    cmdScan->setGeometry(10, 24, 176, 28);
    cmdRead->setGeometry(10, 60, 176, 28);
    // The frames share one place; the one in front covers the others.
    for (QGroupBox* f : {Frame1, Frame2, Frame4}) f->setAutoFillBackground(true);

    connect(cmdConnection, &QPushButton::clicked, this, guarded([this] { cmdConnection_Click(); }));
    connect(cmdChangeTool, &QPushButton::clicked, this, guarded([this] { cmdChangeTool_Click(); }));
    connect(cmdPause, &QPushButton::clicked, this, guarded([this] { cmdPause_Click(); }));
    connect(cmdScan, &QPushButton::clicked, this, guarded([this] { cmdScan_Click(); }));
    connect(cmdRead, &QPushButton::clicked, this, guarded([this] { cmdRead_Click(); }));
    connect(optStored, &QRadioButton::clicked, this, guarded([this] { optSource_Click(Source::Stored); }));
    connect(optLive, &QRadioButton::clicked, this, guarded([this] { optSource_Click(Source::Live); }));
    connect(sldTime, &QSlider::valueChanged, this, guarded([this] { sldTime_Change(); }));
    connect(sldTime, &QSlider::valueChanged, this, &MultiScope::timebaseChanged);
    for (QScrollBar* s : {vscY1shift, vscVolts1, updFocus, hsbXshift})
        connect(s, &QScrollBar::valueChanged, this, &MultiScope::scalesChanged);
    // The controls' own ranges and Live's first values (Timebase 1 ms, Volts on Auto, the
    // trigger point in the middle).
    swapped_[0] = {sldTime, 0, 4, 0, int(scope::timeRanges().size()) - 1, 3};
    swapped_[1] = {vscVolts1, 1, 5, 0, int(scope::levelRanges().size()), 0};
    swapped_[2] = {hsbXshift, -50, 50, -50, 50, 0};
    // The box's text names its entry in English: an entry of the list by its data, any other
    // text (typed, or a dropped label's) as it is.
    connect(cmbReading, &QComboBox::editTextChanged, this, [this](const QString& shown) {
        if (shown == readingShown(reading_)) return;
        const int i = cmbReading->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
        reading_ = i >= 0 ? cmbReading->itemData(i).toString() : shown;
    });
    connect(cmbReading, &QComboBox::activated, this, guarded([this] { cmbReading_Click(); }));
    connect(scopescreen, &PictureBox::doubleClicked, this, guarded([this] { scopescreen_DblClick(); }));

    Timer1 = new VTimer("Timer1", 25, [this] { Timer1_Timer(); });

    probe_ = new instrument::Probe(this);
    connect(probe_, &instrument::Probe::changed, this, guarded([this] { probeChanged(); }));

    // The telemetry device: its controls inside picTelemetry, its timer and handlers.
    telemetry = new TelemetryDevice(this, picTelemetry);
    live = new LiveScope(this);
    live->sourceChanged();
    guidedPanel = new GuidedPanel(this, live);
    placeReadouts();
    addScopeKeys();
}

void MultiScope::addScopeKeys() {
    // Keys of the window, wherever its focus is: they step the controls as the user would.
    const auto command = [this](const char* name, const QString& text, const QKeySequence& keys,
                                const std::function<void()>& run) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, guarded(run));
        addAction(a);
    };
    command("actRunStop", tr("Run / Stop"), QKeySequence(Qt::Key_F5), [this] { cmdPause->click(); });
    command("actSingle", tr("Single capture"), QKeySequence(Qt::Key_F6), [this] { singleCapture(); });
    // Faster: less time a division. The stored sweep's Timebase is its speed (higher is faster);
    // the Live screen's is its time a division (higher is slower).
    command("actTimeSlower", tr("Time base slower"), QKeySequence(Qt::Key_F7),
            [this] { sldTime->triggerAction(liveScales_ ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub); });
    command("actTimeFaster", tr("Time base faster"), QKeySequence(Qt::Key_F8),
            [this] { sldTime->triggerAction(liveScales_ ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd); });
    // Volts: a higher value draws the trace larger (fewer volts a division) for both sources.
    command("actVoltsUp", tr("More volts a division"), QKeySequence(Qt::SHIFT | Qt::Key_F7), [this] { stepVolts(false); });
    command("actVoltsDown", tr("Fewer volts a division"), QKeySequence(Qt::SHIFT | Qt::Key_F8), [this] { stepVolts(true); });
}

void MultiScope::stepVolts(bool finer) {
    if (liveScales_ && vscVolts1->value() == 0) {
        // From Auto, a step from the range Auto has chosen (the control's other positions run
        // from the largest range down).
        const auto& r = scope::levelRanges();
        const double now = live->unitsPerDivision(0);
        int index = 0;
        for (int i = 0; i < int(r.size()); ++i)
            if (std::abs(std::log(r[std::size_t(i)] / now)) < std::abs(std::log(r[std::size_t(index)] / now))) index = i;
        index = std::clamp(index + (finer ? -1 : 1), 0, int(r.size()) - 1);
        vscVolts1->setValue(int(r.size()) - index);
        return;
    }
    vscVolts1->triggerAction(finer ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
}

void MultiScope::singleCapture() {
    if (source() != Source::Live) {
        MsgBox(tr("A single capture is taken by the Live screen's trigger: choose Live on the instrument first."),
               MsgButtons::OK, MsgIcon::Information);
        return;
    }
    // Single picked again re-arms it; a paused screen runs for it.
    live->cmbTrigger->setCurrentIndex(3);
    emit live->cmbTrigger->activated(3);
    if (ScopePaused == True) cmdPause->click();
}

MultiScope::~MultiScope() {
    // The Live screen first: its event filter and handlers look into this window, which the
    // deletion of the controls below would reach half-destroyed.
    delete live;
    live = nullptr;
    delete Timer1;
}

void MultiScope::onLoad() {
    setTwips(kOpeningLeft, kOpeningTop, 7650, 3650);
    placeAsOpened();
    if (frame() != this) frame()->installEventFilter(this);
    Form_Resize();
    Timer1->setEnabled(true);
    telemetry->load();
}

void MultiScope::onUnload() {
    TelemetrySample = 0;
    Timer1->setEnabled(false);
}

void MultiScope::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    runGuarded([this] { Form_Resize(); });
}

// ---- Layout ----

void MultiScope::placeAsOpened() {
    const Placing placing(placing_);
    const QWidget* host = frame();
    const QMargins m = host != this ? host->contentsMargins() : windowFrameMargins(this);
    const QString kept = GetSetting("Instruments", kPlaceKey, QString());
    QRect twips;
    if (const std::optional<QRect> place = keptPlace(kept)) {
        twips = *place;
        keptPlace_ = kept;
    } else {
        twips = QRect(kOpeningLeft, kOpeningTop, (kOpeningWidth + m.left() + m.right()) * 15,
                      (kOpeningHeight + m.top() + m.bottom()) * 15);
    }
    // Into the working area, when it is on the screen to go by (else the window is brought
    // into it as it is shown).
    const QRect px = twRect(twips.x(), twips.y(), twips.width(), twips.height());
    QMdiArea* mdi = Forms::mdiArea();
    if (host != this && mdi && mdi->isVisible()) {
        const QRect fitted = fitRect(px, QRect(QPoint(0, 0), mdi->viewport()->size()));
        if (fitted != px) twips = QRect(fitted.x() * 15, fitted.y() * 15, fitted.width() * 15, fitted.height() * 15);
    }
    setTwips(twips.x(), twips.y(), twips.width(), twips.height());
}

bool MultiScope::eventFilter(QObject* watched, QEvent* e) {
    // Only the frame's moves, sizes and button presses matter; the frame is not looked at for
    // any other event (while it is being destroyed it is no longer a frame).
    const QEvent::Type type = e->type();
    const bool placing = type == QEvent::Move || type == QEvent::Resize || type == QEvent::MouseButtonPress ||
                         type == QEvent::NonClientAreaMouseButtonPress || type == QEvent::MouseButtonRelease ||
                         type == QEvent::NonClientAreaMouseButtonRelease;
    if (placing && watched != this && watched == frame()) {
        switch (type) {
        case QEvent::Move:
        case QEvent::Resize:
            if (!placing_ && frame()->isVisible()) {
                placeMoved_ = true;
                // A drag of the title bar or a border is kept when its button comes up.
                if (!dragging_) runGuarded([this] { keepPlace(); });
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress: dragging_ = true; break;
        case QEvent::MouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonRelease:
            dragging_ = static_cast<QMouseEvent*>(e)->buttons() != Qt::NoButton;
            if (placeMoved_ && !dragging_) runGuarded([this] { keepPlace(); });
            break;
        default: break;
        }
    }
    return Form::eventFilter(watched, e);
}

void MultiScope::keepPlace() {
    placeMoved_ = false;
    // Maximised or minimised, the window's own place stays as it was kept.
    if (frame()->isMaximized() || frame()->isMinimized()) return;
    const QRect g = twipsGeometry();
    const QString text = windowplace::text(g);
    if (text == keptPlace_) return;
    try {
        SaveSetting("Instruments", kPlaceKey, text);
        keptPlace_ = text;
    } catch (const VbError& e) {
        // Said once: the window goes on moving as the user drags it.
        if (keepFailed_) return;
        keepFailed_ = true;
        reportError(e.number, e.description);
    }
}

void MultiScope::applyTheme() {
    const theme::Theme& look = theme::current();
    QFont f = font();
    f.setPointSizeF(look.panelPoints);
    setFont(f);
    if (live)
        for (QLabel* l : {live->lblYValue, live->lblVoltsValue, live->lblFocusValue}) {
            if (!l) continue;
            QFont r = l->font();
            r.setPointSizeF(look.readoutPoints);
            l->setFont(r);
        }
    scopescreen->setBackColor(look.screenBack);
    setTerminalText(cmdConnection->text());
    Form_Resize();
}

void MultiScope::placeReadouts() {
    if (!live) return;
    const QScrollBar* bars[3] = {vscY1shift, vscVolts1, updFocus};
    QLabel* readouts[3] = {live->lblYValue, live->lblVoltsValue, live->lblFocusValue};
    for (int i = 0; i < 3; ++i) {
        QLabel* l = readouts[i];
        if (!l) continue;
        // Within the frame's border on the left.
        const int centre = bars[i]->x() + bars[i]->width() / 2;
        const int left = std::max(Frame1->contentsRect().left(), centre - kReadoutWidth / 2);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setGeometry(left, kReadoutTop, centre + kReadoutWidth / 2 + 1 - left, 2 * l->fontMetrics().lineSpacing() + 2);
    }
    // The guided tests below the scope's controls.
    if (guidedPanel) {
        int below = kReadoutTop;
        for (QLabel* l : readouts)
            if (l) below = std::max(below, l->geometry().bottom());
        for (QWidget* w : std::initializer_list<QWidget*>{cmdPause, optLive, lblDMM}) below = std::max(below, w->geometry().bottom());
        guidedPanel->place(below + 6);
    }
}

void MultiScope::layoutStep(const std::function<void()>& step) {
    try {
        step();
    } catch (const VbError&) {
        // A step that cannot be taken is left out; the layout goes on.
    }
}

void MultiScope::probeChanged() {
    if (const std::optional<sim::ProbePoint>& at = probe_->at()) {
        setTerminalText(tr("Connected: %1").arg(at->caption));
        // Which of the points of that caption it is: in the tip and for a screen reader.
        const QString place = probe_->point() ? sim::placeOf(*probe_->point()) : QString();
        cmdConnection->setToolTip(place);
        cmdConnection->setAccessibleDescription(place);
    } else {
        setTerminalText(terminalCaption());
        cmdConnection->setToolTip(QString());
        cmdConnection->setAccessibleDescription(QString());
    }
    if (live) live->probeConnected(0);
}

void MultiScope::detachProbe() {
    if (!probe_->detach()) setTerminalText(terminalCaption());
}

void MultiScope::setTerminalText(const QString& text) {
    cmdConnection->setText(text);
    QFont font = this->font();
    QStyleOptionButton o;
    o.initFrom(cmdConnection);
    o.text = text;
    const int room = cmdConnection->style()->subElementRect(QStyle::SE_PushButtonContents, &o, cmdConnection).width();
    while (font.pointSizeF() > 6.5 && QFontMetrics(font).horizontalAdvance(text) > room) font.setPointSizeF(font.pointSizeF() - 0.5);
    cmdConnection->setFont(font);
}

void MultiScope::Form_Resize() {
    const int innerW = width() * 15, innerH = height() * 15;
    const int panel = PanelWidth;
    layoutStep([&] {
        const int termW = std::max(0, panel - kChangeToolWidth);
        cmdConnection->setGeometry(twRect(0, 10, termW, kTerminalHeight));
        cmdChangeTool->setGeometry(twRect(termW, 10, panel > 0 ? kChangeToolWidth : 0, kTerminalHeight));
        setTerminalText(cmdConnection->text());
    });
    layoutStep([&] {
        const int top = kTerminalHeight + 20;
        const int h = std::max(0, innerH - kTerminalHeight - 30);
        for (QGroupBox* f : {Frame1, Frame2, Frame4}) f->setGeometry(twRect(0, top, panel, h));
        txbEdit->setGeometry(QRect(6, 20, std::max(0, Frame2->width() - 12), std::max(0, Frame2->height() - 26)));
    });
    layoutStep([&] {
        const QRect display = twRect(panel, 0, std::max(0, innerW - panel), innerH);
        for (QWidget* w : {static_cast<QWidget*>(pbxPictures), static_cast<QWidget*>(txbScanner),
                           static_cast<QWidget*>(picTelemetry)})
            w->setGeometry(display);
        // In Live the scope's control bar takes the foot of its screen.
        scopescreen->setGeometry(live->place(display));
    });
    layoutStep([&] { telemetry->place(); });
    layoutStep([&] { placeReadouts(); });
    layoutStep([&] { scopescreen->setScale(0, 0, ScopeSweep::kScreenWidth, ScopeSweep::kScreenHeight); });
    layoutStep([&] {
        // Five lines each way at sixths of the screen: 6 x 6 squares.
        const int w = scopescreen->width(), h = scopescreen->height();
        for (int i = 1; i <= 5; ++i) {
            Line[i] = QLine(0, h * i / 6, w - 1, h * i / 6);
            Line[i + 5] = QLine(w * i / 6, 0, w * i / 6, h - 1);
        }
        // The Live screen draws its own graticule of ten by eight.
        liveShown_ = live->active();
        scopescreen->setBackColor(theme::current().screenBack);
        scopescreen->setGuideLines(liveShown_ ? QList<QLine>() : QList<QLine>(Line + 1, Line + 11), theme::current().grid);
    });
    layoutStep([&] { flyback(); });
}

// ---- Sweep ----

void MultiScope::flyback() {
    sweep_.flyback();
    if (live && live->active()) {
        // The Live screen keeps its frame across a new layout: drawn again at the new size.
        live->render();
        return;
    }
    scopescreen->cls();
    scopescreen->setCurrentX(sweep_.pen().x());
    scopescreen->setCurrentY(sweep_.pen().y());
}

void MultiScope::Timer1_Timer() {
    // The Live screen and the stored sweep take turns as the source, reading and probe change.
    if (live->active() != liveShown_) Form_Resize();
    if (liveShown_) {
        live->tick();
        return;
    }
    const SweepTick t = sweep_.tick(controls(), Waveform);
    // The stored trace in the theme's colour, never thinner than the theme allows.
    const theme::Theme& look = theme::current();
    scopescreen->setDrawWidth(int(std::ceil(theme::traceWidth(look, sweep_.lineWidth()))));
    if (t.segment) {
        scopescreen->setDrawWidth(int(std::ceil(theme::traceWidth(look, t.segment->width))));
        scopescreen->line(t.segment->from.x(), t.segment->from.y(), t.segment->to.x(), t.segment->to.y(),
                          look.trace);
    }
    if (t.stopped) Timer1->setEnabled(false);
    if (t.restarted) {
        scopescreen->cls();
        scopescreen->setCurrentX(sweep_.pen().x());
        scopescreen->setCurrentY(sweep_.pen().y());
    }
}

void MultiScope::sldTime_Change() {
    // In Live the timebase starts the acquisition afresh.
    if (live->active()) live->restart();
    else flyback();
}

// ---- The live source ----

void MultiScope::setSource(Source s) {
    source_ = s;
    (s == Source::Live ? optLive : optStored)->setChecked(true);
    if (!live->sourceChanged()) return;
    SaveSetting("Instruments", "Scope_source", s == Source::Live ? "Live" : "Stored");
    Form_Resize();
    // The scope in front: its control bar with it.
    if (ToolMode == tool::Scope) live->raise();
}

void MultiScope::optSource_Click(Source s) {
    setSource(s);
    // Back on the stored waveform, the meter shows its text again.
    if (s == Source::Stored) setMeterText(Waveform[0]);
    else if (probe_->attached()) setMeterText(sim::meterText(*probe_->at(), liveInputs()));
}

sim::SignalInputs MultiScope::liveInputs() const {
    sim::SignalInputs in;
    in.state = &programState();
    in.faults = PresentFaults();
    in.lambda = sim::session().controls().slider(sim::Slider::Lambda);
    in.engineTemperature = sim::session().engineTemperature();
    return in;
}

ScopeControls MultiScope::controls() const {
    ScopeControls c;
    c.timebase = sldTime->value();
    c.yShift = vscY1shift->value();
    c.volts = vscVolts1->value();
    c.xShift = hsbXshift->value();
    c.focus = updFocus->value();
    c.reading = readingText();
    c.paused = ScopePaused == True;
    return c;
}

void MultiScope::useLiveScales(bool live) {
    for (SwappedControl& c : swapped_) {
        const QSignalBlocker block(c.control);
        const int shown = c.control->value();
        if (live) c.control->setRange(c.liveMin, c.liveMax);
        else c.control->setRange(c.storedMin, c.storedMax);
        c.control->setValue(c.held);
        c.held = shown;
    }
    liveScales_ = live;
}

void MultiScope::setLiveTimebase(int value) {
    if (liveScales_) {
        QSignalBlocker b(sldTime);
        sldTime->setValue(value);
    } else {
        swapped_[0].held = value;
    }
}

void MultiScope::setLiveVolts(int value) {
    if (liveScales_) vscVolts1->setValue(value);
    else swapped_[1].held = value;
}

void MultiScope::setLiveY(int value) { vscY1shift->setValue(value); }

void MultiScope::setLiveX(int value) {
    if (liveScales_) hsbXshift->setValue(value);
    else swapped_[2].held = value;
}

void MultiScope::setScaleTips(const QString& timebase, const QString& volts) {
    sldTime->setToolTip(tr("Timebase: %1").arg(timebase));
    vscVolts1->setToolTip(tr("Volts: %1").arg(volts));
}

QString MultiScope::meterText() const { return meterText_; }

void MultiScope::setMeterText(const QString& text) {
    meterText_ = text;
    lblDMM->setText(readingDmmShown(text));
}

void MultiScope::setSweepRunning(bool running) { Timer1->setEnabled(running); }

void MultiScope::showTerminal(bool shown) { cmdConnection->setVisible(shown); }

void MultiScope::viewUnderEditor(const QRect& me) {
    sldTime->setValue(1);
    scopescreen->setGeometry(0, scopescreen->y(), width(), scopescreen->height());
    scopescreen->raise();
    // Under the editor for the while (not a place of the user's to keep), as tall as it is
    // where the working area has the room below the editor, else as tall as that room.
    const int top = me.height() + 100;
    int height = twipsGeometry().height();
    QMdiArea* mdi = Forms::mdiArea();
    if (frame() != this && mdi && mdi->isVisible()) {
        const int room = mdi->viewport()->height() * 15 - top;
        if (room >= 1500) height = std::min(height, room);
    }
    const Placing placing(placing_);
    setTwips(me.x() + 150, top, me.width() - 300, height);
    cmdConnection->setVisible(false);
    Timer1->setEnabled(true);
}

QWidget* MultiScope::scopePanel() const { return Frame1; }

void MultiScope::setInfoText(const QString& text) { txbEdit->setPlainText(text); }

void MultiScope::setScannerText(const QString& text) { txbScanner->setPlainText(text); }

void MultiScope::cmdPause_Click() {
    if (ScopePaused == True) {
        ScopePaused = False;
        Timer1->setEnabled(true);
    } else {
        ScopePaused = True;
    }
}

void MultiScope::scopescreen_DblClick() { OpenWaveformEditor(); }

QString MultiScope::readingText() const { return reading_; }

void MultiScope::setReadingText(const QString& text) {
    reading_ = text;
    cmbReading->setEditText(readingShown(text));
}

// ---- Devices ----

namespace {
// Runs one statement of a routine whose statements are each skipped when they fail.
template <class F> void skipping(F&& body) {
    try {
        body();
    } catch (const VbError&) {
    }
}
}  // namespace

void MultiScope::bringForward(QWidget* display, QWidget* panel) {
    picTelemetry->setVisible(false);
    display->setVisible(true);
    panel->setVisible(true);
    display->raise();
    panel->raise();
    if (display == scopescreen) live->raise();
}

void MultiScope::raiseTerminal() {
    cmdConnection->raise();
    cmdChangeTool->raise();
}

void MultiScope::frontScope() {
    picTelemetry->setVisible(false);
    Timer1->setEnabled(true);
    bringForward(scopescreen, Frame1);
    Form_Resize();
    raiseTerminal();
}

void MultiScope::frontPictures() {
    skipping([this] { picTelemetry->setVisible(false); });
    skipping([this] { txbEdit->setVisible(true); });
    skipping([this] { bringForward(pbxPictures, Frame2); });
    skipping([this] { Form_Resize(); });
    skipping([this] { raiseTerminal(); });
}

void MultiScope::frontScanner() {
    picTelemetry->setVisible(false);
    QFont f = txbScanner->font();
    f.setPointSize(8);
    txbScanner->setFont(f);
    bringForward(txbScanner, Frame4);
    raiseTerminal();
    Form_Resize();
}

namespace {
void reportFileError(const std::function<void()>& show) {
    try {
        show();
    } catch (const VbError& e) {
        reportError(e.number, e.description);
    }
}
}  // namespace

void MultiScope::showDevice(tool::Mode device) {
    if (device == tool::None) return;
    {
        // Shown, the window may be brought into the working area: not a place of the user's.
        const Placing placing(placing_);
        showForm();
    }
    picTelemetry->setVisible(false);
    ToolMode = device;
    switch (device) {
    case tool::Scope: reportFileError([] { ShowWaveform(CurrentWaveformFile); }); break;
    case tool::Scanner: reportFileError([] { ShowScanner(CurrentScannerFile); }); break;
    case tool::Pictures: ShowPicture(CurrentPictureFile); break;
    case tool::Telemetry:
        picTelemetry->setVisible(true);
        picTelemetry->raise();
        break;
    case tool::None: break;
    }
}

void MultiScope::reshowDevice() {
    if (ToolMode == tool::Scope || ToolMode == tool::Scanner || ToolMode == tool::Pictures)
        showDevice(static_cast<tool::Mode>(int(ToolMode)));
}

void MultiScope::raiseTelemetry() {
    picTelemetry->setVisible(true);
    picTelemetry->raise();
}

void MultiScope::cmdChangeTool_Click() {
    // Scope, scanner and pictures in turn.
    switch (ToolMode) {
    case tool::Pictures: showDevice(tool::Scope); break;
    case tool::Scope: showDevice(tool::Scanner); break;
    case tool::Scanner: showDevice(tool::Pictures); break;
    default: break;
    }
}

void MultiScope::cmdConnection_Click() {
    MsgBox(tr("Drag and drop a label or connection point from the main simulation windows on to this\r\n"
              "connection terminal to display waveforms, DMM readings, pictures and text."),
           MsgButtons::OK, MsgIcon::Information, "Vantorel");
}

void MultiScope::cmbReading_Click() {
    const QString item = reading_;
    const bool counted = item != QLatin1String("None");
    if (counted && !ChallengeAllowsMeasurement()) return;
    QString dmm;
    const bool meter = readingDmmText(item, &dmm);
    if (meter) setMeterText(dmm);
    if (counted) ChallengeMeasured("Reading box: " + item, meter ? "DMM " + dmm.trimmed() : QStringLiteral("signal generator"));
}

void MultiScope::showPictureImage(const QImage& picture, const QString& source) {
    pbxPictures->setPicture(picture, source);
}

bool MultiScope::scriptShow(const QString& control, const QString& index, QJsonObject& out) {
    if (control.isEmpty()) {
        // The window's inside and its display area (the inside right of the panel), in pixels.
        const QRect display = twRect(PanelWidth, 0, std::max(0, width() * 15 - PanelWidth), height() * 15);
        out.insert("inside", QJsonArray{width(), height()});
        out.insert("display", QJsonArray{display.width(), display.height()});
    }
    if (live->scriptShow(control, index, out) && !control.isEmpty()) return true;
    return telemetry && telemetry->scriptShow(control, index, out);
}

bool MultiScope::scriptSet(const QString& control, const QString& index, const QString& value, QString* error) {
    return live->scriptSet(control, index, value, error);
}

// ---- Connections ----

void MultiScope::onDragDrop(QWidget* target, QWidget* source) {
    if (target == cmdConnection) {
        cmdConnection_DragDrop(source);
        return;
    }
    // The Live screen's channel terminals: A's is the window's own terminal.
    const int channel = live ? live->channelOfTerminal(target) : -1;
    if (channel == 0) cmdConnection_DragDrop(source);
    else if (channel > 0) live->connectChannel(channel, probePointOf(source), describePoint(source));
}

sim::ProbePoint MultiScope::probePointOf(const QWidget* source) {
    const ConnectionPoint point = connectionPointOf(source);
    Form* from = nullptr;
    for (QWidget* p = source ? source->parentWidget() : nullptr; p && !from; p = p->parentWidget())
        from = qobject_cast<Form*>(p);
    return sim::ProbePoint{point.caption, point.name, point.index, from ? from->formName() : QString()};
}

void MultiScope::connectFromKeyboard(int channel, const sim::ProbePoint& at, const QString& described) {
    if (channel == 0) {
        connectTerminal(at, described);
        return;
    }
    if (channel < 0 || channel > 3) return;
    if (source() != Source::Live) {
        MsgBox(tr("Channels B to D belong to the Live screen: choose Live on the instrument first, or connect "
                  "the point to channel A."),
               MsgButtons::OK, MsgIcon::Information);
        return;
    }
    live->connectChannel(channel, at, described);
}

void MultiScope::cmdConnection_DragDrop(QWidget* source) { connectTerminal(probePointOf(source), describePoint(source)); }

void MultiScope::connectTerminal(const sim::ProbePoint& at, const QString& described) {
    msf::closeChannel();
    // The live signals are there with the engine still (the key off or on); the stored
    // waveforms were taken with the engine turning.
    if (EngineCranking == False && EngineRunning == False && this->source() != Source::Live) {
        MsgBox(tr("Remember, the engine needs to be running or cranking (or at least trying to crank) to get "
                  "readings on some tests..."),
               MsgButtons::OK, MsgIcon::Information);
        return;
    }
    if (!ChallengeAllowsMeasurement()) return;
    try {
        const ConnectionPoint point{at.caption, at.name, at.index};
        probe_->attach(at);
        ConnectionName = probe_->fileBase();
        ShowWaveform(ConnectionName + ".msf");
        ShowPicture(ConnectionName + ".jpg");
        const QList<OverrideAction> actions = faultOverrides(point, at.window, [](int n) { return FaultPresent(n); });
        for (const OverrideAction& a : actions) {
            if (a.kind == OverrideAction::Waveform) ShowWaveform(a.text);
            else MsgBox(QCoreApplication::translate("sim::Catalogue", a.text.toUtf8().constData()), MsgButtons::OK, a.icon);
        }
        // A critical fault leaves no lambda signal to see, wherever on its circuit the probe is.
        if (CriticalFault == True && probe_->quantity() == sim::Quantity::Lambda) ShowWaveform("Blank.msf");
        if (this->source() == Source::Live) setMeterText(sim::meterText(*probe_->at(), liveInputs()));
        QStringList shown;
        for (const OverrideAction& a : actions)
            if (a.kind == OverrideAction::Message) shown << a.text;
        const bool flat = CurrentWaveformFile.compare(QLatin1String("Blank.msf"), Qt::CaseInsensitive) == 0;
        shown << (flat ? QStringLiteral("no signal") : "DMM " + meterText_.trimmed());
        const std::optional<sim::PointId> id = sim::pointOf(at);
        ChallengeMeasured(described, shown.join("; "), id ? QString::fromLatin1(sim::point(*id).key) : QString());
        // The device in front shows the new point; the telemetry leaves the pictures in front.
        reshowDevice();
    } catch (const VbError& e) {
        MsgBox(tr("Connection not made, double check meter leads...\r\n\r\n(%1 %2)").arg(e.description, QString::number(e.number)),
               MsgButtons::OK, MsgIcon::Exclamation);
    }
}

// ---- Scanner ----

void MultiScope::scannerButton(const QString& waiting, const QString& report) {
    if (!ChallengeAllowsMeasurement()) return;
    QString shownReport;
    try {
        chdirToAppFolder();
        txbScanner->setPlainText(waiting);
        shownReport = waiting;
        CollectSystemData();
        DoEvents();
        Pause(1.0);
        TempFolder = GetTempFolder();
        shownReport = readTextFile(TempFolder + report);
        txbScanner->setPlainText(shownReport);
    } catch (const VbError&) {
        txbScanner->setPlainText(tr("No data file found..."));
        shownReport = QStringLiteral("No data file found...");
    }
    // The report on one line, for the challenge's diagnostic path (in English, as the record keeps it).
    QStringList lines;
    for (const QString& line : shownReport.split('\n'))
        if (line.contains(QRegularExpression(QStringLiteral("[^-=\\s]")))) lines << line.simplified();
    QString shown = lines.join("; ");
    if (shown.size() > 300) shown = shown.left(297) + "...";
    ChallengeMeasured(QStringLiteral("Scanner: ") + (report == QLatin1String("Faults.scn") ? "Scan/Update Faults" : "Read/Update Data"), shown,
                      QStringLiteral("scanner"));
}

void MultiScope::cmdRead_Click() { scannerButton(tr("Reading data - Please wait..."), "Scanner.scn"); }
void MultiScope::cmdScan_Click() { scannerButton(tr("Scanning - Please wait..."), "Faults.scn"); }
