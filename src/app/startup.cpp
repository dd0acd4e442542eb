// Start-up of every run: data directory, seed files, settings and captions.

#include "app/startup.h"

#include <filesystem>
#include <system_error>

#include "app/captions.h"
#include "app/data_dir.h"
#include "app/kparam.h"
#include "app/languages.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

// An absolute path without trailing separators: later changes of the working directory (the project
// dialog changes it) must not move the data directory.
std::string AbsoluteDirectory(const std::string& dir) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(PathFromUtf8(dir), ec);
    std::string result = ec ? dir : Utf8FromPath(absolute.lexically_normal());
    while (result.size() > 1 && (result.back() == '/' || result.back() == '\\'))
        result.pop_back();
    return result;
}

} // namespace

AppContext StartUp(const StartupOptions& options) {
    AppContext ctx;
    const bool overridden = !options.dataDirOverride.empty();
    ctx.dataDir = AbsoluteDirectory(overridden ? options.dataDirOverride : DefaultDataDir());
    EnsureDirectory(ctx.dataDir);
    // A run killed in the middle of a save leaves its temporary file behind.
    RemoveTemporaryFiles(ctx.dataDir);
    SeedDataDir(ctx.dataDir, options.seedDir);
    // A data directory given on the command line wins over the one named in the settings.
    ReadKParam(ctx, !overridden);
    ChooseLanguage(ctx, options.language, options.keptLanguage);
    LoadCaptions(ctx);
    return ctx;
}

} // namespace veskaro
