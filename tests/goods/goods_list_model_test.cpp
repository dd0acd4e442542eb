// The goods list: inserts and their messages, the 50-entry limit, Akt_Kgut.dat, the fields a row needs.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "../app/temp_data_dir.h"
#include "../room/sample_room.h"
#include "goods/goods_check.h"
#include "goods/goods_list.h"
#include "goods/goods_list_model.h"
#include "room/room_record.h"

namespace veskaro {
namespace {

CatalogueRow Product(const std::string& name) {
    CatalogueRow row{};
    row[kCatName] = name;
    for (int c = kCatStorageTemp; c <= kCatStandardMark; ++c)
        row[static_cast<std::size_t>(c)] = name + "#" + std::to_string(c);
    return row;
}

TEST(GoodsInsert, GroupEntryCarriesTheGroupDefaultsAsDisplayText) {
    const AppContext ctx = testing::EnglishContext();
    GoodsListModel list;
    const InsertResult result = list.insertGroup(ctx.captions, "Metal", {"500", "20", "0"});
    ASSERT_TRUE(result.appended);
    const GoodsRow expected = {"",   "Metal", "500", "20",  "0",  " - ", " -",
                               " -", "-1",    " .7", " .7", " 0", " -",  ""};
    EXPECT_EQ(list.grid()[1], expected);
    EXPECT_EQ(list.nextFreeRow(), 2);

    // A name that matches no group: fields 8..11 stay empty.
    ASSERT_TRUE(list.insertGroup(ctx.captions, "Gravel", {"10", "5", "2"}).appended);
    for (int f = kGoodsFreezingTemp; f <= kGoodsLatentHeat; ++f)
        EXPECT_EQ(list.grid()[2][static_cast<std::size_t>(f)], "");
}

TEST(GoodsInsert, ProductEntryTakesCatalogueColumnsTwoToNine) {
    GoodsListModel list;
    const CatalogueRow apples = Product("Apples");
    ASSERT_TRUE(list.insertProduct(apples, {"12,5", " 20 ", "2"}).appended);
    const GoodsRow& row = list.grid()[1];
    EXPECT_EQ(row[kGoodsName], "Apples");
    EXPECT_EQ(row[kGoodsAmount], "12.5"); // decimal comma kept as a period
    EXPECT_EQ(row[kGoodsStorageTemp], "Apples#2");
    EXPECT_EQ(row[kGoodsRespiration], "Apples#9");
    EXPECT_EQ(row[13], ""); // the remark and the mark are never copied

    // A catalogue row with a blank name appends nothing and says nothing.
    const InsertResult blank = list.insertProduct(Product("   "), {"5", "5", "2"});
    EXPECT_FALSE(blank.appended);
    EXPECT_FALSE(blank.message.has_value());
    EXPECT_EQ(list.nextFreeRow(), 2);
}

TEST(GoodsInsert, BadInputGivesItsMessageAndAppendsNothing) {
    const AppContext ctx = testing::EnglishContext();
    const std::tuple<InsertInput, std::string, InsertField> cases[] = {
        // input, message, field focused
        {{"-5", "20", "2"}, "Amount = 0 !", InsertField::Amount},
        {{"0", "20", "2"}, "Amount = 0 !", InsertField::Amount},
        {{"1e999", "20", "2"}, "Amount = 0 !", InsertField::Amount},
        {{"", "", ""}, "Amount = 0 !", InsertField::Amount},
        {{"100", "  ", "2"}, "Entry temperature of Product = 0 !", InsertField::EntryTemperature},
        {{"100", "-300", "2"}, "Entry temperature of Product = 0 !", InsertField::EntryTemperature},
        {{"100", "20", "abc"}, "End temperature of Product = 0 !", InsertField::EndTemperature},
    };
    for (const auto& [input, text, focus] : cases) {
        SCOPED_TRACE(input.amount + " / " + input.entryTemp + " / " + input.endTemp);
        GoodsListModel list;
        for (const bool group : {false, true}) {
            const InsertResult r = group ? list.insertGroup(ctx.captions, "Meat", input)
                                         : list.insertProduct(Product("Apples"), input);
            EXPECT_FALSE(r.appended);
            ASSERT_TRUE(r.message.has_value());
            EXPECT_EQ(r.message->focus, focus);
            EXPECT_EQ(ComposeMessage(*r.message, ctx.captions).text, text);
        }
        EXPECT_EQ(list.nextFreeRow(), 1);
        EXPECT_EQ(list.grid()[1][kGoodsName], "");
    }
}

TEST(GoodsInsert, TheFiftyFirstInsertIsRefused) {
    GoodsListModel list;
    for (int i = 1; i <= kGoodsGridRows; ++i)
        ASSERT_TRUE(list.insertProduct(Product("P" + std::to_string(i)), {"1", "5", "2"}).appended) << i;
    const InsertResult r = list.insertProduct(Product("P51"), {"1", "5", "2"});
    EXPECT_FALSE(r.appended);
    ASSERT_TRUE(r.message.has_value());
    EXPECT_EQ(*r.message, ListFullMessage());
    EXPECT_EQ(list.grid()[kGoodsGridRows][kGoodsName], "P50");
    list.clear();
    EXPECT_EQ(list.nextFreeRow(), 1);
    for (const GoodsRow& row : list.grid())
        EXPECT_EQ(row[kGoodsName], "");
}

TEST(GoodsInsert, ProposedAmountIsDensityTimesVolumeTimesTurnover) {
    const std::array<const char*, 4> cases[] = {
        // density, volume, turnover; the amount proposed
        {"200", "50", "2.5%", " 250"},   {"150", "168", "1.5%", " 378"},
        {"200", "50", "", " 0"},         // no turnover
        {"-200", "50", "10%", " 0"},     // nothing negative is proposed
        {"1e300", "1e300", "10%", " 0"}, // overflow
    };
    for (const auto& [density, volume, turnover, expected] : cases) {
        SCOPED_TRACE(std::string(density) + " " + volume + " " + turnover);
        EXPECT_EQ(ProposedAmount(density, volume, turnover), expected);
    }
}

TEST(GoodsListReader, DialogReadsEntriesInOrderAndAtMostFifty) {
    testing::TempDataDir dir;
    const AppContext ctx = dir.context();
    GoodsListModel list;
    std::string bytes;
    for (int e = 1; e <= 60; ++e)
        for (int f = 1; f <= kGoodsEntryFields; ++f)
            bytes += "\"" + std::to_string(e) + "/" + std::to_string(f) + "\"\r\n";
    dir.write("Akt_Kgut.dat", bytes);
    list.load(ctx);
    EXPECT_EQ(list.nextFreeRow(), kGoodsGridRows + 1);
    EXPECT_EQ(list.grid()[50][kGoodsRespiration], "50/12");

    // A list ending in the middle of an entry: the entry counts, its missing fields are empty.
    dir.write("Akt_Kgut.dat", "\"Beef\",\"1000\",\"30\"\r\n");
    list.load(ctx);
    EXPECT_EQ(list.nextFreeRow(), 2);
    EXPECT_EQ(list.grid()[1][kGoodsEntryTemp] + "|" + list.grid()[1][kGoodsEndTemp], "30|");
    EXPECT_EQ(list.grid()[2][kGoodsName], ""); // the 60-entry list before is gone
}

GoodsRow Entry(const std::string& name) {
    GoodsRow row{};
    row[kGoodsName] = name;
    for (int c = kGoodsAmount; c <= kGoodsEntryFields; ++c)
        row[static_cast<std::size_t>(c)] = name + "/" + std::to_string(c);
    return row;
}

TEST(GoodsListFile, WritesUpToTheFirstBlankName) {
    const std::pair<std::vector<std::string>, int> cases[] = {
        // names, entries written
        {{"Apples", "Milk, yoghurt", " Cheese 2 °C"}, 3},
        {{"Apples", "   ", "Pears"}, 1}, // a blank name ends the list: Pears is lost
        {{"", "Pears"}, 0},
    };
    for (const auto& [names, entriesWritten] : cases) {
        SCOPED_TRACE(names.at(1));
        testing::TempDataDir dir;
        const AppContext ctx = dir.context();
        RoomRecord room;
        for (std::size_t i = 0; i < names.size(); ++i)
            room.goods[i + 1] = Entry(names[i]);
        ASSERT_TRUE(WriteGoodsList(ctx, room.goods));

        RecordWriter expected;
        for (int r = 1; r <= entriesWritten; ++r)
            for (int f = 1; f <= kGoodsEntryFields; ++f)
                expected.line(room.goods[static_cast<std::size_t>(r)][static_cast<std::size_t>(f)]);
        EXPECT_EQ(dir.read("Akt_Kgut.dat"), Utf8ToCp1252(expected.text())); // empty list: length 0

        // Rows beyond the file are emptied, also when they held entries.
        RoomRecord back;
        back.goods.fill(Entry("old"));
        ReadGoodsList(ctx, back.goods);
        for (int r = 1; r <= kGoodsGridRows; ++r) {
            const auto i = static_cast<std::size_t>(r);
            EXPECT_EQ(back.goods[i], r <= entriesWritten ? room.goods[i] : GoodsRow{}) << "row " << r;
        }
    }
}

struct CheckRow {
    const char* what;
    std::string amount, entry, end, freezing, cpAbove, cpBelow, latent;
    double room_C;
    std::vector<GoodsColumn> missing;
};

GoodsRow Goods(const CheckRow& r) {
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
    const CheckRow rows[] = {
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
    for (const CheckRow& r : rows) {
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
