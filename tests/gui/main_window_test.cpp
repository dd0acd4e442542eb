// The main window offscreen on a fresh data directory, driven by real key and mouse events. What the
// controller does with the room is tested without widgets in tests/room/room_controller_test.cpp.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QPrinter>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include "../app/temp_data_dir.h"
#include "app/handover.h"
#include "goods/goods_list.h"
#include "gui_fixture.h"
#include "project/project_file.h"
#include "report/print_settings_dialog.h"
#include "ui/input_field.h"

namespace veskaro {
namespace {

using testing::Num;
using testing::OnModal;

class MainWindowTest : public testing::DataDirTest {
  protected:
    void Trigger(const char* name) const {
        auto* action = testing::Child<QAction>(*window, name);
        ASSERT_TRUE(action && action->isEnabled()) << name;
        action->trigger();
    }
    // Runs a command that must not ask anything: a modal dialog it shows is cancelled and reported.
    bool AsksWhile(const std::function<void()>& command) const {
        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                asked = true;
                modal->close();
            }
        });
        command();
        QApplication::processEvents();
        return asked;
    }
};

TEST_F(MainWindowTest, FirstActivationShowsTheDefaultRoomAndItsCapacity) {
    OpenWindow();
    EXPECT_EQ(Text("Label50"), QStringLiteral("KelvoL.dat"));
    EXPECT_GT(Value("RaumLeist"), 0.0);
    EXPECT_EQ(Text("LaufzeitEinheit"),
              QStringLiteral("h/") + QString::fromStdString(ctx.captions[Cap::DayWord]));
    Click("SchockF");
    EXPECT_EQ(Text("LaufzeitEinheit"), QStringLiteral(" h"));
    for (const char* name :
         {"NeuPButt", "KelvoGutButt", "wandbutt", "VerdampButt"}) // wandbutt: a rectangular room
        EXPECT_TRUE(testing::Child<QAbstractButton>(*window, name)->isEnabled()) << name;
    for (const char* name : {"ladP", "Psich", "PsichA", "Pri", "kgeinf", "WDbearb", "vddesign"})
        EXPECT_TRUE(window->findChild<QAction*>(QString::fromLatin1(name))->isEnabled()) << name;
}

TEST_F(MainWindowTest, EnterOrLeavingAFieldRecalculatesAndTypingAloneDoesNot) {
    OpenWindow();
    const std::pair<Qt::Key, QString> commits[] = {{Qt::Key_Return, QStringLiteral("-5")},
                                                   {Qt::Key_Tab, QStringLiteral("-10")}};
    for (const auto& [key, text] : commits) {
        SCOPED_TRACE(key == Qt::Key_Tab ? "Tab" : "Enter");
        const QString before = Text("RaumLeist");
        Type("RaumTemp", text);
        EXPECT_EQ(Text("RaumLeist"), before);
        QTest::keyClick(Field("RaumTemp"), key);
        EXPECT_GT(Value("RaumLeist"), Num(before)); // colder room, more heat flows in
    }
    EXPECT_TRUE(Field("RaumFeuchte")->hasFocus()); // Tab moved on after committing

    // A lone decimal comma is taken as the decimal separator and written back as a period.
    Enter("RaumH", QStringLiteral("4,5"));
    EXPECT_EQ(Text("RaumH"), QStringLiteral("4.5"));
    EXPECT_EQ(Value("Vol"), 8.0 * 6.0 * 4.5); // the volume follows
}

// Every bar is wired alike (the positions themselves are tested in room_controller_test.cpp): one bar
// follows its field and a click on its right arrow writes the field back and recalculates.
TEST_F(MainWindowTest, ScrollBarFollowsItsFieldAndWritesItBack) {
    OpenWindow();
    Enter("RaumLW", QStringLiteral("2.3"));
    auto* bar = testing::Child<QScrollBar>(*window, "HScroll3");
    EXPECT_EQ(bar->value(), 23);
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect arrow =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
    const QString before = Text("RaumLeist");
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
    EXPECT_DOUBLE_EQ(Value("RaumLW"), 2.4);
    EXPECT_NE(Text("RaumLeist"), before);
}

