// The data directory: platform default and seeding.

#include "app/data_dir.h"

#include <cstdlib>
#include <system_error>
#include <vector>

#include "app/record_file.h"

#ifdef _WIN32
#include <windows.h>
// shlobj.h needs the definitions of windows.h.
#include <shlobj.h>
#endif

namespace veskaro {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFamilyFolder = "Veskaro";

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

#ifndef _WIN32
// Linux: the XDG documents folder, as the desktop's user-dirs settings define it.
std::string XdgDocumentsFolder() {
    std::string fromEnvironment = Environment("XDG_DOCUMENTS_DIR");
    if (!fromEnvironment.empty()) return fromEnvironment;
    const std::string home = Environment("HOME");
    std::string configHome = Environment("XDG_CONFIG_HOME");
    if (configHome.empty() && !home.empty()) configHome = home + "/.config";
    if (!configHome.empty()) {
        std::string text;
        if (ReadFileBytes(configHome + "/user-dirs.dirs", text)) {
            std::string fromFile = XdgDocumentsFromUserDirs(text, home);
            if (!fromFile.empty()) return fromFile;
        }
    }
    return home.empty() ? std::string() : home + "/Documents";
}
#endif

} // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

std::string XdgDocumentsFromUserDirs(std::string_view userDirsText, const std::string& home) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    std::size_t lineStart = 0;
    while (lineStart < userDirsText.size()) {
        std::size_t lineEnd = userDirsText.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) lineEnd = userDirsText.size();
        std::string_view line = userDirsText.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        if (line.substr(0, kKey.size()) != kKey) continue;
        std::string_view value = line.substr(kKey.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        std::string path;
        if (value.substr(0, 5) == "$HOME") {
            if (home.empty()) return {};
            path = home + std::string(value.substr(5));
        } else {
            path = std::string(value);
        }
        // Only absolute paths are valid entries.
        return !path.empty() && path.front() == '/' ? path : std::string();
    }
    return {};
}

std::string DocumentsFolder() {
#ifdef _WIN32
    constexpr int kCommonDocuments = 46; // CSIDL_COMMON_DOCUMENTS
    LPITEMIDLIST idList = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, kCommonDocuments, &idList) != S_OK || idList == nullptr)
        return {};
    char buffer[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListA(idList, buffer) != FALSE;
    CoTaskMemFree(idList);
    return found ? Cp1252ToUtf8(buffer) : std::string();
#else
    return XdgDocumentsFolder();
#endif
}

std::string DefaultDataDir() {
    std::string documents = DocumentsFolder();
    while (documents.size() > 1 && (documents.back() == '/' || documents.back() == '\\'))
        documents.pop_back();
    if (documents.empty()) return CurrentDirectory();
    return documents + kPathSeparator + std::string(kFamilyFolder);
}

std::string CurrentDirectory() {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    return ec ? std::string() : Utf8FromPath(current);
}

bool EnsureDirectory(const std::string& dir) {
    if (dir.empty()) return false;
    std::error_code ec;
    const fs::path path = PathFromUtf8(dir);
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

int SeedDataDir(const std::string& dataDir, const std::string& seedDir) {
    std::error_code ec;
    if (seedDir.empty() || !fs::is_directory(PathFromUtf8(seedDir), ec)) return 0;
    std::vector<std::string> present;
    for (fs::directory_iterator it(PathFromUtf8(dataDir), ec), end; !ec && it != end; it.increment(ec)) {
        present.push_back(Utf8FromPath(it->path().filename()));
    }
    int copied = 0;
    ec.clear();
    for (fs::directory_iterator it(PathFromUtf8(seedDir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) continue;
        const std::string name = Utf8FromPath(it->path().filename());
        bool missing = true;
        for (const std::string& existing : present) {
            if (EqualsNoCase(existing, name)) missing = false;
        }
        std::string bytes;
        if (!missing || !ReadFileBytes(Utf8FromPath(it->path()), bytes)) continue;
        if (WriteFileAtomic(dataDir + kPathSeparator + name, bytes)) {
            present.push_back(name);
            ++copied;
        }
    }
    return copied;
}

} // namespace veskaro
