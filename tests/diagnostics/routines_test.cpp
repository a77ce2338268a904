// The routines store against damaged and unusual databases, and the job sheet's steps.
#include "diagnostics/jobsheet.h"
#include "diagnostics/routines.h"
#include "testing.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
// Builds a database file from SQL statements on a connection of its own.
QString makeDb(const QTemporaryDir& dir, const QString& name, const QStringList& sql) {
    const QString path = dir.filePath(name);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "maker");
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString& s : sql) EXPECT_TRUE(q.exec(s)) << s.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase("maker");
    return path;
}

const QString kSystems = R"(CREATE TABLE "Systems" ("Systems" TEXT))";
}  // namespace

TEST(RoutinesStore, OddTablesReadWithoutHarm) {
    QTemporaryDir dir;
    const QString odd = QString::fromUtf8("Zündung \"Ö\" 'x'");
    const QString longText(10000, QChar(0x00E9));
    const QString path = makeDb(dir, "odd.db",
        {kSystems, "INSERT INTO Systems VALUES ('Brakes'), ('Nowhere'), ('" + QString(odd).replace("'", "''") + "')",
         // Missing fields and NULL cells.
         R"(CREATE TABLE "Brakes" ("Symptoms" TEXT, "1" TEXT, "3" TEXT))",
         R"(INSERT INTO "Brakes" VALUES ('Pulls left', NULL, 'Check the pads.'))",
         "CREATE TABLE \"" + QString(odd).replace("\"", "\"\"") + "\" (\"Symptoms\" TEXT, \"1\" TEXT, \"2\" TEXT)",
         "INSERT INTO \"" + QString(odd).replace("\"", "\"\"") + "\" VALUES ('a', '" + longText + "', 'b')"});
    RoutinesStore store;
    QString error;
    ASSERT_TRUE(store.open(path, &error)) << error.toStdString();
    EXPECT_EQ(store.systems(), (QStringList{"Brakes", "Nowhere", odd}));
    EXPECT_FALSE(store.hasRoutines("Nowhere"));
    EXPECT_TRUE(store.records("Nowhere").isEmpty());

    const auto brakes = store.records("Brakes");
    ASSERT_EQ(brakes.size(), 1);
    EXPECT_EQ(brakes[0].text[1], QString());
    EXPECT_EQ(brakes[0].text[3], "Check the pads.");
    const auto fields = store.fieldsOf("Brakes");
    EXPECT_TRUE(fields[3]);
    EXPECT_FALSE(fields[2]);

    const auto recs = store.records(odd);
    ASSERT_EQ(recs.size(), 1);
    EXPECT_EQ(recs[0].text[1], longText);
    // A write to the oddly named table lands in that record only, quotes and all.
    RoutineRecord after = recs[0];
    after.text[2] = "it's \"fine\"";
    ASSERT_TRUE(store.write(odd, recs[0], after, &error)) << error.toStdString();
    RoutinesStore again;
    ASSERT_TRUE(again.open(path, &error));
    EXPECT_EQ(again.records(odd)[0].text[2], "it's \"fine\"");
    EXPECT_EQ(again.records(odd)[0].text[1], longText);
}

TEST(RoutinesStore, RefusedFilesLeaveTheCurrentOneInUse) {
    QTemporaryDir dir;
    const QString good = makeDb(dir, "good.db", {kSystems, "INSERT INTO Systems VALUES ('A')"});
    const QString noSystems = makeDb(dir, "none.db", {R"(CREATE TABLE "timing" ("Speed 1" REAL))"});
    const QString empty = makeDb(dir, "empty.db", {kSystems});
    QFile junk(dir.filePath("junk.db"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();

    RoutinesStore store;
    QString error;
    ASSERT_TRUE(store.open(good, &error));
    for (const QString& bad : {noSystems, junk.fileName(), dir.filePath("missing.db")}) {
        const QByteArray before = contents(bad);
        error.clear();
        EXPECT_FALSE(store.open(bad, &error)) << bad.toStdString();
        EXPECT_TRUE(error.contains("cannot be used")) << error.toStdString();
        EXPECT_EQ(contents(bad), before);
        EXPECT_EQ(store.systems(), QStringList{"A"});
    }
    // An empty list of systems is a usable database.
    ASSERT_TRUE(store.open(empty, &error));
    EXPECT_TRUE(store.systems().isEmpty());
}

TEST(RoutinesStore, FailedWritesChangeNothing) {
    QTemporaryDir dir;
    const QString path = makeDb(dir, "r.db",
        {kSystems, "INSERT INTO Systems VALUES ('S')", R"(CREATE TABLE "S" ("Symptoms" TEXT, "1" TEXT, "2" TEXT))",
         "INSERT INTO S VALUES ('x', 'one', 'two')"});
    RoutinesStore store;
    QString error;
    ASSERT_TRUE(store.open(path, &error));
    const RoutineRecord before = store.records("S")[0];
    RoutineRecord after = before;
    after.text[1] = "changed";
    after.text[2] = "changed too";

    // Another program holds the file.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec("BEGIN EXCLUSIVE"));
        EXPECT_FALSE(store.write("S", before, after, &error));
        EXPECT_FALSE(error.isEmpty());
        q.exec("ROLLBACK");
        other.close();
    }
    QSqlDatabase::removeDatabase("other");

    // The file is read-only (the check is meaningless for root, who may write anyway).
    if (geteuid() != 0) {
        const QByteArray bytes = contents(path);
        chmod(path.toLocal8Bit().constData(), 0444);
        RoutinesStore ro;
        ASSERT_TRUE(ro.open(path, &error));
        error.clear();
        EXPECT_FALSE(ro.write("S", before, after, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(contents(path), bytes);
        chmod(path.toLocal8Bit().constData(), 0644);
    }
    EXPECT_EQ(store.records("S")[0].text, before.text);
}

TEST(JobSheet, StepsEndAtTheFirstEmptyTestAndNeverShowTheClosingNote) {
    auto texts = [](const PrintDocument& d) {
        QStringList out;
        for (const PrintLine& l : d.lines) out << l.text;
        return out;
    };
    JobSheet sheet;
    sheet.fields[2] = "only the action";
    sheet.fields[3] = "a test after the gap";
    QStringList lines = texts(sheet.document());
    int at = lines.indexOf("  ");
    ASSERT_GT(at, 0);
    EXPECT_EQ(lines[at + 1], QString(17, ' ') + "only the action");
    EXPECT_EQ(lines[at + 2], QString());
    EXPECT_TRUE(lines[at + 3].startsWith("Repairs completed"));
    EXPECT_EQ(at + 4, lines.size());
    EXPECT_FALSE(lines.join('\n').contains("a test after the gap"));

    for (int i = 1; i <= 25; ++i) sheet.fields[i] = QString("field %1").arg(i);
    const PrintDocument full = sheet.document();
    lines = texts(full);
    EXPECT_EQ(lines.filter(QRegularExpression("^  field \\d+$")).size(), 12);
    EXPECT_TRUE(lines.contains(QString(17, ' ') + "field 24"));
    EXPECT_FALSE(lines.join('\n').contains("field 25"));
    EXPECT_TRUE(full.lines.last().italic);
    EXPECT_FALSE(full.lines.last().bold);
}
