// The catalogue's two tables. docs/connection-points.md and docs/signals.md describe the points
// and what each fault shows where; data/faults.txt is the faults list the user reads.
#include "sim/catalogue.h"

#include "platform/numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace sim {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(sim::Catalogue)
};

// The captions are shown translated (captionOf); the data files keep the English base name.
constexpr QuantityInfo kQuantities[kQuantityCount] = {
    {Quantity::EngineSpeed, QT_TRANSLATE_NOOP("sim::Catalogue", "Engine speed"), "V", "Engine speed"},
    {Quantity::EngineLoad, QT_TRANSLATE_NOOP("sim::Catalogue", "Engine load %"), "V", "Engine load %"},
    {Quantity::Temperature, QT_TRANSLATE_NOOP("sim::Catalogue", "Temperature"), "V", "Temperature"},
    {Quantity::SystemVoltage, QT_TRANSLATE_NOOP("sim::Catalogue", "System voltage"), "V", "System voltage"},
    {Quantity::Lambda, QT_TRANSLATE_NOOP("sim::Catalogue", "Lambda"), "V", "Lambda"},
    {Quantity::Knock, QT_TRANSLATE_NOOP("sim::Catalogue", "Knock"), "V", "Knock"},
    {Quantity::CoilDwell, QT_TRANSLATE_NOOP("sim::Catalogue", "Ignition coil dwell %"), "V", "Ignition coil dwell %"},
    {Quantity::Injector, QT_TRANSLATE_NOOP("sim::Catalogue", "Fuel injector ms"), "V", "Fuel injector ms"},
    {Quantity::FuelPump, QT_TRANSLATE_NOOP("sim::Catalogue", "Fuel pump"), "A", "Fuel pump"},
    {Quantity::PressureRegulator, QT_TRANSLATE_NOOP("sim::Catalogue", "Pressure regulator"), "bar", "Pressure regulator"},
    {Quantity::SparkTiming, QT_TRANSLATE_NOOP("sim::Catalogue", "Spark timing BTDC"), "kV", "Spark timing BTDC"},
    {Quantity::StarterSwitch, QT_TRANSLATE_NOOP("sim::Catalogue", "Starter switch"), "V", "Starter switch"},
    {Quantity::StarterSupply, QT_TRANSLATE_NOOP("sim::Catalogue", "Starter supply"), "V", "Starter supply"},
    {Quantity::StarterEarth, QT_TRANSLATE_NOOP("sim::Catalogue", "Starter earth"), "V", "Starter earth"},
    {Quantity::StarterSpeed, QT_TRANSLATE_NOOP("sim::Catalogue", "Starter speed"), "A", "Starter speed"},
    {Quantity::ChargeWarningLight, QT_TRANSLATE_NOOP("sim::Catalogue", "Charge warning light"), "V", "Charge warning light"},
    {Quantity::AlternatorSpeed, QT_TRANSLATE_NOOP("sim::Catalogue", "Alternator speed"), "V", "Alternator speed"},
    {Quantity::AlternatorEarth, QT_TRANSLATE_NOOP("sim::Catalogue", "Alternator earth"), "V", "Alternator earth"},
};

using P = PointId;
using Q = Quantity;
using C = Circuit;
using S = Side;
constexpr Window kSim = Window::Simulation;
constexpr Window kStart = Window::Starting;
constexpr Window kCharge = Window::Charging;

