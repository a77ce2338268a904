// The answers a student can give, derived from the simulator's own connection points: a fault
// is offered when some point shows it on the instrument.
#include "challenges/session.h"

#include "multiscope/connections.h"
#include "platform/form.h"
#include "sim/catalogue.h"

#include <QComboBox>
#include <QCoreApplication>

#include <algorithm>

namespace {

// The lists' own entries (the parts and circuits are the simulator's names, which the files keep).
struct AnswerTexts {
    Q_DECLARE_TR_FUNCTIONS(Answers)
};

// Where on its circuit a point of the ECU picture is: for a sensor its wire beside the sensor
// or its pin at the unit, for an output the unit's pin or the wire beside the actuator.
QString sideText(const sim::PointInfo& p) {
    if (p.side == sim::Side::Unit) return QStringLiteral("at the ECU pin");
    return sim::isSensor(p.circuit) ? QStringLiteral("on the wire at the sensor")
                                    : QStringLiteral("on the wire at the actuator");
}

// The caption a point's window has in English.
QString englishWindowCaption(sim::Window w) {
    switch (w) {
    case sim::Window::Simulation: return QStringLiteral("Engine Management system");
    case sim::Window::Starting: return QStringLiteral("Starting system");
    case sim::Window::Charging: return QStringLiteral("Charging system");
    }
    return QString();
}

}  // namespace

const QList<Answer>& offeredAnswers() {
    static const QList<Answer> answers = [] {
        QList<Answer> out;
        for (const sim::FaultInfo& f : sim::faults()) {
            const int fault = f.number;
            const Answer a = answerForFault(fault);
            if (a.part.isEmpty() || out.contains(a)) continue;
            // Shown at some connection point: the instrument tells it there.
            const bool shows = std::any_of(f.shown.begin(), f.shown.end(),
                                           [](const sim::Indication& i) { return !i.at.empty(); });
            if (shows) out << a;
        }
        return out;
    }();
    return answers;
}

QString describePoint(const QWidget* label) {
    const ConnectionPoint p = connectionPointOf(label);
    Form* window = nullptr;
    for (QWidget* w = label ? label->parentWidget() : nullptr; w && !window; w = w->parentWidget())
        window = qobject_cast<Form*>(w);
    const std::optional<sim::PointId> id = window ? sim::pointAt(window->formName(), p.name, p.index) : std::nullopt;
    if (!id) {
        const QString where = window ? window->caption() : QString();
        return where.isEmpty() ? p.caption : p.caption + " (" + where + ")";
    }
    // A point of the catalogue is described in the English the attempt files keep, whatever
    // language the windows speak: its quantity's caption and the caption of its window.
    const sim::PointInfo& point = sim::point(*id);
    QString where = englishWindowCaption(point.window);
    // The ECU picture's points say which side of the unit they are on; the circuit windows'
    // squares are numbered as their window numbers them.
    if (point.window == sim::Window::Simulation && point.side != sim::Side::Part) where += ", " + sideText(point);
    else if (p.index > 0) where += ", test point " + QString::number(p.index + 1);
    return QString::fromUtf8(sim::quantityInfo(point.quantity).caption) + " (" + where + ")";
}

void fillPartList(QComboBox* parts, const QString& first) {
    parts->clear();
    parts->addItem(first);
    for (const Answer& a : offeredAnswers())
        if (parts->findText(a.part) < 0) parts->addItem(a.part);
}

void fillCircuitList(QComboBox* circuits, const QComboBox* parts) {
    const bool chosen = parts->currentIndex() > 0;
    circuits->clear();
    circuits->addItem(chosen ? AnswerTexts::tr("(choose the circuit)") : QString());
    for (const Answer& a : offeredAnswers())
        if (chosen && a.part == parts->currentText()) circuits->addItem(a.circuit);
    circuits->setEnabled(chosen);
}
