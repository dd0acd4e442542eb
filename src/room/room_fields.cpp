#include "room/room_fields.h"

#include <array>
#include <cmath>

#include "app/number_text.h"
#include "app/ui_texts.h"
#include "room/room_record.h"

namespace veskaro {

namespace {

struct FieldInfo {
    RoomField field;
    const char* name;
    std::string RoomRecord::*text;
    std::optional<FieldRange> range;
};

// Ranges of what a cold room can physically be: dimensions up to 1000 m, air between -60 and +80 °C,
// humidity 0 to 100 %, at most 24 h of operation a day; counts and powers from 0 to a ceiling no store
// reaches. 0 or blank where the calculation reads it as "not given".
constexpr FieldRange kDimension_m{0.01, 1000.0, true};
constexpr FieldRange kAirTemperature_C{-60.0, 80.0};
constexpr FieldRange kHumidity_pct{0.0, 100.0};
constexpr FieldRange kTemperatureDifference_K{0.0, 60.0};
constexpr FieldRange kAirChange_perh{0.0, 100.0};
constexpr FieldRange kOperatingTime_h{0.1, 24.0, true};
constexpr FieldRange kPersonHours{0.0, 2400.0}; // 100 persons all day
constexpr FieldRange kDoorOpenings{0.0, 150.0}; // the field is capped at 150
constexpr FieldRange kLighting_Wm2{0.0, 1000.0};
constexpr FieldRange kElectrical_W{0.0, 1e7};
constexpr FieldRange kDoorSize_m{0.01, 20.0, true};
constexpr FieldRange kDoorOpenTime_h{0.0, 24.0};
constexpr FieldRange kEvaporators{0.0, 100.0};
constexpr FieldRange kFanPower_W{0.0, 1e5};
constexpr FieldRange kHeaterPower_W{0.0, 1e6};
constexpr FieldRange kTimeShare_pct{0.0, 100.0};

constexpr std::array<FieldInfo, kRoomFieldCount> kFields = {{
    {RoomField::RaumL, "RaumL", &RoomRecord::RaumL, kDimension_m},
    {RoomField::RaumB, "RaumB", &RoomRecord::RaumB, kDimension_m},
    {RoomField::RaumH, "RaumH", &RoomRecord::RaumH, kDimension_m},
    {RoomField::RaumTemp, "RaumTemp", &RoomRecord::RaumTemp, kAirTemperature_C},
    {RoomField::RaumFeuchte, "RaumFeuchte", &RoomRecord::RaumFeuchte, kHumidity_pct},
    {RoomField::tempdiff, "tempdiff", &RoomRecord::tempdiff, kTemperatureDifference_K},
    {RoomField::tempDiffdt1, "tempDiffdt1", &RoomRecord::tempDiffdt1, kTemperatureDifference_K},
    {RoomField::verdTemp, "verdTemp", &RoomRecord::verdTemp, kAirTemperature_C},
    {RoomField::AussenTemp, "AussenTemp", &RoomRecord::AussenTemp, kAirTemperature_C},
    {RoomField::AussenFeuchte, "AussenFeuchte", &RoomRecord::AussenFeuchte, kHumidity_pct},
    {RoomField::Laufzeit, "Laufzeit", &RoomRecord::Laufzeit, kOperatingTime_h},
    {RoomField::PersZahl, "PersZahl", &RoomRecord::PersZahl, kPersonHours},
    {RoomField::ELLeist, "ELLeist", &RoomRecord::ELLeist, kLighting_Wm2},
    {RoomField::Eltotal, "Eltotal", &RoomRecord::Eltotal, kElectrical_W},
    {RoomField::NBegeh, "NBegeh", &RoomRecord::NBegeh, kDoorOpenings},
    {RoomField::RaumLW, "RaumLW", &RoomRecord::RaumLW, kAirChange_perh},
    {RoomField::LWTuer, "LWTuer", &RoomRecord::LWTuer, kAirChange_perh},
    {RoomField::bTuer, "bTuer", &RoomRecord::bTuer, kDoorSize_m},
    {RoomField::hTuer, "hTuer", &RoomRecord::hTuer, kDoorSize_m},
    {RoomField::oeffungsZ, "oeffungsZ", &RoomRecord::oeffungsZ, kDoorOpenTime_h},
    {RoomField::LWergeb, "LWergeb", &RoomRecord::LWergeb, kAirChange_perh},
    {RoomField::AnzVerd, "AnzVerd", &RoomRecord::AnzVerd, kEvaporators},
    {RoomField::PlueftPN, "PlueftPN", &RoomRecord::PlueftPN, kFanPower_W},
    {RoomField::Abtau, "Abtau", &RoomRecord::Abtau, kHeaterPower_W},
    {RoomField::AbtauAnt, "AbtauAnt", &RoomRecord::AbtauAnt, kTimeShare_pct},
    {RoomField::proj, "proj", &RoomRecord::proj, std::nullopt},
    {RoomField::projbeschr, "projbeschr", &RoomRecord::projbeschr, std::nullopt},
}};

const FieldInfo& Info(RoomField field) {
    return kFields[static_cast<std::size_t>(field)];
}

constexpr RoomTextItem Item(RoomField field) {
    return {kFields[static_cast<std::size_t>(field)].name, kFields[static_cast<std::size_t>(field)].text};
}

// The record file's text items in file order; the evaporator name is a label, not an edited field.
constexpr std::array<RoomTextItem, 26> kStoredItems = {{
    Item(RoomField::RaumL),         Item(RoomField::RaumB),       Item(RoomField::RaumH),
    Item(RoomField::RaumTemp),      Item(RoomField::RaumFeuchte), Item(RoomField::AussenTemp),
    Item(RoomField::AussenFeuchte), Item(RoomField::RaumLW),      Item(RoomField::Laufzeit),
    Item(RoomField::PersZahl),      Item(RoomField::NBegeh),      Item(RoomField::ELLeist),
    Item(RoomField::tempdiff),      Item(RoomField::verdTemp),    {"VerdNam", &RoomRecord::VerdNam},
    Item(RoomField::PlueftPN),      Item(RoomField::Abtau),       Item(RoomField::AbtauAnt),
    Item(RoomField::AnzVerd),       Item(RoomField::proj),        Item(RoomField::projbeschr),
    Item(RoomField::LWTuer),        Item(RoomField::bTuer),       Item(RoomField::hTuer),
    Item(RoomField::oeffungsZ),     Item(RoomField::Eltotal),
}};

// Display form without its leading blank.
std::string NumberWithoutBlank(double value) {
    std::string text = DisplayText(value);
    return text.front() == ' ' ? text.substr(1) : text;
}

} // namespace

const char* RoomFieldName(RoomField field) {
    return Info(field).name;
}

std::string& FieldText(RoomRecord& room, RoomField field) {
    return room.*(Info(field).text);
}

const std::string& FieldText(const RoomRecord& room, RoomField field) {
    return room.*(Info(field).text);
}

bool IsFreeTextField(RoomField field) {
    return field == RoomField::proj || field == RoomField::projbeschr;
}

std::optional<FieldRange> RoomFieldRange(RoomField field) {
    return Info(field).range;
}

std::optional<FieldRange> GoodsColumnRange(int column) {
    constexpr FieldRange kAmount_kgday{0.0, 1e7};
    constexpr FieldRange kGoodsTemperature_C{-60.0, 100.0};
    constexpr FieldRange kSpecificHeat_kJkgK{0.0, 10.0};
    constexpr FieldRange kPerKilogram_kJkg{0.0, 1000.0}; // latent heat, respiration heat per day
    switch (column) {
    case kGoodsAmount:
        return kAmount_kgday;
    case kGoodsEntryTemp:
    case kGoodsEndTemp:
    case kGoodsStorageTemp:
    case kGoodsFreezingTemp:
        return kGoodsTemperature_C;
    case kGoodsStorageHumidity:
        return kHumidity_pct;
    case kGoodsCpAbove:
    case kGoodsCpBelow:
        return kSpecificHeat_kJkgK;
    case kGoodsLatentHeat:
    case kGoodsRespiration:
        return kPerKilogram_kJkg;
    default:
        return std::nullopt;
    }
}

std::string FieldRangeText(const FieldRange& range, std::string_view languageCode) {
    const std::string span = UiText(UiTextId::RangeSpan, languageCode,
                                    {NumberWithoutBlank(range.min), NumberWithoutBlank(range.max)});
    return range.zeroIsNotGiven ? UiText(UiTextId::RangeZeroNotGiven, languageCode, {span}) : span;
}

std::string RangeWarning::shownName(std::string_view languageCode) const {
    if (field || goodsRow == 0) return name;
    return UiText(UiTextId::GoodsCellName, languageCode,
                  {std::to_string(goodsRow), std::to_string(goodsColumn)});
}

std::string RangeWarning::text(std::string_view languageCode) const {
    if (missing) return UiText(UiTextId::ValueMissing, languageCode, {shownName(languageCode)});
    return UiText(UiTextId::ValueOutsideRange, languageCode,
                  {shownName(languageCode), NumberWithoutBlank(value), NumberWithoutBlank(min),
                   NumberWithoutBlank(max)});
}

namespace {

// NumFromText never gives a non-finite value; the check still refuses one from any other source.
bool InRange(double value, const FieldRange& range) {
    return std::isfinite(value) && range.contains(value);
}

std::string GoodsCellName(int row, int column) {
    return "goods row " + std::to_string(row) + " column " + std::to_string(column);
}

} // namespace

RoomFieldValues ReadRoomFieldValues(const RoomRecord& room) {
    RoomFieldValues values{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].range) values[i] = NumFromText(std::string_view(room.*(kFields[i].text)));
    }
    return values;
}

RangeWarnings CheckRoomRanges(const RoomFieldValues& values) {
    RangeWarnings warnings;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const FieldInfo& info = kFields[i];
        if (info.range && !InRange(values[i], *info.range))
            warnings.push_back({info.field, 0, 0, info.name, values[i], info.range->min, info.range->max});
    }
    return warnings;
}

RangeWarnings CheckRoomRanges(const RoomRecord& room) {
    return CheckRoomRanges(ReadRoomFieldValues(room));
}

void CheckGoodsCell(int row, int column, double value, RangeWarnings& warnings) {
    const std::optional<FieldRange> range = GoodsColumnRange(column);
    if (!range || InRange(value, *range)) return;
    warnings.push_back(
        {std::nullopt, row, column, GoodsCellName(row, column), value, range->min, range->max});
}

RangeWarning MissingGoodsCell(int row, int column) {
    RangeWarning warning{std::nullopt, row, column, GoodsCellName(row, column)};
    warning.missing = true;
    return warning;
}

std::span<const RoomTextItem> StoredRoomTextItems() {
    return kStoredItems;
}

} // namespace veskaro