TEST_F(MainWindowTest, DoorPanelComputesAndOnlyOkTakesTheDoorAirChange) {
    OpenWindow();
    EXPECT_FALSE(window->doorPanelOpen());
    Click("doorbutt");
    ASSERT_TRUE(window->doorPanelOpen());
    EXPECT_TRUE(Field("bTuer")->hasFocus());
    Enter("bTuer", QStringLiteral("1"));
    Enter("hTuer", QStringLiteral("2.5"));
    Enter("oeffungsZ", QStringLiteral("1"));
    Click("lwrech");
    const double open = Value("LWergeb");
    EXPECT_GT(open, 0.0);
    auto* airCurtain = window->findChild<QCheckBox*>(QStringLiteral("AirCurtain"));
    QTest::mouseClick(airCurtain, Qt::LeftButton, {}, QPoint(8, airCurtain->height() / 2));
    EXPECT_TRUE(airCurtain->isChecked());
    const double curtain = Value("LWergeb");
    EXPECT_LT(curtain, open); // the click computed again

    // Cancel and Escape keep the door air change of the calculation; O.K. takes the computed one.
    const QString used = Text("LWTuer");
    for (const bool escape : {false, true}) {
        if (escape)
            QTest::keyClick(Field("hTuer"), Qt::Key_Escape);
        else
            Click("abbutt3");
        EXPECT_FALSE(window->doorPanelOpen());
        EXPECT_EQ(Text("LWTuer"), used);
        Click("doorbutt");
    }
    const QString before = Text("RaumLeist");
    Click("OKbutt3");
    EXPECT_FALSE(window->doorPanelOpen());
    EXPECT_DOUBLE_EQ(Value("LWTuer"), curtain);
    EXPECT_NE(Text("RaumLeist"), before);
}

TEST_F(MainWindowTest, AStoppedCalculationShowsNoOlderResult) {
    OpenWindow();
    int opened = 0;
    int printed = 0;
    // The result command writes both result files before it opens the result window.
    window->setResultWindowOpener(
        [&] { opened += DataFile("ergCR.DAT").size() * DataFile("ergCR2.DAT").size() > 0; });
    window->setPrinter([&] { ++printed; });
    Click("Command3D3");
    ASSERT_EQ(opened, 1); // result files of the room at 0 °C now exist
    auto* warning = window->findChild<QLabel*>(QStringLiteral("capacityWarning"));
    EXPECT_FALSE(warning->isVisibleTo(window.get()));

    const std::string stop =
        ctx.captions[Cap::RoomWord] + " " + ctx.captions[Cap::TemperatureWord] + " < -50°C!";
    Enter("RaumTemp", QStringLiteral("-60"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, stop);
    EXPECT_TRUE(warning->isVisibleTo(window.get()));
    EXPECT_EQ(warning->text().toStdString(), stop);
    Click("Rechbutt"); // the same cause: no second box
    EXPECT_EQ(messages.size(), 1u);
    // Result and print show the stop message again and nothing else.
    for (const char* command : {"Command3D3", "PriButt"}) {
        SCOPED_TRACE(command);
        messages.clear();
        Click(command);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, stop);
    }
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(printed, 0);

    Enter("RaumTemp", QStringLiteral("-20"));
    EXPECT_FALSE(warning->isVisibleTo(window.get()));
    Click("PriButt");
    EXPECT_EQ(printed, 1);
}

