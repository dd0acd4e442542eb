#pragma once
// Start-up of every run: the data directory, its seed files, kparam.dat and the caption table.

#include <string>

#include "app/app_context.h"

namespace veskaro {

struct StartupOptions {
    std::string dataDirOverride; // --data-dir DIR; "" for the platform default
    std::string seedDir;         // folder whose files are copied into the data directory when missing
};

// Determines the data directory (override, else the documents folder & "/Veskaro", else the current
// directory), removes the temporary files a killed run left there, copies the missing seed files into it
// (never overwriting), reads kparam.dat with its defaults and loads the captions.
AppContext StartUp(const StartupOptions& options);

} // namespace veskaro
