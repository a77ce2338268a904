// Attempts as Experience API (xAPI 1.0.3) statements, for a learning record store: the
// student as an agent known by an account, "passed" or "failed", the challenge as an
// activity, and the score, success and time of the attempt.
#pragma once

#include "challenges/attemptfile.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace xapi {

// The home page of the accounts the students' identifiers belong to, unless another is given;
// and where the challenges' activity identifiers start.
QString defaultHomePage();  // "https://vantorel.invalid/classroom"
QString activityBase();     // "https://vantorel.invalid/challenges/"

// An ISO 8601 duration to the hundredth of a second: "PT0S", "PT4M31S", "PT1H0M5.25S".
// Hours are not carried into days. A time no attempt can take (negative, not a number) gives "".
QString duration(double seconds);

// The challenge's activity: activityBase() and its title, percent-encoded.
QString activityId(const QString& challenge);

// A UUID (version 5) made from the attempt's id, or from its file's name when it has none:
// the same attempt gives the same statement id in every export, so that a store that was given
// it before recognises it.
QString statementId(const AttemptRecord& r);

// The statement of one attempt.
QJsonObject statement(const AttemptRecord& r, const QString& homePage);

// The attempts given (indices into `attempts`) as a JSON array of statements, indented. Two
// attempts whose files carry the same id (a file copied and changed) get ids of their own.
QByteArray statements(const QList<AttemptRecord>& attempts, const QList<int>& rows, const QString& homePage);

}  // namespace xapi
