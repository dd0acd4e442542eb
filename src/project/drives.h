#pragma once
// The roots the project dialog offers in its drive list: mounted file systems on Linux, drives on
// Windows.

#include <string>
#include <string_view>
#include <vector>

namespace veskaro {

// Linux: "/", the user's home folder, then the other mount points of real file systems (pseudo and
// temporary file systems left out), each once. Windows: the logical drives ("C:\", "D:\", ...).
std::vector<std::string> FileSystemRoots();

// The roots among the lines of a mounts table (the format of /proc/self/mounts), without "/" and home.
std::vector<std::string> RootsFromMountTable(std::string_view mounts);

// The folder a drive-list entry stands for: an entry that starts with a drive letter gives that drive's
// root ("d: [DATA]" -> "d:\"); any other entry is a path and is taken as it is.
std::string DriveRootFromText(std::string_view text);

} // namespace veskaro