const std::vector<PointInfo>& pointTable() {
    static const std::vector<PointInfo> table = {
        {P::SpeedSensorWire, "ecu.speed-sensor.wire", kSim, "lblECU", 0, C::EngineSpeed, S::Wire, Q::EngineSpeed},
        {P::SpeedSensorPin, "ecu.speed-sensor.pin", kSim, "lblECU", 1, C::EngineSpeed, S::Unit, Q::EngineSpeed},
        {P::LoadSensorWire, "ecu.load-sensor.wire", kSim, "lblECU", 2, C::EngineLoad, S::Wire, Q::EngineLoad},
        {P::LoadSensorPin, "ecu.load-sensor.pin", kSim, "lblECU", 3, C::EngineLoad, S::Unit, Q::EngineLoad},
        {P::TemperatureSensorWire, "ecu.temperature-sensor.wire", kSim, "lblECU", 4, C::Temperature, S::Wire,
         Q::Temperature},
        {P::TemperatureSensorPin, "ecu.temperature-sensor.pin", kSim, "lblECU", 5, C::Temperature, S::Unit,
         Q::Temperature},
        {P::VoltageSensingWire, "ecu.voltage-sensing.wire", kSim, "lblECU", 6, C::VoltageSensing, S::Wire,
         Q::SystemVoltage},
        {P::VoltageSensingPin, "ecu.voltage-sensing.pin", kSim, "lblECU", 7, C::VoltageSensing, S::Unit,
         Q::SystemVoltage},
        {P::LambdaSensorWire, "ecu.lambda-sensor.wire", kSim, "lblECU", 8, C::Lambda, S::Wire, Q::Lambda},
        {P::LambdaSensorPin, "ecu.lambda-sensor.pin", kSim, "lblECU", 9, C::Lambda, S::Unit, Q::Lambda},
        {P::KnockSensorWire, "ecu.knock-sensor.wire", kSim, "lblECU", 10, C::Knock, S::Wire, Q::Knock},
        {P::KnockSensorPin, "ecu.knock-sensor.pin", kSim, "lblECU", 11, C::Knock, S::Unit, Q::Knock},
        {P::CoilDrivePin, "ecu.coil.pin", kSim, "lblECU", 12, C::Ignition, S::Unit, Q::CoilDwell},
        {P::CoilWire, "ecu.coil.wire", kSim, "lblECU", 13, C::Ignition, S::Wire, Q::CoilDwell},
        {P::InjectorDrivePin, "ecu.injector.pin", kSim, "lblECU", 14, C::Injectors, S::Unit, Q::Injector},
        {P::InjectorWire, "ecu.injector.wire", kSim, "lblECU", 15, C::Injectors, S::Wire, Q::Injector},
        {P::PumpDrivePin, "ecu.fuel-pump.pin", kSim, "lblECU", 16, C::FuelPump, S::Unit, Q::FuelPump},
        {P::PumpWire, "ecu.fuel-pump.wire", kSim, "lblECU", 17, C::FuelPump, S::Wire, Q::FuelPump},

        {P::SpeedSensor, "engine.speed-sensor", kSim, "Label6", -1, C::EngineSpeed, S::Part, Q::EngineSpeed},
        {P::LoadSensor, "engine.load-sensor", kSim, "Label7", -1, C::EngineLoad, S::Part, Q::EngineLoad},
        {P::TemperatureSensor, "engine.temperature-sensor", kSim, "Label8", -1, C::Temperature, S::Part,
         Q::Temperature},
        {P::VoltageSensing, "engine.voltage-sensing", kSim, "Label9", -1, C::VoltageSensing, S::Part,
         Q::SystemVoltage},
        {P::LambdaSensor, "engine.lambda-sensor", kSim, "Label14", -1, C::Lambda, S::Part, Q::Lambda},
        {P::KnockSensor, "engine.knock-sensor", kSim, "Label13", -1, C::Knock, S::Part, Q::Knock},
        {P::FuelPump, "engine.fuel-pump", kSim, "Label1", -1, C::FuelPump, S::Part, Q::FuelPump},
        {P::PressureRegulator, "engine.pressure-regulator", kSim, "Label11", -1, C::FuelPressure, S::Part,
         Q::PressureRegulator},
        {P::Injector, "engine.injector", kSim, "Label5", -1, C::Injectors, S::Part, Q::Injector},
        {P::IgnitionCoil, "engine.coil", kSim, "Label4", -1, C::Ignition, S::Part, Q::CoilDwell},
        {P::SparkPlugLead, "engine.spark-plug-lead", kSim, "Label3", -1, C::Ignition, S::Part, Q::SparkTiming},

        {P::StarterSwitch, "starting.switch", kStart, "lblKey", 0, C::StarterSwitch, S::Part, Q::StarterSwitch},
        {P::StarterSwitchStartTerminal, "starting.switch.start-terminal", kStart, "lblKey", 1, C::StarterSwitch,
         S::Wire, Q::StarterSwitch},
        {P::StarterSupply, "starting.supply", kStart, "lblVoltage", 0, C::StarterSupply, S::Part, Q::StarterSupply},
        {P::StarterSupplyPoint1, "starting.supply.1", kStart, "lblVoltage", 1, C::StarterSupply, S::Wire,
         Q::StarterSupply},
        {P::StarterSupplyPoint3, "starting.supply.3", kStart, "lblVoltage", 3, C::StarterSupply, S::Wire,
         Q::StarterSupply},
        {P::StarterEarth, "starting.earth", kStart, "lblEarth", 0, C::StarterEarth, S::Part, Q::StarterEarth},
        {P::StarterEarthPoint1, "starting.earth.1", kStart, "lblEarth", 1, C::StarterEarth, S::Wire, Q::StarterEarth},
        {P::StarterEarthPoint2, "starting.earth.2", kStart, "lblEarth", 2, C::StarterEarth, S::Wire, Q::StarterEarth},
        {P::StarterCurrent, "starting.motor", kStart, "lblCrankingSpeed", 0, C::StarterMotor, S::Part,
         Q::StarterSpeed},

        {P::ChargingEngineSpeed, "charging.engine-speed", kCharge, "lblEngineSpeed", 0, C::EngineSpeed, S::Part,
         Q::EngineSpeed},
        {P::AlternatorSpeed, "charging.alternator-speed", kCharge, "lblAlternatorSpeed", -1, C::Charging, S::Part,
         Q::AlternatorSpeed},
        {P::AlternatorOutput, "charging.output", kCharge, "lblOutputVoltage", 0, C::Charging, S::Part,
         Q::SystemVoltage},
        {P::AlternatorOutputPoint1, "charging.output.1", kCharge, "lblOutputVoltage", 1, C::Charging, S::Wire,
         Q::SystemVoltage},
        {P::AlternatorOutputPoint2, "charging.output.2", kCharge, "lblOutputVoltage", 2, C::Charging, S::Wire,
         Q::SystemVoltage},
        {P::ChargeWarningLight, "charging.warning-light", kCharge, "lblWL", 0, C::ChargeWarningLight, S::Part,
         Q::ChargeWarningLight},
        {P::ChargeWarningLightFeed, "charging.warning-light.feed", kCharge, "lblWL", 1, C::ChargeWarningLight,
         S::Wire, Q::ChargeWarningLight},
        {P::ChargeWarningLightPoint2, "charging.warning-light.2", kCharge, "lblWL", 2, C::ChargeWarningLight,
         S::Wire, Q::ChargeWarningLight},
        {P::ChargeWarningLightDPlus, "charging.warning-light.d-plus", kCharge, "lblWL", 3, C::ChargeWarningLight,
         S::Wire, Q::ChargeWarningLight},
        {P::AlternatorEarth, "charging.earth", kCharge, "lblEarth", 0, C::Charging, S::Part, Q::AlternatorEarth},
        {P::AlternatorEarthCase, "charging.earth.case", kCharge, "lblEarth", 1, C::Charging, S::Wire,
         Q::AlternatorEarth},
        {P::AlternatorEarthBattery, "charging.earth.battery", kCharge, "lblEarth", 2, C::Charging, S::Wire,
         Q::AlternatorEarth},
    };
    return table;
}

