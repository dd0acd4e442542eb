// Project files: names, the file format, open and save with their failure paths, the restore copy.

#include <gtest/gtest.h>

#include <algorithm>

#include "../app/temp_data_dir.h"
#include "../room/sample_room.h"
#include "project/drives.h"
#include "project/project_file.h"

namespace veskaro::testing {
namespace {

namespace fs = std::filesystem;

class ProjectFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(m_data);
        fs::create_directories(m_projects);
        ctx.dataDir = m_data.string();
        ctx.savedWorkingDir = m_root.str();
    }
    static void Put(const fs::path& path, const std::string& bytes) {
        ASSERT_TRUE(WriteFileAtomic(path.string(), bytes));
    }
    static std::string Bytes(const fs::path& path) {
        std::string bytes;
        ReadFileBytes(path.string(), bytes);
        return bytes;
    }
    fs::path Data(const std::string& name) const { return m_data / name; }
    fs::path Project(const std::string& name) const { return m_projects / name; }

    TempDataDir m_root;
    fs::path m_data = m_root.path() / "data", m_projects = m_root.path() / "projects";
    std::string folder = m_projects.string() + "/";
    AppContext ctx;
};

TEST_F(ProjectFileTest, BodyQuotesEveryItemOnItsOwnLine) {
    Put(Data("KelvoL.dat"), "12.5,\"a, b\",,-3\r\n\"x\"\r\n");
    ctx.projectName = "Hall 3, freezer";
    ctx.projectDescription = "Ice cream, pallets";
    ctx.projectFileName = "p.prj";
    ASSERT_TRUE(SaveProject(ctx, "CR", folder));
    EXPECT_EQ(Bytes(Project("p.prj")), "\"Hall 3, freezer\",\"Ice cream, pallets\",\"\",\"CR\"\r\n"
                                       "\"12.5\"\r\n\"a, b\"\r\n\"\"\r\n\"-3\"\r\n\"x\"\r\n");
    Put(Data("KelvoL.dat"), "\"another room\"\r\n");
    ctx.projectName.clear();
    ASSERT_TRUE(OpenProject(ctx, m_projects.string() + "\\", "CR")); // either separator ends a folder
    EXPECT_EQ(ctx.dialogMode, DialogMode::Opened);
    EXPECT_EQ(ctx.currentProjectFile, "p.prj");
    EXPECT_EQ(ctx.projectName, "Hall 3, freezer");
    EXPECT_EQ(Bytes(Data("KelvoL.dat")), "\"12.5\"\r\n\"a, b\"\r\n\"\"\r\n\"-3\"\r\n\"x\"\r\n");
}

TEST_F(ProjectFileTest, SaveNamesTheFileByTheNameRulesAndSaveAsProposesTheShortStem) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        // file name, project name, file written, name Save As proposes (the stem of the project name)
        {"", "Cold store: Hall 1", "Coldstore Hall 1.prj", "Coldstor.prj"},
        {"   ", "x-y, z!", "xyz.prj", nullptr}, // one of each removed character, in order
        {".prj", "A.B.C", "AB.C.prj", nullptr},
        {" .PRJ ", "Hall", "Hall.prj", "Hall.prj"},
        {"Plan.Prj", "ignored", "Plan.Prj", "Plan.Prj"},
        {"site.dat", "ignored", "site.PRJ", nullptr},
        {"Freezer7", "ignored", "Free.PRJ", "Freezer7.prj"}, // four characters replaced, not appended
        {"Kühlraum", "ignored", "Kühl.PRJ", "Kühlraum.prj"}, // characters, not bytes
        {"ab", "ignored", "ab.PRJ", "ab.prj"},
        {"abcd", "ignored", "abcd.PRJ", "abcd.prj"},
    };
    Put(Data("KelvoL.dat"), "\"1\"\r\n");
    for (const auto& [fileName, projectName, written, proposed] : rows) {
        SCOPED_TRACE(fileName);
        ctx.projectName = projectName;
        ctx.projectFileName = fileName;
        if (proposed != nullptr) {
            AppContext asked = ctx;
            EXPECT_EQ(ProposeSaveAsName(asked), proposed);
        }
        EXPECT_TRUE(SaveProject(ctx, "CR", folder));
        EXPECT_EQ(ctx.currentProjectFile, written);
        EXPECT_TRUE(fs::exists(Project(written)));
    }
}

