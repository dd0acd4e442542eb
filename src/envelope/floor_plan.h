#pragma once
// The floor plan of a drawn room: plan settings, the element texts of the drawn segments, grid snapping,
// wall lengths, the compass and the plan file CR_GP.dat. Coordinates are drawing units, y grows downwards.

#include <string>
#include <string_view>
#include <vector>

#include "app/record_file.h"

namespace veskaro {

struct AppContext;

inline constexpr int kMaxPlanElements = 30; // element texts a plan holds
inline constexpr int kMaxPlanWalls = 18;    // wall rows of the wall table
inline constexpr int kArrowTool = 0;        // select; draws nothing
inline constexpr int kPlanWallKind = 2;     // the wall tool, and the kind of the elements it draws
inline constexpr int kCompassPositions = 8; // N, NE, E, SE, S, SW, W, NW

inline constexpr double kUnitsPerGridStep = 60.0;     // drawing units between two grid lines
inline constexpr double kDefaultGridDistance_m = 0.5; // metres per grid step of a new plan
// Read coordinates outside 0..kMaxPlanCoordinate drop their element: 400 grid steps, far beyond any room.
inline constexpr double kMaxPlanCoordinate = 400.0 * kUnitsPerGridStep;
inline constexpr double kMaxGridDistance_m = 100.0;

inline constexpr const char* kPlanFileName = "CR_GP.dat";
inline constexpr const char* kClimatePlanFileName = "AC_GP.dat";

struct PlanPoint {
    double x = 0.0, y = 0.0;
    bool operator==(const PlanPoint&) const = default;
};

// One drawn wall of the floor plan: start (x1, y1), end (x2, y2).
struct PlanSegment {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    PlanPoint start() const { return {x1, y1}; }
    PlanPoint end() const { return {x2, y2}; }
};

// One element text: kind, end x, end y, start x, start y, kind text, a number stored as 0.
struct PlanElement {
    int kind = kPlanWallKind;
    PlanSegment segment;
    std::string kindText;
    int reserved = 0;
};

struct PlanSettings {
    double firstValue = 0.0;                        // record 1, kept as read
    double gridDistance_m = kDefaultGridDistance_m; // `GridD`
    double unitsPerStep = kUnitsPerGridStep;
    int northIndex = 0;                // compass position (0-7) that shows north
    double referenceScreenWidth = 0.0; // screen width the plan was drawn at, > 0
};

struct FloorPlan {
    PlanSettings settings;
    std::vector<PlanElement> elements; // at most kMaxPlanElements

    int wallCount() const;
    std::vector<PlanSegment> walls() const; // the segments of the wall elements, in drawing order
};

// "kind§$x2§$y2§$x1§$y1§$text§$0§$", numbers as number text with a leading blank when not negative.
std::string ElementText(const PlanElement& element);
// Cuts an element text at its separators; false when it has fewer than five fields, a kind that is no
// 16-bit whole number, or a coordinate outside 0..kMaxPlanCoordinate.
bool ParseElementText(std::string_view text, PlanElement& element);

// The pointer coordinate snapped for a tool: the wall tool takes the nearest grid line (halves up), the
// other tools the nearest quarter step. Clamped to 0..kMaxPlanCoordinate.
double SnapToGrid(double coordinate, double unitsPerStep, int tool);
// The end of a dragged segment: horizontal when the pointer moved further across than down, else vertical.
PlanPoint DragEnd(PlanPoint start, PlanPoint pointer);
// Wall length, m: grid distance times the segment's extent in grid steps (the larger of |dx| and |dy|).
double WallLength_m(const PlanSegment& segment, const PlanSettings& settings);
// The label beside a wall or the rubber band: the length cut to two decimals, then " m".
std::string LengthLabel(double length_m);
// Caption index (0 = north .. 7 = north-west) shown at rose position 0-7: (position - north) mod 8.
int CompassCaptionIndex(int position, int northIndex);

// "CR_GP.dat", or "AC_GP.dat" for the program code "AC".
std::string PlanFileName(const AppContext& ctx);
// The plan of the data directory; a missing file or one without grid distance and screen width gives a
// new plan at currentScreenWidth. Elements that cannot be read are dropped, at most 30 are taken.
FloorPlan ReadFloorPlan(const AppContext& ctx, double currentScreenWidth);
FloorPlan FloorPlanOfItems(const std::vector<std::string>& items, double currentScreenWidth);
// Ten setting records, then one record per element text.
RecordWriter FloorPlanRecords(const FloorPlan& plan);
WriteStatus WriteFloorPlan(const AppContext& ctx, const FloorPlan& plan);

} // namespace veskaro
