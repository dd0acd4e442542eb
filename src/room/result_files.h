#pragma once
// The result record of a load calculation: "ergCR.DAT" (values and component lines) and "ergCR2.DAT"
// (envelope and goods tables), as report lines with the markup the result window renders.

#include <string>
#include <vector>

#include "report/report_layout.h"

namespace veskaro {

struct AppContext;
struct LoadResult;
struct RoomRecord;

// The items of "ergCR.DAT", each one report line (UTF-8). Resets ctx.labelSeparator to " :".
std::vector<std::string> BuildResultRecord(const LoadResult& r, const RoomRecord& room, AppContext& ctx);
// The items of "ergCR2.DAT".
std::vector<std::string> BuildResultTables(const LoadResult& r, const RoomRecord& room,
                                           const AppContext& ctx);

// Saves report lines as a record file in the data directory, one quoted string per line.
bool SaveReportLines(const AppContext& ctx, const std::string& name, const std::vector<std::string>& lines);
// Builds and saves both result files; false when one could not be written.
bool WriteResultFiles(const LoadResult& r, const RoomRecord& room, AppContext& ctx);

} // namespace veskaro
