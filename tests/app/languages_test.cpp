// The language of a run: command line over the kept choice over kparam.dat, and the English fallback of
// language-dependent files.

#include "app/languages.h"

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "app/startup.h"
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
        {{"--lang"}, "", "ITA"},          // no value
        {{"--data-dir", "x"}, "", "ITA"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        TempDataDir dir;
        dir.write("kparam.dat", "\"\"\r\n\"\"\r\n\"\"\r\n\"ITA\"\r\n");
        const AppContext ctx = StartUp({dir.str(), "", LanguageOption(row.args), row.kept});
        EXPECT_EQ(ctx.languageCode, row.expected);
    }
}

TEST(Languages, CataloguesWithoutTheirLanguageFileReadTheEnglishOne) {
    TempDataDir dir;
    AppContext ctx = dir.context();
    ctx.languageCode = "DEU";
    dir.write("BauS.ENG", "");
    dir.write("bauS.deu", ""); // any letter case, as on the family's file systems
    EXPECT_EQ(LanguageFileForReading(ctx, "BauS.DEU", "BauS.ENG"), "BauS.DEU");
    EXPECT_EQ(LanguageFileForReading(ctx, "DaemmS.DEU", "DaemmS.ENG"), "DaemmS.ENG");
}

} // namespace
} // namespace veskaro
