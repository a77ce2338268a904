// Everything that waits on a person or on the clock goes through one interface:
// message boxes, file and printer dialogs, the beep, Pause, yielding to pending events,
// the shell and the temporary folder. The program uses the Qt implementation; script mode
// and the tests use a scripted one that answers from a queue and runs on virtual time.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgAnswer { OK, Cancel, Abort, Retry, Ignore, Yes, No };

QString msgAnswerName(MsgAnswer a);
QString msgIconName(MsgIcon i);
QStringList msgButtonNames(MsgButtons b);

struct FileDialogRequest {
    enum Mode { Open, Save, Folder } mode = Open;  // Folder: an existing folder is chosen
    QString title;
    QString filter;      // Qt filter string, e.g. "Waveform files (*.msf);;All files (*)"
    QString directory;
    QString defaultName;
    int filterIndex = 0;  // the filter chosen at first, counted from 1 (0: the first)
};

// A printed document: lines from the top of the page down, each in its own font size and
// style. A line wider than the page is wrapped; a new page starts when one is full.
struct PrintLine {
    QString text;
    int size = 10;  // points
    bool bold = false;
    bool italic = false;
};
struct PrintDocument {
    QList<PrintLine> lines;
    int resolution = 300;  // dots per inch asked of the printer
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    virtual void beep() = 0;
    // Seconds on a monotonic clock (virtual in script mode).
    virtual double clock() = 0;
    // Holds the program for the given seconds without letting events run.
    virtual void pause(double seconds) = 0;
    // Lets pending events run once.
    virtual void doEvents() = 0;
    // The chosen path, or an empty string when the user cancels.
    virtual QString fileDialog(const FileDialogRequest& request) = 0;
    // Number of copies, or 0 when the user cancels. The printer chosen there takes the
    // documents printed after it.
    virtual int printerDialog() = 0;
    // Prints one document as a print job of its own; false when the printer failed.
    virtual bool printDocument(const PrintDocument& doc) = 0;
    // Prints a picture of a window (its caption names it), scaled to the page; false when
    // the printer failed.
    virtual bool printImage(const QImage& image, const QString& caption) = 0;
    // The date and time of day (the time is virtual in script mode).
    virtual QDateTime now() { return QDateTime(QDate::currentDate(), timeOfDay()); }
    virtual bool shellOpen(const QString& target) = 0;
    // The temporary folder with a trailing separator.
    virtual QString tempFolder() = 0;
    virtual QTime timeOfDay() = 0;
    // Called whenever the first status panel changes.
    virtual void statusChanged(const QString& /*text*/) {}
    virtual bool scripted() const { return false; }
};

Platform& platform();
void setPlatform(Platform* p);  // takes ownership

// The application's title, used as the default message-box title.
QString appTitle();
QString appVersionText();  // "Version 1.0.0"

MsgAnswer MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK,
                 MsgIcon icon = MsgIcon::None, const QString& title = QString());
void Beep();
void Pause(double seconds);
void DoEvents();

// Shows "Error number: N - description" (optionally after a prefix) as an information box.
void reportError(int number, const QString& description, const QString& prefix = QString(),
                 MsgIcon icon = MsgIcon::Information);

// A timer that the program enables and disables like a form's timer control. In the
// program it runs on a QTimer; in script mode it fires only when the script says so.
class VTimer {
public:
    VTimer(const QString& name, int intervalMs, std::function<void()> handler);
    ~VTimer();
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    // A new interval takes effect the next time the timer is enabled.
    void setInterval(int ms) { interval_ = ms; }
    int interval() const { return interval_; }
    // Runs the handler once if the timer is enabled and not already inside its handler.
    bool fire();
    static VTimer* byName(const QString& name);
    static void setAutoRun(bool on);  // false in script mode: no timer fires by itself

private:
    QString name_;
    int interval_;
    bool enabled_ = false;
    bool busy_ = false;
    std::function<void()> handler_;
    class QTimer* qtimer_ = nullptr;
};

// The BASIC runtime's random generator: Rnd gives a number in [0, 1) from a fixed
// default seed unless an explicit seed is used.
double Rnd();
