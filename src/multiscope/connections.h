// What a connection point gives the instrument when it is dropped on the terminal: the
// point's own files, then the fault overrides of the injected faults, and the built-in
// readings of the reading box.
#pragma once

#include "platform/platform.h"

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// A connection point as the instrument sees it: caption, control name and array index
// (-1 for a label that is not part of a control array).
struct ConnectionPoint {
    QString caption;
    QString name;
    int index = -1;
};
// Caption, name and index of a dropped label ("lblECU(13)" is lblECU, index 13).
ConnectionPoint connectionPointOf(const QWidget* label);

// One result of a fault override: load a waveform, or show a message.
struct OverrideAction {
    enum Kind { Waveform, Message } kind = Waveform;
    QString text;  // the waveform file or the message
    MsgIcon icon = MsgIcon::None;
    bool operator==(const OverrideAction& o) const {
        return kind == o.kind && text == o.text && icon == o.icon;
    }
};

// The overrides of the injected faults for this point, fault 1 first and fault 44 last,
// each fault's tests in order. injected(n) tells whether fault n (1..44) is present.
// The tests that name readings no connection point carries are read as the points that do
// carry them: the engine temperature is "Temperature", the system volts of the
// engine-management window are its "System voltage" points (window FRMsimulation), and the
// ignition timing is "Spark timing BTDC".
QList<OverrideAction> faultOverrides(const ConnectionPoint& point, const QString& window,
                                     const std::function<bool(int)>& injected);

// The fifteen items of the reading box, in order.
const QStringList& readingItems();
// The DMM text a picked item shows; false for the four generators, whose pick leaves the
// DMM as it was.
bool readingDmmText(const QString& item, QString* text);
