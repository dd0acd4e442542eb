// The floor-plan dialog offscreen, drawn on with real mouse events: an L-shaped room, the lengths handed
// to the wall table, the saved plan, take back, clear, the wall limit, Cancel and a hostile plan file.

#include <gtest/gtest.h>

#include <QPainter>
#include <QRadioButton>

#include "envelope/floor_plan.h"
#include "envelope/groundplan_dialog.h"
#include "envelope/plan_canvas_qt.h"
#include "envelope/wall_table.h"
#include "gui_fixture.h"

namespace veskaro {
namespace {

using testing::Press;

// The L of 10 x 10 grid steps with a 5 x 5 corner cut out, as (start, end) in grid steps.
const std::vector<std::array<double, 4>> kLShape = {{0, 0, 10, 0}, {10, 0, 10, 5}, {10, 5, 5, 5},
                                                    {5, 5, 5, 10}, {5, 10, 0, 10}, {0, 10, 0, 0}};

class GroundPlanDialogTest : public testing::DataDirTest {
  protected:
    std::unique_ptr<GroundPlanDialog> Open() {
        auto dialog = std::make_unique<GroundPlanDialog>(ctx);
        dialog->setMessageSink([this](const Message& m) {
            messages.push_back(m);
            return answer;
        });
        QObject::connect(dialog->canvas(), &PlanCanvas::wallDrawn, dialog->canvas(),
                         [this](int wall, double length) { lengths.emplace_back(wall, length); });
        dialog->resize(1100, 720);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
    // Drags from one grid point to another, the pointer a third of a step off the lines and wandering
    // sideways on its way, as a hand does.
    static void Drag(PlanCanvas* canvas, double sx, double sy, double ex, double ey) {
        const double step = kUnitsPerGridStep;
        const auto pixel = [&](double x, double y) {
            return canvas->toWidget({x * step + step / 3, y * step + step / 3}).toPoint();
        };
        QTest::mousePress(canvas, Qt::LeftButton, {}, pixel(sx, sy));
        QTest::mouseMove(canvas, pixel((sx + ex) / 2 + (ey - sy) / 4, (sy + ey) / 2 + (ex - sx) / 4));
        QTest::mouseMove(canvas, pixel(ex, ey));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, pixel(ex, ey));
    }
    bool answer = true;
    std::vector<std::pair<int, double>> lengths;
};

TEST_F(GroundPlanDialogTest, LShapeDrawnByMouseIsMeasuredAndSaved) {
    auto dialog = Open();
    for (const auto& [sx, sy, ex, ey] : kLShape)
        Drag(dialog->canvas(), sx, sy, ex, ey);
    // Floor and ceiling without U-value, temperature and density class: the checks refuse the O.K.
    Press(*dialog, "OKbutt");
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.front().text.find(" = 0 !!"), std::string::npos);
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    messages.clear();
    dialog.reset();

    WallTable described;
    for (const int row : {kFloorRow, kCeilingRow}) {
        const std::pair<int, const char*> cells[] = {
            {kColDesignation, row == kFloorRow ? "Floor" : "Ceiling"},
            {kColU, "0.2"},
            {kColTemperature, "10"},
            {kColDensityClass, "2"}};
        for (const auto& [column, text] : cells)
            described.setCell(row, column, text);
    }
    ASSERT_TRUE(SaveWallTable(ctx, described));
    lengths.clear();
    dialog = Open();
    for (const auto& [sx, sy, ex, ey] : kLShape)
        Drag(dialog->canvas(), sx, sy, ex, ey);

    const std::vector<std::pair<int, double>> expected = {{1, 5.0}, {2, 2.5}, {3, 2.5},
                                                          {4, 2.5}, {5, 2.5}, {6, 5.0}};
    EXPECT_EQ(lengths, expected); // half a metre per step
    EXPECT_TRUE(dialog->canvas()->outline().closed);
    EXPECT_TRUE(testing::Child<QLabel>(*dialog, "outlineInfo")->text().contains(QStringLiteral("18.75")));

    QTest::mouseClick(testing::Child<QRadioButton>(*dialog, "Richtung2"), Qt::LeftButton);
    EXPECT_EQ(testing::Child<QRadioButton>(*dialog, "Richtung2")->text().toStdString(),
              ctx.captions[Cap::CompassN]);
    EXPECT_EQ(testing::Child<QRadioButton>(*dialog, "Richtung1")->text().toStdString(),
              ctx.captions[Cap::CompassNW]);

