// The lesson as it goes: the seats' progress files (written, read back, refused when damaged,
// told apart when stale), the seat's writer and its rules, the dashboard's reading of only what
// changed, and the dashboard watching the class folder.
#include "challenges/attemptfile.h"
#include "challenges/classresults.h"
#include "challenges/frmclassdashboard.h"
#include "challenges/progress.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const QDateTime kNine(QDate(2026, 12, 8), QTime(9, 0, 0));
const QByteArray kKey = "a class key of some length";

ProgressRecord progress(const QString& id, const QString& student, int measurements = 2) {
    ProgressRecord r;
    r.studentId = id;
    r.student = student;
    r.seat = "lab-07";
    r.challenge = "The battery keeps going flat";
    r.started = kNine;
    r.seconds = 95.4;
    r.measurements = measurements;
    r.hints = 1;
    r.guided = 3;
    r.updated = kNine.addSecs(95);
    return r;
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

AttemptRecord attempt(const QString& student, int score) {
    AttemptRecord r;
    r.id = student + QString::number(score);
    r.student = student;
    r.challenge = "Flat battery";
    r.started = kNine;
    r.seconds = 60;
    r.answer = "Alternator - The part itself";
    r.right = true;
    r.score = score;
    return r;
}


}  // namespace

TEST(ProgressFile, WhatASeatWritesIsReadBack) {
    ProgressRecord r = progress(QString::fromUtf8("jürgen.o'neil"), QString::fromUtf8("Jürgen O'Neil 点火"), 7);
    r.state = ProgressRecord::State::Finished;
    ProgressRecord back;
    QString problem;
    ASSERT_TRUE(progressfile::parse(progressfile::bytesOf(r), &back, &problem)) << problem.toStdString();
    EXPECT_EQ(back.studentId, r.studentId);
    EXPECT_EQ(back.student, r.student);
    EXPECT_EQ(back.seat, "lab-07");
    EXPECT_EQ(back.challenge, "The battery keeps going flat");
    EXPECT_EQ(back.started, kNine);
    EXPECT_EQ(back.updated, kNine.addSecs(95));
    EXPECT_EQ(back.seconds, 95);  // whole seconds
    EXPECT_EQ(back.measurements, 7);
    EXPECT_EQ(back.hints, 1);
    EXPECT_EQ(back.guided, 3);
    EXPECT_EQ(back.state, ProgressRecord::State::Finished);
    // A seat whose classroom asks for an id not typed yet is known by its name.
    ASSERT_TRUE(progressfile::parse(progressfile::bytesOf(progress("", "Sam")), &back, &problem));
    EXPECT_TRUE(back.studentId.isEmpty());
}

