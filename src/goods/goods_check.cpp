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

GoodsRowValues ReadGoodsRowValues(const GoodsRow& goods, const GoodsRowNumbers& n) {
    GoodsRowValues v;
    // A cell's number counts when its text starts with one and it is finite (overflow reads as DBL_MAX).
    const auto usable = [&goods](GoodsColumn column, double number) -> std::optional<double> {
        if (!StartsWithNumber(goods[Index(column)]) || !std::isfinite(number) || std::fabs(number) >= DBL_MAX)
            return std::nullopt;
        return number;
    };
    const auto amount = usable(kGoodsAmount, n.amount_kgday);
    const bool named = goods[kGoodsName].find_first_not_of(' ') != std::string::npos;
    v.empty = !named && !(amount && *amount > 0.0);
    if (v.empty) return v;
    const auto temperature = [&](GoodsColumn column, double number) {
        return InRange(usable(column, number), kAbsoluteZero_C, kMaxGoodsTemperature_C);
    };
    v.amount_kgday = amount && *amount > 0.0 ? InRange(amount, 0.0, kMaxAmount_kgday) : std::nullopt;
    v.tIn_C = temperature(kGoodsEntryTemp, n.tIn_C);
    v.tEnd_C = temperature(kGoodsEndTemp, n.tEnd_C);
    v.tFreeze_C = temperature(kGoodsFreezingTemp, n.tFreeze_C);
    v.cpAbove_kJkgK = InRange(usable(kGoodsCpAbove, n.cpAbove_kJkgK), DBL_TRUE_MIN, DBL_MAX);
    v.cpBelow_kJkgK = InRange(usable(kGoodsCpBelow, n.cpBelow_kJkgK), DBL_TRUE_MIN, DBL_MAX);
    v.latent_kJkg = InRange(usable(kGoodsLatentHeat, n.latent_kJkg), 0.0, DBL_MAX);
    return v;
}

GoodsRowValues ReadGoodsRowValues(const GoodsRow& goods) {
    const auto number = [&goods](GoodsColumn column) { return NumFromText(goods[Index(column)]); };
    return ReadGoodsRowValues(goods, {number(kGoodsAmount), number(kGoodsEntryTemp), number(kGoodsEndTemp),
                                      number(kGoodsFreezingTemp), number(kGoodsCpAbove),
                                      number(kGoodsCpBelow), number(kGoodsLatentHeat)});
}

std::vector<GoodsColumn> MissingGoodsFields(const GoodsRowValues& v, double roomTemp_C) {
    std::vector<GoodsColumn> missing;
    if (v.empty) return missing;
    if (!v.amount_kgday) missing.push_back(kGoodsAmount);
    if (!v.tIn_C) missing.push_back(kGoodsEntryTemp);
    if (!v.tEnd_C) missing.push_back(kGoodsEndTemp);
    if (!v.tIn_C || !v.tEnd_C) return missing;

    const bool freezingMatters = roomTemp_C <= kHighestFreezingPoint_C || *v.tIn_C <= kHighestFreezingPoint_C;
    if (!v.tFreeze_C && freezingMatters) {
        missing.push_back(kGoodsFreezingTemp);
        return missing;
    }
    const Spans spans =
        GoodsSpans(*v.tIn_C, *v.tEnd_C, v.tFreeze_C.value_or(kHighestFreezingPoint_C), roomTemp_C);
    if (spans.aboveFreezing_K != 0.0 && !v.cpAbove_kJkgK) missing.push_back(kGoodsCpAbove);
    if (spans.belowFreezing_K != 0.0 && !v.cpBelow_kJkgK) missing.push_back(kGoodsCpBelow);
    if (spans.changesPhase && !v.latent_kJkg) missing.push_back(kGoodsLatentHeat);
    return missing;
}

std::vector<GoodsColumn> MissingGoodsFields(const GoodsRow& goods, double roomTemp_C) {
    return MissingGoodsFields(ReadGoodsRowValues(goods), roomTemp_C);
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
