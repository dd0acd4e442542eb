#pragma once
// The data directory: where it lies by default on each platform, and its seeding with the files the
// program ships with.

#include <filesystem>
#include <string>
#include <string_view>

namespace veskaro {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Paths are UTF-8 in memory; these convert to and from the file system's own path type.
inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// ASCII letters compared without regard to case; every other byte must be equal.
bool EqualsNoCase(std::string_view a, std::string_view b);

// The user's documents folder, "" when the platform gives none. Linux: $XDG_DOCUMENTS_DIR, else the
// XDG_DOCUMENTS_DIR line of user-dirs.dirs in $XDG_CONFIG_HOME (default ~/.config), else ~/Documents.
// Windows: the common documents folder (CSIDL_COMMON_DOCUMENTS).
std::string DocumentsFolder();
// The XDG_DOCUMENTS_DIR entry of a user-dirs.dirs text with "$HOME" expanded; "" when it has none.
std::string XdgDocumentsFromUserDirs(std::string_view userDirsText, const std::string& home);

// The documents folder & "/Veskaro", or the current directory when there is no documents folder.
// Nothing is created.
std::string DefaultDataDir();
// The current working directory, "" if it cannot be determined.
std::string CurrentDirectory();
// Creates dir and its parents as needed; true when it exists afterwards.
bool EnsureDirectory(const std::string& dir);

// Copies every file of seedDir that the data directory lacks (names compared without regard to case)
// into it; never overwrites. Returns the number of files copied.
int SeedDataDir(const std::string& dataDir, const std::string& seedDir);

} // namespace veskaro
