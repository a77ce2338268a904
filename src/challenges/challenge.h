// Classroom challenges: an instructor's pre-broken vehicle that a student diagnoses with the
// instruments. A challenge file (".vch") is UTF-8 text, one keyed line each, the instructions
// last:
//
//   Vantorel challenge 1
//   Title: The engine will not start
//   Engine: stopped            running | stopped
//   Battery: 12                whole volts, 0..16
//   Temperature: 20            whole degrees C, -20..110
//   Gear: N                    N | 1..5 | R
//   Throttle: off              off | on | full
//   Auto run: off              on | off
//   Faults: 1                  1..44, comma separated, at most 4
//   Answer: Engine speed sensor | The part itself     one or two lines
//   Time limit: 20             minutes (optional)
//   Measurement limit: 30      (optional)
//   Hint: 10 | Compare the sensor side with the ECU pin.     up to five, in order
//   Guided tests: crank-sensor, crank-injector    the instrument's guided tests the student
//                              must run (optional, at most six, by their keys)
//   Attempts: 3                how many attempts a student has (optional; 1..99, "any")
//   Score counts: mean         which attempt's score the gradebook takes: best | last | first | mean
//   Show answer: no            whether a wrong diagnosis is told the right one: yes | no
//   Instructions:
//   free text ...
//   End of challenge
//
// Lines before "Instructions:" may be blank or comments ("#").
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A faulty part and the circuit of it at fault, as the student names them.
struct Answer {
    QString part;
    QString circuit;
    QString text() const { return part + " | " + circuit; }
    bool operator==(const Answer& o) const { return part == o.part && circuit == o.circuit; }
    bool operator!=(const Answer& o) const { return !(*this == o); }
};

// The answer that names injectable fault n (1..44); empty for any other number.
Answer answerForFault(int fault);

// Which of a student's attempts at a challenge the gradebook takes: the best score, the last,
// the first, or the mean of all.
enum class ScoreRule { Best, Last, First, Mean };
// "best", "last", "first", "mean" (as the file writes them).
QString scoreRuleKey(ScoreRule rule);
// The rule of a key, any case; false for none.
bool scoreRuleOf(const QString& key, ScoreRule* out);

struct Hint {
    int points = 0;
    QString text;
};

struct Challenge {
    static constexpr int kVersion = 1;
    static constexpr int kMaxFaults = 4;
    static constexpr int kMaxAnswers = 2;
    static constexpr int kMaxHints = 5;
    static constexpr int kMaxGuidedTests = 6;
    // Lengths in characters: a title fits the list and the panel, instructions a page.
    static constexpr int kMaxTitle = 120;
    static constexpr int kMaxInstructions = 8000;
    static constexpr int kMaxHintText = 500;
    static constexpr qint64 kMaxFileBytes = 256 * 1024;

    QString title;
    QString instructions;
    bool engineRunning = false;
    int battery = 12;       // volts
    int temperature = 20;   // degrees C
    int gear = 0;           // 0 neutral, 1..5, 6 reverse
    int throttle = 0;       // 0 off, 1 on, 2 full
    bool autoRun = false;
    QList<int> faults;
    QList<Answer> answers;
    int timeLimitMinutes = 0;   // 0: none
    int measurementLimit = 0;   // 0: none
    QList<Hint> hints;
    // The guided tests the student is asked to run, by key, in the instructor's order.
    QStringList guidedTests;
    // The instructor's rules. The defaults leave nothing to gain by guessing: three attempts,
    // their mean counts, and a wrong diagnosis is not told the right one.
    static constexpr int kDefaultAttempts = 3;
    static constexpr int kMaxAttempts = 99;
    int attempts = kDefaultAttempts;  // 0: any number
    ScoreRule scoreCounts = ScoreRule::Mean;
    bool showAnswer = false;

    // The file's text (LF line ends).
    QString toText() const;
    // The start state in a sentence, for the preview and the student.
    QString startStateText() const;
    // What is wrong with the challenge as an instructor would be told (empty when it can be
    // saved and played); `offered` is the list of answers the student can choose from.
    QString problem(const QList<Answer>& offered) const;
};

// Reads a challenge file's bytes. On failure returns false with the problem in a sentence
// (without the file's name, which the caller adds).
bool parseChallenge(const QByteArray& bytes, const QList<Answer>& offered, Challenge* out, QString* problem);

// Reads a challenge file from disk: false with a message naming the file and the problem.
bool loadChallengeFile(const QString& path, const QList<Answer>& offered, Challenge* out, QString* message);

// Gear captions in the order of the gear numbers.
const QStringList& gearNames();
// "off", "on", "full".
const QStringList& throttleNames();
