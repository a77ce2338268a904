// The simulator's shared variables, held in one object. The engine, the fault scan and the trip
// work on a SimState they are given; the program has one (programState()), which the windows
// reach through the names below: every member has a name of the same spelling that refers to
// the program's object, so "EngineSpeed" in a window, in a script's `let` and in the
// transcript's `state` is one and the same variable. Integer is 16-bit with overflow checking,
// flags hold -1/0.
#pragma once

#include "platform/vbtypes.h"

#include <QJsonObject>
#include <QString>

// The instrument's device in front, as ToolMode holds it.
namespace tool {
enum Mode : int { None = 1, Pictures = 2, Scope = 3, Scanner = 4, Telemetry = 9 };
}

// The places of the ten options in OptionFlags, each 0 (off) or 1 (on), stored under the keys
// "ZRsetting0" .. "ZRsetting9".
namespace option {
enum Flag : int {
    EditTables = 0,         // the lookup tables and routines can be edited once logged in
    BackgroundPicture = 1,  // the main window's background picture
    ShowTables = 2,         // the engine window's tables uncovered
    ShowDiagnostics = 3,
    ShowFaults = 4,
    StartEngine = 5,        // the engine is started at start-up
    StatusBar = 6,
    TipOfTheDay = 7,
    UserDetails = 8,
    ResetTrip = 9,          // the trip computer starts from 0
};
constexpr int kCount = 10;
}  // namespace option

// Scalars: type, name, start value.
#define VANTOREL_SCALARS(X)                 \
    X(Integer, EngineSpeed, 0)              \
    X(Integer, EngineLoad, 0)               \
    X(Integer, EngineTemperature, 0)        \
    X(Integer, SystemVoltage, 12)           \
    X(Integer, RoadSpeed, 0)                \
    X(Integer, AlternatorSpeed, 0)          \
    X(Integer, CrankingSpeed, 0)            \
    X(Integer, SpeedIndex, 0)               \
    X(Integer, LoadIndex, 0)                \
    X(Integer, VoltageIndex, 0)             \
    X(Integer, TimingCorrection, 0)         \
    X(float, EnrichmentFactor, 0.0f)        \
    X(Integer, KnockRetard, 0)              \
    X(Integer, IgnitionTiming, 0)           \
    X(Integer, DwellPercentage, 0)          \
    X(double, InjectionDuration, 0.0)       \
    X(Flag, EngineRunning, False)           \
    X(Flag, EngineCranking, False)          \
    X(Flag, IgnitionOn, False)              \
    X(Integer, PumpPriming, 0)              \
    X(Integer, Gear, 0)                     \
    X(Integer, ThrottlePosition, 0)         \
    X(Flag, Knock, False)                   \
    X(Integer, StepCounter, 0)              \
    X(Integer, LoopIndex, 0)                \
    X(Flag, CriticalFault, False)           \
    X(Flag, KnockSensorFault, False)        \
    X(Flag, ExhaustWarning, False)          \
    X(Figure, Mileage, Figure())            \
    X(Figure, TripDistance, Figure())       \
    X(Figure, ArrivalDistance, Figure())    \
    X(Figure, ElapsedTime, Figure())        \
    X(Figure, FuelUsed, Figure())           \
    X(Figure, FuelLevel, Figure())          \
    X(Figure, AverageSpeed, Figure())       \
    X(Figure, TimeToArrival, Figure())      \
    X(Figure, AverageEconomy, Figure())     \
    X(Integer, FuelEconomy, 0)              \
    X(Figure, Stopwatch, Figure())          \
    X(Flag, StopwatchRunning, False)        \
    X(Integer, TripDisplayMode, 0)          \
    X(Flag, SettingArrival, False)          \
    X(Flag, MetricUnits, False)             \
    X(Flag, LoggedIn, False)                \
    X(Integer, ToolMode, 1)                 \
    X(QString, TempFolder, QString())       \
    X(Integer, FileNumber, 0)               \
    X(QString, ConnectionName, "Blank")     \
    X(Integer, PanelWidth, 3000)            \
    X(Flag, ScopePaused, False)             \
    X(QString, SelectedFileName, QString()) \
    X(QString, CurrentWaveformFile, QString()) \
    X(QString, CurrentPictureFile, QString())  \
    X(QString, CurrentTextFile, QString())     \
    X(QString, CurrentScannerFile, QString())  \
    X(Integer, EditorLoadIndex, 0)          \
    X(Integer, Lap, 0)                      \
    X(Integer, TelemetrySample, 0)          \
    X(Integer, TrackLength, 0)              \
    X(Integer, TrackPosition, 0)            \
    X(Integer, GaugeIndex, 0)               \
    X(Integer, SelectedGauge, 0)

// Arrays: element type, name, upper bound (arrays start at 0).
#define VANTOREL_ARRAYS(X)           \
    X(Integer, OptionFlags, 9)       \
    X(QString, Waveform, 50)         \
    X(double, TrackX, 750)           \
    X(double, TrackY, 750)           \
    X(Integer, GaugeChannel, 11)     \
    X(Integer, GaugeMin, 5)          \
    X(Integer, GaugeMax, 5)          \
    X(QString, GaugeStyle, 5)

struct SimState {
#define VANTOREL_MEMBER_SCALAR(type, name, start) type name = start;
#define VANTOREL_MEMBER_ARRAY(type, name, upper) type name[(upper) + 1] = {};
    VANTOREL_SCALARS(VANTOREL_MEMBER_SCALAR)
    VANTOREL_ARRAYS(VANTOREL_MEMBER_ARRAY)
#undef VANTOREL_MEMBER_SCALAR
#undef VANTOREL_MEMBER_ARRAY
    // Telemetry samples: 301 samples of 13 channels.
    Integer TelemetryData[301][13] = {};

    // Every variable back to its value at program start (zero, empty, false, or the start
    // value listed above).
    void reset();
    // Every variable by name, for the script transcript.
    QJsonObject toJson() const;
    // Assigns a variable from text ("EngineSpeed", "OptionFlags(3)"); false with a reason when
    // the name is unknown or the text does not fit the variable's type.
    bool set(const QString& name, const QString& text, QString* error);
};

// The program's simulation state.
SimState& programState();

// The names of the program's variables.
#define VANTOREL_NAME_SCALAR(type, name, start) extern type& name;
#define VANTOREL_NAME_ARRAY(type, name, upper) extern type (&name)[(upper) + 1];
VANTOREL_SCALARS(VANTOREL_NAME_SCALAR)
VANTOREL_ARRAYS(VANTOREL_NAME_ARRAY)
#undef VANTOREL_NAME_SCALAR
#undef VANTOREL_NAME_ARRAY
extern Integer (&TelemetryData)[301][13];

// The program's state: reset, as JSON and assigned by name (script mode).
void resetState();
QJsonObject stateToJson();
bool setStateVariable(const QString& name, const QString& text, QString* error);
