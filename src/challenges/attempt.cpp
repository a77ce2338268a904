#include "challenges/attempt.h"

#include "multiscope/guidedtests.h"
#include "sim/catalogue.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSet>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

namespace {
// What the student and the instructor read of an attempt.
struct AttemptTexts {
    Q_DECLARE_TR_FUNCTIONS(Attempt)
};
}  // namespace

int drawIndex(const QString& seed, int sets) {
    if (sets <= 1) return 0;
    const QByteArray h = QCryptographicHash::hash(seed.toUtf8(), QCryptographicHash::Sha256);
    quint64 v = 0;
    for (int i = 0; i < 8; ++i) v = (v << 8) | quint8(h[i]);
    return int(v % quint64(sets));
}

QString drawSeed(const QString& studentId, const QString& challengeTitle, int attemptNumber) {
    return studentId + QLatin1Char('\n') + challengeTitle + QLatin1Char('\n') + QString::number(attemptNumber);
}

Attempt::Attempt(const Challenge& challenge, const QDateTime& startedAt, bool testRun, int drawn)
    : challenge_(challenge), startedAt_(startedAt), testRun_(testRun) {
    if (!challenge.draw.isEmpty()) {
        drawn_ = std::clamp(drawn, 0, int(challenge.draw.size()) - 1);
        faults_ = challenge.draw[drawn_].faults;
        for (int f : faults_) answers_ << answerForFault(f);
    } else {
        faults_ = challenge.faults;
        answers_ = challenge.answers;
    }
}

bool Attempt::engineRunning() const {
    if (drawn_ >= 0) {
        const FaultOption::Engine e = challenge_.draw[drawn_].engine;
        if (e != FaultOption::Engine::AsChallenge) return e == FaultOption::Engine::Running;
    }
    return challenge_.engineRunning;
}

bool Attempt::mayMeasure(QString* why) const {
    if (finished_) {
        *why = AttemptTexts::tr("The challenge has ended.");
        return false;
    }
    const int limit = challenge_.measurementLimit;
    if (limit > 0 && measurements_.size() >= limit) {
        *why = limit == 1 ? AttemptTexts::tr("This challenge allows 1 measurement and you have taken it.\n\n"
                                             "Decide on your diagnosis and submit it.")
                          : AttemptTexts::tr("This challenge allows %1 measurements and you have taken them all.\n\n"
                                             "Decide on your diagnosis and submit it.")
                                .arg(limit);
        return false;
    }
    return true;
}

