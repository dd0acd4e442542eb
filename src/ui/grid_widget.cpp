#include "ui/grid_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace veskaro::ui {

namespace {

// A cell holding one number in display form or as typed: " 12", "-1.5", ".23", "3,9".
bool IsNumberCell(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*[-+]?(\d+([.,]\d*)?|[.,]\d+)\s*$)"));
    return number.match(text).hasMatch();
}

bool IsArrow(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

} // namespace

// --- GridWidget -------------------------------------------------------------------------------------

GridWidget::GridWidget(int rows, int columns, QWidget* parent)
    : QTableWidget(qMax(0, rows - 1), qMax(0, columns - 1), parent),
      m_shade(static_cast<std::size_t>(qMax(1, columns))),
      m_editable(static_cast<std::size_t>(qMax(1, columns)), true) {
    setItemDelegate(new GridCellDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter |
                                            Qt::Alignment(Qt::TextWordWrap));
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    for (int c = 0; c < columnCount(); ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem());
    for (int r = 0; r < rowCount(); ++r)
        setVerticalHeaderItem(r, new QTableWidgetItem());
}

QTableWidgetItem* GridWidget::itemAt(int row, int column, bool create) {
    if (row < 0 || column < 0 || row >= gridRows() || column >= gridColumns()) return nullptr;
    if (row == 0 && column == 0) return nullptr;
    if (row == 0) return horizontalHeaderItem(column - 1);
    if (column == 0) return verticalHeaderItem(row - 1);
    QTableWidgetItem* cell = item(row - 1, column - 1);
    if (cell == nullptr && create) {
        cell = new QTableWidgetItem();
        setItem(row - 1, column - 1, cell);
    }
    return cell;
}

QString GridWidget::cellText(int row, int column) const {
    if (row < 0 || column < 0 || row >= gridRows() || column >= gridColumns()) return {};
    if (row == 0 && column == 0) return {};
    const QTableWidgetItem* cell = nullptr;
    if (row == 0) {
        cell = horizontalHeaderItem(column - 1);
    } else if (column == 0) {
        cell = verticalHeaderItem(row - 1);
    } else {
        cell = item(row - 1, column - 1);
    }
    return cell != nullptr ? cell->text() : QString();
}

void GridWidget::setCellText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = itemAt(row, column, !text.isEmpty());
    if (cell != nullptr && cell->text() != text) cell->setText(text);
}

void GridWidget::writeCell(int row, int column, const QString& text) {
    if (row < 1 || column < 1 || row >= gridRows() || column >= gridColumns()) return;
    if (cellText(row, column) == text) return;
    setCellText(row, column, text);
    emit cellEdited(row, column);
    if (m_batch == 0) emit editsDone();
}

void GridWidget::clearCells() {
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (QTableWidgetItem* cell = item(r, c)) cell->setText(QString());
        }
    }
}

void GridWidget::setColumnWidthTwips(int column, int twips) {
    const int pixels = TwipsToPixels(twips);
    if (column == 0) {
        verticalHeader()->setFixedWidth(pixels);
        verticalHeader()->setVisible(pixels > 0);
        return;
    }
    if (column < 1 || column >= gridColumns()) return;
    setColumnHidden(column - 1, pixels == 0);
    if (pixels > 0) setColumnWidth(column - 1, pixels);
}

void GridWidget::setHeaderHeightTwips(int twips) {
    horizontalHeader()->setFixedHeight(TwipsToPixels(twips));
}

void GridWidget::setColumnShade(int column, const QColor& shade) {
    if (column < 0 || column >= gridColumns()) return;
    m_shade[static_cast<std::size_t>(column)] = shade;
    viewport()->update();
}

void GridWidget::setColumnEditable(int column, bool editable) {
    if (column < 0 || column >= gridColumns()) return;
    m_editable[static_cast<std::size_t>(column)] = editable;
}

bool GridWidget::isColumnEditable(int column) const {
    return column >= 1 && column < gridColumns() && m_editable[static_cast<std::size_t>(column)];
}

void GridWidget::setCellAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    viewport()->update();
}

