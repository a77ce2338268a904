// One student's attempt at a challenge: the measurements in order, the hints revealed, the
// diagnosis and its score; and the results file the attempts are appended to.
//
// The score (see assess): a wrong diagnosis, or a challenge ended without one, scores 0. A right
// diagnosis starts at 100 and loses, with the challenge's weights, for want of evidence on the
// faulty circuit, for measurements off it beyond the free ones, for the hints, for lateness and
// for guided tests asked for and left without a result; it never scores below 10.
#pragma once

#include "challenges/challenge.h"
#include "multiscope/mask.h"
#include "platform/platform.h"

#include <QDateTime>

struct Measurement {
    double seconds = 0;  // from the start of the challenge
    QString point;       // what was measured
    QString reading;     // what the instrument showed
    // The connection point's key ("ecu.speed.wire"), "scanner" for a scanner read, empty for
    // anything else (a reading box example): what the diagnostic score weighs it by.
    QString key;
};

// A guided test run on the instrument during the attempt: which test, when it was set up, its
// result and the instrument's screen when the result came.
struct GuidedRun {
    int run = 0;              // the instrument's number for the run
    double seconds = 0;       // when it was set up, from the start of the challenge
    double resultSeconds = -1;  // when its result came (-1: none yet)
    QString test;             // the test's key
    QString title;
    scope::Verdict result = scope::Verdict::NotMeasured;
    QString reason;           // why, as the instrument said it
    QByteArray screen;        // the screen at the result, a PNG picture (empty: none)
};

// The diagnostic score and its reasons, each a line the student reads ("No measurement on the
// faulty circuit: -40").
struct Assessment {
    int score = 0;
    QStringList reasons;
    int evidence = 0;  // distinct measurements and guided tests bearing on the faults
    int needless = 0;  // measurements on circuits without a fault
};

// Which of a draw's sets an attempt gets: from the seed (the student, the challenge and the
// attempt's number), the same for the same seed, each set as often as the others over many.
int drawIndex(const QString& seed, int sets);
QString drawSeed(const QString& studentId, const QString& challengeTitle, int attemptNumber);

class Attempt {
public:
    static constexpr int kMaxMeasurementPenalty = 30;
    static constexpr int kRightFloor = 10;
    static constexpr int kGuidedMissingPenalty = 10;  // the default weight
    static constexpr int kLatePenalty = 25;           // the default weight
    static constexpr int kMaxGuidedRuns = 40;

    Attempt() = default;
    // `drawn`: the set of the challenge's draw this attempt got (-1 for a challenge without one).
    Attempt(const Challenge& challenge, const QDateTime& startedAt, bool testRun, int drawn = -1);

    const Challenge& challenge() const { return challenge_; }
    // The faults injected for this attempt and the answers they call for: the challenge's own,
    // or the drawn set's.
    const QList<int>& faults() const { return faults_; }
    const QList<Answer>& answers() const { return answers_; }
    int drawn() const { return drawn_; }
    // Whether the engine runs at the start: the challenge's state, or the drawn set's.
    bool engineRunning() const;
    bool testRun() const { return testRun_; }
    QDateTime startedAt() const { return startedAt_; }

    // Whether another measurement may be taken; when not, *why says so.
    bool mayMeasure(QString* why) const;
    void addMeasurement(double seconds, const QString& point, const QString& reading, const QString& key = QString());
    const QList<Measurement>& measurements() const { return measurements_; }

    bool overTime(double seconds) const;

    // A guided test's run reports in: set up (not yet measured), or its result with the screen.
    // A run the attempt has already is updated: a result replaces the one before, while a run
    // that starts counting again keeps its last result. Nothing after the attempt ended, and
    // no run beyond kMaxGuidedRuns.
    void guidedRun(int run, const QString& test, const QString& title, scope::Verdict result, const QString& reason,
                   const QByteArray& screen, double seconds);
    const QList<GuidedRun>& guidedRuns() const { return guidedRuns_; }
    // The result of a test the challenge asks for: its last run's result that came to one,
    // Not yet measured when no run did.
    scope::Verdict guidedResult(const QString& test) const;
    // How many of the guided tests asked for have no result.
    int guidedMissing() const;

    int hintsUsed() const { return hintsUsed_; }
    int hintPoints() const;
    // The next hint to reveal, or nullptr when all are shown.
    const Hint* nextHint() const;
    void revealHint();

    // Ends the attempt with the student's diagnosis (one answer per answer of the challenge,
    // in any order), or with none when the student gives up.
    void submit(const QList<Answer>& given, double seconds);
    void giveUp(double seconds);

    bool finished() const { return finished_; }
    bool right() const { return right_; }
    int score() const { return score_; }
    double seconds() const { return seconds_; }
    const QList<Answer>& given() const { return given_; }
    // The diagnosis in a line, as the results and attempt files keep it (in the program's own words).
    QString givenText() const;

    // The score of the attempt as it stands, with its reasons (a finished attempt's is its score):
    // in the program's own words, as the attempt file keeps them, or (shown) in the language of
    // the screen.
    Assessment assess(bool shown = false) const;
    const QStringList& reasons() const { return reasons_; }

    // A run in a line: "0:42  Crank sensor at idle:  Pass (at 1:05). 5 of 5 captures inside the mask".
    static QString guidedRunText(const GuidedRun& run);
    // Each guided test asked for and its result, a line each.
    QStringList guidedLines() const;

    // The result as the student reads it on screen.
    QString summary() const;
    // The row of the results file (in the program's own words, as the file is read back).
    QStringList resultRow(const QString& student) const;
    // The printed result sheet with the diagnostic path; the dates as the system writes them.
    PrintDocument resultSheet(const QString& student, const QString& company, const QString& startedAt,
                              const QString& printedAt) const;

private:
    Challenge challenge_;
    QList<int> faults_;
    QList<Answer> answers_;
    int drawn_ = -1;
    QStringList reasons_;
    QDateTime startedAt_;
    bool testRun_ = false;
    QList<Measurement> measurements_;
    QList<GuidedRun> guidedRuns_;
    int hintsUsed_ = 0;
    bool finished_ = false;
    bool right_ = false;
    bool late_ = false;
    int score_ = 0;
    double seconds_ = 0;
    QList<Answer> given_;
};

// "m:ss" (or "h:mm:ss" from an hour on); "?" for a time that is negative, not a number or
// over kLongestDuration.
constexpr double kLongestDuration = 1e7;  // seconds, about 16 weeks
QString durationText(double seconds);

// The results file: CSV with a heading row, one attempt to a row.
namespace results {
const QStringList& heading();
// The heading as a table on screen shows it, in the language of the screen.
QStringList shownHeading();
QString fileName();  // "Challenge results.csv"
// One CSV line (fields quoted where they hold a comma, a quote or a line break), without its end.
QString csvLine(const QStringList& fields);
// The rows of a results file after its heading; false with the problem when it is not one.
bool parse(const QByteArray& bytes, QList<QStringList>* rows, QString* problem);
// Appends a row to the file (made with its heading when new), written whole and atomically.
// Raises the write's VbError on failure; the file is then as it was.
void append(const QString& path, const QStringList& row);
// Sorted by student, then challenge, then date and time.
void sortRows(QList<QStringList>* rows);
}  // namespace results
