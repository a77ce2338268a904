// The engine and its management unit as a model: one engine step, the fault scan, stopping
// the engine and the controls' own rules, all working on a SimState and on the controls' values
// gathered from the windows. Nothing here touches a window: what the user is to see or hear
// (status texts, messages, beeps, a pause, the engine stopping) is returned, in the order it
// happened, for the windows to show.
#pragma once

#include "sim/simstate.h"

#include <QString>
#include <QStringList>
#include <bitset>
#include <optional>
#include <vector>

namespace sim {

// Limits of the three output read-outs; an output above its limit is refused.
constexpr int kTimingLimit = 65;     // degrees BTDC
constexpr int kDwellLimit = 65;      // percent
constexpr int kInjectionLimit = 35;  // ms

// The engine window's five sliders and their ranges.
enum class Slider { Speed, Load, Temperature, Voltage, Lambda };
constexpr int kSliderCount = 5;
struct SliderRange {
    int minimum, maximum;
};
constexpr SliderRange kSliderRanges[kSliderCount] = {{0, 7000}, {0, 100}, {-20, 110}, {0, 16}, {-1, 1}};

// The throttle buttons; None when no button is pressed.
enum class Throttle { None, Off, On, Full };

// The controls the engine reads and sets: the gear and throttle buttons, auto run and the
// engine window's sliders.
struct Controls {
    int gear = 0;  // the gear button pressed: 0 neutral, 1..5, 6 reverse; -1 none
    Throttle throttle = Throttle::Off;
    bool autoRun = false;
    int sliders[kSliderCount] = {};
    int& slider(Slider s) { return sliders[static_cast<int>(s)]; }
    int slider(Slider s) const { return sliders[static_cast<int>(s)]; }
};

// A map cell as the engine step sees it.
enum class CellState { Number, Empty, NotNumber, Missing };
struct MapCell {
    CellState state = CellState::Missing;
    double value = 0;
};
// One ECU map (eight columns of engine speed, rows of load or of supply voltage).
class MapSource {
public:
    virtual ~MapSource() = default;
    virtual QString caption() const = 0;
    virtual int rows() const = 0;
    virtual MapCell cell(int row, int column) const = 0;
    virtual QString cellText(int row, int column) const = 0;
};

// The injected faults 1..44 (a fault is present while its box is unticked).
using FaultSet = std::bitset<45>;

// A report file that cannot be written: the run-time error it raises.
struct FileProblem {
    int number = 0;  // 0: the file can be written
    QString description;
};

// What one step (or one scan) reads besides the state.
struct StepInputs {
    Controls controls;
    const MapSource* timing = nullptr;
    const MapSource* dwell = nullptr;
    const MapSource* injection = nullptr;
    FaultSet faults;
    bool scan = true;  // run the fault scan within the step
    QString tempFolder;
    FileProblem faultsReport;   // Faults.scn
    FileProblem scannerReport;  // Scanner.scn
};

// What the user is to see or hear, in order.
struct Event {
    enum class Kind {
        Status,         // text: the status bar's first panel
        Message,        // text, critical: a message box with its OK button
        Beep,
        Pause,          // seconds
        EngineStopped,  // the engine has come to rest: the windows show it stopped
        KnockText,      // text: the engine window's knock read-out
        LambdaText,     // text: the engine window's lambda read-out
        ChargeLampOn,   // the charge warning light comes on
        WriteReport,    // text: the file name in the temporary folder; lines: its lines
        ShowOptions,    // the options window, to set a work area that can be written
    };
    Kind kind;
    QString text;
    QStringList lines;
    double seconds = 0;
    bool critical = false;
};

// What the read-outs show, taken when they are refreshed (before the sliders follow).
struct Readings {
    int speed = 0, load = 0, temperature = 0, volts = 0;
    int timing = 0, dwell = 0;
    double injection = 0;
    int alternatorSpeed = 0;
    int column = 0;  // the map column in use, counted from 1
    bool running = false;
};
struct Outcome {
    std::vector<Event> events;
    bool outputsFailed = false;  // a map cell could not be used: the rest of the step was skipped
    bool cellsMoved = false;     // the step chose its map cells (SpeedIndex, LoadIndex, VoltageIndex)
    std::optional<Readings> readings;  // the read-outs as last refreshed, to be shown
    void status(const QString& text) { events.push_back({Event::Kind::Status, text, {}, 0, false}); }
    void message(const QString& text, bool critical) { events.push_back({Event::Kind::Message, text, {}, 0, critical}); }
    void beep() { events.push_back({Event::Kind::Beep, {}, {}, 0, false}); }
    void pause(double seconds) { events.push_back({Event::Kind::Pause, {}, {}, seconds, false}); }
    void add(Event::Kind kind, const QString& text = QString()) { events.push_back({kind, text, {}, 0, false}); }
};

// The controls' rules: what pressing a button or moving a slider does to the state, as the
// windows' own handlers do when the user does it.
void chooseGear(SimState& s, Controls& c, int gear);
void chooseThrottle(SimState& s, Controls& c, Throttle t, Outcome& out);
void chooseAutoRun(SimState& s, Controls& c, bool on, Outcome& out);
// A slider moved to a value (kept within its range); a slider already there does nothing.
void moveSlider(SimState& s, Controls& c, Slider slider, int value, Outcome& out);
// The lambda read-out for a slider value: "< 1", "1" or "> 1".
QString lambdaText(int value);

// The engine at rest: no speed or load, the coil and the injectors switched off.
void restEngine(SimState& s);

// The injected faults as they act when the key is turned to the cranking position: outputs
// the unit cannot fire, a starter that cannot turn (CriticalFault), a slow starter, a flat
// battery (9 V and a starter at 80 rev/min).
void applyCrankingFaults(SimState& s, const FaultSet& faults);

// Refreshes the readings: the alternator's speed follows the engine, the sliders follow the
// state (a value outside a slider's range is brought within it, as the slider's handler does).
Readings refresh(SimState& s, Controls& c);

// Chooses the map cells for the operating point.
void findLookupCells(SimState& s);
// Stops a running or cranking engine; a stopped engine is left alone.
void stopEngine(SimState& s, Controls& c, Outcome& out);
// The fault scan: applies the present faults, stops the engine on a critical fault and writes
// the two report files (or reports why they cannot be written).
void scan(SimState& s, StepInputs& in, Outcome& out);
// A report of the scan that cannot be written: the message, the engine stopped, the options
// window to choose a work area.
void reportUnwritable(SimState& s, Controls& c, const FileProblem& problem, Outcome& out);
// The engine step, run once a second while the engine runs.
void step(SimState& s, StepInputs& in, Outcome& out);

}  // namespace sim
