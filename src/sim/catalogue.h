// The catalogue of the car's connection points and of its injectable faults: one table of each,
// which every part of the program that needs to know what a point measures or what a fault
// does reads, instead of recognising a point by its caption or a fault by its number.
//
// A point is known by its identifier (PointId). Its caption is what the window shows, translated
// into the user's language; its data files keep their English base name whatever the caption reads. A fault is
// known by its box number on the faults window (1..44), which is its only meaning as a number.
#pragma once

#include "sim/engine.h"

#include <QString>
#include <optional>
#include <vector>

namespace sim {

// The eighteen measured quantities, one per connection-point caption.
enum class Quantity {
    EngineSpeed,         // inductive crank sensor, 60-2 wheel
    EngineLoad,          // manifold pressure sensor
    Temperature,         // NTC coolant sensor
    SystemVoltage,       // the supply, with the alternator's ripple
    Lambda,              // zirconia oxygen sensor
    Knock,               // piezo knock sensor
    CoilDwell,           // the coil primary (its switched side)
    Injector,            // the injector's switched side
    FuelPump,            // the pump's current through a clamp (A)
    PressureRegulator,   // rail pressure (bar)
    SparkTiming,         // the secondary through an HT pick-up (kV)
    StarterSwitch,       // the solenoid's switch wire
    StarterSupply,       // terminal 30
    StarterEarth,        // the volt drop on the starter's return path
    StarterSpeed,        // the cranking current through a clamp (A)
    ChargeWarningLight,  // the alternator's D+
    AlternatorSpeed,     // the phase (W) terminal
    AlternatorEarth,     // the volt drop from the alternator's case to battery negative
};
constexpr int kQuantityCount = 18;

// The circuits of the car, as the points stand on them and the faults break them.
enum class Circuit {
    EngineSpeed,
    EngineLoad,
    Temperature,
    VoltageSensing,  // the control unit's sensing of the supply
    Lambda,
    Knock,
    Ignition,
    Injectors,
    FuelPump,
    FuelPressure,
    ControlUnit,
    StarterSwitch,
    StarterSupply,
    StarterEarth,
    StarterMotor,
    Charging,
    ChargeWarningLight,
};

// Whether a circuit is a sensor's, read by the control unit (the others are its outputs and the
// starting and charging circuits).
bool isSensor(Circuit c);

// Where on its circuit a point lies, or a fault is.
enum class Side {
    Part,  // at the part itself (a sensor, an actuator, the starter, the alternator)
    Wire,  // on the wire between the part and what feeds or reads it
    Unit,  // at the control unit's pin
};

// The three circuit windows the points stand on.
enum class Window { Simulation, Starting, Charging };
// The window's class name ("FRMsimulation", "frmStarting", "frmCharging").
QString windowClass(Window w);

// Every connection point, one per label or connection square.
enum class PointId {
    // The engine window's ECU picture (lblECU 0..17): for a sensor the wire beside it, then its
    // pin at the unit; for an output the unit's pin, then the wire beside the actuator.
    SpeedSensorWire, SpeedSensorPin, LoadSensorWire, LoadSensorPin,
    TemperatureSensorWire, TemperatureSensorPin, VoltageSensingWire, VoltageSensingPin,
    LambdaSensorWire, LambdaSensorPin, KnockSensorWire, KnockSensorPin,
    CoilDrivePin, CoilWire, InjectorDrivePin, InjectorWire, PumpDrivePin, PumpWire,
    // The engine window's parts, beside its sliders and read-outs.
    SpeedSensor, LoadSensor, TemperatureSensor, VoltageSensing, LambdaSensor, KnockSensor,
    FuelPump, PressureRegulator, Injector, IgnitionCoil, SparkPlugLead,
    // The starting window: the captions, then the squares on the wires (numbered as their
    // controls' indices).
    StarterSwitch, StarterSwitchStartTerminal, StarterSupply, StarterSupplyPoint1, StarterSupplyPoint3,
    StarterEarth, StarterEarthPoint1, StarterEarthPoint2, StarterCurrent,
    // The charging window.
    ChargingEngineSpeed, AlternatorSpeed, AlternatorOutput, AlternatorOutputPoint1, AlternatorOutputPoint2,
    ChargeWarningLight, ChargeWarningLightFeed, ChargeWarningLightPoint2, ChargeWarningLightDPlus,
    AlternatorEarth, AlternatorEarthCase, AlternatorEarthBattery,
};
constexpr int kPointCount = 50;

struct QuantityInfo {
    Quantity quantity;
    const char* caption;   // the caption of every point that measures it (English; captionOf translates it)
    const char* unit;      // the live trace's unit: "V", "A", "bar" or "kV"
    const char* fileBase;  // the data files: fileBase + ".msf", ".jpg", ".txt"
};

struct PointInfo {
    PointId id;
    const char* key;      // a stable text key ("ecu.speed.wire")
    Window window;
    const char* control;  // the label's control name on its window
    int index;            // its index in the control array, -1 when in none
    Circuit circuit;
    Side side;
    Quantity quantity;
};

const QuantityInfo& quantityInfo(Quantity q);
const std::vector<PointInfo>& points();
const PointInfo& point(PointId id);
// The caption a point carries on its window, in the user's language (QuantityInfo::caption is
// its English source; the data files follow QuantityInfo::fileBase).
// Files (capture tables and files, attempts) keep the English words whatever the language.
enum class Wording { Shown, Files };
QString captionOf(PointId id, Wording wording = Wording::Shown);
QString captionOf(Quantity q, Wording wording = Wording::Shown);
// Where a point stands, for a label beside its caption (which several points share): its window
// and its place there, e.g. "ECU picture, at the ECU pin", "starting window, test point 2".
QString placeOf(PointId id, Wording wording = Wording::Shown);
// The caption with its place: "Engine speed (ECU picture, at the ECU pin)".
QString captionWithPlace(PointId id, Wording wording = Wording::Shown);
// The point standing on a window as that control; none for any other label.
std::optional<PointId> pointAt(const QString& windowClass, const QString& control, int index);
std::optional<PointId> pointForKey(const QString& key);
// Every point measuring a quantity, in the table's order.
std::vector<PointId> pointsMeasuring(Quantity q);

// ---- The faults ----

enum class FaultKind { OpenCircuit, ShortToEarth, HighResistance, FailedPart, SupplyOrEarth };

// The groups of the fault scan, in the order the scan tests them; each present group writes its
// line to the faults report (when it has one) and acts on the simulation.
enum class ScanCode {
    SpeedSensor, LoadSensor, TemperatureSensor, VoltageSensing, LambdaSensor, KnockSensor,
    Ignition, Injectors, FuelPump, FuelPressureLow, FuelPressureHigh, ControlUnit,
    StarterSwitchSupply, StarterSwitchContacts, StarterMotor, BatteryLow,
    Overcharging, RectifierDiode, OutputCable, AlternatorEarth, ChargeLampWire, ChargeLampTerminal,
    None,  // the scan does nothing for the fault (it acts on cranking or on the instrument only)
};
// The line the scan writes to the faults report for a group; null when it writes none.
const char* scanLine(ScanCode code);

// What a fault does when the key turns the starter.
enum class StartEffect {
    None,
    NoOutputs,     // no timing, injection or dwell
    NoTiming,      // no timing
    NoSpark,       // no timing or dwell
    NoInjection,   // no injection
    NoCranking,    // the starter does not turn (a critical fault)
    SlowCranking,  // the cranking speed four fifths
    FlatBattery,   // 9 V, the starter at 80 rev/min
};

// What the instrument shows at a point of the fault when a point is connected while the fault is
// present: a stored waveform in place of the point's own, or a message.
struct Indication {
    enum Kind { Waveform, Message, InformationMessage };
    Kind kind;
    const char* text;  // the waveform file or the message
    std::vector<PointId> at;
};

// Every injectable fault, in the order of its box number.
enum class FaultId {
    SpeedSensorFailed, LoadSensorFailed, TemperatureSensorFailed, VoltageSensingFailed,
    LambdaSensorFailed, KnockSensorFailed,
    SpeedSensorWiring, LoadSensorWiring, TemperatureSensorWiring, VoltageSensingWiring,
    LambdaSensorWiring, KnockSensorWiring,
    SpeedSensorPin, LoadSensorPin, TemperatureSensorPin, VoltageSensingPin, LambdaSensorPin, KnockSensorPin,
    TimingReferenceLost, InjectorsBlocked, FuelPumpSeized, CoilDriveOpen, InjectorDriveOpen, PumpControlOpen,
    CoilFailed, InjectorSupplyFailed, PumpRelayFailed, FuelPressureLow, FuelPressureHigh, ControlUnitFailed,
    StarterSwitchNoSupply, StarterSwitchContacts, BatteryCableResistance, SolenoidContactsResistance,
    StarterMotorFailed, FlatBattery,
    DriveBeltSlipping, RotorOpen, RegulatorShorted, RectifierDiodeOpen, OutputCableResistance,
    AlternatorEarthResistance, ChargeLampWireEarthed, ChargeLampTerminalEarthed,
};

struct FaultInfo {
    FaultId id;
    int number;             // the box on the faults window, 1..44
    const char* part;       // the part at fault, as a student names it ("Engine speed sensor")
    const char* where;      // the circuit of the part at fault ("Its wiring")
    Circuit circuit;
    Side side;
    FaultKind kind;
    bool critical;          // the scan stops a running engine; the start sequence will not crank on
    bool preventsStart;     // the engine does not start with it
    bool checkEngineLight;  // it lights the check-engine warning light
    ScanCode scan;
    StartEffect atStart;
    std::vector<Indication> shown;   // the instrument's stored readings, in the order they are shown
    std::vector<PointId> alsoReaches;  // further points whose live signal the fault changes
};
constexpr int kFaultCount = 44;

const std::vector<FaultInfo>& faults();
const FaultInfo& fault(FaultId id);
// The fault with box number n; null for a number that is no fault.
const FaultInfo* faultNumbered(int n);
// Whether the fault is present in the set of injected faults (indexed by box number).
bool isPresent(const FaultSet& present, FaultId id);
// Whether the fault's live signal reaches the point (its indications' points and the others).
bool reaches(const FaultInfo& fault, PointId p);
// Whether any fault present in the set has the scan code / lights the check-engine light.
bool anyPresent(const FaultSet& present, ScanCode code);
bool anyLightsCheckEngine(const FaultSet& present);
// The present faults of a circuit.
bool anyPresent(const FaultSet& present, Circuit circuit);

}  // namespace sim

namespace sim {

// How the scope opens on a point: the time base, the units a division and the trigger that show
// its signal whole with the engine at idle (two cycles or more, or one whole event), and which
// pulses its pulse width and duty cycle measure (the low ones for a switched output: the
// injector's open time, the coil's dwell, as the meter reads them).
struct ScreenSettings {
    double secondsPerDivision;
    double perDivision;      // in the point's unit
    double triggerLevel;     // in the point's unit
    bool fallingEdge;
    bool lowPulses;
};
ScreenSettings screenSettings(PointId id);

}  // namespace sim
