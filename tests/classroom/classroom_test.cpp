// The classroom: the password's hash and the room's lock, the attempt files and their check,
// handing in through an outage, thirty seats at once, and the dashboard's figures.
#include "challenges/classfolder.h"
#include "challenges/classresults.h"
#include "challenges/progress.h"
#include "challenges/frmclassdashboard.h"
#include "users/classroom.h"
#include "users/password.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// "Right 1" with the salt "classroom-salt-1" and 1000 iterations, as Python's hashlib makes it.
const QString kRightHash = "pbkdf2-sha256$1000$Y2xhc3Nyb29tLXNhbHQtMQ==$Wh5xpirvww60uEIlKIc/yotRomTbxzi3iSJc61luGIc=";
const QByteArray kKey = "a class key of some length";

ClassroomConfig config(const QByteArray& text) { return ClassroomConfig::parse(text, "/etc/vantorel/classroom.conf"); }

AttemptRecord record(const QString& student, const QString& challenge, int score, bool right, const QString& answer = "A - B") {
    AttemptRecord r;
    r.id = student + challenge + QString::number(score);
    r.student = student;
    r.challenge = challenge;
    r.started = QDateTime(QDate(2026, 12, 8), QTime(9, 30, 0));
    r.seconds = 95.5;
    r.answer = answer;
    r.right = right;
    r.score = score;
    r.hints = 1;
    r.measurements = {{4, "Engine speed (Engine Management, at the ECU pin)", "DMM 0.0 V"}};
    return r;
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}


// The lines of a CSV file, after its byte-order mark.
QStringList lines(const QByteArray& csv) {
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    return QString::fromUtf8(csv.mid(3)).split("\r\n", Qt::SkipEmptyParts);
}
// Makes a file look as if it had been written `seconds` ago.
void age(const QString& path, int seconds) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

