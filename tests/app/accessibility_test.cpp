// Every window as a keyboard or screen-reader user meets it: each control a user works has a
// name a screen reader can say, no menu gives one access key to two commands, and Tab always
// moves on from a control. Each offender is reported with its window and object name.
// VANTOREL_TEST_LANGUAGE=de or es runs it in that language (the windows made after the
// translation is loaded, as at start-up), where the access keys are the translators' choice.
#include "app/main_window/frmmainscreen.h"
#include "electrical/circuitart.h"
#include "electrical/frminstruments.h"
#include "platform/accessible.h"
#include "platform/form.h"
#include "platform/language.h"
#include "platform/picturebox.h"
#include "platform/programstyle.h"
#include "sim/simstate.h"
#include "testing.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

// Parts Qt builds inside its own controls (a spin box's edit, a scroll area's bars, a tab bar's
// arrows) are named by the control they belong to.
bool partOfQtControl(QWidget* w, QWidget* form) {
    for (QWidget* p = w; p && p != form; p = p->parentWidget()) {
        if (p->objectName().startsWith("qt_")) return true;
        if (p != w && (qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p) || qobject_cast<QTabBar*>(p)))
            return true;
    }
    return qobject_cast<QHeaderView*>(w) != nullptr;
}

// A control a user works with the mouse or the keyboard.
bool interactive(QWidget* w) {
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
        qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QAbstractSlider*>(w) ||
        qobject_cast<DragLabel*>(w) || qobject_cast<QTabBar*>(w))
        return true;
    if (auto* t = qobject_cast<QTextEdit*>(w)) return !t->isReadOnly() || t->focusPolicy() != Qt::NoFocus;
    if (auto* t = qobject_cast<QPlainTextEdit*>(w)) return !t->isReadOnly() || t->focusPolicy() != Qt::NoFocus;
    // A drawing surface that takes the focus takes input.
    if (qobject_cast<PictureBox*>(w)) return w->focusPolicy() != Qt::NoFocus;
    return false;
}

QString accessibleName(QWidget* w) {
    // On Linux Qt gives a combo box's current text as its name, and a screen reader names it by
    // its label (a relation) or the name given to it: those count.
    if (qobject_cast<QComboBox*>(w)) {
        if (!w->accessibleName().trimmed().isEmpty()) return w->accessibleName().trimmed();
        for (QLabel* l : w->window()->findChildren<QLabel*>())
            if (l->buddy() == w) return l->text().remove('&').trimmed();
        return QString();
    }
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name).trimmed() : QString();
}

QString where(Form* form, QWidget* w) { return form->formName() + "." + w->objectName(); }

// The controls of a window a user can see and work, Qt's own parts left out.
QList<QWidget*> controls(Form* form) {
    QList<QWidget*> out;
    for (QWidget* w : form->findChildren<QWidget*>())
        if (w->isVisibleTo(form) && interactive(w) && !partOfQtControl(w, form)) out << w;
    return out;
}

// Controls without a name, and controls of one window that share one: a screen reader cannot
// tell them apart.
QStringList unnamed(Form* form) {
    QStringList out;
    QHash<QString, QString> seen;
    for (QWidget* w : controls(form)) {
        const QString name = accessibleName(w);
        if (name.isEmpty()) {
            out << where(form, w) + ": no accessible name";
            continue;
        }
        if (seen.contains(name))
            out << where(form, w) + ": named \"" + name + "\" like " + seen.value(name);
        else
            seen.insert(name, w->objectName());
    }
    return out;
}

// Two commands of one menu or bar with the same underlined letter.
QStringList clashingKeys(QWidget* menu, const QString& owner) {
    QStringList out;
    QHash<QChar, QString> seen;
    static const QRegularExpression mnemonic("&[^&]");
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        const QString text = a->text();
        const int at = text.indexOf(mnemonic);
        if (at < 0) continue;
        const QChar key = text.at(at + 1).toLower();
        if (seen.contains(key)) out << owner + ": \"" + seen.value(key) + "\" and \"" + text + "\" share " + key;
        seen.insert(key, text);
    }
    return out;
}

