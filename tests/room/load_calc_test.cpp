// Load calculation: worked examples, the rules of each step and their edge cases.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "app/app_context.h"
#include "envelope/envelope_data.h"
#include "room/load_calc.h"
#include "sample_room.h"

namespace veskaro::testing {
namespace {

// A room whose only load is what the test puts in: no dimensions (no transmission, no lighting), dry
// air (no air change), evaporator above 0 °C (no defrost), operation over the whole day; then `fields`.
using R = RoomRecord;
RoomRecord QuietRoom(const char* roomTemp,
                     std::initializer_list<std::pair<std::string R::*, const char*>> fields = {}) {
    RoomRecord room;
    room.RaumTemp = roomTemp;
    room.Laufzeit = "24";
    room.verdTemp = "5";
    room.AnzVerd = "1";
    for (const auto& [field, value] : fields)
        room.*field = value;
    return room;
}

// The first two stages: the room's texts parsed and computed.
LoadResult Loads(const RoomRecord& room, const Envelope& env = Envelope{}) {
    return ComputeLoads(ParseRoom(room), env);
}

TEST(ParseRoom, ValuesOutsideTheirRangeAreFlagged) {
    // Field, text typed into a plain chilled room, whether it is flagged.
    const std::tuple<std::string R::*, const char*, bool> rows[] = {
        {&R::RaumL, "0", false},        {&R::RaumL, "-8", true},         {&R::RaumL, "1001", true},
        {&R::RaumTemp, "80", false},    {&R::RaumTemp, "-60.5", true},   {&R::AussenTemp, "120", true},
        {&R::RaumFeuchte, "150", true}, {&R::RaumFeuchte, "100", false}, {&R::Laufzeit, "0", false},
        {&R::Laufzeit, "1e-320", true}, {&R::Laufzeit, "25", true},      {&R::Eltotal, "1e999", true},
        {&R::PersZahl, "-1", true},     {&R::hTuer, "21", true},         {&R::Abtau, " --", false},
    };
    for (const auto& [field, text, flagged] : rows) {
        SCOPED_TRACE(text);
        RoomRecord room = QuietRoom("2");
        room.*field = text;
        const RoomInputs in = ParseRoom(room);
        ASSERT_EQ(in.warnings.size(), flagged ? 1u : 0u);
        if (flagged) {
            EXPECT_EQ(&FieldText(room, in.warnings[0].field.value()), &(room.*field));
        }
        EXPECT_EQ(ComputeLoads(in, Envelope{}).trusted(), !flagged);
    }
    // A counted goods row is checked cell by cell; a row still lacking its end temperature is left out of
    // the goods heat but flagged, and so is a row without a field it needs at the room temperature.
    RoomRecord room = QuietRoom("2");
    SetGoods(room, 2, "Hot", {"100", "150", "2", "-2", "3", "1.6", "210", "0"});
    SetGoods(room, 3, "Typed", {"100", "150", "", "-2", "3", "1.6", "210", "0"});
    SetGoods(room, 4, "No cp", {"100", "20", "2", "-2", "", "1.6", "210", "0"});
    SetGoods(room, 5, "No freezing point", {"100", "20", "2", "", "3", "1.6", "210", "0"});
    const GoodsInputs goods = ParseGoods(room);
    EXPECT_EQ(goods.rows.size(), 3u);
    RoomInputs in = ParseRoomFields(room);
    const auto warnings = [&](double tRoom_C) {
        in.tRoom_C = tRoom_C;
        std::vector<std::string> texts;
        for (const RangeWarning& w : ComputeLoads(in, Envelope{}, goods).warnings)
            texts.push_back(w.text());
        return texts;
    };
    EXPECT_EQ(warnings(2.0), (std::vector<std::string>{"goods row 2 column 3 = 150 is outside -60 to 100",
                                                       "goods row 3 column 4 is missing",
                                                       "goods row 4 column 9 is missing"}));
    // Below freezing the same parsed goods need the freezing point of row 5 too.
    EXPECT_EQ(warnings(-20.0).back(), "goods row 5 column 8 is missing");
}

TEST(LoadCalcGoods, WorkedExamplesAndFreezingRules) {
    // c_1 = 3.0, c_2 = 1.6, h_fr = 210 kJ/kg, freezing at -2 °C throughout; Q in kWh/day worked by hand.
    const struct {
        const char *name, *tRoom, *m, *tIn, *tEnd, *qResp;
        double Q1, Q2, Q3, Q4;
    } cases[] = {
        {"chilled: 1000 kg 20 -> 2 °C", "2", "1000", "20", "2", "0", 15.0, 0.0, 0.0, 0.0},
        {"freezer: 1000 kg 20 -> -18 °C", "-20", "1000", "20", "-18", "0", 1000 * 22 * 3.0 / 3600,
         1000 * 16 * 1.6 / 3600, 1000 * 210.0 / 3600, 0.0},
        {"freezer, entry at freezing point", "-20", "1000", "-2", "-18", "0", 0.0, 1000 * 16 * 1.6 / 3600,
         1000 * 210.0 / 3600, 0.0},
        {"chilled, entry at freezing point thaws", "2", "1000", "-2", "2", "0", 1000 * -4 * 3.0 / 3600, 0.0,
         -1000 * 210.0 / 3600, 0.0},
        {"frozen product into chilled room", "2", "1000", "-18", "2", "0", 1000 * -20 * 3.0 / 3600, 0.0,
         -1000 * 210.0 / 3600, 0.0},
        {"entry below freezing into freezer room", "-20", "1000", "-10", "-18", "0", 0.0,
         1000 * 8 * 1.6 / 3600, 0.0, 0.0},
        {"respiration in chilled room", "2", "360", "2", "2", "10", 0.0, 0.0, 0.0, 1.0},
        {"no respiration in freezer room", "-20", "360", "-18", "-18", "10", 0.0, 0.0, 0.0, 0.0},
        {"room at the freezing point: neither freezing nor thawing", "-2", "360", "10", "-2", "0",
         360 * 12 * 3.0 / 3600, 0.0, 0.0, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RoomRecord room = QuietRoom(c.tRoom);
        SetGoods(room, 1, "Product", {c.m, c.tIn, c.tEnd, "-2", "3.0", "1.6", "210", c.qResp});
        const LoadResult r = Loads(room);
        ASSERT_EQ(r.goodsRows.size(), 1u);
        const GoodsHeat& g = r.goodsRows[0];
        EXPECT_NEAR(g.Q1_kWhday, c.Q1, 1e-9);
        EXPECT_NEAR(g.Q2_kWhday, c.Q2, 1e-9);
        EXPECT_NEAR(g.Q3_kWhday, c.Q3, 1e-9);
        EXPECT_NEAR(g.Q4_kWhday, c.Q4, 1e-9);
        EXPECT_NEAR(r.QG_kWhday, c.Q1 + c.Q2 + c.Q3 + c.Q4, 1e-9);
    }
}

TEST(LoadCalcGoods, RowsCountedAndRespirationInShockOperation) {
    // 25 rows of 1 kWh/day each (360 kg cooled 10 K at 1 kJ/kg K): row 3 empty, row 7 amount " -" (0).
    RoomRecord room = QuietRoom("2");
    for (int row = 1; row <= 25; ++row)
        SetGoods(room, row, "Product", {"360", "12", "2", "-2", "1", "1", "0", "0"});
    room.goods[3] = GoodsRow{};
    room.goods[7][kGoodsAmount] = " -";
    const RoomInputs in = ParseRoom(room);
    ASSERT_EQ(in.goods.rows.size(), 18u);
    EXPECT_EQ(in.goods.rows[2].row, 4);
    EXPECT_EQ(in.goods.rows.back().row, 20);
    LoadResult r = ComputeLoads(in, Envelope{});
    EXPECT_NEAR(r.QG_kWhday, 18.0, 1e-9);

    // Shock operation over 12 h: the day is the operating time, respiration counts 12 h only.
    room = QuietRoom("2", {{&R::Laufzeit, "12"}});
    room.operatingBasis = 1;
    SetGoods(room, 1, "Product", {"360", "2", "2", "-2", "3", "1.6", "210", "10"});
    r = Loads(room);
    EXPECT_NEAR(r.goodsRows[0].Q4_kWhday, 0.5, 1e-12);
}

TEST(LoadCalcGoods, EndTemperatureBelowRoomIsReportedOncePerCalculation) {
    RoomRecord room = QuietRoom("2");
    SetGoods(room, 1, "Product", {"100", "20", "-1.5", "-2", "3", "1.6", "210", "0"});
    SetGoods(room, 2, "Product", {"100", "20", "0", "-2", "3", "1.6", "210", "0"});
    // Incomplete rows (amount or end temperature still blank) neither count nor raise the message.
    SetGoods(room, 3, "Typed", {"100", "20", " ", "-2", "3", "1.6", "210", "0"});
    SetGoods(room, 4, "Typed", {"", "20", "-5", "-2", "3", "1.6", "210", "0"});
    const LoadResult r = Loads(room);
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_EQ(r.notes[0].tGoodsEnd_C, -1.5);
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(r.goodsRows.size(), 2u); // the calculation goes on
    const RoomDisplay shown = PresentLoads(r, EnglishContext());
    ASSERT_EQ(shown.messages.size(), 1u);
    EXPECT_EQ(shown.messages[0].kind, MessageKind::Plain);
    EXPECT_EQ(shown.messages[0].text, "Goods end temperature = -1.5°C\rRoom temperature =  2°C\r\r"
                                      "Goods end temperature < Room temperature!");
}

TEST(LoadCalcTransmission, DefaultsGivenValuesZeroUAndMissingDimension) {
    RoomRecord room =
        QuietRoom("0", {{&R::RaumL, "10"}, {&R::RaumB, "5"}, {&R::RaumH, "3"}, {&R::AussenTemp, "30"}});
    LoadResult r = Loads(room); // an empty envelope takes the defaults
    ASSERT_EQ(r.walls.size(), 4u);
    const double lengths[] = {5, 10, 10, 5};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_DOUBLE_EQ(r.walls[k].length_m, lengths[k]);
        EXPECT_DOUBLE_EQ(r.walls[k].U_Wm2K, 0.4);
        EXPECT_DOUBLE_EQ(r.walls[k].tBeyond_C, 30.0);
        EXPECT_NEAR(r.walls[k].Q_W, lengths[k] * 3 * 0.4 * 30, 1e-9);
    }
    EXPECT_NEAR(r.floor.Q_W, 50 * 0.85 * 15, 1e-9);
    EXPECT_DOUBLE_EQ(r.floor.tBeyond_C, 15.0);
    EXPECT_NEAR(r.ceiling.Q_W, 50 * 0.44 * 30, 1e-9);
    EXPECT_NEAR(r.QT_kW, (90 * 0.4 * 30 + 637.5 + 660) / 1000, 1e-12);

    Envelope env;
    env.walls[0] = {"", 0, 0.22, 25};
    env.walls[1] = {"", 0, 0.0, 25}; // U 0 against a given temperature: no heat flow, no default
    env.walls[2] = {"", 0, 0.22, -20};
    env.walls[3] = {"", 0, 0.22, 25};
    env.floorU_Wm2K = 0.3;
    env.floorT_C = 10;
    env.ceilingU_Wm2K = 0.2;
    env.ceilingT_C = 30;
    r = Loads(room, env);
    EXPECT_NEAR(r.walls[0].Q_W, 15 * 0.22 * 25, 1e-9);
    EXPECT_EQ(r.walls[1].Q_W, 0.0);
    EXPECT_NEAR(r.walls[2].Q_W, 30 * 0.22 * -20, 1e-9);
    EXPECT_NEAR(r.floor.Q_W, 50 * 0.3 * 10, 1e-9);
    EXPECT_NEAR(r.ceiling.Q_W, 50 * 0.2 * 30, 1e-9);
    room.RaumH = "0";
    EXPECT_EQ(Loads(room, env).QT_kW, 0.0);
}

TEST(LoadCalcDimensions, RoundingFactorFollowsTheMagnitudeAndAFloorPlanRoomUsesIt) {
    // L, B, H in m; volume, floor area and perimeter as shown, cut by the factor f.
    const std::tuple<const char*, const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"2.111", "1.777", "2.05", " 7.69", " 3.751", " 7.776"}, // V < 10: f = 100
        {"4.111", "3.777", "2.5", " 38.8", " 15.52", " 15.77"},  // V > 10: f = 10
        {"10.111", "8.777", "3.5", " 310", " 88.7", " 37.7"},    // V > 100: f = 1
    };
    for (const auto& [L, B, H, vol, area, perimeter] : cases) {
        SCOPED_TRACE(L);
        const RoomRecord room = QuietRoom("2", {{&R::RaumL, L}, {&R::RaumB, B}, {&R::RaumH, H}});
        const RoomDisplay shown = PresentLoads(Loads(room), AppContext{});
        EXPECT_EQ(shown.Vol, vol);
        EXPECT_EQ(shown.Area, area);
        EXPECT_EQ(shown.Umfang, perimeter);
    }
    // A floor-plan room's loads use the volume as shown: 43.456 m² · 3 m cut by the factor of its 33.9 m
    // perimeter (10).
    Envelope env;
    env.floorArea_m2 = 43.456;
    env.perimeter_m = 33.9;
    RoomRecord room = QuietRoom("0", {{&R::RaumH, "3"}});
    room.roomShape = kFloorPlanRoom;
    const LoadResult r = Loads(room, env);
    EXPECT_DOUBLE_EQ(r.V_m3, 130.3);
    EXPECT_EQ(PresentLoads(r, AppContext{}).Vol, " 130.3");
}

