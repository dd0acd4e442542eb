// Result files: markup, order and number forms of "ergCR.DAT" and "ergCR2.DAT".

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../app/temp_data_dir.h"
#include "app/number_text.h"
#include "envelope/envelope_data.h"
#include "room/load_calc.h"
#include "room/result_files.h"
#include "sample_room.h"

namespace veskaro::testing {
namespace {

const std::string M(8, ' ');

RoomRecord Room() {
    RoomRecord room;
    using R = RoomRecord;
    const std::pair<std::string R::*, const char*> fields[] = {
        {&R::RaumL, "8"},        {&R::RaumB, "6"},       {&R::RaumH, "3.5"},        {&R::RaumTemp, "2"},
        {&R::RaumFeuchte, "85"}, {&R::AussenTemp, "32"}, {&R::AussenFeuchte, "40"}, {&R::RaumLW, ".72"},
        {&R::Laufzeit, "18"},    {&R::tempdiff, "5.8"},  {&R::tempDiffdt1, "7.2"},  {&R::verdTemp, "-3.8"},
        {&R::PlueftPN, "300"},   {&R::AnzVerd, "2"}};
    for (const auto& [field, text] : fields)
        room.*field = text;
    SetGoods(room, 1, "Apples", {"2000", "18", "2", "-1.5", "3.6", "1.9", "280", "2.2"});
    return room;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ResultRecord, ValueAndComponentLinesAndAProjectFloorPlanTitle) {
    AppContext ctx = EnglishContext();
    RoomRecord room = Room();
    const RecalcResult r = Recalc(room, Envelope{}, ctx);
    const std::vector<std::string> lines = BuildResultRecord(r, room, ctx);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], M + "RaumBild\r");
    EXPECT_EQ(lines[1], "\r");
    EXPECT_EQ(lines[2], M + "Length :§$& 8 m\r");
    EXPECT_TRUE(Has(lines, M + "Width :§$& 6 m\r"));
    EXPECT_TRUE(Has(lines, M + "RaumBEnde\r"));
    EXPECT_TRUE(Has(lines, M + "VDBild\r"));
    EXPECT_TRUE(Has(lines, M + "Number of evaporators :§$& 2 x \r"));
    EXPECT_TRUE(Has(lines, M + "Temperature difference :§$&dtM = 5.8 K  /  dt1 = 7.2 K\r"));

    // Goods: 2000 kg cooled 16 K at 3.6 kJ/kg K plus respiration, 33.22 kWh/day delivered within 18
    // h: 1.8456.. kW.
    std::string goodsLine;
    for (const std::string& l : lines) {
        if (l.rfind(M + "Goods :§$&", 0) == 0) goodsLine = l;
    }
    const double share = std::floor(10000 * (33.2222222 / 18) / r.Q0_kW) / 100;
    EXPECT_EQ(goodsLine, M + "Goods :§$& 1.845 kW     [" + DisplayText(share) + " %]\r");
    // Fans: 2 x 300 W added as they stand.
    EXPECT_TRUE(Has(lines, M + " el. Fan power :§$& .6 kW     [" +
                               DisplayText(std::floor(60 / r.Q0_kW * 100) / 100) + " %]\r"));
    EXPECT_TRUE(Has(lines, M + "   - latent part :§$&" + DisplayText(r.latent.capacity_kW) + " kW     [" +
                               DisplayText(r.latent.share_pct) + " %]\r"));
    // The moisture entry as computed, kg/h, not cut to grams.
    EXPECT_TRUE(Has(lines, M + "Moisture entry :§$&" + DisplayText(r.moisture_gh / 1000) + " kg/h\r"));
    // Empty lines only where the record has them: after the title, the picture marker, each dimension and
    // twice after the picture block.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string("\r")), 9);

