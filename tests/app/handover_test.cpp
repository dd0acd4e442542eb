// VESKData.dat: a request is served once, the exit writes the 24 items for the calling program.

#include "app/handover.h"

#include <gtest/gtest.h>

#include "app/record_file.h"
#include "temp_data_dir.h"

namespace veskaro {
namespace {

using testing::TempDataDir;

std::string Lines(std::initializer_list<std::string> items) {
    std::string text;
    for (const auto& item : items)
        text += item + "\r\n";
    return text;
}

TEST(Handover, MissingOrEmptyRequestIsNoRequest) {
    TempDataDir dir;
    const AppContext ctx = dir.context();
    EXPECT_FALSE(ReadHandoverRequest(ctx).isRequest());
    for (const char* content : {"0\r\n5\r\n\"x.dat\"\r\n", "1\r\n0\r\n", "", "\"abc\",\"def\""}) {
        SCOPED_TRACE(content);
        dir.write("VESKData.dat", content);
        const HandoverRequest request = ReadHandoverRequest(ctx);
        EXPECT_FALSE(request.isRequest());
        EXPECT_EQ(request.roomFileName(), "");
    }
}

TEST(Handover, RoomRequestIsServedOnceAndAProjectRequestNamesItsFile) {
    TempDataDir dir;
    AppContext ctx = dir.context();
    dir.write("VESKData.dat", Lines({"1", "5", "\"p3\"", "\"p4\"", "\"Room7.dat\"", "\"-8,5\"", "\"R404A\"",
                                     "\"\"", "\"7\"", "\"Dairy\"", "\"Store 2\"", "\"k12\"", "\"\"", "\"\"",
                                     "\"k15\"", "\"Offer 17\"", "\"k17\"", "\"3\"", "\"40000\""}));
    const HandoverRequest request = ReadHandoverRequest(ctx);
    ASSERT_TRUE(request.isRequest());
    EXPECT_FALSE(request.isProjectRequest());
    EXPECT_EQ(request.roomFileName(), "Room7.dat");
    EXPECT_EQ(request.evaporatingTemperature(), "-8,5");
    EXPECT_EQ(request.temperatureDifference(), "7");
    EXPECT_EQ(request.titlePrefix(), "Offer 17");
    KeepHandoverItems(ctx, request);
    EXPECT_EQ(ctx.projectName, "Dairy");
    EXPECT_EQ(ctx.projectDescription, "Store 2");
    EXPECT_EQ(ctx.handover.item7, "R404A");
    EXPECT_EQ(ctx.handover.item15, "k15");
    EXPECT_EQ(ctx.handover.item17, "k17");
    EXPECT_EQ(ctx.handover.item18, 3);
    EXPECT_EQ(ctx.handover.item19, 32767); // clamped to the 16-bit range

    ASSERT_TRUE(ClearHandoverRequest(ctx));
    EXPECT_EQ(dir.read("VESKData.dat"), "0\r\n0\r\n");
    EXPECT_FALSE(ReadHandoverRequest(ctx).isRequest());

    // A project request carries the project file after item five; items 6 to 19 are for room requests.
    dir.write("VESKData.dat",
              Lines({"1", "117", "\"\"", "\"\"", "\"KelvoL.dat\"", "\"D:\\Pro\\cold.prj\"", "\"9\""}));
    const HandoverRequest project = ReadHandoverRequest(ctx);
    EXPECT_TRUE(project.isProjectRequest());
    EXPECT_EQ(project.projectFile, "D:\\Pro\\cold.prj");
    EXPECT_EQ(project.item[6], "");
}

TEST(Handover, ExitWritesTwentyFourItems) {
    TempDataDir dir;
    AppContext ctx = dir.context();
    ctx.handover.keptPath = "kp";
    ctx.projectDir = "/p";
    ctx.roomFileName = "KelvoL.dat";
    ctx.projectName = "Dairy";
    ctx.projectDescription = "Store 2";
    ctx.handover.item12 = "k12";
    ctx.handover.item17 = "k17";
    ctx.handover.item19 = 4;
    ctx.languageCode = "DEU";
    ASSERT_TRUE(WriteHandoverAtExit(ctx, {"-10", " 12.5", " 8"}));
    EXPECT_EQ(dir.read("VESKData.dat"),
              Lines({"1",      "0",         "\"kp\"",  "\"/p\"",    "\"KelvoL.dat\"", "\"-10\"",
                     "\"\"",   "\" 12.5\"", "\" 8\"",  "\"Dairy\"", "\"Store 2\"",    "\"k12\"",
                     "\"\"",   "\"\"",      "\"\"",    "\"\"",      "\"k17\"",        "\"\"",
                     "\" 4\"", "0",         "\"DEU\"", "\"\"",      "\"\"",           "\"\""}));
}

} // namespace
} // namespace veskaro