TEST_F(MainWindowTest, GoodsEndTemperatureMessageOnceWhileItsCauseStays) {
    OpenWindow();
    auto* grid = window->findChild<ui::GridWidget*>(QStringLiteral("AKTKgut"));
    ASSERT_NE(grid, nullptr);
    for (int c = 1; c <= kGoodsRespiration; ++c) // every field of a row is reachable
        EXPECT_FALSE(grid->isColumnHidden(c - 1)) << c;
    // Two goods cooled below the room temperature: typed into the grid, each edit recalculates.
    auto* list = window->findChild<QLabel*>(QStringLiteral("calcMessages"));
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isVisibleTo(window.get()));
    testing::TypeCell(grid, 1, kGoodsEndTemp, "-4");
    EXPECT_EQ(grid->cellText(1, kGoodsEndTemp), QStringLiteral("-4"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, MessageKind::Plain);
    EXPECT_NE(messages[0].text.find(" < "), std::string::npos);
    // While the cause stays, the message stands in the result panel and no box appears again.
    testing::TypeCell(grid, 2, kGoodsEndTemp, "-3");
    Click("Rechbutt");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(list->isVisibleTo(window.get()));
    EXPECT_TRUE(list->text().contains(QStringLiteral(" < ")));
    // A changed text is shown: the message now names the second row's end temperature.
    testing::TypeCell(grid, 1, kGoodsEndTemp, "5");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].text, messages[0].text);
    // Once the cause went away, it is shown again when it returns.
    testing::TypeCell(grid, 2, kGoodsEndTemp, "5");
    EXPECT_FALSE(list->isVisibleTo(window.get()));
    testing::TypeCell(grid, 2, kGoodsEndTemp, "-3");
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].text, messages[1].text);
}

TEST_F(MainWindowTest, AFieldOutOfItsRangeIsMarkedAndTheCapacityGreyed) {
    // Room heights above 1000 m are no cold room: the field is framed red and the capacity greyed.
    OpenWindow();
    auto* height = window->findChild<ui::InputField*>(QStringLiteral("RaumH"));
    auto* warning = window->findChild<QLabel*>(QStringLiteral("capacityWarning"));
    const struct {
        const char* text;
        bool flagged;
    } rows[] = {{"2000", true}, {"3.5", false}, {"1001", true}, {"-8", true}, {"4", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Enter("RaumH", QString::fromLatin1(row.text));
        EXPECT_EQ(height->hasRangeWarning(), row.flagged);
        // The warning stands first; the field's own hint (meaning, unit, range) stays below it.
        EXPECT_EQ(height->toolTip().startsWith(QStringLiteral("Valid range")), row.flagged);
        EXPECT_TRUE(height->toolTip().contains(QStringLiteral("Room height, m. Range: ")));
        EXPECT_EQ(warning->isVisibleTo(window.get()), row.flagged);
        if (row.flagged) {
            EXPECT_TRUE(
                warning->text().contains(QStringLiteral("(RaumH) = ") + QString::fromLatin1(row.text)));
        }
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("RaumLeist"))->property("doubtful").toBool(),
                  row.flagged);
        // The frame is drawn red: the left edge of the field, half way down.
        const QColor edge = height->grab().toImage().pixelColor(0, height->height() / 2);
        if (row.flagged) {
            EXPECT_GT(edge.red(), 150);
            EXPECT_GT(edge.red(), edge.blue() + 60);
        } else {
            EXPECT_LT(edge.red(), edge.blue()); // the window's grey-blue frame
        }
    }
}

