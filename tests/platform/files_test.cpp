// The atomic write where names are long, links lead round in a loop, and runs are killed or
// lose their folder part-way: nothing but the target changes, no temporary file stays behind.
#include "testing.h"

#include "platform/files.h"
#include "platform/vbtypes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QStringList hidden(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(QRegularExpression("^\\."));
}

QString describe(const std::function<void()>& f) {
    try {
        f();
    } catch (const VbError& e) {
        return QString::number(e.number) + " " + e.description;
    }
    return "no error";
}

bool isLinkTo(const QString& link, const QString& target) {
    return QFileInfo(link).isSymLink() && QFile::symLinkTarget(link) == QFileInfo(target).absoluteFilePath();
}

}  // namespace

TEST(AtomicWrite, NamesUpToTheLongestTheFolderTakesAreWritten) {
    QTemporaryDir dir;
    // 248 to 255 bytes: the name itself fits, the name with eight letters more would not.
    for (int size : {248, 251, 255}) {
        const QString path = dir.filePath(QString(size - 4, 'c') + ".msf");
        EXPECT_EQ(describe([&] { writeFileAtomic(path, "first\r\n"); }), "no error") << size;
        EXPECT_EQ(describe([&] { writeFileAtomic(path, "second\r\n"); }), "no error") << size << " (replacing it)";
        EXPECT_EQ(contents(path), "second\r\n") << size;
    }
    // Two-byte letters: the temporary's name is cut at a whole letter.
    const QString accented = dir.filePath(QString(125, QChar(0xE9)) + ".msf");
    ASSERT_EQ(QFile::encodeName(QFileInfo(accented).fileName()).size(), 254);
    EXPECT_EQ(describe([&] { writeFileAtomic(accented, "é\r\n"); }), "no error");
    EXPECT_EQ(contents(accented), "é\r\n");
    EXPECT_TRUE(hidden(dir.path()).isEmpty()) << hidden(dir.path()).join(' ').toStdString();
    // One byte more than the folder takes is the file system's refusal, with nothing left.
    EXPECT_EQ(describe([&] { writeFileAtomic(dir.filePath(QString(252, 'c') + ".msf"), "x"); }).left(2), "75");
    EXPECT_TRUE(hidden(dir.path()).isEmpty());
}

TEST(AtomicWrite, ALinkThatLeadsRoundInALoopIsRefusedAndStaysALink) {
    QTemporaryDir dir;
    const QString self = dir.filePath("self.msf"), a = dir.filePath("a.msf"), b = dir.filePath("b.msf"),
                  into = dir.filePath("into.csv");
    ASSERT_TRUE(QFile::link(self, self));
    ASSERT_TRUE(QFile::link(b, a));
    ASSERT_TRUE(QFile::link(a, b));
    ASSERT_TRUE(QFile::link(a, into));  // leads into the loop
    for (const QString& path : {self, a, into}) {
        const QString why = describe([&] { writeFileAtomic(path, "capture\r\n"); });
        EXPECT_TRUE(why.startsWith("75 ") && why.contains("loop") && why.contains(path)) << why.toStdString();
    }
    EXPECT_TRUE(isLinkTo(self, self) && isLinkTo(a, b) && isLinkTo(b, a) && isLinkTo(into, a)) << "the links are kept";
    EXPECT_TRUE(hidden(dir.path()).isEmpty()) << hidden(dir.path()).join(' ').toStdString();
}