    // A floor-plan room of a project: the title without a margin, the plan's outline as the room picture.
    ctx.roomFileName = "Hall3.dat";
    ctx.handover.titlePrefix = "Hall 3";
    room.roomShape = kFloorPlanRoom;
    Envelope env;
    env.wallCount = 0;
    env.floorArea_m2 = 40;
    env.perimeter_m = 26;
    const std::vector<std::string> plan = BuildResultRecord(Recalc(room, env, ctx), room, ctx);
    EXPECT_EQ(plan[0], "Cold room Hall 3\r"); // caption, blank, title prefix
    EXPECT_EQ(plan[1], "\r");
    EXPECT_EQ(plan[2], M + "RaumBild\r");
    EXPECT_TRUE(Has(plan, M + "Max. Length :§$& 8 m\r"));
}

TEST(ResultTables, RowsCellsAndRules) {
    AppContext ctx = EnglishContext();
    RoomRecord room = Room();
    Envelope env;
    for (int k = 0; k < 4; ++k)
        env.walls[k] = {"", 0, 0.22, 32};
    env.floorU_Wm2K = 0.29;
    env.floorT_C = 15;
    const RecalcResult r = Recalc(room, env, ctx);
    const std::vector<std::string> lines = BuildResultTables(r, room, ctx);
    const std::string rule = M + std::string(145, '-');
    const std::string tail = "&%!  &%!  \r";
    // Wall 1 is 6 m long: 21 m², 0.22 W/m²K, 30 K: 138.6 W.
    EXPECT_TRUE(Has(lines, M + "Wall 1&%! 21&%! .22&%! 32&%! 138.6" + tail));
    // Floor 48 m² at 0.29 W/m²K against 15 °C: 180.96 W cut to 180.9.
    EXPECT_TRUE(Has(lines, M + "Floor&%! 48&%! .29&%! 15&%! 180.9" + tail));
    EXPECT_TRUE(Has(lines, M + std::string(21, ' ') + "&%![m²]  &%![W/m²K]&%![°C]&%![W]" + tail));
    EXPECT_TRUE(Has(lines, M + std::string(11, ' ') + "[/day]&%! /[W]&%! /[W]&%! /[W]&%![W]&%![W]" + tail));
    // The first header cell of both goods tables is the margin and 11 blanks.
    const std::string goodsHeader = M + std::string(11, ' ') + "&%!";
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [&](const std::string& l) { return l.rfind(goodsHeader, 0) == 0; }),
              4);
    // Apples as average watts over 24 h: 32 kWh/day sensible = 1333.3 W, 1.2222 kWh/day respiration
    // = 50.9 W, together 1384.2 W.
    EXPECT_TRUE(Has(lines, M + "Apples 2000 kg &%! 18&%! 3.6&%! 1.9&%! 280&%! 1384.2" + tail));
    EXPECT_TRUE(Has(lines, M + "Apples 2000 kg &%! 1333.3&%! 0&%! 0&%! 50.9&%! 1384.2" + tail));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), rule), 5);
    EXPECT_EQ(lines.back(), rule);
    // Every table row is followed by an empty line.
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].size() >= tail.size() &&
            lines[i].compare(lines[i].size() - tail.size(), tail.size(), tail) == 0) {
            EXPECT_EQ(lines[i + 1], "\r") << i;
        }
    }
}

TEST(ResultFiles, WriteResultFilesSavesBothFilesAsQuotedLines) {
    TempDataDir dir;
    AppContext ctx = EnglishContext();
    ctx.dataDir = dir.str();
    RoomRecord room = Room();
    const RecalcResult r = Recalc(room, Envelope{}, ctx);
    EXPECT_TRUE(WriteResultFiles(r, room, ctx));
    RecordReader in = OpenInput(ctx, kResultFileName);
    std::vector<std::string> read;
    for (std::string item; in.next(item);)
        read.push_back(item);
    EXPECT_EQ(read, BuildResultRecord(r, room, ctx));
    const std::string tables = dir.read(kResultTablesFileName);
    EXPECT_EQ(tables.substr(0, 12), "\"" + M + std::string(3, ' '));
    EXPECT_NE(tables.find("\xB2"), std::string::npos); // "m²" as one CP1252 byte
}

} // namespace
} // namespace veskaro::testing
