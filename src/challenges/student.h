// Who sits at this seat, as the class knows them: a stable identifier, which the attempts, the
// dashboard and the gradebook key on, and the name the student gives once.
#pragma once

#include "users/classroom.h"

#include <QString>

struct SeatStudent {
    QString id;    // empty only where the classroom asks for one and none was typed yet
    QString name;  // empty until the student gives one
};

// The computer account's name: the login name the system gives the program.
QString accountName();

// The student at the seat under `source`: the account's name or the id typed (`typedId`),
// and the name given.
SeatStudent studentFrom(StudentIdSource source, const QString& typedId, const QString& name);
// The seat's student, from the classroom file's rule and the user's settings (ZRstudentId,
// ZRuserName).
SeatStudent seatStudent();
