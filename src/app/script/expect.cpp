// The checks of script mode: `expect WHAT ...`; a check that fails is an error line saying what
// was expected and what was found.
#include "app/script/scriptrunner.h"

#include "app/main_window/frmmainscreen.h"
#include "app/script/inspectors.h"
#include "app/script/lockedroom.h"
#include "app/script/parser.h"
#include "app/script/target.h"
#include "platform/numbers.h"
#include "platform/status.h"
#include "sim/simstate.h"

#include <QFile>
#include <QStringDecoder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <cmath>

using namespace script;

namespace {

bool mismatch(const QString& name, const QString& want, const QString& got, QString* error) {
    *error = "expected " + name + " to be \"" + want + "\", got \"" + got + "\"";
    return false;
}

}  // namespace

bool ScriptRunner::expect(const QString& rest, QString* error) {
    QString args;
    const QString what = firstWord(rest, &args);
    if (what == "status") {
        const QString want = unescape(unquote(args));
        const QString got = StatusText();
        return got == want || mismatch("status", want, got, error);
    }
    if (what == "status2") {
        const QString want = unescape(unquote(args));
        const QString got = mainWindow() ? mainWindow()->panel(2)->text() : QString();
        return got == want || mismatch("status panel 2", want, got, error);
    }
    if (what == "message") {
        const QString want = unescape(unquote(args));
        return lastMessage_ == want || mismatch("the last message", want, lastMessage_, error);
    }
    if (what == "event" || what == "noevent") return expectEvent(what, args, error);
    if (what == "fileline" || what == "filelines" || what == "filetext") return expectFile(what, args, error);
    if (what.contains('.') || what.startsWith("frm") || what == "MultiScope" || what == "FRMsimulation")
        return expectTarget(what, args, error);
    return expectVariable(what, args, error);
}

// expect event TEXT, expect noevent TEXT: the events since the last passed check or mark.
bool ScriptRunner::expectEvent(const QString& what, const QString& args, QString* error) {
    const QString want = unescape(unquote(args));
    int found = -1;
    for (int i = 0; i < events_.size() && found < 0; ++i) {
        const QString line = QString::fromUtf8(QJsonDocument(events_[i]).toJson(QJsonDocument::Compact));
        if (line.contains(want)) found = i;
    }
    // Events let go of since the last check may have held the text: a search that did not
    // find it cannot tell.
    const QString cut =
        eventsCut_ == 0 ? QString()
                        : (eventsCut_ == 1 ? QString("; the first event since the last check was not kept")
                                           : QString("; the first %1 events since the last check were not kept").arg(eventsCut_)) +
                              QString(" (the log keeps the last %1): put a \"mark\" nearer to the events to check").arg(kEventLog);
    if (what == "event") {
        if (found < 0) {
            *error = "no event since the last check contains " + want + cut;
            return false;
        }
        events_ = events_.mid(found + 1);
        eventsCut_ = 0;
        return true;
    }
    if (found >= 0) {
        *error = "an event contains " + want;
        return false;
    }
    if (!cut.isEmpty()) {
        *error = "cannot tell that no event contains " + want + cut;
        return false;
    }
    return true;
}

// expect fileline PATH N TEXT, expect filelines PATH N, expect filetext PATH TEXT.
bool ScriptRunner::expectFile(const QString& what, const QString& args, QString* error) {
    QString tail;
    const QString path = scriptPath(firstWord(args, &tail));
    if (const QString why = fileRefusal(path); !why.isEmpty()) {
        *error = why;
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return false;
    }
    // Read as the program reads text: UTF-8, or Latin-1 when the bytes are not valid UTF-8.
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    if (what == "filetext") {
        const QString want = unescape(unquote(tail));
        return text == want || mismatch(path, want, text, error);
    }
    QStringList lines = text.split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (what == "filelines") {
        return QString::number(lines.size()) == tail.trimmed() ||
               mismatch("the line count of " + path, tail.trimmed(), QString::number(lines.size()), error);
    }
    QString want;
    const int n = firstWord(tail, &want).toInt();
    want = unescape(unquote(want));
    const QString got = n >= 1 && n <= lines.size() ? lines[n - 1] : QString("<no line>");
    return got == want || mismatch("line " + QString::number(n) + " of " + path, want, got, error);
}

// expect T FIELD VALUE: a field of what `show T` prints. Like `show`, it loads no window; of one
// that is not loaded only `loaded` can be checked (false).
bool ScriptRunner::expectTarget(const QString& what, const QString& args, QString* error) {
    QString wantText;
    const QString field = firstWord(args, &wantText);
    Target t;
    if (!resolve(what, Lookup::LoadedOnly, &t, error)) return false;
    // A check of what a locked room keeps back fails without telling what it holds.
    if (const QString why = barred(t); !why.isEmpty()) {
        *error = why;
        return false;
    }
    const QString want = unescape(unquote(wantText));
    if (field == "loaded") {
        const QString got = t.loaded ? "true" : "false";
        return got == want || mismatch(what + " " + field, want, got, error);
    }
    if (!t.loaded) {
        *error = what + " has no " + field + ": " + t.name.window + " is not loaded";
        return false;
    }
    QJsonObject o;
    if (!showTarget(t, &o, error)) return false;
    if (!o.contains(field)) {
        *error = what + " has no field " + field;
        return false;
    }
    const QString got = jsonText(o.value(field));
    return got == want || mismatch(what + " " + field, want, got, error);
}

// expect NAME VALUE: a shared variable (NAME(I) an element of an array).
bool ScriptRunner::expectVariable(const QString& what, const QString& args, QString* error) {
    const QJsonObject state = stateToJson();
    const QString& name = what;
    QJsonValue v;
    if (name.endsWith(')')) {
        const int open = name.indexOf('(');
        const QJsonArray a = state.value(name.left(open)).toArray();
        const int i = name.mid(open + 1, name.size() - open - 2).toInt();
        if (i < 0 || i >= a.size()) {
            *error = "no shared variable " + name;
            return false;
        }
        v = a.at(i);
    } else {
        if (!state.contains(name)) {
            *error = "no shared variable " + name;
            return false;
        }
        v = state.value(name);
    }
    const QString want = unquote(args);
    const QString got = jsonText(v);
    bool ok = got == want;
    if (!ok && v.isDouble()) {
        // Numbers compare by value, to 9 decimals.
        bool numeric = false;
        const double w = vb::val(want, &numeric);
        ok = numeric && std::abs(w - v.toDouble()) < 1e-9 * std::max(1.0, std::abs(w));
    }
    return ok || mismatch(name, want, got, error);
}
