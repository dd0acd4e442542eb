#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "../app/temp_data_dir.h"
#include "app/app_context.h"
#include "equipment/refrigerant_correlations.h"
#include "equipment/refrigerants.h"

namespace veskaro {
namespace {

AppContext SeedContext() {
    AppContext ctx;
    ctx.dataDir = VESKARO_SEED_DIR;
    return ctx;
}

const SaturationTable& Table(SaturationTables& tables, const char* name) {
    TableStatus status{};
    const SaturationTable* t = tables.find(SeedContext(), name, status);
    EXPECT_NE(t, nullptr) << name << ": " << TableStatusText(status);
    static const SaturationTable empty;
    return t ? *t : empty;
}

// Published saturation states, not produced by our generator. Each row: refrigerant, t °C, p bar,
// liquid density, vapour density (0: not given), latent heat kJ/kg.
struct Published {
    const char* refrigerant;
    double t_C, p_bar, rhoL, rhoV, latent;
    const char* source;
};
const Published kPublished[] = {
    // Mechanical Engineers' Handbook vol. 4, ch. 1, Table 14 (saturated R-134a): rows at 2, 3, 5, 10 bar.
    {"R134A", -10.18, 2.0, 1 / 0.000754, 1 / 0.1001, 243.6 - 37.8, "MEH Table 14, 2 bar"},
    {"R134A", 0.59, 3.0, 1 / 0.000774, 1 / 0.0679, 250.1 - 52.1, "MEH Table 14, 3 bar"},
    {"R134A", 15.68, 5.0, 1 / 0.000806, 1 / 0.0413, 258.8 - 72.8, "MEH Table 14, 5 bar"},
    {"R134A", 39.41, 10.0, 1 / 0.000871, 1 / 0.0204, 270.9 - 106.9, "MEH Table 14, 10 bar"},
    // Saturated ammonia (engineersedge.com, saturated ammonia properties -50 to 132.3 °C): p and h_fg.
    {"R717", -20, 1.902, 0, 0, 1329.0, "saturated ammonia table"},
    {"AMMONIAK", 0, 4.296, 0, 0, 1261.8, "saturated ammonia table"},
    {"R717", 40, 15.549, 0, 0, 1098.8, "saturated ammonia table"},
    // Table of saturated values for R717 on the IIR reference (v_l dm³/kg, v_g m³/kg, r kJ/kg).
    {"R717", -40, 0.7171, 1 / 1.4491e-3, 1 / 1.55117, 1387.00, "R717 IIR table"},
    {"R717", -20, 1.9011, 1 / 1.5036e-3, 1 / 0.62274, 1327.11, "R717 IIR table"},
};

TEST(SaturationTables, AgreeWithPublishedValues) {
    SaturationTables tables;
    for (const Published& row : kPublished) {
        SCOPED_TRACE(std::string(row.refrigerant) + " at " + std::to_string(row.t_C) + " (" + row.source +
                     ")");
        const SaturationPoint s = Table(tables, row.refrigerant).lookup(row.t_C);
        EXPECT_FALSE(s.clamped);
        EXPECT_NEAR(s.pDew_bar / row.p_bar, 1.0, 0.005);
        if (row.rhoL > 0) {
            EXPECT_NEAR(s.rhoLiquid_kgm3 / row.rhoL, 1.0, 0.01);
            EXPECT_NEAR(s.rhoVapour_kgm3 / row.rhoV, 1.0, 0.01);
        }
        EXPECT_NEAR(s.latentHeat_kJkg() / row.latent, 1.0, 0.015);
    }
}

// Every shipped table is on the IIR reference (200 kJ/kg liquid at 0 °C) and reaches freezer rooms; its
// correlations are checked point by point below.
TEST(SaturationTables, EveryShippedRefrigerantHasATableOnTheIirReference) {
    SaturationTables tables;
    for (const std::string& name : ShippedRefrigerantNames()) {
        SCOPED_TRACE(name);
        const SaturationTable& t = Table(tables, name.c_str());
        ASSERT_GE(t.size(), 10u);
        EXPECT_LE(t.tMin_C(), -45.0);
        if (t.tMax_C() > 0.0 && t.tMin_C() < 0.0) {
            EXPECT_NEAR(t.lookup(0.0).hLiquid_kJkg, 200.0, 0.01);
        }
        const SaturationPoint cold = t.lookup(t.tMin_C());
        EXPECT_GE(cold.pBubble_bar, cold.pDew_bar * 0.999); // a blend boils above its dew pressure
    }
}

TEST(SaturationTables, AlternativeNamesReadTheSameTable) {
    SaturationTables tables;
    const std::pair<const char*, const char*> pairs[] = {{"R290", "PROPAN"},
                                                         {"R717", "AMMONIAK"},
                                                         {"R744", "CO2"},
                                                         {"R1270", "propylen"},
                                                         {" r507a ", "R507"}};
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(a);
        const SaturationPoint x = Table(tables, a).lookup(-12.3), y = Table(tables, b).lookup(-12.3);
        EXPECT_EQ(x.pDew_bar, y.pDew_bar);
        EXPECT_EQ(x.hVapour_kJkg, y.hVapour_kJkg);
    }
    EXPECT_EQ(FindRefrigerant("R403B"), FindRefrigerant("ISC_69L"));
    EXPECT_EQ(FindRefrigerant("ISC_49"), FindRefrigerant("R413A"));
    EXPECT_EQ(FindRefrigerant("ac9000")->file, "Ac9000.DAT");
}

TEST(SaturationTables, NamesWithoutDataSaySo) {
    SaturationTables tables;
    const std::pair<const char*, TableStatus> rows[] = {{"R502", TableStatus::NoData},
                                                        {"R448A", TableStatus::NoData},
                                                        {"ISC_89", TableStatus::NoData},
                                                        {"R999", TableStatus::UnknownName},
                                                        {"", TableStatus::UnknownName}};
    for (const auto& [name, expected] : rows) {
        SCOPED_TRACE(name);
        TableStatus status{};
        EXPECT_EQ(tables.find(SeedContext(), name, status), nullptr);
        EXPECT_EQ(status, expected);
    }
    testing::TempDataDir empty; // a known name whose file is missing
    TableStatus missing{};
    EXPECT_EQ(SaturationTables{}.find(empty.context(), "R22", missing), nullptr);
    EXPECT_EQ(missing, TableStatus::FileMissing);
    TableStatus status{};
    tables.find(SeedContext(), "R502", status);
    EXPECT_EQ(TableStatusText(status), "no property data for this refrigerant");
}

TEST(SaturationLookup, InterpolatesPressureLogarithmicallyAndClampsOutside) {
    TableStatus status{};
    const SaturationTable t =
        SaturationTable::fromText("-10,1,1.2,1000,5,100,300\r\n-9,4,4.8,990,7,102,301\r\n", status);
    ASSERT_EQ(status, TableStatus::Ok);
    const SaturationPoint mid = t.lookup(-9.5);
    EXPECT_NEAR(mid.pBubble_bar, 2.0, 1e-12); // geometric mean of 1 and 4
    EXPECT_NEAR(mid.rhoVapour_kgm3, 6.0, 1e-12);
    EXPECT_FALSE(mid.clamped);
    const double outside[] = {-50.0, std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::max(), std::numeric_limits<double>::quiet_NaN()};
    for (double x : outside) {
        SCOPED_TRACE(x);
        const SaturationPoint p = t.lookup(x);
        EXPECT_TRUE(p.clamped);
        EXPECT_TRUE(std::isfinite(p.pDew_bar) && std::isfinite(p.hVapour_kJkg) && std::isfinite(p.t_C));
    }
}

TEST(SaturationLookup, HostileTablesKeepTheirValidPartOrNothing) {
    const std::string good = "-10,1,1,1000,5,100,300\r\n-9,1.1,1.1,990,6,102,301\r\n";
    const std::pair<std::string, std::pair<TableStatus, std::size_t>> rows[] = {
        {"", {TableStatus::FileDamaged, 0}},
        {"abc,def", {TableStatus::FileDamaged, 0}},
        {good + "-8,-1,1,980,7,104,302\r\n", {TableStatus::PartlyDamaged, 2}},     // negative pressure
        {good + "-12,1.2,1.2,980,7,104,302\r\n", {TableStatus::PartlyDamaged, 2}}, // temperature falls
        {good + "-8,1e999,1,980,7,104,302\r\n", {TableStatus::PartlyDamaged, 2}},
        {good + "-8,1.2", {TableStatus::PartlyDamaged, 2}}, // record cut short
        {good, {TableStatus::Ok, 2}},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        TableStatus status{};
        const SaturationTable t = SaturationTable::fromText(text, status);
        EXPECT_EQ(status, expected.first);
        EXPECT_EQ(t.size(), expected.second);
    }
}

// The fitted correlations must reproduce the shipped tables within 0.5 % over each fit's range
// (enthalpies against the latent heat, their zero point being arbitrary).
TEST(RefrigerantCorrelations, ReproduceTheTablesWithinHalfAPercent) {
    SaturationTables tables;
    for (const std::string& name : ShippedRefrigerantNames()) {
        SCOPED_TRACE(name);
        const SaturationTable& t = Table(tables, name.c_str());
        for (double tc = t.tMin_C(); tc <= t.tMax_C(); tc += 1.0) {
            const SaturationPoint s = t.lookup(tc);
            const CorrelationResults c = RefrigerantCorrelations(name, tc + 273.15);
            ASSERT_TRUE(c.found);
            if (c.clamped) continue; // beyond a fit's range; the results are held at its end
            const double r = s.latentHeat_kJkg();
            EXPECT_NEAR(c.value[kCorrDewPressure_bar] / s.pDew_bar, 1.0, 0.0051) << tc;
            EXPECT_NEAR(c.value[kCorrLiquidDensity_kgm3] / s.rhoLiquid_kgm3, 1.0, 0.0051) << tc;
            EXPECT_NEAR(c.value[kCorrVapourDensity_kgm3] / s.rhoVapour_kgm3, 1.0, 0.0051) << tc;
            EXPECT_NEAR((c.value[kCorrVapourEnthalpy_kJkg] - s.hVapour_kJkg) / r, 0.0, 0.0051) << tc;
            EXPECT_NEAR(c.value[kCorrLatentHeat_kJkg] / r, 1.0, 0.0051) << tc;
        }
    }
}

TEST(RefrigerantCorrelations, UnknownNamesAndFarTemperatures) {
    EXPECT_FALSE(RefrigerantCorrelations("R502", 260.0).found);
    EXPECT_FALSE(RefrigerantCorrelations("nonsense", 260.0).found);
    const CorrelationResults far = RefrigerantCorrelations("R22", 1e9);
    EXPECT_TRUE(far.clamped);
    for (double x : far.value)
        EXPECT_TRUE(std::isfinite(x));
}

} // namespace
} // namespace veskaro
