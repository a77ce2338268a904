// Helpers for the unit tests: the scripted platform with a captured transcript.
#pragma once

#include "platform/scriptplatform.h"

#include <QByteArray>
#include <QFile>
#include <QJsonObject>
#include <QList>

#include <sys/resource.h>

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

inline QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
