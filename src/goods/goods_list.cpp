#include "goods/goods_list.h"

namespace veskaro {

namespace {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

RecordWriter GoodsListContent(const GoodsGrid& goods) {
    RecordWriter out;
    for (int r = 1; r <= kGoodsGridRows; ++r) {
        const GoodsRow& row = goods[static_cast<std::size_t>(r)];
        if (IsBlank(row[kGoodsName])) break; // the list has no gaps: a blank name ends it
        for (int field = 1; field <= kGoodsEntryFields; ++field)
            out.userLine(row[static_cast<std::size_t>(field)]);
    }
    return out;
}

WriteStatus WriteGoodsList(const AppContext& ctx, const GoodsGrid& goods) {
    return SaveOutput(ctx, kGoodsListFile, GoodsListContent(goods));
}

void ReadGoodsList(const AppContext& ctx, GoodsGrid& goods) {
    RecordReader in = OpenInput(ctx, kGoodsListFile);
    for (int r = 1; r <= kGoodsGridRows; ++r) {
        GoodsRow& row = goods[static_cast<std::size_t>(r)];
        for (int field = 1; field <= kGoodsEntryFields; ++field) {
            std::string& cell = row[static_cast<std::size_t>(field)];
            cell.clear(); // a read past the end leaves the cell empty
            in.next(cell);
        }
    }
}

} // namespace veskaro
