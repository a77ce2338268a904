// The MultiScope: the test instrument window. Its devices (scope with DMM, pictures with
// their text, scanner, telemetry) share one connection terminal; one device is in front at a
// time, as ToolMode records. The left panel holds the terminal, the device button and the
// device's own frame; the display area to its right holds the device's screen.
#pragma once

#include "multiscope/probe.h"
#include "multiscope/scopesweep.h"
#include "platform/form.h"
#include "sim/signals.h"
#include "sim/simstate.h"

#include <QImage>
#include <QLine>
#include <memory>
#include <optional>

class PictureBox;
class QAbstractSlider;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class LiveScope;
class GuidedPanel;
class TelemetryDevice;
class VTimer;

class MultiScope : public Form {
    Q_OBJECT
public:
    MultiScope();
    ~MultiScope() override;
    void onLoad() override;
    void onUnload() override;
    void onDragDrop(QWidget* target, QWidget* source) override;
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) override;
    bool scriptSet(const QString& control, const QString& index, const QString& value, QString* error) override;

    // Operations other windows call.
    void cmbReading_Click();
    // Brings a device to the front, as its Tools command does: the window shown, ToolMode set
    // and the device's current file shown again (a file gone missing is reported; the device
    // still comes forward). None does nothing.
    void showDevice(tool::Mode device);
    // The scope, scanner or pictures, when one is in front, shown again with its current file;
    // the telemetry and no device are left as they are.
    void reshowDevice();
    // The telemetry's picture to the front of the window, as it is.
    void raiseTelemetry();
    void cmdChangeTool_Click();
    void cmdRead_Click();
    void cmdScan_Click();
    void Form_Resize();
    // The panel's text, the read-outs and the screen in the theme now current.
    void applyTheme();
    void flyback();

    void cmdConnection_Click();
    void cmdConnection_DragDrop(QWidget* source);
    // The terminal (channel A) put on a point, as a drop of its label does; `described` names
    // the point for a challenge's record.
    void connectTerminal(const sim::ProbePoint& at, const QString& described);
    // A point connected from the keyboard (a point's keys, the Connect Probe dialog), as a drop
    // on the channel's terminal: A (0) is the window's terminal; B to D (1..3) are the Live
    // screen's, and with the stored source a message says so and nothing is connected.
    void connectFromKeyboard(int channel, const sim::ProbePoint& at, const QString& described);
    // The point a dropped label is, on its window.
    static sim::ProbePoint probePointOf(const QWidget* source);
    void cmdPause_Click();
    void sldTime_Change();
    void scopescreen_DblClick();
    void Timer1_Timer();

    // The reading box's text (typed or picked).
    QString readingText() const;
    void setReadingText(const QString& text);
    // The probe comes off its point (if it was on one); the terminal shows itself free.
    void detachProbe();
    // The picture shown on the picture device (scaled to fit its area as the window changes).
    void showPictureImage(const QImage& picture, const QString& source);

    // The controls the waveform editor and the telemetry device still reach (and the tests);
    // the others are the window's own.
    VTimer* Timer1 = nullptr;
    QPushButton* cmdConnection;
    QSlider* sldTime;
    QLabel* lblDMM;
    PictureBox* scopescreen;
    PictureBox* picTelemetry;  // the telemetry device's display
    TelemetryDevice* telemetry = nullptr;  // its controls, timer and handlers
    LiveScope* live = nullptr;  // the Live screen: its controls, trigger, cursors and captures
    GuidedPanel* guidedPanel = nullptr;  // the guided tests, in the scope frame

    const ScopeSweep& sweep() const { return sweep_; }

    // Where the scope's trace and meter come from: the point's waveform file (Stored, as
    // always) or the running simulation (Live). The choice is kept in the settings.
    enum class Source { Stored, Live };
    Source source() const { return source_; }
    void setSource(Source source);
    QRadioButton* optStored;
    QRadioButton* optLive;
    // The probe: the point it is on, if any.
    const instrument::Probe& probe() const { return *probe_; }
    // The live signal's inputs now: the state, the fault boxes and the lambda slider.
    sim::SignalInputs liveInputs() const;

    // The scale controls' values (Timebase, X, Y, Volts, Focus), the reading and Pause.
    ScopeControls controls() const;
    // The Timebase, Volts and X controls take the Live screen's ranges or the stored sweep's
    // (each source keeps its own values while the other has them), without their handlers.
    void useLiveScales(bool live);
    // The Live screen's Timebase: set now while Live has the controls, else kept for when it
    // has them; no handler runs.
    void setLiveTimebase(int value);
    // The Live screen's Volts (channel A's range: 0 Auto) and Y (its zero line, fiftieths of a
    // division from the top) controls, as if moved by the user.
    void setLiveVolts(int value);
    void setLiveY(int value);
    // The X control: where the trigger point stands across the Live screen (-50 left .. 50 right).
    void setLiveX(int value);
    // The tips of the Timebase and Volts controls: their values as the source in front reads them.
    void setScaleTips(const QString& timebase, const QString& volts);
    // The meter's read-out.
    // The meter's reading as files keep it (a decimal point), whatever the read-out shows.
    QString meterText() const;
    void setMeterText(const QString& text);
    // The scope's 25 ms timer: the sweep (or the Live screen) runs on, or stops.
    void setSweepRunning(bool running);
    void showTerminal(bool shown);
    // The waveform editor's view of a saved waveform (instrument::viewUnderEditor).
    void viewUnderEditor(const QRect& editorTwips);
    // The window at the place it opens at: where the user last left it (kept in the settings,
    // "Instruments" "Scope_geometry"), else at a size that gives the Live screen room beside
    // the panel; either brought into the main window's working area when that is smaller.
    void placeAsOpened();
    // The surface the Live screen paints its frame on, and the scope frame its read-outs stand in.
    PictureBox* screen() const { return scopescreen; }
    QWidget* scopePanel() const;
    // A device brought to the front of the display area with its panel: the scope (its sweep
    // running), the pictures with their text, the scanner. Each step that cannot be taken is left out.
    void frontScope();
    void frontPictures();
    void frontScanner();
    // The picture device's text and the scanner's report.
    void setInfoText(const QString& text);
    void setScannerText(const QString& text);

