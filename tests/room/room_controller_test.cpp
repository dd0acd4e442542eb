// What the main window does with the room, without a window: scroll-bar coupling, field rules, the door
// panel, the operating basis, captions.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>
#include <tuple>

#include "../app/temp_data_dir.h"
#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "app/startup.h"
#include "room/result_files.h"
#include "room/room_controller.h"
#include "sample_room.h"

namespace veskaro {
namespace {

TEST(ScrollPositionFromRoom, FollowsItsFieldWithinItsRule) {
    using R = RoomRecord;
    using S = RoomScrollBar;
    const std::nullopt_t none = std::nullopt;
    const std::tuple<S, std::string R::*, const char*, std::optional<int>> rows[] = {
        {S::HScroll1, &R::AussenTemp, "32", 62},     {S::HScroll1, &R::AussenTemp, "-45", 0}, // clamped
        {S::HScroll1, &R::AussenTemp, "20.7", 50},   {S::HScroll2, &R::AussenFeuchte, "55.5", 55},
        {S::HScroll2, &R::AussenFeuchte, "0", none}, {S::HScroll2, &R::AussenFeuchte, "101", none},
        {S::HScroll3, &R::RaumLW, "2.3", 23}, // not 22: 2.3·10 = 22.99.. in binary
        {S::HScroll3, &R::RaumLW, " .72", 7},        {S::HScroll4, &R::PersZahl, "150", 150},
        {S::HScroll4, &R::PersZahl, "151", none},    {S::HScroll5, &R::NBegeh, "40", 40},
        {S::HScroll6, &R::ELLeist, "100", 100},      {S::HScroll6, &R::ELLeist, "120", none},
        {S::HScroll6, &R::ELLeist, "nan", 0},
    };
    for (const auto& [bar, field, text, expected] : rows) {
        SCOPED_TRACE(std::string(RoomScrollBarName(bar)) + " <- " + text);
        RoomRecord room;
        room.*field = text;
        EXPECT_EQ(ScrollPositionFromRoom(room, bar), expected);
    }
}

TEST(RoomController, FieldRulesOnCommitAndGoodsEditedInTheRecordAreCounted) {
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

    // The goods are parsed again whenever a counted row's text changed, however it was changed.
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
    // Language; open project, evaporator design, save room, restore room, evaporator count.
    const std::array<const char*, 6> rows[] = {
        {"ENG", "Open project", "Evaporator design", "Save room as Default", "Room - Restore to Default",
         "Count"},
        {"FRA", "Open un project", "Evaporator de l'design", "Save room", "Room -", "Nb d´Evaporator"},
        {"ITA", "Open uno project", "Evaporator del design", "Save room", "Room -", "Count"},
        {"ESP", "Open del project", "Evaporator del design", "Save room", "Room -", "Count"},
        {"DEU", "Open project", "Evaporator design", "Save room", "Room -", "Count"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0]);
        AppContext ctx;
        ctx.languageCode = row[0];
        ctx.captions[Cap::MenuOpenProjectVerb] = "Open";
        ctx.captions[Cap::ProjectWord] = "project";
        ctx.captions[Cap::EvaporatorWord] = "Evaporator";
        ctx.captions[Cap::DesignWord] = "design";
        ctx.captions[Cap::SaveRoomCaption] = "Save room";
        ctx.captions[Cap::RestoreRoomCaption] = "Room -";
        ctx.captions[Cap::EvaporatorCountLabel] = "Count";
        EXPECT_EQ(OpenProjectCaption(ctx), row[1]);
        EXPECT_EQ(EvaporatorDesignCaption(ctx), row[2]);
        EXPECT_EQ(SaveRoomCaption(ctx), row[3]);
        EXPECT_EQ(RestoreRoomCaption(ctx), row[4]);
        EXPECT_EQ(EvaporatorCountCaption(ctx), row[5]);
    }
    EXPECT_EQ(RestoreRoomMenuCaption(AppContext{}), "Restore to Default");
}

// The default room of the seeded data directory (8 x 6 x 3.5 m, 0 °C), read but never written.
class DefaultRoom : public ::testing::Test {
  protected:
    void SetUp() override {
        bool found = false;
        controller.loadRoom("KelvoL.dat", &found);
        ASSERT_TRUE(found);
    }
    double Q0() const { return NumFromText(std::string_view(controller.result().RaumLeist)); }

