#pragma once
// The text fields of the room record: their names as the window's controls are named, where each one is
// kept in the record, and the physical range of each number field.

#include <optional>
#include <span>
#include <string>

namespace veskaro {

struct RoomRecord;

// The text fields of the main window that belong to the room record.
enum class RoomField : int {
    RaumL,
    RaumB,
    RaumH,
    RaumTemp,
    RaumFeuchte,
    tempdiff,
    tempDiffdt1,
    verdTemp,
    AussenTemp,
    AussenFeuchte,
    Laufzeit,
    PersZahl,
    ELLeist,
    Eltotal,
    NBegeh,
    RaumLW,
    LWTuer,
    bTuer,
    hTuer,
    oeffungsZ,
    LWergeb,
    AnzVerd,
    PlueftPN,
    Abtau,
    AbtauAnt,
    proj,
    projbeschr,
};
inline constexpr int kRoomFieldCount = static_cast<int>(RoomField::projbeschr) + 1;

// The name of a field, as the window's control is named.
const char* RoomFieldName(RoomField field);
std::string& FieldText(RoomRecord& room, RoomField field);
const std::string& FieldText(const RoomRecord& room, RoomField field);
// Free-text fields (project name and description) commit without a calculation.
bool IsFreeTextField(RoomField field);

// One text item of the room record file: its name and where the record keeps it. Fields the window edits
// and labels it only shows (the chosen evaporator `VerdNam`) alike.
struct RoomTextItem {
    const char* name;
    std::string RoomRecord::*text;
};
// The text items of the record file in the order of the file (items 1-8, 10-22, 25-29).
std::span<const RoomTextItem> StoredRoomTextItems();

} // namespace veskaro
