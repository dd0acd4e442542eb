#include "room/field_hints.h"

#include <array>

#include "app/ui_texts.h"
#include "goods/goods_grid.h"

namespace veskaro {

namespace {

// In the order of RoomField.
constexpr std::array<UiTextId, kRoomFieldCount> kFieldHints = {{
    UiTextId::HintRoomLength,
    UiTextId::HintRoomWidth,
    UiTextId::HintRoomHeight,
    UiTextId::HintRoomTemperature,
    UiTextId::HintRoomHumidity,
    UiTextId::HintRoomToEvaporating,
    UiTextId::HintCoolerDifference,
    UiTextId::HintEvaporatingTemperature,
    UiTextId::HintOutsideTemperature,
    UiTextId::HintOutsideHumidity,
    UiTextId::HintOperatingTime,
    UiTextId::HintPersons,
    UiTextId::HintLighting,
    UiTextId::HintOtherPower,
    UiTextId::HintDoorOpenings,
    UiTextId::HintAirChange,
    UiTextId::HintDoorAirChange,
    UiTextId::HintDoorWidth,
    UiTextId::HintDoorHeight,
    UiTextId::HintDoorOpenTime,
    UiTextId::HintDoorAirChangeComputed,
    UiTextId::HintEvaporatorCount,
    UiTextId::HintFanPower,
    UiTextId::HintDefrostPower,
    UiTextId::HintDefrostShare,
    UiTextId::HintProjectName,
    UiTextId::HintProjectDescription,
}};

// Goods grid columns 1 to 12.
constexpr std::array<UiTextId, kGoodsRespiration> kGoodsHints = {{
    UiTextId::HintGoodsName,
    UiTextId::HintGoodsAmount,
    UiTextId::HintGoodsEntryTemperature,
    UiTextId::HintGoodsFinalTemperature,
    UiTextId::HintGoodsStorageTemperature,
    UiTextId::HintGoodsStorageHumidity,
    UiTextId::HintGoodsStorageLife,
    UiTextId::HintGoodsFreezingTemperature,
    UiTextId::HintGoodsHeatAbove,
    UiTextId::HintGoodsHeatBelow,
    UiTextId::HintGoodsLatentHeat,
    UiTextId::HintGoodsRespiration,
}};

std::string Compose(UiTextId hint, const std::optional<FieldRange>& range, std::string_view languageCode) {
    const std::string_view meaning = UiText(hint, languageCode);
    if (!range) return std::string(meaning);
    return UiText(UiTextId::HintWithRange, languageCode, {meaning, FieldRangeText(*range, languageCode)});
}

} // namespace

std::string RoomFieldHint(RoomField field, std::string_view languageCode) {
    const auto index = static_cast<std::size_t>(field);
    return index < kFieldHints.size() ? Compose(kFieldHints[index], RoomFieldRange(field), languageCode)
                                      : std::string();
}

std::string GoodsColumnHint(int column, std::string_view languageCode) {
    if (column < kGoodsName || column > kGoodsRespiration) return {};
    return Compose(kGoodsHints[static_cast<std::size_t>(column - 1)], GoodsColumnRange(column), languageCode);
}

} // namespace veskaro