void Attempt::addMeasurement(double seconds, const QString& point, const QString& reading, const QString& key) {
    if (finished_) return;
    measurements_.append({seconds, point, reading, key});
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

Assessment Attempt::assess(bool shown) const {
    Assessment a;
    // The reasons go into the attempt file as they are, so they are in the program's own words
    // there; the student reads them in the language of the screen.
    auto text = [shown](const char* source) { return shown ? AttemptTexts::tr(source) : QString::fromUtf8(source); };
    const ScoreWeights& w = challenge_.weights;
    // What bears on a fault: a point on its circuit or one its signal reaches, and a guided test
    // of its circuit that came to a result. A scanner read bears on none and costs nothing; any
    // other measurement on a sound circuit is one the diagnosis did not need.
    QList<const sim::FaultInfo*> present;
    for (int f : faults_)
        if (const sim::FaultInfo* info = sim::faultNumbered(f)) present << info;
    QList<QSet<QString>> evidence(present.size());
    for (const Measurement& m : measurements_) {
        if (m.key == QLatin1String("scanner")) continue;
        const std::optional<sim::PointId> p = sim::pointForKey(m.key);
        bool bears = false;
        for (int i = 0; p && i < present.size(); ++i)
            if (sim::point(*p).circuit == present[i]->circuit || sim::reaches(*present[i], *p)) {
                evidence[i].insert(m.key);
                bears = true;
            }
        if (!bears) ++a.needless;
    }
    for (const GuidedRun& r : guidedRuns_) {
        const guided::GuidedTest* t = guided::testForKey(r.test);
        if (!t || r.result == scope::Verdict::NotMeasured) continue;
        for (int i = 0; i < present.size(); ++i)
            if (std::find(t->circuits.begin(), t->circuits.end(), present[i]->circuit) != t->circuits.end())
                evidence[i].insert(QStringLiteral("guided:") + r.test);
    }
    QSet<QString> all;
    for (const QSet<QString>& e : evidence) all.unite(e);
    a.evidence = int(all.size());
    if (!finished_ || !right_) {
        a.reasons << (finished_ && given_.isEmpty() ? text(QT_TRANSLATE_NOOP("Attempt", "Ended without a diagnosis: 0"))
                                                   : text(QT_TRANSLATE_NOOP("Attempt", "Wrong diagnosis: 0")));
        return a;
    }
    int score = 100;
    a.reasons << text(QT_TRANSLATE_NOOP("Attempt", "Right diagnosis: 100"));
    // Evidence: two pieces on each faulty circuit (both ends, or a point and a guided test).
    double lacking = 0;
    int none = 0, one = 0;
    for (const QSet<QString>& e : evidence) {
        lacking += e.isEmpty() ? 1.0 : e.size() == 1 ? 0.5 : 0.0;
        none += e.isEmpty();
        one += e.size() == 1;
    }
    if (!evidence.isEmpty() && lacking > 0) {
        const int lost = int(std::lround(w.evidence * lacking / evidence.size()));
        score -= lost;
        a.reasons << (none > 0 && one == 0
                          ? text(QT_TRANSLATE_NOOP("Attempt", "No measurement on the faulty circuit, so no evidence for the diagnosis: -%1")).arg(lost)
                          : text(QT_TRANSLATE_NOOP("Attempt", "Only one measurement on the faulty circuit (measure it at both ends): -%1")).arg(lost));
    }
    if (const int extra = a.needless - w.freeNeedless; extra > 0 && w.needless > 0) {
        const int lost = std::min(extra * w.needless, kMaxMeasurementPenalty);
        score -= lost;
        a.reasons << text(QT_TRANSLATE_NOOP("Attempt", "%1 measurements on sound circuits, %2 more than the %3 a comparison needs: -%4"))
                         .arg(a.needless).arg(extra).arg(w.freeNeedless).arg(lost);
    }
    if (const int lost = int(std::lround(hintPoints() * w.hints / 100.0)); lost > 0) {
        score -= lost;
        a.reasons << text(QT_TRANSLATE_NOOP("Attempt", "Hints: -%1")).arg(lost);
    }
    if (late_ && w.late > 0) {
        score -= w.late;
        a.reasons << text(QT_TRANSLATE_NOOP("Attempt", "After the time limit: -%1")).arg(w.late);
    }
    if (const int missing = guidedMissing(); missing > 0 && w.guided > 0) {
        score -= missing * w.guided;
        a.reasons << text(QT_TRANSLATE_NOOP("Attempt", "Guided tests without a result: %1 (-%2)")).arg(missing).arg(missing * w.guided);
    }
    if (score < kRightFloor) {
        score = kRightFloor;
        a.reasons << text(QT_TRANSLATE_NOOP("Attempt", "A right diagnosis keeps at least %1")).arg(kRightFloor);
    }
    a.score = score;
    return a;
}

void Attempt::submit(const QList<Answer>& given, double seconds) {
    if (finished_) return;
    finished_ = true;
    seconds_ = seconds;
    given_ = given;
    late_ = overTime(seconds);
    // Right when the answers given are the attempt's answers, in any order.
    QList<Answer> expected = answers_;
    bool right = given.size() == expected.size();
    for (const Answer& a : given) right = right && expected.removeOne(a);
    right_ = right;
    const Assessment a = assess(false);
    score_ = a.score;
    reasons_ = a.reasons;
}

void Attempt::giveUp(double seconds) {
    if (finished_) return;
    finished_ = true;
    seconds_ = seconds;
    right_ = false;
    score_ = 0;
    reasons_ = assess(false).reasons;
}

QString Attempt::givenText() const {
    if (given_.isEmpty()) return QStringLiteral("(ended without a diagnosis)");
    QStringList parts;
    for (const Answer& a : given_) parts << a.part + " - " + a.circuit;
    return parts.join("; ");
}

QString Attempt::summary() const {
    QStringList s;
    s << (right_ ? AttemptTexts::tr("Right: well diagnosed.") : AttemptTexts::tr("Wrong."));
    s << AttemptTexts::tr("Your diagnosis: %1").arg(given_.isEmpty() ? AttemptTexts::tr("(ended without a diagnosis)") : givenText());
    // The right answer only where the instructor lets a wrong diagnosis see it.
    if (!right_ && challenge_.showAnswer) {
        QStringList expected;
        for (const Answer& a : answers_) expected << a.part + " - " + a.circuit;
        s << AttemptTexts::tr("The fault: %1").arg(expected.join("; "));
    }
    s << (late_ ? AttemptTexts::tr("Time: %1 (over the time limit)") : AttemptTexts::tr("Time: %1")).arg(durationText(seconds_));
    s << AttemptTexts::tr("Measurements: %1").arg(measurements_.size());
    s << (hintPoints() == 1 ? AttemptTexts::tr("Hints used: %1 (1 point)").arg(hintsUsed_)
                            : AttemptTexts::tr("Hints used: %1 (%2 points)").arg(hintsUsed_).arg(hintPoints()));
    if (!challenge_.guidedTests.isEmpty()) {
        s << AttemptTexts::tr("Guided tests asked for:");
        s << guidedLines();
        if (const int missing = guidedMissing(); missing > 0 && right_)
            s << AttemptTexts::tr("Guided tests without a result: %1 (%2 points)")
                     .arg(missing)
                     .arg(missing * kGuidedMissingPenalty);
    }
    s << AttemptTexts::tr("Score: %1 out of 100").arg(score_);
    // The reasons of a finished attempt, worded for the screen (reasons_ keeps them for the file).
    if (!reasons_.isEmpty())
        for (const QString& r : assess(true).reasons) s << QStringLiteral("  ") + r;
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
    add(AttemptTexts::tr(" 'Vantorel' - Challenge result"), 18, true);
    add(rule, 12);
    add(AttemptTexts::tr("Student: %1").arg(student), 12);
    if (!company.isEmpty()) add(company, 12);
    add(AttemptTexts::tr("Challenge: %1").arg(challenge_.title), 12);
    add(AttemptTexts::tr("Started: %1    Printed: %2").arg(startedAt, printedAt), 10);
    add(rule, 12);
    for (const QString& line : summary().split('\n')) add(line, 12, line == summary().section('\n', 0, 0));
    add(rule, 12);
    add(AttemptTexts::tr("Diagnostic path"), 12, true);
    if (measurements_.isEmpty()) add(AttemptTexts::tr("  No measurement was taken."));
    for (int i = 0; i < measurements_.size(); ++i) {
        const Measurement& m = measurements_[i];
        add(QString("  %1.  %2  %3:  %4").arg(i + 1).arg(durationText(m.seconds), m.point, m.reading));
    }
    if (!guidedRuns_.isEmpty()) {
        add(QString());
        add(AttemptTexts::tr("Guided tests run"), 12, true);
        for (int i = 0; i < guidedRuns_.size(); ++i) add(QStringLiteral("  %1.  ").arg(i + 1) + guidedRunText(guidedRuns_[i]));
    }
    add(QString());
    add(AttemptTexts::tr("Assessed - the method (verify, analyse, isolate, repair, verify, document):"));
    add(QString());
    add(AttemptTexts::tr("Student signature:%1Instructor signature:").arg(QString(30, QLatin1Char(' '))));
    doc.lines.last().italic = true;
    return doc;
}

QString Attempt::guidedRunText(const GuidedRun& r) {
    QString text = r.resultSeconds >= 0 ? AttemptTexts::tr("%1  %2:  %3 (at %4)")
                                              .arg(durationText(r.seconds), r.title, scope::verdictText(r.result),
                                                   durationText(r.resultSeconds))
                                        : QStringLiteral("%1  %2:  %3").arg(durationText(r.seconds), r.title, scope::verdictText(r.result));
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
                     (result == scope::Verdict::NotMeasured ? AttemptTexts::tr("not run to a result")
                                                            : scope::verdictText(result));
    }
    return lines;
}

