#include "challenges/attempt.h"

#include "multiscope/guidedtests.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

bool Attempt::mayMeasure(QString* why) const {
    if (finished_) {
        *why = "The challenge has ended.";
        return false;
    }
    const int limit = challenge_.measurementLimit;
    if (limit > 0 && measurements_.size() >= limit) {
        *why = QString("This challenge allows %1 measurement%2 and you have taken %3.\n\n"
                       "Decide on your diagnosis and submit it.")
                   .arg(limit)
                   .arg(limit == 1 ? "" : "s")
                   .arg(limit == 1 ? "it" : "them all");
        return false;
    }
    return true;
}

void Attempt::addMeasurement(double seconds, const QString& point, const QString& reading) {
    if (finished_) return;
    measurements_.append({seconds, point, reading});
}

bool Attempt::overTime(double seconds) const {
    return challenge_.timeLimitMinutes > 0 && seconds > challenge_.timeLimitMinutes * 60.0;
}

void Attempt::guidedRun(int run, const QString& test, const QString& title, scope::Verdict result,
                        const QString& reason, const QByteArray& screen, double seconds) {
    if (finished_) return;
    GuidedRun* found = nullptr;
    for (GuidedRun& r : guidedRuns_)
        if (r.run == run && r.test == test) found = &r;
    if (!found) {
        if (guidedRuns_.size() >= kMaxGuidedRuns) return;
        GuidedRun r;
        r.run = run;
        r.seconds = seconds;
        r.test = test;
        r.title = title;
        guidedRuns_.append(r);
        found = &guidedRuns_.last();
    }
    if (result == scope::Verdict::NotMeasured) {
        if (found->result == scope::Verdict::NotMeasured) found->reason = reason;
        return;
    }
    found->result = result;
    found->reason = reason;
    found->resultSeconds = seconds;
    found->screen = screen;
}

scope::Verdict Attempt::guidedResult(const QString& test) const {
    for (auto r = guidedRuns_.crbegin(); r != guidedRuns_.crend(); ++r)
        if (r->test == test && r->result != scope::Verdict::NotMeasured) return r->result;
    return scope::Verdict::NotMeasured;
}

int Attempt::guidedMissing() const {
    int missing = 0;
    for (const QString& test : challenge_.guidedTests)
        if (guidedResult(test) == scope::Verdict::NotMeasured) ++missing;
    return missing;
}

int Attempt::hintPoints() const {
    int points = 0;
    for (int i = 0; i < hintsUsed_; ++i) points += challenge_.hints[i].points;
    return points;
}

const Hint* Attempt::nextHint() const {
    if (finished_ || hintsUsed_ >= challenge_.hints.size()) return nullptr;
    return &challenge_.hints[hintsUsed_];
}

void Attempt::revealHint() {
    if (nextHint()) ++hintsUsed_;
}

int Attempt::scoreFor(bool right, int hintPoints, int measurements, bool late, int guidedMissing) {
    if (!right) return 0;
    const int extra = std::max(0, measurements - kFreeMeasurements) * kPointsPerMeasurement;
    int score = 100 - hintPoints - std::min(extra, kMaxMeasurementPenalty) - (late ? kLatePenalty : 0) -
                std::max(0, guidedMissing) * kGuidedMissingPenalty;
    return std::max(score, kRightFloor);
}

void Attempt::submit(const QList<Answer>& given, double seconds) {
    if (finished_) return;
    finished_ = true;
    seconds_ = seconds;
    given_ = given;
    late_ = overTime(seconds);
    // Right when the answers given are the challenge's answers, in any order.
    QList<Answer> expected = challenge_.answers;
    bool right = given.size() == expected.size();
    for (const Answer& a : given) right = right && expected.removeOne(a);
    right_ = right;
    score_ = scoreFor(right_, hintPoints(), measurements_.size(), late_, guidedMissing());
}

