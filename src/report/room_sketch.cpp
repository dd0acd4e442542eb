// The room sketch of a report from the room record and the stored floor plan.

#include "report/room_sketch.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>

#include "app/number_text.h"
#include "app/record_file.h"

namespace veskaro {

namespace {
constexpr std::string_view kPlanFieldSeparator = "§$";
constexpr int kPlanHeaderItems = 10; // plan settings before the element texts
} // namespace

bool ParsePlanElement(const std::string& element, PlanSegment& segment) {
    std::vector<std::string_view> fields;
    std::string_view rest = element;
    while (fields.size() < 5) {
        const std::size_t at = rest.find(kPlanFieldSeparator);
        if (at == std::string_view::npos) return false;
        fields.push_back(rest.substr(0, at));
        rest.remove_prefix(at + kPlanFieldSeparator.size());
    }
    // The element kind is a whole number; trunc keeps a huge or broken value from ever matching it.
    if (std::trunc(NumFromText(fields[0])) != kPlanWallKind) return false;
    segment.x2 = NumFromText(fields[1]);
    segment.y2 = NumFromText(fields[2]);
    segment.x1 = NumFromText(fields[3]);
    segment.y1 = NumFromText(fields[4]);
    return segment.x1 != segment.x2 || segment.y1 != segment.y2;
}

std::vector<PlanSegment> PlanSegmentsOfItems(const std::vector<std::string>& items, double* gridDistance_m) {
    if (gridDistance_m != nullptr && items.size() > 1)
        *gridDistance_m = NumFromText(std::string_view(items[1]));
    std::vector<PlanSegment> segments;
    const std::size_t end = std::min(items.size(), std::size_t{kPlanHeaderItems + kMaxPlanElements});
    for (std::size_t i = kPlanHeaderItems; i < end; ++i) {
        PlanSegment segment;
        if (ParsePlanElement(items[i], segment)) segments.push_back(segment);
    }
    return segments;
}

std::vector<PlanSegment> ReadPlanSegments(const AppContext& ctx, double* gridDistance_m) {
    std::vector<std::string> items;
    RecordReader plan = OpenInput(ctx, kPlanFileName);
    std::string item;
    while (plan.next(item))
        items.push_back(item);
    return PlanSegmentsOfItems(items, gridDistance_m);
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
