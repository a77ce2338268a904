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

// The overrides of the injected faults for the point (its window's class name, control name and
// index: the catalogue's point there), fault 1 first and fault 44 last, each as the catalogue
// lists what the fault shows. injected(n) tells whether fault n (1..44) is present. A label that
// is no connection point has none.
QList<OverrideAction> faultOverrides(const ConnectionPoint& point, const QString& window,
                                     const std::function<bool(int)>& injected);

// The fifteen items of the reading box, in order.
const QStringList& readingItems();
// The DMM text a picked item shows; false for the four generators, whose pick leaves the
// DMM as it was.
bool readingDmmText(const QString& item, QString* text);
