#include "platform/services.h"
#include "platform/vbtypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QString g_appFolder;
const char* kConnection = "ZR";
}  // namespace

QString appFolder() {
    if (g_appFolder.isEmpty()) g_appFolder = QCoreApplication::applicationDirPath();
    return g_appFolder;
}

void setAppFolder(const QString& folder) { g_appFolder = QDir(folder).absolutePath(); }

void chdirToAppFolder() {
    if (!QDir::setCurrent(appFolder())) raiseError(76, "Path not found");
}

QString findDataFile(const QString& name) {
    QDir dir(appFolder());
    if (dir.exists(name)) return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(e);
    return dir.filePath(name);
}

static QSettings& settings() {
    static QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Vantorel", "Vantorel");
    return s;
}

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    return settings().value(section + "/" + key, defaultValue).toString();
}

void SaveSetting(const QString& section, const QString& key, const QString& value) {
    settings().setValue(section + "/" + key, value);
    settings().sync();
    if (settings().status() != QSettings::NoError)
        raiseError(75, "Path/File access error: the settings could not be written");
}

QString databaseFileName() { return findDataFile("ZR.db"); }

QSqlDatabase& database() {
    static QSqlDatabase db;
    if (db.isValid() && db.isOpen()) return db;
    const QString file = databaseFileName();
    if (!QFileInfo(file).isFile())
        raiseError(3024, "Could not find file '" + QFileInfo(file).fileName() + "'.");
    if (!QSqlDatabase::contains(kConnection)) db = QSqlDatabase::addDatabase("QSQLITE", kConnection);
    else db = QSqlDatabase::database(kConnection, false);
    db.setDatabaseName(file);
    if (!db.open()) raiseError(3051, "The database engine could not open the file '" + file + "'.");
    QSqlQuery probe(db);
    if (!probe.exec("SELECT count(*) FROM sqlite_master")) {
        db.close();
        raiseError(3343, "Unrecognized database format '" + QFileInfo(file).fileName() + "'.");
    }
    return db;
}

void closeDatabase() {
    if (QSqlDatabase::contains(kConnection)) {
        QSqlDatabase::database(kConnection, false).close();
    }
}
