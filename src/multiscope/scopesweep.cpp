#include "multiscope/scopesweep.h"

#include "platform/numbers.h"

#include <cmath>

namespace {

// Runs one statement of the tick: a run-time error skips just this statement.
template <class F> void statement(F&& body) {
    try {
        body();
    } catch (const VbError&) {
    }
}

// 16-bit arithmetic: every intermediate result must fit an Integer.
Integer I(int v) { return Integer(v); }

}  // namespace

void ScopeSweep::flyback() {
    state_.SampleIndex = 0;
    state_.SweepX = -6;
    state_.TraceLevel = 0;
    state_.Phase = 0;
    // Cleared screen: the pen is back at the origin, then far out to the left.
    pen_ = QPointF(-5000, 0);
}

SweepTick ScopeSweep::tick(const ScopeControls& c, const QString (&waveform)[msf::kRecords]) {
    SweepState& s = state_;
    SweepTick out;
    const int T = c.timebase;
    const QString& reading = c.reading;

    // 1. Line width from Focus (the screen takes 1 and up).
    statement([&] {
        const Integer focus = I(c.focus);
        if (focus < 1) raiseError(380, QStringLiteral("Invalid property value"));  // untranslated: a runtime error's own name (the message that reports it translates it)
        lineWidth_ = focus;
    });
    // 2.-4. Advance the phase, the sample and the sweep position.
    statement([&] { s.Phase = I(s.Phase + s.PhaseStep); });
    statement([&] { s.SampleIndex = I(s.SampleIndex + 1); });
    statement([&] { s.SweepX = I(s.SweepX + T) + 5; });

    // 5.-8. The generators.
    statement([&] {
        if (reading != QLatin1String("Sine")) return;
        msf::closeChannel();
        s.PhaseStep = 5;
        s.TraceLevel = std::sin(s.Phase * 0.1) * 30;
    });
    statement([&] {
        if (reading != QLatin1String("Triangle")) return;
        msf::closeChannel();
        if (s.Phase < 50) {
            s.TraceLevel = s.Phase;
            s.PhaseStep = 50;
        }
        if (s.Phase >= 50) {
            s.TraceLevel = s.Phase;
            s.PhaseStep = -50;
        }
        s.TraceLevel = I(s.TraceLevel - 40);
    });
    statement([&] {
        if (reading != QLatin1String("Sawtooth")) return;
        msf::closeChannel();
        s.PhaseStep = 10;
        s.TraceLevel = I(100 - I(s.Phase - 20));
        if (s.TraceLevel < 50) s.Phase = 0;
        s.TraceLevel = I(s.TraceLevel - 80);
    });
    statement([&] {
        if (reading != QLatin1String("Square")) return;
        msf::closeChannel();
        s.PhaseStep = 50;
        // Each flip takes back this tick's advance, so the level change is a vertical edge.
        auto flip = [&](int level) {
            s.TraceLevel = level;
            s.SweepX = I(I(s.SweepX - T) - 5);
        };
        switch (s.Phase) {
        case 100: flip(-25); break;
        case 200: flip(25); break;
        case 300: flip(-25); break;
        case 400:
            flip(25);
            s.Phase = 0;
            break;
        default: break;
        }
    });

    // 9. Draw to the new point.
    statement([&] {
        const double x = static_cast<double>(I(s.SweepX + I(c.xShift))) * T;
        double y;
        if (reading == QLatin1String("Signal")) {
            if (s.SampleIndex < 0 || s.SampleIndex >= msf::kRecords) raiseError(9, QStringLiteral("Subscript out of range"));  // untranslated: a runtime error's own name (the message that reports it translates it)
            bool ok = false;
            const double sample = vb::val(waveform[s.SampleIndex], &ok);
            if (!ok) raiseError(13, QStringLiteral("Type mismatch"));  // untranslated: a runtime error's own name (the message that reports it translates it)
            y = I(c.yShift) - static_cast<double>(I(c.volts)) * sample;
        } else {
            y = I(I(c.yShift) - I(I(c.volts) * s.TraceLevel));
        }
        if (!(std::fabs(x) <= kCoordinateLimit && std::fabs(y) <= kCoordinateLimit)) raiseOverflow();
        const QPointF to(x, y);
        out.segment = TraceSegment{pen_, to, kTraceColor, lineWidth_};
        pen_ = to;
    });

    // 10. End of sweep at the right edge: stop there when paused, restart otherwise.
    statement([&] {
        if (static_cast<int>(I(s.SweepX + I(c.xShift))) * T < kScreenWidth) return;
        if (c.paused) {
            out.stopped = true;
        } else {
            flyback();
            out.restarted = true;
        }
    });
    return out;
}
