// The interactive implementation of the platform interface, on Qt's widgets and services.
#pragma once

#include "platform/platform.h"

#include <QElapsedTimer>
#include <memory>

class QPrinter;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override;
    double clock() override;
    void pause(double seconds) override;
    void doEvents() override;
    QString fileDialog(const FileDialogRequest& request) override;
    int printerDialog() override;
    bool printDocument(const PrintDocument& doc) override;
    bool printImage(const QImage& image, const QString& caption) override;
    bool shellOpen(const QString& target) override;
    QString tempFolder() override;
    QTime timeOfDay() override;

private:
    QElapsedTimer clock_;
    std::unique_ptr<QPrinter> printer_;  // the one chosen in the last printer dialog
};

// Prints on a printer that is set up (a device, or a PDF file): the document's lines in a
// proportional face, wrapped to the page width, with page breaks; the image scaled to fit
// the page. Each call is one job. False when the printer cannot be started.
bool printDocumentOn(QPrinter& printer, const PrintDocument& doc);
bool printImageOn(QPrinter& printer, const QImage& image, const QString& caption);

// A message box's text as the box shows it: plain text, every CR LF or lone CR a line break.
QString messageBoxText(const QString& text);