// Every point of a quantity, or those of one window.
std::vector<PointId> all(Quantity q) { return pointsMeasuring(q); }
std::vector<PointId> allOn(Quantity q, Window w) {
    std::vector<PointId> out;
    for (const PointInfo& p : pointTable())
        if (p.quantity == q && p.window == w) out.push_back(p.id);
    return out;
}
std::vector<PointId> join(std::initializer_list<std::vector<PointId>> lists) {
    std::vector<PointId> out;
    for (const auto& l : lists) out.insert(out.end(), l.begin(), l.end());
    return out;
}

const char kBlank[] = "Blank.msf";
const char kItself[] = "The part itself";
const char kWiring[] = "Its wiring";
const char kAtEcu[] = "Its connection at the ECU";
const char kSupply[] = "Its supply";

Indication blank(std::vector<PointId> at) { return {Indication::Waveform, kBlank, std::move(at)}; }
Indication wave(const char* file, std::vector<PointId> at) { return {Indication::Waveform, file, std::move(at)}; }

using F = FaultId;
using K = FaultKind;
using SC = ScanCode;
using SE = StartEffect;

// The three faults of a sensor: the sensor itself, its wiring, its pin at the unit. The sensor's
// own fault is shown at every point of its reading, its wiring's at the ECU picture's two points
// of the sensor, its pin's at the pin alone. Without the engine-speed signal the unit fires
// nothing: those faults are critical.
struct Sensor {
    const char* part;
    Circuit circuit;
    Quantity quantity;
    PointId wire, pin;
    ScanCode scan;
    FaultKind itself, wiring, atPin;
    bool critical;
};

