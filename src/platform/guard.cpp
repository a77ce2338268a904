#include "platform/guard.h"

#include "platform/platform.h"
#include "platform/vbtypes.h"

#include <exception>

namespace {
int g_errorsAtEventLoop = 0;
std::function<void(int, const QString&)>& untrappedSink() {
    static std::function<void(int, const QString&)> sink;
    return sink;
}
}  // namespace

void setUntrappedSink(std::function<void(int, const QString&)> sink) { untrappedSink() = std::move(sink); }

void reportUntrapped(int number, const QString& description) {
    if (untrappedSink()) untrappedSink()(number, description);
    else reportError(number, description, "Run-time error. ", MsgIcon::Critical);
}

void runGuarded(const std::function<void()>& body, const Trap& trap) {
    int number = 0;
    QString description;
    try {
        body();
        return;
    } catch (const VbError& e) {
        number = e.number;
        description = e.description;
    } catch (const std::bad_alloc&) {
        number = 7;
        description = QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        number = 51;
        description = QStringLiteral("Internal error: ") + QString::fromLocal8Bit(e.what());
    } catch (...) {
        number = 51;
        description = QStringLiteral("Internal error");
    }
    // Reporting itself may fail (a message box cannot be shown); nothing may escape.
    try {
        switch (trap.kind) {
        case Trap::Skip: break;
        case Trap::Report: reportError(number, description, trap.prefix, MsgIcon::Information); break;
        case Trap::Untrapped: reportUntrapped(number, description); break;
        }
    } catch (...) {
    }
}

int errorsAtEventLoop() { return g_errorsAtEventLoop; }
void countErrorAtEventLoop() { ++g_errorsAtEventLoop; }
