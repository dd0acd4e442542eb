#include "goods/goods_check.h"

#include <cctype>
#include <cfloat>
#include <cmath>

#include "app/number_text.h"

namespace veskaro {

namespace {

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

bool StartsWithNumber(std::string_view text) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && text[i] == ' ')
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    skipBlanks();
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) ++i;
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

std::optional<double> InRange(std::optional<double> value, double low, double high) {
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
}

std::optional<double> Field(const GoodsRow& goods, GoodsColumn column) {
    return NumberInText(goods[Index(column)]);
}

bool Positive(const GoodsRow& goods, GoodsColumn column) {
    const auto value = Field(goods, column);
    return value && *value > 0.0;
}

// Cooling spans above and below the freezing point and whether the product freezes or thaws, as the
// daily goods heat counts them.
struct Spans {
    double aboveFreezing_K = 0.0;
    double belowFreezing_K = 0.0;
    bool changesPhase = false;
};

Spans GoodsSpans(double tIn, double tEnd, double tFreeze, double tRoom) {
    Spans s;
    if (tRoom > tFreeze) {
        s.aboveFreezing_K = tIn - tEnd;
    } else if (tIn >= tFreeze) {
        s.aboveFreezing_K = tIn - tFreeze;
        s.belowFreezing_K = tFreeze - tEnd;
    } else {
        s.belowFreezing_K = tIn - tEnd;
    }
    s.changesPhase = (tIn >= tFreeze && tRoom < tFreeze) || (tIn <= tFreeze && tRoom > tFreeze);
    return s;
}

} // namespace

std::optional<double> NumberInText(std::string_view text) {
    if (!StartsWithNumber(text)) return std::nullopt;
    const double value = NumFromText(text);
    // Overflow reads as the largest double: not a number anyone typed on purpose.
    if (!std::isfinite(value) || std::fabs(value) >= DBL_MAX) return std::nullopt;
    return value;
}

std::optional<double> AmountFromText(std::string_view text) {
    const auto value = NumberInText(text);
    if (!value || *value <= 0.0) return std::nullopt;
    return InRange(value, 0.0, kMaxAmount_kgday);
}

std::optional<double> TemperatureFromText(std::string_view text) {
    return InRange(NumberInText(text), kAbsoluteZero_C, kMaxGoodsTemperature_C);
}

std::vector<GoodsColumn> MissingGoodsFields(const GoodsRow& goods, double roomTemp_C) {
    std::vector<GoodsColumn> missing;
    const bool named = goods[kGoodsName].find_first_not_of(' ') != std::string::npos;
    if (!named && !Positive(goods, kGoodsAmount)) return missing; // an empty row
    if (!AmountFromText(goods[kGoodsAmount])) missing.push_back(kGoodsAmount);
    const auto tIn = TemperatureFromText(goods[kGoodsEntryTemp]);
    const auto tEnd = TemperatureFromText(goods[kGoodsEndTemp]);
    if (!tIn) missing.push_back(kGoodsEntryTemp);
    if (!tEnd) missing.push_back(kGoodsEndTemp);
    if (!tIn || !tEnd) return missing;

    auto tFreeze = TemperatureFromText(goods[kGoodsFreezingTemp]);
    const bool freezingMatters = roomTemp_C <= kHighestFreezingPoint_C || *tIn <= kHighestFreezingPoint_C;
    if (!tFreeze && freezingMatters) {
        missing.push_back(kGoodsFreezingTemp);
        return missing;
    }
    const Spans spans = GoodsSpans(*tIn, *tEnd, tFreeze.value_or(kHighestFreezingPoint_C), roomTemp_C);
    if (spans.aboveFreezing_K != 0.0 && !Positive(goods, kGoodsCpAbove)) missing.push_back(kGoodsCpAbove);
    if (spans.belowFreezing_K != 0.0 && !Positive(goods, kGoodsCpBelow)) missing.push_back(kGoodsCpBelow);
    const auto latent = Field(goods, kGoodsLatentHeat);
    if (spans.changesPhase && (!latent || *latent < 0.0)) missing.push_back(kGoodsLatentHeat);
    return missing;
}

std::vector<GoodsRowCheck> CheckGoodsGrid(const GoodsGrid& goods, double roomTemp_C) {
    std::vector<GoodsRowCheck> rows;
    for (int r = 1; r <= kGoodsGridRows; ++r) {
        const GoodsRow& row = goods[Index(r)];
        const bool named = row[kGoodsName].find_first_not_of(' ') != std::string::npos;
        if (!named && !Positive(row, kGoodsAmount)) continue;
        rows.push_back({r, r <= kGoodsRowsCounted, MissingGoodsFields(row, roomTemp_C)});
    }
    return rows;
}

} // namespace veskaro
