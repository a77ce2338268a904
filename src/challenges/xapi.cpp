#include "challenges/xapi.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QUrl>
#include <QUuid>
#include <algorithm>
#include <cmath>

namespace xapi {

namespace {
// The namespace of the statement ids made from attempt ids (a UUID of this program's own).
const QUuid kStatementSpace(QStringLiteral("{14d33f3c-4e87-46e3-9f6d-510677f8689f}"));

QJsonObject verb(bool passed) {
    const QString word = passed ? QStringLiteral("passed") : QStringLiteral("failed");
    return {{"id", "http://adlnet.gov/expapi/verbs/" + word}, {"display", QJsonObject{{"en-US", word}}}};
}

QString uuidText(const QUuid& u) { return u.toString(QUuid::WithoutBraces); }
}  // namespace

QString defaultHomePage() { return QStringLiteral("https://vantorel.invalid/classroom"); }
QString activityBase() { return QStringLiteral("https://vantorel.invalid/challenges/"); }

QString duration(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0) return QString();
    const qint64 hundredths = std::llround(seconds * 100);
    const qint64 hours = hundredths / 360000, minutes = hundredths / 6000 % 60, rest = hundredths % 6000;
    QString s = QString::number(rest / 100);
    if (rest % 100) s += QStringLiteral(".%1").arg(rest % 100, 2, 10, QLatin1Char('0'));
    if (s.contains(u'.') && s.endsWith(u'0')) s.chop(1);
    QString out = QStringLiteral("PT");
    if (hours) out += QString::number(hours) + u'H';
    if (hours || minutes) out += QString::number(minutes) + u'M';
    return out + s + u'S';
}

QString activityId(const QString& challenge) {
    return activityBase() + QString::fromLatin1(QUrl::toPercentEncoding(challenge));
}

QString statementId(const AttemptRecord& r) {
    const QString from = r.id.isEmpty() ? QStringLiteral("file:") + r.file : r.id;
    return uuidText(QUuid::createUuidV5(kStatementSpace, from.toUtf8()));
}

QJsonObject statement(const AttemptRecord& r, const QString& homePage) {
    QJsonObject actor{{"objectType", "Agent"},
                      {"account", QJsonObject{{"homePage", homePage}, {"name", r.studentKey()}}}};
    if (!r.student.isEmpty()) actor.insert("name", r.student);
    const QJsonObject object{
        {"objectType", "Activity"},
        {"id", activityId(r.challenge)},
        {"definition", QJsonObject{{"name", QJsonObject{{"und", r.challenge}}},
                                   {"type", "http://adlnet.gov/expapi/activities/assessment"}}}};
    QJsonObject result{{"score", QJsonObject{{"scaled", std::clamp(r.score, 0, 100) / 100.0},
                                             {"raw", std::clamp(r.score, 0, 100)},
                                             {"min", 0},
                                             {"max", 100}}},
                       {"success", r.right},
                       {"completion", true}};
    const QString took = duration(r.seconds);
    if (!took.isEmpty()) result.insert("duration", took);
    // When the attempt came to its result: its start and the time it took.
    QDateTime at = r.started;
    if (!took.isEmpty()) at = at.addMSecs(std::llround(r.seconds * 1000));
    return {{"id", statementId(r)},
            {"actor", actor},
            {"verb", verb(r.right)},
            {"object", object},
            {"result", result},
            {"timestamp", at.toUTC().toString(Qt::ISODateWithMs)},
            {"context", QJsonObject{{"platform", "Vantorel"}}}};
}

QByteArray statements(const QList<AttemptRecord>& attempts, const QList<int>& rows, const QString& homePage) {
    QJsonArray list;
    QSet<QString> used;
    for (int i : rows) {
        const AttemptRecord& r = attempts[i];
        QJsonObject s = statement(r, homePage);
        if (used.contains(s.value("id").toString())) {
            // Another file carries the same id: this one's statement is told apart by its file.
            AttemptRecord copy = r;
            copy.id = r.id + QStringLiteral("\nfile:") + r.file;
            s.insert("id", statementId(copy));
        }
        used.insert(s.value("id").toString());
        list.append(s);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}

}  // namespace xapi
