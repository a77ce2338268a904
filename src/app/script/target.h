// Script mode: what a script's names lead to — windows and their controls, and the places of
// files.
#pragma once

#include "app/script/parser.h"

#include <QString>

class Form;
class QObject;
class QWidget;

namespace script {

// A target as it was found.
struct Target {
    TargetName name;
    bool loaded = true;          // false: the window exists but is not loaded (nothing found)
    QObject* object = nullptr;   // the control (or the window itself)
    QWidget* widget = nullptr;
    Form* form = nullptr;        // the window, when it is a form
};

// How a window that is not loaded yet is treated: loaded, as a user's command on it would
// (a click, a key, a change), or left as it is, as a look at it must (show, expect).
enum class Lookup { Load, LoadedOnly };

// Finds a target: false with the error text for an unknown window or control. With
// Lookup::LoadedOnly a window that is not loaded is found with `loaded` false and nothing else.
bool resolve(const QString& text, Lookup how, Target* t, QString* error);

// A path as a script gives it: "TEMP:name" is in the temporary folder, "CONFIG:name" in the
// per-user settings folder, "DATA:name" in the program's folder, "USERDATA:name" in the user's
// data folder; any other path is as it is.
QString scriptPath(const QString& path);

}  // namespace script
