// The start sequence as a model: what the windows are told, in order, with the holds between
// the stretches, and what happens when something changes the state between two stretches (a
// tick, a fault box, the key turned again). The real windows: tests/electrical/*.vs.
#include "sim/startsequence.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using sim::StartEvent;

namespace {

// The key turned on a warm engine in gear with the throttle on, on a 12 V battery, with every sequence's stretch
// written down as lines of text.
struct Key {
    SimState s;
    sim::Controls c;
    sim::FaultSet faults;
    sim::StartSequence sequence;
    bool answerOk = true;
    // Runs at each hold, after the stretch before it: what the program does meanwhile.
    std::function<void(Key&, int hold)> meanwhile;
    std::vector<std::string> trace;

    Key() {
        s.EngineTemperature = 90;
        s.SystemVoltage = 12;
        s.Gear = 2;
        c.gear = 2;
        c.throttle = sim::Throttle::On;
        s.ThrottlePosition = 1;
        c.slider(sim::Slider::Temperature) = 90;
        c.slider(sim::Slider::Voltage) = 12;
    }

    void line(const QString& text) { trace.push_back(text.toStdString()); }

    void turn() {
        int holds = 0;
        for (int guard = 0; !sequence.done() && guard < 1000; ++guard) {
            const sim::FaultSet seen = sequence.readsFaults() ? faults : sim::FaultSet();
            const sim::StartOutcome out = sequence.advance(s, c, seen);
            for (const StartEvent& e : out.events) {
                switch (e.kind) {
                case StartEvent::Kind::Status: line("status " + e.text); break;
                case StartEvent::Kind::KeyStatus: line("key " + e.text); break;
                case StartEvent::Kind::Readings:
                    line(QString("readings %1 rpm %2 V").arg(e.readings.speed).arg(e.readings.volts));
                    break;
                case StartEvent::Kind::CrankingSpeed: line("crank " + QString::number(e.number)); break;
                case StartEvent::Kind::ChargingShown:
                    line(QString("charging %1 V %2 rpm").arg(e.number).arg(e.speed));
                    break;
                case StartEvent::Kind::StarterVoltage: line("battery slider " + QString::number(e.number)); break;
                case StartEvent::Kind::Message:
                    line("message " + e.text + (e.okCancel ? " [OK/Cancel]" : " [OK]"));
                    sequence.answer(answerOk);
                    break;
                case StartEvent::Kind::Stop: {
                    QString played = "stop:";
                    for (const sim::Event& stopped : e.stop.events)
                        if (stopped.kind == sim::Event::Kind::Status) played += " " + stopped.text;
                    line(played);
                    break;
                }
                }
            }
            if (out.next.done) {
                line("done");
                break;
            }
            if (out.next.seconds > 0)
                line(QString(out.next.yield ? "yield, hold %1" : "hold %1").arg(out.next.seconds));
            else
                EXPECT_FALSE(out.next.yield) << "a yield without a hold";
            if (meanwhile) meanwhile(*this, ++holds);
        }
        EXPECT_TRUE(sequence.done());
    }