QStringList menuClashes(QWidget* top, const QString& owner) {
    QStringList out;
    for (QMenuBar* bar : top->findChildren<QMenuBar*>()) out << clashingKeys(bar, owner + "." + bar->objectName());
    for (QMenu* menu : top->findChildren<QMenu*>())
        out << clashingKeys(menu, owner + "." + (menu->objectName().isEmpty() ? menu->title() : menu->objectName()));
    return out;
}

void pressKey(int key, Qt::KeyboardModifiers mods) {
    QWidget* at = QApplication::focusWidget();
    if (!at) return;
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(at, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(at, &release);
}

// Controls that keep the focus however often Tab (or Shift+Tab) is pressed on them. A control
// may use a few presses itself (a screen stepping through its cursors) before it lets go.
QStringList tabTraps(Form* form) {
    QStringList out;
    form->frame()->activateWindow();
    QApplication::processEvents();
    QList<QWidget*> reachable;
    for (QWidget* w : controls(form))
        if (w->isEnabled() && w->focusPolicy() != Qt::NoFocus) reachable << w;
    if (reachable.size() < 2) return out;  // nothing else to move on to
    for (QWidget* w : reachable) {
        for (bool back : {false, true}) {
            w->setFocus(Qt::TabFocusReason);
            if (QApplication::focusWidget() != w) break;  // the window is not the active one
            bool left = false;
            for (int press = 0; press < 12 && !left; ++press) {
                if (back) pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
                else pressKey(Qt::Key_Tab, Qt::NoModifier);
                left = QApplication::focusWidget() != w;
            }
            if (!left) out << where(form, w) + (back ? ": Shift+Tab" : ": Tab") + " does not leave it";
        }
    }
    return out;
}

class Accessibility : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const QString lang = qEnvironmentVariable("VANTOREL_TEST_LANGUAGE");
        if (!lang.isEmpty()) {
            QString problem;
            if (!language::apply(language::fromCode(lang), &problem)) FAIL() << problem.toStdString();
        }
        installProgramStyle();  // as the program starts
        createMainWindow();
        mainWindow()->show();
        QApplication::processEvents();
    }
    static void TearDownTestSuite() {
        Forms::unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens each window in turn and collects what `check` finds in it.
    static QStringList eachWindow(const std::function<QStringList(Form*)>& check) {
        QStringList found;
        SelectedGauge = 1;  // the gauge options open for a gauge
        for (const QString& name : Forms::names()) {
            Form* form = nullptr;
            try {
                form = Forms::get(name);
                form->showForm();
                QApplication::processEvents();
            } catch (const VbError& e) {
                ADD_FAILURE() << name.toStdString() << " does not open: " << e.description.toStdString();
            }
            if (!form) continue;
            found << check(form);
            form->hideForm();
        }
        return found;
    }
};

TEST_F(Accessibility, EveryControlHasANameOfItsOwn) {
    const QStringList found = eachWindow(unnamed);
    EXPECT_TRUE(found.isEmpty()) << found.size() << " controls:\n" << found.join("\n").toStdString();
}

