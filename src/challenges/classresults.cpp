#include "challenges/classresults.h"

#include "multiscope/guidedtests.h"

#include "challenges/classfolder.h"
#include "platform/files.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>
#include <filesystem>
#include <system_error>

void ClassResults::reset(const QString& attemptsFolder, const QByteArray& key) {
    attempts_.clear();
    latest_.clear();
    problems_.clear();
    folderProblem_.clear();
    stamps_.clear();
    fileProblems_.clear();
    folder_ = attemptsFolder;
    key_ = key;
}

void ClassResults::load(const QString& attemptsFolder, const QByteArray& key) {
    reset(attemptsFolder, key);
    update(attemptsFolder, key);
}

void ClassResults::listProblems() {
    problems_.clear();
    if (!folderProblem_.isEmpty()) problems_.append({QDir::toNativeSeparators(folder_), folderProblem_});
    for (auto it = fileProblems_.cbegin(); it != fileProblems_.cend(); ++it) problems_.append({it.key(), it.value()});
}

int ClassResults::update(const QString& attemptsFolder, const QByteArray& key) {
    int changes = 0;
    if (attemptsFolder != folder_ || key != key_) {
        changes += attempts_.size() + problems_.size();
        reset(attemptsFolder, key);
    }
    QString folderProblem;
    if (!QFileInfo(attemptsFolder).isDir()) {
        folderProblem = tr("The folder cannot be found.");
    } else {
        // A folder that is there but cannot be listed (no permission, a share gone stale) would
        // otherwise read as a folder without attempts.
        std::error_code error;
        const std::filesystem::path path(QFile::encodeName(attemptsFolder).toStdString());
        std::filesystem::directory_iterator probe(path, error);
        if (error) folderProblem = tr("The folder cannot be listed (%1).").arg(QString::fromStdString(error.message()));
    }
    if (folderProblem != folderProblem_) ++changes;
    folderProblem_ = folderProblem;
    if (!folderProblem_.isEmpty()) {
        listProblems();
        return changes;
    }
    const QDir dir(attemptsFolder);
    QHash<QString, int> row;
    for (int i = 0; i < attempts_.size(); ++i) row.insert(attempts_[i].file, i);
    QSet<QString> present, gone;
    bool added = false;
    const QStringList names = attemptFilesIn(attemptsFolder);
    for (const QString& name : names) {
        const FileStamp stamp = fileStampOf(dir.filePath(name));
        if (!stamp.valid()) continue;  // gone since the listing
        present.insert(name);
        if (stamps_.value(name) == stamp) continue;
        stamps_.insert(name, stamp);
        ++changes;
        ++filesRead_;
        AttemptRecord r;
        QString problem;
        try {
            bool whole = false;
            const QByteArray bytes = readRegularFileHead(dir.filePath(name), attemptfile::kMaxBytes + 1, &whole);
            if (!attemptfile::parse(bytes, key, &r, &problem)) {
                fileProblems_.insert(name, problem);
                gone.insert(name);
                continue;
            }
        } catch (const VbError& e) {
            fileProblems_.insert(name, tr("The file cannot be read (%1).").arg(e.description));
            gone.insert(name);
            continue;
        }
        fileProblems_.remove(name);
        r.file = name;
        if (row.contains(name)) {
            attempts_[row.value(name)] = r;
        } else {
            row.insert(name, attempts_.size());
            attempts_.append(r);
            added = true;
        }
    }
    for (auto it = stamps_.begin(); it != stamps_.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        gone.insert(it.key());
        fileProblems_.remove(it.key());
        it = stamps_.erase(it);
        ++changes;
    }
    // In the folder's order, as a reading of the whole folder gives them.
    if (added || !gone.isEmpty()) {
        QList<AttemptRecord> ordered;
        ordered.reserve(attempts_.size());
        for (const QString& name : names)
            if (row.contains(name) && !gone.contains(name)) ordered.append(std::move(attempts_[row.value(name)]));
        attempts_ = std::move(ordered);
    }
    // Each student's latest attempt, by key, over what is read now.
    latest_.clear();
    for (int i = 0; i < attempts_.size(); ++i) {
        const auto latest = latest_.constFind(attempts_[i].studentKey());
        if (latest == latest_.cend() || attempts_[i].started >= attempts_[*latest].started) latest_.insert(attempts_[i].studentKey(), i);
    }
    listProblems();
    return changes;
}

