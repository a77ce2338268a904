// The scope's Live screen: what the MultiScope shows with the Live source on a point's signal.
//
// It takes over the scope screen from the stored sweep: a 10 x 8 graticule with its scales,
// four channels A to D (each a probe on a point, with its probe setting, scale, zero line and
// on/off; A is the window's own terminal, and the window's Volts and Y controls are A's),
// two math channels, the trigger on any channel (Roll, Auto, Normal, Single; level and edge),
// cursors dragged with the mouse or moved by keys, the measurements chosen from a list (over
// the screen or between the time cursors, with their statistics), a reference trace, a history
// of the last triggered captures to step back through, and captures to a waveform file, a
// capture file or a CSV table. The window's own controls keep their places and step through
// named ranges here: Timebase the time a division, Volts the units a division (its lowest
// position ranges automatically), Y the zero line, X the trigger point across the screen and
// Focus the trace's width.
#pragma once

#include "multiscope/acquisition.h"
#include "multiscope/capturehistory.h"
#include "multiscope/guidedtests.h"
#include "multiscope/mask.h"
#include "multiscope/mathchannels.h"
#include "multiscope/measurements.h"
#include "multiscope/measurestats.h"
#include "multiscope/probe.h"
#include "multiscope/scopescreen.h"
#include "multiscope/settings.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <optional>

class MultiScope;
class QAction;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QJsonObject;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QToolButton;
class QWidget;

class LiveScope : public QObject {
    Q_OBJECT
public:
    explicit LiveScope(MultiScope* ms);

    // Whether the Live screen is the one showing (the Live source on a point's signal).
    bool active() const;
    // The controls' ranges and value read-outs for the source chosen (the stored sweep's
    // controls get their own ranges and values back); false when the controls already serve it.
    bool sourceChanged();
    // A probe has been put on a point: the scales and trigger level it is best seen with.
    // Channel A's probe is the window's; the others are the Live screen's own.
    void probeConnected(int channel = 0);
    // The probe of a channel (A's is the window's).
    const instrument::Probe& probeOf(int channel) const;
    // Puts channel B, C or D's probe on a point (A's goes through the window's terminal), as a
    // drop on its terminal or its list does; refused during a challenge that allows no measuring.
    void connectChannel(int channel, const sim::ProbePoint& at, const QString& described);
    void disconnectChannel(int channel);
    // The channel whose terminal a control is, or -1.
    int channelOfTerminal(const QWidget* w) const;
    // Places the control bar along the bottom of the display area; returns the room left for
    // the screen.
    QRect place(const QRect& display);
    void raise();
    // One tick of the scope timer while the Live screen is showing.
    void tick();
    // Draws the screen afresh from what it holds.
    void render();
    // Starts the acquisition (and the statistics) over: the settings changed.
    void restart();
    // The history of triggered captures.
    const scope::CaptureHistory& history() const { return history_; }

    // A guided test: its one command sets the channels, scales and trigger, its known-good
    // reference is drawn behind the traces and each triggered capture in the test's state is
    // judged by its masks (the failing samples marked); none runs after stopGuidedTest().
    void startGuidedTest(const guided::GuidedTest& test);
    void stopGuidedTest();
    const guided::GuidedTest* guidedTest() const { return guided_; }
    scope::Verdict guidedVerdict() const;
    // Why the verdict is what it is (a sentence); the car not in the test's state says so.
    QString guidedReason() const;

signals:
    // The guided test started, stopped, or judged a capture.
    void guidedChanged();

public:
    // A channel's units a division as the screen draws it (on Auto, the range Auto chose).
    double unitsPerDivision(int channel) const { return perDivision(channel); }
    // Value read-outs beside the window's scale controls.
    void showControlValues();
    // The trigger and the measurements chosen.
    const scope::Settings& settings() const { return settings_; }
    // Where the parts of the screen lay when it was last drawn.
    const scope::ScreenGeometry& geometry() const { return drawnGeometry_; }

