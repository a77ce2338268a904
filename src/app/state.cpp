#include "app/state.h"

#include <QJsonArray>

#define VANTOREL_DEFINE_SCALAR(type, name, start) type name = start;
#define VANTOREL_DEFINE_ARRAY(type, name, upper) type name[(upper) + 1];
VANTOREL_SCALARS(VANTOREL_DEFINE_SCALAR)
VANTOREL_ARRAYS(VANTOREL_DEFINE_ARRAY)
#undef VANTOREL_DEFINE_SCALAR
#undef VANTOREL_DEFINE_ARRAY

Integer TelemetryData[301][13];

void resetState() {
#define RESET_SCALAR(type, name, start) name = start;
#define RESET_ARRAY(type, name, upper) \
    for (auto& v : name) v = type();
    VANTOREL_SCALARS(RESET_SCALAR)
    VANTOREL_ARRAYS(RESET_ARRAY)
#undef RESET_SCALAR
#undef RESET_ARRAY
    for (auto& row : TelemetryData)
        for (auto& v : row) v = 0;
}

namespace {
QJsonValue toJson(const Integer& v) { return v.value(); }
QJsonValue toJson(float v) { return double(v); }
QJsonValue toJson(double v) { return v; }
QJsonValue toJson(const QString& v) { return v; }
QJsonValue toJson(const Figure& f) {
    if (f.isEmpty()) return QJsonValue();  // never set
    return f.value();
}
}  // namespace

QJsonObject stateToJson() {
    QJsonObject o;
#define JSON_SCALAR(type, name, start) o.insert(#name, toJson(name));
#define JSON_ARRAY(type, name, upper)              \
    {                                              \
        QJsonArray a;                              \
        for (const auto& v : name) a.append(toJson(v)); \
        o.insert(#name, a);                        \
    }
    VANTOREL_SCALARS(JSON_SCALAR)
    VANTOREL_ARRAYS(JSON_ARRAY)
#undef JSON_SCALAR
#undef JSON_ARRAY
    QJsonArray t;
    for (const auto& row : TelemetryData) {
        QJsonArray r;
        for (const auto& v : row) r.append(v.value());
        t.append(r);
    }
    o.insert("TelemetryData", t);
    return o;
}

#include "platform/numbers.h"

namespace {
bool assign(Integer& v, const QString& text) {
    bool ok = false;
    const double d = vb::val(text, &ok);
    if (!ok) return false;
    try {
        v = d;
    } catch (const VbError&) {
        return false;
    }
    return true;
}
bool assign(float& v, const QString& text) {
    bool ok = false;
    v = static_cast<float>(vb::val(text, &ok));
    return ok;
}
bool assign(double& v, const QString& text) {
    bool ok = false;
    v = vb::val(text, &ok);
    return ok;
}
bool assign(QString& v, const QString& text) {
    v = text;
    return true;
}
bool assign(Figure& v, const QString& text) {
    if (text.isEmpty()) {
        v = Figure();
        return true;
    }
    bool ok = false;
    const double d = vb::val(text, &ok);
    if (!ok) return false;
    v = d;
    return true;
}
}  // namespace

bool setStateVariable(const QString& name, const QString& text, QString* error) {
    QString base = name;
    int index = -1;
    if (name.endsWith(')')) {
        const int open = name.indexOf('(');
        bool ok = false;
        index = name.mid(open + 1, name.size() - open - 2).toInt(&ok);
        if (open < 0 || !ok) {
            *error = "bad index in " + name;
            return false;
        }
        base = name.left(open);
    }
    bool found = false, ok = false;
#define SET_SCALAR(type, var, start)             \
    if (!found && index < 0 && base == #var) {    \
        found = true;                            \
        ok = assign(var, text);                  \
    }
#define SET_ARRAY(type, var, upper)                                   \
    if (!found && index >= 0 && base == #var) {                        \
        found = true;                                                 \
        ok = index <= (upper) && assign(var[index], text);            \
    }
    VANTOREL_SCALARS(SET_SCALAR)
    VANTOREL_ARRAYS(SET_ARRAY)
#undef SET_SCALAR
#undef SET_ARRAY
    if (!found) *error = "no shared variable " + name;
    else if (!ok) *error = "\"" + text + "\" does not fit " + name;
    return found && ok;
}
