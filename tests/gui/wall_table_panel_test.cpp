// The wall table panel driven by real events: details taken over into their row, previous/next, the
// U-value handed back by the construction editor, and the checks that refuse saving.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPrinter>

#include "envelope/wall_table_panel_qt.h"
#include "gui_fixture.h"
#include "report/print_settings_dialog.h"

namespace veskaro {
namespace {

using testing::Child;
using testing::Press;

class WallTablePanelTest : public testing::DataDirTest {
  protected:
    std::unique_ptr<WallTablePanel> OpenPanel() {
        auto panel = std::make_unique<WallTablePanel>(ctx);
        panel->setMessageSink([this](const Message& m) { messages.push_back(m); });
        panel->load();
        panel->setRoomHeight(3.0);
        panel->show();
        return panel;
    }
};

TEST_F(WallTablePanelTest, DetailsGoIntoTheSelectedRowAndPreviousNextWalk) {
    auto panel = OpenPanel();
    panel->setWallLength(1, 6.0);
    panel->setWallLength(2, 2.5);
    panel->selectWall(2);
    ASSERT_EQ(panel->selectedRow(), 4);
    testing::Type(*panel, "Text3", QStringLiteral("Machine room side"));
    testing::Type(*panel, "Text5", QStringLiteral("0,22"));
    testing::Type(*panel, "Text6", QStringLiteral("20"));
    testing::Type(*panel, "DichteT", QStringLiteral("2"));
    auto* types = Child<QComboBox>(*panel, "ftcombo");
    ASSERT_GT(types->count(), 2);
    types->setCurrentIndex(2);
    Child<QComboBox>(*panel, "schatttyp")->setCurrentIndex(3);
    Press(*panel, "Command3"); // next: takes row 4 over, shows row 5

    const WallTable& t = panel->table();
    EXPECT_EQ(t.cell(4, kColDesignation), "Machine room side");
    EXPECT_EQ(t.cell(4, kColArea), "7.5");
    EXPECT_EQ(NumFromText(t.cell(4, kColU)), 0.22);
    EXPECT_EQ(t.cell(4, kColDensityClass), "2");
    EXPECT_EQ(t.cell(4, kColWindowType), types->itemText(2).toStdString());
    EXPECT_GT(NumFromText(t.cell(4, kColWindowValue)), 0.0); // the type's U-value
    EXPECT_EQ(t.cell(4, kColShading), "3");
    EXPECT_EQ(panel->selectedRow(), 5);
    EXPECT_EQ(Child<QLineEdit>(*panel, "Text3")->text(), QString());

    Press(*panel, "Command2");
    Press(*panel, "Command2"); // back to wall 1
    EXPECT_EQ(panel->selectedWall(), 1);
    EXPECT_EQ(Child<QLineEdit>(*panel, "Text4")->text(), QStringLiteral("6"));
    for (int i = 0; i < 4; ++i)
        Press(*panel, "Command2");
    EXPECT_EQ(panel->selectedRow(), kFloorRow); // stops at the floor row
    EXPECT_EQ(panel->selectedWall(), 0);
}

TEST_F(WallTablePanelTest, ConstructionEditorHandsUAndTemperatureIntoTheWallRow) {
    for (const bool accepted : {true, false}) {
        SCOPED_TRACE(accepted ? "accepted" : "cancelled");
        const WallDialogResult answer =
            accepted ? WallDialogResult{true, " .187", "-20"} : WallDialogResult{false, "9", "9"};
        const std::string u = accepted ? " .187" : "0.4"; // column 4 afterwards
        auto panel = OpenPanel();
        int askedFor = 0;
        panel->setWallDialogRunner([&](int wall) {
            askedFor = wall;
            return answer;
        });
        panel->selectWall(5);
        testing::Type(*panel, "Text5", QStringLiteral("0.4"));
        Press(*panel, "kwertbutt");
        EXPECT_EQ(askedFor, 5);
        EXPECT_EQ(panel->table().cell(WallRow(5), kColU), u);
        EXPECT_EQ(Child<QLineEdit>(*panel, "Text5")->text().toStdString(), u);
    }
}

TEST_F(WallTablePanelTest, ChecksShowOneCriticalMessagePerColumnAndSaveWritesTheTable) {
    auto panel = OpenPanel();
    panel->setWallLength(1, 4.0);
    panel->selectWall(1);
    testing::Type(*panel, "Text3", QStringLiteral("North wall"));
    EXPECT_FALSE(panel->checkTable());
    ASSERT_EQ(messages.size(), 3u); // U-value, temperature, construction class
    for (const Message& m : messages)
        EXPECT_EQ(m.kind, MessageKind::Critical);
    EXPECT_NE(messages[0].text.find("3 = 0 !!"), std::string::npos) << messages[0].text;

    messages.clear();
    testing::Type(*panel, "Text5", QStringLiteral(".3"));
    testing::Type(*panel, "Text6", QStringLiteral("25"));
    testing::Type(*panel, "DichteT", QStringLiteral("1"));
    EXPECT_TRUE(panel->checkTable());
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(panel->save());
    EXPECT_EQ(LoadWallTable(ctx), panel->table());
    EXPECT_EQ(LoadWallTable(ctx).cell(WallRow(1), kColArea), "12");
}

TEST_F(WallTablePanelTest, PrintSavesTheTableAndPrintsItsRowsUnlessTheSettingsAreCancelled) {
    for (const char* command : {"Abbutt", "Okbutt"}) {
        SCOPED_TRACE(command);
        const bool printing = std::string(command) == "Okbutt";
        auto panel = OpenPanel();
        panel->setWallLength(1, 4.0);
        panel->selectWall(1);
        testing::Type(*panel, "Text3", QStringLiteral("Loading bay wall"));
        const std::filesystem::path pdf = m_root / (std::string(command) + ".pdf");
        testing::OnModal<PrintSettingsDialog>([&pdf, command](PrintSettingsDialog& settings) {
            settings.setPrinterDialogRunner([&pdf](QPrinter& printer, QWidget*) {
                printer.setOutputFileName(QString::fromStdString(pdf.string()));
                printer.setOutputFormat(QPrinter::PdfFormat);
                return 1;
            });
            Press(settings, command);
        });
        panel->printReport();
        EXPECT_EQ(ctx.dialogMode, DialogMode::None);
        EXPECT_EQ(LoadWallTable(ctx).cell(WallRow(1), kColDesignation), printing ? "Loading bay wall" : "");
        if (!printing) {
            EXPECT_FALSE(std::filesystem::exists(pdf));
            continue;
        }
        EXPECT_EQ(testing::PdfPages(QString::fromStdString(pdf.string())), 1);
        const std::filesystem::path txt = m_root / "table.txt";
        const std::string cmd = "pdftotext " + pdf.string() + " " + txt.string();
        ASSERT_EQ(std::system(cmd.c_str()), 0) << "pdftotext (poppler-utils) is needed";
        std::string text;
        ASSERT_TRUE(ReadFileBytes(txt.string(), text));
        EXPECT_NE(text.find("Loading bay wall"), std::string::npos) << text;
    }
}

} // namespace
} // namespace veskaro
