// Waveform files (.msf): the meter text and the 50 samples of a stored waveform.
//
// A waveform file holds 51 records: record 0 is the DMM text, records 1 to 50 the samples
// in sweep order (-99..99 as the editor keeps them, positive upwards).
//
// Reading takes the file as a run of fields separated by commas and line ends (CR LF, LF or
// CR). A field that starts with a double quote (after leading spaces) runs to the next double
// quote, and the quotes are removed; whatever follows the closing quote up to the next comma
// or line end is dropped. A field without an opening quote runs to the next comma or line end,
// with leading and trailing spaces removed. A blank line is an empty field. So quoted records,
// one per line, and plain numbers, one per line, both read back.
//
// Writing gives each record in double quotes followed by CR LF: exactly 51 lines.
//
// All waveform files go through one channel (file number 257): at most one is open at a
// time, and opening one closes whatever the channel held.
#pragma once

#include <QString>
#include <QStringList>

namespace msf {

constexpr int kRecords = 51;      // DMM text + 50 samples
constexpr int kChannel = 257;     // the waveform file channel
// Only the start of a file is looked at: the 51 records of any sane file fit many times over.
// A field still running at this point in a longer file is reported as error 7 "Out of memory".
constexpr qint64 kReadLimit = 1024 * 1024;

// True when the name ends in "msf", in any mixture of case ("Blank.msf", "OLD.MSF").
bool isWaveformFileName(const QString& name);

// A waveform file open for reading on the channel. Opening closes whatever was open there
// before; the destructor (or closeChannel) closes it.
class WaveformReader {
public:
    // Raises 53 "File not found" when the file is missing or not a regular file (a folder or
    // a FIFO named like a waveform is missing, never waited on), 75 when it cannot be read.
    explicit WaveformReader(const QString& path);
    ~WaveformReader();
    WaveformReader(const WaveformReader&) = delete;
    WaveformReader& operator=(const WaveformReader&) = delete;

    // True at the end of the file (and once the channel has been closed).
    bool atEnd() const;
    // The next field. Raises 62 "Input past end of file" at the end, 52 "Bad file name or
    // number" when the channel was closed under it, 7 "Out of memory" for a field that runs
    // past kReadLimit.
    QString readField();
    bool isOpen() const;

private:
    friend void closeChannel();
    QByteArray bytes_;
    qsizetype pos_ = 0;
    bool whole_ = true;
    bool open_ = false;
};

// Close #257: closes the waveform file open on the channel, if any.
void closeChannel();
// True while a waveform file is open on the channel.
bool channelOpen();

// Reads up to 51 fields of the file into target[0..n-1] and returns n; the elements after a
// short file keep their contents. On any error (see WaveformReader) target is left untouched.
int readWaveformFile(const QString& path, QString (&target)[kRecords]);

// The numbers of the samples among records[1..count-1] that are no number (text, "nan",
// "inf", beyond the range of a number, the bytes of a binary or UTF-16 file), as texts.
QStringList samplesNotNumbers(const QString (&records)[kRecords], int count);
// "Sample 3 of FILE is not a number" or "Samples 1, 2 of FILE are not numbers".
QString samplesNotNumbersText(const QStringList& bad, const QString& file);

// The file's bytes for these records: each one in double quotes followed by CR LF. A double
// quote inside a record would end the field early when the file is read back and lose the
// rest of the record, so it is written as a single quote (').
// Raises 9 "Subscript out of range" unless there are exactly 51 records.
QByteArray formatWaveform(const QStringList& records);
// Writes the 51 records to the file through the atomic, durable write (closing the channel
// first). Raises what writeFileAtomic raises (76, 75, 61, 57) and 9 as formatWaveform.
void writeWaveformFile(const QString& path, const QStringList& records);

}  // namespace msf
