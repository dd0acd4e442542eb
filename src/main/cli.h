#pragma once
// The headless command line: `veskaro-cr calc [FILE] [--data-dir DIR] [--json] [--write-results]` for one
// room, `veskaro-cr calc FILE|DIR... [--json|--csv] [--data-dir DIR]` for many.

#include <iosfwd>
#include <string>
#include <vector>

namespace veskaro {

struct RoomRecord;
struct RecalcResult;

// Exit codes of `calc`.
inline constexpr int kCalcOk = 0;
inline constexpr int kCalcStopped = 1;    // the calculation refused the room (below -50 °C) or an input lies
                                          // outside its range; messages and warnings shown
inline constexpr int kCalcUsageError = 2; // bad arguments, or FILE / the room record cannot be read
                                          // (in a batch: any file)

// Runs `calc` with the arguments after the word "calc". Returns the process exit code. `seedDir` is the
// folder whose files seed a new data directory ("" for none).
int RunCalcCommand(const std::vector<std::string>& args, const std::string& seedDir, std::ostream& out,
                   std::ostream& err);
// The same without seed files.
int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The value of `--data-dir DIR` (or `--data-dir=DIR`) among args, "" when absent.
std::string DataDirOption(const std::vector<std::string>& args);

// One room as one line of compact JSON (with its line end): the record as read, the result, the messages.
std::string RoomJson(const std::string& source, const RoomRecord& asRead, const RoomRecord& room,
                     const RecalcResult& r, bool resultFilesWritten);
// One room as a table for a terminal.
std::string RoomText(const std::string& source, const RoomRecord& room, const RecalcResult& r,
                     bool resultFilesWritten);

} // namespace veskaro
