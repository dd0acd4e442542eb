#pragma once
// What the room sketch of a report shows: the rectangle L x B, or the walls of the drawn floor plan.

#include <string>
#include <vector>

#include "envelope/envelope_files.h"
#include "envelope/floor_plan.h"

namespace veskaro {

struct AppContext;

struct RoomSketch {
    bool floorPlan = false;
    double L_m = 0.0;                  // rectangular room: length (drawn horizontally)
    double B_m = 0.0;                  // rectangular room: width
    std::vector<PlanSegment> walls;    // floor-plan room
    double gridDistance_m = 0.0;       // metres per grid step of the plan, 0 when unknown
    std::vector<double> wallLengths_m; // floor-plan room: lengths of the wall table, in drawing order

    bool isEmpty() const { return floorPlan ? walls.empty() : (L_m <= 0.0 || B_m <= 0.0); }
};

// The wall segments of the items of a plan file (ten plan settings, then at most 30 element texts).
std::vector<PlanSegment> PlanSegmentsOfItems(const std::vector<std::string>& items,
                                             double* gridDistance_m = nullptr);
// The wall segments of "CR_GP.dat" in the data directory (a missing file gives none).
std::vector<PlanSegment> ReadPlanSegments(const AppContext& ctx, double* gridDistance_m = nullptr);
// Cuts one plan element text ("kind§$x2§$y2§$x1§$y1§$text§$0§$") into a segment; false when it is not
// a wall with two points.
bool ParsePlanElement(const std::string& element, PlanSegment& segment);

// The sketch of a room of L x B, and for a floor-plan room the walls of the plan among the envelope files a
// room record carries, else of CR_GP.dat in the data directory.
RoomSketch SketchOfRoom(double L_m, double B_m, bool floorPlan, const std::vector<EnvelopeFileBlock>& carried,
                        const AppContext& ctx);

} // namespace veskaro
