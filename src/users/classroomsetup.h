// Setting up a class: the classroom file's text made from an instructor's or administrator's
// choices, and the check of a classroom file and of its class folder, in sentences that say
// what is wrong and what to do about it. The window (frmClassSetup) and the command line
// (`vantorel --class-setup`) both use it.
#pragma once

#include "users/classroom.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace classsetup {

// What the classroom file is to give.
struct Choices {
    QString classFolder;
    QString classKey;
    QString passwordHash;  // empty: the file gives no password
    bool lock = true;
    StudentIdSource studentId = StudentIdSource::Account;
};

// The choices an existing file gives (its password hash kept as it is).
Choices fromConfig(const ClassroomConfig& config);

// A new random class key of 32 letters and digits.
QString newClassKey();

// The password typed twice: its hash, or what is wrong (the two differ, or one is empty while
// the other is not). Both empty: no new password, `hash` and `problem` empty.
struct TypedPassword {
    QString hash;
    QString problem;
};
TypedPassword hashTyped(const QString& first, const QString& second, int iterations = 0);

// What keeps the choices from making a file the program reads as they mean; empty when nothing.
QStringList choiceProblems(const Choices& choices);

// The file's text. The choices should have no problems (choiceProblems).
QByteArray fileText(const Choices& choices);

// One finding of a check: something wrong (the class will not work as meant), a warning (it
// works, but perhaps not as the school wants) or a note of what is right.
struct Finding {
    enum class Level { Good, Warning, Problem };
    Level level = Level::Good;
    QString text;
};

struct Report {
    QList<Finding> findings;
    bool hasProblems() const;
    // One finding a line, each starting "Problem: ", "Warning: " or "Good: ".
    QString text() const;
};

// Checks the class folder: absolute, there, a folder, with challenges/ and attempts/ that this
// account can write in and, for attempts/, every student's account too.
Report checkFolder(const QString& folder);
// Checks the classroom file at the path as the program reads it, and its class folder.
Report checkFile(const QString& path);
// Checks a configuration already read (or parsed from text not yet written, with no path).
Report checkConfig(const ClassroomConfig& config);

// Makes the class folder's challenges/ and attempts/ where they are missing; attempts/ so that
// every account can hand in but none can remove another's file (mode 1777, like /tmp), and
// challenges/ readable by all. Returns what could not be done, empty when all went well.
QString makeClassFolders(const QString& folder);

// Writes the classroom file atomically (never replacing a read-only file; a link keeps
// pointing where it did), making its folder when needed. Returns what went wrong, in a sentence
// that says what to do instead; empty when the file is written.
QString writeClassroomFile(const QString& path, const QByteArray& text);

// The classroom file's path as the program reads it: classroomFilePath(), relative to the
// program's folder in a test build.
QString classroomFileInUse();

}  // namespace classsetup
