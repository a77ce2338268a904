#include "probe.h"

namespace instrument {

void Probe::attach(const sim::ProbePoint& at) {
    at_ = at;
    point_ = sim::pointOf(at);
    emit changed();
}

bool Probe::detach() {
    if (!at_) return false;
    at_.reset();
    point_.reset();
    emit changed();
    return true;
}

std::optional<sim::Quantity> Probe::quantity() const {
    if (!point_) return std::nullopt;
    return sim::point(*point_).quantity;
}

QString Probe::fileBase() const {
    if (point_) return QString::fromLatin1(sim::quantityInfo(sim::point(*point_).quantity).fileBase);
    return at_ ? at_->caption : QString();
}

}  // namespace instrument
