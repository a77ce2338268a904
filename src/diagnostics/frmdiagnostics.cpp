#include "diagnostics/frmdiagnostics.h"

#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QSqlError>
#include <QSqlQuery>

REGISTER_FORM(frmDiagnostics)

frmDiagnostics::frmDiagnostics() { setCaption("Diagnostics"); }

void frmDiagnostics::connectDatabase() {
    // DataSystem, then datRoutine: each opens its table and moves to the first record.
    QSqlQuery q(database());
    if (!q.exec("SELECT " + sqlName("Systems") + " FROM " + sqlName("Systems"))) raiseError(3078, "The database has no table 'Systems'.");
    q.next();
}

void frmDiagnostics::setRoutinesEnabled(bool) {}
