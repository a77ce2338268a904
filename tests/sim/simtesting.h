// Helpers for the simulation's tests: maps held in memory, a running engine to step, and the
// events of an outcome by kind.
#pragma once

#include "sim/engine.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace simtest {

// A warm engine idling at 800 rev/min: the figures the unit works out there.
inline SimState idling() {
    SimState s;
    s.EngineRunning = True;
    s.EngineSpeed = 800;
    s.EngineLoad = 10;
    s.EngineTemperature = 90;
    s.SystemVoltage = 14;
    s.IgnitionTiming = 14;
    s.DwellPercentage = 30;
    s.InjectionDuration = 2.6;
    s.AlternatorSpeed = 2400;
    return s;
}

// The starter turning the engine at its cranking speed, the battery under the load, the unit's
// figures as the start sequence leaves them.
inline SimState cranking() {
    SimState s;
    s.EngineCranking = True;
    s.EngineSpeed = 132;
    s.CrankingSpeed = 132;
    s.EngineLoad = 5;
    s.EngineTemperature = 90;
    s.SystemVoltage = 11;
    s.IgnitionTiming = 9;
    s.DwellPercentage = 35;
    s.InjectionDuration = 5;
    return s;
}

// An 8 x 8 map with the same number in every cell, of which single cells may be changed.
class Map : public sim::MapSource {
public:
    Map(QString caption, double value, int rows = 8) : caption_(std::move(caption)), rows_(rows) {
        for (auto& row : cells_)
            for (auto& c : row) c = {sim::CellState::Number, value};
    }
    void setCell(int row, int column, sim::MapCell c, QString text = QString()) {
        cells_[row][column] = c;
        texts_[row][column] = std::move(text);
    }
    QString caption() const override { return caption_; }
    int rows() const override { return rows_; }
    sim::MapCell cell(int row, int column) const override {
        if (row >= rows_) return {};
        return cells_[row][column];
    }
    QString cellText(int row, int column) const override { return texts_[row][column]; }

private:
    QString caption_;
    int rows_;
    sim::MapCell cells_[8][8];
    QString texts_[8][8];
};

// A warm engine idling in neutral with the throttle on, on maps of 10 degrees, 35 % dwell and
// 2 ms injection; the scan is off unless a test turns it on.
struct Engine {
    SimState s;
    Map timing{"Ignition timing", 10}, dwell{"Dwell", 35}, injection{"Injection", 2};
    sim::StepInputs in;
    Engine() {
        s.EngineRunning = True;
        s.EngineSpeed = 800;
        s.EngineLoad = 10;
        s.EngineTemperature = 90;
        s.SystemVoltage = 14;
        in.controls.throttle = sim::Throttle::On;
        s.ThrottlePosition = 1;
        in.controls.slider(sim::Slider::Speed) = 800;
        in.controls.slider(sim::Slider::Load) = 10;
        in.controls.slider(sim::Slider::Temperature) = 90;
        in.controls.slider(sim::Slider::Voltage) = 14;
        in.timing = &timing;
        in.dwell = &dwell;
        in.injection = &injection;
        in.scan = false;
        in.tempFolder = "/tmp/";
    }
    sim::Outcome step() {
        sim::Outcome out;
        sim::step(s, in, out);
        return out;
    }
    sim::Outcome scan() {
        sim::Outcome out;
        sim::scan(s, in, out);
        return out;
    }
};

inline QStringList texts(const sim::Outcome& out, sim::Event::Kind kind) {
    QStringList list;
    for (const sim::Event& e : out.events)
        if (e.kind == kind) list << e.text;
    return list;
}
inline int count(const sim::Outcome& out, sim::Event::Kind kind) {
    int n = 0;
    for (const sim::Event& e : out.events) n += e.kind == kind;
    return n;
}
inline QStringList statuses(const sim::Outcome& out) { return texts(out, sim::Event::Kind::Status); }
inline QStringList messages(const sim::Outcome& out) { return texts(out, sim::Event::Kind::Message); }

}  // namespace simtest
