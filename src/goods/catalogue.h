#pragma once
// The product catalogue of one group: the grid of at most 50 products, filled from the group's standard
// and user catalogue files and written back to them; the clipboard commands of the grid.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/cell_clipboard.h"
#include "app/record_file.h"
#include "goods/header_text.h"

namespace veskaro {

struct AppContext;

inline constexpr int kCatalogueRows = 50;
inline constexpr int kCatalogueColumns = 12;         // columns 0..11
inline constexpr int kCatalogueProductFields = 11;   // columns 1..11, one file line each
inline constexpr int kMaxKeptProductsPerFile = 5000; // products beyond the grid kept for the file
inline constexpr std::uintmax_t kMaxCatalogueFileBytes = 4u << 20; // larger files are not read (nor written)

enum CatalogueColumn : int {
    kCatRowNumber = 0, // row number of a standard product
    kCatName = 1,
    kCatStorageTemp = 2,     // °C
    kCatStorageHumidity = 3, // %
    kCatStorageLife = 4,     // free text
    kCatFreezingTemp = 5,    // °C
    kCatCpAbove = 6,         // kJ/(kg K)
    kCatCpBelow = 7,         // kJ/(kg K)
    kCatLatentHeat = 8,      // kJ/kg
    kCatRespiration = 9,     // kJ/(kg day)
    kCatRemark = 10,         // free text, never copied into the goods list
    kCatStandardMark = 11,   // hidden: "X" for a product of the standard catalogue
};

using CatalogueRow = std::array<std::string, kCatalogueColumns>;
using CatalogueGrid = std::array<CatalogueRow, kCatalogueRows + 1>; // rows 1..50; row 0 unused

struct Catalogue {
    int group = 1; // 1..8, 0 for a group name that matches no caption
    CatalogueGrid grid; // every cell an empty string
    // Products of the files that did not fit into the 50 rows: shown nowhere, written back unchanged.
    std::vector<CatalogueRow> moreStandard;
    std::vector<CatalogueRow> moreUser;
    bool restNotShown = false;     // the files hold more than 50 products
    bool standardTooLarge = false; // the standard file was too large to read: it is left untouched
    bool userTooLarge = false;     // the same for the user file
};

// Headers and widths of columns 0..11.
const std::array<ColumnHeader, kCatalogueColumns>& CatalogueHeaders();

// True when column 11 marks a standard product: "X" without blanks, any letter case.
bool IsStandardMark(std::string_view mark);
// True when the name (column 1) is blank: the row counts as empty.
bool IsBlankName(std::string_view name);

// Loads the group's catalogue: the standard products first, numbered 1, 2, ... in column 0, then the
// user's products without a number. Missing files give an empty catalogue.
Catalogue LoadCatalogue(const AppContext& ctx, int group);
// Writes the rows with a name to the group's two files (by their mark) and empties them in the grid;
// rows with a blank name are neither written nor cleared. False when a file could not be written.
WriteStatus SaveCatalogue(const AppContext& ctx, Catalogue& catalogue);
// The group switch: saves the group left, then loads `newGroup`. False when the save failed (the new
// group is loaded all the same).
WriteStatus SwitchGroup(const AppContext& ctx, Catalogue& catalogue, int newGroup);

// --- Clipboard commands ------------------------------------------------------------------------------

// The catalogue's own clipboard conventions: every copied cell ends with a TAB, and a piece of pasted text
// that no TAB or CR ends is not pasted.
inline constexpr ClipboardRules kCatalogueClipboardRules{.tabAfterEveryCell = true,
                                                         .pasteUnterminatedPiece = false};

// A clipboard key on the catalogue (Delete, Shift+Delete, Ctrl+C, Shift+Insert, Ctrl+V) with the current
// cell at (row, column): applies the cell writes to the grid and returns them with the clipboard text.
GridKeyOutcome CatalogueKeyAction(CatalogueGrid& grid, GridKey key, CellRange selection, int row, int column,
                                  std::string_view clipboard);

// --- kgutpar.dat: the dialog's settings --------------------------------------------------------------

inline constexpr std::string_view kGoodsSettingsFile = "kgutpar.dat";

struct GoodsSettings {
    std::string groupName;      // text of the group combo
    std::string loadingDensity; // kg/m³, as typed
    std::string turnover;       // "%"-text, as typed
};

// Reads the three texts; a missing or short file leaves the fields as they were.
void ReadGoodsSettings(const AppContext& ctx, GoodsSettings& settings);
WriteStatus WriteGoodsSettings(const AppContext& ctx, const GoodsSettings& settings);
// The group the dialog opens with: the settings' group name, or group 1 when it is shorter than
// 3 characters. Returns the group number (0 for a name that matches no caption).
int OpeningGroup(const AppContext& ctx, GoodsSettings& settings);

} // namespace veskaro
