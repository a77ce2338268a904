#include "platform/application.h"

#include "platform/guard.h"
#include "platform/vbtypes.h"

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const VbError& e) {
        countErrorAtEventLoop();
        reportUntrapped(e.number, e.description + " (not trapped by its handler)");
    } catch (...) {
        countErrorAtEventLoop();
        reportUntrapped(51, "Internal error (not trapped by its handler)");
    }
    return false;
}
