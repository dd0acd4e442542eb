// The report's share column and the place of the load-share chart.

#include <gtest/gtest.h>

#include "report/chart_placement.h"
#include "report/share_column.h"

namespace veskaro {
namespace {

TEST(ShareColumn, SplitsTheBracketedShareAndFindsTheDecimalPoint) {
    struct Row {
        const char* value;
        const char* capacity; // "" when nothing is split off
        const char* share;
        std::size_t point; // decimal point of the share
    };
    const Row rows[] = {
        {" 2.794 kW     [ 27.35 %]", "2.794 kW", "27.35 %", 2},
        {" .062 kW     [ .61 %]", ".062 kW", ".61 %", 0},
        {" 10.2 kW     [ 100 %]", "10.2 kW", "100 %", 3},
        {"-1.5 kW     [-12.5 %]", "-1.5 kW", "-12.5 %", 3},
        {" 10.216 kW", "", "", 0},
        {" 4 h/day", "", "", 0},
        {" [ %]", "", "", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        const std::optional<ValueWithShare> split = SplitShare(row.value);
        ASSERT_EQ(split.has_value(), *row.capacity != '\0');
        if (!split) continue;
        EXPECT_EQ(split->value, row.capacity);
        EXPECT_EQ(split->share, row.share);
        EXPECT_EQ(DecimalPointIndex(split->share), row.point);
    }
}

TEST(ChartPlacement, BelowTheLastLineWhileThePageHasRoom) {
    // Last text line at y, whether a chart is placed, and its top.
    const std::pair<double, bool> rows[] = {{0.60, true}, {0.78, true}, {0.85, false}, {0.95, false}};
    for (const auto& [lastY, placed] : rows) {
        SCOPED_TRACE(lastY);
        std::vector<DrawOp> ops(2);
        ops[0].y = lastY; // a text line
        ops[1].kind = DrawKind::EvaporatorSketch;
        ops[1].y = 0.3, ops[1].y2 = 0.4;
        ASSERT_EQ(PlaceLoadChart(ops), placed);
        ASSERT_EQ(ops.size(), placed ? 3u : 2u);
        if (!placed) continue;
        const DrawOp& chart = ops.back();
        EXPECT_EQ(chart.kind, DrawKind::LoadChart);
        EXPECT_GE(chart.y, lastY + kTextAdvance);
        EXPECT_LE(chart.y2, kLoadChartBottom);
        EXPECT_GE(chart.y2 - chart.y, kLoadChartMinHeight);
    }
}

} // namespace
} // namespace veskaro
