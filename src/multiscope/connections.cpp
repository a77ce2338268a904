#include "multiscope/connections.h"

#include "sim/catalogue.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>

#include <algorithm>

ConnectionPoint connectionPointOf(const QWidget* label) {
    ConnectionPoint p;
    if (auto* l = qobject_cast<const QLabel*>(label)) p.caption = l->text();
    static const QRegularExpression item(QStringLiteral("^(.*)\\((\\d+)\\)$"));
    const QString object = label ? label->objectName() : QString();
    const QRegularExpressionMatch m = item.match(object);
    if (m.hasMatch()) {
        p.name = m.captured(1);
        p.index = m.captured(2).toInt();
    } else {
        p.name = object;
    }
    return p;
}

QList<OverrideAction> faultOverrides(const ConnectionPoint& point, const QString& window,
                                     const std::function<bool(int)>& injected) {
    QList<OverrideAction> out;
    const std::optional<sim::PointId> id = sim::pointAt(window, point.name, point.index);
    if (!id) return out;
    for (const sim::FaultInfo& fault : sim::faults()) {
        if (!injected(fault.number)) continue;
        for (const sim::Indication& shown : fault.shown) {
            if (std::find(shown.at.begin(), shown.at.end(), *id) == shown.at.end()) continue;
            switch (shown.kind) {
            case sim::Indication::Waveform:
                out.append({OverrideAction::Waveform, QString::fromLatin1(shown.text), MsgIcon::None});
                break;
            case sim::Indication::Message:
                out.append({OverrideAction::Message, QString::fromLatin1(shown.text), MsgIcon::None});
                break;
            case sim::Indication::InformationMessage:
                out.append({OverrideAction::Message, QString::fromLatin1(shown.text), MsgIcon::Information});
                break;
            }
        }
    }
    return out;
}

const QStringList& readingItems() {
    // English names: the reading box keeps them and shows them translated.
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("scope::Reading", "None"),
        QT_TRANSLATE_NOOP("scope::Reading", "Sine"),
        QT_TRANSLATE_NOOP("scope::Reading", "Square"),
        QT_TRANSLATE_NOOP("scope::Reading", "Triangle"),
        QT_TRANSLATE_NOOP("scope::Reading", "Sawtooth"),
        QT_TRANSLATE_NOOP("scope::Reading", "Battery - fully charged"),
        QT_TRANSLATE_NOOP("scope::Reading", "Battery - half charged"),
        QT_TRANSLATE_NOOP("scope::Reading", "Battery - discharged"),
        QT_TRANSLATE_NOOP("scope::Reading", "Battery - on charge"),
        QT_TRANSLATE_NOOP("scope::Reading", "Alternator charging"),
        QT_TRANSLATE_NOOP("scope::Reading", "Thermistor at 100 C"),
        QT_TRANSLATE_NOOP("scope::Reading", "Thermistor at 20 C"),
        QT_TRANSLATE_NOOP("scope::Reading", "Thermistor at 0 C"),
        QT_TRANSLATE_NOOP("scope::Reading", "Speed sensor - cranking"),
        QT_TRANSLATE_NOOP("scope::Reading", "Speed sensor - idle")};
    static const QStringList items = [] {
        QStringList out;
        for (const char* n : names) out << QString::fromLatin1(n);
        return out;
    }();
    return items;
}

bool readingDmmText(const QString& item, QString* text) {
    static const QHash<QString, QString> dmm = {
        {"None", ""},
        {"Battery - fully charged", "  12.6 V (dc)"},
        {"Battery - half charged", "  12.4 V (dc)"},
        {"Battery - discharged", "  12.0 V (dc)"},
        {"Battery - on charge", "  14.0 V (dc)"},
        {"Alternator charging", "  14.0 V (dc)"},
        {"Thermistor at 100 C", "  200 Ohms"},
        {"Thermistor at 20 C", "  1800 Ohms"},
        {"Thermistor at 0 C", "  4000 Ohms"},
        {"Speed sensor - cranking", "  5.0 V (ac)"},
        {"Speed sensor - idle", "  11.0 V (ac)"}};
    const auto it = dmm.find(item);
    if (it == dmm.end()) return false;
    *text = *it;
    return true;
}
