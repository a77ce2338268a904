// The engine-management arithmetic: map cells chosen for an operating point, the
// corrections, the road speed of each gear and the cranking injection time.
#include "engine/ecumath.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct IndexCase {
    int input;
    int index;
};

TEST(LookupCells, SpeedColumnRoundsHalvesToEvenAndStaysOnTheMap) {
    const std::vector<IndexCase> cases = {
        {0, 0},    {400, 0},  {800, 0},  {1200, 0},  // 0.5 -> 0
        {1201, 1}, {1600, 1}, {2000, 2},             // 1.5 -> 2
        {2800, 2},                                   // 2.5 -> 2
        {3600, 4},                                   // 3.5 -> 4
        {6400, 7}, {6800, 7}, {7000, 7},             // 7.75 -> 8, kept at 7
    };
    for (const auto& c : cases) EXPECT_EQ(ecu::speedIndexFor(c.input), c.index) << "speed " << c.input;
}

TEST(LookupCells, LoadRowCountsDownFromFullLoadAndNeverGoesNegative) {
    const std::vector<IndexCase> cases = {
        {100, 0}, {98, 0}, {91, 0},  // 0.5 -> 0
        {85, 1},  {84, 1}, {21, 6},  // 5.5 -> 6
        {35, 4},                     // 4.5 -> 4
        {14, 6},  {7, 6},            // 6.5 -> 6
        {5, 7},   {0, 7},
    };
    for (const auto& c : cases) EXPECT_EQ(ecu::loadIndexFor(c.input), c.index) << "load " << c.input;
}

TEST(LookupCells, VoltageRowRunsFrom15DownTo8Volts) {
    const std::vector<IndexCase> cases = {{16, 0}, {15, 0}, {14, 1}, {12, 3}, {10, 5}, {8, 7}, {0, 7}};
    for (const auto& c : cases) EXPECT_EQ(ecu::voltageIndexFor(c.input), c.index) << "volts " << c.input;
}

TEST(LookupCells, RowsAndColumnsNameTheirOperatingPoint) {
    EXPECT_EQ(ecu::speedOfColumn(0), 800);
    EXPECT_EQ(ecu::speedOfColumn(7), 6400);
    EXPECT_EQ(ecu::loadOfRow(0), 98);
    EXPECT_EQ(ecu::loadOfRow(7), 0);
    EXPECT_EQ(ecu::voltageOfRow(0), 15);
    EXPECT_EQ(ecu::voltageOfRow(7), 8);
}

TEST(Corrections, ColdBandsCoverTheirEdges) {
    struct Case {
        int temperature;
        double factor;
        int timing;
    };
    const std::vector<Case> cases = {
        {-31, 1.0, 0},  {-30, 1.6, -4}, {-20, 1.6, -4}, {-10, 1.6, -4}, {-9, 1.5, -3}, {0, 1.5, -3},
        {1, 1.3, -2},   {20, 1.3, -2},  {21, 1.2, -1},  {50, 1.2, -1},  {51, 1.0, 0},  {110, 1.0, 0},
    };
    for (const auto& c : cases) {
        const ecu::ColdCorrection cold = ecu::coldCorrectionFor(c.temperature);
        EXPECT_DOUBLE_EQ(cold.factor, c.factor) << c.temperature << " C";
        EXPECT_EQ(cold.timingCorrection, c.timing) << c.temperature << " C";
    }
}

TEST(Corrections, EnrichmentIsHeldAsA32BitFloat) {
    // 10 V on a warm engine: exactly 1.5.
    EXPECT_EQ(ecu::enrichmentFactorFor(ecu::voltageIndexFor(10), 60), 1.5f);
    // 10 V at -20 C: 1.5 x 1.6, rounded to the float nearest 2.4.
    EXPECT_EQ(ecu::enrichmentFactorFor(ecu::voltageIndexFor(10), -20), 2.4f);
    // 15 V warm: no enrichment; 8 V and -30 C: the largest factor the unit uses.
    EXPECT_EQ(ecu::enrichmentFactorFor(0, 90), 1.0f);
    EXPECT_EQ(ecu::enrichmentFactorFor(7, -30), static_cast<float>(1.7f * 1.6));
    for (int row = 0; row < ecu::kMapSize; ++row)
        EXPECT_NEAR(ecu::voltageFactor(row), 1.0 + row * 0.1, 1e-6) << "row " << row;
}

TEST(RoadSpeed, EachGearHasItsRatioAndIdleStandsStill) {
    struct Case {
        int gear, engineSpeed, roadSpeed;
    };
    const std::vector<Case> cases = {
        {3, 4900, 100},  {6, 1880, -20}, {1, 1880, 20}, {2, 1500, 20}, {4, 3400, 100}, {5, 5400, 200},
        {0, 4000, 0},                                      // neutral
        {1, 800, 0},     {5, 800, 0},    {6, 800, 0},   // idle: standing whatever the gear
        {1, 801, 9},                                       // 8.52 -> 9
        {1, 1081, 12},   {6, 1081, -12},                  // 11.5 -> 12, halves go to even
        {1, 1175, 12},   {6, 1175, -12},                  // 12.5 -> 12
    };
    for (const auto& c : cases)
        EXPECT_EQ(ecu::roadSpeedFor(c.gear, c.engineSpeed), c.roadSpeed)
            << "gear " << c.gear << " at " << c.engineSpeed;
}

TEST(Cranking, InjectionTimeFollowsTemperatureWithin10Ms) {
    EXPECT_DOUBLE_EQ(ecu::crankingInjectionFor(-20), 10);  // negative result
    EXPECT_DOUBLE_EQ(ecu::crankingInjectionFor(0), 10);    // 2000 ms
    EXPECT_DOUBLE_EQ(ecu::crankingInjectionFor(19), 10);   // 10.47
    EXPECT_DOUBLE_EQ(ecu::crankingInjectionFor(20), 200 / 20.1);
    EXPECT_DOUBLE_EQ(ecu::crankingInjectionFor(90), 200 / 90.1);
    EXPECT_NEAR(ecu::crankingInjectionFor(90), 2.22, 0.005);
}

}  // namespace