// Every name in a folder, hidden ones too.
QStringList everything(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

TEST(Password, HashesCheckAndPlainPasswordsStillWork) {
    EXPECT_TRUE(password::matches("Right 1", kRightHash));
    EXPECT_FALSE(password::matches("right 1", kRightHash));
    EXPECT_FALSE(password::matches(kRightHash, kRightHash));  // the stored text is no password
    const QString made = password::makeHash("Zündkerze 点火", 1000);
    EXPECT_TRUE(password::isHash(made));
    EXPECT_TRUE(password::matches("Zündkerze 点火", made));
    EXPECT_FALSE(password::matches("Zündkerze", made));
    EXPECT_NE(made, password::makeHash("Zündkerze 点火", 1000));  // a new salt each time
    // Made with Python's hashlib.pbkdf2_hmac: a password longer than the digest's 64-byte block
    // (which the keyed hash shortens first) and a salt of another length.
    const QString longHash = "pbkdf2-sha256$1000$YS1sb25nZXItc2FsdC1vZi0yNC1ieXRlcw==$"
                             "HtN7lT8wIe/dCOCpkU9WihPY5SAxHu6Fn+jC7ZdrC98=";
    EXPECT_TRUE(password::matches(QString("Zündkerze ").repeated(10), longHash));
    EXPECT_FALSE(password::matches(QString("Zündkerze ").repeated(9), longHash));
    // A plain stored password, and a text that only looks like a hash, compare as text.
    EXPECT_TRUE(password::matches("gearcase", "gearcase"));
    EXPECT_TRUE(password::matches("pbkdf2-sha256$5$x$y", "pbkdf2-sha256$5$x$y"));
}

TEST(ClassroomFile, ReadsWhatTheAdministratorWritesAndRefusesTheRest) {
    const ClassroomConfig c = config("# room 2B\n\nPassword = " + kRightHash.toUtf8() +
                                     "\r\nclass folder = /srv/class//2b/\nclass key = " + kKey + "\n");
    ASSERT_EQ(c.state, ClassroomConfig::State::Loaded) << c.problem.toStdString();
    EXPECT_EQ(c.classFolder, "/srv/class/2b");
    EXPECT_EQ(c.classKey, kKey);
    EXPECT_TRUE(c.lock);  // locked unless the file says otherwise
    EXPECT_TRUE(c.locksPassword() && c.locksClassFolder());
    EXPECT_FALSE(config("class folder = /srv/x\nlock = no\n").locksClassFolder());

    auto problem = [](const QByteArray& text) {
        const ClassroomConfig d = config(text);
        EXPECT_EQ(d.state, ClassroomConfig::State::Damaged) << text.constData();
        EXPECT_TRUE(d.locksPassword());  // a damaged file opens nothing
        return d.problem;
    };
    EXPECT_TRUE(problem("password = gearcase\n").startsWith("line 1: the password is not a hash"));
    EXPECT_TRUE(problem("# x\nlokc = yes\n").startsWith("line 2: \"lokc\" is not a name"));
    EXPECT_TRUE(problem("lock = yes\nlock = no\n").contains("given twice"));
    EXPECT_TRUE(problem("lock = maybe\n").contains("neither yes nor no"));
    EXPECT_TRUE(problem("class folder = srv/class\n").contains("not an absolute path"));
    EXPECT_TRUE(problem("class key = short\n").contains("shorter than 16"));
    EXPECT_TRUE(problem(QByteArray("lock\0= yes", 10)).contains("not text"));

    QTemporaryDir dir;
    EXPECT_EQ(ClassroomConfig::read(dir.filePath("none.conf")).state, ClassroomConfig::State::Absent);
    EXPECT_TRUE(ClassroomConfig::read(dir.path()).problem.contains("not a regular file"));
    put(dir.filePath("big.conf"), QByteArray(100 * 1024, '#'));
    EXPECT_TRUE(ClassroomConfig::read(dir.filePath("big.conf")).problem.contains("larger than 64 KB"));
}

// (A locked room against another, an empty or a deleted user password, and a damaged file:
// scenario classroom/locked_room, through the login.)
TEST(ClassroomFile, WithoutTheLockTheUsersSettingsCount) {
    // Without a file, the user's setting as before: the delivered password until one is stored.
    const ClassroomConfig none;
    EXPECT_EQ(passwordRule(none, QString(), false).stored, "gearcase");
    EXPECT_EQ(passwordRule(none, "", true).stored, "");
    EXPECT_FALSE(passwordRule(none, "mine", true).fromClassroom);
    // An open room's file gives the password only to a user without one.
    const ClassroomConfig open = config("password = " + kRightHash.toUtf8() + "\nlock = no\n");
    EXPECT_EQ(passwordRule(open, "mine", true).stored, "mine");
    EXPECT_EQ(passwordRule(open, QString(), false).stored, kRightHash);
    EXPECT_EQ(classFolderFor(config("class folder = /srv/a\n"), "/home/me/b"), "/srv/a");
    EXPECT_EQ(classFolderFor(config("class folder = /srv/a\nlock = no\n"), "/home/me/b"), "/home/me/b");
    EXPECT_EQ(classFolderFor(none, ""), "");
}

TEST(ClassroomFile, AClassFolderThatCannotBeKnownIsNamedNotGuessed) {
    QString why = "stale";
    EXPECT_EQ(classFolderFor(config("class folder = /srv/a\n"), "", &why), "/srv/a");
    EXPECT_TRUE(why.isEmpty());
    // A relative folder in the settings would land in the working folder, the program's own.
    EXPECT_EQ(classFolderFor(ClassroomConfig(), "class-2b/", &why), "");
    EXPECT_EQ(why, "the class folder \"class-2b/\" of the setting ZRclassFolder (section ZRsettings) is not an absolute path");
    EXPECT_EQ(classFolderFor(config("class folder = /srv/a\nlock = no\n"), "./mine", &why), "");
    EXPECT_TRUE(why.contains("ZRclassFolder"));
    // ...but the lock makes the setting count for nothing, good or bad.
    EXPECT_EQ(classFolderFor(config("class folder = /srv/a\n"), "./mine", &why), "/srv/a");
    EXPECT_TRUE(why.isEmpty());
    // A damaged file: its class folder is not known, and the line is named.
    EXPECT_EQ(classFolderFor(config("class folder = /srv/a\nlokc = no\n"), "/home/me/b", &why), "");
    EXPECT_EQ(why, "the classroom configuration \"/etc/vantorel/classroom.conf\" cannot be used (line 2: \"lokc\" is not a "
                   "name the file may give (password, class folder, class key, lock, student id))");
}

TEST(AttemptFile, TheCheckFindsAChangedScore) {
    AttemptRecord back;
    QString problem;
    const QByteArray bytes = attemptfile::bytesOf(record("Sam", "Flat battery", 95, true), kKey);
    ASSERT_TRUE(attemptfile::parse(bytes, kKey, &back, &problem)) << problem.toStdString();
    EXPECT_EQ(back.check, AttemptRecord::Check::Good);
    EXPECT_EQ(back.score, 95);
    EXPECT_EQ(back.seconds, 95.5);
    EXPECT_EQ(back.measurements.value(0).reading, "DMM 0.0 V");
    // Laid out again by an editor, it still checks; with the score changed, or the check
    // taken out, it is marked.
    const QByteArray compact = QJsonDocument::fromJson(bytes).toJson(QJsonDocument::Compact);
    ASSERT_TRUE(attemptfile::parse(compact, kKey, &back, &problem));
    EXPECT_EQ(back.check, AttemptRecord::Check::Good);
    ASSERT_TRUE(attemptfile::parse(QByteArray(bytes).replace("\"score\": 95", "\"score\": 100"), kKey, &back, &problem));
    EXPECT_EQ(back.check, AttemptRecord::Check::Failed);
    EXPECT_TRUE(back.marked());
    QJsonObject o = QJsonDocument::fromJson(bytes).object();
    o.remove("check");
    ASSERT_TRUE(attemptfile::parse(QJsonDocument(o).toJson(), kKey, &back, &problem));
    EXPECT_EQ(back.check, AttemptRecord::Check::Missing);
    EXPECT_TRUE(attemptfile::parse(bytes, "another key of some length", &back, &problem));
    EXPECT_EQ(back.check, AttemptRecord::Check::Failed);
    // Without a class key nothing is checked or marked.
    ASSERT_TRUE(attemptfile::parse(bytes, QByteArray(), &back, &problem));
    EXPECT_FALSE(back.marked());
}

TEST(AttemptFile, GuidedRunsAndTheirScreensTravelWithTheAttemptUnderItsCheck) {
    AttemptRecord r = record("Sam", "Hesitation", 90, true);
    // A screen's bytes as they are, any byte value included.
    QByteArray screen;
    for (int i = 0; i < 3000; ++i) screen += char(i * 131 % 256);
    r.guidedAsked = {"map-sensor", "injector"};
    GuidedRun pass;
    pass.run = 2;
    pass.seconds = 12;
    pass.resultSeconds = 31.5;
    pass.test = "map-sensor";
    pass.title = "Manifold pressure sensor at idle";
    pass.result = scope::Verdict::Fail;
    pass.reason = "2 of 5 captures left the mask (channel A, 14 samples)";
    pass.screen = screen;
    GuidedRun left = pass;
    left.run = 3;
    left.test = "injector";
    left.result = scope::Verdict::NotMeasured;
    left.resultSeconds = -1;
    left.screen.clear();
    r.guided = {pass, left};
    const QByteArray bytes = attemptfile::bytesOf(r, kKey);
    AttemptRecord back;
    QString problem;
    ASSERT_TRUE(attemptfile::parse(bytes, kKey, &back, &problem)) << problem.toStdString();
    EXPECT_EQ(back.check, AttemptRecord::Check::Good);
    EXPECT_EQ(back.guidedAsked, r.guidedAsked);
    ASSERT_EQ(back.guided.size(), 2);
    EXPECT_EQ(back.guided[0].screen, screen);
    EXPECT_EQ(back.guided[0].result, scope::Verdict::Fail);
    EXPECT_EQ(back.guided[0].resultSeconds, 31.5);
    EXPECT_EQ(back.guided[0].reason, pass.reason);
    EXPECT_EQ(back.guided[1].result, scope::Verdict::NotMeasured);
    EXPECT_EQ(back.guided[1].resultSeconds, -1);
    EXPECT_TRUE(back.guided[1].screen.isEmpty());
    // A result turned from fail to pass by hand is marked.
    ASSERT_TRUE(attemptfile::parse(QByteArray(bytes).replace("\"result\": \"fail\"", "\"result\": \"pass\""), kKey, &back, &problem));
    EXPECT_EQ(back.check, AttemptRecord::Check::Failed);
    // Figures no whole number holds are refused as such, never converted.
    for (const char* huge : {"1e308", "-1e308", "2147483648"}) {
        EXPECT_FALSE(attemptfile::parse(QByteArray(bytes).replace("\"score\": 90", QByteArray("\"score\": ") + huge), kKey, &back, &problem));
        EXPECT_EQ(problem, "The file lacks a usable score.") << huge;
    }
    // A run that is not one is refused with its field named; an attempt without guided tests
    // has neither field.
    EXPECT_FALSE(attemptfile::parse(QByteArray(bytes).replace("\"result\": \"fail\"", "\"result\": \"maybe\""), kKey, &back, &problem));
    EXPECT_EQ(problem, "The file lacks a usable guided.");
    const QByteArray plain = attemptfile::bytesOf(record("Sam", "Flat battery", 95, true), kKey);
    EXPECT_FALSE(plain.contains("guided"));
    // The dashboard's path names the tests asked for and each run.
    ASSERT_TRUE(attemptfile::parse(bytes, kKey, &back, &problem));
    const QString path = diagnosticPath(back);
    EXPECT_TRUE(path.contains("Guided tests asked for: Manifold pressure sensor at idle; Injector at idle")) << path.toStdString();
    EXPECT_TRUE(path.contains("Guided test:  0:12  Manifold pressure sensor at idle:  Fail (at 0:31). 2 of 5")) << path.toStdString();
}

TEST(ClassResults, DamagedFilesAreSkippedAndNamed) {
    QTemporaryDir dir;
    const QByteArray good = attemptfile::bytesOf(record("Sam", "Flat battery", 95, true), kKey);
    put(dir.filePath("good.vat"), good);
    put(dir.filePath("empty.vat"), "");
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i) binary[i] = char(i * 37);
    put(dir.filePath("binary.vat"), binary);
    put(dir.filePath("huge.vat"), QByteArray(10 * 1024 * 1024, ' ') + good);
    put(dir.filePath("newer.vat"), QByteArray(good).replace("\"version\": 1", "\"version\": 2"));
    put(dir.filePath("short.vat"), good.left(good.size() / 2));
    QJsonObject o = QJsonDocument::fromJson(good).object();
    o.remove("student");
    o.insert("score", "lots");
    put(dir.filePath("fields.vat"), QJsonDocument(o).toJson());
    put(dir.filePath(".good.vat.Ab12Cd"), good);  // a write in progress: not an attempt yet
    QDir(dir.path()).mkdir("folder.vat");

    ClassResults results;
    results.load(dir.path(), kKey);
    ASSERT_EQ(results.attempts().size(), 1);
    EXPECT_EQ(results.attempts()[0].file, "good.vat");
    QStringList problems;
    for (const auto& p : results.problems()) problems << p.file + ": " + p.problem;
    EXPECT_EQ(problems.join("\n").toStdString(), QStringList({"binary.vat: The file is not an attempt file: it is not a JSON object (it may be cut short or damaged).",
                                     "empty.vat: The file is empty.",
                                     "fields.vat: The file lacks a usable student, score.",
                                     "huge.vat: The file is larger than 4 MB.",
                                     "newer.vat: The file is of version 2; this program reads version 1.",
                                     "short.vat: The file is not an attempt file: it is not a JSON object (it may be cut short or damaged)."}).join("\n").toStdString());
    results.load(dir.filePath("gone"), kKey);
    EXPECT_EQ(results.problems().value(0).problem, "The folder cannot be found.");
}

