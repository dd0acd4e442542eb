#pragma once
// The headless command line: `veskaro-cr calc [FILE] [--data-dir DIR] [--json] [--write-results]`.

#include <iosfwd>
#include <string>
#include <vector>

namespace veskaro {

// Exit codes of `calc`.
inline constexpr int kCalcOk = 0;
inline constexpr int kCalcStopped = 1;    // the calculation refused the room (below -50 °C) or an input lies
                                          // outside its range; messages and warnings shown
inline constexpr int kCalcUsageError = 2; // bad arguments, or FILE / the room record cannot be read

// Runs `calc` with the arguments after the word "calc". Returns the process exit code. `seedDir` is the
// folder whose files seed a new data directory ("" for none).
int RunCalcCommand(const std::vector<std::string>& args, const std::string& seedDir, std::ostream& out,
                   std::ostream& err);
// The same without seed files.
int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The value of `--data-dir DIR` (or `--data-dir=DIR`) among args, "" when absent.
std::string DataDirOption(const std::vector<std::string>& args);

} // namespace veskaro
