// U-value of layered constructions, layer take-over, material catalogues and the shared grid clipboard.

#include <gtest/gtest.h>

#include <tuple>

#include "app/cell_clipboard.h"
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
    // what, construction, surface; alpha outside and inside, layer resistance, U shown, grid rows 1.. (E
    // empty, C counted, S skipped)
    using Row = std::tuple<const char*, Construction, int, double, double, double, const char*, const char*>;
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
    for (const auto& [what, c, surface, alphaE, alphaI, R, shown, states] : rows) {
        SCOPED_TRACE(what);
        const UValueResult u = ComputeUValue(c, surface, kLevels);
        EXPECT_DOUBLE_EQ(u.alphaOutside_Wm2K, alphaE);
        EXPECT_DOUBLE_EQ(u.alphaInside_Wm2K, alphaI);
        EXPECT_NEAR(u.resistance_m2KW, R, 1e-12);
        EXPECT_NEAR(u.U_Wm2K, 1 / (1 / alphaE + 1 / alphaI + R), 1e-12);
        EXPECT_EQ(u.shownText, shown);
        for (std::size_t i = 0; states[i]; ++i)
            EXPECT_EQ("ECS"[static_cast<int>(u.rows[i + 1])], states[i]) << "row " << i + 1;
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
    EXPECT_NEAR(u.U_Wm2K, NumFromText(std::string_view(seededU)), 0.1 * 0.22);
}

std::string Rows(int count, const std::string& stem) {
    RecordWriter w;
    for (int i = 1; i <= count; ++i)
        w.str(stem + std::to_string(i)).str("0.04").str("30").endLine();
    return w.text();
}

TEST(Catalogue, LoadsStandardThenUserRowsAndStopsAtTheGrid) {
    // what, standard file, user file, rows loaded, more rows not loaded, name in the last row
    const std::tuple<const char*, std::string, std::string, int, bool, const char*> rows[] = {
        {"standard then user", Rows(2, "S"), Rows(1, "U"), 3, false, "U1"},
        {"blank record ends a file", Rows(1, "S") + "\"\",\" \",\"9\"\r\n" + Rows(1, "T"), Rows(1, "U"), 2,
         false, "U1"},
        {"exactly 100", Rows(60, "S"), Rows(40, "U"), 100, false, "U40"},
        {"user row beyond 100", Rows(100, "S"), Rows(1, "U"), 100, true, "S100"},
        {"standard beyond 100", Rows(150, "S"), "", 100, true, "S100"},
    };
    for (const auto& [what, standard, user, rowCount, cut, lastName] : rows) {
        SCOPED_TRACE(what);
        const CatalogueLoad load = ReadCatalogue(RecordReader(standard), RecordReader(user));
        EXPECT_EQ(load.rowCount, rowCount);
        EXPECT_EQ(load.moreRowsNotLoaded, cut);
        EXPECT_EQ(load.grid.at(load.rowCount, kColCatName), lastName);
        EXPECT_EQ(load.grid.at(1, kColCatStandard), "X");
        EXPECT_EQ(load.grid.at(load.rowCount, kColCatStandard), lastName[0] == 'S' ? "X" : "");
    }
}

TEST(Catalogue, SaveSplitsByTheStandardMarker) {
    TextGrid grid(kCatalogueGridRows, kCatalogueGridColumns);
    ApplyWrites(grid, PasteWrites(grid, 1, 1,
                                  "Steel\t50\t7800\tX\rCork\t0.04\t120\t x \rOwn\t0.03\t\t\r"
                                  "No lambda\t \t20\t\r\t\t\tX\rMine\t0.1\t300\tuser\r"));
    const CatalogueFiles files = CatalogueFileTexts(grid);
    EXPECT_EQ(files.standard.text(),
              "\"Steel\",\"50\",\"7800\"\r\n\"Cork\",\"0.04\",\"120\"\r\n\"\",\"\",\"\"\r\n");
    EXPECT_EQ(files.user.text(), "\"Own\",\"0.03\",\"\"\r\n\"Mine\",\"0.1\",\"300\"\r\n");
}

TextGrid Letters() { // 4 x 4 grid, editable cells 1..3 x 1..3 hold "r,c"
    TextGrid g(4, 4);
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 4; ++c)
            g.set(r, c, std::to_string(r) + std::to_string(c));
    return g;
}

// The editable cells row by row, "|" between rows.
std::string Cells(const TextGrid& g) {
    std::string text;
    for (int r = 1; r < g.rows(); ++r)
        for (int c = 1; c < g.columns(); ++c)
            text += g.at(r, c) + (c + 1 < g.columns() ? " " : r + 1 < g.rows() ? "|" : "");
    return text;
}

TEST(CellClipboard, CopyAndPaste) {
    const TextGrid g = Letters();
    EXPECT_EQ(CopyRangeText(g, {3, 3, 2, 1}), "21\t22\t23\r31\t32\t33\r"); // corners in any order
    EXPECT_EQ(CopyRangeText(g, {2, 2, 2, 2}), "22");
    EXPECT_EQ(CopyRangeText(g, {0, 0, 1, 9}), "11\t12\t13\r"); // clipped to the editable cells
    // what, row and column pasted at, clipboard text, the editable cells afterwards
    const std::tuple<const char*, int, int, const char*, const char*> rows[] = {
        {"beyond the grid dropped", 2, 2, "a\tb\tc\rd\te\r\rf", "11 12 13|21 a b|31 d e"},
        {"CR LF and LF rows", 1, 3, "a\r\nb\nc\r\n", "11 12 a|21 22 b|31 32 c"},
        {"single piece", 3, 1, "z", "11 12 13|21 22 23|z 32 33"},
        {"empty text changes nothing", 1, 1, "", "11 12 13|21 22 23|31 32 33"},
    };
    for (const auto& [what, row, column, text, cells] : rows) {
        SCOPED_TRACE(what);
        TextGrid grid = Letters();
        const GridKeyOutcome out = GridKeyAction(grid, GridKey::ShiftInsert, {}, row, column, text);
        EXPECT_TRUE(out.pasted && !out.clipboardText);
        ApplyWrites(grid, out.writes);
        EXPECT_EQ(Cells(grid), cells);
    }
}

TEST(CellClipboard, DeleteClearsShiftDeleteCutsCopyKeeps) {
    // key, the editable cells afterwards, the clipboard text (nullptr: the clipboard keeps its text)
    const std::tuple<GridKey, const char*, const char*> rows[] = {
        {GridKey::Delete, "11  |21  |31 32 33", nullptr},
        {GridKey::ShiftDelete, "11  |21  |31 32 33", "12\t13\r22\t23\r"},
        {GridKey::CtrlC, "11 12 13|21 22 23|31 32 33", "12\t13\r22\t23\r"}};
    for (const auto& [key, cells, clipboard] : rows) {
        SCOPED_TRACE(cells);
        TextGrid grid = Letters();
        const GridKeyOutcome out = GridKeyAction(grid, key, {1, 2, 2, 3}, 1, 1, "old");
        ApplyWrites(grid, out.writes);
        EXPECT_EQ(Cells(grid), cells);
        EXPECT_EQ(out.clipboardText.has_value(), clipboard != nullptr);
        EXPECT_EQ(out.clipboardText.value_or(""), clipboard ? clipboard : "");
    }
}

} // namespace
} // namespace veskaro
