// The answers a student can give, derived from the simulator's own connection points: a fault
// is offered when some point shows it on the instrument.
#include "challenges/session.h"

#include "electrical/frmcharging.h"
#include "electrical/frmstarting.h"
#include "engine/frmsimulation.h"
#include "multiscope/connections.h"

#include <QComboBox>

namespace {

QList<DragLabel*> connectionPoints(Form* window) { return window->findChildren<DragLabel*>(); }

QString ecuSide(int index) {
    // Sensors (0-11): the first point is on the wire beside the sensor, the second at the ECU
    // pin. Outputs (12-17): the first at the ECU pin, the second on the wire at the actuator.
    const bool first = index % 2 == 0;
    if (index < 12) return first ? QStringLiteral("on the wire at the sensor") : QStringLiteral("at the ECU pin");
    return first ? QStringLiteral("at the ECU pin") : QStringLiteral("on the wire at the actuator");
}

}  // namespace

const QList<Answer>& offeredAnswers() {
    static const QList<Answer> answers = [] {
        QList<Answer> out;
        const QList<Form*> windows = {frm<FRMsimulation>(), frm<frmStarting>(), frm<frmCharging>()};
        for (int fault = 1; fault <= 44; ++fault) {
            const Answer a = answerForFault(fault);
            if (a.part.isEmpty() || out.contains(a)) continue;
            bool shows = false;
            for (Form* w : windows)
                for (DragLabel* label : connectionPoints(w))
                    shows = shows || !faultOverrides(connectionPointOf(label), w->formName(),
                                                     [fault](int n) { return n == fault; })
                                          .isEmpty();
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
    QString where = window ? window->caption() : QString();
    if (p.name == QLatin1String("lblECU")) where += ", " + ecuSide(p.index);
    else if (p.index > 0) where += ", test point " + QString::number(p.index + 1);
    return where.isEmpty() ? p.caption : p.caption + " (" + where + ")";
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
    circuits->addItem(chosen ? QStringLiteral("(choose the circuit)") : QString());
    for (const Answer& a : offeredAnswers())
        if (chosen && a.part == parts->currentText()) circuits->addItem(a.circuit);
    circuits->setEnabled(chosen);
}
