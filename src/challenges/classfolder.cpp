#include "challenges/classfolder.h"

#include "platform/files.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {
// What the student is told of a hand-in.
struct ClassFolderTexts {
    Q_DECLARE_TR_FUNCTIONS(ClassFolder)
};
QString native(const QString& path) { return QDir::toNativeSeparators(path); }
QString errorText(const VbError& e) { return ClassFolderTexts::tr("Error number: %1 - %2").arg(QString::number(e.number), e.description); }

// The attempt files whose temporary files (".NAME.vat.XXXXXX") lie in a folder.
QStringList attemptsWithTemporaries(const QString& folder) {
    static const QRegularExpression temporary(QStringLiteral("\\A\\.(.+\\.%1)\\.[A-Za-z0-9]{6}\\z").arg(attemptfile::suffix()));
    QSet<QString> names;
    for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch m = temporary.match(entry);
        if (m.hasMatch()) names.insert(m.captured(1));
    }
    return QStringList(names.begin(), names.end());
}
}  // namespace

ClassFolder::ClassFolder(const QString& folder, const QString& outbox, const QByteArray& key, const QString& unknownWhy)
    : folder_(folder), outbox_(outbox), unknownWhy_(unknownWhy), key_(key) {}

QString ClassFolder::attemptsFolder() const { return known() ? QDir(folder_).filePath("attempts") : QString(); }
QString ClassFolder::challengesFolder() const { return known() ? QDir(folder_).filePath("challenges") : QString(); }

bool ClassFolder::reachable(QString* why) const {
    if (!known()) {
        *why = unknownWhy_.isEmpty() ? ClassFolderTexts::tr("this computer's class folder is not known") : unknownWhy_;
        return false;
    }
    const QFileInfo root(folder_), attempts(attemptsFolder());
    if (!root.isDir()) *why = ClassFolderTexts::tr("the class folder \"%1\" cannot be found").arg(native(folder_));
    else if (!attempts.isDir()) *why = ClassFolderTexts::tr("the class folder has no folder \"attempts\" (is the share mounted?)");
    else if (!attempts.isWritable()) *why = ClassFolderTexts::tr("its folder \"attempts\" cannot be written");
    else return true;
    return false;
}

QStringList attemptFilesIn(const QString& folder) {
    QDir dir(folder);
    return dir.entryList({"*." + attemptfile::suffix()}, QDir::Files, QDir::Name);  // hidden names are left out
}

QStringList ClassFolder::waiting() const { return attemptFilesIn(outbox_); }

void ClassFolder::tidy() {
    if (tidied_) return;
    tidied_ = true;
    // The outbox is this program's own folder: any write of it that a kill cut short. In the
    // shared attempts folder only the temporaries of attempt files, and only stale ones (a
    // minute old): another seat's write in progress is left alone.
    removeStaleTemporaries(outbox_);
    if (known()) {
        const QString attempts = attemptsFolder();
        const QStringList names = attemptsWithTemporaries(attempts);
        if (!names.isEmpty()) removeStaleTemporaries(attempts, names);
    }
}

ClassFolder::Delivery ClassFolder::deliver(const QString& current) {
    Delivery d;
    QString why;
    if (!reachable(&why)) return d;
    auto problem = [&](const QString& name, const QString& text) {
        if (toldUnreadable_.contains(name)) return;
        toldUnreadable_ << name;
        d.problems << text;
    };
    for (const QString& name : waiting()) {
        if (name == handingIn_ && name != current) continue;  // its own hand-in delivers it
        const QString from = QDir(outbox_).filePath(name), to = QDir(attemptsFolder()).filePath(name);
        QByteArray bytes;
        try {
            bytes = readRegularFile(from, attemptfile::kMaxBytes);
        } catch (const VbError& e) {
            if (e.number == 7)
                problem(name, ClassFolderTexts::tr("\"%1\" is damaged and stays in \"%2\": %3")
                                  .arg(name, native(outbox_), ClassFolderTexts::tr("The file is larger than %1 MB.").arg(attemptfile::kMaxBytes >> 20)));
            else problem(name, ClassFolderTexts::tr("\"%1\" cannot be read (%2)").arg(name, e.description));
            continue;
        }
        // What is handed in is an attempt file, whole; a damaged one stays where the student
        // can show it to the instructor.
        AttemptRecord record;
        QString damage;
        if (!attemptfile::parse(bytes, key_, &record, &damage)) {
            problem(name, ClassFolderTexts::tr("\"%1\" is damaged and stays in \"%2\": %3").arg(name, native(outbox_), damage));
            continue;
        }
        // Handed in before, by a run that ended before it could take it out of the outbox: the
        // class folder's copy stays as it is.
        bool there = false;
        try {
            there = isRegularFile(to) && readRegularFile(to, attemptfile::kMaxBytes) == bytes;
        } catch (const VbError&) {
        }
        if (!there) {
            try {
                // The same name in the class folder: never two copies of one attempt.
                writeFileAtomic(to, bytes);
            } catch (const VbError& e) {
                QString now;
                if (!reachable(&now)) break;  // the share went away again: the rest waits for the next time
                problem(name, ClassFolderTexts::tr("\"%1\" cannot be written to \"%2\" (%3)").arg(name, native(attemptsFolder()), errorText(e)));
                continue;
            }
        }
        if (!QFile::remove(from)) {
            problem(name, ClassFolderTexts::tr("\"%1\" was handed in but cannot be removed from \"%2\"").arg(name, native(outbox_)));
            if (name != current) continue;  // it would be counted again the next time
        }
        if (name == current) d.currentSent = true;
        else ++d.sent;
    }
    return d;
}

