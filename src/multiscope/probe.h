// The instrument's probe: the point it is on, or nothing when it hangs free. The terminal's
// caption only shows this; what is measured, where the data files are found and what the
// Live screen draws follow the point, not a caption.
#pragma once

#include "sim/catalogue.h"
#include "sim/signals.h"

#include <QObject>
#include <optional>

namespace instrument {

class Probe : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Put on a dropped label (its caption, control, index and window); a label that is no
    // connection point can still carry the probe, it measures nothing.
    void attach(const sim::ProbePoint& at);
    // Taken off; false when it already hung free (nothing changes then).
    bool detach();

    bool attached() const { return at_.has_value(); }
    // The label it is on, while attached.
    const std::optional<sim::ProbePoint>& at() const { return at_; }
    // The catalogue's point it is on; none while free or on a label that is no point.
    std::optional<sim::PointId> point() const { return point_; }
    // What it measures; none while free or on a label that is no point.
    std::optional<sim::Quantity> quantity() const;
    // The base name of the point's data files (".msf", ".jpg", ".txt"); a label that is no
    // point has its caption as the name. Empty while free.
    QString fileBase() const;

signals:
    // Attached, moved to another point or taken off.
    void changed();

private:
    std::optional<sim::ProbePoint> at_;
    std::optional<sim::PointId> point_;
};

}  // namespace instrument