    Press(*dialog, "OKbutt");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(ctx.activationState, ActivationState::DialogChangedData);
    const FloorPlan saved = ReadFloorPlan(ctx, 1000);
    EXPECT_EQ(saved.settings.northIndex, 2);
    ASSERT_EQ(saved.elements.size(), kLShape.size());
    for (std::size_t i = 0; i < kLShape.size(); ++i) {
        SCOPED_TRACE(i);
        const PlanSegment& s = saved.elements[i].segment;
        const auto& [sx, sy, ex, ey] = kLShape[i];
        EXPECT_EQ((std::array<double, 4>{s.x1, s.y1, s.x2, s.y2}),
                  (std::array<double, 4>{sx * 60, sy * 60, ex * 60, ey * 60}));
        EXPECT_EQ(saved.elements[i].kindText, ctx.captions[Cap::LayersWord]);
    }
}

TEST_F(GroundPlanDialogTest, OpenOutlineTakeBackClearAndTheWallLimit) {
    auto dialog = Open();
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& [sx, sy, ex, ey] = kLShape[i];
        Drag(dialog->canvas(), sx, sy, ex, ey);
    }
    // A click without movement draws nothing.
    Drag(dialog->canvas(), 2, 2, 2, 2);
    EXPECT_EQ(dialog->plan().wallCount(), 3);

    answer = false; // keep the open outline? no: the dialog stays open, nothing written
    Press(*dialog, "OKbutt");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, MessageKind::Question);
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(DataFileExists(ctx, "CR_GP.dat"));

    Press(*dialog, "backbutt");
    EXPECT_EQ(dialog->plan().wallCount(), 2);
    Press(*dialog, "delAlles");
    EXPECT_EQ(dialog->plan().wallCount(), 0);

    for (int i = 0; i < kMaxPlanWalls; ++i)
        ASSERT_TRUE(dialog->addWall({0, i * 60.0}, {60, i * 60.0}));
    messages.clear();
    Drag(dialog->canvas(), 3, 3, 8, 3);
    EXPECT_EQ(dialog->plan().wallCount(), kMaxPlanWalls);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(lengths.size(), 3u); // the three drawn walls only
}

TEST_F(GroundPlanDialogTest, CancelPutsBackAPendingNewProjectAndWritesNothing) {
    ctx.newProjectPending = true;
    auto dialog = Open();
    Drag(dialog->canvas(), 0, 0, 4, 0);
    Press(*dialog, "Command3D1");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(ctx.newProjectPending);
    EXPECT_FALSE(DataFileExists(ctx, "CR_GP.dat"));
}

TEST_F(GroundPlanDialogTest, HostilePlanFileOpensBoundedAndPaintsInsideItsArea) {
    std::string hostile = "\" 0\",\" 1e300\",\" 40000\",\"\",\"\",\"-5\",\"\",\"\",\"\",\"\"\r\n";
    for (int i = 0; i < 40; ++i)
        hostile += i % 2 ? "\" 2§$ 24000§$ 24000§$ 0§$ 24000§$§$ 0§$\"\r\n" : "\" 2§$-1e10§$nan§$§$\"\r\n";
    ASSERT_TRUE(WriteFileAtomic(ResolveDataPath(ctx, "CR_GP.dat"), hostile));
    auto dialog = Open();
    EXPECT_EQ(dialog->plan().elements.size(), 15u); // 30 records read, the broken half dropped
    EXPECT_DOUBLE_EQ(dialog->plan().settings.gridDistance_m, kDefaultGridDistance_m);
    // Painting into a larger image leaves everything outside the canvas untouched.
    PlanCanvas* canvas = dialog->canvas();
    QImage image(canvas->size() + QSize(40, 40), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.translate(20, 20);
    canvas->paintPlan(painter);
    painter.end();
    for (int x = 0; x < image.width(); ++x) {
        ASSERT_EQ(image.pixel(x, 5), qRgb(0, 0, 0));
        ASSERT_EQ(image.pixel(x, image.height() - 5), qRgb(0, 0, 0));
    }
    EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), qRgb(0, 0, 0));
}

} // namespace
} // namespace veskaro