void GridWidget::setCurrentGridCell(int row, int column) {
    if (row < 1 || column < 1 || row >= gridRows() || column >= gridColumns()) return;
    setCurrentCell(row - 1, column - 1);
}

bool GridWidget::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (index.isValid() && !isColumnEditable(index.column() + 1)) return false;
    if (auto* delegate = qobject_cast<GridCellDelegate*>(itemDelegate())) {
        delegate->setTypingStart(trigger == QAbstractItemView::AnyKeyPressed);
    }
    return QTableWidget::edit(index, trigger, event);
}

void GridWidget::startEdit() {
    if (currentIndex().isValid()) edit(currentIndex(), QAbstractItemView::EditKeyPressed, nullptr);
}

void GridWidget::finishEdit() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void GridWidget::moveAfterEdit(int key) {
    int row = currentRow();
    int column = currentColumn();
    const auto step = [&](int dr, int dc) {
        int r = row + dr;
        int c = column + dc;
        while (c >= 0 && c < columnCount() && isColumnHidden(c))
            c += dc;
        if (r >= 0 && r < rowCount() && c >= 0 && c < columnCount()) setCurrentCell(r, c);
    };
    switch (key) {
    case Qt::Key_Up:
        step(-1, 0);
        break;
    case Qt::Key_Down:
        step(1, 0);
        break;
    case Qt::Key_Left:
        step(0, -1);
        break;
    case Qt::Key_Right:
        step(0, 1);
        break;
    default:
        break;
    }
}

int GridWidget::lastFilledRow() const {
    for (int r = rowCount() - 1; r >= 0; --r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (const QTableWidgetItem* cell = item(r, c); cell != nullptr && !cell->text().isEmpty())
                return r + 1;
        }
    }
    return 0;
}

bool GridWidget::tabStep(bool next) {
    const int step = next ? 1 : -1;
    // Rows beyond the filled ones are reachable only from where the engineer already is.
    const int lastRow = qMax(lastFilledRow() - 1, currentRow());
    int row = qMax(0, currentRow());
    int column = currentColumn() + step;
    while (row >= 0 && row <= lastRow) {
        for (; column >= 0 && column < columnCount(); column += step) {
            if (!isColumnHidden(column)) {
                setCurrentCell(row, column);
                return true;
            }
        }
        row += step;
        column = next ? 0 : columnCount() - 1;
    }
    return false;
}

void GridWidget::tabFromGrid(bool next, bool leave) {
    finishEdit();
    if (leave || !tabStep(next)) {
        // The widget's focus chain, past the item view's own Tab handling (which would step within the
        // grid again).
        QWidget::focusNextPrevChild(next); // NOLINT(bugprone-parent-virtual-call)
    }
}

bool GridWidget::focusNextPrevChild(bool next) {
    // Tab and Shift+Tab reach this from the grid and from its edit box.
    if (!tabKeyNavigation()) return QTableWidget::focusNextPrevChild(next);
    tabFromGrid(next, false);
    return true;
}

TextGrid GridWidget::textModel() const {
    TextGrid model(gridRows(), gridColumns());
    for (int r = 1; r < gridRows(); ++r) {
        for (int c = 1; c < gridColumns(); ++c)
            model.set(r, c, cellText(r, c).toStdString());
    }
    return model;
}

std::optional<CellRange> GridWidget::selectedBlock() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) return std::nullopt;
    const QTableWidgetSelectionRange& block = ranges.front();
    return CellRange{block.topRow() + 1, block.leftColumn() + 1, block.bottomRow() + 1,
                     block.rightColumn() + 1};
}

void GridWidget::applyWrites(const std::vector<CellWrite>& writes) {
    // Read-only columns of this grid keep their text whatever the text model allows.
    ++m_batch;
    for (const CellWrite& w : writes) {
        if (isColumnEditable(w.column)) writeCell(w.row, w.column, QString::fromStdString(w.text));
    }
    --m_batch;
    if (!writes.empty()) emit editsDone();
}

QString GridWidget::selectedBlockText() const {
    const std::optional<CellRange> block = selectedBlock();
    return block ? QString::fromStdString(CopyRangeText(textModel(), *block)) : QString();
}

void GridWidget::clearSelectedBlock() {
    if (const std::optional<CellRange> block = selectedBlock())
        applyWrites(ClearRangeWrites(textModel(), *block));
}

