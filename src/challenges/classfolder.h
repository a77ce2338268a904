// The class folder: a local folder or a mounted share that every seat of a class reaches.
//
//   CLASS/challenges/   challenges offered to the class besides the program's own
//   CLASS/attempts/     one attempt file per attempt (challenges/attemptfile.h)
//
// The administrator makes both folders. A seat never makes them: a share that is not mounted
// leaves an empty mount point behind, and attempts written there would never reach the class.
// When the attempts folder cannot be reached the attempt waits in the seat's outbox (a folder
// of the user's data) and is sent with the next attempt or the next check of the outbox.
#pragma once

#include "challenges/attemptfile.h"

#include <QString>
#include <QStringList>

class ClassFolder {
public:
    ClassFolder(const QString& folder, const QString& outbox, const QByteArray& key);

    QString folder() const { return folder_; }
    QString attemptsFolder() const;
    QString challengesFolder() const;
    QString outbox() const { return outbox_; }
    const QByteArray& key() const { return key_; }

    // Whether attempts can be handed in now; when not, *why says so.
    bool reachable(QString* why) const;

    struct Result {
        enum class Where { ClassFolder, Outbox, Nowhere } where = Where::Nowhere;
        QString file;      // where the attempt was written
        QString message;   // to show the user; empty when there is nothing new to tell
    };
    // Writes the attempt to the class folder, or to the outbox when the class folder cannot
    // be reached (the user is told the first time in a row). Waiting attempts go first.
    Result submit(const AttemptRecord& record);
    // Sends the attempts waiting in the outbox when the class folder can be reached; the
    // message (empty when nothing was sent or there is nothing new to tell) says how many.
    QString sendWaiting();
    // The attempt files waiting in the outbox.
    QStringList waiting() const;

private:
    QString folder_, outbox_;
    QByteArray key_;
    bool toldUnreachable_ = false;
    QStringList toldUnreadable_;
};

// The files of a folder that may be attempt files (name ending in ".vat", not hidden: the
// temporary files of a write in progress are hidden), sorted by name.
QStringList attemptFilesIn(const QString& folder);