TEST(ClassFolder, AnOutageLosesNothingAndIsToldOnce) {
    QTemporaryDir dir;
    const QString share = dir.filePath("share"), away = dir.filePath("unmounted");
    QDir().mkpath(share + "/attempts");
    ClassFolder cls(share, dir.filePath("outbox"), kKey);
    ClassFolder::Result r = cls.submit(record("Sam", "One", 90, true));
    EXPECT_EQ(r.where, ClassFolder::Result::Where::ClassFolder);
    EXPECT_TRUE(r.message.isEmpty());

    // The share goes away mid-lesson: an empty mount point is left, where nothing is written.
    QDir().rename(share, away);
    QDir().mkpath(share);
    r = cls.submit(record("Sam", "Two", 80, true));
    EXPECT_EQ(r.where, ClassFolder::Result::Where::Outbox);
    EXPECT_TRUE(r.message.startsWith("Your attempt could not be handed in: the class folder has no folder \"attempts\""));
    r = cls.submit(record("Sam", "Three", 70, true));
    EXPECT_EQ(r.where, ClassFolder::Result::Where::Outbox);
    EXPECT_TRUE(r.message.isEmpty());  // told once
    EXPECT_EQ(cls.waiting().size(), 2);
    EXPECT_TRUE(cls.sendWaiting().isEmpty());  // still away: nothing new to tell
    EXPECT_TRUE(QDir(share).isEmpty());

    QDir(share).removeRecursively();
    QDir().rename(away, share);
    EXPECT_EQ(cls.sendWaiting(), "The class folder can be reached again: 2 attempts kept on this computer have now been handed in.");
    EXPECT_TRUE(cls.waiting().isEmpty());
    ClassResults results;
    results.load(cls.attemptsFolder(), kKey);
    EXPECT_EQ(results.challenges(), QStringList({"One", "Three", "Two"}));
    EXPECT_TRUE(results.problems().isEmpty());

    // Away again, and nowhere to keep it either: the user is told, with what to do.
    QDir(share).removeRecursively();
    put(dir.filePath("outbox2"), "a file where the outbox would be");
    ClassFolder stuck(share, dir.filePath("outbox2"), kKey);
    r = stuck.submit(record("Sam", "Four", 60, true));
    EXPECT_EQ(r.where, ClassFolder::Result::Where::Nowhere);
    EXPECT_TRUE(r.message.contains("Print the result sheet"));
}

