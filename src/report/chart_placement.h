#pragma once
// Where the load-share chart stands on the first page of the room result: across the text column, below
// the last report line, when the page has room for it.

#include <vector>

#include "report/report_layout.h"

namespace veskaro {

inline constexpr double kLoadChartGap = 0.025;      // between the last line and the chart
inline constexpr double kLoadChartHeight = 0.13;    // bar and four legend rows
inline constexpr double kLoadChartMinHeight = 0.08; // a smaller chart would not be readable
inline constexpr double kLoadChartBottom = 0.96;    // lowest edge on the sheet
inline constexpr double kLoadChartRight = 0.92;

// Lowest edge of the page's drawings and text lines (a text line taken as one line advance high).
double ContentBottom(const std::vector<DrawOp>& ops);

// Appends the chart's box below the content; false (nothing appended) when less than the minimum height
// is left above the bottom edge.
bool PlaceLoadChart(std::vector<DrawOp>& ops);

} // namespace veskaro