void Attempt::giveUp(double seconds) {
    if (finished_) return;
    finished_ = true;
    seconds_ = seconds;
    right_ = false;
    score_ = 0;
}

QString Attempt::givenText() const {
    if (given_.isEmpty()) return QStringLiteral("(ended without a diagnosis)");
    QStringList parts;
    for (const Answer& a : given_) parts << a.part + " - " + a.circuit;
    return parts.join("; ");
}

QString Attempt::summary() const {
    QStringList s;
    s << (right_ ? QStringLiteral("Right: well diagnosed.") : QStringLiteral("Wrong."));
    s << "Your diagnosis: " + givenText();
    if (!right_) {
        QStringList expected;
        for (const Answer& a : challenge_.answers) expected << a.part + " - " + a.circuit;
        s << "The fault: " + expected.join("; ");
    }
    QString time = "Time: " + durationText(seconds_);
    if (late_) time += " (over the time limit)";
    s << time;
    s << QString("Measurements: %1").arg(measurements_.size());
    s << (hintPoints() == 1 ? QCoreApplication::translate("Attempt", "Hints used: %1 (1 point)").arg(hintsUsed_)
                            : QCoreApplication::translate("Attempt", "Hints used: %1 (%2 points)").arg(hintsUsed_).arg(hintPoints()));
    if (!challenge_.guidedTests.isEmpty()) {
        s << QCoreApplication::translate("Attempt", "Guided tests asked for:");
        s << guidedLines();
        if (const int missing = guidedMissing(); missing > 0 && right_)
            s << QCoreApplication::translate("Attempt", "Guided tests without a result: %1 (%2 points)")
                     .arg(missing)
                     .arg(missing * kGuidedMissingPenalty);
    }
    s << QString("Score: %1 out of 100").arg(score_);
    return s.join('\n');
}

QStringList Attempt::resultRow(const QString& student) const {
    return {student,
            challenge_.title,
            startedAt_.toString("yyyy-MM-dd HH:mm:ss"),
            givenText(),
            right_ ? QStringLiteral("Right") : QStringLiteral("Wrong"),
            durationText(seconds_),
            QString::number(measurements_.size()),
            QString::number(hintsUsed_),
            QString::number(score_)};
}

PrintDocument Attempt::resultSheet(const QString& student, const QString& company, const QString& startedAt,
                                   const QString& printedAt) const {
    PrintDocument doc;
    auto add = [&](const QString& text, int size = 10, bool bold = false) { doc.lines.append({text, size, bold, false}); };
    const QString rule(110, QLatin1Char('-'));
    add(QString());
    add(QStringLiteral(" 'Vantorel' - Challenge result"), 18, true);
    add(rule, 12);
    add("Student: " + student, 12);
    if (!company.isEmpty()) add(company, 12);
    add("Challenge: " + challenge_.title, 12);
    add("Started: " + startedAt + "    Printed: " + printedAt, 10);
    add(rule, 12);
    for (const QString& line : summary().split('\n')) add(line, 12, line == summary().section('\n', 0, 0));
    add(rule, 12);
    add(QStringLiteral("Diagnostic path"), 12, true);
    if (measurements_.isEmpty()) add(QStringLiteral("  No measurement was taken."));
    for (int i = 0; i < measurements_.size(); ++i) {
        const Measurement& m = measurements_[i];
        add(QString("  %1.  %2  %3:  %4").arg(i + 1).arg(durationText(m.seconds), m.point, m.reading));
    }
    if (!guidedRuns_.isEmpty()) {
        add(QString());
        add(QCoreApplication::translate("Attempt", "Guided tests run"), 12, true);
        for (int i = 0; i < guidedRuns_.size(); ++i) add(QStringLiteral("  %1.  ").arg(i + 1) + guidedRunText(guidedRuns_[i]));
    }
    add(QString());
    add(QStringLiteral("Assessed - the method (verify, analyse, isolate, repair, verify, document):"));
    add(QString());
    add(QStringLiteral("Student signature:") + QString(30, QLatin1Char(' ')) + QStringLiteral("Instructor signature:"));
    doc.lines.last().italic = true;
    return doc;
}

