// The classroom: the password's hash and the room's lock, the attempt files and their check,
// handing in through an outage, thirty seats at once, and the dashboard's figures.
#include "challenges/classfolder.h"
#include "challenges/classresults.h"
#include "users/classroom.h"
#include "users/password.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
                                     "huge.vat: The file is larger than 1 MB.",
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

TEST(ClassFolder, ThirtySeatsHandInAtOnce) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("class/attempts"));
    QList<QProcess*> seats;
    for (int i = 0; i < 30; ++i) {
        auto* p = new QProcess;
        p->start(CLASS_SUBMIT, {dir.filePath("class"), dir.filePath(QString("outbox%1").arg(i)), QString(kKey),
                                QString("Student %1").arg(i, 2, 10, QLatin1Char('0')), "1"});
        seats << p;
    }
    for (QProcess* p : seats) {
        EXPECT_TRUE(p->waitForFinished(30000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
        delete p;
    }
    ClassResults results;
    results.load(dir.filePath("class/attempts"), kKey);
    EXPECT_TRUE(results.problems().isEmpty());
    ASSERT_EQ(results.attempts().size(), 30);
    EXPECT_EQ(results.students().size(), 30);
    for (const AttemptRecord& r : results.attempts()) {
        EXPECT_EQ(r.check, AttemptRecord::Check::Good) << r.file.toStdString();
        ASSERT_EQ(r.measurements.size(), 20);
        EXPECT_EQ(r.measurements.last().reading, r.student);  // nothing of another seat's
    }
    EXPECT_EQ(QDir(dir.filePath("class/attempts")).entryList(QDir::Files | QDir::Hidden).size(), 30);
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
    EXPECT_EQ(results.gradebook(every), "Student,Battery,Starter,Attempts marked\r\n"
                                        "Ann,0,0,0\r\n"
                                        "Bob,,100,1\r\n"
                                        "Sam,85,,0\r\n");
    EXPECT_EQ(results.gradebook(results.select("Battery", QString())), "Student,Battery,Attempts marked\r\nAnn,0,0\r\nSam,85,0\r\n");
}
