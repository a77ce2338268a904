// What the user has set, below the windows: the injected faults and the driver's controls.
// The program has one (session()); the windows show it and edit it, and the engine, the start
// sequence, the main tick and the challenges read it instead of any window's controls.
#pragma once

#include "sim/catalogue.h"
#include "sim/engine.h"

#include <QObject>
#include <optional>

namespace sim {

class Session : public QObject {
    Q_OBJECT
public:
    Session() = default;

    // The injected faults, indexed by box number 1..44 (index 0 is never set).
    const FaultSet& faults() const { return faults_; }
    bool faultPresent(FaultId id) const;
    // By box number; false for a number that is no fault.
    bool faultPresent(int number) const;
    // Injects or repairs one fault; faultChanged follows when it changes.
    void setFaultPresent(FaultId id, bool present);
    // Injects or repairs by box number; false (and nothing changes) for a number that is no fault.
    bool setFaultPresent(int number, bool present);
    // Repairs every fault, each with its faultChanged.
    void clearFaults();

    // The engine's own temperature while its temperature sensing is broken: the fault scan then
    // holds the shared EngineTemperature at what the control unit reads, and the engine keeps
    // the temperature it had when the first such fault was injected. None while no fault of the
    // temperature sensing is present.
    std::optional<int> engineTemperature() const;

    // The gear and throttle buttons, auto run and the engine window's sliders.
    const Controls& controls() const { return controls_; }
    // Takes every control at once; controlsChanged follows when any of them differs.
    void setControls(const Controls& c);
    void setGear(int gear);
    void setThrottle(Throttle t);
    void setAutoRun(bool on);
    void setSlider(Slider s, int value);

signals:
    void faultChanged(int number, bool present);
    void controlsChanged();

private:
    FaultSet faults_;
    Controls controls_;
    int engineTemperature_ = 0;
};

// The program's session.
Session& session();

}  // namespace sim
