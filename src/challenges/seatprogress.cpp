#include "challenges/seatprogress.h"

#include "challenges/attempt.h"
#include "challenges/classfolder.h"
#include "challenges/progress.h"
#include "challenges/session.h"
#include "challenges/student.h"
#include "platform/platform.h"

#include <QSysInfo>

namespace {
ProgressWriter* writer() {
    static ProgressWriter* w = [] () -> ProgressWriter* {
        ClassFolder* cls = seatClassFolder();
        return cls ? new ProgressWriter(cls->folder()) : nullptr;
    }();
    return w;
}
}  // namespace

const ProgressWriter* seatProgressWriter() { return writer(); }

void seatProgress(const Attempt& attempt, double elapsed, ProgressEvent event) {
    if (attempt.testRun()) return;
    ProgressWriter* w = writer();
    if (!w) return;
    if (event == ProgressEvent::Tick && !w->tickDue(platform().clock())) return;  // the settings read only when it writes
    const SeatStudent who = seatStudent();
    ProgressRecord r;
    r.studentId = who.id;
    r.student = who.name.isEmpty() ? QStringLiteral("(no name given)") : who.name;
    r.seat = QSysInfo::machineHostName();
    r.challenge = attempt.challenge().title;
    r.started = attempt.startedAt();
    r.seconds = elapsed;
    r.measurements = attempt.measurements().size();
    r.hints = attempt.hintsUsed();
    r.guided = attempt.guidedRuns().size();
    r.updated = platform().now();
    const double clock = platform().clock();
    switch (event) {
    case ProgressEvent::Start: w->start(r, clock); break;
    case ProgressEvent::Changed: w->changed(r, clock); break;
    case ProgressEvent::Tick: w->tick(r, clock); break;
    case ProgressEvent::Finish: w->finish(r, clock); break;
    }
}
