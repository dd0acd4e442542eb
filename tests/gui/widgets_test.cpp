// The reusable window widgets: the picture button with its caption twin and the editable grid.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QSignalSpy>

#include "gui_fixture.h"
#include "ui/picture_button.h"

namespace veskaro::ui {
namespace {

class PictureButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        button.setText(QStringLiteral("Calculate"));
        button.resize(160, 48);
        button.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    }
    PictureButton button{QStringLiteral("Rechbutt")};
    QSignalSpy triggered{&button, &PictureButton::triggered};
};

TEST_F(PictureButtonTest, CaptionPictureAndKeysRunTheCommandOnReleaseUnlessDisabled) {
    EXPECT_EQ(button.caption()->objectName(), QStringLiteral("Rechbutt_l"));
    CaptionTwin* caption = button.caption();
    QTest::mousePress(caption, Qt::LeftButton, {}, caption->rect().center());
    EXPECT_TRUE(button.face()->isDown());
    EXPECT_EQ(triggered.count(), 0);
    QTest::mouseRelease(caption, Qt::LeftButton, {}, caption->rect().center());
    EXPECT_FALSE(button.face()->isDown());
    EXPECT_EQ(triggered.count(), 1);

    // Released away from the caption: the picture comes up and nothing runs.
    QTest::mousePress(caption, Qt::LeftButton, {}, caption->rect().center());
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(button.face()->isDown());
    EXPECT_EQ(triggered.count(), 1);

    // The picture and the keys run it on release too, unless the button is disabled.
    QTest::mouseClick(button.face(), Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 2);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        const int before = triggered.count();
        QTest::keyPress(button.face(), key);
        EXPECT_TRUE(button.face()->isDown());
        EXPECT_EQ(triggered.count(), before);
        QTest::keyRelease(button.face(), key);
        EXPECT_EQ(triggered.count(), before + 1);
    }
    button.setEnabled(false);
    QTest::mouseClick(button.caption(), Qt::LeftButton);
    QTest::mouseClick(button.face(), Qt::LeftButton);
    QTest::keyClick(button.face(), Qt::Key_Return);
    EXPECT_EQ(triggered.count(), 5);
    EXPECT_FALSE(button.face()->isDown());
}

class GridWidgetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        grid.resize(600, 300);
        ASSERT_TRUE(testing::ShowActive(grid));
        grid.setFocus();
    }
    GridWidget grid{6, 5};
};

TEST_F(GridWidgetTest, EditBoxEndsOnEnterEscapeAndArrowsUnlessStartedWithF2) {
    QSignalSpy edited(&grid, &GridWidget::cellEdited);
    testing::TypeCell(&grid, 1, 1, QStringLiteral("12.5"), Qt::Key_Return);
    EXPECT_EQ(grid.cellText(1, 1), QStringLiteral("12.5"));
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited[0][0].toInt(), 1);
    EXPECT_EQ(edited[0][1].toInt(), 1);
    testing::TypeCell(&grid, 2, 2, QStringLiteral("abc"), Qt::Key_Escape); // Escape also keeps the typed text
    EXPECT_EQ(grid.cellText(2, 2), QStringLiteral("abc"));

    const std::tuple<Qt::Key, int, int> moves[] = {
        {Qt::Key_Down, 4, 3}, {Qt::Key_Up, 2, 3}, {Qt::Key_Right, 3, 4}, {Qt::Key_Left, 3, 2}};
    for (const auto& [key, row, column] : moves) {
        SCOPED_TRACE(key);
        testing::TypeCell(&grid, 3, 3, QStringLiteral("7"), key);
        EXPECT_EQ(grid.cellText(3, 3), QStringLiteral("7"));
        EXPECT_EQ(grid.currentGridRow(), row);
        EXPECT_EQ(grid.currentGridColumn(), column);
    }

    // An edit started with F2 keeps Left and Right for the caret.
    grid.setCellText(1, 2, QStringLiteral("45"));
    grid.setCurrentGridCell(1, 2);
    QTest::keyClick(&grid, Qt::Key_F2);
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClicks(box, QStringLiteral("."));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(grid.cellText(1, 2), QStringLiteral("4.5"));
    EXPECT_EQ(grid.currentGridColumn(), 2);
}

TEST_F(GridWidgetTest, BlockCopyPasteDeleteLockedColumnsAndTwips) {
    for (int k = 0; k < 4; ++k) // a b / c d
        grid.setCellText(1 + k / 2, 1 + k % 2, QString(QChar(u'a' + k)));
    grid.setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("a\tb\rc\td\r"));

    grid.clearSelection();
    grid.setCurrentGridCell(3, 3);
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid.cellText(3, 3), QStringLiteral("a"));
    EXPECT_EQ(grid.cellText(4, 4), QStringLiteral("d"));
    EXPECT_EQ(grid.cellText(5, 3), QString()); // nothing beyond the block

    grid.setRangeSelected(QTableWidgetSelectionRange(2, 2, 3, 3), true);
    QSignalSpy edited(&grid, &GridWidget::cellEdited);
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(grid.cellText(3, 3), QString());
    EXPECT_EQ(grid.cellText(4, 4), QString());
    EXPECT_EQ(edited.count(), 4);

    // A locked column takes no typing; widths are set in twips, zero hides.
    grid.setColumnEditable(2, false);
    grid.setCurrentGridCell(1, 2);
    QTest::keyClicks(&grid, QStringLiteral("9"));
    EXPECT_EQ(grid.cellText(1, 2), QStringLiteral("b"));
    EXPECT_EQ(QApplication::focusWidget(), &grid);

    grid.setColumnWidthTwips(1, 3000);
    grid.setColumnWidthTwips(3, 0);
    EXPECT_EQ(grid.columnWidth(0), 200);
    EXPECT_TRUE(grid.isColumnHidden(2));
}

} // namespace
} // namespace veskaro::ui
