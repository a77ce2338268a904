#include "sim/session.h"

#include "sim/simstate.h"

#include <algorithm>

namespace sim {

namespace {
bool sameControls(const Controls& a, const Controls& b) {
    return a.gear == b.gear && a.throttle == b.throttle && a.autoRun == b.autoRun &&
           std::equal(std::begin(a.sliders), std::end(a.sliders), std::begin(b.sliders));
}
}  // namespace

bool Session::faultPresent(FaultId id) const { return isPresent(faults_, id); }

bool Session::faultPresent(int number) const { return faultNumbered(number) && faults_[number]; }

void Session::setFaultPresent(FaultId id, bool present) { setFaultPresent(fault(id).number, present); }

bool Session::setFaultPresent(int number, bool present) {
    if (!faultNumbered(number)) return false;
    if (faults_[number] != present) {
        // The first broken temperature sensing: the engine's temperature is the one the unit
        // read until now.
        if (present && faultNumbered(number)->scan == ScanCode::TemperatureSensor &&
            !anyPresent(faults_, ScanCode::TemperatureSensor))
            engineTemperature_ = programState().EngineTemperature;
        faults_[number] = present;
        emit faultChanged(number, present);
    }
    return true;
}

std::optional<int> Session::engineTemperature() const {
    if (!anyPresent(faults_, ScanCode::TemperatureSensor)) return std::nullopt;
    return engineTemperature_;
}

void Session::clearFaults() {
    for (int n = 1; n <= kFaultCount; ++n) setFaultPresent(n, false);
}

void Session::setControls(const Controls& c) {
    if (sameControls(controls_, c)) return;
    controls_ = c;
    emit controlsChanged();
}

void Session::setGear(int gear) {
    Controls c = controls_;
    c.gear = gear;
    setControls(c);
}

void Session::setThrottle(Throttle t) {
    Controls c = controls_;
    c.throttle = t;
    setControls(c);
}

void Session::setAutoRun(bool on) {
    Controls c = controls_;
    c.autoRun = on;
    setControls(c);
}

void Session::setSlider(Slider s, int value) {
    Controls c = controls_;
    c.slider(s) = value;
    setControls(c);
}

Session& session() {
    // Never destroyed: windows that listen to it may outlive a static object's turn.
    static Session* s = new Session;
    return *s;
}

}  // namespace sim
