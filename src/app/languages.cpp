// Languages: choice at start-up, English fallback of language-dependent files, joining words.

#include "app/languages.h"

#include <filesystem>

#include "app/app_context.h"
#include "app/data_dir.h"
#include "app/record_file.h"

namespace veskaro {

namespace {

constexpr std::size_t kCodeLength = 3;
constexpr std::string_view kLangOption = "--lang";
constexpr std::string_view kLangOptionIs = "--lang=";

// The English save / restore entries name the default room; the Romance languages put an article or
// preposition between the two words ("Ouvrir un projet", "Evaporador del proyecto").
constexpr std::array<CaptionJoins, 5> kJoins{{
    {"ENG", " ", " ", " as Default", " Restore to Default", "Restore to Default", ""},
    {"FRA", " un ", " de l'", "", "", "", "Nb d´"},
    {"ITA", " uno ", " del ", "", "", "", ""},
    {"ESP", " del ", " del ", "", "", "", ""},
    {"", " ", " ", "", "", "", ""},
}};

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(PathFromUtf8(path), ec);
}

} // namespace

std::string NormalLanguageCode(std::string_view text) {
    if (text.size() != kCodeLength) return "";
    std::string code;
    for (const char c : text) {
        const bool lower = c >= 'a' && c <= 'z';
        if (!lower && !(c >= 'A' && c <= 'Z')) return "";
        code += lower ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return code;
}

void ChooseLanguage(AppContext& ctx, std::string_view commandLine, std::string_view kept) {
    for (const std::string_view candidate : {commandLine, kept}) {
        const std::string code = NormalLanguageCode(candidate);
        if (!code.empty()) {
            ctx.languageCode = code;
            return;
        }
    }
}

std::string LanguageOption(const std::vector<std::string>& args) {
    std::string code;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == kLangOption && i + 1 < args.size()) {
            code = args[++i];
        } else if (args[i].rfind(kLangOptionIs, 0) == 0) {
            code = args[i].substr(kLangOptionIs.size());
        }
    }
    return code;
}

std::string LanguageFileForReading(const AppContext& ctx, const std::string& own,
                                   const std::string& english) {
    return FileExists(FindFileNoCase(ResolveDataPath(ctx, own))) ? own : english;
}

const CaptionJoins& JoinsFor(std::string_view code) {
    for (const CaptionJoins& joins : kJoins) {
        if (joins.code == code) return joins;
    }
    return kJoins.back();
}

} // namespace veskaro