void GridWidget::copySelectedBlock(bool cut) {
    QApplication::clipboard()->setText(selectedBlockText());
    if (cut) clearSelectedBlock();
}

void GridWidget::pasteText(const QString& text) {
    if (currentRow() < 0 || currentColumn() < 0) return;
    const std::vector<CellWrite> writes =
        PasteWrites(textModel(), currentGridRow(), currentGridColumn(), text.toStdString());
    applyWrites(writes);
    if (writes.empty()) emit editsDone();
}

void GridWidget::pasteAtCurrentCell() {
    pasteText(QApplication::clipboard()->text());
}

void GridWidget::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (mods & Qt::ControlModifier)) {
        tabFromGrid(event->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier), true);
        return;
    }
    std::optional<GridKey> key;
    if (event->key() == Qt::Key_Delete && mods == Qt::NoModifier) key = GridKey::Delete;
    if (event->key() == Qt::Key_Delete && mods == Qt::ShiftModifier) key = GridKey::ShiftDelete;
    if (event->key() == Qt::Key_Insert && mods == Qt::ShiftModifier) key = GridKey::ShiftInsert;
    if (event->key() == Qt::Key_C && mods == Qt::ControlModifier) key = GridKey::CtrlC;
    if (event->key() == Qt::Key_V && mods == Qt::ControlModifier) key = GridKey::CtrlV;
    if (!key) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const std::optional<CellRange> block = selectedBlock();
    const bool pastes = *key == GridKey::ShiftInsert || *key == GridKey::CtrlV;
    if (pastes && (currentRow() < 0 || currentColumn() < 0)) return;
    if (!pastes && !block) return;
    const GridKeyOutcome outcome =
        GridKeyAction(textModel(), *key, block.value_or(CellRange{}), currentGridRow(), currentGridColumn(),
                      pastes ? QApplication::clipboard()->text().toStdString() : std::string());
    if (outcome.clipboardText)
        QApplication::clipboard()->setText(QString::fromStdString(*outcome.clipboardText));
    applyWrites(outcome.writes);
    if (outcome.pasted && outcome.writes.empty()) emit editsDone();
}

// --- GridCellDelegate -------------------------------------------------------------------------------

GridCellDelegate::GridCellDelegate(GridWidget* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
    auto* box = new QLineEdit(parent);
    box->setObjectName(m_grid->objectName() + QStringLiteral("text"));
    box->setFrame(false);
    return box;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QLineEdit*>(editor);
    box->setText(index.data(Qt::EditRole).toString());
    if (m_typingStart) {
        box->selectAll();
    } else {
        box->deselect();
        box->end(false);
    }
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    const auto* box = static_cast<QLineEdit*>(editor);
    m_grid->writeCell(index.row() + 1, index.column() + 1, box->text());
}

void GridCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

void GridCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // Numbers stand right-aligned so that their digits line up down a column; words keep the grid's
    // alignment. Only the cells of a column (not the headers) are items of the table.
    option->displayAlignment =
        IsNumberCell(option->text) ? (Qt::AlignRight | Qt::AlignVCenter) : m_grid->m_alignment;
    const auto column = static_cast<std::size_t>(index.column()) + 1;
    if (column < m_grid->m_shade.size() && m_grid->m_shade[column].isValid()) {
        option->backgroundBrush = m_grid->m_shade[column];
    }
}

bool GridCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(object);
    if (box != nullptr && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            // The grid ends the edit and moves on; Ctrl+Tab leaves the grid from inside the box too.
            const bool back = key == Qt::Key_Backtab || (press->modifiers() & Qt::ShiftModifier);
            m_grid->tabFromGrid(!back, (press->modifiers() & Qt::ControlModifier) != 0);
            return true;
        }
        const bool ends = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
        const bool leaves = key == Qt::Key_Up || key == Qt::Key_Down || (m_typingStart && IsArrow(key));
        if (ends || leaves) {
            emit commitData(box);
            emit closeEditor(box, QAbstractItemDelegate::NoHint);
            if (leaves) m_grid->moveAfterEdit(key);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace veskaro::ui
