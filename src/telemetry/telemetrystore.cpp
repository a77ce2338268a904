#include "telemetrystore.h"

#include "sim/simstate.h"

#include <QCoreApplication>

namespace telemetry {

const QStringList& channelNames() {
    static const QStringList names = {"SystemVoltage",     "ThrottlePosition", "Gear",           "Knock",
                                      "EngineSpeed",       "EngineLoad",       "EngineTemperature",
                                      "RoadSpeed",         "IgnitionTiming",   "InjectionDuration",
                                      "DwellPercentage"};
    return names;
}

Sample sampleOf(const sim::Snapshot& r) {
    Sample s{};
    s[1] = r.systemVoltage;
    s[2] = r.throttlePosition;
    s[3] = r.gear;
    s[4] = -r.knock;
    s[5] = r.engineSpeed;
    s[6] = r.engineLoad;
    s[7] = r.engineTemperature < 0 ? 0 : r.engineTemperature;
    s[8] = r.roadSpeed;
    s[9] = r.ignitionTiming;
    s[10] = r.injectionDuration;  // Integer rounds halves to even and refuses what does not fit
    s[11] = r.dwellPercentage;
    return s;
}

sim::Snapshot currentReadings() { return sim::snapshotOf(programState()); }

void SampleHistory::append(const Sample& s) {
    ring_[next_] = s;
    next_ = (next_ + 1) % kExportRows;
    if (count_ < kExportRows) ++count_;
}

const Sample& SampleHistory::at(int i) const {
    const int oldest = count_ < kExportRows ? 0 : next_;
    return ring_[(oldest + i) % kExportRows];
}

SampleHistory& runHistory() {
    static SampleHistory history;
    return history;
}

namespace {
int g_recorders = 0;
std::function<void()>& statusHook() {
    static std::function<void()> hook;
    return hook;
}
}  // namespace

void setRecording(bool on) {
    g_recorders = on ? g_recorders + 1 : (g_recorders > 0 ? g_recorders - 1 : 0);
    statusChanged();
}

bool recording() { return g_recorders > 0; }

namespace {
struct StatusTexts {
    Q_DECLARE_TR_FUNCTIONS(telemetry::Status)
};
}  // namespace

QString statusText() {
    const int n = runHistory().count();
    if (!recording() && n == 0) return StatusTexts::tr("Telemetry off... ");
    // One sample and several are messages of their own, so that English reads right with no
    // translation loaded; each is a plural message for the languages that need more forms.
    if (recording())
        return n == 1 ? StatusTexts::tr("Telemetry recording, %n sample...", nullptr, n)
                      : StatusTexts::tr("Telemetry recording, %n samples...", nullptr, n);
    return n == 1 ? StatusTexts::tr("Telemetry off, %n sample...", nullptr, n)
                  : StatusTexts::tr("Telemetry off, %n samples...", nullptr, n);
}

void setStatusHook(std::function<void()> hook) { statusHook() = std::move(hook); }

void statusChanged() {
    if (statusHook()) statusHook()();
}

QString exportHeader() {
    QStringList quoted;
    for (const QString& n : channelNames()) quoted << '"' + n + '"';
    return quoted.join(',');
}

QString exportLine(const Sample& s) {
    QString line;
    for (int c = 1; c <= kChannels; ++c) {
        if (c > 1) line += ',';
        line += QString::number(s[c].value());
    }
    return line;
}

QByteArray exportText(const SampleHistory& history) {
    QByteArray out;
    out.reserve(80 * (kExportRows + 1));
    out += exportHeader().toLatin1();
    out += "\r\n";
    const QByteArray zeros = exportLine(Sample{}).toLatin1();
    for (int i = 0; i < kExportRows; ++i) {
        out += i < history.count() ? exportLine(history.at(i)).toLatin1() : zeros;
        out += "\r\n";
    }
    return out;
}

}  // namespace telemetry