TEST(ClassFolder, AnAttemptIsKeptBeforeItsRowAndDeliveredOnceWhateverStopsTheRun) {
    QTemporaryDir dir;
    const QString share = dir.filePath("share"), outbox = dir.filePath("outbox");
    QDir().mkpath(share + "/attempts");
    // What a kill just after the results row leaves: the attempt must be on the disk by then.
    QStringList kept;
    ClassFolder cls(share, outbox, kKey);
    const ClassFolder::Result r = cls.submit(record("Sam", "One", 90, true), [&] {
        kept = everything(outbox);
        EXPECT_TRUE(everything(share + "/attempts").isEmpty());
        // A message box about the row lets the main tick deliver the outbox: it leaves this one
        // to its own hand-in, which tells the student where it went.
        EXPECT_TRUE(cls.sendWaiting().isEmpty());
    });
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(r.where, ClassFolder::Result::Where::ClassFolder);
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_EQ(everything(share + "/attempts"), kept);
    EXPECT_TRUE(everything(outbox).isEmpty());

    // The run was killed between the two: the next start hands it in.
    const QByteArray bytes = contents(share + "/attempts/" + kept[0]);
    QFile::remove(share + "/attempts/" + kept[0]);
    put(outbox + "/" + kept[0], bytes);
    EXPECT_EQ(ClassFolder(share, outbox, kKey).sendWaiting(),
              "The class folder can be reached again: 1 attempt kept on this computer has now been handed in.");
    EXPECT_EQ(contents(share + "/attempts/" + kept[0]), bytes);
    EXPECT_TRUE(everything(outbox).isEmpty());

    // Killed after handing in but before taking it out of the outbox: it is not handed in twice,
    // and the copy in the class folder is left as it is.
    put(outbox + "/" + kept[0], bytes);
    age(share + "/attempts/" + kept[0], 3600);
    const QDateTime handedIn = QFileInfo(share + "/attempts/" + kept[0]).lastModified();
    ClassFolder(share, outbox, kKey).sendWaiting();
    EXPECT_TRUE(everything(outbox).isEmpty());
    EXPECT_EQ(everything(share + "/attempts"), kept);
    EXPECT_EQ(QFileInfo(share + "/attempts/" + kept[0]).lastModified(), handedIn);

    // A file damaged in the outbox is not handed in: it stays where it is and is named, once.
    put(outbox + "/20261208-093000 Sam cut.vat", bytes.left(bytes.size() / 2));
    put(outbox + "/20261208-093001 Sam empty.vat", "");
    put(outbox + "/20261208-093002 Sam good.vat", attemptfile::bytesOf(record("Sam", "Two", 80, true), kKey));
    ClassFolder again(share, outbox, kKey);
    EXPECT_EQ(again.sendWaiting().toStdString(),
              ("The class folder can be reached again: 1 attempt kept on this computer has now been handed in.\n\n"
               "Attempts kept on this computer that could not be handed in:\n"
               "\"20261208-093000 Sam cut.vat\" is damaged and stays in \"" + outbox + "\": The file is not an attempt "
               "file: it is not a JSON object (it may be cut short or damaged).\n"
               "\"20261208-093001 Sam empty.vat\" is damaged and stays in \"" + outbox + "\": The file is empty.").toStdString());
    EXPECT_EQ(again.waiting(), QStringList({"20261208-093000 Sam cut.vat", "20261208-093001 Sam empty.vat"}));
    EXPECT_EQ(everything(share + "/attempts").size(), 2);
    EXPECT_TRUE(again.sendWaiting().isEmpty());  // told once
}

