// The wall dialog offscreen on a fresh data directory, driven by real key and mouse events: layers typed
// and pasted into the layer grid, catalogue rows taken over, the hand-over of one floor-plan wall, and the
// walls command of the main window whose transmission follows the construction.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <filesystem>
#include <functional>
#include <random>

#include "app/app_context.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "app/startup.h"
#include "envelope/wall_dialog.h"
#include "qt_app.h"
#include "room/main_window.h"
#include "ui/grid_widget.h"
#include "ui/picture_button.h"

namespace veskaro {
namespace {

namespace fs = std::filesystem;

// The shown U-value of plane layers between two still-air films of level 2 (alpha e 11, alpha i 5), cut to
// two decimals: what an engineer works out by hand.
double HandU(std::initializer_list<std::pair<double, double>> layers_mm_WmK) {
    double r = 1.0 / 11.0 + 1.0 / 5.0;
    for (const auto& [s, lambda] : layers_mm_WmK)
        r += s / 1000.0 / lambda;
    return std::floor(100.0 / r) / 100.0;
}

class WallDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() / ("veskaro_walls_" + std::string(info->name()) + "_" +
                                              std::to_string(std::random_device{}()));
        ctx = StartUp({(m_root / "data").string(), VESKARO_SEED_DIR});
    }
    void TearDown() override { fs::remove_all(m_root); }

    std::string FileBytes(const char* name) const {
        std::string bytes;
        ReadFileBytes(ResolveDataPath(ctx, name), bytes);
        return bytes;
    }
    bool Exists(const char* name) const { return fs::exists(FindFileNoCase(ResolveDataPath(ctx, name))); }

    static void Click(QWidget* dialog, const char* name) {
        auto* face = dialog->findChild<ui::PictureFace*>(QString::fromLatin1(name));
        ASSERT_NE(face, nullptr) << name;
        QTest::mouseClick(face, Qt::LeftButton);
    }
    static ui::GridWidget* Grid(QWidget* dialog, const char* name) {
        return dialog->findChild<ui::GridWidget*>(QString::fromLatin1(name));
    }
    // Types `text` into a cell as the engineer does: select it with the mouse, type, Enter.
    static void Type(ui::GridWidget* grid, int row, int column, const QString& text) {
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, column - 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::keyClicks(grid, text.left(1));
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget()); // the edit box over the cell
        ASSERT_TRUE(box != nullptr && grid->isAncestorOf(box));
        QTest::keyClicks(box, text.mid(1));
        QTest::keyClick(box, Qt::Key_Return);
    }
    static void ClickRow(ui::GridWidget* grid, int row) {
        grid->scrollTo(grid->model()->index(row - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row - 1, 0)).center());
    }
    static QString Text(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    // Runs `drive` on the modal dialog once it is on screen.
    static void WhenOpen(std::function<void(QWidget*)> drive) {
        QTimer::singleShot(0, [drive = std::move(drive)] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialog->activateWindow();
            for (int i = 0; i < 100 && QApplication::activeWindow() != dialog; ++i)
                QTest::qWait(10);
            ASSERT_EQ(QApplication::activeWindow(), dialog);
            drive(dialog);
        });
    }

    // A dialog over wall 1 with its messages collected.
    std::unique_ptr<WallDialog> OpenOnWall1() {
        auto dialog = std::make_unique<WallDialog>(ctx, "32");
        dialog->setMessageSink([this](const Message& m) { messages.push_back(m); });
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        Click(dialog.get(), "W1butt");
        return dialog;
    }

    fs::path m_root;
    AppContext ctx;
    Messages messages;
};

