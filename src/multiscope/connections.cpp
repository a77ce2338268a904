#include "multiscope/connections.h"

#include <QLabel>
#include <QRegularExpression>

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

namespace {
const QString kBlank = QStringLiteral("Blank.msf");
const QString kEcuWindow = QStringLiteral("FRMsimulation");
}  // namespace

QList<OverrideAction> faultOverrides(const ConnectionPoint& point, const QString& window,
                                     const std::function<bool(int)>& injected) {
    QList<OverrideAction> out;
    const QString& caption = point.caption;
    const bool ecu = point.name == QLatin1String("lblECU");
    auto captionIs = [&](std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (caption == QLatin1String(n)) return true;
        return false;
    };
    auto ecuPair = [&](int first) { return ecu && (point.index == first || point.index == first + 1); };
    auto ecuAt = [&](int index) { return ecu && point.index == index; };
    // A point's own label on the window, or the ECU's output-side label of that wire.
    auto ownOrEcu = [&](int index) { return !ecu || point.index == index; };
    auto wave = [&](const QString& file) { out.append({OverrideAction::Waveform, file, MsgIcon::None}); };
    auto message = [&](const QString& text, MsgIcon icon) { out.append({OverrideAction::Message, text, icon}); };

    const bool temperature = captionIs({"Temperature"});
    const bool ecuVolts = captionIs({"System voltage"}) && window == kEcuWindow;
    const bool timing = captionIs({"Spark timing BTDC"});

    for (int fault = 1; fault <= 44; ++fault) {
        if (!injected(fault)) continue;
        switch (fault) {
        case 1: if (captionIs({"Engine speed"})) wave(kBlank); break;
        case 2: if (captionIs({"Engine load %"})) wave(kBlank); break;
        case 3: if (temperature) wave(kBlank); break;
        case 4: if (ecuVolts) wave(kBlank); break;
        case 5: if (captionIs({"Lambda"})) wave(kBlank); break;
        case 6: if (captionIs({"Knock"})) wave(kBlank); break;
        case 7: case 8: case 9: case 10: case 11: case 12:
            if (ecuPair(2 * (fault - 7))) wave(kBlank);
            break;
        case 13: case 14: case 15: case 16: case 17: case 18:
            if (ecuAt(2 * (fault - 13) + 1)) wave(kBlank);
            break;
        case 19: if (timing) wave(kBlank); break;
        case 20:
            if (captionIs({"Fuel injector ms"})) message("No fuel spray pattern from injectors..", MsgIcon::None);
            break;
        case 21: if (captionIs({"Fuel pump"})) message("No fuel from pump..", MsgIcon::Information); break;
        case 22:
            if (timing) wave(kBlank);
            if (captionIs({"Ignition coil dwell %"}) && ownOrEcu(13)) wave(kBlank);
            break;
        case 23: if (captionIs({"Fuel injector ms"}) && ownOrEcu(15)) wave(kBlank); break;
        case 24: if (captionIs({"Fuel pump"}) && ownOrEcu(17)) wave(kBlank); break;
        case 25: if (captionIs({"Ignition coil dwell %"}) || timing) wave(kBlank); break;
        case 26: if (captionIs({"Fuel injector ms"})) wave(kBlank); break;
        case 27: if (captionIs({"Fuel pump"})) wave(kBlank); break;
        case 28:
            if (captionIs({"Lambda"})) wave("Low lambda.msf");
            if (captionIs({"Pressure regulator"})) message("Fuel pressure is low...", MsgIcon::Information);
            break;
        case 29:
            if (captionIs({"Lambda"})) wave("High lambda.msf");
            if (captionIs({"Pressure regulator"})) message("Fuel pressure is high...", MsgIcon::Information);
            break;
        case 30:
            if (captionIs({"Fuel pump", "Fuel injector ms", "Ignition coil dwell %"}) || timing) wave(kBlank);
            break;
        case 31: if (captionIs({"Starter switch"})) wave(kBlank); break;
        case 32: if (captionIs({"Starter switch"}) && point.index == 1) wave("blank.msf"); break;
        case 33: case 34: if (captionIs({"Starter supply"})) wave(kBlank); break;
        case 35: if (captionIs({"Starter speed"})) wave(kBlank); break;
        case 36: if (captionIs({"Starter supply"})) wave("8V.msf"); break;
        case 37: case 41: if (captionIs({"System voltage"})) wave("13V.msf"); break;
        case 38:
            if (captionIs({"System voltage"})) wave("12V.msf");
            if (captionIs({"Charge warning light"})) wave("0V.msf");
            break;
        case 39:
            if (captionIs({"System voltage"})) wave("16V.msf");
            if (captionIs({"Charge warning light"})) wave("16V.msf");
            break;
        case 40:
            if (captionIs({"System voltage"})) wave("13V.msf");
            if (captionIs({"Charge warning light"})) wave("13V.msf");
            break;
        case 42:
            if (captionIs({"Alternator earth"})) wave("1.msf");
            if (captionIs({"System voltage"})) wave("13V.msf");
            break;
        case 43: case 44: if (captionIs({"Charge warning light"})) wave("0V.msf"); break;
        default: break;
        }
    }
    return out;
}

const QStringList& readingItems() {
    static const QStringList items = {
        "None", "Sine", "Square", "Triangle", "Sawtooth", "Battery - fully charged",
        "Battery - half charged", "Battery - discharged", "Battery - on charge", "Alternator charging",
        "Thermistor at 100 C", "Thermistor at 20 C", "Thermistor at 0 C", "Speed sensor - cranking",
        "Speed sensor - idle"};
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