TEST(ClassFolder, TheFirstDeliveryClearsWhatKilledWritesLeft) {
    QTemporaryDir dir;
    const QString share = dir.filePath("share"), outbox = dir.filePath("outbox");
    QDir().mkpath(share + "/attempts");
    QDir().mkpath(outbox);
    // Stale temporaries of killed writes, in the outbox and in the class folder; a write of
    // another seat still in progress; someone else's file.
    for (const QString& stale : {outbox + "/.20261208-101502 Sam x.vat.Ab12Cd", share + "/attempts/.20261208-101502 Sam x.vat.Zz98Yy"}) {
        put(stale, "{\"form");
        age(stale, 300);
    }
    put(share + "/attempts/.20261208-101503 Ann y.vat.Qq11Ww", "{\"format\"");  // seconds old: in progress
    put(share + "/attempts/.notes.txt.Pp00Oo", "another program's");
    age(share + "/attempts/.notes.txt.Pp00Oo", 300);
    ClassFolder cls(share, outbox, kKey);
    EXPECT_TRUE(cls.sendWaiting().isEmpty());  // nothing was waiting: nothing to tell
    EXPECT_TRUE(everything(outbox).isEmpty());
    EXPECT_EQ(everything(share + "/attempts"), QStringList({".20261208-101503 Ann y.vat.Qq11Ww", ".notes.txt.Pp00Oo"}));
}

TEST(ClassFolder, AnUnknownClassFolderKeepsAttemptsUntilItIsKnown) {
    QTemporaryDir dir;
    const QString share = dir.filePath("share"), outbox = dir.filePath("outbox");
    QDir().mkpath(share + "/attempts");
    // The classroom file names the class folder but has a misspelt line: no folder is known.
    QString why;
    const ClassroomConfig damaged = config("class folder = " + share.toUtf8() + "\nlokc = no\n");
    ASSERT_EQ(classFolderFor(damaged, QString(), &why), "");
    ClassFolder unknown(QString(), outbox, QByteArray(), why);
    EXPECT_EQ(unknown.attemptsFolder(), "");
    EXPECT_EQ(unknown.challengesFolder(), "");  // not the working folder's
    ClassFolder::Result r = unknown.submit(record("Sam", "One", 90, true));
    EXPECT_EQ(r.where, ClassFolder::Result::Where::Outbox);
    EXPECT_TRUE(r.message.startsWith("Your attempt could not be handed in: the classroom configuration "
                                     "\"/etc/vantorel/classroom.conf\" cannot be used (line 2: \"lokc\""))
        << r.message.toStdString();
    EXPECT_TRUE(r.message.contains("It is kept on this computer"));
    EXPECT_TRUE(unknown.submit(record("Sam", "Two", 80, true)).message.isEmpty());  // told once
    EXPECT_TRUE(unknown.sendWaiting().isEmpty());
    EXPECT_TRUE(everything(share + "/attempts").isEmpty());
    EXPECT_EQ(unknown.waiting().size(), 2);

    // The file is mended: at the next start both go in.
    const ClassroomConfig mended = config("class folder = " + share.toUtf8() + "\n");
    ClassFolder known(classFolderFor(mended, QString()), outbox, mended.classKey);
    EXPECT_EQ(known.sendWaiting(), "The class folder can be reached again: 2 attempts kept on this computer have now been handed in.");
    ClassResults results;
    results.load(known.attemptsFolder(), QByteArray());
    EXPECT_EQ(results.challenges(), QStringList({"One", "Two"}));
    EXPECT_TRUE(results.problems().isEmpty());
}

