#include "platform/scriptplatform.h"
#include "platform/qtplatform.h"
#include "platform/services.h"

#include <QDir>
#include <QJsonArray>
#include <QPrinter>

ScriptPlatform::ScriptPlatform(Sink sink) : sink_(std::move(sink)) {}

MsgAnswer ScriptPlatform::messageBox(const QString& text, const QString& title, MsgIcon icon,
                                     MsgButtons buttons) {
    const QStringList names = msgButtonNames(buttons);
    MsgAnswer answer;
    bool isDefault = false;
    if (!messageAnswers_.isEmpty() && names.contains(msgAnswerName(messageAnswers_.head()))) {
        answer = messageAnswers_.dequeue();
    } else {
        // No usable queued answer: the default (first) button, as Enter would choose.
        if (!messageAnswers_.isEmpty()) messageAnswers_.dequeue();
        answer = buttons == MsgButtons::OK || buttons == MsgButtons::OKCancel ? MsgAnswer::OK
                 : buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel
                     ? MsgAnswer::Yes
                 : buttons == MsgButtons::RetryCancel ? MsgAnswer::Retry
                                                      : MsgAnswer::Abort;
        isDefault = true;
    }
    QJsonObject e{{"event", "message"},
                  {"icon", msgIconName(icon)},
                  {"title", title},
                  {"text", text},
                  {"buttons", QJsonArray::fromStringList(names)},
                  {"answer", msgAnswerName(answer)},
                  {"default", isDefault}};
    sink_(e);
    return answer;
}

void ScriptPlatform::beep() { sink_(QJsonObject{{"event", "beep"}}); }

void ScriptPlatform::pause(double seconds) {
    now_ += seconds;
    sink_(QJsonObject{{"event", "pause"}, {"seconds", seconds}});
}

void ScriptPlatform::doEvents() {
    if (yieldHook_) yieldHook_();
}

QString ScriptPlatform::fileDialog(const FileDialogRequest& r) {
    QString path;
    bool isDefault = false;
    if (!dialogAnswers_.isEmpty()) {
        const DialogAnswer a = dialogAnswers_.dequeue();
        if (a.kind == DialogAnswer::File) path = a.path;
    } else {
        isDefault = true;  // no answer queued: the dialog is cancelled
    }
    QJsonObject event{{"event", "dialog"},
                      {"kind", r.mode == FileDialogRequest::Open ? "open" : r.mode == FileDialogRequest::Folder ? "folder" : "save"},
                      {"title", r.title},
                      {"filter", r.filter},
                      {"filterindex", r.filterIndex},
                      {"directory", r.directory},
                      {"answer", path.isEmpty() ? QStringLiteral("cancel") : path},
                      {"default", isDefault}};
    // The file name the dialog starts with, when the program gives one.
    if (!r.defaultName.isEmpty()) event.insert("name", r.defaultName);
    sink_(event);
    return path;
}

int ScriptPlatform::printerDialog() {
    int copies = 0;
    bool isDefault = false;
    if (!dialogAnswers_.isEmpty()) {
        const DialogAnswer a = dialogAnswers_.dequeue();
        copies = a.kind == DialogAnswer::Copies || a.kind == DialogAnswer::Pdf ? a.copies : 0;
        if (a.kind == DialogAnswer::Pdf) pdfPath_ = a.path;
    } else {
        copies = 1;  // the printer dialog's default button prints one copy
        isDefault = true;
    }
    QJsonObject event{{"event", "dialog"},
                      {"kind", "print"},
                      {"answer", copies > 0 ? QJsonValue(copies) : QJsonValue("cancel")},
                      {"default", isDefault}};
    if (!pdfPath_.isEmpty()) event.insert("pdf", pdfPath_);
    sink_(event);
    return copies;
}

bool ScriptPlatform::printToPdf(const std::function<bool(QPrinter&)>& print) {
    const QString path = pdfPath_;
    pdfPath_.clear();
    if (path.isEmpty()) return true;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return print(printer);
}

bool ScriptPlatform::printDocument(const PrintDocument& doc) {
    QJsonArray lines;
    for (const PrintLine& l : doc.lines)
        lines.append(QJsonObject{{"text", l.text}, {"size", l.size}, {"bold", l.bold}, {"italic", l.italic}});
    QJsonObject event{{"event", "print"}, {"lines", lines}, {"resolution", doc.resolution}};
    if (!pdfPath_.isEmpty()) event.insert("pdf", pdfPath_);
    const bool ok = printToPdf([&doc](QPrinter& p) { return printDocumentOn(p, doc); });
    if (!ok) event.insert("failed", true);
    sink_(event);
    return ok;
}

bool ScriptPlatform::printImage(const QImage& image, const QString& caption) {
    if (!dialogAnswers_.isEmpty() && dialogAnswers_.head().kind == DialogAnswer::Pdf)
        pdfPath_ = dialogAnswers_.dequeue().path;
    QJsonObject event{{"event", "print"},
                      {"image", QJsonArray{image.width(), image.height()}},
                      {"window", caption}};
    if (!pdfPath_.isEmpty()) event.insert("pdf", pdfPath_);
    const bool ok = printToPdf([&](QPrinter& p) { return printImageOn(p, image, caption); });
    if (!ok) event.insert("failed", true);
    sink_(event);
    return ok;
}

bool ScriptPlatform::shellOpen(const QString& target) {
    QJsonObject e{{"event", "shell"}, {"target", target}};
    if (!shellWorks_) e.insert("opened", false);
    sink_(e);
    return shellWorks_;
}

QString ScriptPlatform::tempFolder() { return usableTempFolder(); }

QTime ScriptPlatform::timeOfDay() {
    // Virtual time of day: the script's clock starts at noon.
    return QTime(12, 0, 0).addSecs(static_cast<int>(now_));
}

void ScriptPlatform::statusChanged(const QString& text) {
    if (text == lastStatus_) return;
    lastStatus_ = text;
    sink_(QJsonObject{{"event", "status"}, {"text", text}});
}

