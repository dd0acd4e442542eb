// The wall table: areas, column checks, CR_WALL.dat, hostile files, window types and the printed table.

#include <gtest/gtest.h>

#include <tuple>

#include "../app/temp_data_dir.h"
#include "../room/sample_room.h"
#include "app/number_text.h"
#include "envelope/envelope_data.h"
#include "envelope/wall_table.h"
#include "envelope/wall_table_report.h"

namespace veskaro {
namespace {

using testing::EnglishContext;
using testing::TempDataDir;

TEST(WallTable, AreasAreCutToTwoDecimalsAndEighteenWallsFillRowsThreeToTwenty) {
    // length m, height m, area cell; 2.5 x 1.01 = 2.525 is cut, not rounded up
    const std::tuple<double, double, const char*> rows[] = {
        {2.5, 1.01, "2.52"}, {4.0, 3.5, "14"}, {3.333, 3.0, "9.99"}, {0.0, 3.0, "0"}, {6.0, 2.999, "17.99"}};
    for (const auto& [length_m, height_m, area] : rows) {
        SCOPED_TRACE(area);
        WallTable table;
        table.setWallLength(4, length_m, height_m);
        EXPECT_EQ(table.cell(WallRow(4), kColArea), area);
        EXPECT_DOUBLE_EQ(NumFromText(table.cell(WallRow(4), kColLength)), length_m);
    }
    WallTable table;
    for (int wall = 1; wall <= 19; ++wall)
        table.setWallLength(wall, wall, 2.0);
    for (int wall = 1; wall <= kMaxTableWalls; ++wall)
        EXPECT_EQ(NumFromText(table.cell(wall + 2, kColLength)), wall) << wall;
    EXPECT_EQ(table.cell(21, kColLength), "");
    EXPECT_EQ(table.cell(kFloorRow, kColLength), "");

    table.clearWallsFrom(17);
    EXPECT_EQ(table.cell(WallRow(16), kColArea), "32");
    EXPECT_EQ(table.cell(WallRow(17), kColArea), "");
    EXPECT_EQ(table.cell(WallRow(18), kColLength), "");
}

TEST(WallTable, ProposedFloorAreaNeverOverwritesAnEnteredOne) {
    const AppContext ctx = EnglishContext();
    WallTable table;
    table.setCell(kCeilingRow, kColArea, "12.5");
    table.proposeFloorCeilingArea(27.456, ctx.captions);
    EXPECT_EQ(table.cell(kFloorRow, kColArea), "27.45");
    EXPECT_EQ(table.cell(kFloorRow, kColDesignation), ctx.captions[Cap::FloorWord]);
    EXPECT_EQ(table.cell(kCeilingRow, kColArea), "12.5");
}

// A complete row: designation, length 3, area, U, temperature, construction class.
void FillRow(WallTable& t, int row, const char* name) {
    const char* cells[] = {name, "3", "9", ".3", "25", "", "N", "2"};
    for (int c = 1; c <= 8; ++c)
        t.setCell(row, c, cells[c - 1]);
}

TEST(WallTable, ChecksListRowsWithDesignationAndBlankOrZeroValue) {
    const AppContext ctx = EnglishContext();
    using Edits = std::vector<std::tuple<int, int, const char*>>;   // row, column, text
    using Problems = std::vector<std::pair<int, std::vector<int>>>; // column, rows
    const std::tuple<const char*, Edits, Problems> rows[] = {
        {"complete table", {}, {}},
        {"blank rows without designation are never listed",
         {{9, kColU, ""}, {10, kColDesignation, "  "}},
         {}},
        {"floor and ceiling need no length", {{kFloorRow, kColLength, ""}}, {}},
        {"zero and blank are both missing", {{4, kColU, "0"}, {6, kColU, " "}}, {{kColU, {4, 6}}}},
        {"each column its own message",
         {{3, kColLength, ",0"},
          {kFloorRow, kColArea, ""},
          {5, kColTemperature, "0"},
          {20, kColDensityClass, ""}},
         {{kColLength, {3}}, {kColArea, {1}}, {kColTemperature, {5}}, {kColDensityClass, {20}}}},
    };
    for (const auto& [what, edits, found] : rows) {
        SCOPED_TRACE(what);
        WallTable table;
        for (const int r : {1, 2, 3, 4, 5, 6, 7, 8, 20})
            FillRow(table, r, r <= 2 ? "Slab" : "Wall");
        table.setCell(20, kColTemperature, "-2"); // below zero is a value
        for (const auto& [r, c, text] : edits)
            table.setCell(r, c, text);
        const auto problems = CheckWallTable(table, ctx.captions);
        ASSERT_EQ(problems.size(), found.size());
        for (std::size_t i = 0; i < problems.size(); ++i) {
            EXPECT_EQ(problems[i].column, found[i].first);
            EXPECT_EQ(problems[i].rows, found[i].second);
        }
    }
    WallTable two;
    FillRow(two, 3, "A");
    FillRow(two, 12, "B");
    two.setCell(3, kColU, "");
    two.setCell(12, kColU, "0");
    const auto problems = CheckWallTable(two, ctx.captions);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].message, ctx.captions[Cap::WallCheckIntro] + " K : 3,12 = 0 !!");
}

