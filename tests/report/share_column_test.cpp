// The report's share column.

#include <gtest/gtest.h>

#include "report/share_column.h"

namespace veskaro {
namespace {

TEST(ShareColumn, SplitsTheBracketedShareAndFindsTheDecimalPoint) {
    // Value, capacity ("" when nothing is split off), share, index of the share's decimal point.
    const std::tuple<const char*, const char*, const char*, std::size_t> rows[] = {
        {" 2.794 kW     [ 27.35 %]", "2.794 kW", "27.35 %", 2},
        {" .062 kW     [ .61 %]", ".062 kW", ".61 %", 0},
        {" 10.2 kW     [ 100 %]", "10.2 kW", "100 %", 3},
        {"-1.5 kW     [-12.5 %]", "-1.5 kW", "-12.5 %", 3},
        {" 10.216 kW", "", "", 0},
        {" 4 h/day", "", "", 0},
        {" [ %]", "", "", 0},
    };
    for (const auto& [value, capacity, share, point] : rows) {
        SCOPED_TRACE(value);
        const std::optional<ValueWithShare> split = SplitShare(value);
        ASSERT_EQ(split.has_value(), *capacity != '\0');
        if (!split) continue;
        EXPECT_EQ(split->value, capacity);
        EXPECT_EQ(split->share, share);
        EXPECT_EQ(DecimalPointIndex(split->share), point);
    }
}

} // namespace
} // namespace veskaro
