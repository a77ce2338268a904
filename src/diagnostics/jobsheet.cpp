#include "jobsheet.h"

#include <QLocale>

QString generalDate(const QDateTime& when) {
    const QLocale locale = QLocale::system();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    // The long form may carry the time zone; the general date form has none.
    timeFormat.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    return locale.toString(when.date(), QLocale::ShortFormat) + ' ' +
           locale.toString(when.time(), timeFormat.trimmed());
}

PrintDocument JobSheet::document() const {
    PrintDocument doc;
    bool bold = false;
    auto add = [&](const QString& text, int size) { doc.lines.append({text, size, bold, false}); };
    const QString rule(kRuleLength, QLatin1Char('-'));
    const QString inset(kInset, QLatin1Char(' '));

    bold = true;
    add(QString(), 10);
    add(tr(" 'Vantorel' - Diagnostics"), 18);
    bold = false;
    add(QStringLiteral("  ") + webAddress, 12);
    add(rule, 12);
    add(company, 16);
    add(address, 12);
    add(tr("Tel: %1").arg(telephone), 12);
    add(tr("Diagnostic Technician: %1    Date & Time: %2").arg(technician, dateTime), 12);
    add(rule, 12);
    add(tr("Vehicle system: %1").arg(system), 10);
    add(tr("Main symptoms noted: %1").arg(fields[0]), 10);
    add(rule, 12);
    add(QString(), 10);
    bold = true;
    add(tr("  Carry out the following procedures in sequence..."), 10);
    add(inset + tr("If the main test is NOT OK then carry out the inset procedure..."), 10);
    bold = false;
    add(QString(), 10);
    // Up to twelve steps; the first one whose main test is empty is still printed, then the
    // steps end. Field 25 is shown on screen only.
    for (int i = 1; i <= 2 * kMaxSteps - 1; i += 2) {
        add("  " + fields[i], 10);
        add(inset + fields[i + 1], 10);
        add(QString(), 10);
        if (fields[i].isEmpty()) break;
    }
    add(tr("Repairs completed - Technician Signature:") + QString(20, QLatin1Char(' ')) +
            tr("Supervisor Signature (if appropriate):"),
        10);
    doc.lines.last().italic = true;
    return doc;
}
