#pragma once
// The goods list of the room `AKTKgut` under the input groups: product, amount, temperatures and heats of
// each goods row; the storage columns are shaded, shown for information.

#include <QWidget>

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

  signals:
    void cellEdited(int row, int column);

  private:
    ui::GridWidget* m_AKTKgut = nullptr;
};

} // namespace veskaro
