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
    for (const DrawOp& op : ops) {
        if (op.kind == kind) out.push_back(op);
    }
    return out;
}

std::vector<DrawOp> Texts(const std::vector<std::string>& lines, double body = kScreenBodySize_pt) {
    return OpsOf(LayOutReportLines(lines, body), DrawKind::Text);
}

// y of a probe line drawn after `line`: where the position stands after it.
double YAfter(const std::string& line) {
    std::vector<std::string> lines;
    lines.reserve(2);
    lines.push_back(line);
    lines.push_back("        probe\r");
    const std::vector<DrawOp> texts = Texts(lines);
    return texts.empty() ? -1.0 : texts.back().y;
}

TEST(ReportLayout, AdvanceOfEachLineKind) {
    struct Row {
        const char* name;
        std::string line;
        double advance;
    };
    const std::string cell = "&%!";
    const std::vector<Row> rows = {
        {"plain text", "        Operating time\r", 0.018},
        {"label/value", "        Room temperature :§$& 2 °C\r", 0.017},
        {"narrow label/value", "        Coil :$§$ 3 rows\r", 0.017},
        {"table row", "        Wall 1" + cell + " 21" + cell + " .22\r", 0.015},
        {"evaporator picture", "        VDBild\r", 0.07},
        {"room picture end", "        RaumBEnde\r", 0.07},
        {"room picture start", "        RaumBild\r", 0.0},
        {"rule", "        " + std::string(145, '-'), 0.004},
        {"empty line", "\r", 0.0},
        {"four characters", "abc\r", 0.0},
        {"numeric prefix 12", "12Title line\r", 0.018 + 12.0 * 3.0 / 3000.0},
        {"indent prefix E2", "E2Indented line\r", 0.018},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(YAfter(row.line), kFirstLineY + row.advance, kEps);
    }
}

TEST(ReportLayout, PlainTextAndLabelValuePositions) {
    const std::vector<DrawOp> texts =
        Texts({"        Heading\r", "        Length :§$&  8 m\r", "   Coil :$§$3 rows\r"});
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, "Heading"); // leading blanks and the line end are not drawn
    EXPECT_NEAR(texts[0].x, 0.09, kEps);
    EXPECT_NEAR(texts[0].y, 0.18, kEps);
    EXPECT_DOUBLE_EQ(texts[0].size_pt, kScreenBodySize_pt);

    EXPECT_EQ(texts[1].text, "Length :");
    EXPECT_EQ(texts[2].text, "8 m");
    EXPECT_NEAR(texts[1].x, 0.09, kEps);
    EXPECT_NEAR(texts[2].x, 0.5, kEps);
    EXPECT_NEAR(texts[1].y, 0.198, kEps);
    EXPECT_NEAR(texts[2].y, texts[1].y, kEps);

    EXPECT_EQ(texts[4].text, "3 rows");
    EXPECT_NEAR(texts[4].x, 0.33, kEps);
    EXPECT_NEAR(texts[4].y, 0.198 + 0.017, kEps);
}

TEST(ReportLayout, LabelValueWithEmptyValueShowsOnlyTheLabel) {
    const std::vector<DrawOp> texts = Texts({"        Number of evaporators :§$&   \r"});
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Number of evaporators :");
}

TEST(ReportLayout, RuleStartsAtOneHundredFiftyOneCharacters) {
    const std::string text150(150, 'x');
    const std::string text151(151, 'x');
    // "°" is two bytes but one character: 150 characters, 165 bytes, still text.
    std::string degrees150;
    for (int i = 0; i < 15; ++i)
        degrees150 += "°";
    degrees150 += std::string(135, 'x');
    ASSERT_EQ(CharCount(degrees150), 150u);

    for (const std::string& line : {text150, degrees150}) {
        const std::vector<DrawOp> ops = LayOutReportLines({line}, kScreenBodySize_pt);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].kind, DrawKind::Text);
    }

    const std::vector<DrawOp> rule = LayOutReportLines({text151}, kScreenBodySize_pt);
    ASSERT_EQ(rule.size(), 1u);
    EXPECT_EQ(rule[0].kind, DrawKind::Rule);
    EXPECT_NEAR(rule[0].x, 0.08, kEps);
    EXPECT_NEAR(rule[0].x2, 0.94, kEps);
    EXPECT_NEAR(rule[0].y, 0.18, kEps);

    const std::vector<DrawOp> shortRule = LayOutReportLines({"E" + text151}, kScreenBodySize_pt);
    ASSERT_EQ(shortRule.size(), 1u);
    EXPECT_NEAR(shortRule[0].x, 0.10, kEps);
    EXPECT_NEAR(shortRule[0].x2, 0.92, kEps);
}

TEST(ReportLayout, StylePrefixes) {
    const std::vector<DrawOp> texts =
        Texts({"12Big title\r", "E2Indented\r", "Ex plain\r", "  blank prefix\r"});
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "Big title");
    EXPECT_DOUBLE_EQ(texts[0].size_pt, 12.0);
    EXPECT_NEAR(texts[0].x, 0.09, kEps);

    EXPECT_EQ(texts[1].text, "Indented");
    EXPECT_DOUBLE_EQ(texts[1].size_pt, kScreenBodySize_pt);
    EXPECT_NEAR(texts[1].x, 0.13, kEps);
    EXPECT_NEAR(texts[1].y, 0.18 + 0.018 + 0.012, kEps);

    EXPECT_EQ(texts[2].text, "Ex plain"); // "E" without a digit is text
    EXPECT_NEAR(texts[2].x, 0.09, kEps);
    EXPECT_EQ(texts[3].text, "blank prefix");
}

