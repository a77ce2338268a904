// Every attempt handed in to a class folder, for the instructor's dashboard: the attempts
// read from the folder (the damaged files listed with their problems), the filters by
// challenge and student, the average score per challenge, the wrong answers given most
// often, and the gradebook.
#pragma once

#include "challenges/attemptfile.h"
#include "challenges/gradebook.h"
#include "challenges/progress.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class ClassResults {
    Q_DECLARE_TR_FUNCTIONS(ClassResults)
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
    // Reads again only the files that are new or changed since the last load or update, and
    // drops the attempts of files that are gone: what a dashboard watching the folder during a
    // lesson does every few seconds. When the folder cannot be read for the moment what was read
    // stays (folderProblem says why). Another folder or key reads everything anew. Returns how
    // many files changed, 0 when there is nothing new to show.
    int update(const QString& attemptsFolder, const QByteArray& key);
    // How many files were read since the results were made (the unchanged ones are not read again).
    int filesRead() const { return filesRead_; }

    const QList<AttemptRecord>& attempts() const { return attempts_; }
    const QList<Problem>& problems() const { return problems_; }
    // Why the folder itself could not be read (it is missing, or it cannot be listed), or empty:
    // then no attempt was read at all, whatever the folder may hold.
    const QString& folderProblem() const { return folderProblem_; }
    // Sorted, each once.
    QStringList challenges() const;
    // The students' keys (AttemptRecord::studentKey()), each once, in the order of their labels.
    QStringList students() const;
    // The name of the student's latest attempt.
    QString studentName(const QString& key) const;
    // How the student is listed: "Name (id)", or the name alone for attempts without an id.
    QString studentLabel(const QString& key) const;

    // The attempts (indices into attempts()) of the challenge and student (key) given (an
    // empty text: any), sorted by student, challenge and start.
    QList<int> select(const QString& challenge, const QString& student) const;
    // Over the attempts given: per challenge, in name order.
    QList<ChallengeScore> scoresPerChallenge(const QList<int>& rows) const;
    // How many of the attempts given are marked (changed, or without a check).
    int marked(const QList<int>& rows) const;
    // The wrong answers given most often (answer, times), most frequent first, at most `top`.
    QList<QPair<QString, int>> wrongAnswers(const QList<int>& rows, int top) const;
    // The gradebook of the attempts given in the layout (see gradebook.h).
    QByteArray gradebook(const QList<int>& rows, GradebookLayout layout = GradebookLayout::Spreadsheet) const;
    // The printed table of the attempts given.
    PrintDocument printout(const QList<int>& rows, const QString& heading) const;

private:
    void reset(const QString& attemptsFolder, const QByteArray& key);
    void listProblems();

    QList<AttemptRecord> attempts_;
    QHash<QString, int> latest_;  // each student's latest attempt, by key
    QList<Problem> problems_;
    QString folderProblem_;
    // What was read, for the next update.
    QString folder_;
    QByteArray key_;
    QHash<QString, FileStamp> stamps_;
    QMap<QString, QString> fileProblems_;  // by file name
    int filesRead_ = 0;
};

// A cell of a CSV file as a spreadsheet must read it as text: one that starts with "=", "+",
// "-", "@", a tab or a carriage return (which a spreadsheet would run as a formula) gets a
// single quote in front; any other is returned as it is.
QString spreadsheetText(const QString& cell);

// The labels of a chart's bars for the texts given (each text once): a long text is shortened
// to its start, two that would then read alike keep their ends as well, and a number tells
// apart any that still do. No two labels are the same and none is empty, so that every bar
// keeps its own.
QStringList chartLabels(const QStringList& texts);

// A field as the dashboard shows it: on one line, and at most `max` characters of it with the
// number of those left out (an attempt file may hold a field of a million characters).
QString shownField(const QString& text, int max);

// The fields of the dashboard's table for one attempt, in its column order (the student as
// "Name (id)", or the name alone for an attempt without an id).
QStringList classTableHeading();
QStringList classTableRow(const AttemptRecord& r);
// An attempt's answer as the screen shows it: the program's own words for a challenge ended
// without a diagnosis in the language of the screen, a student's answer as it is.
QString shownAnswer(const QString& answer);
// A student's diagnostic path, one measurement a line; long fields are shortened (shownField).
QString diagnosticPath(const AttemptRecord& r);