// Thirty seats work through a lesson at once: each keeps its progress file (written ten times)
// and then hands in its attempt, while the dashboard's models read the class folder over and
// over. No reading ever sees a damaged or mixed file, every attempt is read once, and the counts
// are right at the end.
TEST(ClassFolder, ThirtySeatsWorkThroughALessonWhileTheDashboardWatches) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("class/attempts"));
    const int kSeats = 30, kWrites = 10;
    QList<QProcess*> seats;
    for (int i = 0; i < kSeats; ++i) {
        auto* p = new QProcess;
        p->start(CLASS_SUBMIT, {dir.filePath("class"), dir.filePath(QString("outbox%1").arg(i)), QString(kKey),
                                QString("Student %1").arg(i, 2, 10, QLatin1Char('0')), "1", QString::number(kWrites)});
        seats << p;
    }
    ClassResults results;
    ProgressBoard board;
    const QString attempts = dir.filePath("class/attempts"), progress = dir.filePath("class/progress");
    QHash<QString, int> measurementsSeen;  // by student: what the board showed last
    int polls = 0;
    auto watch = [&] {
        ++polls;
        results.update(attempts, kKey);
        board.poll(progress, QDateTime::currentDateTime());
        EXPECT_TRUE(results.folderProblem().isEmpty()) << results.folderProblem().toStdString();
        for (const auto& p : results.problems()) ADD_FAILURE() << p.file.toStdString() << ": " << p.problem.toStdString();
        for (const auto& p : board.problems()) ADD_FAILURE() << p.file.toStdString() << ": " << p.problem.toStdString();
        QSet<QString> ids;
        for (const AttemptRecord& r : results.attempts()) {
            EXPECT_FALSE(ids.contains(r.id)) << "read twice: " << r.file.toStdString();
            ids.insert(r.id);
            EXPECT_EQ(r.measurements.value(19).reading, r.student);
        }
        for (const ProgressBoard::Entry& e : board.entries()) {
            // Each file is its own seat's, and a seat's progress never goes back.
            EXPECT_EQ(e.file, progressfile::fileNameOf(e.record.student, e.record.student + " seat"));
            EXPECT_EQ(e.record.challenge, "Challenge of " + e.record.student);
            EXPECT_GE(e.record.measurements, measurementsSeen.value(e.record.student)) << e.file.toStdString();
            measurementsSeen.insert(e.record.student, e.record.measurements);
        }
    };
    // The seats run while the models read; a seat that hangs ends the loop after a minute or so.
    for (int round = 0; round < 6000; ++round) {
        watch();
        bool working = false;
        for (QProcess* p : seats)
            if (p->state() != QProcess::NotRunning) working |= !p->waitForFinished(10);
        if (!working) break;
    }
    for (QProcess* p : seats) {
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
        delete p;
    }
    watch();
    EXPECT_GT(polls, 2);
    ASSERT_EQ(results.attempts().size(), kSeats);
    EXPECT_EQ(results.filesRead(), kSeats);  // each attempt read once, however often the folder was
    EXPECT_EQ(results.students().size(), kSeats);
    for (const AttemptRecord& r : results.attempts()) {
        EXPECT_EQ(r.check, AttemptRecord::Check::Good) << r.file.toStdString();
        ASSERT_EQ(r.measurements.size(), 20);
        EXPECT_EQ(r.measurements.last().reading, r.student);  // nothing of another seat's
    }
    EXPECT_EQ(QDir(attempts).entryList(QDir::Files | QDir::Hidden).size(), kSeats);
    ASSERT_EQ(board.entries().size(), kSeats);
    for (const ProgressBoard::Entry& e : board.entries()) {
        EXPECT_EQ(e.record.state, ProgressRecord::State::Finished) << e.file.toStdString();
        EXPECT_EQ(e.record.measurements, kWrites) << e.file.toStdString();
    }
    // Nothing of a write in progress is left behind.
    EXPECT_EQ(QDir(progress).entryList(QDir::Files | QDir::Hidden).size(), kSeats);
    // A fresh reading of the whole folder finds the same.
    ClassResults fresh;
    fresh.load(attempts, kKey);
    EXPECT_EQ(fresh.attempts().size(), kSeats);
}

