#pragma once
// "Akt_Kgut.dat": the goods list handed between the main window and the goods dialog. Every field of
// every entry is one quoted string on a line of its own, 12 lines per entry, in list order; no count and
// no end marker, so an empty list is a file of length 0.

#include <string_view>

#include "app/record_file.h"
#include "goods/goods_grid.h"

namespace veskaro {

struct AppContext;

inline constexpr std::string_view kGoodsListFile = "Akt_Kgut.dat";
inline constexpr int kGoodsEntryFields = 12; // goods grid columns 1..12

// The file's content for the goods grid: rows 1..50, fields 1..12, ending before the first row whose
// name (field 1, blanks trimmed) is empty; nothing of that row or the rows after it is written.
RecordWriter GoodsListContent(const GoodsGrid& goods);
// Writes the goods grid to "Akt_Kgut.dat" (every cell as StorableText).
WriteStatus WriteGoodsList(const AppContext& ctx, const GoodsGrid& goods);
// The main window's reader: rows 1..50, 12 items each, every cell emptied before its read, so rows
// beyond the file's content (and a missing file) leave empty rows.
void ReadGoodsList(const AppContext& ctx, GoodsGrid& goods);

} // namespace veskaro
