// What the main window does with the room, without a window: scroll-bar coupling, field rules, captions.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

#include "../app/temp_data_dir.h"
#include "app/app_context.h"
#include "app/number_text.h"
#include "room/result_files.h"
#include "room/room_controller.h"

namespace veskaro {
namespace {

TEST(ScrollPositionFromRoom, FollowsItsFieldWithinItsRule) {
    struct Row {
        RoomScrollBar bar;
        std::string RoomRecord::*field;
        const char* text;
        std::optional<int> expected;
    };
    const Row rows[] = {
        {RoomScrollBar::HScroll1, &RoomRecord::AussenTemp, "32", 62},
        {RoomScrollBar::HScroll1, &RoomRecord::AussenTemp, "-45", 0},   // clamped to the bar
        {RoomScrollBar::HScroll1, &RoomRecord::AussenTemp, "20.7", 50}, // Int of t + 30
        {RoomScrollBar::HScroll2, &RoomRecord::AussenFeuchte, "55.5", 55},
        {RoomScrollBar::HScroll2, &RoomRecord::AussenFeuchte, "0", std::nullopt},
        {RoomScrollBar::HScroll2, &RoomRecord::AussenFeuchte, "101", std::nullopt},
        {RoomScrollBar::HScroll3, &RoomRecord::RaumLW, "2.3", 23}, // not 22: 2.3·10 = 22.99.. in binary
        {RoomScrollBar::HScroll3, &RoomRecord::RaumLW, " .72", 7},
        {RoomScrollBar::HScroll4, &RoomRecord::PersZahl, "150", 150},
        {RoomScrollBar::HScroll4, &RoomRecord::PersZahl, "151", std::nullopt},
        {RoomScrollBar::HScroll5, &RoomRecord::NBegeh, "40", 40},
        {RoomScrollBar::HScroll6, &RoomRecord::ELLeist, "100", 100},
        {RoomScrollBar::HScroll6, &RoomRecord::ELLeist, "120", std::nullopt},
        {RoomScrollBar::HScroll6, &RoomRecord::ELLeist, "nan", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(RoomScrollBarName(row.bar)) + " <- " + row.text);
        RoomRecord room;
        room.*row.field = row.text;
        EXPECT_EQ(ScrollPositionFromRoom(room, row.bar), row.expected);
    }
}

TEST(RoomController, FieldRulesOnCommit) {
    AppContext ctx;
    RoomController controller(ctx);
    RoomRecord& room = controller.room();
    room.Abtau = "400";
    controller.commitField(RoomField::Abtau);
    EXPECT_EQ(room.defrostFlag, 1);
    room.Abtau = "0";
    controller.commitField(RoomField::Abtau);
    EXPECT_EQ(room.defrostFlag, 0);

    // The evaporating temperature follows a committed room temperature: RaumTemp − tempdiff, cut to 0.1 K.
    const std::tuple<const char*, const char*, const char*> rooms[] = {
        {"-22", "6", "-28"}, {"-22", "5.55", "-27.6"}, {"2,5", "5.8", "-3.3"}};
    for (const auto& [tRoom, deltaT, tEvap] : rooms) {
        SCOPED_TRACE(tRoom);
        room.verdTemp = "-3.8";
        room.tempdiff = deltaT;
        room.RaumTemp = tRoom;
        controller.commitField(RoomField::RaumTemp);
        EXPECT_EQ(room.verdTemp, tEvap);
    }

    // Free text is never converted.
    room.proj = "Hall 1,5";
    EXPECT_TRUE(controller.commitField(RoomField::proj).empty());
    EXPECT_EQ(room.proj, "Hall 1,5");
}

// The goods are parsed again whenever a counted row's text changed, however it was changed.
TEST(RoomController, GoodsEditedInTheRecordAreCounted) {
    AppContext ctx;
    RoomController controller(ctx);
    RoomRecord& room = controller.room();
    room.RaumTemp = "2";
    room.goods[1][kGoodsAmount] = "360";
    room.goods[1][kGoodsEntryTemp] = "12";
    room.goods[1][kGoodsEndTemp] = "2";
    room.goods[1][kGoodsCpAbove] = "1";
    controller.calculate();
    EXPECT_DOUBLE_EQ(controller.result().QG_kWhday, 1.0); // 360 kg cooled 10 K at 1 kJ/kg K
    room.goods[1][kGoodsAmount] = "720";
    controller.commitField(RoomField::RaumTemp);
    EXPECT_DOUBLE_EQ(controller.result().QG_kWhday, 2.0);
    controller.goodsCellEdited(1, kGoodsEndTemp, "");
    EXPECT_TRUE(controller.result().goodsRows.empty());
}

// The result command saves results only: an impossible input is shown as a warning, never saved.
TEST(RoomController, ResultFilesOnlyForATrustworthyCalculation) {
    for (const char* humidity : {"85", "150"}) {
        SCOPED_TRACE(humidity);
        testing::TempDataDir dir;
        AppContext ctx;
        ctx.dataDir = dir.str();
        RoomController controller(ctx);
        controller.room().RaumTemp = "2";
        controller.room().RaumFeuchte = humidity;
        controller.calculateWithResultFiles();
        const bool trusted = std::string(humidity) == "85";
        EXPECT_EQ(controller.result().trusted(), trusted);
        EXPECT_EQ(controller.result().resultFilesWritten, trusted);
        EXPECT_EQ(std::filesystem::exists(dir.path() / kResultFileName), trusted);
    }
}

TEST(MainWindowCaptions, LanguageDependentJoins) {
    struct Row {
        const char* language;
        const char* openProject;
        const char* evaporatorDesign;
        const char* saveRoom;
        const char* restoreRoom;
        const char* evaporatorCount;
    };
    const Row rows[] = {
        {"ENG", "Open project", "Evaporator design", "Save room as Default", "Room - Restore to Default",
         "Count"},
        {"FRA", "Open un project", "Evaporator de l'design", "Save room", "Room -", "Nb d´Evaporator"},
        {"ITA", "Open uno project", "Evaporator del design", "Save room", "Room -", "Count"},
        {"ESP", "Open del project", "Evaporator del design", "Save room", "Room -", "Count"},
        {"DEU", "Open project", "Evaporator design", "Save room", "Room -", "Count"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.language);
        AppContext ctx;
        ctx.languageCode = row.language;
        ctx.captions[Cap::MenuOpenProjectVerb] = "Open";
        ctx.captions[Cap::ProjectWord] = "project";
        ctx.captions[Cap::EvaporatorWord] = "Evaporator";
        ctx.captions[Cap::DesignWord] = "design";
        ctx.captions[Cap::SaveRoomCaption] = "Save room";
        ctx.captions[Cap::RestoreRoomCaption] = "Room -";
        ctx.captions[Cap::EvaporatorCountLabel] = "Count";
        EXPECT_EQ(OpenProjectCaption(ctx), row.openProject);
        EXPECT_EQ(EvaporatorDesignCaption(ctx), row.evaporatorDesign);
        EXPECT_EQ(SaveRoomCaption(ctx), row.saveRoom);
        EXPECT_EQ(RestoreRoomCaption(ctx), row.restoreRoom);
        EXPECT_EQ(EvaporatorCountCaption(ctx), row.evaporatorCount);
    }
    AppContext eng;
    EXPECT_EQ(RestoreRoomMenuCaption(eng), "Restore to Default");
}

TEST(MainWindowCaptions, GoodsGridHeaders) {
    AppContext ctx;
    ctx.captions[Cap::ProductWord] = "Product";
    ctx.captions[Cap::AmountWord] = "Amount";
    ctx.captions[Cap::DayWord] = "day";
    ctx.captions[Cap::EndTemperatureOfWord] = "End temperature of";
    ctx.captions[Cap::StorageWord] = "Storage";
    ctx.captions[Cap::HumidityWord] = "humidity";
    EXPECT_EQ(GoodsGridHeader(ctx, kGoodsAmount), "Amount /[kg/day]");
    EXPECT_EQ(GoodsGridHeader(ctx, kGoodsEndTemp), "End temperature of Product /[°C]");
    EXPECT_EQ(GoodsGridHeader(ctx, kGoodsStorageHumidity), "Storage humidity /[%]");
    EXPECT_EQ(GoodsGridHeader(ctx, 9), "");
}

} // namespace
} // namespace veskaro
