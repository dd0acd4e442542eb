// The main window as a desktop program: Tab through the goods grid, undo and redo with the result
// following, and what survives a restart. Driven by real key events offscreen; the settings live in the
// test program's own folder (gui_fixture.h).

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include "app/recent_projects.h"
#include "goods/goods_grid.h"
#include "gui_fixture.h"
#include "report/load_chart_qt.h"
#include "room/result_panel_qt.h"

namespace veskaro {
namespace {

class DesktopTest : public testing::DataDirTest {
  protected:
    double Capacity() const { return Value("RaumLeist"); }
};

TEST_F(DesktopTest, KeysMoveThroughTheGoodsGridAndOpenTheMenus) {
    OpenWindow();
    auto* grid = window->findChild<ui::GridWidget*>(QStringLiteral("AKTKgut"));
    ASSERT_FALSE(grid->cellText(4, kGoodsName).isEmpty()); // the default room has four goods
    ASSERT_TRUE(grid->cellText(5, kGoodsName).isEmpty());
    // Columns 1..12 are shown, column 13 is hidden.
    constexpr int kLast = kGoodsRespiration;
    const struct {
        int row, column;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int toRow, toColumn; // 0: the focus left the grid
    } rows[] = {
        {1, 1, Qt::Key_Tab, Qt::NoModifier, 1, 2},
        {1, kLast, Qt::Key_Tab, Qt::NoModifier, 2, 1},
        {4, kLast, Qt::Key_Tab, Qt::NoModifier, 0, 0},
        {2, 1, Qt::Key_Backtab, Qt::ShiftModifier, 1, kLast},
        {1, 1, Qt::Key_Backtab, Qt::ShiftModifier, 0, 0},
        {3, 3, Qt::Key_Tab, Qt::ControlModifier, 0, 0},
        {3, 3, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0, 0},
        {7, 2, Qt::Key_Tab, Qt::NoModifier, 7, 3}, // below the goods: along the row the engineer is in
        {7, kLast, Qt::Key_Tab, Qt::NoModifier, 0, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows); // the row of the table
        grid->setFocus();
        grid->setCurrentGridCell(row.row, row.column);
        QTest::keyClick(grid, row.key, row.mods);
        const bool inGrid = grid->isAncestorOf(QApplication::focusWidget()) || grid->hasFocus();
        EXPECT_EQ(inGrid, row.toRow != 0);
        if (row.toRow != 0) {
            EXPECT_EQ(grid->currentGridRow(), row.toRow);
            EXPECT_EQ(grid->currentGridColumn(), row.toColumn);
        }
    }
    // Tab in an open edit box writes the cell first, then moves on.
    testing::TypeCell(grid, 2, kGoodsAmount, "7", Qt::Key_Tab);
    EXPECT_EQ(grid->cellText(2, kGoodsAmount), QStringLiteral("7"));
    EXPECT_EQ(grid->currentGridColumn(), kGoodsAmount + 1);

    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_F10, Qt::NoModifier},
                                                              {Qt::Key_F, Qt::AltModifier}};
    for (const auto& [key, mods] : keys) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(testing::ShowActive(*window));
        QTest::keyClick(window.get(), key, mods);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(popup->actions().contains(window->findChild<QAction*>(QStringLiteral("ladP"))));
        popup->close();
    }
}

