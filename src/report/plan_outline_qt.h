#pragma once
// The outline of a floor plan from its drawn walls.

#include <QLineF>
#include <QPolygonF>

#include <vector>

namespace veskaro {

// Chains the plan walls into one closed outline; empty when they do not close.
QPolygonF ClosedOutline(const std::vector<QLineF>& walls);

} // namespace veskaro
