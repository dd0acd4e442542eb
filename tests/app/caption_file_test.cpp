// The caption files shipped with the program: their byte form, their fit to the slot table in every
// language, and the words the program joins.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/caption_slots.h"
#include "app/captions.h"
#include "app/languages.h"
#include "app/record_file.h"

namespace veskaro {
namespace {

// The quoted strings of a caption file, one per CR LF line, after checking the bytes: CP1252 without
// control characters or undefined code points, not UTF-8 (a "°" saved as UTF-8 shows as two characters).
std::vector<std::string> CaptionLines(const std::string& code) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(std::string(VESKARO_SEED_DIR) + "/Caption." + code, bytes));
    EXPECT_TRUE(bytes.ends_with("\r\n")) << "last line not ended by CR LF";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const auto next = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        const bool bad = (byte < 0x20 && byte != '\r' && byte != '\n') || byte == 0x81 || byte == 0x8D ||
                         byte == 0x8F || byte == 0x90 || byte == 0x9D ||
                         (byte >= 0xC2 && byte <= 0xF4 && next >= 0x80 && next <= 0xBF);
        EXPECT_FALSE(bad) << "byte offset " << i;
    }
    std::vector<std::string> texts;
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string line = bytes.substr(start, end - start);
        const bool quoted = line.size() >= 2 && line.front() == '"' && line.back() == '"' &&
                            line.find_first_of("\"\r\n", 1) == line.size() - 1;
        EXPECT_TRUE(quoted) << "slot " << texts.size() << ": " << line;
        texts.push_back(quoted ? line.substr(1, line.size() - 2) : line);
    }
    return texts;
}

TEST(CaptionFile, EveryLanguageFillsEveryUsedSlotAndKeepsTheBlanksThatJoinWords) {
    const std::vector<std::string> english = CaptionLines("ENG");
    ASSERT_EQ(static_cast<int>(english.size()), kCaptionSlotCount);
    for (const ShippedLanguage& language : kShippedLanguages) {
        SCOPED_TRACE(std::string(language.code));
        const std::vector<std::string> texts = CaptionLines(std::string(language.code));
        ASSERT_EQ(static_cast<int>(texts.size()), kCaptionSlotCount);
        for (int slot = 0; slot < kCaptionSlotCount; ++slot) {
            const std::string& text = texts[static_cast<std::size_t>(slot)];
            const std::string& eng = english[static_cast<std::size_t>(slot)];
            SCOPED_TRACE("slot " + std::to_string(slot) + ": " + text);
            EXPECT_EQ(text.empty(), IsSpareCaptionSlot(slot)) << "reserve slot filled or caption missing";
            // "/h " is followed by a word without a blank of its own.
            EXPECT_EQ(text.ends_with(' '), eng.ends_with(' '));
            EXPECT_EQ(text.starts_with(' '), eng.starts_with(' '));
        }
    }
}

TEST(CaptionFile, EnglishPairsReadAsOnePhrase) {
    // Captions the program joins with a blank read as one English phrase; this also pins the three groups
    // of the file to their enumerators.
    const std::vector<std::string> texts = CaptionLines("ENG");
    ASSERT_EQ(static_cast<int>(texts.size()), kCaptionSlotCount);
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
    EXPECT_EQ(text(Cap::NextStartNote), "Takes effect at the next start.");
}

TEST(CaptionFile, AccentsSurviveTheRoundTripThroughTheFile) {
    // Loaded through the record reader, written back by the writer's encoder: the same bytes as the file.
    const struct {
        const char* code;
        Cap slot;
        const char* utf8;
    } rows[] = {
        {"DEU", Cap::OutsideWord, "Außen"},
        {"FRA", Cap::EvaporatorWord, "Évaporateur"},
        {"ITA", Cap::HumidityWord, "umidità"},
        {"ESP", Cap::EvaporatorCountLabel, "Nº evaporadores"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.code) + " " + row.utf8);
        AppContext ctx;
        ctx.dataDir = VESKARO_SEED_DIR;
        ctx.languageCode = row.code;
        LoadCaptions(ctx);
        EXPECT_EQ(ctx.captions[row.slot], row.utf8);
        const std::vector<std::string> lines = CaptionLines(row.code);
        ASSERT_EQ(static_cast<int>(lines.size()), kCaptionSlotCount);
        EXPECT_EQ(Utf8ToCp1252(ctx.captions[row.slot]), lines[static_cast<std::size_t>(row.slot)]);
    }
}

} // namespace
} // namespace veskaro
