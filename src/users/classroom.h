// The classroom configuration: one file for the whole computer, which the school's
// administrator writes and every user may read. Its path is fixed when the program is built
// (classroomFilePath); nothing a user sets or types can point the program at another. It may
// give the instructor's password (as a hash, see users/password.h), the class folder where
// every seat's attempts are gathered, the key of the attempt files' check, and the lock:
//
//   # Vantorel classroom
//   password = pbkdf2-sha256$200000$c2FsdHNhbHRzYWx0$...
//   class folder = /srv/vantorel/class-2b
//   class key = a long random text, the same on every seat of the class
//   lock = yes
//   student id = account        account | ask
//
// Blank lines and lines starting with "#" are skipped; names are not case-sensitive. With the
// lock on (the default) what the file gives cannot be changed by a user's own settings; with
// "lock = no" a user's settings may give their own password and class folder. The student id is
// what the gradebook knows a student by: the computer account's name (the default), or the id
// the student types once ("ask": a school's user name where the seats share one account).
#pragma once

#include <QByteArray>
#include <QString>

// Where a student's identifier comes from.
enum class StudentIdSource { Account, Asked };

struct ClassroomConfig {
    enum class State { Absent, Loaded, Damaged };
    static constexpr qint64 kMaxBytes = 64 * 1024;
    static constexpr int kMinKeyLength = 16;

    State state = State::Absent;
    QString path;
    // For a damaged file: what is wrong, in a sentence that names the line.
    QString problem;
    QString passwordHash;   // empty: the file gives no password
    QString classFolder;    // empty: none
    QByteArray classKey;    // empty: attempt files carry no check
    bool lock = true;
    StudentIdSource studentId = StudentIdSource::Account;

    static ClassroomConfig parse(const QByteArray& bytes, const QString& path);
    // Absent when there is no file at the path; damaged when it cannot be read or parsed.
    static ClassroomConfig read(const QString& path);

    // The password the login compares with comes from this file (or, for a damaged file,
    // none is accepted).
    bool locksPassword() const { return state == State::Damaged || (state == State::Loaded && lock && !passwordHash.isEmpty()); }
    bool locksClassFolder() const { return state == State::Damaged || (state == State::Loaded && lock && !classFolder.isEmpty()); }
};

// The path the program was built with (an absolute path under /etc; a build for the tests
// may give a path relative to the program's folder).
QString classroomFilePath();
// The computer's configuration, read once.
const ClassroomConfig& classroomConfig();

// What the login compares a typed password with.
struct PasswordRule {
    QString stored;         // a hash or a plain password, as password::matches takes it
    bool fromClassroom = false;
    QString refusal;        // not empty: no password is accepted, and this says why
};
// userSetting is the user's own ZRsettingPW (hasUserSetting false when the key is missing).
PasswordRule passwordRule(const ClassroomConfig& config, const QString& userSetting, bool hasUserSetting);
// The class folder in force: the configuration's, or the user's own setting where the lock
// allows it; empty when there is none. It is also empty when the class folder cannot be known:
// the configuration is damaged, or the user's own setting is not an absolute path; *problem
// (when given) then says so in words that name the line or the setting, and stays empty
// otherwise.
QString classFolderFor(const ClassroomConfig& config, const QString& userSetting, QString* problem = nullptr);
