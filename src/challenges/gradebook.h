// The gradebook of a class: one row per student (by their identifier), one grade per
// challenge, chosen by the challenge's rule of which attempt counts. It is written in the
// layouts the learning platforms import and as a table for a spreadsheet.
#pragma once

#include "challenges/attemptfile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class GradebookLayout {
    Spreadsheet,  // Student, ID, one column per challenge, Attempts marked
    Moodle,       // Username, Full name, one column per challenge (grade items)
    Canvas,       // Student, ID, SIS User ID, SIS Login ID, Section, one column per challenge
};

// The grade of one student's attempts at one challenge (not empty) under the rule: the best
// score, the score of the attempt started last or first, or the mean rounded to a whole point
// (halves up: 82.5 gives 83). Attempts started at the same time keep the order given.
int gradeOf(const QList<const AttemptRecord*>& attempts, ScoreRule rule);

class Gradebook {
    Q_DECLARE_TR_FUNCTIONS(Gradebook)
public:
    struct Row {
        QString key;   // AttemptRecord::studentKey()
        QString id;    // the student's identifier; empty for attempts written before there was one
        QString name;  // the name of the student's latest attempt
        QList<std::optional<int>> grades;  // one per challenge; empty when not attempted
        int marked = 0;                    // attempts counted whose check failed or is missing
    };

    // The attempts given (indices into `attempts`): the challenges in name order, the students
    // by name and then identifier. A challenge's rule is that of its latest attempt.
    Gradebook(const QList<AttemptRecord>& attempts, const QList<int>& rows);

    const QStringList& challenges() const { return challenges_; }
    const QList<Row>& rows() const { return rows_; }
    ScoreRule rule(int challenge) const { return rules_.value(challenge, ScoreRule::Best); }

    // The file: UTF-8 with a byte-order mark, CR LF line ends, fields quoted where needed.
    // Names and challenge titles a spreadsheet would run as formulas are written as text
    // (spreadsheetText); identifiers are too in the spreadsheet layout, but never in a
    // platform's, which must match them as they are.
    QByteArray csv(GradebookLayout layout) const;

    // What the instructor should know before importing the file, each in a sentence: marked
    // attempts counted, students without an identifier, identifiers a spreadsheet would run.
    QStringList warnings(GradebookLayout layout) const;

private:
    QStringList challenges_;
    QList<ScoreRule> rules_;
    QList<Row> rows_;
};

// The file name offered for the layout ("Gradebook.csv", "Gradebook for Moodle.csv", ...).
QString gradebookFileName(GradebookLayout layout);
