// Report line rules: positions as fractions of the surface, style prefixes, rules, markers, header.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/report_layout.h"
#include "report/room_sketch.h"

namespace veskaro {
namespace {

constexpr double kEps = 1e-9;

std::vector<DrawOp> OpsOf(const std::vector<DrawOp>& ops, DrawKind kind) {
    std::vector<DrawOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                 [&](const DrawOp& op) { return op.kind == kind; });
    return out;
}

TEST(ReportLayout, AdvanceOfEachLineKind) {
    const std::string cell = "&%!";
    const struct {
        const char* name;
        std::string line;
        double advance; // fraction of the height from the first line to the probe line drawn after it
    } rows[] = {
        {"plain text", "        Operating time\r", 0.018},
        {"label/value", "        Room temperature :§$& 2 °C\r", 0.017},
        {"narrow label/value", "        Coil :$§$ 3 rows\r", 0.017},
        {"table row", "        Wall 1" + cell + " 21" + cell + " .22\r", 0.015},
        {"evaporator picture", "        VDBild\r", 0.07},
        {"room picture end", "        RaumBEnde\r", 0.07},
        {"room picture start", "        RaumBild\r", 0.0},
        {"rule", "        " + std::string(145, '-'), 0.004},
        {"four characters", "abc\r", 0.0},
        {"numeric prefix 12", "12Title line\r", 0.018 + 12.0 * 3.0 / 3000.0},
        {"indent prefix E2", "E2Indented line\r", 0.018},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<DrawOp> texts =
            OpsOf(LayOutReportLines({row.line, "        probe\r"}, kScreenBodySize_pt), DrawKind::Text);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back().text, "probe");
        EXPECT_NEAR(texts.back().y, 0.18 + row.advance, kEps);
    }
}

