#include "room/goods_panel_qt.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "room/room_form_qt.h"
#include "room/room_record.h"
#include "ui/grid_widget.h"

namespace veskaro {

namespace {

constexpr int kGoodsColumnWidthsTwips[] = {450, 3000, 2000, 1800, 1800, 1800, 1800};
constexpr int kGoodsHeaderHeightTwips = 720;
constexpr int kGoodsShadedColumns[] = {kGoodsStorageTemp, kGoodsStorageHumidity};
const QColor kGoodsShade(0xE1, 0xE5, 0xEA); // storage columns: shown for information
constexpr int kGoodsMinimumHeight = 220;    // px: about eight rows

} // namespace

GoodsPanel::GoodsPanel(RoomForm& form, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(form.makeCaption(form.slot(Cap::GoodsListFrame), "goodsTitle"));

    m_AKTKgut = new ui::GridWidget(kGoodsGridRows + 1, kGoodsGridColumns);
    m_AKTKgut->setObjectName(QStringLiteral("AKTKgut"));
    for (int c = 0; c < kGoodsGridColumns; ++c) {
        const int twips =
            c < static_cast<int>(std::size(kGoodsColumnWidthsTwips)) ? kGoodsColumnWidthsTwips[c] : 0;
        m_AKTKgut->setColumnWidthTwips(c, twips);
    }
    m_AKTKgut->setHeaderHeightTwips(kGoodsHeaderHeightTwips);
    for (int r = 1; r <= kGoodsGridRows; ++r)
        m_AKTKgut->setCellText(r, 0, QString::number(r));
    for (int c : kGoodsShadedColumns)
        m_AKTKgut->setColumnShade(c, kGoodsShade);
    m_AKTKgut->setMinimumHeight(kGoodsMinimumHeight);
    form.whenCaptioned([this, &form] {
        for (int c = 1; c < kGoodsGridColumns; ++c)
            m_AKTKgut->setCellText(0, c, QString::fromStdString(GoodsGridHeader(form.context(), c)));
    });
    connect(m_AKTKgut, &ui::GridWidget::cellEdited, this, &GoodsPanel::cellEdited);
    column->addWidget(m_AKTKgut, 1);
}

QString GoodsPanel::cellText(int row, int column) const {
    return m_AKTKgut->cellText(row, column);
}

void GoodsPanel::showGoods(const RoomRecord& room) {
    for (int r = 1; r <= kGoodsGridRows; ++r) {
        for (int c = 1; c < kGoodsGridColumns; ++c) {
            m_AKTKgut->setCellText(
                r, c,
                QString::fromStdString(room.goods[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
        }
    }
}

} // namespace veskaro
