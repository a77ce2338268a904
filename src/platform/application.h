// The application object. Every handler runs under its own error trap, so no run-time error
// should ever reach Qt's event delivery; if one does, it is counted and reported here as a
// last line of defence (Qt does not support exceptions passing through its event loop).
#pragma once

#include <QApplication>

class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
