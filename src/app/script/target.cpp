#include "app/script/target.h"

#include "app/main_window/frmmainscreen.h"
#include "platform/datafolder.h"
#include "platform/form.h"
#include "platform/platform.h"
#include "platform/services.h"

#include <QDir>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTableView>

namespace script {

bool resolve(const QString& text, Lookup how, Target* t, QString* error) {
    if (!parseTarget(text, &t->name, error)) return false;
    const TargetName& n = t->name;
    QWidget* root = nullptr;
    if (n.window == "frmMainscreen") {
        root = mainWindow();
    } else if (how == Lookup::Load) {
        t->form = Forms::get(n.window);
        root = t->form;
    } else {
        t->form = Forms::find(n.window);
        root = t->form;
        if (!root && Forms::exists(n.window)) {
            t->loaded = false;
            return true;
        }
    }
    if (!root) {
        *error = "unknown window " + n.window;
        return false;
    }
    if (n.control.isEmpty()) {
        t->object = root;
        t->widget = root;
        return true;
    }
    const QString full = n.controlWithIndex();
    QObject* obj = root->findChild<QObject*>(full);
    if (!obj && !n.index.isEmpty()) obj = root->findChild<QTableView*>(n.control);  // a grid cell
    if (!obj && t->form) {
        // Controls that exist only through the window's own script hooks.
        QJsonObject probe;
        if (t->form->scriptShow(n.control, n.index, probe)) {
            t->object = nullptr;
            return true;
        }
    }
    if (!obj) {
        *error = "unknown control " + full + " on " + n.window;
        return false;
    }
    t->object = obj;
    t->widget = qobject_cast<QWidget*>(obj);
    return true;
}

QString scriptPath(const QString& path) {
    if (path.startsWith("USERDATA:")) return QDir(userDataFolder()).filePath(path.mid(9));
    if (path.startsWith("TEMP:")) return platform().tempFolder() + path.mid(5);
    if (path.startsWith("DATA:")) return QDir(appFolder()).filePath(path.mid(5));
    if (path.startsWith("CONFIG:"))
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + path.mid(7);
    return path;
}

}  // namespace script
