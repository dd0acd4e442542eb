#pragma once
// Messages of the goods dialog as data: caption words joined by blanks, then a fixed ending, with the
// field that takes the focus afterwards. The dialog composes and shows them.

#include <string>
#include <string_view>
#include <vector>

#include "app/caption_slots.h"
#include "app/message.h"
#include "goods/goods_check.h"

namespace veskaro {

class CaptionTable;

enum class InsertField { None, Amount, EntryTemperature, EndTemperature };

struct GoodsMessage {
    MessageKind kind = MessageKind::Exclamation;
    std::vector<Cap> words;      // joined by single blanks
    std::string_view ending;     // appended to the words as it stands
    std::vector<Cap> titleWords; // joined by single blanks
    InsertField focus = InsertField::None;

    bool operator==(const GoodsMessage&) const = default;
};

// The message box as shown: text and title from the caption table.
Message ComposeMessage(const GoodsMessage& message, const CaptionTable& captions);

// "Amount = 0 !": the amount is missing, not positive or not a number of sensible size.
GoodsMessage AmountMessage();
// "Entry temperature of Product = 0 !": the entry temperature is blank or not a temperature.
GoodsMessage EntryTemperatureMessage();
// "End temperature of Product = 0 !": the end temperature is not a temperature.
GoodsMessage EndTemperatureMessage();
// "Goods list = max. 50 !": the list is full; the insert is refused.
GoodsMessage ListFullMessage();
// "Product list - delete all entries ?" (Yes/No), titled "Goods - clear list".
GoodsMessage ClearListQuestion();

// The note under a catalogue whose files hold more than 50 products: the first 50 are shown, the others
// stay in the group's files, untouched by edits and written back as they were.
std::string RestNotShownNote(const CaptionTable& captions, int group, std::string_view languageCode);

// The result panel's lines about the main window's goods grid: one for each counted row that misses a
// field its temperatures need (it would add nothing for that part of its heat), and one naming the rows
// beyond the counted ones that hold goods but are not counted.
std::vector<std::string> GoodsGridWarnings(const CaptionTable& captions, const GoodsGrid& goods,
                                           const std::vector<GoodsRowCheck>& checks);

} // namespace veskaro