TEST_F(WallDialogTest, ConstructionBuiltInTheDialogChangesTheTransmissionByItsUValue) {
    struct Row {
        const char* what;
        std::vector<std::array<const char*, 2>> typed; // thickness, lambda per layer
        double U;
    };
    const std::vector<Row> rows = {
        {"100 mm PIR between steel sheets",
         {{"0.6", "50"}, {"100", "0.025"}, {"0.6", "50"}},
         HandU({{0.6, 50}, {100, 0.025}, {0.6, 50}})},
        {"a text lambda does not count", {{"80", "0.022"}, {"20", "abc"}}, HandU({{80, 0.022}})},
        {"no layer: the air films alone", {}, HandU({})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove_all(m_root);
        ctx = StartUp({(m_root / "data").string(), VESKARO_SEED_DIR});
        StartWindow window(ctx);
        window.setMessageSink([](const Message&) {});
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        const SurfaceFlow before = window.controller().result().walls.at(0);
        const double transmissionBefore = window.controller().result().transmission.average_kW;

        WhenOpen([&row](QWidget* dialog) {
            Click(dialog, "W1butt");
            ui::GridWidget* layers = Grid(dialog, "DaemmS");
            for (std::size_t i = 0; i < row.typed.size(); ++i) {
                Type(layers, static_cast<int>(i) + 1, 1, QString::fromLatin1(row.typed[i][0]));
                Type(layers, static_cast<int>(i) + 1, 2, QString::fromLatin1(row.typed[i][1]));
            }
            Click(dialog, "Rechbutt");
            Click(dialog, "Command3D2");
            Click(dialog, "Okbutt");
        });
        QTest::mouseClick(window.findChild<ui::PictureFace*>(QStringLiteral("wandbutt")), Qt::LeftButton);

        const RecalcResult& after = window.controller().result();
        EXPECT_DOUBLE_EQ(after.walls.at(0).U_Wm2K, row.U);
        // Only wall 1 changed: the transmission moves by its new U-value over the same area and difference.
        const double expected_kW = (row.U - before.U_Wm2K) * before.area_m2 *
                                   (before.tBeyond_C - NumFromText(window.controller().room().RaumTemp)) /
                                   1000.0;
        EXPECT_NEAR(after.transmission.average_kW - transmissionBefore, expected_kW, 1e-9);
        EXPECT_DOUBLE_EQ(window.findChild<QLabel*>(QStringLiteral("envU1"))->text().toDouble(), row.U);
    }
}

TEST_F(WallDialogTest, LayerGridClipboardKeys) {
    struct Row {
        const char* what;
        std::string clipboardBefore;
        CellRange selection;
        QKeyCombination key;
        std::string clipboardAfter;                        // "": not checked
        std::vector<std::array<std::string, 4>> rowsAfter; // rows 1-3, columns 1-4
        double U;
    };
    const std::string pir = "100\t0.025\tPIR\t\r";
    const std::vector<Row> rows = {
        {"Ctrl+C copies the block",
         "x",
         {1, 1, 2, 2},
         Qt::CTRL | Qt::Key_C,
         "0.6\t50\r100\t0.025\r",
         {{"0.6", "50", "Steel", ""}, {"100", "0.025", "PIR", ""}, {"", "", "", ""}},
         HandU({{0.6, 50}, {100, 0.025}})},
        {"Delete clears and leaves the clipboard",
         "x",
         {2, 1, 2, 2},
         QKeyCombination(Qt::Key_Delete),
         "x",
         {{"0.6", "50", "Steel", ""}, {"", "", "PIR", ""}, {"", "", "", ""}},
         HandU({{0.6, 50}})},
        {"Shift+Delete cuts",
         "x",
         {2, 1, 2, 1},
         Qt::SHIFT | Qt::Key_Delete,
         "100",
         {{"0.6", "50", "Steel", ""}, {"", "0.025", "PIR", ""}, {"", "", "", ""}},
         HandU({{0.6, 50}})},
        {"Shift+Insert pastes from the current cell",
         pir + pir,
         {3, 1, 3, 1},
         Qt::SHIFT | Qt::Key_Insert,
         "",
         {{"0.6", "50", "Steel", ""}, {"100", "0.025", "PIR", ""}, {"100", "0.025", "PIR", ""}},
         HandU({{0.6, 50}, {100, 0.025}, {100, 0.025}, {100, 0.025}})},
        {"Ctrl+V of a single text",
         "75",
         {2, 1, 2, 1},
         Qt::CTRL | Qt::Key_V,
         "",
         {{"0.6", "50", "Steel", ""}, {"75", "0.025", "PIR", ""}, {"", "", "", ""}},
         HandU({{0.6, 50}, {75, 0.025}})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        auto dialog = OpenOnWall1();
        ui::GridWidget* layers = Grid(dialog.get(), "DaemmS");
        layers->applyWrites(
            {{1, 1, "0.6"}, {1, 2, "50"}, {1, 3, "Steel"}, {2, 1, "100"}, {2, 2, "0.025"}, {2, 3, "PIR"}});
        QApplication::clipboard()->setText(QString::fromStdString(row.clipboardBefore));
        layers->setFocus();
        layers->setCurrentGridCell(row.selection.row1, row.selection.column1);
        layers->setRangeSelected({row.selection.row1 - 1, row.selection.column1 - 1, row.selection.row2 - 1,
                                  row.selection.column2 - 1},
                                 true);
        QTest::keyClick(layers, row.key.key(), row.key.keyboardModifiers());
        if (!row.clipboardAfter.empty()) {
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(), row.clipboardAfter);
        }
        for (int r = 1; r <= 3; ++r) {
            for (int c = 1; c <= 4; ++c)
                EXPECT_EQ(layers->cellText(r, c).toStdString(), row.rowsAfter[r - 1][c - 1]) << r << "," << c;
        }
        EXPECT_DOUBLE_EQ(NumFromText(Text(dialog.get(), "AKTKWert").toStdString()), row.U);
    }
}

TEST_F(WallDialogTest, TakeOverFillsTheNextLayerOrIsRefused) {
    struct Row {
        const char* what;
        int filledLayers;
        int catalogueRow; // a row of the building catalogue; beyond its materials it is blank
        bool refused;
        bool taken;
    };
    const std::vector<Row> rows = {
        {"into the next free row", 2, 1, false, true},
        {"all ten rows full", 10, 1, true, false},
        {"a blank catalogue row", 0, 99, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        messages.clear();
        auto dialog = OpenOnWall1();
        ui::GridWidget* layers = Grid(dialog.get(), "DaemmS");
        ui::GridWidget* building = Grid(dialog.get(), "BauSspread");
        for (int r = 1; r <= row.filledLayers; ++r) {
            ClickRow(Grid(dialog.get(), "Daemmspread"), 1);
            Click(dialog.get(), "DSbutt");
            Type(layers, r, 1, QStringLiteral("10"));
        }
        ClickRow(building, row.catalogueRow);
        Click(dialog.get(), "BDbutt");
        const int target = row.filledLayers + 1;
        EXPECT_EQ(layers->cellText(target, 3),
                  row.taken ? building->cellText(row.catalogueRow, 1) : QString());
        EXPECT_EQ(layers->cellText(target, 2),
                  row.taken ? building->cellText(row.catalogueRow, 2) : QString());
        EXPECT_EQ(messages.size(), row.refused ? 1u : 0u);
        // A taken-over row has no thickness yet: it is marked.
        EXPECT_EQ(layers->cellText(target, 0).endsWith(QLatin1Char('!')), row.taken);
    }
}

TEST_F(WallDialogTest, CancelWritesNoEnvelopeFile) {
    const std::string floor = FileBytes("floor_CR.dat");
    const std::string standard = FileBytes("K_w.dat");
    ctx.activationState = ActivationState::Active;
    auto dialog = OpenOnWall1();
    Type(Grid(dialog.get(), "DaemmS"), 1, 1, QStringLiteral("100"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Kwand2"))->setText(QStringLiteral("9"));
    Click(dialog.get(), "Command3D4");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(FileBytes("floor_CR.dat"), floor);
    EXPECT_EQ(FileBytes("K_w.dat"), standard);
    EXPECT_FALSE(Exists("w1.dat"));
    EXPECT_EQ(ctx.activationState, ActivationState::Active);
}

TEST_F(WallDialogTest, PlanWallHandOver) {
    struct Row {
        const char* what;
        const char* accept; // button pressed at the end
        bool accepted;
    };
    const std::vector<Row> rows = {
        {"O.K. hands the U-value and temperature back", "Command3D1", true},
        {"Cancel hands nothing back", "Command3D4", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QString title;
        WhenOpen([&](QWidget* dialog) {
            title = dialog->findChild<QGroupBox*>(QStringLiteral("Frame2"))->title();
            QApplication::clipboard()->setText(QStringLiteral("100\t0.025\r"));
            ui::GridWidget* layers = Grid(dialog, "DaemmS");
            layers->setFocus();
            layers->setCurrentGridCell(1, 1);
            QTest::keyClick(layers, Qt::Key_Insert, Qt::ShiftModifier);
            Click(dialog, row.accept);
        });
        const WallDialogResult result = RunWallDialogForPlanWall(ctx, nullptr, 7, "30");
        EXPECT_TRUE(title.endsWith(QStringLiteral(": 7"))) << title.toStdString();
        EXPECT_EQ(result.accepted, row.accepted);
        EXPECT_DOUBLE_EQ(NumFromText(std::string_view(result.uText)),
                         row.accepted ? HandU({{100, 0.025}}) : 0.0);
        EXPECT_EQ(result.temperatureText, row.accepted ? "30" : "");
        EXPECT_FALSE(Exists("w1.dat"));
    }
}

} // namespace
} // namespace veskaro