TEST_F(MainWindowTest, ExitSavesTheRoomOnlyWhenAskedAndAnswersTheCaller) {
    const std::string saved = DataFile("KelvoL.dat");
    // Closing by the frame with unsaved changes asks; the exit commands keep their meaning and never ask.
    const struct {
        const char* how;
        QMessageBox::StandardButton answer; // NoButton: no question may appear
        bool closes;
        bool saves;
    } exits[] = {{"frame", QMessageBox::Cancel, false, false},
                 {"frame", QMessageBox::Discard, true, false},
                 {"Command3D1", QMessageBox::NoButton, true, false},
                 {"frame", QMessageBox::Save, true, true},
                 {"Command3D2", QMessageBox::NoButton, true, true}};
    for (const auto& [how, answer, closes, saves] : exits) {
        SCOPED_TRACE(std::string(how) + " " + std::to_string(answer));
        OpenWindow();
        Enter("RaumB", QStringLiteral("7.5"));
        Enter("tempdiff", QStringLiteral("7"));
        Enter("proj", QStringLiteral("Hall 4")); // typed, never saved: the caller still gets it
        const std::string verdTemp = Text("verdTemp").toStdString();
        const std::string capacity = Text("RaumLeist").toStdString();
        EXPECT_TRUE(answer == QMessageBox::NoButton || window->windowTitle().startsWith(QLatin1Char('*')));
        QMessageBox::StandardButton asked = QMessageBox::NoButton;
        QTimer::singleShot(0, [&asked, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = answer;
                box->button(answer == QMessageBox::NoButton ? QMessageBox::Cancel : answer)->click();
            }
        });
        if (std::string_view(how) == "frame")
            window->close();
        else
            Click(how);
        EXPECT_EQ(asked, answer);
        EXPECT_EQ(window->isVisible(), !closes);
        EXPECT_EQ(DataFile("KelvoL.dat") != saved, saves);
        if (!closes) continue;
        const std::vector<std::string> items = testing::AllItems(OpenInput(ctx, "VESKData.dat"));
        ASSERT_EQ(items.size(), 24u);
        EXPECT_EQ(items[5], verdTemp);
        EXPECT_EQ(items[7], capacity);
        EXPECT_EQ(items[9], "Hall 4");
    }
    EXPECT_EQ(testing::AllItems(OpenInput(ctx, "KelvoL.dat")).at(1), "7.5");
}

TEST_F(MainWindowTest, ProjectIsSavedAsThenSavedAgainAndOpened) {
    OpenWindow();
    ctx.projectDir = Folder("projects");
    Enter("RaumL", QStringLiteral("11"));
    Enter("proj", QStringLiteral("Hall 7"));
    // Without a current project the save command asks for a name, proposed from `proj`.
    OnModal<ProjectDialog>([](ProjectDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("ProNam"))->text(),
                  QStringLiteral("Hall7.prj"));
        testing::Press(dialog, "Command3D1");
    });
    Click("PsichButt");
    const std::string path = (m_root / "projects" / "Hall7.prj").string();
    ASSERT_TRUE(ReadProjectFile(path));
    EXPECT_EQ(ReadProjectFile(path)->header.name, "Hall 7");
    EXPECT_EQ(Text("Label50"), QStringLiteral("Hall7.prj"));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" Hall 7")));

    // Now it saves straight into the project, with the room on screen.
    Enter("RaumL", QStringLiteral("13"));
    EXPECT_FALSE(AsksWhile([this] { Trigger("Psich"); }));
    EXPECT_EQ(ReadProjectFile(path)->items.at(0), "13");

    // A project that cannot be opened changes nothing; opening the saved one brings its room back.
    ASSERT_TRUE(WriteFileAtomic(ctx.projectDir + "cut.prj", "\"cut\",\"off"));
    ASSERT_TRUE(WriteFileAtomic(ctx.projectDir + "odd.prj", "\"x\",\"\",\"\",\"ZZ\"\r\n\"1\"\r\n"));
    Enter("RaumL", QStringLiteral("5"));
    const std::string room = DataFile("KelvoL.dat");
    const QString title = window->windowTitle();
    for (const char* name : {"cut.prj", "odd.prj", "missing.prj"}) {
        SCOPED_TRACE(name);
        testing::AcceptProjectName(QString::fromLatin1(name));
        Trigger("ladP");
        EXPECT_EQ(DataFile("KelvoL.dat"), room);
        EXPECT_EQ(Value("RaumL"), 5.0);
        EXPECT_EQ(window->windowTitle(), title);
    }
    testing::AcceptProjectName(QStringLiteral("Hall7.prj"));
    Trigger("ladP");
    EXPECT_EQ(Value("RaumL"), 13.0);
    EXPECT_EQ(Value("Vol"), 13.0 * 6.0 * 3.5); // recalculated
}

