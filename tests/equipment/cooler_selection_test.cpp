#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "../app/temp_data_dir.h"
#include "app/app_context.h"
#include "equipment/cooler_selection.h"

namespace veskaro {
namespace {

using testing::SeedContext;

TEST(CoolerCatalogue, ShippedCatalogueCoversTheSizingRange) {
    const CoolerCatalogue cat = LoadCoolerCatalogue(SeedContext());
    EXPECT_TRUE(cat.problems.empty()) << cat.problems.front();
    ASSERT_GE(cat.models.size(), 40u);
    double smallest = 1e9, largest = 0;
    for (const CoolerModel& m : cat.models) {
        smallest = std::min(smallest, m.nominal_kW);
        largest = std::max(largest, m.nominal_kW);
        // Air-side balance at the standard condition: a unit cooler moves 1.5 to 3.5 kW per 1000 m³/h.
        EXPECT_NEAR(m.nominal_kW / (m.airFlow_m3h / 1000.0), 2.5, 1.0) << m.name;
    }
    EXPECT_LE(smallest, 1.2);
    EXPECT_GE(largest, 75.0);
}

TEST(CoolerCatalogue, UserRowsFollowAndBadRowsAreLeftOut) {
    const std::string standard = "\"A\",4,1,300,2,1000,80,1000,3\r\n\"\",4,1,300,2,1000,80,1000,3\r\n"
                                 "\"B\",4,1,300,-2,1000,80,1000,3\r\n\"C\",4,1,300,1e999,1000,80,1000,3\r\n";
    const CoolerCatalogue cat = ParseCoolerCatalogue(standard, "\"U\",7,2,450,9,5000,200,4000,8\r\n\"V\",7");
    ASSERT_EQ(cat.models.size(), 2u);
    EXPECT_EQ(cat.models[0].name, "A");
    EXPECT_FALSE(cat.models[0].user);
    EXPECT_EQ(cat.models[1].name, "U");
    EXPECT_TRUE(cat.models[1].user);
    EXPECT_EQ(cat.problems.size(), 2u); // three standard rows and one user row left out

    testing::TempDataDir dir;
    const CoolerCatalogue missing = LoadCoolerCatalogue(dir.context());
    EXPECT_TRUE(missing.models.empty());
    ASSERT_EQ(missing.problems.size(), 1u);
    EXPECT_NE(missing.problems[0].find("CoolerCat.dat"), std::string::npos);
}

TEST(CoolerCapacity, Corrections) {
    CoolerModel m;
    m.nominal_kW = 10.0;
    // ΔT1 K, t0 °C, refrigerant, capacity kW
    const std::tuple<double, double, const char*, double> rows[] = {
        {8, -8, "R404A", 10.0},       // the standard condition itself
        {4, -8, "R404A", 5.0},        // linear in ΔT1
        {8, -8, "R134A", 9.3},        // refrigerant factor
        {8, -30, "R507A", 9.1},       // lower t0: frost and thinner air
        {8, -100, "R404A", 8.8},      // held at the table's end
        {8, 2.5, "R404A", 0.94 * 10}, // between 0 and +5 °C
        {0, -8, "R404A", 0.0},        {-5, -8, "R404A", 0.0},
    };
    for (const auto& [dT1, t0, refrigerant, expected] : rows) {
        SCOPED_TRACE(std::to_string(dT1) + " K, " + std::to_string(t0) + " °C, " + refrigerant);
        EXPECT_NEAR(CoolerCapacity_kW(m, dT1, t0, refrigerant), expected, 1e-9);
    }
}

TEST(CoolerSelection, ListsCoolersMeetingTheCapacitySmallestReserveFirst) {
    const CoolerCatalogue cat = LoadCoolerCatalogue(SeedContext());
    const double rows[][2] = {{5.8, 7.0}, {1.0, 8.0}, {40.0, 10.0}, {0.3, 4.0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r[0]);
        const auto list = MatchingCoolers(cat.models, r[0], r[1], -8.0, "R404A");
        ASSERT_FALSE(list.empty());
        for (std::size_t i = 0; i < list.size(); ++i) {
            EXPECT_GE(list[i].capacity_kW, r[0]);
            if (i > 0) {
                EXPECT_GE(list[i].reserve_pct, list[i - 1].reserve_pct);
            }
        }
        // Nothing that meets the capacity is missing from the list.
        const auto meets = std::count_if(cat.models.begin(), cat.models.end(), [&](const CoolerModel& m) {
            return CoolerCapacity_kW(m, r[1], -8.0, "R404A") >= r[0];
        });
        EXPECT_EQ(static_cast<long>(list.size()), meets);
    }
    EXPECT_TRUE(MatchingCoolers(cat.models, 500.0, 8.0, -8.0, "R404A").empty());
    EXPECT_TRUE(MatchingCoolers(cat.models, std::nan(""), 8.0, -8.0, "R404A").empty());
    EXPECT_TRUE(MatchingCoolers(cat.models, 5.0, 0.0, -8.0, "R404A").empty());
}

TEST(CoolerSelection, OperatingPointOfTheRefrigerant) {
    SaturationTables tables;
    const AppContext ctx = SeedContext();
    // Ammonia at -20 °C boils at 1.902 bar; with liquid at 30 °C h_g(-20) - h_f(30) = 1418.0 - 322.42 kJ/kg
    // (engineersedge saturated ammonia table), so 10 kW needs 10 / 1095.6 kg/s.
    const OperatingPoint nh3 = EvaporatorOperatingPoint(ctx, tables, "R717", -20.0, 10.0);
    EXPECT_NEAR(nh3.p0_bar, 1.902, 0.01);
    EXPECT_NEAR(nh3.massFlow_kgs, 10.0 / (1418.0 - 322.42), 0.01 * 10.0 / 1095.6);
    EXPECT_FALSE(nh3.clamped);
    const OperatingPoint none = EvaporatorOperatingPoint(ctx, tables, "R723", -20.0, 10.0);
    EXPECT_EQ(none.status, TableStatus::NoData);
    EXPECT_EQ(none.massFlow_kgs, 0.0);
    EXPECT_TRUE(EvaporatorOperatingPoint(ctx, tables, "CO2", -80.0, 10.0).clamped);
}

TEST(CoolerSelection, ViewSaysWhatIsMissingAndChoiceHandsBackAllFans) {
    SaturationTables tables;
    const AppContext ctx = SeedContext();
    const CoolerCatalogue cat = LoadCoolerCatalogue(ctx);
    const SelectionView none = BuildSelectionView(ctx, tables, cat, "R723", 5.8, 7.0, -8.0);
    EXPECT_FALSE(none.candidates.empty());
    ASSERT_EQ(none.messages.size(), 1u);
    EXPECT_EQ(none.messages[0], "no property data for this refrigerant");
    EXPECT_TRUE(BuildSelectionView(ctx, tables, cat, "R404A", 5.8, 7.0, -8.0).messages.empty());
    CoolerModel m;
    m.name = "GC 45-3 F4";
    m.fans = 3;
    m.fanPower_W = 150;
    m.heater_W = 5250;
    const SelectionResult r = ChooseCooler(m);
    EXPECT_EQ(r.fanPowerText, " 450"); // PlueftPN is the fan power of the whole cooler
    EXPECT_EQ(r.heater_kW, 5.25);
    EXPECT_NE(r.code, kSelectionCancelled);
}

TEST(StoredSelection, RoundTripAndHostileFiles) {
    testing::TempDataDir dir;
    const AppContext ctx = dir.context();
    EXPECT_TRUE(ReadStoredSelection(ctx).cooler.empty()); // no file yet
    ASSERT_TRUE(WriteStoredSelection(ctx, {"R404A", "GC 45-2 F4", 5.8, 7.0, -8.0}).ok);
    const StoredSelection back = ReadStoredSelection(ctx);
    EXPECT_EQ(back.refrigerant, "R404A");
    EXPECT_EQ(back.cooler, "GC 45-2 F4");
    EXPECT_EQ(back.Qe_kW, 5.8);
    EXPECT_EQ(back.t0_C, -8.0);
    const std::pair<std::string, double> hostile[] = {
        {"", 0.0}, {"abc", 0.0}, {"\"R22\",\"X\",1e999,nan,-1e300", 0.0}, {"\"R22\",\"X\",\"7\"", 7.0}};
    for (const auto& [text, Qe] : hostile) {
        SCOPED_TRACE(text);
        const StoredSelection s = ParseStoredSelection(text);
        EXPECT_EQ(s.Qe_kW, Qe);
        EXPECT_TRUE(std::isfinite(s.dT1_K) && std::isfinite(s.t0_C));
    }
}

} // namespace
} // namespace veskaro
