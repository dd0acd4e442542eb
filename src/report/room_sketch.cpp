// The room sketch of a report from the room record and the stored floor plan.

#include "report/room_sketch.h"

#include <algorithm>
#include <string_view>

namespace veskaro {

bool ParsePlanElement(const std::string& element, PlanSegment& segment) {
    PlanElement read;
    if (!ParseElementText(element, read) || read.kind != kPlanWallKind) return false;
    segment = read.segment;
    return segment.x1 != segment.x2 || segment.y1 != segment.y2;
}

namespace {

// The walls of a plan that have a length; the settings' grid distance when asked for.
std::vector<PlanSegment> DrawnWalls(const FloorPlan& plan, double* gridDistance_m) {
    if (gridDistance_m != nullptr) *gridDistance_m = plan.settings.gridDistance_m;
    std::vector<PlanSegment> walls = plan.walls();
    std::erase_if(walls, [](const PlanSegment& s) { return s.x1 == s.x2 && s.y1 == s.y2; });
    return walls;
}

} // namespace

std::vector<PlanSegment> PlanSegmentsOfItems(const std::vector<std::string>& items, double* gridDistance_m) {
    return DrawnWalls(FloorPlanOfItems(items, 0.0), gridDistance_m);
}

std::vector<PlanSegment> ReadPlanSegments(const AppContext& ctx, double* gridDistance_m) {
    return DrawnWalls(ReadFloorPlan(ctx, 0.0), gridDistance_m);
}

RoomSketch SketchOfRoom(double L_m, double B_m, bool floorPlan, const std::vector<EnvelopeFileBlock>& carried,
                        const AppContext& ctx) {
    RoomSketch sketch;
    sketch.L_m = L_m;
    sketch.B_m = B_m;
    if (floorPlan) {
        sketch.floorPlan = true;
        const auto plan = std::find_if(carried.begin(), carried.end(), [](const EnvelopeFileBlock& b) {
            const char* name = CanonicalEnvelopeFileName(b.name);
            return name != nullptr && std::string_view(name) == kPlanFileName;
        });
        sketch.walls = plan != carried.end() ? PlanSegmentsOfItems(plan->items, &sketch.gridDistance_m)
                                             : ReadPlanSegments(ctx, &sketch.gridDistance_m);
    }
    return sketch;
}

} // namespace veskaro
