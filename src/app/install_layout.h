#pragma once
// Where an installed or a freshly built program finds what it ships with: the seed files of a new data
// directory and the desktop module. The same binary runs from the build tree, from the install prefix and
// from a package unpacked anywhere, so every place is tried in a fixed order.

#include <string>
#include <vector>

namespace veskaro {

// The install layout the build was configured with.
struct InstallLayout {
    std::string prefix;       // absolute install prefix, e.g. /usr
    std::string binSubdir;    // the executable's folder below the prefix, e.g. bin
    std::string dataSubdir;   // the seed files below the prefix, e.g. share/veskaro-cr/data
    std::string libSubdir;    // the desktop module below the prefix, e.g. lib/x86_64-linux-gnu
    std::string buildSeedDir; // the source tree's data folder (a build that was never installed)
};

// The folder of the running executable, "" when the platform does not say.
std::string ExecutableDir();

// The folders that may hold the seed files, best first: beside the executable as installed
// (the prefix that binSubdir implies, then dataSubdir), the configured prefix, then the build tree's folder.
std::vector<std::string> SeedDirCandidates(const std::string& exeDir, const InstallLayout& layout);
// The first candidate that holds the default room record, "" when none does.
std::string FindSeedDir(const std::string& exeDir, const InstallLayout& layout);

// The paths the desktop module may have, best first: beside the executable (a build tree), the library
// folder of a relocated install (the implied prefix & libSubdir), then the configured prefix's library
// folder.
std::vector<std::string> GuiModuleCandidates(const std::string& exeDir, const InstallLayout& layout,
                                             const std::string& moduleFile);

} // namespace veskaro
