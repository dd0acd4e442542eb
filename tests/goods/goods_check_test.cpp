// Which fields a goods row of the main window needs for the temperatures it runs through.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "goods/goods_check.h"

namespace veskaro {
namespace {

struct Row {
    const char* what;
    std::string amount, entry, end, freezing, cpAbove, cpBelow, latent;
    double room_C;
    std::vector<GoodsColumn> missing;
};

GoodsRow Goods(const Row& r) {
    GoodsRow g{};
    g[kGoodsName] = "Beef";
    g[kGoodsAmount] = r.amount;
    g[kGoodsEntryTemp] = r.entry;
    g[kGoodsEndTemp] = r.end;
    g[kGoodsFreezingTemp] = r.freezing;
    g[kGoodsCpAbove] = r.cpAbove;
    g[kGoodsCpBelow] = r.cpBelow;
    g[kGoodsLatentHeat] = r.latent;
    return g;
}

TEST(GoodsRowCheck, FieldsNeededForTheTemperatures) {
    // clang-format off
    const Row rows[] = {
        {"chilled, complete", "1000", "20", "2", "-2", "3", "1.6", "210", 2, {}},
        {"chilled, above 0 everywhere: no freezing data", "1000", "20", "2", "", "3", "", "", 2, {}},
        {"chilled, cp above missing", "1000", "20", "2", "-2", " -", "1.6", "210", 2, {kGoodsCpAbove}},
        {"chilled, cp above negative", "1000", "20", "2", "-2", "-3", "", "", 2, {kGoodsCpAbove}},
        {"freezer, freezing point missing", "1000", "20", "-18", "", "3", "1.6", "210", -20, {kGoodsFreezingTemp}},
        {"freezer, through freezing", "1000", "20", "-18", "-2", "3", " -", "", -20, {kGoodsCpBelow, kGoodsLatentHeat}},
        {"freezer, entering at freezing: no cp above", "1000", "-2", "-18", "-2", "", "1.6", "210", -20, {}},
        {"frozen goods thawing in a chilled room", "1000", "-18", "2", "-2", "3", "", "abc", 2, {kGoodsLatentHeat}},
        {"room at the freezing point: no latent heat", "1000", "20", "-5", "-2", "3", "", "", -2, {kGoodsCpBelow}},
        {"frozen goods kept frozen", "1000", "-25", "-18", "-2", "", "1.6", "", -20, {}},
        {"metal at 0 °C: group defaults suffice", "500", "20", "0", "-1", " .7", " .7", " 0", 0, {}},
        {"not numbers", "abc", "", "warm", "", "", "", "", 2, {kGoodsAmount, kGoodsEntryTemp, kGoodsEndTemp}},
        {"amount overflowing", "1e999", "20", "2", "-2", "3", "1.6", "210", 2, {kGoodsAmount}},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(MissingGoodsFields(Goods(r), r.room_C), r.missing);
    }
}

TEST(GoodsRowCheck, GridListsRowsInUseAndWhetherTheyCount) {
    GoodsGrid grid{};
    grid[1] = Goods({"", "100", "20", "2", "", "3", "", "", 2, {}});
    grid[5][kGoodsName] = "Pears"; // named, nothing else
    grid[21] = grid[1];
    grid[30][kGoodsRespiration] = "5"; // no name, no amount: not in use
    const std::vector<GoodsRowCheck> checks = CheckGoodsGrid(grid, 2.0);
    ASSERT_EQ(checks.size(), 3u);
    EXPECT_EQ(checks[0].row, 1);
    EXPECT_TRUE(checks[0].counted);
    EXPECT_TRUE(checks[0].missing.empty());
    EXPECT_EQ(checks[1].row, 5);
    EXPECT_EQ(checks[1].missing, (std::vector<GoodsColumn>{kGoodsAmount, kGoodsEntryTemp, kGoodsEndTemp}));
    EXPECT_EQ(checks[2].row, 21);
    EXPECT_FALSE(checks[2].counted);
}

} // namespace
} // namespace veskaro
