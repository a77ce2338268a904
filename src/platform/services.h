// The program's folder and its data files, the per-user settings store and the database.
#pragma once

#include <QString>
#include <QList>
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
// The file is read once; a file that cannot be read as settings counts as empty (every key
// has its default) and is replaced by a clean one at the next save. Saving writes the whole
// file at once; it raises error 75 when the file cannot be written or its lock cannot be
// taken within two seconds.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& key, const QString& value);
struct SettingValue {
    QString section, key, value;
};
// Several values in one write, so that they are kept all or none.
void SaveSettings(const QList<SettingValue>& values);
// True when the stored settings could not be read and the defaults are used instead.
bool settingsWereDamaged();
void setSettingsLockTimeout(int ms);
// Forgets what was read, so the next read sees the file again (tests).
void reloadSettings();

// The database file in the program's folder ("ZR.db"), opened on first use. Raises the
// run-time error that the calling handler reports when the file is missing or unreadable.
QSqlDatabase& database();
void closeDatabase();
QString databaseFileName();

// A table or field name quoted for SQL; every name that comes from data goes through here.
QString sqlName(const QString& name);
// The first field a lookup table of the database lacks, as a message; empty when it has them
// all (or is not there at all, which reading it reports).
QString missingLookupField(const QSqlDatabase& db, const QString& table);

// The temporary folder with a trailing separator: $TMPDIR when it names a folder that can be
// written, else the system's default. Worked out once for each value of TMPDIR; when no
// folder can be written the user is told once.
QString usableTempFolder();
// Removes what runs that were killed while writing left behind: the temporary files the
// journal of writes in progress (in the user's data folder, `.journal`) still lists, wherever
// they are, and those of the atomic writes in the program's folder, the user's data folder,
// the settings folder and (for the scanner's reports only, since others share it) the
// temporary folder. From here on the writes are journalled.
void removeLeftTemporaryFiles();
