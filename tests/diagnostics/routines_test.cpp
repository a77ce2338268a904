// The routines store and window against damaged and unusual databases; the job sheet's steps.
#include "sim/simstate.h"
#include "diagnostics/frmdiagnostics.h"
#include "diagnostics/jobsheet.h"
#include "diagnostics/routines.h"
#include "platform/services.h"
#include "testing.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    EXPECT_EQ(store.records(odd)[0].text[2], "it's \"fine\"");
    EXPECT_EQ(store.records(odd)[0].text[1], longText);
}

TEST(JobSheet, AtMostTwelveStepsAndNeverTheClosingNote) {
    JobSheet sheet;
    for (int i = 1; i <= 25; ++i) sheet.fields[i] = QString("field %1").arg(i);
    const PrintDocument doc = sheet.document();
    QStringList lines;
    for (const PrintLine& l : doc.lines) lines << l.text;
    EXPECT_EQ(lines.filter(QRegularExpression("^  field \\d+$")).size(), 12);
    EXPECT_TRUE(lines.contains(QString(17, ' ') + "field 24"));
    EXPECT_FALSE(lines.join('\n').contains("field 25"));
    EXPECT_TRUE(doc.lines.last().italic);
}

// The window on a database whose systems name no table, whose tables lack fields, and whose
// file is held by another program while an edit is saved.
TEST(DiagnosticsWindow, DamagedDatabasesLeaveAUsableWindowAndAnUnchangedFile) {
    QMdiArea area;
    area.resize(1000, 700);
    Forms::setMdiArea(&area);
    QTemporaryDir dir;
    setAppFolder(dir.path());
    const QString path = makeDb(dir, "ZR.db",
        {kSystems, "INSERT INTO Systems VALUES ('Ghost'), ('Brakes')",
         R"(CREATE TABLE "Brakes" ("Symptoms" TEXT, "1" TEXT))", "INSERT INTO Brakes VALUES (NULL, 'pads'), ('b', 'c')"});
    auto* w = frm<frmDiagnostics>();
    w->connectDatabase();
    w->setRoutinesEnabled(true);
    EXPECT_EQ(w->findChild<QComboBox*>("cmbSystem")->currentText(), "Ghost");
    EXPECT_FALSE(w->findChild<QLineEdit*>(arrayName("txbRoutine", 1))->isEnabled());
    w->findChild<QPushButton*>("DataSystem(next)")->click();
    EXPECT_EQ(w->findChild<QLineEdit*>(arrayName("txbRoutine", 1))->text(), "pads");
    EXPECT_TRUE(w->findChild<QLineEdit*>(arrayName("txbRoutine", 1))->isEnabled());
    EXPECT_FALSE(w->findChild<QLineEdit*>(arrayName("txbRoutine", 2))->isEnabled());

    const QByteArray bytes = contents(path);
    w->findChild<QLineEdit*>(arrayName("txbRoutine", 1))->setText("discs");
    emit w->findChild<QLineEdit*>(arrayName("txbRoutine", 1))->textEdited("discs");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "holder");
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery(other).exec("BEGIN EXCLUSIVE");
        testEvents().clear();
        w->findChild<QPushButton*>("datRoutine(next)")->click();
        other.close();
    }
    QSqlDatabase::removeDatabase("holder");
    ASSERT_FALSE(testEvents().isEmpty());
    EXPECT_TRUE(testEvents().last().value("text").toString().contains("could not be saved"));
    EXPECT_EQ(contents(path), bytes);

    // An empty list of systems: nothing to show, nothing to edit.
    SelectedFileName = makeDb(dir, "empty.db", {kSystems});
    w->onActivate();
    EXPECT_EQ(w->findChild<QComboBox*>("cmbSystem")->currentText(), QString());
    EXPECT_FALSE(w->findChild<QLineEdit*>(arrayName("txbRoutine", 0))->isEnabled());
    Forms::unloadAll();
}
