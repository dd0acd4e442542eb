// The English caption file shipped with the program: its byte form and its fit to the slot table.

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/caption_slots.h"

namespace veskaro {
namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits at CR LF; a lone CR or LF stays inside its line (the line checks below reject it).
std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t pos = bytes.find("\r\n"); pos != std::string::npos; pos = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, pos - start));
        start = pos + 2;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

class CaptionFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_bytes = ReadBytes(std::string(VESKARO_SEED_DIR) + "/Caption.ENG");
        ASSERT_FALSE(m_bytes.empty()) << "Caption.ENG missing or empty";
        m_lines = SplitCrLf(m_bytes);
    }
    // Text of a slot without its quotes; empty when the line is not a quoted string.
    std::string Text(Cap slot) const {
        const std::string& line = m_lines.at(static_cast<std::size_t>(slot));
        return line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string();
    }

    std::string m_bytes;
    std::vector<std::string> m_lines;
};

TEST_F(CaptionFileTest, EveryLineIsOneQuotedStringEndedByCrLf) {
    ASSERT_EQ(m_bytes.substr(m_bytes.size() - 2), "\r\n") << "last line not ended by CR LF";
    ASSERT_EQ(static_cast<int>(m_lines.size()), kCaptionSlotCount);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        const std::string& line = m_lines[i];
        ASSERT_GE(line.size(), 2u);
        EXPECT_EQ(line.front(), '"');
        EXPECT_EQ(line.back(), '"');
        EXPECT_EQ(line.find('"', 1), line.size() - 1) << "a caption cannot hold a double quote";
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "lone CR or LF";
    }
}

TEST_F(CaptionFileTest, BytesAreSingleByteCp1252) {
    for (std::size_t i = 0; i < m_bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(m_bytes[i]);
        SCOPED_TRACE("byte offset " + std::to_string(i));
        if (byte < 0x20) {
            EXPECT_TRUE(byte == '\r' || byte == '\n') << "control character";
        }
        // Code points that CP1252 leaves undefined.
        EXPECT_TRUE(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D);
        // A UTF-8 lead byte followed by a continuation byte means the file was saved as UTF-8
        // ("°" would show as two characters in the windows).
        if (byte >= 0xC2 && byte <= 0xF4 && i + 1 < m_bytes.size()) {
            const auto next = static_cast<unsigned char>(m_bytes[i + 1]);
            EXPECT_FALSE(next >= 0x80 && next <= 0xBF) << "UTF-8 multibyte sequence";
        }
    }
}

TEST_F(CaptionFileTest, CaptionSlotsFilledAndReserveEmpty) {
    ASSERT_EQ(static_cast<int>(m_lines.size()), kCaptionSlotCount);
    for (int slot = 0; slot < kCaptionSlotCount; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        if (IsSpareCaptionSlot(slot)) {
            EXPECT_EQ(Text(static_cast<Cap>(slot)), "") << "reserve slot holds text: lines shifted?";
        } else {
            EXPECT_NE(Text(static_cast<Cap>(slot)), "") << "caption missing";
        }
    }
}

// Captions the program joins with a blank must read as one English phrase; this also pins the
// three groups of the file to their enumerators.
TEST_F(CaptionFileTest, JoinedCaptionsReadAsPhrases) {
    ASSERT_EQ(static_cast<int>(m_lines.size()), kCaptionSlotCount);
    struct Pair {
        Cap first;
        Cap second;
        const char* phrase;
    };
    const Pair pairs[] = {
        {Cap::RoomWord, Cap::TemperatureWord, "Room temperature"},
        {Cap::OutsideWord, Cap::HumidityWord, "Outside humidity"},
        {Cap::GoodsWord, Cap::EndTemperatureWord, "Goods end temperature"},
        {Cap::MenuOpenProjectVerb, Cap::ProjectWord, "Open project"},
        {Cap::EvaporatorWord, Cap::DesignWord, "Evaporator design"},
        {Cap::StorageWord, Cap::TemperatureWord, "Storage temperature"},
        {Cap::UValueTitleWord, Cap::UValueWord, "Construction U-value"},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.phrase);
        EXPECT_EQ(Text(pair.first) + " " + Text(pair.second), pair.phrase);
    }
    EXPECT_EQ(Text(CaptionArraySlot(1)), "Length");
    EXPECT_EQ(Text(Cap::WallDialogTitle), "Walls, floor and ceiling");
}

} // namespace
} // namespace veskaro
