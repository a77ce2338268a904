// The printed job sheet of a diagnostic routine: a heading with the product and the user's
// details, the vehicle system and symptom, the routine's steps (each main test with the
// action for a failed test inset below it) and the signature line.
#pragma once

#include "platform/platform.h"

#include <QCoreApplication>
#include <QString>
#include <array>

struct JobSheet {
    QString system;                  // the vehicle system as shown
    std::array<QString, 26> fields;  // the symptom, then the steps "1" .. "25" as shown
    QString company, address, telephone, technician;
    QString dateTime;                // already in the system's general date form
    QString webAddress;              // the product's web page, as the Help menu opens it

    static constexpr int kRuleLength = 110;
    static constexpr int kInset = 17;
    static constexpr int kMaxSteps = 12;

    // The document of one copy, in the program's language.
    PrintDocument document() const;

    Q_DECLARE_TR_FUNCTIONS(JobSheet)
};

// A date and time the way the system writes them in general form: the short date and the
// time with seconds.
QString generalDate(const QDateTime& when);