TEST(ProgressFile, DamagedFilesAreRefusedWithAReason) {
    const QJsonObject good = QJsonDocument::fromJson(progressfile::bytesOf(progress("sam", "Sam"))).object();
    auto with = [&](const char* name, const QJsonValue& value) {
        QJsonObject o = good;
        if (value.isUndefined()) o.remove(name);
        else o.insert(name, value);
        return QJsonDocument(o).toJson();
    };
    auto problemOf = [](const QByteArray& bytes) {
        ProgressRecord r;
        QString problem;
        EXPECT_FALSE(progressfile::parse(bytes, &r, &problem)) << bytes.left(200).constData();
        return problem.toStdString();
    };
    EXPECT_EQ(problemOf(""), "The file is empty.");
    EXPECT_EQ(problemOf(" \n"), "The file is empty.");
    const QByteArray whole = progressfile::bytesOf(progress("sam", "Sam"));
    EXPECT_EQ(problemOf(whole.left(whole.size() - 3)),
              "The file is not a progress file: it is not a JSON object (it may be cut short or damaged).");
    EXPECT_EQ(problemOf("[1, 2]"), "The file is not a progress file: it is not a JSON object (it may be cut short or damaged).");
    EXPECT_EQ(problemOf(attemptfile::bytesOf(attempt("Sam", 90), kKey)),
              "The file is not a progress file: its format is not \"Vantorel progress\".");
    EXPECT_EQ(problemOf(with("version", 2)), "The file is of version 2; this program reads version 1.");
    EXPECT_EQ(problemOf(with("version", "1")), "The file gives no version.");
    EXPECT_EQ(problemOf(with("state", "paused")), "The file lacks a usable state.");
    EXPECT_EQ(problemOf(with("measurements", -1)), "The file lacks a usable measurements.");
    EXPECT_EQ(problemOf(with("hints", 1e308)), "The file lacks a usable hints.");
    EXPECT_EQ(problemOf(with("seconds", "lots")), "The file lacks a usable seconds.");
    EXPECT_EQ(problemOf(with("challenge", QJsonValue(QJsonValue::Undefined))), "The file lacks a usable challenge.");
    EXPECT_EQ(problemOf(with("updated", "yesterday")), "The file lacks a usable updated.");
    EXPECT_EQ(problemOf(with("student", QString(10000, 'x'))), "The file lacks a usable student.");
    {
        QJsonObject o = good;
        o.insert("student id", "");
        o.insert("student", " ");
        EXPECT_EQ(problemOf(QJsonDocument(o).toJson()), "The file lacks a usable student.");  // nobody at all
    }
    EXPECT_EQ(problemOf(QByteArray(100 * 1024, ' ') + whole), "The file is larger than 64 KB.");
}

TEST(ProgressFile, EachSeatHasAFileOfItsOwnThatANameCannotMoveOrHide) {
    const QString a = progressfile::fileNameOf("sam", "lab-07");
    EXPECT_EQ(a, "sam lab-07.vpr");
    EXPECT_NE(a, progressfile::fileNameOf("sam", "lab-08"));  // one student at two seats
    EXPECT_NE(a, progressfile::fileNameOf("ann", "lab-07"));
    for (const QString& id : {QString("../../etc/passwd"), QString(".hidden"), QString("a/b\\c"), QString("x\n\ty"), QString()}) {
        const QString name = progressfile::fileNameOf(id, "../seat");
        EXPECT_FALSE(name.contains('/')) << name.toStdString();
        EXPECT_FALSE(name.contains('\\')) << name.toStdString();
        EXPECT_FALSE(name.startsWith('.')) << name.toStdString();
        EXPECT_FALSE(name.contains('\n')) << name.toStdString();
        EXPECT_TRUE(name.endsWith(".vpr")) << name.toStdString();
    }
}

TEST(ProgressWriter, WritesAtEachStepAndAtMostEveryFewSecondsOnTheClock) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("class/attempts"));
    ProgressWriter w(dir.filePath("class"));
    ProgressRecord r = progress("sam", "Sam", 0);
    w.start(r, 100);
    const QString file = dir.filePath("class/progress/sam lab-07.vpr");
    ASSERT_EQ(w.file(), file);
    ASSERT_EQ(w.writes(), 1) << w.lastProblem().toStdString();
    auto read = [&] {
        ProgressRecord back;
        QString problem;
        EXPECT_TRUE(progressfile::parse(contents(file), &back, &problem)) << problem.toStdString();
        return back;
    };
    EXPECT_EQ(read().state, ProgressRecord::State::Running);
    r.seconds = 3;
    w.tick(r, 103);  // under five seconds since the last write
    EXPECT_EQ(w.writes(), 1);
    r.measurements = 1;
    w.changed(r, 103.5);  // a measurement is written at once
    EXPECT_EQ(w.writes(), 2);
    EXPECT_EQ(read().measurements, 1);
    w.tick(r, 108);
    EXPECT_EQ(w.writes(), 2);
    r.seconds = 8.6;
    w.tick(r, 108.5);
    EXPECT_EQ(w.writes(), 3);
    EXPECT_EQ(read().seconds, 9);
    w.finish(r, 110);
    EXPECT_EQ(read().state, ProgressRecord::State::Finished);
    EXPECT_FALSE(w.running());
    w.tick(r, 200);
    w.changed(r, 200);
    EXPECT_EQ(w.writes(), 4);  // nothing after the end
    EXPECT_EQ(QDir(dir.filePath("class/progress")).entryList(QDir::Files | QDir::Hidden), QStringList({"sam lab-07.vpr"}));
}

