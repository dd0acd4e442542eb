// Caption loading: slots in file order, the caption array, unit labels.

#include "app/captions.h"

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "temp_data_dir.h"

namespace veskaro {
namespace {

using testing::TempDataDir;

std::string NumberedCaptions(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "\"s" + std::to_string(i) + "\"\r\n";
    return text;
}

TEST(Captions, SlotsInFileOrderExtraStringsUnreadAndAMissingFileLeavesThemEmpty) {
    TempDataDir dir;
    AppContext ctx = dir.context();
    ctx.captions[Cap::MainWindowTitle] = "stale";
    LoadCaptions(ctx);
    for (const auto& slot : ctx.captions.m_slots)
        EXPECT_EQ(slot, "");

    dir.write("Caption.DEU", NumberedCaptions(kCaptionSlotCount + 5) + "\"\xB0\x43\"\r\n");
    ctx.languageCode = "DEU";
    LoadCaptions(ctx);
    const std::tuple<Cap, const char*> rows[] = {
        {Cap::MainWindowTitle, "s0"}, {Cap::SystemBlocked1, "s6"},   {Cap::Spare95, "s95"},
        {Cap::LengthWord, "s96"},     {Cap::FlowTotalHead2, "s156"}, {Cap::WallDialogTitle, "s157"},
        {Cap::NextStartNote, "s274"}};
    for (const auto& [slot, expected] : rows) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(ctx.captions[slot], expected);
    }
    EXPECT_EQ(ctx.captions.array(1), "s96");
    EXPECT_EQ(ctx.captions.array(61), "s156");
    EXPECT_EQ(ctx.captions.array(0), "");
    EXPECT_EQ(ctx.captions.array(62), "");

    // A short file fills the leading slots only, whatever the case of its name.
    dir.write("caption.eng", NumberedCaptions(100));
    ctx.languageCode = "ENG";
    LoadCaptions(ctx);
    EXPECT_EQ(ctx.captions.array(4), "s99");
    EXPECT_EQ(ctx.captions.array(5), "");
    EXPECT_EQ(ctx.captions[Cap::NextStartNote], "");
}

} // namespace
} // namespace veskaro
