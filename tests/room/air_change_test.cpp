// Room air change from volume and door openings, door infiltration and the air curtain.

#include "room/air_change.h"
#include "sample_room.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "app/app_context.h"
#include "room/room_record.h"

namespace veskaro {
namespace {

TEST(AirCurtainFactor, LowerWholeMetreOfTheDoorHeight) {
    const std::tuple<double, double> rows[] = {
        {0.8, 0},     {0.999, 0},
        {1, 0.15},    {2.5, 0.15},
        {3.99, 0.15}, {4, 0.2},
        {5.5, 0.35},  {6, 0.55},
        {7.2, 0.7},   {8.9, 0.75},
        {9, 0.8},     {30, 0.8},
        {-1, 0},      {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& [h_m, factor] : rows) {
        SCOPED_TRACE(h_m);
        EXPECT_DOUBLE_EQ(AirCurtainFactor(h_m), factor);
    }
}

TEST(RoomAirChange, RateFromVolumeAndOpenings) {
    const struct {
        const char *L, *B, *H, *openings;
        int D_h;
        std::string RaumLW;                  // Int((n0 + nd)·100)/100; without a volume the rate typed stays
        double flow_m3h;                     // Int(V·(n0 + nd)·10)/10
        int scroll;                          // Int(10·RaumLW)
        const char* openingsAfter = nullptr; // capped at 150 a day, with or without a volume
    } rows[] = {
        // 100 m³, closed: n0 = 70/(24·10) = 0.2917
        {"10", "5", "2", "0", 24, " .29", 29.1, 2},
        // 16 m³, 12 openings: n0 = 0.7292, nd = 2·12/24 = 1
        {"4", "2", "2", "12", 24, " 1.72", 27.6, 17},
        // the same in shock operation over 12 h: nd = 2
        {"4", "2", "2", "12", 12, " 2.72", 43.6, 27},
        // 100 m³ counts its openings as 25 m³ each: nd = 2·12·0.25/24 = 0.25
        {"10", "5", "2", "12", 24, " .54", 54.1, 5},
        // a day basis below 1 h counts as 1 h
        {"4", "2", "2", "1", 0, " 2.72", 43.6, 27},
        {"4", "2", "0", "200", 24, "3.5", 0, 0, "150"},
        // 16 m³, 150 openings: nd = 2·150/24 = 12.5
        {"4", "2", "2", "151", 24, " 13.22", 211.6, 132, "150"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.L << "x" << r.B << "x" << r.H << " openings " << r.openings);
        RoomRecord room;
        room.RaumL = r.L;
        room.RaumB = r.B;
        room.RaumH = r.H;
        room.RaumLW = "3.5";
        room.NBegeh = r.openings;
        const RoomAirChange ac = UpdateRoomAirChange(room, r.D_h);
        EXPECT_EQ(room.RaumLW, r.RaumLW);
        EXPECT_EQ(room.NBegeh, r.openingsAfter ? r.openingsAfter : r.openings);
        EXPECT_EQ(ac.computed, r.flow_m3h > 0);
        if (!ac.computed) continue;
        EXPECT_DOUBLE_EQ(ac.flow_m3h, r.flow_m3h);
        EXPECT_EQ(ac.scrollPosition, r.scroll);
    }
}

RoomRecord DoorRoom() {
    RoomRecord room;
    room.RaumTemp = "2";
    room.RaumFeuchte = "85";
    room.AussenTemp = "25";
    room.AussenFeuchte = "50";
    room.oeffungsZ = "1";
    room.bTuer = "1";
    room.hTuer = "2";
    room.LWergeb = "keep";
    return room;
}

// Door 1 m x 2 m, room 2 °C / 85 %, outside 25 °C / 50 %, 1.013 bar: ρ_i = 1.27975, ρ_a = 1.17667 kg/m³,
// V̇ = 0.9·(1/3)·2^1.5·√(9.81·0.10308/1.22821)·3600 = 2771.6 m³/h; open 1 h of 24 into 100 m³:
// n = 1.1548 /h.
TEST(DoorInfiltration, WorkedExampleCurtainEqualDensitiesAndNoVolume) {
    AppContext ctx = testing::EnglishContext();
    RoomRecord room = DoorRoom();
    const DoorInfiltration d = ComputeDoorInfiltration(room, 100.0, 24, false, ctx);
    ASSERT_FALSE(d.message.has_value());
    EXPECT_TRUE(d.computed);
    EXPECT_NEAR(d.openFlow_m3h, 2771.64, 0.002 * 2771.64);
    EXPECT_NEAR(d.nDoor_perh, 1.15485, 0.002 * 1.15485);
    EXPECT_EQ(room.LWergeb, " 1.15");
    EXPECT_EQ(d.LWergeb, " 1.15");
    EXPECT_EQ(d.Label53, "2771.6 m³/h");

    // An air curtain keeps 15 % of a 2 m door's infiltration.
    room = DoorRoom();
    const DoorInfiltration c = ComputeDoorInfiltration(room, 100.0, 24, true, ctx);
    EXPECT_NEAR(c.nDoor_perh, 0.15 * d.nDoor_perh, 1e-12);
    EXPECT_EQ(room.LWergeb, " .17");

    // No volume: the flow is known, the rate stays.
    room = DoorRoom();
    const DoorInfiltration noVolume = ComputeDoorInfiltration(room, 0.0, 24, false, ctx);
    EXPECT_FALSE(noVolume.computed);
    EXPECT_GT(noVolume.openFlow_m3h, 0.0);
    EXPECT_EQ(room.LWergeb, "keep");
    EXPECT_TRUE(noVolume.Label67.empty());

    // Equal densities inside and out: no infiltration.
    room.AussenTemp = room.RaumTemp;
    room.AussenFeuchte = room.RaumFeuchte;
    const DoorInfiltration equal = ComputeDoorInfiltration(room, 50.0, 24, false, ctx);
    EXPECT_TRUE(equal.computed);
    EXPECT_DOUBLE_EQ(equal.openFlow_m3h, 0.0);
    EXPECT_EQ(room.LWergeb, " 0");
    EXPECT_EQ(equal.Label53, "0 m³/h");
    EXPECT_EQ(equal.Label67, "= 0 m³/h");
}

TEST(DoorInfiltration, ZeroFieldsStopWithAMessage) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"0", "50", "1", "Room humidity = 0 !!"},
        {"85", "", "1", "Outside humidity = 0 !!"},
        {"85", "50", "0", "Door opening time = 0 !!"},
    };
    AppContext ctx = testing::EnglishContext();
    for (const auto& [RaumFeuchte, AussenFeuchte, oeffungsZ, text] : rows) {
        SCOPED_TRACE(text);
        RoomRecord room = DoorRoom();
        room.RaumFeuchte = RaumFeuchte;
        room.AussenFeuchte = AussenFeuchte;
        room.oeffungsZ = oeffungsZ;
        const DoorInfiltration d = ComputeDoorInfiltration(room, 100.0, 24, false, ctx);
        ASSERT_TRUE(d.message.has_value());
        EXPECT_EQ(d.message->kind, MessageKind::Critical);
        EXPECT_EQ(d.message->text, text);
        EXPECT_FALSE(d.computed);
        EXPECT_EQ(room.LWergeb, "keep");
    }
}

} // namespace
} // namespace veskaro
