// The maps shipped in ZR.db: shaped like an engine's and usable in every corner of the
// operating range, whatever corrections the unit applies on top of them.
#include "engine/ecumath.h"
#include "engine/lookuptable.h"
#include "platform/vbtypes.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Map = std::array<std::array<double, 8>, 8>;

Map readMap(const char* table) {
    LookupTableModel model(table, table);
    model.load();
    EXPECT_EQ(model.rowCount(), 8) << table;
    Map m{};
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            const auto cell = model.cell(r, c);
            EXPECT_EQ(cell.state, LookupTableModel::CellState::Number) << table << " row " << r << " col " << c;
            m[r][c] = cell.value;
        }
    return m;
}

class ShippedMaps : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        timing = readMap("timing");
        dwell = readMap("Dwell");
        injection = readMap("injection");
    }
    static Map timing, dwell, injection;
};
Map ShippedMaps::timing, ShippedMaps::dwell, ShippedMaps::injection;

TEST_F(ShippedMaps, TimingAdvancesWithSpeedAndRetardsWithLoad) {
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            EXPECT_GE(timing[r][c], 8) << "row " << r << " col " << c;
            EXPECT_LE(timing[r][c], 40) << "row " << r << " col " << c;
            if (c > 0) EXPECT_GE(timing[r][c], timing[r][c - 1]) << "row " << r << " col " << c;
            // Row 0 is full load, row 7 no load.
            if (r > 0) EXPECT_GE(timing[r][c], timing[r - 1][c]) << "row " << r << " col " << c;
        }
    EXPECT_LT(timing[0][0], timing[7][7] - 20) << "the map spans a useful range";
}

TEST_F(ShippedMaps, DwellLengthensAsTheSupplyVoltageFalls) {
    for (int r = 1; r < 8; ++r)
        for (int c = 0; c < 8; ++c) EXPECT_GT(dwell[r][c], dwell[r - 1][c]) << "row " << r << " col " << c;
}

TEST_F(ShippedMaps, InjectionRisesWithLoadFromIdleToFullLoad) {
    for (int r = 1; r < 8; ++r)
        for (int c = 0; c < 8; ++c) EXPECT_LT(injection[r][c], injection[r - 1][c]) << "row " << r << " col " << c;
    EXPECT_NEAR(injection[7][0], 1.5, 0.25) << "idle";
    double fullLoad = 0;
    for (double v : injection[0]) fullLoad = std::max(fullLoad, v);
    EXPECT_NEAR(fullLoad, 9, 0.5) << "full load";
}

// Every cell, under every correction the unit can apply, passes the output check that
// would otherwise stop the engine.
TEST_F(ShippedMaps, EveryCellPassesTheOutputCheckUnderEveryCorrection) {
    const int temperatures[] = {-30, -20, -10, -9, 0, 1, 20, 21, 50, 51, 90, 110};
    double worstInjection = 0;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            for (int t : temperatures) {
                const int timingOut = Integer(timing[r][c] + ecu::coldCorrectionFor(t).timingCorrection);
                EXPECT_LE(timingOut, ecu::kTimingLimit);
                EXPECT_GE(timingOut, 0);
                for (int v = 0; v < 8; ++v)
                    for (double lambda : {0.9, 1.0, 1.1})
                        for (double throttle : {1.0, 1.2}) {
                            const double out = injection[r][c] * ecu::enrichmentFactorFor(v, t) * lambda * throttle;
                            worstInjection = std::max(worstInjection, out);
                            EXPECT_FALSE(static_cast<float>(ecu::kInjectionLimit) < static_cast<float>(out))
                                << "row " << r << " col " << c << " at " << t << " C, voltage row " << v;
                        }
            }
            const int dwellOut = Integer(dwell[r][c]);
            EXPECT_LE(dwellOut, ecu::kDwellLimit) << "dwell row " << r << " col " << c;
            EXPECT_GE(dwellOut, 0);
        }
    // The worst case is the full-load cell at 8 V, -30 C, lean and at full throttle.
    EXPECT_GT(worstInjection, 25);
    EXPECT_LT(worstInjection, 35);
}

}  // namespace