TEST(ReportLayout, IndentMovesTheFirstTableCellOnly) {
    const std::vector<DrawOp> texts = Texts({"E1a&%!b&%!c\r"});
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_NEAR(texts[0].x, 0.085 + 0.02, kEps);
    EXPECT_NEAR(texts[1].x, 0.29, kEps);
}

TEST(ReportLayout, TableRowKeepsAtMostSixCells) {
    const std::string row = "        c1&%!c2&%!c3&%! c4&%!c5&%!c6&%!c7&%!c8\r";
    const std::vector<DrawOp> texts = Texts({row}, kPaperBodySize_pt);
    ASSERT_EQ(texts.size(), 6u);
    const double columns[] = {0.085, 0.29, 0.38, 0.52, 0.66, 0.8};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[i].text, "c" + std::to_string(i + 1));
        EXPECT_NEAR(texts[i].x, columns[i], kEps);
        EXPECT_NEAR(texts[i].y, 0.18, kEps);
        EXPECT_DOUBLE_EQ(texts[i].size_pt, 6.0); // table type does not follow the body size
    }
}

TEST(ReportLayout, ShortLinesWithoutMarkerDrawNothing) {
    EXPECT_TRUE(LayOutReportLines({"\r", "abc\r", "    ", "ab"}, kScreenBodySize_pt).empty());
    EXPECT_EQ(Texts({"abcd\r"}).size(), 1u); // five characters with the line end
    EXPECT_EQ(Texts({"a&%!b"}).size(), 2u);  // a marker counts even in a short line
}

TEST(ReportLayout, BoldMarkerSetsBoldAndIsNotDrawn) {
    const std::vector<DrawOp> texts = Texts({"&$$        U-value:   .23 W/m²/K"});
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0].bold);
    EXPECT_EQ(texts[0].text, "U-value:   .23 W/m²/K");
}

TEST(ReportLayout, MarkerOrderTableBeforePictures) {
    const std::vector<DrawOp> ops = LayOutReportLines({"a&%!VDBild&%!RaumBild"}, kScreenBodySize_pt);
    EXPECT_TRUE(OpsOf(ops, DrawKind::EvaporatorSketch).empty());
    EXPECT_TRUE(OpsOf(ops, DrawKind::RoomSketch).empty());
    EXPECT_EQ(OpsOf(ops, DrawKind::Text).size(), 3u);
}

TEST(ReportLayout, RoomSketchSpansItsBlock) {
    const std::vector<std::string> lines = {"        RaumBild\r", "        Length :§$& 8 m\r", "\r",
                                            "        Width :§$& 6 m\r", "        RaumBEnde\r"};
    const std::vector<DrawOp> ops = LayOutReportLines(lines, kScreenBodySize_pt);
    const std::vector<DrawOp> sketches = OpsOf(ops, DrawKind::RoomSketch);
    ASSERT_EQ(sketches.size(), 1u);
    EXPECT_NEAR(sketches[0].y, 0.18, kEps);
    EXPECT_GT(sketches[0].x, 0.5); // beside the values, not over them
    const double endOfBlock = 0.18 + 2 * 0.017 + 0.07;
    EXPECT_LT(sketches[0].y2, endOfBlock);
    EXPECT_GT(sketches[0].y2, 0.18 + 2 * 0.017);
}

TEST(ReportLayout, FramesCloseAtTheNextFrameOrThePageEnd) {
    const std::vector<DrawOp> ops = LayOutReportLines(
        {"Rechteck2\r", "        inside\r", "Rechteck\r", "        second\r"}, kScreenBodySize_pt);
    const std::vector<DrawOp> frames = OpsOf(ops, DrawKind::Frame);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].variant, 2);
    EXPECT_EQ(frames[1].variant, 0);
    EXPECT_NEAR(frames[0].y, 0.18, kEps);
    EXPECT_LE(frames[0].y2, frames[1].y + kEps); // frames never overlap
    const std::vector<DrawOp> texts = OpsOf(ops, DrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) { // each framed line lies inside its frame
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
    const std::vector<DrawOp> headerTexts = OpsOf(with, DrawKind::Text);
    ASSERT_FALSE(headerTexts.empty());
    EXPECT_TRUE(headerTexts.front().bold);
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

    std::vector<std::string> items(10, "");
    items[1] = " .5";
    for (int i = 0; i < 35; ++i)
        items.push_back("2§$ 60§$ 0§$ 0§$ 0§$Wall§$0§$");
    double grid = 0.0;
    EXPECT_EQ(PlanSegmentsOfItems(items, &grid).size(), 30u); // the plan holds at most 30 elements
    EXPECT_DOUBLE_EQ(grid, 0.5);
}

} // namespace
} // namespace veskaro
