// The diagnostic-routines window: systems and their routines from the database.
#pragma once

#include "platform/form.h"

class frmDiagnostics : public Form {
    Q_OBJECT
public:
    frmDiagnostics();
    // Points the two record sources at the database and refreshes them; raises the
    // database's error when it cannot be opened.
    void connectDatabase();
    void setRoutinesEnabled(bool enabled);
};
