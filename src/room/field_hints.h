#pragma once
// The tool tips of the room fields and the goods grid columns: what a value means, its unit and the range
// the calculation accepts.

#include <string>
#include <string_view>

#include "room/room_fields.h"

namespace veskaro {

// "Room height, m. Range: 0 (not given) or 0.01 to 1000" in the language `languageCode`. Free-text fields
// have no range line.
std::string RoomFieldHint(RoomField field, std::string_view languageCode);
// The same for goods grid column 1..12; "" for any other column.
std::string GoodsColumnHint(int column, std::string_view languageCode);

} // namespace veskaro
