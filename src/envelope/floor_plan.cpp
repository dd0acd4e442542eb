// The floor-plan model: element texts, snapping, lengths, compass and the plan file.

#include "envelope/floor_plan.h"

#include <algorithm>
#include <cmath>

#include "app/app_context.h"
#include "app/number_text.h"

namespace veskaro {

namespace {

constexpr std::string_view kFieldSeparator = "§$";
constexpr int kSettingRecords = 10; // records before the element texts
constexpr int kElementNumberFields = 5;
constexpr double kQuarterStep = 0.25; // other tools snap to quarter grid lines

bool Readable(double coordinate) {
    return coordinate >= 0.0 && coordinate <= kMaxPlanCoordinate;
}

// A read grid distance: 0, negative or absurd gives the default.
double GridDistanceOf(double read_m) {
    return read_m > 0.0 && read_m <= kMaxGridDistance_m ? read_m : kDefaultGridDistance_m;
}

} // namespace

int FloorPlan::wallCount() const {
    return static_cast<int>(std::count_if(elements.begin(), elements.end(),
                                          [](const PlanElement& e) { return e.kind == kPlanWallKind; }));
}

std::vector<PlanSegment> FloorPlan::walls() const {
    std::vector<PlanSegment> segments;
    for (const PlanElement& element : elements)
        if (element.kind == kPlanWallKind) segments.push_back(element.segment);
    return segments;
}

std::string ElementText(const PlanElement& element) {
    const PlanSegment& s = element.segment;
    std::string text;
    for (const double number : {double(element.kind), s.x2, s.y2, s.x1, s.y1})
        text.append(DisplayText(number)).append(kFieldSeparator);
    text.append(element.kindText).append(kFieldSeparator);
    text.append(DisplayText(element.reserved)).append(kFieldSeparator);
    return text;
}

bool ParseElementText(std::string_view text, PlanElement& element) {
    std::vector<std::string_view> fields;
    while (fields.size() < 7) {
        const std::size_t at = text.find(kFieldSeparator);
        if (at == std::string_view::npos) break;
        fields.push_back(text.substr(0, at));
        text.remove_prefix(at + kFieldSeparator.size());
    }
    if (fields.size() < kElementNumberFields) return false;
    const double kind = NumFromText(fields[0]);
    if (kind != std::trunc(kind) || kind < -32768.0 || kind > 32767.0) return false;
    PlanElement read;
    read.kind = static_cast<int>(kind);
    read.segment = {NumFromText(fields[3]), NumFromText(fields[4]), NumFromText(fields[1]),
                    NumFromText(fields[2])};
    const PlanSegment& s = read.segment;
    if (!Readable(s.x1) || !Readable(s.y1) || !Readable(s.x2) || !Readable(s.y2)) return false;
    if (fields.size() > 5) read.kindText = std::string(fields[5]);
    if (fields.size() > 6) read.reserved = SmallIntegerFromText(fields[6]);
    element = std::move(read);
    return true;
}

double SnapToGrid(double coordinate, double unitsPerStep, int tool) {
    const double step = tool == kPlanWallKind ? unitsPerStep : unitsPerStep * kQuarterStep;
    if (!(step > 0.0) || !std::isfinite(coordinate)) return 0.0;
    const double clamped = std::clamp(coordinate, 0.0, kMaxPlanCoordinate);
    return std::min(IntFloor((clamped + 0.5 * step) / step) * step, kMaxPlanCoordinate);
}

PlanPoint DragEnd(PlanPoint start, PlanPoint pointer) {
    const double dx = std::abs(pointer.x - start.x);
    const double dy = std::abs(pointer.y - start.y);
    return dx > dy ? PlanPoint{pointer.x, start.y} : PlanPoint{start.x, pointer.y};
}

double WallLength_m(const PlanSegment& s, const PlanSettings& settings) {
    if (!(settings.unitsPerStep > 0.0)) return 0.0;
    const double extent = std::max(std::abs(s.x2 - s.x1), std::abs(s.y2 - s.y1));
    return settings.gridDistance_m * extent / settings.unitsPerStep;
}

std::string LengthLabel(double length_m) {
    return DisplayText(TruncateDecimals(length_m, 2)) + " m";
}

int CompassCaptionIndex(int position, int northIndex) {
    return ((position - northIndex) % kCompassPositions + kCompassPositions) % kCompassPositions;
}

std::string PlanFileName(const AppContext& ctx) {
    return ctx.programCode == "AC" ? kClimatePlanFileName : kPlanFileName;
}

FloorPlan FloorPlanOfItems(const std::vector<std::string>& items, double currentScreenWidth) {
    const auto item = [&](std::size_t i) { return i < items.size() ? NumFromText(items[i]) : 0.0; };
    FloorPlan plan;
    PlanSettings& s = plan.settings;
    const double gridRead = item(1), widthRead = item(5);
    s.firstValue = item(0);
    s.gridDistance_m = GridDistanceOf(gridRead);
    const int north = SmallIntegerFromText(items.size() > 2 ? items[2] : "");
    s.northIndex = (north % kCompassPositions + kCompassPositions) % kCompassPositions;
    // A width of 0 (or one that cannot be a screen) stands for the current screen.
    s.referenceScreenWidth = widthRead > 0.0 && widthRead <= 1e6 ? widthRead : currentScreenWidth;
    if (gridRead == 0.0 && widthRead == 0.0) return plan; // no stored plan
    const std::size_t end = std::min(items.size(), std::size_t{kSettingRecords + kMaxPlanElements});
    for (std::size_t i = kSettingRecords; i < end; ++i) {
        PlanElement element;
        if (ParseElementText(items[i], element)) plan.elements.push_back(std::move(element));
    }
    return plan;
}

FloorPlan ReadFloorPlan(const AppContext& ctx, double currentScreenWidth) {
    std::vector<std::string> items;
    RecordReader file = OpenInput(ctx, PlanFileName(ctx));
    std::string item;
    // The settings and 30 elements; anything behind them is never taken.
    while (items.size() < std::size_t{kSettingRecords + kMaxPlanElements} && file.next(item))
        items.push_back(item);
    return FloorPlanOfItems(items, currentScreenWidth);
}

RecordWriter FloorPlanRecords(const FloorPlan& plan) {
    const PlanSettings& s = plan.settings;
    std::string width = DisplayText(s.referenceScreenWidth);
    if (!width.empty() && width.front() == ' ') width.erase(0, 1);
    RecordWriter out;
    out.line(DisplayText(s.firstValue)).line(DisplayText(s.gridDistance_m)).line(DisplayText(s.northIndex));
    out.line("").line("").line(width);
    for (int record = 7; record <= kSettingRecords; ++record)
        out.line("");
    const std::size_t count = std::min(plan.elements.size(), std::size_t{kMaxPlanElements});
    for (std::size_t i = 0; i < count; ++i)
        out.userLine(ElementText(plan.elements[i]));
    return out;
}

WriteStatus WriteFloorPlan(const AppContext& ctx, const FloorPlan& plan) {
    return SaveOutput(ctx, PlanFileName(ctx), FloorPlanRecords(plan));
}

} // namespace veskaro
