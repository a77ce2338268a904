#include "challenges/gradebook.h"

#include "challenges/classresults.h"

#include <QHash>
#include <algorithm>
#include <cmath>

int gradeOf(const QList<const AttemptRecord*>& attempts, ScoreRule rule) {
    if (attempts.isEmpty()) return 0;
    switch (rule) {
    case ScoreRule::Best: {
        int best = 0;
        for (const AttemptRecord* a : attempts) best = std::max(best, a->score);
        return best;
    }
    case ScoreRule::Last:
    case ScoreRule::First: {
        const AttemptRecord* chosen = attempts.first();
        for (const AttemptRecord* a : attempts)
            if (rule == ScoreRule::Last ? a->started >= chosen->started : a->started < chosen->started) chosen = a;
        return chosen->score;
    }
    case ScoreRule::Mean: {
        // Whole points in integers: (2 * sum + n) / (2 * n) is the mean rounded half up.
        qint64 sum = 0;
        for (const AttemptRecord* a : attempts) sum += a->score;
        const qint64 n = attempts.size();
        return int((2 * sum + n) / (2 * n));
    }
    }
    return 0;
}

Gradebook::Gradebook(const QList<AttemptRecord>& attempts, const QList<int>& rows) {
    // Each challenge's rule from its latest attempt; each student's name from theirs.
    QHash<QString, const AttemptRecord*> latestOfChallenge, latestOfStudent;
    QHash<QString, QHash<QString, QList<const AttemptRecord*>>> byStudent;  // key -> challenge -> attempts
    QHash<QString, int> marked;
    for (int i : rows) {
        const AttemptRecord& r = attempts[i];
        const QString key = r.studentKey();
        const AttemptRecord*& c = latestOfChallenge[r.challenge];
        if (!c || r.started >= c->started) c = &r;
        const AttemptRecord*& s = latestOfStudent[key];
        if (!s || r.started >= s->started) s = &r;
        byStudent[key][r.challenge].append(&r);
        if (r.marked()) ++marked[key];
    }
    challenges_ = latestOfChallenge.keys();
    std::sort(challenges_.begin(), challenges_.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    for (const QString& c : challenges_) rules_ << latestOfChallenge[c]->scoreCounts;

    for (auto it = latestOfStudent.cbegin(); it != latestOfStudent.cend(); ++it) {
        Row row;
        row.key = it.key();
        row.id = it.value()->studentId;
        row.name = it.value()->student;
        row.marked = marked.value(row.key);
        const auto& mine = byStudent[row.key];
        for (int c = 0; c < challenges_.size(); ++c) {
            const auto found = mine.constFind(challenges_[c]);
            row.grades << (found == mine.cend() ? std::nullopt : std::optional<int>(gradeOf(*found, rules_[c])));
        }
        rows_ << row;
    }
    std::sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) {
        if (int c = QString::localeAwareCompare(a.name, b.name)) return c < 0;
        return a.key < b.key;
    });
}

namespace {
QByteArray line(const QStringList& fields) { return results::csvLine(fields).toUtf8() + "\r\n"; }

QString gradeText(const std::optional<int>& grade) { return grade ? QString::number(*grade) : QString(); }

// A grade item's maximum: a score is out of 100.
constexpr int kPointsPossible = 100;
}  // namespace

QByteArray Gradebook::csv(GradebookLayout layout) const {
    QByteArray out("\xEF\xBB\xBF");
    QStringList heading;
    switch (layout) {
    case GradebookLayout::Spreadsheet: heading = {"Student", "ID"}; break;
    case GradebookLayout::Moodle: heading = {"Username", "Full name"}; break;
    case GradebookLayout::Canvas: heading = {"Student", "ID", "SIS User ID", "SIS Login ID", "Section"}; break;
    }
    for (const QString& c : challenges_) heading << spreadsheetText(c);
    if (layout == GradebookLayout::Spreadsheet) heading << "Attempts marked";
    out += line(heading);
    if (layout == GradebookLayout::Canvas) {
        // The row Canvas writes under its heading: the points of each assignment, which an
        // import gives the assignments it creates.
        QStringList points{"    Points Possible", "", "", "", ""};
        for (int c = 0; c < challenges_.size(); ++c) points << QString::number(kPointsPossible);
        out += line(points);
    }
    for (const Row& r : rows_) {
        QStringList fields;
        switch (layout) {
        case GradebookLayout::Spreadsheet: fields = {spreadsheetText(r.name), spreadsheetText(r.id)}; break;
        case GradebookLayout::Moodle: fields = {r.id, spreadsheetText(r.name)}; break;
        case GradebookLayout::Canvas: fields = {spreadsheetText(r.name), QString(), QString(), r.id, QString()}; break;
        }
        for (const auto& g : r.grades) fields << gradeText(g);
        if (layout == GradebookLayout::Spreadsheet) fields << QString::number(r.marked);
        out += line(fields);
    }
    return out;
}

QStringList Gradebook::warnings(GradebookLayout layout) const {
    QStringList out;
    int marked = 0, withoutId = 0;
    QStringList formulaLike;
    for (const Row& r : rows_) {
        marked += r.marked;
        if (r.id.isEmpty()) ++withoutId;
        else if (spreadsheetText(r.id) != r.id) formulaLike << r.id;
    }
    if (marked > 0)
        out << (marked == 1 ? tr("1 attempt counted in the grades is marked: changed after it was handed in, or without a check.")
                            : tr("%1 attempts counted in the grades are marked: changed after they were handed in, or without "
                                 "a check.").arg(marked));
    if (layout == GradebookLayout::Spreadsheet) return out;
    if (withoutId > 0)
        out << (withoutId == 1 ? tr("1 student has no identifier (their attempts were handed in by an older version of the "
                                    "program): the identifier is left empty for you to fill in before importing.")
                               : tr("%1 students have no identifier (their attempts were handed in by an older version of the "
                                    "program): the identifier is left empty for you to fill in before importing.")
                                     .arg(withoutId));
    if (!formulaLike.isEmpty()) {
        QStringList shown;
        for (const QString& id : formulaLike.mid(0, 5)) shown << shownField(id, 40);
        if (formulaLike.size() > 5) shown << QStringLiteral("...");
        out << tr("Identifiers that start as a formula would (=, +, - or @) are written as they are, for the platform to "
                  "match them: import the file without opening it in a spreadsheet first (%1).")
                   .arg(shown.join(", "));
    }
    return out;
}

QString gradebookFileName(GradebookLayout layout) {
    switch (layout) {
    case GradebookLayout::Moodle: return QStringLiteral("Gradebook for Moodle.csv");
    case GradebookLayout::Canvas: return QStringLiteral("Gradebook for Canvas.csv");
    case GradebookLayout::Spreadsheet: break;
    }
    return QStringLiteral("Gradebook.csv");
}
