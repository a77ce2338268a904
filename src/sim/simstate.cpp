#include "sim/simstate.h"

#include "platform/numbers.h"

#include <QJsonArray>

namespace {
SimState g_program;
}  // namespace

SimState& programState() { return g_program; }

#define VANTOREL_BIND_SCALAR(type, name, start) type& name = g_program.name;
#define VANTOREL_BIND_ARRAY(type, name, upper) type (&name)[(upper) + 1] = g_program.name;
VANTOREL_SCALARS(VANTOREL_BIND_SCALAR)
VANTOREL_ARRAYS(VANTOREL_BIND_ARRAY)
#undef VANTOREL_BIND_SCALAR
#undef VANTOREL_BIND_ARRAY
Integer (&TelemetryData)[301][13] = g_program.TelemetryData;

void SimState::reset() { *this = SimState(); }

void resetState() { g_program.reset(); }
QJsonObject stateToJson() { return g_program.toJson(); }
bool setStateVariable(const QString& name, const QString& text, QString* error) {
    return g_program.set(name, text, error);
}

namespace {
QJsonValue jsonOf(const Integer& v) { return v.value(); }
QJsonValue jsonOf(float v) { return double(v); }
QJsonValue jsonOf(double v) { return v; }
QJsonValue jsonOf(const QString& v) { return v; }
QJsonValue jsonOf(const Figure& f) {
    if (f.isEmpty()) return QJsonValue();  // never set
    return f.value();
}
}  // namespace

QJsonObject SimState::toJson() const {
    QJsonObject o;
#define JSON_SCALAR(type, name, start) o.insert(#name, jsonOf(name));
#define JSON_ARRAY(type, name, upper)              \
    {                                              \
        QJsonArray a;                              \
        for (const auto& v : name) a.append(jsonOf(v)); \
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

bool SimState::set(const QString& name, const QString& text, QString* error) {
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