TEST(ProgressWriter, ASeatOutOfReachSkipsQuietlyAndLeavesLinksAndReadOnlyFilesAlone) {
    QTemporaryDir dir;
    // Not mounted: the class folder without its attempts folder gets nothing of the seat's.
    QDir().mkpath(dir.filePath("class"));
    ProgressWriter w(dir.filePath("class"));
    w.start(progress("sam", "Sam"), 0);
    EXPECT_EQ(w.writes(), 0);
    EXPECT_FALSE(w.lastProblem().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("class/progress")));
    // Back: the next write goes through.
    QDir().mkpath(dir.filePath("class/attempts"));
    w.tick(progress("sam", "Sam"), 5);
    EXPECT_EQ(w.writes(), 1);
    EXPECT_TRUE(w.lastProblem().isEmpty());
    // The folder it made takes every seat's file, and keeps each seat's own.
    EXPECT_EQ(QFileInfo(dir.filePath("class/progress")).permissions() & QFileDevice::WriteOther, QFileDevice::WriteOther);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(dir.filePath("class/progress")).constData(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_ISVTX);
    w.finish(progress("sam", "Sam"), 6);

    // A file made read-only is not replaced.
    const QString mine = dir.filePath("class/progress/sam lab-07.vpr");
    put(mine, "kept");
    QFile::setPermissions(mine, QFileDevice::ReadOwner);
    ProgressWriter again(dir.filePath("class"));
    again.start(progress("sam", "Sam"), 0);
    EXPECT_EQ(again.writes(), 0);
    EXPECT_FALSE(again.lastProblem().isEmpty());
    EXPECT_EQ(contents(mine), "kept");
    QFile::setPermissions(mine, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // A link in the file's place (planted to make the seat write elsewhere) is neither followed
    // nor replaced.
    QFile::remove(mine);
    put(dir.filePath("elsewhere"), "not the seat's");
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere"), mine));
    ProgressWriter linked(dir.filePath("class"));
    linked.start(progress("sam", "Sam"), 0);
    EXPECT_EQ(linked.writes(), 0);
    EXPECT_TRUE(QFileInfo(mine).isSymLink());
    EXPECT_EQ(contents(dir.filePath("elsewhere")), "not the seat's");

    // No class folder: nothing at all.
    ProgressWriter none;
    none.start(progress("sam", "Sam"), 0);
    EXPECT_FALSE(none.running());
    EXPECT_EQ(none.writes(), 0);
}

