// ProjLaden offscreen: the file list, cancel, open and save as, driven by real mouse and key events.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "app/app_context.h"
#include "app/captions.h"
#include "app/record_file.h"
#include "project/project_dialog.h"
#include "project/project_file.h"

namespace veskaro {
namespace {

namespace fs = std::filesystem;

class QtEnvironment final : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "project_dialog_test";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

  private:
    QApplication* m_app = nullptr;
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

const std::string kRoom = "\"12\"\r\n\"8\"\r\n";

class ProjectDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() / ("veskaro_projdlg_" + std::string(info->name()));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "data");
        fs::create_directories(m_root / "projects");
        fs::copy_file(fs::path(VESKARO_SEED_DIR) / "Caption.ENG", m_root / "data" / "Caption.ENG");
        ctx.dataDir = (m_root / "data").string();
        LoadCaptions(ctx);
        ctx.projectDir = (m_root / "projects").string() + "/";
        Put(m_root / "data" / "KelvoL.dat", kRoom);
        Project("a.prj", "\"Hall A\",\"Fruit, 2 °C\",\"\",\"CR\"\r\n\"21\"\r\n\"x, y\"\r\n");
        Project("b.prj", "\"Lower\",\"\",\"\",\"cr\"\r\n\"1\"\r\n");
        Project("c.prj", "\"Office\",\"\",\"\",\"AC\"\r\n\"1\"\r\n");
        Project("d.prj", "\"cut\",\"off");
        Project("E.PRJ", "\"Hall E\",\"\",\"\",\"CR\"\r\n\"2\"\r\n");
        Project("f.txt", "\"Text\",\"\",\"\",\"CR\"\r\n");
    }
    void TearDown() override { fs::remove_all(m_root); }

    void Put(const fs::path& path, const std::string& bytes) {
        ASSERT_TRUE(WriteFileAtomic(path.string(), bytes));
    }
    // Project files are CP1252 on disk.
    void Project(const std::string& name, const std::string& text) {
        Put(m_root / "projects" / name, Utf8ToCp1252(text));
    }
    std::string Room() {
        std::string bytes;
        ReadFileBytes((m_root / "data" / "KelvoL.dat").string(), bytes);
        return bytes;
    }
    static QStringList Entries(const ProjectDialog& dialog) {
        QStringList names;
        const auto* list = dialog.findChild<QListWidget*>(QStringLiteral("List1"));
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    static void Click(const ProjectDialog& dialog, const char* button) {
        auto* face = dialog.findChild<QAbstractButton*>(QString::fromLatin1(button));
        ASSERT_NE(face, nullptr) << button;
        QTest::mouseClick(face, Qt::LeftButton);
    }
    // Runs `act` on the modal dialog as soon as it is shown.
    static void OnModal(std::function<void(ProjectDialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<ProjectDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    }

    fs::path m_root;
    AppContext ctx;
};

TEST_F(ProjectDialogTest, ListsOnlyReadableProjectsOfThisProgram) {
    ctx.dialogMode = kDialogModeOpenProject;
    ProjectDialog dialog(ctx);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("ProjLaden"));
    // "cr" and "AC" are other programs' codes; "d.prj" has no complete header.
    EXPECT_EQ(Entries(dialog), (QStringList{QStringLiteral("a.prj"), QStringLiteral("E.PRJ")}));
    EXPECT_EQ(dialog.findChild<QListWidget*>(QStringLiteral("File1"))->count(), 5);
    EXPECT_FALSE(dialog.findChild<QListWidget*>(QStringLiteral("File1"))->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Open project :"));
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("ProNam"))->text(), QStringLiteral(".prj"));
    const auto* first = dialog.findChild<QListWidget*>(QStringLiteral("List1"))->item(0);
    EXPECT_EQ(first->toolTip().toStdString(), "a.prj: Project Hall A, Fruit, 2 °C");
}

TEST_F(ProjectDialogTest, CancelOpensNothing) {
    OnModal([](ProjectDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("ProNam"));
        name->setText(QStringLiteral("  a.prj "));
        Click(dialog, "Command3D2");
    });
    EXPECT_FALSE(OpenProjectInteractive(ctx, nullptr));
    EXPECT_EQ(ctx.dialogMode, 0);
    EXPECT_EQ(ctx.projectFileName, "a.prj");
    EXPECT_EQ(ctx.currentProjectFile, "");
    EXPECT_EQ(Room(), kRoom);
}

TEST_F(ProjectDialogTest, PickingAnEntryAndEnterOpensIt) {
    ctx.dialogMode = kDialogModeOpenProject;
    ProjectDialog dialog(ctx);
    dialog.show();
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("List1"));
    const QRect entry = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("ProNam"))->text(), QStringLiteral("a.prj"));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(ctx.dialogMode, kDialogModeProjectOpened);
    EXPECT_EQ(ctx.currentProjectFile, "a.prj");
    EXPECT_EQ(ctx.projectDir, (m_root / "projects").string() + "/");
    EXPECT_EQ(Room(), "\"21\"\r\n\"x, y\"\r\n");
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ProjectDialogTest, OpenCommandReportsAReload) {
    OnModal([](ProjectDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("ProNam"))->setText(QStringLiteral("E.PRJ"));
        Click(dialog, "Command3D1");
    });
    EXPECT_TRUE(OpenProjectInteractive(ctx, nullptr));
    EXPECT_EQ(ctx.dialogMode, 0);
    EXPECT_EQ(Room(), "\"2\"\r\n");
}

TEST_F(ProjectDialogTest, SaveAsWithATypedNameFollowsTheSaveRules) {
    ctx.projectName = "Cold store: Hall 1";
    OnModal([](ProjectDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("ProNam"));
        EXPECT_EQ(name->text(), QStringLiteral("Coldstor.prj"));
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Freezer7"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_TRUE(SaveProjectAsInteractive(ctx, nullptr));
    EXPECT_EQ(ctx.dialogMode, 0);
    EXPECT_EQ(ctx.currentProjectFile, "Free.PRJ");
    EXPECT_TRUE(fs::exists(m_root / "projects" / "Free.PRJ"));

    // The save command reuses the current project file without asking.
    Put(m_root / "data" / "KelvoL.dat", "\"changed\"\r\n");
    EXPECT_TRUE(SaveProjectInteractive(ctx, nullptr));
    const auto saved = ReadProjectFile((m_root / "projects" / "Free.PRJ").string());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->items, std::vector<std::string>{"changed"});
}

TEST_F(ProjectDialogTest, NewFolderIsCreatedAndShown) {
    ctx.dialogMode = kDialogModeSaveProjectAs;
    ProjectDialog dialog(ctx);
    dialog.show();
    Click(dialog, "Command1");
    auto* path = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
    EXPECT_TRUE(path->isVisible());
    EXPECT_EQ(path->text(), dialog.browseDirectory());
    QTest::keyClicks(path, QStringLiteral("/2024"));
    QTest::mouseClick(dialog.findChild<QAbstractButton*>(QStringLiteral("Ok_butt")), Qt::LeftButton);
    EXPECT_TRUE(fs::is_directory(m_root / "projects" / "2024"));
    EXPECT_EQ(dialog.browseDirectory().toStdString(), (m_root / "projects" / "2024").string());
    EXPECT_TRUE(Entries(dialog).isEmpty());
    EXPECT_FALSE(path->isVisible());
}

} // namespace
} // namespace veskaro
