// Every product of the shipped catalogue files is physically consistent.

#include <gtest/gtest.h>

#include <string>

#include "app/app_context.h"
#include "app/number_text.h"
#include "goods/catalogue.h"

namespace veskaro {
namespace {

constexpr double kLatentHeatOfWater_kJkg = 334.0;

double Num(const std::string& text) {
    return NumFromText(std::string_view(text));
}

// The water fraction the remark names ("water 83.9 %"), -1 when it names none.
double WaterFraction(const std::string& remark) {
    const auto at = remark.find("water ");
    return at == std::string::npos ? -1.0 : Num(remark.substr(at + 6)) / 100.0;
}

TEST(ShippedCatalogue, EveryProductIsPhysicallyConsistent) {
    AppContext ctx;
    ctx.dataDir = VESKARO_SEED_DIR;
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
            const double tFreeze = Num(p[kCatFreezingTemp]);
            const double cpAbove = Num(p[kCatCpAbove]);
            const double cpBelow = Num(p[kCatCpBelow]);
            const double latent = Num(p[kCatLatentHeat]);
            const double respiration = Num(p[kCatRespiration]);
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
                ASSERT_GT(water, 0.0);
                EXPECT_NEAR(latent, kLatentHeatOfWater_kJkg * water, 0.6);
            } else { // no latent heat, one specific heat
                EXPECT_TRUE(latent == 0.0 && cpAbove == cpBelow && cpAbove > 0.1 && cpAbove < 4.2) << cpAbove;
            }
            EXPECT_GE(latent, 0.0);
            EXPECT_LE(latent, 335.0);
            EXPECT_TRUE(freshProduce ? respiration > 0.0 : respiration == 0.0) << respiration;
            EXPECT_LT(respiration, 30.0); // 350 mW/kg: beyond any produce in storage
        }
        EXPECT_GE(count, group <= 6 ? 25 : 8) << "group " << group;
    }
    EXPECT_GE(foodsFreezingNearZero * 4, foods * 3) << "most foods freeze between -3 and 0 °C";
}

} // namespace
} // namespace veskaro