QStringList ClassFolder::report(const Delivery& d) {
    QStringList lines;
    if (d.sent > 0) {
        toldUnreachable_ = false;
        lines << (d.sent == 1 ? ClassFolderTexts::tr("The class folder can be reached again: 1 attempt kept on this computer has now "
                                                     "been handed in.")
                              : ClassFolderTexts::tr("The class folder can be reached again: %1 attempts kept on this computer have "
                                                     "now been handed in.")
                                    .arg(d.sent));
    }
    if (!d.problems.isEmpty())
        lines << ClassFolderTexts::tr("Attempts kept on this computer that could not be handed in:\n%1").arg(d.problems.join("\n"));
    return lines;
}

QString ClassFolder::sendWaiting() {
    tidy();
    if (waiting().isEmpty()) return QString();
    const Delivery d = deliver(QString());
    return report(d).join("\n\n");
}

ClassFolder::Result ClassFolder::submit(const AttemptRecord& record, const std::function<void()>& afterKept) {
    tidy();
    Result r;
    const QString name = attemptfile::fileNameOf(record);
    const QByteArray bytes = attemptfile::bytesOf(record, key_);
    QStringList lines;

    // First the outbox, whole and on the disk: from here on the attempt survives anything.
    QString keptError;
    try {
        QDir().mkpath(outbox_);
        r.file = QDir(outbox_).filePath(name);
        writeFileAtomic(r.file, bytes);
        r.where = Result::Where::Outbox;
    } catch (const VbError& e) {
        r.file.clear();
        keptError = errorText(e);
    }
    // The row's message box lets ticks run, and a tick delivers the outbox: not this attempt.
    handingIn_ = name;
    try {
        if (afterKept) afterKept();
    } catch (...) {
        handingIn_.clear();
        throw;
    }
    handingIn_.clear();

    const Delivery d = deliver(r.where == Result::Where::Outbox ? name : QString());
    lines << report(d);
    if (d.currentSent) {
        r.where = Result::Where::ClassFolder;
        r.file = QDir(attemptsFolder()).filePath(name);
        r.message = lines.join("\n\n");
        return r;
    }

    QString why;
    if (r.where == Result::Where::Outbox) {
        if (!reachable(&why)) {
            if (!toldUnreachable_) {
                toldUnreachable_ = true;
                lines << (known() ? ClassFolderTexts::tr("Your attempt could not be handed in: %1.\n\nIt is kept on this computer and "
                                                         "will be handed in when the class folder can be reached again. Attempts "
                                                         "after this one are kept the same way without this message.")
                                  : ClassFolderTexts::tr("Your attempt could not be handed in: %1.\n\nIt is kept on this computer and "
                                                         "will be handed in once that is put right. Attempts after this one are kept "
                                                         "the same way without this message."))
                             .arg(why);
            }
        } else if (d.problems.isEmpty()) {
            // Reachable, yet this attempt did not go (and was not named above): say so.
            lines << ClassFolderTexts::tr("Your attempt could not be handed in yet. It is kept on this computer in \"%1\" and will be "
                        "handed in with the next attempt or at the next start.")
                         .arg(native(outbox_));
        }
        r.message = lines.join("\n\n");
        return r;
    }

    // The outbox cannot be written: straight to the class folder, or nowhere.
    if (reachable(&why)) {
        try {
            r.file = QDir(attemptsFolder()).filePath(name);
            writeFileAtomic(r.file, bytes);
            r.where = Result::Where::ClassFolder;
            r.message = lines.join("\n\n");
            return r;
        } catch (const VbError& e) {
            why = ClassFolderTexts::tr("the attempt could not be written there (%1)").arg(errorText(e));
        }
    }
    r.file.clear();
    r.where = Result::Where::Nowhere;
    lines << ClassFolderTexts::tr("Your attempt could not be handed in: %1.\n\nIt could not be kept on this computer either: "
                                  "\"%2\" cannot be written (%3). Print the result sheet or save the result again.")
                 .arg(why, native(outbox_), keptError);
    r.message = lines.join("\n\n");
    return r;
}
