// The new-project sequence run from the main window with real key and mouse events: through to a
// calculated new room, and cancelled at each of its steps.

#include <gtest/gtest.h>

#include <QRadioButton>

#include "envelope/envelope_files.h"
#include "envelope/groundplan_dialog.h"
#include "envelope/wall_dialog.h"
#include "goods/goods_dialog.h"
#include "goods/goods_list.h"
#include "gui_fixture.h"
#include "project/new_project.h"
#include "project/new_project_dialog.h"
#include "project/project_file.h"

namespace veskaro {
namespace {

using testing::Press;

enum class Step { NewProject, Walls, FloorPlan, Goods, Finish };

class NewProjectSequenceTest : public testing::DataDirTest {
  protected:
    // Runs the sequence up to `last`: there it cancels, or (Finish) accepts the goods.
    void RunSequence(Step last) {
        testing::OnModal<NewProjectDialog>([last](NewProjectDialog& dialog) {
            dialog.setMessageSink(
                [](const Message& m) { ADD_FAILURE() << "unexpected message: " << m.text; });
            if (last == Step::NewProject) return Press(dialog, "abbrechbutt");
            const std::pair<const char*, const char*> typed[] = {
                {"RaumL", "12,5"}, {"RaumB", "8"}, {"RaumH", "4"}, {"RaumTemp", "2"}, {"RaumFeuchte", "85"}};
            for (const auto& [name, text] : typed)
                testing::Enter(dialog, name, text);
            if (last == Step::FloorPlan) {
                auto* draw = testing::Child<QRadioButton>(dialog, "draw");
                QTest::mouseClick(draw, Qt::LeftButton, {}, QPoint(6, draw->height() / 2)); // its indicator
                ASSERT_TRUE(draw->isChecked());
                testing::OnModal<GroundPlanDialog>([](GroundPlanDialog& plan) { Press(plan, "Command3D1"); });
            } else {
                testing::OnModal<WallDialog>([last](WallDialog& walls) {
                    // Within the sequence the dialog goes on instead of closing.
                    EXPECT_FALSE(testing::Child<QWidget>(walls, "Okbutt")->isVisibleTo(&walls));
                    Press(walls, last == Step::Walls ? "Command3D4" : "weiterbutt");
                });
            }
            Press(dialog, "weiterbutt");
        });
        window->setGoodsDialogRunner([last](GoodsDialog& goods) {
            goods.show();
            Press(goods, last == Step::Finish ? "Command3D1" : "Command3D2");
        });
        window->newProject();
    }

    // The files a cancel must leave as they were: the room file, the envelope files and the goods list.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const char* name : kEnvelopeFileNames)
            files[name] = DataFile(name);
        files["KelvoL.dat"] = DataFile("KelvoL.dat");
        files[std::string(kGoodsListFile)] = DataFile(std::string(kGoodsListFile));
        return files;
    }
};

TEST_F(NewProjectSequenceTest, RectangularRoomRunsThroughToACalculatedNewRoom) {
    OpenWindow();
    RunSequence(Step::Finish);
    const RoomRecord& room = window->controller().room();
    EXPECT_FALSE(ctx.newProjectPending);
    EXPECT_FALSE(PreviousProjectLeftAside(ctx));
    EXPECT_EQ(room.RaumL, "12.5");
    EXPECT_EQ(room.NBegeh, "6");
    EXPECT_EQ(room.ELLeist, "3");
    EXPECT_EQ(room.roomShape, kRectangularRoom);
    // 85 % room humidity holds with ΔT = 5.8 K (table 89 % at 5 K, 84 % at 6 K): verdTemp = 2 - 5.8.
    EXPECT_NEAR(testing::Num(QString::fromStdString(room.verdTemp)), -3.8, 1e-9);
    EXPECT_NEAR(testing::Num(QString::fromStdString(window->controller().result().Vol)), 400.0, 1e-9);
    EXPECT_GT(window->controller().result().Q0_kW, 0.0);
    EXPECT_EQ(testing::Child<QLineEdit>(*window, "RaumL")->text(), QStringLiteral("12.5"));
}

TEST_F(NewProjectSequenceTest, CancelAtAnyStepLeavesThePreviousProjectByteForByte) {
    for (const Step step : {Step::NewProject, Step::Walls, Step::FloorPlan, Step::Goods}) {
        SCOPED_TRACE(static_cast<int>(step));
        window.reset();
        ctx.activationState = ActivationState::NeverActivated;
        OpenWindow();
        // A previous project with goods and its walls, written as the window holds it.
        RoomRecord& previous = window->controller().room();
        previous.goods[1][kGoodsName] = "Apples";
        ASSERT_TRUE(WriteGoodsList(ctx, previous.goods));
        ASSERT_TRUE(window->controller().saveRoom("KelvoL.dat"));
        const std::map<std::string, std::string> before = Files();
        const RoomRecord fields = window->controller().room();

        RunSequence(step);
        EXPECT_FALSE(ctx.newProjectPending);
        EXPECT_FALSE(PreviousProjectLeftAside(ctx));
        EXPECT_EQ(DataFile(std::string(kGoodsRestoreFile)), "");
        EXPECT_EQ(Files(), before);
        for (int i = 0; i < kRoomFieldCount; ++i) {
            const auto field = static_cast<RoomField>(i);
            EXPECT_EQ(FieldText(window->controller().room(), field), FieldText(fields, field))
                << RoomFieldName(field);
        }
        EXPECT_EQ(window->controller().room().goods[1][kGoodsName], "Apples");
    }
}

TEST_F(NewProjectSequenceTest, InterruptedSequenceIsOfferedBackAtTheNextStart) {
    for (const bool restore : {true, false}) {
        SCOPED_TRACE(restore ? "Yes" : "No");
        window.reset();
        ctx.activationState = ActivationState::NeverActivated;
        ctx.newProjectPending = false;
        RoomRecord previous;
        previous.RaumL = "7";
        ASSERT_TRUE(SaveRoomFile(ctx, "KelvoL.dat", previous));
        ASSERT_TRUE(SetPreviousProjectAside(ctx, previous).started);
        ctx.newProjectPending = false; // the program was ended: a new run knows nothing of it
        int asked = 0;
        OpenWindow(
            [&](StartWindow& w) { w.setQuestionSink([&](const Message&) { return ++asked, restore; }); });
        EXPECT_EQ(asked, 1);
        EXPECT_FALSE(PreviousProjectLeftAside(ctx));
        EXPECT_EQ(window->controller().room().RaumL, restore ? "7" : "");
    }
}

} // namespace
} // namespace veskaro
