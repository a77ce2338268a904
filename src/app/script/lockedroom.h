// Script mode in a locked room: a room whose classroom configuration holds the password (or
// cannot be used, so that nobody logs in). A script run there may be a student's as well as a
// test's: until the room's password has been typed into the login window it reaches no further
// than the windows let a user, and during a challenge nobody's script reads the fault boxes.
#pragma once

#include <QString>

namespace script {

struct Target;

bool lockedRoom();
// In a locked room before the login.
bool lockedOut();
// A text of the locked room's, translated.
QString lockText(const char* text);

// Why a script may not reach the target (empty when it may). A window that is not loaded is
// judged by its name, so that a look at it tells no more than a refusal.
QString barred(const Target& t);
// Why a script may not read the file (empty when it may): before the login, the faults list,
// the challenges and the class's attempts, also through a link.
QString fileRefusal(const QString& path);

}  // namespace script
