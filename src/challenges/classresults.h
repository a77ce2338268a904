// Every attempt handed in to a class folder, for the instructor's dashboard: the attempts
// read from the folder (the damaged files listed with their problems), the filters by
// challenge and student, the average score per challenge, the wrong answers given most
// often, and the gradebook.
#pragma once

#include "challenges/attemptfile.h"
#include "platform/platform.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class ClassResults {
public:
    struct Problem {
        QString file;
        QString problem;
    };
    struct ChallengeScore {
        QString challenge;
        int attempts = 0;
        double average = 0;
        int best = 0;
    };

    // Reads every attempt file of the folder; the folder missing is a problem of its own.
    void load(const QString& attemptsFolder, const QByteArray& key);

    const QList<AttemptRecord>& attempts() const { return attempts_; }
    const QList<Problem>& problems() const { return problems_; }
    // Sorted, each once.
    QStringList challenges() const;
    QStringList students() const;

    // The attempts (indices into attempts()) of the challenge and student given (an empty
    // text: any), sorted by student, challenge and start.
    QList<int> select(const QString& challenge, const QString& student) const;
    // Over the attempts given: per challenge, in name order.
    QList<ChallengeScore> scoresPerChallenge(const QList<int>& rows) const;
    // How many of the attempts given are marked (changed, or without a check).
    int marked(const QList<int>& rows) const;
    // The wrong answers given most often (answer, times), most frequent first, at most `top`.
    QList<QPair<QString, int>> wrongAnswers(const QList<int>& rows, int top) const;
    // CSV: one row per student, one column per challenge holding the best score (empty when
    // not attempted), and the count of attempts whose check failed or is missing.
    QByteArray gradebook(const QList<int>& rows) const;
    // The printed table of the attempts given.
    PrintDocument printout(const QList<int>& rows, const QString& heading) const;

private:
    QList<AttemptRecord> attempts_;
    QList<Problem> problems_;
};

// The fields of the dashboard's table for one attempt, in its column order.
const QStringList& classTableHeading();
QStringList classTableRow(const AttemptRecord& r);
// A student's diagnostic path, one measurement a line.
QString diagnosticPath(const AttemptRecord& r);
