#include "multiscope/probes.h"

#include "sim/signals.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace scope {

namespace {

struct Texts { Q_DECLARE_TR_FUNCTIONS(scope::Probe) };

constexpr double kAttenuation = 10;
constexpr double kVoltsPerKilovolt = 0.1;
constexpr double kTransducerZero = 0.5;      // volts at no pressure
constexpr double kTransducerVoltsPerBar = 0.4;

// Volts at the input per unit measured, and the volts at zero.
struct Scaling {
    double gain;
    double zero;
};

Scaling scalingOf(const ProbeSetting& probe) {
    switch (probe.kind) {
    case ProbeKind::Direct: return {1, 0};
    case ProbeKind::Attenuator10: return {1 / kAttenuation, 0};
    case ProbeKind::CurrentClamp: return {probe.clampMillivoltsPerAmp / 1000, 0};
    case ProbeKind::HighTension: return {kVoltsPerKilovolt, 0};
    case ProbeKind::PressureTransducer: return {kTransducerVoltsPerBar, kTransducerZero};
    }
    return {1, 0};
}

}  // namespace

QString probeName(const ProbeSetting& probe) {
    switch (probe.kind) {
    case ProbeKind::Direct: return Texts::tr("Direct");
    case ProbeKind::Attenuator10: return Texts::tr("×10 attenuator");
    case ProbeKind::CurrentClamp:
        return Texts::tr("Current clamp %1 mV/A").arg(QLocale().toString(probe.clampMillivoltsPerAmp, 'g', 4));
    case ProbeKind::HighTension: return Texts::tr("HT pick-up");
    case ProbeKind::PressureTransducer: return Texts::tr("Pressure transducer");
    }
    return {};
}

const std::vector<ProbeSetting>& probeChoices() {
    static const std::vector<ProbeSetting> choices = {
        {ProbeKind::Direct, kClampFine},       {ProbeKind::Attenuator10, kClampFine},
        {ProbeKind::CurrentClamp, kClampFine}, {ProbeKind::CurrentClamp, kClampCoarse},
        {ProbeKind::HighTension, kClampFine},  {ProbeKind::PressureTransducer, kClampFine},
    };
    return choices;
}

QString probeKey(const ProbeSetting& probe) {
    switch (probe.kind) {
    case ProbeKind::Direct: return QStringLiteral("direct");
    case ProbeKind::Attenuator10: return QStringLiteral("x10");
    case ProbeKind::CurrentClamp:
        return QStringLiteral("clamp:") + QString::number(probe.clampMillivoltsPerAmp, 'g', 6);
    case ProbeKind::HighTension: return QStringLiteral("ht");
    case ProbeKind::PressureTransducer: return QStringLiteral("pressure");
    }
    return QStringLiteral("direct");
}

std::optional<ProbeSetting> probeFromKey(const QString& key) {
    const QString k = key.trimmed().toLower();
    ProbeSetting p;
    if (k == QLatin1String("direct")) p.kind = ProbeKind::Direct;
    else if (k == QLatin1String("x10")) p.kind = ProbeKind::Attenuator10;
    else if (k == QLatin1String("ht")) p.kind = ProbeKind::HighTension;
    else if (k == QLatin1String("pressure")) p.kind = ProbeKind::PressureTransducer;
    else if (k.startsWith(QLatin1String("clamp:"))) {
        bool ok = false;
        const double mv = k.mid(6).toDouble(&ok);
        if (!ok || !std::isfinite(mv) || !(mv > 0) || mv > 1e6) return std::nullopt;
        p.kind = ProbeKind::CurrentClamp;
        p.clampMillivoltsPerAmp = mv;
    } else {
        return std::nullopt;
    }
    return p;
}