    // The lines from the first one equal to `from` on, `n` of them.
    std::vector<std::string> from(const std::string& first, size_t n) const {
        for (size_t i = 0; i < trace.size(); ++i)
            if (trace[i] == first) return {trace.begin() + i, trace.begin() + std::min(trace.size(), i + n)};
        return {};
    }
    int countOf(const std::string& prefix) const {
        int n = 0;
        for (const std::string& l : trace) n += l.rfind(prefix, 0) == 0;
        return n;
    }
};

using Lines = std::vector<std::string>;

TEST(StartSequence, ANormalStartFromKeyOnToIdle) {
    Key k;
    k.turn();

    // Key on: neutral, the engine at rest, a second's hold with events let through first.
    EXPECT_EQ(k.from("readings 0 rpm 12 V", 3), (Lines{"readings 0 rpm 12 V", "status Engine is ready to start...",
                                                       "yield, hold 1"}));
    EXPECT_EQ(k.trace.front(), "readings 0 rpm 12 V");
    EXPECT_EQ(k.s.Gear, 0);
    EXPECT_EQ(k.c.gear, 0);
    EXPECT_EQ(k.s.CrankingSpeed, 132) << "11 rev/min a volt, taken before the starter's drop";

    // The cranking position: the starter's volt is gone before the outputs are set.
    EXPECT_EQ(k.from("readings 0 rpm 11 V", 6),
              (Lines{"readings 0 rpm 11 V", "status Cranking position...", "key Cranking position...",
                     "readings 0 rpm 11 V", "crank 70", "yield, hold 0.1"}));

    // The ramp, one rev/min a tenth of a second from 70 up to 132 and no further.
    EXPECT_EQ(k.countOf("yield, hold 0.1"), 63);
    EXPECT_EQ(k.from("crank 131", 4), (Lines{"crank 131", "yield, hold 0.1", "crank 132", "yield, hold 0.1"}));

    // Ten compression strokes of +5 rev/min, the charging window shown on the way down.
    EXPECT_EQ(k.countOf("crank 137"), 10);
    EXPECT_EQ(k.countOf("charging 11 V 132 rpm"), 10);
    EXPECT_EQ(k.countOf("yield, hold 0.3"), 20);
    EXPECT_EQ(k.from("crank 137", 5),
              (Lines{"crank 137", "yield, hold 0.3", "crank 132", "charging 11 V 132 rpm", "yield, hold 0.3"}));

    // The engine starts: the starter's read-outs back to 0, idle at 14 V, a held second, and
    // only then is it running.
    EXPECT_EQ(k.from("readings 132 rpm 11 V", 8),
              (Lines{"readings 132 rpm 11 V", "crank 0", "readings 800 rpm 14 V", "status Engine is running...",
                     "yield, hold 1", "key Engine is running...", "status Ready...", "done"}));
    EXPECT_EQ(k.s.EngineRunning, True);
    EXPECT_EQ(k.s.EngineCranking, False);
    EXPECT_EQ(k.s.EngineLoad, 10);
    EXPECT_EQ(k.s.IgnitionTiming, 9);
    EXPECT_EQ(k.s.DwellPercentage, 35);
    EXPECT_EQ(k.s.LoopIndex, 133) << "where a counted loop from 70 to 132 leaves its counter";
    EXPECT_EQ(k.c.slider(sim::Slider::Speed), 800) << "the engine window's sliders follow the state";
    EXPECT_EQ(k.countOf("message"), 0);
}

TEST(StartSequence, ARunningEngineIsOnlySetRunningAfterTheLastHold) {
    Key k;
    bool runningBeforeLastHold = true;
    k.meanwhile = [&](Key& key, int) {
        if (key.trace.back() == "yield, hold 1" && key.countOf("status Engine is running...") == 1)
            runningBeforeLastHold = key.s.EngineRunning == True;
    };
    k.turn();
    EXPECT_FALSE(runningBeforeLastHold) << "a tick in that second must not yet run the engine step";
    EXPECT_EQ(k.s.EngineRunning, True);
}

TEST(StartSequence, StarterFaultsAndAFlatBatteryCrankTooSlowly) {
    {
        // Two starter faults: 132 x 0.8 = 105.6 -> 106, x 0.8 = 84.8 -> 85.
        Key k;
        k.faults[33] = k.faults[34] = true;
        k.turn();
        EXPECT_EQ(k.from("crank 85", 2), (Lines{"crank 85", "yield, hold 0.1"}));
        EXPECT_EQ(k.countOf("crank 86"), 0) << "the ramp's end is the slowed starter";
        // The message, then (after its answer, in the next stretch) the stop sequence; the
        // starter's volt is not given back.
        EXPECT_EQ(k.from("readings 85 rpm 11 V", 4),
                  (Lines{"readings 85 rpm 11 V", "message Engine not cranking fast enough to start... [OK]",
                         "stop: Ready... Engine stopped...", "done"}));
        EXPECT_EQ(k.s.EngineCranking, False);
        EXPECT_EQ(k.s.EngineRunning, False);
        EXPECT_EQ(k.s.SystemVoltage, 11);
        EXPECT_EQ(k.s.EngineSpeed, 0);
        EXPECT_EQ(k.countOf("status Engine is running..."), 0);
    }
    {
        // A flat battery: 9 V on both battery sliders, 80 rev/min, nothing above 80 on the ramp.
        Key k;
        k.faults[36] = true;
        k.turn();
        EXPECT_EQ(k.from("key Cranking position...", 4),
                  (Lines{"key Cranking position...", "battery slider 9", "readings 0 rpm 9 V", "crank 70"}));
        EXPECT_EQ(k.c.slider(sim::Slider::Voltage), 9);
        EXPECT_EQ(k.countOf("crank 81"), 0);
        EXPECT_EQ(k.countOf("message Engine not cranking fast enough to start..."), 1);
        EXPECT_EQ(k.s.SystemVoltage, 9);
    }
    {
        // 9 V on the battery before the key: 99 rev/min; the failed start leaves 8 V.
        Key k;
        k.s.SystemVoltage = 9;
        k.c.slider(sim::Slider::Voltage) = 9;
        k.turn();
        EXPECT_EQ(k.s.CrankingSpeed, 99);
        EXPECT_EQ(k.countOf("stop:"), 1);
        EXPECT_EQ(k.s.SystemVoltage, 8);
    }
}

TEST(StartSequence, AStarterThatCannotTurnLeavesTheKeyInTheCrankingPosition) {
    Key k;
    k.faults[32] = true;
    k.turn();
    EXPECT_EQ(k.from("key Cranking position...", 3),
              (Lines{"key Cranking position...", "readings 0 rpm 11 V", "done"}));
    EXPECT_EQ(k.countOf("crank"), 0);
    EXPECT_EQ(k.s.EngineCranking, True);
    EXPECT_EQ(k.s.EngineSpeed, 0);
}

TEST(StartSequence, ACriticalFaultWhileCrankingAsksWhetherToKeepCranking) {
    // The scan flags a fault while the ramp runs (a box unticked at the tenth hold).
    auto faultAtTenthHold = [](Key& k, int hold) {
        if (hold == 10) k.s.CriticalFault = True;
    };
    const std::string question =
        "message There is a fault present. Click OK to keep the engine cranking for faultfinding...\r\n\r\n"
        "Click ignition key again after tests are complete.  [OK/Cancel]";
    {
        Key k;
        k.meanwhile = faultAtTenthHold;
        k.turn();
        EXPECT_EQ(k.from("crank 132", 2), (Lines{"crank 132", "yield, hold 0.1"})) << "the ramp is not cut short";
        EXPECT_EQ(k.countOf("crank 137"), 10);
        EXPECT_EQ(k.from(question, 3), (Lines{question, "status Engine cranking for testing...", "done"}));
        EXPECT_EQ(k.s.EngineCranking, True);
        EXPECT_EQ(k.s.EngineRunning, False);
        EXPECT_EQ(k.s.EngineSpeed, 132);
    }
    {
        Key k;
        k.meanwhile = faultAtTenthHold;
        k.answerOk = false;
        k.turn();
        // Given up: stopped at 12 V, a held second without events let through, then ready.
        EXPECT_EQ(k.from(question, 6), (Lines{question, "status Engine stopped...", "readings 0 rpm 12 V", "hold 1",
                                              "status Ready...", "done"}));
        EXPECT_EQ(k.s.EngineCranking, False);
        EXPECT_EQ(k.s.SystemVoltage, 12);
        EXPECT_EQ(k.c.throttle, sim::Throttle::On) << "the controls are not reset on this way out";
        EXPECT_EQ(k.s.ThrottlePosition, 1);
        EXPECT_EQ(k.countOf("stop:"), 0);
    }
}

TEST(StartSequence, AFaultThatKeepsTheEngineFromStartingLetsTheStarterCrankIt) {
    // The crank sensor's wire open: the scan flagged the fault before the key was turned.
    const std::string question =
        "message There is a fault present. Click OK to keep the engine cranking for faultfinding...\r\n\r\n"
        "Click ignition key again after tests are complete.  [OK/Cancel]";
    {
        Key k;
        k.faults[7] = true;
        k.s.CriticalFault = True;
        k.turn();
        EXPECT_EQ(k.countOf("crank 70"), 1) << "the ramp runs from 70 rev/min";
        EXPECT_EQ(k.countOf("crank 131"), 1) << "to the cranking speed";
        EXPECT_EQ(k.countOf("crank 137"), 10) << "and the compressions follow";
        EXPECT_EQ(k.from(question, 3), (Lines{question, "status Engine cranking for testing...", "done"}));
        EXPECT_EQ(k.s.EngineCranking, True);
        EXPECT_EQ(k.s.EngineRunning, False);
        EXPECT_EQ(k.s.EngineSpeed, 132);
        EXPECT_EQ(k.s.IgnitionOn, True);
        // The unit fires nothing without the crank signal, as the key left it.
        EXPECT_EQ(k.s.IgnitionTiming, 0);
        EXPECT_EQ(k.s.DwellPercentage, 0);
        EXPECT_EQ(k.s.InjectionDuration, 0);
        // Turned back: the engine stops and the key is off.
        sim::Outcome out;
        sim::stopEngine(k.s, k.c, out);
        EXPECT_EQ(k.s.EngineCranking, False);
        EXPECT_EQ(k.s.IgnitionOn, False);
    }
    {
        // Given up: stopped, and the key back to off.
        Key k;
        k.faults[22] = true;
        k.s.CriticalFault = True;
        k.answerOk = false;
        k.turn();
        EXPECT_EQ(k.countOf(question), 1);
        EXPECT_EQ(k.s.EngineCranking, False);
        EXPECT_EQ(k.s.EngineSpeed, 0);
        EXPECT_EQ(k.s.IgnitionOn, False);
    }
    {
        // With the starter's own fault among them the engine stays still.
        Key k;
        k.faults[7] = true;
        k.faults[35] = true;
        k.s.CriticalFault = True;
        k.turn();
        EXPECT_EQ(k.countOf("crank"), 0);
        EXPECT_EQ(k.countOf(question), 0);
        EXPECT_EQ(k.s.EngineCranking, True);
        EXPECT_EQ(k.s.EngineSpeed, 0);
    }
}

TEST(StartSequence, TheIgnitionOnWithTheEngineStill) {
    SimState s;
    // On from off: the pump primes for two seconds of the main tick, then stops.
    EXPECT_TRUE(sim::switchIgnition(s, true));
    EXPECT_EQ(s.IgnitionOn, True);
    EXPECT_EQ(s.PumpPriming, 2);
    EXPECT_FALSE(sim::switchIgnition(s, true)) << "already on";
    sim::tickIgnition(s);
    EXPECT_EQ(s.PumpPriming, 1);
    sim::tickIgnition(s);
    sim::tickIgnition(s);
    EXPECT_EQ(s.PumpPriming, 0);
    EXPECT_EQ(s.IgnitionOn, True) << "the key stays on after the priming run";
    // Off, and on again: a new priming run.
    EXPECT_TRUE(sim::switchIgnition(s, false));
    EXPECT_EQ(s.IgnitionOn, False);
    EXPECT_TRUE(sim::switchIgnition(s, true));
    EXPECT_EQ(s.PumpPriming, 2);
    // The ignition key cannot be switched this way while the engine turns.
    for (Integer SimState::*flag : {&SimState::EngineRunning, &SimState::EngineCranking}) {
        SimState turning;
        turning.*flag = True;
        turning.IgnitionOn = True;
        EXPECT_FALSE(sim::switchIgnition(turning, false));
        EXPECT_EQ(turning.IgnitionOn, True);
    }
    // The start from the key on: no second priming; the start from off passes through on.
    {
        Key k;
        sim::switchIgnition(k.s, true);
        sim::tickIgnition(k.s);
        sim::tickIgnition(k.s);
        k.turn();
        EXPECT_EQ(k.s.EngineRunning, True);
        EXPECT_EQ(k.s.IgnitionOn, True);
        EXPECT_EQ(k.s.PumpPriming, 0);
    }
    {
        Key k;
        k.turn();
        EXPECT_EQ(k.s.IgnitionOn, True);
        EXPECT_EQ(k.s.PumpPriming, 2);
    }
}

TEST(StartSequence, TheKeyTurnedAgainDuringTheRampStopsTheEngineAndTheStartCarriesOn) {
    Key k;
    int stoppedAt = 0;
    k.meanwhile = [&](Key& key, int hold) {
        if (hold != 11) return;
        stoppedAt = key.s.EngineSpeed;
        sim::Outcome out;
        sim::stopEngine(key.s, key.c, out);
    };
    k.turn();
    EXPECT_EQ(stoppedAt, 79);
    // The stop's own texts are not the sequence's; the sequence goes on from the next step.
    EXPECT_EQ(k.from("crank 79", 3), (Lines{"crank 79", "yield, hold 0.1", "crank 80"}));
    EXPECT_EQ(k.s.EngineRunning, True);
    EXPECT_EQ(k.s.EngineSpeed, 800);
    EXPECT_EQ(k.s.SystemVoltage, 14);
}

TEST(StartSequence, WhatChangesBetweenStretchesIsReadAfreshButTheRampKeepsItsOwnCount) {
    Key k;
    k.meanwhile = [](Key& key, int hold) {
        if (hold == 5) {
            key.s.LoopIndex = 1000;       // another user of the shared counter
            key.s.CrankingSpeed = 200;   // too late for the ramp's end, in time for the strokes
            key.s.SystemVoltage = 12;    // a tick's charge light puts the battery back to 12 V
            key.faults[32] = true;       // a fault after the key reached the cranking position
        }
    };
    k.turn();
    EXPECT_EQ(k.countOf("crank 132"), 1);
    EXPECT_EQ(k.countOf("crank 133"), 0);
    EXPECT_EQ(k.countOf("crank 205"), 10);
    EXPECT_EQ(k.countOf("charging 12 V 200 rpm"), 10);
    EXPECT_EQ(k.s.LoopIndex, 133);
    EXPECT_EQ(k.s.EngineRunning, True) << "the faults are read once, at the cranking position";
}

TEST(StartSequence, TheStartAtTheBatteryLimits) {
    {
        // 10 V: 110 rev/min, enough to start.
        Key k;
        k.s.SystemVoltage = 10;
        k.turn();
        EXPECT_EQ(k.s.CrankingSpeed, 110);
        EXPECT_EQ(k.s.EngineRunning, True);
    }
    {
        // Below 70 rev/min the ramp takes no step and the counter is left at 70.
        Key k;
        k.s.SystemVoltage = 6;
        k.s.LoopIndex = 3;
        k.turn();
        EXPECT_EQ(k.countOf("yield, hold 0.1"), 0);
        EXPECT_EQ(k.s.LoopIndex, 70);
        EXPECT_EQ(k.countOf("crank 71"), 10) << "the strokes still wobble from 66";
        EXPECT_EQ(k.countOf("stop:"), 1);
    }
}

}  // namespace
