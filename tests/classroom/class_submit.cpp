// Hands in attempts to a class folder from a process of its own, as one seat does:
//   class_submit CLASS_FOLDER OUTBOX KEY STUDENT COUNT
// Every attempt starts in the same second; the readings carry the student's name, so that a
// file mixed from two seats shows. Exit status 1 when an attempt did not reach the folder.
#include "challenges/classfolder.h"

#include <QDateTime>
#include <QUuid>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: class_submit CLASS_FOLDER OUTBOX KEY STUDENT COUNT\n");
        return 2;
    }
    ClassFolder cls(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]));
    const QString student = QString::fromLocal8Bit(argv[4]);
    for (int i = 0; i < std::atoi(argv[5]); ++i) {
        AttemptRecord r;
        r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        r.student = student;
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
    return 0;
}
