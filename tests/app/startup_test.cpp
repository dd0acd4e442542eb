// Start-up: default data directory, seeding, settings and captions of a fresh run.

#include "app/startup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <tuple>

#include "app/data_dir.h"
#include "temp_data_dir.h"

namespace veskaro {
namespace {

using testing::TempDataDir;

// Sets an environment variable for one scope and restores it afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(DataDir, XdgUserDirsEntries) {
    const std::tuple<const char*, const char*> rows[] = {
        {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
         "/home/u/Dokumente"},
        {"XDG_DOCUMENTS_DIR=\"/data/docs\"\r\n", "/data/docs"},
        {"XDG_DOCUMENTS_DIR=relative/docs\n", ""},
        {"XDG_MUSIC_DIR=\"$HOME/Music\"\n", ""},
        {"", ""},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(XdgDocumentsFromUserDirs(text, "/home/u"), expected);
    }
}

TEST(DataDir, DefaultFollowsTheDocumentsFolder) {
    TempDataDir home;
    home.write("user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    ScopedEnv homeEnv("HOME", home.str().c_str());
    ScopedEnv config("XDG_CONFIG_HOME", home.str().c_str());
    {
        ScopedEnv documents("XDG_DOCUMENTS_DIR", nullptr);
        EXPECT_EQ(DefaultDataDir(), home.str() + "/Docs/Veskaro");
    }
    {
        ScopedEnv documents("XDG_DOCUMENTS_DIR", "/srv/shared/");
        EXPECT_EQ(DefaultDataDir(), "/srv/shared/Veskaro");
    }
    {
        ScopedEnv documents("XDG_DOCUMENTS_DIR", nullptr);
        ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
        ScopedEnv noHome("HOME", nullptr);
        EXPECT_EQ(DefaultDataDir(), CurrentDirectory());
    }
    EXPECT_FALSE(std::filesystem::exists(home.path() / "Docs"));
}

TEST(DataDir, SeedingCopiesMissingFilesOnly) {
    TempDataDir seed;
    seed.write("KelvoL.dat", "seed room");
    seed.write("Caption.ENG", "seed captions");
    seed.write("qvsample.jpg", "picture");
    std::filesystem::create_directories(seed.path() / "subfolder");
    TempDataDir data;
    data.write("kelvol.DAT", "user room");
    EXPECT_EQ(SeedDataDir(data.str(), seed.str()), 2);
    EXPECT_EQ(data.read("kelvol.DAT"), "user room");
    EXPECT_FALSE(std::filesystem::exists(data.path() / "KelvoL.dat"));
    EXPECT_EQ(data.read("Caption.ENG"), "seed captions");
    EXPECT_FALSE(std::filesystem::exists(data.path() / "subfolder"));
    EXPECT_EQ(SeedDataDir(data.str(), seed.str()), 0);
    EXPECT_EQ(SeedDataDir(data.str(), (seed.path() / "missing").string()), 0);
}

TEST(StartUp, OverrideIsCreatedSeededAndReadFrom) {
    TempDataDir seed;
    seed.write("kparam.dat", "\"\",\"/\",\"\",\"DEU\"\r\n"); // item 2 names another folder: overridden
    seed.write("Caption.DEU", "\"Kuehlraum\"\r\n");
    TempDataDir root;
    const std::string dataDir = (root.path() / "new" / "data").string();
    const AppContext ctx = StartUp({dataDir + "/", seed.str()}); // trailing separator dropped
    EXPECT_EQ(ctx.dataDir, dataDir);
    EXPECT_TRUE(std::filesystem::is_regular_file(root.path() / "new" / "data" / "kparam.dat"));
    EXPECT_EQ(ctx.captions[Cap::MainWindowTitle], "Kuehlraum"); // DEU from the seeded kparam.dat
}

} // namespace
} // namespace veskaro
