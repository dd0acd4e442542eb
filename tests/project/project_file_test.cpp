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
        ctx.dataDir = data.str();
        ctx.savedWorkingDir = projects.str();
    }

    TempDataDir data, projects;
    std::string folder = projects.str() + "/";
    AppContext ctx;
};

TEST_F(ProjectFileTest, BodyQuotesEveryItemOnItsOwnLine) {
    data.write("KelvoL.dat", "12.5,\"a, b\",,-3\r\n\"x\"\r\n");
    ctx.projectName = "Hall 3, freezer";
    ctx.projectDescription = "Ice cream, pallets";
    ctx.projectFileName = "p.prj";
    ASSERT_TRUE(SaveProject(ctx, "CR", folder));
    EXPECT_EQ(projects.read("p.prj"), "\"Hall 3, freezer\",\"Ice cream, pallets\",\"\",\"CR\"\r\n"
                                      "\"12.5\"\r\n\"a, b\"\r\n\"\"\r\n\"-3\"\r\n\"x\"\r\n");
    data.write("KelvoL.dat", "\"another room\"\r\n");
    ctx.projectName.clear();
    ASSERT_TRUE(OpenProject(ctx, projects.str() + "\\", "CR")); // either separator ends a folder
    EXPECT_EQ(ctx.currentProjectFile, "p.prj");
    EXPECT_EQ(ctx.projectName, "Hall 3, freezer");
    EXPECT_EQ(data.read("KelvoL.dat"), "\"12.5\"\r\n\"a, b\"\r\n\"\"\r\n\"-3\"\r\n\"x\"\r\n");
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
    data.write("KelvoL.dat", "\"1\"\r\n");
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
        EXPECT_TRUE(fs::exists(projects.path() / written));
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
        data.write("KelvoL.dat", "");
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
    }
}

TEST_F(ProjectFileTest, FailedSaveLeavesTheExistingProjectAndSaysWhy) {
    const std::string good = "\"Old\",\"\",\"\",\"CR\"\r\n\"7\"\r\n";
    projects.write("old.prj", good);
    ctx.projectFileName = "old.prj";
    const std::string missing = (projects.path() / "missing" / "deeper").string() + "/";
    const WriteStatus failed = SaveProject(ctx, "CR", missing);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.path, missing + "old.prj");
    EXPECT_NE(failed.reason, "");
    EXPECT_EQ(ctx.currentProjectFile, "old.prj");
    EXPECT_EQ(projects.read("old.prj"), good);

    // Without a room record to carry the project holds its header alone.
    ctx.projectName = "Hall";
    EXPECT_TRUE(SaveProject(ctx, "CR", folder));
    EXPECT_EQ(projects.read("old.prj"), "\"Hall\",\"\",\"\",\"CR\"\r\n");
}