TEST(ParseRoom, OperatingTimeDayBasisAndEvaporatorCount) {
    // Operating time, evaporator count and basis typed; t_run h, whether "18" replaces the text, D h,
    // evaporators.
    const std::tuple<const char*, const char*, int, double, bool, int, int> cases[] = {
        {"0", "0", 0, 18, true, 24, 1},       {"", "2", 0, 18, true, 24, 2},
        {"-3", "0.5", 0, 18, true, 24, 1},    {"20", "3", 0, 20, false, 24, 3},
        {"12.7", "1", 1, 12.7, false, 12, 1}, {".4", "1", 1, .4, false, 1, 1},
        {"0", "1", 1, 18, true, 18, 1}};
    for (const auto& [laufzeit, anzVerd, basis, tRun, defaulted, D, nEvap] : cases) {
        SCOPED_TRACE(std::string(laufzeit) + " / " + anzVerd + " / " + std::to_string(basis));
        RoomRecord room = QuietRoom("2", {{&R::Laufzeit, laufzeit}, {&R::AnzVerd, anzVerd}});
        room.operatingBasis = basis;
        const RoomInputs in = ParseRoom(room);
        EXPECT_DOUBLE_EQ(in.tRun_h, tRun);
        EXPECT_EQ(in.runTimeDefaulted, defaulted);
        EXPECT_EQ(in.D_h, D);
        EXPECT_EQ(in.nEvap, nEvap);
        const RoomDisplay shown = PresentLoads(ComputeLoads(in, Envelope{}), AppContext{});
        EXPECT_EQ(shown.Laufzeit, defaulted ? std::optional<std::string>("18") : std::nullopt);
        EXPECT_EQ(shown.Label51, " " + std::to_string(nEvap) + " x");
    }
}

