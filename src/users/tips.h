// The tips of the tip window: one per line of the tips file, in file order (blank lines
// included), and the index of the tip on show.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TipList {
public:
    enum class Load { Loaded, Missing, Unreadable, NotText };

    // Only the start of a huge file is read; its last, cut-off line is dropped.
    static constexpr qint64 kMaxBytes = 256 * 1024;
    // A longer line is shown cut to this many characters.
    static constexpr int kMaxTipLength = 1000;

    // Reads the file's lines into the list (kept empty unless the file is loaded).
    Load load(const QString& path);
    // The lines of a tips file's bytes: LF, CR LF or CR ends a line; a line end at the very
    // end makes no extra tip. When `whole` is false the bytes are the start of a longer file.
    // Bytes that are not text (a NUL, or mostly control characters) give NotText.
    static Load parse(const QByteArray& bytes, bool whole, QStringList* tips);

    // The next tip, back to the first after the last.
    void next();
    int count() const { return tips_.size(); }
    int index() const { return index_; }  // 1-based; 0 before the first tip
    // The tip at the index; empty when there is none.
    QString current() const;

private:
    QStringList tips_;
    int index_ = 0;
};