TEST(WallTable, FileRoundTripIsWhatTheLoadCalculationReads) {
    TempDataDir dir;
    AppContext ctx = dir.context();
    WallTable table;
    FillRow(table, kFloorRow, "Floor, slab");
    FillRow(table, kCeilingRow, "Ceiling");
    table.setCell(kFloorRow, kColArea, "31.5");
    const double lengths[] = {6, 3, 2.5, 2, 3.5, 5};
    for (int wall = 1; wall <= 6; ++wall) {
        FillRow(table, WallRow(wall), "Wall \"x\"");
        table.setWallLength(wall, lengths[wall - 1], 3.2);
        table.setCell(WallRow(wall), kColU, DisplayText(0.2 + wall / 100.0));
    }
    ASSERT_TRUE(SaveWallTable(ctx, table));

    WallTable expected = table;
    for (int wall = 1; wall <= 6; ++wall)
        expected.setCell(WallRow(wall), kColDesignation, "Wall 'x'"); // a quote cannot be stored
    EXPECT_EQ(LoadWallTable(ctx), expected);

    const Envelope env = ReadFloorPlanEnvelope(OpenInput(ctx, "CR_WALL.dat"));
    EXPECT_EQ(env.wallCount, 6);
    EXPECT_DOUBLE_EQ(env.floorArea_m2, 31.5);
    EXPECT_DOUBLE_EQ(env.floorU_Wm2K, 0.3);
    EXPECT_DOUBLE_EQ(env.ceilingT_C, 25.0);
    EXPECT_DOUBLE_EQ(env.perimeter_m, 22.0);
    EXPECT_EQ(env.walls[0].designation, "Wall 'x'");
    for (int wall = 1; wall <= 6; ++wall) {
        EXPECT_DOUBLE_EQ(env.walls[wall - 1].length_m, lengths[wall - 1]);
        EXPECT_DOUBLE_EQ(env.walls[wall - 1].U_Wm2K, 0.2 + wall / 100.0);
        EXPECT_DOUBLE_EQ(env.walls[wall - 1].tBeyond_C, 25.0);
    }
    // The outline ends at the first wall without length, U-value and temperature; a wall with its length
    // alone still counts. All eighteen walls are read; an empty file has none.
    WallTable cut = table;
    for (const int column : {kColLength, kColU, kColTemperature})
        cut.setCell(WallRow(4), column, "");
    cut.setCell(WallRow(3), kColU, "");
    cut.setCell(WallRow(3), kColTemperature, "0");
    EXPECT_DOUBLE_EQ(ReadFloorPlanEnvelope(RecordReader(WallTableRecords(cut).text())).perimeter_m, 11.5);
    WallTable full;
    for (int wall = 1; wall <= kMaxTableWalls; ++wall)
        FillRow(full, WallRow(wall), "W");
    EXPECT_EQ(ReadFloorPlanEnvelope(RecordReader(WallTableRecords(full).text())).wallCount, kMaxTableWalls);
    EXPECT_EQ(ReadFloorPlanEnvelope(RecordReader()).wallCount, 0);

    ctx.programCode = "AC";
    ASSERT_TRUE(SaveWallTable(ctx, WallTable{}));
    EXPECT_TRUE(DataFileExists(ctx, "AC_WALL.dat"));
    EXPECT_EQ(dir.read("CR_WALL.dat"), WallTableRecords(table).text());
}

