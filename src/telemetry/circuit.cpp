#include "circuit.h"

#include "platform/numbers.h"
#include "platform/vbtypes.h"

#include <algorithm>
#include <cmath>

namespace telemetry {

namespace {
// The next field: the text up to a comma or a line end, blanks around it dropped.
bool nextField(const QByteArray& text, int* pos, QByteArray* field) {
    const int n = text.size();
    int i = *pos;
    // Line ends and blank lines between fields separate them too.
    while (i < n && (text[i] == '\r' || text[i] == '\n' || text[i] == ' ' || text[i] == '\t')) ++i;
    if (i >= n) return false;
    int j = i;
    while (j < n && text[j] != ',' && text[j] != '\r' && text[j] != '\n') ++j;
    *field = text.mid(i, j - i).trimmed();
    *pos = j < n && text[j] == ',' ? j + 1 : j;
    return true;
}

bool numberField(const QByteArray& field, double* value) {
    if (field.size() > 64) return false;
    bool ok = false;
    const double v = vb::val(QString::fromLatin1(field), &ok);
    if (!ok || !std::isfinite(v)) return false;
    *value = std::clamp(v, 0.0, kCircuitUnits);
    return true;
}
}  // namespace

QVector<QPointF> parseTrack(const QByteArray& text) {
    QVector<QPointF> points;
    int pos = 0;
    QByteArray fx, fy;
    while (points.size() < kMaxTrackPoints && nextField(text, &pos, &fx) && nextField(text, &pos, &fy)) {
        double x = 0, y = 0;
        if (!numberField(fx, &x) || !numberField(fy, &y)) break;
        points.append(QPointF(x, y));
    }
    return points;
}

CarState advanceCar(int position, int lap, int trackLength, int roadSpeed) {
    CarState s;
    s.position = position;
    s.lap = lap;
    if (roadSpeed <= 0 || trackLength <= 0) return s;
    s.moved = true;
    if (position >= trackLength) {
        s.position = 1;
        s.lap = Integer(lap + 1);
        s.lapped = true;
    }
    s.position = Integer(roadSpeed / 20.0 + s.position);
    return s;
}

int placementPoint(int position, int trackLength) {
    if (trackLength <= 0) return 0;
    return std::clamp(position, 1, std::min(trackLength, kMaxTrackPoints));
}

QByteArray trackLine(long x, long y) { return QByteArray::number(qlonglong(x)) + ',' + QByteArray::number(qlonglong(y)) + "\r\n"; }

}  // namespace telemetry

#include "platform/files.h"

#include <QCoreApplication>

namespace telemetry {

void OutputChannel::openRecording(const QString& path) {
    close();
    writeFileAtomic(path, QByteArray(), AtomicWrite{false, false});
    open_ = true;
    path_ = path;
}

void OutputChannel::writePoint(long x, long y) {
    if (!open_) raiseError(52, QCoreApplication::translate("telemetry::OutputChannel", "Bad file name or number"));
    const QByteArray before = written_;
    written_ += trackLine(x, y);
    try {
        writeFileAtomic(path_, written_, AtomicWrite{false, false});
    } catch (const VbError&) {
        written_ = before;
        throw;
    }
}

void OutputChannel::close() {
    open_ = false;
    path_.clear();
    written_.clear();
}

OutputChannel& outputChannel() {
    static OutputChannel channel;
    return channel;
}

}  // namespace telemetry
