#include "application.h"

#include "platform/guard.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Platform)
};
}  // namespace

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const VbError& e) {
        countErrorAtEventLoop();
        reportUntrapped(e.number, Texts::tr("%1 (not trapped by its handler)").arg(e.description));
    } catch (...) {
        countErrorAtEventLoop();
        reportUntrapped(51, Texts::tr("Internal error (not trapped by its handler)"));
    }
    return false;
}
