// Script mode: what `show` prints of a target and how `set` changes it. A window's own script
// hooks come first; then the window itself, a menu command, or a widget through the inspector
// of its kind (a grid cell, a picture box, a label, a text box, a check box, a button, a
// slider, a progress bar, a combo box, a list, a spin box, a frame, the status bar).
#pragma once

#include "app/script/parser.h"

#include <QJsonObject>
#include <QString>

class QWidget;

namespace script {

struct Target;

// What came of a change.
enum class SetResult {
    Done,         // changed as a user would have changed it
    Refused,      // the control does not take the change (a read-only grid): nothing changed
    Failed,       // a value the control cannot take; the error text says why
    NotSettable,  // a kind of control that takes no value
};

// One kind of widget as script mode reads and changes it.
class Inspector {
public:
    virtual ~Inspector() = default;
    // Whether the widget, named as the script names it, is of this kind.
    virtual bool handles(QWidget* w, const TargetName& name) const = 0;
    // Adds what the widget holds to `out`; false, with the error text, for a part of it that
    // is not there (a grid cell out of range).
    virtual bool show(QWidget* w, const TargetName& name, QJsonObject& out, QString* error) const = 0;
    // A user's change to VALUE.
    virtual SetResult set(QWidget* w, const TargetName& name, const QString& value, QString* error) const;
};

// The inspector of the widget's kind; nullptr for a kind that has none (its show has only the
// fields every widget has).
const Inspector* inspectorFor(QWidget* w, const TargetName& name);

// `show` of a target that was found: `event` and `target`, then what it holds.
bool showTarget(const Target& t, QJsonObject* out, QString* error);
// `set` of a target that was found (a disabled control takes nothing).
SetResult setTarget(const Target& t, const QString& value, QString* error);

}  // namespace script
