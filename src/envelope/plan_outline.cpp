// The room outline: chaining, shoelace area, perimeter, nearest wall.

#include "envelope/plan_outline.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>

namespace veskaro {

namespace {

// Corners are snapped to the grid; half a drawing unit absorbs what rescaling leaves behind.
constexpr double kSamePointTolerance = 0.5;

bool Same(PlanPoint a, PlanPoint b) {
    return std::abs(a.x - b.x) <= kSamePointTolerance && std::abs(a.y - b.y) <= kSamePointTolerance;
}

// Distance from point p to the segment a-b, drawing units.
double DistanceToSegment(PlanPoint p, PlanPoint a, PlanPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Appends to one end of the chain the far end of an unused wall that touches it; false when none does.
bool Extend(std::deque<PlanPoint>& chain, bool atBack, const std::vector<PlanSegment>& walls,
            std::vector<bool>& used) {
    const PlanPoint tip = atBack ? chain.back() : chain.front();
    for (std::size_t i = 0; i < walls.size(); ++i) {
        if (used[i]) continue;
        PlanPoint next;
        if (Same(walls[i].start(), tip))
            next = walls[i].end();
        else if (Same(walls[i].end(), tip))
            next = walls[i].start();
        else
            continue;
        used[i] = true;
        atBack ? chain.push_back(next) : chain.push_front(next);
        return true;
    }
    return false;
}

} // namespace

PlanOutline ChainOutline(const std::vector<PlanSegment>& walls) {
    PlanOutline outline;
    if (walls.empty()) return outline;
    std::vector<bool> used(walls.size(), false);
    std::deque<PlanPoint> chain{walls.front().start(), walls.front().end()};
    used[0] = true;
    std::size_t placed = 1;
    while (placed < walls.size() && Extend(chain, true, walls, used))
        ++placed;
    // Once the chain has come round to its start, walls touching that corner belong to no single loop.
    const bool looped = chain.size() > 2 && Same(chain.front(), chain.back());
    while (!looped && placed < walls.size() && Extend(chain, false, walls, used))
        ++placed;
    outline.closed = looped && placed == walls.size();
    outline.corners.assign(chain.begin(), chain.end());
    if (outline.closed) {
        outline.corners.pop_back();
        return outline;
    }
    outline.openStart = chain.front();
    outline.openEnd = chain.back();
    return outline;
}

double OutlineArea_m2(const PlanOutline& outline, const PlanSettings& settings) {
    if (!outline.closed || !(settings.unitsPerStep > 0.0)) return 0.0;
    double twiceArea = 0.0;
    const std::size_t n = outline.corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const PlanPoint& a = outline.corners[i];
        const PlanPoint& b = outline.corners[(i + 1) % n];
        twiceArea += a.x * b.y - b.x * a.y;
    }
    const double metresPerUnit = settings.gridDistance_m / settings.unitsPerStep;
    return std::abs(twiceArea) / 2.0 * metresPerUnit * metresPerUnit;
}

double Perimeter_m(const std::vector<PlanSegment>& walls, const PlanSettings& settings) {
    double sum = 0.0;
    for (const PlanSegment& wall : walls)
        sum += WallLength_m(wall, settings);
    return sum;
}

int NearestWall(const std::vector<PlanSegment>& walls, PlanPoint point, double maxDistance) {
    int nearest = -1;
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < walls.size(); ++i) {
        const double d = DistanceToSegment(point, walls[i].start(), walls[i].end());
        if (d <= maxDistance && d < best) {
            best = d;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

} // namespace veskaro