    AppContext ctx = testing::EnglishContext();
    RoomController controller{ctx};
    RoomRecord& room = controller.room();
};

// 168 m³: n = 70/(24·√168) = 0.225 /h for the room, plus 2 changes of 25 m³ per opening over the day.
TEST_F(DefaultRoom, DoorOpeningsAreCappedAndDriveTheRoomAirChange) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"200", "150", " 2.08", " 350.3"}, {"30", "30", " .59", " 100.3"}, {"0", "0", " .22", " 37.8"}};
    for (const auto& [typed, shown, RaumLW, flow] : rows) {
        SCOPED_TRACE(typed);
        const double before = Q0();
        room.NBegeh = typed;
        EXPECT_TRUE(controller.commitField(RoomField::NBegeh).empty());
        EXPECT_EQ(room.NBegeh, shown);
        EXPECT_EQ(room.RaumLW, RaumLW);
        EXPECT_EQ(controller.labels().Label40, flow);
        EXPECT_NE(Q0(), before);
    }
}

TEST_F(DefaultRoom, ScrollBarsWriteTheirFieldsAndRecalculate) {
    struct Row {
        RoomScrollBar bar;
        int position;
        RoomField field;
        double value;
    };
    const Row rows[] = {
        {RoomScrollBar::HScroll1, 51, RoomField::AussenTemp, 21.0}, // t + 30
        {RoomScrollBar::HScroll2, 56, RoomField::AussenFeuchte, 56.0},
        {RoomScrollBar::HScroll3, 24, RoomField::RaumLW, 2.4}, // tenths of an air change
        {RoomScrollBar::HScroll4, 13, RoomField::PersZahl, 13.0},
        {RoomScrollBar::HScroll5, 40, RoomField::NBegeh, 40.0},
        {RoomScrollBar::HScroll6, 9, RoomField::ELLeist, 9.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(RoomScrollBarName(row.bar));
        const double before = Q0();
        controller.scrollBarMoved(row.bar, row.position);
        EXPECT_DOUBLE_EQ(NumFromText(std::string_view(FieldText(room, row.field))), row.value);
        EXPECT_NE(Q0(), before);
    }
    EXPECT_EQ(room.RaumLW, " .72"); // the door bar drove the room air change: 0.225 + 2·40·25/168/24
    controller.scrollBarMoved(RoomScrollBar::HScroll3, 24);
    EXPECT_EQ(controller.labels().Label40, " 403.2"); // 2.4 /h of 168 m³
}

TEST_F(DefaultRoom, HumidityAndTemperatureDifferenceFollowEachOtherWhileTyping) {
    struct Row {
        RoomField typed;
        const char* text;
        std::string RoomRecord::*other;
        double expected;
    };
    // Pairs of the air-cooler table: 86.5 % at 5.5 K, 72.5 % at 9 K; Δt1 10 K is ΔT 8 K.
    const Row rows[] = {
        {RoomField::RaumFeuchte, "86.5", &RoomRecord::tempdiff, 5.5},
        {RoomField::tempdiff, "9", &RoomRecord::RaumFeuchte, 72.5},
        {RoomField::tempDiffdt1, "10", &RoomRecord::tempdiff, 8.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(RoomFieldName(row.typed)) + " = " + row.text);
        FieldText(room, row.typed) = row.text;
        EXPECT_TRUE(controller.fieldEdited(row.typed));
        EXPECT_DOUBLE_EQ(NumFromText(std::string_view(room.*row.other)), row.expected);
    }
}

// The defrost step's own outputs (time share, heater power) are results: what an absurd room left in
// them must not keep the next, sound room doubtful. Regression: a 2000 m high room left a 5000 % time
// share that flagged every later calculation.
TEST_F(DefaultRoom, AnAbsurdRoomLeavesNoWarningBehind) {
    for (const char* flag : {"0", "1"}) {
        SCOPED_TRACE(flag);
        room.defrostFlag = std::string(flag) == "1" ? 1 : 0;
        room.RaumTemp = "-22"; // evaporating below 0 °C: the defrost step runs
        controller.commitField(RoomField::RaumTemp);
        room.RaumH = "2000";
        controller.commitField(RoomField::RaumH);
        EXPECT_FALSE(controller.result().trusted());
        room.RaumH = "3.5";
        controller.commitField(RoomField::RaumH);
        EXPECT_TRUE(controller.result().trusted()) << controller.result().warnings.front().text();
    }
}

TEST_F(DefaultRoom, DoorInfiltrationIsAcceptedIntoTheRoom) {
    room.bTuer = "1";
    room.hTuer = "2.5";
    room.oeffungsZ = "1";
    EXPECT_TRUE(controller.computeDoor(false).empty());
    const std::string open = room.LWergeb;
    EXPECT_TRUE(controller.computeDoor(true).empty()); // an air curtain keeps 15 % of a 2.5 m door's flow
    EXPECT_TRUE(controller.airCurtain());
    EXPECT_NEAR(NumFromText(std::string_view(room.LWergeb)), NumFromText(std::string_view(open)) * 0.15,
                0.011);
    const double before = Q0();
    controller.acceptDoor();
    EXPECT_EQ(room.LWTuer, room.LWergeb);
    EXPECT_NE(Q0(), before);
    room.oeffungsZ = "0"; // the message of the door computation reaches the window
    const Messages messages = controller.computeDoor(true);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, ctx.captions[Cap::DoorOpeningTimeWord] + " = 0 !!");
}