TEST(LoadCalcTotal, CapacityAndSharesAreCutNotRounded) {
    // Only the electrical load: Q_0 = 1.23456 kW over 18 h of 24 h, plus 100 W of fans.
    RoomRecord room = QuietRoom("2", {{&R::Laufzeit, "18"}, {&R::Eltotal, "925.92"}, {&R::PlueftPN, "100"}});
    AppContext ctx = EnglishContext();
    const RecalcResult r = Recalc(room, Envelope{}, ctx);
    EXPECT_NEAR(r.Q0_kW, 0.92592 * 24 / 18 + 0.1, 1e-12);
    EXPECT_EQ(r.RaumLeist, " 1.334");                  // 1.33456 cut to 3 decimals
    EXPECT_DOUBLE_EQ(r.electrical.capacity_kW, 1.234); // 1.23456
    EXPECT_DOUBLE_EQ(r.electrical.share_pct, 92.5);    // 92.5069..
    EXPECT_DOUBLE_EQ(r.fans.capacity_kW, 0.1);
    EXPECT_DOUBLE_EQ(r.fans.share_pct, 7.49); // 7.4930..

    // Above 10 and 100 kW the display keeps two and one decimals.
    room.Eltotal = "12345.678";
    room.PlueftPN = "";
    room.Laufzeit = "24";
    EXPECT_EQ(Recalc(room, Envelope{}, ctx).RaumLeist, " 12.34");
    room.Eltotal = "123456.78";
    EXPECT_EQ(Recalc(room, Envelope{}, ctx).RaumLeist, " 123.4");

    // An empty room: zero shares, not NaN.
    room = RoomRecord{};
    const RecalcResult empty = Recalc(room, Envelope{}, ctx);
    EXPECT_EQ(empty.Q0_kW, 0.0);
    EXPECT_EQ(empty.goods.share_pct, 0.0);
    EXPECT_EQ(empty.transmission.share_pct, 0.0);
    EXPECT_EQ(empty.RaumLeist, " 0");
}

