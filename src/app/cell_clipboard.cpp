// Grid text model and clipboard exchange shared by all editable grids.

#include "app/cell_clipboard.h"

#include <algorithm>

namespace veskaro {

namespace {

constexpr char kTab = '\t';
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr int kMaxGridCells = 1 << 20; // a grid larger than this is a programming error, not a user grid

// The range with ordered corners, clipped to the editable cells; empty when nothing remains.
struct Span {
    int top, left, bottom, right;
    bool empty() const { return top > bottom || left > right; }
};

Span Clip(const TextGrid& grid, CellRange r) {
    return {std::max(std::min(r.row1, r.row2), 1), std::max(std::min(r.column1, r.column2), 1),
            std::min(std::max(r.row1, r.row2), grid.rows() - 1),
            std::min(std::max(r.column1, r.column2), grid.columns() - 1)};
}

} // namespace

TextGrid::TextGrid(int rows, int columns)
    : m_rows(std::clamp(rows, 1, kMaxGridCells)), m_columns(std::clamp(columns, 1, kMaxGridCells / m_rows)),
      m_cells(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_columns)) {}

bool TextGrid::isEditable(int row, int column) const {
    return row >= 1 && row < m_rows && column >= 1 && column < m_columns;
}

const std::string& TextGrid::at(int row, int column) const {
    static const std::string kNone;
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) return kNone;
    return m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) +
                   static_cast<std::size_t>(column)];
}

void TextGrid::set(int row, int column, std::string text) {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) return;
    m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) +
            static_cast<std::size_t>(column)] = std::move(text);
}

void TextGrid::clearEditable() {
    for (int r = 1; r < m_rows; ++r) {
        for (int c = 1; c < m_columns; ++c)
            set(r, c, {});
    }
}

std::string CopyRangeText(const TextGrid& grid, CellRange range, ClipboardRules rules) {
    const Span s = Clip(grid, range);
    if (s.empty()) return {};
    if (s.top == s.bottom && s.left == s.right) return grid.at(s.top, s.left);
    std::string text;
    for (int r = s.top; r <= s.bottom; ++r) {
        for (int c = s.left; c <= s.right; ++c) {
            text += grid.at(r, c);
            if (c < s.right || rules.tabAfterEveryCell) text += kTab;
        }
        text += kCr;
    }
    return text;
}

std::vector<CellWrite> ClearRangeWrites(const TextGrid& grid, CellRange range) {
    const Span s = Clip(grid, range);
    std::vector<CellWrite> writes;
    if (s.empty()) return writes;
    for (int r = s.top; r <= s.bottom; ++r) {
        for (int c = s.left; c <= s.right; ++c)
            writes.push_back({r, c, {}});
    }
    return writes;
}

std::vector<CellWrite> PasteWrites(const TextGrid& grid, int row, int column, std::string_view text,
                                   ClipboardRules rules) {
    std::vector<CellWrite> writes;
    int r = row;
    int c = column;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool atEnd = i == text.size();
        const char ch = atEnd ? kCr : text[i];
        if (ch != kTab && ch != kCr && ch != kLf) continue;
        // The empty piece after the text's last separator (or of an empty text) is not a cell.
        const bool unpasted = atEnd && (start == text.size() || !rules.pasteUnterminatedPiece);
        if (!unpasted && grid.isEditable(r, c))
            writes.push_back({r, c, std::string(text.substr(start, i - start))});
        if (ch == kTab) {
            ++c;
        } else {
            ++r;
            c = column;
            if (ch == kCr && i + 1 < text.size() && text[i + 1] == kLf) ++i; // CR LF is one row end
        }
        start = i + 1;
        if (r >= grid.rows()) break; // everything further lies below the grid
    }
    return writes;
}

void ApplyWrites(TextGrid& grid, const std::vector<CellWrite>& writes) {
    for (const CellWrite& w : writes)
        grid.set(w.row, w.column, w.text);
}

GridKeyOutcome GridKeyAction(const TextGrid& grid, GridKey key, CellRange selection, int currentRow,
                             int currentColumn, std::string_view clipboard, ClipboardRules rules) {
    GridKeyOutcome out;
    switch (key) {
    case GridKey::Delete:
        out.writes = ClearRangeWrites(grid, selection);
        break;
    case GridKey::ShiftDelete:
        out.clipboardText = CopyRangeText(grid, selection, rules);
        out.writes = ClearRangeWrites(grid, selection);
        break;
    case GridKey::CtrlC:
        out.clipboardText = CopyRangeText(grid, selection, rules);
        break;
    case GridKey::ShiftInsert:
    case GridKey::CtrlV:
        out.writes = PasteWrites(grid, currentRow, currentColumn, clipboard, rules);
        out.pasted = true;
        break;
    }
    return out;
}

} // namespace veskaro
