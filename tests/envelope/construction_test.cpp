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

const AirLevelCaptions kLevels = {"Still", "Slight", "Moderate", "Strong"};

// Layers as "s|lambda" texts, one per grid row from row 1.
Construction WithLayers(std::vector<std::string> layers, const char* inside = "Slight",
                        const char* outside = "Slight") {
    Construction c;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const auto bar = layers[i].find('|');
        c.layers.set(static_cast<int>(i) + 1, kColThickness, layers[i].substr(0, bar));
        c.layers.set(static_cast<int>(i) + 1, kColLambda, layers[i].substr(bar + 1));
    }
    c.insideLevel = inside;
    c.outsideLevel = outside;
    return c;
}

TEST(Construction, UValueOfLayersAndLevelsWithFaultyRowsMarked) {
    struct Row {
        const char* what;
        Construction c;
        int surface;
        double alphaE, alphaI, R;
        const char* shown;
        const char* states; // rows 1..: E empty, C counted, S skipped
    };
    const Row rows[] = {
        {"level 2, no layers", WithLayers({}), 1, 11, 5, 0, "3.43", "EE"},
        {"ceiling, level 1 both sides", WithLayers({}, "Still", "Still"), 6, 6, 3, 0, "2", "E"},
        {"ceiling, level 4 outside", WithLayers({}, "Still", " Strong "), 6, 30, 3, 0, "2.72", "E"},
        {"100 mm at 0.025", WithLayers({"100|0.025"}), 1, 11, 5, 4, ".23", "CE"},
        {"decimal comma", WithLayers({"100|0,025"}), 5, 11, 5, 4, ".23", "CE"},
        {"unknown level counts as level 2", WithLayers({}, "breeze", ""), 1, 11, 5, 0, "3.43", "E"},
        {"faulty rows skipped, not ended on",
         WithLayers({"100|", "|", "0|1", "-50|0.04", "abc|0.04", "1e999|0.04", "50|1e999", "5|1e-320",
                     "80|1.4", "100|0.025"}),
         1, 11, 5, 4 + 0.08 / 1.4, ".22", "SESSSSSSCC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const UValueResult u = ComputeUValue(row.c, row.surface, kLevels);
        EXPECT_DOUBLE_EQ(u.alphaOutside_Wm2K, row.alphaE);
        EXPECT_DOUBLE_EQ(u.alphaInside_Wm2K, row.alphaI);
        EXPECT_NEAR(u.resistance_m2KW, row.R, 1e-12);
        EXPECT_NEAR(u.U_Wm2K, 1 / (1 / row.alphaE + 1 / row.alphaI + row.R), 1e-12);
        EXPECT_TRUE(std::isfinite(u.U_Wm2K));
        EXPECT_EQ(u.shownText, row.shown);
        for (std::size_t i = 0; row.states[i]; ++i)
            EXPECT_EQ("ECS"[static_cast<int>(u.rows[i + 1])], row.states[i]) << "row " << i + 1;
    }
}

TEST(Construction, TakeOverFillsTheNextRowUntilTheGridIsFull) {
    Construction c;
    EXPECT_EQ(TakeOverMaterial(c, {"", "0.022"}), TakeOverOutcome::NothingToTake);
    EXPECT_EQ(TakeOverMaterial(c, {"PIR", "  "}), TakeOverOutcome::NothingToTake);
    EXPECT_EQ(c.nextLayerRow, 1);
    for (int row = 1; row <= kLayerRows; ++row)
        EXPECT_EQ(TakeOverMaterial(c, {"PIR" + std::to_string(row), "0.022"}), TakeOverOutcome::Taken);
    EXPECT_EQ(TakeOverMaterial(c, {"Steel", "50"}), TakeOverOutcome::LayersFull);
    EXPECT_EQ(c.nextLayerRow, kLayerRows + 1);
    EXPECT_EQ(c.layers.at(10, kColMaterial), "PIR10");
    EXPECT_EQ(c.layers.at(1, kColLambda), "0.022");
    EXPECT_EQ(c.layers.at(1, kColThickness), ""); // the thickness is the user's
}

// The seeded standard envelope (K_w.dat: walls at .22) is the 100 mm PIR sandwich panel of the shipped
// catalogues: its calculated U must agree within what panel joints add (about 10 %).
TEST(Construction, SeededWallUValueMatchesAPirPanelFromTheCatalogues) {
    const std::string seed = VESKARO_SEED_DIR;
    auto lambdaOf = [&](const char* file, std::string_view prefix) {
        const CatalogueLoad cat = ReadCatalogue(RecordReader::fromFile(seed + file), RecordReader());
        for (int r = 1; r <= cat.rowCount; ++r) {
            if (cat.grid.at(r, kColCatName).starts_with(prefix)) return PickMaterial(cat.grid, r).lambda;
        }
        return std::string();
    };
    const std::string steel = "0.6|" + lambdaOf("/BauS.ENG", "Steel");
    const Construction panel = WithLayers({steel, "100|" + lambdaOf("/DaemmS.ENG", "PIR sandwich"), steel});
    std::string seededU;
    RecordReader::fromFile(seed + "/K_w.dat").read(seededU);
    const UValueResult u = ComputeUValue(panel, 1, kLevels);
    EXPECT_EQ(u.rows[2], LayerState::Counted);
    EXPECT_NEAR(u.U_Wm2K, NumFromText(std::string_view(seededU)), 0.1 * 0.22);
}

} // namespace
} // namespace veskaro
