// Envelope as the main window reads it: summary in floor_CR.dat, K_w.dat fallback, the wall table.

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "app/record_file.h"
#include "envelope/envelope_data.h"
#include "room/room_record.h"

namespace veskaro {
namespace {

RecordReader Items(const std::vector<std::string>& items) {
    RecordWriter w;
    for (const std::string& item : items)
        w.line(item);
    return RecordReader(w.text());
}

// floor_CR.dat after the wall dialog wrote its summary: 3 lead items in one record, 12 summary texts,
// then the copied remainder.
RecordReader FloorFile(std::initializer_list<const char*> summary) {
    RecordWriter w;
    w.str(" 2").str(".3").str("15").endLine();
    for (const char* item : summary)
        w.line(item);
    w.str("").str("").str("").endLine();
    return RecordReader(w.text());
}

TEST(EnvelopeData, SummaryOfARectangularRoom) {
    const Envelope env = ReadRectangularEnvelope(
        FloorFile({".22", "32", "0,25", "25", ".22", "-20", ".4", "30", ".29", "15", ".2", "32"}),
        Items({"9", "9", "9", "9", "9", "9", "9", "9"}));
    const double U[] = {0.22, 0.25, 0.22, 0.4};
    const double t[] = {32, 25, -20, 30};
    EXPECT_EQ(env.wallCount, 4);
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_DOUBLE_EQ(env.walls[k].U_Wm2K, U[k]);
        EXPECT_DOUBLE_EQ(env.walls[k].tBeyond_C, t[k]);
    }
    EXPECT_DOUBLE_EQ(env.floorU_Wm2K, 0.29);
    EXPECT_DOUBLE_EQ(env.floorT_C, 15);
    EXPECT_DOUBLE_EQ(env.ceilingU_Wm2K, 0.2);
    EXPECT_DOUBLE_EQ(env.ceilingT_C, 32);
}

TEST(EnvelopeData, WallWithoutValuesTakesTheStandardEnvelopeForAllWalls) {
    const Envelope env = ReadRectangularEnvelope(
        FloorFile({".22", "32", "", "", ".22", "25", ".22", "25", ".29", "15", ".2", "32"}),
        Items({".3", "30", ".31", "31", ".32", "32", ".33", "33", "9", "9", "9", "9"}));
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_DOUBLE_EQ(env.walls[k].U_Wm2K, 0.3 + 0.01 * k);
        EXPECT_DOUBLE_EQ(env.walls[k].tBeyond_C, 30 + k);
    }
    EXPECT_DOUBLE_EQ(env.floorU_Wm2K, 0.29); // floor and ceiling stay from floor_CR.dat
    EXPECT_DOUBLE_EQ(env.ceilingT_C, 32);
}

TEST(EnvelopeData, MissingFilesGiveZeros) {
    const Envelope env = ReadRectangularEnvelope(RecordReader(), RecordReader());
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(env.walls[k].U_Wm2K, 0.0);
    EXPECT_EQ(env.floorU_Wm2K, 0.0);
}

// A wall table of 20 rows x 15 columns with the given rows filled.
RecordReader WallTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::string> items(20 * 15);
    for (std::size_t r = 0; r < rows.size(); ++r)
        std::copy(rows[r].begin(), rows[r].end(), items.begin() + static_cast<long>(15 * r));
    return Items(items);
}

TEST(EnvelopeData, FloorPlanWallTableStopsAtTheFirstEmptyWallOrAfterEighteen) {
    Envelope env = ReadFloorPlanEnvelope(WallTable({
        {"Floor", "", "62.5", ".29", "15"},
        {"Ceiling", "", "62.5", ".2", "35"},
        {"North", "12.5", "43.75", ".22", "30", "", "N"},
        {"East", "5", "17.5", ".22", "0"},
        {"South", "12.5", "43.75", "", ""},
        {"", "", "", "", ""},
        {"West", "5", "17.5", ".22", "30"}, // after the end of the outline: not read
    }));
    EXPECT_DOUBLE_EQ(env.floorArea_m2, 62.5);
    EXPECT_DOUBLE_EQ(env.floorU_Wm2K, 0.29);
    EXPECT_DOUBLE_EQ(env.ceilingT_C, 35);
    ASSERT_EQ(env.wallCount, 3);
    EXPECT_EQ(env.walls[0].designation, "North");
    EXPECT_DOUBLE_EQ(env.walls[1].tBeyond_C, 0.0);
    EXPECT_DOUBLE_EQ(env.walls[2].length_m, 12.5);
    EXPECT_DOUBLE_EQ(env.perimeter_m, 30.0);

    std::vector<std::vector<std::string>> rows = {{"", "", "100", ".3", "15"}, {"", "", "100", ".3", "30"}};
    rows.insert(rows.end(), 18, {"W", "2", "7", ".22", "30"});
    env = ReadFloorPlanEnvelope(WallTable(rows));
    EXPECT_EQ(env.wallCount, 18);
    EXPECT_DOUBLE_EQ(env.perimeter_m, 36.0);

    env = ReadFloorPlanEnvelope(RecordReader());
    EXPECT_EQ(env.wallCount, 0);
    EXPECT_EQ(env.floorArea_m2, 0.0);
}

TEST(EnvelopeData, CarriedBlocksComeBeforeTheDataDirectory) {
    AppContext ctx;
    ctx.dataDir = "/nonexistent-veskaro-dir";
    std::vector<EnvelopeFileBlock> carried = {
        {"floor_CR.dat", {"", "", "", ".5", "1", ".5", "2", ".5", "3", ".5", "4", ".6", "5", ".7", "6"}}};
    const Envelope env = ReadEnvelope(ctx, kRectangularRoom, carried);
    EXPECT_DOUBLE_EQ(env.walls[3].tBeyond_C, 4);
    EXPECT_DOUBLE_EQ(env.ceilingU_Wm2K, 0.7);
    EXPECT_EQ(ReadEnvelope(ctx, kRectangularRoom).walls[0].U_Wm2K, 0.0);
}

} // namespace
} // namespace veskaro
