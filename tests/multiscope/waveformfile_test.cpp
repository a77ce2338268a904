// Waveform files: reading fields, short and long files, bad input, the channel, writing.
#include "multiscope/waveformfile.h"

#include "platform/vbtypes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace msf;

namespace {

class WaveformFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString put(const QByteArray& bytes, const QString& name = "w.msf") {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    int errorOf(const std::function<void()>& body) {
        try {
            body();
        } catch (const VbError& e) {
            return e.number;
        }
        return 0;
    }
};

QByteArray lines(int count, const char* end = "\r\n") {
    QByteArray b;
    for (int i = 0; i < count; ++i) b += QByteArray::number(i) + end;
    return b;
}

}  // namespace

TEST_F(WaveformFileTest, FieldsAndLineEnds) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList fields;
    } cases[] = {
        {"quoted CR LF", "\"DMM 12 V\"\r\n\"-5\"\r\n", {"DMM 12 V", "-5"}},
        {"plain LF, trimmed", "  12  \n-3\n", {"12", "-3"}},
        {"CR alone", "1\r2\r", {"1", "2"}},
        {"comma splits plain", "a, b\r\n", {"a", "b"}},
        {"quotes keep commas and spaces", "\" x, y \"\r\n", {" x, y "}},
        {"text after closing quote dropped", "\"12\"34\r\n5", {"12", "5"}},
        {"blank lines are empty fields", "1\r\n\r\n\n2", {"1", "", "", "2"}},
        {"lone quote runs to the end", "\"abc\r\n5\r\n", {"abc\r\n5\r\n"}},
        {"quote inside plain field kept", "12\"3\n", {"12\"3"}},
        {"empty file", "", {}},
        {"byte-order mark dropped", "\xEF\xBB\xBF\"x\"\r\n", {"x"}},
        {"Latin-1 text", "\"Gr\xFC\xDF\"\r\n", {QString::fromUtf8("Grüß")}},
        {"UTF-8 text", "\"\xC2\xB0" "C\"\r\n", {QString::fromUtf8("°C")}},
        {"huge and odd samples stay text", "1e300\n-1e300\nnan\n", {"1e300", "-1e300", "nan"}},
    };
    for (const Case& c : cases) {
        QString target[kRecords];
        for (QString& t : target) t = "old";
        const int n = readWaveformFile(put(c.bytes), target);
        ASSERT_EQ(n, c.fields.size()) << c.what;
        for (int i = 0; i < kRecords; ++i)
            EXPECT_EQ(target[i], i < n ? c.fields[i] : QString("old")) << c.what << " field " << i;
    }
}

TEST_F(WaveformFileTest, AtMost51FieldsEvenFromHugeOrBinaryFiles) {
    QString target[kRecords];
    EXPECT_EQ(readWaveformFile(put(lines(60)), target), 51);
    EXPECT_EQ(target[50], "50");

    QByteArray big = lines(51);
    big += QByteArray(10 * 1024 * 1024, '7');
    EXPECT_EQ(readWaveformFile(put(big), target), 51);

    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary += char((i * 37) & 0xFF);
    EXPECT_LE(readWaveformFile(put(binary), target), 51);
}

TEST_F(WaveformFileTest, BadFilesRaiseAndLeaveTheTargetAlone) {
    QDir(dir.path()).mkdir("Folder.msf");
    const QString fifo = dir.filePath("Pipe.msf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString endless = put(QByteArray(2 * 1024 * 1024, 'x'));          // one field too long
    const QString open = put("\"" + QByteArray(2 * 1024 * 1024, 'x'), "q.msf");  // quote never closed
    struct Case {
        QString path;
        int error;
    } cases[] = {{dir.filePath("Missing.msf"), 53}, {dir.filePath("Folder.msf"), 53}, {fifo, 53}, {endless, 7}, {open, 7}};
    for (const Case& c : cases) {
        QString target[kRecords];
        target[0] = "kept";
        EXPECT_EQ(errorOf([&] { readWaveformFile(c.path, target); }), c.error) << c.path.toStdString();
        EXPECT_EQ(target[0], "kept");
        EXPECT_FALSE(channelOpen());
    }
}

TEST_F(WaveformFileTest, OneFileOnTheChannel) {
    const QString path = put("1\r\n");
    WaveformReader first(path);
    EXPECT_TRUE(channelOpen());
    EXPECT_EQ(first.readField(), "1");
    EXPECT_TRUE(first.atEnd());
    EXPECT_EQ(errorOf([&] { first.readField(); }), 62);
    {
        WaveformReader second(path);  // opening closes the first
        EXPECT_FALSE(first.isOpen());
        EXPECT_EQ(errorOf([&] { first.readField(); }), 52);
        closeChannel();
        EXPECT_TRUE(second.atEnd());
    }
    EXPECT_FALSE(channelOpen());
}

TEST_F(WaveformFileTest, WritesFiftyOneQuotedLinesThatReadBack) {
    QStringList records;
    records << QString::fromUtf8("Battery 12.6 V, °C");
    for (int i = 1; i <= 50; ++i) records << QString::number(i * 4 - 100);
    records[7] = "say \"hi\"";
    const QString path = dir.filePath("Out.MSF");
    writeWaveformFile(path, records);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 51);
    EXPECT_TRUE(bytes.startsWith("\"Battery 12.6 V, \xC2\xB0" "C\"\r\n\"-96\"\r\n"));

    QString back[kRecords];
    ASSERT_EQ(readWaveformFile(path, back), 51);
    records[7] = "say 'hi'";  // a quote inside a record is written as an apostrophe
    for (int i = 0; i < kRecords; ++i) EXPECT_EQ(back[i], records[i]);

    EXPECT_EQ(errorOf([&] { writeWaveformFile(path, records.mid(1)); }), 9);
    EXPECT_EQ(errorOf([&] { writeWaveformFile(dir.filePath("no/such.msf"), records); }), 76);
    QDir(dir.path()).mkdir("d.msf");
    EXPECT_EQ(errorOf([&] { writeWaveformFile(dir.filePath("d.msf"), records); }), 75);
}

TEST(WaveformFileName, ExtensionInAnyCase) {
    for (const char* yes : {"Blank.msf", "OLD.MSF", "a.Msf", "C:/x/Engine speed.msf"}) EXPECT_TRUE(isWaveformFileName(yes)) << yes;
    for (const char* no : {"", "ms", "a.ms", "a.msf.txt", "a.jpg"}) EXPECT_FALSE(isWaveformFileName(no)) << no;
}