const std::vector<FaultInfo>& faultTable() {
    static const std::vector<FaultInfo> table = [] {
        const Sensor sensors[6] = {
            {"Engine speed sensor", C::EngineSpeed, Q::EngineSpeed, P::SpeedSensorWire, P::SpeedSensorPin,
             SC::SpeedSensor, K::FailedPart, K::OpenCircuit, K::HighResistance, true},
            {"Engine load sensor", C::EngineLoad, Q::EngineLoad, P::LoadSensorWire, P::LoadSensorPin, SC::LoadSensor,
             K::FailedPart, K::ShortToEarth, K::OpenCircuit, false},
            {"Engine temperature sensor", C::Temperature, Q::Temperature, P::TemperatureSensorWire,
             P::TemperatureSensorPin, SC::TemperatureSensor, K::FailedPart, K::OpenCircuit, K::HighResistance, false},
            {"System voltage sensing", C::VoltageSensing, Q::SystemVoltage, P::VoltageSensingWire,
             P::VoltageSensingPin, SC::VoltageSensing, K::FailedPart, K::OpenCircuit, K::HighResistance, false},
            {"Lambda sensor", C::Lambda, Q::Lambda, P::LambdaSensorWire, P::LambdaSensorPin, SC::LambdaSensor,
             K::FailedPart, K::ShortToEarth, K::OpenCircuit, false},
            {"Knock sensor", C::Knock, Q::Knock, P::KnockSensorWire, P::KnockSensorPin, SC::KnockSensor,
             K::FailedPart, K::OpenCircuit, K::HighResistance, false},
        };
        // Faults 1-6 the sensors, 7-12 their wiring, 13-18 their pins at the unit. The unit's
        // voltage sensing is a point of the engine window only: the charging window's system
        // voltage is the alternator's.
        std::vector<FaultInfo> t;
        // Without the engine-speed signal the unit fires nothing while the starter turns the
        // engine: the sensor's faults reach its outputs too.
        const std::vector<PointId> outputs = join({all(Q::CoilDwell), all(Q::SparkTiming), all(Q::Injector),
                                                   all(Q::FuelPump), all(Q::PressureRegulator)});
        struct Layer {
            const char* where;
            Side side;
        };
        const Layer layers[3] = {{kItself, S::Part}, {kWiring, S::Wire}, {kAtEcu, S::Unit}};
        for (int layer = 0; layer < 3; ++layer)
            for (int i = 0; i < 6; ++i) {
                const Sensor& s = sensors[i];
                const std::vector<PointId> every =
                    s.quantity == Q::SystemVoltage ? allOn(s.quantity, kSim) : all(s.quantity);
                const std::vector<PointId> at = layer == 0 ? every : layer == 1 ? std::vector<PointId>{s.wire, s.pin}
                                                                                 : std::vector<PointId>{s.pin};
                const FaultKind kind = layer == 0 ? s.itself : layer == 1 ? s.wiring : s.atPin;
                const int n = 6 * layer + i;
                t.push_back({static_cast<FaultId>(n), n + 1, s.part, layers[layer].where, s.circuit,
                             layers[layer].side, kind, s.critical, s.critical, true, s.scan,
                             s.critical ? SE::NoOutputs : SE::None, {blank(at)},
                             s.critical ? outputs : std::vector<PointId>{}});
            }

        const std::vector<PointId> spark = all(Q::SparkTiming);
        const std::vector<PointId> coil = all(Q::CoilDwell);
        const std::vector<PointId> injector = all(Q::Injector);
        const std::vector<PointId> pump = all(Q::FuelPump);
        const std::vector<PointId> lambda = all(Q::Lambda);
        const std::vector<PointId> regulator = all(Q::PressureRegulator);
        const std::vector<PointId> volts = all(Q::SystemVoltage);
        const std::vector<PointId> lamp = all(Q::ChargeWarningLight);
        const std::vector<PointId> starterSupply = all(Q::StarterSupply);
        const std::vector<PointId> altSpeed = all(Q::AlternatorSpeed);
        const std::vector<PointId> altEarth = all(Q::AlternatorEarth);
        // Everything the battery feeds: a fault that moves the battery's voltage moves the level of
        // each of them.
        const std::vector<PointId> supplied = join({coil, injector, pump, starterSupply, altSpeed,
                                                    {P::ChargeWarningLightFeed}});
        // Everything the ignition switch feeds: the control unit with its sensors and outputs (the
        // engine window's points) and the charge warning light.
        std::vector<PointId> switched = lamp;
        for (int q = 0; q < kQuantityCount; ++q)
            for (PointId p : allOn(static_cast<Quantity>(q), kSim)) switched.push_back(p);
        // The messages are shown translated (context "sim::Catalogue").
        const Indication noSpray{Indication::Message,
                                 QT_TRANSLATE_NOOP("sim::Catalogue", "No fuel spray pattern from injectors.."), injector};
        const Indication noFuel{Indication::InformationMessage, QT_TRANSLATE_NOOP("sim::Catalogue", "No fuel from pump.."),
                                pump};

        // number, part, where, circuit, side, kind, critical, prevents start, check-engine light,
        // scan, at start, shown, also reaches
        const std::vector<FaultInfo> rest = {
            {F::TimingReferenceLost, 19, "Ignition timing", kItself, C::Ignition, S::Unit, K::FailedPart, true, true,
             true, SC::Ignition, SE::NoTiming, {blank(spark)}, {}},
            {F::InjectorsBlocked, 20, "Fuel injectors", kItself, C::Injectors, S::Part, K::FailedPart, true, true,
             true, SC::Injectors, SE::NoInjection, {noSpray}, {}},
            {F::FuelPumpSeized, 21, "Fuel pump", kItself, C::FuelPump, S::Part, K::FailedPart, true, true, true,
             SC::FuelPump, SE::None, {noFuel}, {}},
            {F::CoilDriveOpen, 22, "Ignition coil", kAtEcu, C::Ignition, S::Unit, K::OpenCircuit, true, true, true,
             SC::Ignition, SE::NoSpark, {blank(spark), blank({P::IgnitionCoil, P::CoilWire})}, {}},
            {F::InjectorDriveOpen, 23, "Fuel injectors", kAtEcu, C::Injectors, S::Unit, K::OpenCircuit, true, true,
             true, SC::Injectors, SE::NoInjection, {blank({P::Injector, P::InjectorWire})}, {}},
            {F::PumpControlOpen, 24, "Fuel pump", kAtEcu, C::FuelPump, S::Unit, K::OpenCircuit, true, true, true,
             SC::FuelPump, SE::None, {blank({P::FuelPump, P::PumpWire})}, {}},
            {F::CoilFailed, 25, "Ignition coil", kItself, C::Ignition, S::Part, K::FailedPart, true, true, true,
             SC::Ignition, SE::NoSpark, {blank(join({coil, spark}))}, {}},
            {F::InjectorSupplyFailed, 26, "Fuel injectors", kSupply, C::Injectors, S::Wire, K::SupplyOrEarth, true,
             true, true, SC::Injectors, SE::NoInjection, {blank(injector)}, {}},
            {F::PumpRelayFailed, 27, "Fuel pump", kSupply, C::FuelPump, S::Wire, K::SupplyOrEarth, true, true, true,
             SC::FuelPump, SE::None, {blank(pump)}, {}},
            {F::FuelPressureLow, 28, "Fuel pressure regulator", kItself, C::FuelPressure, S::Part, K::FailedPart,
             false, false, true, SC::FuelPressureLow, SE::None,
             {wave("Low lambda.msf", lambda), {Indication::InformationMessage, QT_TRANSLATE_NOOP("sim::Catalogue", "Fuel pressure is low..."), regulator}},
             {}},
            {F::FuelPressureHigh, 29, "Fuel pressure regulator", "Its fuel return", C::FuelPressure, S::Wire,
             K::OpenCircuit, false, false, true, SC::FuelPressureHigh, SE::None,
             {wave("High lambda.msf", lambda), {Indication::InformationMessage, QT_TRANSLATE_NOOP("sim::Catalogue", "Fuel pressure is high..."), regulator}},
             {}},
            {F::ControlUnitFailed, 30, "Engine control unit", kItself, C::ControlUnit, S::Unit, K::FailedPart, true,
             true, true, SC::ControlUnit, SE::NoOutputs, {blank(join({pump, injector, coil, spark}))}, regulator},
            {F::StarterSwitchNoSupply, 31, "Ignition/starter switch", kSupply, C::StarterSwitch, S::Wire,
             K::SupplyOrEarth, true, true, false, SC::StarterSwitchSupply, SE::NoCranking,
             {blank(all(Q::StarterSwitch))}, switched},
            {F::StarterSwitchContacts, 32, "Ignition/starter switch", kItself, C::StarterSwitch, S::Part,
             K::OpenCircuit, true, true, false, SC::StarterSwitchContacts, SE::NoCranking,
             {wave("blank.msf", {P::StarterSwitchStartTerminal})}, {}},
            {F::BatteryCableResistance, 33, "Starter motor", kSupply, C::StarterSupply, S::Wire, K::HighResistance,
             false, false, false, SC::None, SE::SlowCranking, {blank(starterSupply)}, {}},
            {F::SolenoidContactsResistance, 34, "Starter solenoid", kItself, C::StarterSupply, S::Part,
             K::HighResistance, false, false, false, SC::None, SE::SlowCranking, {blank(starterSupply)}, {}},
            {F::StarterMotorFailed, 35, "Starter motor", kItself, C::StarterMotor, S::Part, K::FailedPart, true, true,
             false, SC::StarterMotor, SE::NoCranking, {blank(all(Q::StarterSpeed))}, {}},
            {F::FlatBattery, 36, "Battery", kItself, C::StarterSupply, S::Part, K::SupplyOrEarth, false, true, false,
             SC::BatteryLow, SE::FlatBattery, {wave("8V.msf", starterSupply)},
             join({supplied, volts, all(Q::StarterSwitch)})},
            {F::DriveBeltSlipping, 37, "Alternator", "Its drive belt", C::Charging, S::Part, K::FailedPart, false,
             false, false, SC::None, SE::None, {wave("13V.msf", volts)}, join({supplied, lamp, altEarth})},
            {F::RotorOpen, 38, "Alternator", kItself, C::Charging, S::Part, K::OpenCircuit, false, false, false,
             SC::None, SE::None, {wave("12V.msf", volts), wave("0V.msf", lamp)}, join({supplied, altEarth})},
            {F::RegulatorShorted, 39, "Voltage regulator", kItself, C::Charging, S::Part, K::FailedPart, false, false,
             false, SC::Overcharging, SE::None, {wave("16V.msf", volts), wave("16V.msf", lamp)}, supplied},
            {F::RectifierDiodeOpen, 40, "Rectifier", kItself, C::Charging, S::Part, K::OpenCircuit, false, false,
             false, SC::RectifierDiode, SE::None, {wave("13V.msf", volts), wave("13V.msf", lamp)}, supplied},
            {F::OutputCableResistance, 41, "Alternator", "Its output cable", C::Charging, S::Wire, K::HighResistance,
             false, false, false, SC::OutputCable, SE::None, {wave("13V.msf", volts)}, join({supplied, lamp})},
            {F::AlternatorEarthResistance, 42, "Alternator", "Its earth", C::Charging, S::Wire, K::SupplyOrEarth,
             false, false, false, SC::AlternatorEarth, SE::None, {wave("1.msf", altEarth), wave("13V.msf", volts)},
             join({supplied, lamp})},
            {F::ChargeLampWireEarthed, 43, "Charge warning light", kWiring, C::ChargeWarningLight, S::Wire,
             K::ShortToEarth, false, false, false, SC::ChargeLampWire, SE::None, {wave("0V.msf", lamp)}, {}},
            {F::ChargeLampTerminalEarthed, 44, "Voltage regulator", "Its warning light terminal",
             C::ChargeWarningLight, S::Part, K::ShortToEarth, false, false, false, SC::ChargeLampTerminal, SE::None,
             {wave("0V.msf", lamp)}, {}},
        };
        t.insert(t.end(), rest.begin(), rest.end());
        return t;
    }();
    return table;
}

}  // namespace

