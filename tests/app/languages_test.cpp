// The language of a run, and the translated catalogues against the English ones.

#include "app/languages.h"

#include <gtest/gtest.h>

#include <tuple>

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
    const std::tuple<std::vector<std::string>, const char*, const char*> rows[] = {
        {{}, "", "ITA"},
        {{}, "deu", "DEU"},
        {{"--lang", "fra"}, "DEU", "FRA"},
        {{"--lang=Esp"}, "", "ESP"},
        {{"--lang", "FRA", "--lang=ENG"}, "", "ENG"},
        {{"--lang", "EN"}, "DEU", "DEU"}, // not three letters: passed over
        {{"--lang", "D3U"}, "F", "ITA"},  // neither is a code
    };
    for (const auto& [args, kept, expected] : rows) {
        SCOPED_TRACE(expected);
        TempDataDir dir;
        dir.write("kparam.dat", "\"\"\r\n\"\"\r\n\"\"\r\n\"ITA\"\r\n");
        const AppContext ctx = StartUp({dir.str(), "", LanguageOption(args), kept});
        EXPECT_EQ(ctx.languageCode, expected);
    }
}

// Translated catalogues change words only (most names, not all): every number is the English one, row for
// row; a language without its own files ("POR") shows the English catalogue.
TEST(Languages, ShippedCataloguesTranslateTheWordsAndKeepTheNumbers) {
    const AppContext english = testing::SeedContext();
    for (const char* code : {"DEU", "FRA", "ITA", "ESP", "POR"}) {
        SCOPED_TRACE(code);
        AppContext translated = english;
        translated.languageCode = code;
        int rows = 0;
        int sameNames = 0;
        for (int group = 1; group <= kProductGroupCount; ++group) {
            const Catalogue eng = LoadCatalogue(english, group);
            const Catalogue other = LoadCatalogue(translated, group);
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
            const CatalogueLoad other = LoadCatalogue(translated, kind);
            ASSERT_GT(eng.rowCount, 0);
            ASSERT_EQ(other.rowCount, eng.rowCount);
            for (int row = 1; row <= eng.rowCount; ++row) {
                ++rows;
                sameNames += other.grid.at(row, kColCatName) == eng.grid.at(row, kColCatName);
                EXPECT_EQ(other.grid.at(row, kColCatLambda), eng.grid.at(row, kColCatLambda));
                EXPECT_EQ(other.grid.at(row, kColCatDensity), eng.grid.at(row, kColCatDensity));
            }
        }
        const bool shownInEnglish = translated.languageCode == "POR"; // no files of its own
        EXPECT_TRUE(shownInEnglish ? sameNames == rows : sameNames * 10 < rows)
            << sameNames << " of " << rows;
    }
}

} // namespace
} // namespace veskaro
