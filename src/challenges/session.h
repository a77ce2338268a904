// A running classroom challenge, as the other windows see it: the instrument asks before each
// measurement and reports what it showed; the faults window is locked while one runs.
#pragma once

#include "challenges/challenge.h"
#include "multiscope/mask.h"

class QWidget;

// True from the start of a challenge until its diagnosis is submitted or it is ended.
bool ChallengeRunning();
// Asked before a measurement: false (after telling the student why) when none may be taken.
bool ChallengeAllowsMeasurement();
// A measurement taken: what was measured, what the instrument showed, and the connection point's
// key ("scanner" for a scanner read; empty for a reading box example).
void ChallengeMeasured(const QString& point, const QString& reading, const QString& key = QString());
// A guided test run on the instrument: set up (not yet measured) or come to a result, with the
// instrument's screen then as a PNG picture. `run` tells the runs apart.
void ChallengeGuidedRun(int run, const QString& test, const QString& title, scope::Verdict result, const QString& reason,
                        const QByteArray& screen);
// The main tick: the challenge's clock and its time limit, and now and then the attempts
// waiting to be handed in to the class folder.
void ChallengeTick();

class ClassFolder;
// This seat's class folder (the classroom configuration's, or the user's own setting where
// the lock allows it); nullptr when it has none, or none that is known now.
ClassFolder* seatClassFolder();
// Where this seat hands its attempts in: the class folder, or, when the classroom file is
// damaged or the setting unusable, one not known now, whose attempts wait in the outbox;
// nullptr when the seat belongs to no class.
ClassFolder* seatHandIn();
// Forgets the seat's class folder after the user's own setting changed: the next seatHandIn
// finds it again. A pointer from seatHandIn is not kept past the handler that got it.
void forgetSeatClassFolder();

// The answers a student can give: the part and circuit of every fault that shows at one of
// the simulator's connection points, in fault order, each once.
const QList<Answer>& offeredAnswers();
// A connection point in words: its caption, its window and, on the ECU picture, which side of
// the wire ("Engine speed (Engine Management, at the ECU pin)").
QString describePoint(const QWidget* label);

class QComboBox;
// Fills a part list with the parts of the offered answers, after the first item `first`
// (a prompt, or "(none)"); and a circuit list with the circuits of the chosen part, after a
// prompt when a part is chosen (the list's first item is never an answer).
void fillPartList(QComboBox* parts, const QString& first);
void fillCircuitList(QComboBox* circuits, const QComboBox* parts);