TEST(WallTable, ShortHostileAndOverlongFilesReadWhatFits) {
    std::string over;
    for (int i = 1; i <= 400; ++i)
        over += "\"" + std::to_string(i) + "\"\r\n";
    // what, file text, the start of cell 1,1 and cell 20,15
    const std::tuple<const char*, std::string, std::string, std::string> rows[] = {
        {"empty", "", "", ""},
        {"short", "\"a\",\"b\"", "a", ""},
        {"more than 300 records", over, "1", "300"},
        {"unterminated quote and binary", std::string("\"x,\x01\xff\0", 6), "x,", ""},
    };
    for (const auto& [what, text, cell_1_1, cell_20_15] : rows) {
        SCOPED_TRACE(what);
        const WallTable t = ReadWallTable(RecordReader(text));
        EXPECT_EQ(t.cell(1, 1).substr(0, cell_1_1.size()), cell_1_1);
        EXPECT_EQ(t.cell(20, 15), cell_20_15);
    }
}

TEST(WallTable, WindowTypeEntriesAndTheShippedList) {
    RecordWriter w;
    w.line("Single").line(" 85").line("5.8").line("5.8").line("0").line("x");
    w.line("Door").line("0").line(".25").line(".2").line("0").line("y");
    w.line("").line("99").line("1").line("1").line("1").line("after the end");
    const auto types = ReadWindowTypes(RecordReader(w.text()));
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0].entryText, "Single 85%");
    EXPECT_EQ(types[1].entryText, "Door 0%");
    EXPECT_DOUBLE_EQ(types[1].Uw_Wm2K, 0.25);

    const AppContext ctx = EnglishContext();
    const auto shipped = LoadWindowTypes(ctx);
    ASSERT_GE(shipped.size(), 8u);
    ASSERT_LE(shipped.size(), std::size_t{kMaxWindowTypes});
    for (const WindowType& t : shipped) {
        SCOPED_TRACE(t.name);
        // Whole-window values lie between the glazing and the frame (or the leaf and its edge) values,
        // and no product beats a vacuum panel or loses more than single glazing in an aluminium frame.
        EXPECT_GT(t.Uw_Wm2K, 0.1);
        EXPECT_LT(t.Uw_Wm2K, 7.5);
        EXPECT_FALSE(t.basis.empty());
        const double g = NumFromText(t.solarGainText);
        EXPECT_GE(g, 0.0);
        EXPECT_LE(g, 90.0);
    }
    // Every language lists the same types with the same numbers, only the names translated; a language
    // without its own list reads the English one.
    for (const char* code : {"DEU", "FRA", "ITA", "ESP", "POR"}) {
        SCOPED_TRACE(code);
        AppContext translated = ctx;
        translated.languageCode = code;
        const auto types = LoadWindowTypes(translated);
        ASSERT_EQ(types.size(), shipped.size());
        for (std::size_t i = 0; i < types.size(); ++i) {
            EXPECT_EQ(types[i].name == shipped[i].name, std::string(code) == "POR") << types[i].name;
            EXPECT_EQ(types[i].solarGainText, shipped[i].solarGainText);
            EXPECT_EQ(std::tuple(types[i].Uw_Wm2K, types[i].Ug_Wm2K, types[i].Uf_Wm2K),
                      std::tuple(shipped[i].Uw_Wm2K, shipped[i].Ug_Wm2K, shipped[i].Uf_Wm2K));
        }
    }
}

TEST(WallTable, ReportListsDesignatedRowsUnderTheDate) {
    AppContext ctx = EnglishContext();
    WallTable table;
    FillRow(table, kFloorRow, "Slab");
    FillRow(table, 5, "East wall");
    table.setCell(5, kColWindowType, "Triple glazing 50%");
    const auto joined = [&] {
        std::string all;
        for (const std::string& l : WallTableReportLines(table, ctx, {6, 3, 2026}))
            all += l + "\n";
        return all;
    };
    const std::string plain = joined();
    EXPECT_NE(plain.find("06.03.2026"), std::string::npos);
    EXPECT_NE(plain.find("East wall"), std::string::npos);
    EXPECT_NE(plain.find("Triple glazing 50%"), std::string::npos);
    EXPECT_EQ(plain.find("-Y/N"), std::string::npos);
    ctx.programCode = "AC";
    EXPECT_NE(joined().find("-Y/N"), std::string::npos);
}

} // namespace
} // namespace veskaro
