// The goods list of the goods dialog: inserts with their checks and messages, the proposed amount, the
// 50-entry limit, clearing and the dialog's reader.

#include <gtest/gtest.h>

#include <string>

#include "../app/temp_data_dir.h"
#include "../room/sample_room.h"
#include "goods/goods_list.h"
#include "goods/goods_list_model.h"

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
    // clang-format off
    const struct { InsertInput input; std::string text; InsertField focus; } cases[] = {
        {{"abc", "20", "2"}, "Amount = 0 !", InsertField::Amount},
        {{"-5", "20", "2"}, "Amount = 0 !", InsertField::Amount},
        {{"0", "20", "2"}, "Amount = 0 !", InsertField::Amount},
        {{"1e999", "20", "2"}, "Amount = 0 !", InsertField::Amount},
        {{"", "", ""}, "Amount = 0 !", InsertField::Amount},
        {{"100", "  ", "2"}, "Entry temperature of Product = 0 !", InsertField::EntryTemperature},
        {{"100", "abc", "2"}, "Entry temperature of Product = 0 !", InsertField::EntryTemperature},
        {{"100", "1e999", "2"}, "Entry temperature of Product = 0 !", InsertField::EntryTemperature},
        {{"100", "-300", "2"}, "Entry temperature of Product = 0 !", InsertField::EntryTemperature},
        {{"100", "20", "abc"}, "End temperature of Product = 0 !", InsertField::EndTemperature},
        {{"100", "20", "-1e999"}, "End temperature of Product = 0 !", InsertField::EndTemperature},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.amount + " / " + c.input.entryTemp + " / " + c.input.endTemp);
        GoodsListModel list;
        for (const bool group : {false, true}) {
            const InsertResult r = group ? list.insertGroup(ctx.captions, "Meat", c.input)
                                         : list.insertProduct(Product("Apples"), c.input);
            EXPECT_FALSE(r.appended);
            ASSERT_TRUE(r.message.has_value());
            EXPECT_EQ(r.message->focus, c.focus);
            const Message shown = ComposeMessage(*r.message, ctx.captions);
            EXPECT_EQ(shown.text, c.text);
            EXPECT_EQ(shown.title, "Goods");
            EXPECT_EQ(shown.kind, MessageKind::Exclamation);
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
    EXPECT_EQ(list.count(), kGoodsGridRows);

    const Message q = ComposeMessage(ClearListQuestion(), testing::EnglishContext().captions);
    EXPECT_EQ(q.kind, MessageKind::Question);
    EXPECT_EQ(q.text + " / " + q.title, "Product list - delete all entries ? / Goods - clear list");
    list.clear();
    EXPECT_EQ(list.nextFreeRow(), 1);
    for (const GoodsRow& row : list.grid())
        EXPECT_EQ(row[kGoodsName], "");
}

TEST(GoodsInsert, ProposedAmountIsDensityTimesVolumeTimesTurnover) {
    // clang-format off
    const struct { const char* density; const char* volume; const char* turnover; const char* expected; } cases[] = {
        {"200", "50", "10%", " 1000"}, {"200", "50", "2.5%", " 250"}, {"150", "168", "1.5%", " 378"},
        {"200", "50", "", " 0"},          // no turnover
        {"abc", "50", "10%", " 0"},       // garbage density reads as 0
        {"-200", "50", "10%", " 0"},      // nothing negative is proposed
        {"1e300", "1e300", "10%", " 0"},  // overflow
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.density) + " " + c.volume + " " + c.turnover);
        EXPECT_EQ(ProposedAmount(c.density, c.volume, c.turnover), c.expected);
    }
}

TEST(GoodsListReader, DialogReadsEntriesInOrderAndAtMostFifty) {
    testing::TempDataDir dir;
    const AppContext ctx = dir.context();
    GoodsListModel list;
    list.load(ctx); // missing file: empty list
    EXPECT_EQ(list.nextFreeRow(), 1);

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
    EXPECT_EQ(list.grid()[1][kGoodsEntryTemp], "30");
    EXPECT_EQ(list.grid()[1][kGoodsEndTemp], "");
    EXPECT_EQ(list.grid()[2][kGoodsName], ""); // the 60-entry list before is gone
}

} // namespace
} // namespace veskaro
