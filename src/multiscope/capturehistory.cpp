#include "multiscope/capturehistory.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace scope {

namespace {

bool sameNumbers(const std::vector<double>& a, const std::vector<double>& b) { return a == b; }
bool same(double a, double b) { return a == b; }

}  // namespace

bool equalFrames(const Frame& a, const Frame& b) {
    return sameNumbers(a.values, b.values) && sameNumbers(a.lows, b.lows) && sameNumbers(a.highs, b.highs) &&
           same(a.start, b.start) && same(a.dt, b.dt) && a.triggered == b.triggered;
}

bool operator==(const Capture& a, const Capture& b) {
    return same(a.time, b.time) &&
           std::equal(a.frames.begin(), a.frames.end(), b.frames.begin(), b.frames.end(), equalFrames);
}

// ---- The history ----

CaptureHistory::CaptureHistory(int limit) : limit_(std::max(1, limit)) {}

bool CaptureHistory::add(Capture capture) {
    if (paused_) return false;
    const bool following = position_ == size() - 1;
    captures_.push_back(std::move(capture));
    if (following) position_ = size() - 1;
    while (size() > limit_) dropOldest();
    return true;
}

void CaptureHistory::clear() {
    captures_.clear();
    position_ = -1;
}

void CaptureHistory::setLimit(int limit) {
    limit_ = std::max(1, limit);
    while (size() > limit_) dropOldest();
}

void CaptureHistory::dropOldest() {
    captures_.pop_front();
    if (position_ > 0) --position_;
    if (captures_.empty()) position_ = -1;
}

const Capture* CaptureHistory::at(int index) const {
    if (index < 0 || index >= size()) return nullptr;
    return &captures_[std::size_t(index)];
}

bool CaptureHistory::select(int index) {
    if (index < 0 || index >= size() || index == position_) return false;
    position_ = index;
    return true;
}

bool CaptureHistory::back() { return select(position_ - 1); }
bool CaptureHistory::forward() { return select(position_ + 1); }
bool CaptureHistory::first() { return select(0); }
bool CaptureHistory::last() { return select(size() - 1); }

// ---- The capture file ----

bool operator==(const ChannelSettings& a, const ChannelSettings& b) {
    return a.name == b.name && a.point == b.point && a.probe == b.probe && a.unit == b.unit &&
           same(a.perDivision, b.perDivision) && same(a.offset, b.offset) && a.on == b.on;
}

bool operator==(const CaptureDocument& a, const CaptureDocument& b) {
    return a.channels == b.channels && same(a.secondsPerDivision, b.secondsPerDivision) &&
           a.triggerChannel == b.triggerChannel && a.trigger.mode == b.trigger.mode &&
           a.trigger.edge == b.trigger.edge && same(a.trigger.level, b.trigger.level) &&
           same(a.trigger.position, b.trigger.position) && a.capture == b.capture;
}

