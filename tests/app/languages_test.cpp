// The language of a run: command line over the kept choice over kparam.dat, and the English fallback of
// language-dependent files.

#include "app/languages.h"

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "app/startup.h"
#include "envelope/material_catalogue.h"
#include "goods/catalogue.h"
#include "goods/product_groups.h"
#include "temp_data_dir.h"

namespace veskaro {
namespace {

using testing::TempDataDir;

TEST(Languages, CommandLineWinsOverTheKeptChoiceOverKParam) {
    // --lang arguments; kept choice; expected language (kparam.dat says ITA).
    const struct {
        std::vector<std::string> args;
        const char* kept;
        const char* expected;
    } rows[] = {
        {{}, "", "ITA"},
        {{}, "deu", "DEU"},
        {{"--lang", "fra"}, "DEU", "FRA"},
        {{"--lang=Esp"}, "", "ESP"},
        {{"--lang", "FRA", "--lang=ENG"}, "", "ENG"},
        {{"--lang", "EN"}, "DEU", "DEU"}, // not three letters: passed over
        {{"--lang", "D3U"}, "F", "ITA"},  // neither is a code
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        TempDataDir dir;
        dir.write("kparam.dat", "\"\"\r\n\"\"\r\n\"\"\r\n\"ITA\"\r\n");
        const AppContext ctx = StartUp({dir.str(), "", LanguageOption(row.args), row.kept});
        EXPECT_EQ(ctx.languageCode, row.expected);
    }
}

// The translated catalogues change words only: every number of a product or material is the English one,
// row for row (most names differ: a few are the same word in both languages), and a language without its
// own files ("POR") shows the English catalogue.
TEST(Languages, ShippedCataloguesTranslateTheWordsAndKeepTheNumbers) {
    AppContext english;
    english.dataDir = VESKARO_SEED_DIR;
    const auto in = [&](std::string_view code) {
        AppContext ctx = english;
        ctx.languageCode = std::string(code);
        return ctx;
    };
    for (const std::string_view code : {"DEU", "FRA", "ITA", "ESP", "POR"}) {
        SCOPED_TRACE(std::string(code));
        const bool translated = code != "POR";
        int rows = 0;
        int sameNames = 0;
        for (int group = 1; group <= kProductGroupCount; ++group) {
            const Catalogue eng = LoadCatalogue(english, group);
            const Catalogue other = LoadCatalogue(in(code), group);
            ASSERT_FALSE(eng.grid[1][kCatName].empty());
            for (std::size_t row = 1; row <= kCatalogueRows; ++row) {
                CatalogueRow e = eng.grid[row];
                CatalogueRow o = other.grid[row];
                rows += !e[kCatName].empty();
                sameNames += !e[kCatName].empty() && o[kCatName] == e[kCatName];
                for (CatalogueRow* words : {&e, &o})
                    (*words)[kCatName] = (*words)[kCatStorageLife] = (*words)[kCatRemark] = "";
                EXPECT_EQ(o, e) << "group " << group << " row " << row;
            }
        }
        for (const MaterialKind kind : {MaterialKind::Building, MaterialKind::Insulation}) {
            const CatalogueLoad eng = LoadCatalogue(english, kind);
            const CatalogueLoad other = LoadCatalogue(in(code), kind);
            ASSERT_GT(eng.rowCount, 0);
            ASSERT_EQ(other.rowCount, eng.rowCount);
            for (int row = 1; row <= eng.rowCount; ++row) {
                ++rows;
                sameNames += other.grid.at(row, kColCatName) == eng.grid.at(row, kColCatName);
                EXPECT_EQ(other.grid.at(row, kColCatLambda), eng.grid.at(row, kColCatLambda));
                EXPECT_EQ(other.grid.at(row, kColCatDensity), eng.grid.at(row, kColCatDensity));
            }
        }
        if (translated) {
            EXPECT_LT(sameNames * 10, rows);
        } else {
            EXPECT_EQ(sameNames, rows);
        }
    }
}

} // namespace
} // namespace veskaro
