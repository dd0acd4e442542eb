#pragma once
// The wall table of a floor-plan room: one row for the floor, one for the ceiling and one per drawn wall,
// fifteen text cells each (designation, length, area, U-value, temperature beyond, orientation, windows,
// shading). Stored as CR_WALL.dat, 300 one-item records row by row.

#include <array>
#include <string>
#include <vector>

#include "app/record_file.h"

namespace veskaro {

struct AppContext;
class CaptionTable;

inline constexpr int kWallTableRows = 20;
inline constexpr int kWallTableColumns = 15;
inline constexpr int kWallTableRecords = kWallTableRows * kWallTableColumns;
inline constexpr int kFloorRow = 1;
inline constexpr int kCeilingRow = 2;
inline constexpr int kFirstWallRow = 3;
inline constexpr int kMaxTableWalls = kWallTableRows - kFirstWallRow + 1; // 18

// Columns of the table (1-based, as stored).
enum WallColumn : int {
    kColDesignation = 1,
    kColLength = 2,      // m
    kColArea = 3,        // m², computed for walls, entered for floor and ceiling
    kColU = 4,           // W/m²K
    kColTemperature = 5, // °C beyond the surface
    kColOutsideWall = 6, // "Y" / "n", sibling program only
    kColOrientation = 7, // one of the eight compass captions
    kColDensityClass = 8,
    kColWindowCount = 9,
    kColWindowWidth = 10,  // m
    kColWindowHeight = 11, // m
    kColWindowValue = 12,  // U-value of the chosen window type, W/m²K
    kColWindowType = 13,   // entry text of the window-type list
    kColShading = 14,      // 1-4: the shading picture
    kColReserved = 15,
};

// Row of wall 1-18 in the table.
constexpr int WallRow(int wall) {
    return wall + kFirstWallRow - 1;
}

// Area of a wall, m²: length × room height cut (not rounded) to two decimals; 2.5 m × 1.01 m gives 2.52.
double WallArea_m2(double length_m, double height_m);

class WallTable {
  public:
    // Cell text; "" outside rows 1-20, columns 1-15.
    const std::string& cell(int row, int column) const;
    // Ignored outside the table.
    void setCell(int row, int column, std::string text);

    // Wall 1-18: its length and the area that follows from the room height.
    void setWallLength(int wall, double length_m, double height_m);
    // Area of a wall row from its length cell; floor and ceiling keep their entered areas.
    void updateWallArea(int row, double height_m);
    void updateAllWallAreas(double height_m);
    // Walls wall..18 emptied.
    void clearWallsFrom(int wall);
    // Floor and ceiling area (and their designation) where the cells are still empty.
    void proposeFloorCeilingArea(double area_m2, const CaptionTable& captions);

    bool operator==(const WallTable&) const = default;

  private:
    // Row-major, rows 1-20 x columns 1-15. A vector rather than a nested array: the same value, but no
    // 300-string aggregate for compile-time evaluation to choke on.
    std::vector<std::string> m_cells =
        std::vector<std::string>(static_cast<std::size_t>(kWallTableRows) * kWallTableColumns);
};

// --- Checks -------------------------------------------------------------------------------------------

// One of the five column checks that found rows with a designation but the value blank or 0.
struct WallTableProblem {
    int column = 0;
    std::vector<int> rows; // table rows, ascending
    std::string message;   // check intro, column name, the rows joined by ",", " = 0 !!"
};

// The five checks: length (wall rows: floor and ceiling carry an area, not a length), area, U-value,
// temperature beyond and construction class, each over the rows whose designation is not blank. A
// temperature of 0 °C counts as not entered, as a blank does. Empty when the table may be saved.
std::vector<WallTableProblem> CheckWallTable(const WallTable& table, const CaptionTable& captions);

// Column name of the check messages and of the table headings.
std::string WallColumnName(int column, const CaptionTable& captions);

// --- Files --------------------------------------------------------------------------------------------

// "CR_WALL.dat", or "AC_WALL.dat" for the sibling program code "AC".
std::string WallTableFileName(const AppContext& ctx);
// The 300 records of the table, row-major.
RecordWriter WallTableRecords(const WallTable& table);
// Reads at most 300 items into the table; a short file leaves the rest empty, items past 300 are ignored.
WallTable ReadWallTable(RecordReader in);
WallTable LoadWallTable(const AppContext& ctx);
WriteStatus SaveWallTable(const AppContext& ctx, const WallTable& table);

// --- Window types and orientation ---------------------------------------------------------------------

// One entry of the window-type list "Fenst." & language code: six fields per record.
struct WindowType {
    std::string name;
    std::string solarGainText; // total solar energy transmittance g, % (shown in the list)
    double Uw_Wm2K = 0.0;      // whole window or door
    double Ug_Wm2K = 0.0;      // glazing or door leaf
    double Uf_Wm2K = 0.0;      // frame
    std::string basis;         // how the U-value was found
    std::string entryText;     // name, blank, g without its leading blank, "%"
};

inline constexpr int kMaxWindowTypes = 20;
// Reads up to 20 records; reading stops at the first record without a name.
std::vector<WindowType> ReadWindowTypes(RecordReader in);
// The list of the language in use, or the English one when that language has none of its own.
std::vector<WindowType> LoadWindowTypes(const AppContext& ctx);

inline constexpr int kCompassPoints = 8;
// The eight orientation captions N, NE, E, SE, S, SW, W, NW.
std::array<std::string, kCompassPoints> OrientationCaptions(const CaptionTable& captions);

} // namespace veskaro
