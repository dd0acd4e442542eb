// Caption table: loading "Caption." & language code into the caption slots.

#include "app/captions.h"

#include "app/app_context.h"
#include "app/record_file.h"

namespace veskaro {

namespace {
const std::string kNoCaption;
} // namespace

const std::string& CaptionTable::array(int index) const {
    if (index < 1 || index > kCaptionArraySize) return kNoCaption;
    return m_slots[static_cast<std::size_t>(kCaptionArrayFirstSlot - 1) + static_cast<std::size_t>(index)];
}

void ReadCaptions(RecordReader reader, CaptionTable& table) {
    // The file holds the slots in their order: 96 individual slots, the 61 array entries, 118 individual
    // slots. Strings beyond the last slot are not read; slots the file does not reach stay empty.
    table.m_slots.fill(std::string());
    for (std::string& slot : table.m_slots) {
        if (!reader.read(slot)) break;
    }
    table.units = UnitLabels{};
}

void LoadCaptions(AppContext& ctx) {
    ReadCaptions(OpenInput(ctx, "Caption." + ctx.languageCode), ctx.captions);
}

} // namespace veskaro
