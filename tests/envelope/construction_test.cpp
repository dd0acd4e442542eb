// U-value of layered constructions, take-over into the layer grid, and the seeded envelope against the
// shipped catalogues.

#include <gtest/gtest.h>

#include <cmath>

#include "app/number_text.h"
#include "app/record_file.h"
#include "envelope/construction.h"
#include "envelope/material_catalogue.h"

namespace veskaro {
namespace {

const AirLevelCaptions kLevels = {"Still air", "Slight air movement", "Moderate air movement",
                                  "Strong air movement"};

Construction WithLayers(std::initializer_list<std::pair<const char*, const char*>> layers,
                        const char* inside = "Slight air movement",
                        const char* outside = "Slight air movement") {
    Construction c;
    int row = 1;
    for (const auto& [s, lambda] : layers) {
        c.layers.set(row, kColThickness, s);
        c.layers.set(row++, kColLambda, lambda);
    }
    c.insideLevel = inside;
    c.outsideLevel = outside;
    return c;
}

TEST(Construction, UValueOfLayersAndLevels) {
    struct Row {
        const char* what;
        Construction c;
        int surface;
        double alphaE, alphaI, U;
        const char* shown;
    };
    const double level2NoLayers = 1.0 / (1.0 / 11 + 1.0 / 5);
    const Row rows[] = {
        {"level 2, no layers", WithLayers({}), 1, 11, 5, 3.4375, "3.43"},
        {"ceiling, level 1 both sides", WithLayers({}, "Still air", "Still air"), 6, 6, 3,
         1 / (1 / 6.0 + 1 / 3.0), "2"},
        {"ceiling, level 4 outside", WithLayers({}, "Still air", "Strong air movement"), 6, 30, 3,
         1 / (1 / 30.0 + 1 / 3.0), "2.72"},
        {"100 mm at 0.025", WithLayers({{"100", "0.025"}}), 1, 11, 5, 1 / (1 / 11.0 + 1 / 5.0 + 4), ".23"},
        {"decimal comma", WithLayers({{"100", "0,025"}}), 2, 11, 5, 1 / (1 / 11.0 + 1 / 5.0 + 4), ".23"},
        {"unknown level text counts as level 2", WithLayers({}, "breeze", ""), 1, 11, 5, level2NoLayers,
         "3.43"},
        {"rows skipped, not ended on",
         WithLayers({{"100", ""},
                     {"0", "1"},
                     {"-50", "0.04"},
                     {"abc", "0.04"},
                     {"1e999", "0.04"},
                     {"50", "1e999"},
                     {"50", "0"},
                     {"100", "0.025"}}),
         1, 11, 5, 1 / (1 / 11.0 + 1 / 5.0 + 4), ".23"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const UValueResult u = ComputeUValue(row.c, row.surface, kLevels);
        EXPECT_DOUBLE_EQ(u.alphaOutside_Wm2K, row.alphaE);
        EXPECT_DOUBLE_EQ(u.alphaInside_Wm2K, row.alphaI);
        EXPECT_NEAR(u.U_Wm2K, row.U, 1e-12);
        EXPECT_EQ(u.shownText, row.shown);
    }
}

TEST(Construction, FaultyLayersAreMarkedAndNeverGiveNanOrInfinity) {
    const Construction c =
        WithLayers({{"100", ""}, {"", ""}, {"1e999", "1e-320"}, {"80", "1.4"}, {"5", "-1"}});
    const UValueResult u = ComputeUValue(c, 5, kLevels);
    const LayerState expected[] = {LayerState::Skipped, LayerState::Empty,   LayerState::Skipped,
                                   LayerState::Counted, LayerState::Skipped, LayerState::Empty};
    for (int row = 1; row <= 6; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(u.rows[row], expected[row - 1]);
    }
    EXPECT_TRUE(std::isfinite(u.U_Wm2K));
    EXPECT_NEAR(u.resistance_m2KW, 0.08 / 1.4, 1e-12);
}

TEST(Construction, TakeOverFillsTheNextRowUntilTheGridIsFull) {
    Construction c;
    struct Step {
        MaterialPick pick;
        TakeOverOutcome outcome;
        int nextRow;
    };
    const Step steps[] = {{{"", "0.022"}, TakeOverOutcome::NothingToTake, 1},
                          {{"PIR", "  "}, TakeOverOutcome::NothingToTake, 1},
                          {{"PIR", "0.022"}, TakeOverOutcome::Taken, 2}};
    for (const Step& step : steps) {
        EXPECT_EQ(TakeOverMaterial(c, step.pick), step.outcome);
        EXPECT_EQ(c.nextLayerRow, step.nextRow);
    }
    EXPECT_EQ(c.layers.at(1, kColMaterial), "PIR");
    EXPECT_EQ(c.layers.at(1, kColLambda), "0.022");
    EXPECT_EQ(c.layers.at(1, kColThickness), ""); // the thickness is the user's
    for (int i = 2; i <= kLayerRows; ++i)
        EXPECT_EQ(TakeOverMaterial(c, {"Steel", "50"}), TakeOverOutcome::Taken);
    EXPECT_EQ(TakeOverMaterial(c, {"Steel", "50"}), TakeOverOutcome::LayersFull);
    EXPECT_EQ(c.nextLayerRow, kLayerRows + 1);
}

// The seeded standard envelope (K_w.dat: walls at .22) is the 100 mm PIR sandwich panel of the shipped
// catalogues: its calculated U must agree within what panel joints add (about 10 %).
TEST(Construction, SeededWallUValueMatchesAPirPanelFromTheCatalogues) {
    const std::string seed = VESKARO_SEED_DIR;
    const CatalogueLoad insulation =
        ReadCatalogue(RecordReader::fromFile(seed + "/DaemmS.ENG"), RecordReader());
    const CatalogueLoad building = ReadCatalogue(RecordReader::fromFile(seed + "/BauS.ENG"), RecordReader());
    auto find = [](const CatalogueLoad& cat, std::string_view prefix) {
        for (int r = 1; r <= cat.rowCount; ++r) {
            if (cat.grid.at(r, kColCatName).starts_with(prefix)) return PickMaterial(cat.grid, r);
        }
        return MaterialPick{};
    };
    Construction panel = WithLayers({});
    for (const MaterialPick& pick :
         {find(building, "Steel"), find(insulation, "PIR sandwich"), find(building, "Steel")})
        ASSERT_EQ(TakeOverMaterial(panel, pick), TakeOverOutcome::Taken);
    panel.layers.set(1, kColThickness, "0.6");
    panel.layers.set(2, kColThickness, "100");
    panel.layers.set(3, kColThickness, "0.6");

    RecordReader standard = RecordReader::fromFile(seed + "/K_w.dat");
    std::string seededU;
    standard.read(seededU);
    const double U = ComputeUValue(panel, 1, kLevels).U_Wm2K;
    EXPECT_NEAR(U, NumFromText(std::string_view(seededU)), 0.1 * 0.22);
}

} // namespace
} // namespace veskaro
