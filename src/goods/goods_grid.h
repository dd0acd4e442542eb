#pragma once
// The goods grid: rows of goods entries as the engineer typed them, shared by the main window, the goods
// dialog and the goods list file.

#include <array>
#include <string>

namespace veskaro {

inline constexpr int kGoodsGridRows = 50;    // rows 1..50 of the goods grid
inline constexpr int kGoodsGridColumns = 14; // columns 0..13; 1..12 are the goods entry fields
inline constexpr int kGoodsRowsCounted = 20; // only rows 1..20 enter the calculation and the record

// Columns of a goods entry (goods grid column = field number).
enum GoodsColumn : int {
    kGoodsName = 1,
    kGoodsAmount = 2,    // kg/day
    kGoodsEntryTemp = 3, // °C
    kGoodsEndTemp = 4,   // °C
    kGoodsStorageTemp = 5,
    kGoodsStorageHumidity = 6,
    kGoodsStorageLife = 7,
    kGoodsFreezingTemp = 8, // °C
    kGoodsCpAbove = 9,      // kJ/(kg K)
    kGoodsCpBelow = 10,     // kJ/(kg K)
    kGoodsLatentHeat = 11,  // kJ/kg
    kGoodsRespiration = 12, // kJ/(kg day)
};

using GoodsRow = std::array<std::string, kGoodsGridColumns>;
using GoodsGrid = std::array<GoodsRow, kGoodsGridRows + 1>; // index 1..50; index 0 unused

} // namespace veskaro
