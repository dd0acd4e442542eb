// Akt_Kgut.dat between the main window and the goods dialog: what is written, what is read back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../app/temp_data_dir.h"
#include "goods/goods_list.h"
#include "room/room_record.h"

namespace veskaro {
namespace {

GoodsRow Entry(const std::string& name) {
    GoodsRow row{};
    row[kGoodsName] = name;
    for (int c = kGoodsAmount; c <= kGoodsEntryFields; ++c)
        row[static_cast<std::size_t>(c)] = name + "/" + std::to_string(c);
    return row;
}

TEST(GoodsListFile, WritesUpToTheFirstBlankName) {
    const struct {
        std::vector<std::string> names;
        int entriesWritten;
    } cases[] = {
        {{"Apples", "Milk, yoghurt", " Cheese 2 °C"}, 3},
        {{"Apples", "   ", "Pears"}, 1}, // a blank name ends the list: Pears is lost
        {{"", "Pears"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names.at(1));
        testing::TempDataDir dir;
        const AppContext ctx = dir.context();
        RoomRecord room;
        for (std::size_t i = 0; i < c.names.size(); ++i)
            room.goods[i + 1] = Entry(c.names[i]);
        ASSERT_TRUE(WriteGoodsList(ctx, room.goods));

        RecordWriter expected;
        for (int r = 1; r <= c.entriesWritten; ++r)
            for (int f = 1; f <= kGoodsEntryFields; ++f)
                expected.line(room.goods[static_cast<std::size_t>(r)][static_cast<std::size_t>(f)]);
        EXPECT_EQ(dir.read("Akt_Kgut.dat"), Utf8ToCp1252(expected.text())); // empty list: length 0

        // Rows beyond the file are emptied, also when they held entries.
        RoomRecord back;
        back.goods.fill(Entry("old"));
        ReadGoodsList(ctx, back.goods);
        for (int r = 1; r <= kGoodsGridRows; ++r) {
            const auto i = static_cast<std::size_t>(r);
            const GoodsRow expectedRow = r <= c.entriesWritten ? room.goods[i] : GoodsRow{};
            for (int f = 1; f <= kGoodsEntryFields; ++f) {
                const auto k = static_cast<std::size_t>(f);
                EXPECT_EQ(back.goods[i][k], expectedRow[k]) << "row " << r << " field " << f;
            }
        }
    }
}

} // namespace
} // namespace veskaro