TEST(LoadCalcDefrost, HeaterPowerFromTheMoistureCarriedIn) {
    RoomRecord room = QuietRoom("2", {{&R::RaumL, "8"},
                                      {&R::RaumB, "6"},
                                      {&R::RaumH, "3.5"},
                                      {&R::AussenTemp, "32"},
                                      {&R::RaumFeuchte, "85"},
                                      {&R::AussenFeuchte, "40"},
                                      {&R::RaumLW, "1"},
                                      {&R::Laufzeit, "18"},
                                      {&R::AnzVerd, "2"},
                                      {&R::verdTemp, "-4"}});
    AppContext ctx = EnglishContext();
    const RecalcResult r = Recalc(room, Envelope{}, ctx);
    ASSERT_GT(r.moisture_gh, 0.0);
    // Heater melting the frost (335 kJ/kg) within 3 % of the time at 67 % efficiency.
    const double Pd = r.moisture_gh / 1000 * 335 / (3600 * 0.67 * 0.03);
    EXPECT_NEAR(r.defrostPower_kW, Pd, 1e-12);
    EXPECT_EQ(room.AbtauAnt, " 3");
    const double perEvaporator_W = std::floor(1000 * Pd * 24 / (18 * 2));
    EXPECT_EQ(room.Abtau, " " + std::to_string(static_cast<long>(perEvaporator_W)));
    EXPECT_NEAR(r.defrostHeat_kW, 0.33 * perEvaporator_W * 2 * 0.03 / 1000, 1e-12);

    // The engineer gives 4 kW per evaporator: the time share needed follows, cut to 2 decimals.
    room.Abtau = "4000";
    room.AbtauAnt = "3";
    room.defrostFlag = 1;
    const RecalcResult given = Recalc(room, Envelope{}, ctx);
    const double share_pct = std::floor(100 * 3 * 1000 * Pd / (4000 * 18 * 2 / 24.0)) / 100;
    EXPECT_EQ(room.Abtau, "4000");
    EXPECT_DOUBLE_EQ(std::stod(room.AbtauAnt), share_pct);
    EXPECT_NEAR(given.defrostHeat_kW, 0.33 * 4000 * 2 * (share_pct / 100) / 1000, 1e-12);

    // Only flag 1 sizes the share: a foreign flag value leaves both texts and the shared power alone.
    room.AbtauAnt = "5";
    room.defrostFlag = 2;
    const RecalcResult foreign = Recalc(room, Envelope{}, ctx);
    EXPECT_EQ(room.Abtau, "4000");
    EXPECT_EQ(room.AbtauAnt, "5");
    EXPECT_EQ(foreign.defrostSizing, DefrostSizing::AsGiven);
    EXPECT_NEAR(foreign.defrostHeat_kW, 0.33 * 4000 * 2 * 0.05 / 1000, 1e-12);
    room.defrostFlag = 1;

    // An evaporator at or above 0 °C needs no defrost.
    for (const char* t0 : {"0", "1.5"}) {
        SCOPED_TRACE(t0);
        room.verdTemp = t0;
        room.Abtau = "2000";
        room.AbtauAnt = "4";
        const RecalcResult none = Recalc(room, Envelope{}, ctx);
        EXPECT_EQ(room.Abtau, " --");
        EXPECT_EQ(room.AbtauAnt, " --");
        EXPECT_EQ(none.defrostHeat_kW, 0.0);
        EXPECT_EQ(none.defrostPower_kW, 0.0);
    }
}

TEST(LoadCalcStop, RoomBelowMinus50StopsWithAWarning) {
    RoomRecord room = QuietRoom("-50.5", {{&R::Laufzeit, "0"}, {&R::Abtau, "1500"}, {&R::verdTemp, "-60"}});
    SetGoods(room, 1, "Product", {"100", "20", "-55", "-2", "3", "1.6", "210", "0"});
    AppContext ctx = EnglishContext();
    const RecalcResult r = Recalc(room, Envelope{}, ctx);
    EXPECT_TRUE(r.stopped);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].kind, MessageKind::Exclamation);
    EXPECT_EQ(r.messages[0].text, "Room temperature < -50°C!");
    EXPECT_EQ(room.Abtau, "1500"); // untouched
    EXPECT_FALSE(r.AbtauAnt.has_value());
    EXPECT_TRUE(r.RaumLeist.empty());
    EXPECT_TRUE(r.goodsRows.empty());
    EXPECT_EQ(room.Laufzeit, "18"); // step 1 ran before the check
    room.RaumTemp = "-50";
    EXPECT_FALSE(Recalc(room, Envelope{}, ctx).stopped);
}

} // namespace
} // namespace veskaro::testing
