// The interactive implementation of the platform interface, on Qt's widgets and services.
#pragma once

#include "platform/platform.h"

#include <QElapsedTimer>

class QtPlatform : public Platform {
public:
    QtPlatform();
    MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override;
    double clock() override;
    void pause(double seconds) override;
    void doEvents() override;
    QString fileDialog(const FileDialogRequest& request) override;
    int printerDialog() override;
    bool shellOpen(const QString& target) override;
    QString tempFolder() override;
    QTime timeOfDay() override;

private:
    QElapsedTimer clock_;
};

// A message box's text as the box shows it: plain text, every CR LF or lone CR a line break.
QString messageBoxText(const QString& text);
