#include "app/script/scriptrunner.h"

#include "app/main_window/frmmainscreen.h"
#include "app/startup.h"
#include "challenges/session.h"
#include "faults/frmfaults.h"
#include "sim/simstate.h"
#include "platform/datafolder.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/guard.h"
#include "platform/numbers.h"
#include "platform/picturebox.h"
#include "platform/scriptplatform.h"
#include "platform/screenfit.h"
#include "platform/services.h"
#include "users/classroom.h"
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>

void seedRandom(quint32 seed);

namespace {

QString unquote(QString s) {
    s = s.trimmed();
    if (s.size() >= 2 && s.startsWith('"') && s.endsWith('"')) s = s.mid(1, s.size() - 2);
    return s;
}

QString unescape(const QString& s) {
    QString out;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const QChar c = s[++i];
            out += c == 'n' ? QChar('\n') : c == 'r' ? QChar('\r') : c == 't' ? QChar('\t') : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

QJsonArray rgb(const QColor& c) { return QJsonArray{c.red(), c.green(), c.blue()}; }

QString jsonText(const QJsonValue& v) {
    switch (v.type()) {
    case QJsonValue::Bool: return v.toBool() ? "true" : "false";
    case QJsonValue::Double: return vb::str(v.toDouble());
    case QJsonValue::String: return v.toString();
    case QJsonValue::Null: return QString();
    case QJsonValue::Array: {
        QStringList parts;
        for (const QJsonValue& e : v.toArray()) parts << jsonText(e);
        return parts.join(',');
    }
    default: return QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
    }
}

// The first word of a line, or its first quoted text ("a file name.csv") without the quotes.
QString firstWord(const QString& s, QString* rest) {
    const QString t = s.trimmed();
    if (t.startsWith('"')) {
        const int close = t.indexOf('"', 1);
        if (close > 0 && (close + 1 == t.size() || t[close + 1] == ' ')) {
            *rest = t.mid(close + 1).trimmed();
            return t.mid(1, close - 1);
        }
    }
    const int sp = t.indexOf(' ');
    if (sp < 0) {
        *rest = QString();
        return t;
    }
    *rest = t.mid(sp + 1).trimmed();
    return t.left(sp);
}

int keyCode(const QString& name, QString* text) {
    static const QHash<QString, int> keys = {
        {"escape", Qt::Key_Escape}, {"pageup", Qt::Key_PageUp}, {"pagedown", Qt::Key_PageDown},
        {"end", Qt::Key_End},       {"home", Qt::Key_Home},     {"left", Qt::Key_Left},
        {"up", Qt::Key_Up},         {"right", Qt::Key_Right},   {"down", Qt::Key_Down},
        {"enter", Qt::Key_Return},  {"return", Qt::Key_Return}, {"tab", Qt::Key_Tab},
        {"space", Qt::Key_Space},   {"backspace", Qt::Key_Backspace}, {"delete", Qt::Key_Delete}};
    const auto it = keys.find(name.toLower());
    if (it != keys.end()) {
        *text = *it == Qt::Key_Return ? "\r" : *it == Qt::Key_Space ? " " : *it == Qt::Key_Escape ? "\x1b" : "";
        return *it;
    }
    if (name.size() == 1) {
        *text = name;
        const QChar c = name[0].toUpper();
        return c.unicode();
    }
    return 0;
}

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

ScriptRunner* g_activeRunner = nullptr;

// A room whose classroom configuration holds the password (or cannot be used, so that nobody
// logs in). A script run there may be a student's as well as a test's: until the room's
// password has been typed into the login window it reaches no further than the windows let a
// user, and during a challenge nobody's script reads the fault boxes.
bool lockedRoom() { return classroomConfig().locksPassword(); }
bool lockedOut() { return lockedRoom() && LoggedIn != True; }

QString lockText(const char* text) { return QCoreApplication::translate("ScriptRunner", text); }

// The files the windows keep from a student: the faults list, the challenges (their faults and
// answers) and the class's attempts. A link is judged by the file it leads to.
bool keptFromStudents(const QString& path) {
    const QFileInfo info(path);
    const QString real = info.canonicalFilePath();
    const QFileInfo file(real.isEmpty() ? info.absoluteFilePath() : real);
    return file.fileName().compare(QLatin1String("faults.txt"), Qt::CaseInsensitive) == 0 ||
           file.suffix().compare(QLatin1String("vch"), Qt::CaseInsensitive) == 0 ||
           file.suffix().compare(QLatin1String("vat"), Qt::CaseInsensitive) == 0;
}

QString fileRefusal(const QString& path) {
    return lockedOut() && keptFromStudents(path)
               ? lockText("Locked room: before the login script mode does not read the faults list, the challenges "
                          "or the class's attempts.")
               : QString();
}

// "TEMP:name" is in the temporary folder, "CONFIG:name" in the per-user settings folder,
// "DATA:name" in the program's folder, "USERDATA:name" in the user's data folder.
QString scriptPath(const QString& path) {
    if (path.startsWith("USERDATA:")) return QDir(userDataFolder()).filePath(path.mid(9));
    if (path.startsWith("TEMP:")) return platform().tempFolder() + path.mid(5);
    if (path.startsWith("DATA:")) return QDir(appFolder()).filePath(path.mid(5));
    if (path.startsWith("CONFIG:"))
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + path.mid(7);
    return path;
}

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
    const QString verb = firstWord(line, &rest);
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

bool ScriptRunner::resolve(const QString& text, Target* t, QString* error) {
    QString s = text.trimmed();
    const int dot = s.indexOf('.');
    t->window = dot < 0 ? s : s.left(dot);
    QString ctl = dot < 0 ? QString() : s.mid(dot + 1);
    if (ctl.endsWith(')')) {
        const int open = ctl.indexOf('(');
        if (open < 0) {
            *error = "bad target " + text;
            return false;
        }
        t->index = ctl.mid(open + 1, ctl.size() - open - 2).trimmed();
        t->control = ctl.left(open);
    } else {
        t->control = ctl;
    }
    QWidget* root = nullptr;
    if (t->window == "frmMainscreen") {
        root = mainWindow();
    } else {
        t->form = Forms::get(t->window);
        root = t->form;
    }
    if (!root) {
        *error = "unknown window " + t->window;
        return false;
    }
    if (t->control.isEmpty()) {
        t->object = root;
        t->widget = root;
        return true;
    }
    const QString full = t->index.isEmpty() ? t->control : t->control + "(" + t->index + ")";
    QObject* obj = root->findChild<QObject*>(full);
    if (!obj && !t->index.isEmpty()) obj = root->findChild<QTableView*>(t->control);  // a grid cell
    if (!obj && t->form) {
        // Controls that exist only through the window's own script hooks.
        QJsonObject probe;
        if (t->form->scriptShow(t->control, t->index, probe)) {
            t->object = nullptr;
            return true;
        }
    }
    if (!obj) {
        *error = "unknown control " + full + " on " + t->window;
        return false;
    }
    t->object = obj;
    t->widget = qobject_cast<QWidget*>(obj);
    return true;
}

QString ScriptRunner::barred(const Target& t) const {
    if (!lockedRoom()) return QString();
    if (auto* faults = qobject_cast<frmFaults*>(t.form); faults && t.widget && ChallengeRunning())
        for (QCheckBox* box : faults->chkFault)
            if (box && box == t.widget)
                return lockText("Locked room: the fault boxes are not read while a challenge is running.");
    if (LoggedIn == True) return QString();
    if (t.form && t.form->inherits("frmClassDashboard"))
        return lockText("Locked room: the class dashboard opens only after the login.");
    // What a window hides (a page of its own for instructors, a button it shows only to them).
    if (t.widget && t.form && t.widget != t.form && !t.widget->isVisibleTo(t.form))
        return lockText("Locked room: before the login a script reaches only what the windows show, and %1 is hidden.")
            .arg(t.window + "." + t.control + (t.index.isEmpty() ? QString() : "(" + t.index + ")"));
    return QString();
}

bool ScriptRunner::refuse(const QString& target, const QString& why) {
    emitEvent({{"event", "refused"}, {"target", target}, {"text", why}});
    return true;
}

bool ScriptRunner::show(const Target& t, QJsonObject* out, QString* error) {
    QJsonObject& o = *out;
    o.insert("event", "show");
    o.insert("target", t.window + (t.control.isEmpty() ? QString() : "." + t.control) +
                           (t.index.isEmpty() ? QString() : "(" + t.index + ")"));
    if (t.form && !t.control.isEmpty() && t.form->scriptShow(t.control, t.index, o)) return true;
    if (t.control.isEmpty()) {
        if (t.form) {
            o.insert("caption", t.form->caption());
            o.insert("visible", t.form->formVisible());
            const QRect g = t.form->twipsGeometry();
            o.insert("left", g.x());
            o.insert("top", g.y());
            o.insert("width", g.width());
            o.insert("height", g.height());
            t.form->scriptShow(QString(), QString(), o);  // what the window adds of its own
        } else {
            o.insert("caption", t.widget->windowTitle());
            o.insert("visible", t.widget->isVisible());
        }
        describePlacement(t.form ? t.form->frame() : t.widget, o);
        return true;
    }
    if (auto* a = qobject_cast<QAction*>(t.object)) {
        o.insert("caption", a->text());
        o.insert("enabled", a->isEnabled());
        o.insert("visible", a->isVisible());
        o.insert("checked", a->isChecked());
        o.insert("tooltip", a->toolTip());
        o.insert("shortcut", a->shortcut().toString(QKeySequence::PortableText));
        return true;
    }
    QWidget* w = t.widget;
    if (!w) {
        *error = "cannot show " + t.control;
        return false;
    }
    o.insert("type", QString(w->metaObject()->className()));
    if (auto* grid = qobject_cast<QTableView*>(w); grid && !t.index.isEmpty() &&
                                                   w->objectName() == t.control) {
        const QStringList rc = t.index.split(',');
        if (rc.size() != 2) {
            *error = "a grid cell is (row,column)";
            return false;
        }
        const QModelIndex mi = grid->model()->index(rc[0].toInt(), rc[1].toInt());
        if (!mi.isValid()) {
            *error = "no cell " + t.index;
            return false;
        }
        o.insert("text", mi.data(Qt::DisplayRole).toString());
        const QModelIndex cur = grid->currentIndex();
        o.insert("current", cur == mi);
    } else if (auto* pb = qobject_cast<PictureBox*>(w)) {
        pb->describe(o);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        o.insert("text", l->text());
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        o.insert("text", e->text());
        o.insert("locked", e->isReadOnly());
    } else if (auto* te = qobject_cast<QTextEdit*>(w)) {
        o.insert("text", te->toPlainText());
    } else if (auto* pe = qobject_cast<QPlainTextEdit*>(w)) {
        o.insert("text", pe->toPlainText());
    } else if (auto* cb = qobject_cast<QCheckBox*>(w)) {
        o.insert("text", cb->text());
        o.insert("value", cb->isChecked() ? 1 : 0);
        o.insert("checked", cb->isChecked());
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        o.insert("text", b->text());
        o.insert("checked", b->isChecked());
    } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
        o.insert("value", s->value());
        o.insert("min", s->minimum());
        o.insert("max", s->maximum());
    } else if (auto* p = qobject_cast<QProgressBar*>(w)) {
        o.insert("value", p->value());
        o.insert("min", p->minimum());
        o.insert("max", p->maximum());
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        o.insert("text", c->currentText());
        o.insert("index", c->currentIndex());
        QJsonArray items;
        for (int i = 0; i < c->count(); ++i) items.append(c->itemText(i));
        o.insert("items", items);
    } else if (auto* lw = qobject_cast<QListWidget*>(w)) {
        o.insert("text", lw->currentItem() ? lw->currentItem()->text() : QString());
        o.insert("index", lw->currentRow());
    } else if (auto* dsp = qobject_cast<QDoubleSpinBox*>(w)) {
        o.insert("value", dsp->value());
        o.insert("text", dsp->text());
    } else if (auto* sp = qobject_cast<QSpinBox*>(w)) {
        o.insert("value", sp->value());
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        o.insert("text", g->title());
    } else if (w->inherits("QStatusBar")) {
        o.insert("text", mainWindow() ? mainWindow()->panel(1)->text() : QString());
    }
    o.insert("visible", !w->isHidden());
    o.insert("enabled", w->isEnabled());
    o.insert("fore", rgb(foreColor(w)));
    o.insert("back", rgb(backColor(w)));
    o.insert("tooltip", w->toolTip());
    return true;
}

bool ScriptRunner::setValue(const Target& t, const QString& value, QString* error) {
    if (t.form && !t.control.isEmpty()) {
        QString hookError;
        if (t.form->scriptSet(t.control, t.index, value, &hookError)) {
            if (!hookError.isEmpty()) *error = hookError;
            return hookError.isEmpty();
        }
    }
    QWidget* w = t.widget;
    if (!w) {
        *error = "cannot set " + t.control;
        return false;
    }
    if (!w->isEnabled()) {
        *error = t.control + " is disabled";
        return false;
    }
    bool ok = true;
    if (auto* grid = qobject_cast<QTableView*>(w); grid && !t.index.isEmpty()) {
        const QStringList rc = t.index.split(',');
        const QModelIndex mi = rc.size() == 2 ? grid->model()->index(rc[0].toInt(), rc[1].toInt()) : QModelIndex();
        if (!mi.isValid()) {
            *error = "no cell " + t.index;
            return false;
        }
        if (grid->editTriggers() == QAbstractItemView::NoEditTriggers || !(mi.flags() & Qt::ItemIsEditable)) {
            // The grid does not take the typing: nothing changes.
            emitEvent({{"event", "refused"}, {"target", t.window + "." + t.control + "(" + t.index + ")"}});
            return true;
        }
        grid->setCurrentIndex(mi);
        grid->model()->setData(mi, value, Qt::EditRole);
        return true;
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(value);
        emit e->textEdited(value);
    } else if (auto* te = qobject_cast<QTextEdit*>(w)) {
        te->setPlainText(value);
    } else if (auto* pe = qobject_cast<QPlainTextEdit*>(w)) {
        pe->setPlainText(value);
    } else if (auto* cb = qobject_cast<QCheckBox*>(w)) {
        const int v = value.toInt(&ok);
        if (!ok || v < 0 || v > 1) {
            *error = "a check box takes 0 or 1";
            return false;
        }
        cb->setChecked(v == 1);
    } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
        const int v = value.toInt(&ok);
        if (!ok || v < s->minimum() || v > s->maximum()) {
            *error = "Invalid property value: " + value + " is outside " + QString::number(s->minimum()) + ".." +
                     QString::number(s->maximum());
            return false;
        }
        s->setValue(v);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (!c->isEditable()) {
            *error = "the combo box is not editable; use pick";
            return false;
        }
        c->setEditText(value);
    } else if (auto* dsp = qobject_cast<QDoubleSpinBox*>(w)) {
        const double v = value.toDouble(&ok);
        if (!ok) {
            *error = "not a number: " + value;
            return false;
        }
        dsp->setValue(v);
    } else if (auto* sp = qobject_cast<QSpinBox*>(w)) {
        const int v = value.toInt(&ok);
        if (!ok) {
            *error = "not a number: " + value;
            return false;
        }
        sp->setValue(v);
    } else {
        *error = "cannot set a " + QString(w->metaObject()->className());
        return false;
    }
    return true;
}

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
        {"seed", &ScriptRunner::verbSeed},                  // N
        {"show", &ScriptRunner::verbShow},                  // T
        {"state", &ScriptRunner::verbState},                // (none)
        {"memory", &ScriptRunner::verbMemory},              // (none)
        {"let", &ScriptRunner::verbLet},                    // NAME VALUE
        {"screenshot", &ScriptRunner::verbScreenshot},      // WINDOW FILE
        {"resize", &ScriptRunner::verbResize},              // WINDOW WIDTH HEIGHT
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
    if (!resolve(c.rest, &t, error)) return false;
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
    if (view && !t.index.isEmpty()) {
        // A grid cell: the click lands on the cell.
        const QStringList rc = t.index.split(',');
        const QModelIndex mi = rc.size() == 2 ? view->model()->index(rc[0].toInt(), rc[1].toInt()) : QModelIndex();
        if (!mi.isValid()) {
            *error = "no cell " + t.index;
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
    if (!resolve(target, &t, error)) return false;
    if (const QString why = barred(t); !why.isEmpty()) return refuse(target, why);
    return setValue(t, unquote(value), error);
}

bool ScriptRunner::verbPick(const Call& c, QString* error) {
    QString item;
    const QString target = firstWord(c.rest, &item);
    item = unquote(item);
    Target t;
    if (!resolve(target, &t, error)) return false;
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
    if (!resolve(target, &t, error)) return false;
    if (const QString why = barred(t); !why.isEmpty()) return refuse(target, why);
    // A combination ("Ctrl+O", "F1", "Alt+Left") runs the command it is the shortcut of.
    const QKeySequence combination = QKeySequence::fromString(key, QKeySequence::PortableText);
    QString ignored;
    if (key.size() > 1 && combination.count() == 1 && keyCode(key, &ignored) == 0 && t.widget) {
        if (!mw || !mw->pressShortcut(t.widget, combination)) {
            *error = "no command has the shortcut " + key;
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
    if (!resolve(c.rest, &t, error)) return false;
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
    if (!resolve(sourceText, &s, error) || !resolve(targetText, &t, error)) return false;
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

// tick, sweep and telemetry: fire the main, the scope's or the telemetry timer.
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
    const QString name = c.verb == "tick" ? "tmrMain" : c.verb == "sweep" ? "Timer1" : "tmrTelemetry";
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

bool ScriptRunner::verbShow(const Call& c, QString* error) {
    Target t;
    if (!resolve(c.rest, &t, error)) return false;
    if (const QString why = barred(t); !why.isEmpty()) return refuse(c.rest.trimmed(), why);
    QJsonObject o;
    if (!show(t, &o, error)) return false;
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
        t.window = name;
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

bool ScriptRunner::expect(const QString& rest, QString* error) {
    QString args;
    const QString what = firstWord(rest, &args);
    auto mismatch = [&](const QString& name, const QString& want, const QString& got) {
        *error = "expected " + name + " to be \"" + want + "\", got \"" + got + "\"";
        return false;
    };
    if (what == "status") {
        const QString want = unescape(unquote(args));
        const QString got = StatusText();
        return got == want || mismatch("status", want, got);
    }
    if (what == "status2") {
        const QString want = unescape(unquote(args));
        const QString got = mainWindow() ? mainWindow()->panel(2)->text() : QString();
        return got == want || mismatch("status panel 2", want, got);
    }
    if (what == "message") {
        const QString want = unescape(unquote(args));
        return lastMessage_ == want || mismatch("the last message", want, lastMessage_);
    }
    if (what == "event" || what == "noevent") {
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
    if (what == "fileline" || what == "filelines" || what == "filetext") {
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
        const QString text = QString::fromLatin1(f.readAll());
        if (what == "filetext") {
            const QString want = unescape(unquote(tail));
            return text == want || mismatch(path, want, text);
        }
        QStringList lines = text.split("\r\n");
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        if (what == "filelines") {
            return QString::number(lines.size()) == tail.trimmed() ||
                   mismatch("the line count of " + path, tail.trimmed(), QString::number(lines.size()));
        }
        QString want;
        const int n = firstWord(tail, &want).toInt();
        want = unescape(unquote(want));
        const QString got = n >= 1 && n <= lines.size() ? lines[n - 1] : QString("<no line>");
        return got == want || mismatch("line " + QString::number(n) + " of " + path, want, got);
    }
    if (what.contains('.') || what.startsWith("frm") || what == "MultiScope" || what == "FRMsimulation") {
        QString wantText;
        const QString field = firstWord(args, &wantText);
        Target t;
        if (!resolve(what, &t, error)) return false;
        // A check of what a locked room keeps back fails without telling what it holds.
        if (const QString why = barred(t); !why.isEmpty()) {
            *error = why;
            return false;
        }
        QJsonObject o;
        if (!show(t, &o, error)) return false;
        if (!o.contains(field)) {
            *error = what + " has no field " + field;
            return false;
        }
        const QString want = unescape(unquote(wantText));
        const QString got = jsonText(o.value(field));
        return got == want || mismatch(what + " " + field, want, got);
    }
    // A shared variable.
    const QJsonObject state = stateToJson();
    QString name = what;
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
    return ok || mismatch(name, want, got);
}
