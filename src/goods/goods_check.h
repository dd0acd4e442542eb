#pragma once
// Checks of goods entries: typed numbers of an insert, and which fields a row of the main window's
// goods grid needs for the temperatures it runs through.

#include <optional>
#include <string_view>
#include <vector>

#include "goods/goods_grid.h"

namespace veskaro {

inline constexpr double kMaxAmount_kgday = 1.0e7;        // 10 000 t a day: beyond any cold room
inline constexpr double kAbsoluteZero_C = -273.15;       // no temperature below it
inline constexpr double kMaxGoodsTemperature_C = 1000.0; // hot goods, not a typing slip in exponent form
// Foods freeze at or below 0 °C: above it everywhere, the freezing point cannot change the goods heat.
inline constexpr double kHighestFreezingPoint_C = 0.0;

// The number a text holds when it starts with one (blanks and a sign before the digits allowed, a decimal
// comma accepted) and it is finite; none for "", "abc", "-", " -".
std::optional<double> NumberInText(std::string_view text);
// A positive daily amount up to kMaxAmount_kgday, kg/day.
std::optional<double> AmountFromText(std::string_view text);
// A temperature between absolute zero and kMaxGoodsTemperature_C, °C.
std::optional<double> TemperatureFromText(std::string_view text);

struct GoodsRowCheck {
    int row = 0;                      // 1..50
    bool counted = false;             // rows 1..20 enter the calculation
    std::vector<GoodsColumn> missing; // fields the row needs that are blank, not numbers or not physical
};

// The usable values of a goods row's text (a finite number in the field's physical range, or none): what
// the check of the needed fields reads, apart from the room temperature.
struct GoodsRowValues {
    bool empty = true; // neither a name nor a positive amount: the row needs nothing
    std::optional<double> amount_kgday, tIn_C, tEnd_C, tFreeze_C;
    std::optional<double> cpAbove_kJkgK, cpBelow_kJkgK; // only when positive
    std::optional<double> latent_kJkg;                  // only when not negative
};
GoodsRowValues ReadGoodsRowValues(const GoodsRow& goods);
// The same, with the numbers NumFromText already read from the row's cells (a caller that parsed the row
// does not read its texts twice).
struct GoodsRowNumbers {
    double amount_kgday, tIn_C, tEnd_C, tFreeze_C, cpAbove_kJkgK, cpBelow_kJkgK, latent_kJkg;
};
GoodsRowValues ReadGoodsRowValues(const GoodsRow& goods, const GoodsRowNumbers& numbers);
std::vector<GoodsColumn> MissingGoodsFields(const GoodsRowValues& values, double roomTemp_C);

// The fields row `goods` needs in a room at `roomTemp_C`: amount, entry and end temperature always; the
// freezing point when the room or the entry is at or below 0 °C; cp above freezing when it is cooled
// above the freezing point, cp below and latent heat when it is cooled below or through it or thaws.
// The specific heats must be positive, the latent heat not negative. A row without a name and without
// an amount needs nothing.
std::vector<GoodsColumn> MissingGoodsFields(const GoodsRow& goods, double roomTemp_C);
// The rows 1..50 of the grid that have a name or an amount, each with what it misses.
std::vector<GoodsRowCheck> CheckGoodsGrid(const GoodsGrid& goods, double roomTemp_C);

} // namespace veskaro
