#include "platform/platform.h"
#include "platform/guard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QTimer>
#include <memory>

namespace {
std::unique_ptr<Platform> g_platform;
bool g_timersAutoRun = true;
QHash<QString, VTimer*>& timers() {
    static QHash<QString, VTimer*> t;
    return t;
}
quint32 g_rndSeed = 0x50000;
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Platform)
};
}  // namespace

Platform& platform() {
    Q_ASSERT(g_platform);
    return *g_platform;
}

void setPlatform(Platform* p) { g_platform.reset(p); }

QString appTitle() { return QStringLiteral("Vantorel"); }
QString appVersionText() { return Texts::tr("Version %1").arg(QStringLiteral("1.0.0")); }

QString msgAnswerName(MsgAnswer a) {
    switch (a) {
    case MsgAnswer::OK: return "OK";
    case MsgAnswer::Cancel: return "Cancel";
    case MsgAnswer::Abort: return "Abort";
    case MsgAnswer::Retry: return "Retry";
    case MsgAnswer::Ignore: return "Ignore";
    case MsgAnswer::Yes: return "Yes";
    case MsgAnswer::No: return "No";
    }
    return {};
}

QString msgIconName(MsgIcon i) {
    switch (i) {
    case MsgIcon::None: return "none";
    case MsgIcon::Critical: return "critical";
    case MsgIcon::Question: return "question";
    case MsgIcon::Exclamation: return "exclamation";
    case MsgIcon::Information: return "information";
    }
    return {};
}

QStringList msgButtonNames(MsgButtons b) {
    switch (b) {
    case MsgButtons::OK: return {"OK"};
    case MsgButtons::OKCancel: return {"OK", "Cancel"};
    case MsgButtons::AbortRetryIgnore: return {"Abort", "Retry", "Ignore"};
    case MsgButtons::YesNoCancel: return {"Yes", "No", "Cancel"};
    case MsgButtons::YesNo: return {"Yes", "No"};
    case MsgButtons::RetryCancel: return {"Retry", "Cancel"};
    }
    return {};
}

MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    return platform().messageBox(text, title.isEmpty() ? appTitle() : title, icon, buttons);
}

void Beep() { platform().beep(); }
void Pause(double seconds) { platform().pause(seconds); }
void DoEvents() { platform().doEvents(); }

void reportError(int number, const QString& description, const QString& prefix, MsgIcon icon) {
    MsgBox(prefix + Texts::tr("Error number: %1 - %2").arg(QString::number(number), description), MsgButtons::OK,
           icon);
}

VTimer::VTimer(const QString& name, int intervalMs, std::function<void()> handler)
    : name_(name), interval_(intervalMs), handler_(std::move(handler)) {
    timers().insert(name_, this);
}

VTimer::~VTimer() {
    if (timers().value(name_) == this) timers().remove(name_);
    delete qtimer_;
}

void VTimer::setEnabled(bool on) {
    enabled_ = on;
    if (!g_timersAutoRun) return;
    if (on && !qtimer_) {
        qtimer_ = new QTimer;
        QObject::connect(qtimer_, &QTimer::timeout, [this] { fire(); });
    }
    if (!qtimer_) return;
    if (on) qtimer_->start(interval_);
    else qtimer_->stop();
}

bool VTimer::fire() {
    // A tick that arrives while the previous one is still running (inside a message box or
    // a yield) is skipped.
    if (!enabled_ || busy_) return false;
    busy_ = true;
    struct Reset {
        bool& b;
        ~Reset() { b = false; }
    } reset{busy_};
    runGuarded(handler_);
    return true;
}

VTimer* VTimer::byName(const QString& name) { return timers().value(name); }
void VTimer::setAutoRun(bool on) { g_timersAutoRun = on; }

double Rnd() {
    g_rndSeed = (g_rndSeed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return g_rndSeed / 16777216.0;
}

// Explicit seeding used by script mode's "seed N": a fresh generator state.
void seedRandom(quint32 seed) { g_rndSeed = seed & 0xFFFFFFu; }
