#include "challenges/challenge.h"

#include "multiscope/guidedtests.h"
#include "platform/files.h"
#include "platform/vbtypes.h"
#include "sim/catalogue.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QLocale>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace {

// What is wrong with a challenge or its file, as the instructor and the student read it.
struct ChallengeTexts {
    Q_DECLARE_TR_FUNCTIONS(Challenge)
};

// The first control character of the text, or -1: tabs and line ends are allowed where the
// text has lines (the instructions).
int controlCharacterAt(const QString& text, bool multiline) {
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (multiline && (c == '\n' || c == '\t')) continue;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return i;
    }
    return -1;
}

QString codePoint(QChar c) { return QString("U+%1").arg(c.unicode(), 4, 16, QChar('0')).toUpper(); }


const char kMagic[] = "Vantorel challenge ";
const char kEnd[] = "End of challenge";

bool parseWhole(const QString& text, int low, int high, int* out) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < low || v > high) return false;
    *out = v;
    return true;
}

QString sizeText(qint64 bytes) {
    if (bytes >= 1024 * 1024) return ChallengeTexts::tr("%1 MB").arg(QLocale().toString(bytes / (1024.0 * 1024.0), 'f', 1));
    return ChallengeTexts::tr("%1 KB").arg(QLocale().toString((bytes + 1023) / 1024));
}

}  // namespace

QString scoreRuleKey(ScoreRule rule) {
    switch (rule) {
    case ScoreRule::Best: return QStringLiteral("best");
    case ScoreRule::Last: return QStringLiteral("last");
    case ScoreRule::First: return QStringLiteral("first");
    case ScoreRule::Mean: break;
    }
    return QStringLiteral("mean");
}

bool scoreRuleOf(const QString& key, ScoreRule* out) {
    for (ScoreRule r : {ScoreRule::Best, ScoreRule::Last, ScoreRule::First, ScoreRule::Mean})
        if (key.trimmed().compare(scoreRuleKey(r), Qt::CaseInsensitive) == 0) {
            *out = r;
            return true;
        }
    return false;
}

Answer answerForFault(int fault) {
    const sim::FaultInfo* f = sim::faultNumbered(fault);
    if (!f) return {};
    return {QString::fromLatin1(f->part), QString::fromLatin1(f->where)};
}

const QStringList& gearNames() {
    static const QStringList names = {"N", "1", "2", "3", "4", "5", "R"};
    return names;
}

const QStringList& throttleNames() {
    static const QStringList names = {"off", "on", "full"};
    return names;
}

namespace {

const char kSealMagic[] = "v1 ";
const QByteArray kSealCheck = QByteArrayLiteral("Vantorel sealed\n");

// The keystream: SHA-256 blocks of the program's key, the title and a counter.
QByteArray keystream(const QString& title, int length) {
    QByteArray out;
    for (quint32 block = 0; out.size() < length; ++block) {
        QCryptographicHash h(QCryptographicHash::Sha256);
        h.addData(QByteArrayLiteral("Vantorel challenge seal, version 1"));
        h.addData(title.toUtf8());
        h.addData(QByteArray::number(block));
        out += h.result();
    }
    return out.left(length);
}

QString optionText(const FaultOption& o) {
    QStringList numbers;
    for (int f : o.faults) numbers << QString::number(f);
    QString t = numbers.join(", ");
    if (o.engine == FaultOption::Engine::Running) t += QStringLiteral(" @ running");
    if (o.engine == FaultOption::Engine::Stopped) t += QStringLiteral(" @ stopped");
    return t;
}

QString weightsText(const ScoreWeights& w) {
    return QString("evidence %1, needless %2, free %3, hints %4, late %5, guided %6")
        .arg(w.evidence).arg(w.needless).arg(w.freeNeedless).arg(w.hints).arg(w.late).arg(w.guided);
}

}  // namespace

QString drawText(const QList<FaultOption>& draw) {
    QStringList options;
    for (const FaultOption& o : draw) options << optionText(o);
    return options.join("; ");
}