QString probeShortName(const ProbeSetting& probe) {
    switch (probe.kind) {
    case ProbeKind::Attenuator10: return Texts::tr("×10");
    case ProbeKind::CurrentClamp:
        return Texts::tr("Clamp %1 mV/A").arg(QLocale().toString(probe.clampMillivoltsPerAmp, 'g', 4));
    case ProbeKind::PressureTransducer: return Texts::tr("Pressure");
    default: return probeName(probe);
    }
}

QString probeUnit(ProbeKind kind) {
    switch (kind) {
    case ProbeKind::Direct:
    case ProbeKind::Attenuator10: return QStringLiteral("V");
    case ProbeKind::CurrentClamp: return QStringLiteral("A");
    case ProbeKind::HighTension: return QStringLiteral("kV");
    case ProbeKind::PressureTransducer: return QStringLiteral("bar");
    }
    return QStringLiteral("V");
}

double probeOutput(const ProbeSetting& probe, double value) {
    const Scaling s = scalingOf(probe);
    return s.zero + s.gain * value;
}

double probeReading(const ProbeSetting& probe, double inputVolts) {
    const Scaling s = scalingOf(probe);
    // A clamp set to no sensitivity reads nothing rather than dividing by zero.
    if (!(s.gain > 0)) return 0;
    return (inputVolts - s.zero) / s.gain;
}

namespace {
bool sensitive(const ProbeSetting& probe) {
    return probe.kind != ProbeKind::CurrentClamp ||
           (probe.clampMillivoltsPerAmp > 0 && std::isfinite(probe.clampMillivoltsPerAmp));
}
}  // namespace

bool probeFits(const ProbeSetting& probe, const QString& pointUnit) {
    return probeUnit(probe.kind) == pointUnit && sensitive(probe);
}

QString probeMismatch(const ProbeSetting& probe, const QString& pointUnit) {
    if (probeFits(probe, pointUnit)) return {};
    if (!sensitive(probe)) return Texts::tr("The current clamp's sensitivity must be more than 0 mV/A.");
    if (pointUnit == QLatin1String("A"))
        return Texts::tr("This point is a current: measure it with a current clamp.");
    if (pointUnit == QLatin1String("bar"))
        return Texts::tr("This point is a pressure: measure it with a pressure transducer.");
    if (pointUnit == QLatin1String("kV"))
        return Texts::tr("This point is the high-tension secondary: measure it with an HT pick-up.");
    if (pointUnit == QLatin1String("V"))
        return Texts::tr("This point is a voltage: measure it with the direct lead or the ×10 attenuator.");
    return Texts::tr("This probe cannot measure a point read in %1.").arg(pointUnit);
}

ProbeSetting naturalProbe(sim::Quantity q) {
    const QString unit = QString::fromLatin1(sim::quantityInfo(q).unit);
    const sim::LiveScale scale = sim::liveScale(q);
    const double fullScreen = scale.perDivision * kDivisionsY;
    ProbeSetting p;
    if (unit == QLatin1String("A")) {
        p.kind = ProbeKind::CurrentClamp;
        p.clampMillivoltsPerAmp = fullScreen > kClampFineAmps ? kClampCoarse : kClampFine;
    } else if (unit == QLatin1String("bar")) {
        p.kind = ProbeKind::PressureTransducer;
    } else if (unit == QLatin1String("kV")) {
        p.kind = ProbeKind::HighTension;
    } else {
        p.kind = fullScreen > kDirectInputLimit ? ProbeKind::Attenuator10 : ProbeKind::Direct;
    }
    return p;
}

ProbeSetting naturalProbe(sim::PointId id) { return naturalProbe(sim::point(id).quantity); }

std::optional<Sampler> throughProbe(const Sampler& point, const QString& pointUnit, const ProbeSetting& probe) {
    if (!point || !probeFits(probe, pointUnit)) return std::nullopt;
    // A fitting probe's scaling is undone exactly by the channel (its input takes the whole of
    // the point's range): the channel reads the point's own value.
    return point;
}

}  // namespace scope
