// Setting up a class: the file made from the choices reads back as they meant, a password typed
// twice, the check of a class folder and of a file, making the class's folders, and writing the
// file where a read-only file or a link must be left as they are.
#include "users/classroom.h"
#include "users/classroomsetup.h"
#include "users/password.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using classsetup::Finding;

namespace {

// "Right 1" with 1000 iterations, made with Python's hashlib.pbkdf2_hmac.
const QString kHash = "pbkdf2-sha256$1000$Y2xhc3Nyb29tLXNhbHQtMQ==$Wh5xpirvww60uEIlKIc/yotRomTbxzi3iSJc61luGIc=";

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

// The findings of a level, as one text each.
QStringList at(const classsetup::Report& r, Finding::Level level) {
    QStringList out;
    for (const Finding& f : r.findings)
        if (f.level == level) out << f.text;
    return out;
}


}  // namespace

TEST(ClassSetupText, ReadsBackAsChosen) {
    // Every combination of the choices the file can carry comes back from the reader unchanged.
    for (bool lock : {true, false})
        for (StudentIdSource id : {StudentIdSource::Account, StudentIdSource::Asked})
            for (const QString& hash : {QString(), kHash})
                for (const QString& key : {QString(), QString("sixteen letters!"), classsetup::newClassKey()}) {
                    classsetup::Choices c;
                    c.classFolder = "/srv/vantorel/class 2b";
                    c.classKey = key;
                    c.passwordHash = hash;
                    c.lock = lock;
                    c.studentId = id;
                    ASSERT_TRUE(classsetup::choiceProblems(c).isEmpty()) << qPrintable(classsetup::choiceProblems(c).join(' '));
                    const ClassroomConfig read = ClassroomConfig::parse(classsetup::fileText(c), "/etc/x.conf");
                    ASSERT_EQ(read.state, ClassroomConfig::State::Loaded) << qPrintable(read.problem);
                    EXPECT_EQ(read.classFolder, c.classFolder);
                    EXPECT_EQ(QString::fromUtf8(read.classKey), key);
                    EXPECT_EQ(read.passwordHash, hash);
                    EXPECT_EQ(read.lock, lock);
                    EXPECT_EQ(read.studentId, id);
                    // And the window opens with what it wrote.
                    const classsetup::Choices again = classsetup::fromConfig(read);
                    EXPECT_EQ(again.classKey, key);
                    EXPECT_EQ(again.passwordHash, hash);
                }
}

TEST(ClassSetupText, RefusesWhatWouldReadOtherwise) {
    classsetup::Choices c;
    c.classFolder = "/srv/class";
    c.classKey = "a key long enough for a class";
    EXPECT_TRUE(classsetup::choiceProblems(c).isEmpty());

    // Each of these would be read as something else than meant, or refused by every seat.
    auto problems = [&](auto change) {
        classsetup::Choices d = c;
        change(d);
        return classsetup::choiceProblems(d);
    };
    EXPECT_EQ(problems([](auto& d) { d.classFolder.clear(); }).size(), 1);
    EXPECT_EQ(problems([](auto& d) { d.classFolder = "class-2b"; }).size(), 1);
    EXPECT_EQ(problems([](auto& d) { d.classFolder = "/srv/class\nlock = no"; }).size(), 1);
    EXPECT_EQ(problems([](auto& d) { d.classKey = "fifteen letters"; }).size(), 1);
    EXPECT_TRUE(problems([](auto& d) { d.classKey = "sixteen letters!"; }).isEmpty());
    // The reader trims a value: a key ending in a blank would not be the key the seats check with.
    EXPECT_EQ(problems([](auto& d) { d.classKey = "a key long enough "; }).size(), 1);
    EXPECT_EQ(problems([](auto& d) { d.passwordHash = "Right 1"; }).size(), 1);
    EXPECT_EQ(problems([](auto& d) { d.passwordHash = "pbkdf2-sha256$1000$c2FsdA==$"; }).size(), 1);
}

TEST(ClassSetupText, NewKeysAreLongEnoughAndDiffer) {
    const QString a = classsetup::newClassKey(), b = classsetup::newClassKey();
    EXPECT_GE(a.size(), 32);
    EXPECT_NE(a, b);
    for (QChar ch : a) EXPECT_TRUE(ch.isLetterOrNumber()) << qPrintable(a);
}