bool parseDraw(const QString& value, QList<FaultOption>* out, QString* problem) {
    QList<FaultOption> draw;
    for (const QString& set : value.split(';')) {
        FaultOption o;
        QString numbers = set;
        const int at = set.indexOf('@');
        if (at >= 0) {
            const QString state = set.mid(at + 1).trimmed().toLower();
            if (state == QLatin1String("running")) o.engine = FaultOption::Engine::Running;
            else if (state == QLatin1String("stopped")) o.engine = FaultOption::Engine::Stopped;
            else {
                *problem = ChallengeTexts::tr("a set's engine is \"@ running\" or \"@ stopped\".");
                return false;
            }
            numbers = set.left(at);
        }
        for (const QString& part : numbers.split(',')) {
            int f = 0;
            if (!parseWhole(part, 1, sim::kFaultCount, &f)) {
                *problem = ChallengeTexts::tr("\"%1\" is not one of the faults 1 to %2.").arg(part.trimmed().left(20), QString::number(sim::kFaultCount));
                return false;
            }
            o.faults << f;
        }
        draw << o;
    }
    *out = draw;
    return true;
}

QString sealText(const QString& lines, const QString& title) {
    const QByteArray plain = kSealCheck + lines.toUtf8();
    const QByteArray key = keystream(title, plain.size());
    QByteArray out(plain.size(), '\0');
    for (int i = 0; i < plain.size(); ++i) out[i] = char(plain[i] ^ key[i]);
    return QLatin1String(kSealMagic) + QString::fromLatin1(out.toBase64());
}