QString Attempt::guidedRunText(const GuidedRun& r) {
    QString text = durationText(r.seconds) + QStringLiteral("  ") + r.title + QStringLiteral(":  ") + scope::verdictText(r.result);
    if (r.resultSeconds >= 0) text += QCoreApplication::translate("Attempt", " (at %1)").arg(durationText(r.resultSeconds));
    if (!r.reason.isEmpty()) text += QStringLiteral(". ") + r.reason;
    return text;
}

QStringList Attempt::guidedLines() const {
    QStringList lines;
    for (const QString& key : challenge_.guidedTests) {
        const guided::GuidedTest* test = guided::testForKey(key);
        const QString title = test ? test->title : key;
        const scope::Verdict result = guidedResult(key);
        lines << QStringLiteral("  ") + title + QStringLiteral(": ") +
                     (result == scope::Verdict::NotMeasured ? QCoreApplication::translate("Attempt", "not run to a result")
                                                            : scope::verdictText(result));
    }
    return lines;
}

QString durationText(double seconds) {
    // A time no attempt can take (a damaged or edited file: negative, not a number, or beyond
    // the longest an attempt file may hold) is not passed off as one.
    if (!(seconds >= 0 && seconds <= kLongestDuration)) return QCoreApplication::translate("durationText", "?");
    const qint64 s = qint64(std::floor(seconds));
    if (s >= 3600)
        return QString("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
    return QString("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

namespace results {

const QStringList& heading() {
    static const QStringList h = {"Student", "Challenge", "Date and time", "Answer", "Result",
                                  "Time", "Measurements", "Hints", "Score"};
    return h;
}

QString fileName() { return QStringLiteral("Challenge results.csv"); }

QString csvLine(const QStringList& fields) {
    QStringList out;
    for (QString f : fields) {
        if (f.contains(',') || f.contains('"') || f.contains('\n') || f.contains('\r')) {
            f.replace("\"", "\"\"");
            f = '"' + f + '"';
        }
        out << f;
    }
    return out.join(',');
}

bool parse(const QByteArray& bytes, QList<QStringList>* rows, QString* problem) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0')) {
        *problem = "The file is not a results file: it is not text.";
        return false;
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    QList<QStringList> all;
    QStringList row;
    QString field;
    bool quoted = false, fieldStarted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (c == ',') {
            row << field;
            field.clear();
            fieldStarted = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            row << field;
            all << row;
            row.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.isEmpty() || !row.isEmpty()) {
        row << field;
        all << row;
    }
    if (all.isEmpty() || all.first() != heading()) {
        *problem = "The file is not a results file: its first line is not the heading \"" + csvLine(heading()) + "\".";
        return false;
    }
    all.removeFirst();
    for (QStringList& r : all) {
        if (r.size() == 1 && r.first().isEmpty()) continue;
        while (r.size() < heading().size()) r << QString();
        rows->append(r.mid(0, heading().size()));
    }
    return true;
}

void append(const QString& path, const QStringList& row) {
    checkWritableTarget(path);
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        bytes = readRegularFile(path);
        if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += "\r\n";
    }
    // CR LF ends each row, as spreadsheet programs write CSV.
    if (bytes.isEmpty()) bytes = csvLine(heading()).toUtf8() + "\r\n";
    bytes += csvLine(row).toUtf8() + "\r\n";
    writeFileAtomic(path, bytes);
}

void sortRows(QList<QStringList>* rows) {
    std::stable_sort(rows->begin(), rows->end(), [](const QStringList& a, const QStringList& b) {
        for (int k = 0; k < 3; ++k) {
            const int c = QString::localeAwareCompare(a.value(k), b.value(k));
            if (c != 0) return c < 0;
        }
        return false;
    });
}

}  // namespace results