TEST(ClassSetupPassword, TypedTwice) {
    EXPECT_TRUE(classsetup::hashTyped("", "").hash.isEmpty());
    EXPECT_TRUE(classsetup::hashTyped("", "").problem.isEmpty());
    for (auto [first, second] : {std::pair<QString, QString>{"Kettle 7", "Kettle 8"}, {"Kettle 7", ""}, {"", "Kettle 7"}}) {
        const classsetup::TypedPassword t = classsetup::hashTyped(first, second, 1000);
        EXPECT_TRUE(t.hash.isEmpty());
        EXPECT_FALSE(t.problem.isEmpty());
    }
    const classsetup::TypedPassword t = classsetup::hashTyped("Zündkerze 7", "Zündkerze 7", 1000);
    EXPECT_TRUE(t.problem.isEmpty());
    EXPECT_FALSE(t.hash.contains("Zündkerze"));
    EXPECT_TRUE(password::isHash(t.hash));
    EXPECT_TRUE(password::matches("Zündkerze 7", t.hash));
    EXPECT_FALSE(password::matches("Zundkerze 7", t.hash));
}

TEST(ClassSetupCheck, ClassFolder) {
    QTemporaryDir dir;
    const QString cls = dir.filePath("class");
    EXPECT_TRUE(classsetup::checkFolder("").hasProblems());
    EXPECT_TRUE(classsetup::checkFolder("class").hasProblems());
    const classsetup::Report missing = classsetup::checkFolder(cls);
    ASSERT_EQ(at(missing, Finding::Level::Problem).size(), 1);
    EXPECT_TRUE(at(missing, Finding::Level::Problem)[0].contains("does not exist"));

    // Each missing folder is named with what to do about it.
    ASSERT_TRUE(QDir().mkpath(cls + "/challenges"));
    QStringList problems = at(classsetup::checkFolder(cls), Finding::Level::Problem);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(cls + "/attempts\" is missing")) << qPrintable(problems[0]);
    EXPECT_TRUE(problems[0].contains("mkdir -m 1777")) << qPrintable(problems[0]);

    put(cls + "/attempts", "not a folder");
    problems = at(classsetup::checkFolder(cls), Finding::Level::Problem);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains("is not a folder"));
    QFile::remove(cls + "/attempts");

    // Who may write in attempts/: its owner alone, everyone without the sticky bit, as /tmp.
    ASSERT_TRUE(QDir().mkpath(cls + "/attempts"));
    ::chmod(QFile::encodeName(cls + "/attempts").constData(), 0755);
    classsetup::Report r = classsetup::checkFolder(cls);
    EXPECT_FALSE(r.hasProblems());
    ASSERT_EQ(at(r, Finding::Level::Warning).size(), 1);
    EXPECT_TRUE(at(r, Finding::Level::Warning)[0].contains("chmod 1777"));
    ::chmod(QFile::encodeName(cls + "/attempts").constData(), 0777);
    r = classsetup::checkFolder(cls);
    ASSERT_EQ(at(r, Finding::Level::Warning).size(), 1);
    EXPECT_TRUE(at(r, Finding::Level::Warning)[0].contains("chmod +t"));
    ::chmod(QFile::encodeName(cls + "/attempts").constData(), 01777);
    r = classsetup::checkFolder(cls);
    EXPECT_TRUE(at(r, Finding::Level::Warning).isEmpty());
    EXPECT_EQ(at(r, Finding::Level::Good).size(), 2);
    // The trial of the write leaves nothing behind.
    EXPECT_TRUE(QDir(cls + "/attempts").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());

    // A folder this account cannot write in is a problem, whatever its name says.
    ::chmod(QFile::encodeName(cls + "/challenges").constData(), 0555);
    {
        WithoutRootsReach notRoot;
        problems = at(classsetup::checkFolder(cls), Finding::Level::Problem);
    }
    ::chmod(QFile::encodeName(cls + "/challenges").constData(), 0755);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains("This account cannot write in \"" + cls + "/challenges\"")) << qPrintable(problems[0]);
}

