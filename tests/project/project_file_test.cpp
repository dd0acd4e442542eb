// Project files: names, the file format, open and save with their failure paths, the restore copy.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/app_context.h"
#include "app/record_file.h"
#include "project/drives.h"
#include "project/project_file.h"
#include "room/room_record.h"

namespace veskaro {
namespace {

namespace fs = std::filesystem;

class ProjectFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() / ("veskaro_project_" + std::string(info->name()));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "data");
        fs::create_directories(m_root / "projects");
        ctx.dataDir = (m_root / "data").string();
        ctx.savedWorkingDir = m_root.string();
        folder = (m_root / "projects").string() + "/";
    }
    void TearDown() override { fs::remove_all(m_root); }

    void Put(const fs::path& path, const std::string& bytes) {
        ASSERT_TRUE(WriteFileAtomic(path.string(), bytes));
    }
    std::string Bytes(const fs::path& path) {
        std::string bytes;
        ReadFileBytes(path.string(), bytes);
        return bytes;
    }
    fs::path Data(const std::string& name) const { return m_root / "data" / name; }
    fs::path Project(const std::string& name) const { return m_root / "projects" / name; }

    fs::path m_root;
    std::string folder;
    AppContext ctx;
};

RoomRecord RoomWithCommas() {
    RoomRecord room;
    std::string* texts[] = {&room.RaumL,       &room.RaumB,      &room.RaumH,         &room.RaumTemp,
                            &room.RaumFeuchte, &room.AussenTemp, &room.AussenFeuchte, &room.RaumLW,
                            &room.Laufzeit,    &room.PersZahl,   &room.NBegeh,        &room.ELLeist,
                            &room.tempdiff,    &room.verdTemp,   &room.VerdNam,       &room.PlueftPN,
                            &room.Abtau,       &room.AbtauAnt,   &room.AnzVerd,       &room.proj,
                            &room.projbeschr,  &room.LWTuer,     &room.bTuer,         &room.hTuer,
                            &room.oeffungsZ,   &room.Eltotal};
    int n = 0;
    for (auto* text : texts)
        *text = "field " + std::to_string(++n) + ", with comma";
    room.defrostFlag = 1;
    room.roomShape = 1;
    room.operatingBasis = 1;
    for (int r = 1; r <= kGoodsRowsCounted; ++r) {
        for (int c = 1; c < kGoodsGridColumns; ++c)
            room.goods[r][c] = std::to_string(r) + "," + std::to_string(c);
    }
    room.envelope = {{"CR_WALL.dat", {"Wall 1, north", " .35", "-20,5", ""}},
                     {"floor_CR.dat", {"Floor, slab", "0.28", "10"}}};
    return room;
}

std::string RoomText(const RoomRecord& room) {
    RecordWriter out;
    WriteRoomRecord(out, room, room.envelope);
    return out.text();
}

TEST_F(ProjectFileTest, RoomWithWallsSurvivesSaveAndOpen) {
    const RoomRecord room = RoomWithCommas();
    Put(Data("KelvoL.dat"), RoomText(room));
    ctx.projectName = "Hall 3, freezer";
    ctx.projectDescription = "Ice cream, pallets";
    ctx.projectFileName = "hall3.prj";
    ASSERT_TRUE(SaveProject(ctx, "CR", folder));
    const std::string saved = Bytes(Project("hall3.prj"));
    EXPECT_EQ(saved.substr(0, saved.find('\n') + 1),
              "\"Hall 3, freezer\",\"Ice cream, pallets\",\"\",\"CR\"\r\n");

    Put(Data("KelvoL.dat"), "\"another room\"\r\n");
    ctx.projectName.clear();
    // A folder may end with either separator.
    ASSERT_TRUE(OpenProject(ctx, (m_root / "projects").string() + "\\", "CR"));
    EXPECT_EQ(ctx.dialogMode, kDialogModeProjectOpened);
    EXPECT_EQ(ctx.currentProjectFile, "hall3.prj");
    EXPECT_EQ(ctx.projectName, "Hall 3, freezer");

    RoomRecord reread;
    RecordReader in = OpenInput(ctx, "KelvoL.dat");
    ReadRoomRecord(in, reread);
    EXPECT_EQ(RoomText(reread), RoomText(room));
    ASSERT_EQ(reread.envelope.size(), 2u);
    EXPECT_EQ(reread.envelope[0].items[0], "Wall 1, north");
}

TEST_F(ProjectFileTest, BodyQuotesEveryItemOnItsOwnLine) {
    Put(Data("KelvoL.dat"), "12.5,\"a, b\",,-3\r\n\"x\"\r\n");
    ctx.projectFileName = "p.prj";
    ASSERT_TRUE(SaveProject(ctx, "CR", folder));
    EXPECT_EQ(Bytes(Project("p.prj")),
              "\"\",\"\",\"\",\"CR\"\r\n\"12.5\"\r\n\"a, b\"\r\n\"\"\r\n\"-3\"\r\n\"x\"\r\n");
    ASSERT_TRUE(OpenProject(ctx, folder, "CR"));
    EXPECT_EQ(Bytes(Data("KelvoL.dat")), "\"12.5\"\r\n\"a, b\"\r\n\"\"\r\n\"-3\"\r\n\"x\"\r\n");
}

