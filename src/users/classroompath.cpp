// The classroom file's path, given when the program is built (VANTOREL_CLASSROOM_FILE); kept
// in a file of its own so that a build for the tests can compile it with another path.
#include "users/classroom.h"

#ifndef VANTOREL_CLASSROOM_FILE
#error "VANTOREL_CLASSROOM_FILE must be defined"
#endif

QString classroomFilePath() { return QStringLiteral(VANTOREL_CLASSROOM_FILE); }
