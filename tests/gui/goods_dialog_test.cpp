// The goods dialog driven by real mouse and key events, alone and opened from the main window.

#include <gtest/gtest.h>

#include <QTabBar>

#include "goods/goods_dialog.h"
#include "goods/goods_list.h"
#include "gui_fixture.h"
#include "room/goods_panel_qt.h"

namespace veskaro {
namespace {

using testing::Press;

using GoodsDialogTest = testing::DataDirTest;

// Shows the dialog as the active window; messages fail the test.
void ShowQuiet(GoodsDialog& dialog) {
    dialog.setMessageSink([](const Message& m) {
        ADD_FAILURE() << "unexpected message: " << m.text;
        return false;
    });
    EXPECT_TRUE(testing::ShowActive(dialog));
}

// A product inserted in the dialog changes the room's daily goods heat by exactly the heat of its entry:
// goods cooled above their freezing point, m·cp·(t_entry − t_room) / 3600 kWh per day.
TEST_F(GoodsDialogTest, InsertChangesTheMainWindowResultByItsGoodsHeat) {
    OpenWindow();
    const double before = window->controller().result().QG_kWhday;
    const double room_C = NumFromText(window->controller().room().RaumTemp);
    double cp = 0.0;
    window->setGoodsDialogRunner([&](GoodsDialog& dialog) {
        ShowQuiet(dialog);
        auto* catalogue = testing::Child<ui::GridWidget>(dialog, "DataKgut");
        const QRect cell = catalogue->visualRect(catalogue->model()->index(2, kCatName - 1));
        QTest::mouseClick(catalogue->viewport(), Qt::LeftButton, {}, cell.center()); // the third product
        cp = NumFromText(dialog.session().catalogue.grid[3][kCatCpAbove]);
        testing::Type(dialog, "KelvoGMenge", "500");
        testing::Type(dialog, "KelvoGTemp", "12");
        Press(dialog, "Command3D3");
        Press(dialog, "Command3D1");
    });
    window->openGoodsDialog();
    ASSERT_GT(cp, 0.0);
    const double expected = 500 * cp * (12 - room_C) / 3600.0;
    EXPECT_NEAR(window->controller().result().QG_kWhday - before, expected, 1e-9 * expected);
}

// Switching the group saves the group left at once; Cancel afterwards writes nothing more.
TEST_F(GoodsDialogTest, GroupSwitchSavesTheGroupLeftAndCancelWritesNothing) {
    for (const bool switchGroup : {true, false}) {
        SCOPED_TRACE(switchGroup ? "edit, switch, cancel" : "edit, cancel");
        const char* typed = switchGroup ? "Kept life" : "Lost life"; // the storage life of the second product
        const std::string list = DataFile("Akt_Kgut.dat");
        const std::string meat = DataFile("KelvoG1.ENG") + DataFile("KelvoA1.ENG");
        const std::string settings = DataFile("kgutpar.dat");
        GoodsDialog dialog(ctx, {"168", "48", "28", "2", "85"});
        ShowQuiet(dialog);
        testing::TypeCell(testing::Child<ui::GridWidget>(dialog, "DataKgut"), 2, kCatStorageLife, typed);
        if (switchGroup) {
            auto* tabs = dialog.findChild<QTabBar*>(QStringLiteral("SSTab1"));
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
            EXPECT_EQ(dialog.currentGroup(), 5);
        }
        const std::string meatAfter = DataFile("KelvoG1.ENG") + DataFile("KelvoA1.ENG");
        EXPECT_EQ(meatAfter.find(typed) != std::string::npos, switchGroup);
        Press(dialog, "Command3D2");
        EXPECT_EQ(DataFile("Akt_Kgut.dat"), list);
        EXPECT_EQ(DataFile("kgutpar.dat"), settings);
        EXPECT_EQ(DataFile("KelvoG1.ENG") + DataFile("KelvoA1.ENG"), switchGroup ? meatAfter : meat);
        EXPECT_NE(ctx.activationState, ActivationState::DialogChangedData);
    }
}

TEST_F(GoodsDialogTest, FiftyFirstInsertIsRefusedWithAMessage) {
    GoodsGrid full{};
    for (int r = 1; r <= kGoodsGridRows; ++r)
        full[static_cast<std::size_t>(r)] = {"", "P" + std::to_string(r), "10", "5", "2"};
    ASSERT_TRUE(WriteGoodsList(ctx, full));
    GoodsDialog dialog(ctx, {"168", "48", "28", "2", "85"});
    ShowQuiet(dialog);
    std::vector<Message> shown;
    dialog.setMessageSink([&shown](const Message& m) {
        shown.push_back(m);
        return false;
    });
    testing::Type(dialog, "KelvoGMenge2", "100");
    testing::Type(dialog, "TeinB", "10");
    Press(dialog, "Einfueg");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, ComposeMessage(ListFullMessage(), ctx.captions).text);
    EXPECT_EQ(dialog.session().list.count(), kGoodsGridRows);
}

// A row typed by hand without the properties its temperatures need is marked and named; a row beyond
// the counted ones is marked as not counted.
TEST_F(GoodsDialogTest, MainWindowMarksIncompleteAndUncountedRows) {
    OpenWindow();
    auto* grid = testing::Child<ui::GridWidget>(*window, "AKTKgut");
    auto* panel = qobject_cast<GoodsPanel*>(grid->parentWidget());
    ASSERT_NE(panel, nullptr);
    const struct {
        int row;
        const char* cells[4]; // name, amount, entry and end temperature
        GoodsPanel::RowMark mark;
    } rows[] = {{5, {"Beef carcass", "1000", "30", "4"}, GoodsPanel::RowMark::Incomplete},
                {22, {"Late apples", "200", "10", "4"}, GoodsPanel::RowMark::NotCounted}};
    for (const auto& r : rows)
        for (int f = 0; f < 4; ++f)
            testing::TypeCell(grid, r.row, kGoodsName + f, r.cells[f]);
    auto* messages = window->findChild<QLabel*>(QStringLiteral("calcMessages"));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.cells[0]);
        const GoodsPanel::Mark mark{r.row, r.mark};
        EXPECT_NE(std::find(panel->marks().begin(), panel->marks().end(), mark), panel->marks().end());
        EXPECT_TRUE(messages->text().contains(QString::fromLatin1(r.cells[0])));
        EXPECT_NE(grid->cellText(r.row, 0), QString::number(r.row));
    }
    // Completing the row removes its mark.
    testing::TypeCell(grid, 5, kGoodsFreezingTemp, "-1.7");
    testing::TypeCell(grid, 5, kGoodsCpAbove, "3.1");
    EXPECT_EQ(grid->cellText(5, 0), QStringLiteral("5"));
    EXPECT_FALSE(messages->text().contains(QStringLiteral("Beef carcass")));
}

} // namespace
} // namespace veskaro