TEST(RoomControllerActivation, HandoverRequestIsServedOnce) {
    const testing::TempDataDir dir;
    AppContext ctx = StartUp({dir.str(), VESKARO_SEED_DIR});
    RecordWriter request;
    const char* items[] = {"",    "",      "kept path", "",        "KelvoL.dat", "-8", "R404A",
                           "",    "6",     "Hall 3",    "Freezer", "k12",        "",   "",
                           "k15", "Store", "k17",       "3",       "7"};
    request.integer(1).endLine().integer(2).endLine();
    for (int i = 3; i <= 19; ++i)
        request.line(items[i - 1]);
    ASSERT_TRUE(SaveOutput(ctx, "VESKData.dat", request));

    RoomController controller(ctx);
    const RoomController::Activation first = controller.activate();
    EXPECT_TRUE(first.firstActivation);
    const RoomRecord& room = controller.room();
    EXPECT_DOUBLE_EQ(NumFromText(std::string_view(room.RaumTemp)), -2.0); // item 6 + item 9
    EXPECT_EQ(room.verdTemp, "-8");
    EXPECT_EQ(room.tempdiff, "6");
    EXPECT_DOUBLE_EQ(NumFromText(std::string_view(room.RaumFeuchte)), 84.0); // an air cooler at 6 K
    EXPECT_EQ(room.proj, "Hall 3");
    EXPECT_NE(first.windowTitle.find("Hall 3"), std::string::npos);
    EXPECT_TRUE(first.windowTitle.ends_with(" Store"));
    EXPECT_EQ(dir.read("VESKData.dat"), "0\r\n0\r\n"); // the request is answered

    // Later activations read nothing.
    controller.room().RaumL = "12";
    const RoomController::Activation second = controller.activate();
    EXPECT_FALSE(second.firstActivation);
    EXPECT_FALSE(second.reread);
    EXPECT_EQ(controller.room().RaumL, "12");
}

// Loading a record writes the envelope files it carries into the data directory; one that cannot be
// written is reported, never dropped silently.
TEST(RoomController, LoadingSaysWhenTheCarriedEnvelopeCannotBeWritten) {
    testing::TempDataDir dir;
    AppContext ctx = dir.context();
    dir.write("floor_CR.dat", "\"0\",\"0\",\"0\"\r\n\".22\"\r\n\"32\"\r\n");
    ASSERT_TRUE(RoomController(ctx).saveRoom("KelvoL.dat").ok); // the record now carries floor_CR.dat
    std::filesystem::remove(dir.path() / "floor_CR.dat");
    std::filesystem::create_directories(dir.path() / "floor_CR.dat" / "in the way");
    RoomController controller(ctx);
    const Messages messages = controller.loadRoom("KelvoL.dat");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().kind, MessageKind::Critical);
    EXPECT_NE(messages.back().text.find("floor_CR.dat"), std::string::npos) << messages.back().text;
}

} // namespace
} // namespace veskaro
