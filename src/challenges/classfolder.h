// The class folder: a local folder or a mounted share that every seat of a class reaches.
//
//   CLASS/challenges/   challenges offered to the class besides the program's own
//   CLASS/attempts/     one attempt file per attempt (challenges/attemptfile.h)
//
// The administrator makes both folders. A seat never makes them: a share that is not mounted
// leaves an empty mount point behind, and attempts written there would never reach the class.
//
// Every attempt goes through the seat's outbox (a folder of the user's data): it is written
// there whole first, and only then handed on to the attempts folder under the same name and
// removed from the outbox. A program killed at any moment leaves the attempt in the outbox,
// in the class folder, or in both; the next delivery (at the next start, with the next attempt
// or at the next check of the outbox) finishes the job, and since the name is the same the
// class folder never holds an attempt twice. When the attempts folder cannot be reached, or the
// class folder is not known (a damaged classroom file, a relative folder in the settings), the
// attempt waits in the outbox until it can be.
#pragma once

#include "challenges/attemptfile.h"

#include <QString>
#include <QStringList>
#include <functional>

class ClassFolder {
public:
    // An empty folder: the seat belongs to a class whose folder is not known now; unknownWhy says
    // why ("the classroom configuration ... cannot be used (line 3: ...)").
    ClassFolder(const QString& folder, const QString& outbox, const QByteArray& key, const QString& unknownWhy = QString());

    bool known() const { return !folder_.isEmpty(); }
    QString folder() const { return folder_; }
    QString attemptsFolder() const;
    QString challengesFolder() const;
    QString outbox() const { return outbox_; }
    const QByteArray& key() const { return key_; }

    // Whether attempts can be handed in now; when not, *why says so.
    bool reachable(QString* why) const;

    struct Result {
        enum class Where { ClassFolder, Outbox, Nowhere } where = Where::Nowhere;
        QString file;      // where the attempt is now
        QString message;   // to show the user; empty when there is nothing new to tell
    };
    // Keeps the attempt in the outbox, runs afterKept (the results row: an attempt whose row
    // is written is never lost), then delivers the outbox, this attempt with the ones waiting.
    // When the class folder cannot be reached the attempt stays in the outbox (the user is
    // told the first time in a row); when the outbox cannot be written it goes to the class
    // folder directly, or, when that fails too, nowhere, and the user is told what to do.
    Result submit(const AttemptRecord& record, const std::function<void()>& afterKept = {});
    // Delivers the attempts waiting in the outbox when the class folder can be reached; the
    // message (empty when nothing was sent or there is nothing new to tell) says how many, and
    // names the files that cannot be handed in. The first call also clears what a program
    // killed while handing in left behind: its stale temporary files in the outbox and in the
    // attempts folder.
    QString sendWaiting();
    // The attempt files waiting in the outbox.
    QStringList waiting() const;

private:
    struct Delivery {
        int sent = 0;              // of the attempts waiting before, not counting `current`
        bool currentSent = false;
        QStringList problems;      // new ones only
    };
    Delivery deliver(const QString& current);
    QStringList report(const Delivery& d);
    void tidy();

    QString folder_, outbox_, unknownWhy_;
    QString handingIn_;  // the attempt being handed in, while its results row is written
    QByteArray key_;
    bool tidied_ = false;
    bool toldUnreachable_ = false;
    QStringList toldUnreadable_;
};

// The files of a folder that may be attempt files (name ending in ".vat", not hidden: the
// temporary files of a write in progress are hidden), sorted by name.
QStringList attemptFilesIn(const QString& folder);
