// The table of verbs and their handlers: every command of script mode.
#include "app/script/scriptrunner.h"

#include "app/main_window/frmmainscreen.h"
#include "app/options.h"
#include "app/script/inspectors.h"
#include "app/script/lockedroom.h"
#include "app/script/parser.h"
#include "app/script/target.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "platform/scriptplatform.h"
#include "sim/simstate.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMouseEvent>

void seedRandom(quint32 seed);

using namespace script;

namespace {

void mouseClick(QWidget* w, Qt::MouseButton button, bool doubleClick, QPointF pos = QPointF(-1, -1)) {
    if (pos.x() < 0) pos = QPointF(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    if (doubleClick) {
        QMouseEvent dbl(QEvent::MouseButtonDblClick, pos, global, button, button, Qt::NoModifier);
        QApplication::sendEvent(w, &dbl);
        QMouseEvent release2(QEvent::MouseButtonRelease, pos, global, button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &release2);
    }
}

}  // namespace

bool ScriptRunner::command(const QString& verb, const QString& rest, int lineNo, QString* error) {
    // Every command of script mode by its verb (in lower case), with the arguments it takes.
    // T is a target: WINDOW, WINDOW.CONTROL or WINDOW.CONTROL(INDEX).
    static const QHash<QString, Verb> verbs = {
        {"menu", &ScriptRunner::verbMenu},                  // Top > Entry
        {"toolbar", &ScriptRunner::verbToolbar},            // KEY
        {"click", &ScriptRunner::verbClick},                // T
        {"rclick", &ScriptRunner::verbClick},               // T
        {"dblclick", &ScriptRunner::verbClick},             // T
        {"set", &ScriptRunner::verbSet},                    // T VALUE
        {"pick", &ScriptRunner::verbPick},                  // T ITEM
        {"key", &ScriptRunner::verbKey},                    // T KEY
        {"focus", &ScriptRunner::verbFocus},                // T
        {"drop", &ScriptRunner::verbDrop},                  // SOURCE TARGET
        {"close", &ScriptRunner::verbClose},                // WINDOW
        {"answer", &ScriptRunner::verbAnswer},              // OK|Cancel|...|file PATH|pdf PATH|copies N|cancel
        {"tick", &ScriptRunner::verbTimer},                 // [N]
        {"sweep", &ScriptRunner::verbTimer},                // [N]
        {"telemetry", &ScriptRunner::verbTimer},            // [N]
        {"watch", &ScriptRunner::verbTimer},                // [N]
        {"seed", &ScriptRunner::verbSeed},                  // N
        {"show", &ScriptRunner::verbShow},                  // T
        {"state", &ScriptRunner::verbState},                // (none)
        {"memory", &ScriptRunner::verbMemory},              // (none)
        {"let", &ScriptRunner::verbLet},                    // NAME VALUE
        {"screenshot", &ScriptRunner::verbScreenshot},      // WINDOW FILE
        {"resize", &ScriptRunner::verbResize},              // WINDOW WIDTH HEIGHT
        {"move", &ScriptRunner::verbMove},                  // WINDOW LEFT TOP
        {"file", &ScriptRunner::verbFile},                  // PATH
        {"defer", &ScriptRunner::verbDefer},                // N COMMAND
        {"shell", &ScriptRunner::verbShell},                // on|off
        {"applyoptions", &ScriptRunner::verbApplyOptions},  // (none)
        {"expect", &ScriptRunner::verbExpect},              // WHAT ...
        {"mark", &ScriptRunner::verbMark},                  // (none)
    };
    const auto it = verbs.constFind(verb);
    if (it == verbs.constEnd()) {
        *error = "unknown command " + verb;
        return false;
    }
    return (this->*it.value())({verb, rest, lineNo}, error);
}

bool ScriptRunner::verbMenu(const Call& c, QString* error) {
    frmMainscreen* mw = mainWindow();
    QStringList path;
    for (const QString& p : c.rest.split('>')) path << p.trimmed();
    if (!mw) {
        *error = "the main window is not there";
        return false;
    }
    return mw->runMenu(path, error);
}

bool ScriptRunner::verbToolbar(const Call& c, QString* error) {
    frmMainscreen* mw = mainWindow();
    if (!mw || !mw->clickToolbar(c.rest.trimmed())) {
        *error = "no toolbar button " + c.rest;
        return false;
    }
    return true;
}

// click, rclick and dblclick.
bool ScriptRunner::verbClick(const Call& c, QString* error) {
    Target t;
    if (!resolve(c.rest, Lookup::Load, &t, error)) return false;
    if (const QString why = barred(t); !why.isEmpty()) return refuse(c.rest.trimmed(), why);
    if (auto* a = qobject_cast<QAction*>(t.object)) {
        if (!a->isEnabled()) {
            *error = c.rest + " is disabled";
            return false;
        }
        a->trigger();
        return true;
    }
    if (!t.widget) {
        *error = "cannot click " + c.rest;
        return false;
    }
    if (!t.widget->isEnabled()) {
        *error = c.rest + " is disabled";
        return false;
    }
    auto* view = qobject_cast<QAbstractItemView*>(t.widget);
    if (view && !t.name.index.isEmpty()) {
        // A grid cell: the click lands on the cell.
        int row = 0, column = 0;
        const QModelIndex mi = parseCell(t.name.index, &row, &column) ? view->model()->index(row, column) : QModelIndex();
        if (!mi.isValid()) {
            *error = "no cell " + t.name.index;
            return false;
        }
        view->scrollTo(mi);
        mouseClick(view->viewport(), c.verb == "rclick" ? Qt::RightButton : Qt::LeftButton, c.verb == "dblclick",
                   QPointF(view->visualRect(mi).center()));
    } else if (c.verb == "click") {
        if (auto* b = qobject_cast<QAbstractButton*>(t.widget)) b->click();
        else mouseClick(t.widget, Qt::LeftButton, false);
    } else {
        mouseClick(t.widget, c.verb == "rclick" ? Qt::RightButton : Qt::LeftButton, c.verb == "dblclick");
    }
    return true;
}

bool ScriptRunner::verbSet(const Call& c, QString* error) {
    QString value;
    const QString target = firstWord(c.rest, &value);
    Target t;
    if (!resolve(target, Lookup::Load, &t, error)) return false;
    if (const QString why = barred(t); !why.isEmpty()) return refuse(target, why);
    switch (setTarget(t, unquote(value), error)) {
    case SetResult::Done: return true;
    case SetResult::Refused:
        // The control does not take the change: nothing changes.
        emitEvent({{"event", "refused"}, {"target", t.name.text()}});
        return true;
    case SetResult::Failed:
    case SetResult::NotSettable: break;
    }
    return false;
}

bool ScriptRunner::verbPick(const Call& c, QString* error) {
    QString item;
    const QString target = firstWord(c.rest, &item);
    item = unquote(item);
    Target t;
    if (!resolve(target, Lookup::Load, &t, error)) return false;
    if (const QString why = barred(t); !why.isEmpty()) return refuse(target, why);
    if (auto* combo = qobject_cast<QComboBox*>(t.widget)) {
        const int i = combo->findText(item);
        if (i < 0) {
            *error = "no item \"" + item + "\" in " + target;
            return false;
        }
        combo->setCurrentIndex(i);
        emit combo->activated(i);
        return true;
    }
    if (auto* l = qobject_cast<QListWidget*>(t.widget)) {
        const auto found = l->findItems(item, Qt::MatchExactly);
        if (found.isEmpty()) {
            *error = "no item \"" + item + "\" in " + target;
            return false;
        }
        l->setCurrentItem(found.first());
        emit l->itemClicked(found.first());
        return true;
    }
    *error = target + " has no list to pick from";
    return false;
}

bool ScriptRunner::verbKey(const Call& c, QString* error) {
    frmMainscreen* mw = mainWindow();
    QString key;
    const QString target = firstWord(c.rest, &key);
    Target t;
    if (!resolve(target, Lookup::Load, &t, error)) return false;
    if (const QString why = barred(t); !why.isEmpty()) return refuse(target, why);
    // A combination ("Ctrl+O", "F1", "Alt+Left") runs the command it is the shortcut of.
    const QKeySequence combination = QKeySequence::fromString(key, QKeySequence::PortableText);
    QString ignored;
    if (key.size() > 1 && combination.count() == 1 && keyCode(key, &ignored) == 0 && t.widget) {
        if (mw && mw->pressShortcut(t.widget, combination)) return true;
        // No command has it: the keys are pressed at the control (Shift+Tab, Shift+F10, Menu),
        // which must take them.
        Qt::Key code = combination[0].key();
        const Qt::KeyboardModifiers mods = combination[0].keyboardModifiers();
        if (code == Qt::Key_Tab && (mods & Qt::ShiftModifier)) code = Qt::Key_Backtab;
        QKeyEvent press(QEvent::KeyPress, code, mods);
        QApplication::sendEvent(t.widget, &press);
        QKeyEvent release(QEvent::KeyRelease, code, mods);
        QApplication::sendEvent(t.widget, &release);
        if (!press.isAccepted()) {
            *error = "no command has the shortcut " + key + ", and " + target.trimmed() + " did not take the key";
            return false;
        }
        return true;
    }
    QString text;
    const int code = keyCode(key, &text);
    if (!code || !t.widget) {
        *error = "unknown key " + key;
        return false;
    }
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(t.widget, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(t.widget, &release);
    return true;
}

bool ScriptRunner::verbFocus(const Call& c, QString* error) {
    Target t;
    if (!resolve(c.rest, Lookup::Load, &t, error)) return false;
    if (const QString why = barred(t); !why.isEmpty()) return refuse(c.rest.trimmed(), why);
    if (!t.widget) {
        *error = "cannot give the focus to " + c.rest.trimmed() + ": it is not a control that takes the focus";
        return false;
    }
    t.widget->setFocus(Qt::OtherFocusReason);
    if (!t.widget->hasFocus()) {
        QFocusEvent in(QEvent::FocusIn, Qt::OtherFocusReason);
        QApplication::sendEvent(t.widget, &in);
    }
    return true;
}

bool ScriptRunner::verbDrop(const Call& c, QString* error) {
    QString targetText;
    const QString sourceText = firstWord(c.rest, &targetText);
    Target s, t;
    if (!resolve(sourceText, Lookup::Load, &s, error) || !resolve(targetText, Lookup::Load, &t, error)) return false;
    for (const Target* end : {&s, &t})
        if (const QString why = barred(*end); !why.isEmpty()) return refuse(end == &s ? sourceText : targetText, why);
    if (!t.form || !s.widget || !t.widget) {
        *error = "drop needs a control as source and a window's control as target";
        return false;
    }
    // Only what a user could drag, and only onto what takes a drop.
    if (!qobject_cast<DragLabel*>(s.widget) || !t.widget->acceptDrops()) {
        emitEvent({{"event", "refused"}, {"target", targetText}, {"source", sourceText}});
        return true;
    }
    t.form->dropLabel(t.widget, s.widget);
    return true;
}

bool ScriptRunner::verbClose(const Call& c, QString* error) {
    frmMainscreen* mw = mainWindow();
    const QString name = c.rest.trimmed();
    if (name == "frmMainscreen") {
        if (mw) mw->close();
        return true;
    }
    Form* f = Forms::find(name);
    if (!f) {
        if (!Forms::exists(name)) {
            *error = "unknown window " + name;
            return false;
        }
        return true;  // not loaded: nothing to close
    }
    f->frame()->close();
    return true;
}

bool ScriptRunner::verbAnswer(const Call& c, QString* error) {
    QString arg;
    const QString kind = firstWord(c.rest, &arg);
    const QString k = kind.toLower();
    if (k == "file") {
        platform_->queueFileAnswer(scriptPath(unquote(arg)));
        return true;
    }
    if (k == "pdf") {
        if (arg.isEmpty()) {
            *error = "pdf takes a file path";
            return false;
        }
        platform_->queuePdfAnswer(scriptPath(unquote(arg)));
        return true;
    }
    if (k == "copies") {
        bool ok = false;
        const int n = arg.toInt(&ok);
        if (!ok || n < 1) {
            *error = "copies takes a positive number";
            return false;
        }
        platform_->queuePrinterAnswer(n);
        return true;
    }
    if (k == "cancel" && arg.isEmpty() && kind == "cancel") {
        platform_->queueDialogCancel();
        return true;
    }
    static const QHash<QString, MsgAnswer> answers = {
        {"ok", MsgAnswer::OK},       {"cancel", MsgAnswer::Cancel}, {"yes", MsgAnswer::Yes},
        {"no", MsgAnswer::No},       {"retry", MsgAnswer::Retry},   {"abort", MsgAnswer::Abort},
        {"ignore", MsgAnswer::Ignore}};
    if (!answers.contains(k)) {
        *error = "unknown answer " + kind;
        return false;
    }
    platform_->queueMessageAnswer(answers.value(k));
    return true;
}

// tick, sweep, telemetry and watch: fire the main, the scope's, the telemetry or the class
// dashboard's watch timer.
bool ScriptRunner::verbTimer(const Call& c, QString* error) {
    int n = 1;
    if (!c.rest.isEmpty()) {
        bool ok = false;
        n = c.rest.toInt(&ok);
        if (!ok || n < 0) {
            *error = "bad count " + c.rest;
            return false;
        }
    }
    const QString name = c.verb == "tick"    ? "tmrMain"
                         : c.verb == "sweep" ? "Timer1"
                         : c.verb == "watch" ? "tmrClassWatch"
                                             : "tmrTelemetry";
    for (int i = 0; i < n && !programEnded(); ++i) {
        VTimer* timer = VTimer::byName(name);
        if (!timer || !timer->enabled()) break;
        platform_->advance(timer->interval() / 1000.0);
        timer->fire();
        settle();
    }
    return true;
}

bool ScriptRunner::verbSeed(const Call& c, QString* error) {
    bool ok = false;
    const qlonglong n = c.rest.toLongLong(&ok);
    if (!ok) {
        *error = "seed takes a number";
        return false;
    }
    seedRandom(static_cast<quint32>(n));
    return true;
}

// A look at a target, which loads no window: for one that is not loaded it says so.
bool ScriptRunner::verbShow(const Call& c, QString* error) {
    Target t;
    if (!resolve(c.rest, Lookup::LoadedOnly, &t, error)) return false;
    if (const QString why = barred(t); !why.isEmpty()) return refuse(c.rest.trimmed(), why);
    if (!t.loaded) {
        emitEvent({{"event", "show"}, {"target", t.name.text()}, {"loaded", false}});
        return true;
    }
    QJsonObject o;
    if (!showTarget(t, &o, error)) return false;
    emitEvent(o);
    return true;
}

bool ScriptRunner::verbState(const Call&, QString*) {
    QJsonObject o = stateToJson();
    o.insert("event", "state");
    emitEvent(o);
    return true;
}

bool ScriptRunner::verbMemory(const Call&, QString* error) {
    // The resident set of this process in KiB, as the kernel counts it (VmRSS).
    QFile status(QStringLiteral("/proc/self/status"));
    qlonglong kb = -1;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:")) kb = line.mid(6).trimmed().split(' ').value(0).toLongLong();
    if (kb < 0) {
        *error = "the resident memory cannot be read";
        return false;
    }
    emitEvent({{"event", "memory"}, {"rss_kb", kb}, {"seconds", platform_->clock()}});
    return true;
}

bool ScriptRunner::verbLet(const Call& c, QString* error) {
    QString value;
    const QString name = firstWord(c.rest, &value);
    // In a locked room only the login window logs in; logging out is anyone's.
    const Flag before = LoggedIn;
    if (!setStateVariable(name, unquote(value), error)) return false;
    if (lockedRoom() && before != True && LoggedIn != False) {
        LoggedIn = before;
        refuse(name, lockText("Locked room: LoggedIn is set only by the login window, with the room's password."));
    }
    return true;
}

// As a user drags a window's border: its outer size in pixels, its place kept.
bool ScriptRunner::verbResize(const Call& c, QString* error) {
    const QStringList words = c.rest.split(' ', Qt::SkipEmptyParts);
    bool okW = false, okH = false;
    const int w = words.value(1).toInt(&okW), h = words.value(2).toInt(&okH);
    Form* form = words.size() == 3 ? Forms::get(words[0]) : nullptr;
    if (!form || !okW || !okH || w < 1 || h < 1) {
        *error = "resize takes a window and its width and height in pixels";
        return false;
    }
    const QRect g = form->twipsGeometry();
    form->setTwips(g.x(), g.y(), w * 15, h * 15);
    form->placedByUser();
    QCoreApplication::processEvents();
    return true;
}

// As a user drags a window by its title bar: its frame's top-left corner in pixels (a child
// window's within the main window's working area), its size kept.
bool ScriptRunner::verbMove(const Call& c, QString* error) {
    const QStringList words = c.rest.split(' ', Qt::SkipEmptyParts);
    bool okX = false, okY = false;
    const int x = words.value(1).toInt(&okX), y = words.value(2).toInt(&okY);
    Form* form = words.size() == 3 ? Forms::get(words[0]) : nullptr;
    if (!form || !okX || !okY || std::abs(x) > 100000 || std::abs(y) > 100000) {
        *error = "move takes a window and the left and top of its frame in pixels";
        return false;
    }
    const QRect g = form->twipsGeometry();
    form->setTwips(x * 15, y * 15, g.width(), g.height());
    form->placedByUser();
    QCoreApplication::processEvents();
    return true;
}

bool ScriptRunner::verbScreenshot(const Call& c, QString* error) {
    frmMainscreen* mw = mainWindow();
    QString file;
    const QString name = firstWord(c.rest, &file);
    QWidget* w = name == "frmMainscreen" ? static_cast<QWidget*>(mw) : nullptr;
    if (!w) {
        Form* f = Forms::get(name);
        if (!f) {
            *error = "unknown window " + name;
            return false;
        }
        Target t;
        t.name.window = name;
        t.form = f;
        t.object = t.widget = f;
        if (const QString why = barred(t); !why.isEmpty()) return refuse(name, why);
        w = f->frame();
    }
    if (!w->grab().save(unquote(file))) {
        *error = "cannot write " + file;
        return false;
    }
    return true;
}

bool ScriptRunner::verbFile(const Call& c, QString* error) {
    const QString path = scriptPath(unquote(c.rest));
    if (const QString why = fileRefusal(path); !why.isEmpty()) return refuse(path, why);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return false;
    }
    // A transcript line stays readable: at most a megabyte of any file (or device).
    constexpr qint64 kMaxFileBytes = 1 << 20;
    const QByteArray bytes = f.read(kMaxFileBytes + 1);
    QJsonObject e{{"event", "file"}, {"path", path}, {"text", decodeText(bytes.left(kMaxFileBytes))}};
    if (bytes.size() > kMaxFileBytes) e.insert("truncated", true);
    emitEvent(e);
    return true;
}

bool ScriptRunner::verbDefer(const Call& c, QString* error) {
    QString cmd;
    const QString count = firstWord(c.rest, &cmd);
    bool ok = false;
    const int n = count.toInt(&ok);
    if (!ok || n < 1 || cmd.isEmpty()) {
        *error = "defer takes a count of yields and a command";
        return false;
    }
    deferred_.append({n, cmd, c.line});
    return true;
}

bool ScriptRunner::verbShell(const Call& c, QString* error) {
    // "shell off": nothing on this machine opens a web page (no browser set up).
    const QString how = c.rest.trimmed().toLower();
    if (how != "on" && how != "off") {
        *error = "shell takes on or off";
        return false;
    }
    platform_->setShellWorks(how == "on");
    return true;
}

bool ScriptRunner::verbApplyOptions(const Call&, QString*) {
    // What the Options and Login windows do after a change: apply the options again.
    ApplyOptions();
    return true;
}

bool ScriptRunner::verbExpect(const Call& c, QString* error) { return expect(c.rest, error); }

bool ScriptRunner::verbMark(const Call& c, QString* error) {
    if (!c.rest.trimmed().isEmpty()) {
        *error = "mark takes nothing";
        return false;
    }
    // The next "expect event" and "expect noevent" search the events from here on.
    events_.clear();
    eventsCut_ = 0;
    return true;
}
