// The program's folder and its data files, the per-user settings store and the database.
#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

// The folder holding the executable and its data files (or the one given with --data).
QString appFolder();
void setAppFolder(const QString& folder);
// Makes the program's folder the working folder ("ChDrive / ChDir App.Path").
void chdirToAppFolder();
// Full path of a data file in the program's folder, matching the name without regard to
// case; the exact-case path when no file matches.
QString findDataFile(const QString& name);

// Per-user settings store: application "Vantorel", values kept as text.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& key, const QString& value);

// The database file in the program's folder ("ZR.db"), opened on first use. Raises the
// run-time error that the calling handler reports when the file is missing or unreadable.
QSqlDatabase& database();
void closeDatabase();
QString databaseFileName();
