#include "users/tips.h"

#include "platform/files.h"
#include "platform/vbtypes.h"

namespace {
bool looksBinary(const QByteArray& bytes) {
    if (bytes.contains('\0')) return true;
    qsizetype control = 0;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 && c != '\n' && c != '\r' && c != '\t') ++control;
    }
    return control * 10 > bytes.size();
}

// What a label can show of a line: control characters as blanks, at most the length limit.
QString showable(QString line) {
    for (QChar& c : line)
        if (c.unicode() < 32 || c.unicode() == 127) c = u' ';
    if (line.size() > TipList::kMaxTipLength) line = line.left(TipList::kMaxTipLength - 1) + QChar(0x2026);
    return line;
}
}  // namespace

TipList::Load TipList::parse(const QByteArray& bytes, bool whole, QStringList* tips) {
    tips->clear();
    if (looksBinary(bytes)) return Load::NotText;
    QString text = decodeText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    // "a\nb\n" holds two lines. A cut-off file's last line is incomplete: it is dropped
    // unless it is all there is (a first line longer than what is read is shown cut).
    if (whole ? lines.last().isEmpty() : lines.size() > 1) lines.removeLast();
    for (const QString& line : lines) tips->append(showable(line));
    return Load::Loaded;
}

TipList::Load TipList::load(const QString& path) {
    tips_.clear();
    index_ = 0;
    if (path.isEmpty()) return Load::Missing;
    QByteArray bytes;
    bool whole = true;
    try {
        bytes = readRegularFileHead(path, kMaxBytes, &whole);
    } catch (const VbError& e) {
        return e.number == 53 ? Load::Missing : Load::Unreadable;
    }
    return parse(bytes, whole, &tips_);
}

void TipList::next() {
    ++index_;
    if (index_ > tips_.size()) index_ = 1;
}

QString TipList::current() const {
    if (index_ < 1 || index_ > tips_.size()) return QString();
    return tips_.at(index_ - 1);
}
