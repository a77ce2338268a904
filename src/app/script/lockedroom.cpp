#include "app/script/lockedroom.h"

#include "app/script/target.h"
#include "challenges/session.h"
#include "platform/form.h"
#include "sim/simstate.h"
#include "users/classroom.h"

#include <QFileInfo>

namespace script {

namespace {

// The files the windows keep from a student: the faults list, the challenges (their faults and
// answers) and the class's attempts. A link is judged by the file it leads to.
bool keptFromStudents(const QString& path) {
    const QFileInfo info(path);
    const QString real = info.canonicalFilePath();
    const QFileInfo file(real.isEmpty() ? info.absoluteFilePath() : real);
    return file.fileName().compare(QLatin1String("faults.txt"), Qt::CaseInsensitive) == 0 ||
           file.suffix().compare(QLatin1String("vch"), Qt::CaseInsensitive) == 0 ||
           file.suffix().compare(QLatin1String("vat"), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool lockedRoom() { return classroomConfig().locksPassword(); }
bool lockedOut() { return lockedRoom() && LoggedIn != True; }

// Script mode speaks English whatever language the windows show: its refusals are not translated.
QString lockText(const char* text) { return QString::fromUtf8(text); }

QString barred(const Target& t) {
    if (!lockedRoom()) return QString();
    const TargetName& n = t.name;
    if (n.window == QLatin1String("frmFaults") && n.control == QLatin1String("chkFault") && ChallengeRunning())
        return lockText("Locked room: the fault boxes are not read while a challenge is running.");
    if (LoggedIn == True) return QString();
    if (n.window == QLatin1String("frmClassDashboard"))
        return lockText("Locked room: the class dashboard opens only after the login.");
    if (n.window == QLatin1String("frmClassSetup"))
        return lockText("Locked room: Set Up Class opens only after the login.");
    // What a window hides (a page of its own for instructors, a button it shows only to them).
    if (t.widget && t.form && t.widget != t.form && !t.widget->isVisibleTo(t.form))
        return lockText("Locked room: before the login a script reaches only what the windows show, and %1 is hidden.")
            .arg(n.text());
    return QString();
}

QString fileRefusal(const QString& path) {
    return lockedOut() && keptFromStudents(path)
               ? lockText("Locked room: before the login script mode does not read the faults list, the challenges "
                          "or the class's attempts.")
               : QString();
}

}  // namespace script
