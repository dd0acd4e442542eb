// kparam.dat: defaults of a missing or short file, and the items this program applies.

#include "app/kparam.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "app/data_dir.h"
#include "temp_data_dir.h"

namespace veskaro {
namespace {

using testing::TempDataDir;

TEST(KParam, MissingFileGivesEveryDefaultAndFourLinesOnlyTheLanguage) {
    TempDataDir dir;
    for (const bool fourLines : {false, true}) {
        SCOPED_TRACE(fourLines ? "four lines" : "no file");
        if (fourLines) dir.write("kparam.dat", "\"x\"\r\n\"\"\r\n\"y\"\r\n\"DEU\"\r\n");
        AppContext ctx = dir.context();
        ReadKParam(ctx);
        EXPECT_EQ(ctx.dataDir, dir.str());
        EXPECT_EQ(ctx.languageCode, fourLines ? "DEU" : "ENG");
        EXPECT_EQ(ctx.kparam.item[1], fourLines ? "x" : "");
        EXPECT_EQ(ctx.projectDir, CurrentDirectory());
        EXPECT_EQ(ctx.logoPath, dir.str() + "/qvsample.jpg");
        EXPECT_EQ(ctx.kparam.item[kKParamKeptValue], "35");
        EXPECT_EQ(ctx.kparam.item[kKParamFactor], "2.5");
    }
}

TEST(KParam, FullFileAppliesItsItemsAndDefaultsForShortTexts) {
    TempDataDir dir;
    std::filesystem::create_directories(dir.path() / "projects");
    const std::string projects = (dir.path() / "projects").string();
    // Items 1-10, 11, 12, 13, 14, 15-16, 17, 18-22, 23, 24: the records of the settings file.
    dir.write("kparam.dat", "\"a\",\"\",\"c\",\"FR\",\"CHF\",\"Ti\",\"r7\",3,\"r9\",\"r10\"\r\n"
                            "\"k11\"\r\n1\r\n\"n13\"\r\n0\r\n5,\"\"\r\n\"-1\"\r\n"
                            "\"k18\",\"" +
                                projects + "\",2,\"k21\",1\r\n\"C:\\logo\\firm.jpg\"\r\n\"\"\r\n");
    AppContext ctx = dir.context();
    ReadKParam(ctx);
    EXPECT_EQ(ctx.languageCode, "ENG"); // "FR" is shorter than three characters
    EXPECT_EQ(ctx.currency, "CHF");
    EXPECT_EQ(ctx.fontName, "Arial");
    EXPECT_EQ(ctx.printHeaderFlag, 1);
    EXPECT_EQ(ctx.kparam.item[kKParamKeptValue], ""); // given, though empty
    EXPECT_EQ(ctx.kparam.item[kKParamFactor], "2.5"); // -1 is not a positive factor
    EXPECT_EQ(ctx.projectDir, projects);
    EXPECT_EQ(ctx.kparam.item[kKParamReportFlag], "1");
    EXPECT_EQ(ctx.logoPath, "C:/logo/firm.jpg");
    EXPECT_EQ(ctx.kparam.item[kKParamIntegerOption], "1");
    EXPECT_EQ(ctx.kparam.item[8], "3");
    EXPECT_EQ(ctx.kparam.item[21], "k21");
}

TEST(KParam, DataDirectoryItemOnlyWhenHonouredAndPresent) {
    TempDataDir dir;
    const std::string other = (dir.path() / "other").string();
    std::filesystem::create_directories(other);
    const std::tuple<const char*, std::string, bool, std::string> rows[] = {
        {"existing folder", other, true, other},
        {"override wins", other, false, dir.str()},
        {"missing folder", other + "/none", true, dir.str()},
        {"drive path of another machine", "C:\\Veskaro", true, dir.str()},
        {"empty keeps", "", true, dir.str()},
    };
    for (const auto& [name, item2, honour, expected] : rows) {
        SCOPED_TRACE(name);
        dir.write("kparam.dat", "\"\",\"" + item2 + "\"\r\n");
        AppContext ctx = dir.context();
        ReadKParam(ctx, honour);
        EXPECT_EQ(ctx.dataDir, expected);
        EXPECT_EQ(ctx.logoPath, expected + "/qvsample.jpg");
    }
}

} // namespace
} // namespace veskaro
