#include "project/drives.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace veskaro {

namespace {

// Kernel and memory file systems: nothing a user keeps projects on.
constexpr std::array<std::string_view, 24> kPseudoFileSystems = {
    "proc",       "sysfs",       "cgroup",  "cgroup2",  "devpts",     "devtmpfs", "tmpfs",    "ramfs",
    "securityfs", "pstore",      "debugfs", "tracefs",  "configfs",   "fusectl",  "mqueue",   "hugetlbfs",
    "bpf",        "binfmt_misc", "autofs",  "efivarfs", "rpc_pipefs", "nsfs",     "squashfs", "overlay"};

// Mount points below these belong to the system, except removable media under /run/media.
constexpr std::array<std::string_view, 5> kSystemTrees = {"/proc", "/sys", "/dev", "/run", "/snap"};
constexpr std::string_view kRemovableMediaTree = "/run/media";

bool IsBelow(std::string_view path, std::string_view tree) {
    return path == tree ||
           (path.size() > tree.size() && path.substr(0, tree.size()) == tree && path[tree.size()] == '/');
}

// Mount points escape blanks, tabs, newlines and backslashes as three octal digits ("\040").
std::string UnescapeMountPath(std::string_view field) {
    std::string path;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 3 < field.size() &&
                           std::isdigit(static_cast<unsigned char>(field[i + 1])) &&
                           std::isdigit(static_cast<unsigned char>(field[i + 2])) &&
                           std::isdigit(static_cast<unsigned char>(field[i + 3]));
        if (octal) {
            path += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0'));
            i += 3;
        } else {
            path += field[i];
        }
    }
    return path;
}

void AddOnce(std::vector<std::string>& roots, const std::string& root) {
    if (!root.empty() && std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(root);
}

} // namespace

std::vector<std::string> RootsFromMountTable(std::string_view mounts) {
    std::vector<std::string> roots;
    std::istringstream lines{std::string(mounts)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        if (!(fields >> device >> mountPoint >> type)) continue;
        const std::string path = UnescapeMountPath(mountPoint);
        if (path == "/" || path.empty() || path.front() != '/') continue;
        if (std::find(kPseudoFileSystems.begin(), kPseudoFileSystems.end(), type) != kPseudoFileSystems.end())
            continue;
        const bool system = std::any_of(kSystemTrees.begin(), kSystemTrees.end(),
                                        [&](std::string_view tree) { return IsBelow(path, tree); });
        if (system && !IsBelow(path, kRemovableMediaTree)) continue;
        AddOnce(roots, path);
    }
    std::sort(roots.begin(), roots.end());
    return roots;
}

std::string DriveRootFromText(std::string_view text) {
    const bool driveLetter =
        text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':';
    if (driveLetter) return std::string(text.substr(0, 2)) + "\\";
    return std::string(text);
}

#ifdef _WIN32

std::vector<std::string> FileSystemRoots() {
    std::vector<std::string> roots;
    char buffer[512] = {};
    const DWORD length = GetLogicalDriveStringsA(static_cast<DWORD>(sizeof buffer - 1), buffer);
    if (length == 0 || length >= sizeof buffer) return roots;
    // A sequence of NUL-terminated strings ("C:\", "D:\"), ended by an empty one.
    for (const char* drive = buffer; *drive != '\0'; drive += std::char_traits<char>::length(drive) + 1)
        roots.emplace_back(drive);
    return roots;
}

#else

std::vector<std::string> FileSystemRoots() {
    std::vector<std::string> roots{"/"};
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        std::error_code ec;
        if (std::filesystem::is_directory(home, ec)) AddOnce(roots, home);
    }
    std::ifstream file("/proc/self/mounts");
    std::stringstream mounts;
    mounts << file.rdbuf();
    for (const auto& root : RootsFromMountTable(mounts.str())) {
        // Single files bound into containers are mount points too; only folders are roots.
        std::error_code ec;
        if (std::filesystem::is_directory(root, ec)) AddOnce(roots, root);
    }
    return roots;
}

#endif

} // namespace veskaro
