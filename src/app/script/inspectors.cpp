#include "app/script/inspectors.h"

#include "app/main_window/frmmainscreen.h"
#include "app/script/target.h"
#include "platform/form.h"
#include "platform/picturebox.h"
#include "platform/screenfit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QPixmap>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>

namespace script {

SetResult Inspector::set(QWidget*, const TargetName&, const QString&, QString*) const { return SetResult::NotSettable; }

namespace {

QJsonArray rgb(const QColor& c) { return QJsonArray{c.red(), c.green(), c.blue()}; }

// An inspector of the widgets of class W.
template <class W> class InspectorOf : public Inspector {
public:
    bool handles(QWidget* w, const TargetName&) const override { return qobject_cast<W*>(w) != nullptr; }
    bool show(QWidget* w, const TargetName& name, QJsonObject& out, QString* error) const final {
        return read(static_cast<W*>(w), name, out, error);
    }
    SetResult set(QWidget* w, const TargetName& name, const QString& value, QString* error) const final {
        return write(static_cast<W*>(w), name, value, error);
    }

protected:
    // show and set of a widget of the kind.
    virtual bool read(W* w, const TargetName& name, QJsonObject& out, QString* error) const = 0;
    virtual SetResult write(W*, const TargetName&, const QString&, QString*) const { return SetResult::NotSettable; }
};

// A cell of a grid, named as GRID(ROW,COLUMN).
class GridCellInspector final : public InspectorOf<QTableView> {
public:
    bool handles(QWidget* w, const TargetName& name) const override {
        return InspectorOf::handles(w, name) && !name.index.isEmpty() && w->objectName() == name.control;
    }

protected:
    bool read(QTableView* grid, const TargetName& name, QJsonObject& o, QString* error) const override {
        if (name.index.split(',').size() != 2) {
            *error = "a grid cell is (row,column)";
            return false;
        }
        const QModelIndex mi = cell(grid, name.index);
        if (!mi.isValid()) {
            *error = "no cell " + name.index;
            return false;
        }
        o.insert("text", mi.data(Qt::DisplayRole).toString());
        o.insert("current", grid->currentIndex() == mi);
        return true;
    }
    SetResult write(QTableView* grid, const TargetName& name, const QString& value, QString* error) const override {
        const QModelIndex mi = cell(grid, name.index);
        if (!mi.isValid()) {
            *error = "no cell " + name.index;
            return SetResult::Failed;
        }
        // A grid that does not take the typing: nothing changes.
        if (grid->editTriggers() == QAbstractItemView::NoEditTriggers || !(mi.flags() & Qt::ItemIsEditable))
            return SetResult::Refused;
        grid->setCurrentIndex(mi);
        grid->model()->setData(mi, value, Qt::EditRole);
        return SetResult::Done;
    }

private:
    static QModelIndex cell(const QTableView* grid, const QString& index) {
        int row = 0, column = 0;
        return parseCell(index, &row, &column) ? grid->model()->index(row, column) : QModelIndex();
    }
};

class PictureBoxInspector final : public InspectorOf<PictureBox> {
protected:
    bool read(PictureBox* pb, const TargetName&, QJsonObject& o, QString*) const override {
        pb->describe(o);
        return true;
    }
};

class LabelInspector final : public InspectorOf<QLabel> {
protected:
    bool read(QLabel* l, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", l->text());
        // A label showing a picture: the size it is shown at.
        const QPixmap shown = l->pixmap();
        if (!shown.isNull()) o.insert("picturesize", QJsonArray{shown.width(), shown.height()});
        return true;
    }
};

class LineEditInspector final : public InspectorOf<QLineEdit> {
protected:
    bool read(QLineEdit* e, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", e->text());
        o.insert("locked", e->isReadOnly());
        return true;
    }
    // Typing: the window hears of it as of a user's edit.
    SetResult write(QLineEdit* e, const TargetName&, const QString& value, QString*) const override {
        e->setText(value);
        emit e->textEdited(value);
        return SetResult::Done;
    }
};

class TextEditInspector final : public InspectorOf<QTextEdit> {
protected:
    bool read(QTextEdit* e, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", e->toPlainText());
        return true;
    }
    SetResult write(QTextEdit* e, const TargetName&, const QString& value, QString*) const override {
        e->setPlainText(value);
        return SetResult::Done;
    }
};

class PlainTextEditInspector final : public InspectorOf<QPlainTextEdit> {
protected:
    bool read(QPlainTextEdit* e, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", e->toPlainText());
        return true;
    }
    SetResult write(QPlainTextEdit* e, const TargetName&, const QString& value, QString*) const override {
        e->setPlainText(value);
        return SetResult::Done;
    }
};

class CheckBoxInspector final : public InspectorOf<QCheckBox> {
protected:
    bool read(QCheckBox* cb, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", cb->text());
        o.insert("value", cb->isChecked() ? 1 : 0);
        o.insert("checked", cb->isChecked());
        return true;
    }
    SetResult write(QCheckBox* cb, const TargetName&, const QString& value, QString* error) const override {
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok || v < 0 || v > 1) {
            *error = "a check box takes 0 or 1";
            return SetResult::Failed;
        }
        cb->setChecked(v == 1);
        return SetResult::Done;
    }
};

// Push and option buttons (check boxes have their own).
class ButtonInspector final : public InspectorOf<QAbstractButton> {
protected:
    bool read(QAbstractButton* b, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", b->text());
        o.insert("checked", b->isChecked());
        return true;
    }
};

// Scroll bars and sliders.
class SliderInspector final : public InspectorOf<QAbstractSlider> {
protected:
    bool read(QAbstractSlider* s, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("value", s->value());
        o.insert("min", s->minimum());
        o.insert("max", s->maximum());
        return true;
    }
    SetResult write(QAbstractSlider* s, const TargetName&, const QString& value, QString* error) const override {
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok || v < s->minimum() || v > s->maximum()) {
            *error = "Invalid property value: " + value + " is outside " + QString::number(s->minimum()) + ".." +
                     QString::number(s->maximum());
            return SetResult::Failed;
        }
        s->setValue(v);
        return SetResult::Done;
    }
};