TEST_F(ProjectFileTest, SaveNamesTheFileByTheNameRules) {
    struct Row {
        const char* fileName;
        const char* projectName;
        const char* written;
    } rows[] = {
        {"", "Cold store: Hall 1", "Coldstore Hall 1.prj"},
        {"   ", "x-y, z!", "xyz.prj"}, // one of each removed character, in order
        {".prj", "A.B.C", "AB.C.prj"},
        {" .PRJ ", "Hall", "Hall.prj"},
        {"Plan.Prj", "ignored", "Plan.Prj"},
        {"site.dat", "ignored", "site.PRJ"},
        {"  store.dat ", "ignored", "store.PRJ"},
        {"Freezer7", "ignored", "Free.PRJ"}, // four characters replaced, not appended
        {"Kühlraum", "ignored", "Kühl.PRJ"}, // characters, not bytes
        {"ab", "ignored", "ab.PRJ"},
        {"abcd", "ignored", "abcd.PRJ"},
    };
    Put(Data("KelvoL.dat"), "\"1\"\r\n");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fileName);
        ctx.projectFileName = row.fileName;
        ctx.projectName = row.projectName;
        EXPECT_TRUE(SaveProject(ctx, "CR", folder));
        EXPECT_EQ(ctx.currentProjectFile, row.written);
        EXPECT_TRUE(fs::exists(Project(row.written)));
    }
}

TEST_F(ProjectFileTest, SaveAsProposesTheShortStem) {
    struct Row {
        const char* fileName;
        const char* proposed;
    } rows[] = {
        {"", "Coldstor.prj"}, {" .Prj", "Coldstor.prj"}, {"Hall", "Hall.prj"}, {"Plan.PRJ", "Plan.PRJ"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fileName);
        ctx.projectName = "Cold store: Hall 1";
        ctx.projectFileName = row.fileName;
        EXPECT_EQ(ProposeSaveAsName(ctx), row.proposed);
        EXPECT_EQ(ctx.fileStem, "Coldstore Hall 1");
    }
}

TEST_F(ProjectFileTest, FailedSaveLeavesTheExistingProject) {
    const std::string good = "\"Old\",\"\",\"\",\"CR\"\r\n\"7\"\r\n";
    Put(Project("old.prj"), good);
    ctx.projectFileName = "old.prj";
    EXPECT_FALSE(SaveProject(ctx, "CR", folder)); // no KelvoL.dat to carry
    EXPECT_EQ(Bytes(Project("old.prj")), good);

    Put(Data("KelvoL.dat"), "\"1\"\r\n");
    EXPECT_FALSE(SaveProject(ctx, "CR", (m_root / "missing" / "deeper").string() + "/"));
    EXPECT_EQ(ctx.currentProjectFile, "old.prj");
    EXPECT_EQ(Bytes(Project("old.prj")), good);
}

