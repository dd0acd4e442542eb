#pragma once
// The list of recently used project files, newest first, as File → Recent projects and the project
// dialog offer it.

#include <cstddef>
#include <string>
#include <vector>

namespace veskaro {

inline constexpr std::size_t kRecentProjectsKept = 10;

// `list` with `path` moved (or added) to the front; blank entries and repeats of a path are dropped and
// the list is cut to `kept` entries. Paths compare after unifying "\" and "/" separators, so that a
// project opened once by either spelling appears once.
std::vector<std::string> WithRecentProject(const std::vector<std::string>& list, const std::string& path,
                                           std::size_t kept = kRecentProjectsKept);

} // namespace veskaro
