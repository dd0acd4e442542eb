#include "report/chart_placement.h"

#include <algorithm>

namespace veskaro {

double ContentBottom(const std::vector<DrawOp>& ops) {
    double bottom = kFirstLineY;
    for (const DrawOp& op : ops) {
        switch (op.kind) {
        case DrawKind::Text:
            bottom = std::max(bottom, op.y + kTextAdvance);
            break;
        case DrawKind::Rule:
            bottom = std::max(bottom, op.y);
            break;
        default:
            bottom = std::max({bottom, op.y, op.y2});
            break;
        }
    }
    return bottom;
}

bool PlaceLoadChart(std::vector<DrawOp>& ops) {
    const double top = ContentBottom(ops) + kLoadChartGap;
    const double bottom = std::min(top + kLoadChartHeight, kLoadChartBottom);
    if (bottom - top < kLoadChartMinHeight) return false;
    DrawOp chart;
    chart.kind = DrawKind::LoadChart;
    chart.x = kTextX;
    chart.x2 = kLoadChartRight;
    chart.y = top;
    chart.y2 = bottom;
    ops.push_back(chart);
    return true;
}

} // namespace veskaro
