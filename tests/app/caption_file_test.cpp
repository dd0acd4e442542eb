// The English caption file shipped with the program: its byte form and its fit to the slot table.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/caption_slots.h"
#include "app/record_file.h"

namespace veskaro {
namespace {

TEST(CaptionFile, OneQuotedCp1252StringPerSlotReserveSlotsEmpty) {
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(std::string(VESKARO_SEED_DIR) + "/Caption.ENG", bytes));
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "last line not ended by CR LF";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        SCOPED_TRACE("byte offset " + std::to_string(i));
        EXPECT_TRUE(byte >= 0x20 || byte == '\r' || byte == '\n') << "control character";
        // Code points that CP1252 leaves undefined.
        EXPECT_TRUE(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D);
        // A UTF-8 lead byte followed by a continuation byte: the file was saved as UTF-8 ("°" would show as
        // two characters in the windows).
        const auto next = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        EXPECT_FALSE(byte >= 0xC2 && byte <= 0xF4 && next >= 0x80 && next <= 0xBF) << "UTF-8 sequence";
    }
    std::vector<std::string> texts; // one line per slot, split at CR LF only
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string line = bytes.substr(start, end - start);
        SCOPED_TRACE("slot " + std::to_string(texts.size()) + ": " + line);
        ASSERT_GE(line.size(), 2u);
        EXPECT_TRUE(line.front() == '"' && line.back() == '"');
        EXPECT_EQ(line.find_first_of("\"\r\n", 1), line.size() - 1) << "quote, lone CR or LF inside";
        texts.push_back(line.substr(1, line.size() - 2));
        EXPECT_EQ(texts.back().empty(), IsSpareCaptionSlot(static_cast<int>(texts.size()) - 1))
            << "a reserve slot holds text or a caption is missing: lines shifted?";
    }
    ASSERT_EQ(static_cast<int>(texts.size()), kCaptionSlotCount);

    // Captions the program joins with a blank read as one English phrase; this also pins the three groups
    // of the file to their enumerators.
    const auto text = [&](Cap slot) { return texts[static_cast<std::size_t>(slot)]; };
    const struct {
        Cap first, second;
        const char* phrase;
    } pairs[] = {
        {Cap::RoomWord, Cap::TemperatureWord, "Room temperature"},
        {Cap::OutsideWord, Cap::HumidityWord, "Outside humidity"},
        {Cap::GoodsWord, Cap::EndTemperatureWord, "Goods end temperature"},
        {Cap::MenuOpenProjectVerb, Cap::ProjectWord, "Open project"},
        {Cap::EvaporatorWord, Cap::DesignWord, "Evaporator design"},
        {Cap::StorageWord, Cap::TemperatureWord, "Storage temperature"},
        {Cap::UValueTitleWord, Cap::UValueWord, "Construction U-value"},
    };
    for (const auto& pair : pairs)
        EXPECT_EQ(text(pair.first) + " " + text(pair.second), pair.phrase);
    EXPECT_EQ(text(CaptionArraySlot(1)), "Length");
    EXPECT_EQ(text(Cap::WallDialogTitle), "Walls, floor and ceiling");
}

} // namespace
} // namespace veskaro
