// Room humidity and the evaporator temperature difference: the table both ways and the field couplings.

#include "room/humidity.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "room/room_record.h"

namespace veskaro {
namespace {

TEST(HumidityDeltaT, TableBothWays) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Direction 1, humidity % -> ΔT K: nodes, between nodes (87.7 % lies 1.3/5 of the way from 5 K to 6 K),
    // extended above 98 %, 0 from 56 % down. Direction 2, ΔT K -> humidity %: nodes, between nodes,
    // extended below 3 K, 0 from 17 K on. No value: 0.
    const std::tuple<double, int, double> rows[] = {
        {89, 1, 5},     {86.5, 1, 5.5}, {72.5, 1, 9},    {87.7, 1, 5.26}, {74, 1, 8 + 2 / 3.5},
        {100, 1, 2},    {98, 1, 3},     {57, 1, 16.5},   {56, 1, 0},      {40, 1, 0},
        {5.5, 2, 86.5}, {9, 2, 72.5},   {5.26, 2, 87.7}, {2, 2, 100},     {3, 2, 98},
        {16.5, 2, 57},  {17, 2, 0},     {25, 2, 0},      {nan, 1, 0},     {nan, 2, 0},
    };
    for (const auto& [value, direction, expected] : rows) {
        SCOPED_TRACE(testing::Message() << "value " << value << " direction " << direction);
        const double got = direction == 1 ? DeltaTFromHumidity_K(value) : HumidityFromDeltaT_pct(value);
        EXPECT_NEAR(got, expected, 1e-12);
    }
    for (double dT = 2.0; dT < 16.95; dT += 0.25) {
        SCOPED_TRACE(dT);
        EXPECT_NEAR(DeltaTFromHumidity_K(HumidityFromDeltaT_pct(dT)), dT, 1e-9);
    }
}

// A change of one field updates the coupled ones; verdTemp starts as "keep", the shared ΔT as 1 K.
TEST(HumidityCoupling, FieldRules) {
    enum Change { RoomHumidity, TempDiff, CoolerTempDiff, BeforeCalculation };
    const struct {
        const char* name;
        Change change;
        const char *RaumTemp, *RaumFeuchte, *tempdiff, *dt1; // before
        bool changed;
        const char *feuchteAfter, *tempdiffAfter, *dt1After, *verdTempAfter;
        double sharedDeltaT_K; // after
    } rows[] = {
        {"86.5 %: Δt1 = Int(5.5·12.5)/10, t0 = Int((2 - 5.5)·10)/10", RoomHumidity, "2", "86.5", "", "", true,
         "86.5", " 5.5", " 6.8", "-3.5", 5.5},
        {"t0 cut towards minus infinity: Int((0.55 - 5)·10)/10", RoomHumidity, "0.55", "89", "", "", true,
         "89", " 5", " 6.2", "-4.5", 5},
        {"87.7 %: ΔT 5.26 shown rounded to 5.3, Δt1 = Int(5.26·12.5)/10", RoomHumidity, "0", "87.7", "", "",
         true, "87.7", " 5.3", " 6.5", "-5.3", 5.26},
        {"below 58 % nothing changes", RoomHumidity, "2", "57.9", "7", "8", false, "57.9", "7", "8", "keep",
         1},
        {"ΔT 5.5 K", TempDiff, "2", "80", "5.5", "", true, " 86.5", "5.5", " 6.8", "-3.5", 5.5},
        {"17 K and more: humidity 0", TempDiff, "-20", "80", "17", "", true, " 0", "17", " 21.2", "-37", 17},
        {"below 3 K: only the shared ΔT", TempDiff, "2", "80", "2.5", "x", false, "80", "2.5", "x", "keep",
         2.5},
        {"Δt1 11.25: ΔT = Int(11.25·10)/12.5 = 8.96, φ = 76 + 0.96·(72.5 - 76)", CoolerTempDiff, "2", "", "",
         "11.25", true, " 72.6", " 8.96", "11.25", "-6.96", 8.96},
        {"Δt1 below 3 K", CoolerTempDiff, "2", "80", "6", "2.9", false, "80", "6", "2.9", "keep", 1},
        {"empty ΔT filled", BeforeCalculation, "2", "86.5", "0", "d", true, "86.5", " 5.5", "d", "-3.5", 5.5},
        {"74 %: ΔT 8.571 shown rounded to 8.6", BeforeCalculation, "0", "74", "0", "d", true, "74", " 8.6",
         "d", "-8.6", 8 + 2 / 3.5},
        {"60 % is not enough", BeforeCalculation, "2", "60", "0", "d", false, "60", "0", "d", "keep", 1},
        {"ΔT given", BeforeCalculation, "2", "86.5", "4", "d", false, "86.5", "4", "d", "keep", 1},
        {"ΔT given with a comma", BeforeCalculation, "2", "86.5", "0,5", "d", false, "86.5", "0,5", "d",
         "keep", 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        double shared_K = 1;
        RoomRecord r;
        r.RaumTemp = row.RaumTemp;
        r.RaumFeuchte = row.RaumFeuchte;
        r.tempdiff = row.tempdiff;
        r.tempDiffdt1 = row.dt1;
        r.verdTemp = "keep";
        const bool changed = row.change == RoomHumidity     ? OnRoomHumidityChanged(r, shared_K)
                             : row.change == TempDiff       ? OnTempDiffChanged(r, shared_K)
                             : row.change == CoolerTempDiff ? OnCoolerTempDiffChanged(r, shared_K)
                                                            : SyncBeforeCalculation(r, shared_K);
        EXPECT_EQ(changed, row.changed);
        EXPECT_EQ(r.RaumFeuchte, row.feuchteAfter);
        EXPECT_EQ(r.tempdiff, row.tempdiffAfter);
        EXPECT_EQ(r.tempDiffdt1, row.dt1After);
        EXPECT_EQ(r.verdTemp, row.verdTempAfter);
        EXPECT_NEAR(shared_K, row.sharedDeltaT_K, 1e-12);
    }
}

} // namespace
} // namespace veskaro
