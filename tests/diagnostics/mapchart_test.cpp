// The map chart's data: what a redraw may and may not change.
#include "diagnostics/mapchart.h"

#include <gtest/gtest.h>

namespace {

TEST(MapChart, DataGoesToTheCurrentPointAndBadInputChangesNothing) {
    MapChart chart;
    ASSERT_TRUE(chart.setCurrentPoint(3, 6));
    EXPECT_TRUE(chart.setCurrentData(" 12.5 "));
    EXPECT_EQ(chart.value(2, 5), 12.5);  // the chart counts from 1, the values from 0
    EXPECT_FALSE(chart.setCurrentData("abc"));
    EXPECT_FALSE(chart.setCurrentData(""));
    EXPECT_EQ(chart.value(2, 5), 12.5);

    // Points and types off the chart are refused; what was set stays.
    EXPECT_FALSE(chart.setCurrentPoint(0, 1));
    EXPECT_FALSE(chart.setCurrentPoint(1, 9));
    EXPECT_EQ(chart.currentRow(), 3);
    EXPECT_EQ(chart.currentColumn(), 6);
    ASSERT_TRUE(chart.setChartType(6));
    for (int type : {-1, 1, 3, 5, 7, 8}) EXPECT_FALSE(chart.setChartType(type)) << type;
    EXPECT_EQ(chart.chartType(), 6);
    EXPECT_EQ(chart.value(8, 0), 0);  // outside the map: no value, no crash
    EXPECT_EQ(chart.maximum(), 12.5);
    EXPECT_EQ(chart.minimum(), 0);
}

TEST(MapChart, RowsFollowTheMapAndTheHighlightStaysOnTheMap) {
    MapChart chart;
    EXPECT_EQ(chart.rowLabel(0), "98 %");
    chart.setMap(MapKind::Dwell);
    EXPECT_EQ(chart.rowLabel(0), "15 V");
    EXPECT_EQ(chart.cellPlace(7, 7), "6400 rev/min, 8 V");

    chart.setHighlight(2, 6);
    EXPECT_TRUE(chart.hasHighlight());
    chart.setHighlight(8, 6);
    EXPECT_FALSE(chart.hasHighlight());
    chart.setHighlight(0, -1);
    EXPECT_FALSE(chart.hasHighlight());
}

}  // namespace