TEST_F(MainWindowTest, StartUpRequestOpensTheProjectAndSavesBackIntoIt) {
    // The calling program names a project of a 14 m room in a folder of its own.
    const std::string seeded = DataFile("KelvoL.dat");
    const std::string project = Folder("elsewhere") + "start.prj";
    ASSERT_TRUE(WriteFileAtomic(project, "\"Start\",\"\",\"\",\"CR\"\r\n\"14\"\r\n" +
                                             seeded.substr(seeded.find('\n') + 1)));
    RecordWriter request;
    request.integer(1).endLine().integer(kHandoverProjectRequest).endLine();
    request.line("").line("").line("KelvoL.dat").line(project);
    ASSERT_TRUE(SaveOutput(ctx, "VESKData.dat", request));

    OpenWindow();
    EXPECT_EQ(Value("RaumL"), 14.0);
    EXPECT_EQ(Text("Label50"), QStringLiteral("start.prj"));
    EXPECT_EQ(testing::AllItems(OpenInput(ctx, "VESKData.dat")), (std::vector<std::string>{"0", "0"}));

    Enter("RaumL", QStringLiteral("15"));
    EXPECT_FALSE(AsksWhile([this] { Trigger("Psich"); }));
    EXPECT_EQ(ReadProjectFile(project)->items.at(0), "15");
}

TEST_F(MainWindowTest, GoodsListOfADialogReplacesTheWholeGrid) {
    OpenWindow();
    auto* grid = window->findChild<ui::GridWidget*>(QStringLiteral("AKTKgut"));
    ASSERT_FALSE(grid->cellText(4, kGoodsName).isEmpty()); // the default room has four goods
    RoomRecord list = window->controller().room();
    list.goods[1][kGoodsAmount] = "4000";
    list.goods[4][kGoodsName] = "";
    ASSERT_TRUE(WriteGoodsList(ctx, list.goods));

    const QString before = Text("RaumLeist");
    ctx.activationState = ActivationState::DialogChangedData;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_EQ(grid->cellText(1, kGoodsAmount), QStringLiteral("4000"));
    for (int c = 1; c <= kGoodsEntryFields; ++c)
        EXPECT_TRUE(grid->cellText(4, c).isEmpty()) << "column " << c;
    EXPECT_GT(Value("RaumLeist"), Num(before));
    EXPECT_EQ(ctx.activationState, ActivationState::Active);
}

TEST_F(MainWindowTest, PrintWritesTheResultFilesAndPrintsTwoPagesWithTheLogo) {
    OpenWindow();
    ASSERT_TRUE(DataFile("ergCR.DAT").empty()); // printing writes the result files
    ctx.projectDir = Folder("pictures");
    QImage square(90, 90, QImage::Format_RGB32);
    square.fill(Qt::darkBlue);
    ASSERT_TRUE(square.save(QString::fromStdString(ctx.projectDir + "square.jpg")));
    auto* logo = window->findChild<QLabel*>(QStringLiteral("logo"));
    EXPECT_EQ(logo->pixmap().width(), 200); // the default logo, 260 x 80, in its box
    const QString pdf = QString::fromStdString((m_root / "report.pdf").string());

    OnModal<PrintSettingsDialog>([pdf](PrintSettingsDialog& settings) {
        settings.setPrinterDialogRunner([pdf](QPrinter& printer, QWidget*) {
            printer.setOutputFileName(pdf);
            printer.setOutputFormat(QPrinter::PdfFormat);
            return 1;
        });
        testing::AcceptProjectName(
            QStringLiteral("square.jpg")); // ProjLaden in picture mode, over the settings
        testing::Press(settings, "Command1");
        testing::Press(settings, "Okbutt");
    });
    Click("PriButt");
    EXPECT_FALSE(DataFile("ergCR.DAT").empty());
    EXPECT_EQ(testing::PdfPages(pdf), 2);
    EXPECT_EQ(ctx.dialogMode, DialogMode::None);

    // The main window shows the new logo when it is active again.
    window->activate();
    EXPECT_EQ(logo->pixmap().size(), QSize(62, 62));
}

} // namespace
} // namespace veskaro
