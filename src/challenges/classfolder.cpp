#include "challenges/classfolder.h"

#include "platform/files.h"
#include "platform/vbtypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString native(const QString& path) { return QDir::toNativeSeparators(path); }
QString errorText(const VbError& e) { return QString("Error number: %1 - %2").arg(e.number).arg(e.description); }
}  // namespace

ClassFolder::ClassFolder(const QString& folder, const QString& outbox, const QByteArray& key)
    : folder_(folder), outbox_(outbox), key_(key) {}

QString ClassFolder::attemptsFolder() const { return QDir(folder_).filePath("attempts"); }
QString ClassFolder::challengesFolder() const { return QDir(folder_).filePath("challenges"); }

bool ClassFolder::reachable(QString* why) const {
    const QFileInfo root(folder_), attempts(attemptsFolder());
    if (!root.isDir()) *why = "the class folder \"" + native(folder_) + "\" cannot be found";
    else if (!attempts.isDir()) *why = "the class folder has no folder \"attempts\" (is the share mounted?)";
    else if (!attempts.isWritable()) *why = "its folder \"attempts\" cannot be written";
    else return true;
    return false;
}

QStringList attemptFilesIn(const QString& folder) {
    QDir dir(folder);
    return dir.entryList({"*." + attemptfile::suffix()}, QDir::Files, QDir::Name);  // hidden names are left out
}

QStringList ClassFolder::waiting() const { return attemptFilesIn(outbox_); }

QString ClassFolder::sendWaiting() {
    const QStringList files = waiting();
    if (files.isEmpty()) return QString();
    QString why;
    if (!reachable(&why)) return QString();
    int sent = 0;
    QStringList problems;
    for (const QString& name : files) {
        const QString from = QDir(outbox_).filePath(name);
        QByteArray bytes;
        try {
            bytes = readRegularFile(from, attemptfile::kMaxBytes);
        } catch (const VbError& e) {
            if (!toldUnreadable_.contains(name)) {
                toldUnreadable_ << name;
                problems << "\"" + name + "\" cannot be read (" + e.description + ")";
            }
            continue;
        }
        try {
            // The same name in the class folder: a file sent before a failed removal is
            // replaced by itself, never doubled.
            writeFileAtomic(QDir(attemptsFolder()).filePath(name), bytes);
        } catch (const VbError&) {
            break;  // the share went away again, or is full: the rest waits for the next time
        }
        if (!QFile::remove(from) && !toldUnreadable_.contains(name)) {
            toldUnreadable_ << name;
            problems << "\"" + name + "\" was handed in but cannot be removed from \"" + native(outbox_) + "\"";
        }
        ++sent;
    }
    QStringList lines;
    if (sent > 0) {
        toldUnreachable_ = false;
        lines << QString("The class folder can be reached again: %1 attempt%2 kept on this computer %3 now been "
                         "handed in.")
                     .arg(sent)
                     .arg(sent == 1 ? "" : "s")
                     .arg(sent == 1 ? "has" : "have");
    }
    if (!problems.isEmpty()) lines << "Attempts kept on this computer that could not be handed in:\n" + problems.join("\n");
    return lines.join("\n\n");
}

ClassFolder::Result ClassFolder::submit(const AttemptRecord& record) {
    Result r;
    const QString name = attemptfile::fileNameOf(record);
    const QByteArray bytes = attemptfile::bytesOf(record, key_);
    QStringList lines;
    const QString before = sendWaiting();
    if (!before.isEmpty()) lines << before;
    QString why;
    if (reachable(&why)) {
        try {
            r.file = QDir(attemptsFolder()).filePath(name);
            writeFileAtomic(r.file, bytes);
            r.where = Result::Where::ClassFolder;
            r.message = lines.join("\n\n");
            return r;
        } catch (const VbError& e) {
            why = "the attempt could not be written there (" + errorText(e) + ")";
        }
    }
    try {
        QDir().mkpath(outbox_);
        r.file = QDir(outbox_).filePath(name);
        writeFileAtomic(r.file, bytes);
        r.where = Result::Where::Outbox;
        if (!toldUnreachable_) {
            toldUnreachable_ = true;
            lines << "Your attempt could not be handed in: " + why +
                         ".\n\nIt is kept on this computer and will be handed in when the class folder can be "
                         "reached again. Attempts after this one are kept the same way without this message.";
        }
    } catch (const VbError& e) {
        r.file.clear();
        r.where = Result::Where::Nowhere;
        lines << "Your attempt could not be handed in: " + why + ".\n\nIt could not be kept on this computer "
                 "either: \"" + native(outbox_) + "\" cannot be written (" + errorText(e) +
                 "). Print the result sheet or save the result again.";
    }
    r.message = lines.join("\n\n");
    return r;
}
