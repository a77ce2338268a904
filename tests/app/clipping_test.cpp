// Every window at the program's font: no label, button, check box, option button or frame title
// shows less of its text than it holds. The read-outs whose text changes are filled with the
// longest texts the program puts there.
#include "app/main_window/frmmainscreen.h"
#include "sim/simstate.h"
#include "electrical/circuitart.h"
#include "platform/form.h"
#include "platform/theme.h"
#include "testing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QAbstractSlider>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

namespace {

QString plain(QString text) {
    // A mnemonic's ampersand takes no room; "&&" shows one.
    text.replace("&&", "\x01");
    text.remove('&');
    text.replace('\x01', '&');
    return text;
}

// What the control lacks to show its text, as "needs N px, has M px"; empty when it fits.
QString shortfall(QWidget* w) {
    const QFontMetrics fm = w->fontMetrics();
    auto report = [](int need, int have) {
        return need > have ? QString("needs %1 px, has %2 px").arg(need).arg(have) : QString();
    };
    if (auto* l = qobject_cast<QLabel*>(w)) {
        // A connection square on a circuit draws a square; its text is the point's caption.
        if (qobject_cast<ConnectionSquare*>(l)) return QString();
        if (l->text().isEmpty() || !l->pixmap().isNull() || l->textFormat() == Qt::RichText) return QString();
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap()) return report(l->heightForWidth(l->width()), l->height());
        const QRect need = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::TextExpandTabs, plain(l->text()));
        const QString wide = report(need.width(), room.width());
        return wide.isEmpty() ? report(need.height(), room.height() + 2) : wide;
    }
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        if (b->text().isEmpty()) return QString();
        // Where the style draws a button's text and icon.
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b).width();
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        return report(fm.horizontalAdvance(plain(b->text())) + icon, room);
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        auto* b = static_cast<QAbstractButton*>(w);
        if (b->text().isEmpty()) return QString();
        // The size hint keeps a pixel of spare room beyond the text.
        return report(b->sizeHint().width() - 1, b->width());
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        if (g->title().isEmpty()) return QString();
        // The style places the title with its margins; beyond the frame's width it is cut.
        QStyleOptionGroupBox o;
        o.initFrom(g);
        o.text = g->title();
        o.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
        return report(label.left() + fm.horizontalAdvance(plain(g->title())), g->width());
    }
    return QString();
}

// The clipped controls of a window that are shown, one line each.
QStringList clipped(Form* form) {
    QStringList out;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(form) || w->width() <= 0) continue;
        const QString why = shortfall(w);
        if (why.isEmpty()) continue;
        const QString text = qobject_cast<QGroupBox*>(w) ? static_cast<QGroupBox*>(w)->title()
                             : qobject_cast<QLabel*>(w)  ? static_cast<QLabel*>(w)->text()
                                                         : static_cast<QAbstractButton*>(w)->text();
        out << form->formName() + "." + w->objectName() + " \"" + text.left(60) + "\": " + why;
    }
    return out;
}

class Clipping : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        createMainWindow();
        mainWindow()->show();  // its windows lay themselves out only when they can be seen
    }
    // The dialogs this suite opened go as they do when the program closes them.
    static void TearDownTestSuite() {
        Forms::unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(Clipping, NoWindowCutsOffItsText) {
    QStringList found;
    SelectedGauge = 1;  // the gauge options open for a gauge
    for (const QString& name : Forms::names()) {
        Form* form = nullptr;
        try {
            form = Forms::get(name);
            form->showForm();
            QApplication::processEvents();  // the layouts take their sizes
        } catch (const VbError& e) {
            ADD_FAILURE() << name.toStdString() << " does not open: " << e.description.toStdString();
        }
        if (!form) continue;
        found << clipped(form);
        form->hideForm();
    }
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

TEST_F(Clipping, PanelsAUserOpensShowTheirTextsWhole) {
    // The faults window with its list shown, the login with its new-password part.
    LoggedIn = True;
    Form* faults = Forms::get("frmFaults");
    faults->showForm();
    faults->findChild<QPushButton*>("cmdFaults")->click();
    Form* login = Forms::get("frmLogin");
    login->showForm();
    if (auto* help = login->findChild<QPushButton*>("cmdHelp")) help->click();
    QStringList found = clipped(faults) + clipped(login);

    // The instrument's terminal with each connection point of the circuit windows on it.
    Form* scope = Forms::get("MultiScope");
    scope->showForm();
    auto* terminal = scope->findChild<QPushButton*>("cmdConnection");
    for (const QString& window : {"FRMsimulation", "frmStarting", "frmCharging"})
        for (DragLabel* point : Forms::get(window)->findChildren<DragLabel*>()) {
            EngineRunning = True;
            scope->dropLabel(terminal, point);
            found << clipped(scope);
        }
    // Live: the control bar and the read-outs of the scale controls at every range.
    scope->findChild<QRadioButton*>("optLive")->click();
    for (const char* name : {"sldTime", "vscVolts1", "hsbXshift", "vscY1shift", "updFocus"}) {
        auto* control = scope->findChild<QAbstractSlider*>(name);
        for (int v = control->minimum(); v <= control->maximum(); v += std::max(1, control->singleStep())) {
            control->setValue(v);
            found << clipped(scope);
        }
    }
    scope->findChild<QRadioButton*>("optStored")->click();
    EngineRunning = False;
    found.removeDuplicates();
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
    LoggedIn = False;
}

// The projector's theme sets the instrument's panel and read-outs in larger type: they still
// fit, opened in that theme and switched to it while open.
TEST_F(Clipping, TheInstrumentInTheProjectorsThemeShowsItsTextsWhole) {
    const auto check = [](Form* scope) {
        QStringList found = clipped(scope);
        scope->findChild<QRadioButton*>("optLive")->click();
        for (const char* name : {"sldTime", "vscVolts1", "hsbXshift", "vscY1shift", "updFocus"}) {
            auto* control = scope->findChild<QAbstractSlider*>(name);
            for (int v = control->minimum(); v <= control->maximum(); v += std::max(1, control->singleStep())) {
                control->setValue(v);
                found << clipped(scope);
            }
        }
        scope->findChild<QRadioButton*>("optStored")->click();
        found.removeDuplicates();
        return found;
    };
    Forms::unload("MultiScope");
    theme::setCurrent(theme::Kind::Projector);
    Form* scope = Forms::get("MultiScope");
    scope->showForm();
    QApplication::processEvents();
    QStringList found = check(scope);
    theme::setCurrent(theme::Kind::Standard);
    Forms::unload("MultiScope");
    scope = Forms::get("MultiScope");
    scope->showForm();
    theme::setCurrent(theme::Kind::Projector);
    QApplication::processEvents();
    found << check(scope);
    theme::setCurrent(theme::Kind::Standard);
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

}  // namespace
