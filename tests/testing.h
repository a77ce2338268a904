// Helpers for the unit tests: the scripted platform with a captured transcript.
#pragma once

#include "platform/scriptplatform.h"
#include "platform/vbtypes.h"

#include <QByteArray>
#include <QFile>
#include <QJsonObject>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <functional>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// The scripted platform installed by the test main; events are collected here.
ScriptPlatform& testPlatform();
QList<QJsonObject>& testEvents();

// Writes beyond `bytes` fail with "file too large" while it is in force, as on a full disk.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit r = saved;
        r.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
    rlimit saved;
};

// While it lives the thread, even as root, is refused what the files' permissions refuse (root
// lists and reads any folder whatever its permissions).
class WithoutRootsReach {
public:
    WithoutRootsReach() {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct less[2] = {saved_[0], saved_[1]};
        less[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        dropped_ = syscall(SYS_capset, &header_, less) == 0;
    }
    ~WithoutRootsReach() {
        if (dropped_) syscall(SYS_capset, &header_, saved_);
    }
    WithoutRootsReach(const WithoutRootsReach&) = delete;
    WithoutRootsReach& operator=(const WithoutRootsReach&) = delete;

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

inline QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The texts of the message boxes shown since the last call; the transcript is cleared.
inline QStringList takeMessages() {
    QStringList out;
    for (const QJsonObject& e : testEvents())
        if (e.value("event").toString() == "message") out << e.value("text").toString();
    testEvents().clear();
    return out;
}

// Anything in a text for students that names a fault by its number: "fault 12", "faults 3 and
// 4", "box 7", "No. 22", "#30".
inline const QRegularExpression& faultNumber() {
    static const QRegularExpression re("\\b(faults?|box(es)?|no\\.?|numbers?|chkFault)\\s*[#(]?\\s*[0-9]+|#\\s*[0-9]+",
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

// The number of the run-time error `f` raises, 0 when it raises none.
inline int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const VbError& e) {
        return e.number;
    }
    return 0;
}
