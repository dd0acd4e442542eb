// Construction files, the envelope summary in floor_CR.dat and K_w.dat, wall table read, U-value report.

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "../app/temp_data_dir.h"
#include "../room/sample_room.h"
#include "app/captions.h"
#include "envelope/envelope_data.h"
#include "envelope/envelope_summary.h"
#include "envelope/uvalue_report.h"
#include "room/room_record.h"

namespace veskaro {
namespace {

const AirLevelCaptions kLevels = {"Still", "Slight", "Moderate", "Strong"};

Construction Sample() {
    Construction c;
    c.nextLayerRow = 3;
    c.uText = ".23";
    c.temperatureText = "32";
    c.insideLevel = "Moderate";
    c.outsideLevel = "Still";
    const char* rows[][4] = {
        {"0.6", "50", "Steel", ""}, {"100", "0,022", "PIR, core", "note"}, {"5", "", "x", ""}};
    for (int r = 0; r < 3; ++r)
        for (int col = 0; col < 4; ++col)
            c.layers.set(r + 1, col + 1, rows[r][col]);
    return c;
}

EnvelopeSummary Summary(const char* u, const char* t) {
    EnvelopeSummary s;
    s.uText.fill(u);
    s.temperatureText.fill(t);
    return s;
}

TEST(EnvelopeFiles, WallConstructionFileLayoutAndReadBack) {
    const std::string expected =
        "\" 3\"\r\n\".23\"\r\n\"32\"\r\n" + std::string("\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n") +
        "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n\"Moderate\"\r\n\"Still\"\r\n"
        "\"0.6\",\"50\",\"Steel\",\"\"\r\n\"100\",\"0,022\",\"PIR, core\",\"note\"\r\n";
    EXPECT_EQ(ConstructionFileText(Sample(), 2, {}).text(), expected); // blank lambda: row not saved
    Construction back = ReadConstruction(RecordReader(expected), 2, kLevels);
    back.uText = ".23";
    back.temperatureText = "32";
    EXPECT_EQ(ConstructionFileText(back, 2, {}).text(), expected);
}

// The floor's rule: floor_CR.dat always carries the summary behind its lead record, whether the floor's
// construction or the summary was written last, and the floor's layers read back after either.
TEST(EnvelopeFiles, FloorLayersSurviveSummaryWritesAndTheMainWindowReadsTheSummary) {
    testing::TempDataDir dir;
    AppContext ctx = dir.context();
    EnvelopeSummary summary = Summary(".3", "25");
    Construction floor = Sample();
    floor.uText = ".29";
    floor.temperatureText = "15";
    ASSERT_TRUE(SaveConstruction(ctx, summary, floor, kFloorSurface));
    EXPECT_EQ(summary.uText[kFloorSurface - 1], ".29");
    for (const char* wallU : {".22", ".21"}) {
        summary.uText[0] = wallU;
        const SummaryWriteResult written = WriteEnvelopeSummary(ctx, summary);
        ASSERT_TRUE(written.written && written.blockedMessage.empty());
    }
    EXPECT_FALSE(DataFileExists(ctx, "nix.dat"));

    const Construction back = OpenSurface(ctx, summary, kFloorSurface, kLevels);
    EXPECT_EQ(ConstructionFileText(back, 5, summary.texts()).text(),
              ConstructionFileText(floor, 5, summary.texts()).text());
    const Envelope env = ReadRectangularEnvelope(OpenInput(ctx, "floor_CR.dat"), RecordReader());
    EXPECT_EQ(
        std::make_tuple(env.walls[0].U_Wm2K, env.walls[3].tBeyond_C, env.floorU_Wm2K, env.ceilingU_Wm2K),
        std::make_tuple(0.21, 25.0, 0.29, 0.3));
    // The seeded floor_CR.dat is already in this layout: rewriting its summary unchanged keeps every byte.
    const std::string seed = VESKARO_SEED_DIR;
    std::string seeded;
    ASSERT_TRUE(ReadFileBytes(seed + "/floor_CR.dat", seeded));
    const EnvelopeSummary seededSummary =
        ReadDialogSummary(RecordReader(Cp1252ToUtf8(seeded)), RecordReader(), "9");
    EXPECT_EQ(Utf8ToCp1252(FloorFileWithSummary(RecordReader(Cp1252ToUtf8(seeded)), seededSummary).text()),
              seeded);
}

TEST(EnvelopeFiles, DialogSummaryComesFromFloorFileOrStandardWithDefaultsForBlanks) {
    using testing::QuotedLines;
    const std::string floor =
        QuotedLines({" 4", ".29", "15", ".22", "32", "", "", "", "", "", "", "", "", "abc"});
    EnvelopeSummary fromFloor = DefaultEnvelopeSummary("-3");
    fromFloor.uText[0] = ".22";
    fromFloor.temperatureText[0] = "32";
    EnvelopeSummary fromStandard = fromFloor;
    fromFloor.uText[5] = "abc";
    // what, floor_CR.dat, K_w.dat, the boxes
    const std::tuple<const char*, std::string, std::string, EnvelopeSummary> rows[] = {
        {"floor file, blanks take defaults", floor, QuotedLines({"9", "9"}), fromFloor},
        {"wall 1 at 0 and 0: standard file", QuotedLines({"", "", "", "0", ""}),
         QuotedLines({".22", "32", "", ""}), fromStandard},
        {"nothing at all", "", "", DefaultEnvelopeSummary("-3")},
    };
    for (const auto& [what, floorFile, standard, expected] : rows) {
        SCOPED_TRACE(what);
        const EnvelopeSummary s = ReadDialogSummary(RecordReader(floorFile), RecordReader(standard), "-3");
        EXPECT_EQ(s.uText, expected.uText);
        EXPECT_EQ(s.temperatureText, expected.temperatureText);
    }
    // Hostile bytes: every box still holds a text, and the floor's construction reads without a crash.
    const std::string hostile = std::string("\"\0\xff,,,\"\"\"", 8) + std::string(5000, ',') + "1e999";
    const EnvelopeSummary s = ReadDialogSummary(RecordReader(hostile), RecordReader("1e999,\""), "-3");
    for (int k = 0; k < kSurfaceCount; ++k)
        EXPECT_FALSE(s.uText[k].empty() || s.temperatureText[k].empty());
    EXPECT_LE(ReadConstruction(RecordReader(hostile), kFloorSurface, kLevels).nextLayerRow, kLayerRows + 1);
}

TEST(EnvelopeFiles, StandardEnvelopeRoundTripAndCopyWall1) {
    EnvelopeSummary s = Summary(".2", "35");
    s.uText[3] = ".1";
    CopyWall1ToAll(s);
    std::string twelve;
    for (int k = 0; k < 6; ++k)
        twelve += "\".2\"\r\n\"35\"\r\n";
    EXPECT_EQ(StandardEnvelopeText(s).text(), twelve);
    ReadStandardEnvelope(RecordReader("\".1\",\"5\",\".3\""), s); // short file: later boxes stay
    EXPECT_EQ(s.uText, (std::array<std::string, 6>{".1", ".3", ".2", ".2", ".2", ".2"}));
    EXPECT_EQ(s.temperatureText[1], "35");
}

TEST(EnvelopeFiles, UValueReportRecords) {
    const AppContext ctx = testing::EnglishContext();
    const Construction c = Sample();
    const UValueResult u = ComputeUValue(c, kCeilingSurface, kLevels);
    const std::vector<std::string> r = UValueReportRecords(c, u, ctx.captions);
    const std::string m(8, ' '), rule = m + std::string(145, '-'), cell = "&%!",
                                 end = cell + "  " + cell + "  \r";
    ASSERT_EQ(r.size(), 43u);
    const std::pair<std::size_t, std::string> expected[] = {
        {1, m + "Construction U-value"},
        {6, m + "Heat transfer coefficient outside - Alpha e :"},
        {8, m + "Still ;    6 W/m²K"},
        {13, m + "Moderate ;    7 W/m²K"},
        {18, m + "Construction Layers"},
        {25, m + std::string(21, ' ') + cell + "s/[mm]" + cell + "lam /[W/mK]" + cell + "Material" + cell +
                 "Moderate" + end},
        {28, m + " 1" + cell + "0.6" + cell + "50" + cell + "Steel" + cell + end},
        {32, m + " 3" + cell + "5" + cell + cell + "x" + cell + end},    // listed although not counted
        {39, "&$$" + m + std::string(14, ' ') + "U-value:   .2 W/m²/K"}, // 1/(1/6 + 1/7 + 0.1/0.022)
        {42, rule},
    };
    for (const auto& [index, text] : expected) {
        SCOPED_TRACE(index + 1);
        EXPECT_EQ(r[index], text);
    }
}

RecordReader Items(const std::vector<std::string>& items) {
    return RecordReader(testing::QuotedLines(items));
}

// floor_CR.dat as the wall dialog writes it: a lead record of 3 items, 12 summary texts, the remainder.
RecordReader FloorFile(std::initializer_list<const char*> summary) {
    RecordWriter w;
    w.str(" 2").str(".3").str("15").endLine();
    for (const char* item : summary)
        w.line(item);
    w.str("").str("").str("").endLine();
    return RecordReader(w.text());
}

// The four walls from floor_CR.dat, or all four from K_w.dat once wall 1 has neither value; floor and
// ceiling always from floor_CR.dat. U|t per wall, then floor and ceiling.
TEST(EnvelopeData, RectangularRoomSummaryOrStandardEnvelope) {
    const std::tuple<const char*, RecordReader, RecordReader, const char*> rows[] = {
        {"summary", FloorFile({".22", "32", "0,25", "25", ".22", "-20", ".4", "30", ".29", "15", ".2", "32"}),
         Items({"9", "9", "9", "9", "9", "9", "9", "9"}), "0.22|32 0.25|25 0.22|-20 0.4|30 0.29|15 0.2|32"},
        {"a wall without values: standard envelope for all",
         FloorFile({".22", "32", "", "", ".22", "25", ".22", "25", ".29", "15", ".2", "32"}),
         Items({".3", "30", ".31", "31", ".32", "32", ".33", "33", "9", "9", "9", "9"}),
         "0.3|30 0.31|31 0.32|32 0.33|33 0.29|15 0.2|32"},
        {"no files", RecordReader(), RecordReader(), "0|0 0|0 0|0 0|0 0|0 0|0"},
    };
    for (const auto& [what, floorFile, standard, expected] : rows) {
        SCOPED_TRACE(what);
        const Envelope env = ReadRectangularEnvelope(floorFile, standard);
        std::ostringstream shown;
        for (int k = 0; k < 4; ++k)
            shown << env.walls[k].U_Wm2K << "|" << env.walls[k].tBeyond_C << " ";
        shown << env.floorU_Wm2K << "|" << env.floorT_C << " " << env.ceilingU_Wm2K << "|" << env.ceilingT_C;
        EXPECT_EQ(shown.str(), expected);
    }
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
