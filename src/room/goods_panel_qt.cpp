#include "room/goods_panel_qt.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "goods/catalogue.h"
#include "room/room_form_qt.h"
#include "room/room_record.h"
#include "ui/grid_widget.h"

namespace veskaro {

namespace {

// Every field of a row stays reachable: the property columns 7..12 are narrow, the grid scrolls sideways.
constexpr int kGoodsColumnWidthsTwips[] = {600,  3000, 1500, 1500, 1500, 1300, 1300,
                                           1300, 1300, 1300, 1300, 1300, 1300};
constexpr int kGoodsHeaderHeightTwips = 900; // four lines: the property headings are narrow
constexpr int kGoodsShadedColumns[] = {kGoodsStorageTemp, kGoodsStorageHumidity};
const QColor kGoodsShade(0xE1, 0xE5, 0xEA);     // storage columns: shown for information
constexpr int kGoodsVisibleRows = 5;            // rows in view however short the window
const QColor kMissingShade(0xF6, 0xC8, 0xC8);   // a field the row needs for its temperatures
const QColor kNotCountedText(0x90, 0x90, 0x90); // rows beyond the counted ones
const QString kIncompleteMark = QStringLiteral(" !");
const QString kNotCountedMark = QStringLiteral(" \u2715"); // a cross: not counted

// The heading of goods field 7..12: the catalogue column that fills it.
std::string PropertyHeader(const AppContext& ctx, int column) {
    const int catalogueColumn = column - kGoodsStorageTemp + kCatStorageTemp;
    return ComposeHeader(CatalogueHeaders()[static_cast<std::size_t>(catalogueColumn)], ctx.captions);
}

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
    m_AKTKgut->setWordWrap(true);
    m_AKTKgut->setHeaderHeightTwips(kGoodsHeaderHeightTwips);
    for (int r = 1; r <= kGoodsGridRows; ++r)
        m_AKTKgut->setCellText(r, 0, QString::number(r));
    for (int c : kGoodsShadedColumns)
        m_AKTKgut->setColumnShade(c, kGoodsShade);
    m_AKTKgut->setMinimumHeight(m_AKTKgut->horizontalHeader()->minimumHeight() +
                                kGoodsVisibleRows * m_AKTKgut->verticalHeader()->defaultSectionSize() +
                                m_AKTKgut->horizontalScrollBar()->sizeHint().height() +
                                2 * m_AKTKgut->frameWidth());
    form.whenCaptioned([this, &form] {
        for (int c = 1; c < kGoodsGridColumns; ++c) {
            const std::string header = c <= kGoodsStorageHumidity ? GoodsGridHeader(form.context(), c)
                                                                  : PropertyHeader(form.context(), c);
            m_AKTKgut->setCellText(0, c, QString::fromStdString(header));
        }
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

void GoodsPanel::markRows(const std::vector<GoodsRowCheck>& checks) {
    m_marks.clear();
    for (int r = 1; r <= kGoodsGridRows; ++r) {
        m_AKTKgut->setCellText(r, 0, QString::number(r));
        for (int c = 1; c <= kGoodsRespiration; ++c) {
            if (QTableWidgetItem* cell = m_AKTKgut->item(r - 1, c - 1)) {
                cell->setData(Qt::BackgroundRole, {});
                cell->setData(Qt::ForegroundRole, {});
            }
        }
    }
    for (const GoodsRowCheck& check : checks) {
        if (!check.counted) {
            m_marks.push_back({check.row, RowMark::NotCounted});
            m_AKTKgut->setCellText(check.row, 0, QString::number(check.row) + kNotCountedMark);
            for (int c = 1; c <= kGoodsRespiration; ++c)
                cellItem(check.row, c)->setForeground(kNotCountedText);
            continue;
        }
        if (check.missing.empty()) continue;
        m_marks.push_back({check.row, RowMark::Incomplete});
        m_AKTKgut->setCellText(check.row, 0, QString::number(check.row) + kIncompleteMark);
        for (const GoodsColumn field : check.missing)
            cellItem(check.row, field)->setBackground(kMissingShade);
    }
}

QTableWidgetItem* GoodsPanel::cellItem(int row, int column) {
    QTableWidgetItem* cell = m_AKTKgut->item(row - 1, column - 1);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        m_AKTKgut->setItem(row - 1, column - 1, cell);
    }
    return cell;
}

} // namespace veskaro
