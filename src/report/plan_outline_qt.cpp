// The outline of a floor plan: the drawn walls chained end to end.

#include "report/plan_outline_qt.h"

#include <cmath>

namespace veskaro {

QPolygonF ClosedOutline(const std::vector<QLineF>& walls) {
    if (walls.size() < 3) return {};
    const auto near = [](QPointF a, QPointF b) {
        return std::abs(a.x() - b.x()) + std::abs(a.y() - b.y()) < 1e-6;
    };
    std::vector<bool> used(walls.size(), false);
    QPolygonF outline{walls.front().p1(), walls.front().p2()};
    used[0] = true;
    for (std::size_t placed = 1; placed < walls.size(); ++placed) {
        bool found = false;
        for (std::size_t i = 0; i < walls.size() && !found; ++i) {
            if (used[i]) continue;
            if (near(walls[i].p1(), outline.back())) {
                outline << walls[i].p2();
                found = used[i] = true;
            } else if (near(walls[i].p2(), outline.back())) {
                outline << walls[i].p1();
                found = used[i] = true;
            }
        }
        if (!found) return {};
    }
    return near(outline.front(), outline.back()) ? outline : QPolygonF();
}

} // namespace veskaro