namespace {

const char* const kFormat = "vantorel-capture";
const char* const kModes[] = {"Roll", "Auto", "Normal", "Single"};
const char* const kEdges[] = {"Rising", "Falling"};

struct Texts { Q_DECLARE_TR_FUNCTIONS(scope::CaptureFile) };

QJsonArray numbers(const std::vector<double>& v) {
    QJsonArray a;
    for (double x : v) a.append(x);
    return a;
}

// Raised inside the reader with the message of what is wrong.
struct Refused {
    QString message;
};
[[noreturn]] void refuse(const QString& message) { throw Refused{message}; }

double number(const QJsonObject& o, const char* key, const QString& where) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble() || !std::isfinite(v.toDouble()))
        refuse(Texts::tr("%1: \"%2\" is missing or not a number.").arg(where, QLatin1String(key)));
    return v.toDouble();
}
QString text(const QJsonObject& o, const char* key, const QString& where) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isString()) refuse(Texts::tr("%1: \"%2\" is missing or not a text.").arg(where, QLatin1String(key)));
    return v.toString();
}
bool flag(const QJsonObject& o, const char* key, const QString& where) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isBool()) refuse(Texts::tr("%1: \"%2\" is missing or not true or false.").arg(where, QLatin1String(key)));
    return v.toBool();
}
QJsonObject object(const QJsonObject& o, const char* key, const QString& where) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isObject()) refuse(Texts::tr("%1: \"%2\" is missing or not an object.").arg(where, QLatin1String(key)));
    return v.toObject();
}
std::vector<double> series(const QJsonObject& o, const char* key, const QString& where) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isArray()) refuse(Texts::tr("%1: \"%2\" is missing or not a list of numbers.").arg(where, QLatin1String(key)));
    const QJsonArray a = v.toArray();
    if (a.size() > kFramePoints)
        refuse(Texts::tr("%1: \"%2\" has %3 samples, more than %4.").arg(where, QLatin1String(key)).arg(a.size()).arg(kFramePoints));
    std::vector<double> out;
    out.reserve(std::size_t(a.size()));
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!a[i].isDouble() || !std::isfinite(a[i].toDouble()))
            refuse(Texts::tr("%1: sample %2 of \"%3\" is not a number.").arg(where).arg(i + 1).arg(QLatin1String(key)));
        out.push_back(a[i].toDouble());
    }
    return out;
}
template <std::size_t N>
int oneOf(const QString& value, const char* const (&names)[N], const char* key, const QString& where) {
    for (std::size_t i = 0; i < N; ++i)
        if (value == QLatin1String(names[i])) return int(i);
    refuse(Texts::tr("%1: \"%2\" cannot be \"%3\".").arg(where, QLatin1String(key), value.left(40)));
}

CaptureDocument parse(const QByteArray& bytes) {
    if (bytes.isEmpty()) refuse(Texts::tr("The file is empty."));
    if (bytes.size() > kCaptureFileLimit) refuse(Texts::tr("The file is too large to be a capture file."));
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        refuse(Texts::tr("The file is not a capture file: it is damaged or of another kind (%1 at byte %2).")
                   .arg(error.errorString())
                   .arg(error.offset));
    if (!json.isObject() || json.object().value(QLatin1String("format")).toString() != QLatin1String(kFormat))
        refuse(Texts::tr("The file is not a capture file."));
    const QJsonObject root = json.object();
    const QString file = Texts::tr("The capture file");
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1)
        refuse(Texts::tr("%1: \"version\" is missing or not a whole number.").arg(file));
    if (version.toDouble() > kCaptureFileVersion)
        refuse(Texts::tr("The capture file was made by a newer version of the program (format %1); this one reads format %2.")
                   .arg(version.toDouble())
                   .arg(kCaptureFileVersion));

    CaptureDocument doc;
    doc.secondsPerDivision = number(root, "timebase", file);
    if (doc.secondsPerDivision <= 0) refuse(Texts::tr("%1: \"timebase\" must be above zero.").arg(file));
    doc.capture.time = number(root, "time", file);

    const QJsonObject trigger = object(root, "trigger", file);
    const QString where = Texts::tr("The trigger");
    doc.triggerChannel = text(trigger, "channel", where);
    doc.trigger.mode = TriggerMode(oneOf(text(trigger, "mode", where), kModes, "mode", where));
    doc.trigger.edge = Edge(oneOf(text(trigger, "edge", where), kEdges, "edge", where));
    doc.trigger.level = number(trigger, "level", where);
    doc.trigger.position = number(trigger, "position", where);
    if (doc.trigger.position < 0 || doc.trigger.position > 1)
        refuse(Texts::tr("%1: \"position\" must be between 0 and 1.").arg(where));

    const QJsonValue channels = root.value(QLatin1String("channels"));
    if (!channels.isArray() || channels.toArray().isEmpty() || channels.toArray().size() > kChannels)
        refuse(Texts::tr("%1: \"channels\" must list 1 to %2 channels.").arg(file).arg(kChannels));
    QSet<QString> names;
    const QJsonArray list = channels.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString at = Texts::tr("Channel %1").arg(i + 1);
        if (!list[i].isObject()) refuse(Texts::tr("%1 is not an object.").arg(at));
        const QJsonObject c = list[i].toObject();
        ChannelSettings s;
        s.name = text(c, "name", at);
        if (s.name.isEmpty() || names.contains(s.name)) refuse(Texts::tr("%1: its name is empty or used twice.").arg(at));
        names.insert(s.name);
        s.point = text(c, "point", at);
        s.probe = text(c, "probe", at);
        s.unit = text(c, "unit", at);
        s.perDivision = number(c, "perDivision", at);
        if (s.perDivision <= 0) refuse(Texts::tr("%1: \"perDivision\" must be above zero.").arg(at));
        s.offset = number(c, "offset", at);
        s.on = flag(c, "on", at);
        Frame f;
        f.start = number(c, "start", at);
        f.dt = number(c, "dt", at);
        if (f.dt < 0) refuse(Texts::tr("%1: \"dt\" cannot be below zero.").arg(at));
        f.triggered = flag(c, "triggered", at);
        f.values = series(c, "values", at);
        f.lows = series(c, "lows", at);
        f.highs = series(c, "highs", at);
        if ((!f.lows.empty() && f.lows.size() != f.values.size()) || f.highs.size() != f.lows.size())
            refuse(Texts::tr("%1: \"lows\" and \"highs\" must be empty or as many as the values.").arg(at));
        doc.channels.push_back(s);
        doc.capture.frames.push_back(std::move(f));
    }
    if (!names.contains(doc.triggerChannel))
        refuse(Texts::tr("%1: \"channel\" names no channel of the file.").arg(where));
    return doc;
}

}  // namespace