bool openSealed(const QString& sealed, const QString& title, QString* lines) {
    if (!sealed.startsWith(QLatin1String(kSealMagic))) return false;
    const auto decoded = QByteArray::fromBase64Encoding(sealed.mid(int(sizeof kSealMagic) - 1).trimmed().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return false;
    const QByteArray key = keystream(title, decoded.decoded.size());
    QByteArray plain(decoded.decoded.size(), '\0');
    for (int i = 0; i < plain.size(); ++i) plain[i] = char(decoded.decoded[i] ^ key[i]);
    if (!plain.startsWith(kSealCheck)) return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    *lines = utf8.decode(plain.mid(kSealCheck.size()));
    return !utf8.hasError();
}

QString Challenge::toText(bool sealed) const {
    QString t;
    t += kMagic + QString::number(kVersion) + '\n';
    t += "Title: " + title + '\n';
    t += QString("Engine: ") + (engineRunning ? "running" : "stopped") + '\n';
    t += "Battery: " + QString::number(battery) + '\n';
    t += "Temperature: " + QString::number(temperature) + '\n';
    t += "Gear: " + gearNames().value(gear) + '\n';
    t += "Throttle: " + throttleNames().value(throttle) + '\n';
    t += QString("Auto run: ") + (autoRun ? "on" : "off") + '\n';
    // What the student must find.
    QString secret;
    if (draw.isEmpty()) {
        QStringList numbers;
        for (int f : faults) numbers << QString::number(f);
        secret += "Faults: " + numbers.join(", ") + '\n';
        for (const Answer& a : answers) secret += "Answer: " + a.text() + '\n';
    } else {
        secret += "Draw: " + drawText(draw) + '\n';
    }
    t += sealed ? "Sealed: " + sealText(secret, title) + '\n' : secret;
    if (timeLimitMinutes > 0) t += "Time limit: " + QString::number(timeLimitMinutes) + '\n';
    if (measurementLimit > 0) t += "Measurement limit: " + QString::number(measurementLimit) + '\n';
    for (const Hint& h : hints) t += "Hint: " + QString::number(h.points) + " | " + h.text + '\n';
    if (!guidedTests.isEmpty()) t += "Guided tests: " + guidedTests.join(", ") + '\n';
    // The rules are written whenever they are not the defaults a file without them reads as.
    if (attempts != kDefaultAttempts) t += "Attempts: " + (attempts == 0 ? QStringLiteral("any") : QString::number(attempts)) + '\n';
    if (scoreCounts != ScoreRule::Mean) t += "Score counts: " + scoreRuleKey(scoreCounts) + '\n';
    if (showAnswer) t += QStringLiteral("Show answer: yes\n");
    if (weights != ScoreWeights()) t += "Weights: " + weightsText(weights) + '\n';
    t += "Instructions:\n";
    QString body = instructions;
    body.replace("\r\n", "\n");
    while (body.endsWith('\n')) body.chop(1);
    t += body + '\n';
    t += QString(kEnd) + '\n';
    return t;
}

QString Challenge::startStateText() const {
    static const char* const throttles[] = {QT_TRANSLATE_NOOP("Challenge", "throttle off"), QT_TRANSLATE_NOOP("Challenge", "throttle on"),
                                            QT_TRANSLATE_NOOP("Challenge", "throttle full")};
    const QString engine = engineRunning ? ChallengeTexts::tr("Engine running") : ChallengeTexts::tr("Engine stopped");
    const QString gearText = gear == 0 ? ChallengeTexts::tr("neutral")
                             : gear == 6 ? ChallengeTexts::tr("reverse gear")
                                         : ChallengeTexts::tr("gear %1").arg(gearNames().value(gear));
    const QString throttleText = throttle >= 0 && throttle < 3 ? ChallengeTexts::tr(throttles[throttle]) : QStringLiteral("throttle ");
    const QString autoRunText = autoRun ? ChallengeTexts::tr("auto run on") : ChallengeTexts::tr("auto run off");
    return ChallengeTexts::tr("%1, battery %2 V, engine at %3 °C, %4, %5, %6.")
        .arg(engine, QLocale().toString(battery), QLocale().toString(temperature), gearText, throttleText, autoRunText);
}

QString Challenge::problem(const QList<Answer>& offered) const {
    if (title.trimmed().isEmpty()) return ChallengeTexts::tr("The challenge has no title.");
    if (title.contains('\n')) return ChallengeTexts::tr("The title must be one line.");
    if (title.size() > kMaxTitle) return ChallengeTexts::tr("The title is %1 characters long; a title has at most %2.").arg(title.size()).arg(kMaxTitle);
    if (const int at = controlCharacterAt(title, false); at >= 0) return ChallengeTexts::tr("The title holds a control character (%1).").arg(codePoint(title[at]));
    if (instructions.trimmed().isEmpty()) return ChallengeTexts::tr("The challenge has no instructions for the student.");
    if (instructions.size() > kMaxInstructions)
        return ChallengeTexts::tr("The instructions are %1 characters long; they may have at most %2.").arg(instructions.size()).arg(kMaxInstructions);
    if (const int at = controlCharacterAt(instructions, true); at >= 0)
        return ChallengeTexts::tr("The instructions hold a control character (%1).").arg(codePoint(instructions[at]));
    auto faultsProblem = [&](const QList<int>& set) -> QString {
        if (set.isEmpty()) return ChallengeTexts::tr("The challenge injects no fault: choose at least one.");
        if (set.size() > kMaxFaults) return ChallengeTexts::tr("A challenge injects at most %1 faults.").arg(kMaxFaults);
        QSet<int> seen;
        for (int f : set) {
            if (f < 1 || f > sim::kFaultCount) return ChallengeTexts::tr("Fault %1 is not one of the faults 1 to %2.").arg(f).arg(sim::kFaultCount);
            if (seen.contains(f)) return ChallengeTexts::tr("Fault %1 is listed twice.").arg(f);
            seen.insert(f);
        }
        return QString();
    };
    if (draw.isEmpty()) {
        if (const QString why = faultsProblem(faults); !why.isEmpty()) return why;
        if (answers.isEmpty()) return ChallengeTexts::tr("The challenge has no answer: choose the faulty part and circuit.");
        if (answers.size() > kMaxAnswers) return ChallengeTexts::tr("A challenge has at most %1 answers.").arg(kMaxAnswers);
        for (int i = 0; i < answers.size(); ++i) {
            if (!offered.contains(answers[i])) return ChallengeTexts::tr("The answer \"%1\" is not in the list of answers.").arg(answers[i].text());
            for (int j = 0; j < i; ++j)
                if (answers[j] == answers[i]) return ChallengeTexts::tr("The answer \"%1\" is given twice.").arg(answers[i].text());
        }
    } else {
        if (!faults.isEmpty() || !answers.isEmpty())
            return ChallengeTexts::tr("A challenge that draws its faults gives no faults or answers of its own.");
        if (draw.size() < 2 || draw.size() > kMaxDraw)
            return ChallengeTexts::tr("A draw offers from 2 to %1 sets of faults.").arg(kMaxDraw);
        for (int i = 0; i < draw.size(); ++i) {
            if (const QString why = faultsProblem(draw[i].faults); !why.isEmpty())
                return ChallengeTexts::tr("Set %1 of the draw: %2").arg(QString::number(i + 1), why);
            if (draw[i].faults.size() > kMaxAnswers)
                return ChallengeTexts::tr("Set %1 of the draw has more faults than a student can name (%2).")
                    .arg(i + 1)
                    .arg(kMaxAnswers);
            for (int f : draw[i].faults)
                if (!offered.contains(answerForFault(f)))
                    return ChallengeTexts::tr("Fault %1 of the draw shows at no connection point: a student cannot find it.").arg(f);
            for (int j = 0; j < i; ++j)
                if (draw[j] == draw[i])
                    return ChallengeTexts::tr("Set %1 of the draw is set %2 again.").arg(i + 1).arg(j + 1);
        }
    }
    for (const int w : {weights.evidence, weights.needless, weights.freeNeedless, weights.hints, weights.late, weights.guided})
        if (w < 0 || w > 100) return ChallengeTexts::tr("Each weight of the score is from 0 to 100.");
    if (hints.size() > kMaxHints) return ChallengeTexts::tr("A challenge has at most %1 hints.").arg(kMaxHints);
    for (const Hint& h : hints) {
        if (h.text.trimmed().isEmpty()) return ChallengeTexts::tr("A hint has no text.");
        if (h.text.size() > kMaxHintText)
            return ChallengeTexts::tr("A hint is %1 characters long; a hint has at most %2.").arg(h.text.size()).arg(kMaxHintText);
        if (const int at = controlCharacterAt(h.text, false); at >= 0) return ChallengeTexts::tr("A hint holds a control character (%1).").arg(codePoint(h.text[at]));
        if (h.points < 1 || h.points > 50) return ChallengeTexts::tr("A hint costs from 1 to 50 points.");
    }
    if (attempts < 0 || attempts > kMaxAttempts)
        return ChallengeTexts::tr("The attempts must be from 1 to %1, or any number.").arg(kMaxAttempts);
    if (guidedTests.size() > kMaxGuidedTests)
        return ChallengeTexts::tr("A challenge asks for at most %1 guided tests.").arg(kMaxGuidedTests);
    for (int i = 0; i < guidedTests.size(); ++i) {
        if (!guided::testForKey(guidedTests[i]))
            return ChallengeTexts::tr("\"%1\" is not one of the instrument's guided tests.").arg(guidedTests[i].left(40));
        if (guidedTests.indexOf(guidedTests[i]) < i)
            return ChallengeTexts::tr("The guided test \"%1\" is asked for twice.").arg(guidedTests[i]);
    }
    if (battery < 0 || battery > 16) return ChallengeTexts::tr("The battery voltage must be from 0 to 16 V.");
    if (temperature < -20 || temperature > 110) return ChallengeTexts::tr("The engine temperature must be from -20 to 110 °C.");
    if (timeLimitMinutes < 0 || timeLimitMinutes > 240) return ChallengeTexts::tr("The time limit must be from 1 to 240 minutes.");
    if (measurementLimit < 0 || measurementLimit > 999) return ChallengeTexts::tr("The measurement limit must be from 1 to 999.");
    return QString();
}

bool parseChallenge(const QByteArray& bytes, const QList<Answer>& offered, Challenge* out, QString* problem) {
    auto fail = [&](const QString& why) {
        *problem = why;
        return false;
    };
    if (bytes.isEmpty()) return fail(ChallengeTexts::tr("The file is empty."));
    if (bytes.size() > Challenge::kMaxFileBytes)
        return fail(ChallengeTexts::tr("The file is too large (%1); a challenge file holds at most %2.")
                        .arg(sizeText(bytes.size()), sizeText(Challenge::kMaxFileBytes)));
    if (bytes.contains('\0')) return fail(ChallengeTexts::tr("The file is not a challenge: it holds binary data."));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return fail(ChallengeTexts::tr("The file is not a challenge: it is not UTF-8 text."));
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    text.replace("\r\n", "\n");
    const QStringList lines = text.split('\n');

    const QString first = lines.first().trimmed();
    if (!first.startsWith(kMagic)) return fail(ChallengeTexts::tr("The file is not a challenge: its first line is not \"Vantorel challenge 1\"."));
    bool ok = false;
    const int version = first.mid(int(sizeof kMagic) - 1).toInt(&ok);
    if (!ok || version < 1) return fail(ChallengeTexts::tr("The file is not a challenge: its first line is not \"Vantorel challenge 1\"."));
    if (version > Challenge::kVersion)
        return fail(ChallengeTexts::tr("The file was made by a newer version of Vantorel (challenge format %1); this version reads format %2.")
                        .arg(version)
                        .arg(Challenge::kVersion));

    for (int n = 0; n < lines.size(); ++n)
        if (const int at = controlCharacterAt(lines[n], true); at >= 0)
            return fail(ChallengeTexts::tr("Line %1 holds a control character (%2): the file is not plain text.").arg(QString::number(n + 1), codePoint(lines[n][at])));

    // A file cut short loses its closing line first.
    int last = lines.size() - 1;
    while (last > 0 && lines[last].trimmed().isEmpty()) --last;
    if (lines[last].trimmed() != QLatin1String(kEnd))
        return fail(ChallengeTexts::tr("The file does not end with \"End of challenge\": it may be cut short."));

    Challenge c;
    QSet<QString> given;
    QString sealed, sealedWhere;
    // One keyed line: the problem with it, or nothing. What the seal holds reads as lines of
    // the file do, and may give only what the editor seals.
    auto handle = [&](const QString& line, const QString& where, bool inSeal) -> QString {
        const int colon = line.indexOf(':');
        if (colon < 0) return ChallengeTexts::tr("%1 is not \"Key: value\": %2").arg(where, line.left(60));
        const QString key = line.left(colon).trimmed().toLower();
        const QString value = line.mid(colon + 1).trimmed();
        const bool secret = key == "faults" || key == "answer" || key == "draw";
        if (inSeal && !secret) return ChallengeTexts::tr("%1: the sealed answers hold something else.").arg(where);
        const bool repeatable = key == "answer" || key == "hint";
        if (!repeatable && given.contains(key)) return ChallengeTexts::tr("%1 repeats \"%2\".").arg(where, line.left(colon));
        given.insert(key);
            if (key == "title") {
                c.title = value;
            } else if (key == "engine") {
                if (value.compare("running", Qt::CaseInsensitive) == 0) c.engineRunning = true;
                else if (value.compare("stopped", Qt::CaseInsensitive) == 0) c.engineRunning = false;
                else return ChallengeTexts::tr("%1: the engine is \"running\" or \"stopped\".").arg(where);
            } else if (key == "battery") {
                if (!parseWhole(value, 0, 16, &c.battery)) return ChallengeTexts::tr("%1: the battery voltage is a whole number from 0 to 16.").arg(where);
            } else if (key == "temperature") {
                if (!parseWhole(value, -20, 110, &c.temperature))
                    return ChallengeTexts::tr("%1: the temperature is a whole number from -20 to 110.").arg(where);
            } else if (key == "gear") {
                c.gear = gearNames().indexOf(value.toUpper());
                if (c.gear < 0) return ChallengeTexts::tr("%1: the gear is N, 1 to 5 or R.").arg(where);
            } else if (key == "throttle") {
                c.throttle = throttleNames().indexOf(value.toLower());
                if (c.throttle < 0) return ChallengeTexts::tr("%1: the throttle is \"off\", \"on\" or \"full\".").arg(where);
            } else if (key == "auto run") {
                if (value.compare("on", Qt::CaseInsensitive) == 0) c.autoRun = true;
                else if (value.compare("off", Qt::CaseInsensitive) == 0) c.autoRun = false;
                else return ChallengeTexts::tr("%1: auto run is \"on\" or \"off\".").arg(where);
            } else if (key == "faults") {
                for (const QString& part : value.split(',')) {
                    int f = 0;
                    if (!parseWhole(part, 1, sim::kFaultCount, &f))
                        return ChallengeTexts::tr("%1: \"%2\" is not one of the faults 1 to %3.")
                            .arg(where, part.trimmed().left(20), QString::number(sim::kFaultCount));
                    c.faults << f;
                }
            } else if (key == "answer") {
                const QStringList pair = value.split('|');
                if (pair.size() != 2) return ChallengeTexts::tr("%1: an answer is \"part | circuit\".").arg(where);
                c.answers << Answer{pair[0].trimmed(), pair[1].trimmed()};
            } else if (key == "time limit") {
                if (!parseWhole(value, 1, 240, &c.timeLimitMinutes))
                    return ChallengeTexts::tr("%1: the time limit is a whole number of minutes from 1 to 240.").arg(where);
            } else if (key == "measurement limit") {
                if (!parseWhole(value, 1, 999, &c.measurementLimit))
                    return ChallengeTexts::tr("%1: the measurement limit is a whole number from 1 to 999.").arg(where);
            } else if (key == "hint") {
                const int bar = value.indexOf('|');
                Hint h;
                if (bar < 0 || !parseWhole(value.left(bar), 1, 50, &h.points))
                    return ChallengeTexts::tr("%1: a hint is \"points | text\", with 1 to 50 points.").arg(where);
                h.text = value.mid(bar + 1).trimmed();
                c.hints << h;
            } else if (key == "attempts") {
                if (value.compare("any", Qt::CaseInsensitive) == 0) c.attempts = 0;
                else if (!parseWhole(value, 1, Challenge::kMaxAttempts, &c.attempts))
                    return ChallengeTexts::tr("%1: the attempts are a whole number from 1 to %2, or \"any\".")
                        .arg(where, QString::number(Challenge::kMaxAttempts));
            } else if (key == "score counts") {
                if (!scoreRuleOf(value, &c.scoreCounts))
                    return ChallengeTexts::tr("%1: the score that counts is \"best\", \"last\", \"first\" or \"mean\".").arg(where);
            } else if (key == "show answer") {
                if (value.compare("yes", Qt::CaseInsensitive) == 0) c.showAnswer = true;
                else if (value.compare("no", Qt::CaseInsensitive) == 0) c.showAnswer = false;
                else return ChallengeTexts::tr("%1: show answer is \"yes\" or \"no\".").arg(where);
            } else if (key == "guided tests") {
                for (const QString& part : value.split(',')) {
                    const QString test = part.trimmed().toLower();
                    if (test.isEmpty())
                        return ChallengeTexts::tr("%1: the guided tests are their keys, separated by commas.").arg(where);
                    c.guidedTests << test;
                }
        } else if (key == "draw") {
            QString why;
            if (!parseDraw(value, &c.draw, &why)) return ChallengeTexts::tr("%1: %2").arg(where, why);
        } else if (key == "weights") {
            ScoreWeights w;
            const QHash<QString, int*> names = {{"evidence", &w.evidence}, {"needless", &w.needless}, {"free", &w.freeNeedless},
                                                {"hints", &w.hints},       {"late", &w.late},         {"guided", &w.guided}};
            for (const QString& pair : value.split(',')) {
                const QStringList nv = pair.simplified().split(' ');
                if (nv.size() != 2 || !names.contains(nv[0].toLower()) || !parseWhole(nv[1], 0, 100, names.value(nv[0].toLower())))
                    return ChallengeTexts::tr("%1: the weights are \"NAME NUMBER\" pairs (evidence, needless, free, hints, late, guided; 0 to 100), separated by commas.").arg(where);
            }
            c.weights = w;
        } else if (key == "sealed") {
            sealed = value;
            sealedWhere = where;
        } else {
            return ChallengeTexts::tr("%1 has a key this version does not know: \"%2\".").arg(where, line.left(colon).left(40));
        }
        return QString();
    };
    int i = 1;
    for (; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        if (line.compare("Instructions:", Qt::CaseInsensitive) == 0) break;
        if (const QString why = handle(line, ChallengeTexts::tr("Line %1").arg(i + 1), false); !why.isEmpty()) return fail(why);
    }
    if (!sealedWhere.isEmpty()) {
        QString opened;
        if (!openSealed(sealed, c.title, &opened))
            return fail(ChallengeTexts::tr("%1: the sealed answers cannot be opened (the title or the seal was changed after the file was saved).")
                            .arg(sealedWhere));
        for (const QString& line : opened.split('\n', Qt::SkipEmptyParts))
            if (const QString why = handle(line.trimmed(), sealedWhere, true); !why.isEmpty()) return fail(why);
    }
    if (i >= last) return fail(ChallengeTexts::tr("The line \"Instructions:\" is missing."));
    for (const char* key : {"title", "engine", "battery", "temperature", "gear", "throttle", "auto run", "faults"})
        if (!given.contains(key) && !(QLatin1String(key) == QLatin1String("faults") && given.contains("draw"))) {
            QString name = key;
            name[0] = name[0].toUpper();
            return fail(ChallengeTexts::tr("The line \"%1:\" is missing.").arg(name));
        }
    for (int n = i + 1; n < last; ++n)
        if (lines[n].trimmed() == QLatin1String(kEnd))
            return fail(ChallengeTexts::tr("Line %1 is a second \"End of challenge\": a challenge file ends once, at its last line.").arg(n + 1));
    // The instructions run to the closing line.
    c.instructions = lines.mid(i + 1, last - i - 1).join('\n').trimmed();
    const QString wrong = c.problem(offered);
    if (!wrong.isEmpty()) return fail(wrong);
    *out = c;
    return true;
}

bool loadChallengeFile(const QString& path, const QList<Answer>& offered, Challenge* out, QString* message) {
    const QString name = QFileInfo(path).fileName();
    QString why;
    try {
        // One byte more than a challenge may hold, so that a larger file is told apart.
        bool whole = true;
        QByteArray bytes = readRegularFileHead(path, Challenge::kMaxFileBytes + 1, &whole);
        if (!whole || bytes.size() > Challenge::kMaxFileBytes) {
            const qint64 size = QFileInfo(path).size();
            why = ChallengeTexts::tr("The file is too large (%1); a challenge file holds at most %2.")
                      .arg(sizeText(size), sizeText(Challenge::kMaxFileBytes));
        } else if (parseChallenge(bytes, offered, out, &why)) {
            return true;
        }
    } catch (const VbError& e) {
        why = e.number == 53 ? ChallengeTexts::tr("The file cannot be found.") : ChallengeTexts::tr("The file cannot be read (%1).").arg(e.description);
    }
    *message = ChallengeTexts::tr("The challenge \"%1\" cannot be opened.\n\n%2").arg(name, why);
    return false;
}