bool isSensor(Circuit c) {
    switch (c) {
    case Circuit::EngineSpeed:
    case Circuit::EngineLoad:
    case Circuit::Temperature:
    case Circuit::VoltageSensing:
    case Circuit::Lambda:
    case Circuit::Knock: return true;
    default: return false;
    }
}

QString windowClass(Window w) {
    switch (w) {
    case Window::Simulation: return QStringLiteral("FRMsimulation");
    case Window::Starting: return QStringLiteral("frmStarting");
    case Window::Charging: return QStringLiteral("frmCharging");
    }
    return {};
}

const QuantityInfo& quantityInfo(Quantity q) { return kQuantities[static_cast<int>(q)]; }

const std::vector<PointInfo>& points() { return pointTable(); }

const PointInfo& point(PointId id) { return pointTable()[static_cast<size_t>(id)]; }

namespace {
// A text of the catalogue in the words asked for.
QString worded(const char* text, Wording wording) {
    return wording == Wording::Files ? QString::fromUtf8(text) : Texts::tr(text);
}
}  // namespace

QString captionOf(Quantity q, Wording wording) { return worded(quantityInfo(q).caption, wording); }
QString captionOf(PointId id, Wording wording) { return captionOf(point(id).quantity, wording); }

QString placeOf(PointId id, Wording wording) {
    const PointInfo& p = point(id);
    const auto t = [wording](const char* text) { return worded(text, wording); };
    const bool ecuPicture = p.window == Window::Simulation && QLatin1String(p.control) == QLatin1String("lblECU");
    QString window;
    switch (p.window) {
    case Window::Simulation: window = ecuPicture ? t(QT_TRANSLATE_NOOP("sim::Catalogue", "ECU picture")) : t(QT_TRANSLATE_NOOP("sim::Catalogue", "engine window")); break;
    case Window::Starting: window = t(QT_TRANSLATE_NOOP("sim::Catalogue", "starting window")); break;
    case Window::Charging: window = t(QT_TRANSLATE_NOOP("sim::Catalogue", "charging window")); break;
    }
    // The squares are numbered as their windows number them (from 1 for the first, index 0).
    QString where;
    if (p.side == Side::Unit) where = t(QT_TRANSLATE_NOOP("sim::Catalogue", "at the ECU pin"));
    else if (ecuPicture)
        where = isSensor(p.circuit) ? t(QT_TRANSLATE_NOOP("sim::Catalogue", "on the wire at the sensor"))
                                    : t(QT_TRANSLATE_NOOP("sim::Catalogue", "on the wire at the actuator"));
    else if (p.index > 0)
        where = wording == Wording::Files ? QStringLiteral("test point %1").arg(p.index + 1)
                                          : Texts::tr("test point %1").arg(vb::intOnScreen(p.index + 1));
    else where = t(QT_TRANSLATE_NOOP("sim::Catalogue", "at the part"));
    return wording == Wording::Files ? window + ", " + where : Texts::tr("%1, %2").arg(window, where);
}