namespace {
// The field's values over the attempts given, each once, in name order.
QStringList distinct(const QList<AttemptRecord>& attempts, const QList<int>& rows, QString AttemptRecord::*field) {
    QStringList out;
    for (int i : rows) out << attempts[i].*field;
    out.removeDuplicates();
    std::sort(out.begin(), out.end(), [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    return out;
}

QList<int> everyRow(const QList<AttemptRecord>& attempts) {
    QList<int> rows;
    for (int i = 0; i < attempts.size(); ++i) rows << i;
    return rows;
}
}  // namespace

QStringList ClassResults::challenges() const { return distinct(attempts_, everyRow(attempts_), &AttemptRecord::challenge); }
QStringList ClassResults::students() const {
    QStringList keys = latest_.keys();
    QHash<QString, QString> label;
    for (const QString& k : keys) label.insert(k, studentLabel(k));
    std::sort(keys.begin(), keys.end(), [&label](const QString& a, const QString& b) {
        if (int c = QString::localeAwareCompare(label[a], label[b])) return c < 0;
        return a < b;
    });
    return keys;
}

QString ClassResults::studentName(const QString& key) const {
    const auto latest = latest_.constFind(key);
    return latest == latest_.cend() ? QString() : attempts_[*latest].student;
}

QString ClassResults::studentLabel(const QString& key) const {
    const auto latest = latest_.constFind(key);
    if (latest == latest_.cend()) return key;
    const AttemptRecord& r = attempts_[*latest];
    const QString name = r.student.trimmed().isEmpty() ? tr("(no name)") : r.student;
    return r.studentId.isEmpty() ? name : tr("%1 (%2)").arg(name, r.studentId);
}

int ClassResults::marked(const QList<int>& rows) const {
    int n = 0;
    for (int i : rows) n += attempts_[i].marked();
    return n;
}

QList<int> ClassResults::select(const QString& challenge, const QString& student) const {
    QList<int> rows;
    for (int i = 0; i < attempts_.size(); ++i)
        if ((challenge.isEmpty() || attempts_[i].challenge == challenge) && (student.isEmpty() || attempts_[i].studentKey() == student))
            rows << i;
    std::stable_sort(rows.begin(), rows.end(), [this](int a, int b) {
        const AttemptRecord &x = attempts_[a], &y = attempts_[b];
        if (int c = QString::localeAwareCompare(studentName(x.studentKey()), studentName(y.studentKey()))) return c < 0;
        if (x.studentKey() != y.studentKey()) return x.studentKey() < y.studentKey();
        if (int c = QString::localeAwareCompare(x.challenge, y.challenge)) return c < 0;
        return x.started < y.started;
    });
    return rows;
}

QList<ClassResults::ChallengeScore> ClassResults::scoresPerChallenge(const QList<int>& rows) const {
    QMap<QString, ChallengeScore> by;
    for (int i : rows) {
        const AttemptRecord& r = attempts_[i];
        ChallengeScore& s = by[r.challenge];
        s.challenge = r.challenge;
        s.average += r.score;  // the sum until the end
        s.best = std::max(s.best, r.score);
        ++s.attempts;
    }
    QList<ChallengeScore> out;
    for (ChallengeScore s : by) {
        s.average /= s.attempts;
        out << s;
    }
    return out;
}

QList<QPair<QString, int>> ClassResults::wrongAnswers(const QList<int>& rows, int top) const {
    QHash<QString, int> count;
    for (int i : rows)
        if (!attempts_[i].right) ++count[attempts_[i].answer];
    QList<QPair<QString, int>> out;
    for (auto it = count.cbegin(); it != count.cend(); ++it) out.append({it.key(), it.value()});
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return out.mid(0, top);
}

QByteArray ClassResults::gradebook(const QList<int>& rows, GradebookLayout layout) const {
    return Gradebook(attempts_, rows).csv(layout);
}

QStringList classTableHeading() {
    static const char* const h[] = {QT_TRANSLATE_NOOP("ClassResults", "Student"), QT_TRANSLATE_NOOP("ClassResults", "Challenge"),
                                    QT_TRANSLATE_NOOP("ClassResults", "Date and time"), QT_TRANSLATE_NOOP("ClassResults", "Answer"),
                                    QT_TRANSLATE_NOOP("ClassResults", "Result"), QT_TRANSLATE_NOOP("ClassResults", "Score"),
                                    QT_TRANSLATE_NOOP("ClassResults", "Hints"), QT_TRANSLATE_NOOP("ClassResults", "Measurements"),
                                    QT_TRANSLATE_NOOP("ClassResults", "Time"), QT_TRANSLATE_NOOP("ClassResults", "Check")};
    QStringList out;
    for (const char* t : h) out << ClassResults::tr(t);
    return out;
}

QString shownAnswer(const QString& answer) {
    // The one answer of the program's own words an attempt file may hold.
    return answer == QLatin1String("(ended without a diagnosis)") ? QCoreApplication::translate("Attempt", "(ended without a diagnosis)")
                                                                  : answer;
}

namespace {
constexpr int kFieldShown = 200;      // of a name or an answer in the table and the path
constexpr int kReadingShown = 300;    // of a measurement's point or reading
constexpr int kLabelLength = 32;      // of a chart's label: longer texts are shortened
constexpr int kLabelKept = 30;        // to their start and "...", or, when two would then read
constexpr int kLabelStart = 12;       // alike, to their first words and the words where they part
}  // namespace

QString spreadsheetText(const QString& cell) {
    if (cell.isEmpty()) return cell;
    const QChar first = cell.front();
    const bool formula =
        first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' || first == u'\r';
    return formula ? QLatin1Char('\'') + cell : cell;
}

QStringList chartLabels(const QStringList& texts) {
    const QString more = QStringLiteral("...");
    QStringList lines, labels;
    for (const QString& t : texts) {
        lines << shownField(t, t.size());
        labels << (lines.last().size() > kLabelLength ? lines.last().left(kLabelKept) + more : lines.last());
    }
    // Long texts that start alike: the start of each and where it parts from the others (from
    // the start of that word on).
    const QStringList starts = labels;
    for (int i = 0; i < labels.size(); ++i) {
        if (starts.count(starts[i]) < 2 || lines[i].size() <= kLabelLength) continue;
        int same = 0;
        for (int j = 0; j < labels.size(); ++j) {
            if (j == i || starts[j] != starts[i]) continue;
            int k = 0;
            while (k < lines[i].size() && k < lines[j].size() && lines[i][k] == lines[j][k]) ++k;
            same = std::max(same, k);
        }
        const int word = same > 0 ? lines[i].lastIndexOf(u' ', same - 1) + 1 : 0;
        const QString rest = lines[i].mid(same - word <= 10 ? word : same);  // a long word: where it parts
        QString start = lines[i].left(kLabelStart);  // its first words
        if (start.lastIndexOf(u' ') > 0) start.truncate(start.lastIndexOf(u' '));
        const int room = kLabelKept - start.size() - 1;  // as long as any other shortened label
        labels[i] = start + more + u' ' + (rest.size() > room ? rest.left(room - more.size()) + more : rest);
    }
    // Whatever still reads alike (blanks at the ends do not count) or not at all is numbered.
    for (QString& label : labels) label = label.trimmed().isEmpty() ? ClassResults::tr("(empty)") : label.trimmed();
    const QSet<QString> given(labels.cbegin(), labels.cend());
    QSet<QString> used;
    for (QString& label : labels) {
        if (used.contains(label)) {
            QString numbered;
            for (int n = 2; numbered.isEmpty() || used.contains(numbered) || given.contains(numbered); ++n)
                numbered = QStringLiteral("%1 (%2)").arg(label).arg(n);
            label = numbered;
        }
        used.insert(label);
    }
    return labels;
}

QString shownField(const QString& text, int max) {
    QString shown = text.left(max);
    if (shown.size() < text.size() && !shown.isEmpty() && shown.back().isHighSurrogate()) shown.chop(1);
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) c = u' ';
    if (shown.size() < text.size()) shown += ClassResults::tr("... (%1 more characters)").arg(text.size() - shown.size());
    return shown;
}

QStringList classTableRow(const AttemptRecord& r) {
    // The identifier beside the name, as the student filter lists it: two of a name differ.
    const QString student = shownField(r.student, kFieldShown);
    return {r.studentId.isEmpty() ? student : ClassResults::tr("%1 (%2)").arg(student, shownField(r.studentId, kFieldShown)),
            shownField(r.challenge, kFieldShown),
            r.started.toString("yyyy-MM-dd HH:mm:ss"),
            shownField(shownAnswer(r.answer), kFieldShown),
            r.right ? ClassResults::tr("Right") : ClassResults::tr("Wrong"),
            QString::number(r.score),
            QString::number(r.hints),
            QString::number(r.measurements.size()),
            durationText(r.seconds),
            attemptfile::checkText(r.check)};
}

QString diagnosticPath(const AttemptRecord& r) {
    QStringList lines;
    lines << QStringLiteral("%1 - %2 (%3)").arg(shownField(r.student, kFieldShown), shownField(r.challenge, kFieldShown),
                                                r.started.toString("yyyy-MM-dd HH:mm"));
    lines << (r.right ? ClassResults::tr("Answer: %1  (right), score %2") : ClassResults::tr("Answer: %1  (wrong), score %2"))
                 .arg(shownField(shownAnswer(r.answer), kFieldShown), QString::number(r.score));
    if (r.marked())
        lines << (r.check == AttemptRecord::Check::Failed
                      ? ClassResults::tr("The file's check does not match: it was changed after it was handed in.")
                      : ClassResults::tr("The file carries no check."));
    if (!r.guidedAsked.isEmpty()) {
        QStringList asked;
        for (const QString& key : r.guidedAsked) {
            const guided::GuidedTest* t = guided::testForKey(key);
            asked << shownField(t ? t->title : key, kFieldShown);
        }
        lines << ClassResults::tr("Guided tests asked for: %1").arg(asked.join("; "));
    }
    for (const GuidedRun& g : r.guided)
        lines << ClassResults::tr("Guided test:  %1").arg(shownField(Attempt::guidedRunText(g), kReadingShown));
    if (r.measurements.isEmpty()) lines << ClassResults::tr("No measurement was taken.");
    for (int i = 0; i < r.measurements.size(); ++i) {
        const Measurement& m = r.measurements[i];
        lines << QString("%1.  %2  %3:  %4").arg(i + 1).arg(durationText(m.seconds), shownField(m.point, kReadingShown),
                                                                       shownField(m.reading, kReadingShown));
    }
    return lines.join('\n');
}

PrintDocument ClassResults::printout(const QList<int>& rows, const QString& heading) const {
    PrintDocument doc;
    doc.lines.append({tr(" 'Vantorel' - Class results"), 16, true, false});
    doc.lines.append({heading, 10, false, false});
    doc.lines.append({QString(110, QLatin1Char('-')), 10, false, false});
    doc.lines.append({classTableHeading().join("  |  "), 9, true, false});
    for (int i : rows) {
        const AttemptRecord& r = attempts_[i];
        doc.lines.append({r.marked() ? tr("%1  (marked)").arg(classTableRow(r).join("  |  ")) : classTableRow(r).join("  |  "), 9,
                          r.marked(), false});
    }
    return doc;
}