TEST(ProgressBoard, ReadsOnlyWhatChangedAndTellsStaleSeatsApart) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("progress");
    ProgressBoard board;
    const QDateTime now = kNine.addSecs(100);
    // No seat has started yet: no folder, and that is no problem.
    EXPECT_FALSE(board.poll(folder, now));
    EXPECT_TRUE(board.entries().isEmpty());
    EXPECT_TRUE(board.folderProblem().isEmpty());

    QDir().mkpath(folder);
    ProgressRecord sam = progress("sam", "Sam");
    sam.updated = now.addSecs(-5);
    ProgressRecord ann = progress("ann", "Ann");
    ann.seat = "lab-02";
    ann.updated = now.addSecs(-600);  // left ten minutes ago
    ProgressRecord bob = progress("bob", "Bob");
    bob.updated = now.addSecs(-600);
    bob.state = ProgressRecord::State::Finished;
    ProgressRecord eve = progress("eve", "Eve");
    eve.updated = now.addSecs(3600);  // a seat whose clock is an hour ahead
    for (const ProgressRecord& r : {sam, ann, bob, eve})
        put(QDir(folder).filePath(progressfile::fileNameOf(r.studentId, r.seat)), progressfile::bytesOf(r));
    put(QDir(folder).filePath("broken.vpr"), "{\"format\": \"Vantorel progress\"");
    put(QDir(folder).filePath(".sam lab-07.vpr.Ab12Cd"), progressfile::bytesOf(sam));  // a write in progress
    put(QDir(folder).filePath("notes.txt"), "not a progress file");

    EXPECT_TRUE(board.poll(folder, now));
    EXPECT_EQ(board.filesRead(), 5);
    ASSERT_EQ(board.entries().size(), 4);
    QStringList order;
    for (const auto& e : board.entries()) order << e.record.student;
    EXPECT_EQ(order, QStringList({"Ann", "Bob", "Eve", "Sam"}));
    ASSERT_EQ(board.problems().size(), 1);
    EXPECT_EQ(board.problems()[0].file, "broken.vpr");
    EXPECT_TRUE(board.problems()[0].problem.contains("cut short")) << board.problems()[0].problem.toStdString();
    auto entry = [&](const QString& student) {
        for (const auto& e : board.entries())
            if (e.record.student == student) return e;
        ADD_FAILURE() << student.toStdString();
        return ProgressBoard::Entry();
    };
    EXPECT_TRUE(ProgressBoard::stale(entry("Ann"), now));
    EXPECT_FALSE(ProgressBoard::stale(entry("Sam"), now));
    EXPECT_FALSE(ProgressBoard::stale(entry("Bob"), now));  // finished: not stuck, done
    EXPECT_EQ(entry("Eve").lastSeen, now);                  // not believed beyond now
    EXPECT_FALSE(ProgressBoard::forgotten(entry("Ann"), now));
    EXPECT_TRUE(ProgressBoard::forgotten(entry("Bob"), now.addSecs(8 * 3600)));  // a lesson of another day
    // Two minutes on without a change: Sam and Eve are not seen any more.
    const QDateTime later = now.addSecs(progressfile::kStaleSeconds);
    EXPECT_FALSE(board.poll(folder, later));
    EXPECT_EQ(board.filesRead(), 5);  // nothing read again
    EXPECT_TRUE(ProgressBoard::stale(entry("Sam"), later));
    EXPECT_TRUE(ProgressBoard::stale(entry("Eve"), later));
    // Sam measures again: that file alone is read, and Sam is seen now.
    sam.measurements = 3;
    sam.updated = later;
    put(QDir(folder).filePath("sam lab-07.vpr"), progressfile::bytesOf(sam));
    EXPECT_TRUE(board.poll(folder, later));
    EXPECT_EQ(board.filesRead(), 6);
    EXPECT_EQ(entry("Sam").record.measurements, 3);
    EXPECT_FALSE(ProgressBoard::stale(entry("Sam"), later));
    // A file gone is gone from the board, a damaged one mended is on it.
    QFile::remove(QDir(folder).filePath("ann lab-02.vpr"));
    put(QDir(folder).filePath("broken.vpr"), progressfile::bytesOf(progress("zoe", "Zoe")));
    EXPECT_TRUE(board.poll(folder, later));
    EXPECT_EQ(board.entries().size(), 4);
    EXPECT_TRUE(board.problems().isEmpty());

    // A folder that cannot be listed is a problem, and the board keeps what it read.
    QFile::setPermissions(folder, QFileDevice::Permissions());
    {
        WithoutRootsReach asAUser;
        EXPECT_TRUE(board.poll(folder, later));
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(board.folderProblem().contains("cannot be listed")) << board.folderProblem().toStdString();
    EXPECT_EQ(board.entries().size(), 4);
    EXPECT_TRUE(board.poll(folder, later));
    EXPECT_TRUE(board.folderProblem().isEmpty());
    // The share drops: the folder is not there, which once read is a problem, not an empty class.
    ASSERT_TRUE(QDir().rename(folder, folder + ".away"));
    EXPECT_TRUE(board.poll(folder, later));
    EXPECT_EQ(board.folderProblem(), "The progress folder cannot be found.");
    EXPECT_EQ(board.entries().size(), 4);
    ASSERT_TRUE(QDir().rename(folder + ".away", folder));
    EXPECT_TRUE(board.poll(folder, later));
    EXPECT_TRUE(board.folderProblem().isEmpty());
    EXPECT_EQ(board.entries().size(), 4);
}

