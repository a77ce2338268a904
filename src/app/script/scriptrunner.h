// Script mode: runs the real program on virtual time from a file of commands and writes a
// transcript of JSON objects, one per line. The runner keeps the script's place, its deferred
// commands and the events; a line is read by the parser (parser.h), its verb found in the table
// of verbs (verbs.cpp), its target by name (target.h) and shown or changed by the inspector of
// the target's kind (inspectors.h); expect.cpp holds the checks.
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class ScriptPlatform;

class ScriptRunner {
public:
    using Sink = std::function<void(const QJsonObject&)>;
    explicit ScriptRunner(Sink sink);
    ~ScriptRunner();

    // Installs the scripted platform, runs start-up, then every line; returns the number
    // of lines that failed. Writes the closing "end" event.
    int runFile(const QString& path);
    // With `final`, commands still deferred at the end are error lines; a runner that is
    // given its script in parts (the unit tests) keeps them for the next part.
    int runLines(const QStringList& lines, bool final = true);
    ScriptPlatform* platform() const { return platform_; }
    // The runner of this process, if a script is being run.
    static ScriptRunner* active();
    // A run-time error that no handler trapped and that surfaced where Qt delivers an event
    // (a key press, a posted event): an error line for the current script line.
    void untrappedError(int number, const QString& description);

private:
    struct Deferred {
        int remaining;
        QString command;
        int line;
    };

    void emitEvent(const QJsonObject& e);
    bool execute(const QString& line, int lineNo);
    // One command of a script line: its verb in lower case, the rest of the line, and the
    // script line it stands on (for a deferred command, the line of its "defer").
    struct Call {
        const QString& verb;
        const QString& rest;
        int line;
    };
    // A verb's handler: false, with the error text, when the command fails.
    using Verb = bool (ScriptRunner::*)(const Call& c, QString* error);

    // The table of verbs (verbs.cpp): looks the verb up and runs its handler.
    bool command(const QString& verb, const QString& rest, int lineNo, QString* error);
    bool verbMenu(const Call& c, QString* error);
    bool verbToolbar(const Call& c, QString* error);
    bool verbClick(const Call& c, QString* error);
    bool verbSet(const Call& c, QString* error);
    bool verbPick(const Call& c, QString* error);
    bool verbKey(const Call& c, QString* error);
    bool verbFocus(const Call& c, QString* error);
    bool verbDrop(const Call& c, QString* error);
    bool verbClose(const Call& c, QString* error);
    bool verbAnswer(const Call& c, QString* error);
    bool verbTimer(const Call& c, QString* error);
    bool verbSeed(const Call& c, QString* error);
    bool verbShow(const Call& c, QString* error);
    bool verbState(const Call& c, QString* error);
    bool verbMemory(const Call& c, QString* error);
    bool verbLet(const Call& c, QString* error);
    bool verbScreenshot(const Call& c, QString* error);
    bool verbResize(const Call& c, QString* error);
    bool verbMove(const Call& c, QString* error);
    bool verbFile(const Call& c, QString* error);
    bool verbDefer(const Call& c, QString* error);
    bool verbShell(const Call& c, QString* error);
    bool verbApplyOptions(const Call& c, QString* error);
    bool verbExpect(const Call& c, QString* error);
    bool verbMark(const Call& c, QString* error);

    // Reports a command the locked room refuses; true: the command is done (the line does not
    // fail, and tells nothing of what it would have read).
    bool refuse(const QString& target, const QString& why);
    // The checks of `expect` (expect.cpp).
    bool expect(const QString& rest, QString* error);
    bool expectEvent(const QString& what, const QString& args, QString* error);
    bool expectFile(const QString& what, const QString& args, QString* error);
    bool expectTarget(const QString& what, const QString& args, QString* error);
    bool expectVariable(const QString& what, const QString& args, QString* error);
    void onYield();
    void settle();

    Sink sink_;
    ScriptPlatform* platform_;
    int errors_ = 0;
    int currentLine_ = 0;
    QList<Deferred> deferred_;
    // The events since the last "expect event" or "mark", at most kEventLog of them: eventsCut_
    // counts those that were let go since then, so that a search of a cut log fails clearly.
    static constexpr int kEventLog = 5000;
    QList<QJsonObject> events_;
    qint64 eventsCut_ = 0;
    QString lastMessage_;
    bool started_ = false;
};
