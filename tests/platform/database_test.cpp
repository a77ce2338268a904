// The shipped database: the three lookup maps and the diagnostic routines under the table and
// field names the program asks for, records in a stable order. Read only.
#include "platform/services.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList fields(const QString& table) {
    QStringList out;
    const QSqlRecord r = database().record(table);
    for (int i = 0; i < r.count(); ++i) out << r.fieldName(i);
    return out;
}

int count(const QString& table) {
    QSqlQuery q(database());
    if (!q.exec("SELECT count(*) FROM \"" + table + "\"") || !q.next()) return -1;
    return q.value(0).toInt();
}

TEST(Database, LookupMapsHaveEightRecordsOfEightSpeedColumns) {
    for (const char* table : {"timing", "Dwell", "injection"}) {
        EXPECT_EQ(count(table), 8) << table;
        const QStringList f = fields(table);
        for (int i = 1; i <= 8; ++i) EXPECT_TRUE(f.contains("Speed " + QString::number(i))) << table << " " << i;
    }
}

TEST(Database, EverySystemHasARoutinesTableWithSymptomsAndTwentyFiveSteps) {
    QSqlQuery q(database());
    ASSERT_TRUE(q.exec("SELECT \"Systems\" FROM \"Systems\" ORDER BY rowid"));
    QStringList systems;
    while (q.next()) systems << q.value(0).toString();
    ASSERT_FALSE(systems.isEmpty());
    EXPECT_EQ(systems.first(), "Auxiliaries") << "the routines table the window starts with";
    for (const QString& system : systems) {
        EXPECT_GE(count(system), 1) << system.toStdString();
        const QStringList f = fields(system);
        EXPECT_TRUE(f.contains("Symptoms")) << system.toStdString();
        for (int i = 1; i <= 25; ++i) EXPECT_TRUE(f.contains(QString::number(i))) << system.toStdString() << " " << i;
        // Every recorded symptom starts with a main test.
        QSqlQuery r(database());
        ASSERT_TRUE(r.exec("SELECT \"Symptoms\", \"1\" FROM \"" + system + "\""));
        while (r.next()) {
            EXPECT_FALSE(r.value(0).toString().isEmpty()) << system.toStdString();
            EXPECT_FALSE(r.value(1).toString().isEmpty()) << system.toStdString();
        }
    }
}

}  // namespace