TEST(ClassResults, AnUpdateReadsOnlyNewOrChangedFilesAndKeepsTheRest) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("attempts");
    QDir().mkpath(folder);
    auto hand = [&](const AttemptRecord& r) { put(QDir(folder).filePath(attemptfile::fileNameOf(r)), attemptfile::bytesOf(r, kKey)); };
    hand(attempt("Ann", 70));
    hand(attempt("Bob", 80));
    ClassResults results;
    results.load(folder, kKey);
    ASSERT_EQ(results.attempts().size(), 2);
    EXPECT_EQ(results.filesRead(), 2);
    EXPECT_EQ(results.update(folder, kKey), 0);
    EXPECT_EQ(results.filesRead(), 2);

    hand(attempt("Cat", 90));
    EXPECT_EQ(results.update(folder, kKey), 1);
    EXPECT_EQ(results.filesRead(), 3);
    EXPECT_EQ(results.students(), QStringList({"Ann", "Bob", "Cat"}));
    // The same order as a reading of the whole folder.
    ClassResults whole;
    whole.load(folder, kKey);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(results.attempts()[i].file, whole.attempts()[i].file);

    // A file changed in place is read again and replaces its attempt (not a second one).
    const QString bobs = QDir(folder).filePath(attemptfile::fileNameOf(attempt("Bob", 80)));
    put(bobs, contents(bobs).replace("\"score\": 80", "\"score\": 100"));
    EXPECT_EQ(results.update(folder, kKey), 1);
    ASSERT_EQ(results.attempts().size(), 3);
    EXPECT_EQ(results.attempts()[1].score, 100);
    EXPECT_EQ(results.attempts()[1].check, AttemptRecord::Check::Failed);
    // Damaged now: out of the attempts, into the problems; gone: out of both.
    const QString anns = QDir(folder).filePath(attemptfile::fileNameOf(attempt("Ann", 70)));
    put(anns, "{");
    EXPECT_EQ(results.update(folder, kKey), 1);
    EXPECT_EQ(results.students(), QStringList({"Bob", "Cat"}));
    ASSERT_EQ(results.problems().size(), 1);
    QFile::remove(anns);
    QFile::remove(bobs);
    EXPECT_EQ(results.update(folder, kKey), 2);
    EXPECT_EQ(results.students(), QStringList({"Cat"}));
    EXPECT_TRUE(results.problems().isEmpty());

    // Away for a moment (a share that drops): what was read stays, and the reason is given.
    ASSERT_TRUE(QDir().rename(folder, folder + ".away"));
    EXPECT_GT(results.update(folder, kKey), 0);
    EXPECT_EQ(results.folderProblem(), "The folder cannot be found.");
    EXPECT_EQ(results.students(), QStringList({"Cat"}));
    ASSERT_TRUE(QDir().rename(folder + ".away", folder));
    EXPECT_GT(results.update(folder, kKey), 0);
    EXPECT_TRUE(results.folderProblem().isEmpty());
    EXPECT_TRUE(results.problems().isEmpty());
    EXPECT_EQ(results.students(), QStringList({"Cat"}));
}

