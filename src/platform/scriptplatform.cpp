#include "platform/scriptplatform.h"
#include "platform/services.h"

#include <QDir>
#include <QJsonArray>

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
    sink_(QJsonObject{{"event", "dialog"},
                      {"kind", r.mode == FileDialogRequest::Open ? "open" : "save"},
                      {"title", r.title},
                      {"filter", r.filter},
                      {"filterindex", r.filterIndex},
                      {"directory", r.directory},
                      {"answer", path.isEmpty() ? QStringLiteral("cancel") : path},
                      {"default", isDefault}});
    return path;
}

int ScriptPlatform::printerDialog() {
    int copies = 0;
    bool isDefault = false;
    if (!dialogAnswers_.isEmpty()) {
        const DialogAnswer a = dialogAnswers_.dequeue();
        copies = a.kind == DialogAnswer::Copies ? a.copies : 0;
    } else {
        copies = 1;  // the printer dialog's default button prints one copy
        isDefault = true;
    }
    sink_(QJsonObject{{"event", "dialog"},
                      {"kind", "print"},
                      {"answer", copies > 0 ? QJsonValue(copies) : QJsonValue("cancel")},
                      {"default", isDefault}});
    return copies;
}

bool ScriptPlatform::shellOpen(const QString& target) {
    sink_(QJsonObject{{"event", "shell"}, {"target", target}});
    return true;
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

