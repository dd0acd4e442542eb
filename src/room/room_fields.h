#pragma once
// The text fields of the room record: their names as the window's controls are named, where each one is
// kept in the record, and the physical range of each number field.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The physical range of a number field. A value outside it (or not finite) makes a result untrustworthy.
// `zeroIsNotGiven`: 0 (or a blank field) means "not given" and is accepted; the calculation then takes its
// default or leaves the component out.
struct FieldRange {
    double min = 0.0;
    double max = 0.0;
    bool zeroIsNotGiven = false;
    bool contains(double value) const {
        return (zeroIsNotGiven && value == 0.0) || (value >= min && value <= max);
    }
};
// The range of a room field; nothing for free-text fields.
std::optional<FieldRange> RoomFieldRange(RoomField field);
// The range of goods grid column 2..12 (see GoodsColumn); nothing for the name and the storage life.
std::optional<FieldRange> GoodsColumnRange(int column);
// The range as a tool tip or warning states it in the language `languageCode`: "-60 to 80",
// "0 (not given) or 0.1 to 24".
std::string FieldRangeText(const FieldRange& range, std::string_view languageCode = "ENG");

// A value outside its range: the room field, or goods row and column (field empty then).
struct RangeWarning {
    std::optional<RoomField> field;
    int goodsRow = 0;    // 1..20 for a goods cell
    int goodsColumn = 0; // 2..12 for a goods cell
    std::string name;    // "RaumTemp", "goods row 3 column 4"
    double value = 0.0;
    double min = 0.0;
    double max = 0.0;
    bool missing = false; // a goods field the row needs is blank or no usable number
    // The value named by its field, or "goods row 3 column 4" in the language `languageCode`.
    std::string shownName(std::string_view languageCode = "ENG") const;
    // "RaumTemp = 120 is outside -60 to 80", "goods row 3 column 4 is missing"
    std::string text(std::string_view languageCode = "ENG") const;
};
using RangeWarnings = std::vector<RangeWarning>;

// The number of every room field that has a range (0 for the others), read once, index = RoomField.
using RoomFieldValues = std::array<double, kRoomFieldCount>;
RoomFieldValues ReadRoomFieldValues(const RoomRecord& room);
// The warnings of every room field outside its range.
RangeWarnings CheckRoomRanges(const RoomFieldValues& values);
RangeWarnings CheckRoomRanges(const RoomRecord& room);
// Adds a warning when the value of goods cell (row, column) lies outside the column's range.
void CheckGoodsCell(int row, int column, double value, RangeWarnings& warnings);
// The warning that goods cell (row, column) holds no usable value although the row needs one.
RangeWarning MissingGoodsCell(int row, int column);

// One text item of the room record file: its name and where the record keeps it. Fields the window edits
// and labels it only shows (the chosen evaporator `VerdNam`) alike.
struct RoomTextItem {
    const char* name;
    std::string RoomRecord::*text;
};
// The text items of the record file in the order of the file (items 1-8, 10-22, 25-29).
std::span<const RoomTextItem> StoredRoomTextItems();

} // namespace veskaro