signals:
    // The X, Y, Volts or Focus control moved.
    void scalesChanged();
    // The Timebase moved (after the window's own handler).
    void timebaseChanged();

protected:
    void resizeEvent(QResizeEvent* e) override;
    // The frame moved or sized by the user: its place is kept for the next opening.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QPushButton* cmdChangeTool;
    QGroupBox* Frame1;
    QComboBox* cmbReading;
    QString reading_;  // the reading box's entry, by its English name
    QScrollBar* hsbXshift;
    QScrollBar* vscY1shift;
    QScrollBar* vscVolts1;
    QScrollBar* updFocus;
    QPushButton* cmdPause;
    QLine Line[11];  // Line1..Line10, the graticule over the screen (pixels)
    QGroupBox* Frame2;
    QPlainTextEdit* txbEdit;
    PictureBox* pbxPictures;
    QGroupBox* Frame4;
    QPushButton* cmdScan;
    QPushButton* cmdRead;
    QPlainTextEdit* txbScanner;

    // The terminal's caption, in a smaller type where the longest captions need it, so that it
    // is never cut off.
    void setTerminalText(const QString& text);
    void probeChanged();
    void bringForward(QWidget* display, QWidget* panel);
    void raiseTerminal();
    void scannerButton(const QString& waiting, const QString& report);
    void layoutStep(const std::function<void()>& step);
    // The value read-outs under the Y, Volts and Focus bars, each in its own column.
    void placeReadouts();
    // The frame's place written to the settings when it is the user's and has changed.
    void keepPlace();

    void optSource_Click(Source source);
    // The scope's keys: Run / Stop (F5), Single (F6), the time base slower and faster (F7, F8)
    // and the volts a division up and down (Shift+F7, Shift+F8).
    void addScopeKeys();
    void singleCapture();
    // The Volts control a step towards fewer (finer) or more volts a division.
    void stepVolts(bool finer);

    ScopeSweep sweep_;
    Source source_ = Source::Stored;
    instrument::Probe* probe_;
    // The controls whose ranges and meaning differ between the sources (Timebase, Volts, X):
    // each holds the value of the source not showing. Y and Focus mean the same to both.
    struct SwappedControl {
        QAbstractSlider* control = nullptr;
        int storedMin = 0, storedMax = 0, liveMin = 0, liveMax = 0;
        int held = 0;
    };
    SwappedControl swapped_[3];
    bool liveScales_ = false;
    bool liveShown_ = false;  // the Live screen has the scope screen (as of the last layout)
    bool placing_ = false;     // the window is placing itself: no place of the user's to keep
    bool placeMoved_ = false;  // moved or sized by the user since its place was last kept
    bool dragging_ = false;    // a mouse button is down on the frame (its title bar or border)
    QString keptPlace_;        // the place as the settings hold it
    bool keepFailed_ = false;  // a failed write of the place has been reported (once a run)
    QString meterText_;  // the reading shown in lblDMM, as files keep it
};
