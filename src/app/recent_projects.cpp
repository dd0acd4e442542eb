#include "app/recent_projects.h"

#include <algorithm>

namespace veskaro {

namespace {

std::string Unified(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

std::vector<std::string> WithRecentProject(const std::vector<std::string>& list, const std::string& path,
                                           std::size_t kept) {
    std::vector<std::string> result;
    const auto add = [&](const std::string& entry) {
        if (result.size() >= kept || Blank(entry)) return;
        const std::string key = Unified(entry);
        const bool repeated = std::any_of(result.begin(), result.end(),
                                          [&](const std::string& e) { return Unified(e) == key; });
        if (!repeated) result.push_back(entry);
    };
    add(path);
    for (const std::string& entry : list)
        add(entry);
    return result;
}

} // namespace veskaro
