// The seat's progress file (challenges/progress.h) kept while a classroom challenge runs: the
// running-challenge panel reports what happens, this keeps the file.
#pragma once

class Attempt;

enum class ProgressEvent {
    Start,    // the challenge started
    Changed,  // a measurement, a hint or a guided test
    Tick,     // the challenge's clock (written every few seconds)
    Finish,   // the diagnosis was submitted or the challenge ended
};

// Nothing is written for a test run, or at a seat without a known class folder; a class folder
// that cannot be reached skips the write without a message.
void seatProgress(const Attempt& attempt, double elapsed, ProgressEvent event);

class ProgressWriter;
// The seat's writer (nullptr at a seat without a known class folder).
const ProgressWriter* seatProgressWriter();