TEST(ClassResults, FiltersChartsAndGradebook) {
    QTemporaryDir dir;
    const QList<AttemptRecord> all = {record("Sam", "Battery", 60, true),     record("Sam", "Battery", 85, true),
                                      record("Ann", "Battery", 0, false, "Fuse"), record("Ann", "Starter", 0, false, "Fuse"),
                                      record("Bob", "Starter", 0, false, "Relay"), record("Bob", "Starter", 100, true)};
    for (int i = 0; i < all.size(); ++i)
        put(dir.filePath(QString("%1.vat").arg(i)), attemptfile::bytesOf(all[i], i == 5 ? QByteArray() : kKey));
    ClassResults results;
    results.load(dir.path(), kKey);
    ASSERT_EQ(results.attempts().size(), 6);
    const QList<int> every = results.select(QString(), QString());
    EXPECT_EQ(results.attempts()[every.first()].student, "Ann");
    EXPECT_EQ(results.select("Starter", "Bob").size(), 2);
    const auto scores = results.scoresPerChallenge(every);
    ASSERT_EQ(scores.size(), 2);
    EXPECT_EQ(scores[0].challenge, "Battery");
    EXPECT_DOUBLE_EQ(scores[0].average, 145.0 / 3);
    EXPECT_EQ(scores[1].best, 100);
    EXPECT_EQ(results.wrongAnswers(every, 8), (QList<QPair<QString, int>>{{"Fuse", 2}, {"Relay", 1}}));
    // One row per student, the best score per challenge; Bob's unchecked attempt is counted.
    EXPECT_EQ(results.gradebook(every), "\xEF\xBB\xBF"
                                        "Student,ID,Battery,Starter,Attempts marked\r\n"
                                        "Ann,,0,0,0\r\n"
                                        "Bob,,,100,1\r\n"
                                        "Sam,,85,,0\r\n");
    EXPECT_EQ(lines(results.gradebook(results.select("Battery", QString()))),
              QStringList({"Student,ID,Battery,Attempts marked", "Ann,,0,0", "Sam,,85,0"}));
}

TEST(ClassResults, AFolderThatCannotBeListedIsNotAnEmptyClass) {
    QTemporaryDir dir;
    const QString attempts = dir.filePath("attempts");
    QDir().mkpath(attempts);
    put(attempts + "/good.vat", attemptfile::bytesOf(record("Sam", "Flat battery", 95, true), kKey));
    QFile::setPermissions(attempts, QFileDevice::Permissions());
    ClassResults results;
    frmClassDashboard* dash = frm<frmClassDashboard>();
    const QLabel* folder = dash->findChild<QLabel*>("lblFolder");
    const QLabel* problems = dash->findChild<QLabel*>("lblProblems");
    ASSERT_TRUE(folder && problems);
    testEvents().clear();
    {
        WithoutRootsReach asAUser;
        results.load(attempts, kKey);
        dash->openFolder(attempts, kKey);
    }
    QFile::setPermissions(attempts, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(results.attempts().isEmpty());
    ASSERT_EQ(results.problems().size(), 1);
    EXPECT_EQ(results.problems()[0].problem, "The folder cannot be listed (Permission denied).");
    // The instructor is told, in the window and in a message, rather than shown "0 attempts".
    EXPECT_FALSE(folder->text().contains("0 attempts")) << folder->text().toStdString();
    EXPECT_TRUE(problems->text().contains("cannot be listed (Permission denied)"));
    QStringList messages;
    for (const QJsonObject& e : testEvents())
        if (e.value("event") == "message") messages << e.value("text").toString();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("The attempts of the class folder cannot be read from \"" + attempts + "\": The folder cannot be listed"))
        << messages[0].toStdString();
    // Once it can be read again, Refresh shows its attempts.
    dash->cmdRefresh_Click();
    EXPECT_EQ(dash->results().attempts().size(), 1);
    EXPECT_TRUE(folder->text().endsWith(" - 1 attempt")) << folder->text().toStdString();
    EXPECT_TRUE(problems->isHidden());
    dash->close();
}

