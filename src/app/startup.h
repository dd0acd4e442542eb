#pragma once
// Start-up of every run: the data directory, its seed files, kparam.dat and the caption table.

#include <string>
#include <utility>

#include "app/app_context.h"

namespace veskaro {

struct StartupOptions {
    // A constructor rather than an aggregate: callers name the leading options only.
    StartupOptions(std::string dataDir = {}, std::string seed = {}, std::string lang = {},
                   std::string kept = {})
        : dataDirOverride(std::move(dataDir)), seedDir(std::move(seed)), language(std::move(lang)),
          keptLanguage(std::move(kept)) {}

    std::string dataDirOverride; // --data-dir DIR; "" for the platform default
    std::string seedDir;         // folder whose files are copied into the data directory when missing
    std::string language;        // --lang CODE; "" for none
    std::string keptLanguage;    // the language chosen in the program's own settings; "" for none
};

// Determines the data directory (override, else the documents folder & "/Veskaro", else the current
// directory), removes the temporary files a killed run left there, copies the missing seed files into it
// (never overwriting), reads kparam.dat with its defaults, lets --lang and then the kept choice override
// its language and loads the captions.
AppContext StartUp(const StartupOptions& options);

} // namespace veskaro
