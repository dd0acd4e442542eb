// The product catalogue: its files, the group switch, settings, clipboard, hostile and shipped products.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "../app/temp_data_dir.h"
#include "../room/sample_room.h"
#include "app/number_text.h"
#include "goods/catalogue.h"
#include "goods/goods_session.h"
#include "goods/product_groups.h"

namespace veskaro {
namespace {

// Products stem1..stemN, eleven items each: the name, "name.2" to "name.10" and the mark.
std::string Products(const std::string& stem, int count, const std::string& mark) {
    std::string bytes;
    for (int i = 1; i <= count; ++i) {
        const std::string name = stem + std::to_string(i);
        bytes += "\"" + name + "\"\r\n";
        for (int c = 2; c <= 10; ++c)
            bytes += "\"" + name + "." + std::to_string(c) + "\"\r\n";
        bytes += "\"" + mark + "\"\r\n";
    }
    return bytes;
}

AppContext EnglishIn(const testing::TempDataDir& dir) {
    AppContext ctx = dir.context();
    ctx.captions = testing::EnglishContext().captions;
    return ctx;
}

TEST(Catalogue, StandardProductsNumberedFirstAndTheRestBeyondFiftyKept) {
    testing::TempDataDir dir;
    const AppContext ctx = dir.context();
    dir.write("KelvoG1.ENG", Products("S", 40, "X"));
    dir.write("KelvoA1.ENG", Products("U", 15, ""));
    Catalogue cat = LoadCatalogue(ctx, 1);
    const std::tuple<std::size_t, const char*, const char*> rows[] = {// grid row, number shown, name
                                                                      {1, "1", "S1"},
                                                                      {40, "40", "S40"},
                                                                      {41, "", "U1"},
                                                                      {50, "", "U10"}};
    for (const auto& [row, number, name] : rows) {
        EXPECT_EQ(cat.grid[row][kCatRowNumber], number) << row;
        EXPECT_EQ(cat.grid[row][kCatName], name) << row;
    }
    EXPECT_TRUE(cat.restNotShown);
    const std::string standardBefore = dir.read("KelvoG1.ENG");
    const std::string userBefore = dir.read("KelvoA1.ENG");
    ASSERT_TRUE(SaveCatalogue(ctx, cat));
    EXPECT_EQ(dir.read("KelvoG1.ENG"), standardBefore);
    EXPECT_EQ(dir.read("KelvoA1.ENG"), userBefore); // U11..U15 are still there, in order
}

TEST(Catalogue, SaveSortsRowsByMarkAndTheGroupSwitchSavesTheGroupLeft) {
    testing::TempDataDir dir;
    const AppContext ctx = dir.context();
    dir.write("KelvoG5.ENG", Products("Veg", 3, "X"));
    Catalogue cat;
    cat.group = 2;
    const std::pair<const char*, const char*> rows[] = {
        {"Cod", " x "}, {"Eel", ""}, {"   ", "X"}, {"Pike", "Y"}, {"Tuna", "X"}};
    for (std::size_t i = 0; i < std::size(rows); ++i)
        cat.grid[i + 1] = {"", rows[i].first, "0", "", "", "", "", "", "", "", "", rows[i].second};
    ASSERT_TRUE(SaveCatalogue(ctx, cat));
    EXPECT_EQ(cat.grid[1][kCatStorageTemp], "");  // saved rows are emptied;
    EXPECT_EQ(cat.grid[3][kCatStorageTemp], "0"); // the blank-named row is neither written nor cleared

    cat = LoadCatalogue(ctx, 2);
    cat.grid[5][kCatName] = "Carp"; // typed after the load, saved by the switch
    ASSERT_TRUE(SwitchGroup(ctx, cat, 5));
    EXPECT_EQ(cat.group, 5);
    EXPECT_EQ(cat.grid[3][kCatName], "Veg3");
    const Catalogue fish = LoadCatalogue(ctx, 2);
    std::string names;
    for (int r = 1; r <= 5; ++r)
        names += fish.grid[static_cast<std::size_t>(r)][kCatName] + ";";
    EXPECT_EQ(names, "Cod;Tuna;Eel;Pike;Carp;"); // standard file first
}

TEST(Catalogue, HostileFilesLoadWhatCanBeRead) {
    // what, file bytes, products shown
    const std::tuple<const char*, std::string, int> cases[] = {
        {"garbage bytes", std::string("\x01\xff,,\"\r\n\"", 8) + "\"unterminated", 1},
        {"a product cut short", "\"Half\",\"1\"", 1},
        {"only blank lines", "\r\n\r\n   \r\n", 0},
        {"very many products", Products("P", 3000, "X"), 50},
        {"one huge item", "\"" + std::string(6u << 20, 'a') + "\"", 0}, // larger than any catalogue: not read
    };
    for (const auto& [what, bytes, products] : cases) {
        SCOPED_TRACE(what);
        testing::TempDataDir dir;
        const AppContext ctx = dir.context();
        dir.write("KelvoG4.ENG", bytes);
        Catalogue cat = LoadCatalogue(ctx, 4);
        int shown = 0;
        for (int r = 1; r <= kCatalogueRows; ++r)
            if (!cat.grid[static_cast<std::size_t>(r)][kCatName].empty()) ++shown;
        EXPECT_EQ(shown, products);
        ASSERT_TRUE(SaveCatalogue(ctx, cat));
        if (cat.standardTooLarge) {
            EXPECT_EQ(dir.read("KelvoG4.ENG").size(), bytes.size()); // left untouched
        }
    }
}

// The catalogue's clipboard: TAB after every copied cell, no paste of an unterminated last piece.
TEST(CatalogueClipboard, CopyCutDeleteAndPaste) {
    CatalogueGrid grid{};
    const auto key = [&grid](GridKey k, CellRange sel, std::string_view clip = {}) {
        return CatalogueKeyAction(grid, k, sel, sel.row1, sel.column1, clip);
    };
    key(GridKey::CtrlV, {1, 1, 1, 1}, "a\tb\r\nc\td\r\n");
    EXPECT_EQ(key(GridKey::CtrlC, {2, 2, 1, 1}).clipboardText, "a\tb\t\rc\td\t\r");
    EXPECT_EQ(key(GridKey::ShiftDelete, {1, 2, 2, 2}).clipboardText, "b\t\rd\t\r");
    EXPECT_EQ(grid[1][2] + grid[2][2], "");
    key(GridKey::Delete, {1, 1, 2, 1});
    EXPECT_EQ(grid[2][1], "");

    // clipboard text, the cell pasted at, the cells filled
    const std::tuple<std::string, int, int, std::vector<std::tuple<int, int, std::string>>> cases[] = {
        {"x\ty\t\rz\tw\t\r", 1, 1, {{1, 1, "x"}, {1, 2, "y"}, {2, 1, "z"}, {2, 2, "w"}}}, // own copy: CR only
        {"a\tb", 1, 1, {{1, 1, "a"}}},         // text after the last separator is not pasted
        {"p\tq\r\n", 50, 11, {{50, 11, "p"}}}, // cells beyond the grid are dropped
    };
    for (const auto& [text, row, col, cells] : cases) {
        SCOPED_TRACE(text);
        CatalogueGrid g{};
        CatalogueKeyAction(g, GridKey::ShiftInsert, {row, col, row, col}, row, col, text);
        int filled = 0;
        for (const auto& gridRow : g)
            for (const auto& cell : gridRow)
                filled += cell.empty() ? 0 : 1;
        EXPECT_EQ(filled, static_cast<int>(cells.size()));
        for (const auto& [r, c, cellText] : cells)
            EXPECT_EQ(g[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], cellText);
    }
}

TEST(GoodsSettings, OpeningGroupFromTheSettingsFile) {
    // kgutpar.dat (nullptr: none), the group opened, the group name read
    const std::tuple<const char*, int, const char*> cases[] = {
        {nullptr, 1, "Meat"},                      // no file
        {"\"ab\",\"200\",\"10%\"\r\n", 1, "Meat"}, // a name too short
        {"\"  Vegetables \",\"200\",\"10%\"\r\n", 5, "  Vegetables "},
        {"\"Gravel\",\"200\",\"10%\"\r\n", kNoProductGroup, "Gravel"},
    };
    for (const auto& [file, group, groupName] : cases) {
        SCOPED_TRACE(file ? file : "no file");
        testing::TempDataDir dir;
        const AppContext ctx = EnglishIn(dir);
        if (file) dir.write("kgutpar.dat", file);
        GoodsSettings settings{"", "300", "5%"};
        ReadGoodsSettings(ctx, settings);
        EXPECT_EQ(OpeningGroup(ctx, settings), group);
        EXPECT_EQ(settings.groupName, groupName);
        if (!file) {
            EXPECT_EQ(settings.turnover, "5%"); // a missing file leaves the texts as they were
        }
    }
    testing::TempDataDir dir;
    ASSERT_TRUE(WriteGoodsSettings(dir.context(), {"Fish", "200", "2.5%"}));
    EXPECT_EQ(dir.read("kgutpar.dat"), "\"Fish\",\"200\",\"2.5%\"\r\n");
}

TEST(GoodsSession, OpenInsertAndCommitRoundTrip) {
    testing::TempDataDir dir;
    AppContext ctx = EnglishIn(dir);
    dir.write("KelvoG2.ENG", Products("Cod", 2, "X"));
    dir.write("kgutpar.dat", "\"Fish\",\"\",\"\"\r\n");
    GoodsSession session = OpenGoodsSession(ctx, {"", "200", "10%"});
    EXPECT_EQ(session.catalogue.group, 2);
    EXPECT_EQ(session.settings.loadingDensity, ""); // the file's texts win over the defaults
    ASSERT_TRUE(session.list.insertProduct(session.catalogue.grid[2], {"100", "10", "0"}).appended);
    session.catalogue.grid[3][kCatName] = "Hake";
    ASSERT_TRUE(CommitGoodsSession(ctx, session).empty());
    EXPECT_EQ(ctx.activationState, ActivationState::DialogChangedData);
    const GoodsSession again = OpenGoodsSession(ctx, {});
    EXPECT_EQ(again.list.grid()[1][kGoodsName], "Cod2");
    EXPECT_EQ(again.catalogue.grid[3][kCatName], "Hake");
}

// The water fraction the remark names ("water 83.9 %"), -1 when it names none.
double WaterFraction(const std::string& remark) {
    const auto at = remark.find("water ");
    return at == std::string::npos ? -1.0 : NumFromText(remark.substr(at + 6)) / 100.0;
}

TEST(ShippedCatalogue, EveryProductIsPhysicallyConsistent) {
    const AppContext ctx = testing::SeedContext();
    int foods = 0;
    int foodsFreezingNearZero = 0;
    for (int group = 1; group <= 8; ++group) {
        const Catalogue cat = LoadCatalogue(ctx, group);
        EXPECT_FALSE(cat.restNotShown) << group;
        int count = 0;
        for (int r = 1; r <= kCatalogueRows; ++r) {
            const CatalogueRow& p = cat.grid[static_cast<std::size_t>(r)];
            if (IsBlankName(p[kCatName])) continue;
            ++count;
            SCOPED_TRACE("group " + std::to_string(group) + ": " + p[kCatName]);
            EXPECT_TRUE(IsStandardMark(p[kCatStandardMark]));
            const double tFreeze = NumFromText(p[kCatFreezingTemp]), cpAbove = NumFromText(p[kCatCpAbove]);
            const double cpBelow = NumFromText(p[kCatCpBelow]), latent = NumFromText(p[kCatLatentHeat]);
            const double respiration = NumFromText(p[kCatRespiration]);
            const bool food = group <= 6;
            const bool freshProduce = group == 3 || group == 5;
            if (food) {
                ++foods;
                foodsFreezingNearZero += tFreeze >= -3.0 ? 1 : 0;
                EXPECT_TRUE(cpAbove >= 1.5 && cpAbove <= 4.2) << cpAbove;
                EXPECT_TRUE(cpBelow >= 0.8 && cpBelow <= 2.3) << cpBelow;
                EXPECT_GT(cpAbove, cpBelow); // ice holds less heat than water
                EXPECT_TRUE(tFreeze <= 0.0 && tFreeze >= -25.0) << tFreeze;
                const double water = WaterFraction(p[kCatRemark]);
                ASSERT_TRUE(water > 0.0 && water <= 1.0) << water;
                EXPECT_NEAR(latent, 334.0 * water, 0.6); // the latent heat of the water it holds
            } else {                                     // no latent heat, one specific heat
                EXPECT_TRUE(latent == 0.0 && cpAbove == cpBelow && cpAbove > 0.1 && cpAbove < 4.2) << cpAbove;
            }
            EXPECT_TRUE(freshProduce ? respiration > 0.0 : respiration == 0.0) << respiration;
            EXPECT_LT(respiration, 30.0); // 350 mW/kg: beyond any produce in storage
        }
        EXPECT_GE(count, group <= 6 ? 25 : 8) << "group " << group;
    }
    EXPECT_GE(foodsFreezingNearZero * 4, foods * 3) << "most foods freeze between -3 and 0 °C";
}

} // namespace
} // namespace veskaro
