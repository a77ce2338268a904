// The scope's Live screen: what the MultiScope shows with the Live source on a point's signal.
//
// It takes over the scope screen from the stored sweep: a 10 x 8 graticule with its scales,
// the trigger (Roll, Auto, Normal, Single; level and edge), cursors dragged with the mouse or
// moved by keys, the measurements chosen from a list, a reference trace in a second colour
// and captures to a waveform file or a CSV table. The window's own controls keep their places
// and step through named ranges here: Timebase the time a division, Volts the units a
// division (its lowest position ranges automatically), Y the zero line, X the trigger point
// across the screen and Focus the trace's width.
#pragma once

#include "multiscope/acquisition.h"
#include "multiscope/measurements.h"
#include "multiscope/scopescreen.h"
#include "multiscope/settings.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QStringList>

#include <functional>
#include <optional>

class MultiScope;
class QAction;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QJsonObject;
class QLabel;
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
    void probeConnected();
    // Places the control bar along the bottom of the display area; returns the room left for
    // the screen.
    QRect place(const QRect& display);
    void raise();
    // One tick of the scope timer while the Live screen is showing.
    void tick();
    // Draws the screen afresh from what it holds.
    void render();
    void restart();
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
    QLabel* lblTimeValue;
    QLabel* lblXValue;
    QLabel* lblYValue;
    QLabel* lblVoltsValue;
    QLabel* lblFocusValue;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double secondsPerDivision() const;
    // The units a division: the Volts control's range, or on Auto the smallest that keeps the
    // frame on the screen.
    double perDivision() const;
    double zeroDivisions() const;
    double lineWidth() const;
    QString unit() const;
    scope::ScreenView view() const;
    scope::Trigger trigger() const;
    QStringList measurementTexts() const;
    // A waveform file's samples (drawn at the screen's scale) or a kept screen, and its name;
    // an empty name clears the reference.
    void setReference(const QStringList& samples, const scope::ScreenTrace& trace, const QString& name);
    void referenceFromFile(const QString& path);
    void setAsReference();
    // The file a capture goes to, as the user names it; empty when the screen holds no trace
    // (said) or the dialog is cancelled.
    QString captureTarget(const QString& title, const QString& filter, const QString& extension) const;
    // Writes a capture; a failure is told, success shown on the status bar.
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

    MultiScope* ms_;
    scope::Settings settings_;
    scope::Acquisition acquisition_;
    scope::Cursors cursors_;
    std::optional<scope::CursorId> dragging_;
    // The reference: a waveform file's samples (drawn at the screen's scale) or a kept screen.
    QStringList referenceSamples_;
    scope::ScreenTrace referenceTrace_;
    QString referenceName_;
    int ticks_ = 0;
    bool liveRanges_ = false;  // Live has the controls
    QImage graticule_;  // the screen's back and graticule at its present size
    std::vector<double> drawnValues_;  // the frame on the screen
    scope::Status drawnStatus_ = scope::Status::Waiting;
    double drawnPerDivision_ = 0;
    scope::ScreenGeometry drawnGeometry_;
};
