#include "project/new_project.h"

#include <gtest/gtest.h>

#include <array>

#include "../app/temp_data_dir.h"
#include "../room/sample_room.h"
#include "goods/goods_list.h"
#include "project/project_file.h"

namespace veskaro {
namespace {

using testing::TempDataDir;

TEST(NewProjectDimensions, CutToTheDecimalsOfTheirMagnitude) {
    // L, B, H; perimeter 2(L+B), area L·B, volume L·B·H worked by hand, each cut (never rounded up) to 2
    // decimals up to 10, 1 decimal up to 100, whole units above.
    const std::array<const char*, 6> rows[] = {
        {"12,5", "8", "4", " 41", " 100", " 400"},            // decimal comma
        {"3.333", "3.333", "3.333", " 13.3", " 11.1", " 37"}, // 13.332, 11.108889, 37.0259
        {"2.345", "1.111", "1", " 6.91", " 2.6", " 2.6"},     // 6.912, 2.605295 (not 2.61)
        {"150.7", "1", "1", " 303", " 150", " 150"},          // 303.4, 150.7
        {"abc", "8", "4", " 16", " 0", " 0"},                 // text reads as 0
    };
    for (const auto& [l, b, h, perimeter, area, volume] : rows) {
        SCOPED_TRACE(std::string(l) + " x " + b + " x " + h);
        const DimensionTexts d = NewProjectDimensions(l, b, h);
        EXPECT_EQ(d.perimeter, perimeter);
        EXPECT_EQ(d.area, area);
        EXPECT_EQ(d.volume, volume);
    }
}

TEST(NewProjectChecks, ZeroDimensionStopsWithItsMessageOtherBadValuesAreMarked) {
    const AppContext ctx = testing::EnglishContext();
    const std::string title = "Veskaro: " + ctx.captions[Cap::NewProjectMsgTitle];
    // length, width, height, humidity; the message ("" when the dimensions pass), the first field marked
    const std::array<const char*, 6> rows[] = {
        {"abc", "8", "4", "85", "Max. Length = 0 !!", ""},
        {"12", "0", "4", "85", "Max. Width = 0 !!", ""},
        {"12", "8", "", "85", "Height = 0 !!", ""},
        {"0", "0", "0", "85", "Max. Length = 0 !!", ""}, // the first one is named
        {"-5", "8", "4", "85", "", "RaumL"},
        {"12", "1e999", "4", "85", "", "RaumB"},
        {"12", "8", "4", "120", "", "RaumFeuchte"},
        {"12,5", "8", "4", "100", "", ""},
    };
    for (const auto& [l, b, h, humidity, message, outOfRange] : rows) {
        SCOPED_TRACE(std::string(l) + " " + b + " " + h + " " + humidity);
        RoomRecord entry;
        entry.RaumL = l;
        entry.RaumB = b;
        entry.RaumH = h;
        entry.RaumFeuchte = humidity;
        const std::optional<Message> zero = CheckNewProjectDimensions(ctx, entry);
        EXPECT_EQ(zero ? zero->text : "", message);
        if (zero) {
            EXPECT_EQ(zero->title, title);
        }
        const RangeWarnings warnings = CheckNewProjectRanges(entry);
        EXPECT_EQ(warnings.empty() ? "" : warnings.front().name, outOfRange);
    }
}

TEST(NewProjectEntry, StartsFromAMissingRecordWithTheSiteOfThePreviousRoom) {
    TempDataDir dir;
    AppContext ctx = testing::EnglishContext();
    ctx.dataDir = dir.str();
    ctx.projectDir = dir.str() + "/";
    dir.write("Project1.prj", "\"Project 1\",\"\",\"\",\"CR\"\r\n");
    RoomRecord previous = testing::SampleRoom();
    previous.operatingBasis = 1;
    const RoomRecord entry = NewProjectEntry(ctx, previous);
    EXPECT_EQ(entry.proj, ctx.captions[Cap::TitleProjectWord] + " 2"); // "Project 1" is taken
    EXPECT_EQ(entry.AussenTemp, previous.AussenTemp);
    EXPECT_EQ(entry.Laufzeit, previous.Laufzeit);
    EXPECT_EQ(entry.operatingBasis, 1);
    EXPECT_EQ(entry.RaumL, "");

    RoomRecord room = previous;
    CopyNewProjectInto(entry, NewRoomKind::FloorPlan, room);
    EXPECT_EQ(room.NBegeh, "6");
    EXPECT_EQ(room.ELLeist, "3");
    EXPECT_EQ(room.roomShape, kFloorPlanRoom);
    EXPECT_EQ(room.bTuer, "");       // nothing of the previous door stays
    EXPECT_EQ(room.goods[1][1], ""); // nor its goods
    EXPECT_EQ(room.AussenFeuchte, previous.AussenFeuchte);
}

TEST(NewProjectFiles, CancelPutsRoomAndGoodsBackFinishKeepsTheNewGoods) {
    for (const bool hadGoods : {true, false}) {
        for (const bool finish : {false, true}) {
            SCOPED_TRACE(std::string(hadGoods ? "with" : "without") + " goods list, " +
                         (finish ? "finished" : "cancelled"));
            TempDataDir dir;
            AppContext ctx = dir.context();
            const RoomRecord previous = testing::SampleRoom();
            if (hadGoods) dir.write(std::string(kGoodsListFile), "\"old goods\"\r\n");
            const std::string goodsBefore = hadGoods ? dir.read(std::string(kGoodsListFile)) : "";

            const NewProjectStart start = SetPreviousProjectAside(ctx, previous);
            ASSERT_TRUE(start.started);
            EXPECT_TRUE(ctx.newProjectPending);
            EXPECT_FALSE(DataFileExists(ctx, "KelvoL.dat"));
            EXPECT_FALSE(DataFileExists(ctx, kGoodsListFile));
            EXPECT_TRUE(PreviousProjectLeftAside(ctx));
            const std::string roomAside = dir.read(std::string(kRoomRestoreFile));
            dir.write(std::string(kGoodsListFile), "\"new goods\"\r\n"); // the goods dialog's O.K.

            const Messages messages = finish ? FinishNewProject(ctx) : RestorePreviousProject(ctx);
            EXPECT_TRUE(messages.empty());
            EXPECT_FALSE(ctx.newProjectPending);
            EXPECT_FALSE(PreviousProjectLeftAside(ctx));
            EXPECT_FALSE(DataFileExists(ctx, kGoodsRestoreFile));
            EXPECT_EQ(dir.read("KelvoL.dat"), roomAside);
            if (finish) {
                EXPECT_EQ(dir.read(std::string(kGoodsListFile)), "\"new goods\"\r\n");
            } else if (hadGoods) {
                EXPECT_EQ(dir.read(std::string(kGoodsListFile)), goodsBefore);
            } else {
                EXPECT_FALSE(DataFileExists(ctx, kGoodsListFile));
            }
        }
    }
}

TEST(NewProjectFiles, UnwritableRoomFileDoesNotStartTheSequence) {
    TempDataDir dir;
    AppContext ctx = dir.context();
    dir.write(std::string(kGoodsListFile), "\"old goods\"\r\n");
    ctx.roomFileName = "missing-folder/KelvoL.dat";
    const NewProjectStart start = SetPreviousProjectAside(ctx, testing::SampleRoom());
    EXPECT_FALSE(start.started);
    EXPECT_FALSE(start.messages.empty());
    EXPECT_FALSE(ctx.newProjectPending);
    EXPECT_EQ(dir.read(std::string(kGoodsListFile)), "\"old goods\"\r\n");
}

} // namespace
} // namespace veskaro
