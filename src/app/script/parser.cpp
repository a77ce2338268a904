#include "app/script/parser.h"

#include "platform/numbers.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace script {

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

QString TargetName::controlWithIndex() const { return index.isEmpty() ? control : control + "(" + index + ")"; }

QString TargetName::text() const {
    return window + (control.isEmpty() ? QString() : "." + control) + (index.isEmpty() ? QString() : "(" + index + ")");
}

bool parseTarget(const QString& text, TargetName* out, QString* error) {
    const QString s = text.trimmed();
    const int dot = s.indexOf('.');
    TargetName t;
    t.window = dot < 0 ? s : s.left(dot);
    const QString ctl = dot < 0 ? QString() : s.mid(dot + 1);
    if (ctl.endsWith(')')) {
        const int open = ctl.indexOf('(');
        if (open < 0) {
            *error = "bad target " + text;
            return false;
        }
        t.index = ctl.mid(open + 1, ctl.size() - open - 2).trimmed();
        t.control = ctl.left(open);
    } else {
        t.control = ctl;
    }
    *out = t;
    return true;
}

bool parseCell(const QString& index, int* row, int* column) {
    const QStringList rc = index.split(',');
    if (rc.size() != 2) return false;
    bool okRow = false, okColumn = false;
    *row = rc[0].trimmed().toInt(&okRow);
    *column = rc[1].trimmed().toInt(&okColumn);
    return okRow && okColumn;
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

}  // namespace script