TEST(ClassSetupCheck, File) {
    QTemporaryDir dir;
    const QString path = dir.filePath("classroom.conf");
    EXPECT_TRUE(classsetup::checkFile(path).hasProblems());
    put(path, "lock = maybe\n");
    const classsetup::Report damaged = classsetup::checkFile(path);
    ASSERT_EQ(at(damaged, Finding::Level::Problem).size(), 1);
    EXPECT_TRUE(at(damaged, Finding::Level::Problem)[0].contains("line 1: the lock is neither yes nor no"));

    // A file that only locks the password is sound, with warnings for what it leaves out.
    put(path, ("password = " + kHash + "\n").toUtf8());
    classsetup::Report r = classsetup::checkFile(path);
    EXPECT_FALSE(r.hasProblems()) << qPrintable(r.text());
    EXPECT_EQ(at(r, Finding::Level::Warning).size(), 2) << qPrintable(r.text());  // no key, no class folder

    // Its class folder is checked with it.
    put(path, ("class folder = " + dir.filePath("class") + "\nclass key = sixteen letters!\n").toUtf8());
    r = classsetup::checkFile(path);
    EXPECT_TRUE(r.hasProblems());
    EXPECT_TRUE(r.text().contains("Problem: The class folder \"" + dir.filePath("class") + "\" does not exist")) << qPrintable(r.text());
    EXPECT_EQ(classsetup::makeClassFolders(dir.filePath("class")), QString());
    r = classsetup::checkFile(path);
    EXPECT_FALSE(r.hasProblems()) << qPrintable(r.text());
    EXPECT_EQ(modeOf(dir.filePath("class/attempts")), 01777u);
}

TEST(ClassSetupFolders, LeavesWhatIsInTheWay) {
    QTemporaryDir dir;
    const QString cls = dir.filePath("class");
    ASSERT_TRUE(QDir().mkpath(cls));
    put(cls + "/attempts", "someone's file");
    const QString failed = classsetup::makeClassFolders(cls);
    EXPECT_TRUE(failed.contains(cls + "/attempts")) << qPrintable(failed);
    EXPECT_EQ(contents(cls + "/attempts"), "someone's file");
    EXPECT_TRUE(QFileInfo(cls + "/challenges").isDir());
    EXPECT_FALSE(classsetup::makeClassFolders("relative/class").isEmpty());
}

TEST(ClassSetupWrite, NewReadOnlyAndLinked) {
    QTemporaryDir dir;
    const QByteArray text = "# Vantorel classroom\nclass folder = /srv/class\nlock = yes\n";

    // A new file in a folder not there yet; every account can read it, whatever the umask.
    const QString path = dir.filePath("etc/vantorel/classroom.conf");
    const mode_t mask = ::umask(077);
    const QString failed = classsetup::writeClassroomFile(path, text);
    ::umask(mask);
    EXPECT_EQ(failed, QString());
    EXPECT_EQ(contents(path), text);
    EXPECT_EQ(modeOf(path) & 0444, 0444u);

    // A read-only file is left as it is, and the message says so.
    const QString readOnly = dir.filePath("readonly.conf");
    put(readOnly, "lock = yes\n");
    ::chmod(QFile::encodeName(readOnly).constData(), 0444);
    const QString refused = classsetup::writeClassroomFile(readOnly, text);
    EXPECT_TRUE(refused.contains("read-only")) << qPrintable(refused);
    EXPECT_EQ(contents(readOnly), "lock = yes\n");

    // A link stays a link, and the file it leads to gets the text.
    const QString target = dir.filePath("shared.conf");
    put(target, "lock = no\n");
    const QString link = dir.filePath("link.conf");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(classsetup::writeClassroomFile(link, text), QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contents(target), text);

    // A folder where the file should be is no file to replace.
    ASSERT_TRUE(QDir().mkpath(dir.filePath("folder.conf/inside")));
    const QString folder = classsetup::writeClassroomFile(dir.filePath("folder.conf"), text);
    EXPECT_TRUE(folder.contains("is a folder")) << qPrintable(folder);
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.conf/inside")).isDir());

    // A folder that cannot be made: said, nothing written.
    put(dir.filePath("blocked"), "a file");
    const QString noFolder = classsetup::writeClassroomFile(dir.filePath("blocked/classroom.conf"), text);
    EXPECT_FALSE(noFolder.isEmpty());
    EXPECT_EQ(contents(dir.filePath("blocked")), "a file");
}
