#include "app/script/scriptrunner.h"

#include "app/main_window/frmmainscreen.h"
#include "app/script/parser.h"
#include "app/startup.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/scriptplatform.h"
#include "platform/services.h"
#include "platform/vbtypes.h"
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <QCoreApplication>
#include <QFile>

namespace {

ScriptRunner* g_activeRunner = nullptr;

}  // namespace

ScriptRunner::ScriptRunner(Sink sink) : sink_(std::move(sink)) {
    platform_ = new ScriptPlatform([this](const QJsonObject& e) { emitEvent(e); });
    platform_->setYieldHook([this] { onYield(); });
    setPlatform(platform_);
    VTimer::setAutoRun(false);
    g_activeRunner = this;
    setUntrappedSink([this](int number, const QString& description) { untrappedError(number, description); });
}

ScriptRunner::~ScriptRunner() {
    if (g_activeRunner == this) {
        g_activeRunner = nullptr;
        setUntrappedSink(nullptr);
    }
}

ScriptRunner* ScriptRunner::active() { return g_activeRunner; }

void ScriptRunner::untrappedError(int number, const QString& description) {
    ++errors_;
    emitEvent({{"event", "error"}, {"line", currentLine_},
               {"text", "Run-time error " + QString::number(number) + ": " + description}});
}

void ScriptRunner::emitEvent(const QJsonObject& e) {
    if (e.value("event") == "message") lastMessage_ = e.value("text").toString();
    events_.append(e);
    if (events_.size() > kEventLog) {
        events_.removeFirst();
        ++eventsCut_;
    }
    sink_(e);
}

int ScriptRunner::runFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        emitEvent({{"event", "error"}, {"line", 0}, {"text", "cannot read script " + path}});
        emitEvent({{"event", "end"}, {"errors", 1}});
        return 1;
    }
    const int errors = runLines(QString::fromUtf8(f.readAll()).split('\n'));
#if defined(__SANITIZE_ADDRESS__)
    // Script mode ends with _Exit, which skips the leak check of a normal exit (and the
    // teardown of every window). Check here instead, with the windows still alive: what is
    // reported is memory the run lost, not memory the exit did not free.
    __lsan_do_leak_check();
#endif
    return errors;
}

int ScriptRunner::runLines(const QStringList& lines, bool final) {
    if (!started_) {
        started_ = true;
        try {
            Main();
        } catch (const VbError& e) {
            ++errors_;
            emitEvent({{"event", "error"}, {"line", 0},
                       {"text", "Run-time error " + QString::number(e.number) + ": " + e.description}});
        }
        settle();
    }
    for (int i = 0; i < lines.size() && !programEnded(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        execute(trimmed, i + 1);
    }
    // A deferred check that never came due would otherwise pass by saying nothing.
    for (const Deferred& d : final ? deferred_ : QList<Deferred>()) {
        ++errors_;
        emitEvent({{"event", "error"}, {"line", d.line}, {"text", "deferred command never ran: " + d.command}});
    }
    if (final) deferred_.clear();
    if (programEnded()) emitEvent({{"event", "exit"}});
    emitEvent({{"event", "end"}, {"errors", errors_}});
    return errors_;
}

void ScriptRunner::settle() {
    // Lets Qt finish layouts, activations and deferred deletions; no timer runs by itself.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool ScriptRunner::execute(const QString& line, int lineNo) {
    const int savedLine = currentLine_;
    currentLine_ = lineNo;
    QString rest;
    const QString verb = script::firstWord(line, &rest);
    QString error;
    bool ok;
    try {
        ok = command(verb.toLower(), rest, lineNo, &error);
    } catch (const VbError& e) {
        ok = false;
        error = "Run-time error " + QString::number(e.number) + ": " + e.description;
    }
    if (!ok) {
        ++errors_;
        // A failed line always says why; a command that forgot to is named at least.
        if (error.isEmpty()) error = "\"" + line.left(200) + "\" could not be run";
        emitEvent({{"event", "error"}, {"line", lineNo}, {"text", error}});
    }
    settle();
    currentLine_ = savedLine;
    return ok;
}

void ScriptRunner::onYield() {
    if (deferred_.isEmpty()) return;
    QList<Deferred> due;
    for (int i = 0; i < deferred_.size();) {
        if (--deferred_[i].remaining <= 0) due.append(deferred_.takeAt(i));
        else ++i;
    }
    for (const Deferred& d : due) execute(d.command, d.line);
}

bool ScriptRunner::refuse(const QString& target, const QString& why) {
    emitEvent({{"event", "refused"}, {"target", target}, {"text", why}});
    return true;
}