TEST(ClassResults, TimesNoAttemptCanTakeAreNotShownAsTimes) {
    EXPECT_EQ(durationText(0).toStdString(), "0:00");
    EXPECT_EQ(durationText(95.5).toStdString(), "1:35");
    EXPECT_EQ(durationText(3600).toStdString(), "1:00:00");
    EXPECT_EQ(durationText(1e7).toStdString(), "2777:46:40");  // the longest an attempt file may hold
    for (double bad : {1e19, 1e7 + 1, -8.0, -1e-9, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(durationText(bad).toStdString(), "?") << bad;
    // The table and the student's path follow the same rule.
    AttemptRecord r = record("Sam", "Flat battery", 0, false);
    r.seconds = std::numeric_limits<double>::quiet_NaN();
    r.measurements = {{1e19, "Coolant sensor", "DMM 0.4 V"}, {-153, "Coolant sensor", "DMM 0.5 V"}, {61, "Fan", "DMM 12 V"}};
    EXPECT_EQ(classTableRow(r).value(8).toStdString(), "?");
    EXPECT_TRUE(diagnosticPath(r).endsWith("1.  ?  Coolant sensor:  DMM 0.4 V\n2.  ?  Coolant sensor:  DMM 0.5 V\n3.  1:01  Fan:  DMM 12 V"))
        << diagnosticPath(r).toStdString();
}

TEST(ClassResults, LongFieldsAreShortenedOnScreenAndStayOnTheirLine) {
    AttemptRecord r = record(QString(300, u'S'), "Flat battery", 0, false, QString(500000, u'a'));
    r.measurements.append({12, QString(500000, u'p'), "line one\nline two"});
    const QString path = diagnosticPath(r);
    EXPECT_LT(path.size(), 3000);
    const QStringList lines = path.split('\n');
    ASSERT_EQ(lines.size(), 4);  // the heading, the answer, two measurements
    EXPECT_TRUE(lines[1].startsWith("Answer: aaaaaaaaaa"));
    EXPECT_TRUE(lines[1].contains("more characters)"));
    EXPECT_TRUE(lines[3].endsWith(":  line one line two")) << lines[3].right(40).toStdString();
    for (const QString& cell : classTableRow(r)) EXPECT_LT(cell.size(), 300);
}

TEST(ClassResults, ChartLabelsKeepEveryBarApart) {
    const QString wiring = "Engine temperature sensor - Its wiring";
    const QString ecu = "Engine temperature sensor - Its connection at the ECU";
    // Two that part only at their last letter, and an empty answer.
    const QString sideA = "Engine temperature sensor - Its wiring between the sensor and the ECU, side A";
    const QString sideB = "Engine temperature sensor - Its wiring between the sensor and the ECU, side B";
    const QStringList texts = {wiring, "Fuse", ecu, sideA, sideB, QString(), "Relay"};
    const QStringList labels = chartLabels(texts);
    ASSERT_EQ(labels.size(), texts.size());
    EXPECT_EQ(QSet<QString>(labels.cbegin(), labels.cend()).size(), texts.size()) << labels.join(" | ").toStdString();
    for (const QString& label : labels) {
        EXPECT_FALSE(label.trimmed().isEmpty());
        EXPECT_LE(label.size(), 40) << label.toStdString();
    }
    EXPECT_EQ(labels[1], "Fuse");
    EXPECT_EQ(labels[6], "Relay");
    // A reader tells the two alike-starting answers apart by the words where they part.
    EXPECT_TRUE(labels[0].startsWith("Engine") && labels[0].contains("wiring")) << labels[0].toStdString();
    EXPECT_TRUE(labels[2].startsWith("Engine") && labels[2].contains("connection")) << labels[2].toStdString();
    // An answer with a line break stays one line on the axis, even where that makes it read
    // as another answer.
    const QStringList broken = chartLabels({"Fuse\n2", "Fuse 2"});
    EXPECT_EQ(broken[0], "Fuse 2");
    EXPECT_NE(broken[1], broken[0]);
}

TEST(ClassResults, TheGradebookWritesFormulaLikeNamesAsText) {
    QTemporaryDir dir;
    const QStringList names = {"=HYPERLINK(\"http://x\",\"Sam\")", "+44 Ann", "-Bob", "@Cat", "\tDan",
                               "Eve=Smith", "O'Neil, Fay", "Zoë - Gil", "'Hal"};
    for (int i = 0; i < names.size(); ++i)
        put(dir.filePath(QString("%1.vat").arg(i)), attemptfile::bytesOf(record(names[i], "=SUM(A1:A9)", 90, true), kKey));
    ClassResults results;
    results.load(dir.path(), kKey);
    ASSERT_EQ(results.attempts().size(), names.size());
    const QStringList rows = lines(results.gradebook(results.select(QString(), QString())));
    ASSERT_EQ(rows.size(), names.size() + 1);
    EXPECT_EQ(rows[0], "Student,ID,'=SUM(A1:A9),Attempts marked");
    for (const QString& row : {QString("\"'=HYPERLINK(\"\"http://x\"\",\"\"Sam\"\")\",,90,0"), QString("'+44 Ann,,90,0"),
                               QString("'-Bob,,90,0"), QString("'@Cat,,90,0"), QString("'\tDan,,90,0"),
                               // Names that a spreadsheet reads as text already are written as before.
                               QString("Eve=Smith,,90,0"), QString("\"O'Neil, Fay\",,90,0"), QString("Zoë - Gil,,90,0"),
                               QString("'Hal,,90,0")})
        EXPECT_TRUE(rows.contains(row)) << row.toStdString() << "\n" << rows.join("\n").toStdString();
}
