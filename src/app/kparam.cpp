// kparam.dat: reading the family settings and applying their defaults.

#include "app/kparam.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/data_dir.h"
#include "app/number_text.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

constexpr std::string_view kSettingsFile = "kparam.dat";
constexpr std::string_view kDefaultLanguage = "ENG";
constexpr std::string_view kDefaultCurrency = "EUR";
constexpr std::string_view kDefaultFont = "Arial";
constexpr std::string_view kDefaultKeptValue = "35";
constexpr std::string_view kDefaultFactor = "2.5";
constexpr std::string_view kDefaultIntegerOption = "1";
constexpr std::string_view kDefaultLogo = "qvsample.jpg";
constexpr std::string_view kRootOfDriveC = "C:\\";
// Language code and font name need at least this many characters.
constexpr std::size_t kMinimumNameLength = 3;

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// A path written on Windows, made usable here: backslashes become slashes on other systems.
std::string LocalPath(std::string path) {
#ifndef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && path[1] == ':';
}

// The project directory of item 19: empty, the root of drive C or (off Windows) any drive path means the
// current directory.
std::string ProjectDirectory(const std::string& item) {
    if (IsBlank(item) || EqualsNoCase(item, kRootOfDriveC)) return CurrentDirectory();
#ifndef _WIN32
    if (HasDriveLetter(item)) return CurrentDirectory();
#endif
    return LocalPath(item);
}

void ApplyDataDirItem(AppContext& ctx, const std::string& item, bool honour) {
    if (!honour) return;
    if (IsBlank(item)) {
        EnsureDirectory(ctx.dataDir);
        return;
    }
#ifndef _WIN32
    if (HasDriveLetter(item)) return;
#endif
    const std::string dir = LocalPath(item);
    std::error_code ec;
    if (std::filesystem::is_directory(PathFromUtf8(dir), ec)) ctx.dataDir = dir;
}

} // namespace

void ReadKParam(AppContext& ctx, bool honourDataDirItem) {
    KParam settings;
    settings.item[kKParamKeptValue] = kDefaultKeptValue;
    RecordReader reader = OpenInput(ctx, kSettingsFile);
    for (int i = 1; i <= kKParamItemCount; ++i) {
        if (!reader.read(settings.item[static_cast<std::size_t>(i)])) break;
    }
    auto item = [&settings](int i) -> std::string& { return settings.item[static_cast<std::size_t>(i)]; };

    ApplyDataDirItem(ctx, item(kKParamDataDir), honourDataDirItem);
    item(kKParamDataDir) = ctx.dataDir;

    if (CharacterCount(item(kKParamLanguage)) < kMinimumNameLength) item(kKParamLanguage) = kDefaultLanguage;
    if (item(kKParamCurrency).empty()) item(kKParamCurrency) = kDefaultCurrency;
    if (CharacterCount(item(kKParamFont)) < kMinimumNameLength) item(kKParamFont) = kDefaultFont;
    if (NumFromText(std::string_view(item(kKParamFactor))) <= 0.0) item(kKParamFactor) = kDefaultFactor;
    if (IsBlank(item(kKParamIntegerOption))) item(kKParamIntegerOption) = kDefaultIntegerOption;
    item(kKParamProjectDir) = ProjectDirectory(item(kKParamProjectDir));
    item(kKParamLogo) = IsBlank(item(kKParamLogo)) ? ctx.dataDir + kPathSeparator + std::string(kDefaultLogo)
                                                   : LocalPath(item(kKParamLogo));

    ctx.languageCode = item(kKParamLanguage);
    ctx.currency = item(kKParamCurrency);
    ctx.fontName = item(kKParamFont);
    ctx.projectDir = item(kKParamProjectDir);
    ctx.logoPath = item(kKParamLogo);
    ctx.printHeaderFlag = SmallIntegerFromText(item(kKParamResultEditorFlag));
    ctx.kparam = std::move(settings);
}

} // namespace veskaro
