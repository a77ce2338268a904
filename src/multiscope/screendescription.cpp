#include "multiscope/screendescription.h"

#include "multiscope/measurements.h"

#include <QCoreApplication>
#include <QStringList>

namespace scope {

namespace {
struct Texts { Q_DECLARE_TR_FUNCTIONS(scope::ScreenDescription) };

QString scale(double perDivision, const QString& unit, bool autoRange) {
    const QString text = perDivisionText(perDivision, unit);
    return autoRange ? Texts::tr("%1, automatic range").arg(text) : text;
}

// A channel's measurements, or the reason it has none.
QString measured(const QStringList& texts) {
    QStringList lines;
    for (const QString& t : texts) {
        const QString line = t.simplified();
        if (!line.isEmpty()) lines << line;
    }
    return lines.join(QStringLiteral("; "));
}
}  // namespace

QString describeScreen(const ScreenView& v) {
    QStringList parts;
    if (!v.message.isEmpty()) parts << v.message;
    if (v.channels.empty()) {
        parts << Texts::tr("Channel A at %1").arg(scale(v.perDivision, v.unit, v.autoRange));
        if (const QString m = measured(v.measurements); !m.isEmpty()) parts << Texts::tr("Measured: %1").arg(m);
    } else {
        for (const ChannelView& c : v.channels) {
            QString line = c.label.isEmpty() ? Texts::tr("Channel %1 at %2").arg(c.name, scale(c.perDivision, c.unit, c.autoRange))
                                             : Texts::tr("Channel %1, %2, at %3")
                                                   .arg(c.name, c.label, scale(c.perDivision, c.unit, c.autoRange));
            if (const QString m = measured(c.measurements); !m.isEmpty()) line += Texts::tr(", measured: %1").arg(m);
            parts << line;
        }
    }
    parts << Texts::tr("Time base %1").arg(perDivisionText(v.secondsPerDivision, QStringLiteral("s")));
    if (v.trigger.mode == TriggerMode::Roll) {
        parts << Texts::tr("Roll mode, no trigger");
    } else {
        const QString channel = v.triggerName.isEmpty() ? QStringLiteral("A") : v.triggerName;
        const QString edge = v.trigger.edge == Edge::Rising ? Texts::tr("rising") : Texts::tr("falling");
        parts << Texts::tr("Trigger %1 on channel %2, %3 edge at %4: %5")
                     .arg(triggerModeText(v.trigger.mode), channel, edge, formatSi(v.trigger.level, v.unit),
                          statusText(v.status));
    }
    if (v.cursors.shown) {
        const CursorReadout r = readCursors(v.cursors, v.secondsPerDivision, v.perDivision, v.unit);
        parts << Texts::tr("Cursors: %1, %2, %3").arg(r.deltaT, r.inverse, r.deltaV);
    }
    if (!v.referenceName.isEmpty()) parts << Texts::tr("Reference: %1").arg(v.referenceName);
    if (!v.historyText.isEmpty()) parts << v.historyText;
    if (!v.verdict.isEmpty()) parts << v.verdict;
    return parts.join(QStringLiteral(". ")) + QStringLiteral(".");
}

}  // namespace scope
