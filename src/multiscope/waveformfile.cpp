#include "multiscope/waveformfile.h"

#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>
#include <algorithm>

namespace msf {

namespace {

struct Texts { Q_DECLARE_TR_FUNCTIONS(msf::WaveformFile) };

// The reader open on the channel, if any.
WaveformReader* g_open = nullptr;

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isDelimiter(char c) { return c == ',' || isLineEnd(c); }

[[noreturn]] void raiseTooLong() { raiseError(7, QStringLiteral("Out of memory")); }  // untranslated: a runtime error's own name (the message that reports it translates it)

}  // namespace

bool isWaveformFileName(const QString& name) {
    return name.size() >= 3 && name.right(3).compare(QLatin1String("msf"), Qt::CaseInsensitive) == 0;
}

WaveformReader::WaveformReader(const QString& path) {
    closeChannel();
    bytes_ = readRegularFileHead(path, kReadLimit, &whole_);
    if (bytes_.startsWith("\xEF\xBB\xBF")) pos_ = 3;
    open_ = true;
    g_open = this;
}

WaveformReader::~WaveformReader() {
    if (g_open == this) g_open = nullptr;
}

bool WaveformReader::isOpen() const { return open_; }

bool WaveformReader::atEnd() const { return !open_ || (whole_ && pos_ >= bytes_.size()); }

QString WaveformReader::readField() {
    if (!open_) raiseError(52, QStringLiteral("Bad file name or number"));  // untranslated: a runtime error's own name (the message that reports it translates it)
    if (atEnd()) raiseError(62, QStringLiteral("Input past end of file"));  // untranslated: a runtime error's own name (the message that reports it translates it)
    const char* b = bytes_.constData();
    const qsizetype n = bytes_.size();
    // The next comma or line end from i; the end of the file when there is none. Past the
    // part of a long file that was read, the field is too long to be a record.
    auto delimiterFrom = [&](qsizetype i) {
        while (i < n && !isDelimiter(b[i])) ++i;
        if (i >= n && !whole_) raiseTooLong();
        return i;
    };

    qsizetype i = pos_;
    while (i < n && b[i] == ' ') ++i;
    QByteArray field;
    if (i < n && b[i] == '"') {
        const qsizetype start = i + 1;
        const qsizetype close = bytes_.indexOf('"', start);
        if (close < 0) {
            // No closing quote: the field runs to the end of the file.
            if (!whole_) raiseTooLong();
            field = bytes_.mid(start);
            i = n;
        } else {
            field = bytes_.mid(start, close - start);
            i = delimiterFrom(close + 1);  // anything after the closing quote is dropped
        }
    } else {
        const qsizetype start = i;
        i = delimiterFrom(i);
        qsizetype end = i;
        while (end > start && b[end - 1] == ' ') --end;
        field = bytes_.mid(start, end - start);
    }
    // Past the delimiter: a comma, or one line end (CR LF counts as one).
    if (i < n) {
        if (b[i] == '\r' && i + 1 < n && b[i + 1] == '\n') i += 2;
        else ++i;
    }
    pos_ = i;
    return decodeText(field);
}

void closeChannel() {
    if (!g_open) return;
    g_open->open_ = false;
    g_open->bytes_.clear();
    g_open->pos_ = 0;
    g_open = nullptr;
}

bool channelOpen() { return g_open != nullptr; }

int readWaveformFile(const QString& path, QString (&target)[kRecords]) {
    QString read[kRecords];
    int count = 0;
    {
        WaveformReader reader(path);
        while (count < kRecords && !reader.atEnd()) read[count++] = reader.readField();
    }
    for (int i = 0; i < count; ++i) target[i] = read[i];
    return count;
}

QStringList samplesNotNumbers(const QString (&records)[kRecords], int count) {
    QStringList bad;
    for (int i = 1; i < std::min(count, kRecords); ++i) {
        bool ok = false;
        vb::val(records[i], &ok);
        if (!ok) bad << QString::number(i);
    }
    return bad;
}

QString samplesNotNumbersText(const QStringList& bad, const QString& file) {
    return bad.size() == 1 ? Texts::tr("Sample %1 of %2 is not a number").arg(bad[0], file)
                           : Texts::tr("Samples %1 of %2 are not numbers").arg(bad.join(", "), file);
}

QByteArray formatWaveform(const QStringList& records) {
    if (records.size() != kRecords) raiseError(9, QStringLiteral("Subscript out of range"));  // untranslated: a runtime error's own name (the message that reports it translates it)
    QByteArray out;
    for (const QString& record : records) {
        QString text = record;
        text.replace(QLatin1Char('"'), QLatin1Char('\''));
        out += '"';
        out += text.toUtf8();
        out += "\"\r\n";
    }
    return out;
}

void writeWaveformFile(const QString& path, const QStringList& records) {
    const QByteArray bytes = formatWaveform(records);
    closeChannel();
    writeFileAtomic(path, bytes);
}

}  // namespace msf