// Whatever a user types into a text field, the room record and the project keep every item in its place:
// a double quote comes back as an apostrophe, line ends are dropped, the rest is kept as typed.
TEST_F(ProjectFileTest, EveryTextFieldSurvivesAnyTypedText) {
    const std::string rows[] = {"Store \"A\", north wing", "a,b,,c",         "#1#2#",
                                "Label §$& value",         "two\r\nlines\n", std::string(1999, 'x') + "\""};
    for (const std::string& typed : rows) {
        SCOPED_TRACE(typed.substr(0, 30));
        RoomRecord room = SampleRoom();
        for (std::string* text : TextFields(room))
            *text = typed;
        ASSERT_TRUE(WriteEnvelopeFiles(ctx, {{"CR_WALL.dat", {typed, " .35", "-20,5", ""}}}));
        for (int r = 1; r <= kGoodsRowsCounted; ++r) {
            for (int c = 1; c < kGoodsGridColumns; ++c)
                room.goods[r][c] = typed;
        }
        ASSERT_TRUE(SaveRoomFile(ctx, "KelvoL.dat", room));
        ctx.projectName = ctx.projectDescription = typed;
        ctx.projectFileName = "typed.prj";
        ASSERT_TRUE(SaveProject(ctx, "CR", folder));
        Put(Data("KelvoL.dat"), "");
        ASSERT_TRUE(OpenProject(ctx, folder, "CR"));
        RoomRecord loaded;
        ASSERT_TRUE(LoadRoomFile(ctx, "KelvoL.dat", loaded));

        std::string stored = typed;
        std::replace(stored.begin(), stored.end(), '"', '\'');
        std::erase_if(stored, [](char c) { return c == '\r' || c == '\n'; });
        EXPECT_EQ(ctx.projectName, stored);
        EXPECT_EQ(ctx.projectDescription, stored);
        for (std::string* text : TextFields(loaded))
            EXPECT_EQ(*text, stored);
        // The entry temperature shares its item with the end temperature behind a "#": it gives up its own.
        std::string entry = stored;
        std::erase(entry, '#');
        for (int r = 1; r <= kGoodsRowsCounted; ++r) {
            for (int c = 1; c < kGoodsGridColumns; ++c)
                EXPECT_EQ(loaded.goods[r][c], c == kGoodsEntryTemp ? entry : stored) << r << "," << c;
        }
        const auto walls = std::find_if(loaded.envelope.begin(), loaded.envelope.end(),
                                        [](const EnvelopeFileBlock& b) { return b.name == "CR_WALL.dat"; });
        ASSERT_NE(walls, loaded.envelope.end());
        // The wall name may keep its line ends inside its quotes; every later item keeps its place.
        ASSERT_EQ(walls->items.size(), 4u);
        EXPECT_EQ(walls->items[0].find('"'), std::string::npos);
        EXPECT_EQ(walls->items[2], "-20,5");
        EXPECT_EQ(loaded.defrostFlag, room.defrostFlag);
        EXPECT_EQ(loaded.operatingBasis, room.operatingBasis);
    }
}

TEST_F(ProjectFileTest, FailedSaveLeavesTheExistingProjectAndSaysWhy) {
    const std::string good = "\"Old\",\"\",\"\",\"CR\"\r\n\"7\"\r\n";
    Put(Project("old.prj"), good);
    ctx.projectFileName = "old.prj";
    const std::string missing = (m_root.path() / "missing" / "deeper").string() + "/";
    const WriteStatus failed = SaveProject(ctx, "CR", missing);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.path, missing + "old.prj");
    EXPECT_EQ(WriteFailureMessage(failed), "Could not save old.prj: " + failed.reason);
    EXPECT_NE(failed.reason, "");
    EXPECT_EQ(ctx.currentProjectFile, "old.prj");
    EXPECT_EQ(Bytes(Project("old.prj")), good);

    // Without a room record to carry the project holds its header alone.
    ctx.projectName = "Hall";
    EXPECT_TRUE(SaveProject(ctx, "CR", folder));
    EXPECT_EQ(Bytes(Project("old.prj")), "\"Hall\",\"\",\"\",\"CR\"\r\n");
}

