#include "room/room_fields.h"

#include <array>

#include "room/room_record.h"

namespace veskaro {

namespace {

struct FieldInfo {
    RoomField field;
    const char* name;
    std::string RoomRecord::*text;
};

constexpr std::array<FieldInfo, kRoomFieldCount> kFields = {{
    {RoomField::RaumL, "RaumL", &RoomRecord::RaumL},
    {RoomField::RaumB, "RaumB", &RoomRecord::RaumB},
    {RoomField::RaumH, "RaumH", &RoomRecord::RaumH},
    {RoomField::RaumTemp, "RaumTemp", &RoomRecord::RaumTemp},
    {RoomField::RaumFeuchte, "RaumFeuchte", &RoomRecord::RaumFeuchte},
    {RoomField::tempdiff, "tempdiff", &RoomRecord::tempdiff},
    {RoomField::tempDiffdt1, "tempDiffdt1", &RoomRecord::tempDiffdt1},
    {RoomField::verdTemp, "verdTemp", &RoomRecord::verdTemp},
    {RoomField::AussenTemp, "AussenTemp", &RoomRecord::AussenTemp},
    {RoomField::AussenFeuchte, "AussenFeuchte", &RoomRecord::AussenFeuchte},
    {RoomField::Laufzeit, "Laufzeit", &RoomRecord::Laufzeit},
    {RoomField::PersZahl, "PersZahl", &RoomRecord::PersZahl},
    {RoomField::ELLeist, "ELLeist", &RoomRecord::ELLeist},
    {RoomField::Eltotal, "Eltotal", &RoomRecord::Eltotal},
    {RoomField::NBegeh, "NBegeh", &RoomRecord::NBegeh},
    {RoomField::RaumLW, "RaumLW", &RoomRecord::RaumLW},
    {RoomField::LWTuer, "LWTuer", &RoomRecord::LWTuer},
    {RoomField::bTuer, "bTuer", &RoomRecord::bTuer},
    {RoomField::hTuer, "hTuer", &RoomRecord::hTuer},
    {RoomField::oeffungsZ, "oeffungsZ", &RoomRecord::oeffungsZ},
    {RoomField::LWergeb, "LWergeb", &RoomRecord::LWergeb},
    {RoomField::AnzVerd, "AnzVerd", &RoomRecord::AnzVerd},
    {RoomField::PlueftPN, "PlueftPN", &RoomRecord::PlueftPN},
    {RoomField::Abtau, "Abtau", &RoomRecord::Abtau},
    {RoomField::AbtauAnt, "AbtauAnt", &RoomRecord::AbtauAnt},
    {RoomField::proj, "proj", &RoomRecord::proj},
    {RoomField::projbeschr, "projbeschr", &RoomRecord::projbeschr},
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

std::span<const RoomTextItem> StoredRoomTextItems() {
    return kStoredItems;
}

} // namespace veskaro
