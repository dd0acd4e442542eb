#pragma once
// The room outline of a floor plan: the drawn walls chained end to end, closed or open, with the floor
// area and perimeter of a closed one, and the wall nearest to a point.

#include <vector>

#include "envelope/floor_plan.h"

namespace veskaro {

struct PlanOutline {
    bool closed = false;            // the chain returns to its first corner and uses every wall
    std::vector<PlanPoint> corners; // the chain's corners in order (first not repeated when closed)
    PlanPoint openStart, openEnd;   // the loose ends of an open chain
};

// Chains the walls from the first one, at both of its ends, by shared end points. An empty plan gives an
// open outline without corners.
PlanOutline ChainOutline(const std::vector<PlanSegment>& walls);
// Floor area of a closed outline, m² (shoelace formula over its corners); 0 for an open one.
double OutlineArea_m2(const PlanOutline& outline, const PlanSettings& settings);
// Sum of the wall lengths, m.
double Perimeter_m(const std::vector<PlanSegment>& walls, const PlanSettings& settings);
// Index of the wall nearest to point when it lies within maxDistance drawing units, else -1.
int NearestWall(const std::vector<PlanSegment>& walls, PlanPoint point, double maxDistance);

} // namespace veskaro
