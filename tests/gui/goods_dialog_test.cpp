// The goods dialog driven by real mouse and key events, alone and opened from the main window.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/startup.h"
#include "goods/goods_dialog.h"
#include "goods/goods_list.h"
#include "qt_app.h"
#include "room/goods_panel_qt.h"
#include "room/main_window.h"
#include "ui/grid_widget.h"
#include "ui/picture_button.h"

namespace veskaro {
namespace {

namespace fs = std::filesystem;

class GoodsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() /
                 ("veskaro_kgut_" + std::string(info->name()) + "_" + std::to_string(std::random_device{}()));
        ctx = StartUp({(m_root / "data").string(), VESKARO_SEED_DIR});
    }
    void TearDown() override {
        window.reset();
        fs::remove_all(m_root);
    }
    std::string Read(const char* name) const {
        std::ifstream in(m_root / "data" / name, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return in ? bytes.str() : std::string("<missing>");
    }
    void OpenWindow() {
        ctx.activationState = ActivationState::NeverActivated; // each window loads the room afresh
        window = std::make_unique<StartWindow>(ctx);
        window->setMessageSink([](const Message&) {});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    fs::path m_root;
    AppContext ctx;
    std::unique_ptr<StartWindow> window;
};

void Press(QWidget& parent, const char* command) {
    auto* face = parent.findChild<ui::PictureFace*>(QString::fromLatin1(command));
    ASSERT_NE(face, nullptr) << command;
    QTest::mouseClick(face, Qt::LeftButton);
}

void Type(QWidget& parent, const char* field, const char* text) {
    auto* edit = parent.findChild<QLineEdit*>(QString::fromLatin1(field));
    ASSERT_NE(edit, nullptr) << field;
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

void ClickCell(ui::GridWidget* grid, int row, int column) {
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, column - 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Shows the dialog as the active window, so that typed keys reach it; messages fail the test.
void ShowActive(GoodsDialog& dialog) {
    dialog.setMessageSink([](const Message& m) {
        ADD_FAILURE() << "unexpected message: " << m.text;
        return false;
    });
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

double Num(const std::string& text) {
    return NumFromText(std::string_view(text));
}

// Each insert path changes the room's daily goods heat by the heat of the entry it adds: here goods
// cooled above their freezing point, m·cp·(t_entry − t_room) / 3600 kWh per day.
TEST_F(GoodsDialogTest, InsertChangesTheMainWindowResultByItsGoodsHeat) {
    struct Case {
        const char* name;
        bool group;     // group insert of the metal group, else the third meat product
        double amount;  // kg/day
        double entry_C; // °C
    };
    const Case cases[] = {{"product", false, 500, 12}, {"group", true, 500, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenWindow();
        const double before = window->controller().result().QG_kWhday;
        const double room_C = Num(window->controller().room().RaumTemp);
        double cp = 0.0;
        window->setGoodsDialogRunner([&](GoodsDialog& dialog) {
            ShowActive(dialog);
            const std::string amount = std::to_string(c.amount);
            const std::string entry = std::to_string(c.entry_C);
            if (c.group) {
                dialog.findChild<QAction*>(QStringLiteral("kg8"))->trigger();
                cp = 0.7; // the metal group's default specific heat
                Type(dialog, "KelvoGMenge2", amount.c_str());
                Type(dialog, "TeinB", entry.c_str());
                Press(dialog, "Einfueg");
            } else {
                ClickCell(dialog.findChild<ui::GridWidget*>(QStringLiteral("DataKgut")), 3, kCatName);
                cp = Num(dialog.session().catalogue.grid[3][kCatCpAbove]);
                Type(dialog, "KelvoGMenge", amount.c_str());
                Type(dialog, "KelvoGTemp", entry.c_str());
                Press(dialog, "Command3D3");
            }
            Press(dialog, "Command3D1");
        });
        window->openGoodsDialog();
        ASSERT_GT(cp, 0.0);
        const double expected = c.amount * cp * (c.entry_C - room_C) / 3600.0;
        EXPECT_NEAR(window->controller().result().QG_kWhday - before, expected, 1e-9 * expected);
        window.reset();
    }
}

// Switching the group saves the group left at once; Cancel afterwards writes nothing more.
TEST_F(GoodsDialogTest, GroupSwitchSavesTheGroupLeftAndCancelWritesNothing) {
    const struct {
        const char* name;
        bool switchGroup;
        const char* typed; // into the storage life of the second product
    } cases[] = {{"edit, switch, cancel", true, "Kept life"}, {"edit, cancel", false, "Lost life"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string list = Read("Akt_Kgut.dat");
        const std::string meat = Read("KelvoG1.ENG") + Read("KelvoA1.ENG");
        const std::string settings = Read("kgutpar.dat");
        GoodsDialog dialog(ctx, {"168", "48", "28", "2", "85"});
        ShowActive(dialog);
        auto* grid = dialog.findChild<ui::GridWidget*>(QStringLiteral("DataKgut"));
        ClickCell(grid, 2, kCatStorageLife);
        QTest::keyClicks(grid, QString::fromLatin1(c.typed).left(1));
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(c.typed).mid(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (c.switchGroup) {
            auto* tabs = dialog.findChild<QTabBar*>(QStringLiteral("SSTab1"));
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
            EXPECT_EQ(dialog.currentGroup(), 5);
        }
        const std::string meatAfter = Read("KelvoG1.ENG") + Read("KelvoA1.ENG");
        EXPECT_EQ(meatAfter.find(c.typed) != std::string::npos, c.switchGroup);
        Press(dialog, "Command3D2");
        EXPECT_EQ(Read("Akt_Kgut.dat"), list);
        EXPECT_EQ(Read("kgutpar.dat"), settings);
        EXPECT_EQ(Read("KelvoG1.ENG") + Read("KelvoA1.ENG"), c.switchGroup ? meatAfter : meat);
        EXPECT_NE(ctx.activationState, ActivationState::DialogChangedData);
    }
}

TEST_F(GoodsDialogTest, FiftyFirstInsertIsRefusedWithAMessage) {
    GoodsGrid full{};
    for (int r = 1; r <= kGoodsGridRows; ++r)
        full[static_cast<std::size_t>(r)] = {"", "P" + std::to_string(r), "10", "5", "2"};
    ASSERT_TRUE(WriteGoodsList(ctx, full));
    GoodsDialog dialog(ctx, {"168", "48", "28", "2", "85"});
    ShowActive(dialog);
    std::vector<Message> shown;
    dialog.setMessageSink([&shown](const Message& m) {
        shown.push_back(m);
        return false;
    });
    Type(dialog, "KelvoGMenge2", "100");
    Type(dialog, "TeinB", "10");
    Press(dialog, "Einfueg");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, ComposeMessage(ListFullMessage(), ctx.captions).text);
    EXPECT_EQ(dialog.session().list.count(), kGoodsGridRows);
    auto* list = dialog.findChild<ui::GridWidget*>(QStringLiteral("AKTKgut"));
    EXPECT_EQ(list->cellText(kGoodsGridRows, kGoodsName), QStringLiteral("P50"));
}

// A row typed by hand without the properties its temperatures need is marked and named; a row beyond
// the counted ones is marked as not counted.
TEST_F(GoodsDialogTest, MainWindowMarksIncompleteAndUncountedRows) {
    OpenWindow();
    auto* grid = window->findChild<ui::GridWidget*>(QStringLiteral("AKTKgut"));
    auto* panel = qobject_cast<GoodsPanel*>(grid->parentWidget());
    ASSERT_NE(panel, nullptr);
    const auto type = [grid](int row, int column, const char* text) {
        grid->setFocus();
        grid->setCurrentGridCell(row, column);
        QTest::keyClicks(grid, QString::fromLatin1(text).left(1));
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text).mid(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    const struct {
        int row;
        const char* cells[4]; // name, amount, entry and end temperature
        GoodsPanel::RowMark mark;
    } rows[] = {{5, {"Beef carcass", "1000", "30", "4"}, GoodsPanel::RowMark::Incomplete},
                {22, {"Late apples", "200", "10", "4"}, GoodsPanel::RowMark::NotCounted}};
    for (const auto& r : rows)
        for (int f = 0; f < 4; ++f)
            type(r.row, kGoodsName + f, r.cells[f]);
    auto* messages = window->findChild<QLabel*>(QStringLiteral("calcMessages"));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.cells[0]);
        const GoodsPanel::Mark mark{r.row, r.mark};
        EXPECT_NE(std::find(panel->marks().begin(), panel->marks().end(), mark), panel->marks().end());
        EXPECT_TRUE(messages->text().contains(QString::fromLatin1(r.cells[0])));
        EXPECT_NE(grid->cellText(r.row, 0), QString::number(r.row));
    }
    // Completing the row removes its mark.
    type(5, kGoodsFreezingTemp, "-1.7");
    type(5, kGoodsCpAbove, "3.1");
    EXPECT_EQ(grid->cellText(5, 0), QStringLiteral("5"));
    EXPECT_FALSE(messages->text().contains(QStringLiteral("Beef carcass")));
}

} // namespace
} // namespace veskaro
