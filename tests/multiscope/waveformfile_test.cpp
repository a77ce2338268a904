// Waveform files: fields, short and long files, bad input, writing.
#include "testing.h"

#include "multiscope/waveformfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace msf;

namespace {

QTemporaryDir dir;
QString put(const QByteArray& bytes, const QString& name) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return f.fileName();
}
QByteArray lines(int count) {
    QByteArray b;
    for (int i = 0; i < count; ++i) b += QByteArray::number(i) + "\r\n";
    return b;
}

}  // namespace

TEST(WaveformFile, ReadsFieldsKeepsWhatAShortFileLacksAndRefusesBadFiles) {
    QDir(dir.path()).mkdir("Folder.msf");
    struct Case {
        const char* what;
        QString path;
        QStringList fields;  // the first ones expected
        int count;           // fields read, or minus the error raised (the target untouched)
    } cases[] = {
        {"quoted CR LF", put("\"DMM 12 V\"\r\n\"-5\"\r\n", "a"), {"DMM 12 V", "-5"}, 2},
        {"plain LF, trimmed; CR alone", put("  12  \n-3\r4\r", "b"), {"12", "-3", "4"}, 3},
        {"commas split plain fields only", put("a, b\r\n\" x, y \"\r\n", "c"), {"a", "b", " x, y "}, 3},
        {"blank lines are empty fields", put("1\r\n\r\n\n2", "d"), {"1", "", "", "2"}, 4},
        {"a lone quote runs to the end", put("\"abc\r\n5\r\n", "e"), {"abc\r\n5\r\n"}, 1},
        {"odd samples stay text", put("1e300\n-1e300\nnan\nabc\n", "f"), {"1e300", "-1e300", "nan", "abc"}, 4},
        {"more than 51 records", put(lines(60), "g"), {"0", "1"}, 51},
        {"binary", put(QByteArray("\x00\x01\xFF\"\x7F\r\x00,", 8), "h"), {}, 2},
        {"51 records, then 10 MB", put(lines(51) + QByteArray(10 << 20, '7'), "i"), {"0"}, 51},
        {"one 10 MB field", put(QByteArray(10 << 20, 'x'), "j"), {}, -7},
        {"a quote that never closes", put("\"" + QByteArray(2 << 20, 'x'), "k"), {}, -7},
        {"missing", dir.filePath("Missing.msf"), {}, -53},
        {"a directory", dir.filePath("Folder.msf"), {}, -53},
    };
    for (const Case& c : cases) {
        QString target[kRecords];
        for (QString& t : target) t = "old";
        int count = 0;
        const int error = errorOf([&] { count = readWaveformFile(c.path, target); });
        ASSERT_EQ(error ? -error : count, c.count) << c.what;
        for (int i = 0; i < c.fields.size(); ++i) EXPECT_EQ(target[i], c.fields[i]) << c.what << " " << i;
        if (c.count < kRecords) EXPECT_EQ(target[std::max(c.count, 0)], "old") << c.what;
        EXPECT_FALSE(channelOpen()) << c.what;
    }
}

TEST(WaveformFile, WritesFiftyOneQuotedLinesThatReadBack) {
    QStringList records{QString::fromUtf8("Battery 12.6 V, °C")};
    for (int i = 1; i <= 50; ++i) records << QString::number(i * 4 - 100);
    records[7] = "say \"hi\"";
    const QString path = dir.filePath("Out.MSF");
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
}

TEST(WaveformFile, NameEndsInMsfInAnyCase) {
    for (const char* yes : {"Blank.msf", "OLD.MSF", "a.Msf"}) EXPECT_TRUE(isWaveformFileName(yes)) << yes;
    for (const char* no : {"", "ms", "a.msf.txt", "a.jpg"}) EXPECT_FALSE(isWaveformFileName(no)) << no;
}
