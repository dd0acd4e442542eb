#include "room/field_hints.h"

#include <array>

#include "goods/goods_grid.h"

namespace veskaro {

namespace {

struct Hint {
    const char* meaning;
    const char* unit; // "" for a count or free text
};

// In the order of RoomField.
constexpr std::array<Hint, kRoomFieldCount> kFieldHints = {{
    {"Room length", "m"},
    {"Room width", "m"},
    {"Room height", "m"},
    {"Room air temperature", "°C"},
    {"Relative humidity of the room air", "%"},
    {"Temperature difference room air to evaporating temperature", "K"},
    {"Temperature difference of the air cooler (air inlet to evaporating)", "K"},
    {"Evaporating temperature", "°C"},
    {"Outside air temperature", "°C"},
    {"Relative humidity of the outside air", "%"},
    {"Daily operating time of the refrigeration", "h"},
    {"Presence of persons in the room", "person-hours per day"},
    {"Lighting power per floor area", "W/m²"},
    {"Other electrical power in the room", "W"},
    {"Door openings per day", ""},
    {"Air change rate of the room", "1/h"},
    {"Air change through the door", "1/h"},
    {"Door width", "m"},
    {"Door height", "m"},
    {"Time the door stands open per day", "h"},
    {"Door air change computed from the door", "1/h"},
    {"Number of evaporators (0 counts as 1)", ""},
    {"Fan power per evaporator", "W"},
    {"Defrost heater power per evaporator", "W"},
    {"Defrost time share", "%"},
    {"Project name", ""},
    {"Project description", ""},
}};

constexpr std::array<Hint, kGoodsRespiration + 1> kGoodsHints = {{
    {"", ""},
    {"Product or product group", ""},
    {"Amount brought in per day", "kg/day"},
    {"Entry temperature of the goods", "°C"},
    {"Final temperature of the goods", "°C"},
    {"Storage temperature", "°C"},
    {"Storage humidity", "%"},
    {"Storage life", ""},
    {"Freezing temperature", "°C"},
    {"Specific heat above freezing", "kJ/(kg K)"},
    {"Specific heat below freezing", "kJ/(kg K)"},
    {"Latent heat of freezing", "kJ/kg"},
    {"Respiration heat", "kJ/(kg day)"},
}};

std::string Compose(const Hint& hint, const std::optional<FieldRange>& range) {
    std::string text = hint.meaning;
    if (*hint.unit != '\0') text += std::string(", ") + hint.unit;
    if (range) text += ". Range: " + FieldRangeText(*range);
    return text;
}

} // namespace

std::string RoomFieldHint(RoomField field) {
    const auto index = static_cast<std::size_t>(field);
    return index < kFieldHints.size() ? Compose(kFieldHints[index], RoomFieldRange(field)) : std::string();
}

std::string GoodsColumnHint(int column) {
    if (column < kGoodsName || column > kGoodsRespiration) return {};
    return Compose(kGoodsHints[static_cast<std::size_t>(column)], GoodsColumnRange(column));
}

} // namespace veskaro
