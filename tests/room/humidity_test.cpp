#include "room/humidity.h"

#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "room/room_record.h"

namespace veskaro {
namespace {

TEST(HumidityDeltaT, TableBothWays) {
    struct Row {
        double value;
        int mode;
        double expected;
    };
    const std::vector<Row> rows = {
        // humidity % -> ΔT K: nodes, between nodes, extended above 98 %, 0 from 56 % down
        {89, 1, 5},
        {86.5, 1, 5.5},
        {72.5, 1, 9},
        {100, 1, 2},
        {98, 1, 3},
        {57, 1, 16.5},
        {56, 1, 0},
        {40, 1, 0},
        // ΔT K -> humidity %: nodes, between nodes, extended below 3 K, 0 from 17 K on
        {5.5, 2, 86.5},
        {9, 2, 72.5},
        {2, 2, 100},
        {3, 2, 98},
        {16.5, 2, 57},
        {17, 2, 0},
        {25, 2, 0},
        // no such mode, no value
        {80, 3, 0},
        {std::numeric_limits<double>::quiet_NaN(), 1, 0},
        {std::numeric_limits<double>::quiet_NaN(), 2, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "value " << r.value << " mode " << r.mode);
        EXPECT_DOUBLE_EQ(HumidityDeltaT(r.value, r.mode), r.expected);
    }
}

TEST(HumidityDeltaT, ModesInvertEachOther) {
    for (double dT = 2.0; dT < 16.95; dT += 0.25) {
        SCOPED_TRACE(dT);
        EXPECT_NEAR(HumidityDeltaT(HumidityDeltaT(dT, kDeltaTToHumidity), kHumidityToDeltaT), dT, 1e-9);
    }
}

RoomRecord Room(std::string raumTemp, std::string feuchte, std::string tempdiff, std::string dt1) {
    RoomRecord r;
    r.RaumTemp = std::move(raumTemp);
    r.RaumFeuchte = std::move(feuchte);
    r.tempdiff = std::move(tempdiff);
    r.tempDiffdt1 = std::move(dt1);
    r.verdTemp = "keep";
    return r;
}

struct Fields {
    std::string feuchte, tempdiff, dt1, verdTemp;
    double sharedDeltaT_K;
};

void ExpectFields(const RoomRecord& r, const AppContext& ctx, const Fields& f) {
    EXPECT_EQ(r.RaumFeuchte, f.feuchte);
    EXPECT_EQ(r.tempdiff, f.tempdiff);
    EXPECT_EQ(r.tempDiffdt1, f.dt1);
    EXPECT_EQ(r.verdTemp, f.verdTemp);
    EXPECT_DOUBLE_EQ(ctx.sharedDeltaT_K, f.sharedDeltaT_K);
}

TEST(HumidityCoupling, RoomHumidityChanged) {
    AppContext ctx;
    ctx.sharedDeltaT_K = -1;
    RoomRecord r = Room("2", "86.5", "", "");
    EXPECT_TRUE(OnRoomHumidityChanged(r, ctx));
    // Δt1 = Int(5.5·12.5)/10 = 6.8; verdTemp = Int((2 - 5.5)·10)/10
    ExpectFields(r, ctx, {"86.5", " 5.5", " 6.8", "-3.5", 5.5});

    // The evaporating temperature is cut towards minus infinity: Int((0.55 - 5)·10)/10 = -4.5.
    r = Room("0.55", "89", "", "");
    EXPECT_TRUE(OnRoomHumidityChanged(r, ctx));
    ExpectFields(r, ctx, {"89", " 5", " 6.2", "-4.5", 5});

    // Below 58 % nothing changes.
    r = Room("2", "57.9", "7", "8");
    EXPECT_FALSE(OnRoomHumidityChanged(r, ctx));
    ExpectFields(r, ctx, {"57.9", "7", "8", "keep", 5});
}

TEST(HumidityCoupling, TempDiffChanged) {
    AppContext ctx;
    RoomRecord r = Room("2", "80", "5.5", "");
    EXPECT_TRUE(OnTempDiffChanged(r, ctx));
    ExpectFields(r, ctx, {" 86.5", "5.5", " 6.8", "-3.5", 5.5});

    // 17 K and more: the humidity field shows 0.
    r = Room("-20", "80", "17", "");
    EXPECT_TRUE(OnTempDiffChanged(r, ctx));
    ExpectFields(r, ctx, {" 0", "17", " 21.2", "-37", 17});

    // Below 3 K the value is still stored as the shared ΔT, the other fields stay.
    r = Room("2", "80", "2.5", "x");
    EXPECT_FALSE(OnTempDiffChanged(r, ctx));
    ExpectFields(r, ctx, {"80", "2.5", "x", "keep", 2.5});
}

TEST(HumidityCoupling, CoolerTempDiffChanged) {
    AppContext ctx;
    // ΔT = Int(11.25·10)/12.5 = 8.96; φ = 76 + 0.96·(72.5 - 76) = 72.64 -> 72.6
    RoomRecord r = Room("2", "", "", "11.25");
    EXPECT_TRUE(OnCoolerTempDiffChanged(r, ctx));
    ExpectFields(r, ctx, {" 72.6", " 8.96", "11.25", "-6.96", 8.96});

    ctx.sharedDeltaT_K = 4;
    r = Room("2", "80", "6", "2.9");
    EXPECT_FALSE(OnCoolerTempDiffChanged(r, ctx));
    ExpectFields(r, ctx, {"80", "6", "2.9", "keep", 4});
}

TEST(HumidityCoupling, SyncBeforeCalculationFillsAnEmptyTempDiff) {
    AppContext ctx;
    RoomRecord r = Room("2", "86.5", "0", "d");
    EXPECT_TRUE(SyncBeforeCalculation(r, ctx));
    ExpectFields(r, ctx, {"86.5", " 5.5", "d", "-3.5", 5.5});

    struct Row {
        std::string feuchte, tempdiff;
    };
    // 60 % is not enough; a tempdiff already given is kept.
    for (const Row& row : std::vector<Row>{{"60", "0"}, {"86.5", "4"}, {"86.5", "0,5"}}) {
        SCOPED_TRACE(row.feuchte + " / " + row.tempdiff);
        ctx.sharedDeltaT_K = 1;
        r = Room("2", row.feuchte, row.tempdiff, "d");
        EXPECT_FALSE(SyncBeforeCalculation(r, ctx));
        ExpectFields(r, ctx, {row.feuchte, row.tempdiff, "d", "keep", 1});
    }
}

} // namespace
} // namespace veskaro
