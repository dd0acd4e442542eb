// The shipped caption files: byte form, fit to the slot table in every language, the words joined.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
    // Captions joined with a blank read as one phrase; this also pins the file's three groups to the enum.
    const std::vector<std::string> texts = CaptionLines("ENG");
    const auto text = [&](Cap slot) { return texts.at(static_cast<std::size_t>(slot)); };
    const std::tuple<Cap, Cap, const char*> pairs[] = {
        {Cap::RoomWord, Cap::TemperatureWord, "Room temperature"},
        {Cap::MenuOpenProjectVerb, Cap::ProjectWord, "Open project"},
        {Cap::UValueTitleWord, Cap::UValueWord, "Construction U-value"},
    };
    for (const auto& [first, second, phrase] : pairs)
        EXPECT_EQ(text(first) + " " + text(second), phrase);
    EXPECT_EQ(text(CaptionArraySlot(1)), "Length");
    EXPECT_EQ(text(Cap::WallDialogTitle), "Walls, floor and ceiling");
    EXPECT_EQ(text(Cap::NextStartNote), "Takes effect at the next start.");
}

TEST(CaptionFile, AccentsSurviveLoading) {
    // A file saved in another code page reads as other letters; the bytes back are Encoding's round trip.
    const std::tuple<const char*, Cap, const char*> rows[] = {
        {"DEU", Cap::OutsideWord, "Außen"},
        {"FRA", Cap::EvaporatorWord, "Évaporateur"},
        {"ITA", Cap::HumidityWord, "umidità"},
        {"ESP", Cap::EvaporatorCountLabel, "Nº evaporadores"},
    };
    for (const auto& [code, slot, utf8] : rows) {
        SCOPED_TRACE(std::string(code) + " " + utf8);
        AppContext ctx;
        ctx.dataDir = VESKARO_SEED_DIR;
        ctx.languageCode = code;
        LoadCaptions(ctx);
        EXPECT_EQ(ctx.captions[slot], utf8);
    }
}

} // namespace
} // namespace veskaro
