// The scripted implementation of the platform interface: dialogs take queued answers (or
// their default button), time is virtual, and everything that happens is reported as a
// transcript event.
#pragma once

#include "platform/platform.h"

#include <QJsonObject>
#include <QQueue>
#include <QVariant>

class ScriptPlatform : public Platform {
public:
    using Sink = std::function<void(const QJsonObject&)>;
    explicit ScriptPlatform(Sink sink);

    MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override;
    double clock() override { return now_; }
    void pause(double seconds) override;
    void doEvents() override;
    QString fileDialog(const FileDialogRequest& request) override;
    int printerDialog() override;
    bool printDocument(const PrintDocument& doc) override;
    bool printImage(const QImage& image, const QString& caption) override;
    bool shellOpen(const QString& target) override;
    QString tempFolder() override;
    QTime timeOfDay() override;
    void statusChanged(const QString& text) override;
    bool scripted() const override { return true; }

    // Queued answers, used in order.
    void queueMessageAnswer(MsgAnswer a) { messageAnswers_.enqueue(a); }
    // The next file or printer dialog: a path, a number of copies, or cancel.
    void queueFileAnswer(const QString& path) { dialogAnswers_.enqueue({DialogAnswer::File, path, 0}); }
    void queuePrinterAnswer(int copies) { dialogAnswers_.enqueue({DialogAnswer::Copies, QString(), copies}); }
    void queueDialogCancel() { dialogAnswers_.enqueue({DialogAnswer::Cancel, QString(), 0}); }
    // The next printer dialog prints one copy, and that job goes through the real printer
    // path into this PDF file (a window print with no dialog takes it as well).
    void queuePdfAnswer(const QString& path) { dialogAnswers_.enqueue({DialogAnswer::Pdf, path, 1}); }

    // Whether the desktop can open a page or address (off: as on a machine with no web browser).
    void setShellWorks(bool works) { shellWorks_ = works; }

    // Virtual time also advances with the timers the script fires.
    void advance(double seconds) { now_ += seconds; }
    // Called on every yield; the script runner runs its deferred commands here.
    void setYieldHook(std::function<void()> hook) { yieldHook_ = std::move(hook); }
    void emitEvent(const QJsonObject& e) { sink_(e); }

private:
    Sink sink_;
    double now_ = 0;
    QQueue<MsgAnswer> messageAnswers_;
    struct DialogAnswer {
        enum Kind { File, Copies, Cancel, Pdf } kind;
        QString path;
        int copies;
    };
    QQueue<DialogAnswer> dialogAnswers_;
    std::function<void()> yieldHook_;
    QString lastStatus_;
    bool shellWorks_ = true;
    QString pdfPath_;  // where the next print job goes, when a PDF was asked for
    bool printToPdf(const std::function<bool(class QPrinter&)>& print);
};
