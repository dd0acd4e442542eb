// Where the program finds its seed files and its desktop module: beside the executable as installed or
// unpacked, at the configured prefix, or in the build tree, in that order.

#include <gtest/gtest.h>

#include <fstream>

#include "app/install_layout.h"
#include "temp_data_dir.h"

namespace veskaro::testing {
namespace {

namespace fs = std::filesystem;

TEST(InstallLayout, SeedFilesAreTakenFromTheFirstPlaceThatHasThem) {
    TempDataDir tmp;
    const fs::path unpacked = tmp.path() / "unpacked/usr", configured = tmp.path() / "prefix",
                   build = tmp.path() / "src/data";
    const InstallLayout layout{configured.string(), "bin", "share/veskaro-cr/data", "lib", build.string()};
    const fs::path exeDir = unpacked / "bin";
    const struct {
        const char* name;
        bool unpackedHas, configuredHas, buildHas;
        fs::path expected;
    } rows[] = {
        {"all three", true, true, true, unpacked / "share/veskaro-cr/data"},
        {"configured prefix and build tree", false, true, true, configured / "share/veskaro-cr/data"},
        {"build tree only", false, false, true, build},
        {"none", false, false, false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(tmp.path() / "unpacked");
        fs::remove_all(configured);
        fs::remove_all(build);
        const auto place = [](bool has, const fs::path& dir) {
            fs::create_directories(dir); // an empty folder is no seed folder
            if (has) std::ofstream(dir / "KelvoL.dat") << "\"8\"\r\n";
        };
        place(row.unpackedHas, unpacked / "share/veskaro-cr/data");
        place(row.configuredHas, configured / "share/veskaro-cr/data");
        place(row.buildHas, build);
        EXPECT_EQ(FindSeedDir(exeDir.string(), layout), row.expected.string());
    }
}

TEST(InstallLayout, ModuleBesideTheExecutableComesFirstThenTheRelocatedAndConfiguredLibraryFolders) {
    const InstallLayout layout{"/usr/local", "bin/x", "share/d", "lib/multi", "/src/data"};
    EXPECT_EQ(GuiModuleCandidates("/opt/p/bin/x", layout, "m.so"),
              (std::vector<std::string>{"/opt/p/bin/x/m.so", "/opt/p/lib/multi/m.so",
                                        "/usr/local/lib/multi/m.so"}));
    // Without a known executable folder only the configured place is left.
    EXPECT_EQ(GuiModuleCandidates("", layout, "m.so"), std::vector<std::string>{"/usr/local/lib/multi/m.so"});
    EXPECT_EQ(SeedDirCandidates("/usr/local/bin/x", layout),
              (std::vector<std::string>{"/usr/local/share/d", "/src/data"}));
}

} // namespace
} // namespace veskaro::testing