// Opening restores the file of the stored program code; a file that is no project changes nothing.
TEST_F(ProjectFileTest, OpenRestoresTheFileOfTheStoredCodeAndNothingFromAnUnreadableProject) {
    const std::string room = "\"12\"\r\n\"8\"\r\n", body = "\"21\"\r\n\"x, y\"\r\n";
    // what, project file, the file restored (nullptr: none) and its bytes
    const std::tuple<const char*, std::string, const char*, std::string> rows[] = {
        {"empty", "", nullptr, ""},
        {"header cut after three strings", "\"Hall\",\"desc\",\"\",", nullptr, ""},
        {"header cut inside the code", "\"Hall\",\"desc\",\"\",\"C", nullptr, ""},
        {"three strings", "\"Hall\",\"desc\",\"CR\"\r\n\"1\"\r\n", nullptr, ""},
        {"unquoted header", "Hall,desc,,CR\r\n\"1\"\r\n", nullptr, ""},
        {"a room record", room, nullptr, ""},
        {"binary", std::string("\"a\",\"b\",\"\",\"CR\"\r\n\x00\x01", 19), nullptr, ""},
        {"unknown code", "\"Hall\",\"desc\",\"\",\"XY\"\r\n\"1\"\r\n", nullptr, ""},
        {"cr", "\"S\",\"\",\"\",\"cr\"\r\n" + body, "KelvoL.dat", body},
        {"header only", "\"N\",\"D\",\"third\",\"CR\"", "KelvoL.dat", ""},
        {"line feeds and blanks", " \"N\" , \"D\",\"\",\"CR\"\n\"1\"\n\"2\"\n", "KelvoL.dat",
         "\"1\"\r\n\"2\"\r\n"},
        {"AC", "\"S\",\"\",\"\",\"AC\"\r\n" + body, "KlimaL.dat", body},
        {"hx", "\"S\",\"\",\"\",\"hx\"\r\n" + body, "HX_ACT.dat", body},
    };
    for (const auto& [what, bytes, restored, restoredBytes] : rows) {
        SCOPED_TRACE(what);
        data.write("KelvoL.dat", room);
        projects.write("p.prj", bytes);
        ctx.projectFileName = "p.prj";
        ctx.dialogMode = DialogMode::None;
        EXPECT_EQ(OpenProject(ctx, folder, "CR"), restored != nullptr);
        EXPECT_EQ(ctx.dialogMode, restored ? DialogMode::Opened : DialogMode::None);
        if (restored) {
            EXPECT_EQ(data.read(restored), restoredBytes);
            fs::remove(data.path() / restored);
        }
        if (restored == nullptr || std::string(restored) != "KelvoL.dat") {
            EXPECT_EQ(data.read("KelvoL.dat"), room);
        }
    }
    ctx.projectFileName = "missing.prj";
    EXPECT_FALSE(OpenProject(ctx, folder, "CR"));
    EXPECT_EQ(ctx.currentProjectFile, "p.prj"); // the last project opened stays the current one
    EXPECT_EQ(data.read("KelvoL.dat"), room);
}

TEST_F(ProjectFileTest, RestoreRoomFilePutsThePreviousRoomBack) {
    data.write("KelvoL.dat", "\"new\"\r\n");
    data.write("CRRestor.dat", "\"previous\"\r\n");
    ctx.activationState = ActivationState::Active;
    EXPECT_TRUE(RestoreRoomFile(ctx).empty());
    EXPECT_EQ(data.read("KelvoL.dat"), "\"previous\"\r\n");
    EXPECT_FALSE(fs::exists(data.path() / "CRRestor.dat"));
    EXPECT_EQ(ctx.activationState, ActivationState::NeverActivated);

    // Without a restore copy the room file goes, so the next activation loads the defaults.
    ctx.activationState = ActivationState::Active;
    RestoreRoomFile(ctx);
    EXPECT_FALSE(fs::exists(data.path() / "KelvoL.dat"));
    EXPECT_EQ(ctx.activationState, ActivationState::NeverActivated);

    data.write("KelvoL.dat", "\"kept\"\r\n");
    ctx.programCode = "HX";
    ctx.activationState = ActivationState::Active;
    RestoreRoomFile(ctx);
    EXPECT_EQ(data.read("KelvoL.dat"), "\"kept\"\r\n");
    EXPECT_EQ(ctx.activationState, ActivationState::Active);
}

TEST_F(ProjectFileTest, StartupRequestOpensByNameOrPath) {
    projects.write("Hall.prj", "\"Hall\",\"\",\"\",\"CR\"\r\n\"5\"\r\n");
    for (const std::string& request : {std::string("Hall.prj"), (projects.path() / "Hall.prj").string()}) {
        SCOPED_TRACE(request);
        data.write("KelvoL.dat", "\"0\"\r\n");
        ctx.projectDir = folder;
        EXPECT_TRUE(OpenStartupProject(ctx, request));
        EXPECT_EQ(data.read("KelvoL.dat"), "\"5\"\r\n");
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
