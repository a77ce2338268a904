// Works through a lesson at one seat, in a process of its own:
//   class_submit CLASS_FOLDER OUTBOX KEY STUDENT COUNT [PROGRESS]
// With PROGRESS the seat first keeps its progress file, written PROGRESS times (one more
// measurement each time), then hands in its attempts and marks the file finished. Every
// attempt starts in the same second; the readings carry the student's name, so that a file
// mixed from two seats shows. Exit status 1 when an attempt did not reach the folder or a
// progress file could not be written.
#include "challenges/classfolder.h"
#include "challenges/progress.h"

#include <QDateTime>
#include <QUuid>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr, "usage: class_submit CLASS_FOLDER OUTBOX KEY STUDENT COUNT [PROGRESS]\n");
        return 2;
    }
    ClassFolder cls(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]));
    const QString student = QString::fromLocal8Bit(argv[4]);
    const int progressWrites = argc == 7 ? std::atoi(argv[6]) : 0;
    ProgressWriter progress(progressWrites > 0 ? cls.folder() : QString());
    ProgressRecord p;
    p.studentId = student;
    p.student = student;
    p.seat = student + " seat";
    p.challenge = "Challenge of " + student;
    p.started = QDateTime(QDate(2026, 12, 8), QTime(10, 15, 2));
    p.updated = p.started;
    for (int i = 0; i < progressWrites; ++i) {
        p.measurements = i + 1;
        p.seconds = i * 5;
        if (i == 0) progress.start(p, 0);
        else progress.changed(p, i);
        if (progress.writes() != i + 1) {
            std::fprintf(stderr, "%s: progress not written: %s\n", argv[4], qPrintable(progress.lastProblem()));
            return 1;
        }
    }
    for (int i = 0; i < std::atoi(argv[5]); ++i) {
        AttemptRecord r;
        r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        r.student = student;
        r.studentId = student;
        r.seat = student + " seat";
        r.challenge = QString("Challenge %1").arg(i % 3);
        r.started = QDateTime(QDate(2026, 12, 8), QTime(10, 15, 2));
        r.answer = "Alternator - The part itself";
        r.right = true;
        r.score = 50 + i;
        for (int m = 0; m < 20; ++m) r.measurements.append({double(m), "Point " + QString::number(m), student});
        const ClassFolder::Result result = cls.submit(r);
        if (result.where != ClassFolder::Result::Where::ClassFolder) {
            std::fprintf(stderr, "%s: %s\n", argv[4], qPrintable(result.message));
            return 1;
        }
    }
    if (progressWrites > 0) {
        progress.finish(p, progressWrites);
        if (progress.writes() != progressWrites + 1) {
            std::fprintf(stderr, "%s: progress not finished: %s\n", argv[4], qPrintable(progress.lastProblem()));
            return 1;
        }
    }
    return 0;
}