QString durationText(double seconds) {
    // A time no attempt can take (a damaged or edited file: negative, not a number, or beyond
    // the longest an attempt file may hold) is not passed off as one.
    if (!(seconds >= 0 && seconds <= kLongestDuration)) return AttemptTexts::tr("?", "a time that cannot be");
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

QStringList shownHeading() {
    static const char* const h[] = {QT_TRANSLATE_NOOP("Attempt", "Student"),   QT_TRANSLATE_NOOP("Attempt", "Challenge"),
                                    QT_TRANSLATE_NOOP("Attempt", "Date and time"), QT_TRANSLATE_NOOP("Attempt", "Answer"),
                                    QT_TRANSLATE_NOOP("Attempt", "Result"),    QT_TRANSLATE_NOOP("Attempt", "Time"),
                                    QT_TRANSLATE_NOOP("Attempt", "Measurements"), QT_TRANSLATE_NOOP("Attempt", "Hints"),
                                    QT_TRANSLATE_NOOP("Attempt", "Score")};
    QStringList out;
    for (const char* t : h) out << AttemptTexts::tr(t);
    return out;
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
        *problem = AttemptTexts::tr("The file is not a results file: it is not text.");
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
        *problem = AttemptTexts::tr("The file is not a results file: its first line is not the heading \"%1\".").arg(csvLine(heading()));
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