    // The whole screen (no control), or a cursor ("cursor", "T1".."V2"); false for anything else.
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) const;
    bool scriptSet(const QString& control, const QString& index, const QString& value, QString* error);

    QWidget* bar;
    QComboBox* cmbTrigger;
    QComboBox* cmbEdge;
    QDoubleSpinBox* spnLevel;
    QCheckBox* chkCursors;
    QToolButton* cmdMeasure;
    QToolButton* cmdReference;
    QToolButton* cmdCapture;
    QAction* mnuMeasure[10];
    QAction* mnuRefStored;
    QAction* mnuRefFile;
    QAction* mnuRefScreen;
    QAction* mnuRefClear;
    QAction* mnuCaptureWave;
    QAction* mnuCaptureCsv;
    QAction* mnuCaptureSave;
    QAction* mnuCaptureOpen;
    QLabel* lblTrigger;
    QLabel* lblEdge;
    QLabel* lblLevel;
    QComboBox* cmbTriggerSource;
    QLabel* lblSpan;
    QComboBox* cmbSpan;
    QCheckBox* chkStatistics;
    // The channel panel beside the screen.
    QWidget* panel;
    QLabel* lblChannels;
    QLabel* lblProbeHeading;
    QLabel* lblScaleHeading;
    QLabel* lblZeroHeading;
    QCheckBox* chkChannel[scope::kChannels] = {};
    QPushButton* cmdChannel[scope::kChannels] = {};
    QLabel* lblPlace[scope::kChannels];
    QComboBox* cmbProbe[scope::kChannels];
    QComboBox* cmbRange[scope::kChannels];
    QDoubleSpinBox* spnZero[scope::kChannels];
    QLabel* lblMath[scope::kMathChannels];
    QComboBox* cmbMath[scope::kMathChannels];
    QLabel* lblHistory;
    QSlider* sldHistory = nullptr;
    QLabel* lblHistoryValue;
    QLabel* lblTimeValue;
    QLabel* lblXValue;
    QLabel* lblYValue;
    QLabel* lblVoltsValue;
    QLabel* lblFocusValue;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double secondsPerDivision() const;
    // A channel's units a division: its range, or on Auto the smallest from the point's own
    // that keeps its frame on the screen.
    double perDivision(int channel) const;
    double perDivision() const { return perDivision(settings_.triggerChannel); }
    double zeroDivisions(int channel) const;
    double zeroDivisions() const { return zeroDivisions(settings_.triggerChannel); }
    bool autoRanging(int channel) const;
    double lineWidth() const;
    // The unit a channel reads through its probe.
    QString unit(int channel) const;
    QString unit() const { return unit(settings_.triggerChannel); }
    // Why a channel that is on shows no trace (no probe, no signal, the wrong probe); empty when it does.
    QString channelProblem(int channel) const;
    // A channel's signal through its probe; none when channelProblem() says why.
    std::optional<scope::Sampler> channelSignal(int channel, const sim::SignalInputs& in) const;
    QString channelName(int channel) const;
    QString channelLabel(int channel) const;
    scope::ScreenView view() const;
    scope::Trigger trigger() const;
    // The frames on the screen: the newest, or the history's capture stepped back to.
    const std::vector<scope::Frame>& shownFrames() const;
    bool browsing() const;
    scope::MathResult mathResult(int math, const std::vector<scope::Frame>& frames) const;
    scope::MathResult workOutMath(int math, const std::vector<scope::Frame>& frames) const;
    // New frames have come: their math channels and measurements worked out once.
    void frameCame();
    void cursorsMoved();
    // A frame's measurement, over the screen or between the time cursors.
    scope::MeasuredValue measureFrame(const scope::Frame& f, scope::Measurement m, const QString& unit,
                                      scope::Polarity polarity, double perDivision) const;
    std::vector<scope::MeasuredValue> measureFrameAll(const scope::Frame& f, const std::vector<scope::Measurement>& ms,
                                                      const QString& unit, scope::Polarity polarity,
                                                      double perDivision) const;
    scope::Polarity polarityOf(int channel) const;
    QStringList measurementTexts(int channel) const;
    QStringList measurementTexts() const { return measurementTexts(0); }
    // The statistics of a new frame's measurements.
    void addStatistics();
    void buildPanel();
    void layoutPanel();
    void fillRanges(int channel);
    void showChannel(int channel);
    void showHistory();
    void channelMenu(int channel, QMenu* menu);
    void saveChannels() const;
    void saveCaptureFile();
    void openCaptureFile();
    scope::CaptureDocument captureDocument() const;
    // A waveform file's samples (drawn at the screen's scale) or a kept screen, and its name;
    // an empty name clears the reference.
    void setReference(const QStringList& samples, const scope::ScreenTrace& trace, const QString& name);
    void referenceFromFile(const QString& path);
    void setAsReference();
    // The file a capture goes to, as the user names it; empty when the screen holds no trace
    // (said) or the dialog is cancelled.
    QString captureTarget(const QString& title, const QString& filter, const QString& extension) const;
    // Writes a capture; a failure is told, success shown on the status bar.
    // `done` is the status line's text, %1 the path.
    void writeCapture(const QString& path, const std::function<void()>& write, const QString& done) const;
    void captureWave();
    void captureCsv();
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
    // Whether the frame taken is the one on the screen.
    bool sameAsDrawn() const;
    // A roll sweep's new samples drawn onto the screen as it is; false when the whole screen
    // must be drawn afresh.
    bool rollOn();
    void saveMeasurements() const;

    // Whether the car is in the guided test's state; a sentence saying what to do when not.
    QString guidedStateProblem() const;
    // The test's state the car is in, if any.
    std::optional<guided::EngineState> guidedCarState() const;
    void judgeGuided();
    // Makes the guided test's reference and masks again when the car's figures changed; true then.
    bool referToCar();

    MultiScope* ms_;
    const guided::GuidedTest* guided_ = nullptr;
    std::vector<scope::Frame> guidedReference_;
    scope::MaskJudge judge_;
    double guidedJudgedStart_ = -1;  // the last frame judged
    std::vector<double> guidedFigures_;  // the car's figures the reference was made at
    int drawnJudged_ = 0;
    QString drawnVerdict_;
    double guidedLastCapture_ = 0;   // when the last capture was judged (signal time)
    bool guidedStalled_ = false;     // no trigger for a while with the car in the test's state
    int guidedRun_ = 0;              // counts the runs, so that a challenge tells them apart
    scope::Verdict guidedReported_ = scope::Verdict::NotMeasured;  // the last told to a challenge
    // Tells a running challenge the test's verdict when it changed, with the screen as drawn.
    void reportGuided();
    scope::Settings settings_;
    scope::Acquisition acquisition_;
    instrument::Probe* probes_[scope::kChannels] = {};  // B to D (A's is the window's)
    std::vector<scope::Frame> frames_ = std::vector<scope::Frame>(scope::kChannels);
    scope::CaptureHistory history_;
    scope::StatisticsTable statistics_;
    double lastCaptureStart_ = -1;  // the newest capture's first sample time
    bool historyShown_ = true;       // the history's slider and read-out show it as it is
    // The newest frames' math channels and measurements (by channel, math channels after the
    // probes' four), worked out as the frames came.
    std::array<scope::MathResult, scope::kMathChannels> math_;
    bool mathValid_ = false;
    std::map<std::pair<int, scope::Measurement>, scope::MeasuredValue> measured_;
    bool measuredValid_ = false;
    scope::Cursors cursors_;
    std::optional<scope::CursorId> dragging_;
    // The reference: a waveform file's samples (drawn at the screen's scale) or a kept screen.
    QStringList referenceSamples_;
    scope::ScreenTrace referenceTrace_;
    QString referenceName_;
    int ticks_ = 0;
    bool liveRanges_ = false;  // Live has the controls
    QImage graticule_;  // the screen's back and graticule at its present size
    std::vector<double> drawnValues_;  // the trigger channel's frame on the screen
    std::vector<std::vector<double>> drawnOthers_;  // the other channels' frames on the screen
    scope::Status drawnStatus_ = scope::Status::Waiting;
    double drawnPerDivision_ = 0;
    scope::ScreenGeometry drawnGeometry_;
};
