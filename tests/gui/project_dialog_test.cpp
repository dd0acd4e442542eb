// ProjLaden offscreen: the file list, cancel, open and save as, driven by real mouse and key events.

#include <gtest/gtest.h>

#include <QListWidget>

#include "app/captions.h"
#include "gui_fixture.h"
#include "project/project_dialog.h"
#include "project/project_file.h"

namespace veskaro {
namespace {

namespace fs = std::filesystem;
using testing::Child;
using testing::OnModal;

const std::string kRoom = "\"12\"\r\n\"8\"\r\n";

class ProjectDialogTest : public testing::DataDirTest {
  protected:
    void SetUp() override {
        DataDirTest::SetUp();
        ctx.projectDir = Folder("projects");
        m_projects = m_root / "projects";
        ASSERT_TRUE(WriteFileAtomic((m_root / "data" / "KelvoL.dat").string(), kRoom));
        // Project files are CP1252 on disk.
        const std::pair<const char*, const char*> files[] = {
            {"a.prj", "\"Hall A\",\"Fruit, 2 °C\",\"\",\"CR\"\r\n\"21\"\r\n\"x, y\"\r\n"},
            {"b.prj", "\"Lower\",\"\",\"\",\"cr\"\r\n\"1\"\r\n"},
            {"c.prj", "\"Office\",\"\",\"\",\"AC\"\r\n\"1\"\r\n"},
            {"d.prj", "\"cut\",\"off"},
            {"E.PRJ", "\"Hall E\",\"\",\"\",\"CR\"\r\n\"2\"\r\n"},
            {"f.txt", "\"Text\",\"\",\"\",\"CR\"\r\n"}};
        for (const auto& [name, text] : files) {
            ASSERT_TRUE(WriteFileAtomic((m_projects / name).string(), Utf8ToCp1252(text)));
        }
    }
    std::string Room() const { return DataFile("KelvoL.dat"); }
    static QStringList Entries(const ProjectDialog& dialog) {
        QStringList names;
        const auto* list = Child<QListWidget>(dialog, "List1");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    fs::path m_projects;
};

TEST_F(ProjectDialogTest, ListsOnlyReadableProjectsOfThisProgram) {
    ctx.dialogMode = DialogMode::Open;
    ProjectDialog dialog(ctx);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("ProjLaden"));
    // "cr" and "AC" are other programs' codes; "d.prj" has no complete header.
    EXPECT_EQ(Entries(dialog), (QStringList{QStringLiteral("a.prj"), QStringLiteral("E.PRJ")}));
    EXPECT_EQ(Child<QLabel>(dialog, "Label1")->text(), QStringLiteral("Open project :"));
    EXPECT_EQ(Child<QListWidget>(dialog, "List1")->item(0)->toolTip().toStdString(),
              "a.prj: Project Hall A, Fruit, 2 °C");
}

TEST_F(ProjectDialogTest, PickingAnEntryAndEnterOpensIt) {
    ctx.dialogMode = DialogMode::Open;
    ProjectDialog dialog(ctx);
    dialog.show();
    auto* list = Child<QListWidget>(dialog, "List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(Child<QLineEdit>(dialog, "ProNam")->text(), QStringLiteral("a.prj"));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(ctx.dialogMode, DialogMode::Opened);
    EXPECT_EQ(ctx.currentProjectFile, "a.prj");
    EXPECT_EQ(ctx.projectDir, m_projects.string() + "/");
    EXPECT_EQ(Room(), "\"21\"\r\n\"x, y\"\r\n");
    EXPECT_FALSE(dialog.isVisible());
}

// Open with a typed name: O.K. reads the project into the room record, Cancel reads nothing.
TEST_F(ProjectDialogTest, OpenCommandReportsAReloadAndCancelOpensNothing) {
    for (const char* command : {"Command3D2", "Command3D1"}) {
        SCOPED_TRACE(command);
        const bool ok = std::string_view(command) == "Command3D1";
        OnModal<ProjectDialog>([command](ProjectDialog& dialog) {
            Child<QLineEdit>(dialog, "ProNam")->setText(QStringLiteral("E.PRJ"));
            testing::Press(dialog, command);
        });
        EXPECT_EQ(OpenProjectInteractive(ctx, nullptr), ok);
        EXPECT_EQ(ctx.dialogMode, DialogMode::None);
        EXPECT_EQ(Room(), ok ? "\"2\"\r\n" : kRoom);
    }
}

TEST_F(ProjectDialogTest, SaveAsWithATypedNameFollowsTheSaveRules) {
    ctx.projectName = "Cold store: Hall 1";
    OnModal<ProjectDialog>([](ProjectDialog& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "ProNam")->text(), QStringLiteral("Coldstor.prj"));
        testing::Enter(dialog, "ProNam", "Freezer7"); // Enter in the name field saves
    });
    EXPECT_TRUE(SaveProjectAsInteractive(ctx, nullptr));
    EXPECT_EQ(ctx.dialogMode, DialogMode::None);
    EXPECT_EQ(ctx.currentProjectFile, "Free.PRJ");
    EXPECT_TRUE(fs::exists(m_projects / "Free.PRJ"));
}

TEST_F(ProjectDialogTest, NewFolderIsCreatedAndShown) {
    ctx.dialogMode = DialogMode::SaveAs;
    ProjectDialog dialog(ctx);
    dialog.show();
    testing::Press(dialog, "Command1");
    auto* path = Child<QLineEdit>(dialog, "Text1");
    EXPECT_TRUE(path->isVisible());
    EXPECT_EQ(path->text(), dialog.browseDirectory());
    QTest::keyClicks(path, QStringLiteral("/2024"));
    testing::Press(dialog, "Ok_butt");
    EXPECT_TRUE(fs::is_directory(m_projects / "2024"));
    EXPECT_EQ(dialog.browseDirectory().toStdString(), (m_projects / "2024").string());
    EXPECT_TRUE(Entries(dialog).isEmpty());
    EXPECT_FALSE(path->isVisible());
}

} // namespace
} // namespace veskaro
