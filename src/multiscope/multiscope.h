// The MultiScope: the test instrument window. Its devices (scope with DMM, pictures with
// their text, scanner, telemetry) share one connection terminal; one device is in front at a
// time, as ToolMode records. The left panel holds the terminal, the device button and the
// device's own frame; the display area to its right holds the device's screen.
#pragma once

#include "multiscope/scopesweep.h"
#include "platform/form.h"
#include "sim/signals.h"
#include "sim/simstate.h"

#include <QImage>
#include <QLine>
#include <memory>
#include <optional>

class PictureBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class LiveScope;
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
    void cmdChangeTool_Click();
    void cmdRead_Click();
    void cmdScan_Click();
    void Form_Resize();
    void flyback();

    void cmdConnection_Click();
    void cmdConnection_DragDrop(QWidget* source);
    void cmdPause_Click();
    void sldTime_Change();
    void scopescreen_DblClick();
    void Timer1_Timer();

    // The reading box's text (typed or picked).
    QString readingText() const;
    void setReadingText(const QString& text);
    // The terminal's caption, in a smaller type where the longest captions need it, so that it
    // is never cut off.
    void setTerminalText(const QString& text);
    // The picture shown on the picture device (scaled to fit its area as the window changes).
    void showPictureImage(const QImage& picture, const QString& source);

    VTimer* Timer1 = nullptr;
    QPushButton* cmdConnection;
    QPushButton* cmdChangeTool;
    QGroupBox* Frame1;
    QComboBox* cmbReading;
    QSlider* sldTime;
    QScrollBar* hsbXshift;
    QScrollBar* vscY1shift;
    QScrollBar* vscVolts1;
    QScrollBar* updFocus;
    QPushButton* cmdPause;
    QLabel* lblDMM;
    PictureBox* scopescreen;
    QLine Line[11];  // Line1..Line10, the graticule over the screen (pixels)
    QGroupBox* Frame2;
    QPlainTextEdit* txbEdit;
    PictureBox* pbxPictures;
    QGroupBox* Frame4;
    QPushButton* cmdScan;
    QPushButton* cmdRead;
    QPlainTextEdit* txbScanner;
    PictureBox* picTelemetry;  // the telemetry device's display
    TelemetryDevice* telemetry = nullptr;  // its controls, timer and handlers
    LiveScope* live = nullptr;  // the Live screen: its controls, trigger, cursors and captures

    const ScopeSweep& sweep() const { return sweep_; }

    // Where the scope's trace and meter come from: the point's waveform file (Stored, as
    // always) or the running simulation (Live). The choice is kept in the settings.
    enum class Source { Stored, Live };
    Source source() const;
    void setSource(Source source);
    QRadioButton* optStored;
    QRadioButton* optLive;
    // The point the probe is on, while one is connected.
    const std::optional<sim::ProbePoint>& probe() const { return probe_; }
    // The live signal's inputs now: the state, the fault boxes and the lambda slider.
    sim::SignalInputs liveInputs() const;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void scannerButton(const QString& waiting, const QString& report);
    void layoutStep(const std::function<void()>& step);

    void optSource_Click(Source source);

    ScopeSweep sweep_;
    std::optional<sim::ProbePoint> probe_;
    bool liveShown_ = false;  // the Live screen has the scope screen (as of the last layout)
};
