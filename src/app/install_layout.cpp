// Seed-file and desktop-module lookup for the build tree, an install and an unpacked package.

#include "app/install_layout.h"

#include <filesystem>
#include <system_error>

#include "app/data_dir.h"

namespace veskaro {

namespace {

namespace fs = std::filesystem;

// The room record every data directory starts from: a folder without it holds no seed files.
constexpr const char* kSeedMarkerFile = "KelvoL.dat";

// base/sub, normalised; "" when base or sub is empty (nothing to be relative to).
std::string Below(const std::string& base, const std::string& sub) {
    if (base.empty() || sub.empty()) return "";
    return Utf8FromPath((PathFromUtf8(base) / PathFromUtf8(sub)).lexically_normal());
}

void AddOnce(std::vector<std::string>& list, const std::string& path) {
    if (path.empty()) return;
    for (const std::string& p : list) {
        if (p == path) return;
    }
    list.push_back(path);
}

// The prefix of an install moved elsewhere: exeDir with one level removed per component of binSubdir.
std::string RelocatedPrefix(const std::string& exeDir, const std::string& binSubdir) {
    if (exeDir.empty()) return "";
    fs::path prefix = PathFromUtf8(exeDir);
    const fs::path bin = PathFromUtf8(binSubdir.empty() ? std::string("bin") : binSubdir);
    for (auto it = bin.begin(); it != bin.end(); ++it)
        prefix = prefix.parent_path();
    return Utf8FromPath(prefix.lexically_normal());
}

} // namespace

std::string ExecutableDir() {
#ifdef __linux__
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) return Utf8FromPath(exe.parent_path());
#endif
    return "";
}

std::vector<std::string> SeedDirCandidates(const std::string& exeDir, const InstallLayout& layout) {
    std::vector<std::string> dirs;
    AddOnce(dirs, Below(RelocatedPrefix(exeDir, layout.binSubdir), layout.dataSubdir));
    AddOnce(dirs, Below(layout.prefix, layout.dataSubdir));
    AddOnce(dirs, layout.buildSeedDir);
    return dirs;
}

std::string FindSeedDir(const std::string& exeDir, const InstallLayout& layout) {
    for (const std::string& dir : SeedDirCandidates(exeDir, layout)) {
        std::error_code ec;
        if (fs::is_regular_file(PathFromUtf8(dir) / kSeedMarkerFile, ec)) return dir;
    }
    return "";
}

std::vector<std::string> GuiModuleCandidates(const std::string& exeDir, const InstallLayout& layout,
                                             const std::string& moduleFile) {
    std::vector<std::string> paths;
    AddOnce(paths, Below(exeDir, moduleFile));
    AddOnce(paths, Below(Below(RelocatedPrefix(exeDir, layout.binSubdir), layout.libSubdir), moduleFile));
    AddOnce(paths, Below(Below(layout.prefix, layout.libSubdir), moduleFile));
    return paths;
}

} // namespace veskaro