TEST_F(ProjectFileTest, UnreadableProjectLeavesTheRoomFileAlone) {
    const std::string room = "\"12\"\r\n\"8\"\r\n";
    Put(Data("KelvoL.dat"), room);
    struct Row {
        const char* what;
        std::string bytes;
    } rows[] = {
        {"empty", ""},
        {"header cut after three strings", "\"Hall\",\"desc\",\"\","},
        {"header cut inside the code", "\"Hall\",\"desc\",\"\",\"C"},
        {"three strings", "\"Hall\",\"desc\",\"CR\"\r\n\"1\"\r\n"},
        {"unquoted header", "Hall,desc,,CR\r\n\"1\"\r\n"},
        {"a room record", room},
        {"binary", std::string("\"a\",\"b\",\"\",\"CR\"\r\n\x00\x01", 19)},
        {"unknown code", "\"Hall\",\"desc\",\"\",\"XY\"\r\n\"1\"\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Put(Project("bad.prj"), row.bytes);
        ctx.projectFileName = "bad.prj";
        ctx.dialogMode = 0;
        EXPECT_FALSE(OpenProject(ctx, folder, "CR"));
        EXPECT_EQ(ctx.dialogMode, 0);
        EXPECT_EQ(Bytes(Data("KelvoL.dat")), room);
    }
    ctx.projectFileName = "missing.prj";
    EXPECT_FALSE(OpenProject(ctx, folder, "CR"));
    EXPECT_EQ(ctx.currentProjectFile, "");
    EXPECT_EQ(Bytes(Data("KelvoL.dat")), room);
}

TEST_F(ProjectFileTest, StoredCodeChoosesTheRestoredFile) {
    const std::string room = "\"12\"\r\n";
    struct Row {
        const char* code;
        const char* restored;
    } rows[] = {{"AC", "KlimaL.dat"}, {"hx", "HX_ACT.dat"}, {"cr", "KelvoL.dat"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        Put(Data("KelvoL.dat"), room);
        Put(Project("s.prj"), std::string("\"S\",\"\",\"\",\"") + row.code + "\"\r\n\"21\"\r\n\"x, y\"\r\n");
        ctx.projectFileName = "s.prj";
        ctx.dialogMode = 0;
        EXPECT_TRUE(OpenProject(ctx, folder, "CR"));
        EXPECT_EQ(ctx.dialogMode, kDialogModeProjectOpened);
        EXPECT_EQ(Bytes(Data(row.restored)), "\"21\"\r\n\"x, y\"\r\n");
        if (std::string(row.restored) != "KelvoL.dat") {
            EXPECT_EQ(Bytes(Data("KelvoL.dat")), room);
        }
        fs::remove(Data(row.restored));
    }
}

TEST_F(ProjectFileTest, HeaderOnlyAndLineFeedFilesAreProjects) {
    const auto bare = ParseProjectText("\"N\",\"D\",\"third\",\"CR\"");
    ASSERT_TRUE(bare);
    EXPECT_TRUE(bare->items.empty());
    EXPECT_EQ(bare->header.reserved, "third");
    const auto unix = ParseProjectText(" \"N\" , \"D\",\"\",\"CR\"\n\"1\"\n\"2\"\n");
    ASSERT_TRUE(unix);
    EXPECT_EQ(unix->items, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(unix->header.name, "N");
}

TEST_F(ProjectFileTest, RestoreRoomFilePutsThePreviousRoomBack) {
    Put(Data("KelvoL.dat"), "\"new\"\r\n");
    Put(Data("CRRestor.dat"), "\"previous\"\r\n");
    ctx.activationState = kActive;
    EXPECT_TRUE(RestoreRoomFile(ctx).empty());
    EXPECT_EQ(Bytes(Data("KelvoL.dat")), "\"previous\"\r\n");
    EXPECT_FALSE(fs::exists(Data("CRRestor.dat")));
    EXPECT_EQ(ctx.activationState, kNeverActivated);

    // Without a restore copy the room file goes, so the next activation loads the defaults.
    ctx.activationState = kActive;
    RestoreRoomFile(ctx);
    EXPECT_FALSE(fs::exists(Data("KelvoL.dat")));
    EXPECT_EQ(ctx.activationState, kNeverActivated);

    Put(Data("KelvoL.dat"), "\"kept\"\r\n");
    ctx.programCode = "HX";
    ctx.activationState = kActive;
    RestoreRoomFile(ctx);
    EXPECT_EQ(Bytes(Data("KelvoL.dat")), "\"kept\"\r\n");
    EXPECT_EQ(ctx.activationState, kActive);
}

TEST_F(ProjectFileTest, StartupRequestOpensByNameOrPath) {
    Put(Project("Hall.prj"), "\"Hall\",\"\",\"\",\"CR\"\r\n\"5\"\r\n");
    for (const std::string& request : {std::string("Hall.prj"), Project("Hall.prj").string()}) {
        SCOPED_TRACE(request);
        Put(Data("KelvoL.dat"), "\"0\"\r\n");
        ctx.projectDir = folder;
        EXPECT_TRUE(OpenStartupProject(ctx, request));
        EXPECT_EQ(Bytes(Data("KelvoL.dat")), "\"5\"\r\n");
        EXPECT_EQ(ctx.dialogMode, 0);
        EXPECT_EQ(ctx.roomFileName, "KelvoL.dat");
        EXPECT_EQ(ctx.currentProjectFile, "Hall.prj");
    }
}

TEST(ProjectDialogTexts, PromptFollowsTheLanguage) {
    EXPECT_EQ(OpenProjectPrompt("ENG", "Open", "project"), "Open project :");
    EXPECT_EQ(OpenProjectPrompt("NDL", "V", "P"), "V P :");
    EXPECT_EQ(OpenProjectPrompt("ESP", "Abrir", "proyecto"), "Abrir un proyecto :");
    EXPECT_EQ(OpenProjectPrompt("DEU", "öffnen", "Projekt"), "Projekt öffnen :");
}

TEST(Drives, RootsOfRealFileSystemsOnly) {
    const std::string mounts = "overlay / overlay rw 0 0\n"
                               "proc /proc proc rw 0 0\n"
                               "tmpfs /run tmpfs rw 0 0\n"
                               "/dev/sdb1 /run/media/eva/USB\\040Stick vfat rw 0 0\n"
                               "/dev/sda2 /data ext4 rw 0 0\n"
                               "tmpfs /tmp tmpfs rw 0 0\n"
                               "sysfs /sys/kernel sysfs rw 0 0\n"
                               "/dev/sda3 /home ext4 rw 0 0\n";
    EXPECT_EQ(RootsFromMountTable(mounts),
              (std::vector<std::string>{"/data", "/home", "/run/media/eva/USB Stick"}));
    EXPECT_EQ(DriveRootFromText("d: [DATA]"), "d:\\");
    EXPECT_EQ(DriveRootFromText("/home/eva"), "/home/eva");
    const auto roots = FileSystemRoots();
    ASSERT_FALSE(roots.empty());
#ifndef _WIN32
    EXPECT_EQ(roots.front(), "/");
#endif
}

} // namespace
} // namespace veskaro
