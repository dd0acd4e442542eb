// The windows on a 1280 x 680 laptop screen and larger, and the result window's reading keys.

#include <gtest/gtest.h>

#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "envelope/wall_dialog.h"
#include "equipment/cooler_dialog.h"
#include "goods/goods_dialog.h"
#include "gui_fixture.h"
#include "report/print_settings_dialog.h"
#include "report/result_window.h"
#include "room/result_files.h"
#include "room/room_source.h"

namespace veskaro {
namespace {

const QSize kLaptop(1280, 680);

// Labels whose single line of text is wider than the label shows.
std::string ClippedLabels(const QWidget& window) {
    std::string clipped;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = label->text();
        if (label->isVisibleTo(&window) && !label->wordWrap() && !Qt::mightBeRichText(text) &&
            label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width() + 1)
            clipped += " '" + text.toStdString() + "'";
    }
    return clipped;
}

// Whether the widget's minimum size fits the laptop screen.
bool FitsLaptop(const QWidget& w) {
    return kLaptop.expandedTo(w.minimumSizeHint().expandedTo(w.minimumSize())) == kLaptop;
}

class WindowFitTest : public testing::DataDirTest {};

TEST_F(WindowFitTest, MainWindowFitsALaptopAndGrowsToA4KScreen) {
    OpenWindow();
    EXPECT_TRUE(FitsLaptop(*window));
    for (const QSize size : {kLaptop, QSize(1600, 1000), QSize(3840, 2160)}) {
        SCOPED_TRACE(size.height());
        window->resize(size);
        QApplication::processEvents();
        ASSERT_EQ(window->size(), size);
        // Goods rows 1..5 wholly in view.
        auto* goods = testing::Child<ui::GridWidget>(*window, "AKTKgut");
        EXPECT_LE(goods->rowViewportPosition(4) + goods->rowHeight(4), goods->viewport()->height());
        // The required capacity in view of its scroll area, the area inside the window.
        auto* capacity = testing::Child<QLabel>(*window, "RaumLeist");
        QWidget* view = testing::Child<QScrollArea>(*window, "resultScroller")->viewport();
        EXPECT_TRUE(view->rect().contains(QRect(capacity->mapTo(view, QPoint()), capacity->size())));
        EXPECT_TRUE(window->rect().contains(QRect(view->mapTo(window.get(), QPoint()), view->size())));
        EXPECT_EQ(ClippedLabels(*window), "");
    }
}

TEST_F(WindowFitTest, DialogsFitALaptopWithoutClippedLabels) {
    QPrinter printer;
    std::unique_ptr<QDialog> dialogs[] = {
        std::make_unique<WallDialog>(ctx, "32"),
        std::make_unique<GoodsDialog>(ctx, GoodsRoomValues{"168", "48", "28", "2", "85"}),
        std::make_unique<CoolerDialog>(ctx, Handover{}),
        std::make_unique<PrintSettingsDialog>(ctx, printer),
        std::make_unique<ProjectDialog>(ctx),
    };
    for (const std::unique_ptr<QDialog>& dialog : dialogs) {
        SCOPED_TRACE(dialog->metaObject()->className());
        dialog->show();
        EXPECT_TRUE(FitsLaptop(*dialog));
        dialog->resize(dialog->sizeHint().boundedTo(kLaptop));
        QApplication::processEvents();
        EXPECT_EQ(ClippedLabels(*dialog), "");
        dialog->reject();
    }
}

TEST_F(WindowFitTest, ResultWindowPagesAndZoomsFromKeysAndWheel) {
    RoomRecord room;
    ASSERT_TRUE(ReadRoomFromDataDir(ctx, room).empty());
    ASSERT_TRUE(WriteResultFiles(CalculateRoom(room, ctx), room, ctx));
    ResultWindow window(ctx);
    window.show();
    const QSize screen = window.screen()->availableSize();
    EXPECT_EQ(screen.expandedTo(window.size()), screen); // opens within the screen
    window.resize(800, 500);                             // the sheet is taller than the window: it scrolls
    QApplication::processEvents();
    auto* page = testing::Child<QScrollBar>(window, "VScroll1");
    QScrollArea* area = window.findChild<QScrollArea*>();
    QScrollBar* sheet = area->verticalScrollBar();
    ASSERT_GT(sheet->maximum(), 0);
    // Key, expected page, place on the sheet (0 top, 1 bottom, 2 between); PgDn at a sheet's end turns on.
    const std::tuple<Qt::Key, int, int> steps[] = {
        {Qt::Key_PageDown, 1, 2}, {Qt::Key_End, 2, 1},    {Qt::Key_PageDown, 2, 1},
        {Qt::Key_PageUp, 2, 2},   {Qt::Key_Home, 1, 0},   {Qt::Key_PageUp, 1, 0},
        {Qt::Key_End, 2, 1},      {Qt::Key_PageUp, 2, 2}, {Qt::Key_Home, 1, 0},
    };
    for (const auto& [key, expectedPage, place] : steps) {
        QTest::keyClick(&window, key);
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        EXPECT_EQ(page->value(), expectedPage);
        const int at = sheet->value() == 0 ? 0 : (sheet->value() == sheet->maximum() ? 1 : 2);
        EXPECT_EQ(at, place);
    }
    for (int i = 0; i < 20 && page->value() == 1; ++i)
        QTest::keyClick(&window, Qt::Key_PageDown);
    EXPECT_EQ(std::pair(page->value(), sheet->value()), std::pair(2, 0));

    const double natural = window.pageView()->zoom();
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(window.pageView()->zoom(), natural);
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    const QPoint at = area->viewport()->rect().center();
    QWheelEvent out(at, area->viewport()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &out);
    EXPECT_LT(window.pageView()->zoom(), natural);
}

} // namespace
} // namespace veskaro