TEST_F(DesktopTest, UndoAndRedoBringBackFieldsAndGoodsWithTheirResult) {
    OpenWindow();
    auto* grid = window->findChild<ui::GridWidget*>(QStringLiteral("AKTKgut"));
    const QString title = window->windowTitle();
    const double length = Value("RaumL");
    const double capacity = Capacity();
    Field("RaumL")->setText(QStringLiteral("11")); // Enter commits a field whatever its text came from
    QTest::keyClick(Field("RaumL"), Qt::Key_Return);
    const double capacity11 = Capacity();
    const auto* bar = window->findChild<ResultPanel*>()->loadBar();
    const double goodsShare = bar->shares()[0].share_pct;
    testing::TypeCell(grid, 1, kGoodsAmount, "9000");
    EXPECT_GT(bar->shares()[0].share_pct, goodsShare + 10.0); // the load bar follows every recalculation
    EXPECT_NEAR(PositiveShareSum(bar->shares()), 100.0, 1e-9);
    const double capacityGoods = Capacity();
    ASSERT_GT(capacity11, capacity);
    ASSERT_GT(capacityGoods, capacity11);
    // Ctrl+Z reaches the window from a field with no edit pending; each step shows its room recalculated.
    const struct {
        QKeyCombination key;
        double length, capacity;
        bool modified;
    } steps[] = {{Qt::CTRL | Qt::Key_Z, 11.0, capacity11, true},
                 {Qt::CTRL | Qt::Key_Z, length, capacity, false}, // back to the room as loaded
                 {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, 11.0, capacity11, true},
                 {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, 11.0, capacityGoods, true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.capacity);
        QTest::keyClick(Field("RaumL"), step.key.key(), step.key.keyboardModifiers());
        EXPECT_EQ(Value("RaumL"), step.length);
        EXPECT_DOUBLE_EQ(Capacity(), step.capacity);
        EXPECT_EQ(window->windowTitle(), step.modified ? QStringLiteral("*") + title : title);
    }
    EXPECT_EQ(grid->cellText(1, kGoodsAmount), QStringLiteral("9000"));

    // Restoring the room asks first: No keeps the fields, Yes restores and is one more undo step.
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        testing::OnModal<QMessageBox>([answer](QMessageBox& box) { box.button(answer)->click(); });
        window->findChild<QAction*>(QStringLiteral("klad"))->trigger();
        EXPECT_EQ(Value("RaumL"), answer == QMessageBox::Yes ? length : 11.0);
    }
    EXPECT_EQ(window->windowTitle(), title); // the room on screen is the one in the file
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("Room restored")));
    ASSERT_TRUE(testing::ShowActive(*window)); // the question box has gone
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(Capacity(), capacityGoods);
}

TEST_F(DesktopTest, RecentProjectsAndTheProjectFolderSurviveARestart) {
    const std::string folder = Folder("projects");
    for (const char* name : {"Hall1.prj", "Hall2.prj"}) {
        SCOPED_TRACE(name);
        OpenWindow();
        ctx.projectDir = folder;
        Enter("proj", QString::fromLatin1(name).chopped(4));
        testing::AcceptProjectName(QString::fromLatin1(name));
        window->findChild<QAction*>(QStringLiteral("PsichA"))->trigger();
        EXPECT_TRUE(window->statusBar()->currentMessage().contains(QString::fromLatin1(name)));
        window.reset();
    }
    // A new run: a fresh start on the same data directory, a new window.
    ctx = StartUp({(m_root / "data").string(), VESKARO_SEED_DIR});
    OpenWindow();
    EXPECT_EQ(QDir(QString::fromStdString(ctx.projectDir)), QDir(QString::fromStdString(folder)));
    const QList<QAction*> recent = window->findChild<QMenu*>(QStringLiteral("recentProjects"))->actions();
    ASSERT_EQ(recent.size(), 2);
    EXPECT_TRUE(recent[0]->text().contains(QStringLiteral("Hall2.prj"))); // newest first
    recent[1]->trigger();
    EXPECT_EQ(Field("proj")->text(), QStringLiteral("Hall1"));
    EXPECT_FALSE(window->windowTitle().startsWith(QLatin1Char('*')));
    // The project dialog offers them too; choosing one names it for opening.
    testing::OnModal<ProjectDialog>([](ProjectDialog& dialog) {
        auto* list = dialog.findChild<QComboBox*>(QStringLiteral("recentProjects"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), 3); // a blank entry and the two projects, Hall1 now first
        list->setCurrentIndex(2);
        emit list->activated(2);
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("ProNam"))->text(),
                  QStringLiteral("Hall2.prj"));
        testing::Press(dialog, "Command3D1");
    });
    window->findChild<QAction*>(QStringLiteral("ladP"))->trigger();
    EXPECT_EQ(Field("proj")->text(), QStringLiteral("Hall2"));
}

TEST(RecentProjectsTest, NewestFirstWithoutRepeatsAndAtMostTen) {
    std::vector<std::string> list;
    for (const char* path :
         {"/p/1", "/p/2", "/p/3", "/p/4", "/p/5", "/p/6", "/p/7", "/p/8", "/p/9", "/p/10", "/p/11"})
        list = WithRecentProject(list, path);
    // The same file in the other separator spelling moves to the front instead of appearing twice.
    list = WithRecentProject(WithRecentProject(list, "\\p\\5"), " ");
    EXPECT_EQ(list, (std::vector<std::string>{"\\p\\5", "/p/11", "/p/10", "/p/9", "/p/8", "/p/7", "/p/6",
                                              "/p/4", "/p/3", "/p/2"}));
}

} // namespace
} // namespace veskaro
