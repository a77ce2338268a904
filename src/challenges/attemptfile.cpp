#include "challenges/attemptfile.h"
#include "sim/catalogue.h"
#include "users/password.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>
#include <QUuid>

namespace attemptfile {
namespace {

// Why a file is no attempt, and the check's state, as the dashboard shows them.
struct AttemptFileTexts {
    Q_DECLARE_TR_FUNCTIONS(attemptfile)
};

const QString kFormat = QStringLiteral("Vantorel attempt");
const char* const kTimeFormat = "yyyy-MM-ddTHH:mm:ss";

QByteArray checkOf(const QJsonObject& body, const QByteArray& key) {
    return QMessageAuthenticationCode::hash(QJsonDocument(body).toJson(QJsonDocument::Compact), key,
                                            QCryptographicHash::Sha256)
        .toHex();
}

// How a guided test's result is written: "pass", "fail" or "none".
QString resultKey(scope::Verdict v) {
    switch (v) {
    case scope::Verdict::Pass: return QStringLiteral("pass");
    case scope::Verdict::Fail: return QStringLiteral("fail");
    case scope::Verdict::NotMeasured: break;
    }
    return QStringLiteral("none");
}

bool resultOf(const QString& key, scope::Verdict* out) {
    for (scope::Verdict v : {scope::Verdict::NotMeasured, scope::Verdict::Pass, scope::Verdict::Fail})
        if (resultKey(v) == key) {
            *out = v;
            return true;
        }
    return false;
}

}  // namespace

AttemptRecord recordOf(const Attempt& attempt, const QString& student, const QString& seat, const QString& studentId) {
    AttemptRecord r;
    r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    r.student = student;
    r.studentId = studentId;
    r.scoreCounts = attempt.challenge().scoreCounts;
    r.seat = seat;
    r.challenge = attempt.challenge().title;
    r.started = attempt.startedAt();
    r.seconds = attempt.seconds();
    r.answer = attempt.givenText();
    r.right = attempt.right();
    r.score = attempt.score();
    r.hints = attempt.hintsUsed();
    r.measurements = attempt.measurements();
    r.faults = attempt.faults();
    r.reasons = attempt.reasons();
    r.guidedAsked = attempt.challenge().guidedTests;
    r.guided = attempt.guidedRuns();
    return r;
}

QByteArray bytesOf(const AttemptRecord& r, const QByteArray& key) {
    QJsonArray path;
    for (const Measurement& m : r.measurements)
    {
        QJsonObject step{{"seconds", m.seconds}, {"point", m.point}, {"reading", m.reading}};
        if (!m.key.isEmpty()) step.insert("key", m.key);
        path.append(step);
    }
    QJsonObject o{{"format", kFormat},
                  {"version", kVersion},
                  {"id", r.id},
                  {"student", r.student},
                  {"seat", r.seat},
                  {"challenge", r.challenge},
                  {"started", r.started.toString(kTimeFormat)},
                  {"seconds", r.seconds},
                  {"answer", r.answer},
                  {"right", r.right},
                  {"score", r.score},
                  {"hints", r.hints},
                  {"measurements", path}};
    if (!r.studentId.isEmpty()) o.insert("student id", r.studentId);
    o.insert("score counts", scoreRuleKey(r.scoreCounts));
    if (!r.faults.isEmpty()) {
        QJsonArray faults;
        for (int f : r.faults) faults.append(f);
        o.insert("faults", faults);
    }
    if (!r.reasons.isEmpty()) o.insert("reasons", QJsonArray::fromStringList(r.reasons));
    if (!r.guidedAsked.isEmpty()) o.insert("guided tests", QJsonArray::fromStringList(r.guidedAsked));
    if (!r.guided.isEmpty()) {
        QJsonArray runs;
        for (const GuidedRun& g : r.guided) {
            QJsonObject run{{"run", g.run},
                            {"seconds", g.seconds},
                            {"test", g.test},
                            {"title", g.title},
                            {"result", resultKey(g.result)},
                            {"reason", g.reason}};
            if (g.resultSeconds >= 0) run.insert("result seconds", g.resultSeconds);
            if (!g.screen.isEmpty()) run.insert("screen", QString::fromLatin1(g.screen.toBase64()));
            runs.append(run);
        }
        o.insert("guided", runs);
    }
    if (!key.isEmpty()) o.insert("check", QString::fromLatin1(checkOf(o, key)));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QString suffix() { return QStringLiteral("vat"); }

QString fileNameOf(const AttemptRecord& r) {
    static const QRegularExpression notInNames(QStringLiteral("[^\\w .-]"), QRegularExpression::UseUnicodePropertiesOption);
    QString who = r.student;
    who.replace(notInNames, QStringLiteral(" "));
    who = who.simplified().left(40);
    if (who.isEmpty() || who.startsWith(u'.')) who.prepend(QStringLiteral("student "));
    return r.started.toString("yyyyMMdd-HHmmss") + " " + who + " " + r.id + "." + suffix();
}

bool parse(const QByteArray& bytes, const QByteArray& key, AttemptRecord* out, QString* problem) {
    auto fail = [problem](const QString& why) {
        *problem = why;
        return false;
    };
    if (bytes.size() > kMaxBytes) return fail(AttemptFileTexts::tr("The file is larger than %1 MB.").arg(kMaxBytes / (1024 * 1024)));
    if (bytes.trimmed().isEmpty()) return fail(AttemptFileTexts::tr("The file is empty."));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return fail(AttemptFileTexts::tr("The file is not an attempt file: it is not a JSON object (it may be cut short or damaged)."));
    QJsonObject o = doc.object();
    if (o.value("format").toString() != kFormat) return fail(AttemptFileTexts::tr("The file is not an attempt file: its format is not \"%1\".").arg(kFormat));
    if (!o.value("version").isDouble()) return fail(AttemptFileTexts::tr("The file gives no version."));
    const int version = o.value("version").toInt();
    if (version != kVersion)
        return fail(AttemptFileTexts::tr("The file is of version %1; this program reads version %2.")
                        .arg(o.value("version").toDouble())
                        .arg(kVersion));

    AttemptRecord r;
    QStringList missing;
    auto text = [&](const char* name) {
        const QJsonValue v = o.value(name);
        if (!v.isString()) missing << name;
        return v.toString();
    };
    // A number within its range; one outside it (or none) is missing, and stands as the range's
    // low end so that nothing converts a figure no whole number holds.
    auto number = [&](const char* name, double lo, double hi) {
        const QJsonValue v = o.value(name);
        if (!v.isDouble() || !(v.toDouble() >= lo && v.toDouble() <= hi)) {
            missing << name;
            return lo;
        }
        return v.toDouble();
    };
    r.id = text("id");
    r.student = text("student");
    r.seat = o.value("seat").toString();
    r.challenge = text("challenge");
    r.started = QDateTime::fromString(text("started"), kTimeFormat);
    if (!r.started.isValid() && !missing.contains("started")) missing << "started";
    r.answer = text("answer");
    r.seconds = number("seconds", 0, 1e7);
    r.score = int(number("score", 0, 100));
    r.hints = int(number("hints", 0, 1000));
    if (!o.value("right").isBool()) missing << "right";
    r.right = o.value("right").toBool();
    const QJsonValue path = o.value("measurements");
    if (!path.isArray() || path.toArray().size() > kMaxMeasurements) missing << "measurements";
    for (const QJsonValue& m : path.toArray()) {
        const QJsonObject mo = m.toObject();
        if (!m.isObject() || !mo.value("point").isString() || !mo.value("reading").isString()) {
            missing << "measurements";
            break;
        }
        r.measurements.append({mo.value("seconds").toDouble(), mo.value("point").toString(), mo.value("reading").toString(),
                               mo.value("key").toString()});
    }
    // Fields of files written since: optional.
    const QJsonValue studentId = o.value("student id");
    if (!studentId.isUndefined() && !studentId.isString()) missing << "student id";
    r.studentId = studentId.toString().trimmed();
    const QJsonValue counts = o.value("score counts");
    if (!counts.isUndefined() && !scoreRuleOf(counts.toString(), &r.scoreCounts)) missing << "score counts";
    const QJsonValue faults = o.value("faults");
    if (!faults.isUndefined()) {
        if (!faults.isArray() || faults.toArray().size() > Challenge::kMaxFaults) missing << "faults";
        for (const QJsonValue& f : faults.toArray()) {
            if (!f.isDouble() || f.toInt() < 1 || f.toInt() > sim::kFaultCount) {
                missing << "faults";
                break;
            }
            r.faults << f.toInt();
        }
    }
    const QJsonValue reasons = o.value("reasons");
    if (!reasons.isUndefined()) {
        if (!reasons.isArray() || reasons.toArray().size() > 20) missing << "reasons";
        for (const QJsonValue& v : reasons.toArray()) r.reasons << v.toString();
    }
    // The guided tests: optional, as an attempt at a challenge that asks for none has neither.
    const QJsonValue asked = o.value("guided tests");
    if (!asked.isUndefined()) {
        if (!asked.isArray() || asked.toArray().size() > Challenge::kMaxGuidedTests) missing << "guided tests";
        for (const QJsonValue& k : asked.toArray()) {
            if (!k.isString()) {
                missing << "guided tests";
                break;
            }
            r.guidedAsked << k.toString();
        }
    }
    const QJsonValue runs = o.value("guided");
    if (!runs.isUndefined()) {
        if (!runs.isArray() || runs.toArray().size() > Attempt::kMaxGuidedRuns) missing << "guided";
        for (const QJsonValue& v : runs.toArray()) {
            const QJsonObject g = v.toObject();
            GuidedRun run;
            const QJsonValue screen = g.value("screen");
            const bool usable = v.isObject() && g.value("run").isDouble() && g.value("seconds").isDouble() &&
                                g.value("test").isString() && g.value("title").isString() &&
                                resultOf(g.value("result").toString(), &run.result) &&
                                (screen.isUndefined() || screen.isString());
            if (!usable) {
                missing << "guided";
                break;
            }
            run.run = g.value("run").toInt();
            run.seconds = g.value("seconds").toDouble();
            run.resultSeconds = g.value("result seconds").toDouble(-1);
            run.test = g.value("test").toString();
            run.title = g.value("title").toString();
            run.reason = g.value("reason").toString();
            run.screen = QByteArray::fromBase64(screen.toString().toLatin1());
            r.guided.append(run);
        }
    }
    if (!missing.isEmpty()) {
        missing.removeDuplicates();
        return fail(AttemptFileTexts::tr("The file lacks a usable %1.").arg(missing.join(", ")));
    }

    const QJsonValue check = o.take("check");
    if (key.isEmpty()) r.check = AttemptRecord::Check::NoKey;
    else if (!check.isString()) r.check = AttemptRecord::Check::Missing;
    else r.check = password::sameBytes(check.toString().toLatin1(), checkOf(o, key)) ? AttemptRecord::Check::Good
                                                                          : AttemptRecord::Check::Failed;
    *out = r;
    return true;
}

QString checkText(AttemptRecord::Check check) {
    switch (check) {
    case AttemptRecord::Check::Good: return AttemptFileTexts::tr("Good");
    case AttemptRecord::Check::Failed: return AttemptFileTexts::tr("Changed");
    case AttemptRecord::Check::Missing: return AttemptFileTexts::tr("Missing");
    case AttemptRecord::Check::NoKey: break;
    }
    return QString();
}

}  // namespace attemptfile
