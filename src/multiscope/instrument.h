// What the other windows ask of the instrument, without its window's header.
#pragma once

#include "sim/catalogue.h"
#include "sim/simstate.h"

#include <QRect>
#include <QString>

class QWidget;

namespace instrument {

// Brings a device to the front as its Tools command does (the window shown, the device's
// current file shown again); None does nothing.
void showDevice(tool::Mode device);
// The engine has stopped and the probes come off: a blank trace (the last one stays when the
// blank waveform cannot be read), the terminal free, and the device in front shown again; the
// telemetry's picture comes to the front as it is.
void probesOff();


// What the waveform editor does with the instrument (each call loads the instrument's window
// when it is not loaded, as opening it would).
void setReadingText(const QString& text);  // the reading box's text, as "Edit mode"
void setSweepRunning(bool running);         // the sweep's timer
void flyback();                             // the trace cleared, the sweep back at the left
void showTerminal(bool shown);              // the connection terminal
void showTerminalIfLoaded();                // the same, only when the instrument is loaded
// The instrument as the editor's view of a saved waveform: the fastest time base, the scope
// screen across its whole width and in front, placed under the editor (whose place in twips is
// given, the instrument keeping its height), the terminal hidden and the sweep running.
void viewUnderEditor(const QRect& editorTwips);
// The instrument back at the place it opens at (where the user left it, or its own).
void placeAsOpened();

// A connection point connected to a channel (0 A, the terminal, .. 3 D) from the keyboard, as a
// drop of its label on that channel's terminal does; a hidden instrument is shown with its scope,
// and the window the key was pressed in keeps the focus. The label is a point's label or square.
void connectLabel(QWidget* label, int channel);
// The same for a point of the catalogue (the Connect Probe dialog).
void connectPoint(sim::PointId id, int channel);

// The Connect Probe window: every point by window and circuit, with a channel to connect it to.
void showConnectProbe();

// A guided test set up on the scope, as its Set up button does (the guide's links); false when
// there is no test of that key.
bool startGuidedTest(const QString& key);

}  // namespace instrument
