// The windows on a 1280 x 680 laptop screen and larger: sizes, visible goods rows and result, labels
// whose text fits, the result window's reading keys and the load-share bar following the calculation.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "envelope/wall_dialog.h"
#include "equipment/cooler_dialog.h"
#include "goods/goods_dialog.h"
#include "gui_fixture.h"
#include "project/project_dialog.h"
#include "report/load_chart_qt.h"
#include "report/print_settings_dialog.h"
#include "report/result_window.h"
#include "room/load_calc.h"
#include "room/result_files.h"
#include "room/result_panel_qt.h"
#include "room/room_source.h"

namespace veskaro {
namespace {

const QSize kLaptop(1280, 680);

// Labels whose single line of text is wider than the label shows.
QStringList ClippedLabels(const QWidget& window) {
    QStringList clipped;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->wordWrap() || label->text().isEmpty() ||
            Qt::mightBeRichText(label->text()))
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (needed > label->contentsRect().width() + 1)
            clipped << label->objectName() + QStringLiteral(" '") + label->text() + QStringLiteral("'");
    }
    return clipped;
}

// Rows of a grid wholly inside its viewport.
int VisibleRows(const QTableWidget& grid) {
    int rows = 0;
    for (int r = 0; r < grid.rowCount(); ++r) {
        const QRect row(0, grid.rowViewportPosition(r), 1, grid.rowHeight(r));
        if (row.top() >= 0 && row.bottom() < grid.viewport()->height()) ++rows;
    }
    return rows;
}

class WindowFitTest : public testing::DataDirTest {};

TEST_F(WindowFitTest, MainWindowFitsALaptopAndGrowsToA4KScreen) {
    OpenWindow();
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    EXPECT_LE(minimum.width(), kLaptop.width());
    EXPECT_LE(minimum.height(), kLaptop.height());
    for (const QSize size : {kLaptop, QSize(1600, 1000), QSize(3840, 2160)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        window->resize(size);
        QApplication::processEvents();
        ASSERT_EQ(window->size(), size);
        auto* goods = testing::Child<ui::GridWidget>(*window, "AKTKgut");
        EXPECT_GE(VisibleRows(*goods), 5);
        // The required capacity stands in view, inside the window and its scroll area.
        auto* capacity = testing::Child<QLabel>(*window, "RaumLeist");
        auto* scroller = testing::Child<QScrollArea>(*window, "resultScroller");
        const QRect shown(capacity->mapTo(scroller->viewport(), QPoint(0, 0)), capacity->size());
        EXPECT_TRUE(scroller->viewport()->rect().contains(shown));
        EXPECT_TRUE(
            window->rect().contains(QRect(capacity->mapTo(window.get(), QPoint(0, 0)), capacity->size())));
        EXPECT_EQ(ClippedLabels(*window).join(u',').toStdString(), "");
    }
}

TEST_F(WindowFitTest, DialogsFitALaptopWithoutClippedLabels) {
    QPrinter printer;
    const std::pair<const char*, std::function<std::unique_ptr<QDialog>()>> dialogs[] = {
        {"walls", [&] { return std::make_unique<WallDialog>(ctx, "32"); }},
        {"goods",
         [&] {
             return std::make_unique<GoodsDialog>(ctx, GoodsRoomValues{"168", "48", "28", "2", "85"});
         }},
        {"cooler", [&] { return std::make_unique<CoolerDialog>(ctx, Handover{}); }},
        {"print settings", [&] { return std::make_unique<PrintSettingsDialog>(ctx, printer); }},
        {"project", [&] { return std::make_unique<ProjectDialog>(ctx); }},
    };
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        std::unique_ptr<QDialog> dialog = make();
        dialog->show();
        const QSize minimum = dialog->minimumSizeHint().expandedTo(dialog->minimumSize());
        EXPECT_LE(minimum.width(), kLaptop.width());
        EXPECT_LE(minimum.height(), kLaptop.height());
        dialog->resize(dialog->sizeHint().boundedTo(kLaptop));
        QApplication::processEvents();
        EXPECT_EQ(ClippedLabels(*dialog).join(u',').toStdString(), "");
        dialog->reject();
    }
}

TEST_F(WindowFitTest, ResultWindowPagesAndZoomsFromKeysAndWheel) {
    RoomRecord room;
    ASSERT_TRUE(ReadRoomFromDataDir(ctx, room).empty());
    const RecalcResult r = CalculateRoom(room, ctx);
    ASSERT_TRUE(WriteResultFiles(r, room, ctx));
    ResultWindow window(ctx);
    window.setLoadShares(ComputeLoadShares(r));
    window.show();
    const QSize screen = window.screen()->availableSize();
    EXPECT_TRUE(window.width() <= screen.width() && window.height() <= screen.height());
    window.resize(800, 500); // the sheet is taller than the window: it scrolls
    QApplication::processEvents();
    auto* page = testing::Child<QScrollBar>(window, "VScroll1");
    QScrollBar* sheet = window.findChild<QScrollArea*>()->verticalScrollBar();
    ASSERT_GT(sheet->maximum(), 0);
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(&window, k, m);
    };
    // Key, expected page, expected place on the sheet (0 top, 1 bottom, -1 between).
    const std::tuple<Qt::Key, int, int> steps[] = {
        {Qt::Key_PageDown, 1, -1}, {Qt::Key_End, 2, 1}, {Qt::Key_PageDown, 2, 1}, {Qt::Key_Home, 1, 0},
        {Qt::Key_PageUp, 1, 0},    {Qt::Key_End, 2, 1}, {Qt::Key_Home, 1, 0},
    };
    for (const auto& [k, expectedPage, place] : steps) {
        key(k);
        SCOPED_TRACE(QKeySequence(k).toString().toStdString());
        EXPECT_EQ(page->value(), expectedPage);
        const int expected = place == 0 ? sheet->minimum() : sheet->maximum();
        if (place == -1) {
            EXPECT_TRUE(sheet->value() > 0 && sheet->value() < sheet->maximum());
        } else {
            EXPECT_EQ(sheet->value(), expected);
        }
    }
    // PgDn through page 1 reaches page 2 at its top.
    for (int i = 0; i < 20 && page->value() == 1; ++i)
        key(Qt::Key_PageDown);
    EXPECT_EQ(page->value(), 2);
    EXPECT_EQ(sheet->value(), 0);

    const double natural = window.pageView()->zoom();
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(window.pageView()->zoom(), natural);
    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window.pageView()->zoom(), natural);
    QWidget* viewport = window.findChild<QScrollArea*>()->viewport();
    const QPoint at = viewport->rect().center();
    QWheelEvent out(at, viewport->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &out);
    EXPECT_LT(window.pageView()->zoom(), natural);
}

TEST_F(WindowFitTest, LoadBarFollowsEveryRecalculation) {
    OpenWindow();
    const auto* bar = window->findChild<ResultPanel*>()->loadBar();
    const auto goods = [bar] {
        return bar->shares()[static_cast<std::size_t>(LoadComponent::Goods)].share_pct;
    };
    const double before = goods();
    EXPECT_GT(before, 0.0);
    auto* grid = testing::Child<ui::GridWidget>(*window, "AKTKgut");
    testing::TypeCell(grid, 1, kGoodsAmount, QStringLiteral("8000"));
    EXPECT_GT(goods(), before + 10.0);
    double sum = 0.0;
    for (const LoadShare& s : bar->shares())
        sum += s.share_pct;
    EXPECT_NEAR(sum, 100.0, 1e-9);
}

} // namespace
} // namespace veskaro