class ProgressBarInspector final : public InspectorOf<QProgressBar> {
protected:
    bool read(QProgressBar* p, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("value", p->value());
        o.insert("min", p->minimum());
        o.insert("max", p->maximum());
        return true;
    }
};

class ComboInspector final : public InspectorOf<QComboBox> {
protected:
    bool read(QComboBox* c, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", c->currentText());
        o.insert("index", c->currentIndex());
        QJsonArray items;
        for (int i = 0; i < c->count(); ++i) items.append(c->itemText(i));
        o.insert("items", items);
        return true;
    }
    // Typing into the box; an item is picked with `pick`.
    SetResult write(QComboBox* c, const TargetName&, const QString& value, QString* error) const override {
        if (!c->isEditable()) {
            *error = "the combo box is not editable; use pick";
            return SetResult::Failed;
        }
        c->setEditText(value);
        return SetResult::Done;
    }
};

class ListInspector final : public InspectorOf<QListWidget> {
protected:
    bool read(QListWidget* l, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", l->currentItem() ? l->currentItem()->text() : QString());
        o.insert("index", l->currentRow());
        return true;
    }
};

class DoubleSpinInspector final : public InspectorOf<QDoubleSpinBox> {
protected:
    bool read(QDoubleSpinBox* s, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("value", s->value());
        o.insert("text", s->text());
        return true;
    }
    SetResult write(QDoubleSpinBox* s, const TargetName&, const QString& value, QString* error) const override {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (!ok) {
            *error = "not a number: " + value;
            return SetResult::Failed;
        }
        s->setValue(v);
        return SetResult::Done;
    }
};

class SpinInspector final : public InspectorOf<QSpinBox> {
protected:
    bool read(QSpinBox* s, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("value", s->value());
        return true;
    }
    SetResult write(QSpinBox* s, const TargetName&, const QString& value, QString* error) const override {
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok) {
            *error = "not a number: " + value;
            return SetResult::Failed;
        }
        s->setValue(v);
        return SetResult::Done;
    }
};

class GroupBoxInspector final : public InspectorOf<QGroupBox> {
protected:
    bool read(QGroupBox* g, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", g->title());
        return true;
    }
};

// The main window's status bar: the text of its first panel.
class StatusBarInspector final : public Inspector {
public:
    bool handles(QWidget* w, const TargetName&) const override { return w->inherits("QStatusBar"); }
    bool show(QWidget*, const TargetName&, QJsonObject& o, QString*) const override {
        o.insert("text", mainWindow() ? mainWindow()->panel(1)->text() : QString());
        return true;
    }
};

