#pragma once
// kparam.dat: the family settings (data directory, language, currency, report font, project directory,
// logo picture, report options), read once at start-up; this program never writes it.

#include "app/app_context.h"

namespace veskaro {

// Items of kparam.dat with a meaning in this program (1-based positions in the file).
inline constexpr int kKParamItemCount = 24;
inline constexpr int kKParamDataDir = 2;
inline constexpr int kKParamLanguage = 4;
inline constexpr int kKParamCurrency = 5;
inline constexpr int kKParamFont = 6;
inline constexpr int kKParamResultEditorFlag = 12;
inline constexpr int kKParamKeptValue = 16;
inline constexpr int kKParamFactor = 17;
inline constexpr int kKParamProjectDir = 19;
inline constexpr int kKParamReportFlag = 22;
inline constexpr int kKParamLogo = 23;
inline constexpr int kKParamIntegerOption = 24;

// Reads kparam.dat from ctx.dataDir into ctx.kparam (every item as text, defaults applied, so each item
// holds the value in effect) and sets the language, currency, font, project directory, logo path and
// ctx.printHeaderFlag (item 12). A missing or short file gives the defaults.
// Item 2 may name another data directory: it is followed only when honourDataDirItem is set and that
// folder exists (a path of another machine, such as a Windows path on Linux, is ignored); an empty
// item 2 keeps the data directory and creates it.
void ReadKParam(AppContext& ctx, bool honourDataDirItem = true);

} // namespace veskaro
