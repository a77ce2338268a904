// A lookup table as the grids hold it: read once from the database, edited cell by cell
// with each edit written straight back, and telling the engine step what a cell holds.
#include "engine/lookuptable.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/vbtypes.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using State = LookupTableModel::CellState;

// Each test works on its own copy of the program's database.
class LookupTable : public ::testing::Test {
protected:
    void SetUp() override {
        original_ = appFolder();
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QFile::copy(QDir(original_).filePath("ZR.db"), dir_.filePath("ZR.db")));
        closeDatabase();
        setAppFolder(dir_.path());
        testEvents().clear();
    }
    void TearDown() override {
        closeDatabase();
        setAppFolder(original_);
    }
    static QVariant stored(const QString& table, const QString& field, int id) {
        QSqlQuery q(database());
        q.exec("SELECT \"" + field + "\" FROM \"" + table + "\" WHERE ID = " + QString::number(id));
        q.next();
        return q.value(0);
    }
    static void exec(const QString& sql) {
        QSqlQuery q(database());
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    bool messageShown(const QString& part) const {
        for (const QJsonObject& e : testEvents())
            if (e.value("event") == "message" && e.value("text").toString().contains(part)) return true;
        return false;
    }

    QTemporaryDir dir_;
    QString original_;
};

TEST_F(LookupTable, ReadsEightRowsOfEightSpeedColumnsInRecordOrder) {
    LookupTableModel m("timing", "Timing Lookup Table");
    m.load();
    ASSERT_EQ(m.rowCount(), 8);
    ASSERT_EQ(m.columnCount(), 8);
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), "Speed 1");
    EXPECT_EQ(m.headerData(7, Qt::Horizontal).toString(), "Speed 8");
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            EXPECT_EQ(m.cell(r, c).state, State::Number);
            EXPECT_DOUBLE_EQ(m.cell(r, c).value, stored("timing", "Speed " + QString::number(c + 1), r + 1).toDouble());
            EXPECT_EQ(m.data(m.index(r, c)).toString(), m.cellText(r, c));
        }
    EXPECT_EQ(m.cell(8, 0).state, State::Missing);
    EXPECT_EQ(m.cell(0, 8).state, State::Missing);
}

TEST_F(LookupTable, RefusesEditsUntilEditingIsAllowed) {
    LookupTableModel m("Dwell", "Dwell Lookup Table");
    m.load();
    const QString before = m.cellText(2, 3);
    EXPECT_FALSE(m.flags(m.index(2, 3)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m.setData(m.index(2, 3), "50"));
    EXPECT_EQ(m.cellText(2, 3), before);
    EXPECT_EQ(vb::str(stored("Dwell", "Speed 4", 3).toDouble()), before);

    m.setEditable(true);
    EXPECT_TRUE(m.flags(m.index(2, 3)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m.setData(m.index(2, 3), "50"));
    EXPECT_EQ(m.cellText(2, 3), "50");
}

TEST_F(LookupTable, WritesEachKindOfEditBackToTheDatabase) {
    struct Case {
        const char* typed;
        State state;
        QVariant inDatabase;  // null for an empty field
        const char* shown;
    };
    const Case cases[] = {
        {"12.5", State::Number, 12.5, "12.5"},
        {" 07 ", State::Number, 7.0, "7"},
        {"-3", State::Number, -3.0, "-3"},
        {"", State::Empty, QVariant(), ""},
        {"abc", State::NotNumber, "abc", "abc"},
        {"12,5", State::NotNumber, "12,5", "12,5"},
    };
    LookupTableModel m("injection", "Injection Lookup Table");
    m.load();
    m.setEditable(true);
    int edited = 0;
    QObject::connect(&m, &LookupTableModel::cellEdited, [&edited](int row, int column) {
        EXPECT_EQ(row, 4);
        EXPECT_EQ(column, 1);
        ++edited;
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_TRUE(m.setData(m.index(4, 1), QString(c.typed)));
        EXPECT_EQ(m.cell(4, 1).state, c.state);
        EXPECT_EQ(m.cellText(4, 1), c.shown);
        const QVariant v = stored("injection", "Speed 2", 5);
        if (c.inDatabase.isNull()) EXPECT_TRUE(v.isNull());
        else EXPECT_EQ(v.toString(), c.inDatabase.toString());
        // A fresh read finds the same.
        LookupTableModel again("injection", "Injection Lookup Table");
        again.load();
        EXPECT_EQ(again.cell(4, 1).state, c.state);
        EXPECT_EQ(again.cellText(4, 1), c.shown);
    }
    EXPECT_EQ(edited, int(std::size(cases)));
    EXPECT_DOUBLE_EQ(m.cell(4, 2).value, stored("injection", "Speed 3", 5).toDouble()) << "neighbours untouched";
}

TEST_F(LookupTable, FieldsHoldingTextOrNothingAreReportedToTheEngine) {
    exec("UPDATE timing SET \"Speed 1\" = NULL WHERE ID = 1");
    exec("UPDATE timing SET \"Speed 2\" = 'x' WHERE ID = 1");
    exec("UPDATE timing SET \"Speed 3\" = '  ' WHERE ID = 1");
    exec("UPDATE timing SET \"Speed 4\" = '17' WHERE ID = 1");
    LookupTableModel m("timing", "Timing Lookup Table");
    m.load();
    EXPECT_EQ(m.cell(0, 0).state, State::Empty);
    EXPECT_EQ(m.cell(0, 1).state, State::NotNumber);
    EXPECT_EQ(m.cell(0, 2).state, State::Empty);
    EXPECT_EQ(m.cell(0, 3).state, State::Number);
    EXPECT_DOUBLE_EQ(m.cell(0, 3).value, 17);
}

TEST_F(LookupTable, AShortTableLeavesItsLastRowsMissing) {
    exec("DELETE FROM Dwell WHERE ID = 8");
    LookupTableModel m("Dwell", "Dwell Lookup Table");
    m.load();
    EXPECT_EQ(m.rowCount(), 7);
    EXPECT_EQ(m.cell(6, 0).state, State::Number);
    EXPECT_EQ(m.cell(7, 0).state, State::Missing);
}

TEST_F(LookupTable, AMissingTableRaisesTheDatabaseErrorAndLeavesTheGridEmpty) {
    exec("DROP TABLE injection");
    LookupTableModel m("injection", "Injection Lookup Table");
    try {
        m.load();
        FAIL() << "no error raised";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number, 3078);
        EXPECT_TRUE(e.description.contains("injection"));
    }
    EXPECT_EQ(m.rowCount(), 0);
}

TEST_F(LookupTable, AnEditTheDatabaseRefusesIsReportedAndNotKept) {
    LookupTableModel m("timing", "Timing Lookup Table");
    m.load();
    m.setEditable(true);
    const QString before = m.cellText(1, 1);

    exec("DELETE FROM timing WHERE ID = 2");  // the record went away under the grid
    EXPECT_FALSE(m.setData(m.index(1, 1), "30"));
    EXPECT_EQ(m.cellText(1, 1), before);
    EXPECT_TRUE(messageShown("Error number: 3167"));

    exec("DROP TABLE timing");
    EXPECT_FALSE(m.setData(m.index(0, 0), "30"));
    EXPECT_TRUE(messageShown("Error number: 3027"));
    EXPECT_EQ(m.cell(0, 0).state, State::Number);
}

}  // namespace
