// The one way into the program from Qt. Every action, click, value change, timer tick, key,
// mouse, focus or drop event runs its handler through `guarded`, which applies the handler's
// error convention; a run-time error never travels back into Qt's event loop.
#pragma once

#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

// What a handler does with a run-time error that it did not trap itself.
struct Trap {
    enum Kind {
        Untrapped,  // reported as a run-time error ("Run-time error. Error number: ..."); the program goes on
        Skip,       // the handler ends silently
        Report,     // "Error number: N - description" as an information box (after `prefix`)
    };
    Kind kind = Untrapped;
    QString prefix;

    static Trap skip() { return {Skip, QString()}; }
    static Trap report(const QString& prefix = QString()) { return {Report, prefix}; }
};

// Runs the handler body under the trap. Any other exception is reported as an untrapped
// run-time error as well.
void runGuarded(const std::function<void()>& body, const Trap& trap = Trap());

// Reports a run-time error that no handler trapped: an error line in script mode, a critical
// message otherwise.
void reportUntrapped(int number, const QString& description);

// A callable for QObject::connect: the handler is called with the signal's arguments when it
// takes them, without them otherwise, always under the trap.
template <class F> auto guarded(F handler, Trap trap = Trap()) {
    return [handler = std::move(handler), trap](auto&&... args) {
        runGuarded(
            [&] {
                if constexpr (std::is_invocable_v<const F&, decltype(args)...>) handler(std::forward<decltype(args)>(args)...);
                else handler();
            },
            trap);
    };
}

// Errors that reached the application object's last line of defence (Qt's event delivery)
// instead of a handler's trap. Zero in a sound program; the tests check it.
int errorsAtEventLoop();
void countErrorAtEventLoop();

// Where untrapped errors go: script mode installs a sink that turns them into error lines.
void setUntrappedSink(std::function<void(int number, const QString& description)> sink);
