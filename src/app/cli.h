#pragma once
// The headless command line: `veskaro-cr calc [FILE] [--data-dir DIR] [--json] [--write-results]`.

#include <iosfwd>
#include <string>
#include <vector>

namespace veskaro {

// Runs `calc` with the arguments after the word "calc". Returns the process exit code.
int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The value of `--data-dir DIR` (or `--data-dir=DIR`) among args, "" when absent.
std::string DataDirOption(const std::vector<std::string>& args);

} // namespace veskaro
