// Waveform files: fields, short and long files, bad input, the channel, writing.
#include "multiscope/waveformfile.h"

#include "platform/vbtypes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace msf;

namespace {

QTemporaryDir dir;
QString put(const QByteArray& bytes, const QString& name = "w.msf") {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return f.fileName();
}
int errorOf(const std::function<void()>& body) {
    try { body(); } catch (const VbError& e) { return e.number; }
    return 0;
}
QByteArray lines(int count) {
    QByteArray b;
    for (int i = 0; i < count; ++i) b += QByteArray::number(i) + "\r\n";
    return b;
}

}  // namespace

TEST(WaveformFile, ReadsFieldsAndKeepsWhatAShortFileLacks) {
    const QByteArray limit(kReadLimit, 'x');
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList fields;  // the first ones expected
        int count;
    } cases[] = {
        {"quoted CR LF", "\"DMM 12 V\"\r\n\"-5\"\r\n", {"DMM 12 V", "-5"}, 2},
        {"plain LF, trimmed; CR alone", "  12  \n-3\r4\r", {"12", "-3", "4"}, 3},
        {"commas split plain fields only", "a, b\r\n\" x, y \"\r\n", {"a", "b", " x, y "}, 3},
        {"text after a closing quote dropped", "\"12\"34\r\n5", {"12", "5"}, 2},
        {"blank lines are empty fields", "1\r\n\r\n\n2", {"1", "", "", "2"}, 4},
        {"a lone quote runs to the end", "\"abc\r\n5\r\n", {"abc\r\n5\r\n"}, 1},
        {"a quote inside a plain field stays", "12\"3\n", {"12\"3"}, 1},
        {"empty file", "", {}, 0},
        {"byte-order mark, UTF-8, Latin-1", "\xEF\xBB\xBF\xC2\xB0" "C\n\"Gr\xFC\xDF\"", {"°C", "Grüß"}, 2},
        {"odd samples stay text", "1e300\n-1e300\nnan\n", {"1e300", "-1e300", "nan"}, 3},
        {"more than 51 records", lines(60), {"0", "1"}, 51},
        {"51 records, then 10 MB", lines(51) + QByteArray(10 << 20, '7'), {"0"}, 51},
        {"one field as long as the part read", limit, {QString::fromLatin1(limit)}, 1},
        {"binary", QByteArray("\x00\x01\xFF\"\x7F\r\x00,", 8), {}, 2},
    };
    for (const Case& c : cases) {
        QString target[kRecords];
        for (QString& t : target) t = "old";
        ASSERT_EQ(readWaveformFile(put(c.bytes), target), c.count) << c.what;
        for (int i = 0; i < c.fields.size(); ++i) EXPECT_EQ(target[i], c.fields[i]) << c.what << " " << i;
        if (c.count < kRecords) EXPECT_EQ(target[c.count], "old") << c.what;
    }
}

TEST(WaveformFile, BadFilesRaiseAndLeaveTheTargetAlone) {
    QDir(dir.path()).mkdir("Folder.msf");
    const QString fifo = dir.filePath("Pipe.msf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<QString, int> cases[] = {
        {dir.filePath("Missing.msf"), 53}, {dir.filePath("Folder.msf"), 53}, {fifo, 53},
        {put(QByteArray(kReadLimit + 1, 'x'), "long.msf"), 7},
        {put("\"" + QByteArray(2 << 20, 'x'), "open.msf"), 7},  // the quote never closes
    };
    for (const auto& [path, error] : cases) {
        QString target[kRecords];
        target[0] = "kept";
        EXPECT_EQ(errorOf([&] { readWaveformFile(path, target); }), error) << path.toStdString();
        EXPECT_EQ(target[0], "kept");
        EXPECT_FALSE(channelOpen());
    }
}

TEST(WaveformFile, OneFileOnTheChannel) {
    const QString path = put("1\r\n", "one.msf");
    WaveformReader first(path);
    EXPECT_EQ(first.readField(), "1");
    EXPECT_EQ(errorOf([&] { first.readField(); }), 62);  // at the end
    {
        WaveformReader second(path);  // opening closes the first
        EXPECT_EQ(errorOf([&] { first.readField(); }), 52);
        closeChannel();
        EXPECT_TRUE(second.atEnd());
    }
    EXPECT_FALSE(channelOpen());
}

TEST(WaveformFile, WritesFiftyOneQuotedLinesThatReadBack) {
    QStringList records{QString::fromUtf8("Battery 12.6 V, °C")};
    for (int i = 1; i <= 50; ++i) records << QString::number(i * 4 - 100);
    records[7] = "say \"hi\"";
    const QString path = dir.filePath("Out.MSF");
    QDir(dir.path()).mkdir("Folder.msf");
    writeWaveformFile(path, records);
    QFile f(path);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    EXPECT_EQ(bytes.count("\r\n"), 51);
    EXPECT_TRUE(bytes.startsWith("\"Battery 12.6 V, \xC2\xB0" "C\"\r\n\"-96\"\r\n"));

    QString back[kRecords];
    ASSERT_EQ(readWaveformFile(path, back), 51);
    records[7] = "say 'hi'";  // written as an apostrophe, so the record reads back whole
    EXPECT_EQ(QStringList(back, back + kRecords), records);

    EXPECT_EQ(errorOf([&] { writeWaveformFile(path, records.mid(1)); }), 9);
    EXPECT_EQ(errorOf([&] { writeWaveformFile(dir.filePath("no/such.msf"), records); }), 76);
    EXPECT_EQ(errorOf([&] { writeWaveformFile(dir.filePath("Folder.msf"), records); }), 75);
}

TEST(WaveformFile, NameEndsInMsfInAnyCase) {
    for (const char* yes : {"Blank.msf", "OLD.MSF", "a.Msf"}) EXPECT_TRUE(isWaveformFileName(yes)) << yes;
    for (const char* no : {"", "ms", "a.msf.txt", "a.jpg"}) EXPECT_FALSE(isWaveformFileName(no)) << no;
}