TEST(ClassDashboard, WatchesTheClassFolderWithoutARefresh) {
    QTemporaryDir dir;
    const QString attempts = dir.filePath("class/attempts"), progressFolder = dir.filePath("class/progress");
    QDir().mkpath(attempts);
    put(QDir(attempts).filePath(attemptfile::fileNameOf(attempt("Ann", 70))), attemptfile::bytesOf(attempt("Ann", 70), kKey));
    frmClassDashboard* dash = frm<frmClassDashboard>();
    testEvents().clear();
    dash->openFolder(attempts, kKey, progressFolder);
    const auto* live = dash->findChild<QTableWidget*>("grdLive");
    const auto* table = dash->findChild<QTableWidget*>("grdAttempts");
    const auto* lblLive = dash->findChild<QLabel*>("lblLive");
    ASSERT_TRUE(live && table && lblLive);
    EXPECT_EQ(live->rowCount(), 0);
    EXPECT_TRUE(lblLive->text().startsWith("Working now: no student has started a challenge yet.")) << lblLive->text().toStdString();
    dash->grdAttempts_DblClick(0);
    const auto* path = dash->findChild<QPlainTextEdit*>("txtPath");
    ASSERT_TRUE(path);
    const QString annsPath = path->toPlainText();
    ASSERT_FALSE(annsPath.isEmpty());

    // Bob starts: he shows within one watch, with his measurements so far.
    QDir().mkpath(progressFolder);
    ProgressRecord bob = progress("bob", "Bob", 4);
    bob.updated = platform().now();
    put(QDir(progressFolder).filePath("bob lab-07.vpr"), progressfile::bytesOf(bob));
    dash->tmrWatch_Timer();
    ASSERT_EQ(live->rowCount(), 1);
    EXPECT_EQ(live->item(0, 0)->text(), "Bob (bob)");
    EXPECT_EQ(live->item(0, 5)->text(), "4");
    EXPECT_EQ(live->item(0, 8)->text(), "Working");
    EXPECT_TRUE(lblLive->text().startsWith("Working now: 1 student working")) << lblLive->text().toStdString();

    // He hands in: the attempt is in the table; the path the instructor was reading stays.
    bob.state = ProgressRecord::State::Finished;
    put(QDir(progressFolder).filePath("bob lab-07.vpr"), progressfile::bytesOf(bob));
    put(QDir(attempts).filePath(attemptfile::fileNameOf(attempt("Bob", 85))), attemptfile::bytesOf(attempt("Bob", 85), kKey));
    dash->tmrWatch_Timer();
    EXPECT_EQ(dash->results().attempts().size(), 2);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(live->item(0, 8)->text(), "Finished");
    EXPECT_EQ(path->toPlainText(), annsPath);
    // The watch never brings up a message, even for a damaged file; the line under the table says so.
    put(QDir(attempts).filePath("damaged.vat"), "{");
    dash->tmrWatch_Timer();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_TRUE(dash->findChild<QLabel*>("lblProblems")->text().startsWith("1 file of the folder could not be read"));
    // The share drops for a moment: the attempts read stay, and the window says why nothing new comes.
    ASSERT_TRUE(QDir().rename(dir.filePath("class"), dir.filePath("away")));
    dash->tmrWatch_Timer();
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(dash->findChild<QLabel*>("lblProblems")->text(),
              "The attempts folder cannot be read now: The folder cannot be found. The 2 attempts shown were read before.");
    EXPECT_TRUE(lblLive->text().startsWith("Working now: the attempts in progress cannot be read now: The progress folder cannot be found."))
        << lblLive->text().toStdString();
    EXPECT_EQ(live->rowCount(), 1);
    EXPECT_TRUE(takeMessages().isEmpty());
    ASSERT_TRUE(QDir().rename(dir.filePath("away"), dir.filePath("class")));
    dash->tmrWatch_Timer();
    EXPECT_TRUE(lblLive->text().startsWith("Working now: 0 students working")) << lblLive->text().toStdString();
    dash->close();
}