QByteArray formatCaptureFile(const CaptureDocument& doc) {
    QJsonObject root;
    root.insert(QLatin1String("format"), QLatin1String(kFormat));
    root.insert(QLatin1String("version"), kCaptureFileVersion);
    root.insert(QLatin1String("timebase"), doc.secondsPerDivision);
    root.insert(QLatin1String("time"), doc.capture.time);
    QJsonObject trigger;
    trigger.insert(QLatin1String("channel"), doc.triggerChannel);
    trigger.insert(QLatin1String("mode"), QLatin1String(kModes[int(doc.trigger.mode)]));
    trigger.insert(QLatin1String("edge"), QLatin1String(kEdges[int(doc.trigger.edge)]));
    trigger.insert(QLatin1String("level"), doc.trigger.level);
    trigger.insert(QLatin1String("position"), doc.trigger.position);
    root.insert(QLatin1String("trigger"), trigger);
    QJsonArray channels;
    for (std::size_t i = 0; i < doc.channels.size(); ++i) {
        const ChannelSettings& s = doc.channels[i];
        const Frame empty;
        const Frame& f = i < doc.capture.frames.size() ? doc.capture.frames[i] : empty;
        QJsonObject c;
        c.insert(QLatin1String("name"), s.name);
        c.insert(QLatin1String("point"), s.point);
        c.insert(QLatin1String("probe"), s.probe);
        c.insert(QLatin1String("unit"), s.unit);
        c.insert(QLatin1String("perDivision"), s.perDivision);
        c.insert(QLatin1String("offset"), s.offset);
        c.insert(QLatin1String("on"), s.on);
        c.insert(QLatin1String("start"), f.start);
        c.insert(QLatin1String("dt"), f.dt);
        c.insert(QLatin1String("triggered"), f.triggered);
        c.insert(QLatin1String("values"), numbers(f.values));
        c.insert(QLatin1String("lows"), numbers(f.lows));
        c.insert(QLatin1String("highs"), numbers(f.highs));
        channels.append(c);
    }
    root.insert(QLatin1String("channels"), channels);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

CaptureFileResult readCaptureFile(const QByteArray& bytes) {
    CaptureFileResult result;
    try {
        result.document = parse(bytes);
    } catch (const Refused& r) {
        result.error = r.message;
    }
    return result;
}

}  // namespace scope
