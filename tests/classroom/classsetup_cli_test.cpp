// `vantorel --class-setup` run as the administrator runs it: a process of its own, without a
// display, its password on standard input; what it writes, keeps, refuses and its exit status.
#include "users/classroom.h"
#include "users/password.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct Outcome {
    int status = -1;
    QByteArray out, err;
};

class ClassSetupCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString data() const { return dir.filePath("data"); }
    QString file() const { return dir.filePath("data/test-etc/classroom.conf"); }
    QString cls() const { return dir.filePath("class"); }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(data())); }

    Outcome run(QStringList args, const QByteArray& input = QByteArray()) {
        QProcess p;
        // No display at all: the command must not need one.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        p.setProcessEnvironment(env);
        args = QStringList{"--class-setup", "--data", data()} + args;
        p.start(VANTOREL_CLASSROOM_PROGRAM, args);
        EXPECT_TRUE(p.waitForStarted());
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        Outcome r;
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }
    ClassroomConfig read() { return ClassroomConfig::read(file()); }
};

}  // namespace

TEST_F(ClassSetupCommand, WritesChecksAndKeepsWhatIsNotGiven) {
    Outcome r = run({"--folder", cls(), "--make-folders", "--password-stdin", "--student-id", "ask"}, "Kettle 7\n");
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("is written")) << r.err.constData();
    EXPECT_FALSE(r.err.contains("Problem:")) << r.err.constData();
    ClassroomConfig c = read();
    ASSERT_EQ(c.state, ClassroomConfig::State::Loaded) << qPrintable(c.problem);
    EXPECT_EQ(c.classFolder, cls());
    EXPECT_GE(c.classKey.size(), ClassroomConfig::kMinKeyLength);
    EXPECT_TRUE(password::matches("Kettle 7", c.passwordHash));
    EXPECT_FALSE(contents(file()).contains("Kettle"));
    EXPECT_TRUE(c.lock);
    EXPECT_EQ(c.studentId, StudentIdSource::Asked);
    EXPECT_TRUE(QFileInfo(cls() + "/attempts").isDir());

    // A second run changes only what it is given.
    const ClassroomConfig before = c;
    r = run({"--lock", "no"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    c = read();
    EXPECT_FALSE(c.lock);
    EXPECT_EQ(c.classKey, before.classKey);
    EXPECT_EQ(c.passwordHash, before.passwordHash);
    EXPECT_EQ(c.classFolder, before.classFolder);
    EXPECT_EQ(c.studentId, StudentIdSource::Asked);
    r = run({"--new-key", "--no-password"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    c = read();
    EXPECT_NE(c.classKey, before.classKey);
    EXPECT_TRUE(c.passwordHash.isEmpty());

    // --check alone: the file and the folder as they are.
    r = run({"--check"});
    EXPECT_EQ(r.status, 0) << r.err.constData();
    ASSERT_TRUE(QDir(cls() + "/attempts").removeRecursively());
    const QByteArray kept = contents(file());
    r = run({"--check"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Problem: The folder \"" + cls().toUtf8() + "/attempts\" is missing")) << r.err.constData();
    EXPECT_EQ(contents(file()), kept);
}

TEST_F(ClassSetupCommand, PrintsInsteadOfWriting) {
    Outcome r = run({"--folder", cls(), "--key", "the key of class 2B, 2026", "--print"});
    // The folder is not there: the text is printed, and the check says what is wrong.
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(QFileInfo::exists(file()));
    const ClassroomConfig printed = ClassroomConfig::parse(r.out, "printed");
    ASSERT_EQ(printed.state, ClassroomConfig::State::Loaded) << r.out.constData();
    EXPECT_EQ(printed.classKey, "the key of class 2B, 2026");
    EXPECT_TRUE(r.err.contains("does not exist")) << r.err.constData();
}

TEST_F(ClassSetupCommand, RefusesWrongCommandLines) {
    const QByteArray none = "<missing>";
    struct Case {
        QStringList args;
        QByteArray says;
    };
    const Case cases[] = {
        {{}, "No class folder is given"},
        {{"--folder", "class"}, "not an absolute path"},
        {{"--folder", "/srv/c", "--password", "secret"}, "--password-stdin"},
        {{"--folder", "/srv/c", "--key", "short"}, "shorter than 16"},
        {{"--folder", "/srv/c", "--key", "sixteen letters!", "--new-key"}, "not both"},
        {{"--folder", "/srv/c", "--lock", "maybe"}, "--lock takes yes or no"},
        {{"--folder", "/srv/c", "--student-id", "name"}, "--student-id takes account or ask"},
        {{"--check", "--folder", "/srv/c"}, "--check stands alone"},
        {{"--folder"}, "--folder needs a value"},
        {{"--folder", "/srv/c", "--colour", "red"}, "unknown option --colour"},
        {{"--folder", "/srv/c", "--password-stdin"}, "no password was given"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, 2) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(r.err.contains(c.says)) << qPrintable(c.args.join(' ')) << ": " << r.err.constData();
        EXPECT_EQ(contents(file()), none) << qPrintable(c.args.join(' '));
    }
}

TEST_F(ClassSetupCommand, LeavesAReadOnlyFile) {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("data/test-etc")));
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("lock = yes\n");
    f.close();
    ::chmod(QFile::encodeName(file()).constData(), 0444);
    const Outcome r = run({"--folder", cls()});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains("read-only")) << r.err.constData();
    EXPECT_TRUE(r.err.contains("--print")) << r.err.constData();
    EXPECT_EQ(contents(file()), "lock = yes\n");
}

TEST_F(ClassSetupCommand, WritesASoundFileOverADamagedOne) {
    // A damaged file lets nobody log in, so the window cannot mend it: the command can.
    ASSERT_TRUE(QDir().mkpath(dir.filePath("data/test-etc")));
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("lock = maybe\nclass key = kept from the damaged file\n");
    f.close();
    const Outcome r = run({"--folder", cls(), "--make-folders"});
    EXPECT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.err.contains("cannot be used (line 1: the lock is neither yes nor no)")) << r.err.constData();
    const ClassroomConfig c = read();
    ASSERT_EQ(c.state, ClassroomConfig::State::Loaded) << qPrintable(c.problem);
    EXPECT_TRUE(c.lock);
    EXPECT_NE(c.classKey, "kept from the damaged file");
}
