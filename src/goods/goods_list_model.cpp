#include "goods/goods_list_model.h"

#include <cmath>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "goods/goods_check.h"
#include "goods/goods_list.h"
#include "goods/product_groups.h"

namespace veskaro {

namespace {

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

constexpr std::string_view kNoStorageTemp = " - ";
constexpr std::string_view kNoValue = " -";

// The input checks of an insert, in the order the user meets the fields.
std::optional<GoodsMessage> CheckInput(const InsertInput& input) {
    if (!AmountFromText(input.amount)) return AmountMessage();
    if (!TemperatureFromText(input.entryTemp)) return EntryTemperatureMessage();
    if (!TemperatureFromText(input.endTemp)) return EndTemperatureMessage();
    return std::nullopt;
}

// A number typed with a decimal comma is kept with a period, as the number text rule rewrites it.
std::string Normalised(std::string text) {
    NormalizeAndReadNumber(text);
    return text;
}

} // namespace

const std::array<ColumnHeader, kGoodsGridColumns>& GoodsListHeaders() {
    constexpr int kPropertyWidth = 1500;
    static const std::array<ColumnHeader, kGoodsGridColumns> headers = {{
        {450, {}},
        {2500, {Word(Cap::ProductWord)}},
        {1200, {Word(Cap::AmountWord), Joint(" /[kg/"), Word(Cap::DayWord), Joint("]")}},
        {1500,
         {Word(Cap::EntryTemperatureOfWord), Joint(" "), Word(Cap::ProductWord), Joint(" /["),
          TemperatureUnit(), Joint("]")}},
        {1500,
         {Word(Cap::EndTemperatureOfWord), Joint(" "), Word(Cap::ProductWord), Joint(" /["),
          TemperatureUnit(), Joint("]")}},
        {1600,
         {Word(Cap::StorageWord), Joint(" "), Word(Cap::TemperatureWord), Joint(" /["), TemperatureUnit(),
          Joint("]")}},
        {1600, {Word(Cap::StorageWord), Joint(" "), Word(Cap::HumidityWord), Joint(" /[%]")}},
        {kPropertyWidth, {}},
        {kPropertyWidth, {}},
        {kPropertyWidth, {}},
        {kPropertyWidth, {}},
        {kPropertyWidth, {}},
        {kPropertyWidth, {}},
        {kPropertyWidth, {}},
    }};
    return headers;
}

std::string ProposedAmount(std::string_view loadingDensity, std::string_view roomVolume,
                           std::string_view turnover) {
    const std::string_view percent = turnover.empty() ? turnover : turnover.substr(0, turnover.size() - 1);
    const double amount =
        NumFromText(loadingDensity) * NumFromText(roomVolume) * (NumFromText(percent) / 100.0);
    if (!std::isfinite(amount) || amount < 0.0) return DisplayText(0.0);
    return DisplayText(amount);
}

GoodsRow ProductEntry(const CatalogueRow& product, const InsertInput& input) {
    GoodsRow entry{};
    entry[kGoodsName] = product[kCatName];
    entry[kGoodsAmount] = Normalised(input.amount);
    entry[kGoodsEntryTemp] = Normalised(input.entryTemp);
    entry[kGoodsEndTemp] = Normalised(input.endTemp);
    // Catalogue columns 2..9 are goods fields 5..12 in the same order.
    for (int c = kCatStorageTemp; c <= kCatRespiration; ++c)
        entry[Index(c + kGoodsStorageTemp - kCatStorageTemp)] = product[Index(c)];
    return entry;
}

GoodsRow GroupEntry(const CaptionTable& captions, std::string_view groupName, const InsertInput& input) {
    GoodsRow entry{};
    entry[kGoodsName] = std::string(groupName);
    entry[kGoodsAmount] = Normalised(input.amount);
    entry[kGoodsEntryTemp] = Normalised(input.entryTemp);
    entry[kGoodsEndTemp] = input.endTemp;
    entry[kGoodsStorageTemp] = kNoStorageTemp;
    entry[kGoodsStorageHumidity] = kNoValue;
    entry[kGoodsStorageLife] = kNoValue;
    entry[kGoodsRespiration] = kNoValue;
    if (const auto defaults = DefaultsOfGroup(GroupNumberFromName(captions, groupName))) {
        entry[kGoodsFreezingTemp] = DisplayText(defaults->freezingPoint_C);
        entry[kGoodsCpAbove] = DisplayText(defaults->cpAbove_kJkgK);
        entry[kGoodsCpBelow] = DisplayText(defaults->cpBelow_kJkgK);
        entry[kGoodsLatentHeat] = DisplayText(defaults->latentHeat_kJkg);
    }
    return entry;
}

void GoodsListModel::load(const AppContext& ctx) {
    clear();
    RecordReader in = OpenInput(ctx, kGoodsListFile);
    while (!in.atEnd() && m_nextFreeRow <= kGoodsGridRows) {
        GoodsRow& row = m_grid[Index(m_nextFreeRow++)];
        for (int f = 1; f <= kGoodsEntryFields; ++f)
            in.next(row[Index(f)]);
    }
}

WriteStatus GoodsListModel::save(const AppContext& ctx) const {
    return WriteGoodsList(ctx, m_grid);
}

InsertResult GoodsListModel::insertProduct(const CatalogueRow& product, const InsertInput& input) {
    if (IsBlankName(product[kCatName])) return {};
    return append(ProductEntry(product, input), input);
}

InsertResult GoodsListModel::insertGroup(const CaptionTable& captions, std::string_view groupName,
                                         const InsertInput& input) {
    return append(GroupEntry(captions, groupName, input), input);
}

void GoodsListModel::clear() {
    for (GoodsRow& row : m_grid)
        for (int f = 1; f <= kGoodsEntryFields; ++f)
            row[Index(f)].clear();
    m_nextFreeRow = 1;
}

InsertResult GoodsListModel::append(const GoodsRow& entry, const InsertInput& input) {
    if (m_nextFreeRow > kGoodsGridRows) return {false, ListFullMessage()};
    if (auto message = CheckInput(input)) return {false, std::move(message)};
    GoodsRow& row = m_grid[Index(m_nextFreeRow)];
    for (int f = 1; f <= kGoodsEntryFields; ++f)
        row[Index(f)] = entry[Index(f)];
    ++m_nextFreeRow;
    return {true, std::nullopt};
}

} // namespace veskaro
