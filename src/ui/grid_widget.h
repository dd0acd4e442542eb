#pragma once
// The editable grid of the windows: row 0 is the fixed header row, column 0 the fixed row-label column,
// cells (1..rows-1, 1..columns-1) hold text. Addressing follows that layout: cellText(0, c) is a header,
// cellText(r, 0) a row label.
//
// Cell editing: an edit box over the current cell. Typing starts it with the typed text, F2 or a double
// click starts it with the cell text. Enter, Return or Escape end the edit and write the box text into the
// cell; Up and Down end it and move one row; Left and Right end it and move one column when the edit was
// started by typing (after F2 or a double click they move the caret). Delete clears the selected block,
// Ctrl+C copies it (cells separated by tabs, rows ended by a carriage return), Shift+Delete cuts it,
// Ctrl+V and Shift+Insert paste from the current cell.
//
// Tab moves to the next visible cell of the row, then to the first cell of the next row, and leaves the
// grid after the last cell of the last filled row (or of the current row, below the filled ones); Shift+Tab
// goes back likewise and leaves before the first cell. Ctrl+Tab and Ctrl+Shift+Tab always leave. An open
// edit box is ended (its text written) before the move.

#include <QColor>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <optional>
#include <vector>

#include "app/cell_clipboard.h"

namespace veskaro::ui {

inline constexpr int kTwipsPerPixel = 15;
inline int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

class GridWidget final : public QTableWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridWidget)

  public:
    // rows and columns include the header row 0 and the label column 0.
    GridWidget(int rows, int columns, QWidget* parent = nullptr);

    int gridRows() const { return rowCount() + 1; }
    int gridColumns() const { return columnCount() + 1; }

    QString cellText(int row, int column) const;
    // Sets a cell, a header (row 0) or a row label (column 0) without emitting cellEdited.
    void setCellText(int row, int column, const QString& text);
    void clearCells(); // every cell of rows 1.. and columns 1..; headers and labels stay

    void setColumnWidthTwips(int column, int twips); // 0 hides a column
    void setHeaderHeightTwips(int twips);
    void setColumnShade(int column, const QColor& shade);
    void setColumnEditable(int column, bool editable);
    bool isColumnEditable(int column) const;
    void setCellAlignment(Qt::Alignment alignment);

    // Grid position of the current cell (1-based rows and columns; 0 when none).
    int currentGridRow() const { return currentRow() + 1; }
    int currentGridColumn() const { return currentColumn() + 1; }
    void setCurrentGridCell(int row, int column);

    // Block commands, also bound to the keys listed above.
    void clearSelectedBlock();
    void copySelectedBlock(bool cut);
    void pasteAtCurrentCell();
    QString selectedBlockText() const;
    void pasteText(const QString& text);
    // The cells as texts (headers and labels left blank), and the selected block in grid positions. The
    // block commands work on this model, so that every grid shares one clipboard format.
    TextGrid textModel() const;
    std::optional<CellRange> selectedBlock() const;
    // Writes cells as the user would (emitting cellEdited), skipping read-only columns.
    void applyWrites(const std::vector<CellWrite>& writes);

    // Ends an open edit, writing the edit box text into its cell.
    void finishEdit();
    // Starts the edit box on the current cell with the cell text (as F2 does).
    void startEdit();

    // Moves the current cell by one step after an edit box ended with an arrow key (used by the editor).
    void moveAfterEdit(int key);
    // Tab (next) or Shift+Tab within the grid as described above; false when the step leaves the grid.
    bool tabStep(bool next);
    // The last row holding any text (0 when every row is empty).
    int lastFilledRow() const;

  signals:
    // A cell's text was changed by the user (edit, delete, cut or paste). Row and column are grid positions.
    void cellEdited(int row, int column);
    // A user change ended: one finished cell edit, or a whole delete, cut or paste (after its cellEdited
    // signals). A paste ends with it even when no cell changed.
    void editsDone();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

  private:
    // Ends an open edit, then steps within the grid or hands the focus on (Ctrl: always hands it on).
    void tabFromGrid(bool next, bool leave);
    QTableWidgetItem* itemAt(int row, int column, bool create);
    void writeCell(int row, int column, const QString& text); // user change: emits cellEdited

    int m_batch = 0; // > 0 while a block command writes its cells
    std::vector<QColor> m_shade;
    std::vector<bool> m_editable;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    friend class GridCellDelegate;
};

// The edit box delegate: a plain line edit exactly over the cell that ends on Enter, Escape and arrows.
class GridCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridCellDelegate)

  public:
    explicit GridCellDelegate(GridWidget* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // Set by the grid before an edit opens: typing replaces the text and arrows leave the cell.
    void setTypingStart(bool typing) { m_typingStart = typing; }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    GridWidget* m_grid = nullptr;
    bool m_typingStart = false;
};

} // namespace veskaro::ui