QString captionWithPlace(PointId id, Wording wording) {
    if (wording == Wording::Files) return captionOf(id, wording) + " (" + placeOf(id, wording) + ")";
    return Texts::tr("%1 (%2)").arg(captionOf(id), placeOf(id));
}

std::optional<PointId> pointAt(const QString& window, const QString& control, int index) {
    for (const PointInfo& p : pointTable())
        if (p.index == index && control == QLatin1String(p.control) && window == windowClass(p.window)) return p.id;
    return std::nullopt;
}

std::optional<PointId> pointForKey(const QString& key) {
    for (const PointInfo& p : pointTable())
        if (key == QLatin1String(p.key)) return p.id;
    return std::nullopt;
}

std::vector<PointId> pointsMeasuring(Quantity q) {
    std::vector<PointId> out;
    for (const PointInfo& p : pointTable())
        if (p.quantity == q) out.push_back(p.id);
    return out;
}

const char* scanLine(ScanCode code) {
    switch (code) {
    case ScanCode::SpeedSensor: return "Engine speed sensor out of range";
    case ScanCode::LoadSensor: return "Engine load sensor signal out of range";
    case ScanCode::TemperatureSensor: return "Engine temperature sensor out of range";
    case ScanCode::VoltageSensing: return "System voltage out of range";
    case ScanCode::LambdaSensor: return "Lambda sensor out of range";
    case ScanCode::KnockSensor: return "Knock sensor out of range";
    case ScanCode::Ignition: return "Ignition system fault";
    case ScanCode::Injectors: return "Injector circuit fault";
    case ScanCode::FuelPump:
    case ScanCode::FuelPressureLow:
    case ScanCode::FuelPressureHigh: return "Fuel system fault";
    case ScanCode::ControlUnit: return "Unknown system fault";
    case ScanCode::BatteryLow: return "System voltage low";
    case ScanCode::StarterSwitchSupply:
    case ScanCode::StarterSwitchContacts:
    case ScanCode::StarterMotor:
    case ScanCode::Overcharging:
    case ScanCode::RectifierDiode:
    case ScanCode::OutputCable:
    case ScanCode::AlternatorEarth:
    case ScanCode::ChargeLampWire:
    case ScanCode::ChargeLampTerminal:
    case ScanCode::None: return nullptr;
    }
    return nullptr;
}

