// The per-user copy of installed data: what is copied, refreshed and left alone.
#include "platform/datafolder.h"
#include "testing.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void put(const QString& path, const QByteArray& bytes, int ageSeconds = 0) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}
const auto get = contents;
}  // namespace

TEST(DataFolder, CopiesRefreshesUnchangedFilesAndKeepsTheUsersOwn) {
    QTemporaryDir tmp;
    const QString shipped = tmp.filePath("share"), user = tmp.filePath("home/vantorel");
    for (const char* name : {"/ZR.db", "/Lambda.msf", "/help/index.html"}) put(shipped + name, "v1", 100);
    DataFolder first = syncUserCopy(shipped, user);
    EXPECT_EQ(first.folder, user);
    EXPECT_TRUE(first.problem.isEmpty()) << first.problem.toStdString();
    EXPECT_EQ(first.copied, 3);
    EXPECT_EQ(get(user + "/help/index.html"), "v1");
    EXPECT_EQ(syncUserCopy(shipped, user).copied, 0);

    // The user edits a waveform and deletes the guide; a new version changes every file.
    put(user + "/Lambda.msf", "my wave");
    QFile::remove(user + "/help/index.html");
    for (const char* name : {"/ZR.db", "/Lambda.msf", "/help/index.html"}) put(shipped + name, "v2");
    EXPECT_EQ(syncUserCopy(shipped, user).copied, 2);
    EXPECT_EQ(get(user + "/ZR.db"), "v2");
    EXPECT_EQ(get(user + "/help/index.html"), "v2");
    EXPECT_EQ(get(user + "/Lambda.msf"), "my wave");
    put(shipped + "/Lambda.msf", "v3");
    EXPECT_EQ(syncUserCopy(shipped, user).copied, 0);
    EXPECT_EQ(get(user + "/Lambda.msf"), "my wave");
    // No temporary file is left beside the copies.
    EXPECT_EQ(QDir(user).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({kDataManifest, "Lambda.msf", "ZR.db"}));
}

TEST(DataFolder, AFileAlreadyLikeTheShippedOneIsTakenAsCopiedAndAFileTheUserMadeIsKept) {
    // A first run killed after its copies but before its manifest; a file the user wrote.
    QTemporaryDir tmp;
    const QString shipped = tmp.filePath("share"), user = tmp.filePath("user");
    for (const char* name : {"/ZR.db", "/track.txt"}) put(shipped + name, "v1", 100);
    put(user + "/ZR.db", "v1");
    put(user + "/track.txt", "recorded lap");
    EXPECT_EQ(syncUserCopy(shipped, user).copied, 0);
    for (const char* name : {"/ZR.db", "/track.txt"}) put(shipped + name, "db v2");
    EXPECT_EQ(syncUserCopy(shipped, user).copied, 1);
    EXPECT_EQ(get(user + "/ZR.db"), "db v2");
    EXPECT_EQ(get(user + "/track.txt"), "recorded lap");
}

TEST(DataFolder, ACopyThatCannotBeMadeRunsFromTheInstalledData) {
    QTemporaryDir tmp;
    put(tmp.filePath("prefix/share/vantorel/ZR.db"), "db");
    put(tmp.filePath("not-a-folder"), "x");  // even root cannot make a folder inside a file
    const DataFolder r = syncUserCopy(tmp.filePath("prefix/share/vantorel"), tmp.filePath("not-a-folder/vantorel"));
    EXPECT_EQ(r.folder, tmp.filePath("prefix/share/vantorel"));
    EXPECT_TRUE(r.problem.contains("not-a-folder/vantorel")) << r.problem.toStdString();

    // Found from the executable's folder: an installed layout, and a build folder used as it is.
    QDir().mkpath(tmp.filePath("prefix/bin"));
    qputenv("XDG_DATA_HOME", tmp.filePath("xdg").toLocal8Bit());
    EXPECT_EQ(chooseDataFolder(tmp.filePath("prefix/bin")).folder, tmp.filePath("xdg/vantorel"));
    EXPECT_EQ(get(tmp.filePath("xdg/vantorel/ZR.db")), "db");
    EXPECT_EQ(chooseDataFolder(tmp.filePath("prefix/share/vantorel")).folder, tmp.filePath("prefix/share/vantorel"));
    EXPECT_FALSE(QFile::exists(tmp.filePath("prefix/share/vantorel/") + kDataManifest));
}
