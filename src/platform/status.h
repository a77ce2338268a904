// What the windows need of the main window without knowing it: the status line (the first
// panel of its status bar, which every window writes to) and the parent of the dialogs. The
// main window installs itself here when it is made and leaves when it goes; before and after,
// a status text goes nowhere and a dialog has no parent.
#pragma once

#include <QString>

class QLabel;
class QWidget;

void SetStatus(const QString& text);
QString StatusText();

// Makes a dialog window the child of the main window (centred over it, above it), when there
// is one.
void parentToMainWindow(QWidget* dialog);

// The main window's part: its status panel and itself (null when it goes).
void setStatusPanel(QLabel* panel);
void setDialogParent(QWidget* parent);
