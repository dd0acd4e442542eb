// Every reader of the frame on damaged and hostile files: no crash, no NaN, defaults where nothing is valid.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "app/captions.h"
#include "app/handover.h"
#include "app/kparam.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "temp_data_dir.h"

namespace veskaro {
namespace {

using testing::TempDataDir;

// Reads every item into string, real, integer and boolean targets in turn: no real may be non-finite.
void ReadAllKinds(std::string text) {
    RecordReader r(std::move(text));
    std::string s;
    int i = 0;
    bool b = false;
    for (double d = 0.0; r.next(s) && r.read(d) && r.read(i) && r.readBool(b);)
        EXPECT_TRUE(std::isfinite(d));
}

std::string RandomText(std::size_t length, unsigned seed) {
    std::mt19937 random(seed);
    const char pool[] = {',', '"', '\r', '\n', ' ', '\t', '\0', 'e', '-', '.', '9', '#'};
    std::string text;
    for (std::size_t k = 0; k < length; ++k) {
        const auto b = static_cast<int>(random() % 256);
        text.push_back(b < 128 ? pool[b % sizeof pool] : static_cast<char>(b));
    }
    return text;
}

TEST(HostileRecords, CraftedAndRandomTexts) {
    std::vector<std::string> texts = {
        "\"",
        "\"\"\"",
        "\r\r\n\n\r",
        std::string("a\0b,\0\"\0\",", 10),
        "1e999,-1e999,nan,inf,#bogus#",
        "1e-99999999999999999999,9e99999999999999999999",
        std::string(100000, '9') + "," + std::string(100000, '.'),
    };
    for (unsigned seed = 1; seed <= 200; ++seed)
        texts.push_back(RandomText(seed * 37, seed));
    for (const auto& text : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        ReadAllKinds(text);
        ReadAllKinds(Cp1252ToUtf8(text));
        EXPECT_TRUE(std::isfinite(NumFromText(std::string_view(text))));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(text)), text);
    }
}

// Huge caption and settings files are read as a bounded prefix with bounded items, whatever the folder holds.
TEST(HostileRecords, HugeDataFilesAreReadAsABoundedPrefix) {
    TempDataDir dir;
    std::string lines;
    while (lines.size() < (10u << 20))
        lines += "\"" + std::string(1000, 'c') + "\"\r\n";
    const std::string rows[] = {lines, std::string(50u << 20, 'x')};
    for (const std::string& bytes : rows) {
        SCOPED_TRACE(bytes.size());
        dir.write("Caption.ENG", bytes);
        dir.write("kparam.dat", bytes);
        AppContext ctx = dir.context();
        ReadKParam(ctx);
        ctx.languageCode = "ENG";
        LoadCaptions(ctx);
        for (const std::string& slot : ctx.captions.m_slots)
            EXPECT_LE(slot.size(), kMaxItemBytes);
        EXPECT_FALSE(ctx.captions.m_slots.front().empty());
        std::string read;
        ASSERT_TRUE(ReadFileBytes((dir.path() / "Caption.ENG").string(), read, kMaxRecordFileBytes));
        EXPECT_EQ(read.size(), kMaxRecordFileBytes);
    }
}

TEST(HostileRecords, SettingsHandoverAndCaptionsFallBackToDefaults) {
    TempDataDir dir;
    for (const std::string& bytes :
         {std::string("\"unterminated"), std::string(3000, ','), RandomText(5000, 7),
          std::string("\0\0\0", 3), std::string("1e999\r\nnan\r\n\"\xFF\"")}) {
        SCOPED_TRACE(bytes.substr(0, 20));
        for (const char* name : {"kparam.dat", "VESKData.dat", "Caption.ENG"})
            dir.write(name, bytes);
        AppContext ctx = dir.context();
        ReadKParam(ctx);
        EXPECT_EQ(ctx.dataDir, dir.str());
        EXPECT_GE(ctx.languageCode.size(), 3u);
        EXPECT_FALSE(ctx.currency.empty());
        EXPECT_GE(ctx.fontName.size(), 3u);
        EXPECT_GT(NumFromText(std::string_view(ctx.kparam.item[kKParamFactor])), 0.0);
        KeepHandoverItems(ctx, ReadHandoverRequest(ctx));
        ctx.languageCode = "ENG";
        LoadCaptions(ctx);
        EXPECT_EQ(ctx.captions.units.temperature, "°C");
    }
}

} // namespace
} // namespace veskaro