TEST_F(ProjectFileTest, UnreadableProjectLeavesTheRoomFileAlone) {
    const std::string room = "\"12\"\r\n\"8\"\r\n";
    Put(Data("KelvoL.dat"), room);
    const std::tuple<const char*, std::string> rows[] = {
        {"empty", ""},
        {"header cut after three strings", "\"Hall\",\"desc\",\"\","},
        {"header cut inside the code", "\"Hall\",\"desc\",\"\",\"C"},
        {"three strings", "\"Hall\",\"desc\",\"CR\"\r\n\"1\"\r\n"},
        {"unquoted header", "Hall,desc,,CR\r\n\"1\"\r\n"},
        {"a room record", room},
        {"binary", std::string("\"a\",\"b\",\"\",\"CR\"\r\n\x00\x01", 19)},
        {"unknown code", "\"Hall\",\"desc\",\"\",\"XY\"\r\n\"1\"\r\n"},
    };
    for (const auto& [what, bytes] : rows) {
        SCOPED_TRACE(what);
        Put(Project("bad.prj"), bytes);
        ctx.projectFileName = "bad.prj";
        ctx.dialogMode = DialogMode::None;
        EXPECT_FALSE(OpenProject(ctx, folder, "CR"));
        EXPECT_EQ(ctx.dialogMode, DialogMode::None);
        EXPECT_EQ(Bytes(Data("KelvoL.dat")), room);
    }
    ctx.projectFileName = "missing.prj";
    EXPECT_FALSE(OpenProject(ctx, folder, "CR"));
    EXPECT_EQ(ctx.currentProjectFile, "");
    EXPECT_EQ(Bytes(Data("KelvoL.dat")), room);
}

TEST_F(ProjectFileTest, StoredCodeChoosesTheRestoredFile) {
    const std::string room = "\"12\"\r\n";
    const std::tuple<const char*, const char*> rows[] = {
        {"AC", "KlimaL.dat"}, {"hx", "HX_ACT.dat"}, {"cr", "KelvoL.dat"}};
    for (const auto& [code, restored] : rows) {
        SCOPED_TRACE(code);
        Put(Data("KelvoL.dat"), room);
        Put(Project("s.prj"), std::string("\"S\",\"\",\"\",\"") + code + "\"\r\n\"21\"\r\n\"x, y\"\r\n");
        ctx.projectFileName = "s.prj";
        ctx.dialogMode = DialogMode::None;
        EXPECT_TRUE(OpenProject(ctx, folder, "CR"));
        EXPECT_EQ(ctx.dialogMode, DialogMode::Opened);
        EXPECT_EQ(Bytes(Data(restored)), "\"21\"\r\n\"x, y\"\r\n");
        if (std::string(restored) != "KelvoL.dat") {
            EXPECT_EQ(Bytes(Data("KelvoL.dat")), room);
        }
        fs::remove(Data(restored));
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
}

TEST_F(ProjectFileTest, RestoreRoomFilePutsThePreviousRoomBack) {
    Put(Data("KelvoL.dat"), "\"new\"\r\n");
    Put(Data("CRRestor.dat"), "\"previous\"\r\n");
    ctx.activationState = ActivationState::Active;
    EXPECT_TRUE(RestoreRoomFile(ctx).empty());
    EXPECT_EQ(Bytes(Data("KelvoL.dat")), "\"previous\"\r\n");
    EXPECT_FALSE(fs::exists(Data("CRRestor.dat")));
    EXPECT_EQ(ctx.activationState, ActivationState::NeverActivated);

    // Without a restore copy the room file goes, so the next activation loads the defaults.
    ctx.activationState = ActivationState::Active;
    RestoreRoomFile(ctx);
    EXPECT_FALSE(fs::exists(Data("KelvoL.dat")));
    EXPECT_EQ(ctx.activationState, ActivationState::NeverActivated);

    Put(Data("KelvoL.dat"), "\"kept\"\r\n");
    ctx.programCode = "HX";
    ctx.activationState = ActivationState::Active;
    RestoreRoomFile(ctx);
    EXPECT_EQ(Bytes(Data("KelvoL.dat")), "\"kept\"\r\n");
    EXPECT_EQ(ctx.activationState, ActivationState::Active);
}

TEST_F(ProjectFileTest, StartupRequestOpensByNameOrPath) {
    Put(Project("Hall.prj"), "\"Hall\",\"\",\"\",\"CR\"\r\n\"5\"\r\n");
    for (const std::string& request : {std::string("Hall.prj"), Project("Hall.prj").string()}) {
        SCOPED_TRACE(request);
        Put(Data("KelvoL.dat"), "\"0\"\r\n");
        ctx.projectDir = folder;
        EXPECT_TRUE(OpenStartupProject(ctx, request));
        EXPECT_EQ(Bytes(Data("KelvoL.dat")), "\"5\"\r\n");
        EXPECT_EQ(ctx.dialogMode, DialogMode::None);
        EXPECT_EQ(ctx.roomFileName, "KelvoL.dat");
        EXPECT_EQ(ctx.currentProjectFile, "Hall.prj");
    }
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
}

} // namespace
} // namespace veskaro::testing
