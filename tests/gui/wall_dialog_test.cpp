// The wall dialog offscreen, driven by real key and mouse events: layers typed and pasted into the layer
// grid, catalogue rows taken over, the hand-over of one floor-plan wall, and the walls command of the main
// window whose transmission follows the construction.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGroupBox>

#include <cmath>

#include "envelope/wall_dialog.h"
#include "gui_fixture.h"

namespace veskaro {
namespace {

using testing::Press;

// The shown U-value of plane layers between two still-air films of level 2 (alpha e 11, alpha i 5), cut to
// two decimals: what an engineer works out by hand.
double HandU(std::initializer_list<std::pair<double, double>> layers_mm_WmK) {
    double r = 1.0 / 11.0 + 1.0 / 5.0;
    for (const auto& [s, lambda] : layers_mm_WmK)
        r += s / 1000.0 / lambda;
    return std::floor(100.0 / r) / 100.0;
}

ui::GridWidget* Grid(const QWidget& dialog, const char* name) {
    return testing::Child<ui::GridWidget>(dialog, name);
}

// Clicks the first cell of a grid row, scrolled into view.
void ClickRow(ui::GridWidget* grid, int row) {
    grid->scrollTo(grid->model()->index(row - 1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row - 1, 0)).center());
}

class WallDialogTest : public testing::DataDirTest {
  protected:
    // A dialog over wall 1 with its messages collected.
    std::unique_ptr<WallDialog> OpenOnWall1() {
        auto dialog = std::make_unique<WallDialog>(ctx, "32");
        dialog->setMessageSink([this](const Message& m) { messages.push_back(m); });
        EXPECT_TRUE(testing::ShowActive(*dialog));
        Press(*dialog, "W1butt");
        return dialog;
    }
};

// Only wall 1 changes: the transmission moves by exactly its new U-value over the same area and difference.
TEST_F(WallDialogTest, ConstructionBuiltInTheDialogChangesTheTransmissionByItsUValue) {
    OpenWindow();
    const SurfaceFlow before = window->controller().result().walls.at(0);
    const double transmissionBefore = window->controller().result().transmission.average_kW;
    testing::OnModal([](QWidget& dialog) {
        Press(dialog, "W1butt");
        const char* typed[][2] = {{"0.6", "50"}, {"100", "0.025"}, {"0.6", "50"}, {"20", "abc"}};
        for (int i = 0; i < 4; ++i) {
            testing::TypeCell(Grid(dialog, "DaemmS"), i + 1, 1, typed[i][0]);
            testing::TypeCell(Grid(dialog, "DaemmS"), i + 1, 2, typed[i][1]);
        }
        Press(dialog, "Rechbutt");
        Press(dialog, "Command3D2");
        Press(dialog, "Okbutt");
    });
    Press(*window, "wandbutt");

    const double U = HandU({{0.6, 50}, {100, 0.025}, {0.6, 50}}); // a text lambda does not count
    const RecalcResult& after = window->controller().result();
    EXPECT_DOUBLE_EQ(after.walls.at(0).U_Wm2K, U);
    const double expected_kW = (U - before.U_Wm2K) * before.area_m2 *
                               (before.tBeyond_C - NumFromText(window->controller().room().RaumTemp)) /
                               1000.0;
    EXPECT_NEAR(after.transmission.average_kW - transmissionBefore, expected_kW, 1e-9);
    EXPECT_DOUBLE_EQ(window->findChild<QLabel*>(QStringLiteral("envU1"))->text().toDouble(), U);
}

// A catalogue row goes into the next free layer, marked until it has a thickness; with all ten layers
// full it is refused with a message.
TEST_F(WallDialogTest, TakeOverFillsTheNextLayerOrIsRefused) {
    auto dialog = OpenOnWall1();
    ui::GridWidget* layers = Grid(*dialog, "DaemmS");
    ui::GridWidget* building = Grid(*dialog, "BauSspread");
    for (int r = 1; r <= 10; ++r) {
        if (r == 3) {
            ClickRow(building, 1);
            Press(*dialog, "BDbutt");
            EXPECT_EQ(layers->cellText(3, 3), building->cellText(1, 1));
            EXPECT_EQ(layers->cellText(3, 2), building->cellText(1, 2));
            EXPECT_TRUE(layers->cellText(3, 0).endsWith(QLatin1Char('!')));
        } else {
            ClickRow(Grid(*dialog, "Daemmspread"), 1);
            Press(*dialog, "DSbutt");
        }
        testing::TypeCell(layers, r, 1, QStringLiteral("10"));
    }
    EXPECT_TRUE(messages.empty());
    ClickRow(building, 1);
    Press(*dialog, "BDbutt");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(WallDialogTest, CancelWritesNoEnvelopeFile) {
    const std::string floor = DataFile("floor_CR.dat");
    const std::string standard = DataFile("K_w.dat");
    ctx.activationState = ActivationState::Active;
    auto dialog = OpenOnWall1();
    testing::TypeCell(Grid(*dialog, "DaemmS"), 1, 1, QStringLiteral("100"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Kwand2"))->setText(QStringLiteral("9"));
    Press(*dialog, "Command3D4");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(DataFile("floor_CR.dat"), floor);
    EXPECT_EQ(DataFile("K_w.dat"), standard);
    EXPECT_FALSE(DataFileExists(ctx, "w1.dat"));
    EXPECT_EQ(ctx.activationState, ActivationState::Active);
}

// O.K. hands the U-value and temperature of the floor-plan wall back, Cancel nothing.
TEST_F(WallDialogTest, PlanWallHandOver) {
    for (const bool accepted : {true, false}) {
        SCOPED_TRACE(accepted ? "O.K." : "Cancel");
        QString title;
        testing::OnModal([&](QWidget& dialog) {
            title = testing::Child<QGroupBox>(dialog, "Frame2")->title();
            QApplication::clipboard()->setText(QStringLiteral("100\t0.025\r"));
            ui::GridWidget* layers = Grid(dialog, "DaemmS");
            layers->setFocus();
            layers->setCurrentGridCell(1, 1);
            QTest::keyClick(layers, Qt::Key_Insert, Qt::ShiftModifier);
            Press(dialog, accepted ? "Command3D1" : "Command3D4");
        });
        const WallDialogResult result = RunWallDialogForPlanWall(ctx, nullptr, 7, "30");
        EXPECT_TRUE(title.endsWith(QStringLiteral(": 7"))) << title.toStdString();
        EXPECT_EQ(result.accepted, accepted);
        EXPECT_DOUBLE_EQ(NumFromText(std::string_view(result.uText)), accepted ? HandU({{100, 0.025}}) : 0.0);
        EXPECT_EQ(result.temperatureText, accepted ? "30" : "");
        EXPECT_FALSE(DataFileExists(ctx, "w1.dat"));
    }
}

} // namespace
} // namespace veskaro
