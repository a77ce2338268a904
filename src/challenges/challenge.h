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
//   Draw: 8; 2 @ stopped; 9, 40     in place of Faults and Answer: each attempt draws one of these
//                              sets of faults (a set's answers are its faults' own), with the
//                              engine's state for it when it differs from "Engine:"
//   Weights: evidence 40, needless 2, free 6, hints 100, late 25, guided 10     the score's weights
//   Sealed: v1 ...             Faults, Answer and Draw as the editor saves them: not readable
//                              in a text editor (see sealText)
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

// A set of faults an attempt may draw, and the engine's state for it.
struct FaultOption {
    QList<int> faults;
    enum class Engine { AsChallenge, Stopped, Running } engine = Engine::AsChallenge;
    bool operator==(const FaultOption& o) const { return faults == o.faults && engine == o.engine; }
};

// What the diagnostic score weighs (see Attempt::assess): the points a right diagnosis loses
// without evidence on the faulty circuit (half of them with one piece), per measurement off it
// beyond the free ones, the share of a hint's points taken (percent), for a late diagnosis, and
// per guided test asked for without a result.
struct ScoreWeights {
    int evidence = 40;
    int needless = 2;
    int freeNeedless = 6;
    int hints = 100;
    int late = 25;
    int guided = 10;
    bool operator==(const ScoreWeights& o) const {
        return evidence == o.evidence && needless == o.needless && freeNeedless == o.freeNeedless && hints == o.hints &&
               late == o.late && guided == o.guided;
    }
    bool operator!=(const ScoreWeights& o) const { return !(*this == o); }
};

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
    // A challenge with a draw gives each attempt one of these sets in place of `faults` and
    // `answers` (which it leaves empty).
    static constexpr int kMaxDraw = 12;
    QList<FaultOption> draw;
    ScoreWeights weights;

    // The file's text (LF line ends): with the faults, answers and draw sealed (as the editor
    // saves), or in the open (as a file written by hand has them).
    QString toText(bool sealed = true) const;
    // The start state in a sentence, for the preview and the student.
    QString startStateText() const;
    // What is wrong with the challenge as an instructor would be told (empty when it can be
    // saved and played); `offered` is the list of answers the student can choose from.
    QString problem(const QList<Answer>& offered) const;
};

// A draw as the file writes it ("8; 2 @ stopped; 9, 40") and read back: false with the problem
// (a sentence without the line) for text that is not one.
QString drawText(const QList<FaultOption>& draw);
bool parseDraw(const QString& value, QList<FaultOption>* out, QString* problem);

// The faults, answers and draw of a challenge file as its "Sealed:" line holds them: not for a
// text editor's eyes, though anyone with this program can read them (they are scrambled with a
// key the program carries and the challenge's title, not encrypted against a determined reader).
// `openSealed` gives the lines back; false when the text is not a seal of this title.
QString sealText(const QString& lines, const QString& title);
bool openSealed(const QString& sealed, const QString& title, QString* lines);

// Reads a challenge file's bytes. On failure returns false with the problem in a sentence
// (without the file's name, which the caller adds).
bool parseChallenge(const QByteArray& bytes, const QList<Answer>& offered, Challenge* out, QString* problem);

// Reads a challenge file from disk: false with a message naming the file and the problem.
bool loadChallengeFile(const QString& path, const QList<Answer>& offered, Challenge* out, QString* message);

// Gear captions in the order of the gear numbers.
const QStringList& gearNames();
// "off", "on", "full".
const QStringList& throttleNames();
