// Where the program's folder is when no --data folder is given.
//
// A program run from its build folder has its data beside the executable and uses that folder
// as it is. An installed program finds its data in <exe dir>/../share/vantorel, which it may
// not write; it works instead on a per-user copy ($XDG_DATA_HOME/vantorel, by default
// ~/.local/share/vantorel), made on first run and brought up to date when the installed data
// changes. Waveform edits, track recordings and database edits then land in the user's copy.
//
// The copy's rule, file by file: a shipped file is copied when the user's copy lacks it, or
// when the user's copy is still exactly what was copied last time and the shipped file has
// changed since. A file the user has changed (or made) is never overwritten. What was copied
// is recorded in a manifest in the copy (size, SHA-256, and the shipped file's time), so that
// an ordinary start compares sizes and times and reads no file. Each file is written whole
// to a temporary name and renamed into place: an interrupted copy leaves no half file.
#pragma once

#include <QString>

// The name of the manifest kept in the user's copy (a hidden file, so no folder listing of the
// program shows it).
extern const char* const kDataManifest;

struct DataFolder {
    QString folder;   // the program's folder to use
    QString problem;  // what went wrong making or refreshing the copy, for the user; empty if fine
    int copied = 0;   // files copied into the user's copy by this run
};

// The shipped data for an executable in exeDir: exeDir itself when it holds the database (a
// build-folder run), else <exeDir>/../share/vantorel when that does; empty otherwise.
QString shippedDataFolder(const QString& exeDir);
// $XDG_DATA_HOME/vantorel when XDG_DATA_HOME is an absolute path, else ~/.local/share/vantorel.
QString userDataFolder();
// Brings the user's copy of the shipped folder up to date by the rule above. The result names
// the user's folder, or the shipped one when the copy lacks a shipped file that could not be
// copied (the program then runs read-only from the installed files).
DataFolder syncUserCopy(const QString& shipped, const QString& user);
// The program's folder for an executable in exeDir: the build folder as it is, the user's copy
// of installed data, or exeDir when no data is found (the program then says what is missing).
DataFolder chooseDataFolder(const QString& exeDir);
