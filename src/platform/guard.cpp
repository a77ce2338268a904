#include "platform/guard.h"

#include "platform/platform.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>

#include <exception>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Platform)
};
int g_errorsAtEventLoop = 0;
std::function<void(int, const QString&)>& untrappedSink() {
    static std::function<void(int, const QString&)> sink;
    return sink;
}
}  // namespace

void setUntrappedSink(std::function<void(int, const QString&)> sink) { untrappedSink() = std::move(sink); }

void reportUntrapped(int number, const QString& description) {
    if (untrappedSink()) untrappedSink()(number, description);
    else reportError(number, description, Texts::tr("Run-time error. "), MsgIcon::Critical);
}

void runGuarded(const std::function<void()>& body, const Trap& trap) {
    int number = 0;
    QString description;
    bool outOfMemory = false;
    try {
        body();
        return;
    } catch (const VbError& e) {
        number = e.number;
        description = e.description;
    } catch (const std::bad_alloc&) {
        number = 7;
        outOfMemory = true;  // described below, where a failure to allocate cannot escape
    } catch (const std::exception& e) {
        number = 51;
        description = Texts::tr("Internal error: %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        number = 51;
        description = Texts::tr("Internal error");
    }
    // Reporting itself may fail (a message box cannot be shown); nothing may escape.
    try {
        if (outOfMemory) description = Texts::tr("Out of memory");
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
