// Floor-plan model: snapping, dragging, lengths, compass, element texts, the plan file and the outline.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "../app/temp_data_dir.h"
#include "envelope/floor_plan.h"
#include "envelope/plan_outline.h"

namespace veskaro {
namespace {

TEST(FloorPlan, SnapsToGridLinesOrQuarterSteps) {
    // pointer, grid step, tool, snapped
    const std::tuple<double, double, int, double> rows[] = {
        {89, 60, kPlanWallKind, 60},  {90, 60, kPlanWallKind, 120}, // nearest line, halves up
        {29.9, 60, kPlanWallKind, 0}, {150, 60, kPlanWallKind, 180},
        {89, 60, kArrowTool, 90},     {82.4, 60, kArrowTool, 75}, // quarter steps of 15
        {-40, 60, kPlanWallKind, 0},  {1e10, 60, kPlanWallKind, kMaxPlanCoordinate},
        {NAN, 60, kPlanWallKind, 0},  {100, 0, kPlanWallKind, 0},
    };
    for (const auto& [pointer, step, tool, snapped] : rows) {
        SCOPED_TRACE(::testing::Message() << pointer << " step " << step << " tool " << tool);
        EXPECT_DOUBLE_EQ(SnapToGrid(pointer, step, tool), snapped);
    }
}

TEST(FloorPlan, DragFollowsTheLargerMovement) {
    // start, pointer, end
    const std::tuple<PlanPoint, PlanPoint, PlanPoint> rows[] = {
        {{120, 120}, {300, 180}, {300, 120}}, // across: horizontal
        {{120, 120}, {180, 360}, {120, 360}}, // down: vertical
        {{120, 120}, {180, 180}, {120, 180}}, // equal: vertical
        {{300, 300}, {0, 240}, {0, 300}},     // leftwards
        {{300, 300}, {240, 0}, {300, 0}},     // upwards
    };
    for (const auto& [start, pointer, end] : rows) {
        SCOPED_TRACE(::testing::Message() << pointer.x << "," << pointer.y);
        EXPECT_EQ(DragEnd(start, pointer), end);
    }
}

TEST(FloorPlan, WallLengthsAndLabels) {
    // wall, grid m, length m, label
    const std::tuple<PlanSegment, double, double, const char*> rows[] = {
        {{0, 0, 0, 600}, 0.5, 5.0, " 5 m"}, // vertical, 10 steps of half a metre
        {{600, 0, 0, 0}, 0.5, 5.0, " 5 m"}, // horizontal, drawn leftwards
        {{0, 0, 90, 0}, 0.5, 0.75, " .75 m"}, {{0, 0, 0, 60}, 1.237, 1.237, " 1.23 m"}, // cut, not rounded
        {{0, 0, 0, 0}, 0.5, 0.0, " 0 m"},
    };
    for (const auto& [wall, grid_m, length_m, label] : rows) {
        SCOPED_TRACE(label);
        PlanSettings settings;
        settings.gridDistance_m = grid_m;
        const double length = WallLength_m(wall, settings);
        EXPECT_NEAR(length, length_m, 1e-12);
        EXPECT_EQ(LengthLabel(length), label);
    }
}

TEST(FloorPlan, CompassTurnsWithNorth) {
    // position, north, caption (0 = N .. 7 = NW)
    const std::array<int, 3> rows[] = {{2, 2, 0}, {1, 2, 7}, {3, 2, 1}, {0, 2, 6},
                                       {0, 0, 0}, {7, 0, 7}, {0, 7, 1}};
    for (const auto& [position, north, caption] : rows) {
        SCOPED_TRACE(::testing::Message() << "position " << position << " north " << north);
        EXPECT_EQ(CompassCaptionIndex(position, north), caption);
    }
}

TEST(FloorPlan, ElementTextsRoundTripAndBadOnesAreRefused) {
    PlanElement wall;
    wall.segment = {0, 0, 600, 0};
    wall.kindText = "Layers";
    EXPECT_EQ(ElementText(wall), " 2§$ 600§$ 0§$ 0§$ 0§$Layers§$ 0§$");
    const PlanSegment odd{7.5, 1230, 0.25, 1230};
    PlanElement read;
    for (const PlanElement& e : {wall, PlanElement{kArrowTool, odd, "", 0}}) {
        ASSERT_TRUE(ParseElementText(ElementText(e), read));
        EXPECT_EQ(read.kind, e.kind);
        EXPECT_EQ(read.segment.start(), e.segment.start());
        EXPECT_EQ(read.segment.end(), e.segment.end());
        EXPECT_EQ(read.kindText, e.kindText);
    }
    for (const char* bad : {" 2§$ 1e10§$ 0§$ 0§$ 0§$§$ 0§$", " 2§$-60§$ 0§$ 0§$ 0§$§$ 0§$", " 2§$ 600§$ 0§$",
                            "2e9§$ 60§$ 0§$ 0§$ 0§$§$0§$", " 2.5§$ 60§$ 0§$ 0§$ 0§$§$0§$"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseElementText(bad, read));
    }
}

PlanElement Wall(double x1, double y1, double x2, double y2) {
    return {kPlanWallKind, {x1, y1, x2, y2}, "Layers", 0};
}

TEST(FloorPlan, PlanFileRoundTripsAndHostileFilesAreBounded) {
    testing::TempDataDir dir;
    AppContext ctx = dir.context();
    FloorPlan plan;
    plan.settings.gridDistance_m = 0.25;
    plan.settings.northIndex = 3;
    plan.settings.referenceScreenWidth = 1920;
    plan.elements = {Wall(0, 0, 600, 0), Wall(600, 0, 600, 300)};
    ASSERT_TRUE(WriteFloorPlan(ctx, plan));
    const std::string bytes = dir.read("CR_GP.dat");
    const std::string settingRecords = "\" 0\"\r\n\" .25\"\r\n\" 3\"\r\n\"\"\r\n\"\"\r\n\"1920\"\r\n\"\"\r\n";
    EXPECT_EQ(bytes.substr(0, settingRecords.size()), settingRecords);
    const FloorPlan back = ReadFloorPlan(ctx, 800);
    EXPECT_DOUBLE_EQ(back.settings.gridDistance_m, 0.25);
    EXPECT_EQ(back.settings.northIndex, 3);
    EXPECT_DOUBLE_EQ(back.settings.referenceScreenWidth, 1920);
    ASSERT_EQ(back.elements.size(), 2u);
    EXPECT_EQ(ElementText(back.elements[1]), ElementText(plan.elements[1]));

    // Broken settings and 35 element records among which bad coordinates.
    std::string hostile = "\"x\",\"-3\",\"-9\",\"\",\"\",\"-800\",\"\",\"\",\"\",\"\"\r\n";
    const char* const x1[] = {" 60", " 1e10", "nan", " 60", " 60"};
    for (int i = 0; i < 35; ++i)
        hostile += "\" 2§$" + std::string(x1[i % 5]) + "§$ 0§$ 0§$ 0§$§$ 0§$\"\r\n";
    dir.write("CR_GP.dat", hostile);
    const FloorPlan bounded = ReadFloorPlan(ctx, 800);
    EXPECT_DOUBLE_EQ(bounded.settings.gridDistance_m, kDefaultGridDistance_m);
    EXPECT_EQ(bounded.settings.northIndex, 7); // -9 mod 8
    EXPECT_DOUBLE_EQ(bounded.settings.referenceScreenWidth, 800);
    EXPECT_EQ(bounded.elements.size(), 24u); // 30 records taken, the six with 1e10 dropped
    for (const PlanElement& e : bounded.elements)
        EXPECT_LE(e.segment.x2, 60.0);

    ctx.programCode = "AC";
    EXPECT_EQ(ReadFloorPlan(ctx, 800).elements.size(), 0u); // AC_GP.dat is another file
}

TEST(PlanOutline, LShapeClosesWithAreaAndPerimeter) {
    // 10 x 10 steps with a 5 x 5 corner cut out, 0.5 m a step: 5 m x 5 m less 2.5 m x 2.5 m.
    std::vector<PlanSegment> walls = {{0, 0, 600, 0},       {600, 0, 600, 300}, {600, 300, 300, 300},
                                      {300, 300, 300, 600}, {0, 600, 300, 600}, {0, 0, 0, 600}};
    const PlanSettings settings;
    std::vector<PlanSegment> shuffled = {walls[3], walls[0], walls[5], walls[1], walls[4], walls[2]};
    std::vector<PlanSegment> open(walls.begin(), walls.end() - 1);
    std::vector<PlanSegment> branch = walls;
    branch.push_back({600, 0, 900, 0});
    const std::tuple<const char*, std::vector<PlanSegment>, bool, double> rows[] = {
        {"drawn in order", walls, true, 18.75},
        {"any order and direction", shuffled, true, 18.75},
        {"last wall missing", open, false, 0.0},
        {"a wall sticking out", branch, false, 0.0}};
    for (const auto& [name, chain, closed, area_m2] : rows) {
        SCOPED_TRACE(name);
        const PlanOutline outline = ChainOutline(chain);
        EXPECT_EQ(outline.closed, closed);
        EXPECT_NEAR(OutlineArea_m2(outline, settings), area_m2, 1e-9);
    }
    EXPECT_NEAR(Perimeter_m(walls, settings), 20.0, 1e-12);
    const PlanOutline gap = ChainOutline(open);
    EXPECT_EQ(gap.openStart, (PlanPoint{0, 0}));
    EXPECT_EQ(gap.openEnd, (PlanPoint{0, 600}));
    EXPECT_EQ(NearestWall(walls, {310, 450}, 12), 3);
    EXPECT_EQ(NearestWall(walls, {150, 150}, 12), -1);
}

} // namespace
} // namespace veskaro
