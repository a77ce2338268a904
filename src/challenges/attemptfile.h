// The attempt file: one finished attempt, as a seat hands it to the class folder. It is a
// JSON object in UTF-8:
//
//   {"format": "Vantorel attempt", "version": 1, "id": "<uuid>", "student": "Sam Student",
//    "student id": "sstudent",                       what the gradebook knows the student by
//    "score counts": "mean",                         the challenge's rule: best | last | first | mean
//    "faults": [8],                                  the faults the attempt had (a draw's set)
//    "reasons": ["Right diagnosis: 100", ...],       how the score came about
//    "seat": "<host name>", "challenge": "The battery keeps going flat",
//    "started": "2026-12-08T10:15:02", "seconds": 31, "answer": "Alternator - The part itself",
//    "right": true, "score": 95, "hints": 1,
//    "measurements": [{"seconds": 4, "point": "...", "reading": "..."}, ...],
//    "guided tests": ["crank-sensor", ...],         only when the challenge asks for some
//    "guided": [{"run": 1, "seconds": 12, "test": "crank-sensor", "title": "Crank sensor at idle",
//                "result": "pass", "result seconds": 20, "reason": "...", "screen": "<PNG, base64>"}, ...],
//                                                    only when a guided test was run
//    "check": "<HMAC-SHA-256 in hex>"}
//
// The check is the keyed hash, with the class key, of the object without "check" written in
// Qt's compact JSON form (names in sorted order), so that a file re-indented by an editor
// still checks and one with any value changed does not.
#pragma once

#include "challenges/attempt.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct AttemptRecord {
    enum class Check { NoKey, Good, Failed, Missing };

    QString id;
    QString student;    // the name the student gave
    // The student's stable identifier (the computer account, or what the student typed where the
    // classroom file asks for it); empty in files written before there was one.
    QString studentId;
    QString seat;
    QString challenge;
    QDateTime started;
    double seconds = 0;
    QString answer;
    bool right = false;
    int score = 0;
    int hints = 0;
    QList<Measurement> measurements;
    QList<int> faults;        // the faults injected (empty in older files)
    QStringList reasons;      // the score's reasons, as the student read them
    QStringList guidedAsked;  // the guided tests the challenge asked for, by key
    QList<GuidedRun> guided;  // the guided tests run, in order
    // Which attempt's score the gradebook takes for the challenge: a file without the field
    // was written when the best counted.
    ScoreRule scoreCounts = ScoreRule::Best;

    // What the dashboard and the gradebook key a student on: the identifier, or for a file
    // without one the name.
    QString studentKey() const { return studentId.isEmpty() ? student : studentId; }

    // What reading the file found; not written.
    Check check = Check::NoKey;
    QString file;

    // Whether the dashboard marks the attempt: its check is wrong or missing.
    bool marked() const { return check == Check::Failed || check == Check::Missing; }
};

namespace attemptfile {
constexpr int kVersion = 1;
// Room for the screens of the guided tests run (a PNG of the instrument's screen each).
constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
constexpr int kMaxMeasurements = 5000;

// The record of a finished attempt (with a new id).
AttemptRecord recordOf(const Attempt& attempt, const QString& student, const QString& seat,
                       const QString& studentId = QString());
// The file's bytes; with an empty key the file carries no check.
QByteArray bytesOf(const AttemptRecord& record, const QByteArray& key);
// A file name of its own for the record: its start time, the student and its id
// ("20261208-101502 Sam Student 3f2a9c1e-....vat"); no two seats make the same.
QString fileNameOf(const AttemptRecord& record);
QString suffix();  // "vat"
// Reads a file's bytes: false with the problem in a sentence (without the file's name). The
// check is judged with the key (NoKey when the key is empty).
bool parse(const QByteArray& bytes, const QByteArray& key, AttemptRecord* out, QString* problem);
// "Good", "Changed", "Missing" or "" (no key).
QString checkText(AttemptRecord::Check check);
}  // namespace attemptfile
