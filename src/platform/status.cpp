#include "platform/status.h"

#include "platform/platform.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace {
QPointer<QLabel> g_panel;
QPointer<QWidget> g_parent;
}  // namespace

void SetStatus(const QString& text) {
    if (!g_panel) return;
    g_panel->setText(text);
    platform().statusChanged(text);
}

QString StatusText() { return g_panel ? g_panel->text() : QString(); }

void parentToMainWindow(QWidget* dialog) {
    if (g_parent) dialog->setParent(g_parent, dialog->windowFlags());
}

void setStatusPanel(QLabel* panel) { g_panel = panel; }
void setDialogParent(QWidget* parent) { g_parent = parent; }
