// The scope sweep: one line segment of the trace per tick of the MultiScope's 25 ms timer.
//
// The sweep runs from left to right across the 300 x 400 scope screen (origin top left, y
// down) and restarts at the right edge. The trace comes from the loaded waveform ("Signal")
// or from one of the four generators ("Sine", "Triangle", "Sawtooth", "Square"); any other
// reading draws a level line at TraceLevel.
//
// Each tick runs ten statements, each on its own: one that fails (an Overflow of a 16-bit
// variable, a sample that is not a number, an index past the waveform) is skipped and the
// tick goes on with the next. Tick errors never leave the tick.
//
// The class draws nothing itself: tick() says which segment to draw, and whether the sweep
// restarted (clear the screen) or stopped on Pause (disable the timer).
#pragma once

#include "multiscope/waveformfile.h"
#include "platform/vbtypes.h"

#include <QColor>
#include <QPointF>
#include <QString>

#include <optional>

// The control values the tick reads.
struct ScopeControls {
    int timebase = 1;     // sldTime, 0..4
    int yShift = 200;     // vscY1shift, 0 (top) .. 400 (bottom): the trace's zero line
    int volts = 2;        // vscVolts1, 1..5: screen units per signal unit
    int xShift = 0;       // hsbXshift, -50..50
    int focus = 3;        // updFocus, 1..5: line width in pixels
    QString reading = QStringLiteral("Select connection...");  // text of cmbReading
    bool paused = false;  // ScopePaused == True
};

// The sweep variables of the MultiScope window (16-bit, overflow-checked).
struct SweepState {
    Integer SweepX;       // sweep position in sweep units
    Integer TraceLevel;   // level of the generated signal
    Integer SampleIndex;  // ticks since the restart = the sample drawn this tick
    Integer PhaseStep;    // added to Phase each tick
    Integer Phase;        // generator phase counter
};

struct TraceSegment {
    QPointF from;  // the pen position before the tick
    QPointF to;    // the new pen position
    QColor color;  // always kTraceColor
    int width = 1; // line width in pixels
};

struct SweepTick {
    std::optional<TraceSegment> segment;  // drawn this tick, if anything was
    bool restarted = false;  // the sweep reached the edge and flyback ran: clear the screen
    bool stopped = false;    // the sweep reached the edge while paused: disable the timer
    bool ended() const { return restarted || stopped; }
};

class ScopeSweep {
public:
    static constexpr int kScreenWidth = 300;
    static constexpr int kScreenHeight = 400;
    static inline const QColor kTraceColor = QColor(128, 0, 0);  // palette colour 4
    // A point further than this from the origin (a sample of 1e300, say) cannot be drawn: the
    // draw statement fails with Overflow and is skipped.
    static constexpr double kCoordinateLimit = 100000;

    // All variables start at zero and the pen at the origin, as for a window just loaded; its
    // first layout runs flyback.
    ScopeSweep() = default;

    // Restarts the sweep: SampleIndex 0, SweepX -6, TraceLevel 0, Phase 0 (PhaseStep is kept);
    // the pen goes to (-5000, 0), so the first segment comes in level from far left. The
    // caller clears the screen.
    void flyback();

    // One tick of the timer. waveform is Waveform(0..50): (0) the DMM text, (1..50) samples.
    SweepTick tick(const ScopeControls& controls, const QString (&waveform)[msf::kRecords]);

    const SweepState& state() const { return state_; }
    SweepState& state() { return state_; }
    QPointF pen() const { return pen_; }
    int lineWidth() const { return lineWidth_; }

private:
    SweepState state_;
    QPointF pen_;
    int lineWidth_ = 1;
};
