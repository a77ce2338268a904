// The engine-management unit's arithmetic and an edit the database refuses. What the cells
// hold and editing through the grids are driven by the scenarios and the corpus.
#include "sim/ecumath.h"
#include "engine/lookuptable.h"
#include "platform/services.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Cases = std::vector<std::pair<int, int>>;

TEST(LookupCells, HalvesGoToTheEvenCellAndTheCellStaysOnTheMap) {
    // column = speed / 800 - 1; row = 7 - load / 14; dwell row = 15 - volts
    for (const auto& [speed, column] : Cases{{0, 0}, {1200, 0}, {1201, 1}, {2000, 2}, {2800, 2}, {3600, 4}, {7000, 7}})
        EXPECT_EQ(ecu::speedIndexFor(speed), column) << "speed " << speed;
    for (const auto& [load, row] : Cases{{100, 0}, {91, 0}, {85, 1}, {35, 4}, {21, 6}, {7, 6}, {0, 7}})
        EXPECT_EQ(ecu::loadIndexFor(load), row) << "load " << load;
    for (const auto& [volts, row] : Cases{{16, 0}, {15, 0}, {12, 3}, {8, 7}, {0, 7}})
        EXPECT_EQ(ecu::voltageIndexFor(volts), row) << "volts " << volts;
}

TEST(Corrections, ColdBandsCoverTheirEdges) {
    for (auto [temperature, factor, timing] : {std::tuple{-31, 1.0, 0}, {-30, 1.6, -4}, {-10, 1.6, -4}, {-9, 1.5, -3},
                                               {0, 1.5, -3}, {1, 1.3, -2}, {20, 1.3, -2}, {21, 1.2, -1}, {50, 1.2, -1},
                                               {51, 1.0, 0}}) {
        EXPECT_DOUBLE_EQ(ecu::coldCorrectionFor(temperature).factor, factor) << temperature << " C";
        EXPECT_EQ(ecu::coldCorrectionFor(temperature).timingCorrection, timing) << temperature << " C";
    }
}

TEST(RoadSpeed, GearsIdleAndHalvesToEven) {
    for (auto [gear, engineSpeed, roadSpeed] : {std::tuple{3, 4900, 100}, {6, 1880, -20}, {2, 1500, 20}, {4, 3400, 100},
                                                {5, 5400, 200}, {0, 4000, 0}, {5, 800, 0}, {6, 800, 0}, {1, 801, 9},
                                                {1, 1081, 12}, {6, 1081, -12}, {1, 1175, 12}, {6, 1175, -12}})
        EXPECT_EQ(ecu::roadSpeedFor(gear, engineSpeed), roadSpeed) << "gear " << gear << " at " << engineSpeed;
}

TEST(Cranking, InjectionTimeFollowsTemperatureWithin10Ms) {
    for (int celsius : {-20, 0, 19}) EXPECT_DOUBLE_EQ(ecu::crankingInjectionFor(celsius), 10) << celsius;
    EXPECT_NEAR(ecu::crankingInjectionFor(20), 9.9502, 1e-4);
    EXPECT_NEAR(ecu::crankingInjectionFor(90), 2.2198, 1e-4);
}

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
