// The telemetry device of the MultiScope: the circuit plan with the car, three strip charts
// and three gauges, the export and the keys. The instrument's window owns it; its controls
// live inside the display the window gives it (picTelemetry) and carry the program's names.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>

class Form;
class PictureBox;
class QComboBox;
class QFrame;
class QJsonObject;
class QKeyEvent;
class QLabel;
class QPushButton;
class VTimer;

class TelemetryDevice : public QObject {
    Q_OBJECT
public:
    // The device inside the window's display picture.
    TelemetryDevice(Form* window, PictureBox* display);
    ~TelemetryDevice() override;

    // The device of the instrument, its window loaded if need be (the instrument tells how
    // with setInstrumentLoader; until it does, the device of a loaded instrument or none).
    static TelemetryDevice* instrumentDevice();
    static bool setInstrumentLoader(TelemetryDevice* (*load)());
    // The instrument's window.
    Form* window() const { return window_; }

    // The title over a gauge that shows no channel yet.
    static constexpr const char* kUnassignedTitle = QT_TR_NOOP("Gauge");  // shown through tr()
    // The title over gauge g (1..3) and its chart.
    QString gaugeTitle(int g) const;
    // Gauge g (1..3) shows a channel: its title, and its scale from 0 to fullScale.
    void assignGauge(int g, const QString& title, int fullScale);

    // The window load's share: the circuit's scale, the track file, full scales and the lap.
    void load();
    // In front, the device uses the whole window (its gauges alone need 140 pixels each way
    // in a display area of about 300); hidden, picTelemetry stays where the layout put it.
    void place();
    // Places the controls inside picTelemetry for its present size.
    void layout();

    void tmrTelemetry_Timer();
    void cmdClear_Click();
    void cmbKeys_Click();
    void Command1_Click();
    void cmdGauge_Click(int index);
    void picCircuit_KeyDown(int keyCode);
    void picTelemetry_KeyDown(int keyCode);  // also the gauges' keys

    // The car marker's position in circuit units (script `show`).
    bool scriptShow(const QString& control, const QString& index, QJsonObject& out) const;

private:
    // The device's own controls: the other code uses its functions.
    VTimer* tmrTelemetry = nullptr;
    PictureBox* picCircuit;
    QFrame* shpCar;
    QLabel* lblCircuit;
    PictureBox* Picture1[4] = {};  // gauges 1..3
    PictureBox* Picture2[4] = {};  // strip charts 1..3
    QFrame* shpBarBack[4] = {};
    QLabel* lblReading[4] = {};
    QLabel* lblMin[4] = {};
    QLabel* lblMax[4] = {};
    QLabel* lblGauge[4] = {};
    QPushButton* cmdGauge[4] = {};
    QPushButton* Command1;
    QPushButton* cmdClear;
    QComboBox* cmbKeys;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearCharts();
    void moveCar(double x, double y);
    void placeCircuitPicture();
    void stopTrackFile();
    void startTrackRecording();
    void recordPoint();

    Form* window_;
    PictureBox* picTelemetry_;
    QImage circuitPicture_;
    double carX_ = 0, carY_ = 0;  // the marker's top-left corner, circuit units
    long CarX = 0, CarY = 0;      // the track-recording cursor
};
