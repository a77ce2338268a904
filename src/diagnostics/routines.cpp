#include "routines.h"

#include "platform/services.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
int g_connections = 0;

QSqlDatabase connectionOf(const QString& name) { return QSqlDatabase::database(name, false); }
}  // namespace

RoutinesStore::RoutinesStore() = default;

RoutinesStore::~RoutinesStore() { close(); }

QString RoutinesStore::fieldName(int i) { return i == 0 ? QStringLiteral("Symptoms") : QString::number(i); }

void RoutinesStore::close() {
    if (connection_.isEmpty()) return;
    connectionOf(connection_).close();
    QSqlDatabase::removeDatabase(connection_);
    connection_.clear();
}

bool RoutinesStore::open(const QString& file, QString* error) {
    const QString shown = QFileInfo(file).fileName();
    auto refuse = [&](const QString& why) {
        *error = tr("The file '%1' cannot be used as the diagnostic routines database: %2").arg(shown, why);
        return false;
    };
    const QFileInfo info(file);
    if (!info.isFile()) return refuse(tr("the file does not exist."));
    if (!info.isReadable()) return refuse(tr("the file cannot be read."));
    const QString name = QStringLiteral("routines-%1").arg(++g_connections);
    bool ok = false;
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(info.absoluteFilePath());
        // A file held by another program is waited for briefly, then reported.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=500"));
        if (!db.open()) {
            why = tr("it could not be opened.");
        } else {
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                why = tr("it is not a database.");
            else if (db.record(QStringLiteral("Systems")).indexOf(QStringLiteral("Systems")) < 0)
                why = tr("it has no table 'Systems'.");
            else if (!probe.exec("SELECT " + sqlName("Systems") + " FROM " + sqlName("Systems")))
                why = tr("the table 'Systems' cannot be read.");
            else
                ok = true;
        }
        if (!ok) db.close();
    }
    if (!ok) {
        QSqlDatabase::removeDatabase(name);
        return refuse(why);
    }
    close();
    connection_ = name;
    file_ = info.absoluteFilePath();
    return true;
}

QStringList RoutinesStore::systems() const {
    QStringList out;
    if (connection_.isEmpty()) return out;
    QSqlQuery q(connectionOf(connection_));
    q.setForwardOnly(true);
    if (!q.exec("SELECT " + sqlName("Systems") + " FROM " + sqlName("Systems") + " ORDER BY rowid") &&
        !q.exec("SELECT " + sqlName("Systems") + " FROM " + sqlName("Systems")))
        return out;
    while (q.next()) out << q.value(0).toString();
    return out;
}

std::array<bool, RoutineRecord::kFields> RoutinesStore::fieldsOf(const QString& table) const {
    std::array<bool, RoutineRecord::kFields> has{};
    if (connection_.isEmpty() || table.isEmpty()) return has;
    const QSqlRecord rec = connectionOf(connection_).record(table);
    for (int i = 0; i < RoutineRecord::kFields; ++i) has[i] = rec.indexOf(fieldName(i)) >= 0;
    return has;
}

bool RoutinesStore::hasRoutines(const QString& table) const {
    for (bool b : fieldsOf(table))
        if (b) return true;
    return false;
}

QVector<RoutineRecord> RoutinesStore::records(const QString& table) const {
    QVector<RoutineRecord> out;
    const auto has = fieldsOf(table);
    QStringList columns{QStringLiteral("rowid")};
    QList<int> index;
    for (int i = 0; i < RoutineRecord::kFields; ++i)
        if (has[i]) {
            columns << sqlName(fieldName(i));
            index << i;
        }
    if (index.isEmpty()) return out;
    QSqlQuery q(connectionOf(connection_));
    q.setForwardOnly(true);
    if (!q.exec("SELECT " + columns.join(',') + " FROM " + sqlName(table) + " ORDER BY rowid")) return out;
    while (q.next()) {
        RoutineRecord r;
        r.rowid = q.value(0).toLongLong();
        for (int k = 0; k < index.size(); ++k) r.text[index[k]] = q.value(k + 1).toString();
        out.append(r);
    }
    return out;
}

bool RoutinesStore::write(const QString& table, const RoutineRecord& before, const RoutineRecord& after,
                          QString* error) {
    // The schema is not asked again here: a file held by another program would hide its
    // fields and the write would seem to succeed with nothing written.
    QStringList sets;
    QList<int> changed;
    for (int i = 0; i < RoutineRecord::kFields; ++i)
        if (before.text[i] != after.text[i]) {
            sets << sqlName(fieldName(i)) + " = ?";
            changed << i;
        }
    if (changed.isEmpty()) return true;
    QSqlDatabase db = connectionOf(connection_);
    auto fail = [&](const QString& why) {
        *error = tr("The changed routine could not be saved to '%1': %2").arg(QFileInfo(file_).fileName(), why);
        return false;
    };
    if (!db.transaction()) return fail(db.lastError().text());
    QSqlQuery q(db);
    q.prepare("UPDATE " + sqlName(table) + " SET " + sets.join(", ") + " WHERE rowid = ?");
    for (int i : changed) q.addBindValue(after.text[i]);
    q.addBindValue(before.rowid);
    if (!q.exec()) {
        const QString why = q.lastError().text();
        db.rollback();
        return fail(why);
    }
    if (q.numRowsAffected() != 1) {
        db.rollback();
        return fail(tr("the record is no longer there."));
    }
    if (!db.commit()) {
        const QString why = db.lastError().text();
        db.rollback();
        return fail(why);
    }
    return true;
}
