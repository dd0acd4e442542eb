#pragma once
// Languages: the codes the program ships captions and catalogues for, the choice of the language at
// start-up, the English fallback of language-dependent files and the joining words that differ by language.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace veskaro {

struct AppContext;

inline constexpr std::string_view kEnglish = "ENG";

struct ShippedLanguage {
    std::string_view code; // extension of "Caption.", "BauS.", "KelvoG1." ...
    std::string_view name; // the language's own name, as offered in the settings dialog
};

// Languages whose caption file the program ships; any other code works when its caption file exists.
inline constexpr std::array<ShippedLanguage, 5> kShippedLanguages{{
    {"ENG", "English"},
    {"DEU", "Deutsch"},
    {"FRA", "Français"},
    {"ITA", "Italiano"},
    {"ESP", "Español"},
}};

// A language code typed by the user in the form the file names use: three ASCII letters, upper case.
// "" when the text is not three letters.
std::string NormalLanguageCode(std::string_view text);

// The language of this run: the command line's `--lang` wins, then the choice kept in the program's own
// settings, then the language item of kparam.dat (already in ctx). Codes that are not three letters are
// passed over.
void ChooseLanguage(AppContext& ctx, std::string_view commandLine, std::string_view kept);

// The value of `--lang CODE` / `--lang=CODE` among args (the last one wins), "" when absent.
std::string LanguageOption(const std::vector<std::string>& args);

// The file of the run's language (`own`) when the data directory holds it, else the English one: a
// language without its own catalogue reads the English catalogue. Writing always goes to the language's
// own file, so the English file is never changed from another language.
std::string LanguageFileForReading(const AppContext& ctx, const std::string& own, const std::string& english);

// Joining words of captions composed from two slots. Romance languages join the open verb and the
// project word, and the evaporator word and the design word, with an article or preposition; English
// adds the default-room wording to its save / restore entries; French abbreviates the evaporator count.
struct CaptionJoins {
    std::string_view code;
    std::string_view openProject;       // between the open verb and the project word
    std::string_view evaporatorDesign;  // between the evaporator word and the design word
    std::string_view saveRoomSuffix;    // after the save-room caption
    std::string_view restoreRoomSuffix; // after the restore-room caption (command bar)
    std::string_view restoreRoomMenu;   // the restore-room menu entry in place of its caption ("" keeps it)
    std::string_view countPrefix; // evaporator count label: prefix & evaporator word ("" keeps the label)
};

// The joins of a language code; languages without their own row join with a blank.
const CaptionJoins& JoinsFor(std::string_view code);

} // namespace veskaro
