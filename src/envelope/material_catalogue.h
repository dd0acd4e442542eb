#pragma once
// The building-material and insulation catalogues beside the layer grid: a standard file per language
// (rows marked "X") and a user file, shown in one grid of at most 100 materials.

#include <string>
#include <string_view>

#include "app/message.h"
#include "app/record_file.h"
#include "app/cell_clipboard.h"
#include "envelope/construction.h"

namespace veskaro {

struct AppContext;
class CaptionTable;

enum class MaterialKind { Building, Insulation };

// Catalogue grid: row 0 headings, rows 1-100 materials; columns name, lambda W/mK, density kg/m³, "X".
inline constexpr int kMaterialCatalogueRows = 100;
inline constexpr int kCatalogueGridRows = kMaterialCatalogueRows + 1;
inline constexpr int kCatalogueGridColumns = 5;
inline constexpr int kColCatName = 1;
inline constexpr int kColCatLambda = 2;
inline constexpr int kColCatDensity = 3;
inline constexpr int kColCatStandard = 4;

// "BauS.ENG" / "DaemmS.ENG" and the user files "BauSA.ENG" / "DaemmSA.ENG" for language code "ENG".
std::string StandardCatalogueName(MaterialKind kind, std::string_view languageCode);
std::string UserCatalogueName(MaterialKind kind, std::string_view languageCode);

struct CatalogueLoad {
    TextGrid grid{kCatalogueGridRows, kCatalogueGridColumns};
    int rowCount = 0;               // materials loaded
    bool moreRowsNotLoaded = false; // the files hold more than the grid's 100 rows
};

// Load one catalogue: the standard rows (marked "X") then the user rows, each file read until a record
// with blank name and lambda, at most 100 rows in all.
CatalogueLoad ReadCatalogue(RecordReader standardFile, RecordReader userFile);
CatalogueLoad LoadCatalogue(const AppContext& ctx, MaterialKind kind);
// The message that says a catalogue was cut at 100 rows.
Message CatalogueCutMessage(const CaptionTable& captions, MaterialKind kind);

struct CatalogueFiles {
    RecordWriter standard;
    RecordWriter user;
};
// Save one catalogue: rows whose marker reads "X" (any case, blanks around) go to the standard file
// whatever their content; other rows with name and lambda go to the user file; the rest are dropped.
CatalogueFiles CatalogueFileTexts(const TextGrid& grid);
WriteStatus SaveCatalogue(const AppContext& ctx, MaterialKind kind, const TextGrid& grid);

// Pick a row: its name and lambda (blank outside the grid).
MaterialPick PickMaterial(const TextGrid& grid, int row);

} // namespace veskaro
