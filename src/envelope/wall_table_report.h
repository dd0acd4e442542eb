#pragma once
// The printed wall table: today's date, a heading row and one row per surface that has a designation,
// with its further attributes (orientation, windows, shading) on a small line beneath.

#include <string>
#include <vector>

namespace veskaro {

struct AppContext;
class WallTable;

struct ReportDate {
    int day = 1, month = 1, year = 2000;
};

// "dd.mm.yyyy": two, two and four digits joined by ".".
std::string DateText(const ReportDate& date);

// Report lines of the wall table (the markup of the result pages).
std::vector<std::string> WallTableReportLines(const WallTable& table, const AppContext& ctx,
                                              const ReportDate& today);

} // namespace veskaro
