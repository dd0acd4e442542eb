#pragma once
// The goods list of the room `AKTKgut` under the input groups: product, amount, temperatures and heats of
// each goods row; the storage columns are shaded, shown for information. Every field of a row is
// reachable (the grid scrolls sideways); incomplete and uncounted rows are marked.

#include <QWidget>

#include <vector>

#include "goods/goods_check.h"

class QTableWidgetItem;

namespace veskaro {

class RoomForm;
struct RoomRecord;

namespace ui {
class GridWidget;
}

class GoodsPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GoodsPanel)

  public:
    explicit GoodsPanel(RoomForm& form, QWidget* parent = nullptr);

    ui::GridWidget* grid() const { return m_AKTKgut; }
    QString cellText(int row, int column) const;
    void showGoods(const RoomRecord& room);
    // Marks the rows that miss a field their temperatures need (label "n !", the fields shaded) and the
    // rows that hold goods beyond the counted ones (label "n ✕", greyed).
    void markRows(const std::vector<GoodsRowCheck>& checks);

    enum class RowMark { Incomplete, NotCounted };
    struct Mark {
        int row = 0;
        RowMark mark = RowMark::Incomplete;
        bool operator==(const Mark&) const = default;
    };
    const std::vector<Mark>& marks() const { return m_marks; }

  signals:
    void cellEdited(int row, int column);

  private:
    QTableWidgetItem* cellItem(int row, int column);

    ui::GridWidget* m_AKTKgut = nullptr;
    std::vector<Mark> m_marks;
};

} // namespace veskaro