const std::vector<FaultInfo>& faults() { return faultTable(); }

const FaultInfo& fault(FaultId id) { return faultTable()[static_cast<size_t>(id)]; }

const FaultInfo* faultNumbered(int n) {
    if (n < 1 || n > kFaultCount) return nullptr;
    return &faultTable()[static_cast<size_t>(n - 1)];
}

bool isPresent(const FaultSet& present, FaultId id) { return present[static_cast<size_t>(fault(id).number)]; }

bool reaches(const FaultInfo& f, PointId p) {
    for (const Indication& i : f.shown)
        if (std::find(i.at.begin(), i.at.end(), p) != i.at.end()) return true;
    return std::find(f.alsoReaches.begin(), f.alsoReaches.end(), p) != f.alsoReaches.end();
}

bool anyPresent(const FaultSet& present, ScanCode code) {
    for (const FaultInfo& f : faultTable())
        if (f.scan == code && present[static_cast<size_t>(f.number)]) return true;
    return false;
}

bool anyPresent(const FaultSet& present, Circuit circuit) {
    for (const FaultInfo& f : faultTable())
        if (f.circuit == circuit && present[static_cast<size_t>(f.number)]) return true;
    return false;
}

bool anyLightsCheckEngine(const FaultSet& present) {
    for (const FaultInfo& f : faultTable())
        if (f.checkEngineLight && present[static_cast<size_t>(f.number)]) return true;
    return false;
}

}  // namespace sim