// A journal as a killed run leaves it: one line a temporary, "+ SECONDS PATH" when it was
// listed and "- SECONDS PATH" when struck off, the path percent-encoded; the last line may be cut.
TEST(WriteJournal, TheNextStartRemovesWhatAKilledRunStillListsAndNothingElse) {
    QTemporaryDir dir;
    const QString journal = dir.filePath("journal"), out = dir.filePath("captures");
    QDir().mkpath(journal);
    QDir().mkpath(out);
    const QString left = out + "/.engine 50%.msf.Ab12Cd", unlisted = out + "/.other.msf.Zz99Yy",
                  done = out + "/.done.msf.Qq11Ww", notOurs = out + "/notes.txt", link = out + "/.link.msf.Ll22Kk",
                  linked = out + "/kept.msf";
    for (const QString& f : {left, unlisted, done, notOurs, linked}) put(f, "half");
    ASSERT_TRUE(QFile::link(linked, link));
    put(journal + "/writes-Dead01.journal",
        ("+ 1765000000 " + out + "/.engine 50%25.msf.Ab12Cd\n"
         "+ 1765000000 " + done + "\n"
         "+ 1765000001 " + notOurs + "\n"
         "+ 1765000001 " + link + "\n"
         "- 1765000002 " + done + "\n"
         "+ 17650").toUtf8());

    EXPECT_EQ(startWriteJournal(journal), 1);
    EXPECT_FALSE(QFile::exists(left)) << "the temporary still listed is removed";
    for (const QString& f : {unlisted, done, notOurs, linked})
        EXPECT_EQ(contents(f), "half") << f.toStdString() << " is not the journal's to remove";
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "a link named like a temporary is left alone";
    EXPECT_FALSE(QFile::exists(journal + "/writes-Dead01.journal")) << "a journal read is cleared";
}

TEST(WriteJournal, AJournalARunningProgramHoldsIsLeftAlone) {
    QTemporaryDir dir;
    const QString journal = dir.filePath("journal"), temp = dir.filePath(".report.csv.Wr1t3s");
    QDir().mkpath(journal);
    put(temp, "being written");
    const QString live = journal + "/writes-Live01.journal";
    put(live, ("+ 1765000000 " + temp + "\n").toUtf8());
    const int fd = ::open(QFile::encodeName(live).constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);  // as the other program holds it

    EXPECT_EQ(startWriteJournal(journal), 0);
    EXPECT_EQ(contents(temp), "being written");
    EXPECT_TRUE(QFile::exists(live));
    ::close(fd);
}

TEST(WriteJournal, ATemporaryOnAShareThatIsGoneIsRemovedOnceTheShareIsBack) {
    QTemporaryDir dir;
    const QString journal = dir.filePath("journal"), share = dir.filePath("share"), temp = share + "/.seat 4.vat.Sh4r3d";
    QDir().mkpath(journal);
    put(journal + "/writes-Dead02.journal", ("+ " + QString::number(QDateTime::currentSecsSinceEpoch()) + " " + temp + "\n").toUtf8());
    EXPECT_EQ(startWriteJournal(journal), 0) << "nothing to remove while the share is not mounted";

    // The share comes back with what the killed run left on it: the next write clears it.
    QDir().mkpath(share);
    put(temp, "half an attempt");
    EXPECT_TRUE(writeFileAtomic(dir.filePath("results.csv"), "a\r\n"));
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_TRUE(hidden(share).isEmpty() && hidden(dir.path()).isEmpty());
}

TEST(WriteJournal, WritesGoOnWhereNoJournalCanBeKept) {
    QTemporaryDir dir;
    put(dir.filePath("home"), "a file where the journal's folder would be");
    EXPECT_EQ(startWriteJournal(dir.filePath("home/journal")), 0);
    EXPECT_TRUE(writeFileAtomic(dir.filePath("capture.msf"), "\"1\"\r\n"));
    EXPECT_EQ(contents(dir.filePath("capture.msf")), "\"1\"\r\n");
    {
        FileSizeLimit limit(2);
        EXPECT_EQ(describe([&] { writeFileAtomic(dir.filePath("capture.msf"), QByteArray(64, 'x')); }).left(2), "61");
    }
    EXPECT_EQ(contents(dir.filePath("capture.msf")), "\"1\"\r\n");
    EXPECT_TRUE(hidden(dir.path()).isEmpty()) << hidden(dir.path()).join(' ').toStdString();
}
