#include "challenges/student.h"

#include "platform/services.h"

#include <QDir>

QString accountName() {
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable).trimmed();
        if (!name.isEmpty()) return name;
    }
    return QDir::home().dirName();
}

SeatStudent studentFrom(StudentIdSource source, const QString& typedId, const QString& name) {
    SeatStudent s;
    s.id = source == StudentIdSource::Asked ? typedId.simplified() : accountName();
    s.name = name.simplified();
    return s;
}

SeatStudent seatStudent() {
    return studentFrom(classroomConfig().studentId, GetSetting("ZRsettings", "ZRstudentId", ""),
                       GetSetting("ZRsettings", "ZRuserName", ""));
}