TEST_F(Accessibility, NoMenuGivesOneAccessKeyToTwoCommands) {
    QStringList found = menuClashes(mainWindow(), "main window");
    found << eachWindow([](Form* form) { return menuClashes(form, form->formName()); });
    found.removeDuplicates();
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

TEST_F(Accessibility, TabMovesOnFromEveryControl) {
    const QStringList found = eachWindow(tabTraps);
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

TEST_F(Accessibility, TheLiveScopesControlsToo) {
    // The Live screen's bar, channel panel and screen, with its cursors shown.
    Form* scope = Forms::get("MultiScope");
    scope->showForm();
    scope->ctl<QRadioButton>("optLive")->click();
    scope->ctl<QCheckBox>("chkCursors")->setChecked(true);
    QApplication::processEvents();
    const QStringList found = unnamed(scope) + tabTraps(scope);
    scope->ctl<QCheckBox>("chkCursors")->setChecked(false);
    scope->ctl<QRadioButton>("optStored")->click();
    scope->hideForm();
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

// Whether the widget, drawn as it stands, shows the highlight colour along the middle of its top edge.
bool ringShown(QWidget* w) {
    const QImage image = w->grab().toImage();
    return image.pixelColor(image.width() / 2, 1) == w->palette().color(QPalette::Highlight);
}

TEST_F(Accessibility, TheFocusShowsOnTheScopeScreenAndTheEngineSliders) {
    Form* scope = Forms::get("MultiScope");
    Form* engine = Forms::get("FRMsimulation");
    for (Form* form : {scope, engine}) {
        form->showForm();
        QWidget* control = form == scope ? form->control("scopescreen") : form->control("HSB_engine_speed");
        ASSERT_NE(control, nullptr);
        form->frame()->activateWindow();
        control->setFocusPolicy(std::max(control->focusPolicy(), Qt::ClickFocus));
        control->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(control->hasFocus()) << form->formName().toStdString();
        EXPECT_TRUE(ringShown(control)) << form->formName().toStdString() << ": no ring with the focus";
        control->clearFocus();
        QApplication::processEvents();
        EXPECT_FALSE(ringShown(control)) << form->formName().toStdString() << ": a ring without the focus";
        form->hideForm();
    }
}

TEST_F(Accessibility, EscapeClosesEveryDialog) {
    QStringList kept;
    int dialogs = 0;
    for (const QString& name : Forms::names()) {
        Form* form = Forms::get(name);
        if (form->kind() != Form::Kind::Dialog) continue;
        ++dialogs;
        form->showForm();
        form->activateWindow();
        QApplication::processEvents();
        // From wherever the focus is in it, as a user presses the key.
        QWidget* at = form->focusWidget() ? form->focusWidget() : form;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(at, &press);
        QApplication::processEvents();
        if (Forms::find(name) && Forms::find(name)->formVisible()) {
            kept << name;
            Forms::find(name)->hideForm();
        }
    }
    EXPECT_GE(dialogs, 5);
    EXPECT_TRUE(kept.isEmpty()) << "still open after Escape: " << kept.join(", ").toStdString();
}

// The values a screen reader was told of, as (control's object name, value).
QList<QPair<QString, QString>>& heard() {
    static QList<QPair<QString, QString>> values;
    return values;
}
void listen(QWidget* control, const QString& value) { heard() << qMakePair(control->objectName(), value); }

TEST_F(Accessibility, ReadOutsAnnounceTheirNewValues) {
    const AnnouncementObserver was = installAnnouncementObserver(listen);
    heard().clear();
    auto* gauges = Forms::get<frmInstruments>();
    gauges->showGauges("30", "12.5", "Full", "88", "800");
    EXPECT_TRUE(heard().contains(qMakePair(QString("txbRev"), QString("800"))));
    EXPECT_TRUE(heard().contains(qMakePair(QString("txbSpeed"), QString("30"))));
    heard().clear();
    gauges->showGauges("30", "12.5", "Full", "88", "850");
    EXPECT_EQ(heard(), (QList<QPair<QString, QString>>{{"txbRev", "850"}})) << "only the gauge that moved";

    // The engine window's knock read-out, as the user switches knock on and off.
    Form* engine = Forms::get("FRMsimulation");
    heard().clear();
    engine->ctl<QPushButton>("cmbKnock")->click();
    engine->ctl<QPushButton>("cmbKnock")->click();
    EXPECT_EQ(heard(), (QList<QPair<QString, QString>>{{"txbknock", "Yes"}, {"txbknock", "No"}}));
    installAnnouncementObserver(was);
}

TEST_F(Accessibility, ConnectionPointsAreToldApartAcrossWindows) {
    // The same quantity is measured at several places; a screen reader must say which.
    QStringList found;
    QHash<QString, QString> seen;
    for (const QString& window : {"FRMsimulation", "frmStarting", "frmCharging"}) {
        Form* form = Forms::get(window);
        for (DragLabel* point : form->findChildren<DragLabel*>()) {
            const QString name = accessibleName(point);
            if (seen.contains(name)) found << where(form, point) + ": \"" + name + "\" like " + seen.value(name);
            seen.insert(name, where(form, point));
        }
    }
    EXPECT_GT(seen.size(), 40);
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

}  // namespace