// The draw operations of one line, all on the first line (y 0.18): x, type size and weight of the text
// runs; a line of more than 150 characters is a rule from x to x2.
TEST(ReportLayout, TextRunsOfPrefixesMarkersAndCellsAndRules) {
    struct Run {
        std::string text;
        double x, size_pt;
        bool bold = false;
        std::string lead = "";
        DrawKind kind = DrawKind::Text;
        double x2 = 0.0;
    };
    constexpr double b = kScreenBodySize_pt;
    std::string degrees150; // "°" is two bytes but one character: 150 characters, 165 bytes, still text
    for (int i = 0; i < 15; ++i)
        degrees150 += "°";
    degrees150 += std::string(135, 'x');
    const struct {
        const char* name;
        std::vector<std::string> lines;
        std::vector<Run> runs;
        double body_pt = kScreenBodySize_pt;
    } rows[] = {
        {"plain text: no leading blanks, no line end", {"        Heading\r"}, {{"Heading", 0.09, b}}},
        {"label and value", {"        Length :§$&  8 m\r"}, {{"Length :", 0.09, b}, {"8 m", 0.5, b}}},
        {"narrow value", {"   Coil :$§$3 rows\r"}, {{"Coil :", 0.09, b}, {"3 rows", 0.33, b}}},
        {"empty value part: the label only", {"        Evaporators :§$&   \r"}, {{"Evaporators :", 0.09, b}}},
        {"\"12\": 12 points, prefix not drawn", {"12Big title\r"}, {{"Big title", 0.09, 12.0}}},
        {"\"E2\": indented by 0.04", {"E2Indented\r"}, {{"Indented", 0.13, b}}},
        {"\"E\" and a letter: prefix dropped, no indent", {"Ex plain\r"}, {{"plain", 0.09, b}}},
        {"\"E\" and a blank: prefix dropped", {"E  Note\r"}, {{"Note", 0.09, b}}},
        {"\"E1\" moves the first cell only",
         {"E1a&%!b&%!c\r"},
         {{"a", 0.105, 6}, {"b", 0.29, 6}, {"c", 0.38, 6}}},
        {"six of eight cells, 6 points on paper too",
         {"        c1&%!c2&%!c3&%! c4&%!c5&%!c6&%!c7&%!c8\r"},
         {{"c1", 0.085, 6},
          {"c2", 0.29, 6},
          {"c3", 0.38, 6},
          {"c4", 0.52, 6},
          {"c5", 0.66, 6},
          {"c6", 0.8, 6}},
         kPaperBodySize_pt},
        {"bold marker", {"&$$        U-value:   .23 W/m²/K"}, {{"U-value:   .23 W/m²/K", 0.09, b, true}}},
        {"bold only after the marker", {"   Total: &$$12 kW\r"}, {{"12 kW", 0.09, b, true, "Total: "}}},
        {"four characters or fewer: nothing", {"\r", "abc\r", "    ", "ab"}, {}},
        {"five characters are text", {"abcd\r"}, {{"abcd", 0.09, b}}},
        {"a marker counts in a short line", {"a&%!b"}, {{"a", 0.085, 6}, {"b", 0.29, 6}}},
        {"table before pictures",
         {"a&%!VDBild&%!RaumBild"},
         {{"a", 0.085, 6}, {"VDBild", 0.29, 6}, {"RaumBild", 0.38, 6}}},
        {"150 characters are text", {std::string(150, 'x')}, {{std::string(150, 'x'), 0.09, b}}},
        {"150 characters in 165 bytes are text", {degrees150}, {{degrees150, 0.09, b}}},
        {"151 characters: a rule", {std::string(151, 'x')}, {{"", 0.08, 0, false, "", DrawKind::Rule, 0.94}}},
        {"an indented rule", {"E" + std::string(151, 'x')}, {{"", 0.10, 0, false, "", DrawKind::Rule, 0.92}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<DrawOp> ops = LayOutReportLines(row.lines, row.body_pt);
        ASSERT_EQ(ops.size(), row.runs.size());
        for (std::size_t i = 0; i < ops.size(); ++i) {
            SCOPED_TRACE(row.runs[i].text);
            EXPECT_EQ(ops[i].kind, row.runs[i].kind);
            EXPECT_EQ(ops[i].text, row.runs[i].text);
            EXPECT_NEAR(ops[i].x, row.runs[i].x, kEps);
            EXPECT_NEAR(ops[i].x2, row.runs[i].x2, kEps);
            EXPECT_NEAR(ops[i].y, 0.18, kEps);
            EXPECT_DOUBLE_EQ(ops[i].size_pt, row.runs[i].size_pt);
            EXPECT_EQ(ops[i].bold, row.runs[i].bold);
            EXPECT_EQ(ops[i].lead, row.runs[i].lead);
        }
    }
}

TEST(ReportLayout, RoomSketchSpansItsBlock) {
    const std::vector<DrawOp> sketches =
        OpsOf(LayOutReportLines({"        RaumBild\r", "        Length :§$& 8 m\r", "\r",
                                 "        Width :§$& 6 m\r", "        RaumBEnde\r"},
                                kScreenBodySize_pt),
              DrawKind::RoomSketch);
    ASSERT_EQ(sketches.size(), 1u);
    EXPECT_NEAR(sketches[0].y, 0.18, kEps);
    EXPECT_GT(sketches[0].x, 0.5); // beside the values, not over them
    EXPECT_LT(sketches[0].y2, 0.18 + 2 * 0.017 + 0.07);
    EXPECT_GT(sketches[0].y2, 0.18 + 2 * 0.017);
}

TEST(ReportLayout, FramesCloseAtTheNextFrameOrThePageEnd) {
    const std::vector<DrawOp> ops = LayOutReportLines(
        {"Rechteck2\r", "        inside\r", "Rechteck\r", "        second\r"}, kScreenBodySize_pt);
    const std::vector<DrawOp> frames = OpsOf(ops, DrawKind::Frame);
    const std::vector<DrawOp> texts = OpsOf(ops, DrawKind::Text);
    ASSERT_EQ(frames.size(), 2u);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(frames[0].variant, 2);
    EXPECT_EQ(frames[1].variant, 0);
    EXPECT_NEAR(frames[0].y, 0.18, kEps);
    EXPECT_LE(frames[0].y2, frames[1].y + kEps); // frames never overlap
    for (std::size_t i = 0; i < 2; ++i) {        // each framed line lies inside its frame
        EXPECT_GT(texts[i].y, frames[i].y);
        EXPECT_LE(texts[i].y + 0.018, frames[i].y2 + kEps);
    }
}

TEST(ReportLayout, HeaderKeepsTheFirstLineAt018) {
    const std::vector<std::string> lines = {"        First line\r", "        Label :§$& value\r"};
    PageHeader header;
    header.title = "Refrigeration load : Veskaro - Cold room";
    header.projectName = "Project  : P1";
    header.logoPath = "/nonexistent/logo.jpg";
    const std::vector<DrawOp> with = LayOutPage(lines, kScreenBodySize_pt, &header);
    const std::vector<DrawOp> without = LayOutPage(lines, kScreenBodySize_pt, nullptr);
    std::vector<DrawOp> bodyWith;
    for (const DrawOp& op : with) {
        if (op.y >= kFirstLineY - kEps)
            bodyWith.push_back(op);
        else
            EXPECT_LE(op.y2 > 0.0 ? op.y2 : op.y, kFirstLineY);
    }
    ASSERT_EQ(bodyWith.size(), without.size());
    for (std::size_t i = 0; i < without.size(); ++i) {
        EXPECT_EQ(bodyWith[i].text, without[i].text);
        EXPECT_DOUBLE_EQ(bodyWith[i].y, without[i].y);
    }
    EXPECT_NEAR(without.front().y, 0.18, kEps);
    ASSERT_FALSE(OpsOf(with, DrawKind::Text).empty());
    EXPECT_TRUE(OpsOf(with, DrawKind::Text).front().bold);
    EXPECT_EQ(OpsOf(with, DrawKind::Logo).size(), 1u);
}

TEST(RoomSketch, PlanElementsBecomeWallSegments) {
    PlanSegment s;
    ASSERT_TRUE(ParsePlanElement("2§$ 600§$ 0§$ 0§$ 0§$Wall§$0§$", s));
    EXPECT_DOUBLE_EQ(s.x2, 600.0);
    EXPECT_DOUBLE_EQ(s.x1, 0.0);
    EXPECT_FALSE(ParsePlanElement("3§$ 600§$ 0§$ 0§$ 0§$§$0§$", s));   // not a wall
    EXPECT_FALSE(ParsePlanElement("2§$ 5§$ 5§$ 5§$ 5§$Wall§$0§$", s)); // no length
    EXPECT_FALSE(ParsePlanElement("2§$ 600", s));
    for (const char* kind : {"1e10", "-1e300", "2e9", "nan"}) { // no integer conversion out of range
        SCOPED_TRACE(kind);
        EXPECT_FALSE(ParsePlanElement(std::string(kind) + "§$ 600§$ 0§$ 0§$ 0§$Wall§$0§$", s));
    }

    std::vector<std::string> items(10, "");
    items[1] = " .5";
    items.insert(items.end(), 35, "2§$ 60§$ 0§$ 0§$ 0§$Wall§$0§$");
    double grid = 0.0;
    EXPECT_EQ(PlanSegmentsOfItems(items, &grid).size(), 30u); // the plan holds at most 30 elements
    EXPECT_DOUBLE_EQ(grid, 0.5);
}

} // namespace
} // namespace veskaro