// A window: its caption, visibility and geometry in twips, and what it adds of its own.
void showWindow(const Target& t, QJsonObject& o) {
    if (t.form) {
        o.insert("caption", t.form->caption());
        o.insert("visible", t.form->formVisible());
        const QRect g = t.form->twipsGeometry();
        o.insert("left", g.x());
        o.insert("top", g.y());
        o.insert("width", g.width());
        o.insert("height", g.height());
        t.form->scriptShow(QString(), QString(), o);
    } else {
        o.insert("caption", t.widget->windowTitle());
        o.insert("visible", t.widget->isVisible());
    }
    describePlacement(t.form ? t.form->frame() : t.widget, o);
}

// A menu command.
void showAction(const QAction* a, QJsonObject& o) {
    o.insert("caption", a->text());
    o.insert("enabled", a->isEnabled());
    o.insert("visible", a->isVisible());
    o.insert("checked", a->isChecked());
    o.insert("tooltip", a->toolTip());
    o.insert("shortcut", a->shortcut().toString(QKeySequence::PortableText));
}

}  // namespace

const Inspector* inspectorFor(QWidget* w, const TargetName& name) {
    // In this order: a kind is looked for before the kinds it belongs to (a check box is a button).
    static const GridCellInspector grid;
    static const PictureBoxInspector picture;
    static const LabelInspector label;
    static const LineEditInspector lineEdit;
    static const TextEditInspector textEdit;
    static const PlainTextEditInspector plainTextEdit;
    static const CheckBoxInspector checkBox;
    static const ButtonInspector button;
    static const SliderInspector slider;
    static const ProgressBarInspector progress;
    static const ComboInspector combo;
    static const ListInspector list;
    static const DoubleSpinInspector doubleSpin;
    static const SpinInspector spin;
    static const GroupBoxInspector group;
    static const StatusBarInspector statusBar;
    static const Inspector* const all[] = {&grid,     &picture, &label,    &lineEdit, &textEdit, &plainTextEdit,
                                           &checkBox, &button,  &slider,   &progress, &combo,    &list,
                                           &doubleSpin, &spin,  &group,    &statusBar};
    for (const Inspector* i : all)
        if (i->handles(w, name)) return i;
    return nullptr;
}

bool showTarget(const Target& t, QJsonObject* out, QString* error) {
    QJsonObject& o = *out;
    const TargetName& n = t.name;
    o.insert("event", "show");
    o.insert("target", n.text());
    if (t.form && !n.control.isEmpty() && t.form->scriptShow(n.control, n.index, o)) return true;
    if (n.control.isEmpty()) {
        showWindow(t, o);
        return true;
    }
    if (auto* a = qobject_cast<QAction*>(t.object)) {
        showAction(a, o);
        return true;
    }
    QWidget* w = t.widget;
    if (!w) {
        *error = "cannot show " + n.control;
        return false;
    }
    o.insert("type", QString(w->metaObject()->className()));
    if (const Inspector* i = inspectorFor(w, n); i && !i->show(w, n, o, error)) return false;
    // What every widget has.
    o.insert("visible", !w->isHidden());
    o.insert("enabled", w->isEnabled());
    o.insert("fore", rgb(foreColor(w)));
    o.insert("back", rgb(backColor(w)));
    o.insert("tooltip", w->toolTip());
    // Whether the keys go to it: the control with its window's focus.
    o.insert("focus", w->window()->focusWidget() == w);
    // What a screen reader says of it: its name (given, or taken from its text or its label)
    // and its description.
    const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    o.insert("accessibleName", a ? a->text(QAccessible::Name) : QString());
    o.insert("description", w->accessibleDescription());
    return true;
}

SetResult setTarget(const Target& t, const QString& value, QString* error) {
    const TargetName& n = t.name;
    if (t.form && !n.control.isEmpty()) {
        QString hookError;
        if (t.form->scriptSet(n.control, n.index, value, &hookError)) {
            if (!hookError.isEmpty()) *error = hookError;
            return hookError.isEmpty() ? SetResult::Done : SetResult::Failed;
        }
    }
    QWidget* w = t.widget;
    if (!w) {
        *error = "cannot set " + n.control;
        return SetResult::Failed;
    }
    if (!w->isEnabled()) {
        *error = n.control + " is disabled";
        return SetResult::Failed;
    }
    const Inspector* i = inspectorFor(w, n);
    const SetResult r = i ? i->set(w, n, value, error) : SetResult::NotSettable;
    if (r == SetResult::NotSettable) *error = "cannot set a " + QString(w->metaObject()->className());
    return r;
}

}  // namespace script
