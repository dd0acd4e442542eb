#pragma once
// The text model of an editable grid and its clipboard exchange: every grid of the program (layer grid,
// material catalogues, goods and wall tables) keeps its cells as texts here, and the windows only mirror
// them. Copy, cut, paste and clear are pure functions that return the cell writes to apply.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veskaro {

// A rows x columns grid of texts. Row 0 and column 0 are fixed (headings, row numbers); the cells that a
// user edits start at row 1, column 1.
class TextGrid {
  public:
    TextGrid(int rows, int columns);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    bool isEditable(int row, int column) const; // inside the grid and not in the fixed row or column
    // The text of a cell; "" outside the grid.
    const std::string& at(int row, int column) const;
    // Sets a cell; ignored outside the grid.
    void set(int row, int column, std::string text);
    void clearEditable(); // every editable cell to ""

  private:
    int m_rows;
    int m_columns;
    std::vector<std::string> m_cells;
};

// A rectangular selection, corners in any order (as the mouse drew it).
struct CellRange {
    int row1 = 1;
    int column1 = 1;
    int row2 = 1;
    int column2 = 1;
};

struct CellWrite {
    int row = 0;
    int column = 0;
    std::string text;
};

// The clipboard conventions of a grid. The defaults hold for every grid but the product catalogue, whose
// copies end every cell with a TAB and whose paste ignores a piece that no separator ends.
struct ClipboardRules {
    bool tabAfterEveryCell = false;     // "a TAB b TAB CR" instead of "a TAB b CR"
    bool pasteUnterminatedPiece = true; // the piece after the text's last separator becomes a cell
};

// Clipboard text of a range: row by row, cells separated by TAB, every row ended by CR. A single cell
// gives its text alone. The range is clipped to the grid.
std::string CopyRangeText(const TextGrid& grid, CellRange range, ClipboardRules rules = {});
// The writes that clear every editable cell of a range.
std::vector<CellWrite> ClearRangeWrites(const TextGrid& grid, CellRange range);
// The writes of a paste at (row, column): the text is cut at TAB (next column) and CR (next row, back at
// the start column); CR LF and a lone LF count as CR, as other programs put them on the clipboard. The
// empty piece after the last separator (or an empty text) is no cell. Pieces that fall outside the
// editable cells (beyond the last row or column) are dropped.
std::vector<CellWrite> PasteWrites(const TextGrid& grid, int row, int column, std::string_view text,
                                   ClipboardRules rules = {});
void ApplyWrites(TextGrid& grid, const std::vector<CellWrite>& writes);

// The clipboard keys of a grid: Delete clears, Shift+Delete cuts, Ctrl+C copies, Shift+Insert and Ctrl+V
// paste at the current cell.
enum class GridKey { Delete, ShiftDelete, CtrlC, ShiftInsert, CtrlV };

struct GridKeyOutcome {
    std::vector<CellWrite> writes;            // cells to change
    std::optional<std::string> clipboardText; // set: put this text on the clipboard
    bool pasted = false;                      // a paste happened (the layer grid recomputes)
};

// What a clipboard key does to the grid and the clipboard. `current` is the current cell (the paste
// origin), `clipboard` the clipboard's text now.
GridKeyOutcome GridKeyAction(const TextGrid& grid, GridKey key, CellRange selection, int currentRow,
                             int currentColumn, std::string_view clipboard, ClipboardRules rules = {});

} // namespace veskaro
