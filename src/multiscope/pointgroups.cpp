#include "multiscope/pointgroups.h"

#include <QCoreApplication>
#include <algorithm>

namespace scope {

std::vector<PointGroup> pointGroups() {
    std::vector<PointGroup> groups;
    for (sim::Window w : {sim::Window::Simulation, sim::Window::Starting, sim::Window::Charging}) {
        const std::size_t first = groups.size();
        for (const sim::PointInfo& p : sim::points()) {
            if (p.window != w) continue;
            auto it = std::find_if(groups.begin() + std::ptrdiff_t(first), groups.end(),
                                   [&](const PointGroup& g) { return g.circuit == p.circuit; });
            if (it == groups.end()) groups.push_back(PointGroup{w, p.circuit, {p.id}});
            else it->points.push_back(p.id);
        }
    }
    return groups;
}

QString windowName(sim::Window window) {
    switch (window) {
    case sim::Window::Simulation: return QCoreApplication::translate("scope", "Engine management window");
    case sim::Window::Starting: return QCoreApplication::translate("scope", "Starting system window");
    case sim::Window::Charging: return QCoreApplication::translate("scope", "Charging system window");
    }
    return QString();
}

QString circuitName(sim::Circuit circuit) {
    const char* name = "";
    switch (circuit) {
    case sim::Circuit::EngineSpeed: name = QT_TRANSLATE_NOOP("scope", "Engine speed sensor circuit"); break;
    case sim::Circuit::EngineLoad: name = QT_TRANSLATE_NOOP("scope", "Engine load sensor circuit"); break;
    case sim::Circuit::Temperature: name = QT_TRANSLATE_NOOP("scope", "Temperature sensor circuit"); break;
    case sim::Circuit::VoltageSensing: name = QT_TRANSLATE_NOOP("scope", "Voltage sensing circuit"); break;
    case sim::Circuit::Lambda: name = QT_TRANSLATE_NOOP("scope", "Lambda sensor circuit"); break;
    case sim::Circuit::Knock: name = QT_TRANSLATE_NOOP("scope", "Knock sensor circuit"); break;
    case sim::Circuit::Ignition: name = QT_TRANSLATE_NOOP("scope", "Ignition circuit"); break;
    case sim::Circuit::Injectors: name = QT_TRANSLATE_NOOP("scope", "Injector circuit"); break;
    case sim::Circuit::FuelPump: name = QT_TRANSLATE_NOOP("scope", "Fuel pump circuit"); break;
    case sim::Circuit::FuelPressure: name = QT_TRANSLATE_NOOP("scope", "Fuel pressure"); break;
    case sim::Circuit::ControlUnit: name = QT_TRANSLATE_NOOP("scope", "Control unit"); break;
    case sim::Circuit::StarterSwitch: name = QT_TRANSLATE_NOOP("scope", "Starter switch circuit"); break;
    case sim::Circuit::StarterSupply: name = QT_TRANSLATE_NOOP("scope", "Starter supply circuit"); break;
    case sim::Circuit::StarterEarth: name = QT_TRANSLATE_NOOP("scope", "Starter earth circuit"); break;
    case sim::Circuit::StarterMotor: name = QT_TRANSLATE_NOOP("scope", "Starter motor"); break;
    case sim::Circuit::Charging: name = QT_TRANSLATE_NOOP("scope", "Charging circuit"); break;
    case sim::Circuit::ChargeWarningLight: name = QT_TRANSLATE_NOOP("scope", "Charge warning light circuit"); break;
    }
    return QCoreApplication::translate("scope", name);
}

}  // namespace scope