namespace sim {

ScreenSettings screenSettings(PointId id) {
    //                           s/div   units/div  level   falling  low pulses
    switch (point(id).quantity) {
    // A whole turn of the wheel; the trigger on the gap's larger swing.
    case Quantity::EngineSpeed: return {10e-3, 2, 2.5, false, false};
    case Quantity::EngineLoad: return {10e-3, 1, 1.2, false, false};
    case Quantity::Temperature: return {1, 1, 2.5, false, false};
    case Quantity::SystemVoltage: return {1e-3, 4, 14, false, false};
    case Quantity::Lambda: return {0.5, 0.2, 0.45, false, false};
    case Quantity::Knock: return {10e-3, 0.2, 0.1, false, false};
    // The switch-off spike whole, on two cycles and more.
    case Quantity::CoilDwell: return {10e-3, 100, 100, false, true};
    // One injection whole, also the long one of a cold engine: the opening (falling), the open
    // time, the spike and the needle closing.
    case Quantity::Injector: return {5e-3, 20, 7, true, true};
    case Quantity::FuelPump: return {1e-3, 2, 5.1, false, false};
    case Quantity::PressureRegulator: return {10e-3, 1, 2.5, false, false};
    case Quantity::SparkTiming: return {10e-3, 4, 5, false, false};
    case Quantity::StarterSwitch: return {0.2, 4, 4, false, false};
    case Quantity::StarterSupply: return {0.1, 4, 10, false, false};
    case Quantity::StarterEarth: return {0.1, 0.05, 0.1, false, false};
    case Quantity::StarterSpeed: return {0.1, 50, 100, false, false};
    case Quantity::ChargeWarningLight: return {1e-3, 4, 14, false, false};
    case Quantity::AlternatorSpeed: return {2e-3, 4, 7, false, false};
    case Quantity::AlternatorEarth: return {1e-3, 0.2, 0.08, false, false};
    }
    return {1e-3, 1, 0, false, false};
}

}  // namespace sim
